// The layers of the source tree, checked on the files themselves: no folder includes a
// header of a folder above it (the floors below; the dedicated window kit and the window
// folders know nothing of the main window); the QtCore-only code (the host-OS services,
// the library core and its engine, the value-label lists, the catalogue data) reaches no
// Qt Gui or Widgets header and no folder above it, directly or through the headers it
// includes; no file outside the engine layer reaches net-snmp; and the window tests that
// build without the main window include nothing of it.
// The build enforces most of it (the core's targets link QtCore only, checked below on
// this very binary); this test names the file and the include that break a rule.
#include <link.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "configwin/optionlists.h"
#include "mainwin/catalogue.h"
#include "snmplib/snmpinit.h"

namespace fs = std::filesystem;

namespace {

// One #include of a file: the name and whether it was written <...>.
struct Include {
    std::string Name;
    bool Angle = false;
};

using Tree = std::map<std::string, std::vector<Include>>; // file (relative) -> includes

std::vector<Include> ParseIncludes(const std::string& text)
{
    static const std::regex directive(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<Include> out;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (std::regex_search(line, m, directive))
            out.push_back({m[2].str(), m[1].str() == "<"});
    }
    return out;
}

bool StartsWith(const std::string& s, const std::string& prefix) { return s.compare(0, prefix.size(), prefix) == 0; }
bool EndsWith(const std::string& s, const std::string& suffix)
{
    return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Files that must build with QtCore alone.
bool IsQtCoreOnly(const std::string& file)
{
    if (StartsWith(file, "platform/") || StartsWith(file, "snmplib/engine/"))
        return true;
    if (StartsWith(file, "snmplib/") && file.find('/', 8) == std::string::npos)
        return true; // the core: snmplib's own files, not bind/
    return StartsWith(file, "configwin/optionlists.") || StartsWith(file, "mainwin/catalogue.") ||
           StartsWith(file, "mainwin/catalogue/") || file == "mainwin/menukinds.h";
}

// The floors of the tree, bottom first: a file includes headers of its own folder and of
// the floors below its own, never of a floor above nor of another folder of its floor.
// The README's source-tree table names the same order.
const std::vector<std::vector<std::string>> Floors = {
    {"platform/"},
    {"classlib/"},
    {"snmplib/engine/"},
    {"snmplib/"},
    {"snmplib/bind/"},
    {"configwin/"},
    {"chassis/"},
    {"dedicated/"},
    {"l2windows/", "l3mgmtwindows/"},
    {"mainwin/"},
    {"fuzz/"}, // test infrastructure: reaches what it fuzzes
};

// The folder of a file (the longest of the floors' folders it lies in) and its floor;
// -1 for a file in none of them.
int FloorOf(const std::string& file, std::string* folder = nullptr)
{
    int floor = -1;
    std::size_t length = 0;
    for (std::size_t f = 0; f < Floors.size(); ++f)
        for (const std::string& prefix : Floors[f])
            if (StartsWith(file, prefix) && prefix.size() > length) {
                floor = static_cast<int>(f);
                length = prefix.size();
                if (folder)
                    *folder = prefix;
            }
    return floor;
}

// Project headers a QtCore-only file may include: QtCore-only files themselves.
bool IsQtCoreOnlyHeader(const std::string& header) { return IsQtCoreOnly(header); }

class Checker {
public:
    // qtCoreDir: the folder of QtCore's headers (.../QtCore).
    Checker(Tree tree, std::string qtCoreDir) : tree_(std::move(tree)), qtCore_(std::move(qtCoreDir)) {}

    // Every broken rule, as "file: reason".
    std::vector<std::string> Problems()
    {
        std::vector<std::string> out;
        for (const auto& [file, includes] : tree_) {
            const bool coreOnly = IsQtCoreOnly(file);
            const bool engine = StartsWith(file, "snmplib/engine/");
            std::string folder;
            const int floor = FloorOf(file, &folder);
            if (floor < 0)
                out.push_back(file + ": lies in no floor of the tree (tests/layers names them)");
            for (const Include& inc : includes) {
                std::string incFolder;
                const int incFloor = inc.Angle || !tree_.count(inc.Name) ? -1 : FloorOf(inc.Name, &incFolder);
                if (floor >= 0 && incFloor >= 0 && incFolder != folder && incFloor >= floor)
                    out.push_back(file + ": includes \"" + inc.Name + "\" of a folder " +
                                  (incFloor > floor ? "above it" : "of its own floor") + " (" + incFolder + ")");
                if (coreOnly && !inc.Angle && IsProjectHeader(inc.Name) && !IsQtCoreOnlyHeader(inc.Name))
                    out.push_back(file + ": includes \"" + inc.Name + "\" of a layer above the QtCore-only code");
                if (coreOnly) {
                    std::vector<std::string> path;
                    if (const std::string q = FirstNonCoreQt(inc, path); !q.empty())
                        out.push_back(file + ": reaches the Qt header <" + q + "> (beyond QtCore)" + Via(path));
                }
                if (!engine) {
                    std::vector<std::string> path;
                    if (const std::string n = FirstNetSnmp(inc, path); !n.empty())
                        out.push_back(file + ": reaches the net-snmp header <" + n + "> outside snmplib/engine" +
                                      Via(path));
                }
            }
        }
        return out;
    }

private:
    bool IsProjectHeader(const std::string& name) const { return tree_.count(name) > 0 || StartsWith(name, "ui_"); }

    static std::string Via(const std::vector<std::string>& path)
    {
        std::string text;
        for (const std::string& p : path)
            text += (text.empty() ? " through \"" : " -> \"") + p + "\"";
        return text;
    }

    // A Qt header of a module other than QtCore: "QtWidgets/QLabel", "QLabel", a form's
    // generated layout "ui_x.h" (Widgets).
    bool IsNonCoreQt(const Include& inc) const
    {
        if (!inc.Angle)
            return StartsWith(inc.Name, "ui_");
        const std::size_t slash = inc.Name.find('/');
        if (slash != std::string::npos) {
            const std::string module = inc.Name.substr(0, slash);
            return StartsWith(module, "Qt") && module != "QtCore";
        }
        if (inc.Name.empty() || inc.Name[0] != 'Q')
            return false;
        return !fs::exists(fs::path(qtCore_) / inc.Name);
    }

    // Follows project headers depth first; returns the first offending header and fills
    // path with the project headers that lead to it.
    std::string Search(const Include& inc, std::vector<std::string>& path, const std::function<bool(const Include&)>& bad,
                       std::set<std::string>& seen) const
    {
        if (bad(inc))
            return inc.Name;
        if (inc.Angle || !tree_.count(inc.Name) || !seen.insert(inc.Name).second)
            return std::string();
        path.push_back(inc.Name);
        for (const Include& next : tree_.at(inc.Name))
            if (const std::string found = Search(next, path, bad, seen); !found.empty())
                return found;
        path.pop_back();
        return std::string();
    }

    std::string FirstNonCoreQt(const Include& inc, std::vector<std::string>& path) const
    {
        std::set<std::string> seen;
        return Search(inc, path, [this](const Include& i) { return IsNonCoreQt(i); }, seen);
    }

    std::string FirstNetSnmp(const Include& inc, std::vector<std::string>& path) const
    {
        std::set<std::string> seen;
        // Headers of the engine may include net-snmp only where no file outside includes them.
        return Search(inc, path, [](const Include& i) { return i.Angle && StartsWith(i.Name, "net-snmp/"); }, seen);
    }

    Tree tree_;
    std::string qtCore_;
};

std::string QtCoreDir() { return TRQ_QTCORE_INCLUDE_DIR; }

// The product's sources: every folder of the tree but the test infrastructure and the
// build folders.
Tree ReadTree(const fs::path& root)
{
    static const std::set<std::string> skipped = {"tests", "sim", "bench", "cmake", "scripts", "forms", "errmsg"};
    Tree tree;
    for (const fs::directory_entry& top : fs::directory_iterator(root)) {
        const std::string name = top.path().filename().string();
        if (!top.is_directory() || name.empty() || name[0] == '.' || skipped.count(name) || StartsWith(name, "build"))
            continue;
        for (const fs::directory_entry& e : fs::recursive_directory_iterator(top.path())) {
            const std::string file = e.path().string();
            if (!e.is_regular_file() || !(EndsWith(file, ".h") || EndsWith(file, ".cpp")))
                continue;
            std::ifstream in(e.path(), std::ios::binary);
            std::stringstream text;
            text << in.rdbuf();
            tree[fs::relative(e.path(), root).string()] = ParseIncludes(text.str());
        }
    }
    return tree;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& l : lines)
        text += l + "\n";
    return text;
}

TEST(Layers, TheTreeKeepsThem)
{
    const char* source = std::getenv("TRQ_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const Tree tree = ReadTree(source);
    ASSERT_GT(tree.count("snmplib/request.cpp"), 0u);
    ASSERT_GT(tree.count("snmplib/engine/snmp.cpp"), 0u);
    const std::vector<std::string> problems = Checker(tree, QtCoreDir()).Problems();
    EXPECT_TRUE(problems.empty()) << Joined(problems);
}

// Deliberate bad includes, each in a small tree of its own.
TEST(Layers, ABadIncludeIsNamed)
{
    const struct {
        const char* label;
        Tree tree;
        const char* problem; // part of a problem expected, or null for none
    } cases[] = {
        {"a widget in the core", {{"snmplib/request.cpp", {{"QWidget", true}}}}, "reaches the Qt header <QWidget>"},
        {"a module path", {{"platform/files.cpp", {{"QtGui/QColor", true}}}}, "<QtGui/QColor>"},
        {"QtCore is fine", {{"snmplib/request.cpp", {{"QObject", true}, {"QtCore/QTimer", true}, {"vector", true}}}},
         nullptr},
        {"a layer above",
         {{"snmplib/varlist.cpp", {{"classlib/beep.h", false}}}, {"classlib/beep.h", {}}},
         "includes \"classlib/beep.h\""},
        {"through a header",
         {{"configwin/optionlists.cpp", {{"snmplib/x.h", false}}}, {"snmplib/x.h", {{"QLabel", true}}}},
         "<QLabel> (beyond QtCore) through \"snmplib/x.h\""},
        {"a generated layout", {{"mainwin/catalogue/basic.cpp", {{"ui_about.h", false}}}}, "\"ui_about.h\""},
        {"widgets above the core are fine", {{"configwin/editspanel.cpp", {{"QWidget", true}}}}, nullptr},
        {"the kit reaches the main window",
         {{"dedicated/units.cpp", {{"mainwin/mainunit.h", false}}}, {"mainwin/mainunit.h", {}}},
         "dedicated/units.cpp: includes \"mainwin/mainunit.h\" of a folder above it (mainwin/)"},
        {"a layer-2 window reaches the main window",
         {{"l2windows/portcontrolunit.cpp", {{"mainwin/formtable.h", false}}}, {"mainwin/formtable.h", {}}},
         "includes \"mainwin/formtable.h\" of a folder above it"},
        {"a management window reaches the main window",
         {{"l3mgmtwindows/ipctrlunit.h", {{"mainwin/mainunit.h", false}}}, {"mainwin/mainunit.h", {}}},
         "includes \"mainwin/mainunit.h\" of a folder above it"},
        {"the chassis view reaches the kit",
         {{"chassis/powerform.cpp", {{"dedicated/units.h", false}}}, {"dedicated/units.h", {}}},
         "includes \"dedicated/units.h\" of a folder above it"},
        {"one window folder reaches the other",
         {{"l3mgmtwindows/x.cpp", {{"l2windows/y.h", false}}}, {"l2windows/y.h", {}}},
         "of a folder of its own floor (l2windows/)"},
        {"the class library reaches the SNMP library",
         {{"classlib/dialogs.cpp", {{"snmplib/varlist.h", false}}}, {"snmplib/varlist.h", {}}},
         "of a folder above it (snmplib/)"},
        {"down the floors and in its own folder is fine",
         {{"mainwin/menudispatch.cpp",
           {{"dedicated/dedicatedform.h", false}, {"chassis/powerform.h", false}, {"mainwin/menutable.h", false}}},
          {"dedicated/dedicatedform.h", {{"snmplib/varlist.h", false}, {"dedicated/columnmask.h", false}}},
          {"chassis/powerform.h", {}},
          {"mainwin/menutable.h", {}},
          {"snmplib/varlist.h", {}},
          {"dedicated/columnmask.h", {}}},
         nullptr},
        {"a folder in no floor", {{"newfolder/x.cpp", {}}}, "newfolder/x.cpp: lies in no floor"},
        {"net-snmp in the engine", {{"snmplib/engine/snmp.cpp", {{"net-snmp/net-snmp-includes.h", true}}}}, nullptr},
        {"net-snmp in a window",
         {{"l2windows/portcontrolunit.cpp", {{"net-snmp/net-snmp-includes.h", true}}}},
         "reaches the net-snmp header"},
        {"net-snmp through an engine header",
         {{"snmplib/request.cpp", {{"snmplib/engine/pdu.h", false}}},
          {"snmplib/engine/pdu.h", {{"net-snmp/library/snmp.h", true}}}},
         "through \"snmplib/engine/pdu.h\""},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> problems = Checker(c.tree, QtCoreDir()).Problems();
        if (!c.problem) {
            EXPECT_TRUE(problems.empty()) << c.label << ":\n" << Joined(problems);
            continue;
        }
        const bool named = std::any_of(problems.begin(), problems.end(),
                                       [&](const std::string& p) { return p.find(c.problem) != std::string::npos; });
        EXPECT_TRUE(named) << c.label << ":\n" << Joined(problems);
    }
}

// ---- The window tests without the main window ----

// The first include, followed through the test-support headers it reaches, that belongs to
// the main window (a header of mainwin/ or of its tests, tests/mainwin/), with the headers
// that lead to it; "" when there is none. Quoted includes resolve as the tests' include
// paths do: the file's own folder, the tree, tests/ and its support and window-world folders.
std::string MainWindowInclude(const fs::path& root, const fs::path& file, std::set<fs::path>& seen, std::string& via)
{
    if (!seen.insert(file).second)
        return std::string();
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    for (const Include& inc : ParseIncludes(text.str())) {
        if (inc.Angle)
            continue;
        if (StartsWith(inc.Name, "mainwin/") || fs::exists(root / "tests/mainwin" / inc.Name))
            return inc.Name;
        for (const fs::path& folder : {file.parent_path(), root / "tests/support", root / "tests/dedicated"}) {
            const fs::path header = folder / inc.Name;
            if (!fs::exists(header))
                continue;
            if (const std::string found = MainWindowInclude(root, header, seen, via); !found.empty()) {
                via = inc.Name + (via.empty() ? "" : " -> " + via);
                return found;
            }
            break;
        }
    }
    return std::string();
}

std::vector<std::string> MainWindowIncludes(const fs::path& root, const std::vector<fs::path>& files)
{
    std::vector<std::string> out;
    for (const fs::path& file : files) {
        std::set<fs::path> seen;
        std::string via;
        if (const std::string found = MainWindowInclude(root, file, seen, via); !found.empty())
            out.push_back(fs::relative(file, root).string() + ": includes \"" + found + "\"" +
                          (via.empty() ? "" : " through \"" + via + "\""));
    }
    return out;
}

// The sources of the window tests that build without the main window (tests/CMakeLists.txt
// lists them) include nothing of it.
TEST(Layers, TheWindowTestsIncludeNothingOfTheMainWindow)
{
    const char* source = std::getenv("TRQ_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    std::ifstream list(TRQ_WITHOUT_MAINWIN_SOURCES);
    std::vector<fs::path> files;
    for (std::string line; std::getline(list, line);)
        if (EndsWith(line, ".cpp") || EndsWith(line, ".h"))
            files.emplace_back(line);
    ASSERT_FALSE(files.empty()) << TRQ_WITHOUT_MAINWIN_SOURCES;
    const std::vector<std::string> problems = MainWindowIncludes(source, files);
    EXPECT_TRUE(problems.empty()) << Joined(problems);
}

TEST(Layers, AWindowTestThatIncludesTheMainWindowIsNamed)
{
    const fs::path root = fs::temp_directory_path() / ("trq-layers-" + std::to_string(::getpid()));
    fs::create_directories(root / "tests/mainwin");
    fs::create_directories(root / "tests/dedicated");
    fs::create_directories(root / "tests/l2windows");
    const auto write = [&](const char* name, const char* text) { std::ofstream(root / name) << text; };
    write("tests/mainwin/mainsim.h", "");
    write("tests/dedicated/world.h", "#include \"mainsim.h\"\n");
    write("tests/dedicated/clean.h", "#include \"dedicated/units.h\"\n#include <QWidget>\n");
    write("tests/l2windows/a_test.cpp", "#include \"mainwin/mainunit.h\"\n");
    write("tests/l2windows/b_test.cpp", "#include \"clean.h\"\n#include \"world.h\"\n");
    write("tests/l2windows/c_test.cpp", "#include \"clean.h\"\n");
    const std::vector<std::string> problems =
        MainWindowIncludes(root, {root / "tests/l2windows/a_test.cpp", root / "tests/l2windows/b_test.cpp",
                                  root / "tests/l2windows/c_test.cpp"});
    fs::remove_all(root);
    EXPECT_EQ(problems, (std::vector<std::string>{
                            "tests/l2windows/a_test.cpp: includes \"mainwin/mainunit.h\"",
                            "tests/l2windows/b_test.cpp: includes \"mainsim.h\" through \"world.h\"",
                        }));
}

// This binary links the QtCore-only targets and nothing else of the program: none of them
// brings a library of Qt's Gui or Widgets modules with it.
TEST(Layers, TheCoreTargetsLinkQtCoreOnly)
{
    // Referenced, so that the libraries are linked for certain.
    EXPECT_NE(&VhSNMPInit, nullptr);
    EXPECT_NE(&FindCatalogueRecord, nullptr);
    EXPECT_GT(DisabledEnabledList.Count(), 0);

    std::vector<std::string> loaded;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            static_cast<std::vector<std::string>*>(data)->push_back(info->dlpi_name ? info->dlpi_name : "");
            return 0;
        },
        &loaded);
    bool core = false;
    for (const std::string& name : loaded) {
        core = core || name.find("libQt6Core") != std::string::npos;
        EXPECT_EQ(name.find("libQt6Gui"), std::string::npos) << name;
        EXPECT_EQ(name.find("libQt6Widgets"), std::string::npos) << name;
    }
    EXPECT_TRUE(core);
}

} // namespace
