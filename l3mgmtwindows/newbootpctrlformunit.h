#pragma once
// New BOOTP relay entry: the companion of the BOOTP relay window (bootctrltableformunit.h),
// bound to its request. "Set" adds one DHCP server to an interface (state valid), at most
// four per interface, for an interface name short enough to fit the row's instance and a
// server address that is a host's (a dotted quad; not 0.0.0.0, broadcast, loopback or
// multicast); it writes through the window's request, empties its edits and closes. A
// refusal leaves it open.
#include <string>

#include "dedicated/dedicatedform.h"
#include "ui_newbootpctrlformunit.h"

class TBOOTCtrlTableForm;
class QAbstractItemView;

class TNewBootpCtrlForm : public TCompanionEditor, public Ui::TNewBootpCtrlForm {
    Q_OBJECT
public:
    using Master = TBOOTCtrlTableForm;
    explicit TNewBootpCtrlForm(TBOOTCtrlTableForm* master);

    void DeleteBtnClick();
    void BitBtn1Click();

protected:
    // Each time the editor is shown (not on every activation: a message box closing must
    // not empty what the user typed).
    void showEvent(QShowEvent* event) override;

private:
    TBOOTCtrlTableForm* Table() const;
};

extern TNewBootpCtrlForm* NewBootpCtrlForm;

// The servers an interface already has: the rows whose interface name (row caption) is
// exactly the name.
int BootpServerCount(const QAbstractItemView* relays, const std::string& interfaceName);
