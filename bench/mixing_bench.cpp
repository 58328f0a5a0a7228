// The mixing page's recalculation, whose wet-bulb search is the one loop of the calculator.
// Results are kept observable with ClobberMemory rather than DoNotOptimize on a member:
// this Google Benchmark's DoNotOptimize(double&) under GCC was seen to zero the double.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

#include "core/fpenv.h"
#include "core/psychro.h"
#include "modules/calculator.h"

namespace {

using plenova::Calculator;

// Both streams saturated at 50.0 °C: the mixture sits at the top of the range at 100 %, so
// the search walks from -10.99 °C to 50.01 °C, 6101 trials, the most any setting needs (the
// count does not depend on the altitude, share or volume).
void saturateBothStreamsAt50(Calculator& calc) {
    plenova::Mixing& m = calc.mixing;
    m.ScrollBarMARAdb.setPosition(600);
    m.ScrollBarMARAwb.setPosition(600);
    m.ScrollBarMAOAdb.setPosition(600);
    m.ScrollBarMAOAwb.setPosition(600);
    m.ScrollBarMApercent.setPosition(50);
}

// How many trials the search made to reach the wet bulb w (the first trial is -10.99 °C).
double trialsOf(double w) {
    return std::round((w + 10.99) / 0.01) + 1;
}

void BM_MixedAirCalcDefault(benchmark::State& state) {
    plenova::setArithmeticEnvironment();
    Calculator calc;
    calc.FormCreate();
    for (auto _ : state) {
        calc.mixing.MixedAirCalc();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MixedAirCalcDefault);

void BM_MixedAirCalcLongestSearch(benchmark::State& state) {
    plenova::setArithmeticEnvironment();
    Calculator calc;
    calc.FormCreate();
    saturateBothStreamsAt50(calc);
    for (auto _ : state) {
        calc.mixing.MixedAirCalc();
        benchmark::ClobberMemory();
    }
    state.counters["trials"] = trialsOf(calc.mixing.MAMAwb);
}
BENCHMARK(BM_MixedAirCalcLongestSearch);

// The search alone over its longest walk, per trial.
void BM_WetBulbSearchPerTrial(benchmark::State& state) {
    plenova::setArithmeticEnvironment();
    const double ps50 = plenova::store(plenova::psychro::saturationPressure(50));
    for (auto _ : state) {
        const double w = plenova::searchMixedWetBulb(50, 101.325, ps50, 100);
        benchmark::DoNotOptimize(w);
    }
    const auto trials =
        static_cast<std::int64_t>(trialsOf(plenova::searchMixedWetBulb(50, 101.325, ps50, 100)));
    state.SetItemsProcessed(state.iterations() * trials);
}
BENCHMARK(BM_WetBulbSearchPerTrial);

// A user move that crosses the other bulb of its stream: lowering the return dry bulb below
// its wet bulb carries the wet bulb down (two recalculations), raising the wet bulb above the
// dry bulb carries the dry bulb up (two more). Near the top of the range, so every search is
// close to the longest.
void BM_OrderingCascadeNearLongestSearch(benchmark::State& state) {
    plenova::setArithmeticEnvironment();
    Calculator calc;
    calc.FormCreate();
    saturateBothStreamsAt50(calc);
    plenova::Mixing& m = calc.mixing;
    int recalculations = 0;
    calc.setRecalculationObserver([&](const char*) { ++recalculations; });
    for (auto _ : state) {
        m.ScrollBarMARAdb.setPosition(590);
        m.ScrollBarMARAwb.setPosition(600);
        benchmark::ClobberMemory();
    }
    state.counters["recalculations_per_iteration"] =
        static_cast<double>(recalculations) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_OrderingCascadeNearLongestSearch);

}  // namespace
