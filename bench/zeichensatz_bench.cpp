#include <benchmark/benchmark.h>

#include "case/zeichensatz.h"

static void BM_Utf8ZuCp1252(benchmark::State& state) {
    const std::string text = "Außergewöhnliche Belastungen für Körperbehinderte (Übertragung)";
    for (auto _ : state) benchmark::DoNotOptimize(quarnel::Utf8ZuCp1252(text));
}
BENCHMARK(BM_Utf8ZuCp1252);
