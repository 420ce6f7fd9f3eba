#pragma once

#include <cstdint>

#include "stats/test_result.h"

// Tests of two correlation coefficients from their summary values.
namespace correlations {

// Two correlations from independent samples of N1 and N2: Fisher's z of their difference, with a
// two-tailed p; no degrees of freedom.
TestResult Independent(double r1, double r2, std::int64_t n1, std::int64_t n2);

// The determinant of the correlation matrix of three variables. Below zero no data can have the
// three correlations together.
double Determinant(double rab, double rbc, double rac);

// Two correlations that share variable b, rab against rbc, on one sample of N, given rac: t with
// df = N - 3 and a two-tailed p.
TestResult Related(double rab, double rbc, std::int64_t n, double rac);

}  // namespace correlations
