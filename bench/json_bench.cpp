// The JSON import at the size a script may feed it: many distinct keys.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "case/feldwerte.h"
#include "case/json.h"

using namespace quarnel;

namespace {

// {"k0": 0, "k1": 1, ...}: n distinct keys.
std::string VieleSchluessel(int n) {
    std::string json = "{";
    for (int i = 0; i < n; ++i) {
        if (i) json += ", ";
        json += "\"Schluessel" + std::to_string(i) + "\": " + std::to_string(i);
    }
    return json + "}";
}

}  // namespace

// Reading with the duplicate-key test; linear in the number of keys.
static void BM_JsonVieleSchluessel(benchmark::State& state) {
    const std::string json = VieleSchluessel(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        JsonErgebnis e = JsonLesen(json);
        benchmark::DoNotOptimize(e.ok);
    }
}
BENCHMARK(BM_JsonVieleSchluessel)->Arg(50000)->Arg(400000)->Unit(benchmark::kMillisecond);

// The whole import of such a file (it stops at the first unknown field).
static void BM_FallImportierenVieleSchluessel(benchmark::State& state) {
    const std::string json = VieleSchluessel(400000);
    auto satz = std::make_unique<CaseRecord>();
    NeuerFallDatensatz(*satz);
    for (auto _ : state) {
        auto fehler = FallImportieren(json, *satz);
        benchmark::DoNotOptimize(fehler);
    }
}
BENCHMARK(BM_FallImportierenVieleSchluessel)->Unit(benchmark::kMillisecond);
