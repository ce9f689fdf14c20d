#pragma once
// Port security delete: asks the switch to forget one address that port security has
// locked, given by VLAN name, port (unit and position) and MAC address; Set writes them with
// the action "start". Opened by "Layer 2 Management" > "Port Management" > "Port Security
// Management" > "Port Security Delete" (owner: the application), captioned by the menu
// handler. One synchronous scalar request; messages in panel 0 of the status bar, failures
// as the request's result line. Units 1 to 9 (the CPU unit's included) are ports' units.
#include <vector>

#include "dedicated/dedicatedform.h"
#include "dedicated/units.h"
#include "ui_portsecuritylock.h"

class TPrtSecDelCtrlForm : public TDedicatedForm, public Ui::TPrtSecDelCtrlForm {
    Q_OBJECT
public:
    explicit TPrtSecDelCtrlForm(QWidget* owner);

    TWindowRequest* Request = nullptr;
    std::vector<TUnitRecord> Units;

    void btnRefreshClick();
    void btnSetClick();

protected:
    void FormCreate() override;

private:
    void ShowPort();
    void ReadUnits();
};

extern TPrtSecDelCtrlForm* PrtSecDelCtrlForm;
