#include "l2windows/spanningtreealgorithmunit.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QStatusBar>
#include <QTimer>

#include "classlib/dialogs.h"
#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"
#include "dedicated/windowhost.h"

TSpanningTreeAlgorithmForm* SpanningTreeAlgorithmForm = nullptr;
TProgressForm* ProgressForm = nullptr;
TRQ_DEFINE_FORM(TSpanningTreeAlgorithmForm, SpanningTreeAlgorithmForm)

int TProgressForm::TickMs = 1000;

namespace {

const VhSNMPObjectDesc SwitchTable[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.1.2.1", "Spanning Tree Algorithm", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &DisabledEnabledList},
    {nullptr},
};

constexpr int LastStep = 30;

} // namespace

TSpanningTreeAlgorithmForm::TSpanningTreeAlgorithmForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(GetButton, &TSpanningTreeAlgorithmForm::GetButtonClick);
    OnClick(SetButton, &TSpanningTreeAlgorithmForm::SetButtonClick);
}

void TSpanningTreeAlgorithmForm::FormCreate()
{
    SetMessageTarget(StatusPanel0(StatusBar1));
    Guarded([this] {
        Request = MakeRequest(SwitchTable, SVT_SV, 0);
        Request->AddControl(0, ComboBox1);
        Read(Request);
    });
}

void TSpanningTreeAlgorithmForm::GetButtonClick()
{
    Guarded([this] { Read(Request); });
}

void TSpanningTreeAlgorithmForm::ReadAfterSet()
{
    if (!AwaitIdle(Request))
        return;
    if (Request->LastWrite.Code == 0)
        Guarded([this] { Read(Request); });
}

void TSpanningTreeAlgorithmForm::SetButtonClick()
{
    if (!Idle({Request}))
        return;
    const QString choice = ComboBox1->currentIndex() < 0 ? QString() : ComboBox1->currentText();
    if (choice == "disabled") {
        if (Guarded([this] { Write(Request, false); }))
            ReadAfterSet();
    } else if (choice == "enabled") {
        // Enter answers Cancel: spanning tree is enabled only when OK is chosen.
        if (MessageDlg("To enable STP may take a long time. Do you want to go on?", mtConfirmation, mbOKCancel, 0,
                       mbCancel) == mrOk)
            EnableWithProgress();
        else
            Guarded([this] { Read(Request); });
    }
}

void TSpanningTreeAlgorithmForm::EnableWithProgress()
{
    QTimer* poll = WindowHost() ? WindowHost()->PollTimer() : nullptr;
    const bool polling = poll && poll->isActive();
    if (poll)
        poll->stop();
    Guarded([this] {
        TProgressForm box(nullptr, this);
        ProgressForm = &box;
        box.setWindowTitle("Enable STP Progress");
        box.LB_Prompt->setText("Enable STP is doing...");
        box.exec();
        ProgressForm = nullptr;
    });
    ProgressForm = nullptr;
    if (polling && WindowHost() && WindowHost()->PollTimer() == poll)
        poll->start();
    ReadAfterSet();
}

TProgressForm::TProgressForm(QWidget* owner, TSpanningTreeAlgorithmForm* caller) : QDialog(owner)
{
    setupUi(this);
    // A dialog border without a close button; drawn over the calling window.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    if (caller) {
        setParent(caller, windowFlags());
        caller->Guarded([caller] { caller->Write(caller->Request, false); });
    }
    ProgressTimer = new QTimer(this);
    ProgressTimer->setInterval(TickMs);
    connect(ProgressTimer, &QTimer::timeout, this, &TProgressForm::ProgressTimerTimer);
    ProgressTimer->start();
    Done = false;
}

void TProgressForm::ProgressTimerTimer()
{
    if (ProgressBar->value() >= LastStep) {
        Done = true;
        ProgressTimer->stop();
        accept();
        return;
    }
    ProgressBar->setValue(ProgressBar->value() + 1);
}

void TProgressForm::closeEvent(QCloseEvent* event)
{
    if (!Done)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TProgressForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !Done)
        return; // Escape does not close it either
    QDialog::keyPressEvent(event);
}
