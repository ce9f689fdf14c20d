#include "snmplib/expression.h"

#include <string_view>
#include <utility>
#include <vector>

#include "platform/sysutils.h"
#include "snmplib/optionlist.h"
#include "snmplib/request.h"
#include "snmplib/snmperror.h"
#include "snmplib/textforms.h"
#include "snmplib/varlist.h"

const char* const CompareOperators[7] = {"<>", ">=", "<=", ">", "<", "=", nullptr};

namespace {

constexpr std::size_t npos = std::string_view::npos;

// A value goes into an expression as one quoted text. One that holds a character the
// evaluator reads (a quote, an operator, a group, a reference prefix), or that would read
// as NOW, goes in as a marked literal: LiteralMark first, each such character as
// EscapeMark and its letter. The comparison takes it back to the value's own bytes, so an
// agent's text always compares as the one literal it is.
constexpr char LiteralMark = '\x01';
constexpr char EscapeMark = '\x02';
constexpr std::string_view Escaped("\"|&!()<>=$#\x01\x02", 13);

std::string QuotedValue(const std::string& v)
{
    if (v.find_first_of(Escaped) == npos && AnsiCompareText(v, "NOW") != 0)
        return "\"" + v + "\"";
    std::string out = "\"";
    out += LiteralMark;
    for (const char c : v) {
        const std::size_t k = Escaped.find(c);
        if (k == npos) {
            out += c;
        } else {
            out += EscapeMark;
            out += static_cast<char>('A' + k);
        }
    }
    return out + "\"";
}

// A side of a comparison that is a marked literal, taken back to the value's bytes.
bool FromLiteral(std::string& side)
{
    if (side.empty() || side[0] != LiteralMark)
        return false;
    std::string value;
    for (std::size_t i = 1; i < side.size(); ++i) {
        const std::size_t k = i + 1 < side.size() ? static_cast<std::size_t>(side[i + 1] - 'A') : npos;
        if (side[i] == EscapeMark && k < Escaped.size()) {
            value += Escaped[k];
            ++i;
        } else {
            value += side[i];
        }
    }
    side = std::move(value);
    return true;
}

// A number as the evaluator reads one: sign, digits, a fraction, an exponent.
bool IsNumberText(const std::string& v)
{
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < v.size() && v[i] >= '0' && v[i] <= '9')
            ++i;
        return i - from;
    };
    if (i < v.size() && (v[i] == '+' || v[i] == '-'))
        ++i;
    std::size_t n = digits();
    if (i < v.size() && v[i] == '.') {
        ++i;
        n += digits();
    }
    if (n == 0)
        return false;
    if (i < v.size() && (v[i] == 'e' || v[i] == 'E')) {
        ++i;
        if (i < v.size() && (v[i] == '+' || v[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == v.size();
}

// The ")" that closes the "(" at open, or npos.
std::size_t MatchingClose(std::string_view s, std::size_t open)
{
    int depth = 1;
    for (std::size_t i = open + 1; i < s.size(); ++i) {
        if (s[i] == '(')
            ++depth;
        else if (s[i] == ')' && --depth == 0)
            return i;
    }
    return npos;
}

// Text before the group, the group's result and the text after it.
std::string Substituted(std::string_view s, std::size_t open, std::size_t close, const std::string& result)
{
    std::string next;
    next.reserve(s.size());
    next.append(s.substr(0, open));
    next += result;
    next.append(s.substr(close + 1));
    return next;
}

bool Logic(std::string_view input, int depth)
{
    if (depth > ExpressionMaxDepth)
        RaiseSnmpError(VHSNMP_ERR_BAD_LOGIC_OPERAND);
    std::string buffer; // the text after a group was replaced by its result
    std::string_view s = input;
    bool negate = false; // the value of the whole text is inverted by leading "!"s
    // The text only loses characters at its front until a group is replaced, so a "(" found
    // without its ")" stays without one: it is not searched for again (long unbalanced
    // texts would otherwise take a scan per character).
    const char* unclosed = nullptr;
    while (true) {
        std::size_t q1 = s.find('"');
        const std::size_t q2 = q1 == npos ? npos : s.find('"', q1 + 1);
        if (q2 == npos)
            q1 = npos;
        const auto quoted = [&](std::size_t x) { return q1 != npos && q1 < x && x < q2; };

        const std::size_t pNot = s.find('!'), pAnd = s.find('&'), pOr = s.find('|'), pOpen = s.find('(');
        std::size_t pClose = npos;
        if (pOpen != npos && s.data() + pOpen != unclosed) {
            pClose = MatchingClose(s, pOpen);
            if (pClose == npos)
                unclosed = s.data() + pOpen;
        }

        if (pOpen != npos && pClose != npos && !quoted(pOpen) && !quoted(pClose)) {
            const bool r = Logic(s.substr(pOpen + 1, pClose - pOpen - 1), depth + 1);
            buffer = Substituted(s, pOpen, pClose, r ? "true" : "false");
            s = buffer;
            unclosed = nullptr;
            continue;
        }
        if (pOr != npos && !quoted(pOr)) {
            if (Logic(s.substr(0, pOr), depth + 1))
                return !negate;
            s = s.substr(pOr + 1);
            continue;
        }
        if (pAnd != npos && !quoted(pAnd)) {
            if (!Logic(s.substr(0, pAnd), depth + 1))
                return negate;
            s = s.substr(pAnd + 1);
            continue;
        }
        if (pNot != npos && !quoted(pNot)) {
            // The operand is the text after the first character: "!" stands first in it.
            negate = !negate;
            s = s.substr(1);
            continue;
        }
        return EvalCompare(std::string(s)) != negate;
    }
}

double Number(std::string_view s)
{
    if (AnsiCompareText(std::string(s), "NOW") == 0)
        return Now();
    return AtofC(std::string(s));
}

double Arithmetic(std::string_view input, int depth)
{
    if (depth > ExpressionMaxDepth)
        RaiseSnmpError(VHSNMP_ERR_BAD_SYNTAX_IN_EXPRESSION);
    std::string buffer;
    std::string_view s = input;
    // Every operator splits "left op right" with right evaluated first; the left values
    // wait here and are folded in from the right, so the order of the floating-point
    // operations is that of the right-grouping definition.
    std::vector<std::pair<double, char>> pending;
    double value = 0;
    const char* unclosed = nullptr; // as in Logic: a "(" known to have no ")"
    while (true) {
        const std::size_t pMul = s.find('*'), pDiv = s.find('/'), pPlus = s.find('+'), pMinus = s.find('-'),
                          pOpen = s.find('(');
        std::size_t pClose = npos;
        if (pOpen != npos && s.data() + pOpen != unclosed) {
            pClose = MatchingClose(s, pOpen);
            if (pClose == npos)
                unclosed = s.data() + pOpen;
        }
        if (pOpen != npos && pClose != npos) {
            const double v = Arithmetic(s.substr(pOpen + 1, pClose - pOpen - 1), depth + 1);
            buffer = Substituted(s, pOpen, pClose, FloatToStr(v));
            s = buffer;
            unclosed = nullptr;
            continue;
        }
        std::size_t at;
        char op;
        if (pPlus != npos)
            at = pPlus, op = '+';
        else if (pMinus != npos)
            at = pMinus, op = '-';
        else if (pMul != npos)
            at = pMul, op = '*';
        else if (pDiv != npos)
            at = pDiv, op = '/';
        else {
            value = Number(s);
            break;
        }
        const std::string_view left = s.substr(0, at);
        const double l = (op == '+' || op == '-') ? Arithmetic(left, depth + 1) : Number(left);
        pending.emplace_back(l, op);
        s = s.substr(at + 1);
    }
    for (auto it = pending.rbegin(); it != pending.rend(); ++it) {
        switch (it->second) {
        case '+': value = it->first + value; break;
        case '-': value = it->first - value; break;
        case '*': value = it->first * value; break;
        default: value = it->first / value; break;
        }
    }
    return value;
}

} // namespace

bool EvalLogic(const std::string& text) { return Logic(text, 0); }

bool EvalCompare(const std::string& text)
{
    std::string left, right;
    const int k = SplitAtOperator(CompareOperators, text, left, right);
    if (k < 0) {
        if (AnsiCompareText(text, "true") == 0)
            return true;
        if (AnsiCompareText(text, "false") == 0)
            return false;
        RaiseSnmpError(VHSNMP_ERR_BAD_LOGIC_OPERAND);
    }
    left = StripQuotes(Trim(left));
    right = StripQuotes(Trim(right));
    if (!FromLiteral(left) && AnsiCompareText(left, "NOW") == 0)
        left = FloatToStr(Now());
    if (!FromLiteral(right) && AnsiCompareText(right, "NOW") == 0)
        right = FloatToStr(Now());
    const int c = left.compare(right); // byte order; a proper prefix is smaller
    switch (k) {
    case 0: return c != 0;
    case 1: return c >= 0;
    case 2: return c <= 0;
    case 3: return c > 0;
    case 4: return c < 0;
    default: return c == 0;
    }
}

double EvalArithmetic(const std::string& text) { return Arithmetic(text, 0); }

int SplitAtOperator(const char* const* operators, const std::string& text, std::string& left, std::string& right)
{
    if (!operators)
        return -1;
    for (int k = 0; operators[k]; ++k) {
        const std::string op = operators[k];
        if (op.empty())
            continue;
        const std::size_t at = text.find(op);
        if (at != std::string::npos) {
            left = text.substr(0, at);
            right = text.substr(at + op.size());
            return k;
        }
    }
    return -1;
}

bool IsDottedNumber(const std::string& text)
{
    int dots = 0;
    for (const char c : text) {
        if (c == '.') {
            if (++dots > 1)
                return false;
        } else if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

int SpanEnd(const std::string& text, int start, const std::string& set)
{
    if (start < 1 || static_cast<std::size_t>(start) > text.size())
        return 0;
    int i = start;
    while (static_cast<std::size_t>(i) <= text.size() && set.find(text[i - 1]) != std::string::npos)
        ++i;
    return i == start ? 0 : i - 1;
}

std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to)
{
    if (from.empty())
        return text;
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (true) {
        const std::size_t at = text.find(from, pos);
        if (at == std::string::npos)
            break;
        out.append(text, pos, at - pos);
        out += to;
        pos = at + from.size();
    }
    out.append(text, pos, std::string::npos);
    return out;
}

// ---- The request's expression operations -------------------------------------------

std::string VhSNMPRequest::ExpandExpression(const std::string& expr, bool allowText, const std::string& prefix)
{
    if (prefix.empty())
        return expr;
    std::string rest = expr;
    std::size_t from = 0; // the search goes on after each inserted value, so it ends
    while (true) {
        const std::size_t p = rest.find(prefix, from);
        if (p == std::string::npos)
            return rest;
        std::size_t j = p + prefix.size();
        while (j < rest.size() && rest[j] >= '0' && rest[j] <= '9')
            ++j;
        const std::size_t digitsAt = p + prefix.size();
        const uint32_t n = Atol32(rest.substr(digitsAt, j - digitsAt));
        rest.erase(p, j - p);

        // A reference past the list names no item.
        if (n >= static_cast<uint32_t>(VarList.Count()))
            RaiseSnmpError(VHSNMP_ERR_BAD_SYNTAX_IN_EXPRESSION);
        const VhSNMPVarItem& item = *VarList.GetItem(static_cast<int>(n));
        const std::string v = item.Options ? item.Options->TextToValue(item.Value) : item.Value;
        if (v == "(NULL)")
            RaiseSnmpError(VHSNMP_ERR_NULL_IN_EXPRESSION);

        std::string s;
        switch (item.Syntax) {
        case SNMP_SYNTAX_BOOLEAN:
        case SNMP_SYNTAX_BOOL8:
        case SNMP_SYNTAX_BOOL16:
            s.assign(1, v == "true" ? '1' : '0');
            break;
        case SNMP_SYNTAX_INTEGER:
        case SNMP_SYNTAX_COUNTER:
        case SNMP_SYNTAX_GAUGE:
        case SNMP_SYNTAX_COUNTER64:
        case SNMP_SYNTAX_UINTEGER:
        case SNMP_SYNTAX_DOUBLE:
        case SNMP_SYNTAX_INT8:
        case SNMP_SYNTAX_UINT8:
        case SNMP_SYNTAX_INT16:
        case SNMP_SYNTAX_UINT16:
            // A text in a number's place ("(NOTDONE)") is a literal in a filter.
            s = allowText && !v.empty() && !IsNumberText(v) ? QuotedValue(v) : v;
            break;
        case SNMP_SYNTAX_TIMETICKS:
            s = std::to_string(TimeTicksFromText(v));
            break;
        case SNMP_SYNTAX_BCDATETIME:
            s = FloatToStr(StrToDateTime(v));
            break;
        default:
            if (!allowText)
                RaiseSnmpError(VHSNMP_ERR_BAD_SYNTAX_IN_EXPRESSION);
            s = QuotedValue(v);
            break;
        }
        rest.insert(p, s);
        from = p + s.size();
    }
}

bool VhSNMPRequest::EvaluateExpr(const std::string& expr)
{
    if (expr.empty())
        return true;
    return EvalLogic(ExpandExpression(expr, true, "$"));
}

bool VhSNMPRequest::IsPastColumn(const std::string& base, const std::string& last, const std::string& received)
{
    if (VarList.ListType == SVT_SV || VarList.ListType == MVT_SV)
        return false;
    // Inside the column means base + "." + at least one more character: a plain prefix
    // test would take "...1.10.x" for a row of column "...1.1".
    const bool inside = received.size() > base.size() + 1 && received.compare(0, base.size(), base) == 0 &&
                        received[base.size()] == '.';
    return !inside || received == last;
}
