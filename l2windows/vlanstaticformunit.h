#pragma once
// Static VLAN window: the 802.1Q static VLAN table (dot1qVlanStaticTable) with each VLAN's
// egress, forbidden egress and untagged ports on three port grids; adds, changes and
// destroys VLANs, and shows the agent's next free local VLAN index.
//
// Opened by "VLAN" > "802.1Q" > "802.1Q VLAN " > "Static Table" (owner: the main window),
// captioned by the menu handler. Two asynchronous requests (the table walk, the next-free
// index) report to the memo. Refresh does nothing while either is busy; Add, Set and
// Delete refuse with "Get data not complete". Each write sends the whole row (name, the
// three 64-octet port lists, status) for the VLAN ID shown and reads the table again. The
// VLAN ID is any whole number (local VLANs lie above 4094; the agent answers for the
// range), locked while a row is selected; Delete addresses the selected row.
#include "dedicated/dedicatedform.h"
#include "dedicated/portgrids.h"
#include "ui_vlanstaticformunit.h"

class TVlanStaticForm : public TDedicatedForm, public Ui::TVlanStaticForm {
    Q_OBJECT
public:
    explicit TVlanStaticForm(QWidget* owner);

    TWindowRequest* VlanRequest = nullptr;
    TWindowRequest* NextFreeRequest = nullptr;
    TPortGrids* Grids = nullptr; // egress, forbidden, untagged

    void RefreshBtnClick();
    void AddBtnClick();
    void SetBtnClick();
    void DeleteBtnClick();
    void btnStopClick();
    void LV_dot1qVlanStaticEntryClick();

    void BuildPortGrids();
    void ClearEditors();

protected:
    void FormCreate() override;
    void FormActivate() override;

private:
    enum class WriteKind { Add, Set, Delete };
    void WriteRow(WriteKind kind);
};

extern TVlanStaticForm* VlanStaticForm;
