// All page computations on a whole case, in dependency order, so that every
// stored page result is current before the declaration values are taken.
#pragma once

#include "case/caserecord.h"

namespace quarnel {

// Education before children, children before anything that asks whether a
// child has allowances, the disability amounts; vehicles before commuting;
// then capital, pensions, other income, business, self-employment, the rental
// objects; special expenses, burdens, taxes paid. Writes derived fields only.
void SeitenberechnungenAusfuehren(CaseRecord& r);

}  // namespace quarnel
