// What follows the couple's stored choice of assessment (the notice, the main
// form's crosses, the check on a cheaper choice) and the comparison of the
// other elections over the whole cases.
#include "results/wahlrechte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/deklaration.h"
#include "calc/fall.h"
#include "case/zeichensatz.h"
#include "print/formular.h"
#include "print/formularwerte.h"
#include "results/bescheid_veranlagung.h"
#include "results/pruefung.h"
#include "results/veranlagung.h"
#include "results/fallhilfe.h"
#include "testpfade.h"

using namespace quarnel;
namespace fs = std::filesystem;

namespace {

std::unique_ptr<CaseRecord> Heiratsfall() {
    auto fall = test::FallDateiLesen(fs::path(QUARNEL_TEST_CASES_DIR) / "veranlagung" /
                                     "03_besondere_heirat_witwer.fall");
    EXPECT_TRUE(fall && fall->satz);
    return std::make_unique<CaseRecord>(fall && fall->satz ? *fall->satz : CaseRecord{});
}

std::string Notiz(const CaseRecord& fall) {
    auto kopie = std::make_unique<CaseRecord>(fall);
    auto e = std::make_unique<CalcInput>();
    auto r = std::make_unique<CalcResult>();
    DeklarationFuellen(*kopie, *e, *r, false);
    Berechne(*e, *r);
    BescheidAngaben a;
    a.datum = "30.04.2002";
    Ergebnistext text;
    BescheidNachVeranlagung(fall, *e, *r, a, text);
    std::string alles;
    for (const std::string& z : text.zeilen) {
        EXPECT_LE(z.size(), 80u);
        alles += Cp1252ZuUtf8(z) + "\n";
    }
    EXPECT_EQ(text.formen.size(), text.zeilen.size());
    return alles;
}

int Anzahl(const std::string& text, const std::string& teil) {
    int n = 0;
    for (auto i = text.find(teil); i != std::string::npos; i = text.find(teil, i + 1)) ++n;
    return n;
}

std::string Kreuz11(const CaseRecord& r, int feld) {
    Definitionszeile z;
    z.feld = feld;
    Feldanfrage a;
    uint8_t zustand = 0;
    a.zeile = &z;
    a.instanz = 1;
    a.zustand = &zustand;
    return Blatt11Wert(r, a).text;
}

}  // namespace

// The notice by the stored choice: one notice for joint assessment, two
// sections with their own figures and the sum of both otherwise.
TEST(Wahlrechte, Bescheid_folgt_der_Veranlagungsart) {
    struct Zeile {
        int wahl;
        int bescheide;
        const char* art;
        const char* summe;  // the sum of both, as the section of sums prints it
    };
    const Zeile zeilen[] = {
        {0, 1, "", ""},
        {1, 2, "getrennte Veranlagung (§ 26a EStG)", "21235,67"},
        {2, 2, "besondere Veranlagung (§ 26c EStG)", "12815,85"},
    };
    auto fall = Heiratsfall();
    for (const Zeile& z : zeilen) {
        SCOPED_TRACE(z.wahl);
        fall->SetzeInt(Feld::Veranlagungsart, z.wahl);
        const std::string text = Notiz(*fall);
        EXPECT_EQ(Anzahl(text, "B E S C H E I D"), z.bescheide);
        // the explanation names the cheaper special assessment unless chosen
        EXPECT_EQ(text.find("eine Ersparnis von") != std::string::npos, z.wahl != 2);
        if (z.wahl == 0) {
            EXPECT_NE(text.find("Die besondere Veranlagung (§ 26c EStG) ergäbe"), std::string::npos);
        }
        if (z.bescheide == 1) continue;
        EXPECT_EQ(Anzahl(text, z.art), 2);  // the headings of both sections
        EXPECT_NE(text.find("Teil 2 von 2"), std::string::npos);
        const auto summe = text.find("Steuerbelastung insgesamt");
        ASSERT_NE(summe, std::string::npos);
        EXPECT_NE(text.find(z.summe, summe), std::string::npos);
    }
}

// The main form's line 17 crosses the choice, only for a couple who may choose.
TEST(Wahlrechte, Hauptvordruck_kreuzt_die_Veranlagungsart) {
    auto fall = Heiratsfall();
    for (int wahl = 0; wahl < 3; ++wahl) {
        fall->SetzeInt(Feld::Veranlagungsart, wahl);
        for (int feld = 41; feld <= 43; ++feld)
            EXPECT_EQ(Kreuz11(*fall, feld), feld - 41 == wahl ? "X" : "") << wahl << " " << feld;
    }
    // married before 2001: special assessment is not admissible, joint is crossed
    fall->SetzeInt(Feld::FamStandSeit, TagesNummer(1990, 6, 15));
    fall->SetzeInt(Feld::Veranlagungsart, 2);
    EXPECT_EQ(Kreuz11(*fall, 41), "X");
    EXPECT_EQ(Kreuz11(*fall, 43), "");
    fall->SetzeBool(Feld::Splitting, false);
    fall->SetzeBool(Feld::Grundtabelle, true);
    for (int feld = 41; feld <= 43; ++feld) EXPECT_EQ(Kreuz11(*fall, feld), "");
}

// Check 612 names a cheaper admissible assessment, and only then.
TEST(Wahlrechte, Pruefung_nennt_die_guenstigere_Veranlagungsart) {
    auto fall = Heiratsfall();
    const Veranlagung v{true, false, 0};
    for (int wahl = 0; wahl < 3; ++wahl) {
        fall->SetzeInt(Feld::Veranlagungsart, wahl);
        const Befundtabelle t = RegelnPruefen(*fall, v);
        const auto alle = t.AlleBefunde();
        const bool hinweis = std::find(alle.begin(), alle.end(), 612) != alle.end();
        EXPECT_EQ(hinweis, wahl != 2) << wahl;
    }
    fall->SetzeInt(Feld::Veranlagungsart, 0);
    const Befundtabelle t = RegelnPruefen(*fall, v);
    const auto positionen = t.Positionen(11);
    for (std::size_t i = 0; i < positionen.size(); ++i)
        if (positionen[i] == 612) {
            EXPECT_NE(Cp1252ZuUtf8(std::string(t.Zusatz(11, i))).find("Ersparnis 6.782,32 DM"),
                      std::string::npos);
        }
}

// Over every whole case: each election recommends its cheapest variant, the
// saving is the held variant's excess, and the case stays byte for byte.
TEST(Wahlrechte, Jede_Wahl_empfiehlt_das_Minimum_und_der_Fall_bleibt_unberuehrt) {
    std::set<Wahlrecht> gefunden;
    for (const auto& eintrag : fs::recursive_directory_iterator(QUARNEL_TEST_CASES_DIR)) {
        if (eintrag.path().extension() != ".fall") continue;
        const auto fall = test::FallDateiLesen(eintrag.path());
        if (!fall || !fall->satz) continue;
        SCOPED_TRACE(eintrag.path().filename().string());
        auto vorher = std::make_unique<CaseRecord>(*fall->satz);
        const auto wahlen = WahlrechteVergleichen(*fall->satz, fall->kurz);
        EXPECT_EQ(std::memcmp(vorher->Daten(), fall->satz->Daten(), CaseRecord::Groesse), 0);
        for (const WahlrechtVergleich& w : wahlen) {
            gefunden.insert(w.art);
            ASSERT_GE(w.varianten.size(), 2u);
            double minimum = 1e300;
            for (const WahlVariante& x : w.varianten) minimum = std::min(minimum, x.gesamt);
            EXPECT_NEAR(w.varianten[w.empfohlen].gesamt, minimum, 0.001) << w.titel;
            EXPECT_NEAR(w.ersparnis, w.varianten[w.gewaehlt].gesamt - minimum, 0.001);
        }
    }
    for (Wahlrecht a : {Wahlrecht::Veranlagungsart, Wahlrecht::HalberSteuersatz,
                        Wahlrecht::AuslaendischeSteuer})
        EXPECT_TRUE(gefunden.count(a)) << static_cast<int>(a);
}
