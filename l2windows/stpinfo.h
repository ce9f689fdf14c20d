#pragma once
// Spanning tree bridge settings: the protocol version, the bridge timers, the MSTP hop
// limit, the transmit hold count, BPDU forwarding and loopback detection with its recover
// time. Opened by "Bridge" > "Spanning Tree" > "STP Control " (owner: the main window); the
// window captions itself "Spanning Tree Control : " + the address. One synchronous request
// (3 s) with its messages in panel 0 of the status bar. The values are checked against
// their ranges and the two timer rules before the set, each with its own message. Hello
// Time is edited in a visible edit and written through a hidden one; with MSTP it is
// neither checked nor written.
#include "dedicated/dedicatedform.h"
#include "ui_stpinfo.h"

class TSTP_Info : public TDedicatedForm, public Ui::TSTP_Info {
    Q_OBJECT
public:
    explicit TSTP_Info(QWidget* owner);

    TWindowRequest* Request = nullptr;

    void BT_GetClick();
    void BT_SetClick();
    void Combo_STPVersionChange();

    // 2 (MSTP), 1 (RSTP), 0 (STP) from the chosen entry's text, the entry's index for
    // another text, -1 with none chosen.
    int CurrentStpVersion() const;
    // With MSTP Hello Time is read-only and disabled; otherwise writable, and "200" when
    // reset is set.
    void UpdateHelloTimeEdit(bool reset);

protected:
    void FormCreate() override;

private:
    void CopyHelloTime();
    void StatusText(const std::string& text);
    // The checks before a set, in their order; false (with the message shown) at the first
    // that fails.
    bool CheckInput();
};

extern TSTP_Info* STP_Info;
