#pragma once
// The request of a window bound to its controls and to a report list view.
//
// A report list view (QTreeWidget or QTableWidget) shows a table: one column per
// variable, one row per table row a walk receives. The columns of the hidden items come
// first, with zero width (they still hold the values), then the shown items, each in
// variable-list order. Selecting a row loads it into the variable list and from there
// into the bound controls.
//
// A control binding ties one column (or one sub-field of an octet-string column: a byte
// offset and a sub-field code) to one or more controls: labels, check boxes (also one per
// bit of a PortList), combo boxes and radio groups (through the column's value labels),
// and edits (one, or several that share a value: the four numbers of an IP address, the
// five parts of a TimeTicks value, ...). UpdateControls fills the controls from the value
// texts; UpdateVarList builds the value texts from the controls, each binding merging its
// part into the value the column holds, so that octets no binding covers keep what was
// received.
//
// A bound control keeps its window's handlers: the binding takes over a combo box's
// OnChange and a check box's or radio group's OnClick only to pass them on, and gives them
// back when the binding goes (RemoveControls, destruction). Edits bound through an input
// format get its constraint (VhEditConstraint); the value a binding puts into an edit is
// what a failed exit check puts back.
//
// A value longer than EditTextLimit characters is shown in an edit or a label in part: its
// first EditTextLimit characters and an ellipsis, the edit read-only. Laying a text out costs
// in proportion to its length (a switch can send 65,000 octets) and an edit holds at most
// 32,767 characters, so the whole value would hold the message loop and come back cut. The
// binding keeps the value and reads it back exactly as it was given for as long as the
// control shows that part; a shorter value, or a text the window puts in, ends it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QElapsedTimer>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include "classlib/events.h"
#include "snmplib/bind/editconstraint.h"
#include "snmplib/bind/request2controls.h"

class QAbstractItemView;
class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;
class QTreeWidget;
class TRadioGroup;

// One binding of one column, or of one sub-field of a column, to its controls.
struct ControlBinding {
    int32_t Column = 0;                  // item of the variable list
    int32_t Offset = 0;                  // byte offset of the sub-field; 0 for a whole column
    unsigned Format = 0;                 // the column's syntax code, or a sub-field code
    const VhOptionList* Options = nullptr; // value labels used for this binding; not owned
    int32_t Count = 0;                   // number of controls
    std::vector<int32_t> Numbers;        // bit numbers, one per check box; empty otherwise
    std::vector<QPointer<QWidget>> Controls; // the window's controls, in binding order
    std::vector<TNotifyHook> SavedHandlers;  // the taken-over change / click handler per control
    bool Removed = false;

    // A whole-column binding: offset 0 and the column's own syntax.
    bool IsWhole(const VhSNMPVarItem& item) const { return Offset == 0 && Format == item.Syntax; }
};

class VhSNMPRequest2Edits : public VhSNMPRequest2Controls {
public:
    explicit VhSNMPRequest2Edits(QWidget* owner);
    // Every bound control gets its handlers back, every constrained edit too.
    ~VhSNMPRequest2Edits() override;

    // Makes the view a read-only report with row selection and grid lines, chains its
    // OnSelectItem to ListViewSelect (the window's own handler runs first) and builds the
    // columns. With lockUntilSelect the bound controls are disabled after a walk of an
    // MVT_FMV table until a row is selected.
    void AttachListView(QTreeWidget* listView, bool lockUntilSelect);
    void AttachListView(QTableWidget* listView, bool lockUntilSelect);
    // The window that receives the edits' focus moves and owns their message boxes.
    void SetConstraintOwner(QWidget* window);

    // ---- Binding ----

    // A whole column. A combo box becomes a drop-down list and gets the column's value
    // labels, as does a radio group; both raise -520 when the column has none.
    void AddControl(int column, QLabel* label);
    void AddControl(int column, QCheckBox* checkBox);
    void AddControl(int column, QComboBox* comboBox);
    void AddControl(int column, TRadioGroup* radioGroup);
    // A sub-field (offset, code) of an octet-string column, with its own value labels.
    void AddControlField(int column, int offset, unsigned format, const VhOptionList* options, QWidget* control);

    // One control per conversion of the input format ("%i{n1x65535l5}", "%u%u%u%u"),
    // which becomes the constraint of each edit. A bad format raises -2 and binds nothing.
    void AddControlsFmt(int column, const std::string& format, const std::vector<QWidget*>& controls);
    template <class... Controls>
    void AddControlsFmt(int column, const std::string& format, Controls*... controls)
    {
        AddControlsFmt(column, format, std::vector<QWidget*>{controls...});
    }
    void AddControlsFmtField(int column, int offset, unsigned format, const VhOptionList* options,
                             const std::string& inputFormat, const std::vector<QWidget*>& controls);
    template <class... Controls>
    void AddControlsFmtField(int column, int offset, unsigned format, const VhOptionList* options,
                             const std::string& inputFormat, Controls*... controls)
    {
        AddControlsFmtField(column, offset, format, options, inputFormat, std::vector<QWidget*>{controls...});
    }

    // Check boxes on bits of the column's octets: numbers is "0,1,9"; box k shows bit
    // numbers[k] (octet n / 8, mask 0x80 >> n % 8).
    void AddControlList(int column, const std::string& numbers, const std::vector<QWidget*>& controls);
    template <class... Controls>
    void AddControlList(int column, const std::string& numbers, Controls*... controls)
    {
        AddControlList(column, numbers, std::vector<QWidget*>{controls...});
    }
    // The same with the boxes in a list (any container of widget pointers).
    template <class List>
    void AddControlPair(int column, const std::string& numbers, const List& controls)
    {
        std::vector<QWidget*> list;
        for (auto* control : controls)
            list.push_back(control);
        AddControlList(column, numbers, list);
    }

    // Drops every binding of the column; its controls get their handlers back.
    void RemoveControls(int column);

    // ---- Moving values ----

    // Fills the controls of the column's bindings (negative: every binding) from the
    // value texts.
    void UpdateControls(int column);
    // Builds the value text of the writable item (negative: every item) from its bindings.
    void UpdateVarList(int column);
    void EnableControls(bool enabled);

    // ---- List view ----

    void BuildColumns();
    // Adds the variable list's current values as a row, at once.
    void AddRow();
    // During a walk the list view takes its new rows at most every RowIntervalMs (the first
    // at once, the last when the walk ends), so that a long walk repaints the window at a
    // human rate and adds its rows at a cost that does not grow with the rows shown. A
    // synchronous walk lets messages run between two rows once PumpIntervalMs have passed
    // since they last ran.
    static constexpr int RowIntervalMs = 200;
    static constexpr int PumpIntervalMs = 20;
    // The longest value an edit or a label shows whole (see above).
    static constexpr int EditTextLimit = 1000;
    // Whether the control shows a value in part.
    bool ShowsInPart(const QWidget* control) const;
    // The rows held back, into the list view.
    void ShowPendingRows();
    // The selected row into the items of the columns; false when no row is selected.
    bool ReadSelectedRow();

    // ---- Overrides ----

    void BeforeGet() override;
    void ShowRow() override;
    // The selected row and then the controls into the variable list. A value that a
    // binding only partly covers keeps what was received in the rest; a whole column
    // whose combo box or radio group shows no choice is left out of the set.
    void ControlsToVarList() override;
    void AfterGet() override;
    // The list view's selection handler.
    virtual void ListViewSelect(QObject* sender, int item, bool selected);

    // ---- Members ----

    QPointer<QAbstractItemView> ListView;
    std::vector<std::shared_ptr<ControlBinding>> Bindings;
    std::unique_ptr<VhEditConstraint> EditConstraints;
    uint8_t LockUntilSelect = 1;

protected:
    void GetEnded() override; // the rows held back go into the list view; its columns fit them

private:
    void Attach(QAbstractItemView* listView, bool lockUntilSelect);
    void AddBinding(int column, int offset, unsigned format, const VhOptionList* options, QWidget* control,
                    QWidget* second);
    void Append(std::shared_ptr<ControlBinding> binding);
    void FillBinding(ControlBinding& binding);
    void FillEdits(ControlBinding& binding, const std::string& text, const OctetStr& octets);
    void ShowInEdit(QWidget* control, const std::string& text);
    void ShowInLabel(QLabel* label, const std::string& text);
    // A control's text as the value it stands for: the value kept when it shows one in part.
    std::string ControlValue(const QWidget* control) const;

    // A value shown in part in an edit or a label.
    struct TInPart {
        QPointer<QWidget> Control;
        QString Shown;        // the text shown
        std::string Value;    // the value as it was given
        bool WasReadOnly = false; // the edit's state before
        QString WasToolTip;
        QMetaObject::Connection Changed;
    };
    // Shows the value in part in the control; false when it is short enough to show whole.
    bool ShowInPart(QWidget* control, const std::string& text);
    // The control shows its own text again: the edit gets its state back.
    void EndInPart(QWidget* control);
    TInPart* FindInPart(const QWidget* control);
    const TInPart* FindInPart(const QWidget* control) const;
    // What the binding's controls say, by its first control; false when they give nothing
    // (no choice made, a control gone). selector: the control chooses among value labels.
    bool ReadBinding(const ControlBinding& binding, const VhOptionList* options, std::string& piece,
                     bool& selector);

    // The current values as the cells of a row, in column order.
    QStringList RowCells() const;

    TSelectItemHook ListViewHook;  // keeps the view's own OnSelectItem handler
    std::vector<int> ColumnItems;  // the item of each list-view column
    std::vector<QStringList> PendingRows; // received, not yet in the list view
    QElapsedTimer RowsShown;              // since rows last went into the list view
    QElapsedTimer MessagesRun;            // since a synchronous walk last let messages run
    std::unique_ptr<QTimer> RowTimer;     // shows rows held back when no further row comes
    std::vector<std::unique_ptr<TInPart>> InPart; // controls showing a value in part
    std::unique_ptr<QObject> InPartFilter;        // keeps their edits read-only
};
