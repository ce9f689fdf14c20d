#pragma once
// The class library's string helpers. Texts are bytes in std::string; the widgets get
// them through toQt/fromQt, the one Latin-1 conversion at the widget boundary.
#include <string>

#include <QString>

#include "platform/exception.h"

// Decimal with an optional sign, or hexadecimal written "$1F" / "0x1F" (sign allowed in
// front). Surrounding blanks are ignored. Anything else, an empty text, or a value
// outside the 32-bit range throws EConvertError("'<s>' is not a valid integer value").
int StrToInt(const std::string& s);
// As StrToInt, but returns def instead of throwing.
int StrToIntDef(const std::string& s, int def);
std::string IntToStr(long long v);
// The value of a hexadecimal digit ("0"-"9", "a"-"f", "A"-"F"), or -1 for any other character.
int HexDigitValue(char c);

// Case-insensitive (ASCII) comparison: <0, 0, >0.
int AnsiCompareText(const std::string& a, const std::string& b);
// Exact byte comparison: <0, 0, >0.
int AnsiCompareStr(const std::string& a, const std::string& b);

// Drops the characters <= ' ' (blanks and control characters) at both ends.
std::string Trim(const std::string& s);
std::string UpperCase(const std::string& s); // ASCII letters only
std::string LowerCase(const std::string& s); // ASCII letters only

QString toQt(const std::string& s);   // bytes as Latin-1
std::string fromQt(const QString& s); // Latin-1; characters outside it become '?'
