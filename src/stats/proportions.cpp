#include "stats/proportions.h"

#include <cmath>

namespace proportions {
TestResult Independent(double p1, double p2, std::int64_t n1, std::int64_t n2) {
  const double a = static_cast<double>(n1);
  const double b = static_cast<double>(n2);
  const double pooled = (p1 * a + p2 * b) / static_cast<double>(n1 + n2);
  const double q = (1.0 - pooled) * pooled;
  return ZTest((p1 - p2) / std::sqrt(q / a + q / b));
}

TestResult ObservedExpected(double observed, double expected, std::int64_t n) {
  const double se = std::sqrt(expected * (1.0 - expected) / static_cast<double>(n));
  return ZTest((observed - expected) / se);
}

}  // namespace proportions
