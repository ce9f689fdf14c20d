#pragma once
// VLAN port information window: the per-port VLAN settings of the 802.1Q bridge
// (dot1qPortVlanTable, read with each port's bridge port number): PVID, acceptable frame
// types, ingress filtering, GVRP status and the GVRP counters. One port is edited at a
// time.
//
// Opened by "VLAN" > "802.1Q" > "802.1Q Bridge" > "Ports Information" (owner: the
// application), captioned by the menu handler. One asynchronous request reports to the
// memo; Refresh does nothing while it is busy, and Set is enabled only while a row is
// selected and the request is idle. Set writes the selected port's four settings, reads
// the table again and selects that port again.
#include "dedicated/dedicatedform.h"
#include "ui_vlanportinfomationunit.h"

class TVLanPortInfomationForm : public TDedicatedForm, public Ui::TVLanPortInfomationForm {
    Q_OBJECT
public:
    explicit TVLanPortInfomationForm(QWidget* owner);

    TWindowRequest* Request = nullptr;

    void RefreshBtnClick();
    void SetBtnClick();
    void LV_dot1qPortVlanEntrySelectItem();

protected:
    void FormCreate() override;

private:
    void SelectPortAgain();
    QString PortToSelect; // the port written last, selected again after the read
};

extern TVLanPortInfomationForm* VLanPortInfomationForm;
