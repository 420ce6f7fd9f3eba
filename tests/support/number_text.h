#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Numbers as the tests write and read them, the same in every locale: the C library's
// conversions (std::to_string, printf, std::stod) follow the user's decimal comma once the
// application object has set the locale from the environment; these never do.

// Plain decimal digits, with a minus sign when negative.
std::string IntText(std::int64_t value);
// Fixed notation with the given number of decimals, correctly rounded ("%.*f" in the C locale).
std::string FixedText(double value, int decimals);
// Exponent notation with a sign and the given number of significant digits, correctly rounded
// ("%+.*E" in the C locale, one digit fewer as the precision).
std::string SignedExponentText(double value, int significantDigits);
// The number that the whole text reads as; a leading "+" is allowed. Text that is no number
// fails the test and gives NaN.
double ReadNumber(std::string_view text);
