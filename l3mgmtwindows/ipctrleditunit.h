#pragma once
// IP interface editor: the companion of the IP interface table window (ipctrlunit.h). Its
// controls are bound to the table window's request, so a selected row fills them. Add mode
// creates an interface (createAndGo, every writable column) after the product's interface
// rules: a unicast address, a class mask, a network of its own, a unique IF index and
// name, and at most a primary and then one secondary interface per VLAN. Edit mode writes
// the Admin State alone. The editor writes itself through the table window's request and
// closes; a refused check leaves it open with the user's entries.
#include <string>

#include "dedicated/dedicatedform.h"
#include "dedicated/ipv4text.h"
#include "ui_ipctrleditunit.h"

class TIpCtrlForm;
class QAbstractItemView;

class TIPCtrlEdtForm : public TCompanionEditor, public Ui::TIPCtrlEdtForm {
    Q_OBJECT
public:
    using Master = TIpCtrlForm;
    explicit TIPCtrlEdtForm(TIpCtrlForm* master);

    enum Mode { AddMode = 0, EditMode = 1 };
    void SetEditMode(int mode) { EditModeValue = mode; }
    int GetEditMode() const { return EditModeValue; }

    void btnSetClick();
    void btnCloseClick();

    bool CheckAddFields();
    bool CheckForEdit();

protected:
    // Each time the editor is shown (not on every activation: a message box closing must
    // not empty what the user typed).
    void showEvent(QShowEvent* event) override;

private:
    void PrepareForMode();
    bool CheckAddressAndMask();
    bool CheckIfIndex();
    bool CheckInterfaceName();
    bool CheckVlanAndSecondary();
    bool CheckChoices();
    bool Refused(const TIpv4Verdict& verdict);
    TIpCtrlForm* Table() const;
    int EditModeValue = AddMode;
};

extern TIPCtrlEdtForm* IPCtrlEdtForm;

// The interface rules of the add mode, on texts (the editor's checks call them; a verdict
// carries the message to show).
// The address: four decimal parts 0 to 255 of a unicast host (first part 1 to 223, not
// 127): "Please input valid IP Address.".
TIpv4Verdict CheckInterfaceAddress(const std::string& address);
// The mask: one of the class masks 255.0.0.0, 255.255.0.0, 255.255.255.0: "Please input
// valid Subnet Mask.".
TIpv4Verdict CheckInterfaceMask(const std::string& mask);
// The network is one of its own: no listed interface's subnet overlaps it (both compared
// under the shorter mask): "There is an same interface, please modify IP or Subnet Mask!".
TIpv4Verdict CheckNewSubnet(const std::string& address, const std::string& mask, const QAbstractItemView* interfaces);
