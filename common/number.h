// SPDX-License-Identifier: GPL-3.0-or-later
// The two rules by which field texts and numbers meet. Neither depends on the
// C locale or on Qt: the decimal separator is always the full stop.
#pragma once

#include <string>
#include <string_view>

namespace ombrel {

// NumberFromText reads the longest leading part of a field text that forms a
// number and ignores the rest. It never fails:
//
//   ""          -> 0          "abc"      -> 0          "  12"   -> 12
//   "12V"       -> 12         "1 000"    -> 1000       "-3"     -> -3
//   "+2.5"      -> 2.5        ".5"       -> 0.5        "1,5"    -> 1
//   "1.5e3"     -> 1500       "2E-3"     -> 0.002      "1.2.3"  -> 1.2
//   "&H10"      -> 16         "&O17"     -> 15         "&hff"   -> 255
//   "1.5D2"     -> 150        "12E"      -> 12         "-"      -> 0
//   "1e999"     -> +inf       "-1e999"   -> -inf       "1e-999" -> 0
//
// Spaces, tabs and line feeds are dropped wherever they stand before reading;
// a carriage return is not, and ends the number where it stands ("1\r2" -> 1).
// A sign may precede a decimal number only; "&H" and "&O" take hexadecimal
// and octal digits of any width and always give a non-negative value, the
// double nearest to the exact integer, as its decimal spelling would read
// ("&H200000000000018" -> 144115188075855896 -> 144115188075855904). The
// exponent letter is E or e (D or d is read the same way); a letter not
// followed by digits ends the number. The decimal value is rounded correctly
// to the nearest double. A magnitude beyond the double range reads as an
// infinity of its sign: the calculation step turns that into an overflow fault
// when it reads the field; a magnitude below the smallest double reads as 0.
double NumberFromText(std::string_view text);

// Whether the text is plainly one decimal number, blanks (IsBlankChar) at
// both ends aside: an optional sign, digits with at most one full
// stop (a digit on at least one side of it), an optional exponent E or e with
// an optional sign and at least one digit. Bounded, one pass, any length:
//
//   "144" " 144 " "-0.5" "1.5E-07" ".5" "5." "1e999"  -> true
//   "" "abc" "20abc" "1,5" "1 000" "&H10" "1.5D2" "12E" "１２" "." "inf" -> false
bool IsPlainNumber(std::string_view text);

// A figure rounded to `digits` significant digits (1 to 17), as a text the
// number rules read back: (64.2643, 3) -> "64.3", (2397.4, 3) -> "2400",
// (0.99951, 3) -> "1", (0.510636, 4) -> "0.5106", (198.755020080321, 5) -> "198.76".
std::string significantFigures(double value, int digits);

// Whether the character is a blank: a space, a tab, a carriage return or a
// line feed (' ', '\t', '\r', '\n' -> true; '0', 'x', '\f', '\v', '\0' -> false).
bool IsBlankChar(char ch);

// Whether the text holds nothing but blanks (IsBlankChar), which
// NumberFromText reads as 0 ("", "  ", "\r\n", " \t" -> true; "0", " x" -> false).
bool IsBlank(std::string_view text);

// TextFromNumber writes the double rounded correctly to 15 significant digits,
// trailing zeros and a bare decimal point dropped, full stop as separator,
// a minus sign for negative values and none for positive ones:
//
//   0 -> "0"     3 -> "3"     -2.5 -> "-2.5"     0.5 -> "0.5"     -0.0 -> "0"
//   1.0/3 -> "0.333333333333333"      2.0/3 -> "0.666666666666667"
//   0.1306285714285714 -> "0.130628571428571"
//   123456789012345 -> "123456789012345"
//   0.0001 -> "0.0001"
//
// Exponent notation is used when the rounded value has 15 or more digits
// before the point, or its first significant digit stands beyond the fourth
// place after it: the mantissa, "E", the exponent's sign and at least two
// exponent digits:
//
//   1234567890123456 -> "1.23456789012346E+15"     1e15 -> "1E+15"
//   0.00001 -> "1E-05"       1.5e-7 -> "1.5E-07"     1e-300 -> "1E-300"
//   999999999999999.9 -> "1E+15" (rounding carries into the next decade)
//
// The doubles from 1.797693134862315E+308 up to the largest one round up to
// "1.79769313486232E+308", a text beyond the double range: read back, it is
// an overflow, which the calculation step reports as a fault.
//
// Calculations never pass an infinity or a NaN (they fault first); should one
// arrive it is written as "inf", "-inf" or "nan".
std::string TextFromNumber(double value);

}  // namespace ombrel
