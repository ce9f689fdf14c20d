#include "snmplib/bind/request2edits.h"

#include "snmplib/bind/listcolumns.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>
#include <string_view>
#include <vector>

#include "classlib/messages.h"
#include "platform/sysutils.h"
#include "classlib/radiogroup.h"
#include "snmplib/snmperror.h"
#include "snmplib/textforms.h"
#include "snmplib/utils.h"

namespace {

const char* const NullText = "(NULL)";

enum class Kind { Label, CheckBox, ComboBox, RadioGroup, Edit, Other };

Kind KindOf(const QWidget* control)
{
    if (qobject_cast<const QLabel*>(control))
        return Kind::Label;
    if (qobject_cast<const QCheckBox*>(control))
        return Kind::CheckBox;
    if (qobject_cast<const QComboBox*>(control))
        return Kind::ComboBox;
    if (qobject_cast<const TRadioGroup*>(control))
        return Kind::RadioGroup;
    if (qobject_cast<const QLineEdit*>(control))
        return Kind::Edit;
    return Kind::Other;
}

bool IsBoolCode(unsigned code)
{
    return code == SNMP_SYNTAX_BOOLEAN || code == SNMP_SYNTAX_BOOL8 || code == SNMP_SYNTAX_BOOL16;
}

std::string Hex2(unsigned char octet)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02X", octet);
    return text;
}

// An edit's two hex digits: none give "00", one gets a leading "0", more stay as they are.
std::string HexPiece(const std::string& text)
{
    if (text.empty())
        return "00";
    if (text.size() == 1)
        return "0" + text;
    return text;
}

uint32_t Le32(const OctetStr& octets, std::size_t at)
{
    return static_cast<uint32_t>(octets[at]) | static_cast<uint32_t>(octets[at + 1]) << 8 |
           static_cast<uint32_t>(octets[at + 2]) << 16 | static_cast<uint32_t>(octets[at + 3]) << 24;
}

std::string Decimal(uint32_t value) { return std::to_string(value); }

// How a value spreads over several edits, by format: the edits it takes (0: one per piece
// of the value, at most as many as there are edits), the octets a value must have to be
// shown (fewer, or "(NULL)", leave the edits alone), the form of each edit's piece and
// what joins the pieces when the edits are read back. A format not listed goes whole into
// the first edit.
enum class TPiece {
    Decimal,     // one octet in decimal
    Hex,         // one octet as two hex digits
    Word,        // four octets, the low one first, in decimal (an OID's arcs)
    TimeTicks,   // days, hours, minutes, seconds, hundredths
    DateTime,    // year, month, day, hour, minutes, seconds, deci-seconds, direction, UTC hours, minutes
    BcdDateTime, // year, month, day, hour, minute, second, millisecond
};
struct TSpread {
    unsigned Format;
    std::size_t Edits;
    std::size_t Octets;
    TPiece Piece;
    const char* Separator;
};
constexpr TSpread Spreads[] = {
    {SNMP_SYNTAX_IPADDRESS, 4, 4, TPiece::Decimal, "."},
    {SNMP_SYNTAX_NSAPADDR, 4, 4, TPiece::Decimal, "."},
    {SNMP_SYNTAX_MACADDRESS, 6, 6, TPiece::Hex, ""},
    {SNMP_SYNTAX_IPV6ADDRESS, 16, 16, TPiece::Hex, ""},
    {SNMP_SYNTAX_BITSTR, 0, 0, TPiece::Hex, ""},
    {SNMP_SYNTAX_OCTETSTR, 0, 0, TPiece::Hex, ""},
    {SNMP_SYNTAX_OPAQUE, 0, 0, TPiece::Hex, ""},
    {SNMP_SYNTAX_OBJECTID, 0, 0, TPiece::Word, "."},
    {SNMP_SYNTAX_TIMETICKS, 5, 4, TPiece::TimeTicks, ""},
    {SNMP_SYNTAX_DATETIME, 10, 11, TPiece::DateTime, ""},
    {SNMP_SYNTAX_BCDATETIME, 7, 8, TPiece::BcdDateTime, ""},
};

const TSpread* SpreadOf(unsigned format)
{
    for (const TSpread& spread : Spreads)
        if (spread.Format == format)
            return &spread;
    return nullptr;
}

// The spread of a binding of count edits; raises -522 when it has fewer edits than its
// format takes.
const TSpread* SpreadFor(unsigned format, std::size_t count)
{
    const TSpread* spread = SpreadOf(format);
    if (spread && count < spread->Edits)
        RaiseSnmpError(VHSNMP_ERR_CONTROL_COUNT);
    return spread;
}

// Merges part into whole at offset: whole grows with zero octets as far as needed; the
// octets outside the part stay.
void Merge(OctetStr& whole, const OctetStr& part, int32_t offset)
{
    std::string bytes = whole.str();
    const std::size_t at = static_cast<std::size_t>(offset);
    if (bytes.size() < at + part.len())
        bytes.resize(at + part.len(), '\0');
    bytes.replace(at, part.len(), part.str());
    whole = OctetStr(bytes);
}

// Tells a function of the events of the objects it watches; lets every event through.
class EventWatch : public QObject {
public:
    explicit EventWatch(std::function<void(QObject*, QEvent*)> onEvent) : OnEvent(std::move(onEvent)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        OnEvent(watched, event);
        return false;
    }

private:
    std::function<void(QObject*, QEvent*)> OnEvent;
};

QString ControlText(const QWidget* control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    return QString();
}

// Light grid lines for a tree used as a report list view. Each row is one pixel taller than
// its text, so that the line under it leaves descenders and underscores readable.
// A cell lays out a long text only in part (listcolumns.h).
class GridDelegate : public listcolumns::ShortTextDelegate {
public:
    using ShortTextDelegate::ShortTextDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return ShortTextDelegate::sizeHint(option, index) + QSize(0, 1);
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem cell(option);
        cell.rect.adjust(0, 0, 0, -1); // the text stays above the line
        ShortTextDelegate::paint(painter, cell, index);
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }
};

// The two report views, seen the same way.
struct ReportView {
    QTreeWidget* Tree = nullptr;
    QTableWidget* Table = nullptr;

    explicit ReportView(QAbstractItemView* view)
        : Tree(qobject_cast<QTreeWidget*>(view)), Table(qobject_cast<QTableWidget*>(view))
    {
    }
    bool Valid() const { return Tree || Table; }
    QHeaderView* Header() const { return Tree ? Tree->header() : Table->horizontalHeader(); }
    int ColumnCount() const { return Tree ? Tree->columnCount() : Table->columnCount(); }
    int RowCount() const { return Tree ? Tree->topLevelItemCount() : Table->rowCount(); }

    void SetColumns(const QStringList& captions, const std::vector<bool>& hidden) const
    {
        if (Tree) {
            Tree->setColumnCount(0);
            Tree->setHeaderLabels(captions);
        } else {
            Table->setColumnCount(0);
            Table->setColumnCount(static_cast<int>(captions.size()));
            Table->setHorizontalHeaderLabels(captions);
        }
        listcolumns::SetColumns(View(), captions, hidden);
    }

    // Once a read has ended, the columns share the view by their values (listcolumns.h).
    void FitColumns() const { listcolumns::FitValues(View()); }

    QAbstractItemView* View() const { return Tree ? static_cast<QAbstractItemView*>(Tree) : Table; }

    void ClearRows() const
    {
        if (Tree)
            Tree->clear();
        else
            Table->setRowCount(0);
    }

    // Appends the rows in one insertion.
    void AddRows(const std::vector<QStringList>& rows) const
    {
        if (Tree) {
            QList<QTreeWidgetItem*> items;
            items.reserve(static_cast<qsizetype>(rows.size()));
            for (const QStringList& cells : rows)
                items.append(new QTreeWidgetItem(cells));
            Tree->addTopLevelItems(items);
            return;
        }
        int row = Table->rowCount();
        Table->setRowCount(row + static_cast<int>(rows.size()));
        for (const QStringList& cells : rows) {
            for (int c = 0; c < cells.size() && c < Table->columnCount(); ++c)
                Table->setItem(row, c, new QTableWidgetItem(cells[c]));
            ++row;
        }
    }

    // The first selected row, or -1.
    int SelectedRow() const
    {
        QAbstractItemView* view = Tree ? static_cast<QAbstractItemView*>(Tree) : Table;
        int row = -1;
        if (QItemSelectionModel* selection = view->selectionModel())
            for (const QModelIndex& index : selection->selectedIndexes())
                if (!index.parent().isValid() && (row < 0 || index.row() < row))
                    row = index.row();
        return row;
    }

    QString Cell(int row, int column) const
    {
        QAbstractItemView* view = Tree ? static_cast<QAbstractItemView*>(Tree) : Table;
        return view->model()->index(row, column).data().toString();
    }
};

} // namespace

// ---- Construction ---------------------------------------------------------------------

VhSNMPRequest2Edits::VhSNMPRequest2Edits(QWidget* owner)
    : VhSNMPRequest2Controls(owner), EditConstraints(std::make_unique<VhEditConstraint>(owner, true)),
      RowTimer(std::make_unique<QTimer>())
{
    // An edit showing a value in part stays read-only whatever its window makes of it; it
    // gets the state its window gave it last when the part goes.
    InPartFilter = std::make_unique<EventWatch>([this](QObject* watched, QEvent* event) {
        if (event->type() != QEvent::ReadOnlyChange)
            return;
        auto* edit = qobject_cast<QLineEdit*>(watched);
        TInPart* part = edit ? FindInPart(edit) : nullptr;
        if (part && !edit->isReadOnly()) {
            part->WasReadOnly = false;
            edit->setReadOnly(true);
        }
    });
    RowTimer->setSingleShot(true);
    QObject::connect(RowTimer.get(), &QTimer::timeout, [this] { ShowPendingRows(); });
}

VhSNMPRequest2Edits::~VhSNMPRequest2Edits()
{
    // The hooks give the handlers back before anything else of this object goes.
    ListViewHook.Release();
    while (!InPart.empty())
        EndInPart(InPart.front()->Control.data());
    for (const auto& binding : Bindings) {
        binding->Removed = true;
        binding->SavedHandlers.clear();
    }
    Bindings.clear();
    EditConstraints.reset();
}

void VhSNMPRequest2Edits::SetConstraintOwner(QWidget* window) { EditConstraints->SetOwner(window); }

void VhSNMPRequest2Edits::AttachListView(QTreeWidget* listView, bool lockUntilSelect)
{
    if (listView) {
        listView->setRootIsDecorated(false);
        listView->setItemsExpandable(false);
        listView->setAllColumnsShowFocus(true);
        listView->setUniformRowHeights(true);
        listView->header()->setStretchLastSection(true); // the last column fills the view
        listView->setItemDelegate(new GridDelegate(listView));
    }
    Attach(listView, lockUntilSelect);
}

void VhSNMPRequest2Edits::AttachListView(QTableWidget* listView, bool lockUntilSelect)
{
    if (listView) {
        listView->setShowGrid(true);
        listView->setWordWrap(false);
        listView->verticalHeader()->hide();
        listView->horizontalHeader()->setStretchLastSection(true);
        listView->setItemDelegate(new listcolumns::ShortTextDelegate(listView));
    }
    Attach(listView, lockUntilSelect);
}

void VhSNMPRequest2Edits::Attach(QAbstractItemView* listView, bool lockUntilSelect)
{
    ListViewHook.Release();
    ShowPendingRows();
    ListView = listView;
    if (listView) {
        listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
        listView->setSelectionBehavior(QAbstractItemView::SelectRows);
        listView->setSelectionMode(QAbstractItemView::SingleSelection);
        ListViewHook = TSelectItemHook(listView, GetOnSelectItem, SetOnSelectItem,
                                       [this](QObject* sender, int item, bool selected) {
                                           try {
                                               ListViewSelect(sender, item, selected);
                                           } catch (const std::exception& e) {
                                               PostException(e.what());
                                           }
                                       });
    }
    LockUntilSelect = lockUntilSelect;
    BuildColumns();
}

// ---- Binding --------------------------------------------------------------------------

void VhSNMPRequest2Edits::Append(std::shared_ptr<ControlBinding> binding)
{
    binding->Count = static_cast<int32_t>(binding->Controls.size());
    for (const QPointer<QWidget>& control : binding->Controls) {
        // The binding only passes the events on; taking them over keeps them in its hands
        // for as long as it lives, and gives them back when it goes.
        switch (KindOf(control)) {
        case Kind::ComboBox: binding->SavedHandlers.emplace_back(control, GetOnChange, SetOnChange, nullptr); break;
        case Kind::CheckBox:
        case Kind::RadioGroup: binding->SavedHandlers.emplace_back(control, GetOnClick, SetOnClick, nullptr); break;
        default: binding->SavedHandlers.emplace_back(); break;
        }
    }
    Bindings.push_back(std::move(binding));
}

void VhSNMPRequest2Edits::AddBinding(int column, int offset, unsigned format, const VhOptionList* options,
                                     QWidget* control, QWidget* second)
{
    const VhSNMPVarItem* item = Request.VarList.GetItem(column);
    if (offset < 0)
        RaiseSnmpError(VHSNMP_ERR_PARTIAL_INDEX_RANGE);
    if (!options && offset == 0 && format == item->Syntax)
        options = item->Options;
    const Kind kind = KindOf(control);
    if ((kind == Kind::ComboBox || kind == Kind::RadioGroup) && !options)
        RaiseSnmpError(VHSNMP_ERR_NO_OPTION_LIST);
    if (kind == Kind::ComboBox) {
        auto* combo = static_cast<QComboBox*>(control);
        combo->setEditable(false);
        options->FillComboBox(combo);
        if (options->ValueType == OVT_PREFIX && !second)
            RaiseSnmpError(VHSNMP_ERR_CONTROL_COUNT);
    } else if (kind == Kind::RadioGroup) {
        options->FillRadioGroup(static_cast<TRadioGroup*>(control));
    }
    auto binding = std::make_shared<ControlBinding>();
    binding->Column = column;
    binding->Offset = offset;
    binding->Format = format;
    binding->Options = options;
    binding->Controls.emplace_back(control);
    if (second)
        binding->Controls.emplace_back(second);
    Append(std::move(binding));
}

void VhSNMPRequest2Edits::AddControl(int column, QLabel* label)
{
    AddBinding(column, 0, Request.VarList.GetItem(column)->Syntax, nullptr, label, nullptr);
}

void VhSNMPRequest2Edits::AddControl(int column, QCheckBox* checkBox)
{
    AddBinding(column, 0, Request.VarList.GetItem(column)->Syntax, nullptr, checkBox, nullptr);
}

void VhSNMPRequest2Edits::AddControl(int column, QComboBox* comboBox)
{
    AddBinding(column, 0, Request.VarList.GetItem(column)->Syntax, nullptr, comboBox, nullptr);
}

void VhSNMPRequest2Edits::AddControl(int column, TRadioGroup* radioGroup)
{
    AddBinding(column, 0, Request.VarList.GetItem(column)->Syntax, nullptr, radioGroup, nullptr);
}

void VhSNMPRequest2Edits::AddControlField(int column, int offset, unsigned format, const VhOptionList* options,
                                          QWidget* control)
{
    AddBinding(column, offset, format, options, control, nullptr);
}

void VhSNMPRequest2Edits::AddControlsFmt(int column, const std::string& format,
                                         const std::vector<QWidget*>& controls)
{
    AddControlsFmtField(column, 0, Request.VarList.GetItem(column)->Syntax, nullptr, format, controls);
}

void VhSNMPRequest2Edits::AddControlsFmtField(int column, int offset, unsigned format, const VhOptionList* options,
                                              const std::string& inputFormat, const std::vector<QWidget*>& controls)
{
    Request.VarList.GetItem(column);
    if (offset < 0)
        RaiseSnmpError(VHSNMP_ERR_PARTIAL_INDEX_RANGE);
    // One control per conversion: "%" followed by a type letter. "%%" is a percent sign
    // and a "%" that ends the format is nothing; neither takes a control nor a constraint.
    std::vector<QWidget*> taken;
    std::vector<QWidget*> checked; // per conversion: its control, or none
    std::string conversions;       // the format without the percent signs
    std::size_t next = 0;
    for (std::size_t i = inputFormat.find('%'); i != std::string::npos && i + 1 < inputFormat.size();) {
        if (inputFormat[i + 1] == '%') {
            i = inputFormat.find('%', i + 2);
            continue;
        }
        const std::size_t end = inputFormat.find('%', i + 1);
        conversions += inputFormat.substr(i, end == std::string::npos ? end : end - i);
        QWidget* control = nullptr;
        if (std::string_view("shiufn").find(inputFormat[i + 1]) != std::string_view::npos && next < controls.size())
            control = controls[next++];
        if (control)
            taken.push_back(control);
        checked.push_back(control);
        i = end;
    }
    // A bad format binds nothing: the constraints already attached go again.
    std::vector<QLineEdit*> added;
    for (QWidget* control : taken)
        if (auto* edit = qobject_cast<QLineEdit*>(control); edit && !EditConstraints->FindConstraint(edit))
            added.push_back(edit);
    try {
        // Every conversion of the format is checked, also those beyond the controls given.
        EditConstraints->AddConstraints(conversions, checked);
    } catch (...) {
        for (QLineEdit* edit : added)
            EditConstraints->RemoveConstraint(edit);
        throw;
    }
    auto binding = std::make_shared<ControlBinding>();
    binding->Column = column;
    binding->Offset = offset;
    binding->Format = format;
    binding->Options = options;
    for (QWidget* control : taken)
        binding->Controls.emplace_back(control);
    Append(std::move(binding));
}

void VhSNMPRequest2Edits::AddControlList(int column, const std::string& numbers,
                                         const std::vector<QWidget*>& controls)
{
    const VhSNMPVarItem* item = Request.VarList.GetItem(column);
    VhNumList<int> list;
    list.Separator = ',';
    list.Assign(numbers);
    auto binding = std::make_shared<ControlBinding>();
    binding->Column = column;
    binding->Format = item->Syntax;
    for (std::size_t i = 0; i < list.Values.size() && i < controls.size(); ++i) {
        binding->Numbers.push_back(list.Values[i]);
        binding->Controls.emplace_back(controls[i]);
    }
    Append(std::move(binding));
}

void VhSNMPRequest2Edits::RemoveControls(int column)
{
    for (auto it = Bindings.begin(); it != Bindings.end();) {
        if ((*it)->Column != column) {
            ++it;
            continue;
        }
        // Out of the list first: giving a handler back may run code that looks at it.
        const std::shared_ptr<ControlBinding> binding = std::move(*it);
        it = Bindings.erase(it);
        binding->Removed = true;
        for (const QPointer<QWidget>& control : binding->Controls) {
            if (control)
                EndInPart(control);
            if (auto* edit = qobject_cast<QLineEdit*>(control.data()))
                EditConstraints->RemoveConstraint(edit);
        }
        binding->SavedHandlers.clear();
    }
}

void VhSNMPRequest2Edits::EnableControls(bool enabled)
{
    for (const auto& binding : Bindings)
        for (const QPointer<QWidget>& control : binding->Controls)
            if (control)
                control->setEnabled(enabled);
}

// ---- Controls from values -------------------------------------------------------------

void VhSNMPRequest2Edits::UpdateControls(int column)
{
    const std::weak_ptr<int> alive = AliveToken();
    // Filling a control runs the window's handlers, which may change the bindings.
    const std::vector<std::shared_ptr<ControlBinding>> bindings = Bindings;
    for (const auto& binding : bindings) {
        if (binding->Removed || (column >= 0 && binding->Column != column))
            continue;
        FillBinding(*binding);
        if (alive.expired())
            return;
    }
}

VhSNMPRequest2Edits::TInPart* VhSNMPRequest2Edits::FindInPart(const QWidget* control)
{
    for (const auto& part : InPart)
        if (control && part->Control == control)
            return part.get();
    return nullptr;
}

const VhSNMPRequest2Edits::TInPart* VhSNMPRequest2Edits::FindInPart(const QWidget* control) const
{
    return const_cast<VhSNMPRequest2Edits*>(this)->FindInPart(control);
}

bool VhSNMPRequest2Edits::ShowsInPart(const QWidget* control) const
{
    const TInPart* part = FindInPart(control);
    return part && ControlText(control) == part->Shown;
}

std::string VhSNMPRequest2Edits::ControlValue(const QWidget* control) const
{
    const QString text = ControlText(control);
    if (const TInPart* part = FindInPart(control); part && text == part->Shown)
        return part->Value;
    return fromQt(text);
}

void VhSNMPRequest2Edits::EndInPart(QWidget* control)
{
    // A null control ends a part whose control has gone.
    for (auto it = InPart.begin(); it != InPart.end(); ++it) {
        if ((*it)->Control.data() != control)
            continue;
        const std::unique_ptr<TInPart> part = std::move(*it);
        InPart.erase(it);
        QObject::disconnect(part->Changed);
        if (auto* edit = qobject_cast<QLineEdit*>(part->Control.data())) {
            edit->removeEventFilter(InPartFilter.get());
            if (EditConstraints)
                EditConstraints->SetShownInPart(edit, QString());
            edit->setReadOnly(part->WasReadOnly);
        }
        if (part->Control)
            part->Control->setToolTip(part->WasToolTip);
        return;
    }
}

bool VhSNMPRequest2Edits::ShowInPart(QWidget* control, const std::string& text)
{
    // An edit cuts what is longer than its maximum length: such a value is shown in part too.
    auto* edit = qobject_cast<QLineEdit*>(control);
    const int fits = edit ? std::min(EditTextLimit, edit->maxLength()) : EditTextLimit;
    const int limit = std::max(0, std::min(EditTextLimit, fits - 1));
    if (text.size() <= static_cast<std::size_t>(fits)) {
        EndInPart(control);
        return false;
    }
    TInPart* part = FindInPart(control);
    if (!part) {
        InPart.push_back(std::make_unique<TInPart>());
        part = InPart.back().get();
        part->Control = control;
        part->WasReadOnly = edit && edit->isReadOnly();
        part->WasToolTip = control->toolTip();
    }
    QObject::disconnect(part->Changed);
    part->Shown = toQt(text.substr(0, static_cast<std::size_t>(limit))) + QChar(0x2026);
    part->Value = text;
    const QString shown = part->Shown;
    control->setToolTip(QStringLiteral("Shown in part: the value has %1 characters.").arg(text.size()));
    if (!edit) {
        if (auto* label = qobject_cast<QLabel*>(control))
            SetPlainText(label, shown);
        return true;
    }
    if (EditConstraints)
        EditConstraints->SetShownInPart(edit, shown);
    edit->setReadOnly(true);
    edit->installEventFilter(InPartFilter.get());
    const QPointer<QLineEdit> guard(edit);
    const std::weak_ptr<int> alive = AliveToken();
    edit->setText(shown); // the window's handlers run here
    if (alive.expired() || !guard)
        return true;
    edit->setCursorPosition(0);
    // A text the window puts in instead is its own: the edit is the window's again.
    if (TInPart* now = FindInPart(edit); now && edit->text() == shown)
        now->Changed = QObject::connect(edit, &QLineEdit::textChanged, InPartFilter.get(), [this, edit] {
            if (const TInPart* p = FindInPart(edit); p && edit->text() != p->Shown)
                EndInPart(edit);
        });
    else
        EndInPart(edit);
    return true;
}

void VhSNMPRequest2Edits::ShowInLabel(QLabel* label, const std::string& text)
{
    if (!ShowInPart(label, text))
        SetPlainText(label, toQt(text));
}

void VhSNMPRequest2Edits::ShowInEdit(QWidget* control, const std::string& text)
{
    auto* edit = qobject_cast<QLineEdit*>(control);
    if (!edit || ShowInPart(edit, text))
        return;
    const QPointer<QLineEdit> guard(edit);
    edit->setText(toQt(text));
    // A value longer than its edit shows from its start, as it is read.
    if (guard)
        edit->setCursorPosition(0);
    // What the device gave is what a failed exit check puts back.
    if (guard && EditConstraints)
        EditConstraints->SetAcceptedText(edit, fromQt(edit->text()));
}

void VhSNMPRequest2Edits::FillBinding(ControlBinding& b)
{
    const VhSNMPVarItem* item = Request.VarList.GetItem(b.Column);
    if (item->Access & SNMP_ACCESS_INVALID)
        return;
    std::string text = item->Value;
    if (item->Options)
        text = item->Options->TextToValue(text);
    OctetStr octets = TextToOctets(text, item->Syntax);
    const VhOptionList* list = b.Options;
    if (b.IsWhole(*item)) {
        if (!list)
            list = item->Options;
    } else {
        octets = SubField(octets, b.Offset, b.Format);
        text = OctetsToText(octets, b.Format);
    }
    if (list)
        text = list->ValueToText(text);

    QWidget* first = b.Controls.empty() ? nullptr : b.Controls[0].data();
    if (!first)
        return; // the window has deleted the control
    switch (KindOf(first)) {
    case Kind::Label: ShowInLabel(static_cast<QLabel*>(first), text); break;
    case Kind::CheckBox:
        if (!b.Numbers.empty()) {
            for (std::size_t i = 0; i < b.Numbers.size() && i < b.Controls.size(); ++i) {
                const int32_t n = b.Numbers[i];
                if (n < 0 || static_cast<std::size_t>(n / 8) >= octets.len())
                    RaiseSnmpError(VHSNMP_ERR_PARTIAL_INDEX_RANGE);
                if (auto* box = qobject_cast<QCheckBox*>(b.Controls[i].data()))
                    box->setChecked(octets[static_cast<std::size_t>(n / 8)] & (0x80u >> (n % 8)));
            }
        } else if (list) {
            int index = list->IndexOfText(text);
            if (index < 0)
                index = list->IndexOfValue(text);
            static_cast<QCheckBox*>(first)->setChecked(index > 0);
        } else if (IsBoolCode(b.Format)) {
            static_cast<QCheckBox*>(first)->setChecked(text == "true");
        } else {
            RaiseSnmpError(VHSNMP_ERR_BAD_PARTIAL_SYNTAX);
        }
        break;
    case Kind::ComboBox: {
        if (!list)
            RaiseSnmpError(VHSNMP_ERR_NO_OPTION_LIST);
        auto* combo = static_cast<QComboBox*>(first);
        list->SelectInComboBox(combo, text);
        if (b.Controls.size() >= 2) {
            // The second control shows what follows the chosen label.
            std::string rest = text;
            if (combo->currentIndex() >= 0) {
                rest.erase(0, std::min(rest.size(), fromQt(combo->currentText()).size()));
                if (!rest.empty() && b.Format == SNMP_SYNTAX_OBJECTID)
                    rest.erase(0, 1);
            }
            if (auto* label = qobject_cast<QLabel*>(b.Controls[1].data()))
                ShowInLabel(label, rest);
            else
                ShowInEdit(b.Controls[1], rest);
        }
        break;
    }
    case Kind::RadioGroup:
        if (!list)
            RaiseSnmpError(VHSNMP_ERR_NO_OPTION_LIST);
        list->SelectInRadioGroup(static_cast<TRadioGroup*>(first), text);
        break;
    case Kind::Edit: FillEdits(b, text, octets); break;
    case Kind::Other: RaiseSnmpError(VHSNMP_ERR_BAD_CONTROL_TYPE);
    }
}

void VhSNMPRequest2Edits::FillEdits(ControlBinding& b, const std::string& text, const OctetStr& octets)
{
    const std::size_t count = b.Controls.size();
    if (count == 1) {
        ShowInEdit(b.Controls[0], text);
        return;
    }
    const TSpread* spread = SpreadFor(b.Format, count);
    const auto show = [&](std::size_t i, const std::string& s) { ShowInEdit(b.Controls[i], s); };
    if (!spread) {
        show(0, text);
        return;
    }
    // A value of fixed layout that is absent (or too short to be one) leaves the edits alone.
    if (spread->Edits > 0 && (text == NullText || octets.len() < spread->Octets))
        return;
    switch (spread->Piece) {
    case TPiece::Decimal:
    case TPiece::Hex:
    case TPiece::Word: {
        const std::size_t width = spread->Piece == TPiece::Word ? 4 : 1;
        const std::size_t pieces = spread->Edits > 0 ? spread->Edits : octets.len() / width;
        if (pieces > count)
            RaiseSnmpError(VHSNMP_ERR_CONTROL_COUNT);
        for (std::size_t i = 0; i < pieces; ++i)
            show(i, spread->Piece == TPiece::Hex    ? Hex2(octets[i])
                    : spread->Piece == TPiece::Word ? Decimal(Le32(octets, i * 4))
                                                    : Decimal(octets[i]));
        break;
    }
    case TPiece::TimeTicks: {
        const uint32_t t = Le32(octets, 0);
        show(0, Decimal(t / 8640000));
        show(1, Decimal(t % 8640000 / 360000));
        show(2, Decimal(t % 360000 / 6000));
        show(3, Decimal(t % 6000 / 100));
        show(4, Decimal(t % 100));
        break;
    }
    case TPiece::DateTime: {
        show(0, Decimal(static_cast<uint32_t>(octets[0]) << 8 | octets[1]));
        for (std::size_t i = 2; i < 8; ++i)
            show(i - 1, Decimal(octets[i]));
        show(7, std::string(1, static_cast<char>(octets[8])));
        show(8, Decimal(octets[9]));
        show(9, Decimal(octets[10]));
        break;
    }
    case TPiece::BcdDateTime: {
        DateTimeFields f;
        if (!DecodeDateTime(DoubleFromOctetsLE(octets.data()), f))
            return;
        const int fields[] = {f.Year, f.Month, f.Day, f.Hour, f.Minute, f.Second, f.MilliSecond};
        for (std::size_t i = 0; i < 7; ++i)
            show(i, std::to_string(fields[i]));
        break;
    }
    }
}

// ---- Values from controls -------------------------------------------------------------

bool VhSNMPRequest2Edits::ReadBinding(const ControlBinding& b, const VhOptionList* list, std::string& piece,
                                      bool& selector)
{
    selector = false;
    QWidget* first = b.Controls.empty() ? nullptr : b.Controls[0].data();
    if (!first)
        return false;
    switch (KindOf(first)) {
    case Kind::Label: piece = ControlValue(first); return true;
    case Kind::CheckBox: {
        const bool checked = static_cast<QCheckBox*>(first)->isChecked();
        if (list) {
            // Checked is option 1, unchecked option 0; a list without it gives no value.
            selector = true;
            const OptionItem* option = list->ItemAt(checked ? 1 : 0);
            if (!option)
                return false;
            piece = option->Text;
            return true;
        }
        if (!IsBoolCode(b.Format))
            RaiseSnmpError(VHSNMP_ERR_BAD_PARTIAL_SYNTAX);
        piece = checked ? "true" : "false";
        return true;
    }
    case Kind::ComboBox: {
        selector = true;
        auto* combo = static_cast<QComboBox*>(first);
        if (combo->currentIndex() < 0)
            return false;
        piece = fromQt(combo->itemText(combo->currentIndex()));
        if (b.Controls.size() >= 2) {
            if (b.Format == SNMP_SYNTAX_OBJECTID)
                piece += '.';
            piece += ControlValue(b.Controls[1]);
        }
        return true;
    }
    case Kind::RadioGroup: {
        selector = true;
        auto* group = static_cast<TRadioGroup*>(first);
        const int index = group->ItemIndex();
        if (index < 0 || index >= group->Items().size())
            return false;
        piece = fromQt(group->Items()[index]);
        return true;
    }
    case Kind::Edit: break;
    case Kind::Other: return false;
    }

    const std::size_t count = b.Controls.size();
    std::vector<std::string> texts;
    for (const QPointer<QWidget>& control : b.Controls)
        texts.push_back(ControlValue(control));
    if (count == 1) {
        piece = texts[0];
        return true;
    }
    const TSpread* spread = SpreadFor(b.Format, count);
    if (!spread) {
        piece = texts[0];
        return true;
    }
    switch (spread->Piece) {
    case TPiece::Decimal:
    case TPiece::Hex:
    case TPiece::Word: {
        const std::size_t n = spread->Edits > 0 ? spread->Edits : count;
        piece.clear();
        for (std::size_t i = 0; i < n; ++i) {
            if (i > 0)
                piece += spread->Separator;
            piece += spread->Piece == TPiece::Hex ? HexPiece(texts[i]) : Decimal(Atol32(texts[i]));
        }
        break;
    }
    case TPiece::TimeTicks:
        piece = TimeTicksText(Atol32(texts[0]) * 8640000u + Atol32(texts[1]) * 360000u + Atol32(texts[2]) * 6000u +
                              Atol32(texts[3]) * 100u + Atol32(texts[4]));
        break;
    case TPiece::DateTime: {
        VhDateTime value;
        value.Year = static_cast<uint16_t>(Atol32(texts[0]));
        value.Month = static_cast<uint8_t>(Atol32(texts[1]));
        value.Day = static_cast<uint8_t>(Atol32(texts[2]));
        value.Hour = static_cast<uint8_t>(Atol32(texts[3]));
        value.Minutes = static_cast<uint8_t>(Atol32(texts[4]));
        value.Seconds = static_cast<uint8_t>(Atol32(texts[5]));
        value.DeciSeconds = static_cast<uint8_t>(Atol32(texts[6]));
        value.Direction = texts[7].empty() ? '+' : texts[7][0];
        value.UtcHours = static_cast<uint8_t>(Atol32(texts[8]));
        value.UtcMinutes = static_cast<uint8_t>(Atol32(texts[9]));
        piece = value.ToString();
        break;
    }
    case TPiece::BcdDateTime: {
        DateTimeFields f;
        f.Year = Atol32Signed(texts[0]);
        f.Month = Atol32Signed(texts[1]);
        f.Day = Atol32Signed(texts[2]);
        f.Hour = Atol32Signed(texts[3]);
        f.Minute = Atol32Signed(texts[4]);
        f.Second = Atol32Signed(texts[5]);
        f.MilliSecond = Atol32Signed(texts[6]);
        double value = 0;
        if (!TryEncodeDateTime(f, value))
            throw EConvertError("Invalid argument to date encode");
        piece = DateTimeText(value);
        break;
    }
    }
    return true;
}

void VhSNMPRequest2Edits::UpdateVarList(int column)
{
    VhSNMPVarList& list = Request.VarList;
    const int from = column < 0 ? 0 : column;
    const int to = column < 0 ? list.Count() : std::min(column + 1, list.Count());
    for (int i = from; i < to; ++i) {
        if (!list.IsWritable(i))
            continue;
        VhSNMPVarItem* item = list.GetItem(i);
        std::string text = item->Value;
        if (item->Options)
            text = item->Options->TextToValue(text);
        OctetStr whole = TextToOctets(text, item->Syntax);
        bool found = false;
        bool changed = false;
        bool leaveOut = false;
        for (const auto& binding : Bindings) {
            const ControlBinding& b = *binding;
            if (b.Column != i)
                continue;
            if (!found && item->Syntax == SNMP_SYNTAX_DISPLAYSTR) {
                // A display string is made only of what its controls hold.
                whole = OctetStr();
                changed = true;
            }
            found = true;
            const bool isWhole = b.IsWhole(*item);

            if (!b.Numbers.empty() && KindOf(b.Controls.empty() ? nullptr : b.Controls[0].data()) == Kind::CheckBox) {
                // The bits of the boxes; every other bit stays as it was.
                std::string bytes = whole.str();
                for (std::size_t k = 0; k < b.Numbers.size() && k < b.Controls.size(); ++k) {
                    const int32_t n = b.Numbers[k];
                    if (n < 0)
                        RaiseSnmpError(VHSNMP_ERR_PARTIAL_INDEX_RANGE);
                    const auto* box = qobject_cast<const QCheckBox*>(b.Controls[k].data());
                    if (!box)
                        continue;
                    const std::size_t at = static_cast<std::size_t>(n / 8);
                    if (bytes.size() <= at)
                        bytes.resize(at + 1, '\0');
                    const auto mask = static_cast<unsigned char>(0x80u >> (n % 8));
                    auto& octet = reinterpret_cast<unsigned char&>(bytes[at]);
                    octet = box->isChecked() ? (octet | mask) : (octet & ~mask);
                }
                whole = OctetStr(bytes);
                changed = true;
                continue;
            }

            const VhOptionList* options = b.Options ? b.Options : (isWhole ? item->Options : nullptr);
            std::string piece;
            bool selector = false;
            if (!ReadBinding(b, options, piece, selector)) {
                // No choice shown: a whole column is not written at all rather than as 0.
                if (selector && isWhole)
                    leaveOut = true;
                continue;
            }
            if (options)
                piece = options->TextToValue(piece);
            const OctetStr part = TextToOctets(piece, b.Format);
            // A whole column is its controls' value: a shorter one leaves nothing behind.
            if (isWhole)
                whole = part;
            else
                Merge(whole, part, b.Offset);
            changed = true;
        }
        if (changed) {
            std::string value = OctetsToText(whole, item->Syntax);
            if (item->Options)
                value = item->Options->ValueToText(value);
            item->Value = value;
        }
        if (leaveOut)
            LeaveOut(i);
    }
}

// ---- List view ------------------------------------------------------------------------

void VhSNMPRequest2Edits::BuildColumns()
{
    const VhSNMPVarList& list = Request.VarList;
    ColumnItems.clear();
    std::vector<bool> hidden;
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsHidden(i))
            ColumnItems.push_back(i), hidden.push_back(true);
    for (int i = 0; i < list.Count(); ++i)
        if (list.IsShown(i))
            ColumnItems.push_back(i), hidden.push_back(false);
    const ReportView view(ListView);
    if (!view.Valid() || static_cast<int>(ColumnItems.size()) <= view.ColumnCount())
        return;
    QStringList captions;
    for (int item : ColumnItems)
        captions << toQt(list.GetItem(item)->Caption);
    view.SetColumns(captions, hidden);
}

QStringList VhSNMPRequest2Edits::RowCells() const
{
    QStringList cells;
    for (int item : ColumnItems)
        cells << (item < Request.VarList.Count() ? toQt(Request.VarList.GetItem(item)->Value) : QString());
    return cells;
}

void VhSNMPRequest2Edits::AddRow()
{
    if (!ReportView(ListView).Valid())
        return;
    PendingRows.push_back(RowCells());
    ShowPendingRows();
}

void VhSNMPRequest2Edits::ShowPendingRows()
{
    RowTimer->stop();
    if (PendingRows.empty())
        return;
    std::vector<QStringList> rows;
    rows.swap(PendingRows);
    RowsShown.start();
    const ReportView view(ListView);
    if (view.Valid())
        view.AddRows(rows); // the view's handlers run here
}

bool VhSNMPRequest2Edits::ReadSelectedRow()
{
    const ReportView view(ListView);
    if (!view.Valid())
        return false;
    const int row = view.SelectedRow();
    if (row < 0)
        return false;
    for (std::size_t k = 0; k < ColumnItems.size(); ++k)
        if (ColumnItems[k] < Request.VarList.Count())
            Request.VarList.GetItem(ColumnItems[k])->Value = fromQt(view.Cell(row, static_cast<int>(k)));
    return true;
}

// ---- Overrides ------------------------------------------------------------------------

void VhSNMPRequest2Edits::BeforeGet()
{
    RowTimer->stop();
    PendingRows.clear();
    RowsShown.invalidate();
    MessagesRun.start();
    const ReportView view(ListView);
    if (!view.Valid())
        return;
    BuildColumns();
    view.ClearRows();
}

void VhSNMPRequest2Edits::ShowRow()
{
    if (!ReportView(ListView).Valid()) {
        UpdateControls(-1);
        return;
    }
    const std::weak_ptr<int> alive = AliveToken();
    PendingRows.push_back(RowCells());
    const qint64 since = RowsShown.isValid() ? RowsShown.elapsed() : RowIntervalMs;
    if (since >= RowIntervalMs) {
        ShowPendingRows();
        if (alive.expired())
            return;
    } else if (!RowTimer->isActive()) {
        RowTimer->start(static_cast<int>(RowIntervalMs - since));
    }
    // An asynchronous walk returns to the message loop after every row; a synchronous one
    // lets it run here, so that the window stays responsive.
    if (Mode == VHSNMP_MODE_SYNC && (!MessagesRun.isValid() || MessagesRun.elapsed() >= PumpIntervalMs)) {
        MessagesRun.start();
        ProcessMessages();
    }
}

void VhSNMPRequest2Edits::GetEnded()
{
    const std::weak_ptr<int> alive = AliveToken();
    ShowPendingRows();
    if (alive.expired())
        return;
    const ReportView view(ListView);
    if (view.Valid() && view.RowCount() > 0)
        view.FitColumns();
}

void VhSNMPRequest2Edits::ControlsToVarList()
{
    RestoreLeftOut();
    VhSNMPVarList& list = Request.VarList;
    std::vector<std::string> received;
    for (const auto& item : list.Items) {
        received.push_back(item->Value);
        item->Value.clear();
    }
    std::vector<bool> fromRow(received.size(), false);
    if (ReadSelectedRow())
        for (int item : ColumnItems)
            if (item < list.Count())
                fromRow[static_cast<std::size_t>(item)] = true;
    // A bound item merges its controls into what it holds: the row's value, or else the
    // value received last.
    for (const auto& binding : Bindings) {
        const auto i = static_cast<std::size_t>(binding->Column);
        if (i < received.size() && !fromRow[i])
            list.Items[i]->Value = received[i];
    }
    UpdateVarList(-1);
}

void VhSNMPRequest2Edits::AfterGet()
{
    if (ReportView(ListView).Valid() && LockUntilSelect && Request.VarList.ListType == MVT_FMV)
        EnableControls(false);
}

void VhSNMPRequest2Edits::ListViewSelect(QObject* sender, int item, bool selected)
{
    const std::weak_ptr<int> alive = AliveToken();
    ListViewHook.CallSaved(sender, item, selected);
    if (alive.expired() || !selected)
        return;
    if (LockUntilSelect)
        EnableControls(true);
    ReadSelectedRow();
    UpdateControls(-1);
}
