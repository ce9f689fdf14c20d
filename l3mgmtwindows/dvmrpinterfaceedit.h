#pragma once
// DVMRP interface editor: the companion of the DVMRP interface window
// (dvmrpinterfaceunit.h), bound to its request, so the selected interface fills it. "Set"
// writes local address, metric, probe, neighbour time-out and state of that interface
// after the rules (a metric, a probe and a neighbour time-out larger than the probe), with
// the table read again after the reply, and closes; a refused rule leaves it open.
#include <string>

#include "dedicated/dedicatedform.h"
#include "ui_dvmrpinterfaceedit.h"

class TDvmrpInterfaceForm;

class TDvrmpInterfaceEditForm : public TCompanionEditor, public Ui::TDvrmpInterfaceEditForm {
    Q_OBJECT
public:
    using Master = TDvmrpInterfaceForm;
    explicit TDvrmpInterfaceEditForm(TDvmrpInterfaceForm* master);

    void ButtonSetClick();

protected:
    void FormActivate() override;

private:
    bool Fail(const std::string& message, QWidget* focus);
    TDvmrpInterfaceForm* Table() const;
};

extern TDvrmpInterfaceEditForm* DvrmpInterfaceEditForm;

// The probe and neighbour time-out rule on the edits' texts: both present
// ("Probe can not be null", "Neighbor Timeout can not be null"), the time-out larger than
// the probe ("Neighbor Timeout should be larger than Probe"); empty when they pass.
std::string DvmrpTimerRefusal(const std::string& probe, const std::string& timeout);
