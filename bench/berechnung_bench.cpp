#include <benchmark/benchmark.h>

#include "calc/berechnung.h"
#include "calc/erklaerung.h"
#include "calc/fall.h"
#include "results/veranlagung.h"
#include "results/wahlrechte.h"

namespace {

// A full joint case: both employed, three children, capital and rental income,
// extraordinary income, Progressionsvorbehalt, church tax for both.
quarnel::CalcInput VollerFall() {
    quarnel::CalcInput e{};
    e.FlagZusammen = 1;
    e.Bundesland = 9;
    e.GebJahrEr = 1960;
    e.GebJahrSie = 1963;
    e.UngekuerztEr = e.UngekuerztSie = 1;
    e.KonfEr = 1;
    e.KonfSie = 0;
    e.KiStMonateEr = 12;
    e.KiStMonateSie = 12;
    e.LohnEr = 95000;
    e.LohnMehrjEr = 15000;
    e.LohnSie = 38000;
    e.LohnVorwegKuerzEr = e.LohnVorsPauschEr = 110000;
    e.LohnVorwegKuerzSie = e.LohnVorsPauschSie = 38000;
    e.WerbKostEr = 3100;
    e.KapInEr = 4200;
    e.KapInSie = 900;
    e.VuVInEr = 6500;
    e.VuVInSie = -2500;
    e.ProgLohnSie = 4000;
    e.VorsorgeIn = 21000;
    e.KiStGezahltIn = 2100;
    e.SpendenIn1 = 500;
    e.AnzahlKinder = 3;
    e.AnzahlKinderBaukg = 3;
    for (int i = 0; i < 8; ++i) e.KindSaetze[i].Schluessel = 200000;
    const double kindergeld[3] = {3240, 3240, 3600};
    for (int i = 0; i < 3; ++i) {
        auto& k = e.KindSaetze[i];
        k.Schluessel = 140000 + i;
        k.KinderFb = k.KinderFbJahr = 6912;
        k.BetreuungsFb = k.BetreuungsFbJahr = 3024;
        k.Kindergeld = kindergeld[i];
    }
    e.LStEr = 24000;
    e.LStSie = 5200;
    e.KiStLohnEr = 1900;
    e.KiStLohnSie = 400;
    e.SoliLohnEr = 1200;
    e.KapEStAnrechIn = 900;
    return e;
}

void BM_Berechne_VollerFall(benchmark::State& state) {
    const quarnel::CalcInput vorlage = VollerFall();
    quarnel::CalcResult r{};
    for (auto _ : state) {
        quarnel::CalcInput e = vorlage;
        quarnel::Berechne(e, r);
        benchmark::DoNotOptimize(r.GesamtSaldo);
    }
}
BENCHMARK(BM_Berechne_VollerFall)->Repetitions(5)->ReportAggregatesOnly(true);

// The full joint case computed with the explanation recorded into `spur`.
void Aufzeichnen(quarnel::Erklaerung& spur, quarnel::CalcResult& r) {
    quarnel::CalcInput e = VollerFall();
    quarnel::ErklaerungAufzeichnen an(spur);
    quarnel::Berechne(e, r);
}

// The same with the explanation recorded and the tree of the balance built.
void BM_Berechne_VollerFall_Erklaert(benchmark::State& state) {
    quarnel::CalcResult r{};
    for (auto _ : state) {
        quarnel::Erklaerung spur;
        Aufzeichnen(spur, r);
        quarnel::Erklaerknoten baum;
        quarnel::ErklaerBaum(spur, "GesamtSaldo", baum);
        benchmark::DoNotOptimize(baum.kinder.size());
    }
}
BENCHMARK(BM_Berechne_VollerFall_Erklaert)->Repetitions(5)->ReportAggregatesOnly(true);

int Knoten(const quarnel::Erklaerknoten& k) {
    int n = 1;
    for (const auto& c : k.kinder) n += Knoten(c);
    return n;
}

// Only the recording, without a tree; the counters give its size.
void BM_Berechne_VollerFall_Aufgezeichnet(benchmark::State& state) {
    quarnel::CalcResult r{};
    std::size_t schritte = 0;
    for (auto _ : state) {
        quarnel::Erklaerung spur;
        Aufzeichnen(spur, r);
        schritte = spur.Schritte().size();
        benchmark::DoNotOptimize(schritte);
    }
    quarnel::Erklaerung spur;
    Aufzeichnen(spur, r);
    quarnel::Erklaerknoten baum;
    quarnel::ErklaerBaum(spur, "GesamtSaldo", baum);
    state.counters["Schritte"] = static_cast<double>(schritte);
    state.counters["Knoten"] = Knoten(baum);
}
BENCHMARK(BM_Berechne_VollerFall_Aufgezeichnet)->Repetitions(5)->ReportAggregatesOnly(true);

// The whole comparison of joint and separate assessment of the joint case with
// three children: three full computations on copies (aim: within one frame).
void BM_Veranlagung_Vergleich(benchmark::State& state) {
    const quarnel::CalcInput vorlage = VollerFall();
    for (auto _ : state) {
        const quarnel::VeranlagungsVergleich v = quarnel::VeranlagungVergleichen(vorlage);
        benchmark::DoNotOptimize(v.arten.back().gesamt);
    }
}
BENCHMARK(BM_Veranlagung_Vergleich)->Repetitions(5)->ReportAggregatesOnly(true);

// The whole comparison from the case record of a married couple with two
// children, both employed, married in 2001: every fill and computation of
// joint, separate and special assessment and of the other elections, on
// copies (aim: within one frame, 16 ms).
void BM_Wahlrechte_Ehepaar_mit_Kindern(benchmark::State& state) {
    quarnel::Fall fall;
    quarnel::FallFehler fehler;
    const bool gelesen = quarnel::FallLesen(
        "[fall]\nSplitting = ja\nGrundtabelle = nein\nErSie_FamilienstandLB = 1\n"
        "FamStandSeit = 15.06.2001\nStpflGebDat = 12.05.1960\nEhegGebDat = 03.09.1962\n"
        "StpflReligionLB = 0\nEhegReligionLB = 1\nBundeslandLb = 8\n"
        "Brutto[1] = 150000\nLStBrutto[1] = 45000\nBrutto[3] = 40000\nLStBrutto[3] = 5000\n"
        "GebAm[1] = 10.02.1990\nKindschaftZuEhemannLB[1] = 2\nKindschaftZuEhefrauLB[1] = 2\n"
        "ErhKiGeld[1] = 3240\nGebAm[2] = 20.06.1995\nKindschaftZuEhemannLB[2] = 2\n"
        "KindschaftZuEhefrauLB[2] = 2\nErhKiGeld[2] = 3240\nGemeldetStpflCB[2] = ja\n",
        fall, fehler);
    if (!gelesen || !fall.satz) {
        state.SkipWithError("Fall nicht lesbar");
        return;
    }
    for (auto _ : state) {
        const auto w = quarnel::WahlrechteVergleichen(*fall.satz);
        benchmark::DoNotOptimize(w.data());
    }
}
BENCHMARK(BM_Wahlrechte_Ehepaar_mit_Kindern)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Tarif(benchmark::State& state) {
    double x = 14000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(quarnel::Tarif(x));
        x = x > 300000 ? 14000 : x + 97;
    }
}
BENCHMARK(BM_Tarif);

}  // namespace
