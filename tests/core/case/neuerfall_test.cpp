// A new case: the defaults a user starts from, the page marks, notes and lists.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "case/bereiche.h"
#include "case/caserecord.h"

using namespace quarnel;

namespace {

struct NeuerFallTest : ::testing::Test {
    CaseRecord r;
    Notizblock notizen;
    Listensatz liste;
    void SetUp() override { NeuerFall(r, notizen, liste); }
};

}  // namespace

TEST_F(NeuerFallTest, Kopf_und_Vorgaben_wie_von_Hand_nachgeschlagen) {
    EXPECT_EQ(r.LeseByte(0), 8);
    EXPECT_EQ(r.Text(Feld::Kennung), "S00VER10");
    EXPECT_TRUE(r.Bool(Feld::FallFreigabe));
    EXPECT_EQ(r.Text(Feld::FallPasswort), "");
    EXPECT_FALSE(r.Bool(Feld::InterviewErledigt));
    EXPECT_EQ(r.Int(Feld::Kurz_FamilienstandLB), 1);
    EXPECT_EQ(r.Int(Feld::ErSie_FamilienstandLB), 0);
    EXPECT_EQ(r.Int(Feld::BundeslandLB), -1);
    EXPECT_EQ(r.Text(Feld::BundeslandLB_Text), "fehlt");
    EXPECT_EQ(r.Text(Feld::BundeslandLb_Text), "fehlt");
    EXPECT_EQ(r.Int(Feld::MonateRelEr), 12);
    EXPECT_EQ(r.Int(Feld::MonateRelSie), 12);
    EXPECT_EQ(r.Text(Feld::MonateRelSie_Text), "KiSt erhebend");
    EXPECT_TRUE(r.Bool(Feld::RechneErstattung));
    EXPECT_EQ(r.Int(Feld::StpflReligionVon), 146463);
    EXPECT_EQ(r.Int(Feld::EhegReligionBis), 146827);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(r.Text(Feld::Vorname, k), " ") << k;
        EXPECT_EQ(r.Int(Feld::StaatLB, k), -1) << k;
        EXPECT_EQ(r.Dbl(Feld::Ausbild_AufteilungProz, k), 100.0) << k;
    }
    for (int e = 1; e <= 8; ++e) EXPECT_EQ(r.Dbl(Feld::BehindN_AufteilungProz, e), 100.0);
    for (int v = 1; v <= 4; ++v) {
        EXPECT_EQ(r.Text(Feld::FahrzBez, v), "Frei");
        EXPECT_TRUE(r.Bool(Feld::PauschBerechRB, v));
        EXPECT_TRUE(r.Bool(Feld::AfaBerechRB, v));
        EXPECT_EQ(r.Dbl(Feld::DauerLeasing, v), 60.0);
        EXPECT_EQ(r.Dbl(Feld::ObjektProzEr, v), 100.0);
    }
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(r.Int(Feld::Vwl1Art, c), -1);
    EXPECT_EQ(r.LeseByte(13564 + 68 * 61), 1);  // the blank row of the domestic list
    EXPECT_EQ(r.LeseByte(19812 + 76 * 1), 1);
    EXPECT_TRUE(r.Bool(Feld::Ansatz0Rb, 2));
    EXPECT_EQ(r.Dbl(Feld::SaAnsatzProz), 100.0);
    EXPECT_EQ(r.Dbl(Feld::MitEigentumProz), 100.0);
    EXPECT_EQ(r.Int(Feld::HiProzKi6), 100);
    EXPECT_EQ(r.LeseByte(43828), 0);
    EXPECT_TRUE(r.Bool(Feld::Grundtabelle));  // byte 2065
    EXPECT_FALSE(r.Bool(Feld::Splitting));    // byte 2066
    for (int e = 1; e <= 8; ++e) EXPECT_TRUE(r.Bool(Feld::BehAntrag, e)) << e;
    EXPECT_EQ(r.Text(Feld::AufwArt, 3), std::string(40, ' '));  // every supported person
}

TEST_F(NeuerFallTest, Jedes_Datum_ist_leer_ausser_den_Kirchenzeiten) {
    int gesehen = 0;
    for (std::size_t i = 0; i < Feldkatalog().size(); ++i) {
        Feld f = static_cast<Feld>(i);
        const FeldDef& d = Def(f);
        if (d.typ != FeldTyp::Datum) continue;
        const bool kirche = f == Feld::StpflReligionVon || f == Feld::StpflReligionBis ||
                            f == Feld::EhegReligionVon || f == Feld::EhegReligionBis;
        for (int e = 1; e <= d.anzahl; ++e) {
            ++gesehen;
            if (kirche)
                EXPECT_NE(r.Int(f, e), -1) << d.id;
            else
                EXPECT_EQ(r.Int(f, e), -1) << d.id << " element " << e;
        }
    }
    EXPECT_GT(gesehen, 250);
}

TEST_F(NeuerFallTest, Seitenmerker_aktiv_ausser_Ehegattenkarten_und_Ehegatten_Werbungskosten) {
    for (int a = 1; a <= AnzahlBereiche; ++a) {
        for (int p = 0; p <= 15; ++p) {
            const bool da = SeiteVorhanden(a, p);
            EXPECT_EQ(SeitenmerkerTest(r, SM_Vorhanden, a, p), da) << a << "/" << p;
            const bool aus = (a == 3 && (p == 3 || p == 4)) || (a == 5 && p == 0);
            EXPECT_EQ(SeitenmerkerTest(r, SM_Aktiv, a, p), da && !aus) << a << "/" << p;
            for (int bit = SM_Notiz; bit <= SM_Pruefung; ++bit)
                EXPECT_FALSE(SeitenmerkerTest(r, bit, a, p));
        }
    }
    EXPECT_TRUE(SeiteVorhanden(2, 6));
    EXPECT_FALSE(SeiteVorhanden(2, 7));
    EXPECT_TRUE(SeiteVorhanden(5, 8));   // the spouse's expense pages repeat the taxpayer's
    EXPECT_FALSE(SeiteVorhanden(1, 3));
    // The byte of area a, page p lies at 8 + 16a + p.
    EXPECT_EQ(r.LeseByte(8 + 16 * 17 + 2), 3);
    SeitenmerkerSetzen(r, SM_Pruefung, 17, 2);
    EXPECT_EQ(r.LeseByte(8 + 16 * 17 + 2), 3 | 32);
    SeitenmerkerLoeschen(r, SM_Vorhanden, 17, 2);
    EXPECT_EQ(r.LeseByte(8 + 16 * 17 + 2), 2 | 32);
    EXPECT_THROW(SeitenmerkerTest(r, SM_Aktiv, 18, 0), std::out_of_range);
}

TEST_F(NeuerFallTest, Testmodus_setzt_Geburtstag_Religion_und_Land) {
    NeuerFall(r, notizen, liste, true);
    EXPECT_EQ(r.Int(Feld::StpflGebDat), 125000);
    EXPECT_EQ(r.Int(Feld::StpflReligionLB), 1);
    EXPECT_EQ(r.Text(Feld::StpflReligionLB_Text), "r.k..");
    EXPECT_EQ(r.Int(Feld::BundeslandLb), 1);
    EXPECT_EQ(r.Text(Feld::BundeslandLb_Text), "Bayern");
}

TEST_F(NeuerFallTest, Notiztabelle_sucht_Treffer_sonst_freien_Eintrag_sonst_nichts) {
    for (int n = 1; n <= Notizblock::Eintraege; ++n) {
        EXPECT_EQ(notizen.Eintrag(n)[0], 0);
        EXPECT_EQ(notizen.Eintrag(n)[2], 1);
    }
    EXPECT_EQ(NotizSuchen(notizen, 4, 2), 1);
    for (int n = 1; n <= 15; ++n) {
        notizen.Eintrag(n)[0] = static_cast<uint8_t>(n);
        notizen.Eintrag(n)[1] = 1;
    }
    EXPECT_EQ(NotizSuchen(notizen, 7, 1), 7);
    EXPECT_EQ(NotizSuchen(notizen, 16, 1), 0);  // a 16th page finds no entry
    notizen.Eintrag(9)[0] = 0;
    notizen.Eintrag(9)[1] = 0;
    EXPECT_EQ(NotizSuchen(notizen, 16, 1), 9);
}

TEST(Listensatz, Beispielzeilen_und_Grenzen) {
    Listensatz l;
    ListeVorbereiten(l, 25);
    EXPECT_EQ(l.ZeilenText(1), "Beispiele");
    EXPECT_EQ(l.ZeilenText(11), " je Kind 432 DM");
    EXPECT_EQ(l.ZeilenText(12), "");
    // Longer than the 40 characters of a row: cut.
    EXPECT_EQ(l.ZeilenText(4), " Mietzahlung f\xFCr alte (leerstehende) Woh");
    EXPECT_EQ(l.ZeilenText(4).size(), 40u);
    EXPECT_EQ(l.ZeilenText(2), " Transportkosten f\xFCr Wohnungseinrichtung");
    EXPECT_EQ(l.bytes[27], 1);
    EXPECT_EQ(l.Summe(), 0.0);

    ListeVorbereiten(l, 29);  // private insurance: no examples
    for (int z = 1; z <= 50; ++z) EXPECT_EQ(l.ZeilenText(z), "");
    l.SetzeZeilenBetrag(50, 12.5);
    double d;
    std::memcpy(&d, l.bytes.data() + 2128 + 8 * 50, 8);
    EXPECT_EQ(d, 12.5);
    l.SetzeZeilenText(50, "x");
    EXPECT_EQ(l.bytes[36 + 41 * 50], 1);
    EXPECT_THROW(l.ZeilenText(51), std::out_of_range);
}

TEST(Listensatz, Zeilensumme_in_Cent_ueber_alle_Zeilen) {
    Listensatz l;
    l.SetzeZeilenBetrag(1, 0.1);
    l.SetzeZeilenBetrag(2, 0.2);
    EXPECT_NE(0.1 + 0.2, 0.3);  // what adding Doubles gives
    EXPECT_EQ(l.ZeilenSumme(), 0.3);
    l.SetzeZeilenBetrag(3, 100.45);
    l.SetzeZeilenBetrag(50, -0.75);  // a refund on the last row
    EXPECT_EQ(l.ZeilenSumme(), 100.0);
}
