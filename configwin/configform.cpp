#include "configwin/configform.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QTimer>

#include "classlib/application.h"
#include "classlib/dialogs.h"
#include "classlib/formstyle.h"
#include "classlib/messages.h"
#include "classlib/panel.h"
#include "configwin/msgpanel.h"
#include "configwin/snmpeditorpanel.h"
#include "configwin/snmplistviewpanel.h"
#include "platform/exception.h"
#include "snmplib/bind/request2edits.h"

namespace {

// The form description: width 159, height 105 with the border and caption, so a client
// area of 151 x 78.
constexpr int ClientWidth = 151;
constexpr int ClientHeight = 78;
constexpr int CloseRetryMs = 20;

} // namespace

TConfigForm* ConfigForm = nullptr;

TConfigForm::TConfigForm(QObject* owner) : QDialog(qobject_cast<QWidget*>(owner))
{
    setObjectName("ConfigForm");
    setWindowTitle("ConfigForm");
    UseFormFont(this);
    resize(ClientWidth, ClientHeight);
    ActiveRequest = nullptr;
    SetPositionCentredOn(this);
    FormType = FORM_TYPE_NONE;
    CloseTimer = new QTimer(this);
    CloseTimer->setInterval(CloseRetryMs);
    connect(CloseTimer, &QTimer::timeout, this, [this] {
        if (AnyBusy())
            return;
        CloseTimer->stop();
        close();
    });
    PostMessageA(this, WM_CONFIGFORM_REFRESH, 0, 0);
}

TConfigForm::~TConfigForm()
{
    std::vector<VhSNMPRequest2Edits*> requests;
    requests.swap(Requests);
    if (Panel_)
        Panel_->ReleaseRequest();
    for (VhSNMPRequest2Edits* request : requests)
        delete request;
}

// ---- Modes ----------------------------------------------------------------------------

void TConfigForm::StartMode(VhSNMPRequest2Edits* request, uint8_t type)
{
    if (FormType != FORM_TYPE_NONE)
        throw Exception("Can not change Type of a Config Form!");
    FormType = type;
    Requests.push_back(request);
}

void TConfigForm::FinishMode()
{
    if (TMsgPanel* messages = Panel_->MessagePanel())
        messages->Memo->setReadOnly(true);
    Panel_->AttachToForm(this);
}

TSNMPEditorPanel* TConfigForm::SetEditorMode(VhSNMPRequest2Edits* request)
{
    StartMode(request, FORM_TYPE_EDITOR);
    auto* panel = new TSNMPEditorPanel(this, request);
    Panel_ = panel;
    FinishMode();
    if (width() < panel->width() || height() < panel->height())
        resize(std::max(width(), panel->width()), std::max(height(), panel->height()));
    return panel;
}

TSNMPListViewPanel* TConfigForm::SetListViewMode(VhSNMPRequest2Edits* request, int addStatusColumn,
                                                 const char* addStatusLabel, int deleteStatusColumn,
                                                 const char* deleteStatusLabel)
{
    StartMode(request, FORM_TYPE_LIST_VIEW);
    auto* panel = new TSNMPListViewPanel(this, request);
    Panel_ = panel;
    FinishMode();
    if (addStatusLabel)
        panel->SetAddStatus(addStatusColumn, addStatusLabel);
    if (deleteStatusLabel)
        panel->SetDeleteStatus(deleteStatusColumn, deleteStatusLabel);
    if (width() < panel->width() || height() < panel->height())
        resize(std::max(width(), panel->width()), std::max(height(), panel->height()));
    return panel;
}

// ---- Reading --------------------------------------------------------------------------

void TConfigForm::Refresh()
{
    if (FormType == 0)
        return;
    if (FormType > 2)
        throw Exception("Refresh a Form with unknown Form Type!");
    if (Requests.empty())
        return;
    VhSNMPRequest2Edits* chosen = Requests.front();
    if (ActiveRequest)
        ActiveRequest->Request.Enabled = 0;
    ActiveRequest = chosen;
    chosen->Request.Enabled = 1;
    try {
        chosen->Get();
    } catch (const std::exception& e) {
        chosen->ShowMessage(e.what());
    }
}

void TConfigForm::Dispatch(PostedMessage& message)
{
    if (message.Msg != WM_CONFIGFORM_REFRESH)
        return; // not accepted: the default treatment
    message.accept();
    // The first read belongs to the shown window, whatever ran the message loop before.
    if (!isVisible()) {
        FirstReadPending = true;
        return;
    }
    Refresh();
}

void TConfigForm::customEvent(QEvent* event)
{
    PostedMessage* message = PostedMessage::from(event);
    if (!message) {
        QDialog::customEvent(event);
        return;
    }
    try {
        Dispatch(*message);
    } catch (const std::exception& e) {
        message->accept();
        ShowException(e);
    }
}

void TConfigForm::showEvent(QShowEvent* event)
{
    // Before the dialog picks its default button: Enter in an edit must neither re-read
    // (Refresh would throw away what was typed) nor write.
    KeepEnterFromButtons(this);
    QDialog::showEvent(event);
    if (FirstReadPending) {
        FirstReadPending = false;
        PostMessageA(this, WM_CONFIGFORM_REFRESH, 0, 0);
    }
}

// ---- Closing --------------------------------------------------------------------------

bool TConfigForm::AnyBusy() const
{
    for (const VhSNMPRequest2Edits* request : Requests)
        if (request->Busy)
            return true;
    return false;
}

void TConfigForm::done(int result)
{
    // Every way out (Escape, the panel's Close button, a close from outside) goes
    // through the close handling.
    if (Finishing) {
        QDialog::done(result);
        return;
    }
    setResult(result);
    close();
}

void TConfigForm::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (Closing)
        return;
    for (VhSNMPRequest2Edits* request : Requests)
        request->Request.Enabled = 0;
    if (AnyBusy()) {
        // Each walk ends at its next reply; the window closes once all are idle.
        if (!CloseTimer->isActive())
            CloseTimer->start();
        return;
    }
    CloseTimer->stop();
    const QPointer<TConfigForm> self(this);
    if (OnClose) {
        // The window closes whatever its owner's handler raises.
        try {
            OnClose(this);
        } catch (const std::exception& e) {
            ShowException(e);
        }
        if (self)
            FormClose(this); // nothing left to do when the handler ran it
    } else {
        FormClose(this);
    }
    if (!self)
        return;
    Finishing = true;
    QDialog::done(result());
    Finishing = false;
    event->accept();
}

void TConfigForm::FormClose(QObject*)
{
    if (Closing)
        return;
    Closing = true;
    const QPointer<TConfigForm> self(this);
    // Taken out of the list first: whatever runs while this waits, each request is
    // deleted once, here.
    std::vector<VhSNMPRequest2Edits*> requests;
    requests.swap(Requests);
    for (VhSNMPRequest2Edits* request : requests)
        request->Request.Enabled = 0;
    for (VhSNMPRequest2Edits* request : requests) {
        PumpWhile([request] { return request->Busy != 0; });
        if (self) {
            if (Panel_ && Panel_->Request == request)
                Panel_->ReleaseRequest();
            if (ActiveRequest == request)
                ActiveRequest = nullptr;
        }
        delete request;
    }
    if (self)
        Closing = false;
}
