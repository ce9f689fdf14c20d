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
//   request.cpp       construction, defaults, MatchFilter, Evaluate
#include <cstdint>
#include <string>

#include "snmplib/defaults.h"
#include "snmplib/varlist.h"

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

class VhSNMPRequest {
public:
    VhSNMPRequest();
    virtual ~VhSNMPRequest();
    VhSNMPRequest(const VhSNMPRequest&) = delete;
    VhSNMPRequest& operator=(const VhSNMPRequest&) = delete;

    // Copies device, scope, security and time-out from VhSNMPDefaults; Retries stays.
    void LoadDefaults();

    // ---- Virtual operations, in slot order ----

    // expr with every item reference (prefix followed by decimal digits, no digits naming
    // item 0) replaced by the item's raw value: booleans as "1"/"0", numbers as they are,
    // TimeTicks as hundredths, bcdatetime as the date-time number, other syntaxes in
    // double quotes when allowText (else -513). A "(NULL)" value raises -512, a reference
    // past the list -513. Inserted values are not searched again.
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
};
