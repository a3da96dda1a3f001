// Number and text conventions used by every module: the program's arithmetic follows the
// rules of the language it was first written in, and these helpers are the one place that
// implements them.
//
//  - Single is float, Double is double, Integer int16_t, Long int32_t, Byte uint8_t.
//  - Booleans stored in records and files are 16-bit: true = -1, false = 0.
//  - Reading a number from text takes the longest leading number ("." is always the decimal
//    point) and gives 0 when there is none; it never throws.
//  - Converting a fraction to a whole number rounds half to even; Int floors; Fix truncates.
//    Out-of-range conversions clamp and tell the caller.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace core {

using VbBool = int16_t;
inline constexpr VbBool VbTrue = -1;
inline constexpr VbBool VbFalse = 0;
inline constexpr VbBool ToVbBool(bool b) { return b ? VbTrue : VbFalse; }
inline constexpr bool FromVbBool(int v) { return v != 0; }

// Longest leading number of the text: optional leading blanks/tabs, optional sign, digits with
// one optional "." and an optional exponent (E, e, D or d, optional sign, digits; "1D3" is
// 1000). Blanks, tabs and line feeds inside the number are skipped ("1 2" reads 12, "- 5"
// reads -5). An exponent without digits is not part of the number ("3e" reads 3). "&H1F" /
// "&O17" read hex and octal as plain non-negative values ("&HFFFF" is 65535). Returns 0 for
// text with no number. A number too large for a double gives +/-infinity, one too small 0.
// Never throws; the result never depends on the locale.
double Val(std::string_view text);

// A number a person typed into a box. Read as Val reads it, except that a comma is taken as
// the decimal point too ("100,5" is 100.5), whatever the keyboard or the locale. `Found` says
// whether the text holds a number at all: a digit where Val reads one (after leading blanks and
// a sign, or after "&H" or "&O"), whatever follows it; "0 rpm", "0x", "0.", "-0" and "&H0" hold
// a 0, while empty text, blanks, "-", ".", "&H" and "x" hold none. `Whole` says whether the
// text is that number and nothing else (blanks around and inside it allowed, as Val skips
// them): empty text, "-", "3x" and "1.2.3" are not whole numbers.
struct TypedNumber {
    double Value = 0.0;  // the leading number, 0 when there is none
    bool Whole = false;
    bool Found = false;
};
TypedNumber ReadTypedNumber(std::string_view text);
// The value alone, for boxes that read any text as its leading number (0 when there is none).
double TypedVal(std::string_view text);

// Result of a checked conversion: the clamped value and whether it was in range.
template <typename T>
struct Converted {
    T value;
    bool inRange;
};

// Round half to even, then clamp to the type's range. NaN converts to 0 and is out of range;
// infinities clamp to the nearer end and are out of range. Independent of the floating-point
// rounding mode.
Converted<int16_t> CIntChecked(double v);
Converted<int32_t> CLngChecked(double v);
Converted<uint8_t> CByteChecked(double v);
int16_t CInt(double v);   // clamped; use the Checked form where the caller must know
int32_t CLng(double v);
uint8_t CByte(double v);

double Int(double v);  // floor
double Fix(double v);  // truncate toward zero

// Plain decimal text of a Single: at most 7 significant digits, no trailing zeros, no leading
// blank, "-" for negatives, "." as the point. Values whose decimal exponent is below -5 or
// above 6 (that is |v| < 1e-5 or |v| >= 1e7 after rounding to 7 digits) use the exponent form
// "1.5E+07", "-2.5E-06" (mantissa as above, "E", sign, at least two exponent digits).
// Negative zero prints "0". Not-a-number prints "NaN", infinities "Inf" and "-Inf".
// Examples: 0.1f -> "0.1", -0.5f -> "-0.5", 1234567.8f -> "1234568", 1e7f -> "1E+07",
// 1e-5f -> "0.00001", 1.5e-6f -> "1.5E-06".
std::string SingleText(float v);
// The same for a Double with at most 15 significant digits; exponent form when |v| < 1e-5 or
// |v| >= 1e15 after rounding to 15 digits (exponent printed with at least two digits,
// "1E+100" when it needs three).
std::string DoubleText(double v);

// Fixed-length text fields (vehicle names are 32 characters): pad with blanks or cut.
std::string PadFixed(std::string_view text, std::size_t length);
// The text without trailing blanks (and without trailing NULs from binary files).
std::string TrimRight(std::string_view text);
// Without leading blanks and without trailing blanks or NULs.
std::string Trim(std::string_view text);

}  // namespace core
