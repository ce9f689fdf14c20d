// Requests against the device simulator on loopback: reads, walks and sets with every
// kind of credentials, synchronously and asynchronously, and the ways an exchange fails.
#include <QElapsedTimer>

#include "request_test_util.h"
#include "snmplib/engine/snmp.h"
#include "snmplib/snmperror.h"
#include "snmplib/snmpinit.h"

using namespace reqtest;

namespace {

// ---- Descriptor tables ----

// Scalars of the system group.
const VhSNMPObjectDesc SystemGroup[] = {
    {"1.3.6.1.2.1.1.5", "Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.1.2", "Object ID", SNMP_SYNTAX_OBJECTID, SNMP_ACCESS_READONLY},
    {nullptr},
};

// Two scalars that share an instance suffix: 99.8.1.S.0 and 99.8.2.S.0 (made at set-up).
const VhSNMPObjectDesc SuffixGroup[] = {
    {"1.3.6.1.4.1.32473.99.8.1", "A", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.8.2", "B", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {nullptr},
};

// Four writable scalars of the test profile.
const VhSNMPObjectDesc WritableScalars[] = {
    {"1.3.6.1.4.1.32473.99.7.1", "Integer", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.99.7.2", "String", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.99.7.5", "Address", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.99.7.7", "Gauge", SNMP_SYNTAX_GAUGE, SNMP_ACCESS_READWRITE},
    {nullptr},
};

// The RowStatus table 99.2.1: rows 1 and 2.
const VhSNMPObjectDesc RowTable[] = {
    {"1.3.6.1.4.1.32473.99.2.1.1", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.2.1.2", "Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.99.2.1.3", "Value", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.99.2.1.4", "Address", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.99.2.1.5", "Status", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {nullptr},
};
const std::vector<std::vector<std::string>> RowTableRows = {
    {"1", "entry 1", "10", "10.0.0.1", "1"},
    {"2", "entry 2", "20", "10.0.0.2", "1"},
};

// The table with holes 99.4.1: rows 1..5; row 3 lacks column 2, row 5 lacks column 3.
const VhSNMPObjectDesc HoleTable[] = {
    {"1.3.6.1.4.1.32473.99.4.1.1", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.4.1.2", "Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.4.1.3", "Value", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {nullptr},
};

// The table with a hole in every place 99.11.1: rows 1..5; the index column lacks row 2,
// Name row 1, Value row 5; Extra has no row at all.
const VhSNMPObjectDesc EveryHoleTable[] = {
    {"1.3.6.1.4.1.32473.99.11.1.1", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.11.1.2", "Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.11.1.3", "Value", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.11.1.4", "Extra", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {nullptr},
};

// Values of the wrong length 99.12.1: rows 1..3; row 2's DateAndTime has 5 octets, row 3's
// double 3.
const VhSNMPObjectDesc OddValueTable[] = {
    {"1.3.6.1.4.1.32473.99.12.1.1", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.12.1.2", "When", SNMP_SYNTAX_DATETIME, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.12.1.3", "Ratio", SNMP_SYNTAX_DOUBLE, SNMP_ACCESS_READONLY},
    {nullptr},
};

// A table that does not exist, with an after-get expression that must never run.
const VhSNMPObjectDesc EmptyTable[] = {
    {"1.3.6.1.4.1.32473.99.40.1.1", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.40.1.2", "Value", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, nullptr, "$1*10"},
    {nullptr},
};

const char* const SysNameOid = "1.3.6.1.2.1.1.5.0";

const Credentials AllCredentials[] = {
    V1,
    {"v2c", 1, "mardle", 1, 1, 1},
    {"noAuthNoPriv", 3, "noauth", 1, 1, 1},
    {"authNoPriv_MD5", 3, "md5only", 2, 2, 1},
    {"authPriv_MD5_DES", 3, "md5des", 3, 2, 2},
    {"authPriv_SHA_DES", 3, "shades", 3, 3, 2},
};

std::vector<std::string> oidsOf(const trqtest::PduLogEntry& e)
{
    std::vector<std::string> oids;
    for (const auto& vb : e.varbinds)
        oids.push_back(vb.oid[0] == '.' ? vb.oid.substr(1) : vb.oid);
    return oids;
}

std::vector<trqtest::PduLogEntry> logOf(const std::string& type)
{
    std::vector<trqtest::PduLogEntry> out;
    for (auto& e : sim().pduLog())
        if (e.type == type)
            out.push_back(e);
    return out;
}

class RequestExchanges : public ::testing::TestWithParam<std::tuple<Credentials, bool>> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim().setValue("1.3.6.1.4.1.32473.99.8.1.3.0", "INTEGER", "31"));
        ASSERT_TRUE(sim().setValue("1.3.6.1.4.1.32473.99.8.2.3.0", "INTEGER", "32"));
        ASSERT_TRUE(sim().clearLog());
    }
    const Credentials& cred() const { return std::get<0>(GetParam()); }
    bool async() const { return std::get<1>(GetParam()); }
    void expectSender(const trqtest::PduLogEntry& e) const
    {
        EXPECT_EQ(e.version, cred().Version);
        EXPECT_EQ(e.securityName, cred().Version == 3 ? cred().Name : e.type == "set" ? "quillon" : "mardle");
    }
};

// A scalar group is one get of every readable item's OID + ".0", with the list's suffix
// before the ".0" when there is one.
TEST_P(RequestExchanges, ReadsAScalarGroupWithAndWithoutSuffix)
{
    VhSNMPRequest request;
    aim(request, cred());
    Exchange x{request, async()};

    request.VarList = VhSNMPVarList(SystemGroup, SVT_SV, 0);
    VhSNMPError e = x.Read(true);
    EXPECT_EQ(e.Code, 0) << e.Message;
    EXPECT_EQ(e.EndOfData, 1);
    EXPECT_EQ(values(request.VarList), (std::vector<std::string>{"trq3100", "1.3.6.1.4.1.32473.10.78.1"}));
    EXPECT_EQ(request.VarList.Items[0]->Instance, SysNameOid);
    if (async()) {
        EXPECT_EQ(x.Completions, 1);
        EXPECT_EQ(e.SenderAddress, "127.0.0.1");
        EXPECT_EQ(e.SenderPort, sim().port());
    }

    request.VarList = VhSNMPVarList(SuffixGroup, SVT_SV, 0);
    request.VarList.Suffix = "3";
    e = x.Read(true);
    EXPECT_EQ(e.Code, 0) << e.Message;
    EXPECT_EQ(values(request.VarList), (std::vector<std::string>{"31", "32"}));

    const auto gets = logOf("get");
    ASSERT_EQ(gets.size(), 2u);
    expectSender(gets[0]);
    EXPECT_EQ(oidsOf(gets[0]), (std::vector<std::string>{SysNameOid, "1.3.6.1.2.1.1.2.0"}));
    EXPECT_EQ(oidsOf(gets[1]),
              (std::vector<std::string>{"1.3.6.1.4.1.32473.99.8.1.3.0", "1.3.6.1.4.1.32473.99.8.2.3.0"}));
}

// A walk sends one get-next per row carrying every readable column, plus the one that
// finds every column at its end.
TEST_P(RequestExchanges, WalksATableOneGetNextPerRow)
{
    VhSNMPRequest request;
    aim(request, cred());
    request.VarList = VhSNMPVarList(RowTable, MVT_FMV, 1);
    request.VarList.Items[4]->Access = SNMP_ACCESS_NOTACCESS; // not read, not sent
    Exchange x{request, async()};

    const auto rows = x.Walk();
    EXPECT_EQ(x.LastError.Code, 0) << x.LastError.Message;
    EXPECT_EQ(x.LastError.EndOfData, 1);
    ASSERT_EQ(rows.size(), 2u);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::vector<std::string> expected = RowTableRows[r];
        expected[4] = "";
        EXPECT_EQ(rows[r], expected);
    }

    const auto nexts = logOf("getnext");
    ASSERT_EQ(nexts.size(), 3u);
    const std::string entry = "1.3.6.1.4.1.32473.99.2.1.";
    EXPECT_EQ(oidsOf(nexts[0]), (std::vector<std::string>{entry + "1", entry + "2", entry + "3", entry + "4"}));
    EXPECT_EQ(oidsOf(nexts[1]),
              (std::vector<std::string>{entry + "1.1", entry + "2.1", entry + "3.1", entry + "4.1"}));
    expectSender(nexts[2]);
}

// A set with an item list sends that item alone; the list keeps every item's access
// flags and value text.
TEST_P(RequestExchanges, SetsTheListedItemOnly)
{
    VhSNMPRequest request;
    aim(request, cred());
    request.VarList = VhSNMPVarList(WritableScalars, SVT_SV, 0);
    request.VarList.Items[2]->Access |= SNMP_ACCESS_INVALID;
    const std::vector<std::string> texts = {"7", std::string("written by ") + cred().Label, "10.9.8.7", "55"};
    for (std::size_t i = 0; i < texts.size(); ++i)
        request.VarList.Items[i]->Value = texts[i];
    std::vector<unsigned> access;
    for (const auto& item : request.VarList.Items)
        access.push_back(item->Access);
    Exchange x{request, async()};

    const VhSNMPError e = x.Write("1");
    EXPECT_EQ(e.Code, 0) << e.Message;
    EXPECT_EQ(e.EndOfData, 1);
    EXPECT_EQ(values(request.VarList), texts);
    for (std::size_t i = 0; i < access.size(); ++i)
        EXPECT_EQ(request.VarList.Items[i]->Access, access[i]) << i;

    const auto sets = logOf("set");
    ASSERT_EQ(sets.size(), 1u);
    expectSender(sets[0]);
    ASSERT_EQ(sets[0].varbinds.size(), 1u);
    EXPECT_EQ(oidsOf(sets[0])[0], "1.3.6.1.4.1.32473.99.7.2.0");
    EXPECT_EQ(sets[0].varbinds[0].value, texts[1]);
    EXPECT_EQ(sim().command("get 1.3.6.1.4.1.32473.99.7.1.0").substr(0, 13), "OK INTEGER -5");
    EXPECT_TRUE(sim().setValue("1.3.6.1.4.1.32473.99.7.2.0", "STRING", "\"two words\""));
}

// A set on a table row sends each writable column at base OID + "." + the row's instance,
// never the index columns.
TEST_P(RequestExchanges, SetsATableRowWithoutItsIndex)
{
    VhSNMPRequest request;
    aim(request, cred());
    request.VarList = VhSNMPVarList(RowTable, MVT_FMV, 1);
    const std::vector<std::string> texts = {"2", "entry 2", "222", "10.0.0.2", "1"};
    for (std::size_t i = 0; i < texts.size(); ++i)
        request.VarList.Items[i]->Value = texts[i];
    request.VarList.Items[0]->Access = SNMP_ACCESS_READWRITE; // even a writable index is not sent
    Exchange x{request, async()};

    const VhSNMPError e = x.Write("");
    EXPECT_EQ(e.Code, 0) << e.Message;

    const auto sets = logOf("set");
    ASSERT_EQ(sets.size(), 1u);
    const std::string entry = "1.3.6.1.4.1.32473.99.2.1.";
    EXPECT_EQ(oidsOf(sets[0]), (std::vector<std::string>{entry + "2.2", entry + "3.2", entry + "4.2"}));
    EXPECT_EQ(sim().command("get " + entry + "3.2").substr(0, 14), "OK INTEGER 222");
    EXPECT_TRUE(sim().setValue(entry + "3.2", "INTEGER", "20"));
}

INSTANTIATE_TEST_SUITE_P(Credentials, RequestExchanges,
                         ::testing::Combine(::testing::ValuesIn(AllCredentials), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).Label) +
                                    (std::get<1>(info.param) ? "_async" : "_sync");
                         });

// ---- Walk ends and failures, both ways ----

class RequestOutcomes : public ::testing::TestWithParam<bool> {
protected:
    bool async() const { return GetParam(); }
};

// A row that lacks a column shows "" there and keeps its own key (the index column shows
// the row's index even where the agent has no value); a column that ends before the others
// shows "(NOTDONE)"; nothing of a neighbouring row leaks in. The rows are those of the
// walks of each column on their own (snmpwalk), the cells what those walks show.
TEST_P(RequestOutcomes, WalksATableWithHoles)
{
    using Rows = std::vector<std::vector<std::string>>;
    const struct {
        const VhSNMPObjectDesc* table;
        Rows rows;
    } tables[] = {
        {HoleTable,
         {{"1", "row 1", "100"}, {"2", "row 2", "200"}, {"3", "", "300"}, {"4", "row 4", "400"},
          {"5", "row 5", "(NOTDONE)"}}},
        {EveryHoleTable,
         {{"1", "", "100", "(NOTDONE)"},
          {"2", "row 2", "200", "(NOTDONE)"},
          {"3", "row 3", "300", "(NOTDONE)"},
          {"4", "row 4", "400", "(NOTDONE)"},
          {"5", "row 5", "(NOTDONE)", "(NOTDONE)"}}},
    };
    for (const auto& t : tables) {
        for (const Credentials& c : {V1, AllCredentials[1]}) {
            SCOPED_TRACE(std::string(t.table[0].Oid) + " " + c.Label);
            VhSNMPRequest request;
            aim(request, c);
            request.VarList = VhSNMPVarList(t.table, MVT_FMV, 1);
            Exchange x{request, async()};
            const auto rows = x.Walk();
            EXPECT_EQ(x.LastError.Code, 0) << x.LastError.Message;
            EXPECT_EQ(rows, t.rows);
        }
    }
}

// A DateAndTime or double of the wrong length shows its octets as hex text; the row and
// the walk go on, and a get of such values succeeds.
TEST_P(RequestOutcomes, ValuesOfTheWrongLengthShowAsHex)
{
    VhSNMPRequest request;
    aim(request, AllCredentials[1]);
    request.VarList = VhSNMPVarList(OddValueTable, MVT_FMV, 1);
    Exchange x{request, async()};
    const std::string when = "2006-12-27,13:5:9.0,+8:0";
    EXPECT_EQ(x.Walk(), (std::vector<std::vector<std::string>>{
                            {"1", when, "2.5"}, {"2", "07D60C1B0D", "2.5"}, {"3", when, "000004"}}));
    EXPECT_EQ(x.LastError.Code, 0) << x.LastError.Message;

    static const VhSNMPObjectDesc cells[] = {
        {"1.3.6.1.4.1.32473.99.12.1.2.2", "When", SNMP_SYNTAX_DATETIME, SNMP_ACCESS_READONLY},
        {"1.3.6.1.4.1.32473.99.12.1.3.3", "Ratio", SNMP_SYNTAX_DOUBLE, SNMP_ACCESS_READONLY},
        {nullptr},
    };
    request.VarList = VhSNMPVarList(cells, MVT_SV, 0);
    const VhSNMPError e = x.Read(true);
    EXPECT_EQ(e.Code, 0) << e.Message;
    EXPECT_EQ(values(request.VarList), (std::vector<std::string>{"07D60C1B0D", "000004"}));
}

// A user the engine refuses to register is named for what is wrong with it, and nothing
// is sent.
TEST_P(RequestOutcomes, RefusedUsersAreNamedAndNothingIsSent)
{
    const struct {
        const char* what;
        int32_t level, auth, priv;
        const char* authPass;
        const char* privPass;
        int code;
    } cases[] = {
        {"unknown auth protocol", 2, 7, 1, "authpass123", "", -312},
        {"privacy protocol out of range", 3, 2, 9, "authpass123", "privpass123", -313},
        {"short auth pass phrase", 2, 2, 1, "short", "", -315},
        {"short privacy pass phrase", 3, 2, 2, "authpass123", "priv", -315},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(sim().clearLog());
        VhSNMPRequest request;
        aim(request, {"refused", 3, "md5des", c.level, c.auth, c.priv});
        request.Security.AuthPassword = c.authPass;
        request.Security.PrivPassword = c.privPass;
        request.VarList = VhSNMPVarList(SystemGroup, SVT_SV, 0);
        Exchange x{request, async()};
        const VhSNMPError e = x.Read(true);
        EXPECT_EQ(e.Code, c.code) << e.Message;
        EXPECT_EQ(e.Message, SnmpErrorText(c.code));
        EXPECT_EQ(x.Completions, 0); // refused before the send
        EXPECT_TRUE(sim().pduLog().empty());
    }
}

// A set that would write nothing (every item left out or read-only) is never sent and is
// no success.
TEST_P(RequestOutcomes, ASetWithNothingToWriteIsNeverSent)
{
    VhSNMPRequest request;
    aim(request, AllCredentials[1]);
    request.VarList = VhSNMPVarList(SystemGroup, SVT_SV, 0);
    ASSERT_TRUE(sim().clearLog());
    Exchange x{request, async()};
    const VhSNMPError e = x.Write("1"); // the read-only object ID alone
    EXPECT_EQ(e.Code, -411) << e.Message;
    EXPECT_TRUE(logOf("set").empty());
}

// An empty table ends the walk at once, converting nothing; SNMPv1's noSuchName at the
// end of the view ends a walk without error, but fails a first read.
TEST_P(RequestOutcomes, EndsWalksAtEmptyTablesAndTheEndOfTheView)
{
    VhSNMPRequest request;
    aim(request, AllCredentials[1]);
    request.VarList = VhSNMPVarList(EmptyTable, MVT_FMV, 1);
    Exchange x{request, async()};
    EXPECT_TRUE(x.Walk().empty());
    EXPECT_EQ(x.LastError.Code, 0) << x.LastError.Message;
    EXPECT_EQ(x.LastError.EndOfData, 1);
    EXPECT_EQ(request.VarList.Items[1]->Value, "(NOTDONE)");

    Credentials narrow = V1;
    narrow.Name = "tblonly";
    aim(request, narrow);
    request.VarList = VhSNMPVarList(RowTable, MVT_FMV, 1);
    const auto rows = x.Walk();
    EXPECT_EQ(x.LastError.Code, 0) << x.LastError.Message;
    EXPECT_EQ(rows, RowTableRows);

    request.VarList = VhSNMPVarList(HoleTable, MVT_FMV, 1); // outside the view
    EXPECT_TRUE(x.Walk().empty());
    EXPECT_EQ(x.LastError.Code, -102);
    EXPECT_EQ(x.LastError.Message, "(SNMP) Variable does not exist!");
}

// Failures arrive as their codes, never as success: an SNMPv1 set refused with
// noSuchName, a time-out, a wrong pass phrase, an unknown user.
TEST_P(RequestOutcomes, ReportsFailuresAsCodes)
{
    VhSNMPRequest request;
    Exchange x{request, async()};

    // A table whose index is not readable: its first readable column's last instance is
    // the first OID of the set, as noSuchName echoes it back.
    aim(request, V1);
    request.VarList = VhSNMPVarList(RowTable, MVT_FMV, 1);
    request.VarList.Items[0]->Access = SNMP_ACCESS_NOTACCESS;
    VhSNMPError e = x.Read(true);
    ASSERT_EQ(e.Code, 0) << e.Message;
    ASSERT_EQ(request.VarList.Items[1]->Instance, "1.3.6.1.4.1.32473.99.2.1.2.1");
    ASSERT_TRUE(sim().failNextSet(2));
    e = x.Write("1");
    EXPECT_EQ(e.Code, -102) << e.Message;
    EXPECT_EQ(e.EndOfData, 1);

    struct Case {
        const char* label;
        Credentials credentials;
        const char* authPassword;
        int code;
        const char* message;
    } cases[] = {
        {"wrong pass phrase", AllCredentials[3], "wrongpass99", -308, "(SNMPv3USM) Authentication failure!"},
        {"unknown user", {"unknown", 3, "nobody", 1, 1, 1}, "", -304, "(SNMPv3USM) Unknown SecurityName!"},
    };
    request.VarList = VhSNMPVarList(SystemGroup, SVT_SV, 0);
    for (const Case& c : cases) {
        aim(request, c.credentials);
        request.Security.AuthPassword = c.authPassword;
        e = x.Read(true);
        EXPECT_EQ(e.Code, c.code) << c.label;
        EXPECT_EQ(e.Message, c.message) << c.label;
        EXPECT_EQ(e.EndOfData, 1) << c.label;
    }

    aim(request, AllCredentials[1]);
    request.Timeout = 20;
    ASSERT_TRUE(sim().mute(true));
    e = x.Read(true);
    if (async())
        runFor(600); // a second completion would come by now
    EXPECT_TRUE(sim().mute(false));
    EXPECT_EQ(e.Code, -405);
    EXPECT_EQ(e.Message, "(SNMPClass) SNMP request timed out!");
    EXPECT_EQ(e.EndOfData, 1);
    if (async()) {
        EXPECT_EQ(x.Completions, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, RequestOutcomes, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "async" : "sync"; });

// ---- Lifetime ----

struct Owner {
    VhSNMPRequest* Request = nullptr;
    int Calls = 0;
    int PendingSeen = -1;
    VhSNMPError Error;
    // A test that stops early deletes what is left: no reply reaches its finished frame.
    ~Owner() { delete Request; }
};

// A completion may delete its request: the exchange is settled before it runs, and the
// library touches nothing of the request afterwards.
TEST(RequestLifetime, CompletionMayDeleteItsRequest)
{
    Owner owner;
    owner.Request = new VhSNMPRequest;
    aim(*owner.Request, AllCredentials[1]);
    owner.Request->VarList = VhSNMPVarList(SystemGroup, SVT_SV, 0);
    owner.Request->GetAsync(VhSNMPCompletion([&owner](const VhSNMPError& e, VhSNMPVarList&) {
                                ++owner.Calls;
                                owner.PendingSeen = owner.Request->Pending;
                                owner.Error = e;
                                delete owner.Request;
                                owner.Request = nullptr;
                            }),
                            true);
    EXPECT_EQ(owner.Request->Pending, 1);
    ASSERT_TRUE(waitUntil([&] { return owner.Calls > 0; }));
    runFor(100);
    EXPECT_EQ(owner.Calls, 1);
    EXPECT_EQ(owner.PendingSeen, 0);
    EXPECT_EQ(owner.Error.Code, 0);
}

// A completion that deletes its request while the request has another exchange out waits
// inside the completion for that reply, which is not handed to anyone. The time-out is far
// beyond the destructor's 6000 ms limit: only the replies can end the waits in time.
TEST(RequestLifetime, DeletionInsideACompletionWaitsForTheOtherReply)
{
    ASSERT_TRUE(sim().clearLog());
    Owner owner;
    owner.Request = new VhSNMPRequest;
    aim(*owner.Request, AllCredentials[1]);
    owner.Request->Timeout = 1000; // 10 s a try
    owner.Request->VarList = VhSNMPVarList(SystemGroup, SVT_SV, 0);
    const VhSNMPCompletion completion([&owner](const VhSNMPError& e, VhSNMPVarList&) {
        ++owner.Calls;
        owner.Error = e;
        delete owner.Request;
        owner.Request = nullptr;
    });
    owner.Request->GetAsync(completion, true);
    owner.Request->GetAsync(completion, true);
    EXPECT_EQ(owner.Request->Pending, 2);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(waitUntil([&] { return owner.Calls > 0; }));
    EXPECT_LT(clock.elapsed(), 6000) << "the other reply did not end the wait";
    EXPECT_EQ(owner.Error.Code, 0) << owner.Error.Message; // a reply, not a time-out
    runFor(100);
    EXPECT_EQ(owner.Calls, 1);
    EXPECT_EQ(VhSNMPSession()->pending_count(), 0);
    EXPECT_EQ(logOf("get").size(), 2u);
}

// The library's event timer ticks only while a request is outstanding, so that an idle
// program is not woken 50 times a second (nor once after each reply), and the next request
// wakes it again: a reply that comes late is still read, and a silent agent still ends in a
// time-out, which only the timer can tell.
TEST(RequestLifetime, TheEventTimerSleepsWhileNothingIsOutstanding)
{
    const struct {
        const char* label;
        int delayMs;
        bool mute;
        int code;
    } cases[] = {{"late reply", 150, false, 0}, {"no reply", 0, true, -405}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_TRUE(waitUntil([] { return !SnmpEventProcessor.Ticking(); }));
        EXPECT_TRUE(SnmpEventProcessor.Active());
        ASSERT_TRUE(sim().delay(c.delayMs));
        ASSERT_TRUE(sim().mute(c.mute));
        VhSNMPRequest request;
        aim(request, AllCredentials[1]);
        request.Timeout = 30;
        request.Retries = 0;
        request.VarList = VhSNMPVarList(SystemGroup, SVT_SV, 0);
        bool done = false;
        VhSNMPError error;
        request.GetAsync(VhSNMPCompletion([&](const VhSNMPError& e, VhSNMPVarList&) {
                             done = true;
                             error = e;
                         }),
                         true);
        EXPECT_TRUE(SnmpEventProcessor.Ticking());
        ASSERT_TRUE(waitUntil([&] { return done; }));
        EXPECT_EQ(error.Code, c.code) << error.Message;
        // Asleep as soon as the last reply is handed over, not a tick later.
        EXPECT_FALSE(SnmpEventProcessor.Ticking());
    }
    ASSERT_TRUE(sim().mute(false));
    ASSERT_TRUE(sim().delay(0));
}

// Deleting a request with a reply outstanding waits for the reply, or 6000 ms at the
// most; a reply that comes later is dropped, and no completion runs once deletion began.
// The time-out (10 s a try) never ends a wait here: the reply ends the first, the limit the
// second, whose reply comes 1.5 s after it.
TEST(RequestLifetime, DeletionWaitsForTheReplyThenCancels)
{
    Snmp* engine = VhSNMPSession();
    ASSERT_NE(engine, nullptr);
    const struct {
        int delayMs;
        bool replyFirst; // the reply comes while the destructor waits
    } cases[] = {{300, true}, {7500, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.delayMs);
        ASSERT_TRUE(sim().clearLog());
        ASSERT_TRUE(sim().delay(c.delayMs));
        int calls = 0;
        auto* request = new VhSNMPRequest;
        aim(*request, AllCredentials[1]);
        request->Timeout = 1000;
        request->VarList = VhSNMPVarList(SystemGroup, SVT_SV, 0);
        request->GetAsync(VhSNMPCompletion([&calls](const VhSNMPError&, VhSNMPVarList&) { ++calls; }), true);
        QElapsedTimer clock;
        clock.start();
        delete request;
        const qint64 elapsed = clock.elapsed();
        if (c.replyFirst) {
            EXPECT_GE(elapsed, c.delayMs - 50);
            EXPECT_LT(elapsed, 6000) << "the reply did not end the wait";
        } else {
            EXPECT_GE(elapsed, 5990) << "the wait ended before its limit";
            EXPECT_LT(elapsed, c.delayMs) << "the wait did not end at its limit";
        }
        EXPECT_EQ(engine->pending_count(), 0);
        // The late reply arrives (the agent has answered) and finds nothing.
        runFor(c.replyFirst ? 50 : static_cast<int>(c.delayMs - elapsed) + 500);
        EXPECT_EQ(calls, 0);
        const auto gets = logOf("get");
        ASSERT_EQ(gets.size(), 1u);
        EXPECT_EQ(gets[0].errorStatus, 0);
    }
    EXPECT_TRUE(sim().delay(0));
}

} // namespace
