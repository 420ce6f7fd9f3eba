#include "stats/correlations.h"

#include <cmath>

namespace correlations {
namespace {

// Fisher's transformation: the quotient first, then its logarithm, then the half.
double Fisher(double r) {
  return 0.5 * std::log((1.0 + r) / (1.0 - r));
}

}  // namespace

TestResult Independent(double r1, double r2, std::int64_t n1, std::int64_t n2) {
  const double variance = 1.0 / static_cast<double>(n1 - 3) + 1.0 / static_cast<double>(n2 - 3);
  return ZTest((Fisher(r1) - Fisher(r2)) / std::sqrt(variance));
}

double Determinant(double rab, double rbc, double rac) {
  const double squares = 1.0 - std::pow(rab, 2.0) - std::pow(rbc, 2.0) - std::pow(rac, 2.0);
  return squares + 2.0 * rab * rbc * rac;
}

TestResult Related(double rab, double rbc, std::int64_t n, double rac) {
  const double det = Determinant(rab, rbc, rac);
  const double mean = (rab + rbc) / 2.0;
  const double numerator = static_cast<double>(n - 1) * (1.0 + rac);
  const double sizeRatio = static_cast<double>(n - 1) / static_cast<double>(n - 3);
  const double denominator = 2.0 * sizeRatio * det + std::pow(mean, 2.0) * std::pow(1.0 - rac, 3.0);
  return TTest((rab - rbc) * std::sqrt(numerator / denominator), n - 3);
}

}  // namespace correlations
