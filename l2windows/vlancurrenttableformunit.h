#pragma once
// Current VLAN table window, read-only: the VLANs in force on the switch
// (dot1qVlanCurrentTable), the selected VLAN's current egress and untagged ports on two port
// grids, and the agent's count of deleted VLANs.
//
// Opened by "VLAN" > "802.1Q" > "802.1Q VLAN " > "Current Table" (owner: the main window),
// captioned by the menu handler. Two asynchronous requests (the deletes count, the table
// walk) report to the memo; Refresh does nothing while either is busy; Stop ends a walk.
// The form's Set button stays hidden.
#include "dedicated/dedicatedform.h"
#include "dedicated/portgrids.h"
#include "ui_vlancurrenttableformunit.h"

class TVLanCurrentTableForm : public TDedicatedForm, public Ui::TVLanCurrentTableForm {
    Q_OBJECT
public:
    explicit TVLanCurrentTableForm(QWidget* owner);

    TWindowRequest* DeletesRequest = nullptr;
    TWindowRequest* CurrentRequest = nullptr;
    TPortGrids* Grids = nullptr; // egress, untagged

    void RefreshBtnClick();
    void btnStopClick();
    void LV_dot1qVlanCurrentEntryClick();

    void BuildPortGrids();
    void ClearEditors();

protected:
    void FormCreate() override;
};

extern TVLanCurrentTableForm* VLanCurrentTableForm;
