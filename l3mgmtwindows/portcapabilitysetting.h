#pragma once
// 802.1X port capability window, read-only: one row per port with its number and whether
// the port can act as an 802.1X authenticator ("Capability") or not ("None"). Opened by
// "Security Management" > "802.1X" > "Port Capability" (owner: the application), captioned
// by the menu handler. Asynchronous; Refresh does nothing while the walk runs; messages in
// panel 0 of the status bar.
#include "l3mgmtwindows/readonlytableform.h"

class TPortCapabilityForm : public TReadOnlyTableForm {
    Q_OBJECT
public:
    explicit TPortCapabilityForm(QWidget* owner);

    // The text shown for a Capabilities cell: "Capability" when the authenticator bit (bit
    // 0, mask 0x80 of the first octet) of the value is set, "None" when it is clear, the
    // text itself when it is one of those two, else empty.
    static std::string CapabilityLabel(const std::string& text);

protected:
    std::string CellLabel(int column, const std::string& text) const override;
};

extern TPortCapabilityForm* PortCapabilityForm;
