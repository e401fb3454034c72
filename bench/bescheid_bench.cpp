#include <benchmark/benchmark.h>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/deklaration.h"
#include "case/caserecord.h"
#include "results/bescheid.h"

namespace {

using namespace quarnel;

// A joint case that fills most sections of the notice: wages of both, a
// child, capital income under both methods, a life annuity, Vorsorge,
// donations, a part-year church liability and a business profit with a
// half-income part (which writes the business annex).
CaseRecord NotizFall() {
    CaseRecord r;
    NeuerFallDatensatz(r);
    r.SetzeBool(Feld::Grundtabelle, false);
    r.SetzeBool(Feld::Splitting, true);
    r.SetzeText(Feld::StpflName, "Beispiel");
    r.SetzeText(Feld::StpflVorname, "Karl");
    r.SetzeText(Feld::EhegName, "Beispiel");
    r.SetzeText(Feld::EhegVorname, "Erika");
    r.SetzeText(Feld::Finanzamt, "Kassel-Hofgeismar");
    r.SetzeInt(Feld::StpflGebDat, TagesNummer(1950, 7, 3));
    r.SetzeInt(Feld::EhegGebDat, TagesNummer(1954, 1, 20));
    r.SetzeInt(Feld::BundeslandLb, 6);
    r.SetzeInt(Feld::StpflReligionLB, 0);
    r.SetzeInt(Feld::StpflReligionVon, ErsterTagSteuerjahr);
    r.SetzeInt(Feld::StpflReligionBis, TagesNummer(2001, 6, 30));
    r.SetzeInt(Feld::EhegReligionLB, 1);
    r.SetzeInt(Feld::EhegReligionVon, ErsterTagSteuerjahr);
    r.SetzeInt(Feld::EhegReligionBis, LetzterTagSteuerjahr);
    r.SetzeDbl(Feld::Brutto, 72000, 1);
    r.SetzeDbl(Feld::LStBrutto, 14800, 1);
    r.SetzeDbl(Feld::Brutto, 18000, 3);
    r.SetzeInt(Feld::GebAm, TagesNummer(1988, 5, 5), 1);
    r.SetzeInt(Feld::InlandVom, ErsterTagSteuerjahr, 1);
    r.SetzeInt(Feld::InlandBis, LetzterTagSteuerjahr, 1);
    r.SetzeInt(Feld::KindschaftZuEhemannLB, 2, 1);
    r.SetzeInt(Feld::KindschaftZuEhefrauLB, 2, 1);
    r.SetzeDbl(Feld::ErhKiGeld, 3240, 1);
    r.SetzeDbl(Feld::SuNichtHalb11, 9000);
    r.SetzeDbl(Feld::SuNichtHalb31, 9000);
    r.SetzeDbl(Feld::SuHalb11, 4000);
    r.SetzeDbl(Feld::SuHalb31, 2000);
    r.SetzeDbl(Feld::Zahlung1, 14000);
    r.SetzeDbl(Feld::ErtAntBek1, 27);
    r.SetzeDbl(Feld::StpflZahlung1, 3780);
    r.SetzeDbl(Feld::KrankenErg, 4800);
    r.SetzeDbl(Feld::LebenErg, 3000);
    r.SetzeDbl(Feld::KirchErg, 600);
    r.SetzeDbl(Feld::GSE1_EinkHalbTeilEr, 10001);
    r.SetzeDbl(Feld::GewEr1, 15000);
    return r;
}

BescheidAngaben Angaben(const CaseRecord& r) {
    BescheidAngaben a;
    a.datum = "15.03.2002";
    BescheidTexteSetzen(r, a);
    return a;
}

void BM_BescheidErstellen(benchmark::State& state) {
    CaseRecord r = NotizFall();
    CalcInput e;
    CalcResult res;
    DeklarationFuellen(r, e, res, false);
    Berechne(e, res);
    const BescheidAngaben a = Angaben(r);
    Ergebnistext text;
    for (auto _ : state) {
        BescheidErstellen(r, e, res, a, text);
        benchmark::DoNotOptimize(text.zeilen.data());
    }
    state.counters["Zeilen"] = static_cast<double>(text.zeilen.size());
}
BENCHMARK(BM_BescheidErstellen);

void BM_FuellenBerechnenBescheid(benchmark::State& state) {
    CaseRecord r = NotizFall();
    CalcInput e;
    CalcResult res;
    const BescheidAngaben a = Angaben(r);
    Ergebnistext text;
    for (auto _ : state) {
        DeklarationFuellen(r, e, res, false);
        Berechne(e, res);
        BescheidErstellen(r, e, res, a, text);
        benchmark::DoNotOptimize(text.zeilen.data());
    }
}
BENCHMARK(BM_FuellenBerechnenBescheid);

}  // namespace
