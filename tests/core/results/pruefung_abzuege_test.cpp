// Check rules of the special expenses, the extraordinary burdens and the
// owner-occupied home pages.
#include <gtest/gtest.h>

#include "calc/betrag.h"
#include "pruefhilfe.h"

using namespace quarnel;
using quarnel::test::Befunde;

namespace {
const Veranlagung Einzel{false, true, 0};
const Veranlagung Zusammen{true, false, 0};
}  // namespace

TEST(PruefungAbzuege, Versicherungen_Jahrgang_1957) {
    CaseRecord r = test::NeuerSatz();
    r.SetzeDbl(Feld::ZusPflegeStpfl, 120);
    r.SetzeInt(Feld::StpflGebDat, TagesNummer(1957, 12, 31));
    EXPECT_EQ(Befunde(r, Einzel, 121), (std::vector<int>{251}));
    r.SetzeInt(Feld::StpflGebDat, TagesNummer(1958, 1, 1));
    EXPECT_TRUE(Befunde(r, Einzel, 121).empty());
    r.SetzeDbl(Feld::ZusPflegeStpfl, 0);
    EXPECT_EQ(Befunde(r, Einzel, 121), (std::vector<int>{252}));
    // the spouse's contribution and birth date count only with joint assessment
    r.SetzeInt(Feld::StpflGebDat, TagesNummer(1950, 1, 1));
    r.SetzeInt(Feld::EhegGebDat, TagesNummer(1960, 1, 1));
    r.SetzeDbl(Feld::ZusPflegeEheg, 120);
    EXPECT_TRUE(Befunde(r, Einzel, 121).empty());
    EXPECT_TRUE(Befunde(r, Zusammen, 121).empty());
    r.SetzeDbl(Feld::ZusPflegeEheg, 0);
    EXPECT_EQ(Befunde(r, Zusammen, 121), (std::vector<int>{252}));
    r.SetzeBool(Feld::PrivatPKWCB, true, 2);
    EXPECT_TRUE(Befunde(r, Einzel, 121).empty());
    EXPECT_EQ(Befunde(r, Zusammen, 121), (std::vector<int>{252, 253}));
}

TEST(PruefungAbzuege, Sonderausgabenseiten) {
    CaseRecord r = test::NeuerSatz();
    r.SetzeText(Feld::ReGrund, "Kaufpreisrente");
    r.SetzeDbl(Feld::DlGezahlt, 100);
    r.SetzeText(Feld::UntName3, "Hans");
    EXPECT_EQ(Befunde(r, Einzel, 122), (std::vector<int>{261, 266, 268}));
    r.SetzeInt(Feld::ReLaeuftSeit, TagesNummer(1990, 1, 1));
    r.SetzeText(Feld::ReTodVon, "Veräußerer");
    r.SetzeInt(Feld::ReGebAm, TagesNummer(1930, 1, 1));
    r.SetzeDbl(Feld::ReGezahlt, 6000);
    r.SetzeText(Feld::DLGrund, "Altenteil");
    r.SetzeDbl(Feld::UntDM3, 12000);
    EXPECT_TRUE(Befunde(r, Einzel, 122).empty());

    EXPECT_EQ(Befunde(r, Einzel, 124), (std::vector<int>{286}));
    r.SetzeDbl(Feld::StBerDmAusListe, 0.01);
    r.SetzeText(Feld::NameHausHilfe, "Frau K.");
    r.SetzeInt(Feld::BeschVom, ErsterTagSteuerjahr);
    r.SetzeInt(Feld::BeschBis, LetzterTagSteuerjahr);
    EXPECT_EQ(Befunde(r, Einzel, 124), (std::vector<int>{281}));
    r.SetzeDbl(Feld::AufwandDm, 7000);
    EXPECT_EQ(Befunde(r, Einzel, 124), (std::vector<int>{282}));
    r.SetzeInt(Feld::RVBeitragVom, ErsterTagSteuerjahr);
    r.SetzeInt(Feld::RVBeitragBis, LetzterTagSteuerjahr);
    EXPECT_TRUE(Befunde(r, Einzel, 124).empty());

    r.SetzeText(Feld::AusEheArtAusb, "Meisterkurs");
    r.SetzeText(Feld::SGBezKi2, "Waldorfschule");
    r.SetzeDbl(Feld::KindKiFbJahr, 0.001, 2);
    EXPECT_EQ(Befunde(r, Einzel, 125), (std::vector<int>{}));
    EXPECT_EQ(Befunde(r, Zusammen, 125), (std::vector<int>{291}));
    r.SetzeDbl(Feld::KindKiFbJahr, 0.002, 2);
    EXPECT_EQ(Befunde(r, Einzel, 125), (std::vector<int>{295}));

    r.SetzeInt(Feld::EhegReligionLB, 2);  // altkatholisch
    r.SetzeDbl(Feld::StiftStockAnsatzDM, 0.01);
    EXPECT_EQ(Befunde(r, Einzel, 126), (std::vector<int>{302}));
    EXPECT_EQ(Befunde(r, Zusammen, 126), (std::vector<int>{301, 302}));
    r.SetzeDbl(Feld::KirchErg, 30);
    r.SetzeDbl(Feld::StiftStockFA, 0.01);
    EXPECT_TRUE(Befunde(r, Zusammen, 126).empty());
}

TEST(PruefungAbzuege, Aussergewoehnliche_Belastungen) {
    CaseRecord r = test::NeuerSatz();
    r.SetzeText(Feld::NameHausHilfe, "Frau K.");
    r.SetzeInt(Feld::BeschVom, ErsterTagSteuerjahr);
    r.SetzeInt(Feld::BeschBis, LetzterTagSteuerjahr);
    r.SetzeDbl(Feld::AufwandDm, 7000);
    EXPECT_EQ(Befunde(r, Einzel, 132), (std::vector<int>{283}));  // no reason ticked
    r.SetzeBool(Feld::AbKrankheitCB, true);
    r.SetzeInt(Feld::AbKrankheitVom, ErsterTagSteuerjahr);
    EXPECT_EQ(Befunde(r, Einzel, 132), (std::vector<int>{283}));
    r.SetzeInt(Feld::AbKrankheitBis, LetzterTagSteuerjahr);
    EXPECT_TRUE(Befunde(r, Einzel, 132).empty());
    r.SetzeDbl(Feld::HeimAufwendungen, 100);
    EXPECT_EQ(Befunde(r, Einzel, 132), (std::vector<int>{321}));

    r.SetzeDbl(Feld::ZahlKraefte, 2);  // helpers without names
    EXPECT_EQ(Befunde(r, Einzel, 133), (std::vector<int>{331, 332}));
    r.SetzeDbl(Feld::ZahlKraefte, 1);
    r.SetzeText(Feld::NamePers, "Vater");
    r.SetzeBool(Feld::NachweisVorgelegen, true);
    EXPECT_TRUE(Befunde(r, Einzel, 133).empty());

    r.SetzeText(Feld::LebtMitP3, "im Haushalt");  // a remark alone counts as begun
    r.SetzeDbl(Feld::AufwDM, 2400, 2);
    EXPECT_EQ(Befunde(r, Einzel, 134), (std::vector<int>{342, 343}));

    r.SetzeDbl(Feld::Erstattungen2, 50);
    EXPECT_EQ(Befunde(r, Einzel, 136), (std::vector<int>{361}));
    r.SetzeText(Feld::AbAndere_Art2, "Kur");
    EXPECT_EQ(Befunde(r, Einzel, 136), (std::vector<int>{361}));  // still no expense
    r.SetzeDbl(Feld::Aufwand2, 900);
    EXPECT_TRUE(Befunde(r, Einzel, 136).empty());
}

TEST(PruefungAbzuege, Wohneigentum_leer_und_Grundangaben) {
    CaseRecord r = test::NeuerSatz();
    for (int k = 141; k <= 145; ++k) EXPECT_TRUE(Befunde(r, Einzel, k).empty()) << k;
    r.SetzeText(Feld::Lage, "Kiel");  // 402 applies: 404 to 408 are not looked at
    EXPECT_EQ(Befunde(r, Einzel, 141), (std::vector<int>{401, 402}));
    EXPECT_EQ(Befunde(r, Einzel, 142), (std::vector<int>{400}));
    EXPECT_EQ(Befunde(r, Einzel, 144), (std::vector<int>{400}));
    r.SetzeText(Feld::Besitzer, "Stpfl.");
    r.SetzeBool(Feld::EFHCB, true);
    EXPECT_EQ(Befunde(r, Einzel, 141), (std::vector<int>{404, 407, 408}));
    EXPECT_EQ(Befunde(r, Einzel, 143), (std::vector<int>{400}));
    r.SetzeDbl(Feld::HausQm, 120);
    r.SetzeDbl(Feld::Wohnqm, 120);
    r.SetzeInt(Feld::Kaufvertrag, TagesNummer(1995, 12, 31));
    r.SetzeInt(Feld::Baubeginn, TagesNummer(1995, 6, 1));
    r.SetzeInt(Feld::SelbstNutzung, TagesNummer(1996, 6, 1));
    r.SetzeText(Feld::S1Anteil, "50 %");
    EXPECT_EQ(Befunde(r, Einzel, 141), (std::vector<int>{405, 406, 409}));
    EXPECT_TRUE(Befunde(r, Einzel, 143).empty());  // 400 only for 401, 402, 407, 408
}

TEST(PruefungAbzuege, Wohneigentum_Folgeseiten) {
    CaseRecord r = test::NeuerSatz();
    r.SetzeText(Feld::Besitzer, "Stpfl.");
    r.SetzeText(Feld::Lage, "Kiel");
    r.SetzeBool(Feld::AndHausCB, true);
    r.SetzeDbl(Feld::AndHausZahlWo, 2);
    EXPECT_EQ(Befunde(r, Einzel, 141), (std::vector<int>{403, 404, 407, 408}));
    r.SetzeDbl(Feld::Fall3DM, 10);
    EXPECT_EQ(Befunde(r, Einzel, 142), (std::vector<int>{400, 422}));
    r.SetzeDbl(Feld::Abzug3DM, 10);
    EXPECT_EQ(Befunde(r, Einzel, 142), (std::vector<int>{400}));

    r.SetzeDbl(Feld::Schuld, 3000);  // pre-costs need a date before 1996
    r.SetzeInt(Feld::Bauantrag, TagesNummer(1996, 1, 1));
    r.SetzeDbl(Feld::AbzugSum, 5000);
    r.SetzeInt(Feld::ZahlKinder, 1);
    // an application of 1996: Eigenheimzulage, no Baukindergeld (§ 34f EStG)
    EXPECT_EQ(Befunde(r, Einzel, 145), (std::vector<int>{400, 432, 433, 435, 445}));
    r.SetzeInt(Feld::Bauantrag, TagesNummer(1995, 12, 31));
    r.SetzeBool(Feld::EhZuPauschCB, true);
    r.SetzeDbl(Feld::Abzug96, 5000);
    r.SetzeDbl(Feld::AbzugVorjahr, 5000);
    // the § 10i Pauschale only under the Eigenheimzulage (439)
    EXPECT_EQ(Befunde(r, Veranlagung{false, true, 2}, 143),
              (std::vector<int>{400, 431, 434, 436, 439}));
    EXPECT_EQ(Befunde(r, Veranlagung{false, true, 1}, 143),
              (std::vector<int>{400, 431, 434, 439}));

    r.SetzeBool(Feld::ErhaltCB2, true);
    EXPECT_EQ(Befunde(r, Einzel, 144), (std::vector<int>{400, 443}));
    r.SetzeDbl(Feld::OberDM4, 700);
    EXPECT_EQ(Befunde(r, Einzel, 144), (std::vector<int>{400}));
}
