#pragma once
// Layer-2 control window: nine device-wide settings of the enterprise MIB (IGMP snooping,
// snooping for multicast routers only, RMON, clear all counters, the VLAN whose
// forwarding database is shown, the web and telnet servers with their TCP ports), each
// with a check box; "Set Checked" writes the checked values only.
//
// Opened by "Layer 2 Management" > "Layer2 Control" (owner: the application), captioned
// by the menu handler. Three synchronous requests (the states, the web port, the telnet
// port) report to the memo; while one is busy the buttons do nothing. A port is read and
// written only while its server is enabled. A write is read back; a port whose box is
// clear is read, and read again after a pause that lets the switch restart the server.
// When the window closes, the main window follows the RMON state in its RMON menus.
#include "dedicated/dedicatedform.h"
#include "ui_layer2controlunit.h"

class TLayer2ControlForm : public TDedicatedForm, public Ui::TLayer2ControlForm {
    Q_OBJECT
public:
    explicit TLayer2ControlForm(QWidget* owner);

    TWindowRequest* StateRequest = nullptr;
    TWindowRequest* WebPortRequest = nullptr;
    TWindowRequest* TelnetPortRequest = nullptr;

    // The pause between the two reads of a port (milliseconds): under SNMPv3 and otherwise.
    static inline int PortPauseV3Ms = 1500;
    static inline int PortPauseMs = 800;

    void GetButtonClick();
    void SetButtonClick();
    void CheckButtonClick();
    void ClearButtonClick();
    void CloseButtonClick();
    void WebStateComBoChange();
    void TelStateComBoChange();

protected:
    void FormCreate() override;
    void FormClose() override;

private:
    struct TServerRow {
        QComboBox* State;
        QLineEdit* Port;
        QCheckBox* PortBox;
        TWindowRequest* Request;
    };
    TServerRow WebRow() const;
    TServerRow TelnetRow() const;

    bool Ready() const;
    void ReadAll();
    void FollowState(const TServerRow& row);
    void ReadPortTwice(const TServerRow& row);
    void WritePort(const TServerRow& row);
    void CheckRows(bool checked);

    bool Pausing = false; // between the two reads of a port
};

extern TLayer2ControlForm* Layer2ControlForm;
