#pragma once
// A request bound to a window: the button column on the right, a content area and, below
// it, the message memo that receives the request's result lines.
//
// Exchanges that a handler must see finished before it goes on (a set, stopping a walk)
// run asynchronously while the handler pumps the message loop, so the window stays alive
// and replies keep coming. Anything may happen during such a wait: the user clicks again,
// the window closes and its owner deletes the request. The owner calls ReleaseRequest
// before deleting the request; a wait also notices a request deleted without it, and
// then touches neither the request nor anything that went with it.
#include <functional>

#include <QPointer>

#include "classlib/panel.h"

class TCtrlBtnPanel;
class TMsgPanel;
class VhSNMPRequest2Edits;

class TSNMPPanel : public TPanel {
    Q_OBJECT
public:
    // With an outside message panel the request's result lines go to its memo and the
    // panel has none of its own.
    TSNMPPanel(QWidget* owner, TMsgPanel* outsideMsgPanel, VhSNMPRequest2Edits* request);
    ~TSNMPPanel() override;

    // Shows control in the content area and sizes the panel to it.
    void SetContent(QWidget* control);
    // Fills form's client area with the panel; the form is centred on the main window and
    // grows to the panel's size, to at most 800 x 550.
    void AttachToForm(QWidget* form);
    void RefreshClick(QObject* sender);
    void CloseClick(QObject* sender);

    // The request is about to be deleted: every pointer to it is cleared and an add or
    // edit window still open is closed.
    virtual void ReleaseRequest();
    // The memo that receives the result lines (this panel's or the outside one).
    TMsgPanel* MessagePanel() const;

    VhSNMPRequest2Edits* Request = nullptr; // not owned
    TCtrlBtnPanel* ButtonPanel;
    TPanel* InnerPanel;
    TMsgPanel* MsgPanel = nullptr;
    QPointer<QWidget> Form;
    QPointer<QWidget> Content;
    TSplitter* RightSplitter;
    TSplitter* BottomSplitter;

protected:
    enum class TExchange { Get, Set };
    // Stops a running asynchronous walk: clears Enabled, pumps messages while the request
    // is busy, for at most timeoutMs, and sets Enabled again. False when the request went
    // away meanwhile.
    bool StopWalk(int timeoutMs);
    struct TExchangeResult {
        bool Gone = false; // the request was destroyed meanwhile (this panel may be gone too)
        bool Done = false; // the exchange was sent and has ended
        int Code = 0;      // its outcome
        bool Succeeded() const { return !Gone && Done && Code == 0; }
    };
    // Runs start() (which calls Get or Set) in asynchronous mode, whatever the request's
    // mode, and pumps messages until the exchange has ended; a walk still running is
    // stopped first. The request's mode is as before afterwards.
    TExchangeResult RunExchange(TExchange kind, const std::function<void()>& start);
    // The result line of an exception a handler caught.
    void ShowError(const std::exception& e);

private:
    QPointer<TMsgPanel> OutsideMsgPanel;
};
