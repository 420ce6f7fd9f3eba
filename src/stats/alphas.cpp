#include "stats/alphas.h"

#include <cmath>

namespace alphas {

TestResult Independent(double a1, double a2, std::int64_t n1, std::int64_t n2) {
  const bool firstIsLarger = a1 > a2;
  const double F = firstIsLarger ? (1.0 - a2) / (1.0 - a1) : (1.0 - a1) / (1.0 - a2);
  return firstIsLarger ? FTest(F, n1 - 1, n2 - 1) : FTest(F, n2 - 1, n1 - 1);
}

TestResult Related(double a1, double a2, std::int64_t n, double r) {
  const std::int64_t df = n - 2;
  const double spread = 4.0 * (1.0 - a1) * (1.0 - a2) * (1.0 - std::pow(r, 2.0));
  return TTest((a1 - a2) * std::sqrt(static_cast<double>(df)) / std::sqrt(spread), df);
}

}  // namespace alphas
