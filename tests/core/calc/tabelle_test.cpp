// quarnel-cli tabelle: bands, tax and surcharges of the printed table.
#include <gtest/gtest.h>

#include "testpfade.h"

#include <cstdio>
#include <string>

namespace {

struct Lauf {
    std::string ausgabe;
    int code;
};

Lauf Ausfuehren(const std::string& argumente) {
    const std::string befehl = std::string(QUARNEL_CLI_PATH) + " tabelle " + argumente + " 2>&1";
    Lauf lauf{{}, -1};
    FILE* p = popen(befehl.c_str(), "r");
    if (!p) return lauf;
    char puffer[512];
    while (fgets(puffer, sizeof puffer, p)) lauf.ausgabe += puffer;
    const int status = pclose(p);
    lauf.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return lauf;
}

}  // namespace

TEST(Tabelle, Grund_und_Splittingtabelle) {
    Lauf l = Ausfuehren("--von 14040 --bis 14100");
    ASSERT_EQ(l.code, 0);
    EXPECT_NE(l.ausgabe.find("Grundtabelle 2001"), std::string::npos);
    // the first taxed band: 16 DM, church tax 1,28 and 1,44
    EXPECT_NE(l.ausgabe.find(
                  "14.094 -      14.147              16         0,00         1,28         1,44"),
              std::string::npos)
        << l.ausgabe;
    EXPECT_EQ(l.ausgabe.find("14.148"), std::string::npos);  // stops at --bis

    // §4 SolZG: 5.5 % of 2,535 is 139.425, the fraction of a Pfennig dropped
    l = Ausfuehren("--von 25002 --bis 25002");
    EXPECT_NE(l.ausgabe.find(
                  "25.002 -      25.055           2.535       139,42       202,80       228,15"),
              std::string::npos)
        << l.ausgabe;

    l = Ausfuehren("--splitting --von 120000 --bis 120000");
    ASSERT_EQ(l.code, 0);
    EXPECT_NE(l.ausgabe.find("Splittingtabelle"), std::string::npos);
    // 108-DM bands; 2 * Tarif(59994) = 26050, Soli 1432,75
    EXPECT_NE(l.ausgabe.find("119.988 -     120.095          26.050     1.432,75"),
              std::string::npos)
        << l.ausgabe;
}

TEST(Tabelle, Falsche_Aufrufe) {
    EXPECT_EQ(Ausfuehren("--von abc").code, 2);
    EXPECT_EQ(Ausfuehren("--von 5000 --bis 100").code, 2);
    EXPECT_EQ(Ausfuehren("--von -1").code, 2);
    EXPECT_EQ(Ausfuehren("--von 0 --bis 900000000").code, 2);  // too many rows
    EXPECT_EQ(Ausfuehren("--breit").code, 2);
}
