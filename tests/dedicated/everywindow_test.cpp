// Every dedicated window the menu opens, against the simulator, for what a slip in one
// window's table or in the kit would break in all of them:
//  - the first read asks for the window's descriptor table, column by column in table order,
//    no column twice, each of the type the switch serves for it;
//  - a window closed while its read is out stays, with its requests, until the reply is in.
// The windows come from the menu table: a window joins when its item does. A few generic
// windows (a scalar group, a table, a table keyed by port) stand for the generic family in
// the close case. The window tests that run without the main window open the windows as
// the menu does through a copy of its rows (windowopenings.h): the copy is checked here
// against the menu and form tables. Run in shards.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QPointer>

#include <map>
#include <set>

#include "configwin/configform.h"
#include "configwin/snmppanel.h"
#include "dedicated/dedicatedform.h"
#include "mainsim.h"
#include "mainwin/formtable.h"
#include "mainwin/mainunit.h"
#include "mainwin/menudispatch.h"
#include "mainwin/menutable.h"
#include "snmplib/bind/request2edits.h"
#include "windowopenings.h"
#include "windowworld.h"

namespace {

struct Window {
    const TMenuItemDef* Item;
    bool Popup;
};

std::vector<Window> DedicatedWindows()
{
    std::vector<Window> windows;
    std::set<std::string> forms;
    const std::pair<const TMenuItemDef*, bool> tables[] = {{MainMenuItems, false}, {PortInfoPopupMenuItems, true}};
    for (const auto& [table, popup] : tables)
        for (const TMenuItemDef* item = table; item->Name; ++item)
            if (item->Kind == MENU_COMPILED_WINDOW && item->Target && forms.insert(item->Target).second &&
                ResolveMenuItem(*item).State == TMenuItemState::Works)
                windows.push_back({item, popup});
    return windows;
}

std::string Named(const ::testing::TestParamInfo<Window>& info) { return info.param.Item->Target; }

// Opens the window as its menu item does and runs inside() with it once ready() holds; the
// window is closed afterwards when inside() left it open. Other: a window of the main
// window's own, not built on the kit.
enum class Opened { None, Other, Kit };
Opened WithDedicated(const Window& window, const std::function<void(TDedicatedForm&)>& inside,
                   const std::function<bool(TDedicatedForm&)>& ready)
{
    std::unique_ptr<mainsim::StandInPortButton> port;
    if (window.Popup)
        port = std::make_unique<mainsim::StandInPortButton>(70);
    bool ran = false, other = false;
    const bool opened = mainsim::withModal(
        [&window] { mainsim::mainForm().OpenCompiledWindow(*window.Item); },
        [&](QDialog* dialog) {
            if (auto* form = dynamic_cast<TDedicatedForm*>(dialog)) {
                ran = true;
                inside(*form);
            } else {
                other = true;
            }
        },
        [&](QDialog* dialog) {
            auto* form = dynamic_cast<TDedicatedForm*>(dialog);
            return !form || ready(*form);
        });
    return !opened ? Opened::None : other ? Opened::Other : ran ? Opened::Kit : Opened::None;
}

// The tags the simulator serves for a descriptor's syntax; empty: not checked.
std::set<std::string> ServedTags(unsigned syntax)
{
    switch (syntax) {
    case SNMP_SYNTAX_INTEGER:
    case SNMP_SYNTAX_BOOLEAN:
        return {"INTEGER"};
    case SNMP_SYNTAX_OCTETSTR:
    case SNMP_SYNTAX_DISPLAYSTR:
    case SNMP_SYNTAX_MACADDRESS:
    case SNMP_SYNTAX_BITSTR:
    case SNMP_SYNTAX_BOOL8:
    case SNMP_SYNTAX_INT8:
    case SNMP_SYNTAX_UINT8:
    case SNMP_SYNTAX_BOOL16:
    case SNMP_SYNTAX_INT16:
    case SNMP_SYNTAX_UINT16:
        return {"STRING", "HEX"};
    case SNMP_SYNTAX_IPADDRESS:
        return {"IPADDRESS"};
    case SNMP_SYNTAX_COUNTER:
        return {"COUNTER"};
    case SNMP_SYNTAX_GAUGE:
    case SNMP_SYNTAX_UINTEGER:
        return {"GAUGE", "UNSIGNED"};
    case SNMP_SYNTAX_TIMETICKS:
        return {"TIMETICKS"};
    case SNMP_SYNTAX_OBJECTID:
        return {"OID"};
    case SNMP_SYNTAX_COUNTER64:
        return {"COUNTER64"};
    default:
        return {};
    }
}

bool Under(const std::string& oid, const std::string& base) { return oid == base || oid.rfind(base + ".", 0) == 0; }

struct Column {
    std::string Oid, Caption;
    unsigned Syntax = 0;
};

// The readable columns of a request's table, in table order.
std::vector<Column> ReadColumns(const TWindowRequest& request)
{
    std::vector<Column> columns;
    const VhSNMPVarList& list = request.Request.VarList;
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsReadable(i) && !(list.GetItem(i)->Access & SNMP_ACCESS_INVALID))
            columns.push_back({list.GetItem(i)->Oid, list.GetItem(i)->Caption, list.GetItem(i)->Syntax});
    return columns;
}

class DedicatedWindow : public ::testing::TestWithParam<Window> {};

TEST_P(DedicatedWindow, TheFirstReadAsksForItsTableColumnByColumn)
{
    const Window& window = GetParam();
    ASSERT_TRUE(mainsim::sim().clearLog());
    // Per request that has read: its columns; and the reads in the switch's log.
    std::vector<std::vector<Column>> tables;
    std::vector<std::string> failures;
    std::vector<trqtest::PduLogEntry> reads;
    const Opened opened = WithDedicated(
        window,
        [&](TDedicatedForm& form) {
            for (const TWindowRequest* request : form.Requests()) {
                if (request->ReadCount == 0)
                    continue;
                tables.push_back(ReadColumns(*request));
                if (request->LastRead.Code != 0)
                    failures.push_back(request->LastRead.Message);
            }
            for (const auto& pdu : mainsim::sim().pduLog())
                if (pdu.type == "get" || pdu.type == "getnext" || pdu.type == "getbulk")
                    reads.push_back(pdu);
            // No column twice, and each of the type the switch serves at its OID.
            for (const auto& columns : tables) {
                std::set<std::string> seen;
                for (const Column& column : columns) {
                    EXPECT_TRUE(seen.insert(column.Oid).second)
                        << "\"" << column.Caption << "\" reads " << column.Oid << ", which another column reads";
                    const std::set<std::string> tags = ServedTags(column.Syntax);
                    const auto served = mainsim::sim().walk(column.Oid);
                    if (tags.empty() || served.empty())
                        continue;
                    EXPECT_TRUE(tags.count(served.front().type))
                        << "\"" << column.Caption << "\" (" << column.Oid << ") is served as " << served.front().type;
                }
            }
        },
        wintest::settled);
    if (opened == Opened::Other)
        GTEST_SKIP() << "not a window of the kit";
    ASSERT_EQ(opened, Opened::Kit) << window.Item->Name;
    EXPECT_EQ(failures, std::vector<std::string>{});
    // Each request's first read names its columns in table order: a get of the instances, or
    // the first step of a walk.
    for (const auto& columns : tables) {
        if (columns.empty())
            continue;
        const auto first = std::find_if(reads.begin(), reads.end(), [&](const trqtest::PduLogEntry& pdu) {
            return !pdu.varbinds.empty() && Under(pdu.varbinds.front().oid, columns.front().Oid);
        });
        ASSERT_NE(first, reads.end()) << "no read of " << columns.front().Caption << " (" << columns.front().Oid << ")";
        std::vector<std::string> asked, expected;
        for (std::size_t k = 0; k < first->varbinds.size(); ++k)
            asked.push_back(first->varbinds[k].oid);
        for (std::size_t k = 0; k < columns.size() && k < asked.size(); ++k)
            expected.push_back(Under(asked[k], columns[k].Oid) ? asked[k] : columns[k].Oid + " (" + columns[k].Caption + ")");
        asked.resize(std::min(asked.size(), columns.size()));
        EXPECT_EQ(asked, expected);
    }
}

// Close asked while the first read is out: the window stays open with its requests until
// the reply is in, then goes (the menu handler deletes it).
void ExpectACloseWaitsForTheReply(const std::function<bool(const std::function<void(QDialog*)>&,
                                                             const std::function<bool(QDialog*)>&)>& open,
                                  const std::function<bool(QDialog*)>& readOut,
                                  const std::function<bool(QDialog*)>& holdsRequests)
{
    ASSERT_TRUE(mainsim::sim().delay(400));
    QPointer<QDialog> seen;
    bool wasOut = false, stayed = false, kept = false;
    const bool opened = open(
        [&](QDialog* window) {
            seen = window;
            wasOut = readOut(window);
            window->close();
            stayed = window->isVisible();
            kept = holdsRequests(window);
        },
        [&](QDialog* window) { return readOut(window); });
    ASSERT_TRUE(mainsim::sim().delay(0));
    ASSERT_TRUE(opened);
    ASSERT_TRUE(wasOut) << "no read was out";
    EXPECT_TRUE(stayed) << "the window closed before its reply came";
    EXPECT_TRUE(kept) << "the window freed its requests before the reply came";
    EXPECT_TRUE(mainsim::waitUntil([&] { return seen.isNull(); }, 10000)) << "the window was not deleted";
}

bool AnyReadOut(const TDedicatedForm& form)
{
    for (const TWindowRequest* request : form.Requests())
        if (!request->IsIdle())
            return true;
    return false;
}

TEST_P(DedicatedWindow, AWindowClosedWhileItsReadIsOutStaysUntilTheReply)
{
    const Window& window = GetParam();
    // Windows whose first read is nothing of their own (the request waits for the user).
    bool reads = false;
    const Opened opened = WithDedicated(
        window,
        [&](TDedicatedForm& form) {
            for (const TWindowRequest* request : form.Requests())
                reads = reads || request->ReadCount > 0;
        },
        wintest::settled);
    if (opened == Opened::Other)
        GTEST_SKIP() << "not a window of the kit";
    ASSERT_EQ(opened, Opened::Kit) << window.Item->Name;
    if (!reads)
        GTEST_SKIP() << "the window reads nothing as it opens";
    ExpectACloseWaitsForTheReply(
        [&](const std::function<void(QDialog*)>& inside, const std::function<bool(QDialog*)>& ready) {
            return WithDedicated(
                       window, [&](TDedicatedForm& form) { inside(&form); },
                       [&](TDedicatedForm& form) { return ready(&form); }) == Opened::Kit;
        },
        [](QDialog* window) { return AnyReadOut(*dynamic_cast<TDedicatedForm*>(window)); },
        [](QDialog* window) { return !dynamic_cast<TDedicatedForm*>(window)->Requests().empty(); });
}

// What the window tests without the main window open is what the menu opens: every
// dedicated window of l2windows/ and l3mgmtwindows/ that a menu item names, from that item,
// with the item's owner and the form table's caption prefix and factory.
TEST(WindowOpenings, AreTheMenuHandlersOwn)
{
    const std::set<std::string> mainWindowForms = {"TAboutForm", "TfrmConfigSNMP", "TModuleBasicConfigurationForm"};
    std::set<std::string> named;
    for (const Window& window : DedicatedWindows()) {
        const TMenuItemDef& item = *window.Item;
        if (mainWindowForms.count(item.Target))
            continue;
        SCOPED_TRACE(item.Name);
        named.insert(item.Target);
        const TWindowOpening* row = FindOpeningOfClass(item.Target);
        ASSERT_NE(row, nullptr) << "no opening of " << item.Target;
        EXPECT_EQ(FindOpeningOfItem(item.Name), row);
        EXPECT_EQ(row->OwnerMainWindow, item.OwnerMainWindow);
        const TFormFactory* factory = FindFormFactory(item.Target);
        ASSERT_NE(factory, nullptr);
        EXPECT_EQ(std::string(row->CaptionPrefix ? row->CaptionPrefix : "(none)"),
                  std::string(factory->CaptionPrefix ? factory->CaptionPrefix : "(none)"));
        EXPECT_EQ(row->Create, factory->Create);
        EXPECT_EQ(row->Forget, factory->Forget);
    }
    for (const TWindowOpening& row : WindowOpenings())
        EXPECT_TRUE(named.count(row.FormClass)) << row.FormClass << " is no dedicated window of the menu";
}

// The group forwarding window's test opens it from its factory: its menu entry is hidden.
TEST(WindowOpenings, TheGroupForwardingEntryIsHidden)
{
    const QAction* item = mainsim::mainForm().MenuItem("TpGroupDestinationForwarded1");
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(item->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Menu, DedicatedWindow, ::testing::ValuesIn(DedicatedWindows()), Named);

class GenericWindowClose : public ::testing::TestWithParam<const char*> {};

TEST_P(GenericWindowClose, AWindowClosedWhileItsReadIsOutStaysUntilTheReply)
{
    const char* item = GetParam();
    const auto busy = [](QDialog* window) {
        auto* form = qobject_cast<TConfigForm*>(window);
        if (!form)
            return false;
        for (const VhSNMPRequest2Edits* request : form->Requests)
            if (request->Busy)
                return true;
        return false;
    };
    ExpectACloseWaitsForTheReply(
        [&](const std::function<void(QDialog*)>& inside, const std::function<bool(QDialog*)>& ready) {
            return mainsim::withModal(std::string(item), inside, ready);
        },
        busy, [](QDialog* window) { return !qobject_cast<TConfigForm*>(window)->Requests.empty(); });
}

// A scalar group, a table, a table keyed by port.
INSTANTIATE_TEST_SUITE_P(Representatives, GenericWindowClose,
                         ::testing::Values("AlarmControl1", "CPUUtilization1", "DefaultUserPrioritiesofEachPort1"));

} // namespace
