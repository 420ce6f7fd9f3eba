#include "stats/alphas.h"

#include <cmath>

#include "stats/prob_module.h"

namespace alphas {

TestResult Independent(double a1, double a2, std::int64_t n1, std::int64_t n2) {
  const bool firstIsLarger = a1 > a2;
  TestResult result;
  result.statistic = firstIsLarger ? (1.0 - a2) / (1.0 - a1) : (1.0 - a1) / (1.0 - a2);
  result.df = firstIsLarger ? n1 - 1 : n2 - 1;
  result.df2 = firstIsLarger ? n2 - 1 : n1 - 1;
  result.p = TwoSidedFProbability(result.statistic, *result.df, *result.df2);
  return result;
}

TestResult Related(double a1, double a2, std::int64_t n, double r) {
  const std::int64_t df = n - 2;
  const double spread = 4.0 * (1.0 - a1) * (1.0 - a2) * (1.0 - std::pow(r, 2.0));
  TestResult result;
  result.statistic = (a1 - a2) * std::sqrt(static_cast<double>(df)) / std::sqrt(spread);
  result.df = df;
  result.p = std::isnan(result.statistic)
                 ? NAN
                 : ProbModule::tprob(result.statistic, static_cast<double>(df));
  return result;
}

}  // namespace alphas
