// The probability functions at their slowest inputs, each beside Boost.Math on the same input.
#include <benchmark/benchmark.h>

#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/special_functions/beta.hpp>

#include "stats/prob_module.h"

namespace {

// The F corners: (F, d1, d2).
struct FCase {
  double F;
  double d1;
  double d2;
};
constexpr FCase kFCases[] = {
    {1.0, 1, 9998},      // one numerator df against many: the longest series
    {1.05, 9998, 9998},  // both large, close to the mean: the longest continued fraction
    {3.6, 40, 30},       // the Variances panel's worked example
};

void SetFLabel(benchmark::State& state, const FCase& c) {
  state.SetLabel("F=" + std::to_string(c.F).substr(0, 4) + " d1=" + std::to_string(int(c.d1)) +
                 " d2=" + std::to_string(int(c.d2)));
}

void BM_tprob(benchmark::State& state) {
  double t = 2;
  for (auto _ : state) {
    benchmark::DoNotOptimize(t);
    benchmark::DoNotOptimize(ProbModule::tprob(t, 19996));
  }
}
BENCHMARK(BM_tprob);

void BM_boost_students_t(benchmark::State& state) {
  double t = 2;
  for (auto _ : state) {
    benchmark::DoNotOptimize(t);
    const boost::math::students_t_distribution<double> dist(19996);
    benchmark::DoNotOptimize(2 * cdf(complement(dist, t)));
  }
}
BENCHMARK(BM_boost_students_t);

void BM_zprob(benchmark::State& state) {
  double z = 6.8;
  for (auto _ : state) {
    benchmark::DoNotOptimize(z);
    benchmark::DoNotOptimize(ProbModule::zprob(z));
  }
}
BENCHMARK(BM_zprob);

void BM_boost_normal(benchmark::State& state) {
  double z = 6.8;
  const boost::math::normal_distribution<double> dist;
  for (auto _ : state) {
    benchmark::DoNotOptimize(z);
    benchmark::DoNotOptimize(2 * cdf(complement(dist, z)));
  }
}
BENCHMARK(BM_boost_normal);

// Times one way of taking F's upper tail at the corner that the benchmark's argument names.
template <class UpperTail>
void TimeFCase(benchmark::State& state, UpperTail upperTail) {
  const FCase& c = kFCases[state.range(0)];
  double F = c.F;
  for (auto _ : state) {
    benchmark::DoNotOptimize(F);
    benchmark::DoNotOptimize(upperTail(F, c));
  }
  SetFLabel(state, c);
}

void BM_fprob(benchmark::State& state) {
  TimeFCase(state, [](double F, const FCase& c) { return ProbModule::fprob(F, c.d1, c.d2); });
}
BENCHMARK(BM_fprob)->DenseRange(0, 2);

void BM_boost_fisher_f(benchmark::State& state) {
  TimeFCase(state, [](double F, const FCase& c) {
    const boost::math::fisher_f_distribution<double> dist(c.d1, c.d2);
    return cdf(complement(dist, F));
  });
}
BENCHMARK(BM_boost_fisher_f)->DenseRange(0, 2);

// The same upper tail straight from Boost's complemented incomplete beta ratio.
void BM_boost_ibetac(benchmark::State& state) {
  TimeFCase(state, [](double F, const FCase& c) {
    const double x = c.d1 * F / (c.d2 + c.d1 * F);
    return boost::math::ibetac(c.d1 / 2, c.d2 / 2, x);
  });
}
BENCHMARK(BM_boost_ibetac)->DenseRange(0, 2);

}  // namespace

BENCHMARK_MAIN();
