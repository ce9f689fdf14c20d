#include "l3mgmtwindows/dvmrpinterfaceedit.h"

#include <optional>

#include "classlib/colors.h"
#include "classlib/dialogs.h"
#include "classlib/panel.h"
#include "dedicated/numbertext.h"
#include "l3mgmtwindows/dvmrpinterfaceunit.h"

TDvrmpInterfaceEditForm* DvrmpInterfaceEditForm = nullptr;

std::string DvmrpTimerRefusal(const std::string& probe, const std::string& timeout)
{
    // An empty value would be written as 0: the switch would never probe nor time out.
    if (probe.empty())
        return "Probe can not be null";
    if (timeout.empty())
        return "Neighbor Timeout can not be null";
    const std::optional<int64_t> p = NumberOfText(probe);
    const std::optional<int64_t> t = NumberOfText(timeout);
    if (p && t && *t <= *p)
        return "Neighbor Timeout should be larger than Probe";
    return {};
}

TDvrmpInterfaceEditForm::TDvrmpInterfaceEditForm(TDvmrpInterfaceForm* master) : TCompanionEditor(master)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(ButtonSet, &TDvrmpInterfaceEditForm::ButtonSetClick);
    FormActivate();
}

TDvmrpInterfaceForm* TDvrmpInterfaceEditForm::Table() const { return static_cast<TDvmrpInterfaceForm*>(MasterForm()); }

void TDvrmpInterfaceEditForm::FormActivate()
{
    InterfaceIndexEdit->setEnabled(false);
    BadPacketsEdit->setReadOnly(true);
    BadRoutesEdit->setReadOnly(true);
    // Read-only edits show the face colour, as the windowing system draws them.
    for (QLineEdit* edit : {AddressEdit, BadPacketsEdit, BadRoutesEdit})
        SetControlColors(edit, clBlack, clBtnFace);
}

bool TDvrmpInterfaceEditForm::Fail(const std::string& message, QWidget* focus)
{
    ShowMessage(message);
    if (focus && focus->isEnabled() && focus->isVisible())
        focus->setFocus();
    return false;
}

void TDvrmpInterfaceEditForm::ButtonSetClick()
{
    TDvmrpInterfaceForm* table = Table();
    if (!table || !table->Request) {
        reject();
        return;
    }
    if (MetricEdit->text().isEmpty()) {
        Fail("Metric can not be null", MetricEdit);
        return;
    }
    const std::string probe = ProbeEdit->text().toStdString();
    const std::string timeout = TimeoutEdit->text().toStdString();
    const std::string refusal = DvmrpTimerRefusal(probe, timeout);
    if (!refusal.empty()) {
        Fail(refusal, timeout.empty() && !probe.empty() ? TimeoutEdit : ProbeEdit);
        return;
    }
    if (table->RefuseWhileBusy({table->Request}))
        return;
    // The interface the user picked, whatever the edits show.
    if (table->Write(table->Request, true, true))
        accept();
}
