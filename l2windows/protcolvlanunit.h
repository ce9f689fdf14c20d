#pragma once
// Protocol VLAN window: the enterprise protocol VLAN table, one row per VLAN ID with its
// name, the protocol that classifies frames into the VLAN (a fixed protocol, or a
// user-defined protocol number with its encapsulation), the advertisement state and the
// row status. A row is typed or selected in the controls below the list and written with
// Add, Edit or Delete.
//
// Opened by "VLAN" > "Protocol VLAN" (owner: the application), captioned by the menu
// handler. One synchronous request (each read and write has ended when the call returns;
// the message loop runs meanwhile) reports to the status bar. While it is not idle, Refresh
// does nothing and Add, Edit and Delete refuse with "Get data not complete". Every write
// leaves out the columns the user gave no value, and is followed by a read of the table.
#include "dedicated/dedicatedform.h"
#include "ui_protcolvlanunit.h"

class TProtocolVlanForm : public TDedicatedForm, public Ui::TProtocolVlanForm {
    Q_OBJECT
public:
    explicit TProtocolVlanForm(QWidget* owner);

    TWindowRequest* ProtocolVlanRequest = nullptr;

    void GetClick();
    void AddClick();
    void EditClick();
    void DeleteClick();
    void ListView1Click();
    void ProtocolTypeChange();
    void ClearEditors();

protected:
    void FormCreate() override;

private:
    // Leaves out of the next write the columns the user gave no value.
    void LeaveOutOptional(TColumnMask& mask);
    // Writes with the columns the mask leaves out, reads the table again and returns to
    // the state without a row.
    void WriteFrame(const std::function<void(TColumnMask&)>& leaveOut);
    void NoRowState();
};

extern TProtocolVlanForm* ProtocolVlanForm;
