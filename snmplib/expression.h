#pragma once
// The expression language over a variable list's values, and three text utilities.
//
// Filters are logical expressions: "|" (or), "&" (and), "!" (not, a prefix that stands
// first in its operand), "(" ")" for grouping, and the comparisons "<>", ">=", "<=", ">",
// "<", "=" between texts (byte by byte; numbers compare as texts). Conversion
// expressions are arithmetic: "+", "-", "*", "/" and "(" ")" over doubles. Both evaluate
// text throughout: each level splits its text at the first occurrence of its operators,
// evaluates the parts and puts intermediate results back as text. The request replaces
// item references ("$n") by values before evaluating (VhSNMPRequest::ExpandExpression).
//
// Expressions are evaluated in loops where an operator's right side or a group's result
// goes on at the same level, so only nested groups and left operands deepen the
// recursion; a nesting deeper than ExpressionMaxDepth is refused (logic: code -1,
// arithmetic: code -513).
#include <string>

constexpr int ExpressionMaxDepth = 400;

// The comparison operators in the order that decides which one splits, ended by null.
extern const char* const CompareOperators[7];

// The logical value of a filter text. Raises -1 "Bad logic operand!" for an operand that
// is neither a comparison nor "true"/"false" (case-insensitive, no blanks).
bool EvalLogic(const std::string& text);
// One comparison, or a bare "true"/"false". Raises -1 as EvalLogic.
bool EvalCompare(const std::string& text);
// The value of an arithmetic text. Operands are read by atof in the C locale ("NOW", in
// any case, is the current date-time value); "" and "abc" give 0, "3(" gives 3.
// Division by zero gives an IEEE 754 infinity or NaN.
double EvalArithmetic(const std::string& text);

// Splits text at the first occurrence of the first operator of the null-ended table that
// occurs in it. Returns that operator's index and sets left and right; -1 (left and right
// unchanged) when none occurs.
int SplitAtOperator(const char* const* operators, const std::string& text, std::string& left, std::string& right);

// True when every character is a digit or ".", with at most one "."; "" gives true.
bool IsDottedNumber(const std::string& text);

// Positions are 1-based here (0 means none): the last position i >= start such that every
// character from start to i is one of the characters of set; 0 when the character at
// start is not in set, or start lies outside the text.
int SpanEnd(const std::string& text, int start, const std::string& set);

// Every occurrence of from replaced by to, left to right; the inserted text is never
// searched again. An empty from replaces nothing.
std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to);
