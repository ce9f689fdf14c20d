// The program entry: the host platform starts the module with the switch's address and
// SNMP credentials on the command line.
#include <string>
#include <vector>

#include "classlib/application.h"
#include "mainwin/mainunit.h"
#include "mainwin/windowsnapshot.h"

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("trq3100"));
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    try {
        TMainForm::Create(arguments);
        if (!application.Terminated()) {
            MainForm->show();
            StartWindowSnapshots(MainForm, qEnvironmentVariable(SNAPSHOT_VARIABLE), SNAPSHOT_INTERVAL_MS);
        }
        application.Run();
    } catch (const std::exception& e) {
        ShowException(e);
    }
    delete MainForm;
    return 0;
}
