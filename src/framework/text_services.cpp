#include "framework/text_services.h"

#include <locale.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace fw {
namespace {

struct Mask {
  bool explicitSign = false;
  int integerPlaces = 0;
  int decimals = 0;
};

Mask ParseMask(const std::string& mask) {
  Mask parsed;
  bool afterPoint = false;
  for (char c : mask) {
    if (c == '+') {
      parsed.explicitSign = true;
    } else if (c == '.') {
      afterPoint = true;
    } else if (c == '#' || c == '0') {
      (afterPoint ? parsed.decimals : parsed.integerPlaces)++;
    }
  }
  return parsed;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Length of the longest prefix of s that reads as a decimal number, 0 when there is none.
size_t NumberPrefixLength(std::string_view s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    size_t j = i + 1;
    size_t fraction = 0;
    while (j < s.size() && IsDigit(s[j])) ++j, ++fraction;
    if (digits + fraction > 0) i = j, digits += fraction;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    size_t exponentDigits = 0;
    while (j < s.size() && IsDigit(s[j])) ++j, ++exponentDigits;
    if (exponentDigits > 0) i = j;
  }
  return i;
}

// The conversion reports overflow and underflow alike; the C library, in the "C" locale so that
// the decimal point never depends on the user's settings, tells them apart.
double OutOfRangeValue(std::string_view number) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
  const std::string copy(number);
  return strtod_l(copy.c_str(), nullptr, cLocale);
}

// One number of ExponentForm; "" when the text is not a plain decimal number.
std::string OneInExponentForm(std::string_view number, int digits) {
  std::string sign;
  if (!number.empty() && (number[0] == '+' || number[0] == '-')) {
    sign = number[0];
    number.remove_prefix(1);
  }
  const size_t point = number.find('.');
  const std::string_view integer = number.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : number.substr(point + 1);
  std::string all = std::string(integer) + std::string(fraction);
  if (all.empty() || !std::all_of(all.begin(), all.end(), IsDigit)) return "";
  const size_t first = all.find_first_not_of('0');
  // The power of ten of the first significant digit; a zero is written with the power 0.
  long exponent = first == std::string::npos
                      ? 0
                      : static_cast<long>(integer.size()) - 1 - static_cast<long>(first);
  std::string significant = first == std::string::npos ? "" : all.substr(first);
  significant.resize(static_cast<size_t>(digits) + 1, '0');
  const bool roundUp = significant.back() >= '5';
  significant.pop_back();
  for (size_t i = significant.size(); roundUp && i-- > 0;) {
    if (significant[i] != '9') {
      ++significant[i];
      break;
    }
    significant[i] = '0';
    if (i == 0) {  // 9.99 rounded up to 10.0: one more power of ten
      significant.insert(0, 1, '1');
      significant.pop_back();
      ++exponent;
    }
  }
  std::string text = sign + significant.substr(0, 1);
  if (digits > 1) text += "." + significant.substr(1);
  const std::string power = std::to_string(exponent < 0 ? -exponent : exponent);
  return text + (exponent < 0 ? "E-" : "E+") + (power.size() < 2 ? "0" : "") + power;
}

}  // namespace

std::string ExponentForm(const std::string& number, int digits) {
  if (digits < 1) return "";
  std::string text;
  size_t start = 0;
  for (;;) {
    const size_t comma = number.find(',', start);
    const std::string one =
        OneInExponentForm(std::string_view(number).substr(start, comma - start), digits);
    if (one.empty()) return "";
    text += one;
    if (comma == std::string::npos) return text;
    text += ",";
    start = comma + 1;
  }
}

std::string Format(double v, const std::string& mask) {
  const Mask m = ParseMask(mask);
  const char* sign = v < 0 ? "-" : (m.explicitSign ? "+" : "");
  if (std::isnan(v)) return "NaN";
  if (std::isinf(v)) return std::string(sign) + "INF";
  // Fixed notation, correctly rounded, and never a locale's decimal comma.
  char buffer[400];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(v),
                              std::chars_format::fixed, m.decimals);
  std::string digits(buffer, result.ptr);
  // Without integer placeholders the mask shows no digit before the point when it would be 0.
  if (m.integerPlaces == 0 && digits.size() > 1 && digits[0] == '0' && digits[1] == '.') {
    digits.erase(0, 1);
  }
  return sign + digits;
}

double Val(const std::string& text) {
  std::string_view s(text);
  size_t start = 0;
  while (start < s.size() && (s[start] == ' ' || s[start] == '\t')) ++start;
  s.remove_prefix(start);
  const size_t length = NumberPrefixLength(s);
  if (length == 0) return 0.0;
  std::string_view number = s.substr(0, length);
  const bool negative = number[0] == '-';
  if (number[0] == '+' || number[0] == '-') number.remove_prefix(1);
  double value = 0.0;
  auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error == std::errc::result_out_of_range) {
    value = OutOfRangeValue(number);
  } else if (error != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

std::string Str(std::int64_t value) {
  return std::to_string(value);
}

std::int64_t Asc(const std::string& text) {
  if (text.empty()) return 0;
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return lead;
  int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  std::int64_t code = lead & (0x3F >> extra);
  for (int i = 1; i <= extra && i < static_cast<int>(text.size()); ++i) {
    code = (code << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
  }
  return code;
}

}  // namespace fw
