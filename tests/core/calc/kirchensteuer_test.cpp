// Solidarity surcharge, church tax, premiums and balances.
#include <gtest/gtest.h>

#include "calc/berechnung.h"
#include "rechnen_hilfe.h"

using namespace quarnel;
using namespace quarnel::test;

TEST(Soli, Nullzone_und_Uebergang) {
    CalcInput e = Einzeln();
    CalcResult r = MitParametern(e);
    r.SoliBasisESt = 1836;
    EXPECT_EQ(Solidaritaetszuschlag(e, r), 0);
    r.SoliBasisESt = 2000;  // min(110, 164 * 20 %)
    EXPECT_DOUBLE_EQ(Solidaritaetszuschlag(e, r), 32.80);
    r.SoliBasisESt = 10000;
    EXPECT_DOUBLE_EQ(Solidaritaetszuschlag(e, r), 550);
    r.SoliBasisESt = 2345;  // 5.5 % = 128.975; 20 % of 509 = 101.8
    EXPECT_DOUBLE_EQ(Solidaritaetszuschlag(e, r), 101.80);
    r.SoliBasisESt = 4489;  // 246.895: fractions of a Pfennig are dropped (§4 SolZG)
    EXPECT_DOUBLE_EQ(Solidaritaetszuschlag(e, r), 246.89);
    r.SoliBasisESt = 2535;  // 139.425, not 139.43
    EXPECT_DOUBLE_EQ(Solidaritaetszuschlag(e, r), 139.42);
    r.SoliBasisESt = 2000.33;  // transition: 20 % of 164.33 = 32.866
    EXPECT_DOUBLE_EQ(Solidaritaetszuschlag(e, r), 32.86);
    // corporation tax credited and refunded reduce the base
    e.KStAnrechIn = 5200;
    r.SoliBasisESt = 7000;
    EXPECT_EQ(Solidaritaetszuschlag(e, r), 0);
    // splitting doubles the zero zone
    e = Zusammen();
    r.SoliBasisESt = 3672;
    EXPECT_EQ(Solidaritaetszuschlag(e, r), 0);
}

namespace {

CalcResult Kirche(const CalcInput& e, double massstab, double zvE, double summeEr,
                  double summeSie) {
    CalcResult r = MitParametern(e);
    r.MassstabESt = massstab;
    r.ZvE = zvE;
    r.SummeEkEr = summeEr;
    r.SummeEkSie = summeSie;
    Kirchensteuer(e, r);
    return r;
}

}  // namespace

TEST(Kirchensteuer, Pflicht_nach_Land_und_Religion) {
    EXPECT_TRUE(Kirchensteuerpflichtig(0, 5));
    EXPECT_TRUE(Kirchensteuerpflichtig(7, -1));
    EXPECT_FALSE(Kirchensteuerpflichtig(8, 1));
    EXPECT_FALSE(Kirchensteuerpflichtig(9, 1));
    EXPECT_TRUE(Kirchensteuerpflichtig(3, 9));   // jüdisch in Nordrhein-Westfalen
    EXPECT_FALSE(Kirchensteuerpflichtig(3, 1));  // not in Bayern
    EXPECT_TRUE(Kirchensteuerpflichtig(4, 4));
    EXPECT_TRUE(Kirchensteuerpflichtig(5, 10));
    EXPECT_FALSE(Kirchensteuerpflichtig(5, 8));
    EXPECT_FALSE(Kirchensteuerpflichtig(2, 99));
    EXPECT_EQ(KirchensteuerSatz(1), 0.08);
    EXPECT_EQ(KirchensteuerSatz(6), 0.09);
    EXPECT_EQ(KirchensteuerSatz(-1), 0);
    EXPECT_EQ(KirchensteuerSatz(16), 0);
    // Kirchgeld bands: the lower bound belongs to the band
    EXPECT_EQ(KirchgeldBetrag(0, 54000.99), 0);
    EXPECT_EQ(KirchgeldBetrag(0, 54001), 216);
    EXPECT_EQ(KirchgeldBetrag(2, 65000), 300);
    EXPECT_EQ(KirchgeldBetrag(9, 140000), 780);
    EXPECT_EQ(KirchgeldBetrag(11, 700000), 7200);
    EXPECT_EQ(KirchgeldBetrag(1, 500000), 0);
    EXPECT_EQ(KirchgeldBetrag(-1, 500000), 0);
}

TEST(Kirchensteuer, Einzelperson_ganzes_und_halbes_Jahr) {
    CalcInput e = Einzeln();
    e.KonfEr = 1;
    e.KiStMonateEr = 12;
    e.Bundesland = 1;
    CalcResult r = Kirche(e, 10000, 50000, 50000, 0);
    EXPECT_EQ(r.KiStFestzusetzen, 800);
    EXPECT_EQ(r.KiStSatzEr, 8);
    EXPECT_EQ(r.KiStAnteilEr, 100);
    EXPECT_EQ(r.KiStKappung, 0);  // Bayern has no capping
    e.Bundesland = 6;
    EXPECT_EQ(Kirche(e, 10000, 50000, 50000, 0).KiStFestzusetzen, 900);
    e.KiStMonateEr = 6;
    r = Kirche(e, 10001, 50000, 50000, 0);
    EXPECT_DOUBLE_EQ(r.KiStJahrEr, 900.09);
    EXPECT_DOUBLE_EQ(r.KiStFestEr, 450.04);  // 900.09 / 12 * 6, cut to cents
    // a member of a church that raises no tax pays nothing and shows rate 0
    e.KonfEr = 8;
    r = Kirche(e, 10000, 50000, 50000, 0);
    EXPECT_EQ(r.KiStFestzusetzen, 0);
    EXPECT_EQ(r.KiStSatzEr, 0);
    // capping in Hamburg at 3 % of the taxable income
    e.KonfEr = 0;
    e.KiStMonateEr = 12;
    e.Bundesland = 5;
    r = Kirche(e, 20000, 50000, 50000, 0);
    EXPECT_DOUBLE_EQ(r.KiStKappung, 1498.50);  // 925 * 54 * 0.03
}

TEST(Kirchensteuer, Beide_Ehegatten_zwoelf_und_sechs_Monate) {
    CalcInput e = Zusammen();
    e.KonfEr = e.KonfSie = 0;
    e.KiStMonateEr = e.KiStMonateSie = 12;
    e.Bundesland = 9;
    CalcResult r = Kirche(e, 10000, 70000, 50000, 30000);
    EXPECT_EQ(r.KiStBasisAnteilEr, 5000);
    EXPECT_EQ(r.KiStFestEr, 450);
    EXPECT_EQ(r.KiStFestSie, 450);
    EXPECT_EQ(r.KiStFestzusetzen, 900);

    // Sie only half a year: Er also pays on his share of half a year's base;
    // share by tariff tax 9657 / (9657 + 3811) = 0.7170329
    e.KiStMonateSie = 6;
    r = Kirche(e, 10000, 70000, 50000, 30000);
    EXPECT_EQ(r.KiStBasisAnteilEr, 2500);
    EXPECT_DOUBLE_EQ(r.KiStFestEr, 547.66);  // (2500 + 3585.16) * 9 %
    EXPECT_DOUBLE_EQ(r.KiStFestSie, 225);
    EXPECT_DOUBLE_EQ(r.KiStFestzusetzen, 772.66);
    EXPECT_EQ(r.KiStMonateAnzSie, 6);
    EXPECT_EQ(r.Kirchgeld, 0);  // half a year's income 35000 is below the table
}

TEST(Kirchensteuer, Glaubensverschiedene_Ehe) {
    CalcInput e = Zusammen();
    e.KonfEr = 0;
    e.KiStMonateEr = 12;
    e.KonfSie = 9;
    e.KiStMonateSie = 12;
    e.Bundesland = 9;
    // both with own income: Er pays on his share of the base
    CalcResult r = Kirche(e, 10000, 70000, 50000, 30000);
    EXPECT_DOUBLE_EQ(r.KiStBasisAnteilEr, 7170.33);
    EXPECT_DOUBLE_EQ(r.KiStBasisAnteilSie, 2829.67);
    EXPECT_DOUBLE_EQ(r.KiStFestEr, 645.32);
    EXPECT_EQ(r.KiStFestSie, 0);
    EXPECT_DOUBLE_EQ(r.KiStFestzusetzen, 645.32);
    EXPECT_EQ(r.Kirchgeld, 0);  // the church tax exceeds the Kirchgeld of 180
    EXPECT_EQ(r.KiStSatzSie, 0);

    // spouse below the Grundfreibetrag: the liable spouse bears the whole base
    r = Kirche(e, 10000, 70000, 60000, 14000);
    EXPECT_EQ(r.KiStFestEr, 900);
    EXPECT_EQ(r.KiStAnteilEr, 100);

    // the liable spouse has almost no income: only the Kirchgeld is shown
    r = Kirche(e, 30000, 140000, 10000, 150000);
    EXPECT_EQ(r.KiStFestzusetzen, 0);
    EXPECT_EQ(r.Kirchgeld, 780);
    EXPECT_EQ(r.KirchgeldVergleich, 780);

    // neither reaches the limit: nothing at all
    r = Kirche(e, 100, 20000, 10000, 10000);
    EXPECT_EQ(r.KiStFestzusetzen, 0);
    EXPECT_EQ(r.Kirchgeld, 0);
}

TEST(Kirchensteuer, Codes_ausserhalb_der_Tabellen) {
    CalcInput e = Zusammen();
    e.KonfEr = 42;
    e.KonfSie = -3;
    e.KiStMonateEr = 99;
    e.KiStMonateSie = -5;
    e.Bundesland = 77;
    CalcResult r = Kirche(e, 10000, 70000, 50000, 30000);
    EXPECT_EQ(r.KiStFestzusetzen, 0);
    e.KonfEr = 0;
    e.Bundesland = 3;
    // the spouse with an invalid code is not liable and has no income of her own
    r = Kirche(e, 12000, 70000, 50000, 10000);
    EXPECT_EQ(r.KiStFestzusetzen, 1080);  // months above 12 count as 12
    EXPECT_EQ(r.KiStMonateAnzSie, 0);
}

TEST(Salden, Gewerbesteuer_und_Lohnsteuer_aufgerundet) {
    CalcInput e = Einzeln();
    e.GewStMessEr = 1000.10;
    CalcResult r = MitParametern(e);
    Gewerbesteueranrechnung(e, r);
    EXPECT_EQ(r.GewStAnrechnung, 1801);

    e.LStEr = 5000.50;
    r.EStFestzusetzen = 6000;
    AnrechnungUndSalden(e, r);
    EXPECT_EQ(e.LStSumme, 5001);
    EXPECT_EQ(r.EStSaldo, 999);
    e.LStEr = 5000;
    AnrechnungUndSalden(e, r);
    EXPECT_EQ(e.LStSumme, 5000);
    // the spouse's withholding counts only with joint assessment
    e.LStSie = 700;
    AnrechnungUndSalden(e, r);
    EXPECT_EQ(r.EStGezahlt, 5000);
}

TEST(Salden, Ermaessigungen_zehren_zuerst_das_Kindergeld_auf) {
    CalcResult r{};
    r.EStTariflich = 1000;
    r.Baukindergeld = 1500;
    r.KindergeldHinzu = 3240;
    r.FlagEndPass = r.FlagSoliPass = 1;
    FestzusetzendeEinkommensteuer(r);
    EXPECT_EQ(r.EStFestzusetzen, 2740);
    EXPECT_EQ(r.MassstabESt, 0);
    r.GewStAnrechnung = 300;
    r.Baukindergeld = 0;
    FestzusetzendeEinkommensteuer(r);
    EXPECT_EQ(r.MassstabESt, 1000);  // not reduced by the Gewerbesteuer credit
    EXPECT_EQ(r.SoliBasisESt, 700);
}

TEST(Salden, Arbeitnehmersparzulage_und_Wohnungsbaupraemie) {
    CalcInput e = Zusammen();
    e.Bundesland = 3;
    e.VlBausparenEr = e.VlBausparenSie = 936;
    e.VlBeteiligungEr = e.VlBeteiligungSie = 800;
    CalcResult r = MitParametern(e);
    r.ZvE = 70000;
    Praemien(e, r);
    EXPECT_EQ(r.ArbnSparzulage, 588);  // 2 * (94 + 200)
    EXPECT_EQ(r.Wohnungsbaupraemie, 200);
    r.ZvE = 70001;
    Praemien(e, r);
    EXPECT_EQ(r.ArbnSparzulage, 0);
    EXPECT_EQ(r.Wohnungsbaupraemie, 200);
    // allowances not deducted in this pass count for the income test
    r.ZvE = 75000;
    r.KindFbSumme = 9936;
    Praemien(e, r);
    EXPECT_EQ(r.ArbnSparzulage, 588);
    e.Bundesland = 9;  // 20 % on participations in the west
    Praemien(e, r);
    EXPECT_EQ(r.ArbnSparzulage, 2 * (94 + 160));
    r.KindFbSumme = 0;
    r.ZvE = 100001;
    Praemien(e, r);
    EXPECT_EQ(r.Wohnungsbaupraemie, 0);
}

TEST(Salden, Koerperschaftsteuer_ohne_Steuer_wird_erstattet) {
    CalcInput e = Einzeln();
    e.KStAnrechIn = 299.20;
    CalcResult r{};
    Berechne(e, r);
    EXPECT_EQ(r.EStFestzusetzen, 0);
    EXPECT_DOUBLE_EQ(r.GesamtSaldo, -299.20);  // credited as certified, to the Pfennig
    EXPECT_EQ(r.SoliFestzusetzen, 0);
}
