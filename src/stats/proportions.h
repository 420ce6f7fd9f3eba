#pragma once

#include <cstdint>

#include "stats/test_result.h"

// z tests of two proportions from their summary values; no degrees of freedom.
namespace proportions {

// Two independent samples compared through their pooled proportion.
TestResult Independent(double p1, double p2, std::int64_t n1, std::int64_t n2);
// An observed proportion from a sample of N against an expected one, whose spread alone gives
// the standard error.
TestResult ObservedExpected(double observed, double expected, std::int64_t n);

}  // namespace proportions
