#pragma once
// One conversation with the agent about one variable list: where the agent is, how to
// authenticate, how long to wait, and which MIB objects.
//
// The conversions between values and texts, between a row's instance and its index
// columns, and the filter evaluation are virtual operations, so that a binding may
// refine them. Their bodies live with their subjects:
//   instancekeys.cpp  IndexToKeys, KeyToIndex, GetIndexString, KeysFromIndex
//   valueconv.cpp     VbToText, TextToVb, ConvertValue
//   expression.cpp    ExpandExpression, EvaluateExpr, IsPastColumn
//   request.cpp       construction, defaults, the exchanges with the agent
//
// Exchanges are synchronous (Get, Set: the call returns when the reply is in and raises
// every failure as the library's Exception) or asynchronous (GetAsync, SetAsync: the call
// returns at once, raising only a failure to send; the completion is called once, from
// the message loop, with the outcome as a VhSNMPError).
//
// A table walk reads one row per exchange: Get(true)/GetAsync(..., true) sends get-next
// on every readable column's base OID; each row stored (result true, or EndOfData 0)
// is followed by Get(false)/GetAsync(..., false), which goes on from where each column
// stands. The row is the smallest instance among the columns still inside their column:
// a column whose reply lies beyond it shows "" for that row and stays where it is; a
// column past its end shows "(NOTDONE)". The walk ends when every column is past its end.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include <QObject>
#include <QPointer>

#include "snmplib/defaults.h"
#include "snmplib/engine/oid.h"
#include "snmplib/varlist.h"

class Pdu;
class SnmpTarget;
class Vb;

// What a completion receives with the variable list.
struct VhSNMPError {
    int32_t Code = 0;       // library code, 0 for success
    int32_t ErrorIndex = 0; // the PDU's error index
    std::string Message;    // text of Code
    std::string SenderAddress;
    uint16_t SenderPort = 0;
    uint8_t EndOfData = 0; // 1 when no further reply of this operation will come
};

// A completion: a method of the caller's object, called with the outcome and the
// request's variable list. Bound to a QObject, it is not called once the object is gone.
struct VhSNMPCompletion {
    using Function = std::function<void(const VhSNMPError&, VhSNMPVarList&)>;

    VhSNMPCompletion() = default;
    VhSNMPCompletion(Function function) : Call(std::move(function)) {}
    template <typename T>
    VhSNMPCompletion(T* object, void (T::*method)(const VhSNMPError&, VhSNMPVarList&))
    {
        if constexpr (std::is_base_of_v<QObject, T>) {
            QPointer<T> guard(object);
            Call = [guard, method](const VhSNMPError& e, VhSNMPVarList& list) {
                if (guard)
                    (guard.data()->*method)(e, list);
            };
        } else {
            Call = [object, method](const VhSNMPError& e, VhSNMPVarList& list) { (object->*method)(e, list); };
        }
    }

    explicit operator bool() const { return static_cast<bool>(Call); }
    void operator()(const VhSNMPError& e, VhSNMPVarList& list) const
    {
        if (Call)
            Call(e, list);
    }

    Function Call;
};

class VhSNMPRequest;

// What a request hands the engine with each asynchronous send (SnmpAsyncCallback,
// snmplib/snmpinit.h, frees it and calls Handler).
struct VhSNMPReplyBlock {
    using HandlerType = void (VhSNMPRequest::*)(int reason, Pdu& pdu, SnmpTarget& target, uint8_t operation,
                                                const VhSNMPCompletion& completion);
    HandlerType Handler = nullptr;
    VhSNMPRequest* Request = nullptr;
    uint8_t Operation = 0; // VHSNMP_OP_GET, VHSNMP_OP_SET or VHSNMP_OP_SET_READBACK
    VhSNMPCompletion Completion;
};

class VhSNMPRequest {
public:
    VhSNMPRequest();
    // Clears Enabled and lets outstanding replies arrive for at most 6000 ms, running the
    // message loop; from then on a reply only settles its exchange (nothing is stored, no
    // completion is called). What has not come by then is cancelled.
    virtual ~VhSNMPRequest();
    VhSNMPRequest(const VhSNMPRequest&) = delete;
    VhSNMPRequest& operator=(const VhSNMPRequest&) = delete;

    // Copies device, scope, security and time-out from VhSNMPDefaults; Retries stays.
    void LoadDefaults();

    // ---- Exchanges ----

    // Synchronous read: first starts (a get, or the first get-next of a walk), false goes
    // on with a walk. True when a table row was stored and the walk may go on; false when
    // the read is done, the walk is over, or Enabled is 0. Raises every failure.
    bool Get(bool first);
    // The same exchange sent asynchronously; the completion is called once.
    void GetAsync(const VhSNMPCompletion& completion, bool first);
    // Synchronous set of the writable items, or of the 0-based item indexes listed in
    // itemList ("1,3"). The variable list is as before afterwards, whatever happens.
    // readBack and valueSource are not used (the reply's values are never stored).
    // Returns false; raises every failure.
    bool Set(bool readBack, const std::string& itemList, const void* valueSource);
    // The same set sent asynchronously; the completion is called once.
    void SetAsync(const VhSNMPCompletion& completion, bool readBack, const std::string& itemList,
                  const void* valueSource);

    // The target of the request: an SNMPv3 UTarget (with the user registered) or an
    // SNMPv1/SNMPv2c CTarget. Raises -509 for an address that is not valid.
    std::unique_ptr<SnmpTarget> MakeTarget();
    // The PDU of mode 0 (first read), 1 (next row of a walk) or 2 (set).
    void BuildPdu(int mode, Pdu& pdu);
    // The outcome of an asynchronous exchange (called by SnmpAsyncCallback): settles the
    // exchange, stores a read's reply, and calls the completion last.
    void OnAsyncResponse(int reason, Pdu& pdu, SnmpTarget& target, uint8_t operation,
                         const VhSNMPCompletion& completion);

    // ---- Virtual operations, in slot order ----

    // expr with every item reference (prefix followed by decimal digits, no digits naming
    // item 0) replaced by the item's raw value: booleans as "1"/"0", numbers as they are,
    // TimeTicks as hundredths, bcdatetime as the date-time number, other syntaxes in
    // double quotes when allowText (else -513). With allowText a value that holds a
    // character the evaluator reads, or that is "NOW", or a text in a number's place, goes
    // in as a marked literal that compares as exactly its own bytes. A "(NULL)" value
    // raises -512, a reference past the list -513. Inserted values are never expanded again.
    virtual std::string ExpandExpression(const std::string& expr, bool allowText, const std::string& prefix);
    // Stores index column k's value text from the leading arcs of rest and returns the
    // arcs left after them. An instance with fewer arcs than the column needs raises -514,
    // an unsupported syntax -511, before anything changes.
    virtual std::string IndexToKeys(int k, const std::string& rest);
    // Index column k's value text as instance arcs, dotted; "" when the column gives no
    // arc. A text that cannot make the column's arcs (an address with the wrong number of
    // parts, a MAC or IPv6 address with too few octets, a text that is no OID) raises
    // -518 rather than address another row.
    virtual std::string KeyToIndex(int k);
    // The item's value text from a received varbind.
    virtual void VbToText(int itemIndex, const Vb& vb);
    // The varbind's value from the item's value text (the caller has set the OID).
    virtual void TextToVb(int itemIndex, Vb& vb);
    // Applies the item's after-get (afterGet) or before-set conversion expression.
    virtual void ConvertValue(int itemIndex, bool afterGet);
    // True when the current values satisfy the filter expression; true for "".
    virtual bool EvaluateExpr(const std::string& expr);
    // True when received no longer belongs to the column of base (or repeats last).
    virtual bool IsPastColumn(const std::string& base, const std::string& last, const std::string& received);

    // ---- Helpers that exchange nothing ----

    bool MatchFilter() { return EvaluateExpr(Filter); }
    bool Evaluate(const std::string& expression) { return EvaluateExpr(expression); }
    // The current row's instance: KeyToIndex of every index column, joined with ".".
    std::string GetIndexString();
    // Splits a row's instance into the index columns' value texts.
    void KeysFromIndex(const std::string& instance);
    // Item i's OID text, followed by "." and the list's Suffix when that is not empty.
    std::string BaseOid(int itemIndex) const;

    // ---- Fields, in order ----

    uint8_t GetNextMode = 0; // read a list of type MVT_SV with get-next
    int32_t Timeout = 100;   // hundredths of a second
    int32_t Retries = 1;
    VhSNMPDevice Device;
    VhSNMPScope Scope;
    VhSNMPSecurity Security;
    VhSNMPVarList VarList;
    std::string Filter;  // evaluated on each received row; "" passes every row
    uint8_t Enabled = 1; // while 0, nothing is sent
    int32_t Pending = 0; // asynchronous requests sent and not yet answered

private:
    enum class Stored { Row, Done, EndOfWalk };
    // Stores a read's reply whose code is 0, or -102 for a table list; raises a failure.
    Stored StoreReply(const Pdu& pdu, int code);
    // The read operation of the list type.
    int ReadOperation() const;
    // Sends asynchronously (operation sNMP_PDU_GET, GETNEXT or SET) and keeps the exchange.
    void SendAsync(int operation, Pdu& pdu, const SnmpTarget& target, uint8_t replyOperation,
                   const VhSNMPCompletion& completion);

    // Item i's last instance as arcs, parsed from its text only when that has changed (a
    // walk asks from it and compares with it on every row).
    const Oid& InstanceArcs(int itemIndex);
    struct ParsedInstance {
        std::string Text;
        Oid Arcs;
    };
    std::vector<ParsedInstance> Instances;

    // Item i's base OID (BaseOid) as text and as arcs, made again only when the item's OID
    // or the list's suffix has changed.
    struct ColumnBase {
        bool Known = false;
        std::string ItemOid, Suffix, Text;
        Oid Arcs;
    };
    const ColumnBase& BaseOf(int itemIndex);
    std::vector<ColumnBase> Bases;
    // What storing a row works with, kept from row to row.
    struct WalkColumn {
        bool Past = true;
        std::size_t Skip = 0; // arcs of the reply's OID before the instance
        std::string Received; // the reply's OID as text
    };
    struct {
        std::vector<int> Readable;
        std::vector<WalkColumn> Columns;
        std::vector<char> Received;
        std::string RowInstance;
    } Walk;

    // Asynchronous exchanges whose outcome has not come: the engine's request ID and the
    // block handed with it.
    std::vector<std::pair<unsigned long, VhSNMPReplyBlock*>> Outstanding;
    bool Destroying = false;
};
