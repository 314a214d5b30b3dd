// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts: how every text of the program is read as a number and how every number is
// written as text. The window's fields and the grids' headers carry figures as text, so these
// few functions decide the digits the user sees and the values the computation uses.
#pragma once

#include <string>
#include <string_view>

namespace tz9 {

// Lenient leading-number parse. Blanks, tabs and line feeds are skipped wherever they stand;
// then an optional sign, digits with at most one "." and an optional exponent (e or E, optional
// sign, digits) are read up to the first character that cannot continue the number. The rest is
// ignored. No leading number gives 0; "1,5" reads as 1. A number beyond the double range gives
// an infinity of its sign (the caller decides what that means), one too small gives 0.
double ParseLeadingNumber(std::string_view text);

// True when the whole text, blanks and tabs at either end aside, is one number (optional sign,
// digits with at most one decimal point and at least one digit, optional exponent with digits)
// that a double can hold. Empty text, a lone sign or point, any other character, and numbers
// beyond the double range ("1e400") fail. Every text that passes reads through
// ParseLeadingNumber as the number it shows.
bool IsNumericText(std::string_view text);

// General number format: at most 15 significant digits, as C's "%.15g" writes them (fixed form
// where it uses it, its exponent form beyond); negative zero prints "0". Infinities and NaN have
// no general form and print "inf", "-inf" and "nan"; callers keep them out of the window.
std::string FormatGeneral(double value);

// Writes the general form into out (at least kGeneralBufferSize chars) and returns its length.
inline constexpr int kGeneralBufferSize = 32;
int FormatGeneralTo(double value, char* out);

// Blank-led format: the general form with one blank in front of zero or a positive number; a
// negative number keeps its "-" in that place (" 1000", "-500").
std::string FormatBlankLed(double value);

// The text without the blanks and tabs at either end.
std::string_view TrimBlanks(std::string_view text);

// The largest whole number not greater than value, also for negative values (-1.5 gives -2).
double Floor(double value);

}  // namespace tz9
