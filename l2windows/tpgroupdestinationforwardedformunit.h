#pragma once
// Group destination forwarding window, read-only: the group-address forwarding table the
// bridge has learnt (dot1qTpGroupTable), one row per VLAN and group MAC address, and for
// the selected row the ports to which the group's frames go and the ports learnt through
// GMRP, on two port grids.
//
// Opened by "VLAN" > "802.1Q" > "Forwarding" > "Tp Group Destination Forwarded" (owner:
// the main window; the entry is hidden); the caption stays the form's own. One
// asynchronous request reports to the memo; Refresh does nothing while it is busy.
#include "dedicated/dedicatedform.h"
#include "dedicated/portgrids.h"
#include "ui_tpgroupdestinationforwardedformunit.h"

class TTpGroupDestinationForwardedForm : public TDedicatedForm, public Ui::TTpGroupDestinationForwardedForm {
    Q_OBJECT
public:
    explicit TTpGroupDestinationForwardedForm(QWidget* owner);

    TWindowRequest* Request = nullptr;
    TPortGrids* Grids = nullptr; // egress, GMRP learnt

    void RefreshBtnClick();

protected:
    void FormCreate() override;
};

extern TTpGroupDestinationForwardedForm* TpGroupDestinationForwardedForm;
