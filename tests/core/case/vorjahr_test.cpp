#include "case/vorjahr.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "calc/betrag.h"
#include "case/bereiche.h"
#include "case/zeichensatz.h"
#include "testpfade.h"

using namespace quarnel;

namespace {

// An old record whose bytes are unlike anything a new case holds.
void SchreibeDatum(std::vector<uint8_t>& alt, std::size_t off, int32_t d) {
    for (int i = 0; i < 4; ++i) alt[off + i] = static_cast<uint8_t>(uint32_t(d) >> (8 * i));
}

// An old record whose bytes are unlike anything a new case holds, with real
// dates where dates belong.
std::vector<uint8_t> AlterSatz() {
    std::vector<uint8_t> alt(VorjahrSatzGroesse);
    for (std::size_t i = 0; i < alt.size(); ++i) alt[i] = static_cast<uint8_t>(0x5A + 13 * i);
    alt[1236] = 0;
    for (const auto& z : VorjahrTabelle())
        if (z.art == VorjahrArt::Datum)
            for (int i = 0; i < z.bytes; i += 4) SchreibeDatum(alt, z.alt + i, 146000 + z.alt + i);
    return alt;
}

const VorjahrZeile* ZeileBei(int32_t neu) {
    for (const auto& z : VorjahrTabelle())
        if (z.neu == neu) return &z;
    return nullptr;
}

// Old offset of a new-record offset inside a table row.
std::size_t AltOffset(std::size_t neu) {
    for (const auto& z : VorjahrTabelle())
        if (neu >= std::size_t(z.neu) && neu < std::size_t(z.neu) + z.bytes)
            return z.alt + (neu - z.neu);
    ADD_FAILURE() << "no row covers " << neu;
    return 0;
}

CaseRecord Umgewandelt(const std::vector<uint8_t>& alt, const VorjahrAuswahl& a) {
    CaseRecord r;
    VorjahrUebernehmen(alt.data(), r, a);
    return r;
}

}  // namespace

TEST(Vorjahr, Tabelle_passt_in_beide_Saetze_und_in_je_einen_Bereich) {
    auto tab = VorjahrTabelle();
    ASSERT_EQ(tab.size(), 676u);  // 662 runs, ten of them cut into 24 pieces
    int32_t ende_neu = 0;
    std::set<int> alt_belegt;
    for (const auto& z : tab) {
        SCOPED_TRACE(z.neu);
        EXPECT_GE(z.neu, ende_neu) << "rows overlap or are out of order";
        ende_neu = z.neu + z.bytes;
        EXPECT_LE(std::size_t(z.neu) + z.bytes, CaseRecord::Groesse);
        EXPECT_LE(std::size_t(z.alt) + z.bytes, VorjahrSatzGroesse);
        for (int b = z.alt; b < z.alt + z.bytes; ++b) EXPECT_TRUE(alt_belegt.insert(b).second);
        if (z.art == VorjahrArt::Text) {
            EXPECT_GE(z.bytes, 2);
        } else if (z.art == VorjahrArt::Datum) {
            EXPECT_EQ(z.bytes % 4, 0);
        }
        EXPECT_TRUE(z.punkt == VorjahrImmer || z.punkt == VorjahrP46oder48 ||
                    VorjahrHakenIndex(z.punkt) >= 0);
        for (const Region& reg : Regionen()) {
            bool drin_anfang = z.neu >= reg.von && z.neu <= reg.bis;
            bool drin_ende = z.neu + z.bytes - 1 >= reg.von && z.neu + z.bytes - 1 <= reg.bis;
            EXPECT_EQ(drin_anfang, drin_ende) << "row crosses into region " << reg.name;
        }
    }
}

TEST(Vorjahr, Tabelle_Stichproben) {
    struct Soll {
        int32_t neu, alt;
        int bytes;
        VorjahrArt art;
        int punkt;
    } soll[] = {
        {0, 0, 11, VorjahrArt::Text, VorjahrImmer},
        {348, 300, 8, VorjahrArt::Kopie, 57},
        {1188, 1072, 26, VorjahrArt::Text, 4},
        {1384, 1268, 8, VorjahrArt::Datum, 4},
        {2064, 1860, 3, VorjahrArt::Kopie, 4},
        {7040, 6760, 148, VorjahrArt::Kopie, 5},
        {7188, 6908, 5, VorjahrArt::Kopie, 6},
        {28804, 22712, 224, VorjahrArt::Kopie, 14},
        {37668, 31488, 61, VorjahrArt::Text, 26},
        {39456, 33068, 8, VorjahrArt::Kopie, 39},
        {40800, 34404, 71, VorjahrArt::Kopie, VorjahrP46oder48},
        {42416, 36020, 8, VorjahrArt::Datum, 51},
        {43392, 36996, 65, VorjahrArt::Kopie, 24},
    };
    for (const auto& s : soll) {
        const VorjahrZeile* z = ZeileBei(s.neu);
        ASSERT_NE(z, nullptr) << s.neu;
        EXPECT_EQ(z->alt, s.alt) << s.neu;
        EXPECT_EQ(z->bytes, s.bytes) << s.neu;
        EXPECT_EQ(z->art, s.art) << s.neu;
        EXPECT_EQ(z->punkt, s.punkt) << s.neu;
    }
}

TEST(Vorjahr, Auswahl_Vorschlag_Alle_Keine) {
    int ankreuzbar = 0;
    for (int p = 0; p < VorjahrPunkte; ++p) ankreuzbar += VorjahrHakenIndex(p) >= 0;
    EXPECT_EQ(ankreuzbar, VorjahrAnkreuzbar);
    EXPECT_EQ(VorjahrHakenIndex(57), VorjahrAnkreuzbar - 1);
    EXPECT_TRUE(VorjahrPunktDef(43).ueberschrift);
    EXPECT_STREQ(VorjahrPunktDef(43).text, "Bereich: Selbstgenutzes Wohneigentum");
    EXPECT_EQ(VorjahrPunktAnzeige(43), "Bereich: Selbstgenutzes Wohneigentum");
    EXPECT_EQ(VorjahrPunktAnzeige(57), "       Kurzeingabe");

    VorjahrAuswahl a;
    VorjahrSetzen(a, 3, true);  // a heading: ignored
    EXPECT_EQ(a, VorjahrAuswahl{});
    VorjahrSetzen(a, 20, true);
    VorjahrVorschlag(a);
    for (int p = 0; p < VorjahrPunkte; ++p) EXPECT_EQ(VorjahrGewaehlt(a, p), p >= 4 && p <= 7);
    VorjahrAlle(a);
    for (int p = 0; p < VorjahrPunkte; ++p)
        EXPECT_EQ(VorjahrGewaehlt(a, p), !VorjahrPunktDef(p).ueberschrift);
    VorjahrKeine(a);
    EXPECT_EQ(a, VorjahrAuswahl{});
}

TEST(Vorjahr, Ein_Jahr_spaeter) {
    EXPECT_EQ(EinJahrSpaeter(TagesNummer(2000, 1, 1)), ErsterTagSteuerjahr);
    EXPECT_EQ(EinJahrSpaeter(TagesNummer(2000, 12, 31)), LetzterTagSteuerjahr);
    EXPECT_EQ(EinJahrSpaeter(TagesNummer(2000, 2, 29)), TagesNummer(2001, 2, 28));
    EXPECT_EQ(EinJahrSpaeter(TagesNummer(2003, 2, 28)), TagesNummer(2004, 2, 28));
    EXPECT_EQ(EinJahrSpaeter(KeinDatum), KeinDatum);
    EXPECT_EQ(EinJahrSpaeter(-12345), KeinDatum);
    EXPECT_EQ(EinJahrSpaeter(2147483647), KeinDatum);
}

TEST(Vorjahr, Nichts_angekreuzt_ist_neuer_Fall_mit_Kopfdaten) {
    auto alt = AlterSatz();
    alt[11] = 4;  // password "abcd"
    alt[12] = 'a', alt[13] = 'b', alt[14] = 'c', alt[15] = 'd';
    alt[22] = 1;
    for (std::size_t i = 28; i < 300; ++i) alt[i] = 0;
    alt[12 + 16 * 4 + 2] = 1 << SM_Notiz;  // a note on area 4, page 2
    alt[12 + 16 * 9 + 0] = 1 << SM_Bearbeitet;

    CaseRecord r = Umgewandelt(alt, VorjahrAuswahl{});
    CaseRecord soll;
    NeuerFallDatensatz(soll);
    for (std::size_t i = 9; i <= 22; ++i) soll.SchreibeByte(i, alt[i]);
    for (std::size_t i = 16; i <= 21; ++i) soll.SchreibeByte(i, 0);  // behind the password
    SeitenmerkerSetzen(soll, SM_Notiz, 4, 2);
    SeitenmerkerSetzen(soll, SM_Aktiv, 16, 0);
    SeitenmerkerSetzen(soll, SM_Aktiv, 16, 1);
    EXPECT_EQ(r, soll);
    EXPECT_EQ(r.LeseText(0, 8), "S00VER10");
    EXPECT_EQ(r.LeseText(11, 10), "abcd");

    alt[1236] = 1;  // joint assessment last year
    r = Umgewandelt(alt, VorjahrAuswahl{});
    EXPECT_TRUE(SeitenmerkerTest(r, SM_Aktiv, 3, 3));
    EXPECT_TRUE(SeitenmerkerTest(r, SM_Aktiv, 3, 4));
    EXPECT_TRUE(SeitenmerkerTest(r, SM_Aktiv, 5, 0));
}

TEST(Vorjahr, Alles_angekreuzt_laesst_Ungenanntes_wie_im_neuen_Fall) {
    auto alt = AlterSatz();
    VorjahrAuswahl alle;
    VorjahrAlle(alle);
    CaseRecord r = Umgewandelt(alt, alle);
    CaseRecord neu;
    NeuerFallDatensatz(neu);
    std::vector<bool> genannt(CaseRecord::Groesse, false);
    for (const auto& z : VorjahrTabelle())
        for (int b = z.neu; b < z.neu + z.bytes; ++b) genannt[b] = true;
    for (std::size_t b = 0; b < CaseRecord::Groesse; ++b)
        if (!genannt[b]) {
            EXPECT_EQ(r.LeseByte(b), neu.LeseByte(b)) << "byte " << b;
        }

    // Texts are cut to their fields, whatever the old length byte says.
    for (const auto& z : VorjahrTabelle())
        if (z.art == VorjahrArt::Text) {
            EXPECT_LE(r.LeseByte(z.neu), z.bytes - 1) << z.neu;
        }
}

TEST(Vorjahr, Jeder_Punkt_aendert_nur_seine_Zeilen) {
    const auto alt = AlterSatz();
    const CaseRecord leer = Umgewandelt(alt, VorjahrAuswahl{});
    for (int p = 3; p < VorjahrPunkte; ++p) {
        if (VorjahrHakenIndex(p) < 0) continue;
        SCOPED_TRACE(p);
        VorjahrAuswahl a;
        VorjahrSetzen(a, p, true);
        const CaseRecord r = Umgewandelt(alt, a);
        std::vector<bool> eigen(CaseRecord::Groesse, false);
        for (const auto& z : VorjahrTabelle()) {
            if (!VorjahrZeileGilt(z, a) || z.punkt == VorjahrImmer) continue;
            bool geaendert = false;
            for (int b = z.neu; b < z.neu + z.bytes; ++b) {
                eigen[b] = true;
                geaendert = geaendert || r.LeseByte(b) != leer.LeseByte(b);
            }
            EXPECT_TRUE(geaendert) << "row " << z.neu << " takes nothing over";
        }
        for (std::size_t b = 0; b < CaseRecord::Groesse; ++b)
            if (!eigen[b]) {
                ASSERT_EQ(r.LeseByte(b), leer.LeseByte(b)) << "byte " << b;
            }
    }
}

TEST(Vorjahr, Seitenmerker_und_Interview_nur_fuer_vorhandene_Seiten) {
    auto alt = AlterSatz();
    alt[24] = 1;
    for (int a = 1; a <= AnzahlBereiche; ++a)
        for (int p = 0; p < 16; ++p) alt[12 + 16 * a + p] = 0xFE;  // every bit but "exists"
    VorjahrAuswahl a;
    VorjahrSetzen(a, 1, true);
    CaseRecord r = Umgewandelt(alt, a);
    CaseRecord neu;
    NeuerFallDatensatz(neu);
    EXPECT_EQ(r.Bool(Feld::InterviewErledigt), true);
    for (int b = 1; b <= AnzahlBereiche; ++b) {
        for (int p = 0; p < 16; ++p) {
            SCOPED_TRACE(b * 100 + p);
            const uint8_t m = r.LeseByte(SeitenmerkerOffset(b, p));
            if (SeitenmerkerTest(neu, SM_Vorhanden, b, p)) {
                EXPECT_EQ(m, 0x3F);
            } else {
                EXPECT_EQ(m, 1 << SM_Notiz | (b == 16 && p <= 1 ? 1 << SM_Aktiv : 0));
            }
        }
    }
}

TEST(Vorjahr, Datumsfelder_ruecken_ein_Jahr_vor) {
    auto alt = AlterSatz();
    const auto von = CaseRecord::Offset(Feld::StpflReligionVon);
    const auto bis = CaseRecord::Offset(Feld::StpflReligionBis);
    SchreibeDatum(alt, AltOffset(von), TagesNummer(2000, 1, 1));
    SchreibeDatum(alt, AltOffset(bis), TagesNummer(2000, 12, 31));
    const VorjahrZeile* heim = ZeileBei(42416);  // care home from .. to
    ASSERT_NE(heim, nullptr);
    SchreibeDatum(alt, heim->alt, TagesNummer(2000, 2, 29));
    SchreibeDatum(alt, heim->alt + 4, KeinDatum);
    VorjahrAuswahl a;
    VorjahrSetzen(a, 4, true);
    VorjahrSetzen(a, 51, true);
    CaseRecord r = Umgewandelt(alt, a);
    EXPECT_EQ(r.Int(Feld::StpflReligionVon), ErsterTagSteuerjahr);
    EXPECT_EQ(r.Int(Feld::StpflReligionBis), LetzterTagSteuerjahr);
    EXPECT_EQ(r.LeseInt32(42416), TagesNummer(2001, 2, 28));
    EXPECT_EQ(r.LeseInt32(42420), KeinDatum);
}

TEST(Vorjahr, Kurze_Eingabe_wird_mit_Nullen_aufgefuellt) {
    std::vector<uint8_t> kurz = {0xFF, 'S', '0', '0', 'V', 'E', 'R', '1', '0', 0, 0, 99};
    VorjahrAuswahl alle;
    VorjahrAlle(alle);
    CaseRecord r;
    VorjahrUebernehmen(std::span<const uint8_t>(kurz), r, alle);
    std::vector<uint8_t> lang(VorjahrSatzGroesse, 0);
    std::copy(kurz.begin(), kurz.end(), lang.begin());
    EXPECT_EQ(r, Umgewandelt(lang, alle));
    EXPECT_EQ(r.LeseText(11, 10).size(), 10u);  // length 99 cut to the field
}

// The explanation the transfer dialog shows: Windows-1252 with CRLF like the
// other installation texts, and it names every entry that takes over nothing.
TEST(Vorjahr, Mitgelieferte_Erklaerung_nennt_die_Punkte_ohne_Daten) {
    std::ifstream f(std::string(QUARNEL_DATA_DIR) + "/form/vorj999.vor", std::ios::binary);
    ASSERT_TRUE(f);
    const std::string text{std::istreambuf_iterator<char>(f), {}};
    EXPECT_EQ(Utf8ZuCp1252(Cp1252ZuUtf8(text)), text);
    EXPECT_NE(text.find("\xDC" "bernahme der Vorjahresdaten"), std::string::npos);  // Ü
    EXPECT_EQ(text.find("\xC3"), std::string::npos) << "UTF-8 instead of Windows-1252";
    EXPECT_EQ(text.find("\n"), text.find("\r\n") + 1);

    std::set<int> mitDaten;
    for (const VorjahrZeile& z : VorjahrTabelle()) mitDaten.insert(z.punkt);
    if (mitDaten.count(VorjahrP46oder48)) mitDaten.insert({46, 48});
    mitDaten.insert(2);  // carries the edited marks of the pages, not table rows
    std::vector<int> ohne;
    for (int p = 0; p < VorjahrPunkte; ++p)
        if (!VorjahrPunktDef(p).ueberschrift && !mitDaten.count(p)) ohne.push_back(p);
    EXPECT_EQ(ohne, (std::vector<int>{11, 20}));
    for (int p : ohne) {
        std::string name = VorjahrPunktDef(p).text;
        name.erase(0, name.find_first_not_of(' '));
        EXPECT_NE(text.find("\"" + Utf8ZuCp1252(name) + "\""), std::string::npos) << name;
    }
}
