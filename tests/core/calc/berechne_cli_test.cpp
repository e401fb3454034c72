// quarnel-cli berechne on a case file built with setze.
#include <gtest/gtest.h>

#include "testpfade.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "calc/fall.h"
#include "case/feldwerte.h"
#include "case/json.h"
#include "pages/kinder.h"
#include "pages/personen.h"
#include "testhilfe.h"

using namespace quarnel;
using quarnel::test::Ausfuehren;
using quarnel::test::Lauf;
using quarnel::test::TempVerzeichnis;

namespace {

Lauf Cli(const std::vector<std::string>& args) {
    std::string befehl = QUARNEL_CLI_PATH;
    for (const auto& a : args) befehl += " '" + a + "'";
    return Ausfuehren(befehl + " 2>/dev/null");
}

const JsonWert* Eintrag(const JsonWert& w, const std::string& schluessel) {
    for (const JsonEintrag& e : w.objekt)
        if (e.schluessel == schluessel) return &e.wert;
    return nullptr;
}

}  // namespace

TEST(BerechneCli, Ergebnisse_deutsch_und_alle_Felder_als_Json) {
    TempVerzeichnis t;
    const std::string fall = t / "a.S01";
    ASSERT_EQ(Cli({"neu", fall}).code, 0);
    ASSERT_EQ(Cli({"setze", fall, "Brutto[1]=45000", "StpflGebDat=12.03.1960", "LstEr=8000",
                   "BruttoEr=30000", "Kurz_FamilienstandLB=0"})
                  .code,
              0);

    const Lauf voll = Cli({"berechne", fall});
    ASSERT_EQ(voll.code, 0);
    EXPECT_NE(voll.aus.find("Summe der Einkünfte"), std::string::npos) << voll.aus;
    EXPECT_NE(voll.aus.find("43.000,00 DM"), std::string::npos) << voll.aus;
    EXPECT_NE(voll.aus.find("Gesamtsaldo"), std::string::npos);

    // the quick variant reads only the quick-calculation area
    const Lauf kurz = Cli({"berechne", fall, "--kurz"});
    ASSERT_EQ(kurz.code, 0);
    EXPECT_NE(kurz.aus.find("28.000,00 DM"), std::string::npos) << kurz.aus;

    const Lauf json = Cli({"berechne", "--json", fall});
    ASSERT_EQ(json.code, 0);
    const JsonErgebnis j = JsonLesen(json.aus);
    ASSERT_TRUE(j.ok) << j.fehler;
    const JsonWert* ein = Eintrag(j.wert, "CalcInput");
    const JsonWert* aus = Eintrag(j.wert, "CalcResult");
    ASSERT_TRUE(ein && aus);
    ASSERT_TRUE(Eintrag(*ein, "LohnEr") && Eintrag(*aus, "SummeEk"));
    EXPECT_EQ(Eintrag(*ein, "LohnEr")->text, "45000");
    EXPECT_EQ(Eintrag(*aus, "SummeEk")->text, "43000");
    EXPECT_EQ(Eintrag(*ein, "GebDatumEr")->text, "12.03.1960");
    EXPECT_TRUE(Eintrag(*ein, "KindSaetze[7].Schluessel"));
    EXPECT_TRUE(Eintrag(*aus, "VaTabelle[51]"));

    EXPECT_EQ(Cli({"berechne"}).code, 2);
    EXPECT_EQ(Cli({"berechne", fall, "--schnell"}).code, 2);
    EXPECT_EQ(Cli({"berechne", t / "fehlt.S01"}).code, 2);
}

// The whole cases of tests/cases/erklaerung, built with `neu` and `setze`
// from their record lines and computed with `berechne`, give the balance the
// case runner computes.
TEST(BerechneCli, Ganze_Faelle_ueber_setze) {
    namespace fs = std::filesystem;
    TempVerzeichnis t;
    int anzahl = 0;
    for (const auto& eintrag :
         fs::directory_iterator(fs::path(QUARNEL_TEST_CASES_DIR) / "erklaerung")) {
        std::ifstream in(eintrag.path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        Fall fall;
        FallFehler fehler;
        ASSERT_TRUE(FallLesen(text.str(), fall, fehler)) << eintrag.path();

        const std::string datei = t / "f.S01";
        std::filesystem::remove(datei);
        ASSERT_EQ(Cli({"neu", datei}).code, 0);
        std::vector<std::string> setze{"setze", datei};
        bool imFall = false;
        std::string zeile;
        text.clear();
        text.seekg(0);
        while (std::getline(text, zeile)) {
            zeile = zeile.substr(0, zeile.find('#'));
            if (zeile.rfind('[', 0) == 0) {
                imFall = zeile.rfind("[fall]", 0) == 0 || zeile.rfind("[kurzfall]", 0) == 0;
                continue;
            }
            const auto gleich = zeile.find('=');
            if (!imFall || gleich == std::string::npos) continue;
            auto trimmen = [](std::string s) {
                s.erase(0, s.find_first_not_of(" \t\r"));
                s.erase(s.find_last_not_of(" \t\r") + 1);
                return s;
            };
            setze.push_back(trimmen(zeile.substr(0, gleich)) + "=" +
                            trimmen(zeile.substr(gleich + 1)));
        }
        ASSERT_EQ(Cli(setze).code, 0) << eintrag.path();

        std::vector<std::string> berechne{"berechne", "--json", datei};
        if (fall.kurz) berechne.push_back("--kurz");
        const Lauf lauf = Cli(berechne);
        ASSERT_EQ(lauf.code, 0);
        const JsonErgebnis j = JsonLesen(lauf.aus);
        ASSERT_TRUE(j.ok) << j.fehler;
        const JsonWert* aus = Eintrag(j.wert, "CalcResult");
        ASSERT_TRUE(aus && Eintrag(*aus, "GesamtSaldo"));

        CalcInput e;
        CalcResult r;
        FallRechnen(fall, e, r);
        EXPECT_NEAR(std::stod(Eintrag(*aus, "GesamtSaldo")->text), r.GesamtSaldo, 0.005)
            << eintrag.path();
        ++anzahl;
    }
    EXPECT_GE(anzahl, 10);
}

namespace {

std::string Inhalt(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

}  // namespace

// The what-if rows of berechne --was-waere-wenn.
// Wages 50,000: Arbeitnehmer-Pauschbetrag 2,000, Sonderausgaben-Pauschbetrag
// 108, Vorsorgepauschale 3,888 → zvE 44,004, tax 7,784 DM. The what-if cut of
// 5,000 wages: zvE 39,004, tax 6,309 DM.
TEST(BerechneCli, WasWaere_Beide_Ergebniszeilen_und_die_Datei_bleibt_wie_sie_war) {
    TempVerzeichnis t;
    const std::string fall = t / "a.S01";
    ASSERT_EQ(Cli({"neu", fall}).code, 0);
    ASSERT_EQ(Cli({"setze", fall, "Brutto[1]=50000", "StpflGebDat=12.03.1960"}).code, 0);
    const std::string vorher = Inhalt(fall);
    ASSERT_FALSE(vorher.empty());

    const Lauf l = Cli({"berechne", fall, "--was-waere-wenn", "BruttoEr=-5.000,00"});
    ASSERT_EQ(l.code, 0) << l.aus;
    EXPECT_NE(l.aus.find("Grundtabelle"), std::string::npos) << l.aus;
    const auto gemaess = l.aus.find("Gemäß Eingabe");
    const auto nach = l.aus.find("Nach Änderung");
    ASSERT_NE(gemaess, std::string::npos) << l.aus;
    ASSERT_NE(nach, std::string::npos) << l.aus;
    const std::string zeile1 = l.aus.substr(gemaess, nach - gemaess);
    const std::string zeile2 = l.aus.substr(nach);
    for (const char* s : {"44.004,00 DM", "7.784,00 DM", "17,69 %", "30,39 %"})
        EXPECT_NE(zeile1.find(s), std::string::npos) << s << "\n" << l.aus;
    for (const char* s : {"39.004,00 DM", "6.309,00 DM", "16,18 %", "28,98 %"})
        EXPECT_NE(zeile2.find(s), std::string::npos) << s << "\n" << l.aus;
    EXPECT_EQ(Inhalt(fall), vorher);

    // several changes add up, and the rows line up
    const Lauf zwei =
        Cli({"berechne", fall, "--was-waere-wenn", "BruttoEr=-3000", "BruttoEr=-2000"});
    ASSERT_EQ(zwei.code, 0);
    EXPECT_EQ(zwei.aus, l.aus);

    // wrong use is refused, and still nothing is written
    EXPECT_EQ(Cli({"berechne", fall, "--was-waere-wenn", "Unsinn=5"}).code, 2);
    EXPECT_EQ(Cli({"berechne", fall, "--was-waere-wenn", "BruttoEr=fünf"}).code, 2);
    EXPECT_EQ(Cli({"berechne", fall, "--was-waere-wenn", "BruttoSie=1000"}).code, 2)
        << "a spouse change without joint assessment";
    EXPECT_EQ(Cli({"berechne", fall, "--json", "--was-waere-wenn", "BruttoEr=1"}).code, 2);
    EXPECT_EQ(Cli({"berechne", fall, "BruttoEr=1"}).code, 2);
    EXPECT_EQ(Inhalt(fall), vorher);
}

// A married couple and a child typed only through `setze` give the case the
// pages give: the persons page decides the table from the marital status, the
// child page sets its defaults from the birth date.
TEST(BerechneCli, Ehepaar_mit_Kind_ueber_setze_wie_auf_den_Seiten) {
    TempVerzeichnis t;
    const std::vector<std::pair<std::string, std::string>> eingaben = {
        {"StpflGebDat", "12.03.1960"}, {"EhegGebDat", "01.09.1962"},
        {"StpflReligionLB", "9"},      {"EhegReligionLB", "9"},
        {"BundeslandLb", "8"},         {"ErSie_FamilienstandLB", "1"},
        {"FamStandSeit", "20.05.1988"}, {"Brutto[1]", "60000"},
        {"LStBrutto[1]", "9000"},      {"Brutto[3]", "30000"},
        {"GebAm[1]", "04.04.1995"},
    };
    const std::string ueberSetze = t / "setze.S01";
    ASSERT_EQ(Cli({"neu", ueberSetze}).code, 0);
    std::vector<std::string> setze{"setze", ueberSetze};
    for (const auto& [feld, wert] : eingaben) setze.push_back(feld + "=" + wert);
    ASSERT_EQ(Cli(setze).code, 0);

    // the pages: each field typed, then what the page runs on leaving it
    auto satz = std::make_unique<CaseRecord>();
    NeuerFallDatensatz(*satz);
    for (const auto& [feld, wert] : eingaben) {
        const FeldSuche s = FeldAufloesen(feld);
        ASSERT_TRUE(s.adresse) << feld;
        ASSERT_FALSE(FeldwertSetzen(*satz, *s.adresse, wert));
        if (s.adresse->feld == Feld::ErSie_FamilienstandLB || s.adresse->feld == Feld::FamStandSeit)
            TabelleEntscheiden(*satz);  // the persons page
        if (s.adresse->feld == Feld::GebAm)
            GeburtsdatumVorgaben(*satz, 1, satz->Bool(Feld::Splitting));  // the child page
    }
    const std::string json = t / "seiten.json", ueberSeiten = t / "seiten.S01";
    std::ofstream(json, std::ios::binary) << FallExportieren(*satz);
    ASSERT_EQ(Cli({"import", json, ueberSeiten}).code, 0);

    const Lauf a = Cli({"berechne", "--json", ueberSetze});
    const Lauf b = Cli({"berechne", "--json", ueberSeiten});
    ASSERT_EQ(a.code, 0);
    ASSERT_EQ(b.code, 0);
    EXPECT_EQ(a.aus, b.aus);
    const JsonErgebnis j = JsonLesen(a.aus);
    ASSERT_TRUE(j.ok) << j.fehler;
    const JsonWert* ein = Eintrag(j.wert, "CalcInput");
    ASSERT_TRUE(ein && Eintrag(*ein, "FlagZusammen") && Eintrag(*ein, "AnzahlKinder"));
    EXPECT_EQ(Eintrag(*ein, "FlagZusammen")->text, "1");
    EXPECT_EQ(Eintrag(*ein, "LohnSie")->text, "30000");
    EXPECT_EQ(Eintrag(*ein, "AnzahlKinder")->text, "1");
}
