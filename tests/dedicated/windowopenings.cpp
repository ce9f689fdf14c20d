#include "windowopenings.h"

#include "dedicated/formregistration.h"

TRQ_EXTERN_FORM(TLayer2ControlForm);
TRQ_EXTERN_FORM(TPortControlForm);
TRQ_EXTERN_FORM(TSTP_Info);
TRQ_EXTERN_FORM(TSTPPortForm);
TRQ_EXTERN_FORM(TIfxForm);
TRQ_EXTERN_FORM(TPBridgeConfigForm);
TRQ_EXTERN_FORM(TGARPForm);
TRQ_EXTERN_FORM(TPortCapabilities8021dForm);
TRQ_EXTERN_FORM(TVLanGeneralInfoForm);
TRQ_EXTERN_FORM(TVLanPortInfomationForm);
TRQ_EXTERN_FORM(TTrafficSegmentationForm);
TRQ_EXTERN_FORM(TVlanStaticForm);
TRQ_EXTERN_FORM(TVLanCurrentTableForm);
TRQ_EXTERN_FORM(TTpGroupDestinationForwardedForm);
TRQ_EXTERN_FORM(TUnicastFilterInformationForm);
TRQ_EXTERN_FORM(TMulticastFilterInformationForm);
TRQ_EXTERN_FORM(TSpanningTreeAlgorithmForm);
TRQ_EXTERN_FORM(TAggregatorPortTableForm);
TRQ_EXTERN_FORM(TPortTrunkForm);
TRQ_EXTERN_FORM(TPortMirrorForm);
TRQ_EXTERN_FORM(TPrtSecDelCtrlForm);
TRQ_EXTERN_FORM(TMSTPPortStateForm);
TRQ_EXTERN_FORM(TMSTPPortInformationForm);
TRQ_EXTERN_FORM(TProtocolVlanForm);
TRQ_EXTERN_FORM(TPacketStormControlForm);
TRQ_EXTERN_FORM(TAuthenticationSettingForm);
TRQ_EXTERN_FORM(TPortCapabilityForm);
TRQ_EXTERN_FORM(TRadiusServerForm);
TRQ_EXTERN_FORM(TDiagnosticsInformationForm);
TRQ_EXTERN_FORM(TEquipmentBasicInfoForm);
TRQ_EXTERN_FORM(TMacStatisticTableForm);
TRQ_EXTERN_FORM(TIpCtrlForm);
TRQ_EXTERN_FORM(TExpandIPForm);
TRQ_EXTERN_FORM(TIpStaticRouteForm);
TRQ_EXTERN_FORM(TBOOTCtrlTableForm);
TRQ_EXTERN_FORM(THostTableForm);
TRQ_EXTERN_FORM(TRouteRedistributForm);
TRQ_EXTERN_FORM(TSystemLogHostForm);
TRQ_EXTERN_FORM(TDvmrpInterfaceForm);
TRQ_EXTERN_FORM(TSummerTimeForm);
TRQ_EXTERN_FORM(TSSLStateForm);
TRQ_EXTERN_FORM(TLoginMethodListForm);
TRQ_EXTERN_FORM(TEnableMethodForm);
TRQ_EXTERN_FORM(TServerInformationForm);
TRQ_EXTERN_FORM(TAAASrvCtrlForm);
TRQ_EXTERN_FORM(TIGMPSrcListForm);
TRQ_EXTERN_FORM(TCPUProtectionForm);

namespace {

// {menu item, form class, owned by the main window, caption prefix, factory}, in the order
// of the form table.
const TWindowOpening Openings[] = {
    {"DeviceControl1", "TLayer2ControlForm", false, "Layer2 Control: ", TRQ_FORM_OF(TLayer2ControlForm)},
    {"PortControl1", "TPortControlForm", false, "Port Control Table: ", TRQ_FORM_OF(TPortControlForm)},
    {"mmiSTPCtrl", "TSTP_Info", false, nullptr, TRQ_FORM_OF(TSTP_Info)},
    {"mmiSTPPortTbl", "TSTPPortForm", false, "Spanning Tree Port Table: ", TRQ_FORM_OF(TSTPPortForm)},
    {"IFXTable1", "TIfxForm", false, "Ifx Table: ", TRQ_FORM_OF(TIfxForm)},
    {"BasicConfigure2", "TPBridgeConfigForm", false, "802.1P Basic Configure: ", TRQ_FORM_OF(TPBridgeConfigForm)},
    {"GVRP1", "TGARPForm", false, "GARP Form: ", TRQ_FORM_OF(TGARPForm)},
    {"PortCapbility1", "TPortCapabilities8021dForm", false, "Port Capability Form: ", TRQ_FORM_OF(TPortCapabilities8021dForm)},
    {"BasicConfigure", "TVLanGeneralInfoForm", false, "802.1Q Basic Configure: ", TRQ_FORM_OF(TVLanGeneralInfoForm)},
    {"PortsInfo1", "TVLanPortInfomationForm", false, "VLAN Port Information Form: ", TRQ_FORM_OF(TVLanPortInfomationForm)},
    {"TrafficSegmentationTable1", "TTrafficSegmentationForm", false, nullptr, TRQ_FORM_OF(TTrafficSegmentationForm)},
    {"StaticForm1", "TVlanStaticForm", true, "VLAN Static Table: ", TRQ_FORM_OF(TVlanStaticForm)},
    {"CurrentForm1", "TVLanCurrentTableForm", true, "VLAN Current Table: ", TRQ_FORM_OF(TVLanCurrentTableForm)},
    {"TpGroupDestinationForwarded1", "TTpGroupDestinationForwardedForm", true, nullptr, TRQ_FORM_OF(TTpGroupDestinationForwardedForm)},
    {"UnicastInformation1", "TUnicastFilterInformationForm", true, "Unicast Filter Information: ", TRQ_FORM_OF(TUnicastFilterInformationForm)},
    {"MulticastInformation1", "TMulticastFilterInformationForm", true, "Multicast Filter Information: ", TRQ_FORM_OF(TMulticastFilterInformationForm)},
    {"SpanningTreeAlgorithm1", "TSpanningTreeAlgorithmForm", false, "Spanning Tree Algorithm: ", TRQ_FORM_OF(TSpanningTreeAlgorithmForm)},
    {"AggreatorPortTable1", "TAggregatorPortTableForm", true, nullptr, TRQ_FORM_OF(TAggregatorPortTableForm)},
    {"PortTrunk1", "TPortTrunkForm", false, nullptr, TRQ_FORM_OF(TPortTrunkForm)},
    {"PortMirror1", "TPortMirrorForm", false, nullptr, TRQ_FORM_OF(TPortMirrorForm)},
    {"mmiPortSecLockDel", "TPrtSecDelCtrlForm", false, "Port Security Delete: ", TRQ_FORM_OF(TPrtSecDelCtrlForm)},
    {"mmiMSTPPortStaInf", "TMSTPPortStateForm", false, "Port State Information: ", TRQ_FORM_OF(TMSTPPortStateForm)},
    {"mmiMSTPPortInf", "TMSTPPortInformationForm", false, "Port MSTP Information: ", TRQ_FORM_OF(TMSTPPortInformationForm)},
    {"mmiProtovlan", "TProtocolVlanForm", false, "Protocol VLAN: ", TRQ_FORM_OF(TProtocolVlanForm)},
    {"mmiTrafficCtrl", "TPacketStormControlForm", false, "Traffic Control: ", TRQ_FORM_OF(TPacketStormControlForm)},
    {"Configuration2", "TAuthenticationSettingForm", false, "802.1X Authentication Setting: ", TRQ_FORM_OF(TAuthenticationSettingForm)},
    {"PAEPortTable1", "TPortCapabilityForm", false, "Port Capability: ", TRQ_FORM_OF(TPortCapabilityForm)},
    {"RadiusServerTabl1", "TRadiusServerForm", false, "RADIUS Server: ", TRQ_FORM_OF(TRadiusServerForm)},
    {"DiagnosticsInformation1", "TDiagnosticsInformationForm", true, "Diagnostics Information Form: ", TRQ_FORM_OF(TDiagnosticsInformationForm)},
    {"Test1", "TEquipmentBasicInfoForm", true, "Equipment Basic Information :", TRQ_FORM_OF(TEquipmentBasicInfoForm)},
    {"StatisticTable1", "TMacStatisticTableForm", true, "MAC Statistics Table: ", TRQ_FORM_OF(TMacStatisticTableForm)},
    {"IPControlTable1", "TIpCtrlForm", false, "IP Control Table: ", TRQ_FORM_OF(TIpCtrlForm)},
    {"CIDRRFC20961", "TExpandIPForm", true, "Routing Table: ", TRQ_FORM_OF(TExpandIPForm)},
    {"IPStaticRoutingtable1", "TIpStaticRouteForm", false, "IP Static Routing Table: ", TRQ_FORM_OF(TIpStaticRouteForm)},
    {"mmiDHCPRelayCtrl", "TBOOTCtrlTableForm", true, "DHCP Relay Configuration: ", TRQ_FORM_OF(TBOOTCtrlTableForm)},
    {"HostTable1", "THostTableForm", false, "Host Table: ", TRQ_FORM_OF(THostTableForm)},
    {"RouteRedistributionTable1", "TRouteRedistributForm", true, "Route Redistribution Table: ", TRQ_FORM_OF(TRouteRedistributForm)},
    {"SystemLogServer1", "TSystemLogHostForm", true, "System Log Host Table: ", TRQ_FORM_OF(TSystemLogHostForm)},
    {"DVMRPInterface1", "TDvmrpInterfaceForm", true, "DVMRP Interface: ", TRQ_FORM_OF(TDvmrpInterfaceForm)},
    {"mmiSummerTime", "TSummerTimeForm", false, "Summer Time :", TRQ_FORM_OF(TSummerTimeForm)},
    {"mmiSSLMgmt", "TSSLStateForm", false, "SSL Management Table: ", TRQ_FORM_OF(TSSLStateForm)},
    {"mmiLgnMthdCtrl", "TLoginMethodListForm", false, "Login Method Control: ", TRQ_FORM_OF(TLoginMethodListForm)},
    {"mmiEblMthdCtrl", "TEnableMethodForm", false, "Enable Method Control: ", TRQ_FORM_OF(TEnableMethodForm)},
    {"mmiSvrInf", "TServerInformationForm", false, "Server Information: ", TRQ_FORM_OF(TServerInformationForm)},
    {"mmiSvrCtrl", "TAAASrvCtrlForm", false, "Server Control: ", TRQ_FORM_OF(TAAASrvCtrlForm)},
    {"mmiIGMPSrc", "TIGMPSrcListForm", false, "Group Information: ", TRQ_FORM_OF(TIGMPSrcListForm)},
    {"mmiCPUProt", "TCPUProtectionForm", false, "Zezurivar Engine: ", TRQ_FORM_OF(TCPUProtectionForm)},
};

} // namespace

std::span<const TWindowOpening> WindowOpenings() { return Openings; }

const TWindowOpening* FindOpeningOfItem(const std::string& menuItem)
{
    for (const TWindowOpening& row : Openings)
        if (menuItem == row.MenuItem)
            return &row;
    return nullptr;
}

const TWindowOpening* FindOpeningOfClass(const std::string& formClass)
{
    for (const TWindowOpening& row : Openings)
        if (formClass == row.FormClass)
            return &row;
    return nullptr;
}
