// The note table: store and free at the 15-entry limit and at the byte
// limit, with umlauts and line breaks.
#include "shell/notiz.h"

#include <gtest/gtest.h>

#include <cstring>

namespace quarnel {
namespace {

struct NotizFixture : ::testing::Test {
    CaseRecord r;
    Notizblock n;
    Listensatz l;
    void SetUp() override { NeuerFall(r, n, l); }
    std::string Roh(int e) {
        const char* t = reinterpret_cast<const char*>(n.Eintrag(e) + 3);
        return std::string(t, strnlen(t, 1501));
    }
};

TEST_F(NotizFixture, SpeichernLesenFreigeben) {
    // Opening claims nothing: a cancelled window leaves the table as it was.
    const Notizblock vorher = n;
    NotizOeffnung o = NotizOeffnen(n, 4, 2);
    EXPECT_EQ(o.eintrag, 1);
    EXPECT_EQ(o.text, "");
    EXPECT_EQ(n, vorher);

    EXPECT_EQ(NotizSpeichern(r, n, 4, 2, "Grüße\nzweite Zeile"), NotizErgebnis::Gespeichert);
    EXPECT_EQ(Roh(1), "Gr\xFC\xDF" "e\r\nzweite Zeile");  // Windows-1252, CR LF
    EXPECT_EQ(n.Eintrag(1)[0], 4);
    EXPECT_EQ(n.Eintrag(1)[1], 2);
    EXPECT_TRUE(SeitenmerkerTest(r, SM_Notiz, 4, 2));
    EXPECT_EQ(NotizOeffnen(n, 4, 2).text, "Grüße\nzweite Zeile");
    // Another page takes the next free entry; its own entry is found again.
    EXPECT_EQ(NotizOeffnen(n, 7, 1).eintrag, 2);
    NotizSpeichern(r, n, 7, 1, "x");
    NotizSpeichern(r, n, 4, 2, "kürzer");
    EXPECT_EQ(Roh(1), "k\xFCrzer");  // the longer old text leaves nothing behind
    EXPECT_EQ(n.Eintrag(1)[10], 0);

    // Emptied: the entry is free again and the mark is gone.
    EXPECT_EQ(NotizSpeichern(r, n, 4, 2, ""), NotizErgebnis::Freigegeben);
    EXPECT_FALSE(SeitenmerkerTest(r, SM_Notiz, 4, 2));
    EXPECT_EQ(n.Eintrag(1)[0], 0);
    EXPECT_EQ(n.Eintrag(1)[2], 1);
    EXPECT_EQ(NotizOeffnen(n, 12, 3).eintrag, 1);
    // Emptying a page without a note touches no other entry.
    NotizSpeichern(r, n, 12, 3, "");
    EXPECT_EQ(NotizLesen(n, 2), "x");
}

TEST_F(NotizFixture, FuenfzehnSeitenUndNichtMehr) {
    for (int i = 0; i < 15; ++i)
        ASSERT_EQ(NotizSpeichern(r, n, 1 + i / 8, 1 + i % 8, "Notiz"), NotizErgebnis::Gespeichert);
    const Notizblock voll = n;
    EXPECT_EQ(NotizOeffnen(n, 16, 1).eintrag, 0);
    EXPECT_EQ(NotizSpeichern(r, n, 16, 1, "eine zu viel"), NotizErgebnis::KeinPlatz);
    EXPECT_FALSE(SeitenmerkerTest(r, SM_Notiz, 16, 1));
    EXPECT_EQ(n, voll);
    // A page that has its note still reaches it; a freed entry serves the 16th.
    EXPECT_EQ(NotizOeffnen(n, 2, 7).eintrag, 15);
    NotizSpeichern(r, n, 1, 3, "");
    EXPECT_EQ(NotizSpeichern(r, n, 16, 1, "jetzt"), NotizErgebnis::Gespeichert);
    EXPECT_EQ(n.Eintrag(3)[0], 16);
}

TEST_F(NotizFixture, GrenzeInGespeichertenBytes) {
    // 1,495 one-byte characters fit exactly; umlauts are one byte each.
    const std::string genau = std::string(1490, 'a') + "äöüßé";
    EXPECT_EQ(NotizBytes(genau), 1495u);
    EXPECT_EQ(NotizKuerzen(genau), genau);
    EXPECT_EQ(NotizKuerzen(genau + "x"), genau);
    // A line break takes two bytes: it does not fit in the last byte.
    const std::string fast = std::string(1494, 'a');
    EXPECT_EQ(NotizKuerzen(fast + "\nb"), fast);
    EXPECT_EQ(NotizBytes(std::string(700, '\n')), 1400u);
    EXPECT_EQ(NotizBytes("€\r\n"), 3u);
    // Characters Windows-1252 lacks are one '?' each.
    EXPECT_EQ(NotizBytes("\xF0\x9F\x98\x80"), 1u);

    // Stored, nothing runs past the entry: a zero follows the text.
    NotizSpeichern(r, n, 3, 1, std::string(2000, '\n'));
    EXPECT_EQ(Roh(1).size(), 1494u);  // 747 whole CR LF pairs
    NotizSpeichern(r, n, 3, 2, std::string(3000, '\xC3'));  // broken UTF-8
    EXPECT_LE(Roh(2).size(), 1495u);
    EXPECT_EQ(n.Eintrag(2)[3 + 1495], 0);
    NotizSpeichern(r, n, 3, 3, std::string(1400, 'x') + std::string(100, '\xFF'));
    EXPECT_LE(Roh(3).size(), 1495u);
    EXPECT_EQ(n.Eintrag(4)[0], 0);  // the neighbour is untouched
}

TEST_F(NotizFixture, BeschaedigterEintragWirdBegrenztGelesen) {
    std::memset(n.Eintrag(1) + 3, 'z', 1501);  // no terminating zero
    n.Eintrag(1)[0] = 5;
    n.Eintrag(1)[1] = 1;
    EXPECT_EQ(NotizLesen(n, 1).size(), 1501u);
    EXPECT_EQ(NotizLesen(n, 0), "");
    EXPECT_EQ(NotizLesen(n, 16), "");
}

TEST(NotizTexte, ZaehlerUndTitel) {
    EXPECT_EQ(NotizBelegtText(std::string(150, 'a')), "Belegt:  10%");
    EXPECT_EQ(NotizBelegtText(std::string(1500, 'a')), "Belegt: 100%");
    EXPECT_EQ(NotizZeilenText(3), "Zeilen:   3 von 200");
    EXPECT_EQ(NotizTitel(7), " 7. Notiz ");
    EXPECT_EQ(NotizTitel(15), "15. Notiz ");
}

}  // namespace
}  // namespace quarnel
