// Basic-style numeric helpers: the rounding, truncation and number/text conversions the
// device model and the editors rely on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sys {

// Round half to even (2.5 -> 2, 3.5 -> 4), as Basic's Round and CInt do.
double Round(double x);
// Round half to even into a 16-bit or 32-bit integer, saturating at the type's limits.
int16_t CInt(double x);
int32_t CLng(double x);
// Floor (Basic's Int) and truncation toward zero (Basic's Fix).
double Int(double x);
double Fix(double x);

// Basic's Val: the number at the start of the text, always with '.' as decimal point,
// blanks and tabs skipped anywhere, "&H" / "&O" prefixes for hexadecimal and octal;
// 0 when the text does not start with a number.
double Val(std::string_view text);

// The decimal separator of the user's locale: ',' when decimalComma is set, else '.'.
inline char DecimalSeparator(bool decimalComma) {
    return decimalComma ? ',' : '.';
}

// Decimal logarithm as ln(x) / ln(10).
double Log10(double x);

// The decimal text of n with a "0" in front when n is below 10 (RS485 IDs in captions).
std::string FormatTwoDigits(int16_t n);

// Number to text as Basic's CStr does it for a Double (15 significant digits) or a Single
// (7 significant digits): no trailing zeros, a leading "0" before the separator, the
// locale's decimal separator.
std::string NumText(double x, bool decimalComma);
std::string SingleText(float x, bool decimalComma);

// Text to number as Basic's CDbl does it with the user's locale: optional blanks, a sign,
// digits with at most one decimal separator (the locale's), an optional exponent.
// Returns false (and leaves out untouched) when the text is not such a number.
bool ParseNumber(std::string_view text, bool decimalComma, double& out);

}  // namespace sys
