// The menu commands whose work is still to be built: the sibling MIB tools, the device
// actions "Save Changes" and "Reboot" and the help file. Each is bound
// to its menu item already and does nothing yet.
#include "mainwin/mainunit.h"

void TMainForm::LaunchMibTool(const std::string&) {}

void TMainForm::SaveChanges1Click() {}

void TMainForm::Reboot1Click() {}

void TMainForm::Help2Click() {}

