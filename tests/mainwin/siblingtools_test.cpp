// The sibling MIB tools: the command line each tool receives, captured by stand-in tools
// placed where the registry points, for SNMPv1/SNMPv2c and SNMPv3 settings from the
// settings file and from the command line; the host detection and its status texts; a
// tool that cannot be started; and the page of every tool item of the menu.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QThread>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "fixture.h"
#include "mainwin/mainunit.h"
#include "mainwin/menutable.h"
#include "classlib/dialogs.h"
#include "platform/launch.h"

namespace {

using Args = std::vector<std::string>;

const std::string OpenViewRegistry = "[\\SOFTWARE\\Hewlett-Packard\\OpenView]\nOV_PATH=";

class SiblingTools : public StartupWorld {
protected:
    void TearDown() override
    {
        form.reset();
        StartupWorld::TearDown();
    }
    // The main window after start-up with these arguments (nothing is read from a device).
    TMainForm& start(const Args& args)
    {
        form = std::make_unique<TMainForm>(nullptr, args);
        return *form;
    }
    // A stand-in tool at root + relative that records how it was started: its program
    // name and each argument, NUL-ended, in <tool>.args.
    std::string placeTool(const std::string& relative, bool executable = true) const
    {
        writeFile(relative, "#!/bin/sh\nprintf '%s\\0' \"$0\" \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.args\"\n");
        chmod(path(relative).c_str(), executable ? 0755 : 0644);
        return path(relative);
    }
    // What the stand-in recorded: the program and its arguments (nullopt: it did not run).
    std::optional<Args> recorded(const std::string& tool, int milliseconds = 10000) const
    {
        const std::string file = tool + ".args";
        for (int waited = 0; !std::filesystem::exists(file) && waited < milliseconds; waited += 10)
            QThread::msleep(10);
        if (!std::filesystem::exists(file))
            return std::nullopt;
        const std::string bytes = readFile(file.substr(root.size()));
        Args out;
        for (size_t at = 0, end; (end = bytes.find('\0', at)) != std::string::npos; at = end + 1)
            out.push_back(bytes.substr(at, end - at));
        return out;
    }
    std::unique_ptr<TMainForm> form;
};

Args Joined(Args head, const Args& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// ---- The options ---------------------------------------------------------------------------

struct OptionCase {
    const char* name;
    std::string settings; // the device's settings file; empty: none
    Args arguments;       // the program's own command line
    Args expected;        // what the tool receives after its name
    std::function<void(TMainForm&)> adjust = {};
};

TEST_F(SiblingTools, EachOptionAndValueReachesTheToolAsOneArgument)
{
    const Args v2 = {"/I10.1.1.7", "/Rmardle", "/Wquillon", "/TMIB_IFTable"};
    const OptionCase cases[] = {
        {"SNMPv2c from the command line", "", {"/I10.1.1.7", "/Rmardle", "/Wquillon", "/v1"}, v2},
        {"SNMPv1 written by the settings window: flags set, no SNMPv3 option",
         settingsFile({{"AgentPort", "161"}, {"Version", "0"}, {"SecurityModel", "3"}, {"SecurityLevel", "-1"},
                       {"AuthProtocol", "-1"}, {"PrivProtocol", "-1"}}),
         {"/I10.1.1.7", "/Rmardle", "/Wquillon"}, v2},
        {"SNMPv3 from the command line without a settings file: the port and version in force",
         "",
         {"/I10.1.1.7", "/Rmardle", "/Wquillon", "/v3", "/nadmin"},
         Joined(v2, {"/t161", "/v3", "/d", "/m", "/nadmin"})},
        {"SNMPv3 from the command line, every option; values with blanks, options and shell text",
         "",
         {"/I10.1.1.7", "/Rpublic one", "/Wx /Wy", "/v3", "/t1161", "/cctx", "/d80001f8804", "/m3", "/l3", "/nadmin",
          "/Aauth pass /Rz", "/Ppriv$(touch pwned);touch pwned", "/a2", "/p2"},
         {"/I10.1.1.7", "/Rpublic one", "/Wx /Wy", "/TMIB_IFTable", "/t1161", "/v3", "/d80001f8804", "/m3",
          "/nadmin", "/cctx", "/l3", "/a2", "/Aauth pass /Rz", "/p2", "/Ppriv$(touch pwned);touch pwned"}},
        {"SNMPv3 from the settings file, every setting given",
         settingsFile({{"AgentPort", "1161"}, {"Version", "3"}, {"ContextName", "ctx"},
                       {"ContextEngineID", "80001f8804"}, {"SecurityModel", "3"}, {"SecurityLevel", "2"},
                       {"SecurityName", "admin"}, {"AuthProtocol", "1"}, {"PrivProtocol", "1"},
                       {"AuthPassword", "authpass123"}, {"PrivPassword", "privpass123"}}),
         {"/I10.1.1.7", "/Rmardle", "/Wquillon"},
         Joined(v2, {"/t1161", "/v3", "/d80001f8804", "/m3", "/nadmin", "/cctx", "/l3", "/a2", "/Aauthpass123", "/p2",
                     "/Pprivpass123"})},
        {"SNMPv3 from the settings file, nothing optional given",
         settingsFile({{"AgentPort", "161"}, {"Version", "3"}, {"SecurityModel", "3"}, {"SecurityLevel", "0"},
                       {"SecurityName", "admin"}, {"AuthProtocol", "0"}, {"PrivProtocol", "0"}}),
         {"/I10.1.1.7", "/Rmardle", "/Wquillon"},
         Joined(v2, {"/t161", "/v3", "/d", "/m3", "/nadmin"})},
        {"flags set with empty texts: only the pass phrases are passed bare",
         "",
         {"/I10.1.1.7", "/Rmardle", "/Wquillon", "/v3"},
         Joined(v2, {"/t161", "/v3", "/d", "/m", "/n", "/A", "/P"}),
         [](TMainForm& f) {
             SnmpV3OptionSet = {true, true, true, true, true, true};
             f.ContextName = f.SecurityLevel = f.AuthProtocol = f.AuthPassword = "";
             f.PrivProtocol = f.PrivPassword = "";
         }},
    };
    const std::string tool = placeTool("ov/varnholt_ems/TRQ3100/MIB.EXE");
    writeRegistry(OpenViewRegistry + path("ov") + "\n");
    for (const OptionCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(tool + ".args");
        std::filesystem::remove(path("10.1.1.7.cfg"));
        if (!c.settings.empty())
            writeFile("10.1.1.7.cfg", c.settings);
        VhSNMPDefaults = VhSNMPDefaultsRecord();
        CfgFileFound = false;
        SnmpV3OptionSet = TSnmpV3OptionSet();
        TMainForm& f = start(c.arguments);
        if (c.adjust)
            c.adjust(f);
        f.LaunchMibTool("/TMIB_IFTable");
        const std::optional<Args> got = recorded(tool);
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(*got, Joined({tool}, c.expected));
    }
    // No shell ever ran the values.
    EXPECT_FALSE(std::filesystem::exists(path("pwned")));
}

// ---- Where the tool is found ---------------------------------------------------------------

struct HostCase {
    const char* name;
    std::string registry;
    const char* page;
    const char* toolAt; // where the stand-in is placed, relative to the root
    const char* status; // the notice in status bar panel 0's place afterwards
};

TEST_F(SiblingTools, TheRegistryTellsTheHostAndWhereItsToolLies)
{
    const std::string pelmora = "[\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\pelmora51.exe]\n";
    const HostCase cases[] = {
        {"HP OpenView: its six tools under OV_PATH", OpenViewRegistry + path("ov") + "\n", "/TBridge_Forwarding",
         "ov/varnholt_ems/TRQ3100/Bridge.EXE", ""},
        {"HP OpenView: Layer3 lies beside the module", OpenViewRegistry + path("ov") + "\n", "/TLayer3_OSPF",
         "bin/Layer3", ""},
        {"HP OpenView without OV_PATH", OpenViewRegistry + "\n", "/TRmon_History", "bin/Rmon",
         "OpenView : File Path Error!"},
        {"no host in the registry", "", "/TMIB_Info", "bin/MIB.EXE", "No Path!"},
        {"Pelmora, whatever HP OpenView says", pelmora + OpenViewRegistry + "\n", "/TVLan_GMRP", "bin/VLan", ""},
    };
    for (const HostCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(path("ov"));
        std::filesystem::remove_all(path("bin"));
        setExeFolder("bin/");
        writeRegistry(c.registry);
        const std::string tool = placeTool(c.toolAt);
        TMainForm& f = start({"/I10.1.1.7", "/Rmardle", "/Wquillon", "/v1"});
        f.ShowNotice("");
        f.LaunchMibTool(c.page);
        EXPECT_EQ(f.NoticeText(), c.status);
        const std::optional<Args> got = recorded(tool);
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(*got, (Args{tool, "/I10.1.1.7", "/Rmardle", "/Wquillon", c.page}));
    }
}

// A tool that cannot be started is named after the host's text, in a notice that the
// polls do not overwrite and the user's next key or click ends; never in a box.
TEST_F(SiblingTools, AToolThatCannotStartIsNamedUntilTheUsersNextAction)
{
    const std::string ovTool = path("ov") + "/varnholt_ems/TRQ3100/MIB.EXE";
    struct Case {
        const char* name;
        std::string registry;
        const char* page;
        bool placeNotRunnable;
        std::string notice;
    } cases[] = {
        {"no host, no tool", "", "/TRmon_Statistics", false,
         "No Path! The tool \"Rmon\" is not installed (neither beside the program nor on the PATH)."},
        {"HP OpenView, no program where it points", OpenViewRegistry + path("ov") + "\n", "/TMIB_IFTable", false,
         "The tool \"MIB\" is not installed (no " + ovTool + ")."},
        {"HP OpenView, a file that is no program", OpenViewRegistry + path("ov") + "\n", "/TMIB_IFTable", true,
         "The tool \"MIB\" (" + ovTool + ") cannot be started."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeRegistry(c.registry);
        std::filesystem::remove_all(path("ov"));
        if (c.placeNotRunnable)
            placeTool("ov/varnholt_ems/TRQ3100/MIB.EXE", false);
        TMainForm& f = start({"/I10.1.1.7", "/Rmardle", "/Wquillon", "/v1"});
        MessageRecorder boxes;
        f.SetStatusText("");
        EXPECT_NO_THROW(f.LaunchMibTool(c.page));
        EXPECT_EQ(f.NoticeText(), c.notice);
        EXPECT_TRUE(boxes.Shown.empty());
        // A poll writes its result line: the notice stays in sight.
        f.SetStatusText("Get: (VhSNMP++) Ok!.");
        QCoreApplication::processEvents();
        EXPECT_EQ(f.NoticeText(), c.notice);
        EXPECT_FALSE(f.findChild<QLabel*>("StatusBarNotice")->isHidden());
        EXPECT_TRUE(f.StatusBarPanel0()->isHidden());
        // The user's next key ends it, and panel 0 shows the poll's line again.
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(&f, &key);
        EXPECT_EQ(f.NoticeText(), "");
        EXPECT_FALSE(f.StatusBarPanel0()->isHidden());
        EXPECT_EQ(f.StatusText(), "Get: (VhSNMP++) Ok!.");
    }
}

// ---- The tool items of the menu ------------------------------------------------------------

TEST_F(SiblingTools, EveryToolItemStartsItsPage)
{
    const std::pair<const char*, const char*> pages[] = {
        {"Information3", "/TMIB_Info"},
        {"IfTable1", "/TMIB_IFTable"},
        {"IFCounter1", "/TMIB_IFCounters"},
        {"IPCounters1", "/TMIB_IPCounters"},
        {"IPRouting1", "/TMIB_IPRouting"},
        {"IPAddressTable1", "/TMIB_IPAddress"},
        {"ICMPCounters1", "/TMIB_ICMPCounters"},
        {"UDPCounters1", "/TMIB_UDPCounters"},
        {"SNMPCounters1", "/TMIB_SNMPCounters"},
        {"GeneralTable1", "/TIFMib_LastChangeTable"},
        {"dot3Statistics1", "/TEthernetLike_dot3StatsTable"},
        {"mmi8021dPortTable", "/TBridge_Port"},
        {"ForwardingTable1", "/TBridge_Forwarding"},
        {"StaticTable1", "/TBridge_StaticFilter"},
        {"PortCounters1", "/TBridge_TpPortInfo"},
        {"GMRP1", "/TVLan_GMRP"},
        {"Statistics1", "/TRmon_Statistics"},
        {"History1", "/TRmon_History"},
        {"AlarmEvent1", "/TRmon_AlarmEvent"},
        {"RIP2RFC17241", "/TLayer3_RIP2"},
        {"OSPFGeneral1", "/TLayer3_OSPF"},
        {"AreaInfo1", "/TLayer3_Area"},
        {"LsdbInfo1", "/TLayer3_lsdb"},
        {"NeighborInfo1", "/TLayer3_Neighbor"},
        {"IpMroute1", "/TLayer3_IPM"},
        {"DVMRP1", "/TLayer3_DVMRP"},
        {"PIMInfomation1", "/TLayer3_PIM"},
    };
    writeRegistry(OpenViewRegistry + "/opt/ov\n");
    TMainForm& f = start({"/I10.1.1.7", "/Rmardle", "/Wquillon", "/v1"});
    std::vector<Args> started;
    const ProgramStarter previous = SetProgramStarter([&](const std::string& program, const Args& arguments) {
        started.push_back(Joined({program}, arguments));
        return true;
    });
    int toolItems = 0;
    for (const TMenuItemDef* item = MainMenuItems; item->Name; ++item)
        toolItems += item->Kind == MENU_SIBLING_TOOL;
    for (const auto& [name, page] : pages) {
        SCOPED_TRACE(name);
        const TMenuItemDef* item = MainMenuItems;
        while (item->Name && std::string(item->Name) != name)
            ++item;
        ASSERT_NE(item->Name, nullptr);
        EXPECT_EQ(item->Kind, MENU_SIBLING_TOOL);
        started.clear();
        f.MenuItemClick(*item);
        ASSERT_EQ(started.size(), 1u);
        const std::string tool = std::string(page).substr(2, std::string(page).find('_') - 2);
        const std::string program = tool == "Layer3" ? "Layer3" : "/opt/ov/varnholt_ems/TRQ3100/" + tool + ".EXE";
        EXPECT_EQ(started[0], (Args{program, "/I10.1.1.7", "/Rmardle", "/Wquillon", page}));
    }
    SetProgramStarter(previous);
    EXPECT_EQ(toolItems, 27);
}

} // namespace
