#include "shell/interview.h"

#include <gtest/gtest.h>

#include <fstream>

#include "../testhilfe.h"
#include "shell/navigation.h"
#include "testpfade.h"

using namespace quarnel;

namespace {

CaseRecord NeuerSatz() {
    CaseRecord r;
    NeuerFallDatensatz(r);
    return r;
}

bool Aktiv(const CaseRecord& r, int a, int p) {
    return SeitenmerkerTest(r, SM_Aktiv, a, p);
}

// Ticks by item number.
InterviewHaken Haken(std::initializer_list<int> punkte) {
    InterviewHaken h{};
    for (int p : punkte) h[static_cast<std::size_t>(p)] = true;
    return h;
}

}  // namespace

TEST(Interview, Punkte_und_Antworten) {
    EXPECT_EQ(InterviewPunktAnzeige(0), "Grundlage");
    EXPECT_EQ(InterviewPunktAnzeige(1), "       Anwendung der Splittingtabelle?");
    int ueberschriften = 0;
    for (int i = 0; i < InterviewPunkte; ++i) ueberschriften += InterviewUeberschrift(i);
    EXPECT_EQ(ueberschriften, 10);
    EXPECT_EQ(InterviewAntwortIndex(0), -1);
    EXPECT_EQ(InterviewAntwortIndex(1), 0);
    EXPECT_EQ(InterviewAntwortIndex(5), 3);    // taxpayer's card: byte 299
    EXPECT_EQ(InterviewAntwortIndex(15), 12);  // spouse's card: byte 308
    EXPECT_EQ(InterviewAntwortIndex(25), 21);  // capital: byte 317
    EXPECT_EQ(InterviewAntwortIndex(58), 49);  // statistics: byte 345
    EXPECT_EQ(InterviewAntwortIndex(59), -1);
    EXPECT_EQ(FragenDateiName(5), "Fra005.fra");
    EXPECT_EQ(FragenDateiName(999), "Fra999.fra");
}

TEST(Interview, Paar_mit_Kindern_und_nur_Arbeitslohn) {
    CaseRecord r = NeuerSatz();
    InterviewAnwenden(r, Haken({1, 2, 5, 6, 15}));
    EXPECT_TRUE(r.Bool(Feld::InterviewErledigt));
    EXPECT_TRUE(r.Bool(Feld::Splitting));
    EXPECT_FALSE(r.Bool(Feld::Grundtabelle));
    EXPECT_EQ(r.Int(Feld::ErSie_FamilienstandLB), 1);
    EXPECT_EQ(InterviewHakenAusSatz(r), Haken({1, 2, 5, 6, 15}));

    std::vector<SeitenOrt> baum;
    for (const auto& z : NavigatorBaum(r))
        if (z.seite) baum.emplace_back(z.bereich, z.seite);
    const std::vector<SeitenOrt> erwartet = {{1, 1}, {2, 1}, {2, 2},  {2, 3}, {2, 4},
                                             {2, 5}, {2, 6}, {3, 1},  {3, 2}, {3, 3},
                                             {3, 4}, {4, 1}, {17, 1}, {17, 2}};
    EXPECT_EQ(baum, erwartet);
    // The pages of areas 6 to 10 keep their mark; only the areas are deselected.
    EXPECT_TRUE(Aktiv(r, 6, 1));
    EXPECT_FALSE(Aktiv(r, 6, 0));
    EXPECT_FALSE(Aktiv(r, 5, 0));
    EXPECT_FALSE(Aktiv(r, 1, 2));
}

TEST(Interview, Seitenauswahl_je_Antwort) {
    CaseRecord r = NeuerSatz();
    // Only the spouse's card: area 3 stays selected through her pages.
    InterviewAnwenden(r, Haken({1, 15, 17, 26, 31, 33, 41, 44, 52, 56, 58}));
    EXPECT_TRUE(Aktiv(r, 3, 0));
    EXPECT_FALSE(Aktiv(r, 3, 1));
    EXPECT_TRUE(Aktiv(r, 3, 3) && Aktiv(r, 3, 4));
    EXPECT_FALSE(Aktiv(r, 4, 0));
    EXPECT_TRUE(Aktiv(r, 5, 0) && Aktiv(r, 5, 2) && !Aktiv(r, 5, 1));
    EXPECT_TRUE(Aktiv(r, 7, 0) && !Aktiv(r, 6, 0));
    EXPECT_TRUE(Aktiv(r, 11, 0) && Aktiv(r, 11, 2) && Aktiv(r, 11, 4) && !Aktiv(r, 11, 1));
    EXPECT_TRUE(Aktiv(r, 12, 0) && Aktiv(r, 12, 7) && AnzahlAktiveSeiten(r, 12) == 1);
    EXPECT_TRUE(Aktiv(r, 13, 0) && Aktiv(r, 13, 2) && AnzahlAktiveSeiten(r, 13) == 1);
    EXPECT_TRUE(Aktiv(r, 14, 0) && Aktiv(r, 14, 3) && AnzahlAktiveSeiten(r, 14) == 1);
    EXPECT_TRUE(Aktiv(r, 15, 0) && Aktiv(r, 16, 0));
    // Nothing ticked: every area the answers govern is gone; area 1 and 17 stay.
    InterviewAnwenden(r, Haken({}));
    for (int a = 2; a <= 16; ++a) EXPECT_FALSE(Aktiv(r, a, 0)) << a;
    for (int p = 1; p <= 6; ++p) EXPECT_FALSE(Aktiv(r, 2, p));
    EXPECT_TRUE(Aktiv(r, 1, 0) && Aktiv(r, 1, 1) && Aktiv(r, 17, 0) && Aktiv(r, 17, 2));
    EXPECT_TRUE(r.Bool(Feld::Grundtabelle));
    EXPECT_FALSE(r.Bool(Feld::Splitting));
}

TEST(Interview, Familienstand_der_Personenseite_bleibt) {
    CaseRecord r = NeuerSatz();
    r.SetzeInt(Feld::ErSie_FamilienstandLB, 3);  // "geschieden", chosen on the page
    r.SetzeBool(Feld::Grundtabelle, true);
    SeitenmerkerSetzen(r, SM_Bearbeitet, 1, 1);
    InterviewAnwenden(r, Haken({1, 15}));
    EXPECT_EQ(r.Int(Feld::ErSie_FamilienstandLB), 3);
    EXPECT_TRUE(r.Bool(Feld::Grundtabelle));
    EXPECT_FALSE(r.Bool(Feld::Splitting));
    EXPECT_TRUE(Aktiv(r, 3, 3));  // the pages still follow the answers
    // Without the splitting answer nobody becomes married.
    CaseRecord s = NeuerSatz();
    const int vorher = s.Int(Feld::ErSie_FamilienstandLB);
    InterviewAnwenden(s, Haken({2}));
    EXPECT_EQ(s.Int(Feld::ErSie_FamilienstandLB), vorher);
}

TEST(Interview, Ehegatte_ohne_Splitting_und_Abbruch) {
    EXPECT_TRUE(InterviewEhegatteOhneSplitting(Haken({2, 23})));
    EXPECT_FALSE(InterviewEhegatteOhneSplitting(Haken({1, 23})));
    EXPECT_FALSE(InterviewEhegatteOhneSplitting(Haken({5, 24})));

    CaseRecord r = NeuerSatz();
    const CaseRecord vorher = r;
    const InterviewSicherung s = InterviewSichern(r);
    InterviewAnwenden(r, Haken({2, 5, 25}));
    EXPECT_NE(r, vorher);
    InterviewWiederherstellen(r, s);
    EXPECT_EQ(r, vorher);  // the marital status is outside the copied bytes
}

TEST(Interview, Erklaerungsdateien) {
    test::TempVerzeichnis d;
    for (int n = 0; n < InterviewPunkte; ++n)
        if (n != 42) std::ofstream(d / FragenDateiName(n)) << "x";
    EXPECT_EQ(FehlendeFragenDatei(d.Text()), "Fra042.fra");
    std::ofstream(d / FragenDateiName(42), std::ios::binary) << "Ausgaben f\xfcr Pflege";
    EXPECT_FALSE(FehlendeFragenDatei(d.Text()));
    EXPECT_EQ(FragenText(d.Text(), 42), "Ausgaben für Pflege");
    EXPECT_FALSE(FragenText(d.Text(), 999));
    EXPECT_TRUE(FehlendeFragenDatei(d.Text() + "/fehlt"));
}

TEST(Interview, Mitgelieferte_Erklaerungen_sind_vollstaendig) {
    const std::string form = std::string(QUARNEL_DATA_DIR) + "/form";
    EXPECT_FALSE(FehlendeFragenDatei(form));
    for (int n : {0, 1, 15, 59, 999}) {
        const auto t = FragenText(form, n);
        ASSERT_TRUE(t) << n;
        // The first line is the item's own question or heading.
        if (n != 999) {
            std::string titel = std::string(InterviewPunktText(n));
            titel.erase(0, titel.find_first_not_of(' '));
            EXPECT_EQ(t->rfind(titel.substr(0, 12), 0), 0u) << n << ": " << *t;
        }
    }
}
