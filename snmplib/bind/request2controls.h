#pragma once
// A request bound to a window.
//
// VhSNMPRequest2Controls holds one VhSNMPRequest and drives it on a window's behalf: Get
// reads a scalar group or walks a table and hands each received row to the subclass's
// ShowRow; Set lets the subclass copy its controls into the variable list and writes it.
// Mode chooses a synchronous exchange (the call returns when it is over and raises every
// failure as the library's Exception) or an asynchronous one (the call returns at once;
// replies come through the message loop and end in OnGetComplete / OnSetComplete).
//
// Busy is 1 from the start of every exchange to its end, on every way out. It is advisory:
// Get and Set do not look at it. A window that closes clears Request.Enabled, waits while
// the object is busy (WaitWhileBusy) and deletes it.
//
// Every outcome becomes a time-stamped result line ("Get: ... Receive at hh:nn:ss AM.") in
// the message target (a memo, a status bar or a status panel). Without a target a failure
// of an asynchronous exchange goes to a message box over Owner, which is shown once the
// reply's handling has returned, so that other replies keep coming while it is open.
//
// A subclass shows rows (ShowRow, required) and may refine the other virtual operations;
// the completion handling is here, so that every binding (edits, LEDs) shares it.
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QPointer>

#include "snmplib/engine/octetstr.h"
#include "snmplib/request.h"
#include "snmplib/snmpinit.h"

class QLabel;
class QString;
class QObject;
class QPlainTextEdit;
class QStatusBar;
class QWidget;

class VhSNMPRequest2Controls;

// Mode: how Get and Set exchange.
inline constexpr uint8_t VHSNMP_MODE_SYNC = 0;  // the call returns when the exchange is over
inline constexpr uint8_t VHSNMP_MODE_ASYNC = 1; // the call returns at once; the reply comes later
// LastOp: the operation of the last exchange, which picks the result line's template.
inline constexpr int32_t VHSNMP_LAST_GET = 0;
inline constexpr int32_t VHSNMP_LAST_SET = 1;

// A completion event: called with the object and the outcome of the exchange.
using TSNMPCompleteEvent = std::function<void(VhSNMPRequest2Controls* sender, VhSNMPError* error)>;

class VhSNMPRequest2Controls {
public:
    explicit VhSNMPRequest2Controls(QWidget* owner);
    // Does not wait for Busy (the owner waits first); the request's own destructor lets
    // outstanding replies arrive for at most 6000 ms, and none of them reaches this object.
    virtual ~VhSNMPRequest2Controls();
    VhSNMPRequest2Controls(const VhSNMPRequest2Controls&) = delete;
    VhSNMPRequest2Controls& operator=(const VhSNMPRequest2Controls&) = delete;

    // The receiver of the result lines: a memo (one line appended per line), a status bar
    // (the line becomes its message) or a status panel, a label in a status bar (the line
    // becomes its text). Null: none.
    void SetMessageTarget(QPlainTextEdit* memo);
    void SetMessageTarget(QStatusBar* statusBar);
    void SetMessageTarget(QLabel* statusPanel);

    // Shows the result line of the last operation with text for its error part; nothing
    // without a target. Windows pass the message of an exception they caught.
    void ShowMessage(const std::string& text);

    // Reads the variable list and shows it. Raises in synchronous mode, and in asynchronous
    // mode when the send fails.
    void Get();
    // Writes the variable list: with fromControls, the controls are copied into it first
    // (ControlsToVarList). itemList and valueSource go to the request's set unchanged ("":
    // every writable item). A table list is read again after a successful set when
    // refreshAfterSet is set. Raises as Get does.
    void Set(bool refreshAfterSet, bool fromControls, const std::string& itemList = std::string(),
             const void* valueSource = nullptr);

    // Octet-string conversions shared by the bindings (snmplib/subfield.h).
    static OctetStr TextToOctets(const std::string& text, unsigned code);
    static OctetStr SubField(const OctetStr& octets, int32_t offset, unsigned code);
    static std::string OctetsToText(const OctetStr& octets, unsigned code);

    // ---- Virtual operations, in slot order ----

    virtual void BeforeGet() {}
    virtual void BeforeSet() {}
    // Shows the values the variable list holds now (one scalar group, or the table row
    // just received). May raise.
    virtual void ShowRow() = 0;
    // Copies the controls into the variable list (Set with fromControls).
    virtual void ControlsToVarList() {}
    // A failed asynchronous get or set: the message goes to the target, or to the box.
    virtual void OnGetError(VhSNMPError* error);
    virtual void OnSetError(VhSNMPError* error);
    virtual void AfterGet() {}
    virtual void AfterSet() {}

    // ---- Members, in order ----

    VhSNMPRequest Request;
    TSNMPCompleteEvent OnGetComplete; // every ending of an asynchronous get
    TSNMPCompleteEvent OnSetComplete; // every ending of an asynchronous set
    uint8_t Mode = VHSNMP_MODE_ASYNC; // VHSNMP_MODE_SYNC or _ASYNC; others send nothing
    uint8_t Busy = 0;
    QPointer<QWidget> Owner;          // parent of the message box; not owned
    QPointer<QObject> MessageTarget;  // not owned
    int32_t LastOp = VHSNMP_LAST_GET; // VHSNMP_LAST_GET or _SET: the template of the result line
    uint8_t RefreshAfterSet = 1;
    VhSNMPRequest* FilterSource = nullptr; // "#n" in RowFilter refers to its item n
    std::string RowFilter;                 // rows for which it is false are not shown
    // The most rows a table read takes (0: no bound): a walk that a window runs without a
    // Stop button is bounded by what its table can hold, so that an agent that answers
    // every get-next with one more row cannot make it endless. The row past the bound is
    // not shown; the read fails with -529.
    int32_t MaxRows = 0;

protected:
    // Called when a get has ended, however it ended (the last row, a failure, a stop), before
    // the window hears of the end: a subclass that holds rows back shows them now.
    virtual void GetEnded() {}
    // Leaves a writable item out of the set being prepared (invalid bit); the bit goes
    // again as soon as the set is sent, at the next Get and at the next LeaveOut round.
    void LeaveOut(int item);
    void RestoreLeftOut();
    // The message in the target, or else in a message box over Owner shown later.
    void Report(const std::string& message);
    // Expires when the object is destroyed: code that runs a window's handler or the
    // message loop checks it before touching the object again.
    std::weak_ptr<int> AliveToken() const { return Alive; }
    bool IsTableList() const;

private:
    // op: VHSNMP_LAST_GET or VHSNMP_LAST_SET.
    // GetEnded for a get; false when this object went meanwhile.
    bool EndGet(int op);
    // The end of a successful exchange: AfterGet / AfterSet, Busy 0, the "Ok!" line. False
    // when this object went meanwhile; a raise goes on to the caller.
    bool Conclude(int op);
    // A synchronous exchange: Busy while it runs, then AfterGet / AfterSet and the "Ok!"
    // line; a raise reaches the caller with Busy 0. False when this object went meanwhile.
    bool RunSync(int op, const std::function<void()>& exchange);
    // Sends an asynchronous exchange unless the request is stopped; Busy until its end.
    void StartAsync(const std::function<void()>& send);
    std::string RowFilterText();
    bool RowAccepted(const std::string& filter);
    void GetReply(const VhSNMPError& reply);
    void SetReply(const VhSNMPError& reply);
    // Endings of an exchange of operation op, each with its event: a failed
    // reply (OnGetError / OnSetError); a raise while the reply was handled (its message
    // shown); a success (AfterGet / AfterSet, the "Ok!" line). Succeeded is false when the
    // exchange did not succeed after all, or this object is gone.
    void Failed(int op, VhSNMPError& error);
    void Abort(int op, const std::exception& e, VhSNMPError& error);
    bool Succeeded(int op, VhSNMPError& error);
    // Calls a window's completion event; what it raises is shown, not passed on.
    void Fire(const TSNMPCompleteEvent& event, VhSNMPError* error);
    VhSNMPCompletion Completion(void (VhSNMPRequest2Controls::*reply)(const VhSNMPError&));

    // Counts a row of the table read under way; false when it is past MaxRows.
    bool RowWithinBound();

    std::vector<int> LeftOut; // items whose invalid bit LeaveOut set
    int32_t RowsRead = 0;     // rows of the table read under way
    std::shared_ptr<int> Alive = std::make_shared<int>(0);
};

// (PumpWhile, the wait loop below, is in snmplib/snmpinit.h.)

// Waits while the request is busy. The pointer is read again on every pass, because a
// handler that the loop runs may delete the object and clear the owner's pointer; pass
// the owner's own member. True when the request is idle or gone.
template <class T>
bool WaitWhileBusy(T* const& request, int timeoutMs = -1)
{
    return PumpWhile([&request] { return request != nullptr && request->Busy != 0; }, timeoutMs);
}

// Shows text in a label as it stands: a value from the switch, a file or the command line
// that looks like markup is never drawn as rich text.
void SetPlainText(QLabel* label, const QString& text);

// Shows a message box with the program's title over owner once the current handler has
// returned (a modal box opened inside a reply would hold up every other reply).
void PostMessageBox(QWidget* owner, const std::string& text);
// The same for an exception that a handler did not catch (the class library's display).
void PostException(const std::string& message);
