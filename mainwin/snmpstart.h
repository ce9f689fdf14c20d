#pragma once
// Starting the SNMP access library for the main window: the engine with its boots counter
// in the current directory and the event timer. Raises the library's exception when the
// engine cannot start.
void StartSnmpLibrary();
