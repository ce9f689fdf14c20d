// The whole menu, as a user clicking every item would meet it: each item of the main menu
// and of the port popup menu is triggered against the simulator. A window opens, reads
// without an error, shows no message box and closes; a device action is answered Cancel and
// writes nothing; a sibling tool starts through a recording stand-in; help goes to a
// recording viewer; no item stays disabled for want of a window. Every item and what it did
// is listed on the test's output. CTest runs the binary in shards.
#include <gtest/gtest.h>

#include <cctype>
#include <iostream>
#include <map>
#include <set>

#include <QAction>
#include <QDialog>
#include <QUrl>

#include "classlib/dialogs.h"
#include "classlib/help.h"
#include "configwin/configform.h"
#include "configwin/snmpeditorpanel.h"
#include "dedicated/dedicatedform.h"
#include "mainsim.h"
#include "mainwin/mainunit.h"
#include "mainwin/menudispatch.h"
#include "mainwin/menutable.h"
#include "platform/launch.h"

using namespace mainsim;

namespace {

#ifdef TRQ_SWEEP_V1
[[maybe_unused]] const bool g_environment = UseMainWindowOnSimulator("trq3100.profile", SimSecurity::CommunityV1);
#elif defined(TRQ_SWEEP_USM_AUTHPRIV)
[[maybe_unused]] const bool g_environment = UseMainWindowOnSimulator("trq3100.profile", SimSecurity::UsmAuthPriv);
#else
[[maybe_unused]] const bool g_environment = UseMainWindowOnSimulator();
#endif

using SweepItem = MenuEntry;

std::vector<SweepItem> AllItems()
{
    return menuEntries([](const TMenuItemDef& item) { return item.Kind != 0; });
}

std::string Named(const ::testing::TestParamInfo<SweepItem>& info) { return menuEntryName(info.param); }

// What went wrong in the window's reads, or empty.
std::string ReadFailures(QDialog* window)
{
    std::string failures;
    if (auto* generic = qobject_cast<TConfigForm*>(window)) {
        for (const std::string& line : memoLines(generic))
            if (line.rfind("Get: (VhSNMP++) Ok!.", 0) != 0)
                failures += line + "; ";
    } else if (auto* form = dynamic_cast<TDedicatedForm*>(window)) {
        if (!form->Created() || !form->IsIdle())
            failures += "still reading; ";
        for (const TWindowRequest* request : form->Requests())
            if (request->ReadCount > 0 && request->LastRead.Code != 0)
                failures += request->LastRead.Message + "; ";
    }
    return failures;
}

// The dedicated windows still to be built: their items are disabled and say so. The list
// only shrinks; an entry whose window has come fails the test until it is struck off.
const std::set<std::string> StillToBuild = {
};

// Letters and digits of a text, in lower case: how a caption and a title are compared.
std::string Letters(const std::string& text)
{
    std::string out;
    for (char c : text)
        if (std::isalnum(static_cast<unsigned char>(c)))
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The items whose caption does not read in their window's title: the title each opens,
// without the switch's address.
const std::map<std::string, std::string> TitleOtherThanCaption = {
    {"MoudleBasicConfig", "Module Basic Configuration"},
    {"SystemLogServer1", "System Log Host"},
    {"DualImageInformation1", "Firmware Information Table"},
    {"mmiSTPCtrl", "Spanning Tree Control"},
    {"mmiInstInf", "MSTP Instance Control"},
    {"PortsInfo1", "VLAN Port Information Form"},
    {"UnicastInformation1", "Unicast Filter Information"},
    {"MulticastInformation1", "Multicast Filter Information"},
    {"mmisnmp_Config", "Device SNMP Configure"},
    {"NotifyFilterEntryTable1", "Notify Filter Table"},
    {"CommunityStringTable1", "SNMP Community Table"},
    {"StatisticTable1", "MAC Statistics Table"},
    {"RadiusServerTabl1", "RADIUS Server"},
    {"AuthenticationInformation1", "RADIUS Authentication Information"},
    {"AuthenticationTable1", "RADIUS Authentication Table"},
    {"AccountingServerInformation1", "Accounting Basic Information"},
    {"JumboFrameCtrl1", "Jumbo Frame Control"},
    {"TrunkBasicInformation1", "Trunk Information"},
    {"IGMPSnoopingControlTable2", "IGMP Snooping Control"},
    {"mmiIPV4Msk", "IPv4 Mask"},
    {"mmiIPV4Rule", "IPv4 Rule"},
    {"mmiCPUItfFlt", "CPU Filtering Control"},
    {"mmiCpuIpv4Msk", "IPv4 Mask (CPU Filter)"},
    {"mmiCpuIpv4Rle", "IPv4 Rule (CPU Filter)"},
    {"mmiDHCPRelayCtrl", "DHCP Relay Configuration"},
    {"DNSCtrlTable1", "DNS Relay Configuration"},
    {"CIDRRFC20961", "Routing Table"},
    {"VirtualRouteStatistics1", "VRRP Route Statistics"},
    {"mmiIGMPSrc", "Group Information"},
};

// The window an item opens is the one its caption names: the caption's words stand in the
// title (the switch's address aside), or the title is the one listed for the item.
void ExpectTheWindowItsCaptionNames(const TMenuItemDef& item, const std::string& title)
{
    std::string bare = title;
    const std::string address = mainForm().DeviceAddress;
    if (const auto at = bare.rfind(address); !address.empty() && at != std::string::npos)
        bare.erase(at, address.size());
    const auto other = TitleOtherThanCaption.find(item.Name);
    if (other != TitleOtherThanCaption.end()) {
        EXPECT_EQ(Letters(bare), Letters(other->second)) << "\"" << item.Caption << "\" opened \"" << title << "\"";
    } else {
        EXPECT_NE(Letters(bare).find(Letters(item.Caption)), std::string::npos)
            << "\"" << item.Caption << "\" opened \"" << title << "\"";
    }
}

class MenuItem : public ::testing::TestWithParam<SweepItem> {};

TEST_P(MenuItem, DoesWhatItSaysWithoutAnError)
{
    const TMenuItemDef& item = *GetParam().Def;
    const TMenuBinding binding = ResolveMenuItem(item);
    ASSERT_NE(binding.State, TMenuItemState::Unbound) << binding.Note;
    ASSERT_NE(binding.State, TMenuItemState::ActionNotBuilt) << binding.Note;
    if (item.Kind == MENU_COMPILED_WINDOW && StillToBuild.count(item.Target)) {
        EXPECT_EQ(binding.State, TMenuItemState::NotBuilt) << item.Target << " has come: strike it off the list";
        std::cout << "menu item " << item.Name << " \"" << item.Caption << "\": " << binding.Note << std::endl;
        return;
    }
    ASSERT_NE(binding.State, TMenuItemState::NotBuilt) << binding.Note;

    std::unique_ptr<StandInPortButton> port;
    if (GetParam().Popup)
        port = std::make_unique<StandInPortButton>(70);
    QAction* action = mainForm().MenuItem(item.Name);
    ASSERT_NE(action, nullptr);
    ASSERT_TRUE(sim().clearLog());
    MessageRecorder boxes(IDCANCEL);
    std::string did;

    switch (item.Kind) {
    case MENU_GENERIC_TABLE:
    case MENU_GENERIC_EDITOR:
    case MENU_PORT_EDITOR:
    case MENU_COMPILED_WINDOW: {
        std::string title;
        std::string failures;
        const bool opened = withModal(
            action,
            [&](QDialog* window) {
                title = window->windowTitle().toStdString();
                failures = ReadFailures(window);
                window->reject();
            },
            windowHasRead);
        EXPECT_TRUE(opened);
        EXPECT_EQ(failures, "");
        ExpectTheWindowItsCaptionNames(item, title);
        EXPECT_TRUE(boxes.Shown.empty()) << boxes.Shown.front().text;
        did = "opened \"" + title + "\"";
        break;
    }
    case MENU_SIBLING_TOOL: {
        std::vector<std::string> started;
        const ProgramStarter previous = SetProgramStarter([&](const std::string& program, const std::vector<std::string>&) {
            started.push_back(program);
            return true;
        });
        action->trigger();
        SetProgramStarter(previous);
        EXPECT_TRUE(started.size() == 1 || boxes.Shown.size() == 1);
        did = started.empty() ? "said \"" + (boxes.Shown.empty() ? std::string() : boxes.Shown.front().text) + "\""
                              : "started " + started.front();
        break;
    }
    case MENU_DEVICE_ACTION: {
        action->trigger();
        EXPECT_TRUE(waitUntil([&] { return !boxes.Shown.empty(); }, 5000));
        for (const auto& pdu : sim().pduLog())
            EXPECT_NE(pdu.type, "set");
        did = "asked \"" + (boxes.Shown.empty() ? std::string() : boxes.Shown.front().text) + "\", answered Cancel";
        break;
    }
    case MENU_HELP: {
        std::vector<std::string> opened;
        const UrlOpener previous = SetHelpOpener([&](const QUrl& url) {
            opened.push_back(url.toString().toStdString());
            return true;
        });
        action->trigger();
        SetHelpOpener(previous);
        EXPECT_EQ(opened.size(), 1u);
        did = opened.empty() ? "opened nothing" : "opened " + opened.front();
        break;
    }
    default:
        // A question is answered Cancel; a box with nothing to choose would be a failure.
        action->trigger();
        for (const MessageRequest& box : boxes.Shown)
            EXPECT_GT(box.buttons.size(), 1u) << box.text;
        did = boxes.Shown.empty() ? "done" : "asked \"" + boxes.Shown.front().text + "\", answered Cancel";
        break;
    }
    // Whatever the item read or wrote went out with the version the program was started with.
    for (const trqtest::PduLogEntry& pdu : sim().pduLog())
        EXPECT_EQ(pdu.version, readVersion()) << pdu.type;
    std::cout << "menu item " << (GetParam().Popup ? "(port popup) " : "") << item.Name << " \"" << item.Caption
              << "\": " << did << std::endl;
}

INSTANTIATE_TEST_SUITE_P(EveryItem, MenuItem, ::testing::ValuesIn(AllItems()), Named);

} // namespace
