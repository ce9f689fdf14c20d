#pragma once
// The request of a dedicated window: a VhSNMPRequest2Edits that the window's kit
// (TDedicatedForm) creates, drives and deletes.
//
// Every exchange is sent asynchronously, so the user-interface thread never blocks on the
// network. A window that works synchronously (Synchronous set) gets the same view as the
// library's synchronous mode from the kit's Read and Write: they return once the exchange
// is over, having pumped messages meanwhile, and raise its failure as the library's
// exception (no result line is written for a failure then; the window shows what it caught).
//
// What it adds to the library's binding:
//  - IsIdle: no get or set of the request is outstanding (Busy is not enough: it falls
//    when the first of two exchanges ends);
//  - the outcome of the last read and of the last write, and the window's end-of-read and
//    end-of-write handlers (OnEndOfRead, OnEndOfWrite), called on every ending, as
//    handlers of the window (TKitDialog::RunHandler) when the owner is a kit window;
//  - what a set may carry: a writable column is left out when its value is not one the
//    user chose (a column without a control takes the selected row's cell, and is left
//    out when that cell is empty, "(NOTDONE)" or "(NULL)", or when no row is selected; a
//    number, address or object identifier column whose edit holds no value of its type is
//    left out when the user cannot type into that edit); a key that is empty or not a
//    value of its column's type stops the set with an error naming the key, as does an
//    edit of a sent column that the user emptied and a set that would carry no varbind;
//  - KeysFromSelectedRow: for one write, the key columns come from the selected row, not
//    from the controls (a delete addresses the row the user picked);
//  - selection: a failure to load the selected row goes to the message target, and the
//    kit's OnSelection runs after the row is loaded.
#include <functional>
#include <string>

#include "snmplib/bind/request2edits.h"

class QLineEdit;
class TColumnMask;

// How an exchange ended.
struct TExchangeOutcome {
    bool Ended = true;   // false from the start of an exchange until its end
    int32_t Code = 0;    // 0: success
    std::string Message; // the library's text of Code
};

class TWindowRequest : public VhSNMPRequest2Edits {
public:
    explicit TWindowRequest(QWidget* owner);

    // No get or set of this request is outstanding.
    bool IsIdle() const { return Busy == 0 && Request.Pending == 0; }
    // Idle, and no wait of the kit for this request's end is still to return: a handler run
    // by the messages pumped during a synchronous read or write, after its reply, must not
    // start another exchange before the first one's caller has gone on.
    bool IsFree() const { return IsIdle() && Awaiting == 0; }
    int Awaiting = 0; // waits of the kit (AwaitIdle) for this request, still running

    // Raises the failure of the last read or write (whichever is given) as the library's
    // exception; nothing when it succeeded or has not ended.
    void RaiseFailure(const TExchangeOutcome& outcome) const;

    // ---- What the kit and the window set ----

    bool Synchronous = false; // Read and Write wait for the end (see above)
    bool KeysFromSelectedRow = false; // the next set's keys come from the selected row
    // Called at every end of a read (after its rows) or of a write, with its outcome.
    std::function<void(const VhSNMPError& error)> OnEndOfRead;
    std::function<void(const VhSNMPError& error)> OnEndOfWrite;
    // Called after the list view's selection changed and the row, if any, was loaded.
    std::function<void(bool selected)> OnSelection;
    // Called before the bound controls are filled (a selected row; a reply, without a list
    // view) or read for a set: controls built late (dedicated/portgrids.h) are built here.
    std::function<void()> BeforeControlsUsed;

    TExchangeOutcome LastRead;
    TExchangeOutcome LastWrite;
    int ReadCount = 0; // reads started so far
    TColumnMask* ActiveMask = nullptr; // the mask in force (columnmask.h); not owned

    // ---- Overrides ----

    void BeforeGet() override;
    void BeforeSet() override;
    void OnGetError(VhSNMPError* error) override;
    void OnSetError(VhSNMPError* error) override;
    void ControlsToVarList() override;
    void ListViewSelect(QObject* sender, int item, bool selected) override;
    void ShowRow() override;

private:
    void Ended(TExchangeOutcome& outcome, const VhSNMPError& error);
    void RunWindowHandler(const std::function<void(const VhSNMPError&)>& handler, const VhSNMPError& error);
    bool EditHoldsNoValue(int column, std::string& text, bool& typed) const;
    bool IsBound(int column) const;
};

// The user can type into the edit: enabled, not read-only, and not hidden by its window
// (a page of a tab or stack that is not in front counts as shown).
bool UserTypesInto(const QLineEdit* edit);
// A column's name in messages: its caption without the blanks around it.
std::string FieldName(const VhSNMPVarItem& item);

// True when text is a value of a column of that syntax as far as the window can tell:
// a whole number for the integer syntaxes, anything but "(NOTDONE)" for the others.
bool IsValueText(unsigned syntax, const std::string& text);
