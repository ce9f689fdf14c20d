#include "mainwin/formtable.h"

#include "mainwin/about.h"
#include "mainwin/frmconfigsnmp.h"
#include "mainwin/modulebasicconfigurationformunit.h"

// Port, bridge and VLAN windows (l2windows/)
TRQ_EXTERN_FORM(TPortControlForm);
TRQ_EXTERN_FORM(TVlanStaticForm);
TRQ_EXTERN_FORM(TVLanCurrentTableForm);
TRQ_EXTERN_FORM(TTpGroupDestinationForwardedForm);
TRQ_EXTERN_FORM(TExpandIPForm);
TRQ_EXTERN_FORM(TIGMPSrcListForm);
TRQ_EXTERN_FORM(TPortCapabilityForm);
TRQ_EXTERN_FORM(TDiagnosticsInformationForm);
TRQ_EXTERN_FORM(TMacStatisticTableForm);
TRQ_EXTERN_FORM(TEquipmentBasicInfoForm);
TRQ_EXTERN_FORM(TSTP_Info);
TRQ_EXTERN_FORM(TPortMirrorForm);
TRQ_EXTERN_FORM(TPrtSecDelCtrlForm);
TRQ_EXTERN_FORM(TTrafficSegmentationForm);
TRQ_EXTERN_FORM(TMSTPPortStateForm);
TRQ_EXTERN_FORM(TMSTPPortInformationForm);
TRQ_EXTERN_FORM(TSTPPortForm);
TRQ_EXTERN_FORM(TSpanningTreeAlgorithmForm);
TRQ_EXTERN_FORM(TProtocolVlanForm);
TRQ_EXTERN_FORM(TVLanGeneralInfoForm);
TRQ_EXTERN_FORM(TVLanPortInfomationForm);
TRQ_EXTERN_FORM(TMulticastFilterInformationForm);
TRQ_EXTERN_FORM(TUnicastFilterInformationForm);
TRQ_EXTERN_FORM(TLayer2ControlForm);

// Routing, security and management windows (l3mgmtwindows/)
TRQ_EXTERN_FORM(TIpCtrlForm);
TRQ_EXTERN_FORM(TIpStaticRouteForm);
TRQ_EXTERN_FORM(TAuthenticationSettingForm);
TRQ_EXTERN_FORM(TCPUProtectionForm);
TRQ_EXTERN_FORM(TSSLStateForm);
TRQ_EXTERN_FORM(TSystemLogHostForm);
TRQ_EXTERN_FORM(TSummerTimeForm);

namespace {

// {form class, caption prefix (null: its own caption), factory}. Windows still to be built
// have no factory.
const TFormFactory Factories[] = {
    // Main window (subsystem 3)
    {"TAboutForm", nullptr, TRQ_FORM(TAboutForm, AboutForm)},
    {"TfrmConfigSNMP", nullptr, TRQ_FORM(TfrmConfigSNMP, frmConfigSNMP)},
    {"TModuleBasicConfigurationForm", nullptr, TRQ_FORM(TModuleBasicConfigurationForm, ModuleBasicConfigurationForm)},
    // Port, bridge and VLAN windows
    {"TLayer2ControlForm", "Layer2 Control: ", TRQ_FORM_OF(TLayer2ControlForm)},
    {"TPortControlForm", "Port Control Table: ", TRQ_FORM_OF(TPortControlForm)},
    {"TSTP_Info", nullptr, TRQ_FORM_OF(TSTP_Info)},
    {"TSTPPortForm", nullptr, TRQ_FORM_OF(TSTPPortForm)},
    {"TIfxForm", "Ifx Table: "},
    {"TPBridgeConfigForm", "802.1P Basic Configure: "},
    {"TGARPForm", "GARP Form: "},
    {"TPortCapabilities8021dForm", "Port Capability Form: "},
    {"TVLanGeneralInfoForm", "802.1Q Basic Configure: ", TRQ_FORM_OF(TVLanGeneralInfoForm)},
    {"TVLanPortInfomationForm", "VLAN Port Information Form: ", TRQ_FORM_OF(TVLanPortInfomationForm)},
    {"TTrafficSegmentationForm", nullptr, TRQ_FORM_OF(TTrafficSegmentationForm)},
    {"TVlanStaticForm", "VLAN Static Table: ", TRQ_FORM_OF(TVlanStaticForm)},
    {"TVLanCurrentTableForm", "VLAN Current Table: ", TRQ_FORM_OF(TVLanCurrentTableForm)},
    {"TTpGroupDestinationForwardedForm", nullptr, TRQ_FORM_OF(TTpGroupDestinationForwardedForm)},
    {"TUnicastFilterInformationForm", "Unicast Filter Information: ", TRQ_FORM_OF(TUnicastFilterInformationForm)},
    {"TMulticastFilterInformationForm", "Multicast Filter Information: ", TRQ_FORM_OF(TMulticastFilterInformationForm)},
    {"TSpanningTreeAlgorithmForm", "Spanning Tree Algorithm: ", TRQ_FORM_OF(TSpanningTreeAlgorithmForm)},
    {"TAggregatorPortTableForm", nullptr},
    {"TPortTrunkForm", nullptr},
    {"TPortMirrorForm", nullptr, TRQ_FORM_OF(TPortMirrorForm)},
    {"TPrtSecDelCtrlForm", "Port Security Delete: ", TRQ_FORM_OF(TPrtSecDelCtrlForm)},
    {"TMSTPPortStateForm", "Port State Information: ", TRQ_FORM_OF(TMSTPPortStateForm)},
    {"TMSTPPortInformationForm", "Port MSTP Information: ", TRQ_FORM_OF(TMSTPPortInformationForm)},
    {"TProtocolVlanForm", "Protocol VLAN: ", TRQ_FORM_OF(TProtocolVlanForm)},
    {"TPacketStormControlForm", "Traffic Control: "},
    // Routing, security and management windows
    {"TAuthenticationSettingForm", "802.1X Authentication Setting: ", TRQ_FORM_OF(TAuthenticationSettingForm)},
    {"TPortCapabilityForm", "Port Capability: ", TRQ_FORM_OF(TPortCapabilityForm)},
    {"TRadiusServerForm", "RADIUS Server: "},
    {"TDiagnosticsInformationForm", "Diagnostics Information Form: ", TRQ_FORM_OF(TDiagnosticsInformationForm)},
    {"TEquipmentBasicInfoForm", "Equipment Basic Information :", TRQ_FORM_OF(TEquipmentBasicInfoForm)},
    {"TMacStatisticTableForm", "MAC Statistics Table: ", TRQ_FORM_OF(TMacStatisticTableForm)},
    {"TIpCtrlForm", "IP Control Table: ", TRQ_FORM_OF(TIpCtrlForm)},
    {"TExpandIPForm", "Routing Table: ", TRQ_FORM_OF(TExpandIPForm)},
    {"TIpStaticRouteForm", "IP Static Routing Table: ", TRQ_FORM_OF(TIpStaticRouteForm)},
    {"TBOOTCtrlTableForm", "DHCP Relay Configuration: "},
    {"THostTableForm", "Host Table: "},
    {"TRouteRedistributForm", "Route Redistribution Table: "},
    {"TSystemLogHostForm", "System Log Host Table: ", TRQ_FORM_OF(TSystemLogHostForm)},
    {"TDvmrpInterfaceForm", "DVMRP Interface: "},
    {"TSummerTimeForm", "Summer Time :", TRQ_FORM_OF(TSummerTimeForm)},
    {"TSSLStateForm", "SSL Management Table: ", TRQ_FORM_OF(TSSLStateForm)},
    {"TLoginMethodListForm", "Login Method Control: "},
    {"TEnableMethodForm", "Enable Method Control: "},
    {"TServerInformationForm", "Server Information: "},
    {"TAAASrvCtrlForm", "Server Control: "},
    {"TIGMPSrcListForm", "Group Information: ", TRQ_FORM_OF(TIGMPSrcListForm)},
    {"TCPUProtectionForm", "Zezurivar Engine: ", TRQ_FORM_OF(TCPUProtectionForm)},
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
