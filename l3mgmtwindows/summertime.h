#pragma once
// Summer time: the switch's daylight-saving rule, disabled, repeating (week of month, day
// of week, month, hour and minute for start and end) or annual (day of month, month, hour
// and minute), and its offset of 30 to 120 minutes. Opened by "Basic Configuration" >
// "Time Management" > "Summer Time" (owner: the application), captioned by the menu
// handler; it does not scale under large fonts.
//
// The window has no form of its own: it is the scalar editor panel (one row per object)
// over one synchronous request, with each of the four date rows replaced by a group of
// drop-down lists and edits bound to the fields of that date's octet string. It reads and
// writes only what the chosen status uses: Refresh reads the status alone, then the
// offset and the date pair in use; Set Checked writes the status first and then, after
// its reply, the offset and the date pair. A set with nothing ticked is not sent, and a
// failed first set stops the write.
#include <vector>

#include <QPointer>

#include "dedicated/dedicatedform.h"

class QComboBox;
class QLineEdit;
class TPanel;
class TSNMPEditorPanel;

// The controls of one date row: entry 0 is the row's group panel, then its value controls
// from left to right.
using TCtrlsList = std::vector<QPointer<QWidget>>;

class TSummerTimeForm : public TDedicatedForm {
    Q_OBJECT
public:
    explicit TSummerTimeForm(QWidget* owner);
    ~TSummerTimeForm() override;

    enum Row { Status, Offset, RepeatStart, RepeatEnd, AnnualStart, AnnualEnd };

    TWindowRequest* Request = nullptr;
    TSNMPEditorPanel* EditorPanel = nullptr;
    // Repeating start and end, annual start and end.
    TCtrlsList RepeatStartCtrls, RepeatEndCtrls, AnnualStartCtrls, AnnualEndCtrls;

    void RefreshClick();
    void SetCheckedClick();
    // Shows the date rows of the status shown and hides (and unticks) the others.
    void ApplyStatusLayout();

    // The status shown: 0 disable, 1 repeating, 2 annual, -1 none.
    int ShownStatus() const;
    QComboBox* StatusBox() const;
    // The checks before a write, in their order; false (message shown) at the first that
    // fails, or without a message when no status is chosen.
    bool CheckInput();

protected:
    void FormCreate() override;
    void FormClose() override;

private:
    void BuildRepeatingRow(int row, TCtrlsList& list);
    void BuildAnnualRow(int row, TCtrlsList& list);
    TPanel* ReplaceRow(int row, TCtrlsList& list);
    bool Ticked(int row) const;
    // Access words: the rows given are read or written, the others carry the invalid bit.
    void IncludeOnly(std::initializer_list<int> rows);
    void IncludeDatePair();
    bool CheckRepeating();
    bool CheckAnnual();
    void MarkCompleteGroups();
    // Sends the ticked rows among the included ones, as the editor panel's Set Checked
    // does; nothing when none is left. False when refused or failed (shown).
    bool SendChecked();
    const TCtrlsList& ListOf(int row) const;
};

extern TSummerTimeForm* SummerTimeForm;
