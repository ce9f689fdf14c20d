#pragma once
// RADIUS server editor: the companion of the RADIUS server table window
// (radiusserverunit.h). Its controls are bound to the table window's request, so a selected
// row fills them; it writes through that request and stays open after a write, so that
// several servers can be added in one showing.
//
// Add creates the row in two writes, one after the other: createAndGo alone, and only once
// the switch has created the row, the values that differ from the switch's defaults with
// the status active; then the table is read again. Every check of those values runs before
// the first write; when the switch refuses the second, the new row is destroyed again and
// a message box says so. Edit writes the values that changed.
// Both refuse an address that is no dotted quad, loopback, broadcast, class D or class E,
// a value set that a row already has (so an unchanged Edit), and any write while the table
// window's request is busy ("Get data not complete").
#include <string>

#include "dedicated/dedicatedform.h"
#include "dedicated/ipv4text.h"
#include "ui_radiusservereditunit.h"

class TRadiusServerForm;

class TRadiusServerEditForm : public TCompanionEditor, public Ui::TRadiusServerEditForm {
    Q_OBJECT
public:
    using Master = TRadiusServerForm;
    explicit TRadiusServerEditForm(TRadiusServerForm* master);

    static constexpr int EditModeValue = 1;
    static constexpr int AddModeValue = 2;
    int EditMode = EditModeValue;

    void SetButtonClick();
    void CloseButtonClick();

    // The checks on the IP edit; each shows its own message and moves the focus there.
    bool CheckIpSyntax();
    bool CheckIpRange();
    // A row with the same address, key and ports (empty edits standing for the defaults);
    // shows "the variable is already exist".
    bool CheckDuplicate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate() override {}
    void PrepareForMode();
    void AddServer();
    void EditServer();
    bool Refused(const TIpv4Verdict& verdict);
    TRadiusServerForm* Table() const;
};

extern TRadiusServerEditForm* RadiusServerEditForm;

// The key of a server whose key is not set, as the switch lists it.
inline constexpr char DefaultRadiusKey[] = "";

// The address checks of the editor, on texts.
// A dotted quad, scanned character by character: "Please input a valid ip" for an octet of
// four or more digits before the last dot, "Please input a valid ip!" for anything else
// (not three dots, an empty octet, a character that is no digit or dot, an octet above 255,
// a zero written "00"). Leading zeros are decimal; at most 15 characters.
TIpv4Verdict CheckRadiusIpSyntax(const std::string& text);
// Not 255.255.255.255, not 127.*, not class D (224-239) or E (240-255), by the text's start.
TIpv4Verdict CheckRadiusIpRange(const std::string& text);
// The address of a text CheckRadiusIpSyntax accepts, as the switch shows it ("010.1.1.1"
// is "10.1.1.1").
std::string RadiusIpText(const std::string& text);
