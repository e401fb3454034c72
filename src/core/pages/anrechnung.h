// Page computations of the taxes-paid page and the statistics annex.
#pragma once

#include "case/caserecord.h"

namespace quarnel {

// Taxes withheld on the wage-tax cards (the spouse's only with joint
// assessment, otherwise 0) and the capital pages' credit totals.
void AnrechRechnen(CaseRecord& r);

// The statistics amounts that decide whether the statistics annex is printed:
// all of them except the § 7 g (7) amount.
double StatistikSumme(const CaseRecord& r);
// Sets the statistics-annex flag when that sum is above 0.1. The flag is
// never cleared here: only a new case starts without it.
void StatistikFlagRechnen(CaseRecord& r);

}  // namespace quarnel
