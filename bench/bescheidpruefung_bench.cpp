// The comparison of the office's notice with a full joint case and five
// deviations, every full computation it runs included (the fill of the
// declaration too): it answers a click, so it should stay within a frame.
#include <benchmark/benchmark.h>

#include "calc/betrag.h"
#include "case/caserecord.h"
#include "results/bescheidpruefung.h"

namespace {

using namespace quarnel;

// Both spouses employed, two children, capital income, Vorsorge and church tax.
CaseRecord Ehepaar() {
    CaseRecord r;
    NeuerFallDatensatz(r);
    r.SetzeBool(Feld::Grundtabelle, false);
    r.SetzeBool(Feld::Splitting, true);
    r.SetzeInt(Feld::ErSie_FamilienstandLB, 1);
    r.SetzeInt(Feld::StpflGebDat, TagesNummer(1961, 2, 11));
    r.SetzeInt(Feld::EhegGebDat, TagesNummer(1963, 9, 30));
    r.SetzeInt(Feld::BundeslandLb, 9);
    r.SetzeInt(Feld::StpflReligionLB, 0);
    r.SetzeInt(Feld::EhegReligionLB, 0);
    r.SetzeDbl(Feld::Brutto, 68000, 1);
    r.SetzeDbl(Feld::LStBrutto, 11800, 1);
    r.SetzeDbl(Feld::Brutto, 31000, 3);
    r.SetzeDbl(Feld::LStBrutto, 3900, 3);
    r.SetzeDbl(Feld::FortbildDM, 4100, 1);
    for (int k = 1; k <= 2; ++k) {
        r.SetzeInt(Feld::GebAm, TagesNummer(1990 + 3 * k, 4, 2), k);
        r.SetzeInt(Feld::InlandVom, ErsterTagSteuerjahr, k);
        r.SetzeInt(Feld::InlandBis, LetzterTagSteuerjahr, k);
        r.SetzeInt(Feld::KindschaftZuEhemannLB, 2, k);
        r.SetzeInt(Feld::KindschaftZuEhefrauLB, 2, k);
        r.SetzeDbl(Feld::ErhKiGeld, 3240, k);
    }
    r.SetzeDbl(Feld::SuNichtHalb11, 7000);
    r.SetzeDbl(Feld::SuNichtHalb31, 7000);
    r.SetzeDbl(Feld::KrankenErg, 6200);
    r.SetzeDbl(Feld::LebenErg, 3600);
    return r;
}

void BM_BescheidVergleichenFuenfAbweichungen(benchmark::State& state) {
    const CaseRecord fall = Ehepaar();
    // the office's notice: what the office would write after five changes
    auto e = Gefuellt(fall);
    e->WerbKostEr -= 500;
    e->LStEr -= 100;
    e->VuVInSie += 3000;
    e->UnterhaltIn += 1200;
    e->SteuerberatungIn += 900;
    const AmtsBescheid amt = AmtsBescheidVorbelegen(*e);
    Bescheidvergleich v;
    for (auto _ : state) {
        v = BescheidVergleichen(fall, amt);
        benchmark::DoNotOptimize(v.zeilen.data());
    }
    state.counters["Abweichungen"] = static_cast<double>(v.Abweichungen().size());
    state.counters["Rechnungen"] = v.rechnungen;
}
BENCHMARK(BM_BescheidVergleichenFuenfAbweichungen)->Unit(benchmark::kMillisecond);

}  // namespace
