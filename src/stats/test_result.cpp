#include "stats/test_result.h"

#include <algorithm>
#include <cmath>

#include "stats/prob_module.h"

double TwoSidedFProbability(double F, std::int64_t df1, std::int64_t df2) {
  if (std::isnan(F)) return NAN;
  const double upper = ProbModule::fprob(F, static_cast<double>(df1), static_cast<double>(df2));
  // At the median the doubled tail is 1; like every p here it is shown at most as .9999.
  return std::min(2.0 * std::min(upper, 1.0 - upper), 0.9999);
}
