// The field catalogue as a file format: every field inside its region, no two
// fields sharing a byte, the regions tiling the record.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "case/caserecord.h"
#include "case/feldkatalog.h"

using namespace quarnel;

namespace {

const Region* RegionVon(const FeldDef& d) {
    for (const Region& r : Regionen())
        if (std::string(r.name) == d.bereich) return &r;
    return nullptr;
}

}  // namespace

TEST(Feldkatalog, Regionen_kacheln_den_ganzen_Datensatz) {
    int naechster = 0;
    for (const Region& r : Regionen()) {
        EXPECT_EQ(r.von, naechster) << r.name;
        EXPECT_LE(r.von, r.bis) << r.name;
        naechster = r.bis + 1;
    }
    EXPECT_EQ(naechster, static_cast<int>(CaseRecord::Groesse));
    EXPECT_EQ(std::string(Regionen()[1].name), "Kurzbereich");
    EXPECT_EQ(Regionen()[1].von, 348);
}

TEST(Feldkatalog, Jedes_Feld_liegt_in_seiner_Region_und_keine_zwei_ueberlappen) {
    std::vector<int> belegt(CaseRecord::Groesse, -1);
    const auto katalog = Feldkatalog();
    for (std::size_t i = 0; i < katalog.size(); ++i) {
        const FeldDef& d = katalog[i];
        const Region* region = RegionVon(d);
        ASSERT_NE(region, nullptr) << d.id << " names an unknown region " << d.bereich;
        ASSERT_GE(d.anzahl, 1) << d.id;
        if (d.anzahl > 1) {
            EXPECT_GE(d.abstand, d.Bytes()) << d.id << ": elements overlap";
        }
        for (int e = 1; e <= d.anzahl; ++e) {
            const int von = d.offset + d.abstand * (e - 1);
            const int bis = von + d.Bytes() - 1;
            ASSERT_GE(von, region->von) << d.id << " element " << e;
            ASSERT_LE(bis, region->bis) << d.id << " element " << e;
            for (int b = von; b <= bis; ++b) {
                ASSERT_EQ(belegt[b], -1) << d.id << " element " << e << " shares byte " << b
                                         << " with " << katalog[belegt[b]].id;
                belegt[b] = static_cast<int>(i);
            }
        }
    }
}

TEST(Feldkatalog, Ids_sind_eindeutig_und_Namen_fuehren_zu_allen_Seiten) {
    std::set<std::string> ids;
    for (const FeldDef& d : Feldkatalog()) {
        EXPECT_TRUE(ids.insert(d.id).second) << d.id;
        ASSERT_TRUE(FeldNachId(d.id).has_value());
        EXPECT_EQ(Def(*FeldNachId(d.id)).id, std::string(d.id));
    }
    EXPECT_FALSE(FeldNachId("GibtEsNicht").has_value());
    // One name on three pages: children, education allowance, supported persons.
    auto brutto = FelderNachName("BruttoIn");
    ASSERT_EQ(brutto.size(), 3u);
    EXPECT_EQ(Def(brutto[0]).seite, std::string("TF_Kind"));
    EXPECT_EQ(Def(brutto[2]).seite, std::string("TF_AbEink"));
    // A choice and its display text share the name.
    auto land = FelderNachName("BundeslandLb");
    ASSERT_EQ(land.size(), 2u);
    EXPECT_EQ(Def(land[0]).typ, FeldTyp::Auswahl);
    EXPECT_EQ(Def(land[1]).typ, FeldTyp::Text);
}

TEST(Feldkatalog, Stichproben_der_Lage) {
    // Typed by hand from the record layout.
    EXPECT_EQ(CaseRecord::Offset(Feld::Kurz_FamilienstandLB), 348u);
    EXPECT_EQ(CaseRecord::Offset(Feld::StpflGebDat), 1348u);
    EXPECT_EQ(CaseRecord::Offset(Feld::Vorname, 1), 2076u);
    EXPECT_EQ(CaseRecord::Offset(Feld::Vorname, 6), 1496u + 580u * 6);
    EXPECT_EQ(CaseRecord::Offset(Feld::BehindN_AufteilungProz, 8), 7144u + 44u * 8 + 24);
    EXPECT_EQ(CaseRecord::Offset(Feld::KiZumHHGehoer, 2), 1496u + 580u * 2 + 152);
    EXPECT_THROW(CaseRecord::Offset(Feld::Vorname, 7), std::out_of_range);
    EXPECT_THROW(CaseRecord::Offset(Feld::Vorname, 0), std::out_of_range);
    EXPECT_EQ(Def(Feld::StpflVorname).breite, 25);
    EXPECT_EQ(Def(Feld::I_Text).breite, 40);  // 3 padding bytes follow
    EXPECT_EQ(Def(Feld::I_Text).anzahl, 50);
}
