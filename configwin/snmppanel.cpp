#include "configwin/snmppanel.h"

#include <QPushButton>

#include <algorithm>
#include <memory>

#include "classlib/dialogs.h"
#include "classlib/events.h"
#include "configwin/ctrlbtnpanel.h"
#include "configwin/msgpanel.h"
#include "snmplib/bind/request2edits.h"

namespace {

constexpr int MaxClientWidth = 800;
constexpr int MaxClientHeight = 550;
constexpr int BottomSplitterHeight = 5;

// Watches one exchange of a request while a handler waits for it. It chains itself into
// the request's completion event for the time of the wait; the outcome lives in that
// event alone, so when the request is destroyed the watch sees it gone.
class TExchangeWatch {
public:
    TExchangeWatch(VhSNMPRequest2Controls* request, bool set) : request_(request), set_(set)
    {
        auto outcome = std::make_shared<Outcome>();
        outcome_ = outcome;
        TSNMPCompleteEvent& slot = Slot();
        previous_ = slot;
        slot = [outcome, previous = previous_](VhSNMPRequest2Controls* sender, VhSNMPError* error) {
            outcome->Done = true;
            outcome->Code = error ? error->Code : 0;
            if (previous)
                previous(sender, error);
        };
    }
    ~TExchangeWatch()
    {
        if (!Gone())
            Slot() = previous_;
    }
    TExchangeWatch(const TExchangeWatch&) = delete;
    TExchangeWatch& operator=(const TExchangeWatch&) = delete;

    bool Gone() const { return outcome_.expired(); }
    bool Done() const
    {
        const auto o = outcome_.lock();
        return o && o->Done;
    }
    int Code() const
    {
        const auto o = outcome_.lock();
        return o ? o->Code : 0;
    }

private:
    struct Outcome {
        bool Done = false;
        int Code = 0;
    };
    TSNMPCompleteEvent& Slot() { return set_ ? request_->OnSetComplete : request_->OnGetComplete; }

    VhSNMPRequest2Controls* request_;
    bool set_;
    TSNMPCompleteEvent previous_;
    std::weak_ptr<Outcome> outcome_;
};

} // namespace

TSNMPPanel::TSNMPPanel(QWidget* owner, TMsgPanel* outsideMsgPanel, VhSNMPRequest2Edits* request)
    : TPanel(owner), Request(request)
{
    setObjectName("SNMPPanel");
    SetBevelOuter(bvNone);
    ButtonPanel = new TCtrlBtnPanel(this);
    SetOnClick(ButtonPanel->RefreshButton, [this](QObject* sender) { RefreshClick(sender); });
    SetOnClick(ButtonPanel->CloseButton, [this](QObject* sender) { CloseClick(sender); });

    RightSplitter = new TSplitter(this, alRight);
    RightSplitter->setObjectName("RightSplitter");
    InnerPanel = new TPanel(this);
    InnerPanel->setObjectName("InnerPanel");
    InnerPanel->SetBevelOuter(bvNone);
    SetAlign(InnerPanel, alClient);

    if (outsideMsgPanel) {
        OutsideMsgPanel = outsideMsgPanel;
        if (Request)
            Request->SetMessageTarget(outsideMsgPanel->Memo);
    } else {
        MsgPanel = new TMsgPanel(InnerPanel);
        SetAlign(MsgPanel, alBottom);
        if (Request)
            Request->SetMessageTarget(MsgPanel->Memo);
    }
    // Between the content and the message panel.
    BottomSplitter = new TSplitter(InnerPanel, alBottom);
    BottomSplitter->setObjectName("BottomSplitter");
    BottomSplitter->resize(BottomSplitter->width(), BottomSplitterHeight);
    if (!MsgPanel)
        BottomSplitter->hide();
    resize(0, 0);
}

TSNMPPanel::~TSNMPPanel() = default;

TMsgPanel* TSNMPPanel::MessagePanel() const { return MsgPanel ? MsgPanel : OutsideMsgPanel.data(); }

void TSNMPPanel::SetContent(QWidget* control)
{
    if (!control)
        return;
    if (Content && Content != control) {
        Content->hide();
        SetAlign(Content, alNone);
    }
    SetAlign(control, alNone);
    if (control->parentWidget() != InnerPanel)
        control->setParent(InnerPanel);
    control->show();
    SetAlign(this, alNone);
    const int width = control->width() + ButtonPanel->width() + RightSplitter->width() + 3;
    int height = control->height() + (MsgPanel ? MsgPanel->height() : 0) +
                 (IsShownFlag(BottomSplitter) ? BottomSplitter->height() : 0);
    // The button column is never cut off.
    height = std::max(height, ButtonPanel->NeededHeight());
    resize(width, height);
    Content = control;
    SetAlign(control, alClient);
    AlignControls(this);
}

void TSNMPPanel::AttachToForm(QWidget* form)
{
    if (!form)
        return;
    SetAlign(this, alNone);
    Form = form;
    SetPositionCentredOn(form);
    int width = std::max(form->width(), this->width());
    int height = std::max(form->height(), this->height());
    width = std::min(width, MaxClientWidth);
    height = std::min(height, MaxClientHeight);
    form->resize(width, height);
    if (parentWidget() != form) {
        setParent(form);
        show();
    }
    SetAlign(this, alClient);
}

void TSNMPPanel::RefreshClick(QObject*)
{
    if (!Request)
        return;
    try {
        Request->Get();
    } catch (const std::exception& e) {
        ShowError(e);
    }
}

void TSNMPPanel::CloseClick(QObject*)
{
    if (!Form) {
        ShowMessage("Please initial close form");
        return;
    }
    Form->close();
}

void TSNMPPanel::ReleaseRequest() { Request = nullptr; }

void TSNMPPanel::ShowError(const std::exception& e)
{
    if (Request)
        Request->ShowMessage(e.what());
}

// ---- Waiting for exchanges ------------------------------------------------------------

bool TSNMPPanel::StopWalk(int timeoutMs)
{
    VhSNMPRequest2Edits* request = Request;
    if (!request)
        return false;
    if (!request->Busy)
        return true;
    const TExchangeWatch watch(request, false);
    request->Request.Enabled = 0;
    PumpWhile([&] { return !watch.Gone() && request->Busy != 0; }, timeoutMs);
    if (watch.Gone())
        return false;
    request->Request.Enabled = 1;
    return true;
}

TSNMPPanel::TExchangeResult TSNMPPanel::RunExchange(TExchange kind, const std::function<void()>& start)
{
    TExchangeResult result;
    VhSNMPRequest2Edits* request = Request;
    if (!request)
        return result;
    const QPointer<TSNMPPanel> self(this);
    if (!StopWalk(1000) || !self || Request != request) {
        result.Gone = true;
        return result;
    }

    const uint8_t mode = request->Mode;
    request->Mode = VHSNMP_MODE_ASYNC;
    const TExchangeWatch watch(request, kind == TExchange::Set);
    try {
        start();
    } catch (const std::exception& e) {
        request->Mode = mode;
        request->ShowMessage(e.what());
        return result;
    }
    // Only locals from here on: the panel may go while the loop runs.
    PumpWhile([&] { return !watch.Gone() && !watch.Done() && request->Busy != 0; });
    if (watch.Gone()) {
        result.Gone = true;
        return result;
    }
    request->Mode = mode;
    result.Done = watch.Done();
    result.Code = watch.Code();
    return result;
}
