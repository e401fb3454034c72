#include "shell/wegfix.h"

#include <gtest/gtest.h>

#include <set>

#include "case/bereiche.h"

using namespace quarnel;

TEST(Wegfix, Eintraege_lesen) {
    auto e = WegfixEintragLesen("11,03,00,0000/Abgeordnetenbezüge");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->bereich, 11);
    EXPECT_EQ(e->seite, 3);
    EXPECT_EQ(e->frage, "00");
    EXPECT_EQ(e->stichwort, "Abgeordnetenbezüge");
    for (const char* kaputt :
         {"", "11,03,00,0000/", "1a,03,00,0000/X", "11;03,00,0000/X", "11,03,00,000/Xyz"})
        EXPECT_FALSE(WegfixEintragLesen(kaputt)) << kaputt;
}

TEST(Wegfix, Jedes_Stichwort_fuehrt_zu_einer_vorhandenen_Seite) {
    const auto alle = WegfixEintraege();
    ASSERT_EQ(WegfixAnzahl(), 118);
    ASSERT_EQ(alle.size(), 118u);
    EXPECT_EQ(alle.front().stichwort, "Abgeordnetenbezüge");
    EXPECT_EQ(alle.back().stichwort, "Zuwendungen an Parteien");
    std::set<std::string> woerter;
    CaseRecord r;
    NeuerFallDatensatz(r);
    for (int z = 1; z <= WegfixAnzahl(); ++z) {
        const auto e = WegfixEintragLesen(WegfixRoh(z));
        ASSERT_TRUE(e) << z;
        woerter.insert(e->stichwort);
        EXPECT_FALSE(SeitenKlasse(e->bereich, e->seite).empty()) << e->stichwort;
        // A new case selects every page the keywords name.
        EXPECT_EQ(WegfixGeheZu(r, z).seite, SeitenOrt(e->bereich, e->seite)) << e->stichwort;
    }
    EXPECT_EQ(woerter.size(), 118u);
}

TEST(Wegfix, Nicht_gewaehlte_Seite_gibt_die_Meldung) {
    CaseRecord r;
    NeuerFallDatensatz(r);
    SeitenmerkerLoeschen(r, SM_Aktiv, 11, 3);
    WegfixWahl w = WegfixGeheZu(r, 1);  // "Abgeordnetenbezüge"
    EXPECT_FALSE(w.seite);
    EXPECT_EQ(w.fehler, "Eingabeseite nicht verfügbar - vgl. Auswahlfrage 00");
    // The page is selected but its area is not: not reachable either.
    SeitenmerkerSetzen(r, SM_Aktiv, 11, 3);
    SeitenmerkerLoeschen(r, SM_Aktiv, 11, 0);
    EXPECT_FALSE(WegfixGeheZu(r, 1).seite);
    EXPECT_FALSE(WegfixGeheZu(r, 0).seite);
    EXPECT_FALSE(WegfixGeheZu(r, 119).seite);
}
