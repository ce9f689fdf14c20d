#include "chassis/popuprefreshpanelform.h"

#include <QTimer>

#include "classlib/formstyle.h"
#include "classlib/messages.h"
#include "chassis/chassishost.h"

TPopupProcessBarForm* PopupProcessBarForm = nullptr;

TPopupProcessBarForm::TPopupProcessBarForm(QObject*) : QDialog(nullptr)
{
    setupUi(this);
    // A single border without border icons: only the refresh's end closes it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(396, 24);
    UseFormFont(this);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TPopupProcessBarForm::Timer1Timer);
    Timer1->start();
}

void TPopupProcessBarForm::Timer1Timer()
{
    if (!Timer1->isActive() || !ProgressBar)
        return;
    ProgressBar->setValue(ProgressBar->value() + 1);
    if (ProgressBar->value() == ProgressBar->maximum())
        ProgressBar->setValue(ProgressBar->minimum());
}

void TPopupProcessBarForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QWidget* main = ChassisHost() ? ChassisHost()->Window() : nullptr)
        move(main->frameGeometry().center() - rect().center());
    if (!Activated)
        QTimer::singleShot(0, this, &TPopupProcessBarForm::FormActivate);
}

void TPopupProcessBarForm::FormActivate()
{
    if (Activated)
        return;
    Activated = true;
    try {
        if (ChassisHost() && !ChassisHost()->PollRunning()) {
            ChassisHost()->RefreshChassis();
            if (ChassisHost())
                ChassisHost()->EndFirstChassisBuild();
        }
    } catch (const std::exception&) {
        // The refresh shows its own failures in the status bar; the popup closes all the same.
    }
    Timer1->stop();
    Finished = true;
    PostMessageA(this, WM_CLOSE, 0, 0);
}

void TPopupProcessBarForm::reject()
{
    if (Finished)
        QDialog::reject();
}

void TPopupProcessBarForm::customEvent(QEvent* event)
{
    if (PostedMessage* message = PostedMessage::from(event); message && message->Msg == WM_CLOSE) {
        reject();
        message->accept();
        return;
    }
    QDialog::customEvent(event);
}
