#pragma once

#include <cstdint>
#include <string>

// Number formatting and text conversion, as every panel reads its fields and shows its results.
// No GUI here, so the numerics tests and the fuzzer can use them alone.
namespace fw {

// Renders v through a mask: an optional leading "+" (always show the sign), "#" or "0" integer
// placeholders, "." and as many "0" as decimals. "+####.000" gives "+0.636"; ".0000" gives
// ".5407" (no digit before the point below 1). Infinities give "+INF"/"-INF", NaN "NaN".
std::string Format(double v, const std::string& mask);

// A plain decimal number as Format writes it (an optional sign, digits, an optional point and
// digits) in exponent form with the given number of significant digits, rounded half away from
// zero on the text's own digits, its sign kept as the text has it: "+246913578000.000" with 4
// digits gives "+2.469E+11". Numbers joined by "," (two degrees of freedom) are each written so.
// Text that is not such a number gives "".
std::string ExponentForm(const std::string& number, int digits);

// The number at the start of the text: leading blanks and tabs skipped, then the longest prefix
// that reads as a decimal number; the rest is ignored; no number gives 0.
double Val(const std::string& text);

// Plain decimal digits of an integer.
std::string Str(std::int64_t value);

// Code of the first character (its first UTF-8 byte for ASCII, the code point otherwise);
// 0 for the empty text.
std::int64_t Asc(const std::string& text);

}  // namespace fw
