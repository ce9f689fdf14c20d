#include "dedicated/windowrequest.h"

#include <utility>

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QStackedWidget>

#include <algorithm>

#include "dedicated/columnmask.h"
#include "dedicated/dedicatedform.h"
#include "platform/exception.h"
#include "platform/sysutils.h"
#include "snmplib/snmperror.h"
#include "snmplib/textforms.h"

namespace {

const char* const NotDone = "(NOTDONE)";
const char* const NullText = "(NULL)";

bool IsNumberSyntax(unsigned syntax)
{
    switch (syntax) {
    case SNMP_SYNTAX_INTEGER:
    case SNMP_SYNTAX_COUNTER:
    case SNMP_SYNTAX_GAUGE:
    case SNMP_SYNTAX_UINTEGER:
    case SNMP_SYNTAX_COUNTER64:
        return true;
    default:
        return false;
    }
}

bool IsWholeNumber(const std::string& text, bool sign)
{
    std::size_t at = sign && !text.empty() && text[0] == '-' ? 1 : 0;
    if (at == text.size())
        return false;
    for (; at < text.size(); ++at)
        if (text[at] < '0' || text[at] > '9')
            return false;
    return true;
}

// The value a column's text stands for: the value of a label, the text itself otherwise.
std::string RawValue(const VhSNMPVarItem& item)
{
    return item.Options ? item.Options->TextToValue(item.Value) : item.Value;
}

bool HasSelectedRow(const QAbstractItemView* view)
{
    return view && view->selectionModel() && !view->selectionModel()->selectedRows().isEmpty();
}

std::string KeyMessage(const VhSNMPVarItem& item, const std::string& text)
{
    return text.empty() ? item.Caption + " is empty." : item.Caption + " \"" + text + "\" is not a valid index.";
}

// A column whose edit text must be a typed value of its syntax to be sent: numbers,
// addresses and object identifiers (what is left is written as it stands, or as hex text).
bool NeedsTypedValue(const VhSNMPVarItem& item)
{
    const VhTypedForm::Kind form = TypedFormOf(item.Syntax).Form;
    return !item.Options && form != VhTypedForm::Any && form != VhTypedForm::Hex;
}

} // namespace

bool UserTypesInto(const QLineEdit* edit)
{
    if (!edit || !edit->isEnabled() || edit->isReadOnly())
        return false;
    // Hidden by the window (a panel it never shows); the pages of a tab or stack that are
    // not in front are still the user's.
    for (const QWidget* w = edit; w && !w->isWindow(); w = w->parentWidget())
        if (w->isHidden() && !qobject_cast<const QStackedWidget*>(w->parentWidget()))
            return false;
    return true;
}

std::string FieldName(const VhSNMPVarItem& item) { return Trim(item.Caption); }

bool IsValueText(unsigned syntax, const std::string& text)
{
    if (text == NotDone)
        return false;
    if (IsNumberSyntax(syntax))
        return IsWholeNumber(text, syntax == SNMP_SYNTAX_INTEGER);
    return true;
}

TWindowRequest::TWindowRequest(QWidget* owner) : VhSNMPRequest2Edits(owner)
{
    OnGetComplete = [this](VhSNMPRequest2Controls*, VhSNMPError* error) {
        Ended(LastRead, *error);
        RunWindowHandler(OnEndOfRead, *error);
    };
    OnSetComplete = [this](VhSNMPRequest2Controls*, VhSNMPError* error) {
        Ended(LastWrite, *error);
        // The set is sent: what follows (the read again) reads every column.
        if (ActiveMask)
            ActiveMask->Restore();
        RunWindowHandler(OnEndOfWrite, *error);
    };
}

void TWindowRequest::RunWindowHandler(const std::function<void(const VhSNMPError&)>& handler,
                                      const VhSNMPError& error)
{
    if (!handler)
        return;
    const auto copy = handler; // the handler may replace itself
    // As a handler of the kit's window: its failure goes to the window's message target.
    if (auto* window = qobject_cast<TKitDialog*>(Owner.data()))
        window->RunHandler([&] { copy(error); });
    else
        copy(error);
}

void TWindowRequest::Ended(TExchangeOutcome& outcome, const VhSNMPError& error)
{
    outcome.Ended = true;
    outcome.Code = error.Code;
    outcome.Message = error.Message;
}

void TWindowRequest::RaiseFailure(const TExchangeOutcome& outcome) const
{
    if (outcome.Ended && outcome.Code != VHSNMP_OK)
        throw Exception(outcome.Message, outcome.Code);
}

void TWindowRequest::BeforeGet()
{
    LastRead = {false, 0, {}};
    ++ReadCount;
    VhSNMPRequest2Edits::BeforeGet();
}

void TWindowRequest::BeforeSet()
{
    LastWrite = {false, 0, {}};
    VhSNMPRequest2Edits::BeforeSet();
}

void TWindowRequest::OnGetError(VhSNMPError* error)
{
    if (!Synchronous) {
        VhSNMPRequest2Edits::OnGetError(error);
        return;
    }
    LastOp = 0; // the kit raises it to the window instead
}

void TWindowRequest::OnSetError(VhSNMPError* error)
{
    if (!Synchronous) {
        VhSNMPRequest2Edits::OnSetError(error);
        return;
    }
    LastOp = 1;
}

bool TWindowRequest::IsBound(int column) const
{
    for (const auto& binding : Bindings)
        if (binding->Column == column && !binding->Removed)
            return true;
    return false;
}

// The text of an edit that alone holds a number, address or object identifier column,
// when that text is no value of the column's type (the binding would make one of it: "1x"
// reads as 1, "" as 0, 3000000000 as a negative INTEGER, "abc" as the null value); typed
// tells whether the user can type into that edit.
bool TWindowRequest::EditHoldsNoValue(int column, std::string& text, bool& typed) const
{
    const VhSNMPVarItem& item = *Request.VarList.GetItem(column);
    if (!NeedsTypedValue(item))
        return false;
    for (const auto& binding : Bindings) {
        if (binding->Removed || binding->Column != column || !binding->IsWhole(item) || binding->Controls.size() != 1)
            continue;
        const auto* edit = qobject_cast<const QLineEdit*>(binding->Controls[0].data());
        if (!edit)
            continue;
        text = fromQt(edit->text());
        typed = UserTypesInto(edit);
        if (!IsTypedValue(text, item.Syntax))
            return true;
    }
    return false;
}

void TWindowRequest::ControlsToVarList()
{
    if (BeforeControlsUsed)
        BeforeControlsUsed();
    const bool keysFromRow = std::exchange(KeysFromSelectedRow, false);
    VhSNMPVarList& list = Request.VarList;
    const bool table = list.ListType != SVT_SV && list.ListType != MVT_SV;
    const int keys = table ? list.KeyCount : 0;
    const bool rowSelected = HasSelectedRow(ListView);
    std::vector<int> noNumber;
    for (int i = 0; i < list.Count(); ++i) {
        std::string text;
        bool typed = false;
        if (!EditHoldsNoValue(i, text, typed))
            continue;
        if (i < keys && !(keysFromRow && rowSelected))
            throw Exception(KeyMessage(*list.GetItem(i), text), VHSNMP_ERR_BAD_PARTIAL_VALUE);
        // A field the user emptied is not dropped from the set without a word.
        if (i >= keys && typed && text.empty() && list.IsWritable(i) && !(list.GetItem(i)->Access & SNMP_ACCESS_INVALID))
            throw Exception(FieldName(*list.GetItem(i)) + " is empty.", VHSNMP_ERR_BAD_PARTIAL_VALUE);
        noNumber.push_back(i);
    }
    std::vector<bool> withoutChoice; // the combo boxes and radio groups that show no choice
    for (const auto& item : list.Items)
        withoutChoice.push_back(item->Access & SNMP_ACCESS_INVALID);
    VhSNMPRequest2Edits::ControlsToVarList();
    for (int i = 0; i < list.Count(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        withoutChoice[at] = !withoutChoice[at] && (list.GetItem(i)->Access & SNMP_ACCESS_INVALID) && IsBound(i);
    }

    if (keysFromRow && rowSelected) {
        std::vector<std::string> values;
        for (const auto& item : list.Items)
            values.push_back(item->Value);
        ReadSelectedRow();
        for (int i = keys; i < list.Count(); ++i)
            list.Items[static_cast<std::size_t>(i)]->Value = values[static_cast<std::size_t>(i)];
    }
    // A key addresses the row: one that is no value of its column would address another.
    for (int i = 0; i < keys; ++i) {
        const VhSNMPVarItem& item = *list.GetItem(i);
        const std::string raw = RawValue(item);
        if (raw.empty() || raw == NullText || !IsValueText(item.Syntax, raw))
            throw Exception(KeyMessage(item, raw), VHSNMP_ERR_BAD_PARTIAL_VALUE);
    }
    int sent = 0;
    std::string withoutValue; // the bound fields left out, for the refusal of an empty set
    for (int i = keys; i < list.Count(); ++i) {
        if (withoutChoice[static_cast<std::size_t>(i)])
            withoutValue += (withoutValue.empty() ? "" : ", ") + FieldName(*list.GetItem(i));
        if (!list.IsWritable(i) || (list.GetItem(i)->Access & SNMP_ACCESS_INVALID))
            continue;
        const VhSNMPVarItem& item = *list.GetItem(i);
        bool chosen = IsValueText(item.Syntax, RawValue(item)) &&
                      std::find(noNumber.begin(), noNumber.end(), i) == noNumber.end();
        // A column without a control is written with what the selected row shows, and only
        // when the row shows a value.
        if (chosen && !IsBound(i))
            chosen = rowSelected && !item.Value.empty() && item.Value != NullText;
        if (!chosen) {
            if (IsBound(i))
                withoutValue += (withoutValue.empty() ? "" : ", ") + FieldName(item);
            LeaveOut(i);
            continue;
        }
        ++sent;
    }
    if (sent == 0)
        throw Exception("Nothing to set: no column holds a value to write" +
                            (withoutValue.empty() ? std::string() : " (" + withoutValue + " without a value)") + ".",
                        VHSNMP_ERR_BAD_PARTIAL_VALUE);
}

void TWindowRequest::ShowRow()
{
    if (!ListView && BeforeControlsUsed)
        BeforeControlsUsed();
    VhSNMPRequest2Edits::ShowRow();
}

void TWindowRequest::ListViewSelect(QObject* sender, int item, bool selected)
{
    if (BeforeControlsUsed)
        BeforeControlsUsed();
    const std::weak_ptr<int> alive = AliveToken();
    try {
        VhSNMPRequest2Edits::ListViewSelect(sender, item, selected);
    } catch (const std::exception& e) {
        if (!alive.expired())
            Report(e.what());
    }
    if (alive.expired() || !OnSelection)
        return;
    // A change of row comes as the old row's deselection and then the new row's
    // selection: the window hears of it once.
    if (!selected && HasSelectedRow(ListView))
        return;
    const auto handler = OnSelection;
    handler(selected);
}
