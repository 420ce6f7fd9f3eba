#include "support/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <limits>

std::string IntText(std::int64_t value) {
  char buffer[24];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, end);
}

std::string FixedText(double value, int decimals) {
  char buffer[400];  // the widest double in fixed notation, with decimals to spare
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (error != std::errc()) {
    ADD_FAILURE() << "no room for a fixed text of " << value;
    return "";
  }
  return std::string(buffer, end);
}

std::string SignedExponentText(double value, int significantDigits) {
  char buffer[40];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::scientific, significantDigits - 1);
  if (error != std::errc()) {
    ADD_FAILURE() << "no room for an exponent text of " << value;
    return "";
  }
  std::string text(buffer, end);
  std::replace(text.begin(), text.end(), 'e', 'E');
  return value < 0 ? text : "+" + text;
}

double ReadNumber(std::string_view text) {
  std::string_view digits = text;
  if (digits.starts_with('+')) digits.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) {
    ADD_FAILURE() << "\"" << text << "\" is not a number";
    return std::numeric_limits<double>::quiet_NaN();
  }
  return value;
}
