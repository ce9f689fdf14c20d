#include "l3mgmtwindows/summertime.h"

#include <QCheckBox>
#include <QPushButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "classlib/dialogs.h"
#include "classlib/panel.h"
#include "configwin/ctrlbtnpanel.h"
#include "configwin/editspanel.h"
#include "configwin/msgpanel.h"
#include "configwin/optionlists.h"
#include "configwin/snmpeditorpanel.h"
#include "dedicated/formregistration.h"
#include "dedicated/numbertext.h"

TSummerTimeForm* SummerTimeForm = nullptr;
TRQ_DEFINE_FORM(TSummerTimeForm, SummerTimeForm)

namespace {

const VhSNMPObjectDesc SummerTimeTable[] = {
    {"1.3.6.1.4.1.32473.12.10.12.1", "Summer Time Status", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &DisableRepeatingAnnualList},
    {"1.3.6.1.4.1.32473.12.10.12.2", "Summer Time Offset", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.10.12.3", "Repeat Summer Time Start", SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.10.12.4", "Repeat Summer Time End", SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.10.12.5", "Annual Summer Time Start", SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.10.12.6", "Annual Summer Time End", SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READWRITE},
    {nullptr},
};

// The fields of the date octet strings.
constexpr VhOptionPair MonthPairs[] = {
    {1, "Jan"}, {2, "Feb"}, {3, "Mar"}, {4, "Apr"}, {5, "May"}, {6, "Jun"}, {7, "Jul"},
    {8, "Aug"}, {9, "Sep"}, {10, "Oct"}, {11, "Nov"}, {12, "Dec"}, {0, nullptr},
};
const VhOptionList MonthList(MonthPairs, OVT_INTEGER, false);
constexpr VhOptionPair DayOfWeekPairs[] = {
    {1, "Sun"}, {2, "Mon"}, {3, "Tue"}, {4, "Wed"}, {5, "Thu"}, {6, "Fri"}, {7, "Sat"}, {0, nullptr},
};
const VhOptionList DayOfWeekList(DayOfWeekPairs, OVT_INTEGER, false);
constexpr VhOptionPair WeekOfMonthPairs[] = {
    {1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {0, "last"}, {0, nullptr},
};
const VhOptionList WeekOfMonthList(WeekOfMonthPairs, OVT_INTEGER, false);

// Days of each month, February in every year.
constexpr int MonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Positions in the status list.
constexpr int StatusDisable = 0;
constexpr int StatusRepeating = 1;
constexpr int StatusAnnual = 2;

// The caption column, and the width of a date group: room for its five controls.
constexpr int CaptionWidth = 240;
constexpr int DateWidth = 360;

// Positions in a repeating row's list (0 is the group panel).
enum RepeatingItem { RepMonth = 1, RepWeek, RepDay, RepHour, RepMinute };
// Positions in an annual row's list.
enum AnnualItem { AnnDay = 1, AnnMonth, AnnHour, AnnMinute };

constexpr char TimeError[] = "Time error.";
constexpr char SomeEmpty[] = "Some items are empty!";
constexpr char SameMonths[] = "From month and To month should not be the same.";

QComboBox* ComboAt(const TCtrlsList& list, int k) { return qobject_cast<QComboBox*>(list.at(k).data()); }
QLineEdit* EditAt(const TCtrlsList& list, int k) { return qobject_cast<QLineEdit*>(list.at(k).data()); }
int NumberAt(const TCtrlsList& list, int k) { return TextToInt(EditAt(list, k)->text().toStdString(), -1); }

// A bold ":" between the hour and the minute.
void AddColon(QWidget* panel, const QLineEdit* hour)
{
    auto* colon = new QLabel(":", panel);
    QFont font = colon->font();
    font.setBold(true);
    colon->setFont(font);
    colon->setGeometry(hour->geometry().right() - 1, 2, 6, hour->height() - 2);
}

} // namespace

TSummerTimeForm::TSummerTimeForm(QWidget* owner) : TDedicatedForm(owner)
{
    setObjectName("SummerTimeForm");
    resize(0, 0); // an empty form: its client area is the editor panel's (set below)
    Request = MakeRequest(SummerTimeTable, SVT_SV, 0, true);
    EditorPanel = new TSNMPEditorPanel(this, Request);
    EditorPanel->SetCaptionWidth(CaptionWidth);
    EditorPanel->SetEditWidth(DateWidth);
    EditorPanel->SetVarFormat(Offset, "%i{n30x120l3}");
    BuildRepeatingRow(RepeatStart, RepeatStartCtrls);
    BuildRepeatingRow(RepeatEnd, RepeatEndCtrls);
    BuildAnnualRow(AnnualStart, AnnualStartCtrls);
    BuildAnnualRow(AnnualEnd, AnnualEndCtrls);
    // A date that was not read shows no choice: filling a combo box selects its first
    // entry, and a month nobody chose must not pass the window's checks.
    for (const TCtrlsList* list : {&RepeatStartCtrls, &RepeatEndCtrls, &AnnualStartCtrls, &AnnualEndCtrls})
        for (const QPointer<QWidget>& control : *list)
            if (auto* combo = qobject_cast<QComboBox*>(control.data()))
                combo->setCurrentIndex(-1);

    OnClick(EditorPanel->ButtonPanel->RefreshButton, &TSummerTimeForm::RefreshClick);
    OnClick(EditorPanel->ButtonPanel->SetCheckedButton, &TSummerTimeForm::SetCheckedClick);
    connect(StatusBox(), &QComboBox::activated, this, [this] { RunHandler([this] { ApplyStatusLayout(); }); });

    EditorPanel->AttachToForm(this);
    StatusBox()->setCurrentIndex(StatusRepeating);
    ApplyStatusLayout();
    EditorPanel->EditsPanel->ArrangeEdits(ARRANGE_COLUMN, true);
    EditorPanel->SetContent(EditorPanel->EditsPanel);
    EditorPanel->AttachToForm(this);
    SetMessageTarget(EditorPanel->MessagePanel()->Memo);
}

TSummerTimeForm::~TSummerTimeForm()
{
    if (EditorPanel)
        EditorPanel->ReleaseRequest();
}

void TSummerTimeForm::FormCreate() { RefreshClick(); }

void TSummerTimeForm::FormClose()
{
    if (EditorPanel)
        EditorPanel->ReleaseRequest();
}

QComboBox* TSummerTimeForm::StatusBox() const
{
    return qobject_cast<QComboBox*>(EditorPanel->EditsPanel->Rows.at(Status).ValueControl.data());
}

int TSummerTimeForm::ShownStatus() const
{
    const QComboBox* box = StatusBox();
    return box ? box->currentIndex() : -1;
}

bool TSummerTimeForm::Ticked(int row) const
{
    const UISnmpVar& r = EditorPanel->EditsPanel->Rows.at(static_cast<std::size_t>(row));
    return r.CheckBox && r.CheckBox->isChecked();
}

const TCtrlsList& TSummerTimeForm::ListOf(int row) const
{
    switch (row) {
    case RepeatStart: return RepeatStartCtrls;
    case RepeatEnd: return RepeatEndCtrls;
    case AnnualStart: return AnnualStartCtrls;
    default: return AnnualEndCtrls;
    }
}

// ---- Building the date rows ---------------------------------------------------------------

TPanel* TSummerTimeForm::ReplaceRow(int row, TCtrlsList& list)
{
    auto* panel = new TPanel;
    panel->setObjectName(QString("DatePanel%1").arg(row));
    panel->SetBevelOuter(TPanel::bvNone);
    EditorPanel->EditsPanel->SetRowPanel(row, panel);
    list.push_back(panel);
    return panel;
}

void TSummerTimeForm::BuildRepeatingRow(int row, TCtrlsList& list)
{
    TPanel* panel = ReplaceRow(row, list);
    const int w = panel->width();
    const int h = panel->height();
    for (int k = 0; k < 3; ++k) {
        auto* combo = new QComboBox(panel);
        combo->setGeometry(w * k / 5, 0, w / 5, h);
        list.push_back(combo);
    }
    for (int k = 3; k < 5; ++k) {
        auto* edit = new QLineEdit(panel);
        edit->setGeometry(w * k / 5 + 4, 0, w / 5 - 4, h);
        list.push_back(edit);
    }
    Request->AddControlField(row, 0, SNMP_SYNTAX_UINT8, &WeekOfMonthList, list[RepWeek]);
    Request->AddControlField(row, 1, SNMP_SYNTAX_UINT16, &DayOfWeekList, list[RepDay]);
    Request->AddControlField(row, 3, SNMP_SYNTAX_UINT8, &MonthList, list[RepMonth]);
    Request->AddControlsFmtField(row, 4, SNMP_SYNTAX_UINT8, nullptr, "%i", list[RepHour].data());
    Request->AddControlsFmtField(row, 5, SNMP_SYNTAX_UINT8, nullptr, "%i", list[RepMinute].data());
    list[RepHour]->setToolTip("Hour");
    list[RepMinute]->setToolTip("Minute");
    AddColon(panel, EditAt(list, RepHour));
}

void TSummerTimeForm::BuildAnnualRow(int row, TCtrlsList& list)
{
    TPanel* panel = ReplaceRow(row, list);
    const int w = panel->width();
    const int h = panel->height();
    for (int k = 0; k < 4; ++k) {
        QWidget* control = k == 1 ? static_cast<QWidget*>(new QComboBox(panel)) : new QLineEdit(panel);
        control->setGeometry(w * k / 4 + (k >= 2 ? 4 : 0), 0, w / 4 - 4, h);
        list.push_back(control);
    }
    Request->AddControlsFmtField(row, 0, SNMP_SYNTAX_UINT8, nullptr, "%i", list[AnnDay].data());
    Request->AddControlField(row, 1, SNMP_SYNTAX_UINT8, &MonthList, list[AnnMonth]);
    Request->AddControlsFmtField(row, 2, SNMP_SYNTAX_UINT8, nullptr, "%i", list[AnnHour].data());
    Request->AddControlsFmtField(row, 3, SNMP_SYNTAX_UINT8, nullptr, "%i", list[AnnMinute].data());
    list[AnnDay]->setToolTip("Day");
    list[AnnHour]->setToolTip("Hour");
    list[AnnMinute]->setToolTip("Minute");
    AddColon(panel, EditAt(list, AnnHour));
}

// ---- Status layout --------------------------------------------------------------------------

void TSummerTimeForm::ApplyStatusLayout()
{
    TEditsPanel* rows = EditorPanel->EditsPanel;
    const int status = ShownStatus();
    const auto show = [rows](std::initializer_list<int> shown, std::initializer_list<int> hidden) {
        for (int row : shown)
            rows->ShowVar(row);
        for (int row : hidden) {
            rows->HideVar(row);
            rows->UncheckVar(row);
        }
    };
    if (status == StatusRepeating)
        show({RepeatStart, RepeatEnd}, {AnnualStart, AnnualEnd});
    else if (status == StatusAnnual)
        show({AnnualStart, AnnualEnd}, {RepeatStart, RepeatEnd});
    else
        show({}, {RepeatStart, RepeatEnd, AnnualStart, AnnualEnd});
    rows->ArrangeEdits(ARRANGE_COLUMN, false);
}

// ---- Reading --------------------------------------------------------------------------------

void TSummerTimeForm::IncludeOnly(std::initializer_list<int> rows)
{
    VhSNMPVarList& list = Request->Request.VarList;
    for (int i = 0; i < list.Count(); ++i)
        list.GetItem(i)->Access |= SNMP_ACCESS_INVALID;
    for (int row : rows)
        list.GetItem(row)->Access &= ~SNMP_ACCESS_INVALID;
}

void TSummerTimeForm::IncludeDatePair()
{
    VhSNMPVarList& list = Request->Request.VarList;
    const int status = ShownStatus();
    const int first = status == StatusRepeating ? RepeatStart : status == StatusAnnual ? AnnualStart : -1;
    if (first < 0)
        return;
    list.GetItem(first)->Access &= ~SNMP_ACCESS_INVALID;
    list.GetItem(first + 1)->Access &= ~SNMP_ACCESS_INVALID;
}

void TSummerTimeForm::RefreshClick()
{
    if (!Idle({Request}))
        return;
    // The status first: it decides which date pair is read. A failed read is shown as
    // its result line and the refresh goes on.
    IncludeOnly({Status});
    Guarded(Request, [this] { Read(Request); });
    if (Closing())
        return;
    ApplyStatusLayout();
    IncludeOnly({Status, Offset});
    IncludeDatePair();
    Guarded(Request, [this] { Read(Request); });
}

// ---- Writing --------------------------------------------------------------------------------

bool TSummerTimeForm::CheckRepeating()
{
    for (int row : {RepeatStart, RepeatEnd}) {
        if (!Ticked(row))
            continue;
        const TCtrlsList& list = ListOf(row);
        const int hour = NumberAt(list, RepHour);
        const int minute = NumberAt(list, RepMinute);
        const bool chosen = ComboAt(list, RepMonth)->currentIndex() >= 0 && ComboAt(list, RepWeek)->currentIndex() >= 0 &&
                            ComboAt(list, RepDay)->currentIndex() >= 0;
        if (!chosen || hour < 0 || minute < 0 || hour >= 24 || minute >= 60) {
            ShowMessage(TimeError);
            return false;
        }
    }
    if (Ticked(RepeatStart) && Ticked(RepeatEnd) &&
        ComboAt(RepeatStartCtrls, RepMonth)->currentIndex() == ComboAt(RepeatEndCtrls, RepMonth)->currentIndex()) {
        ShowMessage(SameMonths);
        return false;
    }
    return true;
}

bool TSummerTimeForm::CheckAnnual()
{
    for (int row : {AnnualStart, AnnualEnd}) {
        if (!Ticked(row))
            continue;
        const TCtrlsList& list = ListOf(row);
        const int day = NumberAt(list, AnnDay);
        const int month = ComboAt(list, AnnMonth)->currentIndex(); // 0 is January
        const int hour = NumberAt(list, AnnHour);
        const int minute = NumberAt(list, AnnMinute);
        // A day is 1 to the month's length (February 28 in every year).
        const bool valid = month >= 0 && month < 12 && day >= 1 && day <= MonthDays[month] && hour >= 0 &&
                           minute >= 0 && hour < 24 && minute < 60;
        if (!valid) {
            ShowMessage(TimeError);
            return false;
        }
    }
    if (Ticked(AnnualStart) && Ticked(AnnualEnd) &&
        ComboAt(AnnualStartCtrls, AnnMonth)->currentIndex() == ComboAt(AnnualEndCtrls, AnnMonth)->currentIndex()) {
        ShowMessage(SameMonths);
        return false;
    }
    return true;
}

bool TSummerTimeForm::CheckInput()
{
    if (Ticked(Status) && ShownStatus() < 0) {
        ShowMessage("Please choose Summer Time Status.");
        return false;
    }
    const auto* offset = qobject_cast<QLineEdit*>(EditorPanel->EditsPanel->Rows.at(Offset).ValueControl.data());
    if (Ticked(Offset) && offset && !offset->text().isEmpty()) {
        const int minutes = TextToInt(offset->text().toStdString(), -1);
        if (minutes < 30 || minutes > 120 || minutes % 30 != 0) {
            ShowMessage("Summer Time Offset must chosed from {30, 60, 90, 120}.");
            return false;
        }
    }
    switch (ShownStatus()) {
    case StatusDisable: return true;
    case StatusRepeating: return CheckRepeating();
    case StatusAnnual: return CheckAnnual();
    default: return false; // no status: nothing to write
    }
}

void TSummerTimeForm::MarkCompleteGroups()
{
    for (const TCtrlsList* list : {&RepeatStartCtrls, &RepeatEndCtrls, &AnnualStartCtrls, &AnnualEndCtrls}) {
        bool complete = true;
        for (std::size_t k = 1; k < list->size(); ++k) {
            const QWidget* control = (*list)[k];
            if (const auto* combo = qobject_cast<const QComboBox*>(control))
                complete = complete && combo->currentIndex() >= 0 && !combo->currentText().isEmpty();
            else if (const auto* edit = qobject_cast<const QLineEdit*>(control))
                complete = complete && !edit->text().isEmpty();
        }
        if (auto* panel = qobject_cast<TPanel*>(list->front().data()))
            panel->SetCaption(complete ? "-" : "");
    }
}

bool TSummerTimeForm::SendChecked()
{
    VhSNMPVarList& list = Request->Request.VarList;
    const TEditsPanel* rows = EditorPanel->EditsPanel;
    bool any = false;
    bool empty = false;
    for (int i = 0; i < list.Count() && i < rows->RowCount(); ++i) {
        VhSNMPVarItem* item = list.GetItem(i);
        if (item->Access & SNMP_ACCESS_INVALID)
            continue;
        // A row the user did not tick, or cannot see, is not sent.
        if (!Ticked(i) || rows->IsHiddenVar(i)) {
            item->Access |= SNMP_ACCESS_INVALID;
            continue;
        }
        if (rows->IsEmpty(i))
            empty = true;
        else
            any = true;
    }
    if (empty) {
        MessageDlg(SomeEmpty, mtWarning, mbOK);
        return false;
    }
    if (!any)
        return true; // nothing ticked here: no set goes out
    bool written = false;
    Guarded(Request, [this, &written] { written = Write(Request, false); });
    return written;
}

void TSummerTimeForm::SetCheckedClick()
{
    if (!Idle({Request}) || !CheckInput())
        return;
    MarkCompleteGroups();
    // Every ticked row is checked before the first set: a refusal after the status has
    // gone out would leave the switch half written.
    const TEditsPanel* rows = EditorPanel->EditsPanel;
    for (int row = 0; row < rows->RowCount(); ++row)
        if (Ticked(row) && !rows->IsHiddenVar(row) && rows->IsEmpty(row)) {
            MessageDlg(SomeEmpty, mtWarning, mbOK);
            return;
        }
    // The status reaches the switch first; the offset and the date pair in use go only
    // after its reply, and not at all when it failed.
    bool sent = false;
    {
        TColumnMask mask(Request);
        IncludeOnly({Status});
        sent = SendChecked();
    }
    if (!sent || Closing())
        return;
    TColumnMask mask(Request);
    IncludeOnly({Offset});
    IncludeDatePair();
    SendChecked();
}
