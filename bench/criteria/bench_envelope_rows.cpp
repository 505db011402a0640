// The cost of a Hoek-Brown principal envelope table against a bare loop of the formulas it
// evaluates (sig1, sigN and tau at each sig3), timed side by side in one run. The counter
// "ratio" is build time over loop time; the table should cost at most twice the loop.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>

#include "core/criteria/HoekBrownCriterion.h"

namespace {

// The formulas of one table row, written out: sig1 = sig3 + sigci (mb sig3 / sigci + s)^a and
// the tangent point of its failure circle.
double FormulaLoop(double sigci, double mb, double s, double a, double lower, double upper,
                   int n) {
  double sum = 0.0;
  for (int i = 1; i < n; ++i) {
    const double sig3 = lower + i * (upper - lower) / (n - 1.0);
    const double t = mb * sig3 / sigci + s;
    const double sig1 = sig3 + sigci * std::pow(t > 0.0 ? t : 0.0, a);
    const double d = 1.0 + a * mb * std::pow(t, a - 1.0);
    const double sigN = (sig1 + sig3) / 2.0 - (sig1 - sig3) / 2.0 * (d - 1.0) / (d + 1.0);
    const double tau = (sig1 - sig3) * std::sqrt(d) / (d + 1.0);
    sum += sig1 + sigN + tau;
  }
  return sum;
}

}  // namespace

static void BM_HoekBrownEnvelopeAgainstFormulas(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  CHoekBrownCriterion hb;
  hb.SetParameters(60.0, 12.0, 55.0, 0.3);
  double sigci, mb, s, a;
  hb.GetRockMassConstants(&sigci, &mb, &s, &a);
  const double lower = hb.GetMinSig3(), upper = hb.GetSig3Max();
  using Clock = std::chrono::steady_clock;
  Clock::duration build{}, loop{};
  for (auto _ : state) {
    const Clock::time_point t0 = Clock::now();
    benchmark::DoNotOptimize(hb.BuildPrincipalEnvelope(n));
    const Clock::time_point t1 = Clock::now();
    benchmark::DoNotOptimize(FormulaLoop(sigci, mb, s, a, lower, upper, n));
    const Clock::time_point t2 = Clock::now();
    build += t1 - t0;
    loop += t2 - t1;
  }
  const double b = std::chrono::duration<double, std::nano>(build).count();
  const double l = std::chrono::duration<double, std::nano>(loop).count();
  state.counters["build_ns"] = benchmark::Counter(b, benchmark::Counter::kAvgIterations);
  state.counters["loop_ns"] = benchmark::Counter(l, benchmark::Counter::kAvgIterations);
  state.counters["ratio"] = l > 0 ? b / l : 0.0;
}
BENCHMARK(BM_HoekBrownEnvelopeAgainstFormulas)->Arg(100)->Arg(500);
