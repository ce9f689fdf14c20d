#pragma once
// Routing table window, read-only: the switch's CIDR forwarding table (ipCidrRouteTable,
// four index columns), the selected route's index values in four edits below the list.
// Opened by "Layer 3 Management" > "CIDR (RFC2096)" (owner: the main window), captioned by
// the menu handler. Asynchronous; Refresh does nothing while the walk runs; messages in
// panel 0 of the status bar; a row count beside Refresh.
#include "l3mgmtwindows/readonlytableform.h"

class TExpandIPForm : public TReadOnlyTableForm {
    Q_OBJECT
public:
    explicit TExpandIPForm(QWidget* owner);
};

extern TExpandIPForm* ExpandIPForm;
