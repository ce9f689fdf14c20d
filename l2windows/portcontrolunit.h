#pragma once
// Port control window: every port of the switch with its admin state, speed and duplex
// (Nway), flow control and lock state; sets those four for one port at a time.
//
// Opened by "Layer 2 Management" > "Port Management" > "Port Control Table" (owner: the
// application), captioned by the menu handler. One asynchronous request walks the port
// control table together with the port information table's port number; the message
// target is the status bar's simple text. Each read ends with Set disabled; Refresh and
// Set do nothing while the request is busy; Stop ends a walk.
#include "dedicated/dedicatedform.h"
#include "ui_portcontrolunit.h"

class TPortControlForm : public TDedicatedForm, public Ui::TPortControlForm {
    Q_OBJECT
public:
    explicit TPortControlForm(QWidget* owner);

    TWindowRequest* Request = nullptr;

    void GetButtonClick();
    void SetButtonClick();
    void btnStopClick();
    void ListView1Click();

protected:
    void FormCreate() override;
    void FormActivate() override;
};

extern TPortControlForm* PortControlForm;
