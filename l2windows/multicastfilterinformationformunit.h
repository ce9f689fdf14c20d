#pragma once
// Static multicast filter window: the 802.1Q bridge's static multicast filtering table
// (dot1qStaticMulticastTable), one row per VLAN, group MAC address and receive port, with
// the selected row's egress ports on a port grid. The user changes a row's egress ports
// and status, or deletes the row (status invalid); rows are not added here.
//
// Opened by "VLAN" > "802.1Q" > "Static Filtering " > "Multicast Information" (owner: the
// main window), captioned by the menu handler. One asynchronous request reports to the
// memo. Refresh does nothing while it is busy; Set and Delete refuse with "Get data not
// complete". Set and Delete address the selected row and read the table again. A status
// the list does not show is not written.
#include "dedicated/dedicatedform.h"
#include "dedicated/portgrids.h"
#include "ui_multicastfilterinformationformunit.h"

class TMulticastFilterInformationForm : public TDedicatedForm, public Ui::TMulticastFilterInformationForm {
    Q_OBJECT
public:
    explicit TMulticastFilterInformationForm(QWidget* owner);

    TWindowRequest* Request = nullptr;
    TPortGrids* Grids = nullptr; // egress ports

    void RefreshBtnClick();
    void SetBtnClick();
    void btnDeleteClick();
    void LV_dot1qStaticMulticastEntryClick();
    void ClearEditor();

protected:
    void FormCreate() override;
};

extern TMulticastFilterInformationForm* MulticastFilterInformationForm;
