// The computations of the owner-occupied home pages: the 10 % deductions of
// maintenance and building costs in the new and the old states, the § 10e
// base and deduction, the further deductions and the costs before moving in,
// and the amounts the declaration takes from them. The case holds one home.
#pragma once

#include <string>

#include "case/caserecord.h"

namespace quarnel {

// New states, acquired before 1991: a 10 % deduction of each cost line when
// none is entered yet (an entered one stays), and the development-area
// deduction of the previous year limited to its maximum.
void BeitrittsgebietRechnen(CaseRecord& r);

// Old states, acquired before 1987: the 10 % deduction of each cost line
// when none is entered yet.
void AltbauRechnen(CaseRecord& r);

// The § 10e base and deduction as the page computes them from the costs and
// the stored base (the figures of page 2 of Anlage FW).
struct Abzug10e {
    double halbGB = 0, halbNachGB = 0;  // half the land costs, rounded up
    double grund = 0, gebaeude = 0, kosten = 0;
    double eigen = 0, beruf = 0;        // own-use share, its professional part
    double bemgrund = 0;                // the stored base, else eigen - beruf
    double abzug = 0;                   // the rate of the base, at most of 330,000 (300,000)
    double nachhol = 0, summe = 0;
};
Abzug10e Abzug10eWerte(const CaseRecord& r);

// The base from the costs: half the land costs (rounded up to full DM) and
// the building costs, the own-use share less its professional part. Then
// the deduction (Abzug10eRechnen). Run only when a cost field changed: it
// replaces a base the user entered.
void Bemessungsgrundlage10eRechnen(CaseRecord& r);

// The deduction from the base, the catch-up and the earlier unused amounts.
void Abzug10eRechnen(CaseRecord& r);

// The previous year's further deductions plus 10 % of costs completed in the
// year, and the share of the costs of a dwelling let free of charge.
void WeitereAbzuegeRechnen(CaseRecord& r);

// The sum of interest, discount, procurement, maintenance and other costs.
void VorkostenRechnen(CaseRecord& r);

// The children of the children pages that count for the home: those with
// allowances and a possible Haushaltsfreibetrag.
int KinderLautAnlageK(const CaseRecord& r);

// What the law of 2001 refuses of the amounts entered, by the home's dates.
// Each is set only when an amount was entered and the dates refuse it.
struct WohneigentumVersagt {
    bool abzug10e = false;      // § 10e(1)-(5): Eigenheimzulage home, or after the 8 years
    bool vorkosten = false;     // § 10e(6): costs after moving in (before 2001)
    bool pauschale10i = false;  // § 10i: Vorkostenpauschale
    bool erhaltung10i = false;  // § 10i: maintenance before moving in
    bool baukindergeld = false; // § 34f: only with the § 10e deduction
    bool irgendeins() const {
        return abzug10e || vorkosten || pauschale10i || erhaltung10i || baukindergeld;
    }
};

// What the declaration takes from the home, after the date conditions of the
// law (an amount the dates refuse counts 0; `versagt` says which).
struct WohneigentumBetraege {
    std::string datum1, datum2;  // application or contract; completion or acquisition
    double abzug = 0;            // the deduction claimed (previous year's plus this year's)
    double abzug2 = 0;           // § 10e(6a) debt interest after moving in
    double abzug3 = 0;           // further deductions and the free dwelling
    double abzug4 = 0;           // new states before 1991 and old states before 1987
    double vorkosten = 0;        // costs before moving in, rounded up to full DM
    int kinder = 0;              // children for the Baukindergeld
    bool bezogenVorher = false;  // first used before the tax year: no § 10e(6) costs
    WohneigentumVersagt versagt;
};
WohneigentumBetraege WohneigentumWerte(const CaseRecord& r);

// The page computations that keep what the user entered: the 10 % deductions,
// the § 10e deduction from the stored base, the further deductions and the
// costs before moving in.
void WohneigentumSeitenRechnen(CaseRecord& r);

}  // namespace quarnel
