#pragma once
// MAC-based 802.1X diagnostics window, read-only: per supplicant MAC address and port, how
// often the authenticator's state machine entered or left each state. Opened by "Security
// Management" > "802.1X" > "MAC Based Authentication" > "Diagnostics Information" (owner:
// the main window), captioned by the menu handler. Synchronous walk; a failure is written to
// the memo. Does not grow with large fonts.
#include "l3mgmtwindows/readonlytableform.h"

class TDiagnosticsInformationForm : public TReadOnlyTableForm {
    Q_OBJECT
public:
    explicit TDiagnosticsInformationForm(QWidget* owner);
};

extern TDiagnosticsInformationForm* DiagnosticsInformationForm;
