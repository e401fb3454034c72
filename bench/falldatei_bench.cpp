// Opening and saving a case through the command layer, on the temporary directory.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "case/fallbefehle.h"
#include "case/feldwerte.h"

using namespace quarnel;

namespace {

class Gewaehlt : public DateiDialoge {
  public:
    explicit Gewaehlt(std::string p) : pfad(std::move(p)) {}
    std::optional<std::string> Oeffnen(const DateiDialogAnfrage&) override { return pfad; }
    std::optional<std::string> Speichern(const DateiDialogAnfrage&) override { return pfad; }
    std::string pfad;
};

struct Umgebung {
    TemporaereDateien tmp;
    std::string fall = tmp.Arbeitsdatei() + "_bench.S01";
    MeldungsSenke senke;
    Gewaehlt dialoge{fall};
    std::unique_ptr<Fallverwaltung> fv =
        std::make_unique<Fallverwaltung>(senke, dialoge, tmp.Arbeitsdatei());
    Umgebung() {
        fv->Zustand().datenPfad = Verzeichnisteil(fall);
        fv->Neu();
        fv->Speichern(true);
    }
    ~Umgebung() { std::remove(fall.c_str()); }
};

}  // namespace

// The whole open command after the dialog: checks, read, work file.
static void BM_FallOeffnen(benchmark::State& state) {
    Umgebung u;
    for (auto _ : state) {
        bool ok = u.fv->Oeffnen(false);
        benchmark::DoNotOptimize(ok);
        u.senke.protokoll.clear();
    }
}
BENCHMARK(BM_FallOeffnen)->Unit(benchmark::kMicrosecond);

// The plain save: lists from the work file, atomic write with flush to the disk.
static void BM_FallSpeichern(benchmark::State& state) {
    Umgebung u;
    for (auto _ : state) {
        bool ok = u.fv->Speichern(false);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_FallSpeichern)->Unit(benchmark::kMicrosecond);

static void BM_FallExportieren(benchmark::State& state) {
    auto r = std::make_unique<CaseRecord>();
    NeuerFallDatensatz(*r);
    for (auto _ : state) benchmark::DoNotOptimize(FallExportieren(*r));
}
BENCHMARK(BM_FallExportieren)->Unit(benchmark::kMicrosecond);
