#include "stats/prob_module.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace ProbModule {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kLargestP = 0.9999;

double CapP(double p) {
  return p > kLargestP ? kLargestP : p;
}

// Degrees of freedom are used as a signed 64-bit count; a double whose truncation does not fit
// (NaN and the infinities included) has no such count.
std::optional<std::int64_t> TruncatedCount(double df) {
  constexpr double kTwoTo63 = 9223372036854775808.0;
  if (!(df > -kTwoTo63 && df < kTwoTo63)) return std::nullopt;
  return static_cast<std::int64_t>(df);
}

// --- t -------------------------------------------------------------------------------------

// Beyond this the trigonometric series would run for a long time; no panel comes near it.
constexpr std::int64_t kLargestSeriesDf = 100000;

// P(|T| < x) for n >= 0 degrees of freedom: the finite trigonometric series chosen by the parity
// of n, with 0.36338023 standing for 1 - 2/pi as it always has in this program.
double CentralTArea(double x, std::int64_t n) {
  const double nd = static_cast<double>(n);
  const double theta = std::atan(x / std::sqrt(nd));
  const double u = std::sin(theta);
  const double v = std::cos(theta);
  const int parity = static_cast<int>(nd - 2 * std::floor(nd / 2));

  double area = 0;
  double term = 0;
  std::int64_t a = 0;
  std::int64_t b = 0;
  std::int64_t loops = 0;
  if (parity == 1) {
    area = theta;
    if (n > 1) {
      term = u * v;
      area += term;
      b = 1;
      if (n > 3) loops = static_cast<std::int64_t>((nd - 3) / 2);
    }
  } else {
    area = u;
    if (n != 2) {
      term = u;
      a = -1;
      loops = static_cast<std::int64_t>((nd - 2) / 2);
    }
  }
  for (std::int64_t k = 1; k <= loops; ++k) {
    a += 2;
    b += 2;
    term = term * v * v * static_cast<double>(a) / static_cast<double>(b);
    area += term;
  }
  return area * (1 - parity * 0.36338023);
}

// Two-tailed p for very many degrees of freedom: the normal tail at the deviate
// sqrt((n - 1/2) ln(1 + x^2/n)), whose error falls as 1/n^2 (below 1e-11 here).
double LargeDfTwoTailedP(double x, std::int64_t n) {
  const double nd = static_cast<double>(n);
  const double deviate_squared = (nd - 0.5) * std::log1p(x / nd * x);
  return std::erfc(std::sqrt(deviate_squared / 2));
}

// --- z -------------------------------------------------------------------------------------

constexpr double kInvSqrtTwoPi = 0.3989422804014327;

// The series meets its own previous sum within 36 passes for every x up to 6.8.
constexpr int kMaxNormalSeriesPasses = 100;

// Area under the normal curve between 0 and x (0 <= x <= 6.8), summed until the sum stops
// changing.
double NormalAreaFromZero(double x) {
  const double y = x * x / 4;
  double a = 1;
  double s = 1;
  double b = y;
  double prev = 0;
  int k = 2;
  for (int pass = 0; pass < kMaxNormalSeriesPasses; ++pass) {
    a = (b - a) * y / k;
    ++k;
    s = s + a / k;
    if (s == prev) break;
    b = (a - b) * y / k;
    ++k;
    prev = s;
  }
  return kInvSqrtTwoPi * x * std::exp(-y / 2) * s;
}

// Upper tail beyond x > 6.8 by the asymptotic formula.
double NormalUpperTail(double x) {
  const double x2 = x * x;
  return kInvSqrtTwoPi * std::exp(-x2 / 2) * (1 - 1 / (x2 + 3 - 1 / (0.22 * x2 + 0.704))) / x;
}

// --- F -------------------------------------------------------------------------------------

// Beyond this the log-gamma differences start to lose the digits the p value needs; no panel
// comes near it.
constexpr double kLargestFDf = 100000;

// The series is kept only where it ends in few terms; elsewhere the continued fraction.
constexpr int kMaxSeriesTerms = 60;
// The fraction needs at most about 200 steps for the accepted df (both near 100,000 with F
// near 1).
constexpr int kMaxFractionSteps = 1000;
constexpr double kTolerance = 1e-15;

// One argument of the regularised incomplete beta I_x(a, b), with 1 - x computed on its own so
// that neither loses digits to the other.
struct BetaPoint {
  double x;
  double cx;
  double a;
  double b;
};

BetaPoint Mirrored(const BetaPoint& point) {
  return {point.cx, point.x, point.b, point.a};
}

double LogBeta(double a, double b) {
  return std::lgamma(a) + std::lgamma(b) - std::lgamma(a + b);
}

// Soper's reduction series for I_x(a, b): a finite run of terms in x / (1 - x), then a tail in x.
// Empty when it would need more than kMaxSeriesTerms terms.
std::optional<double> SoperSeries(const BetaPoint& at, double log_beta) {
  double psq = at.a + at.b;
  double ai = 1;
  double term = 1;
  double sum = 1;
  auto ns = static_cast<std::int64_t>(at.cx * psq + at.b);
  double rx = ns == 0 ? at.x : at.x / at.cx;
  double temp = at.b - ai;
  for (int n = 0; n < kMaxSeriesTerms; ++n) {
    term = term * temp * rx / (at.a + ai);
    sum += term;
    if (std::fabs(term) <= kTolerance && std::fabs(term) <= kTolerance * sum) {
      const double front =
          std::exp(at.a * std::log(at.x) + (at.b - 1) * std::log(at.cx) - log_beta);
      return front * sum / at.a;
    }
    ai += 1;
    --ns;
    if (ns >= 0) {
      temp = at.b - ai;
      if (ns == 0) rx = at.x;
    } else {
      temp = psq;
      psq += 1;
    }
  }
  return std::nullopt;
}

// The continued fraction of I_x(a, b) by the modified Lentz method; it converges fast for
// x < (a + 1) / (a + b + 2). NaN if it has not converged within kMaxFractionSteps.
double LentzFraction(const BetaPoint& at, double log_beta) {
  constexpr double kTiny = std::numeric_limits<double>::min() / kTolerance;
  auto nonzero = [](double value) { return std::fabs(value) < kTiny ? kTiny : value; };
  const double a = at.a;
  const double b = at.b;
  double c = 1;
  double d = 1 / nonzero(1 - (a + b) * at.x / (a + 1));
  double h = d;
  for (int m = 1; m <= kMaxFractionSteps; ++m) {
    const double m2 = 2.0 * m;
    const double even = m * (b - m) * at.x / ((a - 1 + m2) * (a + m2));
    d = 1 / nonzero(1 + even * d);
    c = nonzero(1 + even / c);
    h *= d * c;
    const double odd = -(a + m) * (a + b + m) * at.x / ((a + m2) * (a + 1 + m2));
    d = 1 / nonzero(1 + odd * d);
    c = nonzero(1 + odd / c);
    const double step = d * c;
    h *= step;
    if (std::fabs(step - 1) <= kTolerance) {
      const double front = std::exp(a * std::log(at.x) + b * std::log(at.cx) - log_beta);
      return front * h / a;
    }
  }
  return kNaN;
}

// I_x(a, b) for 0 < x < 1.
double IncompleteBetaRatio(const BetaPoint& at) {
  const double log_beta = LogBeta(at.a, at.b);
  // The series runs on the side of the mean where its reduction terms shrink.
  const bool exchanged = at.a < (at.a + at.b) * at.x;
  if (auto series = SoperSeries(exchanged ? Mirrored(at) : at, log_beta)) {
    return exchanged ? 1 - *series : *series;
  }
  if (at.x < (at.a + 1) / (at.a + at.b + 2)) return LentzFraction(at, log_beta);
  return 1 - LentzFraction(Mirrored(at), log_beta);
}

std::optional<double> FDegreesOfFreedom(double df) {
  if (!(df >= 1 && df < kLargestFDf + 1)) return std::nullopt;
  return std::trunc(df);
}

}  // namespace

double tprob(double t, double df) {
  const double x = std::fabs(t);
  const std::optional<std::int64_t> n = TruncatedCount(df);
  if (std::isnan(x) || !n) return kNaN;
  if (x < 0.00009) return CapP(0.99999);
  if (*n < 0) return kNaN;
  if (*n > kLargestSeriesDf) return CapP(LargeDfTwoTailedP(x, *n));
  const double area = CentralTArea(x, *n);
  return CapP((1 - 0.5 * (1 + area)) * 2);
}

double zprob(double z) {
  const double x = std::fabs(z);
  if (std::isnan(x)) return kNaN;
  double p = 0;
  if (x > 6.8) {
    p = 2 * NormalUpperTail(x);
  } else {
    p = (0.5 - NormalAreaFromZero(x)) * 2;
    if (x == 0) p = 0.99999;
  }
  return CapP(p);
}

double fprob(double F, double df1, double df2) {
  const std::optional<double> d1 = FDegreesOfFreedom(df1);
  const std::optional<double> d2 = FDegreesOfFreedom(df2);
  if (!(F >= 0) || !d1 || !d2) return kNaN;
  // The upper tail of F is I_x(d2 / 2, d1 / 2) at x = d2 / (d2 + d1 F) = 1 / (1 + ratio).
  const double ratio = *d1 / *d2 * F;
  if (ratio == 0) return CapP(1);
  if (std::isinf(ratio)) return 0;
  const BetaPoint at{1 / (1 + ratio), ratio / (1 + ratio), *d2 / 2, *d1 / 2};
  // Rounding can take the complement of a tail just below zero.
  return CapP(std::fmax(0.0, IncompleteBetaRatio(at)));
}

}  // namespace ProbModule
