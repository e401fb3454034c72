// quarnel-cli berechne on a case file built with setze.
#include <gtest/gtest.h>

#include "testpfade.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/fall.h"
#include "case/json.h"
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
