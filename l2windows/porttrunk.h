#pragma once
// Port trunking: the switch's port trunks (link aggregation groups), each with its index
// 1 to 32, name, master port, member ports, flooding port, type and row status; a trunk is
// added with createAndGo, changed (name, members and status) and deleted with destroy.
// Opened by "Layer 2 Management" > "Port Trunk Table" (owner: the application); the window
// captions itself "Port Trunk Table :" + the address. One synchronous table request; the
// members on a port grid of units 1 to 8; the master port entered as unit and port.
// Messages in panel 0 of the status bar. Add, Set and Delete are refused with "Get data not
// complete" while the request is not idle, Refresh then does nothing.
#include "dedicated/dedicatedform.h"
#include "dedicated/portgrids.h"
#include "ui_porttrunk.h"

class TPortTrunkForm : public TDedicatedForm, public Ui::TPortTrunkForm {
    Q_OBJECT
public:
    explicit TPortTrunkForm(QWidget* owner);

    TWindowRequest* Request = nullptr;
    TPortGrids* Grids = nullptr;

    void BT_GetClick();
    void BT_SetClick(); // Add
    void SetBtnClick();
    void BT_DeleteClick();
    void LV_PortTrunkClick();

protected:
    void FormCreate() override;

private:
    // The master port from the unit and port edits, shown in ED_MasterPort; false (with
    // the message shown) when they name none.
    bool MasterPortFromEdits(int& master);
    // The trunk's members on the master's unit: at most eight, the master among them, and
    // at least one other; false (with the message shown) when they break a rule.
    bool MembersAccepted(int master);
    // No trunk chosen: the entry is empty and Add is the only write.
    void ClearEntry();
};

extern TPortTrunkForm* PortTrunkForm;
