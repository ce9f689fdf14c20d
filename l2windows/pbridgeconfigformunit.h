#pragma once
// 802.1P basic configuration window, read-only: the bridge's device capabilities (a bit
// string, shown as hex octets) and whether traffic classes are enabled, two P-BRIDGE
// scalars read by one request each. Opened by "VLAN" > "802.1P" > "Basic Configure". Each
// Refresh reads both, capabilities first, and each read adds its own result line to the
// memo; a failure of the first does not keep the second from being read. A request still
// reading is not read again. The form's Set and its GMRP row stay hidden.
#include "dedicated/dedicatedform.h"
#include "ui_pbridgeconfigformunit.h"

class TPBridgeConfigForm : public TDedicatedForm, public Ui::TPBridgeConfigForm {
    Q_OBJECT
public:
    explicit TPBridgeConfigForm(QWidget* owner);

    TWindowRequest* CapabilitiesRequest = nullptr;
    TWindowRequest* TrafficClassesRequest = nullptr;

    void BT_GetClick();

protected:
    void FormCreate() override;

private:
    void ReadBoth();
};

extern TPBridgeConfigForm* PBridgeConfigForm;
