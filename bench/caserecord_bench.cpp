#include <benchmark/benchmark.h>

#include "case/caserecord.h"

using namespace quarnel;

static void BM_NeuerFall(benchmark::State& state) {
    static CaseRecord r;
    static Notizblock n;
    static Listensatz l;
    for (auto _ : state) {
        NeuerFall(r, n, l);
        benchmark::DoNotOptimize(r.Daten());
    }
}
BENCHMARK(BM_NeuerFall);

// Reads every element of every field through the typed accessors.
static void BM_KatalogDurchlauf(benchmark::State& state) {
    static CaseRecord r;
    NeuerFallDatensatz(r);
    for (auto _ : state) {
        double summe = 0;
        for (std::size_t i = 0; i < Feldkatalog().size(); ++i) {
            Feld f = static_cast<Feld>(i);
            const FeldDef& d = Def(f);
            for (int e = 1; e <= d.anzahl; ++e) {
                switch (d.typ) {
                    case FeldTyp::Double: summe += r.Dbl(f, e); break;
                    case FeldTyp::Text: summe += static_cast<double>(r.Text(f, e).size()); break;
                    case FeldTyp::Boolesch:
                    case FeldTyp::Byte: summe += r.Bool(f, e); break;
                    default: summe += r.Int(f, e); break;
                }
            }
        }
        benchmark::DoNotOptimize(summe);
    }
}
BENCHMARK(BM_KatalogDurchlauf);
