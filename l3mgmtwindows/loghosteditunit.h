#pragma once
// Syslog host editor: the companion of the syslog host table window (systemloghostunit.h).
// Its controls are bound to the table window's request, so a selected row fills them. Add
// mode creates a server (createAndGo) at a chosen index; edit mode writes the selected
// server's fields. Both check the UDP port (514, or 6000 to 65535) and the address, and
// refuse an address another server already has. The editor writes itself through the
// table window's request and stays open; the table is read again after the reply. Its
// messages go to the table window's memo.
#include <string>

#include "dedicated/dedicatedform.h"
#include "dedicated/ipv4text.h"
#include "ui_loghosteditunit.h"

class TSystemLogHostForm;

class TLogHostEditForm : public TCompanionEditor, public Ui::TLogHostEditForm {
    Q_OBJECT
public:
    using Master = TSystemLogHostForm;
    explicit TLogHostEditForm(TSystemLogHostForm* master);

    enum Mode { EditMode = 1, AddMode = 2 };
    int32_t mode = EditMode;

    void SetButtonClick();
    void CloseButtonClick();

    bool CheckUdpPort() const;
    bool CheckIpAddress() const;

protected:
    // Each time the editor is shown (not on every activation: a message box closing must
    // not reset what the user entered).
    void showEvent(QShowEvent* event) override;

private:
    void AddRow();
    void EditRow();
    bool Refuse(QWidget* focus, const char* message);
    // The checks of the port and address both writes make; false (said) when one fails.
    bool PortAndAddressPass();
    bool AddressUsedByAnotherRow(const std::string& address, int ownRow) const;
    void LeaveOutUnfilled(TColumnMask& mask) const;
    TSystemLogHostForm* Table() const;
};

extern TLogHostEditForm* LogHostEditForm;

// The UDP port of a syslog server: 514, or 6000 to 65535.
bool IsSyslogUdpPort(const std::string& text);
// The address of a syslog server: four decimal parts 0 to 255, at most 16 characters;
// 0.0.0.0 and classes A to C, but neither the loopback network, nor 255.255.255.255, nor
// classes D (224-239) and E (240-255).
TIpv4Verdict CheckSyslogAddress(const std::string& text);
