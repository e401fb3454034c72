#include "shell/navigation.h"

#include <gtest/gtest.h>

#include "case/bereiche.h"

using namespace quarnel;

namespace {

// A record with no page selected.
CaseRecord Leer() {
    return CaseRecord{};
}

void Waehle(CaseRecord& r, int bereich, std::initializer_list<int> seiten) {
    for (int p : seiten) SeitenmerkerSetzen(r, SM_Aktiv, bereich, p);
}

CaseRecord NeuerSatz() {
    CaseRecord r;
    NeuerFallDatensatz(r);
    return r;
}

}  // namespace

TEST(Navigation, Ohne_gewaehlte_Seite_bleibt_der_Ort) {
    const CaseRecord r = Leer();
    EXPECT_EQ(NaechsteSeite(r, 1, 0), SeitenOrt(1, 0));
    EXPECT_EQ(VorigeSeite(r, 4, 3), SeitenOrt(4, 3));
    EXPECT_EQ(AktivesGebiet(r, 1), 0);
    EXPECT_TRUE(NavigatorBaum(r).empty());
    EXPECT_FALSE(NavigatorStartSeite(r, 0, 0));
}

TEST(Navigation, Vor_und_zurueck_mit_Umlauf) {
    CaseRecord r = Leer();
    Waehle(r, 1, {0, 1, 2});
    EXPECT_EQ(NaechsteSeite(r, 1, 0), SeitenOrt(1, 1));
    EXPECT_EQ(NaechsteSeite(r, 1, 2), SeitenOrt(1, 1));  // only area 1: wraps to itself
    EXPECT_EQ(VorigeSeite(r, 1, 1), SeitenOrt(1, 2));

    Waehle(r, 12, {0, 3, 7});
    EXPECT_EQ(NaechsteSeite(r, 1, 2), SeitenOrt(12, 3));
    EXPECT_EQ(NaechsteSeite(r, 12, 3), SeitenOrt(12, 7));
    EXPECT_EQ(NaechsteSeite(r, 12, 7), SeitenOrt(1, 1));
    EXPECT_EQ(VorigeSeite(r, 12, 7), SeitenOrt(12, 3));
    EXPECT_EQ(VorigeSeite(r, 12, 3), SeitenOrt(1, 2));
    EXPECT_EQ(VorigeSeite(r, 1, 1), SeitenOrt(12, 7));
    EXPECT_EQ(AktivesGebiet(r, 2), 12);
    EXPECT_EQ(AnzahlAktiveSeiten(r, 12), 2);
}

TEST(Navigation, Abgewaehlte_Bereiche_und_Seiten_werden_uebersprungen) {
    CaseRecord r = Leer();
    Waehle(r, 1, {0, 1});
    Waehle(r, 3, {1, 2});  // pages without their area
    Waehle(r, 4, {0});     // an area without pages
    Waehle(r, 6, {0, 1});
    EXPECT_EQ(NaechsteSeite(r, 1, 1), SeitenOrt(6, 1));
    EXPECT_EQ(VorigeSeite(r, 6, 1), SeitenOrt(1, 1));
    // Standing on a page of a deselected area, the buttons leave the area.
    EXPECT_EQ(NaechsteSeite(r, 3, 1), SeitenOrt(6, 1));
    EXPECT_EQ(VorigeSeite(r, 3, 2), SeitenOrt(1, 1));
}

TEST(Navigation, Neuer_Fall_ohne_Ehegattenseiten) {
    CaseRecord r = NeuerSatz();
    EXPECT_EQ(NaechsteSeite(r, 1, 0), SeitenOrt(1, 1));
    EXPECT_EQ(NaechsteSeite(r, 3, 2), SeitenOrt(4, 1));  // the spouse's cards are off
    EXPECT_EQ(NaechsteSeite(r, 4, 8), SeitenOrt(6, 1));  // so is her expense area
    EXPECT_EQ(NaechsteSeite(r, 17, 2), SeitenOrt(1, 1));
    EXPECT_EQ(VorigeSeite(r, 1, 1), SeitenOrt(17, 2));
    // Every existing page is visited exactly once on a round trip forward.
    SeitenOrt o{1, 1};
    int schritte = 0;
    do {
        o = NaechsteSeite(r, o.first, o.second);
        ++schritte;
        ASSERT_TRUE(SeiteImBaum(r, o.first, o.second));
        ASSERT_FALSE(SeitenKlasse(o.first, o.second).empty() && o != SeitenOrt(17, 1));
    } while (o != SeitenOrt{1, 1} && schritte < 200);
    EXPECT_EQ(schritte, 2 + 6 + 2 + 8 + 1 + 4 + 1 + 1 + 1 + 4 + 7 + 6 + 5 + 1 + 1 + 2);
}

TEST(Navigation, Baumzeilen_mit_Marken) {
    CaseRecord r = Leer();
    Waehle(r, 2, {0, 1, 2});
    SeitenmerkerSetzen(r, SM_Bearbeitet, 2, 1);
    SeitenmerkerSetzen(r, SM_Notiz, 2, 2);
    SeitenmerkerSetzen(r, SM_Pruefung, 2, 2);
    SeitenmerkerSetzen(r, SM_Aktiv, 3, 1);  // area 3 itself is not selected
    const auto z = NavigatorBaum(r);
    ASSERT_EQ(z.size(), 3u);
    EXPECT_EQ(z[0].text, "Kinder");
    EXPECT_EQ(z[1].text, " 1. Kind    ¤ ··");
    EXPECT_EQ(z[2].text, " 2. Kind    ···(N, F)");
    // Read aloud: the marks in words, no leaders.
    EXPECT_EQ(z[0].vorlesen, "Kinder");
    EXPECT_EQ(z[1].vorlesen, "1. Kind, besucht");
    EXPECT_EQ(z[2].vorlesen, "2. Kind, Notiz, Fehler");
    EXPECT_TRUE(z[1].besucht);
    EXPECT_TRUE(z[2].notiz && z[2].fehler && !z[2].erinnerung);
}

TEST(Navigation, Gehe_zu) {
    CaseRecord r = Leer();
    Waehle(r, 1, {0, 1, 2});
    auto w = NavigatorGeheZu(r, 1, 0, false, 1, 1);
    EXPECT_TRUE(w.bleiben);
    EXPECT_EQ(w.fehler, "Bitte Unterseite wählen!");
    w = NavigatorGeheZu(r, 1, 2, true, 1, 1);
    EXPECT_EQ(w.seite, SeitenOrt(1, 2));
    w = NavigatorGeheZu(r, 1, 1, true, 1, 1);  // the page already open
    EXPECT_FALSE(w.bleiben);
    EXPECT_FALSE(w.seite);
    EXPECT_EQ(NavigatorGeheZu(r, 1, 1, false, 1, 1).seite, SeitenOrt(1, 1));
    EXPECT_EQ(NavigatorStartSeite(r, 1, 0), SeitenOrt(1, 1));
    EXPECT_FALSE(NavigatorStartSeite(r, 3, 1));  // not in the tree: nothing selected
    EXPECT_FALSE(NavigatorGeheZu(r, 3, 1, false, 1, 1).seite);
}
