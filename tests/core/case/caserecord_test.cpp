// Typed access to the record image: values land in the right bytes, the
// image round-trips exactly, and malformed strings are read safely.
#include <gtest/gtest.h>

#include <string>

#include "case/caserecord.h"

using namespace quarnel;

namespace {

// Fills every element of every field with a value derived from its position.
void Muster(CaseRecord& r) {
    for (std::size_t i = 0; i < Feldkatalog().size(); ++i) {
        Feld f = static_cast<Feld>(i);
        const FeldDef& d = Def(f);
        for (int e = 1; e <= d.anzahl; ++e) {
            const int k = static_cast<int>(i) * 64 + e;
            switch (d.typ) {
                case FeldTyp::Double: r.SetzeDbl(f, k + 0.25, e); break;
                case FeldTyp::Datum:
                case FeldTyp::Ganzzahl:
                case FeldTyp::Auswahl: r.SetzeInt(f, -k, e); break;
                case FeldTyp::Boolesch:
                case FeldTyp::Byte: r.SetzeBool(f, k % 2 == 1, e); break;
                case FeldTyp::Text:
                    r.SetzeText(f, std::string(d.breite, static_cast<char>('A' + k % 26)), e);
                    break;
            }
        }
    }
}

}  // namespace

TEST(CaseRecord, Bytebild_hin_und_zurueck_ist_exakt) {
    CaseRecord a;
    Muster(a);
    CaseRecord b;
    b.Bytes() = a.Bytes();
    EXPECT_EQ(a, b);
    for (std::size_t i = 0; i < Feldkatalog().size(); ++i) {
        Feld f = static_cast<Feld>(i);
        const FeldDef& d = Def(f);
        for (int e = 1; e <= d.anzahl; ++e) {
            const int k = static_cast<int>(i) * 64 + e;
            switch (d.typ) {
                case FeldTyp::Double: ASSERT_EQ(b.Dbl(f, e), k + 0.25) << d.id; break;
                case FeldTyp::Datum:
                case FeldTyp::Ganzzahl:
                case FeldTyp::Auswahl: ASSERT_EQ(b.Int(f, e), -k) << d.id; break;
                case FeldTyp::Boolesch:
                case FeldTyp::Byte: ASSERT_EQ(b.Bool(f, e), k % 2 == 1) << d.id; break;
                case FeldTyp::Text:
                    ASSERT_EQ(b.Text(f, e), std::string(d.breite, static_cast<char>('A' + k % 26)))
                        << d.id;
                    break;
            }
        }
    }
}

TEST(CaseRecord, Kleinendig_und_ungerade_Offsets) {
    CaseRecord r;
    r.SetzeInt(Feld::StpflGebDat, 0x01020304);
    const std::size_t o = CaseRecord::Offset(Feld::StpflGebDat);
    EXPECT_EQ(r.LeseByte(o), 0x04);
    EXPECT_EQ(r.LeseByte(o + 3), 0x01);
    // An 8-byte amount may start at any offset (the record is packed).
    r.SchreibeDouble(1, 1234.56);
    EXPECT_EQ(r.LeseDouble(1), 1234.56);
    r.SetzeSlot(100, 7.5);
    EXPECT_EQ(r.LeseDouble(800), 7.5);
    EXPECT_EQ(r.Slot(100), 7.5);
    EXPECT_THROW(r.LeseDouble(CaseRecord::Groesse - 7), std::out_of_range);
    EXPECT_THROW(r.Slot(CaseRecord::Groesse / 8), std::out_of_range);
}

TEST(CaseRecord, Texte_werden_gekappt_und_umkodiert) {
    CaseRecord r;
    const std::size_t o = CaseRecord::Offset(Feld::StpflPlz);  // String[5]
    r.SetzeText(Feld::StpflPlz, "1234567");
    EXPECT_EQ(r.LeseByte(o), 5);
    EXPECT_EQ(r.Text(Feld::StpflPlz), "12345");
    EXPECT_EQ(r.LeseByte(o + 6), 0);  // the next field is untouched
    r.SchreibeByte(o, 200);           // a length byte from a damaged file
    EXPECT_EQ(r.Text(Feld::StpflPlz), "12345");
    r.SetzeTextUtf8(Feld::StpflOrt, "Görlitz");
    EXPECT_EQ(r.Text(Feld::StpflOrt), "G\xF6rlitz");
    EXPECT_EQ(r.TextUtf8(Feld::StpflOrt), "Görlitz");
}

// A shorter text leaves nothing of the longer one in the bytes behind it;
// writing the same text again leaves every byte as it was.
TEST(CaseRecord, Gekuerzter_Text_hinterlaesst_keinen_Rest) {
    CaseRecord r;
    const std::size_t o = CaseRecord::Offset(Feld::StpflOrt);
    const int breite = Def(Feld::StpflOrt).breite;
    r.SetzeText(Feld::StpflOrt, "Hannover-Linden");
    r.SetzeText(Feld::StpflOrt, "Ulm");
    for (int i = 4; i <= breite; ++i) EXPECT_EQ(r.LeseByte(o + i), 0) << i;
    r.SchreibeByte(o + 4 + 1, 'x');  // a byte behind the text, as older files hold them
    r.SetzeText(Feld::StpflOrt, "Ulm");
    EXPECT_EQ(r.LeseByte(o + 5), 'x');
    r.SetzeText(Feld::StpflOrt, "");
    for (int i = 0; i <= breite; ++i) EXPECT_EQ(r.LeseByte(o + i), 0) << i;
}

TEST(CaseRecord, Falscher_Typ_oder_Element_wird_abgewiesen) {
    CaseRecord r;
    EXPECT_THROW(r.Dbl(Feld::StpflGebDat), std::invalid_argument);
    EXPECT_THROW(r.SetzeText(Feld::BruttoEr, "x"), std::invalid_argument);
    EXPECT_THROW(r.Dbl(Feld::Kind_BruttoIn, 7), std::out_of_range);
    EXPECT_NO_THROW(r.Dbl(Feld::AbEink_BruttoIn, 3));
    EXPECT_THROW(r.Dbl(Feld::AbEink_BruttoIn, 4), std::out_of_range);
}
