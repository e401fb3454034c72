// quarnel-cli berechne on a case file built with setze.
#include <gtest/gtest.h>

#include "testpfade.h"
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "case/json.h"
#include "testhilfe.h"

using namespace quarnel;
using quarnel::test::TempVerzeichnis;

namespace {

struct Lauf {
    int code;
    std::string aus;
};

Lauf Cli(const std::vector<std::string>& args) {
    std::string befehl = QUARNEL_CLI_PATH;
    for (const auto& a : args) befehl += " '" + a + "'";
    befehl += " 2>/dev/null";
    FILE* p = ::popen(befehl.c_str(), "r");
    Lauf l{-1, {}};
    char puffer[4096];
    std::size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, p)) > 0) l.aus.append(puffer, n);
    const int status = ::pclose(p);
    l.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return l;
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
