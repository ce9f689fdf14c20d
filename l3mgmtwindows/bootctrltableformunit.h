#pragma once
// BOOTP/DHCP relay window: for each interface, by name, the DHCP servers it relays to (the
// product MIB's relay table, indexed by interface name and server address, with a state
// column: valid(3) creates a row, invalid(2) removes it). The companion editor
// (newbootpctrlformunit.h), bound to this window's request, adds a server to an interface
// and writes itself through this window; Delete removes the selected server here.
//
// Opened by "Layer 3 Management" > "DHCP Relay Control Table" (owner: the main window),
// captioned by the menu handler. One asynchronous request reporting to the memo. Refresh is
// ignored while busy, Delete refuses with "Get data not complete"; Delete is disabled after
// every read and every Add until a row is selected again.
#include "dedicated/dedicatedform.h"
#include "ui_bootctrltableformunit.h"

class TNewBootpCtrlForm;

class TBOOTCtrlTableForm : public TDedicatedForm, public Ui::TBOOTCtrlTableForm {
    Q_OBJECT
public:
    explicit TBOOTCtrlTableForm(QWidget* owner);

    enum Column { InterfaceName, ServerIp, State };

    TWindowRequest* Request = nullptr;
    TNewBootpCtrlForm* Editor = nullptr;

    void RefreshBtnClick();
    void DeleteBtnClick();
    void AddBtnClick();
    void CloseBtnClick();
    void ListView1SelectItem();

protected:
    void FormCreate() override;
};

extern TBOOTCtrlTableForm* BOOTCtrlTableForm;
