// The explanation of a computation, swept over every whole case: each
// recorded step computes again from the values it used by its declared rule,
// the trees of the main chain end in the visible results, each node names its
// paragraph, each leaf its catalogue field or parameter.
#include "calc/erklaerung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "calc/fall.h"
#include "calc/feldnamen.h"
#include "case/feldkatalog.h"
#include "case/json.h"
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

// Results the trees do not yet break down further; any other leaf must be an
// entry with its catalogue field or a parameter.
const std::set<std::string> NochNichtAufgeschluesselt = {
    "VaTabelle[48]",
    "VaTabelle[49]",
};

bool PfennigGleich(double a, double b) {
    return std::fabs(a - b) < 0.005;
}

void KnotenPruefen(const std::string& fall, const Erklaerknoten& k) {
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
                EXPECT_TRUE(k.angabe.name.starts_with("WhatIfDelta[")) << fall << ": " << k.angabe.name;
                break;
            }
            EXPECT_TRUE(EingabeFeld(k.angabe.name)) << fall << ": " << k.angabe.name;
            EXPECT_TRUE(FeldNachId(k.angabe.quelle).has_value())
                << fall << ": " << k.angabe.name << " ohne Katalogfeld";
            break;
        case Herkunft::Parameter:
            EXPECT_FALSE(k.angabe.quelle.empty()) << fall << ": " << k.angabe.name;
            break;
        case Herkunft::Ergebnis:
            EXPECT_TRUE(NochNichtAufgeschluesselt.count(k.angabe.name))
                << fall << ": Blatt ohne Eingabe oder Parameter: " << k.angabe.name;
            break;
    }
}

int FaelleErklaeren(const char* ordner) {
    int anzahl = 0;
    for (const auto& eintrag : fs::directory_iterator(fs::path(QUARNEL_TEST_CASES_DIR) / ordner)) {
        if (eintrag.path().extension() != ".fall") continue;
        std::ifstream in(eintrag.path(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        Fall fall;
        FallFehler fehler;
        const std::string name = eintrag.path().filename().string();
        if (!FallLesen(s.str(), fall, fehler)) continue;  // the case sweep reports it
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
    for (const char* teil : {"EStSaldo = ", "§ 36 Abs. 4 EStG", "+ ZvE = ", "+ SummeEk = 43000,00",
                             "Feld LstEr", "LStSumme = ", "54-DM-Stufe"})
        EXPECT_NE(text.aus.find(teil), std::string::npos) << teil << "\n" << text.aus;

    const auto alle = cli({"wie", fall, "--json"});
    ASSERT_EQ(alle.code, 0);
    const JsonErgebnis j = JsonLesen(alle.aus);
    ASSERT_TRUE(j.ok) << j.fehler << alle.aus;
    std::set<std::string> namen;
    for (const JsonEintrag& e : j.wert.objekt) namen.insert(e.schluessel);
    for (const char* ergebnis : Hauptkette) EXPECT_TRUE(namen.count(ergebnis)) << ergebnis;

    EXPECT_EQ(cli({"wie", fall, "Unsinn"}).code, 2);
    EXPECT_EQ(cli({"wie"}).code, 2);
    EXPECT_EQ(cli({"wie", fall, "--schnell"}).code, 2);
}
