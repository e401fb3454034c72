// Check rules of the income pages: rental objects, trade, self-employment,
// farming, annuities and the other income.
#include <gtest/gtest.h>

#include "testpfade.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "calc/betrag.h"
#include "calc/fall.h"
#include "case/zeichensatz.h"
#include "pruefhilfe.h"

using namespace quarnel;
using quarnel::test::Befunde;

namespace {
const Veranlagung Einzel{false, true, 0};
const Veranlagung Zusammen{true, false, 0};
}  // namespace

TEST(PruefungEinkuenfte, Vermietungsobjekt) {
    CaseRecord r = test::NeuerSatz();
    r.SetzeDbl(Feld::ObjEinnahmenSumme, 12000, 3);
    EXPECT_EQ(Befunde(r, Einzel, 73), (std::vector<int>{161, 163}));
    EXPECT_TRUE(Befunde(r, Einzel, 71).empty());
    r.SetzeText(Feld::Objekt, "Kiel, Weg 2", 3);
    r.SetzeInt(Feld::AnschaffDat, TagesNummer(1990, 1, 1), 3);
    r.SetzeInt(Feld::FertigDat, TagesNummer(1960, 1, 1), 3);
    r.SetzeDbl(Feld::ObjWerbKostSumme, 3000, 3);
    EXPECT_TRUE(Befunde(r, Einzel, 73).empty());
    r.SetzeDbl(Feld::ObjEinnahmenSumme, 0, 3);
    r.SetzeDbl(Feld::MieteQm4, 80, 3);
    EXPECT_EQ(Befunde(r, Einzel, 73), (std::vector<int>{162, 164}));
    r.SetzeDbl(Feld::MieteDM4, 9600, 3);
    r.SetzeDbl(Feld::MieteZahl4, 1, 3);
    EXPECT_EQ(Befunde(r, Einzel, 73), (std::vector<int>{162}));
}

TEST(PruefungEinkuenfte, Gewerbebetrieb_Zeilen_Messbetrag_Halbeinkuenfte) {
    CaseRecord r = test::NeuerSatz();
    r.SetzeText(Feld::ArtGew1, "Kiosk");
    EXPECT_EQ(Befunde(r, Einzel, 81), (std::vector<int>{171}));
    EXPECT_EQ(Befunde(r, Zusammen, 81), (std::vector<int>{171, 172}));
    r.SetzeDbl(Feld::GewEr1, 1000);  // code 4: complete for the taxpayer
    EXPECT_EQ(Befunde(r, Einzel, 81), (std::vector<int>{173}));
    EXPECT_EQ(Befunde(r, Zusammen, 81), (std::vector<int>{173}));
    r.SetzeDbl(Feld::GewStMessbEr, 50);
    r.SetzeDbl(Feld::GSE1_EinkHalbTeilEr, 1000.005);
    EXPECT_TRUE(Befunde(r, Einzel, 81).empty());
    r.SetzeDbl(Feld::GSE1_EinkHalbTeilEr, 1000.02);
    EXPECT_EQ(Befunde(r, Einzel, 81), (std::vector<int>{177}));
    r.SetzeDbl(Feld::GSE1_EinkHalbTeilEr, 0);
    r.SetzeDbl(Feld::GewEr1, -500);  // a loss: the half-income part may not be below it
    r.SetzeDbl(Feld::GSE1_EinkHalbTeilEr, -500.01);
    EXPECT_EQ(Befunde(r, Einzel, 81), (std::vector<int>{175, 177}));

    // the spouse: an amount without description is code 5 (joint) or 0 (single)
    r = test::NeuerSatz();
    r.SetzeDbl(Feld::GewSie2, 0.02);
    EXPECT_TRUE(Befunde(r, Einzel, 81).empty());
    EXPECT_EQ(Befunde(r, Zusammen, 81), (std::vector<int>{172, 174}));
    r.SetzeDbl(Feld::OrganschaftDMSie, 0.02);  // an Organschaft amount is no profit here
    r.SetzeText(Feld::ArtWeitere1, "Laden");
    r.SetzeText(Feld::Organschaft, "Organ GmbH");
    r.SetzeDbl(Feld::GewStMessbSie, 10);
    EXPECT_TRUE(Befunde(r, Zusammen, 81).empty());
}

TEST(PruefungEinkuenfte, Selbstaendige_Arbeit) {
    CaseRecord r = test::NeuerSatz();
    r.SetzeText(Feld::AusBetArt2, "Gutachten");  // a description without amount
    EXPECT_EQ(Befunde(r, Einzel, 91), (std::vector<int>{191}));
    EXPECT_EQ(Befunde(r, Zusammen, 91), (std::vector<int>{191, 192}));
    r.SetzeDbl(Feld::AusBetGewinnEr, 5000);
    r.SetzeDbl(Feld::AusBetGewinnSie, 5000);  // code 9 with joint, 4 with single
    EXPECT_TRUE(Befunde(r, Einzel, 91).empty());
    EXPECT_TRUE(Befunde(r, Zusammen, 91).empty());
    r.SetzeDbl(Feld::Gewinn2bDMSie, 1);  // code 5: only counts with joint assessment
    EXPECT_TRUE(Befunde(r, Einzel, 91).empty());
    EXPECT_EQ(Befunde(r, Zusammen, 91), (std::vector<int>{191, 192}));

    r = test::NeuerSatz();
    r.SetzeDbl(Feld::GSE2_EinkHalbTeilEr, 0.02);
    EXPECT_EQ(Befunde(r, Einzel, 91), (std::vector<int>{203}));
    r.SetzeDbl(Feld::StFAufEntFreiB, 2000, 2);
    r.SetzeDbl(Feld::AufEntStFrei, 1600);
    EXPECT_EQ(Befunde(r, Einzel, 91), (std::vector<int>{203, 197}));
    r.SetzeDbl(Feld::AufEntStFrei, 1600.01);
    EXPECT_EQ(Befunde(r, Einzel, 91), (std::vector<int>{203, 201, 197}));
    r.SetzeDbl(Feld::AufEntStFrei, 3600.01);
    r.SetzeText(Feld::AufEntArt, "Chorleiter");
    r.SetzeDbl(Feld::AufEntDM, 4000);
    EXPECT_EQ(Befunde(r, Einzel, 91), (std::vector<int>{203, 201, 198}));
}

TEST(PruefungEinkuenfte, Land_und_Forst_Freibetrag) {
    CaseRecord r = test::NeuerSatz();
    r.SetzeDbl(Feld::LfdGewEr, 55000);  // 2000 - 5000 * 0.2 = 1000
    r.SetzeDbl(Feld::SteuerAbzugEr, 1000);
    EXPECT_TRUE(Befunde(r, Einzel, 101).empty());
    r.SetzeDbl(Feld::SteuerAbzugEr, 1000.5);
    EXPECT_EQ(Befunde(r, Einzel, 101), (std::vector<int>{211}));
    r.SetzeDbl(Feld::LfdGewEr, 49999);
    EXPECT_TRUE(Befunde(r, Einzel, 101).empty());
    r.SetzeDbl(Feld::LfdGewSie, 70000);  // the allowance is gone entirely
    r.SetzeDbl(Feld::SteuerAbzugSie, 0.01);
    EXPECT_TRUE(Befunde(r, Einzel, 101).empty());
    EXPECT_EQ(Befunde(r, Zusammen, 101), (std::vector<int>{212}));
}

TEST(PruefungEinkuenfte, Sonstige_Einkuenfte) {
    CaseRecord r = test::NeuerSatz();
    r.SetzeDbl(Feld::WerbKoste2, 50);  // only costs: counts as one entry
    r.SetzeDbl(Feld::Zahlung4, 1200);
    EXPECT_EQ(Befunde(r, Einzel, 111), (std::vector<int>{222}));
    EXPECT_EQ(Befunde(r, Zusammen, 111), (std::vector<int>{222, 224}));
    r.SetzeInt(Feld::Rente_Art2, 1);
    r.SetzeInt(Feld::LaeuftSeit2, TagesNummer(1995, 1, 1));
    r.SetzeText(Feld::EndeMitTodVon2, "Stpfl.");
    r.SetzeDbl(Feld::Zahlung2, 12000);
    EXPECT_TRUE(Befunde(r, Einzel, 111).empty());

    r.SetzeText(Feld::WBEinAus, "Rente Versorgungswerk");
    r.SetzeDbl(Feld::WbWerbkStp, 0.01);
    r.SetzeDbl(Feld::LeistEinSie, 300);
    r.SetzeDbl(Feld::LeistWKSie, 300.01);
    EXPECT_EQ(Befunde(r, Einzel, 112), (std::vector<int>{231, 233}));
    EXPECT_EQ(Befunde(r, Zusammen, 112), (std::vector<int>{231, 233, 232, 246, 238}));

    r.SetzeDbl(Feld::AbgEinVbezEr, 1);
    r.SetzeDbl(Feld::AbgMjVbSie, 1);
    EXPECT_EQ(Befunde(r, Einzel, 113), (std::vector<int>{239}));
    EXPECT_EQ(Befunde(r, Zusammen, 113), (std::vector<int>{239, 242}));

    r.SetzeText(Feld::VWigu_Bez, "Gemälde");
    r.SetzeInt(Feld::VWigu_KaufDat, TagesNummer(2001, 1, 5));
    r.SetzeDbl(Feld::VWigu_Eink2, 800);
    r.SetzeDbl(Feld::AnteileWertDavonHT1, 100.01);
    r.SetzeDbl(Feld::AnteileWert1, 100);
    EXPECT_EQ(Befunde(r, Einzel, 114), (std::vector<int>{}));
    EXPECT_EQ(Befunde(r, Zusammen, 114), (std::vector<int>{514}));
    r.SetzeDbl(Feld::AnteileWertDavonHT1, 100.02);
    r.SetzeInt(Feld::VWigu_VerkaufDat, TagesNummer(2001, 9, 5));
    EXPECT_EQ(Befunde(r, Zusammen, 114), (std::vector<int>{517}));
}

// Half the average rate dearer than the Fünftelregelung: the whole case of
// tests/cases/erklaerung, and the same sale at a rate above the floor.
TEST(PruefungEinkuenfte, Halber_Satz_teurer_als_Fuenftelregelung) {
    std::ifstream in(std::string(QUARNEL_TEST_CASES_DIR) +
                         "/erklaerung/26_halber_satz_teurer_als_fuenftelregelung.fall",
                     std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    Fall fall;
    FallFehler fehler;
    ASSERT_TRUE(FallLesen(text.str(), fall, fehler)) << fehler.zeile << ": " << fehler.text;
    const Befundtabelle t = RegelnPruefen(*fall.satz, Einzel);
    const auto positionen = t.Positionen(81);
    const auto stelle = std::find(positionen.begin(), positionen.end(), 179);
    ASSERT_NE(stelle, positionen.end());
    const std::string zusatz =
        Cp1252ZuUtf8(t.Zusatz(81, std::size_t(stelle - positionen.begin())));
    EXPECT_NE(zusatz.find("(§ 34 Abs. 3 EStG): 7.960,00 DM"), std::string::npos) << zusatz;
    EXPECT_NE(zusatz.find("(§ 34 Abs. 1 EStG): 4.130,00 DM"), std::string::npos) << zusatz;

    // a large gain on a high income: the half rate is the cheaper, no hint
    CaseRecord r = *fall.satz;
    r.SetzeDbl(Feld::GewEr1, 400000);
    r.SetzeDbl(Feld::GSE1_VG55LjErmEr, 600000);
    const std::vector<int> befunde = Befunde(r, Einzel, 81);
    EXPECT_EQ(std::count(befunde.begin(), befunde.end(), 179), 0);
}
