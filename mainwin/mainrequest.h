#pragma once
// The main window's request on the RMON state object, shown in a static text.
#include "snmplib/varlist.h"

class QLabel;
class QWidget;
class VhSNMPRequest2Edits;

// "RMON State": integer, read-write, labels "disabled" (2) and "enabled" (3).
extern const VhSNMPObjectDesc RmonStateTable[];

// Creates the request owned by owner on RmonStateTable (scalar group, no keys), in
// asynchronous mode, with column 0 shown in label. A failed read shows nothing itself:
// its OnGetComplete hears of it.
VhSNMPRequest2Edits* CreateMainRequest(QWidget* owner, QLabel* label);
// Starts reading the RMON state into the label; raises the library's exception when it
// cannot be sent.
void GetMainRequest(VhSNMPRequest2Edits* request);
// Stops the request, waits until it is idle and deletes it.
void DeleteMainRequest(VhSNMPRequest2Edits* request);
