#pragma once
// The library's fixed text forms, one implementation each: hex text, TimeTicks text,
// numbers as the C library reads them (32-bit atol, atof and long double in the C
// locale), the class library's FloatToStr, and the class library's date-time value with
// its fixed formatting and reading. None of them looks at the process locale.
//
// Texts are bytes: every function here takes and gives std::string without any codec.
#include <cstddef>
#include <cstdint>
#include <string>

// ---- Hex text -------------------------------------------------------------------------

// Two upper-case hexadecimal digits per octet, no separator, no prefix; "" for no octets.
std::string HexText(const unsigned char* octets, std::size_t length);
std::string HexText(const std::string& octets);

// Hex text read back: blanks (the space character only) are dropped; with an odd number
// of characters left the first one alone gives the first octet; then each pair gives one
// octet, high digit first. A character that is not a hex digit counts as the digit 0.
std::string HexToOctets(const std::string& text);

// ---- Numbers --------------------------------------------------------------------------

// The C library's atol on a 32-bit long: leading white space, an optional sign, then
// decimal digits accumulated modulo 2^32; the first other character ends the number, and
// no digits give 0. "-1" gives 0xFFFFFFFF, "4294967296" gives 0.
uint32_t Atol32(const std::string& text);
inline int32_t Atol32Signed(const std::string& text) { return static_cast<int32_t>(Atol32(text)); }

// The C library's atof in the C locale: leading white space, then the longest number
// (sign, digits, fraction, exponent, also "inf", "nan" and hex forms); 0 when there is none.
double AtofC(const std::string& text);
// The same, read as a long double (Counter64 texts).
long double AtoldC(const std::string& text);

// Explicit conversions of a floating-point value to an integer: the value truncated
// toward zero, then reduced modulo 2^32 (2^64), so that the result is the low bits of the
// whole number. NaN and infinities give 0.
uint32_t DoubleToLow32(double value);
uint64_t DoubleToUInt64(long double value);

// The class library's general floating-point text: at most 15 significant digits; fixed
// notation when the value is 0, or has at most 15 digits before the point and a magnitude
// of at least 0.00001; otherwise scientific ("1.5E-7", "1E20"). No trailing zeros, no
// point when there is no fraction, "." as the decimal separator. "INF", "-INF", "NAN".
std::string FloatToStr(double value);

// ---- TimeTicks text ------------------------------------------------------------------

// "h:mm:ss.cc", "1 day h:mm:ss.cc" or "d days, h:mm:ss.cc" for t hundredths of a second.
std::string TimeTicksText(uint32_t ticks);
// The TimeTicks text read back; parts that are not found count 0 (a bare number gives 0).
// The sum wraps modulo 2^32.
uint32_t TimeTicksFromText(const std::string& text);

// ---- Date-time values ----------------------------------------------------------------
//
// The class library's date-time value is a double: the whole part counts days since
// 30 December 1899 (negative before it), the fraction is the time of day (its magnitude,
// also for negative values). Years run from 1 to 9999.

struct DateTimeFields {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int MilliSecond = 0;
};

// False when a field is out of its range (the value is then unchanged).
bool TryEncodeDateTime(const DateTimeFields& fields, double& value);
// False for NaN, infinities and values outside the years 1 to 9999.
bool DecodeDateTime(double value, DateTimeFields& fields);

// The class library's FormatDateTime with its specifiers, written in fixed form:
// "yyyy"/"yy" year, "m"/"mm" month (minutes right after an hour), "d"/"dd" day, "h"/"hh"
// hour, "n"/"nn" minutes, "s"/"ss" seconds, "z"/"zzz" milliseconds, "am/pm" and "a/p"
// (12-hour clock, the designator in the specifier's case), "ampm" ("AM"/"PM", 12-hour
// clock), "/" and ":" as themselves, quoted text '...' or "..." copied; other characters
// as they are. A value outside the years 1 to 9999 raises EConvertError.
std::string FormatDateTime(const std::string& format, double value);

// The library's date-time text form: "yyyy/mm/dd hh:nn:ss am/pm".
extern const char* const DateTimeTextFormat;
std::string DateTimeText(double value);

// Reads the date-time text back: a date "y/m/d", then optionally a time "h:n" or "h:n:s"
// (with ".z" milliseconds allowed after the seconds) and an optional "am"/"pm" (or "a"/"p",
// any case). Blanks around the parts are allowed. Anything else, or a field out of range,
// raises EConvertError("'<text>' is not a valid date and time").
double StrToDateTime(const std::string& text);

// The current local date and time as a date-time value.
double Now();

// ---- Little-endian octets of fixed-size values ------------------------------------------

// The 8 octets of an IEEE 754 double, least significant first, and back.
std::string DoubleToOctetsLE(double value);
double DoubleFromOctetsLE(const unsigned char* octets8);

// ---- Octet layouts and addresses ----------------------------------------------------------

// The displaystr text: the octets as characters, up to the first zero octet.
std::string DisplayText(const std::string& octets);

// The VhDateTime text of an SNMP DateAndTime: 11 octets (year most significant octet
// first), or 8 octets, the form without zone. Only the first 11 octets are read; false
// (text unchanged) for fewer than 8.
bool DateAndTimeText(const unsigned char* octets, std::size_t length, std::string& text);
// The 11 DateAndTime octets of a VhDateTime text, the year most significant octet first.
std::string DateAndTimeOctets(const std::string& text);

// A dotted quad: four decimal numbers of at most three digits, each up to 255, joined by
// "."; blanks and control characters around the whole text are allowed. False (octets
// unchanged) for anything else.
bool ParseDottedQuad(const std::string& text, unsigned char octets[4]);
std::string DottedQuad(const unsigned char* octets4);

// ---- Typed values ---------------------------------------------------------------------

// What a text a user typed must be to stand for a value of a syntax code (varlist.h):
// Number, a decimal number from Min to Max (an optional sign, digits, blanks around it) for
// integer, counter, gauge, unsigned and Counter64; DottedQuad (ParseDottedQuad) for
// IpAddress and nsapaddr; ObjectId, dotted decimal arcs (at least two, each below 2^32, the
// first 0, 1 or 2, the second below 40 under 0 and 1, at most 128, an optional leading ".")
// for object identifiers; Hex, hex digits and blanks, for the codes shown as hex text; Any
// for the others. The readers above take any text; a window checks with this first, so
// that "abc" is not sent as 0 nor "999.1.1.1" as another address, 3000000000 not as a
// negative INTEGER nor "abc" as the null value of an object identifier.
struct VhTypedForm {
    enum Kind { Any, Number, DottedQuad, ObjectId, Hex } Form = Any;
    const char* Min = "";
    const char* Max = "";
};
VhTypedForm TypedFormOf(unsigned syntax);
bool IsTypedValue(const std::string& text, unsigned syntax);
// What a field of the syntax takes, as the message that refuses a text (the number
// message of the edit formats, with the type's range or the narrower one given).
std::string TypedValueHint(unsigned syntax, const std::string& min = {}, const std::string& max = {});
