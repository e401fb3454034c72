// The persons page's table decision, its label and the spouse's page marks.
#include "pages/personen.h"

#include <gtest/gtest.h>

#include "calc/betrag.h"

using namespace quarnel;

namespace {

constexpr int32_t Leer = -1;
const int32_t Im2000 = TagesNummer(2000, 6, 30);
const int32_t Im2001 = TagesNummer(2001, 3, 1);
const int32_t Im1999 = TagesNummer(1999, 12, 31);

bool Aktiv(const CaseRecord& r, int bereich, int seite) {
    return SeitenmerkerTest(r, SM_Aktiv, bereich, seite);
}

CaseRecord Fall(int familienstand, int32_t seit = Leer, int32_t trennung = Leer) {
    CaseRecord r;
    NeuerFallDatensatz(r);
    r.SetzeInt(Feld::ErSie_FamilienstandLB, familienstand);
    r.SetzeInt(Feld::FamStandSeit, seit);
    r.SetzeInt(Feld::StpflDTrennSeit, trennung);
    return r;
}

}  // namespace

TEST(Steuertabelle, Entscheidung_nach_Familienstand_und_Daten) {
    using T = Steuertabelle;
    EXPECT_EQ(TabelleNachFamilienstand(-1, Im2001, Im2001), T::Unveraendert);
    EXPECT_EQ(TabelleNachFamilienstand(0, Im2001, Im2001), T::Grundtabelle);
    EXPECT_EQ(TabelleNachFamilienstand(1, Leer, Leer), T::Splitting);
    // separated or widowed: splitting only in the year it happened
    for (int stand : {2, 4}) {
        EXPECT_EQ(TabelleNachFamilienstand(stand, Im2001, Leer), T::Splitting) << stand;
        EXPECT_EQ(TabelleNachFamilienstand(stand, Im2000, Leer), T::Grundtabelle) << stand;
        EXPECT_EQ(TabelleNachFamilienstand(stand, Leer, Leer), T::Grundtabelle) << stand;
    }
    // divorced or widowed after separation: both dates must lie in the tax year
    for (int stand : {3, 5}) {
        EXPECT_EQ(TabelleNachFamilienstand(stand, Im2001, Im2001), T::Splitting) << stand;
        EXPECT_EQ(TabelleNachFamilienstand(stand, Im2001, Im2000), T::Grundtabelle) << stand;
        EXPECT_EQ(TabelleNachFamilienstand(stand, Im2001, Leer), T::Grundtabelle) << stand;
    }
    EXPECT_EQ(TabelleNachFamilienstand(6, Im2001, Im2001), T::Unveraendert);
}

TEST(Steuertabelle, Text_mit_Witwensplitting) {
    CaseRecord r = Fall(1);
    TabelleEntscheiden(r);
    EXPECT_EQ(TabellenText(r), "Besteuerung nach Splittingtabelle");
    r = Fall(0);
    TabelleEntscheiden(r);
    EXPECT_EQ(TabellenText(r), "Besteuerung nach Grundtabelle");

    // widowed in 2000: the widows' splitting table, while the flags stay basic
    r = Fall(4, Im2000);
    TabelleEntscheiden(r);
    EXPECT_TRUE(r.Bool(Feld::Grundtabelle));
    EXPECT_TRUE(WitwenSplitting(r));
    EXPECT_EQ(TabellenText(r), "Besteuerung nach Splittingtabelle (Witwen/Witwer)");
    r = Fall(4, Im2001);
    TabelleEntscheiden(r);
    EXPECT_TRUE(r.Bool(Feld::Splitting));
    EXPECT_EQ(TabellenText(r), "Besteuerung nach Splittingtabelle");
    r = Fall(4, Im1999);
    TabelleEntscheiden(r);
    EXPECT_FALSE(WitwenSplitting(r));
    EXPECT_EQ(TabellenText(r), "Besteuerung nach Grundtabelle");
    // an empty date is no year at all
    EXPECT_FALSE(WitwenSplitting(Fall(4, Leer)));
}

TEST(Steuertabelle, Wechsel_setzt_Merker_und_Ehegattenseiten) {
    CaseRecord r = Fall(1);
    ASSERT_TRUE(r.Bool(Feld::Grundtabelle));
    EXPECT_TRUE(TabelleEntscheiden(r));
    EXPECT_TRUE(r.Bool(Feld::Splitting));
    EXPECT_FALSE(r.Bool(Feld::Grundtabelle));
    EXPECT_TRUE(Aktiv(r, 3, 3));
    EXPECT_TRUE(Aktiv(r, 3, 4));
    EXPECT_TRUE(Aktiv(r, 3, 0));
    EXPECT_TRUE(Aktiv(r, 5, 0));
    EXPECT_FALSE(TabelleEntscheiden(r));  // no change the second time

    // no status chosen changes nothing
    r.SetzeInt(Feld::ErSie_FamilienstandLB, -1);
    EXPECT_FALSE(TabelleEntscheiden(r));
    EXPECT_TRUE(r.Bool(Feld::Splitting));

    r.SetzeInt(Feld::ErSie_FamilienstandLB, 0);
    EXPECT_TRUE(TabelleEntscheiden(r));
    EXPECT_TRUE(r.Bool(Feld::Grundtabelle));
    EXPECT_FALSE(r.Bool(Feld::Splitting));
    EXPECT_FALSE(Aktiv(r, 3, 3));
    EXPECT_FALSE(Aktiv(r, 3, 4));
    EXPECT_FALSE(Aktiv(r, 5, 0));
    // the employment area stays selected while the taxpayer's card page is
    EXPECT_EQ(Aktiv(r, 3, 0), Aktiv(r, 3, 1));

    // a damaged record with both flags set ends on one table
    r.SetzeBool(Feld::Splitting, true);
    TabelleEntscheiden(r);
    EXPECT_FALSE(r.Bool(Feld::Splitting));
}

// The flags typed before the marital status (as `setze` may do): the
// decision changes no flag but still shows the spouse's pages.
TEST(Steuertabelle, Vorher_gesetzte_Merker_zeigen_die_Ehegattenseiten) {
    CaseRecord r = Fall(1);
    r.SetzeBool(Feld::Grundtabelle, false);
    r.SetzeBool(Feld::Splitting, true);
    ASSERT_FALSE(Aktiv(r, 3, 3));
    EXPECT_FALSE(TabelleEntscheiden(r));
    EXPECT_TRUE(Aktiv(r, 3, 3));
    EXPECT_TRUE(Aktiv(r, 3, 4));
    EXPECT_TRUE(Aktiv(r, 5, 0));
}

TEST(Steuertabelle, Ehegattenseiten_nach_dem_Interview) {
    CaseRecord r = Fall(1);
    for (int seite = 0; seite <= 15; ++seite) {
        SeitenmerkerLoeschen(r, SM_Aktiv, 3, seite);
        SeitenmerkerLoeschen(r, SM_Aktiv, 5, seite);
    }
    // the interview said no to the spouse's card and chose no expense page of hers
    r.SetzeBool(Feld::InterviewErledigt, true);
    TabelleEntscheiden(r);
    EXPECT_FALSE(Aktiv(r, 3, 3));
    EXPECT_FALSE(Aktiv(r, 5, 0));
    EXPECT_FALSE(Aktiv(r, 3, 0));

    // yes to her card and one expense page chosen
    r.SetzeBool(Feld::Interviewantworten, true, 13);
    SeitenmerkerSetzen(r, SM_Aktiv, 5, 2);
    EhegattenSeitenMarkieren(r);
    EXPECT_TRUE(Aktiv(r, 3, 3));
    EXPECT_TRUE(Aktiv(r, 3, 4));
    EXPECT_TRUE(Aktiv(r, 3, 0));
    EXPECT_TRUE(Aktiv(r, 5, 0));
}
