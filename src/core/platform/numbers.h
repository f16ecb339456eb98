#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The number conversions every part of the program uses to turn text into
// numbers and back. The decimal mark is always a parameter.
namespace tarvello {

// The leading number of a text: blanks, tabs and line feeds are skipped
// wherever they stand; an optional sign, digits, "." and fraction digits and an
// exponent (E or D) are taken as far as they go; "&H" and "&O" introduce
// hexadecimal and octal numbers. Text without a leading number gives 0; "."
// is the decimal point whatever the locale. A magnitude beyond double range
// gives an infinity, which callers treat as an overflow.
double LeadingNumber(std::string_view text);

// The whole text, apart from surrounding blanks, read as one number with the
// given decimal mark; nullopt when it is not a number.
std::optional<double> LocaleNumber(std::string_view text, char decimalMark);

// True when the text reads as a number: a locale number or an "&H"/"&O" literal.
bool IsNumeric(std::string_view text, char decimalMark);

// A number in its shortest form with at most 15 significant digits, the given
// decimal mark, no thousands separators, whole numbers without a decimal mark
// and exponent form where the magnitude needs it (1E+15, 1E-05).
std::string NumberText(double value, char decimalMark);

// Rounding to the nearest whole number, halves to the even neighbour:
// 2.5 gives 2, 3.5 gives 4, -2.5 gives -2.
double RoundHalfEven(double value);

// RoundHalfEven into a 16-bit integer; throws RuntimeError("Overflow") when it
// does not fit (or the value is not finite).
std::int16_t ToInt16(double value);

// RoundHalfEven into a 32-bit integer; throws RuntimeError("Overflow") when it
// does not fit (or the value is not finite).
std::int32_t ToInt32(double value);

} // namespace tarvello
