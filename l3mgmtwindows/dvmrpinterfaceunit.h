#pragma once
// DVMRP interface window: multicast routing per IP interface (local address, metric, probe
// interval, neighbour time-out, state and error counters; the product MIB's DVMRP interface
// table, indexed by interface index). Rows are neither added nor deleted; the companion
// editor (dvmrpinterfaceedit.h), bound to this window's request, changes the selected one
// and writes itself through this window.
//
// Opened by "Layer 3 Management" > "DVMRP Interface" (owner: the main window), captioned
// by the menu handler. One asynchronous request reporting to the memo; Refresh is ignored
// while it is busy. A close stops the request and waits for it like every window's.
#include "dedicated/dedicatedform.h"
#include "ui_dvmrpinterfaceunit.h"

class TDvrmpInterfaceEditForm;

class TDvmrpInterfaceForm : public TDedicatedForm, public Ui::TDvmrpInterfaceForm {
    Q_OBJECT
public:
    explicit TDvmrpInterfaceForm(QWidget* owner);

    enum Column { InterfaceIndex, LocalAddress, Metric, Probe, NeighborTimeout, State, BadPackets, BadRoutes };

    TWindowRequest* Request = nullptr;
    TDvrmpInterfaceEditForm* Editor = nullptr;

    void GetButtonClick();
    void ButtonEditClick();
    void ListView1SelectItem();

protected:
    void FormCreate() override;
};

extern TDvmrpInterfaceForm* DvmrpInterfaceForm;
