// Reading and writing numbers runs for every field on every tick; this keeps an eye on its cost.
#include "domain/exercise/numeric_text.h"

#include <benchmark/benchmark.h>

static void BM_ReadNumber(benchmark::State &state) {
    const QString text = QStringLiteral(" 12.75 km");
    for (auto _ : state)
        benchmark::DoNotOptimize(kavren::readNumber(text));
}
BENCHMARK(BM_ReadNumber);

static void BM_WriteNumber(benchmark::State &state) {
    double value = 11.75;
    for (auto _ : state)
        benchmark::DoNotOptimize(kavren::writeNumber(value));
}
BENCHMARK(BM_WriteNumber);
