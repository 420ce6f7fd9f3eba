#include "stats/means.h"

#include <cmath>

namespace means {
TestResult Independent(double m1, double m2, double sd1, double sd2, std::int64_t n1,
                       std::int64_t n2) {
  const double d = m1 - m2;
  const double a = static_cast<double>(n1 - 1) * std::pow(sd1, 2.0);
  const double b = static_cast<double>(n2 - 1) * std::pow(sd2, 2.0);
  const std::int64_t df = n1 + n2 - 2;
  const double pooled = (a + b) / static_cast<double>(df);
  const double w = 1.0 / static_cast<double>(n1) + 1.0 / static_cast<double>(n2);
  const double se = std::sqrt(pooled * w);
  return TTest(d / se, df);
}

TestResult Related(double m1, double m2, double sd1, double sd2, std::int64_t n, double r) {
  const double d = m1 - m2;
  const double q = sd1 * sd1 + sd2 * sd2;
  const double k = 2.0 * r * sd1 * sd2;
  const double se = std::sqrt((q - k) / static_cast<double>(n));
  return TTest(d / se, n - 1);
}

TestResult SampleVsPopulation(double m, double mu, double s, std::int64_t n) {
  const double d = m - mu;
  const double se = s / std::sqrt(static_cast<double>(n));
  return TTest(d / se, n - 1);
}

}  // namespace means
