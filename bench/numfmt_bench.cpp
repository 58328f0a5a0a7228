#include <benchmark/benchmark.h>

#include <string>

#include "core/numfmt.h"

namespace {

void BM_FixedFormat(benchmark::State& state) {
    long double value = 3.5178123456789L;
    std::string scratch;
    for (auto _ : state) {
        benchmark::DoNotOptimize(plenova::fixedVia(scratch, value, 3));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FixedFormat);

void BM_EchoFormat(benchmark::State& state) {
    long double value = 0.1837L * 3600;
    for (auto _ : state) {
        benchmark::DoNotOptimize(plenova::echo(value, '.'));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EchoFormat);

}  // namespace
