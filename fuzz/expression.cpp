// Expressions: filters and conversion expressions as windows and descriptor tables give
// them, over item values as replies leave them.
//
// Input: one byte choosing what is evaluated, then lines: the expression first, then up
// to four item values (each item's syntax chosen by the byte before its text).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fuzzutil.h"
#include "platform/exception.h"
#include "snmplib/expression.h"
#include "snmplib/request.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t mode = data[0];
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t eol = text.find('\n');
    const std::string expr = text.substr(0, eol);

    // The bare evaluators, as every expression ends up.
    try {
        EvalLogic(expr);
    } catch (const Exception&) {
    }
    try {
        EvalArithmetic(expr);
    } catch (const Exception&) {
    }
    std::string left, right;
    SplitAtOperator(CompareOperators, expr, left, right);
    IsDottedNumber(expr);
    SpanEnd(expr, 1 + mode % 8, "0123456789.");

    // Through a request: references replaced by values, then evaluated.
    VhSNMPRequest request;
    request.VarList.ListType = MVT_FMV;
    std::size_t at = eol == std::string::npos ? text.size() : eol + 1;
    while (at < text.size() && request.VarList.Count() < 4) {
        std::size_t end = text.find('\n', at + 1);
        if (end == std::string::npos)
            end = text.size();
        auto item = std::make_unique<VhSNMPVarItem>();
        item->Oid = "1.3.6.1.4.1.32473.99.1." + std::to_string(request.VarList.Count() + 1);
        item->Syntax = fuzz::SyntaxCode(static_cast<uint8_t>(text[at]));
        item->Access = SNMP_ACCESS_READWRITE;
        item->Value = text.substr(at + 1, end - at - 1);
        if (mode & 1)
            item->GetExpr = expr;
        else
            item->SetExpr = expr;
        request.VarList.Items.push_back(std::move(item));
        at = end + 1;
    }
    try {
        request.EvaluateExpr(expr);
    } catch (const Exception&) {
    }
    try {
        request.ExpandExpression(expr, (mode & 2) != 0, (mode & 4) ? "#" : "$");
    } catch (const Exception&) {
    }
    for (int i = 0; i < request.VarList.Count(); ++i) {
        try {
            request.ConvertValue(i, (mode & 1) != 0);
        } catch (const Exception&) {
        }
    }
    return 0;
}
