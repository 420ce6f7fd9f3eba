#pragma once

#include <cstdint>

#include "stats/test_result.h"

// Tests of two coefficient alphas from their summary values.
namespace alphas {

// Two tests given to two independent samples: F is the ratio of the two values of 1 - alpha with
// the larger one on top, so F >= 1. df is that of the test with the larger alpha (test 2 when
// they are equal), df2 the other's; p is the two-sided p of F.
TestResult Independent(double a1, double a2, std::int64_t n1, std::int64_t n2);

// Two tests given to one sample of N with correlation r between them: t with N - 2 degrees of
// freedom and its two-tailed p. The sign of r does not matter.
TestResult Related(double a1, double a2, std::int64_t n, double r);

}  // namespace alphas
