// Vehicle costs and commuting allowance.
#include "pages/fahrzeug.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/betrag.h"
#include "case/caserecord.h"

using namespace quarnel;

namespace {

constexpr int PKW = 1, Fahrrad = 4, Fahrzeug1 = 5, Fahrzeug2 = 6;

int32_t D(int t, int m, int j) {
    return TagesNummer(j, m, t);
}

CaseRecord Neu() {
    CaseRecord r;
    NeuerFallDatensatz(r);
    return r;
}

// Vehicle 1: a car bought on `kauf` for `kosten` over `nutzDauer` months.
CaseRecord MitAuto(int32_t kauf, double kosten, double nutzDauer) {
    CaseRecord r = Neu();
    r.SetzeInt(Feld::ArtFahrzLB, PKW, 1);
    r.SetzeBool(Feld::AfaBerechRB, true, 1);
    r.SetzeBool(Feld::AfaBekanntRB, false, 1);
    r.SetzeInt(Feld::KaufDat, kauf, 1);
    r.SetzeDbl(Feld::AnschaffKosten, kosten, 1);
    r.SetzeDbl(Feld::NutzDauer, nutzDauer, 1);
    return r;
}

double Abschreibung(CaseRecord& r) {
    FahrzeugRechnen(r, 1);
    return r.Dbl(Feld::AnzAbschreib, 1);
}

}  // namespace

TEST(FahrzeugRechnen, Monate_im_Jahr) {
    EXPECT_EQ(MonateImJahr(2001, 9, 60), 4);
    EXPECT_EQ(MonateImJahr(1998, 1, 60), 12);
    EXPECT_EQ(MonateImJahr(1997, 3, 48), 2);  // ends with February 2001
    EXPECT_EQ(MonateImJahr(2001, 3, 6), 6);
    EXPECT_EQ(MonateImJahr(2001, 3, 5.6), 6);  // rounded to whole months
    EXPECT_EQ(MonateImJahr(2002, 1, 12), 0);
    EXPECT_EQ(MonateImJahr(2001, 1, 0), 0);
    EXPECT_EQ(MonateImJahr(2001, 1, -5), 0);
    EXPECT_EQ(MonateImJahr(2001, 1, NAN), 0);
}

TEST(FahrzeugRechnen, Abschreibung) {
    CaseRecord r = MitAuto(D(15, 9, 2001), 30000, 60);
    EXPECT_DOUBLE_EQ(Abschreibung(r), 2000);
    r.SetzeBool(Feld::AbschreibVereinfachCB, true, 1);  // half-year rule: from July
    EXPECT_DOUBLE_EQ(Abschreibung(r), 3000);
    r.SetzeInt(Feld::KaufDat, D(30, 4, 2001), 1);  // from January
    EXPECT_DOUBLE_EQ(Abschreibung(r), 6000);
    r = MitAuto(D(1, 3, 1998), 30000, 60);
    EXPECT_DOUBLE_EQ(Abschreibung(r), 6000);
    r = MitAuto(D(1, 3, 1998), 10000, 7);  // 1/7 a month, to the cent
    r.SetzeInt(Feld::KaufDat, D(1, 7, 2001), 1);
    EXPECT_DOUBLE_EQ(Abschreibung(r), 8571.43);

    // bought in September and sold in November: three months of use, not four
    r = MitAuto(D(15, 9, 2001), 30000, 60);
    r.SetzeInt(Feld::VerkaufsDatum, D(20, 11, 2001), 1);
    EXPECT_DOUBLE_EQ(Abschreibung(r), 1500);
    r = MitAuto(D(1, 3, 1998), 30000, 60);  // an older car sold in May: five months
    r.SetzeInt(Feld::VerkaufsDatum, D(2, 5, 2001), 1);
    EXPECT_DOUBLE_EQ(Abschreibung(r), 2500);

    // no useful life or no purchase date: nothing; a known value is taken as is
    r = MitAuto(D(15, 9, 2001), 30000, 0);
    EXPECT_DOUBLE_EQ(Abschreibung(r), 0);
    r = MitAuto(KeinDatum, 30000, 60);
    EXPECT_DOUBLE_EQ(Abschreibung(r), 0);
    r.SetzeBool(Feld::AfaBerechRB, false, 1);
    r.SetzeBool(Feld::AfaBekanntRB, true, 1);
    r.SetzeDbl(Feld::AfaBekannt, 4321, 1);
    EXPECT_DOUBLE_EQ(Abschreibung(r), 4321);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::AbschreibKostBerech, 1), 0);
}

TEST(FahrzeugRechnen, Leasing_weitere_Kosten_und_Kilometersatz) {
    CaseRecord r = Neu();
    r.SetzeInt(Feld::ArtFahrzLB, PKW, 1);
    r.SetzeInt(Feld::BeginnLeasing, D(1, 3, 2001), 1);
    r.SetzeDbl(Feld::DauerLeasing, 6, 1);
    r.SetzeDbl(Feld::KostenUeberfZulas, 900, 1);
    r.SetzeDbl(Feld::BetragLfdLeasingRate, 400, 1);
    r.SetzeDbl(Feld::AnzahlLeasingRaten, 6, 1);
    r.SetzeDbl(Feld::LeasingSonderzahlung, 1000, 1);
    r.SetzeDbl(Feld::wk1, 300, 1);
    r.SetzeDbl(Feld::wk6, 1299.5, 1);
    r.SetzeDbl(Feld::KmImJahr, 10000, 1);
    FahrzeugRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::AnsatzUeberfZulas, 1), 900);  // never more than the costs
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::SummeLfdLeasingRaten, 1), 2400);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::AnzLeasing, 1), 4300);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::AnzWeitere, 1), 1599.5);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::AnzSumme, 1), 5900);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::AnzKmSatz, 1), 0.59);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::PauschbetragInsg, 1), 0.59);

    // a 12-month contract from 1 October 2000 spreads nine months onto 2001
    r.SetzeInt(Feld::BeginnLeasing, D(1, 10, 2000), 1);
    r.SetzeDbl(Feld::DauerLeasing, 12, 1);
    FahrzeugRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::AnsatzUeberfZulas, 1), 675);
    // a contract of 0 months spreads nothing: never 0 / 0
    r.SetzeDbl(Feld::DauerLeasing, 0, 1);
    FahrzeugRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::AnsatzUeberfZulas, 1), 0);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::AnzLeasing, 1), 3400);
    // no leasing start: no leasing costs
    r.SetzeInt(Feld::BeginnLeasing, KeinDatum, 1);
    FahrzeugRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::AnzLeasing, 1), 0);

    // 7,000 DM over 10,000 or 20,000 km; no km gives 0, not a division by zero
    r = Neu();
    r.SetzeInt(Feld::ArtFahrzLB, PKW, 2);
    r.SetzeDbl(Feld::wk9, 7000, 2);
    r.SetzeDbl(Feld::KmImJahr, 10000, 2);
    FahrzeugRechnen(r, 2);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::PauschbetragInsg, 2), 0.70);
    r.SetzeDbl(Feld::KmImJahr, 20000, 2);
    FahrzeugRechnen(r, 2);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::PauschbetragInsg, 2), 0.35);
    r.SetzeDbl(Feld::KmImJahr, 0, 2);
    FahrzeugRechnen(r, 2);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::PauschbetragInsg, 2), 0);

    // a known rate counts, but only with a vehicle type
    r.SetzeBool(Feld::PauschBekanntRB, true, 2);
    r.SetzeDbl(Feld::PauschBekanntDM, 0.81, 2);
    FahrzeugRechnen(r, 2);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::PauschbetragInsg, 2), 0.81);
    EXPECT_DOUBLE_EQ(KilometerSatz(r, Fahrzeug2), 0.81);
    r.SetzeInt(Feld::ArtFahrzLB, -1, 2);
    FahrzeugRechnen(r, 2);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::PauschbetragInsg, 2), 0);

    EXPECT_DOUBLE_EQ(KilometerSatz(r, PKW), 0.58);
    EXPECT_DOUBLE_EQ(KilometerSatz(r, Fahrrad), 0.07);
    EXPECT_DOUBLE_EQ(KilometerSatz(r, 0), 0);
    EXPECT_DOUBLE_EQ(KilometerSatz(r, 9), 0);
}

namespace {

// Person p with one trip row: days, km by car, km by other means.
CaseRecord Fahrt(int p, double tage, double pkw, double andere) {
    CaseRecord r = Neu();
    r.SetzeDbl(Feld::LfdTage1, tage, p);
    r.SetzeDbl(Feld::LfdEntf1, pkw + andere, p);
    r.SetzeDbl(Feld::LfdPkw1, pkw, p);
    r.SetzeDbl(Feld::LfdMitAnderen1, andere, p);
    return r;
}

double Ergebnis(CaseRecord& r, int p = 1) {
    FahrtkostenRechnen(r, p);
    return r.Dbl(Feld::ErgWKFahrt, p);
}

}  // namespace

TEST(FahrtkostenRechnen, Entfernungspauschale) {
    CaseRecord r = Fahrt(1, 220, 30, 0);
    EXPECT_DOUBLE_EQ(Ergebnis(r), 5060);
    r = Fahrt(1, 220, 20, 10);  // the car km take the first ten km
    EXPECT_DOUBLE_EQ(Ergebnis(r), 5060);
    r = Fahrt(1, 220, 5, 25);  // 5 car km and 5 pool km at 0.70, 20 at 0.80
    EXPECT_DOUBLE_EQ(Ergebnis(r), 220 * 0.70 * 5 + 220 * (0.70 * 5 + 0.80 * 20));
    r = Fahrt(1, 220, 0, 70);  // 12,100 without a car, capped at 10,000
    EXPECT_DOUBLE_EQ(Ergebnis(r), 10000);
    r = Fahrt(2, 220, 30, 0);  // the spouse's record, the taxpayer's untouched
    EXPECT_DOUBLE_EQ(Ergebnis(r, 2), 5060);
    EXPECT_DOUBLE_EQ(Ergebnis(r, 1), 0);

    // all four rows count
    r = Fahrt(1, 100, 10, 0);
    r.SetzeDbl(Feld::LfdTage4, 100, 1);
    r.SetzeDbl(Feld::LfdPkw4, 20, 1);
    EXPECT_DOUBLE_EQ(Ergebnis(r), 700 + 1500);
}

TEST(FahrtkostenRechnen, Oeffentliche_Verkehrsmittel_und_Erstattung) {
    CaseRecord r = Fahrt(1, 220, 20, 10);  // by car 3,300, by other means 1,760
    r.SetzeDbl(Feld::AufwOeffVerkMittel, 2000, 1);
    EXPECT_DOUBLE_EQ(Ergebnis(r), 5300);
    r.SetzeDbl(Feld::AufwOeffVerkMittel, 1500, 1);
    EXPECT_DOUBLE_EQ(Ergebnis(r), 5060);

    // the reimbursement reduces the allowance, never below 0
    r.SetzeDbl(Feld::FahrtArbeitgeberErsatzStFrei, 1000, 1);
    r.SetzeDbl(Feld::FahrtArbeitgeberErsatzStPausch, 500, 1);
    EXPECT_DOUBLE_EQ(Ergebnis(r), 3560);
    r.SetzeDbl(Feld::FahrtArbeitgeberErsatzStFrei, 9000, 1);
    EXPECT_DOUBLE_EQ(Ergebnis(r), 0);
    r.SetzeDbl(Feld::AufwOeffVerkMittel, 3000, 1);
    EXPECT_DOUBLE_EQ(Ergebnis(r), 0);
}

TEST(FahrtkostenRechnen, Behinderte_und_Einsatzwechsel) {
    CaseRecord r = Fahrt(1, 200, 25, 0);
    r.SetzeBool(Feld::LfdBehind1CB, true, 1);
    r.SetzeInt(Feld::LfdBehindVMittel1CB, PKW, 1);
    EXPECT_DOUBLE_EQ(Ergebnis(r), 5800);
    // with the own vehicle's rate
    r.SetzeInt(Feld::ArtFahrzLB, PKW, 1);
    r.SetzeBool(Feld::PauschBekanntRB, true, 1);
    r.SetzeDbl(Feld::PauschBekanntDM, 0.70, 1);
    FahrzeugRechnen(r, 1);
    r.SetzeInt(Feld::LfdBehindVMittel1CB, Fahrzeug1, 1);
    EXPECT_DOUBLE_EQ(Ergebnis(r), 7000);
    r.SetzeInt(Feld::LfdBehindVMittel1CB, 0, 1);  // no vehicle chosen: no rate
    EXPECT_DOUBLE_EQ(Ergebnis(r), 0);

    r = Neu();
    r.SetzeDbl(Feld::WechselTage1, 100, 2);
    r.SetzeDbl(Feld::WechselKM1, 30, 2);
    r.SetzeInt(Feld::WechselVMittel1, PKW, 2);
    r.SetzeDbl(Feld::WechselTage9, 10, 2);
    r.SetzeDbl(Feld::WechselKM9, 5, 2);
    r.SetzeInt(Feld::WechselVMittel9, Fahrrad, 2);
    r.SetzeDbl(Feld::WechselArbeitgeberErsatz, 100, 2);
    r.SetzeDbl(Feld::LfdTage1, 10, 2);
    r.SetzeDbl(Feld::LfdPkw1, 10, 2);
    FahrtkostenRechnen(r, 2);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::WechselErg1, 2), 3480);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::WechselErg9, 2), 7);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::ErgWKWechsel, 2), 3387);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::ErgWKFahrt, 2), 70);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::SummeWkFahrt, 2), 3457);
    r.SetzeDbl(Feld::WechselArbeitgeberErsatz, 5000, 2);
    FahrtkostenRechnen(r, 2);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::ErgWKWechsel, 2), 0);
}

TEST(FahrzeugRechnen, Warnungen_beim_Verlassen) {
    CaseRecord r = Neu();
    EXPECT_TRUE(FahrzeugWarnungen(r, 1).empty());  // an unused vehicle
    r.SetzeDbl(Feld::KmImJahr, 20000, 1);
    ASSERT_EQ(FahrzeugWarnungen(r, 1).size(), 1u);
    EXPECT_EQ(FahrzeugWarnungen(r, 1)[0],
              "Fahrzeugart (PKW, Motorrad ..) wurde nicht angegeben. Der Kostensatz bleibt "
              "daher auf 0,00 DM");
    r.SetzeInt(Feld::ArtFahrzLB, PKW, 1);
    r.SetzeDbl(Feld::wk1, 7000, 1);
    FahrzeugRechnen(r, 1);  // 0.35 DM per km
    ASSERT_EQ(FahrzeugWarnungen(r, 1).size(), 1u);
    EXPECT_EQ(FahrzeugWarnungen(r, 1)[0],
              "Kilometerkosten f\xC3\xBCr Fahrzeug 1 ist kleiner als Pauschale von 0,58 DM");
    r.SetzeDbl(Feld::KmImJahr, 10000, 1);
    FahrzeugRechnen(r, 1);
    EXPECT_TRUE(FahrzeugWarnungen(r, 1).empty());
}

TEST(FahrtenRechnen, Fahrzeuge_vor_den_Fahrten) {
    CaseRecord r = Neu();
    r.SetzeDbl(Feld::WechselTage1, 100, 1);
    r.SetzeDbl(Feld::WechselKM1, 10, 1);
    r.SetzeInt(Feld::WechselVMittel1, Fahrzeug2, 1);
    r.SetzeInt(Feld::ArtFahrzLB, PKW, 2);
    r.SetzeDbl(Feld::wk1, 6000, 2);
    r.SetzeDbl(Feld::KmImJahr, 10000, 2);
    r.SetzeDbl(Feld::PauschbetragInsg, 0.10, 2);  // stale
    FahrtenRechnen(r);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::ErgWKWechsel, 1), 1200);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::SummeWkFahrt, 2), 0);
}
