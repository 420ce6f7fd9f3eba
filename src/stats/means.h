#pragma once

#include <cstdint>

#include "stats/test_result.h"

// t tests of two means from their summary values.
namespace means {

// Two independent samples, pooled variance; df = N1 + N2 - 2.
TestResult Independent(double m1, double m2, double sd1, double sd2, std::int64_t n1,
                       std::int64_t n2);
// Two related samples of N pairs with correlation r between them; df = N - 1.
TestResult Related(double m1, double m2, double sd1, double sd2, std::int64_t n, double r);
// One sample of N against a population mean; df = N - 1.
TestResult SampleVsPopulation(double m, double mu, double s, std::int64_t n);

}  // namespace means
