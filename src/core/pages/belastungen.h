// The computations of the extraordinary-burden pages: the disability and
// survivors' Pauschbeträge claimed, the care-home and home-care deductions,
// the support of needy persons and the balance of the other burdens. Each
// reads the case record and the tax-year parameters and writes only the
// results the pages store.
#pragma once

#include "case/caserecord.h"

namespace quarnel {

// Whether child `kind` (1..6) has child allowances of the year.
bool KindHatFreibetraege(const CaseRecord& r, int kind);

// The disability Pauschbeträge claimed: the taxpayer's, the spouse's under
// joint assessment and those of the children with allowances, each recomputed
// first. Stores the total in `BehPauschInsg` and returns it.
double BehindertenPauschRechnen(CaseRecord& r);

// The survivors' Pauschbeträge claimed (a child's by its share, rounded up to
// full DM). Stores the total in `HiPauschbetragInsg` and returns it.
double HinterbliebenenRechnen(CaseRecord& r);

// The care-home deduction: the yearly maximum by the reason of the
// accommodation for the months of the period in the tax year, never more than
// the expenses, and the part of the expenses above it.
void HeimRechnen(CaseRecord& r);

// The home-care Pauschbetrag, shared among the carers; 0 without proof of the
// need of care.
void PflegeRechnen(CaseRecord& r);

// The deductible support of needy person `person` (1..3): the maximum for the
// support months, reduced by the person's own income, limited to the support
// paid and then to the taxpayer's part of it.
void UnterhaltRechnen(CaseRecord& r, int person);

// The page computations of the disability/survivors page and of the support
// page: both Pauschbeträge, and the support of all three persons.
void BehindertenSeiteRechnen(CaseRecord& r);
void UnterstuetzungsSeiteRechnen(CaseRecord& r);

// The balance of the other burdens: each line's expenses less its refunds
// (never below 0) plus the list sum. Stores `Saldo` and returns it.
double AndereBelastungenRechnen(CaseRecord& r);

// What the declaration takes, from the stored results: household help,
// care home and home care together, and the support of the three persons.
double HaushaltshilfePflegeBetrag(const CaseRecord& r);
double UnterhaltSumme(const CaseRecord& r);

// Every burden computation in order. Run the children and the disability
// elements first (they decide which child rows count).
void BelastungsSeitenRechnen(CaseRecord& r);

}  // namespace quarnel
