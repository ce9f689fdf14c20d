#pragma once
// AAA server information window: the switch's authentication server hosts, one row per
// server address and protocol (TACACS, XTACACS, TACACS+, RADIUS), with port, key, time-out
// and retry count. The table, its editors and its buttons share the window.
//
// Opened by "Security Management" > "AAC" > "Server Information"; the window captions
// itself, then the menu handler's caption replaces it. One synchronous request: every
// handler has finished its exchange (write, then read) when it returns; result lines and
// failures show in panel 0 of the status bar. After every operation the editors return to
// the no-row state (address, protocol and Add enabled; Edit and Delete disabled; the
// address and value edits emptied).
//
// Add sends the filled columns with createAndGo for the address and protocol; an address
// that is no dotted quad, or a pair that a row has, is refused. Edit sends the filled
// columns of the selected row, or deletes it when its row status shows "destroy"; Delete
// sends the row status alone.
#include "dedicated/dedicatedform.h"
#include "ui_serverinfounit.h"

class TServerInformationForm : public TDedicatedForm, public Ui::TServerInformationForm {
    Q_OBJECT
public:
    explicit TServerInformationForm(QWidget* owner);

    enum Column { ServerIp, Protocol, Port, Key, Timeout, Retry, RowStatus };
    static constexpr int CreateAndGoItem = 3;
    static constexpr int DestroyItem = 5;

    TWindowRequest* Request = nullptr;

    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void ListView1Click();

protected:
    void FormCreate() override;

private:
    void Reset();
    void ClearEditors();
    void Failed(const std::exception& e);
    // The address and protocol are set and the address is a dotted quad (written back as
    // the switch shows it); otherwise the refusal's message, and the focus moves there.
    bool CheckKeys();
    // Leaves out each value column whose edit is empty.
    void LeaveOutEmpty(TColumnMask& mask) const;
    void DeleteSelected();
};

extern TServerInformationForm* ServerInformationForm;
