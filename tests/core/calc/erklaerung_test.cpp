// The explanation of a computation, swept over every whole case: each
// recorded step computes again from the values it used by its declared rule,
// the trees of the main chain end in the visible results, each node names its
// paragraph, each leaf its catalogue field or parameter.
#include "calc/erklaerung.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "calc/fall.h"
#include "calc/feldnamen.h"
#include "calc/parameter.h"
#include "results/knotentitel.h"
#include "case/feldkatalog.h"
#include "case/json.h"
#include "shell/eingabeort.h"
#include "testhilfe.h"
#include "testpfade.h"

using namespace quarnel;
namespace fs = std::filesystem;

namespace {

// The main chain: the tree of each ends in the value the computation shows.
const char* const Hauptkette[] = {
    "SummeEk",      "GesamtbetragEk",  "Einkommen",        "ZvE",
    "EStTariflich", "EStFestzusetzen", "SoliFestzusetzen", "KiStFestzusetzen",
    "EStSaldo",     "SoliSaldo",       "KiStSaldo",        "GesamtSaldo",
};

// Results the notice shows only where they arise: where one is not 0, its
// tree ends in it too.
const char* const Wennvorhanden[] = {"Kirchgeld", "KirchgeldVergleich", "KiStKappung"};

bool PfennigGleich(double a, double b) {
    return std::fabs(a - b) < 0.005;
}

// A parameter leaf shows a value of its row, for one person or doubled for
// both (a per-cent row as a rate).
bool WertDerZeile(const param::Eintrag& zeile, double wert) {
    const double teiler = zeile.einheit == param::Einheit::Prozent ? 100 : 1;
    for (int i = 0; i < zeile.anzahl; ++i)
        for (double faktor : {1.0, 2.0})
            if (std::fabs(zeile.werte[i] * faktor / teiler - wert) < 1e-9) return true;
    return false;
}

// A word of a reader's name that is an identifier of the computation: a
// field of its input or result, a rule or a row of the parameter table,
// spelt as code spells it (a capital inside the word, a digit, a bracket),
// not a German word such as "Einkommen" that a field is named after.
bool InternerName(std::string_view wort) {
    const bool bezeichner = wort.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789[", 1) !=
                            std::string_view::npos;
    return bezeichner &&
           (EingabeFeld(wort) || ErgebnisFeld(wort) || RegelFuer(wort) || param::Zeile(wort));
}

// Every node has a German name that is no internal name: a result by the
// notice or its rule, an entry by its page field, a parameter by its row.
void TitelPruefen(const std::string& fall, const Erklaerknoten& k) {
    const std::string titel = KnotenTitel(k);
    const std::string intern = k.schritt ? k.schritt->ergebnis : k.angabe.name;
    EXPECT_FALSE(titel.empty()) << fall << ": " << intern;
    std::string wort;
    for (char c : titel + ' ') {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '[' || c == ']') {
            wort += c;
            continue;
        }
        EXPECT_FALSE(InternerName(wort)) << fall << ": " << intern << " -> " << titel;
        wort.clear();
    }
    if (k.angabe.herkunft == Herkunft::Eingabe && !k.schritt &&
        !k.angabe.quelle.starts_with(WasWaereQuelle)) {
        // the page the entry is made on
        EXPECT_NE(titel.find(" ("), std::string::npos) << fall << ": " << intern << " -> " << titel;
        EXPECT_EQ(titel.find("Eingabe ("), std::string::npos) << fall << ": " << intern;
    }
}

void KnotenPruefen(const std::string& fall, const Erklaerknoten& k) {
    TitelPruefen(fall, k);
    if (k.schritt) {
        const auto& regel = *k.schritt->regel;
        EXPECT_NE(std::string_view(regel.paragraph).find("§"), std::string_view::npos)
            << fall << ": " << regel.ergebnis;
        EXPECT_FALSE(std::string_view(regel.text).empty()) << fall << ": " << regel.ergebnis;
        // the step a parent points to produced the value the parent used
        EXPECT_TRUE(PfennigGleich(k.schritt->wert, k.angabe.wert))
            << fall << ": " << regel.ergebnis << " " << k.schritt->wert << " / " << k.angabe.wert;
        for (const auto& c : k.kinder) KnotenPruefen(fall, c);
        return;
    }
    switch (k.angabe.herkunft) {
        case Herkunft::Eingabe:
            // a what-if assumption names its row of the what-if analysis
            if (k.angabe.quelle.starts_with(WasWaereQuelle)) {
                EXPECT_TRUE(k.angabe.name.starts_with("WhatIfDelta["))
                    << fall << ": " << k.angabe.name;
                break;
            }
            EXPECT_TRUE(EingabeFeld(k.angabe.name)) << fall << ": " << k.angabe.name;
            EXPECT_TRUE(FeldNachId(KatalogstelleAus(k.angabe.quelle).feld).has_value())
                << fall << ": " << k.angabe.name << " ohne Katalogfeld";
            break;
        case Herkunft::Parameter: {
            // every parameter is a row of the one table, with its paragraph
            const param::Eintrag* zeile = param::Zeile(k.angabe.name);
            if (!zeile) {
                ADD_FAILURE() << fall << ": Parameter ohne Zeile der Tabelle: " << k.angabe.name;
                break;
            }
            EXPECT_NE(zeile->paragraph.find("§"), std::string_view::npos) << k.angabe.name;
            EXPECT_TRUE(WertDerZeile(*zeile, k.angabe.wert))
                << fall << ": " << k.angabe.name << " = " << k.angabe.wert;
            break;
        }
        case Herkunft::Ergebnis:
            ADD_FAILURE() << fall << ": Blatt ohne Eingabe oder Parameter: " << k.angabe.name;
            break;
    }
}

// Reads a case file; false when it does not read (the case sweep reports it).
bool FallLaden(const fs::path& pfad, Fall& fall) {
    std::ifstream in(pfad, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    FallFehler fehler;
    return FallLesen(s.str(), fall, fehler);
}

int FaelleErklaeren(const char* ordner) {
    int anzahl = 0;
    for (const auto& eintrag : fs::directory_iterator(fs::path(QUARNEL_TEST_CASES_DIR) / ordner)) {
        if (eintrag.path().extension() != ".fall") continue;
        Fall fall;
        const std::string name = eintrag.path().filename().string();
        if (!FallLaden(eintrag.path(), fall)) continue;
        ++anzahl;
        CalcInput e;
        CalcResult r;
        Erklaerung spur;
        {
            ErklaerungAufzeichnen an(spur);
            FallRechnen(fall, e, r);
        }
        EXPECT_EQ(AktiveErklaerung(), nullptr);
        EXPECT_FALSE(spur.Schritte().empty()) << name;
        // every step of every pass replays to the Pfennig
        for (const auto& schritt : spur.Schritte())
            EXPECT_TRUE(PfennigGleich(Nachrechnen(schritt), schritt.wert))
                << name << ": " << schritt.regel->ergebnis << " nachgerechnet "
                << Nachrechnen(schritt) << ", berechnet " << schritt.wert;
        for (const char* ergebnis : Hauptkette) {
            Erklaerknoten baum;
            if (!ErklaerBaum(spur, ergebnis, baum)) {
                ADD_FAILURE() << name << ": kein Baum für " << ergebnis;
                continue;
            }
            const auto angezeigt = Zahlenwert(r, *ErgebnisFeld(ergebnis));
            EXPECT_TRUE(PfennigGleich(baum.schritt->wert, *angezeigt))
                << name << ": " << ergebnis << " Baum " << baum.schritt->wert << ", Ergebnis "
                << *angezeigt;
            KnotenPruefen(name, baum);
        }
        for (const char* ergebnis : Wennvorhanden) {
            const double angezeigt = *Zahlenwert(r, *ErgebnisFeld(ergebnis));
            Erklaerknoten baum;
            if (angezeigt == 0) continue;
            if (!ErklaerBaum(spur, ergebnis, baum)) {
                ADD_FAILURE() << name << ": kein Baum für " << ergebnis;
                continue;
            }
            EXPECT_TRUE(PfennigGleich(baum.schritt->wert, angezeigt))
                << name << ": " << ergebnis << " Baum " << baum.schritt->wert << ", Ergebnis "
                << angezeigt;
        }
        // every recorded result down to its entries and parameters, not only the main chain
        for (const std::string& ergebnis : ErklaerteErgebnisse(spur)) {
            Erklaerknoten baum;
            EXPECT_TRUE(ErklaerBaum(spur, ergebnis, baum)) << name << ": " << ergebnis;
            KnotenPruefen(name, baum);
        }
        // the text and the JSON carry every node
        Erklaerknoten saldo;
        ErklaerBaum(spur, "GesamtSaldo", saldo);
        EXPECT_NE(ErklaerText(saldo).find("EStFestzusetzen"), std::string::npos) << name;
        EXPECT_NE(ErklaerJson(saldo).find("\"paragraph\""), std::string::npos) << name;
    }
    return anzahl;
}

}  // namespace

TEST(Erklaerung, Jeder_Fall_rechnet_nach) {
    int anzahl = 0;
    for (const auto& ordner : fs::directory_iterator(QUARNEL_TEST_CASES_DIR))
        if (ordner.is_directory()) anzahl += FaelleErklaeren(ordner.path().filename().c_str());
    EXPECT_GE(anzahl, 25);
}

TEST(Erklaerung, Aus_ohne_Aufzeichnung) {
    EXPECT_EQ(AktiveErklaerung(), nullptr);
    for (const auto& regel : AlleRegeln()) {
        EXPECT_EQ(RegelFuer(regel.ergebnis), RegelFuer(std::string(regel.ergebnis)));
        EXPECT_NE(std::string_view(regel.paragraph).find("§"), std::string_view::npos)
            << regel.ergebnis;
    }
}

// quarnel-cli wie: the tree of one result as text with decimal commas, of all
// as one JSON object; unknown names and bad usage are refused.
TEST(Erklaerung, Cli_Baum_als_Text_und_Json) {
    test::TempVerzeichnis t;
    const std::string fall = t / "a.S01";
    auto cli = [](const std::vector<std::string>& args) {
        std::string befehl = QUARNEL_CLI_PATH;
        for (const auto& a : args) befehl += " '" + a + "'";
        return test::Ausfuehren(befehl + " 2>/dev/null");
    };
    ASSERT_EQ(cli({"neu", fall}).code, 0);
    ASSERT_EQ(cli({"setze", fall, "Brutto[1]=45000", "StpflGebDat=12.03.1960", "LstEr=8000.5",
                   "BruttoEr=30000", "Kurz_FamilienstandLB=0"})
                  .code,
              0);
    const auto text = cli({"wie", fall, "EStSaldo"});
    ASSERT_EQ(text.code, 0);
    // the names a reader sees: the notice's lines, the captions of the page fields
    for (const char* teil :
         {"Einkommensteuer: Abschlusszahlung / Erstattung = ", "§ 36 Abs. 4 EStG",
          "+ Zu versteuerndes Einkommen = ", "+ Summe der Einkünfte = 43000,00",
          "Lohnsteuer – Stpfl./Ehemann (Anrechnungsbeträge, Gezahlte Steuern) = ",
          "Anzurechnende Lohnsteuer = ", "54-DM-Stufe", "(Parameter 2001; § 9a Satz 1 Nr. 1 EStG)"})
        EXPECT_NE(text.aus.find(teil), std::string::npos) << teil << "\n" << text.aus;
    EXPECT_EQ(text.aus.find("LStEr"), std::string::npos) << text.aus;

    const auto alle = cli({"wie", fall, "--json"});
    ASSERT_EQ(alle.code, 0);
    const JsonErgebnis j = JsonLesen(alle.aus);
    ASSERT_TRUE(j.ok) << j.fehler << alle.aus;
    std::set<std::string> namen;
    for (const JsonEintrag& e : j.wert.objekt) namen.insert(e.schluessel);
    for (const char* ergebnis : Hauptkette) EXPECT_TRUE(namen.count(ergebnis)) << ergebnis;
    // scripts keep the internal name beside the caption
    for (const char* teil : {"\"name\": \"Lohnsteuer – Stpfl./Ehemann (Anrechnungsbeträge, "
                             "Gezahlte Steuern)\",\n", "\"kennung\": \"LStEr\"",
                             "\"katalogfeld\": \"LstEr\"", "\"parameter\": \"ParamArbnPausch\""})
        EXPECT_NE(alle.aus.find(teil), std::string::npos) << teil;

    // a result of one person, down to the page field
    const auto lohn = cli({"wie", fall, "ArbLohnEr"});
    ASSERT_EQ(lohn.code, 0);
    for (const char* teil : {"Arbeitslohn – Stpfl./Ehemann = 45000,00",
                             "§§ 2 Abs. 1 Nr. 4, 19 Abs. 1 EStG",
                             "3. Bruttoarbeitslohn – Stpfl./Ehemann (Einkünfte Nichtselbständige "
                             "Arbeit"})
        EXPECT_NE(lohn.aus.find(teil), std::string::npos) << teil << "\n" << lohn.aus;
    EXPECT_EQ(cli({"wie", fall, "Unsinn"}).code, 2);
    EXPECT_EQ(cli({"wie"}).code, 2);
    EXPECT_EQ(cli({"wie", fall, "--schnell"}).code, 2);
}

// Each kind of step replays its values as the passes combine them, with the
// rounding its rule declares.
TEST(Erklaerung, Verfahren_rechnen_nach) {
    struct Fall {
        const char* regel;
        std::vector<Wertangabe> werte;
        double erwartet;
        int tabelle = 1;
    };
    auto w = [](double wert, double faktor = 1) { return Erg("x", wert, faktor); };
    const Fall faelle[] = {
        // each summand down to the DM after rounding to cents, a loss toward 0
        {"ArbLohn", {w(1000.999), w(500.5), w(-0.4)}, 1001 + 500},
        {"VersFbVoll", {w(1234), w(0.4)}, 494},           // 493.6 up from a tenth
        {"VersFbVoll", {w(1230.125), w(0.4)}, 492},       // 492.05: less than a tenth
        {"VersFb", {w(20000), w(6000)}, 6000},            // capped
        {"SparerFb", {w(500), w(-700), w(3000)}, 0},      // capped, at least 0
        {"SonderausgabenUebrige", {w(50), w(108)}, 108},  // at least the Pauschbetrag
        {"HalbHoechstVoll", {w(1301), w(0.5)}, 651},      // 650.5 to the DM, halves up
        // full: 1200 Vorwegabzug + 2610 + half of the rest 1095 = 4905, to 54s
        {"Vorsorgepauschale", {w(30000), w(0, 0), w(1, 0), w(0, 0)}, 4860},
        {"Vorsorgepauschale", {w(9000), w(0, 0), w(0, 0), w(0, 0)}, 1782},  // 1800 reduced
        {"ZumutbareBelastung", {w(-5000), w(0.06)}, 0},
        {"ZumutbareBelastung", {w(45678), w(0.05)}, 2283},
        {"VerlustKappe", {w(250000), w(200000)}, 225000},
        {"VerlustKappe", {w(250001), w(200000)}, 225001},  // half of 50001 up
        {"ErmParteiSpendenP", {w(1001), w(3000)}, 500},    // (1001 + 0.9) / 2 cut
        {"ErmParteiSpendenP", {w(7000), w(3000)}, 1500},
        {"ErmParteiSpendenP", {w(-10), w(3000)}, 0},
        {"WkBezuegePausch", {w(300), w(1200), w(200)}, 50},  // share of the receipts
        {"AuslAnteil", {w(500), w(0)}, 0},                   // no receipts at all
        {"AuslAnteil", {w(800), w(400)}, 1},                 // at most the whole
        {"Haertausgleich", {w(700), w(0), w(0), w(0)}, 700},
        {"Haertausgleich", {w(1200), w(0), w(0), w(0)}, 400},
        {"Haertausgleich", {w(1700), w(0), w(0), w(0)}, 0},
        {"ZvEOhneGewinn", {w(50000), w(-1000)}, 48924, 2},  // down to the 108-DM step
        {"PvZvEGerundet", {w(50000)}, 49950 + 27},
        {"KiStUeberhang", {w(1000.05), w(12), w(1)}, 83.34},  // 83.3375 to the Pfennig
        {"KiStAnteilig", {w(1000.05), w(12), w(7)}, 583.36},  // 583.3625 cut
        // the church tax's months, shares, Kirchgeld and Kappung
        {"KiStMonateAllein", {w(5), w(12)}, 7},
        {"KiStAnteilSie", {w(0.25)}, 0.75},
        {"KirchgeldStufe", {w(74999.99), w(9, 0)}, 180},  // Nordrhein-Westfalen: band from 60000
        {"KirchgeldStufe", {w(75000), w(9, 0)}, 300},
        {"KirchgeldStufe", {w(54000.99), w(0, 0)}, 0},  // below the first band
        {"KirchgeldStufe", {w(500000), w(1, 0)}, 0},    // Bayern raises none
        {"KirchgeldVergleichHoeher", {w(1847.79), w(833.89, 0), w(833.89, 0)}, 1847.79},
        {"KirchgeldVergleichHoeher", {w(1667.77), w(833.89, 0), w(833.89, 0)}, 0},
        {"KirchgeldMitVergleich", {w(180), w(0, 0)}, 0},
        {"KappungEinkommen", {w(100000, 0), w(30000, 0), w(10000, 0)}, 75000},
        // 4 % of the taxable income stepped down to 54 DM, where the tax reaches it
        {"KiStKappungTeil", {w(4999892, 0), w(12, 0), w(0.04, 0), w(216508.15, 0)}, 199994.40},
        {"KiStKappungTeil", {w(4999892, 0), w(12, 0), w(0.04, 0), w(199994.39, 0)}, 0},
        {"KiStKappungTeil", {w(4999892, 0), w(6, 0), w(0.04, 0), w(1e6, 0)}, 99997.20},
    };
    // minimum taxation, single: 400,000 wages against a rental loss of 300,000
    // offset 100,000 in full and of the rest up to half of the positive 300,000
    std::vector<Wertangabe> arten(14, w(0, 0));
    arten[0] = w(400000, 0);
    arten[2] = w(-300000, 0);
    for (double flag : {0, 1}) arten.push_back(w(flag, 0));  // not joint, separate
    arten.push_back(w(1, 0));
    Rechenschritt mindest;
    mindest.regel = RegelFuer("SummeEkMindestbesteuerung");
    mindest.werte = arten;
    EXPECT_EQ(Nachrechnen(mindest), 150000);
    for (const Fall& f : faelle) {
        Rechenschritt s;
        s.regel = RegelFuer(f.regel);
        ASSERT_NE(s.regel, nullptr) << f.regel;
        s.werte = f.werte;
        s.tabelle = f.tabelle;
        EXPECT_NEAR(Nachrechnen(s), f.erwartet, 0.000001) << f.regel;
    }
}

// Recording changes nothing: every case computes the same with and without
// the explanation, field for field.
TEST(Erklaerung, Aufzeichnung_aendert_keinen_Wert) {
    int anzahl = 0;
    for (const auto& ordner : fs::recursive_directory_iterator(QUARNEL_TEST_CASES_DIR)) {
        Fall fall;
        if (ordner.path().extension() != ".fall" || !FallLaden(ordner.path(), fall)) continue;
        CalcInput e1, e2;
        CalcResult r1, r2;
        FallRechnen(fall, e1, r1);
        Erklaerung spur;
        {
            ErklaerungAufzeichnen an(spur);
            FallRechnen(fall, e2, r2);
        }
        EXPECT_EQ(std::memcmp(&r1, &r2, sizeof r1), 0) << ordner.path();
        EXPECT_EQ(std::memcmp(&e1, &e2, sizeof e1), 0) << ordner.path();
        ++anzahl;
    }
    EXPECT_GE(anzahl, 25);
}
