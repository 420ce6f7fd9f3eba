#pragma once

#include <cstdint>
#include <optional>

// What one comparison gives: the statistic, its degrees of freedom where the test has them, and
// the p value from the probability functions (not yet raised to the display's floor). A statistic
// that is not a number leaves p not a number too: the probability functions never see it.
struct TestResult {
  double statistic = 0;
  double p = 0;
  std::optional<std::int64_t> df;
  std::optional<std::int64_t> df2;  // the denominator's degrees of freedom of an F ratio
};

// A t statistic with its degrees of freedom and two-tailed p.
TestResult TTest(double t, std::int64_t df);
// A z statistic with its two-tailed p; a z test has no degrees of freedom.
TestResult ZTest(double z);
// An F ratio, the larger quantity on top, with the numerator's degrees of freedom first and the
// two-sided p.
TestResult FTest(double F, std::int64_t df1, std::int64_t df2);
