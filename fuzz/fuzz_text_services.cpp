// Val, Format, the exponent form of a too long result and the N rule on arbitrary text: they must
// never crash, hang or give a number that the panels could not show.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "framework/text_services.h"
#include "panels/panel_patterns.h"

namespace {

void Require(bool holds) {
  if (!holds) std::abort();
}

bool IsStatisticText(const std::string& s) {
  if (s == "+INF" || s == "-INF") return true;
  const size_t point = s.find('.');
  if (s.size() < 6 || (s[0] != '+' && s[0] != '-') || point == std::string::npos) return false;
  if (s.size() - point != 4 || point < 2) return false;
  for (size_t i = 1; i < s.size(); ++i) {
    if (i != point && (s[i] < '0' || s[i] > '9')) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const double value = fw::Val(text);
  Require(!std::isnan(value));

  const std::string statistic = fw::Format(value, "+####.000");
  Require(IsStatisticText(statistic));
  if (std::isfinite(value) && std::fabs(value) < 1e12) {
    Require(std::fabs(fw::Val(statistic) - value) <= 0.0005 + std::fabs(value) * 1e-15);
  }
  // A statistic too long for its field is shown in exponent form, which reads as the statistic to
  // within half its last digit and keeps its sign.
  fw::ExponentForm(text, 4);
  if (std::isfinite(value) && std::fabs(value) < 1e300) {
    for (int digits : {1, 4, 9, 17}) {
      const std::string shorter = fw::ExponentForm(statistic, digits);
      Require(!shorter.empty() && shorter[0] == statistic[0]);
      const double power = fw::Val(shorter.substr(shorter.find('E') + 1));
      const double lastDigit = std::pow(10.0, power - digits + 1);
      // Both texts read to the nearest double, which may lie a little off either.
      const double slack = std::fabs(value) * 4e-16;
      Require(std::fabs(fw::Val(shorter) - fw::Val(statistic)) <= lastDigit / 2 + slack);
    }
  }
  if (value >= 0 && value < 1) {
    const std::string p = fw::Format(value, ".0000");
    Require((p.size() == 5 && p[0] == '.') || p == "1.0000");
  }

  const std::int64_t n = panels::CountFromValue(value);
  if (std::fabs(value) < 9e18) {
    Require(n == static_cast<std::int64_t>(std::trunc(value)));
  } else {
    Require(n == std::numeric_limits<std::int64_t>::min() || std::fabs(value) < 9.3e18);
  }
  return 0;
}
