// The heating recalculation: no search, so every state costs about the same; the start state.
#include <benchmark/benchmark.h>

#include "core/fpenv.h"
#include "modules/calculator.h"

namespace {

void BM_HeatingRecalculation(benchmark::State& state) {
    plenova::setArithmeticEnvironment();
    plenova::Calculator calc;
    calc.FormCreate();
    for (auto _ : state) {
        calc.heating.HeatRAcalcs();
    }
    benchmark::DoNotOptimize(calc.heating.LabelReHeatSHF.text());
}
BENCHMARK(BM_HeatingRecalculation);

}  // namespace
