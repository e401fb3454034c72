// The what-if analysis: the adjustments from the change fields, the entered
// values, and both result rows against cases worked by hand from §32a EStG 2001.
#include "results/waswaere.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <memory>

#include "calc/berechnung.h"
#include "calc/deklaration.h"
#include "calc/durchgang.h"
#include "case/caserecord.h"
#include "../calc/rechnen_hilfe.h"

using namespace quarnel;
using quarnel::test::Einzeln;
using quarnel::test::Zusammen;
using Z = WasWaereZeile;

namespace {

constexpr Z Einkunftszeilen[] = {Z::LandForst,  Z::Gewerbe, Z::Selbstaendig, Z::Arbeitslohn,
                                 Z::Kapital,    Z::Vermietung, Z::Renten};

// A couple with every income of the nine rows large enough that a change of
// 1000 either way moves the Summe der Einkünfte by exactly that much.
CalcInput AlleEinkuenfte(bool zusammen) {
    CalcInput e = zusammen ? Zusammen() : Einzeln();
    for (int p = 0; p < 2; ++p) {
        e.LuFIn(p) = 10000 + p;
        e.GewIn(p) = 12000 + p;
        e.SelbIn(p) = 14000 + p;
        e.Lohn(p) = 60000 + p;
        e.WerbKost(p) = 5000 + p;
        e.KapIn(p) = 20000 + p;
        e.VuVIn(p) = 16000 + p;
        e.RenteIn(p) = 8000 + p;
    }
    e.VorsorgeIn = 3000;
    return e;
}

struct Gerechnet {
    std::unique_ptr<CalcInput> e;
    std::unique_ptr<CalcResult> r;
};

Gerechnet Rechnen(const CalcInput& eingabe, const WasWaereWerte& aenderung) {
    Gerechnet g{std::make_unique<CalcInput>(eingabe), std::make_unique<CalcResult>()};
    ParameterSetzen(*g.e, *g.r);
    WasWaereDeltasSetzen(*g.e, aenderung, *g.r);
    Berechne(*g.e, *g.r);
    return g;
}

WasWaereWerte Aenderung(Z zeile, int person, double betrag) {
    WasWaereWerte w;
    w(zeile, person) = betrag;
    return w;
}

void ErwarteErgebnis(const WasWaereErgebnis& ist, double zve, double est, double grenz) {
    EXPECT_DOUBLE_EQ(ist.zuVersteuern, zve);
    EXPECT_DOUBLE_EQ(ist.festzusetzen, est);
    EXPECT_NEAR(ist.steuersatz, est / zve * 100, 0.005);
    EXPECT_NEAR(ist.grenzsteuersatz, grenz, 0.00001);
}

}  // namespace

TEST(WasWaere, Deltas_aus_den_Aenderungsfeldern_Vorsorge_bei_Zusammenveranlagung_halbiert) {
    WasWaereWerte a;
    for (int z = 0; z < WasWaereZeilen - 1; ++z) {
        a(static_cast<Z>(z), 0) = 100 * (z + 1);
        a(static_cast<Z>(z), 1) = -(100 * (z + 1) + 7);
    }
    a(Z::Vorsorge, 0) = 1000;
    a(Z::Vorsorge, 1) = 99999;  // no such field on the page: never read

    CalcResult r{};
    WasWaereDeltasSetzen(Zusammen(), a, r);
    for (int z = 0; z < 8; ++z) {
        EXPECT_EQ(r.WhatIfDelta[2 * z], 100 * (z + 1)) << z;
        EXPECT_EQ(r.WhatIfDelta[2 * z + 1], -(100 * (z + 1) + 7)) << z;
    }
    EXPECT_EQ(r.WhatIfDelta[16], 500);
    EXPECT_EQ(r.WhatIfDelta[17], 500);

    // single assessment: the whole Vorsorge change to the taxpayer, nothing to the spouse
    CalcResult s{};
    for (double& d : s.WhatIfDelta) d = 42;  // whatever an earlier computation left
    WasWaereDeltasSetzen(Einzeln(), a, s);
    for (int z = 0; z < 8; ++z) {
        EXPECT_EQ(s.WhatIfDelta[2 * z], 100 * (z + 1)) << z;
        EXPECT_EQ(s.WhatIfDelta[2 * z + 1], 0) << z;
    }
    EXPECT_EQ(s.WhatIfDelta[16], 1000);
    EXPECT_EQ(s.WhatIfDelta[17], 0);
}

TEST(WasWaere, Eingaben_der_neun_Zeilen_die_des_Ehegatten_nur_gemeinsam) {
    const CalcInput e = AlleEinkuenfte(true);
    const WasWaereWerte w = WasWaereEingaben(e);
    const double erwartet[] = {10000, 12000, 14000, 60000, 5000, 20000, 16000, 8000};
    for (int z = 0; z < 8; ++z) {
        EXPECT_EQ(w(static_cast<Z>(z), 0), erwartet[z]) << z;
        EXPECT_EQ(w(static_cast<Z>(z), 1), erwartet[z] + 1) << z;
    }
    EXPECT_EQ(w(Z::Vorsorge, 0), 3000);
    EXPECT_EQ(w(Z::Vorsorge, 1), 0);

    const WasWaereWerte einzeln = WasWaereEingaben(AlleEinkuenfte(false));
    EXPECT_EQ(einzeln(Z::Arbeitslohn, 0), 60000);
    for (int z = 0; z < WasWaereZeilen; ++z) EXPECT_EQ(einzeln(static_cast<Z>(z), 1), 0) << z;
}

// Every income row of both persons, up and down: the Summe der Einkünfte
// moves by the change, Werbungskosten the other way.
TEST(WasWaere, Jede_Zeile_positiv_und_negativ_bei_beiden_Personen) {
    const CalcInput e = AlleEinkuenfte(true);
    const double basis = Rechnen(e, {}).r->SummeEk;
    for (int p = 0; p < 2; ++p)
        for (double betrag : {1000.0, -1000.0}) {
            for (Z z : Einkunftszeilen) {
                const double summe = Rechnen(e, Aenderung(z, p, betrag)).r->SummeEk;
                EXPECT_DOUBLE_EQ(summe - basis, betrag)
                    << "Zeile " << static_cast<int>(z) << " Person " << p;
            }
            const double summe = Rechnen(e, Aenderung(Z::Werbungskosten, p, betrag)).r->SummeEk;
            EXPECT_DOUBLE_EQ(summe - basis, -betrag) << "Werbungskosten Person " << p;
        }

    // the Vorsorgeaufwendungen of the case rise and fall by the whole change
    const double vorsorge = Rechnen(e, {}).r->VorsAufwBasis;
    for (double betrag : {1000.0, -1000.0}) {
        EXPECT_DOUBLE_EQ(Rechnen(e, Aenderung(Z::Vorsorge, 0, betrag)).r->VorsAufwBasis - vorsorge,
                         betrag);
        const CalcInput einzeln = AlleEinkuenfte(false);
        EXPECT_DOUBLE_EQ(Rechnen(einzeln, Aenderung(Z::Vorsorge, 0, betrag)).r->VorsAufwBasis -
                             Rechnen(einzeln, {}).r->VorsAufwBasis,
                         betrag);
    }

    // a single assessment ignores spouse changes altogether
    const CalcInput einzeln = AlleEinkuenfte(false);
    const double einzelBasis = Rechnen(einzeln, {}).r->SummeEk;
    for (Z z : Einkunftszeilen)
        EXPECT_DOUBLE_EQ(Rechnen(einzeln, Aenderung(z, 1, 5000)).r->SummeEk, einzelBasis);
}

TEST(WasWaere, Werbungskosten_aufwaerts_auf_volle_DM_abwaerts_wie_eingegeben) {
    CalcInput e = Einzeln();
    e.LohnEr = 50000;
    e.WerbKostEr = 3000;
    const double basis = Rechnen(e, {}).r->WkNsaEr;
    EXPECT_EQ(basis, 3000);
    EXPECT_EQ(Rechnen(e, Aenderung(Z::Werbungskosten, 0, 100.5)).r->WkNsaEr, 3101);
    EXPECT_EQ(Rechnen(e, Aenderung(Z::Werbungskosten, 0, 100)).r->WkNsaEr, 3100);
    EXPECT_EQ(Rechnen(e, Aenderung(Z::Werbungskosten, 0, -100)).r->WkNsaEr, 2900);
    EXPECT_EQ(Rechnen(e, Aenderung(Z::Werbungskosten, 0, -1)).r->WkNsaEr, 2999);
    // a cut below the Pauschbetrag leaves the Pauschbetrag
    EXPECT_EQ(Rechnen(e, Aenderung(Z::Werbungskosten, 0, -2500)).r->WkNsaEr, 2000);
}

// Hand-worked: Selbständige Arbeit 60,000 DM, nothing else. Sonderausgaben-
// Pauschbetrag 108 → zvE 59,892; step middle 59,913, z = 4.1877:
// (142.49 z + 2,300) z + 857 = 12,987.55 → 12,987 DM; marginal rate
// (284.98 z + 2,300) / 100 = 34.934 %. Plus 10,000: zvE 69,892, middle
// 69,903, z = 5.1867 → 16,619 DM, 37.781 %.
TEST(WasWaere, Grundtabelle_von_Hand_gerechnet) {
    CalcInput e = Einzeln();
    e.SelbInEr = 60000;
    const WasWaereAnalyse a = WasWaereRechnen(e, Aenderung(Z::Selbstaendig, 0, 10000));
    EXPECT_FALSE(a.zusammen);
    EXPECT_EQ(a.eingabe(Z::Selbstaendig, 0), 60000);
    ErwarteErgebnis(a.gemaessEingabe, 59892, 12987, 34.93410774);
    ErwarteErgebnis(a.nachAenderung, 69892, 16619, 37.78105794);

    // no change: both rows alike
    const WasWaereAnalyse leer = WasWaereRechnen(e, WasWaereWerte{});
    ErwarteErgebnis(leer.nachAenderung, 59892, 12987, 34.93410774);

    // an employee: wages 50,000, Werbungskosten 3,000; Vorsorgepauschale
    // (§10c(2)): Vorwegabzug 6,000 − 16 % of 50,000 → 0, 2,610 + 1,305 = 3,915,
    // down to 54 → 3,888; zvE 50,000 − 3,000 − 108 − 3,888 = 43,004 → 7,490 DM.
    // Werbungskosten −100: zvE 43,104 (not 43,103) → 7,522 DM.
    CalcInput n = Einzeln();
    n.LohnEr = 50000;
    n.WerbKostEr = 3000;
    n.LohnVorsPauschEr = n.LohnVorwegKuerzEr = 50000;  // as the fill sets them for these wages
    const WasWaereAnalyse b = WasWaereRechnen(n, Aenderung(Z::Werbungskosten, 0, -100));
    ErwarteErgebnis(b.gemaessEingabe, 43004, 7490, 30.11737578);
    ErwarteErgebnis(b.nachAenderung, 43104, 7522, 30.14815362);
}

// Hand-worked: wages 30,000, Vorsorgepauschale 20 % = 6,000: Vorwegabzug
// 6,000 − 4,800 = 1,200, then 2,610, half of the remaining 2,190 = 1,095,
// together 4,905 → 4,860; zvE 30,000 − 2,000 − 108 − 4,860 = 23,032. Wages
// −5,000: 20 % = 5,000, Vorwegabzug 6,000 − 4,000 = 2,000, 2,610, half of 390
// = 195, together 4,805 → 4,752; zvE 25,000 − 2,000 − 108 − 4,752 = 18,140.
TEST(WasWaere, Geaenderter_Arbeitslohn_aendert_die_Vorsorgepauschale) {
    CalcInput e = Einzeln();
    e.LohnEr = e.LohnVorsPauschEr = e.LohnVorwegKuerzEr = 30000;
    const WasWaereAnalyse a = WasWaereRechnen(e, Aenderung(Z::Arbeitslohn, 0, -5000));
    EXPECT_EQ(a.gemaessEingabe.zuVersteuern, 23032);
    EXPECT_EQ(a.nachAenderung.zuVersteuern, 18140);
    // a rise of 20,000 reaches the cap of 3,888 (2,610 + 1,305, down to 54)
    EXPECT_EQ(WasWaereRechnen(e, Aenderung(Z::Arbeitslohn, 0, 20000)).nachAenderung.zuVersteuern,
              50000 - 2000 - 108 - 3888);
    // actual Vorsorgeaufwendungen of 8,000: the Vorwegabzug 6,000 is cut by
    // 16 % of the wages: 1,200 + 2,610 + 1,305 = 5,115 at 30,000 wages; at
    // 25,000: 2,000 + 2,610 + 1,305 = 5,915
    e.VorsorgeIn = 8000;
    const WasWaereAnalyse v = WasWaereRechnen(e, Aenderung(Z::Arbeitslohn, 0, -5000));
    EXPECT_EQ(v.gemaessEingabe.zuVersteuern, 30000 - 2000 - 108 - 5115);
    EXPECT_EQ(v.nachAenderung.zuVersteuern, 25000 - 2000 - 108 - 5915);
    // wages that do not cut the Vorwegabzug keep it uncut: all 8,000 count
    e.LohnVorwegKuerzEr = 0;
    EXPECT_EQ(WasWaereRechnen(e, Aenderung(Z::Arbeitslohn, 0, -5000)).nachAenderung.zuVersteuern,
              25000 - 2000 - 108 - 8000);
}

// Hand-worked, splitting: Selbständige Arbeit of him 60,000, rental income of
// her 20,000; Sonderausgaben-Pauschbetrag 216 → zvE 79,784; half 39,892,
// middle 39,879, z = 2.1843 → 6,560 · 2 = 13,120 DM. Vorsorge +1,000 (500
// each, Vorwegabzug 12,000 unreduced without wages): zvE 78,784, half 39,392,
// middle 39,393 → 6,419 · 2 = 12,838 DM.
TEST(WasWaere, Splittingtabelle_von_Hand_gerechnet_Vorsorge_halb_und_halb) {
    CalcInput e = Zusammen();
    e.SelbInEr = 60000;
    e.VuVInSie = 20000;
    const WasWaereAnalyse a = WasWaereRechnen(e, Aenderung(Z::Vorsorge, 0, 1000));
    EXPECT_TRUE(a.zusammen);
    EXPECT_EQ(a.eingabe(Z::Vermietung, 1), 20000);
    ErwarteErgebnis(a.gemaessEingabe, 79784, 13120, 29.22481842);
    ErwarteErgebnis(a.nachAenderung, 78784, 12838, 29.08631814);

    // her rental income −20,000 and his +20,000 leave the splitting result alone
    WasWaereWerte verschoben;
    verschoben(Z::Vermietung, 1) = -20000;
    verschoben(Z::Vermietung, 0) = 20000;
    ErwarteErgebnis(WasWaereRechnen(e, verschoben).nachAenderung, 79784, 13120, 29.22481842);
}

// The analysis works on copies: neither the case record nor the program's
// current computation records change, and a computation of the case
// afterwards gives the case as entered.
TEST(WasWaere, Aenderungen_erreichen_weder_Fall_noch_Programmsaetze) {
    auto fall = std::make_unique<CaseRecord>();
    NeuerFallDatensatz(*fall);
    fall->SetzeBool(Feld::Grundtabelle, false);
    fall->SetzeBool(Feld::Splitting, true);
    fall->SetzeDbl(Feld::Brutto, 45000, 1);
    fall->SetzeDbl(Feld::Brutto, 30000, 3);

    // the main window's computation, as before opening the page
    DeklarationFuellen(*fall, AktuelleEingabe(), AktuellesErgebnis(), false);
    Berechne();
    const auto fallGefuellt = std::make_unique<CaseRecord>(*fall);
    const auto eingabe = std::make_unique<CalcInput>(AktuelleEingabe());
    const auto ergebnis = std::make_unique<CalcResult>(AktuellesErgebnis());

    WasWaereWerte a;
    a(Z::Arbeitslohn, 0) = -5000;
    a(Z::Arbeitslohn, 1) = 7000;
    a(Z::Vorsorge, 0) = 2000;
    const WasWaereAnalyse w = WasWaereRechnen(*fall, a);
    EXPECT_EQ(w.eingabe(Z::Arbeitslohn, 0), 45000);
    EXPECT_EQ(w.eingabe(Z::Arbeitslohn, 1), 30000);
    EXPECT_DOUBLE_EQ(w.gemaessEingabe.zuVersteuern, ergebnis->ZvE);
    EXPECT_DOUBLE_EQ(w.gemaessEingabe.festzusetzen, ergebnis->EStFestzusetzen);
    EXPECT_GT(w.nachAenderung.zuVersteuern, w.gemaessEingabe.zuVersteuern);

    EXPECT_TRUE(fall->Bytes() == fallGefuellt->Bytes());
    EXPECT_EQ(std::memcmp(&AktuelleEingabe(), eingabe.get(), sizeof(CalcInput)), 0);
    EXPECT_EQ(std::memcmp(&AktuellesErgebnis(), ergebnis.get(), sizeof(CalcResult)), 0);
    for (double d : AktuellesErgebnis().WhatIfDelta) EXPECT_EQ(d, 0);
}

// A change beyond what any return holds is applied not at all: "Nach
// Änderung" is then the declaration as entered, never half of the change.
TEST(WasWaere, Unsinnige_Aenderung_wird_gar_nicht_angewandt) {
    CalcInput e = Einzeln();
    e.LohnEr = e.LohnVorsPauschEr = e.LohnVorwegKuerzEr = 30000;
    const WasWaereErgebnis eingabe = WasWaereRechnen(e, WasWaereWerte{}).gemaessEingabe;
    for (double d : {2e12, -2e12, 1e9 + 1, std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()}) {
        for (Z zeile : {Z::Arbeitslohn, Z::Vorsorge, Z::Kapital}) {
            WasWaereWerte w = Aenderung(Z::Selbstaendig, 0, 1000);
            w(zeile, 0) = d;
            EXPECT_FALSE(WasWaereAenderungGueltig(w)) << d;
            const WasWaereAnalyse a = WasWaereRechnen(e, w);
            EXPECT_EQ(a.nachAenderung.zuVersteuern, eingabe.zuVersteuern) << d;
            EXPECT_EQ(a.nachAenderung.festzusetzen, eingabe.festzusetzen) << d;
        }
    }
    EXPECT_TRUE(WasWaereAenderungGueltig(Aenderung(Z::Arbeitslohn, 1, -1e9)));
}
