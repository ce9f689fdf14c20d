// The sibling MIB tools of the host platform: a tool started on one page for the managed
// switch, with the same credentials.
//
// The command line is an argument vector, one element per option with its value, and the
// tool is started without a shell, so a community or pass phrase holding blanks, quotes or
// another option's letters reaches the tool as one value.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "configwin/optionlists.h"
#include "mainwin/mainunit.h"
#include "platform/launch.h"
#include "platform/registry.h"
#include "platform/sysutils.h"

namespace {

// The tools that HP OpenView keeps in the module's own folder under its OV_PATH.
const char* const OpenViewTools[] = {"EthernetLike", "IFMib", "MIB", "Bridge", "VLan", "Rmon"};

// What the registry says about where the host keeps its tools.
struct TToolLookup {
    std::string FullPath; // the tool's program under HP OpenView, or ""
    std::string Status;   // the status text to show, or ""
};

TToolLookup LookUpTool(const std::string& tool)
{
    TToolLookup found;
    try {
        TRegistry registry;
        registry.RootKey = HKEY_LOCAL_MACHINE;
        if (registry.KeyExists("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\pelmora5.exe") ||
            registry.KeyExists("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\pelmora51.exe"))
            return found; // Pelmora: the tools lie beside the module
        if (registry.OpenKey("\\SOFTWARE\\Hewlett-Packard\\OpenView", false)) {
            const std::string path = registry.ReadString("OV_PATH");
            registry.CloseKey();
            if (path.empty())
                found.Status = "OpenView : File Path Error!";
            else if (std::find(std::begin(OpenViewTools), std::end(OpenViewTools), tool) != std::end(OpenViewTools))
                found.FullPath = path + "/varnholt_ems/" + ProductName + "/" + tool + ".EXE";
        } else {
            found.Status = "No Path!";
        }
    } catch (const std::exception&) {
        // The tool is started all the same, found through the module's folder.
    }
    return found;
}

bool IsFile(const std::string& name)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(name, ec);
}

// The program to start when the registry gives no full path: the tool in the module's
// folder (as it is named, or with the host's ".EXE"), else the bare name, which the
// launcher looks up in PATH.
std::string ToolProgram(const std::string& tool)
{
    const std::string folder = ExecutableFolder();
    for (const std::string& name : {folder + tool, folder + tool + ".EXE"})
        if (IsFile(name))
            return name;
    return tool;
}

} // namespace

std::vector<std::string> TMainForm::BuildToolCommandLine(const std::string& page)
{
    // "/TMIB_IFTable" names the tool "MIB".
    const std::string tool = page.size() > 2 ? page.substr(2, page.find('_', 2) - 2) : std::string();
    const TToolLookup lookup = LookUpTool(tool);
    if (!lookup.Status.empty())
        ShowNotice(lookup.Status);

    std::vector<std::string> args = {lookup.FullPath.empty() ? ToolProgram(tool) : lookup.FullPath,
                                     "/I" + DeviceAddress, "/R" + ReadCommunity, "/W" + WriteCommunity, page};
    if (VhSNMPDefaults.Security.Version == 3 || (CfgFileFound && Version == "3")) {
        // Without a settings file or a "/t", the port is the one the switch is managed on.
        args.push_back("/t" + (AgentPort.empty() ? IntToStr(VhSNMPDefaults.Device.Port) : AgentPort));
        args.push_back("/v" +
                       (Version.empty() ? IntToStr(static_cast<int8_t>(VhSNMPDefaults.Security.Version)) : Version));
        args.push_back("/d" + ContextEngineID);
        args.push_back("/m" + SecurityModel);
        args.push_back("/n" + SecurityName);
        // The other settings only when the settings file or the command line gave them.
        const TSnmpV3OptionSet& given = SnmpV3OptionSet;
        if (given.ContextName && !ContextName.empty())
            args.push_back("/c" + ContextName);
        if (given.SecurityLevel && !SecurityLevel.empty())
            args.push_back("/l" + SecurityLevel);
        if (given.AuthProtocol && !AuthProtocol.empty())
            args.push_back("/a" + AuthProtocol);
        if (given.AuthPassword)
            args.push_back("/A" + AuthPassword);
        if (given.PrivProtocol && !PrivProtocol.empty())
            args.push_back("/p" + PrivProtocol);
        if (given.PrivPassword)
            args.push_back("/P" + PrivPassword);
    }
    return args;
}

void TMainForm::LaunchMibTool(const std::string& page)
{
    // The tool runs on its own: nothing waits for it. One that cannot be started is named
    // after the host's status text, which stays until the user's next action: otherwise
    // the item would seem to do nothing.
    try {
        const std::vector<std::string> args = BuildToolCommandLine(page);
        const unsigned started = WinExec(args, SW_SHOW);
        if (started > 31)
            return;
        const std::string tool = page.size() > 2 ? page.substr(2, page.find('_', 2) - 2) : std::string();
        const std::string& program = args.front();
        const std::string where = program.find('/') == std::string::npos
                                      ? "neither beside the program nor on the PATH"
                                      : "no " + program;
        const std::string why = started == ERROR_FILE_NOT_FOUND
                                    ? "The tool \"" + tool + "\" is not installed (" + where + ")."
                                    : "The tool \"" + tool + "\" (" + program + ") cannot be started.";
        ShowNotice(NoticeText().empty() ? why : NoticeText() + " " + why);
    } catch (const std::exception&) {
    }
}
