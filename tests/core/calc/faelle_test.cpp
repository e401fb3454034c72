// Whole computation cases worked out by hand, one file each in
// tests/cases/berechnung; and the rules of the case format.
#include <gtest/gtest.h>

#include "testpfade.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "calc/berechnung.h"
#include "calc/fall.h"

using namespace quarnel;
namespace fs = std::filesystem;

TEST(Faelle, Jede_Falldatei_stimmt) {
    const fs::path dir = fs::path(QUARNEL_TEST_CASES_DIR) / "berechnung";
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
        ASSERT_TRUE(FallLesen(s.str(), fall, fehler))
            << name << ":" << fehler.zeile << ": " << fehler.text;
        EXPECT_FALSE(fall.erwartet.empty()) << name;
        CalcResult ergebnis = fall.vorgabe;
        Berechne(fall.eingabe, ergebnis);
        for (const auto& a : FallPruefen(fall, ergebnis))
            ADD_FAILURE() << name << ":" << a.zeile << ": " << a.feld << " erwartet " << a.erwartet
                          << ", berechnet " << a.berechnet;
    }
    EXPECT_GE(anzahl, 15);
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
}
