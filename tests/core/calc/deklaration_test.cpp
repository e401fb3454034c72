// The declaration fill: the values CalcInput receives from a whole case.
#include "calc/deklaration.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/feldnamen.h"
#include "case/caserecord.h"
#include "pages/kapital.h"

using namespace quarnel;

namespace {

constexpr int Evangelisch = 0, Ohne = 9;
constexpr int Bayern = 1, Hamburg = 5;
constexpr int Leiblich = 2;

int32_t D(int t, int m, int j) {
    return TagesNummer(j, m, t);
}

CaseRecord Fall(bool splitting = false) {
    CaseRecord r;
    NeuerFallDatensatz(r);
    r.SetzeBool(Feld::Grundtabelle, !splitting);
    r.SetzeBool(Feld::Splitting, splitting);
    return r;
}

CalcInput Gefuellt(CaseRecord& r, bool kurz = false) {
    CalcInput e;
    DeklarationFuellen(r, e, kurz);
    return e;
}

// A spouse field of CalcInput: nameSie or nameSie[i].
bool EndetAufSie(const std::string& s) {
    return (s.size() >= 3 && s.compare(s.size() - 3, 3, "Sie") == 0) ||
           s.find("Sie[") != std::string::npos;
}

// Spouse values entered while the case was a joint one.
void EhegattenWerte(CaseRecord& r) {
    r.SetzeInt(Feld::EhegGebDat, D(1, 1, 1930));
    r.SetzeInt(Feld::EhegReligionLB, Evangelisch);
    r.SetzeInt(Feld::EhegReligionVon, D(1, 1, 2001));
    r.SetzeInt(Feld::EhegReligionBis, D(31, 12, 2001));
    r.SetzeDbl(Feld::Brutto, 50000, 3);
    r.SetzeDbl(Feld::Versbez, 8000, 4);
    r.SetzeDbl(Feld::Besch630Sie, 3000);
    r.SetzeDbl(Feld::LStBrutto, 9000, 3);  // the wage tax of her first card
    r.SetzeDbl(Feld::EStVzSie, 1000);
    r.SetzeDbl(Feld::WbEinAusDMEhe, 700);
    r.SetzeDbl(Feld::LfdGewSie, 4000);
    r.SetzeDbl(Feld::ZeitwAuslEkSie, 2500);
    r.SetzeDbl(Feld::AnteilSie1, 1200, 1);
    r.SetzeDbl(Feld::ZusPflegeEheg, 300);
    r.SchreibeByte(CaseRecord::Offset(Feld::I_StpflCB, 1), KapPersonSie);
    r.SchreibeByte(CaseRecord::Offset(Feld::I_ArtDividende, 1), 3);
    r.SetzeDbl(Feld::I_EinBetrag, 800, 1);
    r.SetzeDbl(Feld::GewSie1, 2000);
    r.SetzeDbl(Feld::GSE1_VGoFbHKSie, 3000);
    r.SetzeDbl(Feld::VG55LjDmFbSie, 1000);
    r.SetzeInt(Feld::LaeuftSeit3, D(1, 1, 1995));
    r.SetzeDbl(Feld::Zahlung3, 10000);
    r.SetzeDbl(Feld::WeitereErtragDm4, 150);
    r.SetzeDbl(Feld::AnteileWert2, 5000);
    r.SetzeDbl(Feld::VerlustAbEheg, 5000);
    r.SetzeDbl(Feld::BruttoSie, 40000);  // quick-calculation area
    r.SetzeDbl(Feld::LoStSie, 6000);
}

}  // namespace

TEST(DeklarationFuellen, Einzelfall_laesst_alle_Ehegattenwerte_null) {
    CaseRecord r = Fall();
    r.SetzeDbl(Feld::Brutto, 30000, 1);
    EhegattenWerte(r);
    for (bool kurz : {false, true}) {
        if (kurz) r.SetzeInt(Feld::Kurz_FamilienstandLB, 0);
        const CalcInput e = Gefuellt(r, kurz);
        for (const RechenFeld& f : EingabeFelder()) {
            if (!EndetAufSie(f.name)) continue;
            if (f.art == WertArt::Text)
                EXPECT_EQ(WertText(e, f), "") << f.name;
            else
                EXPECT_EQ(*Zahlenwert(e, f), 0) << f.name << (kurz ? " (kurz)" : "");
        }
        EXPECT_EQ(e.VerlustabzugIn, 0);
    }
    EXPECT_FALSE(r.Bool(Feld::AnlNFlagSie));

    // the same record assessed jointly takes them
    CaseRecord z = r;
    z.SetzeBool(Feld::Grundtabelle, false);
    z.SetzeBool(Feld::Splitting, true);
    const CalcInput e = Gefuellt(z);
    EXPECT_EQ(e.FlagZusammen, 1);
    EXPECT_DOUBLE_EQ(e.LohnSie, 50000 + 3000);  // with the 630-DM wages, as she has other income
    EXPECT_DOUBLE_EQ(e.VersBezInSie, 8000);
    EXPECT_DOUBLE_EQ(e.LStSie, 9000);
    EXPECT_DOUBLE_EQ(e.VuVInSie, 1200);
    EXPECT_DOUBLE_EQ(e.VerlustabzugIn, 5000);
    EXPECT_EQ(e.GebJahrSie, 1929);
    EXPECT_EQ(e.KiStMonateSie, 12);
    EXPECT_TRUE(z.Bool(Feld::AnlNFlagSie));

    z.SetzeInt(Feld::Kurz_FamilienstandLB, 1);
    EXPECT_DOUBLE_EQ(Gefuellt(z, true).LohnSie, 40000);
    EXPECT_DOUBLE_EQ(Gefuellt(z, true).LStSie, 6000);
}

TEST(DeklarationFuellen, Geburtsjahr_und_Altersentlastungsbetrag) {
    struct Fall_ {
        int32_t geburt;
        int jahr;
        bool altEntl;
    };
    const Fall_ faelle[] = {
        {D(1, 1, 1937), 1936, true},  // 1 January counts for the year before
        {D(2, 1, 1937), 1937, false},
        {D(31, 12, 1936), 1936, true},
        {-1, 2001, false},  // unknown: never "born before 1937"
    };
    for (const Fall_& f : faelle) {
        CaseRecord r = Fall();
        r.SetzeInt(Feld::StpflGebDat, f.geburt);
        r.SetzeDbl(Feld::Brutto, 30000, 1);
        CalcInput e;
        CalcResult res;
        DeklarationFuellen(r, e, res, false);
        EXPECT_EQ(e.GebJahrEr, f.jahr) << f.geburt;
        EXPECT_DOUBLE_EQ(e.LohnVorsPauschEr, f.altEntl ? 30000 - 3720 : 30000) << f.geburt;
        Berechne(e, res);
        EXPECT_EQ(res.AltEntlEr > 0, f.altEntl) << f.geburt;
    }

    // the care-insurance mark: born after 1957 only, never without a date
    CaseRecord r = Fall();
    r.SetzeInt(Feld::StpflGebDat, D(1, 1, 1958));
    EXPECT_EQ(Gefuellt(r).NachStichtagEr, 1);
    r.SetzeInt(Feld::StpflGebDat, D(31, 12, 1957));
    EXPECT_EQ(Gefuellt(r).NachStichtagEr, 0);
    r.SetzeInt(Feld::StpflGebDat, -1);
    EXPECT_EQ(Gefuellt(r).NachStichtagEr, 0);
    EXPECT_EQ(Gefuellt(r).GebDatumEr.Sicht(), "");
    // the quick variant follows the same rule
    r.SetzeInt(Feld::GebDatStpfl, -1);
    r.SetzeDbl(Feld::BruttoEr, 30000);
    EXPECT_DOUBLE_EQ(Gefuellt(r, true).LohnVorsPauschEr, 30000);
    r.SetzeInt(Feld::GebDatStpfl, D(1, 1, 1937));
    EXPECT_DOUBLE_EQ(Gefuellt(r, true).LohnVorsPauschEr, 30000 - 3720);
}

TEST(DeklarationFuellen, Kirchensteuermonate_mit_Austritt) {
    struct Fall_ {
        int land, religion;
        int32_t von, bis;
        int monate;
        int austritt;
    };
    const Fall_ faelle[] = {
        {Hamburg, Evangelisch, D(1, 1, 2001), D(30, 6, 2001), 7, 1},  // one month more
        {Bayern, Evangelisch, D(1, 1, 2001), D(30, 6, 2001), 6, 0},
        {Hamburg, Evangelisch, D(1, 2, 2001), D(30, 6, 2001), 5, 0},  // not from January
        {Hamburg, Evangelisch, D(1, 1, 2001), D(31, 12, 2001), 12, 0},
        {Hamburg, Ohne, D(1, 1, 2001), D(30, 6, 2001), 0, 0},
        {Hamburg, Evangelisch, -1, D(30, 6, 2001), 0, 0},
    };
    for (const Fall_& f : faelle) {
        CaseRecord r = Fall();
        r.SetzeInt(Feld::BundeslandLb, f.land);
        r.SetzeInt(Feld::StpflReligionLB, f.religion);
        r.SetzeInt(Feld::StpflReligionVon, f.von);
        r.SetzeInt(Feld::StpflReligionBis, f.bis);
        r.SetzeInt(Feld::KiStMonateEr, 99);
        const CalcInput e = Gefuellt(r);
        EXPECT_EQ(e.KiStMonateEr, f.monate) << f.land << " " << f.von;
        EXPECT_EQ(e.KiStAustrittEr, f.austritt) << f.land << " " << f.von;
        EXPECT_EQ(r.Int(Feld::KiStMonateEr), f.monate);
        EXPECT_EQ(e.Bundesland, f.land);
    }
    CaseRecord r = Fall();
    r.SetzeInt(Feld::StpflReligionLB, -1);
    EXPECT_EQ(Gefuellt(r).KonfEr, 9);
}

TEST(DeklarationFuellen, Steuerfreier_630_DM_Lohn) {
    CaseRecord r = Fall();
    r.SetzeDbl(Feld::Besch630Er, 3000);
    CalcInput e = Gefuellt(r);
    EXPECT_EQ(e.LohnZusatzEr, 0);
    EXPECT_EQ(e.LohnEr, 0);

    // 0.20 DM of rental income is other income: the wages become taxable
    r.SetzeDbl(Feld::AnteilEr1, 0.20, 1);
    e = Gefuellt(r);
    EXPECT_DOUBLE_EQ(e.VuVInEr, 0.20);
    EXPECT_DOUBLE_EQ(e.LohnZusatzEr, 3000);
    EXPECT_DOUBLE_EQ(e.LohnEr, 3000);
    EXPECT_DOUBLE_EQ(e.LohnVorsPauschEr, 3000);
    EXPECT_DOUBLE_EQ(e.LohnVorwegKuerzEr, 3000);

    // wages within the Arbeitnehmer-Pauschbetrag are no other income
    r.SetzeDbl(Feld::AnteilEr1, 0, 1);
    r.SetzeDbl(Feld::Brutto, 2000, 1);
    EXPECT_EQ(Gefuellt(r).LohnZusatzEr, 0);
    r.SetzeDbl(Feld::Brutto, 2000.20, 1);
    EXPECT_DOUBLE_EQ(Gefuellt(r).LohnEr, 5000.20);
}

TEST(DeklarationFuellen, Lohnbasen_der_Vorsorgepauschale) {
    CaseRecord r = Fall();
    r.SetzeDbl(Feld::Brutto, 40000, 1);
    r.SetzeDbl(Feld::Versbez, 10000, 1);
    r.SetzeDbl(Feld::Brutto, 5000, 2);
    // an expense allowance below its tax-free amount contributes nothing
    r.SetzeDbl(Feld::StFAufEntbetrag, 1000, 1);
    r.SetzeDbl(Feld::StFAufEntFreiB, 2400, 1);
    r.SetzeDbl(Feld::StBefrNacht630, 500, 2);
    CalcInput e = Gefuellt(r);
    EXPECT_DOUBLE_EQ(e.LohnEr, 44500);
    EXPECT_DOUBLE_EQ(e.LohnVorwegKuerzEr, 30000 + 4500);
    EXPECT_DOUBLE_EQ(e.LohnVorsPauschEr, 44500 - 4000);  // Versorgungs-Freibetrag 40 %
    EXPECT_EQ(e.UngekuerztEr, 1);

    r.SetzeBool(Feld::KeineRVPflBeamterCB, true, 1);
    EXPECT_EQ(Gefuellt(r).UngekuerztEr, 0);
    r.SetzeBool(Feld::KeineRVPflBeamterCB, false, 1);
    // no pension-insurance duty as a board member: nothing reduces the Vorwegabzug
    r.SetzeBool(Feld::KeineRVPflVorstandCB, true, 1);
    e = Gefuellt(r);
    EXPECT_EQ(e.UngekuerztEr, 1);
    EXPECT_DOUBLE_EQ(e.LohnVorwegKuerzEr, 0);
    r.SetzeBool(Feld::KeineRVPflAnwartschaftCB, true, 1);
    e = Gefuellt(r);
    EXPECT_EQ(e.UngekuerztEr, 0);
    EXPECT_DOUBLE_EQ(e.LohnVorwegKuerzEr, 34500);
}

TEST(DeklarationFuellen, Anlagemerker_gesetzt_und_geloescht) {
    CaseRecord r = Fall();
    // stale flags of an earlier fill
    r.SetzeBool(Feld::AnlNFlagSie, true);
    r.SetzeBool(Feld::AnlKapFlag, true);
    r.SetzeBool(Feld::AnlFWFlag, true);
    r.SetzeBool(Feld::AnlVFlag, true, 3);
    Gefuellt(r);
    for (Feld f : {Feld::AnlNFlagEr, Feld::AnlNFlagSie, Feld::AnlKapFlag, Feld::AnlFWFlag,
                   Feld::AnlGSEFlag, Feld::AnlSOFlag, Feld::AnlLuFFlag})
        EXPECT_FALSE(r.Bool(f)) << Def(f).id;
    EXPECT_FALSE(r.Bool(Feld::AnlVFlag, 3));

    r.SetzeDbl(Feld::Brutto, 1000, 2);
    r.SetzeDbl(Feld::AnteilEr1, 500, 2);
    r.SetzeDbl(Feld::LfdGewEr, -300);
    r.SetzeDbl(Feld::GewEr1, 800);
    r.SetzeDbl(Feld::WeitereErtragDm2, 100);
    r.SetzeDbl(Feld::AbzugVorjahr, 4000);
    r.SetzeInt(Feld::GebAm, D(3, 4, 1995), 2);
    const CalcInput e = Gefuellt(r);
    EXPECT_TRUE(r.Bool(Feld::AnlNFlagEr));
    EXPECT_TRUE(r.Bool(Feld::AnlVFlag, 2));
    EXPECT_FALSE(r.Bool(Feld::AnlVFlag, 1));
    EXPECT_TRUE(r.Bool(Feld::AnlLuFFlag));
    EXPECT_TRUE(r.Bool(Feld::AnlGSEFlag));
    EXPECT_TRUE(r.Bool(Feld::AnlSOFlag));
    EXPECT_TRUE(r.Bool(Feld::AnlFWFlag));
    EXPECT_DOUBLE_EQ(e.WohnAbzug, 4000);
    EXPECT_FALSE(r.Bool(Feld::KindAnlFlag, 1));
    EXPECT_TRUE(r.Bool(Feld::KindAnlFlag, 2));

    // the flags follow the values back
    r.SetzeDbl(Feld::Brutto, 0, 2);
    r.SetzeDbl(Feld::AnteilEr1, 0, 2);
    r.SetzeDbl(Feld::LfdGewEr, 0);
    r.SetzeDbl(Feld::GewEr1, 0);
    r.SetzeDbl(Feld::WeitereErtragDm2, 0);
    r.SetzeDbl(Feld::AbzugVorjahr, 0);
    r.SetzeInt(Feld::GebAm, -1, 2);
    Gefuellt(r);
    for (Feld f :
         {Feld::AnlNFlagEr, Feld::AnlLuFFlag, Feld::AnlSOFlag, Feld::AnlFWFlag, Feld::AnlGSEFlag})
        EXPECT_FALSE(r.Bool(f)) << Def(f).id;
    EXPECT_FALSE(r.Bool(Feld::AnlVFlag, 2));
    EXPECT_FALSE(r.Bool(Feld::KindAnlFlag, 2));
}

TEST(DeklarationFuellen, Kindsaetze_nach_Schluessel_geordnet) {
    CaseRecord r = Fall();
    // child 1 without allowances, child 2 with them
    r.SetzeDbl(Feld::ErhKiGeld, 1000, 1);
    r.SetzeInt(Feld::GebAm, D(5, 5, 1990), 2);
    r.SetzeInt(Feld::InlandVom, ErsterTagSteuerjahr, 2);
    r.SetzeInt(Feld::InlandBis, LetzterTagSteuerjahr, 2);
    r.SetzeInt(Feld::KindschaftZuEhemannLB, Leiblich, 2);
    r.SetzeDbl(Feld::ErhKiGeld, 3240, 2);
    CalcInput e = Gefuellt(r);
    ASSERT_GT(r.Dbl(Feld::KindKiFbJahr, 2), 0);
    EXPECT_EQ(e.AnzahlKinder, 1);
    EXPECT_DOUBLE_EQ(e.KindergeldSumme, 4240);
    EXPECT_EQ(e.KindSaetze[0].Schluessel, 0);
    EXPECT_DOUBLE_EQ(e.KindSaetze[0].KinderFb, 0);
    EXPECT_EQ(e.KindSaetze[AnzahlKindSaetze - 1].Schluessel, D(5, 5, 1990));
    EXPECT_DOUBLE_EQ(e.KindSaetze[AnzahlKindSaetze - 1].Kindergeld, 3240);
    EXPECT_DOUBLE_EQ(e.KindSaetze[AnzahlKindSaetze - 1].KinderFb, r.Dbl(Feld::KindKiFbJahr, 2));

    // quick variant: the older of two children with allowances comes first
    r.SetzeInt(Feld::KiFb3, 2);
    r.SetzeInt(Feld::MoKiFb3, 12);
    r.SetzeInt(Feld::MoBetrFb3, 0);
    r.SetzeInt(Feld::KiFb1, 1);
    r.SetzeInt(Feld::MoKiFb1, 6);
    r.SetzeInt(Feld::MoBetrFb1, 6);
    r.SetzeBool(Feld::KiImHH1, true);
    e = Gefuellt(r, true);
    EXPECT_EQ(e.AnzahlKinder, 2);
    EXPECT_EQ(e.AnzahlKinderHhFb, 1);
    const KindSatz& a = e.KindSaetze[AnzahlKindSaetze - 2];
    const KindSatz& b = e.KindSaetze[AnzahlKindSaetze - 1];
    EXPECT_LT(a.Schluessel, b.Schluessel);
    EXPECT_DOUBLE_EQ(a.KinderFb, 6 * 288);
    EXPECT_DOUBLE_EQ(a.BetreuungsFbJahr, 12 * 126);
    EXPECT_DOUBLE_EQ(b.KinderFb, 2 * 12 * 288);
    EXPECT_DOUBLE_EQ(b.BetreuungsFbJahr, 0);
}

TEST(DeklarationFuellen, Steuerfreie_Haelfte_der_Halbeinkuenfte) {
    CaseRecord r = Fall();
    r.SetzeDbl(Feld::GewEr1, 1001);
    r.SetzeDbl(Feld::GSE1_EinkHalbTeilEr, 1001);  // all of it under the half-income procedure
    CalcInput e = Gefuellt(r);
    EXPECT_DOUBLE_EQ(e.GewHalbAnteilEr, 500);
    EXPECT_DOUBLE_EQ(e.GewInEr, 500);
    EXPECT_DOUBLE_EQ(e.HalbeinkFrei, 501);

    // securities sold under the half-income procedure: a gain of 4,000 is taxed by half
    r.SetzeDbl(Feld::VWigu_VerkPreisHT1, 5000);
    r.SetzeDbl(Feld::VWigu_KaufPreisHT1, 1000);
    e = Gefuellt(r);
    EXPECT_DOUBLE_EQ(e.PrivVeraeussInEr, 2000);
    EXPECT_DOUBLE_EQ(e.HalbeinkFrei, 501 + 2000);
    // below the exemption limit nothing is taxed, so nothing is a tax-free half
    r.SetzeDbl(Feld::VWigu_VerkPreisHT1, 2000);
    e = Gefuellt(r);
    EXPECT_DOUBLE_EQ(e.PrivVeraeussInEr, 0);
    EXPECT_DOUBLE_EQ(e.HalbeinkFrei, 501);

    // sale gains: half-income parts of 999 under each of the two rates are
    // counted at 499 each, so 1,000 of the 1,998 stay free
    r.SetzeDbl(Feld::GSE1_VGoFbHKEr, 999);
    r.SetzeDbl(Feld::GSE1_VGoFbErmHKEr, 999);
    e = Gefuellt(r);
    EXPECT_DOUBLE_EQ(e.GewAoEr + e.GewVeraeussEr, 998);
    EXPECT_DOUBLE_EQ(e.HalbeinkFrei, 501 + 1000);
    // after the allowance only the rest of the half-income part counts
    r.SetzeDbl(Feld::GSE1_VGoFbHKEr, 0);
    r.SetzeDbl(Feld::GSE1_VGoFbErmHKEr, 0);
    r.SetzeDbl(Feld::GSE2_VG55LjEr, 100000);
    r.SetzeDbl(Feld::VG55LjHkEr, 50000);
    r.SetzeDbl(Feld::VG55LjDmFbEr, 60000);
    e = Gefuellt(r);
    EXPECT_DOUBLE_EQ(e.SelbVeraeussR2Er, 30000);
    EXPECT_DOUBLE_EQ(e.HalbeinkFrei, 501 + 15000);
}

TEST(DeklarationFuellen, Tabellen_fuer_die_Anlagen) {
    CaseRecord r = Fall(true);
    r.SetzeInt(Feld::StpflGebDat, D(20, 3, 1936));
    // capital: 1,001 DM dividends under the half-income method with 101 DM expenses,
    // 400 DM interest of the spouse
    r.SchreibeByte(CaseRecord::Offset(Feld::I_StpflCB, 1), KapPersonEr);
    r.SchreibeByte(CaseRecord::Offset(Feld::I_ArtDividende, 1), 3);
    r.SetzeDbl(Feld::I_EinBetrag, 1001, 1);
    r.SetzeDbl(Feld::I_EinWk, 101, 1);
    r.SchreibeByte(CaseRecord::Offset(Feld::I_StpflCB, 2), KapPersonSie);
    r.SchreibeByte(CaseRecord::Offset(Feld::I_ArtZinsen, 2), 1);
    r.SetzeDbl(Feld::I_EinBetrag, 400, 2);
    // business: profit 10,000 of which 3,001 under the half-income method; a sale
    // under the allowance of 60,000 on parts of 100,000 (full) and 50,000 (half)
    r.SetzeDbl(Feld::GewEr1, 10000);
    r.SetzeDbl(Feld::GSE1_EinkHalbTeilEr, 3001);
    r.SetzeDbl(Feld::GSE1_VG55LjEr, 100000);
    r.SetzeDbl(Feld::VG55LjHKEr, 50000);
    r.SetzeDbl(Feld::VG55DMFbEr, 60000);
    // self-employment of the spouse with a half-income sale gain of 999
    r.SetzeDbl(Feld::FreibGewinnSie, 7000);
    r.SetzeDbl(Feld::GSE2_VGoFbHKSie, 999);
    // a life annuity from 1 April 2001, 65 years completed: 27 percent of 12,000; a
    // known share of 27.6
    r.SetzeInt(Feld::LaeuftSeit1, D(1, 4, 2001));
    r.SetzeDbl(Feld::Zahlung1, 12000);
    r.SetzeDbl(Feld::ErtAntBek2, 27.6);
    r.SetzeDbl(Feld::Zahlung2, 1000);
    r.SetzeDbl(Feld::WeitereErtragDm2, 450);
    // private sales: securities under the half-income method 1,999, shares 3,000 of 5,000
    r.SetzeDbl(Feld::VWigu_VerkPreisHT1, 2999);
    r.SetzeDbl(Feld::VWigu_KaufPreisHT1, 1000);
    r.SetzeDbl(Feld::AnteileWert1, 5000);
    r.SetzeDbl(Feld::AnteileWertDavonHT1, 3000);
    r.SetzeDbl(Feld::VerGeschVorjVerluste1, -700);

    const CalcInput e = Gefuellt(r);
    EXPECT_DOUBLE_EQ(e.SuHalb1Er, 1001);
    EXPECT_DOUBLE_EQ(e.SuHalb2Er, 101);
    EXPECT_DOUBLE_EQ(e.SuHalb3Er, 500);
    EXPECT_DOUBLE_EQ(e.SuHalb4Er, 51);
    EXPECT_DOUBLE_EQ(e.SuEinHalbEr, 500);
    EXPECT_DOUBLE_EQ(e.SuWkHalbEr, 51);
    EXPECT_DOUBLE_EQ(e.SuNichtHalb1Sie, 400);
    EXPECT_DOUBLE_EQ(e.SuNichtHalb3Sie, 400);
    EXPECT_DOUBLE_EQ(e.SuEinVollSie, 400);
    EXPECT_DOUBLE_EQ(e.KapInEr, 500);

    EXPECT_DOUBLE_EQ(e.GewEinkHalbTeilEr, 3001);
    EXPECT_DOUBLE_EQ(e.GewEinkNettoEr, 6999);
    EXPECT_DOUBLE_EQ(e.GewInEr, 6999 + 1500);
    EXPECT_DOUBLE_EQ(e.GewVeraeussR1Er, 60000);
    EXPECT_DOUBLE_EQ(e.GewVeraeussR2Er, 30000);
    EXPECT_DOUBLE_EQ(e.GewVeraeussR3Er, 15000);
    EXPECT_DOUBLE_EQ(e.VG55DMFbEr, 60000);
    EXPECT_DOUBLE_EQ(e.SelbEinkNettoSie, 7000);
    EXPECT_DOUBLE_EQ(e.SelbVeraeussR2Sie, 999);
    EXPECT_DOUBLE_EQ(e.SelbVeraeussR3Sie, 499);

    EXPECT_DOUBLE_EQ(e.LeibrenteZahlungEr[0], 12000);
    EXPECT_EQ(e.LeibrenteProzentEr[0], 27);
    EXPECT_DOUBLE_EQ(e.LeibrenteStpflEr[0], 3240);
    EXPECT_EQ(e.LeibrenteProzentEr[1], 28);
    EXPECT_DOUBLE_EQ(e.LeibrenteStpflEr[1], 280);
    EXPECT_DOUBLE_EQ(e.RenteWeitereEr, 450);
    EXPECT_DOUBLE_EQ(e.RenteInEr, 450 + 3240 + 280);

    EXPECT_DOUBLE_EQ(e.SpekTeilErgEr[2], 1999);
    EXPECT_DOUBLE_EQ(e.SpekTeilErgEr[4], 2000);
    EXPECT_DOUBLE_EQ(e.SpekTeilErgEr[5], 3000);
    EXPECT_DOUBLE_EQ(e.SpekTeilErgEr[6], -700);
    EXPECT_DOUBLE_EQ(e.SpekHalbAnteilEr, 999 + 1500);
    EXPECT_DOUBLE_EQ(e.PrivVeraeussInEr, 999 + 2000 + 1500 - 700);

    // the quick variant fills the first annuity of each person
    r.SetzeInt(Feld::Kurz_FamilienstandLB, 0);
    r.SetzeDbl(Feld::RentenEr, 20000);
    r.SetzeInt(Feld::RentenProzEr, 27);
    const CalcInput k = Gefuellt(r, true);
    EXPECT_DOUBLE_EQ(k.LeibrenteZahlungEr[0], 20000);
    EXPECT_EQ(k.LeibrenteProzentEr[0], 27);
    EXPECT_DOUBLE_EQ(k.LeibrenteStpflEr[0], 5400);
    EXPECT_DOUBLE_EQ(k.RenteInEr, 5400);
}

TEST(DeklarationFuellen, Pauschbetraege_der_Belastungen_frisch_gerechnet) {
    CaseRecord r = Fall();
    // stale totals of an earlier joint case
    r.SetzeDbl(Feld::BehPauschInsg, 5000);
    r.SetzeDbl(Feld::HiPauschbetragInsg, 9999);
    for (int person : {1, 2}) {
        r.SetzeInt(Feld::GradBehinderung, 60, person);
        r.SetzeDbl(Feld::BehindN_AufteilungProz, 100, person);
        r.SetzeBool(Feld::BehAntrag, true, person);
    }
    r.SetzeBool(Feld::HiAntStpflCB, true);
    r.SetzeBool(Feld::HiAntEhegCB, true);
    CalcInput e = Gefuellt(r);
    EXPECT_DOUBLE_EQ(e.BehindertenPauschIn, 1410);
    EXPECT_DOUBLE_EQ(e.HinterblPauschIn, 720);
    EXPECT_DOUBLE_EQ(r.Dbl(Feld::BehPauschInsg), 1410);

    r.SetzeBool(Feld::Grundtabelle, false);
    r.SetzeBool(Feld::Splitting, true);
    e = Gefuellt(r);
    EXPECT_DOUBLE_EQ(e.BehindertenPauschIn, 2 * 1410);
    EXPECT_DOUBLE_EQ(e.HinterblPauschIn, 2 * 720);
}
