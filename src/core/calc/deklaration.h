// The declaration values: fills CalcInput from the open case before every
// computation. The full variant takes what the entry pages store (running the
// page computations first, so that nothing is stale); the quick variant reads
// only the quick-calculation area of the record. Both write the annex flags
// that form printing reads back into the record.
#pragma once

#include "calc/calcdaten.h"
#include "case/caserecord.h"

namespace quarnel {

// Clears e and fills it; kurz selects the quick variant.
void DeklarationFuellen(CaseRecord& r, CalcInput& e, bool kurz);
// The same, and also sets the parameters of res and resets its what-if
// adjustments, so that the next computation works on the case as entered.
void DeklarationFuellen(CaseRecord& r, CalcInput& e, CalcResult& res, bool kurz);

// The tax-free part of one person's income under the half-income method
// (§ 3 Nr. 40 EStG), as the fill sums it into HalbeinkFrei.
double HalbeinkuenfteFreiPerson(const CalcInput& e, int person);

}  // namespace quarnel
