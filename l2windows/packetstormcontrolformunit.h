#pragma once
// Packet storm control: which ports recover by themselves after a packet storm (every
// port of every unit, the CPU unit's included) and which storm events the switch reports
// as traps, written together in one set. Opened by "Layer 2 Management" > "Traffic Control
// Management" > "Traffic Control" (owner: the application; caption "Traffic Control: " +
// the address). One synchronous scalar request with a 3 s time-out; Refresh and Set do
// nothing while it is not idle; after a failed read Set refuses ("Get data not complete")
// until a read succeeds. Messages in panel 0 of the status bar.
#include "dedicated/dedicatedform.h"
#include "dedicated/portgrids.h"
#include "ui_packetstormcontrolformunit.h"

class TPacketStormControlForm : public TDedicatedForm, public Ui::TPacketStormControlForm {
    Q_OBJECT
public:
    explicit TPacketStormControlForm(QWidget* owner);

    TWindowRequest* Request = nullptr;
    TPortGrids* Grids = nullptr;

    void btnGetClick();
    void btnSetClick();
    void btnCloseClick();

protected:
    void FormCreate() override;
};

extern TPacketStormControlForm* PacketStormControlForm;
