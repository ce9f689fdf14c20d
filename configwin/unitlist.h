#pragma once
// The chassis's installed units, for the windows that pick ports.
//
// The chassis view keeps one row per installed unit in its hidden report list view
// UnitListView (column 0 the unit id, 1 the unit's first port number, 2 the module's
// model name), read from the switch's unit table at start-up and at every chassis poll.
// It registers that view here, so that the port chooser and the port-list windows can read
// it without knowing the chassis view.
#include <string>

#include "snmplib/varlist.h"

class QTreeWidget;

// The switch's unit table, as the list is read from it: unit id, first port number, module
// name (the list's three columns).
extern const VhSNMPObjectDesc ChassisUnitTable[];

// Registers the unit list (null: none). The view is forgotten when it is destroyed.
void SetChassisUnitList(QTreeWidget* unitListView);
// The registered unit list, or null.
QTreeWidget* ChassisUnitList();

// Number of front-panel ports of a module model, compared without regard to case:
// "TRQ-3114" 12, "TRQ-3115" 8, "TRQ-3117" 12, "TRQ-3118" 16, "TRQ-3119" 12, "TRQ-3120" 24,
// "TRQ-3122" 2; 0 for the CPU module "TRQ-3112" and for every other name.
int GetModulePortCount(const std::string& moduleName);
