#include "mainwin/formtable.h"

#include "mainwin/about.h"
#include "mainwin/frmconfigsnmp.h"
#include "mainwin/modulebasicconfigurationformunit.h"

// Port, bridge and VLAN windows (l2windows/)
TRQ_EXTERN_FORM(TPortControlForm);
TRQ_EXTERN_FORM(TVlanStaticForm);
TRQ_EXTERN_FORM(TVLanCurrentTableForm);
TRQ_EXTERN_FORM(TTpGroupDestinationForwardedForm);

// Routing, security and management windows (l3mgmtwindows/)
TRQ_EXTERN_FORM(TIpCtrlForm);
TRQ_EXTERN_FORM(TIpStaticRouteForm);

namespace {

// {form class, caption prefix (null: its own caption), factory}. Windows still to be built
// have no factory.
const TFormFactory Factories[] = {
    // Main window (subsystem 3)
    {"TAboutForm", nullptr, TRQ_FORM(TAboutForm, AboutForm)},
    {"TfrmConfigSNMP", nullptr, TRQ_FORM(TfrmConfigSNMP, frmConfigSNMP)},
    {"TModuleBasicConfigurationForm", nullptr, TRQ_FORM(TModuleBasicConfigurationForm, ModuleBasicConfigurationForm)},
    // Port, bridge and VLAN windows
    {"TLayer2ControlForm", "Layer2 Control: "},
    {"TPortControlForm", "Port Control Table: ", TRQ_FORM_OF(TPortControlForm)},
    {"TSTP_Info", nullptr},
    {"TSTPPortForm", "Spanning Tree Port Table: "},
    {"TIfxForm", "Ifx Table: "},
    {"TPBridgeConfigForm", "802.1P Basic Configure: "},
    {"TGARPForm", "GARP Form: "},
    {"TPortCapabilities8021dForm", "Port Capability Form: "},
    {"TVLanGeneralInfoForm", "802.1Q Basic Configure: "},
    {"TVLanPortInfomationForm", "VLAN Port Information Form: "},
    {"TTrafficSegmentationForm", nullptr},
    {"TVlanStaticForm", "VLAN Static Table: ", TRQ_FORM_OF(TVlanStaticForm)},
    {"TVLanCurrentTableForm", "VLAN Current Table: ", TRQ_FORM_OF(TVLanCurrentTableForm)},
    {"TTpGroupDestinationForwardedForm", nullptr, TRQ_FORM_OF(TTpGroupDestinationForwardedForm)},
    {"TUnicastFilterInformationForm", "Unicast Filter Information: "},
    {"TMulticastFilterInformationForm", "Multicast Filter Information: "},
    {"TSpanningTreeAlgorithmForm", "Spanning Tree Algorithm: "},
    {"TAggregatorPortTableForm", nullptr},
    {"TPortTrunkForm", nullptr},
    {"TPortMirrorForm", nullptr},
    {"TPrtSecDelCtrlForm", "Port Security Delete: "},
    {"TMSTPPortStateForm", "Port State Information: "},
    {"TMSTPPortInformationForm", "Port MSTP Information: "},
    {"TProtocolVlanForm", "Protocol VLAN: "},
    {"TPacketStormControlForm", "Traffic Control: "},
    // Routing, security and management windows
    {"TAuthenticationSettingForm", "802.1X Authentication Setting: "},
    {"TPortCapabilityForm", "Port Capability: "},
    {"TRadiusServerForm", "RADIUS Server: "},
    {"TDiagnosticsInformationForm", "Diagnostics Information Form: "},
    {"TEquipmentBasicInfoForm", "Equipment Basic Information :"},
    {"TMacStatisticTableForm", "MAC Statistics Table: "},
    {"TIpCtrlForm", "IP Control Table: ", TRQ_FORM_OF(TIpCtrlForm)},
    {"TExpandIPForm", "Routing Table: "},
    {"TIpStaticRouteForm", "IP Static Routing Table: ", TRQ_FORM_OF(TIpStaticRouteForm)},
    {"TBOOTCtrlTableForm", "DHCP Relay Configuration: "},
    {"THostTableForm", "Host Table: "},
    {"TRouteRedistributForm", "Route Redistribution Table: "},
    {"TSystemLogHostForm", "System Log Host Table: "},
    {"TDvmrpInterfaceForm", "DVMRP Interface: "},
    {"TSummerTimeForm", "Summer Time :"},
    {"TSSLStateForm", "SSL Management Table: "},
    {"TLoginMethodListForm", "Login Method Control: "},
    {"TEnableMethodForm", "Enable Method Control: "},
    {"TServerInformationForm", "Server Information: "},
    {"TAAASrvCtrlForm", "Server Control: "},
    {"TIGMPSrcListForm", "Group Information: "},
    {"TCPUProtectionForm", "Zezurivar Engine: "},
};

} // namespace

std::span<const TFormFactory> FormFactories() { return Factories; }

const TFormFactory* FindFormFactory(const std::string& formClass)
{
    for (const TFormFactory& row : Factories)
        if (formClass == row.FormClass)
            return &row;
    return nullptr;
}
