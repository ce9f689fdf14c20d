#pragma once
// MAC-based 802.1X statistics window, read-only: per supplicant MAC address and port, the
// EAPOL frame counters. Opened by "Security Management" > "802.1X" > "MAC Based
// Authentication" > "EAPOL  Frames Statistic Table" (owner: the main window), captioned by
// the menu handler. Synchronous walk; a failure (a time-out among them) is written to the
// memo, so that a failed refresh never looks like an empty table.
#include "l3mgmtwindows/readonlytableform.h"

class TMacStatisticTableForm : public TReadOnlyTableForm {
    Q_OBJECT
public:
    explicit TMacStatisticTableForm(QWidget* owner);
};

extern TMacStatisticTableForm* MacStatisticTableForm;
