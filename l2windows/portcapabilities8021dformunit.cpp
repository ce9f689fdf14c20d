#include "l2windows/portcapabilities8021dformunit.h"

#include "dedicated/formregistration.h"

TPortCapabilities8021dForm* PortCapabilities8021dForm = nullptr;
TRQ_DEFINE_FORM(TPortCapabilities8021dForm, PortCapabilities8021dForm)

// ---- The interface extension table's value labels ----------------------------------------

namespace {
constexpr VhOptionPair LinkUpDownTrapEnablePairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
constexpr VhOptionPair PromiscuousModePairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
constexpr VhOptionPair ConnectorPresentPairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
} // namespace

const VhOptionList IfLinkUpDownTrapEnableList(LinkUpDownTrapEnablePairs, OVT_INTEGER, false);
const VhOptionList IfPromiscuousModeList(PromiscuousModePairs, OVT_INTEGER, false);
const VhOptionList IfConnectorPresentList(ConnectorPresentPairs, OVT_INTEGER, false);

// ---- The window ---------------------------------------------------------------------------

namespace {

// P-BRIDGE dot1dPortCapabilitiesTable with the port's name, keyed by the bridge port.
const VhSNMPObjectDesc PortCapabilitiesTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2", "Port Number", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "Port Capabilities", SNMP_SYNTAX_BITSTR, SNMP_ACCESS_READONLY},
    {nullptr},
};

} // namespace

TPortCapabilities8021dForm::TPortCapabilities8021dForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(RefreshBtn, &TPortCapabilities8021dForm::RefreshBtnClick);
}

void TPortCapabilities8021dForm::FormCreate()
{
    SetMessageTarget(Memo1);
    ShowRowCount(LV_dot1dPortCapabilitiesEntry, ST_Count);
    Guarded(Request, [this] {
        Request = MakeRequest(PortCapabilitiesTable, MVT_FMV, 1);
        AttachList(Request, LV_dot1dPortCapabilitiesEntry);
        Request->OnEndOfRead = [this](const VhSNMPError&) {
            Done = true;
        };
    });
    StartRead();
}

void TPortCapabilities8021dForm::RefreshBtnClick()
{
    if (Done)
        StartRead();
}

void TPortCapabilities8021dForm::StartRead()
{
    Done = false;
    Guarded(Request, [this] { Read(Request); });
    // A read that did not start (or ended at once) leaves nothing to wait for: Refresh
    // must not stay refused.
    if (!Request || Request->IsIdle())
        Done = true;
}
