#pragma once
// GARP timers window, read-only: per bridge port, the port's name and its GARP join, leave
// and leave-all times in centiseconds (P-BRIDGE dot1dPortGarpTable, walked with the
// bridge port numbers and the port names). Opened by "VLAN" > "802.1P" > "GARP", captioned
// by the menu handler. One asynchronous walk, messages in the memo. Refresh starts nothing
// while a walk runs, so two walks never fill the list at once. The timer edits of the
// form's editor panel are bound to the request but the panel stays hidden: the window
// writes nothing.
#include "dedicated/dedicatedform.h"
#include "ui_garpformunit.h"

class TGARPForm : public TDedicatedForm, public Ui::TGARPForm {
    Q_OBJECT
public:
    explicit TGARPForm(QWidget* owner);

    enum Column { PortIndex, PortNumber, JoinTime, LeaveTime, LeaveAllTime };

    TWindowRequest* Request = nullptr;

    void RefreshBtnClick();

protected:
    void FormCreate() override;
};

extern TGARPForm* GARPForm;
