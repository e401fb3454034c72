// Whole computation cases worked out by hand, one file each in
// tests/cases/berechnung; and the rules of the case format.
#include <gtest/gtest.h>

#include "testpfade.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "calc/berechnung.h"
#include "calc/fall.h"
#include "case/zeichensatz.h"
#include "results/bescheid.h"
#include "case/feldwerte.h"
#include "results/waswaere.h"

using namespace quarnel;
namespace fs = std::filesystem;

namespace {

// Runs of blanks as one blank.
std::string Verdichtet(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c != ' ' || out.empty() || out.back() != ' ') out += c;
    return out;
}

// The lines of the case's notice that every [bescheidzeilen] text must be in.
void BescheidPruefen(const std::string& name, const Fall& fall, const CalcInput& eingabe,
                     const CalcResult& ergebnis) {
    if (fall.bescheidzeilen.empty()) return;
    CaseRecord satz;
    if (fall.satz)
        satz = *fall.satz;
    else
        NeuerFallDatensatz(satz);
    BescheidAngaben a;
    a.datum = "01.06.2002";
    Ergebnistext text;
    BescheidErstellen(satz, eingabe, ergebnis, a, text);
    for (const auto& b : fall.bescheidzeilen) {
        const std::string gesucht = Verdichtet(b.text);
        bool gefunden = false;
        for (const std::string& z : text.zeilen)
            gefunden = gefunden || Verdichtet(Cp1252ZuUtf8(z)).find(gesucht) != std::string::npos;
        if (!gefunden) ADD_FAILURE() << name << ":" << b.zeile << ": nicht im Bescheid: " << b.text;
    }
}

// Runs every case file of tests/cases/<ordner>; the number of files run.
int FaelleRechnen(const char* ordner) {
    const fs::path dir = fs::path(QUARNEL_TEST_CASES_DIR) / ordner;
    int anzahl = 0;
    for (const auto& eintrag : fs::directory_iterator(dir)) {
        if (eintrag.path().extension() != ".fall") continue;
        ++anzahl;
        std::ifstream in(eintrag.path(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        Fall fall;
        FallFehler fehler;
        const std::string name = eintrag.path().filename().string();
        EXPECT_TRUE(FallLesen(s.str(), fall, fehler))
            << name << ":" << fehler.zeile << ": " << fehler.text;
        EXPECT_FALSE(fall.erwartet.empty()) << name;
        CalcInput eingabe;
        CalcResult ergebnis;
        FallRechnen(fall, eingabe, ergebnis);
        if (!fall.waswaere.empty()) {
            // the expected results are those of the what-if computation
            WasWaereWerte werte;
            for (const auto& w : fall.waswaere) {
                const auto feld = WasWaereFeldSuchen(w.feld);
                const auto betrag = BetragAusText(w.wert);
                EXPECT_TRUE(feld && betrag) << name << ":" << w.zeile << ": " << w.feld;
                if (feld && betrag) werte(feld->zeile, feld->person) = *betrag;
            }
            auto geaendert = std::make_unique<CalcInput>();
            WasWaereBerechnen(eingabe, werte, *geaendert, ergebnis);
        }
        for (const auto& a : FallPruefen(fall, eingabe, ergebnis))
            ADD_FAILURE() << name << ":" << a.zeile << ": " << a.feld << " erwartet " << a.erwartet
                          << ", berechnet " << a.berechnet;
        BescheidPruefen(name, fall, eingabe, ergebnis);
    }
    return anzahl;
}

}  // namespace

TEST(Faelle, Jede_Falldatei_stimmt) {
    EXPECT_GE(FaelleRechnen("berechnung"), 15);
}

// Whole cases: a case record filled and computed.
TEST(Faelle, Jeder_ganze_Fall_stimmt) {
    EXPECT_GE(FaelleRechnen("erklaerung"), 10);
}

TEST(Faelle, Format_weist_Fehler_zurueck) {
    Fall fall;
    FallFehler fehler;
    EXPECT_TRUE(FallLesen("# nur Kommentar\n[eingabe]\nLohnEr = 1,5 # Rest\n[erwartet]\nZvE=0\n",
                          fall, fehler));
    EXPECT_EQ(fall.eingabe.LohnEr, 1.5);
    EXPECT_EQ(fall.eingabe.KonfEr, 9);
    EXPECT_EQ(fall.erwartet.size(), 1u);

    EXPECT_FALSE(FallLesen("[eingabe]\nLohnEhemann = 1\n", fall, fehler));
    EXPECT_EQ(fehler.zeile, 2);
    EXPECT_FALSE(FallLesen("[eingabe]\nZvE = 1\n", fall, fehler));  // a result field as input
    EXPECT_FALSE(FallLesen("[ausgabe]\n", fall, fehler));
    EXPECT_FALSE(FallLesen("LohnEr = 1\n", fall, fehler));
    EXPECT_FALSE(FallLesen("[eingabe]\nLohnEr = 1\nLohnEr = 2\n", fall, fehler));
    EXPECT_FALSE(FallLesen("[eingabe]\nLohnEr 1\n", fall, fehler));
    EXPECT_FALSE(FallLesen("[erwartet]\nZvE = viel\n", fall, fehler));
    EXPECT_EQ(fehler.zeile, 2);

    // whole cases: record fields by catalogue name, input values only from the fill
    ASSERT_TRUE(FallLesen("[kurzfall]\nBruttoEr = 30000\n[deklaration]\nLohnEr = 30000\n"
                          "[erwartet]\nZvE = 0\n",
                          fall, fehler));
    ASSERT_TRUE(fall.satz.has_value());
    EXPECT_TRUE(fall.kurz);
    EXPECT_EQ(fall.satz->Dbl(Feld::BruttoEr), 30000);
    EXPECT_EQ(fall.deklaration.size(), 1u);
    EXPECT_FALSE(FallLesen("[fall]\nGibtEsNicht = 1\n", fall, fehler));
    EXPECT_FALSE(FallLesen("[fall]\nStpflGebDat = 31.02.1960\n", fall, fehler));
    EXPECT_FALSE(FallLesen("[fall]\nBruttoEr = 1\n[eingabe]\nLohnEr = 1\n", fall, fehler));
    EXPECT_FALSE(FallLesen("[eingabe]\nLohnEr = 1\n[fall]\nBruttoEr = 1\n", fall, fehler));
    EXPECT_FALSE(FallLesen("[fall]\n[kurzfall]\n", fall, fehler));
}
