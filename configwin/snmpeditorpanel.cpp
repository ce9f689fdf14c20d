#include "configwin/snmpeditorpanel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <vector>

#include "classlib/dialogs.h"
#include "classlib/events.h"
#include "configwin/ctrlbtnpanel.h"
#include "configwin/editspanel.h"
#include "platform/exception.h"
#include "platform/sysutils.h"
#include "snmplib/bind/request2edits.h"
#include "snmplib/expression.h"
#include "snmplib/snmperror.h"
#include "snmplib/textforms.h"

namespace {

// The button column a button belongs to.
TCtrlBtnPanel* ButtonsOf(QObject* sender, TCtrlBtnPanel* fallback)
{
    if (sender)
        if (auto* buttons = dynamic_cast<TCtrlBtnPanel*>(sender->parent()))
            return buttons;
    return fallback;
}

} // namespace

TSNMPEditorPanel::TSNMPEditorPanel(QWidget* owner, VhSNMPRequest2Edits* request)
    : TSNMPPanel(owner, nullptr, request)
{
    setObjectName("SNMPEditorPanel");
    EditsPanel = new TEditsPanel(InnerPanel, request);
    SetOnClick(ButtonPanel->SetCheckedButton, [this](QObject* sender) { SetCheckedClick(sender); });
    ButtonPanel->SetCheckedButton->setEnabled(false);
    SetOnClick(ButtonPanel->CheckAllButton, [this](QObject* sender) { CheckAllClick(sender); });
    SetOnClick(ButtonPanel->ClearChecksButton, [this](QObject* sender) { ClearChecksClick(sender); });
    EditsPanel->ArrangeCtrlBtn(ButtonPanel);
    SetContent(EditsPanel);
}

void TSNMPEditorPanel::SetEditWidth(int width)
{
    EditsPanel->SetEditWidth(width, ARRANGE_COLUMN);
    if (Content == EditsPanel)
        SetContent(EditsPanel);
    if (Form)
        AttachToForm(Form);
}

void TSNMPEditorPanel::SetCaptionWidth(int width)
{
    EditsPanel->SetCaptionWidth(width);
    if (Content == EditsPanel)
        SetContent(EditsPanel);
    if (Form)
        AttachToForm(Form);
}

void TSNMPEditorPanel::SetVarFormat(int row, const std::string& format)
{
    if (!Request || row < 0 || row >= EditsPanel->RowCount())
        return;
    UISnmpVar& r = EditsPanel->Rows[static_cast<std::size_t>(row)];
    Request->RemoveControls(row);
    switch (r.Kind) {
    case ROW_READONLY_EDIT:
    case ROW_WRITABLE_EDIT:
        Request->AddControlsFmt(row, format, r.ValueControl.data());
        r.Format = format;
        break;
    case ROW_WRITABLE_LIST: throw Exception("Can not set Var format to a ComboBox!");
    default: throw Exception("Unknow UI Control type!");
    }
}

bool TSNMPEditorPanel::SetChecked()
{
    if (!Request || Setting)
        return false;
    const QPointer<TSNMPEditorPanel> self(this);
    Setting = true;
    struct Reset {
        const QPointer<TSNMPEditorPanel>& Self;
        ~Reset()
        {
            if (Self)
                Self->Setting = false;
        }
    } reset{self};
    // A read still on its way would put the agent's values over the ones taken from the
    // controls: it ends first.
    if (!StopWalk(1000) || !self || !Request)
        return false;
    VhSNMPRequest2Edits* request = Request;
    VhSNMPVarList& list = request->Request.VarList;

    // The access words as the window left them; they are so again afterwards.
    std::vector<unsigned> saved;
    for (const auto& item : list.Items)
        saved.push_back(item->Access);
    const auto restore = [&list, &saved] {
        for (std::size_t i = 0; i < saved.size() && i < list.Items.size(); ++i)
            list.Items[i]->Access = saved[i];
    };

    // A typed text that is no value of its column's type is refused, naming the field:
    // read as a number or an address, it would write another value than the one typed.
    // (An empty one is for the check below.)
    const int count = std::min(list.Count(), EditsPanel->RowCount());
    for (int i = 0; i < count; ++i) {
        const UISnmpVar& row = EditsPanel->Rows[static_cast<std::size_t>(i)];
        const VhSNMPVarItem* item = list.GetItem(i);
        const QPointer<QLineEdit> edit = qobject_cast<QLineEdit*>(row.ValueControl.data());
        if (!edit || !row.CheckBox || !row.CheckBox->isChecked() || item->Options ||
            (item->Access & SNMP_ACCESS_INVALID) || edit->text().isEmpty() ||
            IsTypedValue(fromQt(edit->text()), item->Syntax))
            continue;
        MessageDlg(item->Caption + ": " + TypedValueHint(item->Syntax), mtWarning, mbOK);
        if (edit)
            edit->setFocus();
        return false;
    }

    request->LastOp = VHSNMP_LAST_SET;
    try {
        request->ControlsToVarList();
    } catch (const std::exception& e) {
        restore();
        ShowError(e);
        return false;
    }
    std::string empty; // the names of the ticked rows left empty
    for (int i = 0; i < count; ++i) {
        const QCheckBox* box = EditsPanel->Rows[static_cast<std::size_t>(i)].CheckBox;
        // A hidden row is never sent, whatever its box says: the user cannot see it.
        if (!box || !box->isChecked() || EditsPanel->IsHiddenVar(i))
            list.Items[static_cast<std::size_t>(i)]->Access |= SNMP_ACCESS_INVALID;
        else if (!(saved[static_cast<std::size_t>(i)] & SNMP_ACCESS_INVALID) && EditsPanel->IsEmpty(i))
            empty += (empty.empty() ? "" : ", ") + Trim(list.GetItem(i)->Caption);
    }
    if (!empty.empty()) {
        restore();
        MessageDlg("Some items are empty!\n" + empty, mtWarning, mbOK);
        return false;
    }
    const TExchangeResult result = RunExchange(TExchange::Set, [request] { request->Set(false, false); });
    if (result.Gone)
        return false; // the request and its list went with the window
    restore();
    return result.Succeeded();
}

void TSNMPEditorPanel::SetCheckedClick(QObject* sender)
{
    const QPointer<QObject> guard(sender);
    // Only a set the agent accepted closes an add or edit window: after a failure the
    // user still has what was typed.
    if (SetChecked() && guard && GetTag(guard) == 1)
        if (auto* widget = qobject_cast<QWidget*>(guard.data()))
            widget->window()->close();
}

void TSNMPEditorPanel::CheckAllClick(QObject* sender)
{
    for (int i = 0; i < EditsPanel->RowCount(); ++i) {
        QCheckBox* box = EditsPanel->Rows[static_cast<std::size_t>(i)].CheckBox;
        if (box && IsEnabledFlag(box) && !EditsPanel->IsHiddenVar(i))
            box->setChecked(true);
    }
    if (EditsPanel->CheckedCount() > 0)
        ButtonsOf(sender, ButtonPanel)->SetCheckedButton->setEnabled(true);
}

void TSNMPEditorPanel::ClearChecksClick(QObject* sender)
{
    for (UISnmpVar& row : EditsPanel->Rows)
        if (row.CheckBox && IsEnabledFlag(row.CheckBox))
            row.CheckBox->setChecked(false);
    if (EditsPanel->CheckedCount() == 0)
        ButtonsOf(sender, ButtonPanel)->SetCheckedButton->setEnabled(false);
}

void TSNMPEditorPanel::ReleaseRequest()
{
    TSNMPPanel::ReleaseRequest();
    EditsPanel->Request = nullptr;
}
