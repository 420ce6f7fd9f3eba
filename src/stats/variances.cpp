#include "stats/variances.h"

#include <cmath>

namespace variances {

TestResult Independent(double v1, double v2, std::int64_t n1, std::int64_t n2) {
  // The larger variance is the numerator; with equal ones, sample 2's.
  return v1 > v2 ? FTest(v1 / v2, n1 - 1, n2 - 1) : FTest(v2 / v1, n2 - 1, n1 - 1);
}

TestResult Related(double v1, double v2, std::int64_t n, double r) {
  const double d = v1 > v2 ? v1 - v2 : v2 - v1;
  const std::int64_t df = n - 2;
  // The t of the correlation between the sums and the differences of the pairs (Pitman and
  // Morgan's test), which is zero exactly when the two variances are equal.
  const double t =
      std::sqrt(static_cast<double>(df)) * d / std::sqrt(4.0 * v1 * v2 * (1.0 - r * r));
  return TTest(t, df);
}

}  // namespace variances
