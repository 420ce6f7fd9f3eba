#include "stats/variances.h"

#include <cmath>

#include "stats/prob_module.h"

namespace variances {

TestResult Independent(double v1, double v2, std::int64_t n1, std::int64_t n2) {
  const bool firstIsLarger = v1 > v2;
  TestResult result;
  result.statistic = firstIsLarger ? v1 / v2 : v2 / v1;
  result.df = (firstIsLarger ? n1 : n2) - 1;
  result.df2 = (firstIsLarger ? n2 : n1) - 1;
  result.p = TwoSidedFProbability(result.statistic, *result.df, *result.df2);
  return result;
}

TestResult Related(double v1, double v2, std::int64_t n, double r) {
  const double d = v1 > v2 ? v1 - v2 : v2 - v1;
  const std::int64_t df = n - 2;
  // The t of the correlation between the sums and the differences of the pairs (Pitman and
  // Morgan's test), which is zero exactly when the two variances are equal.
  const double t =
      std::sqrt(static_cast<double>(df)) * d / std::sqrt(4.0 * v1 * v2 * (1.0 - r * r));
  TestResult result;
  result.statistic = t;
  result.df = df;
  result.p = std::isnan(t) ? NAN : ProbModule::tprob(t, static_cast<double>(df));
  return result;
}

}  // namespace variances
