#include "configwin/ctrlbtnpanel.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

constexpr int ButtonWidth = 96;
constexpr int ButtonHeight = 25;
constexpr int Gap = 5;

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->resize(ButtonWidth, ButtonHeight);
    return button;
}

// The glyph file in the current directory, when it exists and holds a bitmap, replaces
// the caption.
void LoadGlyph(QPushButton* button, const char* file)
{
    const QString path = QDir::current().filePath(QString::fromLatin1(file));
    if (!QFileInfo::exists(path))
        return;
    const QPixmap glyph(path);
    if (glyph.isNull())
        return;
    button->setText(QString());
    button->setIcon(glyph);
    button->setIconSize(glyph.size());
}

} // namespace

TCtrlBtnPanel::TCtrlBtnPanel(QWidget* owner) : TPanel(owner)
{
    setObjectName("ButtonPanel");
    SamplesLabel = new QLabel("Samples", this);
    SamplesLabel->setObjectName("SamplesLabel");
    SamplesLabel->setAlignment(Qt::AlignCenter);
    SamplesLabel->resize(ButtonWidth, 16);
    SamplesCount = new QLabel("0", this);
    SamplesCount->setObjectName("SamplesCount");
    SamplesCount->setAlignment(Qt::AlignCenter);
    SamplesCount->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SamplesCount->resize(ButtonWidth, 20);
    RefreshButton = MakeButton(this, "RefreshButton", "Refresh");
    EditButton = MakeButton(this, "EditButton", "Edit");
    SetCheckedButton = MakeButton(this, "SetCheckedButton", "Set Checked");
    AddButton = MakeButton(this, "AddButton", "Add");
    DeleteButton = MakeButton(this, "DeleteButton", "Delete");
    CheckAllButton = MakeButton(this, "CheckAllButton", "Check All");
    ClearChecksButton = MakeButton(this, "ClearChecksButton", "Clear Checks");
    CloseButton = MakeButton(this, "CloseButton", "Close");
    Controls = {SamplesCount, SamplesLabel, RefreshButton, EditButton, SetCheckedButton,
                AddButton, DeleteButton, CheckAllButton, ClearChecksButton, CloseButton};

    const std::pair<QPushButton*, const char*> glyphs[] = {
        {RefreshButton, "Get.bmp"},        {EditButton, "Set.bmp"},
        {SetCheckedButton, "SetCheck.bmp"}, {AddButton, "Add.bmp"},
        {DeleteButton, "Delete.bmp"},      {CheckAllButton, "SelectAll.bmp"},
        {ClearChecksButton, "SelectNone.bmp"}, {CloseButton, "Close.bmp"},
    };
    for (const auto& [button, file] : glyphs)
        LoadGlyph(button, file);

    LeftMargin = 10;
    TopMargin = 10;
    AddButton->hide();
    DeleteButton->hide();
    ArrangeButtons();
    resize(2 * LeftMargin + RefreshButton->width(), height());
    SetAlign(this, alRight);
}

void TCtrlBtnPanel::ArrangeButtons()
{
    int top = TopMargin;
    int bottom = 0;
    for (QWidget* control : Controls) {
        control->setGeometry(LeftMargin, top, ButtonWidth, control->height());
        if (IsShownFlag(control)) {
            bottom = top + control->height();
            top = bottom + Gap;
        }
    }
    neededHeight_ = bottom + TopMargin;
}
