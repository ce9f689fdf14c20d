#pragma once
// OSPF host editor: the companion of the OSPF host table window (hosttableformunit.h),
// bound to its request. Edit mode (a selected host) writes the ticked columns of Metric and
// Area ID with the row's status; add mode creates a host (createAndGo) keyed by the address
// entered and type of service 0, with the ticked columns. The editor writes itself through
// the table window's request and stays open; "Close" ends it.
#include <string>

#include "dedicated/dedicatedform.h"
#include "dedicated/ipv4text.h"
#include "ui_hosttableformeditunit.h"

class THostTableForm;

class THostTableEditForm : public TCompanionEditor, public Ui::THostTableEditForm {
    Q_OBJECT
public:
    using Master = THostTableForm;
    explicit THostTableEditForm(THostTableForm* master);

    enum TMode { EditMode = 1, AddMode = 2 };
    int Mode = AddMode; // set by the table window before it opens the editor

    void SetButtonClick();
    void CheckAllButtonClick();
    void ClearButtonClick();
    void CloseButtonClick();

protected:
    // Each time the editor is shown (not on every activation: a message box closing must
    // not empty what the user typed).
    void showEvent(QShowEvent* event) override;

private:
    void PrepareForMode();
    bool CheckTicked(const char* metricMessage);
    void WriteHost();
    bool Fail(const std::string& message, QWidget* focus);
    THostTableForm* Table() const;
};

extern THostTableEditForm* HostTableEditForm;

// The host addresses the table refuses: 255.255.255.255 and 0.0.0.0 ("you can't input
// this IP address"), 127.* ("you can't input ip address like 127.*.*.*"), a text without a
// dot or whose first part is no number or lies in 224..255, and any other address that is
// no host address (IsHostAddress, such as 0.1.2.3) ("Please input a valid ip").
TIpv4Verdict CheckHostAddress(const std::string& text);
// A dotted address of four parts 0 to 255, at most 15 characters, a part of value 0 written
// "0": "Please input a valid IP" otherwise (host addresses and area IDs).
TIpv4Verdict CheckDottedQuad(const std::string& text);
