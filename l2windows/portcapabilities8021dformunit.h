#pragma once
// 802.1D port capabilities window, read-only: per bridge port, the port's name and its
// IEEE 802.1D capability bits (P-BRIDGE dot1dPortCapabilitiesTable, walked with the port
// names, shown as hex octets). Opened by "VLAN" > "802.1P" > "Port Capability". One
// asynchronous walk into the list view, messages in the memo; the Done flag ignores a
// Refresh while a walk runs.
//
// This unit also holds the value-label lists of the interface extension table window
// (ifxtableunit.h): link up/down trap enable and its two true/false columns.
#include "dedicated/dedicatedform.h"
#include "snmplib/optionlist.h"
#include "ui_portcapabilities8021dformunit.h"

// {1 "enabled", 2 "disabled"}: "IF Link Up Down TrapEnable".
extern const VhOptionList IfLinkUpDownTrapEnableList;
// {1 "true", 2 "false"}: "IF Promiscuous Mode".
extern const VhOptionList IfPromiscuousModeList;
// {1 "true", 2 "false"}: "IF Connector Present".
extern const VhOptionList IfConnectorPresentList;

class TPortCapabilities8021dForm : public TDedicatedForm, public Ui::TPortCapabilities8021dForm {
    Q_OBJECT
public:
    explicit TPortCapabilities8021dForm(QWidget* owner);

    TWindowRequest* Request = nullptr;
    // No read is running: set when a read ends (or could not start), cleared when one
    // starts.
    bool Done = true;

    void RefreshBtnClick();

protected:
    void FormCreate() override;

private:
    void StartRead();
};

extern TPortCapabilities8021dForm* PortCapabilities8021dForm;
