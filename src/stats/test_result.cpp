#include "stats/test_result.h"

#include <algorithm>
#include <cmath>

#include "stats/prob_module.h"

namespace {

// The two-sided p of an F ratio with the larger quantity in the numerator: twice the smaller of
// the two tails, at most 0.9999. NaN for a ratio that is not a number.
double TwoSidedFProbability(double F, std::int64_t df1, std::int64_t df2) {
  if (std::isnan(F)) return NAN;
  const double upper = ProbModule::fprob(F, static_cast<double>(df1), static_cast<double>(df2));
  // At the median the doubled tail is 1; like every p here it is shown at most as .9999.
  return std::min(2.0 * std::min(upper, 1.0 - upper), 0.9999);
}

}  // namespace

// The probability functions never see a statistic that is not a number: their series would not
// end on it.
TestResult TTest(double t, std::int64_t df) {
  return {t, std::isnan(t) ? NAN : ProbModule::tprob(t, static_cast<double>(df)), df, {}};
}

TestResult ZTest(double z) {
  return {z, std::isnan(z) ? NAN : ProbModule::zprob(z), {}, {}};
}

TestResult FTest(double F, std::int64_t df1, std::int64_t df2) {
  return {F, TwoSidedFProbability(F, df1, df2), df1, df2};
}
