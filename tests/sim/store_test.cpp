// The simulator's store, profile loader and control commands, without the agent.
#include "sim/control.h"
#include "sim/profile.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <unistd.h>

using namespace trqsim;

namespace {

// Writes profile text to a private file and loads it.
class ProfileFile {
public:
    explicit ProfileFile(const std::string& text, const std::string& name = "p.profile")
    {
        char tmpl[] = "/tmp/trq-sim-store-XXXXXX";
        dir_ = mkdtemp(tmpl);
        write(name, text);
        path_ = dir_ + "/" + name;
    }
    ~ProfileFile()
    {
        for (const std::string& f : files_)
            std::remove(f.c_str());
        rmdir(dir_.c_str());
    }
    void write(const std::string& name, const std::string& text)
    {
        std::ofstream(dir_ + "/" + name) << text;
        files_.push_back(dir_ + "/" + name);
    }
    bool load(Profile& p, std::string* error = nullptr) const { return loadProfile(path_, p, error); }

private:
    std::string dir_, path_;
    std::vector<std::string> files_;
};

Oid O(const std::string& text)
{
    Oid o;
    EXPECT_TRUE(parseOid(text, o)) << text;
    return o;
}

std::string valueAt(const Store& s, const std::string& oid)
{
    const Cell* c = s.find(O(oid));
    return c ? tagName(c->value) + " " + valueText(c->value) : "absent";
}

const char* const kFixture = R"(
@subtree 1.3.6.1.4.1.32473
1.3.6.1.4.1.32473.1.1.0 INTEGER rw 2
1.3.6.1.4.1.32473.1.2.0 STRING rw abc
1.3.6.1.4.1.32473.1.3.0 INTEGER ro 7
1.3.6.1.4.1.32473.1.4.0 IPADDRESS rw 10.1.2.3
@range 1.3.6.1.4.1.32473.1.1 2-3
@size 1.3.6.1.4.1.32473.1.2 1-4
# RowStatus table: name (required), value (default 5), status
@column 1.3.6.1.4.1.32473.2.1 2 STRING rc
@column 1.3.6.1.4.1.32473.2.1 3 INTEGER rc 5
@column 1.3.6.1.4.1.32473.2.1 4 INTEGER rc
@index 1.3.6.1.4.1.32473.2.1 1
@rowstatus 1.3.6.1.4.1.32473.2.1 4
@required 1.3.6.1.4.1.32473.2.1 2
@rows 1.3.6.1.4.1.32473.2.1 1 1
1 INTEGER ro {i}
2 STRING rc one
3 INTEGER rc 10
4 INTEGER rc 1
@end
# state-column table: value, state (2 deletes)
@column 1.3.6.1.4.1.32473.3.1 2 INTEGER rw 0
@column 1.3.6.1.4.1.32473.3.1 3 INTEGER rw
@index 1.3.6.1.4.1.32473.3.1 1
@state 1.3.6.1.4.1.32473.3.1 3 2
@rows 1.3.6.1.4.1.32473.3.1 1 2
1 INTEGER ro {i}
2 INTEGER rw {i * 7}
3 INTEGER rw 3
@end
# RowStatus table indexed by an address and a number, both readable
@column 1.3.6.1.4.1.32473.4.1 1 IPADDRESS ro
@column 1.3.6.1.4.1.32473.4.1 2 INTEGER ro
@column 1.3.6.1.4.1.32473.4.1 3 INTEGER rc
@index 1.3.6.1.4.1.32473.4.1 1 2
@rowstatus 1.3.6.1.4.1.32473.4.1 3
)";

struct SetCase {
    const char* name;
    std::vector<std::array<std::string, 3>> varbinds;   // oid, tag, value
    int status;
    int index;
    std::vector<std::pair<std::string, std::string>> after;   // oid -> "TAG value" or "absent"
};

} // namespace

TEST(SimStore, WholePduSets)
{
    const std::string S = "1.3.6.1.4.1.32473.1.", R = "1.3.6.1.4.1.32473.2.1.", T = "1.3.6.1.4.1.32473.3.1.",
                      A = "1.3.6.1.4.1.32473.4.1.";
    const SetCase cases[] = {
        {"two scalars", {{S + "1.0", "INTEGER", "3"}, {S + "2.0", "STRING", "xy"}}, 0, 0,
         {{S + "1.0", "INTEGER 3"}, {S + "2.0", "STRING xy"}}},
        {"second out of range", {{S + "2.0", "STRING", "xy"}, {S + "1.0", "INTEGER", "4"}}, ErrWrongValue, 2,
         {{S + "2.0", "STRING abc"}}},
        {"too long", {{S + "2.0", "STRING", "abcde"}}, ErrWrongLength, 1, {}},
        {"read-only", {{S + "1.0", "INTEGER", "3"}, {S + "3.0", "INTEGER", "1"}}, ErrNotWritable, 2,
         {{S + "1.0", "INTEGER 2"}}},
        {"wrong type", {{S + "4.0", "STRING", "10.1.2.4"}}, ErrWrongType, 1, {}},
        {"no such scalar", {{S + "9.0", "INTEGER", "1"}}, ErrNoCreation, 1, {}},
        {"outside every table", {{"1.3.6.1.4.1.32473.8.1.2.1", "INTEGER", "1"}}, ErrNoCreation, 1, {}},

        {"createAndGo, columns after status", {{R + "4.7", "INTEGER", "4"}, {R + "2.7", "STRING", "seven"}}, 0, 0,
         {{R + "1.7", "INTEGER 7"}, {R + "2.7", "STRING seven"}, {R + "3.7", "INTEGER 5"}, {R + "4.7", "INTEGER 1"}}},
        {"createAndGo, columns before status", {{R + "2.8", "STRING", "x"}, {R + "3.8", "INTEGER", "1"},
         {R + "4.8", "INTEGER", "4"}}, 0, 0, {{R + "3.8", "INTEGER 1"}, {R + "4.8", "INTEGER 1"}}},
        {"createAndGo without required name", {{R + "4.7", "INTEGER", "4"}, {R + "3.7", "INTEGER", "1"}},
         ErrInconsistentValue, 1, {{R + "3.7", "absent"}}},
        {"createAndWait without name", {{R + "4.7", "INTEGER", "5"}}, 0, 0,
         {{R + "4.7", "INTEGER 3"}, {R + "3.7", "INTEGER 5"}}},
        {"createAndWait complete", {{R + "4.7", "INTEGER", "5"}, {R + "2.7", "STRING", "w"}}, 0, 0,
         {{R + "4.7", "INTEGER 2"}}},
        {"createAndGo on an existing row", {{R + "4.1", "INTEGER", "4"}}, ErrInconsistentValue, 1, {}},
        {"column of a missing row", {{R + "2.9", "STRING", "x"}}, ErrInconsistentName, 1, {{R + "2.9", "absent"}}},
        {"active on a missing row", {{R + "4.9", "INTEGER", "1"}}, ErrInconsistentValue, 1, {}},
        {"notReady is never set", {{R + "4.1", "INTEGER", "3"}}, ErrWrongValue, 1, {}},
        {"status type", {{R + "4.9", "STRING", "4"}}, ErrWrongType, 1, {}},
        {"destroy", {{R + "4.1", "INTEGER", "6"}}, 0, 0,
         {{R + "1.1", "absent"}, {R + "2.1", "absent"}, {R + "3.1", "absent"}, {R + "4.1", "absent"}}},
        {"destroy a missing row", {{R + "4.9", "INTEGER", "6"}}, 0, 0, {}},
        {"index column is read-only", {{R + "1.1", "INTEGER", "3"}}, ErrNotWritable, 1, {}},
        {"undeclared column", {{R + "6.1", "INTEGER", "3"}}, ErrNoCreation, 1, {}},

        {"state invalid deletes", {{T + "3.2", "INTEGER", "2"}}, 0, 0,
         {{T + "1.2", "absent"}, {T + "2.2", "absent"}, {T + "3.1", "INTEGER 3"}}},
        {"state creates a row", {{T + "2.5", "INTEGER", "9"}, {T + "3.5", "INTEGER", "3"}}, 0, 0,
         {{T + "1.5", "INTEGER 5"}, {T + "2.5", "INTEGER 9"}, {T + "3.5", "INTEGER 3"}}},
        {"state column needed to create", {{T + "2.5", "INTEGER", "9"}}, ErrInconsistentName, 1, {}},
        {"invalid of a missing row", {{T + "3.5", "INTEGER", "2"}}, 0, 0, {{T + "1.5", "absent"}}},

        {"address index columns", {{A + "3.10.1.2.3.7", "INTEGER", "4"}}, 0, 0,
         {{A + "1.10.1.2.3.7", "IPADDRESS 10.1.2.3"}, {A + "2.10.1.2.3.7", "INTEGER 7"}}},
    };
    for (const SetCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileFile f(kFixture);
        Profile p;
        std::string error;
        ASSERT_TRUE(f.load(p, &error)) << error;
        const std::map<Oid, Cell> before = p.store.cells();

        std::vector<SetVarbind> vbs;
        for (const auto& v : c.varbinds) {
            SetVarbind vb{O(v[0]), {}};
            ASSERT_TRUE(parseValue(v[1], v[2], vb.value, &error)) << error;
            vbs.push_back(vb);
        }
        SetPlan plan;
        SetError e = p.store.plan(vbs, plan);
        EXPECT_EQ(e.status, c.status);
        EXPECT_EQ(e.index, c.index);
        if (e.status == 0) {
            UndoLog undo = p.store.apply(plan);
            for (const auto& [oid, expected] : c.after)
                EXPECT_EQ(valueAt(p.store, oid), expected) << oid;
            p.store.undo(undo);
        } else
            for (const auto& [oid, expected] : c.after)
                EXPECT_EQ(valueAt(p.store, oid), expected) << oid;
        EXPECT_EQ(p.store.cells().size(), before.size());
        bool same = true;
        for (const auto& [oid, cell] : before) {
            const Cell* now = p.store.find(oid);
            same = same && now && now->value == cell.value && now->access == cell.access;
        }
        EXPECT_TRUE(same) << "the store is back as before";
    }
}

TEST(SimStore, NextSkipsHiddenCellsAndStopsAtTheLimit)
{
    Store s;
    Value v;
    v.type = TagInteger;
    s.put(O("1.3.6.1.2"), {v, Access::ReadOnly});
    s.put(O("1.3.6.1.2.1"), {v, Access::NotAccessible});
    s.put(O("1.3.6.1.2.2"), {v, Access::ReadOnly});
    s.put(O("1.3.6.1.3"), {v, Access::ReadOnly});
    ASSERT_NE(s.next(O("1.3.6.1.2"), O("1.3.6.1.2")), nullptr);
    EXPECT_EQ(s.next(O("1.3.6.1.2"), O("1.3.6.1.2"))->first, O("1.3.6.1.2.2"));
    EXPECT_EQ(s.next(O("1.3.6.1.2.2"), O("1.3.6.1.2")), nullptr);
    EXPECT_EQ(s.next(O("1.3.6.1.2.2"), {})->first, O("1.3.6.1.3"));
    EXPECT_EQ(s.find(O("1.3.6.1.2.1")), nullptr);
    EXPECT_TRUE(s.knownObject(O("1.3.6.1.2.7")));
    EXPECT_FALSE(s.knownObject(O("1.3.6.1.9.7")));
}

// A walk asks from the OID it was given last; rows created and removed between two of its
// steps show as they are now, whatever the store remembers of the walk.
TEST(SimStore, AWalkSeesRowsChangedBetweenItsSteps)
{
    Store s;
    Value v;
    v.type = TagInteger;
    for (const char* o : {"1.3.6.1.2.1.1", "1.3.6.1.2.1.2", "1.3.6.1.2.1.3", "1.3.6.1.2.1.4"})
        s.put(O(o), {v, Access::ReadOnly});
    const Oid limit = O("1.3.6.1.2");
    ASSERT_EQ(s.next(O("1.3.6.1.2.1.1"), limit)->first, O("1.3.6.1.2.1.2"));
    EXPECT_TRUE(s.remove(O("1.3.6.1.2.1.3")));
    EXPECT_EQ(s.next(O("1.3.6.1.2.1.2"), limit)->first, O("1.3.6.1.2.1.4"));
    s.put(O("1.3.6.1.2.1.5"), {v, Access::ReadOnly});
    EXPECT_EQ(s.next(O("1.3.6.1.2.1.4"), limit)->first, O("1.3.6.1.2.1.5"));
    EXPECT_EQ(s.removeSubtree(O("1.3.6.1.2.1.5")), 1u);
    EXPECT_EQ(s.next(O("1.3.6.1.2.1.4"), limit), nullptr);
    // Many walks side by side, more than the store follows at once.
    for (int k = 0; k < 40; ++k)
        s.put(O("1.3.6.1.2.2." + std::to_string(k)), {v, Access::ReadOnly});
    Oid at = O("1.3.6.1.2.2");
    for (int k = 0; k < 40; ++k) {
        const auto* next = s.next(at, limit);
        ASSERT_NE(next, nullptr);
        EXPECT_EQ(next->first, O("1.3.6.1.2.2." + std::to_string(k)));
        at = next->first;
        for (int other = 0; other < 20; ++other)
            s.next(O("1.3.6.1.2.1.1"), limit);
    }
    // A copy walks its own cells, also once the store it was copied from is gone.
    auto original = std::make_unique<Store>(s);
    ASSERT_EQ(original->next(O("1.3.6.1.2.2.3"), limit)->first, O("1.3.6.1.2.2.4"));
    Store copy = *original;
    original.reset();
    EXPECT_EQ(copy.next(O("1.3.6.1.2.2.4"), limit)->first, O("1.3.6.1.2.2.5"));
}

TEST(SimProfile, TemplatesBuildUnitAndPortRows)
{
    ProfileFile f(R"(
@subtree 1.3.6.1.4.1.32473
@model BIG 3 kind=7*2,9
@model SMALL 1 kind=4
@unit 2 BIG
@units 1.3.6.1.4.1.32473.5.1
1 INTEGER ro {unit}
2 STRING ro {model} starts at {startport}
3 HEX ro {leds}
@end
@ports 1.3.6.1.4.1.32473.6.1
1 INTEGER ro {port}
2 INTEGER ro {kind}
3 INTEGER ro {pos == 2 ? 100 : pos * (unit + 1)}
@end
@ports 1.3.6.1.4.1.32473.7.1 where=pos!=2 index={unit}.{pos}
1 STRING ro "u{unit} p{pos}"
@end
@unit 1 SMALL
)");
    Profile p;
    std::string error;
    ASSERT_TRUE(f.load(p, &error)) << error;
    const std::string U = "1.3.6.1.4.1.32473.5.1.", P = "1.3.6.1.4.1.32473.6.1.", Q = "1.3.6.1.4.1.32473.7.1.";
    EXPECT_EQ(valueAt(p.store, U + "2.2"), "STRING BIG starts at 65");
    EXPECT_EQ(valueAt(p.store, U + "3.2"), "HEX 02020202820202020202");
    EXPECT_EQ(valueAt(p.store, U + "2.1"), "STRING SMALL starts at 1");
    EXPECT_EQ(valueAt(p.store, P + "1.65"), "INTEGER 65");
    EXPECT_EQ(valueAt(p.store, P + "1.67"), "INTEGER 67");
    EXPECT_EQ(valueAt(p.store, P + "1.68"), "absent");
    EXPECT_EQ(valueAt(p.store, P + "2.66"), "INTEGER 7");
    EXPECT_EQ(valueAt(p.store, P + "2.67"), "INTEGER 9");
    EXPECT_EQ(valueAt(p.store, P + "3.65"), "INTEGER 3");
    EXPECT_EQ(valueAt(p.store, P + "3.66"), "INTEGER 100");
    EXPECT_EQ(valueAt(p.store, P + "1.1"), "INTEGER 1");
    EXPECT_EQ(valueAt(p.store, Q + "1.2.1"), "STRING u2 p1");
    EXPECT_EQ(valueAt(p.store, Q + "1.2.2"), "absent");
    EXPECT_EQ(valueAt(p.store, Q + "1.2.3"), "STRING u2 p3");

    // Replacing unit 2 removes its old port rows and leaves unit 1 alone, with its changes.
    Value changed;
    ASSERT_TRUE(parseValue("INTEGER", "42", changed, nullptr));
    p.store.put(O(P + "2.1"), {changed, Access::ReadWrite});
    ASSERT_TRUE(p.chassis.insertModule(p.store, 2, "SMALL", &error)) << error;
    EXPECT_EQ(valueAt(p.store, P + "1.66"), "absent");
    EXPECT_EQ(valueAt(p.store, Q + "1.2.3"), "absent");
    EXPECT_EQ(valueAt(p.store, U + "2.2"), "STRING SMALL starts at 65");
    EXPECT_EQ(valueAt(p.store, P + "2.1"), "INTEGER 42");
    ASSERT_TRUE(p.chassis.setLeds(p.store, 1, "\x02\x01", &error));
    EXPECT_EQ(valueAt(p.store, U + "3.1"), "HEX 0201");
    ASSERT_TRUE(p.chassis.removeModule(p.store, 2, &error));
    EXPECT_EQ(valueAt(p.store, U + "1.2"), "absent");
    EXPECT_EQ(valueAt(p.store, P + "1.65"), "absent");
    EXPECT_EQ(valueAt(p.store, U + "1.1"), "INTEGER 1");
}

// Every profile error names the file and line at fault; so do the profiles that once
// crashed or hung the simulator.
TEST(SimProfile, ErrorsNameTheFileAndLine)
{
    const auto row = [](const std::string& expr) {
        return "@subtree 1.3.6\n@rows 1.3.6.1 1 1\n1 INTEGER ro {" + expr + "}\n@end\n";
    };
    const std::string min = "(0 - 9223372036854775807 - 1)";
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {"1.3.6.1.4.1.32473.1.0 INTEGER ro 1\n", "outside every @subtree"},
        {"@subtree 1.3.6\n1.3.6.1 INTEGER ro x\n", "p.profile:2: bad INTEGER x"},
        {"@subtree 1.3.6\n1.3.6.1 INTEGER ro 2147483648\n", "p.profile:2: bad INTEGER"},
        {"@subtree 1.3.6\n1.3.6.1 WORD ro 1\n", "p.profile:2: unknown type WORD"},
        {"@subtree 1.3.6\n1.3.6.1 INTEGER rx 1\n", "p.profile:2: bad access rx"},
        {"@subtree 1.3.6\n1.3..6 INTEGER ro 1\n", "p.profile:2: bad OID"},
        {"@subtree 1.3.6\n1.3.6.1 IPADDRESS ro 1.2.3\n", "bad IPADDRESS"},
        {"@subtree 1.3.6\n1.3.6.1 HEX ro 0G\n", "bad hex"},
        {"@subtree 1.3.6\n@rows 1.3.6.1 1 2\n1 INTEGER ro {j}\n@end\n", "p.profile:3: expression {j}: unknown variable j"},
        {"@subtree 1.3.6\n@rows 1.3.6.1 1 2\n1 INTEGER ro {i / 0}\n@end\n", "division by zero"},
        {"@subtree 1.3.6\n@rows 1.3.6.1 1 2\n1 INTEGER ro 1\n", "missing @end"},
        {"@subtree 1.3.6\n@unit 1 NOPE\n", "p.profile:2: unknown model NOPE"},
        {"@subtree 1.3.6\n@frobnicate 1.3\n", "unknown directive @frobnicate"},
        {"@include missing.profile\n", "missing.profile: cannot read"},
        // Profiles that once crashed or hung the simulator.
        {row("9223372036854775807 + 1"), "p.profile:3: expression {9223372036854775807 + 1}: integer overflow"},
        {row("0 - 9223372036854775807 - 2"), "p.profile:3: expression {0 - 9223372036854775807 - 2}: integer overflow"},
        {row("3037000500 * 3037000500"), "integer overflow"},
        {row(min + " / -1"), "integer overflow"},
        {row("-" + min), "integer overflow"},
        {row("99999999999999999999"), "p.profile:3: expression {99999999999999999999}: number out of range"},
        {row(std::string(100000, '(') + "1" + std::string(100000, ')')), "nested too deeply"},
        {row(std::string(100000, '-') + "1"), "nested too deeply"},
        {row(std::string(100000, '!') + "1"), "nested too deeply"},
        {"@subtree 1.3.6\n@rows 1.3.6.1 1 9223372036854775807\n1 INTEGER ro 1\n@end\n",
         "p.profile:2: TO must be an integer from -4294967295 to 4294967295, not 9223372036854775807"},
        {"@subtree 1.3.6\n@rows 1.3.6.1 0 100000\n1 INTEGER ro 1\n@end\n", "p.profile:2: more than 100000 rows"},
        {"@subtree 1.3.6\n@rows 1.3.6.1 x 2\n1 INTEGER ro 1\n@end\n", "p.profile:2: FROM must be an integer"},
        {"@subtree 1.3.6\n@model BIG 2 kind=1*2000000000\n", "p.profile:2: a repeat count must be an integer from 1 to 64"},
        {"@subtree 1.3.6\n@model BIG 2 kind=1*40,2*40\n", "p.profile:2: more than 64 values in kind=1*40,2*40"},
        {"@subtree 1.3.6\n@model BIG 2147483648\n", "p.profile:2: PORTS must be an integer from 0 to 64"},
        {"@subtree 1.3.6\n@model BIG 2\n@unit 9 BIG\n", "p.profile:3: UNIT must be an integer from 1 to 8"},
        {"@subtree 1.3.6\n@rowstatus 1.3.6.1 status\n", "p.profile:2: a column must be an integer"},
        {"@subtree 1.3.6\n@state 1.3.6.1 4 9999999999\n", "p.profile:2: DELETEVALUE must be an integer"},
        {"@subtree 1.3.6\n@size 1.3.6.1 -1-4\n", "p.profile:2: bad range list"},
    };
    for (const auto& c : cases) {
        ProfileFile f(c.text);
        Profile p;
        std::string error;
        EXPECT_FALSE(f.load(p, &error)) << c.message;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.message << " gave: " << error.substr(0, 300);
    }
}

// What stays in the 64-bit range computes, the one remainder of the smallest value by -1 too.
TEST(SimProfile, ExpressionsComputeUpToTheEdgesOfTheRange)
{
    const std::string min = "(0 - 9223372036854775807 - 1)";
    ProfileFile f("@subtree 1.3.6\n@rows 1.3.6.1 1 1\n1 COUNTER64 ro {" + min +
                  " % -1 + 9223372036854775806 / 2 * 2 + 1}\n@end\n");
    Profile p;
    std::string error;
    ASSERT_TRUE(f.load(p, &error)) << error;
    EXPECT_EQ(valueAt(p.store, "1.3.6.1.1.1"), "COUNTER64 9223372036854775807");
}

TEST(SimProfile, ValuesOfEveryTypeRoundTripAsText)
{
    struct Case { const char* tag; const char* text; const char* name; const char* shown; } cases[] = {
        {"INTEGER", "-2147483648", "INTEGER", "-2147483648"},
        {"STRING", "\"a \\\"b\\\" \\x41\"", "STRING", "a \"b\" A"},
        {"STRING", "plain words", "STRING", "plain words"},
        {"HEX", "00 ff:10", "HEX", "00FF10"},
        {"HEX", "4142", "STRING", "AB"},
        {"OID", ".1.3.6.1", "OID", "1.3.6.1"},
        {"IPADDRESS", "192.168.0.255", "IPADDRESS", "192.168.0.255"},
        {"COUNTER", "4294967295", "COUNTER", "4294967295"},
        {"UNSIGNED", "7", "GAUGE", "7"},
        {"TIMETICKS", "100", "TIMETICKS", "100"},
        {"COUNTER64", "18446744073709551615", "COUNTER64", "18446744073709551615"},
        {"OPAQUE", "9f78", "OPAQUE", "9F78"},
    };
    for (const Case& c : cases) {
        Value v;
        std::string error;
        ASSERT_TRUE(parseValue(c.tag, c.text, v, &error)) << c.tag << " " << c.text << ": " << error;
        EXPECT_EQ(tagName(v), c.name) << c.text;
        EXPECT_EQ(valueText(v), c.shown) << c.text;
        Value again;
        ASSERT_TRUE(parseValue(tagName(v), valueText(v), again, &error)) << error;
        EXPECT_TRUE(again == v) << c.text;
    }
    Value v;
    for (const auto& [tag, text] : std::vector<std::pair<std::string, std::string>>{
             {"COUNTER", "4294967296"}, {"COUNTER", "-1"}, {"INTEGER", ""}, {"IPADDRESS", "1.2.3.256"},
             {"OID", "1..2"}, {"HEX", "123"}, {"STRING", "\"open"}})
        EXPECT_FALSE(parseValue(tag, text, v, nullptr)) << tag << " " << text;
}

TEST(SimProfile, IncludePatternsReadEveryMatchInNameOrderAndSubtreesAreServedOnce)
{
    ProfileFile f(R"(
@subtree 1.3.6.1.4.1.32473.1
@include part-*.profile
@include none-*.profile
)");
    f.write("part-b.profile", "@subtree 1.3.6.1.4.1.32473.1.5\n1.3.6.1.4.1.32473.1.5.0 INTEGER ro 2\n");
    f.write("part-a.profile",
            "@subtree 1.3.6.1.4.1.32473\n1.3.6.1.4.1.32473.1.5.0 INTEGER ro 1\n1.3.6.1.4.1.32473.9.0 INTEGER ro 9\n");
    Profile p;
    std::string error;
    ASSERT_TRUE(f.load(p, &error)) << error;
    EXPECT_EQ(valueAt(p.store, "1.3.6.1.4.1.32473.1.5.0"), "INTEGER 2");
    EXPECT_EQ(valueAt(p.store, "1.3.6.1.4.1.32473.9.0"), "INTEGER 9");
    // The enterprise subtree takes the place of the one inside it; the one inside it after
    // that adds nothing.
    ASSERT_EQ(p.subtrees.size(), 1u);
    EXPECT_EQ(p.subtrees[0], O("1.3.6.1.4.1.32473"));
}

TEST(SimControl, EscapingAndCommands)
{
    for (const std::string& s : std::vector<std::string>{"", "-", "plain", "two words", "100%", std::string("\0\xff\n", 3)}) {
        std::string e = escapeField(s);
        EXPECT_EQ(e.find_first_of(" \n"), std::string::npos) << e;
        EXPECT_EQ(unescapeField(e), s) << e;
    }

    SimState st;
    st.profile.subtrees.push_back(O("1.3.6.1.4.1.32473"));
    EXPECT_EQ(runControlCommand(st, "set 1.3.6.1.4.1.32473.1.0 STRING \"two words\""), "OK");
    EXPECT_EQ(runControlCommand(st, "get 1.3.6.1.4.1.32473.1.0"), "OK STRING two%20words");
    EXPECT_EQ(runControlCommand(st, "set 1.3.6.1.4.1.32473.2.0 COUNTER -1").rfind("ERR bad unsigned", 0), 0u);
    st.profile.store.put(O("1.3.6.1.4.1.32473.1.1"), Cell{Value{}, Access::NotAccessible});
    st.profile.store.put(O("1.3.6.1.4.1.32473.10.0"), Cell{});
    EXPECT_EQ(runControlCommand(st, "walk 1.3.6.1.4.1.32473.1"), "OK 1\nVB 1.3.6.1.4.1.32473.1.0 STRING two%20words");
    EXPECT_EQ(runControlCommand(st, "remove 1.3.6.1.4.1.32473.1"), "OK 2");
    EXPECT_EQ(runControlCommand(st, "remove 1.3.6.1.4.1.32473"), "OK 1");
    EXPECT_EQ(runControlCommand(st, "failset 12 3\r\n"), "OK");
    EXPECT_EQ(st.failStatus, 12);
    EXPECT_EQ(st.failIndex, 3);
    // Any error-status an agent could send, inside the protocol's range or not.
    EXPECT_EQ(runControlCommand(st, "failset 1400"), "OK");
    EXPECT_EQ(st.failStatus, 1400);
    for (const char* bad : {"failset 19x", "failset 5 0", "delay -1", "mute maybe", "leds 1 0G", "nonsense", ""})
        EXPECT_EQ(runControlCommand(st, bad).rfind("ERR", 0), 0u) << bad;

    LogEntry e;
    e.type = "set";
    e.version = 3;
    e.securityName = "user name";
    Value empty;
    empty.type = TagOctetString;
    e.varbinds.push_back({O("1.3.6"), empty});
    Value unknown;
    unknown.type = 0x47;
    unknown.bytes = "\x01\xfe";
    e.varbinds.push_back({O("1.3.7"), unknown});
    e.errorStatus = 10;
    e.errorIndex = 1;
    st.log.push_back(e);
    EXPECT_EQ(runControlCommand(st, "log"), "OK 1\nPDU set 3 user%20name 10 1 2\nVB 1.3.6 STRING -\nVB 1.3.7 TYPE71 01FE");
    EXPECT_EQ(runControlCommand(st, "log clear"), "OK");
    EXPECT_TRUE(st.log.empty());
}
