// The program entry: the host platform starts the module with the switch's address and
// SNMP credentials on the command line.
//
// "--help", "-h" or "/?" prints the options and ends with status 0, before anything needs
// a screen. A start-up error (no or a bad address, a number that is not one) is shown in
// its box and written to standard error, and the program ends with status 1.
#include <cstdio>
#include <string>
#include <vector>

#include "classlib/application.h"
#include "classlib/dialogs.h"
#include "mainwin/mainunit.h"
#include "mainwin/startup.h"
#include "mainwin/windowsnapshot.h"

namespace {

std::vector<std::string> Arguments(int argc, char** argv)
{
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    if (IsUsageRequest(Arguments(argc, argv))) {
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }

    TApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("trq3100"));
    // What the toolkit leaves of the arguments (it takes its own, such as -platform).
    const std::vector<std::string> arguments = Arguments(argc, argv);
    bool failed = false;
    // Until the main window stands, a box may have nobody to read it (a host that starts
    // the program unattended): its text goes to standard error as well.
    SetMessageEcho(true);
    try {
        TMainForm::Create(arguments);
        failed = application.Terminated();
        SetMessageEcho(false);
        if (!application.Terminated()) {
            MainForm->show();
            StartWindowSnapshots(MainForm, qEnvironmentVariable(SNAPSHOT_VARIABLE), SNAPSHOT_INTERVAL_MS);
        }
        application.Run();
    } catch (const std::exception& e) {
        failed = failed || !MainForm;
        ShowException(e);
    }
    SetMessageEcho(false);
    delete MainForm;
    return failed ? 1 : 0;
}
