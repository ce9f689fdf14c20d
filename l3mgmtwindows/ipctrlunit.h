#pragma once
// IP interface table window: the switch's IP interfaces (the product MIB's IP interface
// table, one row per address: a primary and at most one secondary per VLAN, and the
// "System" interface). Adds an interface and changes an interface's admin state through
// the companion editor (ipctrleditunit.h), whose controls are bound to this window's
// request; deletes one here.
//
// Opened by "Layer 3 Management" > "IP Management" > "IP Control Table", captioned by the
// menu handler. One asynchronous request reports to panel 0 of the status bar. Refresh
// does nothing while the table is being read; Add and Delete refuse with "Get data not
// complete" then, so that their rules never look at half a table. Delete sends the State
// column alone (destroy) for the selected row's address; the "System" interface cannot be
// deleted, nor a primary interface while its VLAN still has a secondary one.
#include "dedicated/dedicatedform.h"
#include "ui_ipctrlunit.h"

class TIPCtrlEdtForm;

class TIpCtrlForm : public TDedicatedForm, public Ui::TIpCtrlForm {
    Q_OBJECT
public:
    explicit TIpCtrlForm(QWidget* owner);

    enum Column { IpAddress, IfIndex, InterfaceName, SubnetMask, VlanName, Mode, Secondary, State, OperState, AdminState };

    TWindowRequest* Request = nullptr;
    TIPCtrlEdtForm* Editor = nullptr;

    void btnRefreshClick();
    void btnAddClick();
    void btnDelClick();
    void btnEditClick();
    void btnStopClick();
    void btnCloseClick();
    void ListView1SelectItem();

    // The delete rules, on the selected row; shows the refusal's message.
    bool CanDeleteSelected();

protected:
    void FormCreate() override;

private:
    void AfterEditorClosed();
};

extern TIpCtrlForm* IpCtrlForm;

// The IP interface table (list type MVT_UMV, key count 1), also read by the static route
// window to check a default route's next hop.
extern const VhSNMPObjectDesc IpCtrlTable[];
