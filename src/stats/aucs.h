#pragma once

#include "stats/test_result.h"

// The z test of two areas under ROC curves from their standard errors.
namespace aucs {

// z = (AUC1 - AUC2) / sqrt(SE1^2 + SE2^2 - 2 r SE1 SE2), with its two-tailed normal p; r is the
// correlation between the two AUCs when both come from the same cases, 0 for independent
// samples. No degrees of freedom.
TestResult Compare(double auc1, double auc2, double se1, double se2, double r);

}  // namespace aucs
