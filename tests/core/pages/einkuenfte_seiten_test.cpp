// Page computations of the income pages, run on a fresh case record.
#include "pages/einkuenfte_seiten.h"

#include <gtest/gtest.h>

#include "calc/betrag.h"

using namespace quarnel;

namespace {

CaseRecord Fall(bool zusammen) {
    CaseRecord r;
    NeuerFallDatensatz(r);
    r.SetzeBool(Feld::Splitting, zusammen);
    return r;
}

}  // namespace

// --- rental objects -------------------------------------------------------------------

TEST(Objekt, Vermietung_mit_Aufteilung_60_zu_40) {
    CaseRecord r = Fall(true);
    const int n = 2;
    r.SetzeDbl(Feld::MieteDM1, 12000, n);
    r.SetzeDbl(Feld::ZinsGes1, 5000, n);
    r.SetzeDbl(Feld::ZinsProz1, 20, n);
    r.SetzeDbl(Feld::ObjektProzEr, 60, n);
    r.SetzeDbl(Feld::AnteilEr1, 100, n);
    r.SetzeDbl(Feld::AnteilEr6, 77, n);  // only copied
    r.SetzeDbl(Feld::AnteilSie8, 50, n);
    r.SetzeDbl(Feld::AnteilSie6, 33, n);
    ObjektRechnen(r, n);
    EXPECT_EQ(r.Dbl(Feld::ZinsAb1, n), 1000);
    EXPECT_EQ(r.Dbl(Feld::ObjEinnahmenSumme, n), 12000);
    EXPECT_EQ(r.Dbl(Feld::ObjWerbKostSumme, n), 4000);
    EXPECT_EQ(r.Dbl(Feld::ObjEinkuenfte, n), 8000);
    EXPECT_EQ(r.Dbl(Feld::ObjektProzSie, n), 40);
    EXPECT_EQ(r.Dbl(Feld::ObjAnteilEr, n), 4800);
    EXPECT_EQ(r.Dbl(Feld::ObjAnteilSie, n), 3200);
    EXPECT_EQ(r.Dbl(Feld::ObjSummeEr, n), 4900);
    EXPECT_EQ(r.Dbl(Feld::ObjSummeSie, n), 3250);
    EXPECT_EQ(r.Dbl(Feld::AnteilEr6Kopie, n), 77);
    EXPECT_EQ(r.Dbl(Feld::AnteilSie6Kopie, n), 33);
    // the other objects are untouched
    EXPECT_EQ(r.Dbl(Feld::ObjEinkuenfte, 1), 0);
}

TEST(Objekt, Grundtabelle_laesst_keinen_Ehegattenanteil) {
    CaseRecord r = Fall(false);
    r.SetzeDbl(Feld::MieteDM1, 10000);
    r.SetzeDbl(Feld::ObjektProzEr, 60);
    r.SetzeDbl(Feld::ObjektProzSie, 40);  // left from an earlier joint assessment
    r.SetzeDbl(Feld::AnteilSie1, 500);
    r.SetzeDbl(Feld::AnteilSie6, 33);
    ObjektRechnen(r, 1);
    EXPECT_EQ(r.Dbl(Feld::ObjektProzEr), 100);
    EXPECT_EQ(r.Dbl(Feld::ObjektProzSie), 0);
    EXPECT_EQ(r.Dbl(Feld::ObjAnteilEr), 10000);
    EXPECT_EQ(r.Dbl(Feld::ObjAnteilSie), 0);
    EXPECT_EQ(r.Dbl(Feld::ObjSummeSie), 0);
    EXPECT_EQ(r.Dbl(Feld::AnteilSie6Kopie), 0);
}

TEST(Objekt, Kostenzeilen_und_Einnahmen) {
    CaseRecord r = Fall(true);
    // a non-deductible amount above the total leaves nothing, never a negative part
    r.SetzeDbl(Feld::LfdKostGes3, 300);
    r.SetzeDbl(Feld::LfdKostDm3, 500);
    EXPECT_EQ(AbzugRechnen(r, 1, Feld::LfdKostGes3, Feld::LfdKostProz3, Feld::LfdKostDm3), 0);
    // a percentage replaces the typed amount, rounded down to full DM
    r.SetzeDbl(Feld::ErhGes1, 999);
    r.SetzeDbl(Feld::ErhProz1, 10);
    r.SetzeDbl(Feld::ErhAb1, 5);
    EXPECT_EQ(AbzugRechnen(r, 1, Feld::ErhGes1, Feld::ErhProz1, Feld::ErhAb1), 900);
    EXPECT_EQ(r.Dbl(Feld::ErhAb1), 99);
    // depreciation row 5 has no line: its amount does not count
    r.SetzeDbl(Feld::AfaGes7, 100);
    r.SetzeDbl(Feld::AfaDm5, 1000);
    r.SetzeDbl(Feld::MieteAndereR5, 2000);
    r.SetzeDbl(Feld::EigZuschuss, 400);
    r.SetzeDbl(Feld::EigZuschussMinus, 100);
    r.SetzeDbl(Feld::ObjektProzEr, 50);
    ObjektRechnen(r, 1);
    EXPECT_EQ(r.Dbl(Feld::ObjEinnahmenSumme), 2300);
    EXPECT_EQ(r.Dbl(Feld::ObjWerbKostSumme), 1000);
    EXPECT_EQ(r.Dbl(Feld::ObjEinkuenfte), 1300);
    // a loss is shared as well
    r.SetzeDbl(Feld::LfdKostGes9, 2300);
    ObjektRechnen(r, 1);
    EXPECT_EQ(r.Dbl(Feld::ObjEinkuenfte), -1000);
    EXPECT_EQ(r.Dbl(Feld::ObjAnteilEr), -500);
    EXPECT_EQ(r.Dbl(Feld::ObjAnteilSie), -500);
}

// --- business and self-employment ----------------------------------------------------

TEST(Gewinn, Freibetrag_wird_anteilig_verteilt) {
    CaseRecord r = Fall(false);
    r.SetzeDbl(Feld::GewEr1, 30000);
    r.SetzeDbl(Feld::GewEr5, 5000);
    r.SetzeDbl(Feld::OrganschaftDMEr, 1000);
    r.SetzeDbl(Feld::VerlustmodelleEr, 99999);  // not part of the income
    r.SetzeDbl(Feld::GSE1_EinkHalbTeilEr, 6000);
    r.SetzeDbl(Feld::GSE1_VG55LjEr, 100000);
    r.SetzeDbl(Feld::VG55LjHKEr, 50000);
    r.SetzeDbl(Feld::VG55DMFbEr, 60000);
    r.SetzeDbl(Feld::GSE1_VGoFbEr, 1000);
    r.SetzeDbl(Feld::GSE1_VGoFbHKEr, 3001);
    r.SetzeDbl(Feld::VG17Er, 500);
    r.SetzeDbl(Feld::VG17TeilHKEr, 200);
    GewinnRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::GewEinkNettoEr), 30000);
    EXPECT_EQ(r.Dbl(Feld::GewVeraeussR1Er), 60000 + 1000 + 500);
    EXPECT_EQ(r.Dbl(Feld::GewVeraeussR2Er), 30000 + 3001 + 200);
    EXPECT_EQ(r.Dbl(Feld::GewVeraeussR3Er), 16600);
    EXPECT_EQ(r.Dbl(Feld::GewVeraeussR4Er), 60000 + 1000 + 500 + 16600);
    EXPECT_EQ(r.Dbl(Feld::GewVeraeussR5Er), 0);
}

TEST(Gewinn, Freibetrag_macht_keinen_Verlust) {
    CaseRecord r = Fall(false);
    r.SetzeDbl(Feld::GSE1_VG55LjErmEr, 10000);
    r.SetzeDbl(Feld::GSE1_VG55LjErmHKEr, 10001);
    r.SetzeDbl(Feld::VG55DMFbEr, 60000);
    GewinnRechnen(r);
    for (Feld f : {Feld::GewVeraeussR1Er, Feld::GewVeraeussR2Er, Feld::GewVeraeussR3Er,
                   Feld::GewVeraeussR4Er, Feld::GewVeraeussR5Er})
        EXPECT_EQ(r.Dbl(f), 0) << Def(f).id;
    // a share rounded up to full DM may not exceed its part either
    CaseRecord s = Fall(false);
    s.SetzeDbl(Feld::GSE1_VG55LjEr, 100.40);
    s.SetzeDbl(Feld::VG55LjHKEr, 100.60);
    s.SetzeDbl(Feld::VG55DMFbEr, 201);
    GewinnRechnen(s);
    EXPECT_NEAR(s.Dbl(Feld::GewVeraeussR1Er), 0, 1e-9);
    EXPECT_NEAR(s.Dbl(Feld::GewVeraeussR2Er), 0, 1e-9);
}

TEST(Gewinn, Ehegatte_nur_bei_Zusammenveranlagung) {
    CaseRecord r = Fall(false);
    r.SetzeDbl(Feld::GewSie2, 7000);
    r.SetzeDbl(Feld::GSE1_VGoFbSie, 800);
    r.SetzeDbl(Feld::FreibGewinnSie, 900);
    r.SetzeDbl(Feld::GSE2_VGoFbErmSie, 400);
    r.SetzeDbl(Feld::GewEinkNettoSie, 1234);  // stale
    r.SetzeDbl(Feld::SelbVeraeussR1Sie, 1234);
    GewinnRechnen(r);
    SelbstRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::GewEinkNettoSie), 0);
    EXPECT_EQ(r.Dbl(Feld::GewVeraeussR1Sie), 0);
    EXPECT_EQ(r.Dbl(Feld::SelbEinkNettoSie), 0);
    EXPECT_EQ(r.Dbl(Feld::SelbVeraeussR1Sie), 0);
    r.SetzeBool(Feld::Splitting, true);
    GewinnRechnen(r);
    SelbstRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::GewEinkNettoSie), 7000);
    EXPECT_EQ(r.Dbl(Feld::GewVeraeussR1Sie), 800);
    EXPECT_EQ(r.Dbl(Feld::GewVeraeussR4Sie), 800);
    EXPECT_EQ(r.Dbl(Feld::SelbEinkNettoSie), 900);
    EXPECT_EQ(r.Dbl(Feld::SelbVeraeussR1Sie), 400);
    EXPECT_EQ(r.Dbl(Feld::SelbVeraeussR5Sie), 400);
}

TEST(Selbst, Einkuenfte_und_Veraeusserung) {
    CaseRecord r = Fall(false);
    r.SetzeDbl(Feld::FreibGewinnEr, 1000);
    r.SetzeDbl(Feld::AlleAndereGewinnEr, 2000);
    r.SetzeDbl(Feld::Gewinn2bDMEr, 50000);  // not part of the income
    r.SetzeDbl(Feld::GSE2_EinkHalbTeilEr, 500);
    r.SetzeDbl(Feld::GSE2_VG55LjEr, 100000);
    r.SetzeDbl(Feld::VG55LjHkEr, 50000);
    r.SetzeDbl(Feld::VG55LjDmFbEr, 60000);
    r.SetzeDbl(Feld::GSE2_VGoFbErmHKEr, 1001);
    r.SetzeDbl(Feld::VG17Er, 777);  // business-only field
    SelbstRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::SelbEinkNettoEr), 2500);
    EXPECT_EQ(r.Dbl(Feld::SelbVeraeussR1Er), 60000);
    EXPECT_EQ(r.Dbl(Feld::SelbVeraeussR2Er), 31001);
    EXPECT_EQ(r.Dbl(Feld::SelbVeraeussR3Er), 15500);
    EXPECT_EQ(r.Dbl(Feld::SelbVeraeussR4Er), 75000);
    EXPECT_EQ(r.Dbl(Feld::SelbVeraeussR5Er), 500);
}

// --- depreciation list ---------------------------------------------------------------------

namespace {

void Zeile(CaseRecord& r, int person, int zeile, int32_t datum, double preis, int jahre) {
    const int e = (person - 1) * AfaZeilen + zeile;
    r.SetzeInt(Feld::i_Datum, datum, e);
    r.SetzeDbl(Feld::i_preis, preis, e);
    r.SetzeInt(Feld::i_Jahre, jahre, e);
}
double Afa(const CaseRecord& r, int person, int zeile) {
    return r.Dbl(Feld::i_Afa, (person - 1) * AfaZeilen + zeile);
}
double Rest(const CaseRecord& r, int person, int zeile) {
    return r.Dbl(Feld::i_restw, (person - 1) * AfaZeilen + zeile);
}

}  // namespace

TEST(Afa, Zeilen_nach_Kaufdatum) {
    CaseRecord r = Fall(false);
    Zeile(r, 1, 1, TagesNummer(2000, 8, 15), 3000, 3);   // half year 2000
    Zeile(r, 1, 2, TagesNummer(2002, 1, 10), 3000, 3);   // bought after the tax year
    Zeile(r, 1, 3, KeinDatum, 3000, 3);                  // no date: nothing written off
    Zeile(r, 1, 4, TagesNummer(1999, 3, 1), 1000, 2);    // used up in 2000
    Zeile(r, 1, 5, TagesNummer(2001, 7, 1), 999.99, 3);  // half year 2001, to the cent
    Zeile(r, 2, 1, TagesNummer(2001, 6, 30), 1200, 4);   // June: a full year
    EXPECT_EQ(AfaSummeRechnen(r, 1), 1000 + 0 + 0 + 0 + 166.67);
    EXPECT_EQ(Rest(r, 1, 1), 1500);
    EXPECT_EQ(Afa(r, 1, 2), 0);
    EXPECT_EQ(Rest(r, 1, 2), 3000);
    EXPECT_EQ(Afa(r, 1, 3), 0);
    EXPECT_EQ(Rest(r, 1, 3), 3000);
    EXPECT_EQ(Rest(r, 1, 4), 0);
    EXPECT_DOUBLE_EQ(Rest(r, 1, 5), 999.99 - 166.67);
    EXPECT_EQ(SummeZeilen(r, 2), 0);  // the other person's list is separate
    EXPECT_EQ(AfaSummeRechnen(r, 2), 300);
}

TEST(Afa, Letztes_Jahr_nur_der_Restwert_und_geleerte_Zeilen_fallen_heraus) {
    CaseRecord r = Fall(false);
    Zeile(r, 1, 1, TagesNummer(1998, 10, 1), 1000, 3);  // 166.67, 333.33, 333.33, 2001: 166.67
    r.SetzeDbl(Feld::i_Afa, 55, 2);                     // a row whose price was cleared
    Zeile(r, 1, 3, TagesNummer(2001, 1, 1), 600, 3);
    EXPECT_DOUBLE_EQ(AfaSummeRechnen(r, 1), 166.67 + 200);
    Zeile(r, 1, 3, TagesNummer(2001, 1, 1), 600, 0);  // its years dropped below 1
    EXPECT_DOUBLE_EQ(AfaSummeRechnen(r, 1), 166.67);
    EXPECT_DOUBLE_EQ(Afa(r, 1, 1), 166.67);
    EXPECT_EQ(Rest(r, 1, 1), 0);
    EXPECT_EQ(Afa(r, 1, 2), 0);
    EXPECT_EQ(Afa(r, 1, 3), 0);
    EXPECT_EQ(Rest(r, 1, 3), 600);
}

TEST(Afa, Zeilen_einfuegen_und_loeschen) {
    CaseRecord r = Fall(false);
    for (int z = 1; z <= AfaZeilen; ++z) Zeile(r, 1, z, TagesNummer(2001, 1, 1), z, 1);
    r.SetzeText(Feld::I_Text, "Laptop", 3);
    AfaZeileEinfuegen(r, 1, 3);
    EXPECT_EQ(r.Dbl(Feld::i_preis, 3), 0);
    EXPECT_EQ(r.Int(Feld::i_Datum, 3), KeinDatum);
    EXPECT_EQ(r.Text(Feld::I_Text, 4), "Laptop");
    EXPECT_EQ(r.Dbl(Feld::i_preis, AfaZeilen), 24);     // row 25 was lost
    EXPECT_EQ(r.Dbl(Feld::i_preis, AfaZeilen + 1), 0);  // person 2 untouched
    AfaZeileLoeschen(r, 1, 3);
    EXPECT_EQ(r.Text(Feld::I_Text, 3), "Laptop");
    EXPECT_EQ(r.Dbl(Feld::i_preis, AfaZeilen - 1), 24);
    EXPECT_EQ(r.Dbl(Feld::i_preis, AfaZeilen), 0);
    const CaseRecord vorher = r;
    AfaZeileEinfuegen(r, 1, AfaZeilen);
    AfaZeileLoeschen(r, 1, AfaZeilen);
    EXPECT_EQ(r, vorher);
}

// --- annuities ------------------------------------------------------------------------------

TEST(Rente, Leibrente_Alter_bei_Rentenbeginn_vollendet) {
    CaseRecord r = Fall(true);
    // born on 20 March 1936: 64 years completed on 1 and on 19 March 2001, 65 on the 20th
    r.SetzeInt(Feld::StpflGebDat, TagesNummer(1936, 3, 20));
    r.SetzeInt(Feld::LaeuftSeit1, TagesNummer(2001, 3, 1));
    r.SetzeInt(Feld::EndeAm1, KeinDatum);
    r.SetzeDbl(Feld::Zahlung1, 12000);
    r.SetzeDbl(Feld::Nachzahlung1, 1001);
    r.SetzeInt(Feld::LaeuftSeit2, TagesNummer(2001, 3, 20));
    r.SetzeInt(Feld::EndeAm2, KeinDatum);
    r.SetzeDbl(Feld::Zahlung2, 100);
    // born on 29 February 1936: the year is completed on 1 March, not on 28 February
    r.SetzeInt(Feld::EhegGebDat, TagesNummer(1936, 2, 29));
    r.SetzeInt(Feld::LaeuftSeit3, TagesNummer(2001, 2, 28));
    r.SetzeDbl(Feld::Zahlung3, 100);
    r.SetzeInt(Feld::LaeuftSeit4, TagesNummer(2001, 3, 1));
    r.SetzeDbl(Feld::Zahlung4, 100);
    RentenErtragRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::ErtAnteilRech1), 28);
    EXPECT_EQ(r.Dbl(Feld::StpflZahlung1), 3360);
    EXPECT_EQ(r.Dbl(Feld::StpflNachzahlung1), 280);
    EXPECT_EQ(r.Dbl(Feld::ErtAnteilRech2), 27);
    EXPECT_EQ(r.Dbl(Feld::StpflZahlung2), 27);
    EXPECT_EQ(r.Dbl(Feld::ErtAnteilRech3), 28);
    EXPECT_EQ(r.Dbl(Feld::ErtAnteilRech4), 27);

    EXPECT_EQ(VollendetesAlter(TagesNummer(1936, 3, 20), TagesNummer(2001, 3, 19)), 64);
    EXPECT_EQ(VollendetesAlter(TagesNummer(1936, 3, 20), TagesNummer(2001, 3, 20)), 65);
    EXPECT_EQ(VollendetesAlter(TagesNummer(1936, 12, 31), TagesNummer(2001, 1, 1)), 64);
    EXPECT_EQ(VollendetesAlter(TagesNummer(2001, 5, 1), TagesNummer(2001, 4, 1)), 0);
}

TEST(Rente, Abgekuerzte_Rente_und_bekannter_Anteil) {
    CaseRecord r = Fall(true);
    // 2001 to 2009: 9 years of payment (17 %, life table only from 75)
    r.SetzeInt(Feld::StpflGebDat, TagesNummer(1926, 6, 1));
    r.SetzeInt(Feld::LaeuftSeit1, TagesNummer(2001, 1, 1));
    r.SetzeInt(Feld::EndeAm1, TagesNummer(2009, 12, 31));
    r.SetzeDbl(Feld::Zahlung1, 1000);
    // 10 years (limit age 73) for a recipient of 74: the life table gives 17 %
    r.SetzeInt(Feld::LaeuftSeit2, TagesNummer(2001, 1, 1));
    r.SetzeInt(Feld::EndeAm2, TagesNummer(2011, 6, 1));
    r.SetzeDbl(Feld::Zahlung2, 1000);
    // a known share is rounded and the computed one shows 0, even without dates
    r.SetzeInt(Feld::EhegGebDat, KeinDatum);
    r.SetzeDbl(Feld::ErtAntBek3, 27.6);
    r.SetzeDbl(Feld::ErtAnteilRech3, 55);
    r.SetzeDbl(Feld::Zahlung3, 1000);
    // without birth date and without a known share nothing is taxable
    r.SetzeInt(Feld::LaeuftSeit4, TagesNummer(2001, 1, 1));
    r.SetzeDbl(Feld::Zahlung4, 1000);
    r.SetzeDbl(Feld::StpflZahlung4, 999);
    RentenErtragRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::ErtAnteilRech1), 17);
    EXPECT_EQ(r.Dbl(Feld::ErtAnteilRech2), 17);  // 19 % replaced by the life table
    EXPECT_EQ(r.Dbl(Feld::StpflZahlung2), 170);
    EXPECT_EQ(r.Dbl(Feld::ErtAnteilRech3), 0);
    EXPECT_EQ(r.Dbl(Feld::StpflZahlung3), 280);
    EXPECT_EQ(r.Dbl(Feld::StpflZahlung4), 0);
    // under the basic table the spouse's lines are not taxable
    r.SetzeBool(Feld::Splitting, false);
    RentenErtragRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::StpflZahlung3), 0);

    // the term counts the months of payment, both ends included
    EXPECT_EQ(LaufzeitJahre(TagesNummer(1998, 1, 1), TagesNummer(2007, 12, 31)), 10);
    EXPECT_EQ(LaufzeitJahre(TagesNummer(1999, 3, 1), TagesNummer(2009, 2, 28)), 10);
    EXPECT_EQ(LaufzeitJahre(TagesNummer(2001, 1, 1), TagesNummer(2011, 1, 1)), 10);
    EXPECT_EQ(LaufzeitJahre(TagesNummer(2001, 2, 1), TagesNummer(2011, 12, 31)), 10);
    EXPECT_EQ(LaufzeitJahre(TagesNummer(2001, 1, 1), TagesNummer(2001, 11, 30)), 0);
    EXPECT_EQ(LaufzeitJahre(TagesNummer(2005, 1, 1), TagesNummer(2001, 1, 1)), 0);
}

TEST(Rente, Tabellen) {
    EXPECT_EQ(LeibrentenAnteil(0), 73);
    EXPECT_EQ(LeibrentenAnteil(42), 51);
    EXPECT_EQ(LeibrentenAnteil(43), 50);
    EXPECT_EQ(LeibrentenAnteil(59), 34);
    EXPECT_EQ(LeibrentenAnteil(60), 32);
    EXPECT_EQ(LeibrentenAnteil(67), 25);
    EXPECT_EQ(LeibrentenAnteil(68), 23);
    EXPECT_EQ(LeibrentenAnteil(79), 12);
    EXPECT_EQ(LeibrentenAnteil(80), 11);
    EXPECT_EQ(LeibrentenAnteil(96), 3);
    EXPECT_EQ(LeibrentenAnteil(120), 2);
    EXPECT_EQ(AbgekuerzteRentenAnteil(1).prozent, 0);
    EXPECT_EQ(AbgekuerzteRentenAnteil(2).lebenAbAlter, -1);
    EXPECT_EQ(AbgekuerzteRentenAnteil(35).prozent, 51);
    EXPECT_EQ(AbgekuerzteRentenAnteil(36).lebenAbAlter, 41);
    EXPECT_EQ(AbgekuerzteRentenAnteil(108).prozent, 73);
    EXPECT_EQ(AbgekuerzteRentenAnteil(109).prozent, 0);
    EXPECT_EQ(AbgekuerzteRentenAnteil(109).lebenAbAlter, 0);
}

// --- other income ----------------------------------------------------------------------------

TEST(SonstEk, Freigrenze_der_Leistungen) {
    CaseRecord r = Fall(false);
    r.SetzeDbl(Feld::LeistEinEr, 600);
    r.SetzeDbl(Feld::LeistWKEr, 150);
    SonstEkRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::LeistErgEr), 0);
    r.SetzeDbl(Feld::LeistEinEr, 650);
    SonstEkRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::LeistErgEr), 500);
    r.SetzeDbl(Feld::LeistEinEr, 0);
    SonstEkRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::LeistErgEr), 0);  // a loss is not kept either
}

TEST(SonstEk, Private_Veraeusserungen_und_Freigrenze) {
    CaseRecord r = Fall(false);
    r.SetzeDbl(Feld::VWigu_VerkPreisHT1, 2999);
    r.SetzeDbl(Feld::VWigu_KaufPreisHT1, 1000);  // half-income gain 1999 counts 999
    r.SetzeDbl(Feld::VGrund_VerkPreis1, 500);
    r.SetzeDbl(Feld::VGrund_Afa1, 1);
    SonstEkRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::VWigu_EinkHT1), 1999);
    EXPECT_EQ(r.Dbl(Feld::SpekTeilErgEr, 3), 1999);
    EXPECT_EQ(r.Dbl(Feld::VGrund_Eink1), 501);
    EXPECT_EQ(r.Dbl(Feld::SpekErgEr), 1500);
    EXPECT_TRUE(r.Bool(Feld::PrivVeraeussFlag));

    CaseRecord s = Fall(false);
    s.SetzeDbl(Feld::VTermin_DiffPreis1, 999.99);
    SonstEkRechnen(s);
    EXPECT_EQ(s.Dbl(Feld::SpekErgEr), 0);
    EXPECT_TRUE(s.Bool(Feld::PrivVeraeussFlag));
    s.SetzeDbl(Feld::VTermin_DiffPreis1, 0);
    s.SetzeDbl(Feld::VerGeschVorjVerluste1, -5000);
    SonstEkRechnen(s);
    EXPECT_EQ(s.Dbl(Feld::SpekErgEr), 0);
    s.SetzeDbl(Feld::VerGeschVorjVerluste1, 0);
    s.SetzeDbl(Feld::AnteileWert1, 3000);
    s.SetzeDbl(Feld::AnteileWertDavonHT1, 1001);
    SonstEkRechnen(s);
    EXPECT_EQ(s.Dbl(Feld::SpekTeilErgEr, 5), 1999);
    EXPECT_EQ(s.Dbl(Feld::SpekErgEr), 1999 + 500);
    s.SetzeDbl(Feld::AnteileWert1, 0);
    s.SetzeDbl(Feld::AnteileWertDavonHT1, 0);
    SonstEkRechnen(s);
    EXPECT_FALSE(s.Bool(Feld::PrivVeraeussFlag));  // cleared on every run
}

TEST(SonstEk, Ehegatte_folgt_dem_Splitting_des_Falls) {
    CaseRecord r = Fall(true);
    r.SetzeDbl(Feld::VTermin_DiffPreis2, 4000);
    r.SetzeDbl(Feld::LeistEinSie, 700);
    SonstEkRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::SpekErgSie), 4000);
    EXPECT_EQ(r.Dbl(Feld::SpekTeilErgSie, 4), 4000);
    EXPECT_EQ(r.Dbl(Feld::LeistErgSie), 700);
    EXPECT_TRUE(r.Bool(Feld::PrivVeraeussFlag));
    r.SetzeBool(Feld::Splitting, false);
    SonstEkRechnen(r);
    EXPECT_EQ(r.Dbl(Feld::SpekTeilErgSie, 4), 0);
    EXPECT_FALSE(r.Bool(Feld::PrivVeraeussFlag));
}
