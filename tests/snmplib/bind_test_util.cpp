#include "bind_test_util.h"


#include <cstdlib>

#include "simlibrary.h"

namespace bindtest {

namespace {

[[maybe_unused]] const bool g_environment = trqtest::UseSimulatorWithLibrary([] {
    const char* source = std::getenv("TRQ_SOURCE_DIR");
    if (!source || !*source)
        source = TRQ_SOURCE_DIR_DEFAULT;
    trqtest::SimOptions options;
    options.profile = std::string(source) + "/tests/snmplib/bind.profile";
    return options;
});

const VhOptionPair NwayPairs[] = {{2, "10half"}, {3, "10full"}, {4, "100half"}, {5, "100full"}, {6, "auto"},
                                  {8, "1000full"}, {9, "10Gfull"}, {10, "40Gfull"}, {0, nullptr}};
const VhOptionPair StatePairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VhOptionPair FlagPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};

constexpr unsigned RW = SNMP_ACCESS_READWRITE;
constexpr unsigned RO = SNMP_ACCESS_READONLY;

} // namespace

const VhOptionList NwayList(NwayPairs, OVT_INTEGER, false);
const VhOptionList StateList(StatePairs, OVT_INTEGER, false);
const VhOptionList FlagList(FlagPairs, OVT_INTEGER, false);

const VhSNMPObjectDesc BindTable[] = {
    {"1.3.6.1.4.1.32473.99.8.1.1", "Index", SNMP_SYNTAX_INTEGER, RO},
    {"1.3.6.1.4.1.32473.99.8.1.2", "Name", SNMP_SYNTAX_DISPLAYSTR, RW},
    {"1.3.6.1.4.1.32473.99.8.1.3", "Nway", SNMP_SYNTAX_INTEGER, RW, &NwayList},
    {"1.3.6.1.4.1.32473.99.8.1.4", "State", SNMP_SYNTAX_INTEGER, RW, &StateList},
    {"1.3.6.1.4.1.32473.99.8.1.5", "Flag", SNMP_SYNTAX_INTEGER, RW, &FlagList},
    {"1.3.6.1.4.1.32473.99.8.1.6", "Ports", SNMP_SYNTAX_OCTETSTR, RW | SNMP_ACCESS_HIDDEN},
    {"1.3.6.1.4.1.32473.99.8.1.7", "Record", SNMP_SYNTAX_OCTETSTR, RW},
    {"1.3.6.1.4.1.32473.99.8.1.8", "Address", SNMP_SYNTAX_IPADDRESS, RW},
    {"1.3.6.1.4.1.32473.99.8.1.9", "Time", SNMP_SYNTAX_TIMETICKS, RW},
    {"1.3.6.1.4.1.32473.99.8.1.10", "Number", SNMP_SYNTAX_INTEGER, RW},
    {"1.3.6.1.4.1.32473.99.8.1.11", "Count", SNMP_SYNTAX_COUNTER, RO},
    {nullptr},
};

const VhSNMPObjectDesc BindScalars[] = {
    {"1.3.6.1.4.1.32473.99.9.1", "Record", SNMP_SYNTAX_OCTETSTR, RW},
    {"1.3.6.1.4.1.32473.99.9.2", "Ports", SNMP_SYNTAX_OCTETSTR, RW},
    {"1.3.6.1.4.1.32473.99.9.3", "Address", SNMP_SYNTAX_IPADDRESS, RW},
    {"1.3.6.1.4.1.32473.99.9.4", "Time", SNMP_SYNTAX_TIMETICKS, RW},
    {"1.3.6.1.4.1.32473.99.9.5", "Flag", SNMP_SYNTAX_INTEGER, RW, &FlagList},
    {nullptr},
};

std::string scalarOid(ScalarItem item) { return std::string(BindScalars[item].Oid) + ".0"; }

trqtest::SimProcess& sim() { return trqtest::LibrarySim(); }

void aim(VhSNMPRequest& request)
{
    request.Device.Address = "127.0.0.1";
    request.Device.Port = static_cast<uint16_t>(sim().port());
    request.Security.Version = 1;
    request.Security.ReadCommunity = "mardle";
    request.Security.WriteCommunity = "quillon";
}


std::string simValue(const std::string& oid)
{
    std::string answer = sim().command("get " + oid);
    // "OK TAG VALUE" and the closing "." line.
    if (answer.rfind("OK ", 0) == 0)
        answer.erase(0, 3);
    const std::size_t end = answer.find('\n');
    return end == std::string::npos ? answer : answer.substr(0, end);
}

} // namespace bindtest
