// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Two decimals, ties to the even neighbour, on the 32-bit value (x * 100 is
// stored as a float before it is rounded, so 2.345 gives 2.34).
float okrug(float x);

// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double x);

// The text of a 32-bit float: at most 7 significant digits, no trailing zeros,
// no grouping, `separator` as the decimal point, never "-0". Values needing
// more than 7 digits before the point, or more than four zeros after it, are
// written in exponent form ("1.234568E+07", "1E-06").
std::string floatText(float x, std::string_view separator);

// A double with at most `decimals` decimals, no trailing zeros and never
// "-0", `separator` as the decimal point (a period unless told). Not a finite
// number: "null", as the measuring program's output writes an absent figure.
std::string decimalText(double value, int decimals, std::string_view separator = ".");

// Plain decimal integer text.
std::string intText(long long n);

// Reads a typed number: blanks, tabs and line feeds are skipped anywhere; an
// optional sign, digits with at most one period, an optional exponent (E or D);
// or &H / &O followed by a hexadecimal / octal whole number. Reading stops at
// the first character that cannot continue the number; no digits read as 0.
// Very long digit runs give +-infinity, never NaN.
double readNumber(std::string_view text);

} // namespace velmora
