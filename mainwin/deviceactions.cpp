// The commands of the main window that act at once: "Save Changes" and "Reboot", each one
// confirmed set of one object, and "Help", the product's help file.
#include <QApplication>
#include <QPointer>

#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

#include "configwin/optionlists.h"
#include "mainwin/mainunit.h"
#include "classlib/dialogs.h"
#include "platform/exception.h"
#include "platform/launch.h"
#include "classlib/help.h"
#include "snmplib/bind/request2controls.h"
#include "snmplib/request.h"

namespace {

const VhSNMPObjectDesc SaveConfigureObjects[] = {
    {"1.3.6.1.4.1.32473.12.1.2.6", "Save Configure", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &IdleSetList},
    {},
};
const VhSNMPObjectDesc SystemResetObjects[] = {
    {"1.3.6.1.4.1.32473.12.1.2.3", "System Reset", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &ColdStartNoResetList},
    {},
};

} // namespace

const TDeviceAction SaveChangesAction = {"Are you sure?\nIt will spend a lot time !\nPlease wait !",
                                         "Device Save Changes", SaveConfigureObjects, "3", MB_ICONINFORMATION};
// A cold start cuts every port off: the question carries the warning icon.
const TDeviceAction RebootAction = {"Are you sure?", "Device Reboot", SystemResetObjects, "2", MB_ICONWARNING};

void TMainForm::SaveChanges1Click() { RunDeviceAction(SaveChangesAction); }

void TMainForm::Reboot1Click() { RunDeviceAction(RebootAction); }

void TMainForm::RunDeviceAction(const TDeviceAction& action)
{
    // One action at a time: the window stays usable while the switch answers.
    if (deviceActionRunning_)
        return;
    // Enter answers Cancel: the switch is written only when OK is chosen.
    if (MessageBoxA(this, action.Question, action.Caption, MB_OKCANCEL | action.Icon | MB_DEFBUTTON2) != IDOK)
        return;

    struct TRunning {
        QPointer<TMainForm> Form;
        explicit TRunning(TMainForm* form) : Form(form)
        {
            Form->deviceActionRunning_ = true;
            QApplication::setOverrideCursor(Qt::WaitCursor);
        }
        ~TRunning()
        {
            QApplication::restoreOverrideCursor();
            if (Form)
                Form->deviceActionRunning_ = false;
        }
    } running(this);

    const auto request = std::make_unique<VhSNMPRequest>();
    request->VarList = VhSNMPVarList(action.Objects, SVT_SV, 0);
    request->Timeout = DeviceActionTimeout;
    request->VarList.GetItem(0)->Value = action.Value;
    // The set is sent asynchronously and waited for while the message loop runs, so that a
    // silent switch holds up nothing but this command.
    const auto outcome = std::make_shared<std::optional<VhSNMPError>>();
    request->SetAsync(VhSNMPCompletion([outcome](const VhSNMPError& error, VhSNMPVarList&) { *outcome = error; }),
                      false, "", nullptr);
    PumpWhile([&] { return !outcome->has_value() && request->Pending > 0; });
    if (outcome->has_value() && (*outcome)->Code != 0)
        throw Exception((*outcome)->Message, (*outcome)->Code);
}

void TMainForm::Help2Click()
{
    const std::string path = ExecutableFolder() + HelpFileName;
    const bool opened = WinHelpA(this, path, HELP_CONTENTS, 0);
    std::error_code ec;
    std::string problem;
    if (!std::filesystem::is_regular_file(path, ec))
        problem = "The help file \"" + path + "\" cannot be found.";
    else if (!opened)
        problem = "No program is registered to open the help file \"" + path + "\".";
    if (!problem.empty())
        MessageBoxA(this, problem, ExecutableFileName(), MB_OK | MB_ICONWARNING);
}
