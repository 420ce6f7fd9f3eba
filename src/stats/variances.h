#pragma once

#include <cstdint>

#include "stats/test_result.h"

// Tests of two variances from their summary values. Variances are not negative here: the panel
// refuses a negative one before it asks for a test.
namespace variances {

// Two independent samples: F is the larger variance over the smaller (sample 2's over sample 1's
// when they are equal), df is the numerator's N - 1 and df2 the denominator's, and p is two-sided.
TestResult Independent(double v1, double v2, std::int64_t n1, std::int64_t n2);

// Two related samples of N with correlation r between them: the t of the difference of the
// variances, never negative, with N - 2 degrees of freedom and a two-tailed p.
TestResult Related(double v1, double v2, std::int64_t n, double r);

}  // namespace variances
