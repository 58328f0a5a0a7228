// The worst cooling move: the return-air dry bulb lowered below the three other temperatures,
// which nests three handlers and runs the three recalculations four times.
#include <benchmark/benchmark.h>

#include "core/fpenv.h"
#include "modules/calculator.h"

namespace {

void BM_CoolingWorstCascade(benchmark::State& state) {
    plenova::setArithmeticEnvironment();
    plenova::Calculator calc;
    calc.FormCreate();
    plenova::Cooling& c = calc.cooling;
    // With all four temperatures equal, each step down carries the other three along.
    c.RAwbScrollBar.setPosition(500);
    c.SAwbScrollBar.setPosition(500);
    int position = 500;
    for (auto _ : state) {
        if (position == 0) {
            state.PauseTiming();
            c.SAwbScrollBar.setPosition(500);
            position = 500;
            state.ResumeTiming();
        }
        c.RAdbScrollBar.setPosition(--position);
    }
    benchmark::DoNotOptimize(c.SHFLabel.text());
}
BENCHMARK(BM_CoolingWorstCascade);

void BM_CoolingRecalculation(benchmark::State& state) {
    plenova::setArithmeticEnvironment();
    plenova::Calculator calc;
    calc.FormCreate();
    for (auto _ : state) {
        calc.cooling.RAcalcs();
        calc.cooling.SAcalcs();
        calc.cooling.VolumeCalc();
    }
    benchmark::DoNotOptimize(calc.cooling.SHFLabel.text());
}
BENCHMARK(BM_CoolingRecalculation);

}  // namespace
