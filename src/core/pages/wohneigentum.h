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

// What the declaration takes from the home.
struct WohneigentumBetraege {
    std::string datum1, datum2;  // application or contract; completion or acquisition
    double abzug = 0;            // the deduction claimed (previous year's plus this year's)
    double abzug3 = 0;           // further deductions and the free dwelling
    double abzug4 = 0;           // new states before 1991 and old states before 1987
    double vorkosten = 0;        // costs before moving in, rounded up to full DM
    int kinder = 0;
};
WohneigentumBetraege WohneigentumWerte(const CaseRecord& r);

// The page computations that keep what the user entered: the 10 % deductions,
// the § 10e deduction from the stored base, the further deductions and the
// costs before moving in.
void WohneigentumSeitenRechnen(CaseRecord& r);

}  // namespace quarnel
