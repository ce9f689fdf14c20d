#include "mainwin/formtable.h"

#include "mainwin/about.h"
#include "mainwin/frmconfigsnmp.h"
#include "mainwin/modulebasicconfigurationformunit.h"

// Port, bridge and VLAN windows (l2windows/)
TRQ_EXTERN_FORM(TPortControlForm);
TRQ_EXTERN_FORM(TVlanStaticForm);
TRQ_EXTERN_FORM(TVLanCurrentTableForm);
TRQ_EXTERN_FORM(TTpGroupDestinationForwardedForm);
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
TRQ_EXTERN_FORM(TPortTrunkForm);
TRQ_EXTERN_FORM(TPacketStormControlForm);
TRQ_EXTERN_FORM(TIfxForm);
TRQ_EXTERN_FORM(TGARPForm);
TRQ_EXTERN_FORM(TPBridgeConfigForm);
TRQ_EXTERN_FORM(TPortCapabilities8021dForm);
TRQ_EXTERN_FORM(TAggregatorPortTableForm);

// Routing, security and management windows (l3mgmtwindows/)
TRQ_EXTERN_FORM(TIpCtrlForm);
TRQ_EXTERN_FORM(TIpStaticRouteForm);
TRQ_EXTERN_FORM(TRouteRedistributForm);
TRQ_EXTERN_FORM(THostTableForm);
TRQ_EXTERN_FORM(TDvmrpInterfaceForm);
TRQ_EXTERN_FORM(TBOOTCtrlTableForm);
TRQ_EXTERN_FORM(TLoginMethodListForm);
TRQ_EXTERN_FORM(TEnableMethodForm);
TRQ_EXTERN_FORM(TRadiusServerForm);
TRQ_EXTERN_FORM(TServerInformationForm);
TRQ_EXTERN_FORM(TAAASrvCtrlForm);
TRQ_EXTERN_FORM(TAuthenticationSettingForm);
TRQ_EXTERN_FORM(TCPUProtectionForm);
TRQ_EXTERN_FORM(TSSLStateForm);
TRQ_EXTERN_FORM(TSystemLogHostForm);
TRQ_EXTERN_FORM(TSummerTimeForm);
TRQ_EXTERN_FORM(TExpandIPForm);
TRQ_EXTERN_FORM(TIGMPSrcListForm);
TRQ_EXTERN_FORM(TPortCapabilityForm);
TRQ_EXTERN_FORM(TDiagnosticsInformationForm);
TRQ_EXTERN_FORM(TMacStatisticTableForm);
TRQ_EXTERN_FORM(TEquipmentBasicInfoForm);

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
    {"TSTPPortForm", "Spanning Tree Port Table: ", TRQ_FORM_OF(TSTPPortForm)},
    {"TIfxForm", "Ifx Table: ", TRQ_FORM_OF(TIfxForm)},
    {"TPBridgeConfigForm", "802.1P Basic Configure: ", TRQ_FORM_OF(TPBridgeConfigForm)},
    {"TGARPForm", "GARP Form: ", TRQ_FORM_OF(TGARPForm)},
    {"TPortCapabilities8021dForm", "Port Capability Form: ", TRQ_FORM_OF(TPortCapabilities8021dForm)},
    {"TVLanGeneralInfoForm", "802.1Q Basic Configure: ", TRQ_FORM_OF(TVLanGeneralInfoForm)},
    {"TVLanPortInfomationForm", "VLAN Port Information Form: ", TRQ_FORM_OF(TVLanPortInfomationForm)},
    {"TTrafficSegmentationForm", nullptr, TRQ_FORM_OF(TTrafficSegmentationForm)},
    {"TVlanStaticForm", "VLAN Static Table: ", TRQ_FORM_OF(TVlanStaticForm)},
    {"TVLanCurrentTableForm", "VLAN Current Table: ", TRQ_FORM_OF(TVLanCurrentTableForm)},
    {"TTpGroupDestinationForwardedForm", nullptr, TRQ_FORM_OF(TTpGroupDestinationForwardedForm)},
    {"TUnicastFilterInformationForm", "Unicast Filter Information: ", TRQ_FORM_OF(TUnicastFilterInformationForm)},
    {"TMulticastFilterInformationForm", "Multicast Filter Information: ", TRQ_FORM_OF(TMulticastFilterInformationForm)},
    {"TSpanningTreeAlgorithmForm", "Spanning Tree Algorithm: ", TRQ_FORM_OF(TSpanningTreeAlgorithmForm)},
    {"TAggregatorPortTableForm", nullptr, TRQ_FORM_OF(TAggregatorPortTableForm)},
    {"TPortTrunkForm", nullptr, TRQ_FORM_OF(TPortTrunkForm)},
    {"TPortMirrorForm", nullptr, TRQ_FORM_OF(TPortMirrorForm)},
    {"TPrtSecDelCtrlForm", "Port Security Delete: ", TRQ_FORM_OF(TPrtSecDelCtrlForm)},
    {"TMSTPPortStateForm", "Port State Information: ", TRQ_FORM_OF(TMSTPPortStateForm)},
    {"TMSTPPortInformationForm", "Port MSTP Information: ", TRQ_FORM_OF(TMSTPPortInformationForm)},
    {"TProtocolVlanForm", "Protocol VLAN: ", TRQ_FORM_OF(TProtocolVlanForm)},
    {"TPacketStormControlForm", "Traffic Control: ", TRQ_FORM_OF(TPacketStormControlForm)},
    // Routing, security and management windows
    {"TAuthenticationSettingForm", "802.1X Authentication Setting: ", TRQ_FORM_OF(TAuthenticationSettingForm)},
    {"TPortCapabilityForm", "Port Capability: ", TRQ_FORM_OF(TPortCapabilityForm)},
    {"TRadiusServerForm", "RADIUS Server: ", TRQ_FORM_OF(TRadiusServerForm)},
    {"TDiagnosticsInformationForm", "Diagnostics Information Form: ", TRQ_FORM_OF(TDiagnosticsInformationForm)},
    {"TEquipmentBasicInfoForm", "Equipment Basic Information :", TRQ_FORM_OF(TEquipmentBasicInfoForm)},
    {"TMacStatisticTableForm", "MAC Statistics Table: ", TRQ_FORM_OF(TMacStatisticTableForm)},
    {"TIpCtrlForm", "IP Control Table: ", TRQ_FORM_OF(TIpCtrlForm)},
    {"TExpandIPForm", "Routing Table: ", TRQ_FORM_OF(TExpandIPForm)},
    {"TIpStaticRouteForm", "IP Static Routing Table: ", TRQ_FORM_OF(TIpStaticRouteForm)},
    {"TBOOTCtrlTableForm", "DHCP Relay Configuration: ", TRQ_FORM_OF(TBOOTCtrlTableForm)},
    {"THostTableForm", "Host Table: ", TRQ_FORM_OF(THostTableForm)},
    {"TRouteRedistributForm", "Route Redistribution Table: ", TRQ_FORM_OF(TRouteRedistributForm)},
    {"TSystemLogHostForm", "System Log Host Table: ", TRQ_FORM_OF(TSystemLogHostForm)},
    {"TDvmrpInterfaceForm", "DVMRP Interface: ", TRQ_FORM_OF(TDvmrpInterfaceForm)},
    {"TSummerTimeForm", "Summer Time :", TRQ_FORM_OF(TSummerTimeForm)},
    {"TSSLStateForm", "SSL Management Table: ", TRQ_FORM_OF(TSSLStateForm)},
    {"TLoginMethodListForm", "Login Method Control: ", TRQ_FORM_OF(TLoginMethodListForm)},
    {"TEnableMethodForm", "Enable Method Control: ", TRQ_FORM_OF(TEnableMethodForm)},
    {"TServerInformationForm", "Server Information: ", TRQ_FORM_OF(TServerInformationForm)},
    {"TAAASrvCtrlForm", "Server Control: ", TRQ_FORM_OF(TAAASrvCtrlForm)},
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
