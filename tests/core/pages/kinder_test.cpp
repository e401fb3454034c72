// Children page, education allowance and disability Pauschbetrag.
#include "pages/kinder.h"

#include <gtest/gtest.h>

#include "calc/betrag.h"
#include "case/caserecord.h"

using namespace quarnel;

namespace {

constexpr int Leiblich = 2, Pflegekind = 3, GruppeIII = 4;

int32_t D(int t, int m, int j) {
    return TagesNummer(j, m, t);
}

// A new case with child 1 born on `geburt`, resident in Germany for the year
// (from birth when born in it) and the taxpayer's natural child.
CaseRecord MitKind(int32_t geburt, bool splitting = false) {
    CaseRecord r;
    NeuerFallDatensatz(r);
    r.SetzeBool(Feld::Grundtabelle, !splitting);
    r.SetzeBool(Feld::Splitting, splitting);
    r.SetzeInt(Feld::GebAm, geburt);
    r.SetzeInt(Feld::InlandVom, std::max(geburt, ErsterTagSteuerjahr));
    r.SetzeInt(Feld::InlandBis, LetzterTagSteuerjahr);
    r.SetzeInt(Feld::KindschaftZuEhemannLB, Leiblich);
    if (splitting) r.SetzeInt(Feld::KindschaftZuEhefrauLB, Leiblich);
    return r;
}

}  // namespace

TEST(Altersgrenze, Tag_vor_dem_Geburtstag_und_29_Februar) {
    EXPECT_EQ(Altersgrenze(D(15, 3, 1983), 18), D(14, 3, 2001));
    EXPECT_EQ(Altersgrenze(D(1, 1, 1983), 18), D(31, 12, 2000));
    // 29 February counts as the 28th plus one day: the limit is 28 February
    EXPECT_EQ(Altersgrenze(D(29, 2, 1980), 21), D(28, 2, 2001));
    EXPECT_EQ(Altersgrenze(D(29, 2, 1984), 16), D(28, 2, 2000));
    EXPECT_EQ(Altersgrenze(D(31, 5, 1983), 18), D(30, 5, 2001));
    EXPECT_EQ(Altersgrenze(KeinDatum, 18), KeinDatum);

    EXPECT_EQ(MonateUnter(D(15, 3, 1983), 18), 3);  // the month of completion counts
    EXPECT_EQ(MonateUnter(D(1, 1, 1983), 18), 0);
    EXPECT_EQ(MonateUnter(D(2, 1, 1983), 18), 1);
    EXPECT_EQ(MonateUnter(D(1, 1, 1984), 18), 12);
    EXPECT_EQ(MonateUnter(D(29, 2, 1980), 21), 2);
    EXPECT_EQ(MonateUnter(KeinDatum, 18), 0);
}

TEST(KindRechnen, Geburt_im_Jahr_und_Altersgrenze) {
    // born 15 May 2001, both parents natural: May to December with two units
    CaseRecord r = MitKind(D(15, 5, 2001), true);
    KindRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 8 * 576);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbMax), 6912);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindBetrFbJahr), 8 * 252);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindBetrFbMax), 3024);

    // 18 in March 2001, basic table, one natural parent: three months, no care
    r = MitKind(D(15, 3, 1983));
    KindRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 864);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbMax), 3456);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindBetrFbJahr), 0);

    // born 29 February 1980 and in training: the limit 21 falls on 28 February
    r = MitKind(D(29, 2, 1980));
    r.SetzeBool(Feld::BesHeit_5, true);  // limit 21: 28 February 2001
    r.SetzeInt(Feld::BesonderheitVom, ErsterTagSteuerjahr);
    r.SetzeInt(Feld::BesonderheitBis, LetzterTagSteuerjahr);
    KindRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 2 * 288);

    // no birth date: nothing, and nothing without residence either
    r = MitKind(KeinDatum);
    KindRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 0);
    r = MitKind(D(1, 1, 1995));
    r.SetzeInt(Feld::InlandVom, KeinDatum);
    r.SetzeInt(Feld::InlandBis, KeinDatum);
    KindRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 0);
}

TEST(KindRechnen, Einheiten_der_Eltern) {
    // basic table: one unit, the second comes from 75 %, death or abroad
    CaseRecord r = MitKind(D(1, 1, 1995));
    KindRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 3456);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindBetrFbJahr), 1512);
    r.SetzeBool(Feld::BeantrageKiFbWg75CB, true);
    KindRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 6912);

    r = MitKind(D(1, 1, 1995));
    r.SetzeInt(Feld::KindschaftWpTodAm, D(10, 7, 2001));  // second unit from July
    KindRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 6 * 288 + 6 * 576);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbMax), 6912);

    r = MitKind(D(1, 1, 1995));
    r.SetzeInt(Feld::AntragKiFbWgAuslVom, D(16, 3, 2001));  // April ..
    r.SetzeInt(Feld::AntragKiFbWgAuslBis, D(15, 6, 2001));  // .. May
    KindRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 10 * 288 + 2 * 576);

    // the spouse's relation counts only under splitting; a foster child has two
    r = MitKind(D(1, 1, 1995));
    r.SetzeInt(Feld::KindschaftZuEhefrauLB, Leiblich);
    KindRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 3456);
    r.SetzeInt(Feld::KindschaftZuEhemannLB, Pflegekind);
    KindRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 6912);

    // transferred allowance: nothing, no care allowance, no education allowance
    r = MitKind(D(1, 1, 1995), true);
    r.SetzeDbl(Feld::AusbildFreibetrag, 1800);
    KindRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::AusbildFbLbl), 1800);
    r.SetzeBool(Feld::UebertrageKiFbCB, true);
    KindRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 0);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindBetrFbJahr), 0);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::AusbildFbLbl), 0);
}

TEST(KindRechnen, Ausland_und_Haushaltsfreibetrag) {
    CaseRecord r = MitKind(D(1, 1, 1995));
    r.SetzeInt(Feld::InlandVom, KeinDatum);
    r.SetzeInt(Feld::InlandBis, KeinDatum);
    r.SetzeInt(Feld::AuslandVom, ErsterTagSteuerjahr);
    r.SetzeInt(Feld::AuslandBis, LetzterTagSteuerjahr);
    r.SetzeInt(Feld::StaatLB, GruppeIII);
    KindRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 12 * 96);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindBetrFbJahr), 12 * 42);
    EXPECT_FALSE(r.Bool(Feld::KindHhFbMoeglich));

    r.SetzeBool(Feld::GemeldetStpflCB, true);
    KindRechnen(r, 1);
    EXPECT_TRUE(r.Bool(Feld::KindHhFbMoeglich));
    r.SetzeBool(Feld::UebertragungZugestimmtCB, true);
    KindRechnen(r, 1);
    EXPECT_FALSE(r.Bool(Feld::KindHhFbMoeglich));
}

TEST(KindRechnen, Kind_ueber_18_mit_eigenen_Einkuenften) {
    auto student = [](double brutto) {
        CaseRecord r = MitKind(D(1, 1, 1980), true);
        r.SetzeBool(Feld::BesHeit_1, true);
        r.SetzeInt(Feld::BesonderheitVom, ErsterTagSteuerjahr);
        r.SetzeInt(Feld::BesonderheitBis, LetzterTagSteuerjahr);
        r.SetzeDbl(Feld::Kind_BruttoIn, brutto);
        KindRechnen(r, 1);
        return r.Dbl(Feld::KindKiFbJahr);
    };
    EXPECT_DOUBLE_EQ(student(0), 6912);
    EXPECT_DOUBLE_EQ(student(16040), 6912);  // 14,040 net = 1,170 a month
    EXPECT_DOUBLE_EQ(student(16053), 0);     // 14,053 net: above the limit
    // special education costs raise the limit
    CaseRecord r = MitKind(D(1, 1, 1980), true);
    r.SetzeBool(Feld::BesHeit_1, true);
    r.SetzeInt(Feld::BesonderheitVom, ErsterTagSteuerjahr);
    r.SetzeInt(Feld::BesonderheitBis, LetzterTagSteuerjahr);
    r.SetzeDbl(Feld::Kind_BruttoIn, 17000);
    r.SetzeDbl(Feld::BesAusBildKostIn, 1200);
    KindRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 6912);

    // no circumstance checked, or the circumstance's age limit passed: nothing
    r = MitKind(D(1, 1, 1975), true);
    r.SetzeInt(Feld::BesonderheitVom, ErsterTagSteuerjahr);
    r.SetzeInt(Feld::BesonderheitBis, LetzterTagSteuerjahr);
    KindRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 0);
    r.SetzeBool(Feld::BesHeit_1, true);  // 27 completed on 31 December 2001
    KindRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 6912);
    r.SetzeInt(Feld::GebAm, D(1, 7, 1974));  // 27 completed on 30 June 2001
    KindRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 6 * 576);
    // service extends the limit by its months
    r.SetzeBool(Feld::BesHeit_1, false);
    r.SetzeBool(Feld::BesHeit_8, true);
    r.SetzeInt(Feld::WehrdienstVom, D(1, 1, 1994));
    r.SetzeInt(Feld::WehrdienstBis, D(31, 3, 1994));
    KindRechnen(r, 1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 9 * 576);
}

namespace {

CaseRecord InAusbildung(int32_t geburt, bool auswaerts) {
    CaseRecord r = MitKind(geburt, true);
    r.SetzeInt(Feld::AusbildVom, ErsterTagSteuerjahr);
    r.SetzeInt(Feld::AusbildBis, LetzterTagSteuerjahr);
    if (auswaerts) {
        r.SetzeInt(Feld::AuswaertsVom, ErsterTagSteuerjahr);
        r.SetzeInt(Feld::AuswaertsBis, LetzterTagSteuerjahr);
    }
    return r;
}

double Ausbildungsfreibetrag(CaseRecord& r) {
    AusbildungsFbRechnen(r, 1);
    return r.Dbl(Feld::AusbildFreibetrag);
}

}  // namespace

TEST(AusbildungsFbRechnen, Freibetrag_nach_Alter_und_Unterbringung) {
    CaseRecord r = InAusbildung(D(10, 5, 1981), false);
    EXPECT_DOUBLE_EQ(Ausbildungsfreibetrag(r), 2400);
    r = InAusbildung(D(10, 5, 1981), true);
    EXPECT_DOUBLE_EQ(Ausbildungsfreibetrag(r), 4200);
    r.SetzeDbl(Feld::Ausbild_AufteilungProz, 50);  // typed on the page: it stays
    r.SetzeBool(Feld::Ausbild_AufteilungEingegeben, true);
    EXPECT_DOUBLE_EQ(Ausbildungsfreibetrag(r), 2100);
    r.SetzeDbl(Feld::Ausbild_AufteilungProz, 33);
    EXPECT_DOUBLE_EQ(Ausbildungsfreibetrag(r), 1386);

    // 18 on 1 July: July counts as 18 or more; born 2 July the same
    r = InAusbildung(D(1, 7, 1983), true);
    EXPECT_DOUBLE_EQ(Ausbildungsfreibetrag(r), 3000);
    r = InAusbildung(D(2, 7, 1983), true);
    EXPECT_DOUBLE_EQ(Ausbildungsfreibetrag(r), 3000);
    KindRechnen(r, 1);  // while July is still a month under 18 for the child allowance
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 7 * 576);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::AusbildFbLbl), 3000);

    // a child under 18 at home gets nothing; a training half year gives half
    r = InAusbildung(D(1, 1, 1990), false);
    EXPECT_DOUBLE_EQ(Ausbildungsfreibetrag(r), 0);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::FreibetragVorKuerz), 0);
    r = InAusbildung(D(10, 5, 1981), false);
    r.SetzeInt(Feld::AusbildVom, D(20, 7, 2001));
    EXPECT_DOUBLE_EQ(Ausbildungsfreibetrag(r), 1200);

    // without training dates, or with them reversed: 0, whatever was stored
    r.SetzeInt(Feld::AusbildBis, D(30, 6, 2001));
    EXPECT_DOUBLE_EQ(Ausbildungsfreibetrag(r), 0);
    r.SetzeInt(Feld::AusbildBis, KeinDatum);
    r.SetzeDbl(Feld::AusbildFreibetrag, 999);
    EXPECT_DOUBLE_EQ(Ausbildungsfreibetrag(r), 0);
}

TEST(AusbildungsFbRechnen, Kuerzung_um_eigene_Einkuenfte) {
    CaseRecord r = InAusbildung(D(10, 5, 1981), false);
    r.SetzeDbl(Feld::Ausbild_BruttoIn, 5600);  // 3,600 after the Pauschbetrag: no reduction
    EXPECT_DOUBLE_EQ(Ausbildungsfreibetrag(r), 2400);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::BezuegeKind), 5600);
    r.SetzeDbl(Feld::Ausbild_BruttoIn, 6600);
    EXPECT_DOUBLE_EQ(Ausbildungsfreibetrag(r), 1400);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::FreibetragVorKuerz), 2400);
    r.SetzeDbl(Feld::Ausbild_BruttoIn, 20000);
    EXPECT_DOUBLE_EQ(Ausbildungsfreibetrag(r), 0);

    // grants are deducted in full beyond the 360 DM Pauschbetrag
    r = InAusbildung(D(10, 5, 1981), false);
    r.SetzeDbl(Feld::Ausbild_AusBeihIn, 1360);
    EXPECT_DOUBLE_EQ(Ausbildungsfreibetrag(r), 1400);
    // with Bafög in six of twelve months only half of the allowance is reduced
    r.SetzeInt(Feld::Ausbild_MonateMitBafoeg, 6);
    EXPECT_DOUBLE_EQ(Ausbildungsfreibetrag(r), 1400);
    r.SetzeDbl(Feld::Ausbild_AusBeihIn, 360);
    EXPECT_DOUBLE_EQ(Ausbildungsfreibetrag(r), 2400);
}

TEST(BehPauschBetragRechnen, Grad_Merkmale_und_Anteil) {
    CaseRecord r;
    NeuerFallDatensatz(r);
    auto pausch = [&](int person, int grad) {
        r.SetzeInt(Feld::GradBehinderung, grad, person);
        return BehPauschBetragRechnen(r, person);
    };
    EXPECT_DOUBLE_EQ(pausch(1, 0), 0);
    EXPECT_DOUBLE_EQ(pausch(1, 20), 0);
    EXPECT_DOUBLE_EQ(pausch(1, 30), 0);  // under 50 only with one of the marks
    r.SetzeBool(Feld::BeweglickCB, true, 1);
    EXPECT_DOUBLE_EQ(pausch(1, 30), 600);
    EXPECT_DOUBLE_EQ(pausch(1, 44), 840);
    r.SetzeBool(Feld::BeweglickCB, false, 1);
    EXPECT_DOUBLE_EQ(pausch(1, 50), 1110);
    EXPECT_DOUBLE_EQ(pausch(1, 64), 1410);
    EXPECT_DOUBLE_EQ(pausch(1, 90), 2400);
    EXPECT_DOUBLE_EQ(pausch(1, 91), 2760);
    EXPECT_DOUBLE_EQ(pausch(1, 100), 2760);
    EXPECT_DOUBLE_EQ(pausch(1, 120), 0);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::BehPauschBetrag, 1), 0);
    r.SetzeBool(Feld::HilfLosCB, true, 1);
    EXPECT_DOUBLE_EQ(pausch(1, 0), 7200);

    // a child's share, rounded up; the other elements stay untouched
    r.SetzeDbl(Feld::BehindN_AufteilungProz, 33, 4);
    EXPECT_DOUBLE_EQ(pausch(4, 50), 367);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::BehPauschBetrag, 3), 0);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::BehPauschBetrag, 1), 7200);
}

TEST(KinderSeite, Geburtsdatum_Vorgaben_und_Zeitraeume) {
    CaseRecord r;
    NeuerFallDatensatz(r);
    EXPECT_FALSE(GeburtsdatumVorgaben(r, 1, true));  // no birth date
    r.SetzeInt(Feld::GebAm, D(15, 5, 2001));
    EXPECT_TRUE(GeburtsdatumVorgaben(r, 1, true));
    EXPECT_EQ(r.Int(Feld::InlandVom), D(15, 5, 2001));
    EXPECT_EQ(r.Int(Feld::InlandBis), LetzterTagSteuerjahr);
    EXPECT_EQ(r.Int(Feld::KindschaftZuEhefrauLB), Leiblich);
    EXPECT_TRUE(r.Bool(Feld::KiZumHHGehoer));
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::ErhKiGeld), 3240);
    EXPECT_FALSE(GeburtsdatumVorgaben(r, 1, true));  // residence given: left alone

    // a third child under the basic table keeps its relation and gets half
    r.SetzeInt(Feld::GebAm, D(3, 3, 1990), 3);
    r.SetzeInt(Feld::KindschaftZuEhemannLB, Pflegekind, 3);
    EXPECT_TRUE(GeburtsdatumVorgaben(r, 3, false));
    EXPECT_EQ(r.Int(Feld::InlandVom, 3), ErsterTagSteuerjahr);
    EXPECT_EQ(r.Int(Feld::KindschaftZuEhemannLB, 3), Pflegekind);
    EXPECT_EQ(r.Int(Feld::KindschaftZuEhefrauLB, 3), -1);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::ErhKiGeld, 3), 1800);
    r.SetzeInt(Feld::GebAm, D(3, 3, 1990), 6);
    GeburtsdatumVorgaben(r, 6, true);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::ErhKiGeld, 6), 4200);

    EXPECT_EQ(MonatsSpanneText(ErsterTagSteuerjahr, LetzterTagSteuerjahr), "Jan.-Dez.");
    EXPECT_EQ(MonatsSpanneText(D(1, 3, 2001), D(30, 6, 2001)), "M\xC3\xA4rz-Juni");
    EXPECT_EQ(MonatsSpanneText(D(1, 3, 2001), KeinDatum), "keine Angabe");

    const std::string kein = "Kein Freibetrag m\xC3\xB6glich (vgl. Hilfe!)";
    r = MitKind(D(15, 3, 1983));  // 18 in March
    EXPECT_EQ(AusbildungsZeitraumText(r, 1), "(01.01.2001 bis 31.03.2001)");
    r = MitKind(D(15, 3, 1970));
    EXPECT_EQ(AusbildungsZeitraumText(r, 1), kein);
    r = MitKind(D(1, 1, 1980));  // over 18, training from April: until the period's end
    r.SetzeBool(Feld::BesHeit_1, true);
    r.SetzeInt(Feld::BesonderheitVom, D(1, 4, 2001));
    r.SetzeInt(Feld::BesonderheitBis, D(20, 9, 2001));
    EXPECT_EQ(AusbildungsZeitraumText(r, 1), "(01.04.2001 bis 20.09.2001)");
    r.SetzeBool(Feld::BesHeit_1, false);
    EXPECT_EQ(AusbildungsZeitraumText(r, 1), kein);
    r = MitKind(D(1, 1, 1995));
    EXPECT_EQ(AusbildungsZeitraumText(r, 1), "(01.01.2001 bis 31.12.2001)");
}

TEST(KinderUndBehinderteRechnen, Reihenfolge_und_leerer_Fall) {
    // a new case yields nothing anywhere
    CaseRecord r;
    NeuerFallDatensatz(r);
    KinderUndBehinderteRechnen(r);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr, k), 0);
        EXPECT_DOUBLE_EQ(r.Dbl(Feld::AusbildFbLbl, k), 0);
    }
    for (int p = 1; p <= 8; ++p) EXPECT_DOUBLE_EQ(r.Dbl(Feld::BehPauschBetrag, p), 0);

    // a stale education allowance in the child block is replaced by the fresh one
    r = InAusbildung(D(10, 5, 1981), true);
    r.SetzeBool(Feld::BesHeit_1, true);
    r.SetzeInt(Feld::BesonderheitVom, ErsterTagSteuerjahr);
    r.SetzeInt(Feld::BesonderheitBis, LetzterTagSteuerjahr);
    r.SetzeDbl(Feld::AusbildFreibetrag, 1);
    r.SetzeDbl(Feld::AusbildFbLbl, 1);
    r.SetzeInt(Feld::GradBehinderung, 60, 3);
    KinderUndBehinderteRechnen(r);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::KindKiFbJahr), 6912);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::AusbildFbLbl), 4200);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::BehPauschBetrag, 3), 1410);
}
