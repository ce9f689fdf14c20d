#pragma once
// Port mirroring: the target port, the source ports whose received (ingress) and sent
// (egress) traffic is copied to it, and whether mirroring is on, written in one set. Opened
// by "Layer 2 Management" > "Port Mirror Table" (owner: the application); the window
// captions itself "Port Mirror Table:" + the address. One synchronous scalar request;
// messages in panel 0 of the status bar, failures as the request's result line. The target
// is entered as unit and port (units 1 to 9, the CPU unit's included); a target that is
// also a source is refused before anything is sent.
#include "dedicated/dedicatedform.h"
#include "dedicated/portgrids.h"
#include "ui_portmirror.h"

class TPortMirrorForm : public TDedicatedForm, public Ui::TPortMirrorForm {
    Q_OBJECT
public:
    explicit TPortMirrorForm(QWidget* owner);

    TWindowRequest* Request = nullptr;
    TPortGrids* Grids = nullptr; // ingress, egress
    bool Edited = false;         // the unit or port was typed in since the last read or write

    void BT_RefreshClick();
    void BT_SetClick();

protected:
    void FormCreate() override;

private:
    void ShowTarget();
    // The target port from the unit and port edits; false (with the message shown) when
    // they name none.
    bool TargetFromEdits();
};

extern TPortMirrorForm* PortMirrorForm;
