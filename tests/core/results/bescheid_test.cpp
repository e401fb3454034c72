// The line primitives, the layout tables and the sound behaviours of the
// notice; every line of randomly computed cases stays in the grid.
#include "results/bescheid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <regex>
#include <string>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/deklaration.h"
#include "case/caserecord.h"
#include "case/zeichensatz.h"

using namespace quarnel;

namespace {

std::string W(const char* utf8) {
    return Utf8ZuCp1252(utf8);
}

struct Notiz {
    CaseRecord fall;
    CalcInput e{};
    CalcResult r{};
    BescheidAngaben a;
    Ergebnistext text;

    Notiz() {
        e.FlagEinzel = 1;
        e.KonfEr = e.KonfSie = 9;
        a.datum = "15.03.2002";
    }
    const ResultLines& Erstellen() {
        BescheidErstellen(fall, e, r, a, text);
        return text.zeilen;
    }
    bool Hat(const std::string& zeile) const {
        return std::find(text.zeilen.begin(), text.zeilen.end(), zeile) != text.zeilen.end();
    }
    bool Enthaelt(const std::string& teil) const {
        return std::any_of(text.zeilen.begin(), text.zeilen.end(),
                           [&](const std::string& z) { return z.find(teil) != std::string::npos; });
    }
};

}  // namespace

TEST(Bescheid, Punktleiste_und_Zeilen_werden_auf_80_gekuerzt) {
    EXPECT_EQ(Punktleiste(9), "  . . . .");
    EXPECT_EQ(Punktleiste(5), "  . .");
    EXPECT_EQ(Punktleiste(0), "");

    Ergebnistext t;
    BescheidSchreiber s(t);
    s.Textzeile(5, std::string(100, 'x'));
    s.Betragszeile(0, std::string(90, 'y'), 4, 12.5, 2);
    s.Paarzeile(2, "Lohn", 3, 0, 7, 1);
    s.Paarzeile(2, "Lohn", 3, 0, 7, 1, true);
    ASSERT_EQ(t.zeilen.size(), 4u);
    EXPECT_EQ(t.zeilen[0], std::string(5, ' ') + std::string(75, 'x'));
    EXPECT_EQ(t.zeilen[1], std::string(80, 'y'));
    EXPECT_EQ(t.zeilen[2], "  Lohn  ." + std::string(11, ' ') + "   " + "      7,00");
    EXPECT_EQ(t.zeilen[3], "  Lohn  .       0,00         7,00");
}

// The label lengths in Windows-1252 bytes put every amount into its column.
TEST(Bescheid, Jede_Tabellenzeile_endet_in_ihrer_Spalte) {
    for (const Betragsvorgabe& b : BescheidBetragsvorgaben()) {
        const int laenge = static_cast<int>(Utf8ZuCp1252(b.text).size());
        EXPECT_EQ(b.einzug + laenge + b.leiste + b.luecke + 10, b.ende) << b.text;
    }
}

TEST(Bescheid, Keine_Nullzeilen_und_kein_Minus_bei_Centbetraegen) {
    Notiz n;
    n.r.EStSaldo = 0.004;    // zero in cents: no pay row
    n.r.KiStSaldo = -0.003;  // likewise no refund row
    n.r.GesamtSaldo = -0.004;
    n.Erstellen();
    EXPECT_FALSE(n.Enthaelt(W("| Sie müssen noch zahlen")));
    EXPECT_FALSE(n.Enthaelt("| Sie bekommen erstattet    |"));
    EXPECT_TRUE(n.Hat("| Sie bekommen erstattet" + std::string(19, ' ') + "        0,00 DM" +
                      std::string(12, ' ') + "|"));
    EXPECT_FALSE(n.Enthaelt("-0,00"));

    n.r.GesamtSaldo = 0.006;  // one Pfennig to pay
    n.Erstellen();
    EXPECT_TRUE(n.Hat(W("| Sie müssen zahlen") + std::string(24, ' ') + "        0,01 DM" +
                      std::string(12, ' ') + "|"));
}

TEST(Bescheid, Erlaeuterungen_bilden_einen_Block_mit_Leerzeilen) {
    Notiz n;
    n.r.Durchschnittssteuersatz = 20;
    const ResultLines& z = n.Erstellen();
    const auto it = std::find(z.begin(), z.end(), W("Erläuterungen:"));
    ASSERT_NE(it, z.end());
    const std::size_t i = static_cast<std::size_t>(it - z.begin());
    // the block runs to the last line and counts the empty lines in it
    EXPECT_EQ(n.text.bloecke.BlockAbIndex(i), static_cast<int>(z.size() - i));
    EXPECT_EQ(n.text.bloecke.BlockAbIndex(i - 1), 0);
    EXPECT_EQ(n.text.bloecke.BlockAbIndex(5000), 0);
    int bloecke = 0;
    for (uint8_t b : n.text.bloecke.eintrag) bloecke += b != 0;
    EXPECT_EQ(bloecke, 1);
}

TEST(Bescheid, Kirchenaustritt_steht_auf_zwei_Zeilen) {
    Notiz n;
    n.e.KiStAustrittEr = 1;
    n.e.KonfEr = 0;
    n.r.KiStMonateAnzEr = 7;
    n.a.bundesland = W("Mecklenburg-Vorpommern");
    n.Erstellen();
    EXPECT_TRUE(n.Hat(" Die Kirchensteuerpflicht endet in Mecklenburg-Vorpommern"));
    EXPECT_TRUE(n.Hat(" mit Ende des auf den Austritt folgenden Monats."));
}

TEST(Bescheid, Texte_der_Kirchensteuer_aus_dem_Fall) {
    CaseRecord fall;
    fall.SetzeInt(Feld::StpflReligionLB, 1);
    fall.SetzeInt(Feld::EhegReligionLB, 8);
    fall.SetzeInt(Feld::BundeslandLb, 15);
    BescheidAngaben a;
    BescheidTexteSetzen(fall, a);
    EXPECT_EQ(a.religionEr, "Katholisch");
    EXPECT_EQ(a.religionSie, "keine KiSt. erhebend");
    EXPECT_EQ(a.bundesland, W("Thüringen"));
    fall.SetzeInt(Feld::StpflReligionLB, 7);
    fall.SetzeInt(Feld::BundeslandLb, -1);
    BescheidTexteSetzen(fall, a);
    EXPECT_EQ(a.religionEr, "KiSt. erhebend");
    EXPECT_EQ(a.bundesland, "");
}

namespace {

// A new case with plausible amounts in random fields, both joint and single;
// with roh, any 64-bit pattern (NaN, infinities, absurd sizes) instead.
CaseRecord Zufallsfall(std::mt19937_64& zufall, bool roh) {
    CaseRecord r;
    NeuerFallDatensatz(r);
    const bool zusammen = zufall() % 2;
    r.SetzeBool(Feld::Splitting, zusammen);
    r.SetzeBool(Feld::Grundtabelle, !zusammen);
    r.SetzeInt(Feld::BundeslandLb, static_cast<int32_t>(zufall() % 16));
    r.SetzeInt(Feld::StpflReligionLB, static_cast<int32_t>(zufall() % 10));
    r.SetzeInt(Feld::StpflReligionVon, ErsterTagSteuerjahr);
    r.SetzeInt(Feld::StpflReligionBis, ErsterTagSteuerjahr + static_cast<int32_t>(zufall() % 365));
    std::uniform_int_distribution<std::size_t> feld(0, Feldkatalog().size() - 1);
    for (int i = 0; i < 300; ++i) {
        const Feld f = static_cast<Feld>(feld(zufall));
        const FeldDef& d = Def(f);
        if (d.typ != FeldTyp::Double) continue;
        const int e = 1 + static_cast<int>(zufall() % d.anzahl);
        double x = std::uniform_real_distribution<double>(-5e4, 2e5)(zufall);
        if (roh) {
            const uint64_t bits = zufall();
            std::memcpy(&x, &bits, sizeof x);
        }
        r.SetzeDbl(f, x, e);
    }
    return r;
}

}  // namespace

TEST(Bescheid, Zufaellige_Faelle_bleiben_im_Raster) {
    std::mt19937_64 zufall(20020315);
    const std::regex betrag(".*[0-9*],[0-9*][0-9*]$");
    for (int fall = 0; fall < 150; ++fall) {
        CaseRecord satz = Zufallsfall(zufall, fall % 3 == 2);
        CalcInput e;
        CalcResult r;
        DeklarationFuellen(satz, e, r, false);
        Berechne(e, r);
        BescheidAngaben a;
        a.datum = "01.01.2002";
        a.amtlich = fall % 2;
        BescheidTexteSetzen(satz, a);
        Ergebnistext t;
        BescheidErstellen(satz, e, r, a, t);
        for (const std::string& z : t.zeilen) {
            ASSERT_LE(z.size(), 80u) << z;
            if (z.rfind("|", 0) == 0 || z.rfind("+-", 0) == 0) {
                EXPECT_EQ(z.size(), 71u) << fall << ": " << z;
                continue;
            }
            if (!std::regex_match(z, betrag)) continue;
            const bool personenblock = z.rfind(" Festzusetzen", 0) == 0 ||
                                       z.rfind(" Anteile", 0) == 0 ||
                                       z.rfind(W(" Jährliche"), 0) == 0;
            const std::size_t n = z.size();
            EXPECT_TRUE(personenblock || n == 43 || n == 48 || n == 51 || n == 58 || n == 71)
                << fall << ": " << z;
        }
    }
}

TEST(Bescheid, Bruchteile_eines_Pfennigs_schreiben_keine_Zeilen) {
    Notiz n;
    n.r.ArbLohnEr = 0.004;        // would open the wage group
    n.e.KiStGezahltIn = 0.003;    // an "only > 0" line
    n.r.Kirchgeld = 0.002;        // the Kirchgeld lines
    n.r.EStAoEinkuenfte = 0.001;  // the extraordinary-income group
    const ResultLines& z = n.Erstellen();
    EXPECT_FALSE(n.Enthaelt(W("Einkünfte aus nichtselbständiger Arbeit")));
    EXPECT_FALSE(n.Enthaelt("Gezahlte Kirchensteuer"));
    EXPECT_FALSE(n.Enthaelt("Kirchgeld zu erheben"));
    EXPECT_FALSE(n.Enthaelt("Tarifliche Einkommensteuer"));
    EXPECT_FALSE(n.Enthaelt("Dabei wurde(n)"));
    for (const std::string& zeile : z) EXPECT_EQ(zeile.find("-0,00"), std::string::npos) << zeile;
}
