#include "mainwin/about.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>

#include "classlib/formstyle.h"
#include "mainwin/mainunit.h"

TAboutForm* AboutForm = nullptr;

namespace {

// The module's icon: a chassis with a row of port LEDs.
QPixmap moduleIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(40, 40, 40));
    painter.setBrush(QColor(90, 100, 120));
    painter.drawRect(1, 6, 29, 19);
    painter.setBrush(QColor(30, 30, 30));
    for (int i = 0; i < 6; ++i)
        painter.drawRect(4 + i * 4, 15, 3, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 200, 0));
    for (int i = 0; i < 6; ++i)
        painter.drawRect(4 + i * 4, 10, 2, 2);
    painter.setBrush(QColor(230, 160, 0));
    painter.drawRect(26, 10, 2, 2);
    return pixmap;
}

} // namespace

TAboutForm::TAboutForm(QWidget* owner) : QDialog(owner)
{
    setupUi(this);

    MakeFixedDialog(this, 316, 105);
    QFont narrow = font();
    narrow.setStretch(QFont::SemiCondensed);
    setFont(narrow);
    Image1->setPixmap(moduleIcon());
    QFont title = ABoutLabel->font();
    title.setBold(true);
    title.setPixelSize(12);
    title.setStretch(QFont::SemiCondensed);
    title.setLetterSpacing(QFont::PercentageSpacing, 96);
    ABoutLabel->setFont(title);
    // The build label continues the version text on its line: right after its text, in a
    // box of the same top and height, so that both texts share the baseline.
    VersionLabel->resize(VersionLabel->sizeHint().width(), VersionLabel->height());
    LabelWholeVersion->setGeometry(VersionLabel->x() + VersionLabel->width(), VersionLabel->y(),
                                   LabelWholeVersion->width(), VersionLabel->height());

    connect(BT_Ok, &QPushButton::clicked, this, &TAboutForm::BT_OkClick);
    BT_Ok->installEventFilter(this);
    BT_Ok->setFocus();
    FormCreate();
}

TAboutForm::~TAboutForm() = default;

void TAboutForm::FormCreate() { LabelWholeVersion->hide(); }

void TAboutForm::BT_OkClick() { close(); }

void TAboutForm::BT_OkKeyDown(int key, Qt::KeyboardModifiers shift)
{
    if (key == Qt::Key_F3 && shift.testFlag(Qt::ShiftModifier) && shift.testFlag(Qt::AltModifier))
        LabelWholeVersion->show();
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == BT_Ok && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        BT_OkKeyDown(key->key(), key->modifiers());
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutForm::showEvent(QShowEvent* event)
{
    // Centred on the main window.
    if (MainForm && MainForm != parentWidget())
        move(MainForm->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    QDialog::showEvent(event);
}
