#pragma once
// Static unicast filter window: the 802.1Q bridge's static unicast filtering table
// (dot1qStaticUnicastTable), one row per filtering database, unicast MAC address and
// receive port, with the ports the selected address may be forwarded to on a port grid
// ("Allow To Go To Port"). Rows are deleted here (status invalid); they are neither
// added nor changed.
//
// Opened by "VLAN" > "802.1Q" > "Static Filtering " > "Unicast Information" (owner: the
// main window), captioned by the menu handler. One asynchronous request reports to the
// memo. Refresh does nothing while it is busy; Delete refuses with "Get data not
// complete". Delete writes the selected row's status alone, never its ports, and reads
// the table again.
#include "dedicated/dedicatedform.h"
#include "dedicated/portgrids.h"
#include "ui_unicastfilterinformationformunit.h"

class TUnicastFilterInformationForm : public TDedicatedForm, public Ui::TUnicastFilterInformationForm {
    Q_OBJECT
public:
    explicit TUnicastFilterInformationForm(QWidget* owner);

    TWindowRequest* Request = nullptr;
    TPortGrids* Grids = nullptr; // allowed ports

    void RefreshBtnClick();
    void DeleteBtnClick();
    void LV_dot1qStaticUnicastEntryClick();
    void ClearEditor();

protected:
    void FormCreate() override;
};

extern TUnicastFilterInformationForm* UnicastFilterInformationForm;
