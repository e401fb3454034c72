// Deduction steps: donations, Sonderausgaben, Vorsorge, zumutbare Belastung,
// home ownership, Haushaltsfreibetrag, Härteausgleich.
#include <gtest/gtest.h>

#include "rechnen_hilfe.h"

using namespace quarnel;
using namespace quarnel::test;

TEST(Abzuege, Parteispenden_und_Waehlervereinigungen) {
    CalcInput e = Einzeln();
    CalcResult r = MitParametern(e);
    r.GesamtbetragEk = 50000;
    e.ParteiSpendenIn = 2000;
    Spenden(e, r);
    EXPECT_EQ(r.ErmParteiSpenden, 1000);
    EXPECT_EQ(r.SpendenAbziehbar, 0);
    e.ParteiSpendenIn = 5000;
    Spenden(e, r);
    EXPECT_EQ(r.ErmParteiSpenden, 1500);
    EXPECT_EQ(r.SpendenAbziehbar, 2000);
    e.ParteiSpendenIn = 0;
    e.WaehlerSpendenIn = 5000;
    Spenden(e, r);
    EXPECT_EQ(r.ErmParteiSpenden, 1500);
    EXPECT_EQ(r.SpendenAbziehbar, 0);
    e.WaehlerSpendenIn = 301;  // Int((301 + 0.9) / 2)
    Spenden(e, r);
    EXPECT_EQ(r.ErmParteiSpenden, 150);
}

TEST(Abzuege, Spendenhoechstbetraege) {
    CalcInput e = Einzeln();
    CalcResult r = MitParametern(e);
    e.SpendenIn1 = 5000;
    e.SpendenIn2 = 5000;
    r.GesamtbetragEk = 40000;  // 5 % = 2000, 10 % = 4000
    Spenden(e, r);
    EXPECT_EQ(r.SpendenA, 2000);
    EXPECT_EQ(r.SpendenB, 4000);
    EXPECT_EQ(r.SpendenAbziehbar, 4000);
    // a negative Gesamtbetrag leaves only the foundation donations
    r.GesamtbetragEk = -10000;
    e.StiftungSpendenIn = 50000;
    e.StiftungStockIn = 700000;
    Spenden(e, r);
    EXPECT_EQ(r.SpendenA, 0);
    EXPECT_EQ(r.SpendenB, 0);
    EXPECT_EQ(r.SpendenAbziehbar, 640000);
}

TEST(Abzuege, Sonderausgaben_Pauschbetrag_und_Schulgeld) {
    CalcInput e = Zusammen();
    CalcResult r = MitParametern(e);
    e.KiStGezahltIn = 50;
    SonstigeSonderausgaben(e, r);
    EXPECT_EQ(r.SonderausgabenUebrige, 216);
    e = Einzeln();
    e.SchulgeldIn = 1000.10;  // 30 % = 300.03, rounded up
    SonstigeSonderausgaben(e, r);
    EXPECT_EQ(r.Schulgeld, 301);
    EXPECT_EQ(r.SonderausgabenUebrige, 301);
}

TEST(Abzuege, Vorsorge_Hoechstbetragsrechnung_gegen_Pauschale) {
    CalcInput e = Einzeln();
    e.LohnVorwegKuerzEr = 60000;
    e.LohnVorsPauschEr = 60000;
    CalcResult r = MitParametern(e);
    r.VorsorgeAufw = 20000;
    Vorsorgeaufwendungen(e, r);
    EXPECT_EQ(r.VorwegKuerzung, 9600);
    EXPECT_EQ(r.VorwegabzugRest, 0);
    EXPECT_EQ(r.VorwegabzugGenutzt, 0);
    EXPECT_EQ(r.Grundhoechst, 2610);
    EXPECT_EQ(r.VorsRest2, 17390);
    EXPECT_EQ(r.HalbHoechst, 1305);
    EXPECT_EQ(r.VorsHoechstErgebnis, 3915);
    EXPECT_EQ(r.Vorsorgepauschale, 3888);  // 72 steps of 54
    EXPECT_EQ(r.VorsorgeAbziehbar, 3915);

    // without wages the full Vorwegabzug is used first
    e.LohnVorwegKuerzEr = 0;
    e.LohnVorsPauschEr = 0;
    r.VorsorgeAufw = 10000;
    Vorsorgeaufwendungen(e, r);
    // 6000 + 2610 + Int(1390 / 2 + 0.5)
    EXPECT_EQ(r.VorsHoechstErgebnis, 6000 + 2610 + 695);
}

TEST(Abzuege, Pflegeversicherung_nach_Stichtag) {
    CalcInput e = Zusammen();
    e.PflegeVersEr = 500;
    e.NachStichtagEr = 1;
    e.PflegeVersSie = 200;  // born before: all of it counts as Vorsorge
    CalcResult r = MitParametern(e);
    r.VorsorgeAufw = 0;
    Vorsorgeaufwendungen(e, r);
    EXPECT_EQ(r.PflegeZusatz, 360);
    EXPECT_EQ(r.PflegeUeberschuss, 340);
    EXPECT_EQ(r.VorsAufwBasis, 340);
}

TEST(Abzuege, Vorsorgepauschale_voll_gekuerzt_gemischt) {
    CalcInput e = Einzeln();
    e.UngekuerztEr = 0;
    e.LohnVorsPauschEr = 15000;
    EXPECT_EQ(Vorsorgepauschale(e), 2214);  // 41 * 54
    e.LohnVorsPauschEr = 5000;              // 1000 / 54 = 18.5
    EXPECT_EQ(Vorsorgepauschale(e), 972);

    // mixed: Er full on 40000, Sie reduced on 20000
    e = Zusammen();
    e.LohnVorsPauschEr = 40000;
    e.LohnVorsPauschSie = 20000;
    e.UngekuerztEr = 1;
    e.UngekuerztSie = 0;
    // S = 8000 + 2214, A = 2400, B = 5220, C = 1297: 8917 down to 165 * 54
    EXPECT_EQ(Vorsorgepauschale(e), 8910);
    // both full on 60000 jointly would give 9774
    e.UngekuerztSie = 1;
    EXPECT_EQ(Vorsorgepauschale(e), 9774);
    // the same mix the other way round gives the same amount
    e.LohnVorsPauschEr = 20000;
    e.LohnVorsPauschSie = 40000;
    e.UngekuerztEr = 0;
    e.UngekuerztSie = 1;
    EXPECT_EQ(Vorsorgepauschale(e), 8910);
}

TEST(Abzuege, Zumutbare_Belastung_Baender) {
    EXPECT_EQ(ZumutbareBelastungProzent(1, 1, 30000), 2);
    EXPECT_EQ(ZumutbareBelastungProzent(1, 1, 30000.01), 3);
    EXPECT_EQ(ZumutbareBelastungProzent(2, 1, 100000), 3);
    EXPECT_EQ(ZumutbareBelastungProzent(2, 1, 100000.01), 4);
    EXPECT_EQ(ZumutbareBelastungProzent(3, 2, 20000), 1);
    EXPECT_EQ(ZumutbareBelastungProzent(3, 2, 200000), 2);
    EXPECT_EQ(ZumutbareBelastungProzent(0, 2, 50000), 5);
    EXPECT_EQ(ZumutbareBelastungProzent(0, 1, 150000), 7);

    CalcInput e = Einzeln();
    e.AnzahlKinder = 1;
    e.AgbAndereIn = 1000;
    CalcResult r = MitParametern(e);
    r.GesamtbetragEk = 30000;
    AussergewoehnlicheBelastungen(e, r);
    EXPECT_EQ(r.ZumutbareBelastung, 600);
    EXPECT_EQ(r.AgBAbziehbar, 400);
    r.GesamtbetragEk = 30000.01;
    AussergewoehnlicheBelastungen(e, r);
    EXPECT_EQ(r.ZumutbareBelastung, 900);
    EXPECT_EQ(r.AgBAbziehbar, 100);
    r.GesamtbetragEk = -5000;
    AussergewoehnlicheBelastungen(e, r);
    EXPECT_EQ(r.ZumutbareBelastung, 0);
}

TEST(Abzuege, Wohneigentum_Kategorien_und_Baukindergeld) {
    EXPECT_EQ(WohnKategorie("01.01.1900"), 1);
    EXPECT_EQ(WohnKategorie("31.12.1986"), 1);
    EXPECT_EQ(WohnKategorie("01.01.1987"), 2);
    EXPECT_EQ(WohnKategorie("15.06.1990"), 3);
    EXPECT_EQ(WohnKategorie("30.09.1991"), 4);
    EXPECT_EQ(WohnKategorie("01.10.1991"), 5);
    EXPECT_EQ(WohnKategorie("01.01.1994"), 6);
    EXPECT_EQ(WohnKategorie("01.01.1995"), 7);
    EXPECT_EQ(WohnKategorie("01.01.2005"), 8);
    EXPECT_EQ(WohnKategorie("01.01.2006"), 0);
    EXPECT_EQ(WohnKategorie("  .  .    "), 0);
    EXPECT_EQ(WohnKategorie(""), 0);

    CalcInput e = Einzeln();
    e.AnzahlKinderBaukg = 2;
    e.WohnAbzug = 10000;
    e.WohnAbzug2 = 3000;
    e.WohnVorkosten = 500;
    CalcResult r = MitParametern(e);
    r.GesamtbetragEk = 50000;

    // category 8: no main deduction, Baukindergeld still by the second date
    e.WohnDatum1.Setzen("01.06.1996");
    e.WohnDatum2.Setzen("01.06.1996");
    WohneigentumBaukindergeld(e, r);
    EXPECT_EQ(r.Baukindergeld, 2000);
    EXPECT_EQ(r.WohneigentumAbzug, 500);
    // category 6: the second amount counts too, unless the income is too high
    e.WohnDatum1.Setzen("01.06.1993");
    WohneigentumBaukindergeld(e, r);
    EXPECT_EQ(r.WohneigentumAbzug, 13500);
    r.GesamtbetragEk = 120000.5;
    WohneigentumBaukindergeld(e, r);
    EXPECT_EQ(r.WohneigentumAbzug, 3500);
    EXPECT_EQ(r.Baukindergeld, 0);  // no main deduction, no Baukindergeld
    // old homes: 600 for every child but the first
    r.GesamtbetragEk = 50000;
    e.WohnDatum1.Setzen("01.06.1985");
    e.WohnDatum2.Setzen("01.06.1985");
    WohneigentumBaukindergeld(e, r);
    EXPECT_EQ(r.Baukindergeld, 600);
    EXPECT_EQ(r.WohneigentumAbzug, 10500);
    e.WohnDatum2.Setzen("01.06.1990");
    WohneigentumBaukindergeld(e, r);
    EXPECT_EQ(r.Baukindergeld, 1500);
    e.AnzahlKinderBaukg = 0;
    e.WohnDatum2.Setzen("01.06.1985");
    WohneigentumBaukindergeld(e, r);
    EXPECT_EQ(r.Baukindergeld, 0);  // -1 children count as none
}

TEST(Abzuege, Haushaltsfreibetrag_Bedingungen) {
    CalcInput e = Einzeln();
    e.AnzahlKinderHhFb = 1;
    CalcResult r = MitParametern(e);
    r.KindFbSumme = 9936;
    Haushaltsfreibetrag(e, r);
    EXPECT_EQ(r.HaushaltsFb, 5616);
    e.FlagWitwenSplitting = 1;
    Haushaltsfreibetrag(e, r);
    EXPECT_EQ(r.HaushaltsFb, 0);
    e.FlagWitwenSplitting = 0;
    r.KindFbSumme = 0;
    Haushaltsfreibetrag(e, r);
    EXPECT_EQ(r.HaushaltsFb, 0);
}

TEST(Abzuege, Haerteausgleich) {
    CalcInput e = Einzeln();
    CalcResult r = MitParametern(e);
    r.ArbLohnEr = 30000;
    r.WkNsaEr = 2000;
    r.SummeEkEr = 28000 + 600;
    Haerteausgleich(e, r);
    EXPECT_EQ(r.Haertausgleich, 600);  // up to 800 fully free
    r.SummeEkEr = 28000 + 900;
    Haerteausgleich(e, r);
    EXPECT_EQ(r.Haertausgleich, 700);  // 1600 - 900
    // an Altersentlastungsbetrag on the other income counts, at most 40 % of 700
    r.AltEntlEr = 3000;
    r.VersBezEr = 30000;
    Haerteausgleich(e, r);
    EXPECT_EQ(r.Haertausgleich, 700 - 280);
    r.SummeEkEr = 28000 + 1601;
    Haerteausgleich(e, r);
    EXPECT_EQ(r.Haertausgleich, 0);
    r.ArbLohnEr = 0;  // no wages, no Härteausgleich
    r.SummeEkEr = 500;
    Haerteausgleich(e, r);
    EXPECT_EQ(r.Haertausgleich, 0);
}

TEST(Abzuege, zvE_nie_negativ) {
    CalcResult r{};
    r.Einkommen = 5000;
    r.KindFbAbzug = 9936;
    ZuVersteuerndesEinkommen(r);
    EXPECT_EQ(r.ZvE, 0);
    r.ZvEHinzu = 6000;
    ZuVersteuerndesEinkommen(r);
    EXPECT_EQ(r.ZvE, 1064);
}

// §10d(2) EStG 2001: the loss carried forward, same kind in full, other kinds
// up to 100,000 (200,000 jointly) plus half of the remainder, never below 0.
TEST(Abzuege, Verlustabzug_begrenzt) {
    struct Fall {
        bool zusammen;
        double gesamtbetrag, verlust, gleicheArt, abziehbar;
    };
    constexpr Fall faelle[] = {
        {false, 300000, 400000, 0, 200000},      // 100,000 + 200,000 / 2
        {false, 300000, 400000, 50000, 225000},  // 50,000 + 100,000 + 150,000 / 2
        {false, 80000, 50000, 0, 50000},         // below the 100,000
        {false, 80000, 100000, 0, 80000},        // up to the Gesamtbetrag only
        {false, 100001, 200000, 0, 100001},      // the half of 1 DM rounded up
        {false, 300000, 400000, 900000, 300000},  // a same-kind share above the loss
        {false, -5000, 1000, 0, 0},
        {true, 300000, 400000, 0, 250000},  // 200,000 + 100,000 / 2
    };
    for (const Fall& f : faelle) {
        CalcInput e = f.zusammen ? Zusammen() : Einzeln();
        e.VerlustabzugIn = f.verlust;
        e.VerlustGleicheArtIn = f.gleicheArt;
        CalcResult r = MitParametern(e);
        r.GesamtbetragEk = f.gesamtbetrag;
        Verlustabzug(e, r);
        EXPECT_EQ(r.VerlustabzugAbziehbar, f.abziehbar) << f.gesamtbetrag << " " << f.verlust;
        EXPECT_EQ(r.VerlustabzugVerbleibend, f.verlust - f.abziehbar) << f.gesamtbetrag;
    }
}
