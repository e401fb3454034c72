// The plausibility check of every page of a full joint case.
#include <benchmark/benchmark.h>

#include "calc/betrag.h"
#include "case/caserecord.h"
#include "results/pruefbericht.h"
#include "shell/verzeichnisse.h"

namespace {

using namespace quarnel;

// A joint case with every page in use and entries on most page families, some
// of them incomplete, so that the report has findings on many pages.
CaseRecord GeprueftesFall() {
    CaseRecord r;
    NeuerFallDatensatz(r);
    for (int bereich = 1; bereich <= 16; ++bereich)
        for (int seite = 0; seite <= 15; ++seite)
            if (SeitenmerkerTest(r, SM_Vorhanden, bereich, seite))
                SeitenmerkerSetzen(r, SM_Aktiv, bereich, seite);
    r.SetzeBool(Feld::Grundtabelle, false);
    r.SetzeBool(Feld::Splitting, true);
    r.SetzeInt(Feld::ErSie_FamilienstandLB, 1);
    r.SetzeInt(Feld::StpflGebDat, TagesNummer(1958, 2, 1));
    r.SetzeText(Feld::StpflVorname, "Karl");
    r.SetzeText(Feld::EhegVorname, "Erna");
    for (int k = 1; k <= 4; ++k) {
        r.SetzeDbl(Feld::Brutto, 40000 + 1000 * k, k);
        r.SetzeDbl(Feld::LStBrutto, 6000, k);
        r.SetzeInt(Feld::Vwl1Art, 1, k);
    }
    for (int k = 1; k <= 3; ++k) {
        r.SetzeText(Feld::Vorname, "Kind", k);
        r.SetzeInt(Feld::GebAm, TagesNummer(1978 + 4 * k, 6, 1), k);
        r.SetzeDbl(Feld::ErhKiGeld, 3240, k);
        r.SetzeText(Feld::AuswaertsTxt, "Internat", k);
    }
    for (int p = 1; p <= 2; ++p) {
        r.SetzeInt(Feld::LfdOrt1CB, 1, p);
        r.SetzeDbl(Feld::LfdTage1, 210, p);
        r.SetzeText(Feld::BeschOrt, "Bonn", p);
        r.SetzeDbl(Feld::Kosten1, 1200, p);
    }
    r.SetzeDbl(Feld::MieteDM1, 9000, 1);
    r.SetzeText(Feld::ArtGew1, "Handel");
    r.SetzeDbl(Feld::Zahlung1, 4000);
    r.SetzeText(Feld::Lage, "Bonn");
    r.SetzeInt(Feld::GradBehinderung, 30, 2);
    return r;
}

void BM_PruefungAlleRegister(benchmark::State& state) {
    const CaseRecord vorlage = GeprueftesFall();
    const std::string katalog =
        VerzeichnisseBestimmen(VerzeichnisQuellenDesProzesses(), false).formular +
        PruefkatalogName;
    for (auto _ : state) {
        CaseRecord r = vorlage;
        const Pruefbericht b = PruefungAusfuehren(r, PruefkatalogLaden(katalog), Pruefauftrag{});
        benchmark::DoNotOptimize(b.zeilen.data());
    }
}
BENCHMARK(BM_PruefungAlleRegister)->Unit(benchmark::kMicrosecond);

}  // namespace
