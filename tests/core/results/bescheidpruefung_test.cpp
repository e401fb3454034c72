// Checking the office's notice: the deadline across weekends, month ends and
// holidays; the notice's list record; the comparison, each deviation's tax
// effect against two full computations of its own; the Einspruch letter.
#include "results/bescheidpruefung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "../calc/rechnen_hilfe.h"
#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/durchgang.h"
#include "case/zeichensatz.h"
#include "pages/veranlagungsart.h"
#include "results/einspruch.h"
#include "results/einspruchsfrist.h"
#include "results/fallhilfe.h"
#include "results/veranlagung.h"
#include "results/wieberechnet.h"
#include "testpfade.h"

using namespace quarnel;
namespace fs = std::filesystem;

namespace {

int32_t D(const char* t) {
    int tag, monat, jahr;
    std::sscanf(t, "%d.%d.%d", &tag, &monat, &jahr);
    return TagesNummer(jahr, monat, tag);
}

constexpr int NRW = 9, Niedersachsen = 8, Sachsen = 12, Bayern = 1, Hamburg = 5, Saarland = 11;

}  // namespace

// --- the deadline ------------------------------------------------------------------------

TEST(Einspruchsfrist, Ostersonntage_2001_bis_2010) {
    const char* ostern[] = {"15.04.2001", "31.03.2002", "20.04.2003", "11.04.2004", "27.03.2005",
                            "16.04.2006", "08.04.2007", "23.03.2008", "12.04.2009", "04.04.2010"};
    for (int j = 2001; j <= 2010; ++j) EXPECT_EQ(Ostersonntag(j), D(ostern[j - 2001])) << j;
}

TEST(Einspruchsfrist, Feiertage_bundesweit_und_je_Land) {
    struct Fall {
        const char* tag;
        int land;
        bool feiertag;
    } faelle[] = {
        {"01.01.2002", -1, true},       {"29.03.2002", -1, true},  // Karfreitag
        {"01.04.2002", -1, true},       {"09.05.2002", -1, true},  // Himmelfahrt
        {"20.05.2002", -1, true},       {"03.10.2002", -1, true},
        {"24.12.2002", -1, false},      {"31.12.2002", -1, false},
        {"06.01.2003", Bayern, true},   {"06.01.2003", Hamburg, false},
        {"06.01.2003", 13, true},       {"30.05.2002", NRW, true},  // Fronleichnam
        {"30.05.2002", Niedersachsen, false}, {"15.08.2002", Saarland, true},
        {"15.08.2002", Bayern, false},  {"31.10.2002", Sachsen, true},
        {"31.10.2002", NRW, false},     {"01.11.2002", NRW, true},
        {"01.11.2002", Sachsen, false}, {"20.11.2002", Sachsen, true},  // Buß- und Bettag
        {"20.11.2002", Bayern, false},  {"21.11.2001", Sachsen, true},
        {"17.11.2010", Sachsen, true},  {"16.11.2005", Sachsen, true},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(FeiertagName(D(f.tag), f.land) != nullptr, f.feiertag) << f.tag << " " << f.land;
    // every year of the range: nine nationwide days, never a weekend counted twice
    for (int j = 2001; j <= 2010; ++j) {
        EXPECT_EQ(Feiertage(j, -1).size(), 9u) << j;
        EXPECT_EQ(Feiertage(j, Sachsen).size(), 11u) << j;
        EXPECT_EQ(Feiertage(j, Saarland).size(), 12u) << j;
    }
}

TEST(Einspruchsfrist, Bekanntgabe_und_Fristende) {
    struct Fall {
        const char* aufgabe;
        int land;
        const char* bekanntgabe;
        const char* ende;
        const char* was;
    } faelle[] = {
        {"04.02.2002", NRW, "07.02.2002", "07.03.2002", "Werktage"},
        {"06.02.2002", NRW, "11.02.2002", "11.03.2002", "dritter Tag ein Samstag"},
        {"28.01.2002", NRW, "31.01.2002", "28.02.2002", "kürzerer Monat"},
        {"28.08.2001", NRW, "31.08.2001", "01.10.2001", "30. September ein Sonntag"},
        {"27.01.2004", NRW, "30.01.2004", "01.03.2004", "29. Februar 2004 ein Sonntag"},
        {"27.12.2001", NRW, "31.12.2001", "31.01.2002", "über den Jahreswechsel"},
        {"26.03.2002", NRW, "02.04.2002", "02.05.2002", "Karfreitag bis Ostermontag"},
        {"26.02.2002", NRW, "01.03.2002", "02.04.2002", "Ende am Ostermontag"},
        {"17.05.2002", NRW, "21.05.2002", "21.06.2002", "Pfingstmontag"},
        {"16.04.2002", NRW, "19.04.2002", "21.05.2002", "Ende zu Pfingsten"},
        {"06.04.2002", NRW, "09.04.2002", "10.05.2002", "Ende an Himmelfahrt"},
        {"27.04.2002", NRW, "30.04.2002", "31.05.2002", "Fronleichnam in NRW"},
        {"27.04.2002", Niedersachsen, "30.04.2002", "30.05.2002", "kein Fronleichnam"},
        {"17.11.2002", Sachsen, "21.11.2002", "23.12.2002", "Buß- und Bettag in Sachsen"},
        {"17.11.2002", Bayern, "20.11.2002", "20.12.2002", "Buß- und Bettag anderswo"},
        {"18.11.2001", Sachsen, "22.11.2001", "24.12.2001", "Bettag 2001, Ende Samstag"},
        {"18.11.2001", NRW, "21.11.2001", "21.12.2001", "Bettag 2001 anderswo"},
        {"03.12.2002", Bayern, "06.12.2002", "07.01.2003", "Heilige Drei Könige"},
        {"03.12.2002", Hamburg, "06.12.2002", "06.01.2003", "ohne Heilige Drei Könige"},
        {"12.07.2002", Saarland, "15.07.2002", "16.08.2002", "Mariä Himmelfahrt"},
        {"12.07.2002", Bayern, "15.07.2002", "15.08.2002", "Mariä Himmelfahrt anderswo"},
    };
    for (const Fall& f : faelle) {
        const Einspruchsfrist e = FristBerechnen(D(f.aufgabe), f.land);
        EXPECT_EQ(DatumText(e.bekanntgabe), f.bekanntgabe) << f.was;
        EXPECT_EQ(DatumText(e.ende), f.ende) << f.was;
        EXPECT_TRUE(IstWerktag(e.bekanntgabe, f.land) && IstWerktag(e.ende, f.land)) << f.was;
    }
    EXPECT_EQ(FristBerechnen(-1, NRW).ende, -1);
    // sweep: every posting day of 2001 to 2010 in every Land gives working days,
    // announcement 3..7 days after posting, the end 28..35 days after it
    for (int land = -1; land <= 15; ++land)
        for (int32_t t = D("01.01.2001"); t <= D("31.12.2010"); t += 3) {
            const Einspruchsfrist e = FristBerechnen(t, land);
            ASSERT_TRUE(IstWerktag(e.bekanntgabe, land) && IstWerktag(e.ende, land));
            ASSERT_GE(e.bekanntgabe - t, 3);
            ASSERT_LE(e.bekanntgabe - t, 7) << DatumText(t);
            ASSERT_GE(e.ende - e.bekanntgabe, 28);
            ASSERT_LE(e.ende - e.bekanntgabe, 35) << DatumText(t) << " " << land;
        }
}

// --- the list record -----------------------------------------------------------------------

TEST(AmtsBescheid, Liste_hin_und_zurueck_aeltere_Datei_ohne_Bescheid) {
    Listensatz neu;
    ListeVorbereiten(neu, BescheidListe);
    EXPECT_FALSE(AmtsBescheidLesen(neu).vorhanden);  // what every older file holds there

    AmtsBescheid b;
    b.vorhanden = true;
    b.finanzamt = Utf8ZuCp1252("Köln-Süd");
    b.steuernummer = "214/5678/9012";
    b.bescheidDatum = D("02.05.2002");
    b.aufgabeDatum = D("03.05.2002");
    b.briefDatum = D("15.05.2002");
    for (int i = 0; i < AnzahlPosten; ++i) b.wert[i] = 1000.25 * i - 3000;
    b.vorlaeufig = 0b10101;
    b.angefochten = (uint64_t{1} << 6) | (uint64_t{1} << (AnzahlPosten - 1));
    b.aussetzung = true;
    Listensatz l;
    AmtsBescheidSchreiben(b, l);
    EXPECT_EQ(AmtsBescheidLesen(l), b);
    // the list's own frame stays a list record: bytes 26 and 27, the sum
    EXPECT_EQ(l.bytes[26], 0);
    EXPECT_EQ(l.bytes[27], 1);
    EXPECT_EQ(l.Summe(), 0);
    // removed again: the list of a new case
    AmtsBescheidSchreiben(AmtsBescheid{}, l);
    EXPECT_EQ(l, neu);
}

// --- the comparison ----------------------------------------------------------------------

namespace {

// A couple in NRW, both church members; he earns 62000 with 3500 Werbungskosten,
// she 24000; two children whose Kindergeld beats the allowances.
CalcInput Paar() {
    CalcInput e = test::Zusammen();
    e.Bundesland = NRW;
    e.KonfEr = e.KonfSie = 0;
    e.KiStMonateEr = e.KiStMonateSie = 12;
    e.LohnEr = 62000;
    e.LohnVorsPauschEr = e.LohnVorwegKuerzEr = 62000;
    e.WerbKostEr = 3500;
    e.LohnSie = 24000;
    e.LohnVorsPauschSie = e.LohnVorwegKuerzSie = 24000;
    e.KapInEr = 9000;
    e.VorsorgeIn = 14000;
    e.SteuerberatungIn = 400;
    e.LStEr = 9800;
    e.LStSie = 1900;
    e.SoliLohnEr = 500;
    e.KiStLohnEr = 700;
    e.EStVzEr = 1200;
    e.AnzahlKinder = 2;
    for (int k = 0; k < 2; ++k) {
        KindSatz& s = e.KindSaetze[k];
        s.Schluessel = 140000 + k;
        s.KinderFb = s.KinderFbJahr = 6912;
        s.BetreuungsFb = s.BetreuungsFbJahr = 3024;
        s.Kindergeld = 3240;
    }
    e.KindergeldSumme = 6480;
    return e;
}

// A widow in the year after her husband's death: splitting for one person.
CalcInput Witwe() {
    CalcInput e = test::Einzeln();
    e.FlagWitwenSplitting = 1;
    e.Bundesland = Bayern;
    e.KonfEr = 0;
    e.KiStMonateEr = 12;
    e.LohnEr = 58000;
    e.LohnVorsPauschEr = e.LohnVorwegKuerzEr = 58000;
    e.VorsorgeIn = 6000;
    e.LStEr = 9000;
    return e;
}

struct Gerechnet {
    std::unique_ptr<CalcInput> e;
    std::unique_ptr<CalcResult> r;
    double Steuer() const { return r->EStFestzusetzen + r->SoliFestzusetzen + r->KiStFestzusetzen; }
};
Gerechnet Rechnen(const CalcInput& eingabe) {
    Gerechnet g{std::make_unique<CalcInput>(eingabe), std::make_unique<CalcResult>()};
    ParameterSetzen(*g.e, *g.r);
    Berechne(*g.e, *g.r);
    return g;
}

// The office's notice as the office would write it had it assessed `geaendert`.
AmtsBescheid NoticeOf(const CalcInput& geaendert) {
    return AmtsBescheidVorbelegen(geaendert);
}

using Aenderung = std::function<void(CalcInput&)>;

struct Abweichungsfall {
    const char* name;
    CalcInput (*basis)();
    Aenderung aenderung;
    const char* posten;  // the one deviation expected
};

const Abweichungsfall Abweichungsfaelle[] = {
    {"Werbungskosten um 500 DM gekürzt", Paar, [](CalcInput& e) { e.WerbKostEr -= 500; }, "EkNsaEr"},
    {"ein Kind nicht berücksichtigt", Paar,
     [](CalcInput& e) {
         e.KindSaetze[1] = KindSatz{};
         e.KindSaetze[1].Schluessel = 200000;
         e.AnzahlKinder = 1;
         e.KindergeldSumme = 3240;
     },
     "KinderFb"},
    {"Lohnsteuer 100 DM zu wenig angerechnet", Paar, [](CalcInput& e) { e.LStEr -= 100; }, "LSt"},
    {"Grundtabelle statt Splitting", Witwe, [](CalcInput& e) { e.FlagWitwenSplitting = 0; }, "Tarif"},
    {"Steuerberatungskosten nicht anerkannt: der Pauschbetrag", Paar,
     [](CalcInput& e) { e.SteuerberatungIn = 0; }, "SaUebrige"},
    {"Vorauszahlungen nicht angerechnet", Paar, [](CalcInput& e) { e.EStVzEr = 0; }, "Vorauszahlungen"},
    {"Mieteinkünfte der Ehefrau hinzugeschätzt", Paar, [](CalcInput& e) { e.VuVInSie += 4000; },
     "EkVuVSie"},
};

}  // namespace

TEST(Bescheidvergleich, Eigener_Bescheid_als_Amtsbescheid_keine_Abweichung_kein_Brief) {
    for (CalcInput (*basis)() : {Paar, Witwe}) {
        const CalcInput e = basis();
        const AmtsBescheid amt = AmtsBescheidVorbelegen(e);
        const Bescheidvergleich v = BescheidVergleichen(e, amt);
        EXPECT_TRUE(v.Abweichungen().empty());
        for (const Postenvergleich& z : v.zeilen) EXPECT_EQ(z.befund, Befund::Gleich) << Posten()[z.posten].schluessel;
        EXPECT_EQ(v.saldoDifferenz, 0);
        CaseRecord fall;
        NeuerFallDatensatz(fall);
        const Einspruchsbrief b = EinspruchErstellen(fall, amt, v, AngefochteneZeilen(v, amt), D("01.06.2002"));
        EXPECT_EQ(b.fehler, EinspruchFehler::KeineAbweichung);
        EXPECT_TRUE(b.zeilen.empty());
    }
}

TEST(Bescheidvergleich, Eine_Abweichung_je_Familie_Wirkung_aus_zwei_vollen_Rechnungen) {
    for (const Abweichungsfall& f : Abweichungsfaelle) {
        SCOPED_TRACE(f.name);
        const CalcInput basis = f.basis();
        CalcInput geaendert = basis;
        f.aenderung(geaendert);
        const Bescheidvergleich v = BescheidVergleichen(basis, NoticeOf(geaendert));
        const auto abw = v.Abweichungen();
        ASSERT_EQ(abw.size(), 1u);
        EXPECT_STREQ(Posten()[abw[0]->posten].schluessel, f.posten);
        for (const Postenvergleich& z : v.zeilen)
            EXPECT_NE(z.befund, Befund::Unerklaert) << Posten()[z.posten].schluessel;
        const Gerechnet a = Rechnen(basis), b = Rechnen(geaendert);
        EXPECT_NEAR(abw[0]->wirkung.steuer, b.Steuer() - a.Steuer(), 0.005);
        EXPECT_NEAR(abw[0]->wirkung.saldo, b.r->GesamtSaldo - a.r->GesamtSaldo, 0.005);
        // the summary: the one deviation explains the whole difference of the balance
        EXPECT_NEAR(v.saldoDifferenz, b.r->GesamtSaldo - a.r->GesamtSaldo, 0.005);
        EXPECT_NEAR(v.saldoErklaert, v.saldoDifferenz, 0.005);
    }
    // the cases are what their names say
    CalcInput p = Paar();
    const Gerechnet a = Rechnen(p);
    p.WerbKostEr -= 500;
    EXPECT_GT(Rechnen(p).Steuer(), a.Steuer() + 100);
    p = Paar();
    p.LStEr -= 100;
    EXPECT_EQ(Rechnen(p).Steuer(), a.Steuer());
    EXPECT_NEAR(Rechnen(p).r->GesamtSaldo - a.r->GesamtSaldo, 100, 0.001);
}

TEST(Bescheidvergleich, Fuenf_Abweichungen_zusammen_erklaeren_den_Saldo) {
    const CalcInput basis = Paar();
    CalcInput geaendert = basis;
    for (int i : {0, 1, 2, 4, 5}) Abweichungsfaelle[i].aenderung(geaendert);
    const Bescheidvergleich v = BescheidVergleichen(basis, NoticeOf(geaendert));
    EXPECT_EQ(v.Abweichungen().size(), 5u);
    const Gerechnet a = Rechnen(basis), b = Rechnen(geaendert);
    EXPECT_NEAR(v.saldoDifferenz, b.r->GesamtSaldo - a.r->GesamtSaldo, 0.005);
    EXPECT_NEAR(v.saldoErklaert, v.saldoDifferenz, 0.01);
    EXPECT_NEAR(v.gesamt.steuer, b.Steuer() - a.Steuer(), 0.01);
    // each effect is its own line moved alone, whatever else the office changed
    for (const Postenvergleich* z : v.Abweichungen())
        for (int i : {0, 1, 2, 4, 5})
            if (Posten()[z->posten].schluessel == std::string(Abweichungsfaelle[i].posten)) {
                CalcInput allein = basis;
                Abweichungsfaelle[i].aenderung(allein);
                EXPECT_NEAR(z->wirkung.steuer, Rechnen(allein).Steuer() - a.Steuer(), 0.005)
                    << Abweichungsfaelle[i].name;
            }
}

TEST(Bescheidvergleich, Rundung_bis_1_DM_ist_Uebereinstimmung_sonst_unerklaerte_Folge) {
    const CalcInput e = Paar();
    AmtsBescheid amt = AmtsBescheidVorbelegen(e);
    const int est = *PostenSuchen("ESt"), lst = *PostenSuchen("LSt");
    amt.wert[est] += 1;
    amt.wert[lst] -= 0.99;
    EXPECT_TRUE(BescheidVergleichen(e, amt).Abweichungen().empty());
    // a tax that differs with no line behind it is shown, but explains nothing
    amt.wert[est] += 50;
    const Bescheidvergleich v = BescheidVergleichen(e, amt);
    EXPECT_TRUE(v.Abweichungen().empty());
    bool gefunden = false;
    for (const Postenvergleich& z : v.zeilen)
        if (z.posten == est) gefunden = z.befund == Befund::Unerklaert;
    EXPECT_TRUE(gefunden);
    // the spouse's lines do not exist for a person assessed alone
    for (const Postenvergleich& z : BescheidVergleichen(Witwe(), AmtsBescheidVorbelegen(Witwe())).zeilen)
        EXPECT_NE(Posten()[z.posten].person, 1);
}

TEST(Bescheidvergleich, Der_Fall_bleibt_unberuehrt) {
    CaseRecord fall;
    NeuerFallDatensatz(fall);
    const CaseRecord vorher = fall;
    AmtsBescheid amt = AmtsBescheidVorbelegen(fall);
    amt.wert[*PostenSuchen("LSt")] -= 100;
    const Bescheidvergleich v = BescheidVergleichen(fall, amt);
    EXPECT_EQ(v.Abweichungen().size(), 1u);
    EXPECT_TRUE(fall == vorher);
}

// The office taxed a jointly assessed couple by the basic table: that is separate
// assessment, and the line's effect is the difference of the two full
// assessments, whichever of them is cheaper; the taxes follow from it.
TEST(Bescheidvergleich, Grundtabelle_beim_Ehepaar_wirkt_wie_getrennte_Veranlagung) {
    struct Paarfall {
        const char* name;
        CalcInput (*basis)();
        bool getrenntGuenstiger;
    } faelle[] = {
        {"Paar mit Kindern", Paar, false},
        {"Ehefrau mit Arbeitslosengeld",
         [] {
             CalcInput e = test::Zusammen();
             e.GebJahrEr = 1960;
             e.GebJahrSie = 1962;
             e.VuVInEr = e.VuVInSie = 40108;
             e.ProgEinkSie = 60000;
             e.EStVzEr = 9000;
             return e;
         },
         true},
    };
    for (const Paarfall& f : faelle) {
        SCOPED_TRACE(f.name);
        const CalcInput basis = f.basis();
        std::array<std::unique_ptr<CalcResult>, 3> r;
        const VeranlagungsVergleich vv = VeranlagungVergleichen(basis, &r);
        ASSERT_EQ(vv.arten.size(), 2u);
        const double zusammen = vv.arten[0].gesamt, getrennt = vv.arten[1].gesamt;
        EXPECT_EQ(getrennt < zusammen, f.getrenntGuenstiger);
        // the office's notice of the separate assessment: the table and the taxes
        AmtsBescheid amt = AmtsBescheidVorbelegen(basis);
        amt.wert[*PostenSuchen("Tarif")] = 1;
        amt.wert[*PostenSuchen("ESt")] = r[1]->EStFestzusetzen + r[2]->EStFestzusetzen;
        amt.wert[*PostenSuchen("Soli")] = r[1]->SoliFestzusetzen + r[2]->SoliFestzusetzen;
        amt.wert[*PostenSuchen("KiStEr")] = r[1]->KiStFestEr;
        amt.wert[*PostenSuchen("KiStSie")] = r[2]->KiStFestEr;
        amt.wert[*PostenSuchen("Saldo")] = r[1]->GesamtSaldo + r[2]->GesamtSaldo;
        const Bescheidvergleich v = BescheidVergleichen(basis, amt);
        const auto abw = v.Abweichungen();
        ASSERT_EQ(abw.size(), 1u);
        EXPECT_STREQ(Posten()[abw[0]->posten].schluessel, "Tarif");
        EXPECT_NEAR(abw[0]->wirkung.steuer, getrennt - zusammen, 0.005);
        EXPECT_NEAR(abw[0]->wirkung.saldo, vv.arten[1].saldo - vv.arten[0].saldo, 0.005);
        EXPECT_GT(std::fabs(abw[0]->wirkung.steuer), 100);
        for (const Postenvergleich& z : v.zeilen)
            EXPECT_NE(z.befund, Befund::Unerklaert) << Posten()[z.posten].schluessel;
        EXPECT_NEAR(v.saldoErklaert, v.saldoDifferenz, 0.005);
    }
}

// --- the letter ----------------------------------------------------------------------------

namespace {

CaseRecord Absender() {
    CaseRecord f;
    NeuerFallDatensatz(f);
    f.SetzeTextUtf8(Feld::StpflVorname, "Jürgen");
    f.SetzeTextUtf8(Feld::StpflName, "Weißmann");
    f.SetzeTextUtf8(Feld::EhegVorname, "Karin");
    f.SetzeTextUtf8(Feld::StpflStrasse, "Lindenallee 12");
    f.SetzeTextUtf8(Feld::StpflPlz, "50935");
    f.SetzeTextUtf8(Feld::StpflOrt, "Köln");
    f.SetzeBool(Feld::Splitting, true);
    f.SetzeInt(Feld::BundeslandLb, NRW);
    return f;
}

AmtsBescheid AmtMit(const CalcInput& geaendert) {
    AmtsBescheid amt = NoticeOf(geaendert);
    amt.finanzamt = Utf8ZuCp1252("Köln-Süd");
    amt.steuernummer = "214/5678/9012";
    amt.bescheidDatum = D("02.05.2002");
    amt.aufgabeDatum = D("02.05.2002");
    amt.briefDatum = D("21.05.2002");
    return amt;
}

std::string Gold(const char* name) {
    std::ifstream in(fs::path(QUARNEL_TEST_CASES_DIR) / "einspruch" / name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string AlsUtf8(const std::vector<std::string>& zeilen) {
    std::string s;
    for (const std::string& z : zeilen) s += Cp1252ZuUtf8(z) + "\n";
    return s;
}

}  // namespace

TEST(Einspruch, Goldener_Brief_mit_einer_und_drei_Abweichungen) {
    const CaseRecord fall = Absender();
    struct Brief {
        const char* datei;
        std::vector<int> faelle;
        bool aussetzung;
    } briefe[] = {{"eine_abweichung.txt", {0}, false}, {"drei_abweichungen.txt", {0, 1, 2}, true}};
    for (const Brief& b : briefe) {
        CalcInput geaendert = Paar();
        for (int i : b.faelle) Abweichungsfaelle[i].aenderung(geaendert);
        AmtsBescheid amt = AmtMit(geaendert);
        amt.aussetzung = b.aussetzung;
        const Bescheidvergleich v = BescheidVergleichen(Paar(), amt);
        ASSERT_EQ(v.Abweichungen().size(), b.faelle.size());
        const Einspruchsbrief brief = EinspruchErstellen(fall, amt, v, AngefochteneZeilen(v, amt), -1);
        ASSERT_EQ(brief.fehler, EinspruchFehler::Keiner) << brief.meldung;
        for (const std::string& z : brief.zeilen) EXPECT_LE(z.size(), 80u);
        const std::string text = AlsUtf8(brief.zeilen);
        if (std::getenv("QUARNEL_GOLD_SCHREIBEN")) {
            std::ofstream(fs::path(QUARNEL_TEST_CASES_DIR) / "einspruch" / b.datei, std::ios::binary) << text;
        }
        EXPECT_EQ(text, Gold(b.datei)) << b.datei;
    }
}

TEST(Einspruch, Vor_der_Bekanntgabe_verweigert_mit_dem_ersten_zulaessigen_Tag) {
    const CaseRecord fall = Absender();
    CalcInput geaendert = Paar();
    geaendert.WerbKostEr -= 500;
    AmtsBescheid amt = AmtMit(geaendert);
    amt.aufgabeDatum = D("26.03.2002");  // announced on Tuesday after Easter, 02.04.2002
    const Bescheidvergleich v = BescheidVergleichen(Paar(), amt);
    struct Fall {
        const char* datum;
        bool zulaessig;
    } faelle[] = {{"28.03.2002", false}, {"01.04.2002", false}, {"02.04.2002", true}, {"30.04.2002", true}};
    for (const Fall& f : faelle) {
        amt.briefDatum = D(f.datum);
        const Einspruchsbrief b = EinspruchErstellen(fall, amt, v, AngefochteneZeilen(v, amt), -1);
        EXPECT_EQ(b.fehler == EinspruchFehler::Keiner, f.zulaessig) << f.datum;
        if (!f.zulaessig) {
            EXPECT_EQ(b.fruehestens, D("02.04.2002"));
            EXPECT_NE(b.meldung.find("02.04.2002"), std::string::npos) << b.meldung;
            EXPECT_TRUE(b.zeilen.empty());
        }
    }
    // without a date of its own the letter takes today
    amt.briefDatum = -1;
    EXPECT_EQ(EinspruchErstellen(fall, amt, v, AngefochteneZeilen(v, amt), D("29.03.2002")).fehler,
              EinspruchFehler::VorBekanntgabe);
}

TEST(Einspruch, Nur_angekreuzte_Abweichungen_und_Umbruch) {
    CalcInput geaendert = Paar();
    for (int i : {0, 2}) Abweichungsfaelle[i].aenderung(geaendert);
    AmtsBescheid amt = AmtMit(geaendert);
    const Bescheidvergleich v = BescheidVergleichen(Paar(), amt);
    EXPECT_EQ(AngefochteneZeilen(v, amt).size(), 2u);  // nothing ticked: all of them
    amt.angefochten = uint64_t{1} << *PostenSuchen("LSt");
    EXPECT_EQ(AngefochteneZeilen(v, amt), std::vector<int>{*PostenSuchen("LSt")});
    const std::string text = AlsUtf8(EinspruchErstellen(Absender(), amt, v, AngefochteneZeilen(v, amt), -1).zeilen);
    EXPECT_NE(text.find("Lohnsteuer"), std::string::npos);
    EXPECT_EQ(text.find("nichtselbständiger"), std::string::npos);

    for (int breite : {20, 40, 76})
        for (const std::string& z : Umbrechen(std::string(300, 'x') + " a b " + std::string(10, 'y'), breite, 3))
            EXPECT_TRUE(z.size() <= std::size_t(breite) || z.find(' ') == std::string::npos) << z;
}

// A couple under getrennte or besondere Veranlagung gets a notice per spouse: the
// check prefills, compares and explains the taxpayer's part and says so; a
// joint case names no part and prints as before.
TEST(Bescheidvergleich, Getrennte_und_besondere_Veranlagung_pruefen_Teil_1) {
    struct Zeile {
        Veranlagungsart art;
        const char* hinweis;
    };
    const Zeile tabelle[] = {
        {Veranlagungsart::Zusammen, ""},
        {Veranlagungsart::Getrennt,
         "Verglichen mit Teil 1 (Steuerpflichtiger) der getrennten Veranlagung"},
        {Veranlagungsart::Besondere,
         "Verglichen mit Teil 1 (Steuerpflichtiger) der besonderen Veranlagung"},
    };
    const int est = *PostenSuchen("ESt"), saldo = *PostenSuchen("Saldo"),
              lst = *PostenSuchen("LSt");
    int geteilt = 0;
    for (const auto& eintrag : fs::recursive_directory_iterator(QUARNEL_TEST_CASES_DIR)) {
        if (eintrag.path().extension() != ".fall" || geteilt >= 8) continue;
        const auto fall = test::FallDateiLesen(eintrag.path());
        if (!fall || !fall->satz || fall->kurz || !VeranlagungWaehlbar(*fall->satz)) continue;
        for (const Zeile& z : tabelle) {
            SCOPED_TRACE(eintrag.path().filename().string() + " " +
                         std::string(VeranlagungsartSchluessel(z.art)));
            auto satz = std::make_unique<CaseRecord>(*fall->satz);
            satz->SetzeInt(Feld::Veranlagungsart, static_cast<int32_t>(z.art));
            const VeranlagungsRechnung v = VeranlagungRechnen(*satz, false);
            if (v.art != z.art) continue;  // not admissible for this couple
            const CalcResult& teil = *v.teile.front().r;
            EXPECT_EQ(VergleichsteilHinweis(*satz), z.hinweis);
            AmtsBescheid amt = AmtsBescheidVorbelegen(*satz);
            EXPECT_NEAR(amt.wert[est], teil.EStFestzusetzen, 0.005);
            EXPECT_NEAR(amt.wert[saldo], teil.GesamtSaldo, 0.005);
            const Bescheidvergleich gleich = BescheidVergleichen(*satz, amt);
            EXPECT_TRUE(gleich.Abweichungen().empty());
            EXPECT_NEAR(gleich.saldoDifferenz, 0, 0.005);
            const auto text = VergleichText(gleich, amt, NRW, D("01.06.2002"),
                                            VergleichsteilHinweis(*satz));
            const std::string hinweis = Utf8ZuCp1252(z.hinweis);
            if (*z.hinweis) {
                EXPECT_EQ(std::count(text.begin(), text.end(), hinweis), 1);
            } else {
                EXPECT_EQ(text, VergleichText(gleich, amt, NRW, D("01.06.2002")));
            }
            // the office credits 100 DM more wage tax: the part's balance falls by it
            amt.wert[lst] += 100;
            const Bescheidvergleich mehr = BescheidVergleichen(*satz, amt);
            ASSERT_EQ(mehr.Abweichungen().size(), 1u);
            EXPECT_NEAR(mehr.Abweichungen()[0]->wirkung.saldo, -100, 0.01);
            // the explained figure is the part's own
            const ErklaerVergleich erkl = BescheidErklaeren(*satz, amt, "EStFestzusetzen");
            ASSERT_TRUE(erkl.gefunden);
            EXPECT_NEAR(erkl.baum.vorher, teil.EStFestzusetzen, 0.005);
            geteilt += z.art != Veranlagungsart::Zusammen;
        }
    }
    EXPECT_GE(geteilt, 2);
}
