#include "stats/aucs.h"

#include <cmath>

namespace aucs {

TestResult Compare(double auc1, double auc2, double se1, double se2, double r) {
  const double variance = std::pow(se1, 2.0) + std::pow(se2, 2.0) - 2.0 * r * se1 * se2;
  // An infinite SE makes the cross term 0 times infinity, or infinity taken from infinity: NaN.
  return ZTest((auc1 - auc2) / std::sqrt(variance));
}

}  // namespace aucs
