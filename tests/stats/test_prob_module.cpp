#include <gtest/gtest.h>

#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <future>
#include <limits>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "stats/prob_module.h"

namespace {

using ProbModule::fprob;
using ProbModule::tprob;
using ProbModule::zprob;

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

double Capped(double p) {
  return p > 0.9999 ? 0.9999 : p;
}

double ExactTwoTailedT(double t, double df) {
  const boost::math::students_t_distribution<double> dist(df);
  return Capped(2 * cdf(complement(dist, std::fabs(t))));
}

double ExactTwoTailedZ(double z) {
  const boost::math::normal_distribution<double> dist;
  return Capped(2 * cdf(complement(dist, std::fabs(z))));
}

double ExactUpperF(double F, double d1, double d2) {
  if (std::isinf(F)) return 0;
  const boost::math::fisher_f_distribution<double> dist(d1, d2);
  return Capped(cdf(complement(dist, F)));
}

// Degrees of freedom from 1 to 20,000: every small value, then spread out, with both parities at
// the top.
std::vector<double> DegreesOfFreedom(double step) {
  std::vector<double> dfs;
  for (double df = 1; df <= 12; ++df) dfs.push_back(df);
  for (double df = 13; df < 19990; df = std::floor(df * step) + 1) dfs.push_back(df);
  for (double df : {9997.0, 9998.0, 19995.0, 19996.0, 20000.0}) dfs.push_back(df);
  return dfs;
}

// The points of a sweep where a function misses the exact value. A fault in a function shows at
// most of a sweep's points, so the test reports the first few and their count, not a line each.
class Misses {
 public:
  ~Misses() {
    if (count_ == 0) return;
    std::string shown;
    for (const std::string& miss : first_) shown += "\n  " + miss;
    ADD_FAILURE() << count_ << " of " << points_
                  << " points miss the exact value; the first:" << shown;
  }

  template <class... Args>
  void Check(double got, double exact, double tolerance, const char* name, Args... args) {
    ++points_;
    if (std::fabs(got - exact) <= tolerance) return;  // NaN is a miss too
    if (++count_ > kShown) return;
    std::ostringstream call;
    call.precision(10);
    call << name << "(";
    const char* separator = "";
    ((call << separator << args, separator = ", "), ...);
    call << ") = " << got << ", exact " << exact << ", tolerance " << tolerance;
    first_.push_back(call.str());
  }

 private:
  static constexpr int kShown = 5;
  int points_ = 0;
  int count_ = 0;
  std::vector<std::string> first_;
};

// Runs the call on a thread of its own so that a call that never returns fails the test instead
// of hanging the run; such a thread cannot be stopped, so the process ends with the failure.
double ReturnsInTime(double (*call)(double, double, double), double a, double b, double c) {
  std::packaged_task<double()> task([=] { return call(a, b, c); });
  std::future<double> result = task.get_future();
  std::thread(std::move(task)).detach();
  if (result.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
    ADD_FAILURE() << "no result within 20 s for (" << a << ", " << b << ", " << c << ")";
    std::_Exit(EXIT_FAILURE);
  }
  return result.get();
}

double CallT(double t, double df, double) {
  return tprob(t, df);
}
double CallZ(double z, double, double) {
  return zprob(z);
}
double CallF(double F, double df1, double df2) {
  return fprob(F, df1, df2);
}

// --- t ---------------------------------------------------------------------------------------

struct TCase {
  double t;
  double df;
  double p;
};

TEST(TProb, FollowsTheSeriesStepByStep) {
  const TCase cases[] = {
      {2.0, 10, 0.0733880},    {2.228, 10, 0.0500118},
      {-2.0, 10, 0.0733880},   {2.0, 10.9, 0.0733880},
      {1.0, 2, 0.4226497},     {1.0, 3, 0.3910022},
      {0, 5, 0.9999},          {0.00005, 3, 0.9999},
      {0.00008999, 7, 0.9999}, {3.0, 0, 0},
      {0, 0, 0.9999},          {kInf, 10, 0},
      {-kInf, 10, 0},          {kInf, 0, 0},
      {0.00005, -4, 0.9999},
  };
  for (const TCase& c : cases) {
    EXPECT_NEAR(tprob(c.t, c.df), c.p, 5e-8) << "tprob(" << c.t << ", " << c.df << ")";
  }
  EXPECT_EQ(tprob(-2.0, 10), tprob(2.0, 10));
  EXPECT_EQ(tprob(2.0, 10.9), tprob(2.0, 10));
  EXPECT_LT(tprob(kInf, 11), 1e-8);
}

TEST(TProb, OddDfKeepTheEightDecimalFactor) {
  // 0.63661977 for 2/pi puts odd df about 2e-9 off the exact value; the panels show what it gives.
  EXPECT_NEAR(tprob(1.0, 1), 0.5000000019, 1e-10);
  EXPECT_NEAR(tprob(1.0, 3), 0.3910022212, 1e-10);
  EXPECT_NEAR(tprob(1.0, 2), ExactTwoTailedT(1.0, 2), 1e-15);
}

TEST(TProb, MatchesTheExactTwoTailedPOverThePanelsRange) {
  std::vector<double> ts = {0, 0.00009, 0.0001, 0.001};
  for (double t = 0.01; t < 60; t *= 1.25) ts.push_back(t);
  Misses misses;
  for (double df : DegreesOfFreedom(1.05)) {
    for (double t : ts) misses.Check(tprob(t, df), ExactTwoTailedT(t, df), 5e-9, "tprob", t, df);
  }
}

TEST(TProb, StaysExactBeyondThePanelsRange) {
  // Up to 100,000 df the series runs (with its 2e-9 for odd df); past that the normal tail of a
  // transformed deviate, closer still.
  struct Band {
    double df;
    double tolerance;
  };
  const Band bands[] = {{99999, 5e-9}, {100000, 5e-9}, {100001, 1e-10}, {1e6, 1e-10},
                        {1e9, 1e-10},  {1e15, 1e-10},  {9.2e18, 1e-10}};
  Misses misses;
  for (const Band& band : bands) {
    for (double t = 0.0001; t < 40; t *= 1.2) {
      misses.Check(tprob(t, band.df), ExactTwoTailedT(t, band.df), band.tolerance, "tprob", t,
                   band.df);
    }
  }
}

// --- z ---------------------------------------------------------------------------------------

struct ZCase {
  double z;
  double p;
};

TEST(ZProb, FollowsTheSeriesAndTheTailFormula) {
  const ZCase cases[] = {
      {1.96, 0.0499958}, {-1.96, 0.0499958}, {2.575829, 0.0100000},
      {0, 0.9999},       {0.0001, 0.9999},   {0.00013, 0.9998963},
      {kInf, 0},         {-kInf, 0},
  };
  for (const ZCase& c : cases) EXPECT_NEAR(zprob(c.z), c.p, 5e-8) << "zprob(" << c.z << ")";
  // The largest deviate of the series and one of the tail formula's, to four figures.
  EXPECT_NEAR(zprob(6.8) / 1.046e-11, 1, 1e-3);
  EXPECT_NEAR(zprob(7.0) / 2.560e-12, 1, 1e-3);
}

TEST(ZProb, MatchesTheExactTwoTailedP) {
  Misses misses;
  for (double z = 0; z <= 6.8; z += 0.0005) {
    misses.Check(zprob(z), ExactTwoTailedZ(z), 1e-9, "zprob", z);
  }
  for (double z = 6.8; z < 60; z *= 1.01) {
    misses.Check(zprob(z), ExactTwoTailedZ(z), 1e-9, "zprob", z);
  }
}

// --- F ---------------------------------------------------------------------------------------

struct FCase {
  double F;
  double df1;
  double df2;
  double p;
};

TEST(FProb, GivesTheExactUpperTailAtTheEdges) {
  const FCase cases[] = {
      {4.96, 1, 10, 0.0500877},
      {3.49, 2, 20, 0.0501049},
      {161.4, 1, 1, 0.0500073},
      {1.0, 1, 1, 0.5},
      {1.0, 2, 2, 0.5},
      {2.0, 5, 7, 0.1956732},
      {1.0, 3, 100, 0.3961862},
      {1.0, 1, 9998, 0.3173347},
      {0.29 / 0.22, 40, 150, 0.1206959},
      {126.81 / 35.27, 40, 30, 0.0002397},
      {1.05, 9998, 9998, 0.0073623},
      {0, 3, 5, 0.9999},
      {kInf, 3, 5, 0},
      {1e-300, 3, 5, 0.9999},
      {1e308, 100000, 1, 0},
  };
  for (const FCase& c : cases) {
    EXPECT_NEAR(fprob(c.F, c.df1, c.df2), c.p, 5e-8)
        << "fprob(" << c.F << ", " << c.df1 << ", " << c.df2 << ")";
  }
  EXPECT_EQ(fprob(4.96, 1.9, 10.5), fprob(4.96, 1, 10));
}

TEST(FProb, MatchesTheExactUpperTailOverThePanelsRange) {
  std::vector<double> ratios = {0, 1e-6, 0.01, 0.1, 0.5, 0.9};
  for (double F = 1; F < 1.2; F += 0.01) ratios.push_back(F);
  for (double F = 1.2; F < 1e4; F *= 1.3) ratios.push_back(F);
  ratios.push_back(1e8);
  ratios.push_back(kInf);
  const std::vector<double> dfs = DegreesOfFreedom(1.3);
  Misses misses;
  for (double d1 : dfs) {
    for (double d2 : dfs) {
      for (double F : ratios) {
        misses.Check(fprob(F, d1, d2), ExactUpperF(F, d1, d2), 1e-9, "fprob", F, d1, d2);
      }
    }
  }
}

TEST(FProb, StaysExactForManyDegreesOfFreedomCloseToTheMean) {
  // Both df large and F near 1 is where the continued fraction runs longest.
  const double dfs[] = {1, 2, 50, 9998, 50000, 100000};
  Misses misses;
  for (double d1 : dfs) {
    for (double d2 : dfs) {
      for (double F = 0.98; F < 1.02; F += 0.0005) {
        misses.Check(fprob(F, d1, d2), ExactUpperF(F, d1, d2), 1e-9, "fprob", F, d1, d2);
      }
    }
  }
}

// --- arguments the panels never pass ---------------------------------------------------------

struct GuardCase {
  double (*call)(double, double, double);
  const char* name;
  double a;
  double b;
  double c;
  double expected;  // NaN where the result must be NaN
};

TEST(Guards, AnyArgumentReturnsInTime) {
  const double beyond_int64 = 1e19;
  const GuardCase cases[] = {
      {CallT, "tprob", kNaN, 10, 0, kNaN},
      {CallT, "tprob", 2, kNaN, 0, kNaN},
      {CallT, "tprob", 2, kInf, 0, kNaN},
      {CallT, "tprob", 2, -kInf, 0, kNaN},
      {CallT, "tprob", 2, beyond_int64, 0, kNaN},
      {CallT, "tprob", 2, -beyond_int64, 0, kNaN},
      {CallT, "tprob", 2, -5, 0, kNaN},
      {CallT, "tprob", 0.00009, -1, 0, kNaN},
      {CallT, "tprob", 0.00005, -9.2e18, 0, 0.9999},
      {CallT, "tprob", 2, 9.2e18, 0, ExactTwoTailedT(2, 9.2e18)},
      {CallT, "tprob", kInf, 9.2e18, 0, 0},
      {CallZ, "zprob", kNaN, 0, 0, kNaN},
      {CallZ, "zprob", -kNaN, 0, 0, kNaN},
      {CallF, "fprob", kNaN, 3, 5, kNaN},
      {CallF, "fprob", 1, kNaN, 5, kNaN},
      {CallF, "fprob", 1, 3, kNaN, kNaN},
      {CallF, "fprob", -1, 3, 5, kNaN},
      {CallF, "fprob", -kInf, 3, 5, kNaN},
      {CallF, "fprob", 1, 0.9, 5, kNaN},
      {CallF, "fprob", 1, 3, 0, kNaN},
      {CallF, "fprob", 1, -3, 5, kNaN},
      {CallF, "fprob", 1, kInf, 5, kNaN},
      {CallF, "fprob", 1, 3, kInf, kNaN},
      {CallF, "fprob", 1, 3, beyond_int64, kNaN},
      {CallF, "fprob", 1, 100001, 5, kNaN},
      {CallF, "fprob", 1, 5, 100001, kNaN},
      {CallF, "fprob", 1, 3, 100000.9, ExactUpperF(1, 3, 100000)},
      {CallF, "fprob", -0.0, 3, 5, 0.9999},
      {CallF, "fprob", kInf, kInf, kInf, kNaN},
  };
  for (const GuardCase& c : cases) {
    const double p = ReturnsInTime(c.call, c.a, c.b, c.c);
    const auto shown = testing::Message()
                       << c.name << "(" << c.a << ", " << c.b << ", " << c.c << ") = " << p;
    if (std::isnan(c.expected)) {
      EXPECT_TRUE(std::isnan(p)) << shown;
    } else {
      EXPECT_NEAR(p, c.expected, 1e-9) << shown;
    }
  }
}

}  // namespace
