#pragma once
// 802.1Q basic configuration window: the Q-BRIDGE base group (VLAN version, maximum VLAN
// ID, supported and current VLAN counts) and the switch-wide GVRP status, which it sets.
//
// Opened by "VLAN" > "802.1Q" > "802.1Q Bridge" > "Basic Configure" (owner: the
// application), captioned by the menu handler. One asynchronous request reports to the
// memo; Refresh and Set start nothing while it is busy. Set writes the GVRP status alone,
// and only when the list shows one; the group is not read again afterwards.
#include "dedicated/dedicatedform.h"
#include "ui_vlangeneralinfounit.h"

class TVLanGeneralInfoForm : public TDedicatedForm, public Ui::TVLanGeneralInfoForm {
    Q_OBJECT
public:
    explicit TVLanGeneralInfoForm(QWidget* owner);

    TWindowRequest* Request = nullptr;

    void RefreshBtnClick();
    void SetBtnClick();

protected:
    void FormCreate() override;
};

extern TVLanGeneralInfoForm* VLanGeneralInfoForm;
