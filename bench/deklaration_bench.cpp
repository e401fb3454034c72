#include <benchmark/benchmark.h>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/deklaration.h"
#include "case/caserecord.h"
#include "results/waswaere.h"

namespace {

using namespace quarnel;

// A joint case with wages on both cards, two children, church tax, rental and
// business income, entered on the record as the pages store it.
CaseRecord VollerFall() {
    CaseRecord r;
    NeuerFallDatensatz(r);
    r.SetzeBool(Feld::Grundtabelle, false);
    r.SetzeBool(Feld::Splitting, true);
    r.SetzeInt(Feld::StpflGebDat, TagesNummer(1960, 4, 12));
    r.SetzeInt(Feld::EhegGebDat, TagesNummer(1963, 9, 1));
    r.SetzeInt(Feld::BundeslandLb, 9);
    r.SetzeInt(Feld::StpflReligionLB, 1);
    r.SetzeInt(Feld::StpflReligionVon, ErsterTagSteuerjahr);
    r.SetzeInt(Feld::StpflReligionBis, LetzterTagSteuerjahr);
    r.SetzeDbl(Feld::Brutto, 95000, 1);
    r.SetzeDbl(Feld::Brutto, 38000, 3);
    r.SetzeDbl(Feld::LstEr, 24000);
    r.SetzeDbl(Feld::LstSie, 6000);
    for (int k = 1; k <= 2; ++k) {
        r.SetzeInt(Feld::GebAm, TagesNummer(1990 + 3 * k, 2, 10), k);
        r.SetzeInt(Feld::InlandVom, ErsterTagSteuerjahr, k);
        r.SetzeInt(Feld::InlandBis, LetzterTagSteuerjahr, k);
        r.SetzeInt(Feld::KindschaftZuEhemannLB, 2, k);
        r.SetzeInt(Feld::KindschaftZuEhefrauLB, 2, k);
        r.SetzeDbl(Feld::ErhKiGeld, 3240, k);
    }
    r.SetzeDbl(Feld::MieteDM1, 12000, 1);
    r.SetzeDbl(Feld::ObjektProzEr, 60, 1);
    r.SetzeDbl(Feld::GewEr1, 8000);
    return r;
}

void BM_DeklarationFuellenUndBerechnen(benchmark::State& state) {
    CaseRecord r = VollerFall();
    CalcInput e;
    CalcResult res;
    for (auto _ : state) {
        DeklarationFuellen(r, e, res, false);
        Berechne(e, res);
        benchmark::DoNotOptimize(res.GesamtSaldo);
    }
}
BENCHMARK(BM_DeklarationFuellenUndBerechnen);

// One edit on the what-if page: the fill on a copy and both computations.
void BM_WasWaereRechnen(benchmark::State& state) {
    const CaseRecord r = VollerFall();
    WasWaereWerte a;
    a(WasWaereZeile::Arbeitslohn, 0) = -5000;
    a(WasWaereZeile::Vorsorge, 0) = 1000;
    for (auto _ : state) benchmark::DoNotOptimize(WasWaereRechnen(r, a).nachAenderung.festzusetzen);
}
BENCHMARK(BM_WasWaereRechnen);

}  // namespace
