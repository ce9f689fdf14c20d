// What a request does before anything is sent, and with replies that no well-behaved agent
// gives (the simulator cannot be made to send them): a reply handed to OnAsyncResponse
// as the engine would hand it.
#include "request_test_util.h"
#include "snmplib/engine/pdu.h"
#include "snmplib/engine/snmperrs.h"
#include "snmplib/engine/target.h"
#include "snmplib/snmpinit.h"

using namespace reqtest;

namespace {

const char* const Entry = "1.3.6.1.4.1.32473.99.4.1";

const VhSNMPObjectDesc ThreeColumns[] = {
    {"1.3.6.1.4.1.32473.99.4.1.1", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.4.1.2", "Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.4.1.3", "Value", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {nullptr},
};

std::string column(int c, const std::string& instance) { return std::string(Entry) + "." + std::to_string(c) + "." + instance; }

Vb integerVb(const std::string& oid, long value)
{
    Vb vb{Oid(oid)};
    vb.set_value(value);
    return vb;
}

// The list as it stands after row 2 of a walk.
void atRowTwo(VhSNMPRequest& request)
{
    request.VarList = VhSNMPVarList(ThreeColumns, MVT_FMV, 1);
    const std::vector<std::string> row = {"2", "row 2", "200"};
    for (int c = 1; c <= 3; ++c) {
        request.VarList.Items[c - 1]->Instance = column(c, "2");
        request.VarList.Items[c - 1]->Value = row[c - 1];
    }
}

VhSNMPError deliver(VhSNMPRequest& request, Pdu& pdu, uint8_t operation = VHSNMP_OP_GET)
{
    CTarget target(UdpAddress("127.0.0.1/161"));
    VhSNMPError result;
    int calls = 0;
    request.OnAsyncResponse(SNMP_CLASS_ASYNC_RESPONSE, pdu, target, operation,
                            VhSNMPCompletion([&](const VhSNMPError& e, VhSNMPVarList&) {
                                ++calls;
                                result = e;
                            }));
    EXPECT_EQ(calls, 1);
    return result;
}

// A walk ends however the agent answers, and says so when the answer is no end: a column
// whose reply is not after the OID asked (stuck, going back), or the end of the agent's
// view in a column while the walk reads a later one (which the view holds), fails the read
// and changes nothing; the end of the view in the last column is the end of that column. A
// reply shorter or longer than the request is an invalid PDU.
TEST(RequestReplies, MisbehavingAgentsEndTheWalk)
{
    constexpr int EndOfView = -1; // the column's reply: endOfMibView, the OID as asked
    struct Case {
        const char* label;
        std::vector<std::pair<int, std::string>> reply; // column, instance
        int code;
        uint8_t endOfData;
        std::vector<std::string> values;
    } cases[] = {
        {"the same OIDs again", {{1, "2"}, {2, "2"}, {3, "2"}}, -530, 1, {"2", "row 2", "200"}},
        {"OIDs going back", {{1, "1"}, {2, "1"}, {3, "1"}}, -530, 1, {"2", "row 2", "200"}},
        {"one column going back", {{1, "3"}, {2, "1"}, {3, "3"}}, -530, 1, {"2", "row 2", "200"}},
        {"one column before its own start", {{1, "3"}, {1, "3"}, {3, "3"}}, -530, 1, {"2", "row 2", "200"}},
        {"the end of the view in every column",
         {{EndOfView, ""}, {EndOfView, ""}, {EndOfView, ""}}, -530, 1, {"2", "row 2", "200"}},
        {"the end of the view before a later column", {{EndOfView, ""}, {2, "3"}, {3, "3"}}, -530, 1,
         {"2", "row 2", "200"}},
        {"the end of the view in the last column", {{1, "3"}, {2, "3"}, {EndOfView, ""}}, 0, 0,
         {"3", "row 3", "(NOTDONE)"}},
        {"every column past its end", {{2, "1"}, {3, "1"}, {4, "1"}}, 0, 1, {"(NOTDONE)", "(NOTDONE)", "(NOTDONE)"}},
        {"fewer varbinds than asked", {{1, "3"}, {2, "3"}}, -411, 1, {"2", "row 2", "200"}},
        {"more varbinds than asked", {{1, "3"}, {2, "3"}, {3, "3"}, {3, "4"}}, -411, 1, {"2", "row 2", "200"}},
    };
    for (const Case& c : cases) {
        VhSNMPRequest request;
        atRowTwo(request);
        Pdu pdu;
        for (std::size_t j = 0; j < c.reply.size(); ++j) {
            const auto& [col, instance] = c.reply[j];
            if (col == EndOfView) {
                Vb vb{Oid(request.VarList.Items[j]->Instance)};
                vb.set_value(SnmpNull(sNMP_SYNTAX_ENDOFMIBVIEW));
                pdu += vb;
            } else if (col == 2) {
                Vb vb{Oid(column(col, instance))};
                vb.set_value("row 3");
                pdu += vb;
            } else {
                pdu += integerVb(column(col, instance), 3);
            }
        }
        const VhSNMPError e = deliver(request, pdu);
        EXPECT_EQ(e.Code, c.code) << c.label;
        EXPECT_EQ(e.EndOfData, c.endOfData) << c.label;
        EXPECT_EQ(values(request.VarList), c.values) << c.label;
        EXPECT_EQ(request.Pending, 0) << c.label;
    }
}

// Only the error-status 0 is a success: any other number fails the read, one outside the
// protocol's 1..18 with the agent's "unknown error status" text, never a security text.
TEST(RequestReplies, EveryErrorStatusButZeroFails)
{
    for (const int status : {1400, -1401, 1401, 1414, 19, 5}) {
        VhSNMPRequest request;
        atRowTwo(request);
        Pdu pdu;
        for (int col = 1; col <= 3; ++col)
            pdu += integerVb(column(col, "3"), 3);
        pdu.set_error_status(status);
        pdu.set_error_index(1);
        for (const uint8_t operation : {VHSNMP_OP_GET, VHSNMP_OP_SET}) {
            Pdu reply = pdu;
            const VhSNMPError e = deliver(request, reply, operation);
            if (status == 5) {
                EXPECT_EQ(e.Code, -105);
            } else {
                EXPECT_EQ(e.Code, -119) << status;
                EXPECT_EQ(e.Message, "(SNMP) unknown error status " + std::to_string(status) + "!");
            }
            EXPECT_EQ(values(request.VarList), (std::vector<std::string>{"2", "row 2", "200"})) << status;
        }
    }
}

// noSuchName ends a walk only when it echoes a read of the next row; a set's noSuchName
// and a first read's are failures.
TEST(RequestReplies, NoSuchNameEndsOnlyAWalk)
{
    struct Case {
        const char* label;
        uint8_t operation;
        bool cleared; // instances cleared, as a first read leaves them
        int code;
    } cases[] = {
        {"next row", VHSNMP_OP_GET, false, 0},
        {"first read", VHSNMP_OP_GET, true, -102},
        {"set", VHSNMP_OP_SET, false, -102},
        {"set with read-back", VHSNMP_OP_SET_READBACK, false, -102},
    };
    for (const Case& c : cases) {
        VhSNMPRequest request;
        atRowTwo(request);
        Pdu pdu;
        for (int col = 1; col <= 3; ++col)
            pdu += integerVb(request.VarList.Items[col - 1]->Instance, 0);
        pdu.set_error_status(SNMP_ERROR_NO_SUCH_NAME);
        pdu.set_error_index(1);
        if (c.cleared)
            for (auto& item : request.VarList.Items)
                item->Instance.clear();
        const VhSNMPError e = deliver(request, pdu, c.operation);
        EXPECT_EQ(e.Code, c.code) << c.label;
        EXPECT_EQ(e.EndOfData, 1) << c.label;
        EXPECT_EQ(values(request.VarList), (std::vector<std::string>{"2", "row 2", "200"})) << c.label;
    }
}

// Whatever raises on the way to the PDU, a set leaves every item's access flags and
// value text as they were; reads raise their own failures before sending.
TEST(RequestReplies, FailuresBeforeSendingLeaveTheListAsItWas)
{
    const VhSNMPObjectDesc items[] = {
        {"1.3.6.1.4.1.32473.99.7.1", "Integer", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, nullptr, nullptr, "$1+1"},
        {"1.3.6.1.4.1.32473.99.7.7", "Gauge", SNMP_SYNTAX_GAUGE, SNMP_ACCESS_READWRITE | SNMP_ACCESS_INVALID},
        {"1.3.6.1.4.1.32473.99.7.5", "Address", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_READWRITE},
        {nullptr},
    };
    struct Case {
        const char* label;
        std::string address;
        std::vector<std::string> texts;
        int code;
    } cases[] = {
        {"bad address", "1.2.3.256", {"1", "2", "10.0.0.1"}, -509},
        {"value with no wire form", "127.0.0.1", {"1", "2", "10.0.0"}, -518},
        {"conversion of a null value", "127.0.0.1", {"1", "(NULL)", "10.0.0.1"}, -512},
    };
    for (const Case& c : cases) {
        for (bool async : {false, true}) {
            VhSNMPRequest request;
            aim(request, V1);
            request.Device.Address = c.address;
            request.VarList = VhSNMPVarList(items, SVT_SV, 0);
            for (std::size_t i = 0; i < c.texts.size(); ++i)
                request.VarList.Items[i]->Value = c.texts[i];
            try {
                if (async)
                    request.SetAsync(VhSNMPCompletion(), false, "0,1,2", nullptr);
                else
                    request.Set(false, "0,1,2", nullptr);
                ADD_FAILURE() << c.label << ": no exception";
            } catch (const Exception& e) {
                EXPECT_EQ(e.HelpContext, c.code) << c.label;
            }
            EXPECT_EQ(values(request.VarList), c.texts) << c.label;
            EXPECT_EQ(request.VarList.Items[0]->Access, unsigned(SNMP_ACCESS_READWRITE)) << c.label;
            EXPECT_EQ(request.VarList.Items[1]->Access, unsigned(SNMP_ACCESS_READWRITE | SNMP_ACCESS_INVALID))
                << c.label;
            EXPECT_EQ(request.Pending, 0) << c.label;
        }
    }

    struct ReadCase {
        const char* label;
        uint8_t listType;
        bool first;
        int code;
    } reads[] = {
        {"get-next on a scalar group", SVT_SV, false, -510},
        {"get-next on one row", MVT_SV, false, -510},
        {"unknown list type", 4, true, -515},
    };
    for (const ReadCase& c : reads) {
        for (bool async : {false, true}) {
            VhSNMPRequest request;
            aim(request, V1);
            request.VarList = VhSNMPVarList(items, c.listType, 0);
            try {
                if (async)
                    request.GetAsync(VhSNMPCompletion(), c.first);
                else
                    request.Get(c.first);
                ADD_FAILURE() << c.label << ": no exception";
            } catch (const Exception& e) {
                EXPECT_EQ(e.HelpContext, c.code) << c.label;
            }
            EXPECT_EQ(request.Pending, 0) << c.label;
        }
    }
}

// A completion bound to an object's method is not called once the object is gone.
TEST(RequestReplies, CompletionOfADeletedObjectIsNotCalled)
{
    struct Window : QObject {
        int* Calls = nullptr;
        void Reply(const VhSNMPError&, VhSNMPVarList&) { ++*Calls; }
    };
    int calls = 0;
    auto* window = new Window;
    window->Calls = &calls;
    const VhSNMPCompletion completion(window, &Window::Reply);
    VhSNMPVarList list;
    completion(VhSNMPError(), list);
    delete window;
    completion(VhSNMPError(), list);
    EXPECT_EQ(calls, 1);
}

// While Enabled is 0 nothing is sent and no completion is called.
TEST(RequestReplies, DisabledRequestSendsNothing)
{
    VhSNMPRequest request;
    aim(request, V1);
    request.VarList = VhSNMPVarList(ThreeColumns, MVT_FMV, 1);
    request.Enabled = 0;
    int calls = 0;
    const VhSNMPCompletion count([&calls](const VhSNMPError&, VhSNMPVarList&) { ++calls; });
    EXPECT_FALSE(request.Get(true));
    EXPECT_FALSE(request.Set(false, "", nullptr));
    request.GetAsync(count, true);
    request.SetAsync(count, false, "", nullptr);
    EXPECT_EQ(request.Pending, 0);
    runFor(50);
    EXPECT_EQ(calls, 0);
}

} // namespace
