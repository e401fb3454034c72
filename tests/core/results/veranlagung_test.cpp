// Joint or separate assessment: whole couples worked out by hand, the saving
// against two plain computations, the sweep over the married whole cases, the
// case untouched by the comparison and the rule of the choice field.
#include "results/veranlagung.h"

#include <gtest/gtest.h>

#include "results/fallhilfe.h"
#include "testpfade.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "calc/berechnung.h"
#include "calc/durchgang.h"
#include "calc/fall.h"
#include "calc/deklaration.h"
#include "case/feldwerte.h"
#include "pages/eingabefolgen.h"
#include "pages/personen.h"

using namespace quarnel;
namespace fs = std::filesystem;

namespace {

std::unique_ptr<Fall> Lesen(const fs::path& pfad) {
    FallFehler fehler;
    auto fall = test::FallDateiLesen(pfad, &fehler);
    EXPECT_TRUE(fall) << pfad << ":" << fehler.zeile << ": " << fehler.text;
    return fall ? std::move(fall) : std::make_unique<Fall>();
}

// The joint computation of a case file against its expected values.
void ErwartungenPruefen(const Fall& fall) {
    CalcInput e;
    auto r = std::make_unique<CalcResult>();
    FallRechnen(fall, e, *r);
    for (const auto& a : FallPruefen(fall, e, *r))
        ADD_FAILURE() << a.zeile << ": " << a.feld << " erwartet " << a.erwartet
                      << ", berechnet " << a.berechnet;
}

const VeranlagungsLast& Art(const VeranlagungsVergleich& v, Veranlagungsart a) {
    for (const VeranlagungsLast& l : v.arten)
        if (l.art == a) return l;
    ADD_FAILURE() << "Veranlagungsart fehlt";
    return v.arten.front();
}

// The burden of one plain computation of an input.
double Last(CalcInput e) {
    auto r = std::make_unique<CalcResult>();
    ParameterSetzen(e, *r);
    Berechne(e, *r);
    return r->EStFestzusetzen + r->SoliFestzusetzen + r->KiStFestzusetzen;
}

struct Paar {
    const char* datei;
    double zusammen;  // burden of joint assessment
    double getrennt;  // burden of separate assessment, both spouses
    Veranlagungsart empfohlen;
};

// The burdens as the comments of the case files work them out.
constexpr Paar Paare[] = {
    {"01_getrennt_arbeitslosengeld.fall", 19903.63, 19160.91, Veranlagungsart::Getrennt},
    {"02_zusammen_guenstiger.fall", 8011.67, 13741.37, Veranlagungsart::Zusammen},
};

}  // namespace

TEST(Veranlagung, Paare_von_Hand_gerechnet) {
    for (const Paar& p : Paare) {
        SCOPED_TRACE(p.datei);
        const auto fall = Lesen(fs::path(QUARNEL_TEST_CASES_DIR) / "veranlagung" / p.datei);
        // the joint computation as the file expects it
        ErwartungenPruefen(*fall);

        const VeranlagungsVergleich v = VeranlagungVergleichen(fall->eingabe);
        ASSERT_TRUE(v.waehlbar);
        ASSERT_EQ(v.arten.size(), 2u);
        EXPECT_NEAR(Art(v, Veranlagungsart::Zusammen).gesamt, p.zusammen, 0.005);
        EXPECT_NEAR(Art(v, Veranlagungsart::Getrennt).gesamt, p.getrennt, 0.005);
        EXPECT_EQ(v.empfohlen, p.empfohlen);
        const double minimum = std::min(p.zusammen, p.getrennt);
        EXPECT_NEAR(Art(v, Veranlagungsart::Zusammen).mehr, p.zusammen - minimum, 0.005);
        EXPECT_NEAR(Art(v, Veranlagungsart::Getrennt).mehr, p.getrennt - minimum, 0.005);
        // without prepayments the balance is the burden
        EXPECT_NEAR(Art(v, Veranlagungsart::Getrennt).saldo, p.getrennt, 0.005);
    }
}

// Separate assessment of a couple without shared amounts is nothing but two
// computations of single persons: the saving is the difference of full runs.
TEST(Veranlagung, Ersparnis_ist_Differenz_zweier_Berechnungen) {
    const auto fall = Lesen(fs::path(QUARNEL_TEST_CASES_DIR) / "veranlagung" /
                            "01_getrennt_arbeitslosengeld.fall");
    CalcInput er = fall->eingabe, sie = fall->eingabe;
    for (CalcInput* e : {&er, &sie}) {
        e->FlagZusammen = 0;
        e->FlagEinzel = 1;
    }
    er.VuVInSie = er.ProgEinkSie = 0;
    er.GebJahrSie = 0;
    sie.VuVInEr = sie.VuVInSie;
    sie.ProgEinkEr = sie.ProgEinkSie;
    sie.GebJahrEr = sie.GebJahrSie;
    sie.VuVInSie = sie.ProgEinkSie = 0;
    sie.GebJahrSie = 0;
    const double getrennt = Last(er) + Last(sie);
    const double zusammen = Last(fall->eingabe);

    const VeranlagungsVergleich v = VeranlagungVergleichen(fall->eingabe);
    EXPECT_NEAR(Art(v, Veranlagungsart::Getrennt).gesamt, getrennt, 0.001);
    EXPECT_NEAR(Art(v, Veranlagungsart::Zusammen).mehr, zusammen - getrennt, 0.001);
}

// § 26a(2): the außergewöhnliche Belastungen joint assessment allows, half to
// each; the child allowances half to each; shared special expenses half each.
TEST(Veranlagung, Belastungen_und_Kinder_haelftig) {
    CalcInput g{};
    g.FlagZusammen = 1;
    g.GebJahrEr = 1960;
    g.GebJahrSie = 1961;
    g.VuVInEr = 50000;
    g.VuVInSie = 30000;
    g.AgbAndereIn = 9000;
    g.BehindertenPauschIn = 1110;
    g.VorsorgeIn = 8000;
    g.AnzahlKinderHhFb = 1;
    for (KindSatz& k : g.KindSaetze) k.Schluessel = 200000;
    g.KindSaetze[0] = {140000, 6912, 6912, 3240, 0, 3024, 3024};
    std::array<std::unique_ptr<CalcResult>, 3> r;
    VeranlagungVergleichen(g, &r);
    const double agb = AgbAbgezogen(g, *r[0]);
    EXPECT_GT(agb, 1110);
    for (int p = 0; p < 2; ++p) {
        CalcInput e;
        GetrennteEingabe(g, p, agb, 0.5, e);
        EXPECT_EQ(e.FlagZusammen, 0);
        EXPECT_EQ(e.FlagEinzel, 1);
        EXPECT_EQ(e.AnzahlKinderHhFb, 0);
        EXPECT_DOUBLE_EQ(e.VuVInEr, p == 0 ? 50000 : 30000);
        EXPECT_DOUBLE_EQ(e.VuVInSie, 0);
        EXPECT_DOUBLE_EQ(e.VorsorgeIn, 4000);
        EXPECT_DOUBLE_EQ(e.KindSaetze[0].KinderFb, 3456);
        EXPECT_DOUBLE_EQ(e.KindSaetze[0].BetreuungsFb, 1512);
        EXPECT_DOUBLE_EQ(e.KindSaetze[0].Kindergeld, 1620);
        // the allowed amount, past the zumutbare Belastung of the joint run
        EXPECT_DOUBLE_EQ(AgbAbgezogen(e, *r[1 + p]), agb / 2);
    }
}

// Over every married whole case: the recommendation is the cheapest choice,
// and the comparison leaves the case record byte for byte as it was.
TEST(Veranlagung, Jeder_Ehefall_empfiehlt_das_Minimum_und_bleibt_unberuehrt) {
    int ehepaare = 0;
    for (const auto& eintrag :
         fs::recursive_directory_iterator(fs::path(QUARNEL_TEST_CASES_DIR))) {
        if (eintrag.path().extension() != ".fall") continue;
        const auto fall = test::FallDateiLesen(eintrag.path());
        if (!fall || !fall->satz) continue;
        SCOPED_TRACE(eintrag.path().filename().string());
        auto vorher = std::make_unique<CaseRecord>(*fall->satz);
        const VeranlagungsVergleich v = VeranlagungVergleichen(*fall->satz, fall->kurz);
        EXPECT_EQ(std::memcmp(vorher->Daten(), fall->satz->Daten(), CaseRecord::Groesse), 0);
        EXPECT_EQ(v.waehlbar, VeranlagungWaehlbar(*fall->satz));
        // the computation of the stored choice leaves the case as it was too
        VeranlagungRechnen(*fall->satz, fall->kurz);
        EXPECT_EQ(std::memcmp(vorher->Daten(), fall->satz->Daten(), CaseRecord::Groesse), 0);
        if (!v.waehlbar) {
            EXPECT_EQ(v.arten.size(), 1u);
            continue;
        }
        ++ehepaare;
        double minimum = 1e300;
        for (const VeranlagungsLast& l : v.arten) minimum = std::min(minimum, l.gesamt);
        EXPECT_NEAR(Art(v, v.empfohlen).gesamt, minimum, 0.001);
        EXPECT_NEAR(Art(v, v.empfohlen).mehr, 0, 0.001);
    }
    EXPECT_GE(ehepaare, 3);
}

// The choice is kept only for a couple on the splitting table; older files
// (the field's bytes zero) read as joint.
TEST(Veranlagung, Wahl_nur_fuer_Ehepaare) {
    CaseRecord r;
    NeuerFallDatensatz(r);
    EXPECT_EQ(GespeicherteVeranlagungsart(r), Veranlagungsart::Zusammen);
    r.SetzeInt(Feld::Veranlagungsart, 1);
    const bool ehepaar = VeranlagungWaehlbar(r);
    const std::string hinweis = EingabeFolgen(r, Feld::Veranlagungsart);
    EXPECT_EQ(hinweis.empty(), ehepaar);
    EXPECT_EQ(GespeicherteVeranlagungsart(r),
              ehepaar ? Veranlagungsart::Getrennt : Veranlagungsart::Zusammen);

    r.SetzeBool(Feld::Splitting, true);
    r.SetzeBool(Feld::Grundtabelle, false);
    r.SetzeInt(Feld::Veranlagungsart, 1);
    if (VeranlagungWaehlbar(r)) {
        EXPECT_EQ(EingabeFolgen(r, Feld::Veranlagungsart), "");
        EXPECT_EQ(GespeicherteVeranlagungsart(r), Veranlagungsart::Getrennt);
    }
    r.SetzeBool(Feld::Splitting, false);
    r.SetzeBool(Feld::Grundtabelle, true);
    EXPECT_NE(VeranlagungsartPruefen(r), "");
    EXPECT_EQ(r.Int(Feld::Veranlagungsart), 0);
}

namespace {

struct GanzerFall {
    const char* datei;
    double zusammen, getrennt, besondere;  // burdens; besondere < 0: not admissible
    Veranlagungsart empfohlen;
};

// Whole cases from the record, the burdens as their comments work them out.
constexpr GanzerFall GanzeFaelle[] = {
    {"03_besondere_heirat_witwer.fall", 19598.17, 21235.67, 12815.85, Veranlagungsart::Besondere},
};

// A new case with the values set as a case file's [fall] section sets them.
std::unique_ptr<CaseRecord> Satz(std::initializer_list<std::pair<const char*, const char*>> w) {
    std::string text = "[fall]\n";
    for (const auto& [feld, wert] : w) text += std::string(feld) + " = " + wert + "\n";
    Fall fall;
    FallFehler fehler;
    EXPECT_TRUE(FallLesen(text, fall, fehler)) << fehler.zeile << ": " << fehler.text;
    return std::make_unique<CaseRecord>(fall.satz ? *fall.satz : CaseRecord{});
}

double Belastung(const CaseRecord& fall) {
    auto kopie = std::make_unique<CaseRecord>(fall);
    auto e = std::make_unique<CalcInput>();
    auto r = std::make_unique<CalcResult>();
    DeklarationFuellen(*kopie, *e, *r, false);
    Berechne(*e, *r);
    return r->EStFestzusetzen + r->SoliFestzusetzen + r->KiStFestzusetzen;
}

}  // namespace

TEST(Veranlagung, Ganze_Faelle_von_Hand_gerechnet) {
    for (const GanzerFall& g : GanzeFaelle) {
        SCOPED_TRACE(g.datei);
        const auto fall = Lesen(fs::path(QUARNEL_TEST_CASES_DIR) / "veranlagung" / g.datei);
        ASSERT_TRUE(fall->satz);
        ErwartungenPruefen(*fall);
        const VeranlagungsVergleich v = VeranlagungVergleichen(*fall->satz, fall->kurz);
        ASSERT_TRUE(v.waehlbar);
        ASSERT_EQ(v.arten.size(), g.besondere < 0 ? 2u : 3u);
        EXPECT_NEAR(Art(v, Veranlagungsart::Zusammen).gesamt, g.zusammen, 0.005);
        EXPECT_NEAR(Art(v, Veranlagungsart::Getrennt).gesamt, g.getrennt, 0.005);
        if (g.besondere >= 0) {
            EXPECT_NEAR(Art(v, Veranlagungsart::Besondere).gesamt, g.besondere, 0.005);
        }
        EXPECT_EQ(v.empfohlen, g.empfohlen);
        EXPECT_NEAR(v.ersparnis, Art(v, v.gespeichert).gesamt - Art(v, g.empfohlen).gesamt, 0.001);
    }
}

// § 26c: the special assessment of the couple married in 2001 is two full
// computations of two unmarried persons: he widowed in 2000 (the widow's
// splitting), she a single mother with the Haushaltsfreibetrag.
TEST(Veranlagung, Besondere_ist_Summe_zweier_Unverheirateter) {
    const auto er = Satz({{"ErSie_FamilienstandLB", "4"}, {"FamStandSeit", "20.03.2000"},
                          {"StpflGebDat", "12.05.1960"}, {"StpflReligionLB", "9"},
                          {"BundeslandLb", "8"}, {"Brutto[1]", "80000"}});
    const auto sie = Satz({{"ErSie_FamilienstandLB", "0"}, {"StpflGebDat", "03.09.1966"},
                           {"StpflReligionLB", "9"}, {"BundeslandLb", "8"},
                           {"Brutto[1]", "30000"}, {"GebAm[1]", "10.02.1995"},
                           {"InlandVom[1]", "01.01.2001"}, {"InlandBis[1]", "31.12.2001"},
                           {"KindschaftZuEhemannLB[1]", "2"}, {"GemeldetStpflCB[1]", "ja"},
                           {"ErhKiGeld[1]", "3240"}});
    const double einzeln = Belastung(*er) + Belastung(*sie);
    EXPECT_NEAR(einzeln, 12815.85, 0.005);
    const auto fall = Lesen(fs::path(QUARNEL_TEST_CASES_DIR) / "veranlagung" /
                            "03_besondere_heirat_witwer.fall");
    const VeranlagungsVergleich v = VeranlagungVergleichen(*fall->satz, false);
    EXPECT_NEAR(Art(v, Veranlagungsart::Besondere).gesamt, einzeln, 0.001);
    EXPECT_NEAR(Art(v, Veranlagungsart::Zusammen).mehr,
                Belastung(*fall->satz) - einzeln, 0.001);
}

// Which choice the rule keeps, by marital status and the date it holds since.
TEST(Veranlagung, Regel_der_Wahl_nach_Familienstand) {
    struct Zeile {
        const char* stand;
        const char* seit;
        int wert;
        int bleibt;
    };
    const Zeile zeilen[] = {
        {"1", "15.06.2001", 2, 2}, {"1", "15.06.2001", 1, 1}, {"1", "15.06.1990", 2, 0},
        {"1", "15.06.1990", 1, 1}, {"1", "", 2, 0},           {"0", "", 1, 0},
        {"0", "", 2, 0},           {"4", "20.03.2000", 1, 0}, {"4", "20.03.2001", 2, 0},
        {"2", "01.02.2001", 2, 0}, {"1", "15.06.2001", 7, 0},
    };
    for (const Zeile& z : zeilen) {
        SCOPED_TRACE(std::string(z.stand) + " " + z.seit + " " + std::to_string(z.wert));
        auto r = Satz({{"ErSie_FamilienstandLB", z.stand}});
        if (*z.seit) r->SetzeInt(Feld::FamStandSeit, DatumAusText(z.seit).value_or(-1));
        TabelleEntscheiden(*r);
        r->SetzeInt(Feld::Veranlagungsart, z.wert);
        const std::string hinweis = EingabeFolgen(*r, Feld::Veranlagungsart);
        EXPECT_EQ(r->Int(Feld::Veranlagungsart), z.bleibt);
        EXPECT_EQ(hinweis.empty(), z.wert == z.bleibt);
        EXPECT_EQ(VeranlagungsartZulaessig(*r, static_cast<Veranlagungsart>(z.bleibt)), true);
    }
}
