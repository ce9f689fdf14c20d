// The chassis refresh command, still to be built: bound to its menu item, it does nothing yet.
#include "mainwin/mainunit.h"

void TMainForm::RefreshPanel1Click() {}
