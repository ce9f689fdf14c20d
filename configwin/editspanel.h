#pragma once
// One row per variable of a request's variable list: an include check box, the caption
// and a value control bound to the variable. The body of every scalar-group window and
// of the table window's add and edit windows.
//
// Row kinds (UISnmpVar::Kind, below): an edit for a variable without value labels, a
// drop-down list for a writable one with labels, an edit showing the label for a
// read-only one with labels, or a plain panel (TPanel) that a window has put in the row's
// place; its caption is the row's value text.
//
// A variable is read-only when its access flags lack the write bit; the first KeyCount
// variables are index variables. Every row control's Tag holds the row index. Row
// operations with an index outside the rows do nothing.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QPointer>

#include "classlib/panel.h"

class QCheckBox;
class QLabel;
class QScrollArea;
class TCtrlBtnPanel;
class VhSNMPRequest2Edits;

// The kinds of row, with the system's numbers.
inline constexpr int32_t ROW_READONLY_EDIT = 1;   // read-only, no value labels: an edit
inline constexpr int32_t ROW_WRITABLE_EDIT = 2;   // writable, no value labels: an edit
inline constexpr int32_t ROW_WRITABLE_LIST = 3;   // writable with value labels: a drop-down list
inline constexpr int32_t ROW_READONLY_LABEL = 4;  // read-only with value labels: an edit showing the label
inline constexpr int32_t ROW_PANEL = 5;           // a window's own panel (TPanel) in the row's place

// How ArrangeEdits lays the rows out.
inline constexpr int ARRANGE_ONE_LINE = 1;  // every row on one line
inline constexpr int ARRANGE_COLUMN = 2;    // one row per line, the value controls in one column

struct UISnmpVar {
    int32_t Kind = 0;                // ROW_READONLY_EDIT .. ROW_PANEL
    std::string Format = "%s";     // input format of the row's edit
    QPointer<QWidget> ValueControl; // QLineEdit, QComboBox or (ROW_PANEL) TPanel
    QPointer<QCheckBox> CheckBox;   // includes the variable in the next set
    QPointer<QLabel> CaptionLabel;
    std::shared_ptr<void> Extra;    // freed with the row
};

class TEditsPanel : public TPanel {
    Q_OBJECT
public:
    // With a request, builds one row per variable, bound to it.
    TEditsPanel(QWidget* owner, VhSNMPRequest2Edits* request);
    ~TEditsPanel() override;

    void BuildRows(VhSNMPRequest2Edits* request);
    // Which buttons of a scalar-group window apply: Refresh and Close always; Set Checked,
    // Check All and Clear Checks when a row is writable. With fewer than two writable
    // rows the button says "Set", is enabled, and the rows show no check boxes. Raises
    // when the panel has no request.
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);
    void SetEditWidth(int width, int mode);
    // The width of the caption column (0: the widest caption); lays out again in a column.
    void SetCaptionWidth(int width);
    // mode: ARRANGE_ONE_LINE or ARRANGE_COLUMN. With resize the panel takes the size the
    // rows need plus 40.
    void ArrangeEdits(int mode, bool resize);
    // Writable rows get enabled check boxes ticked as tick says; index and read-only rows
    // become read-only.
    void SetCheckState(uint8_t tick);
    void SetReadOnlyColors(uint32_t fontColor, uint32_t color);

    void DisableEdit(int row);
    void EnableEdit(int row);
    void HideVar(int row);
    void ShowVar(int row);
    void UncheckVar(int row);
    void ClearValue(int row);
    void SetValueText(int row, const std::string& text);
    void ClearAll();
    // Puts the window's own panel in the row's place (ROW_PANEL): the row's binding and
    // value control go, the panel takes the control's parent, place, size and enabled state.
    void SetRowPanel(int row, TPanel* panel);

    bool IsReadOnly(int row) const;
    bool IsIndexVar(int row) const;
    // The row is hidden (HideVar, or its variable carries the hidden bit): the user can
    // neither see nor tick it.
    bool IsHiddenVar(int row) const;
    // The edit's, combo box's or panel's text is empty; any other control counts as empty.
    bool IsEmpty(int row) const;
    bool AllReadOnly() const;
    int EnabledCheckCount() const;
    int CheckedCount() const;
    int RowCount() const { return static_cast<int>(Rows.size()); }

    QScrollArea* ScrollBox;
    std::vector<UISnmpVar> Rows;
    int EditWidth = 121;
    int CaptionWidth = 0;
    uint32_t ReadOnlyFontColor = clBlack;
    uint32_t ReadOnlyColor = clBtnFace;
    VhSNMPRequest2Edits* Request = nullptr; // not owned
    uint8_t CheckState = 0;

private:
    bool ValidRow(int row) const { return row >= 0 && row < RowCount(); }
    QWidget* RowParent() const;
    void FreeRows();
    void CheckBoxClick(QObject* sender);
    int LastMode = ARRANGE_COLUMN;
};
