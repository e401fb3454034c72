// Page computations of the special-expense pages: insurance contributions,
// annuities and maintenance paid, church tax, household help, own education
// costs and school fees, donations. Each reads the case record and the
// tax-year parameters and writes only the derived fields of its page.
#pragma once

#include <cstdint>

#include "case/caserecord.h"

namespace quarnel {

// Results per kind (paid minus refunded) and the total Vorsorgeaufwendungen,
// with the contributions and refunds of the wage-tax cards.
void VorsorgeRechnen(CaseRecord& r);
// Taxable share of the annuity paid and the deductible maintenance.
void RentenLastenRechnen(CaseRecord& r);
// Church tax on the wage-tax cards and the deductible church tax.
void KirchensteuerRechnen(CaseRecord& r);
// The household-help application: special expense and extraordinary burden.
void HaushaltshilfeRechnen(CaseRecord& r);
// Month a person turned 60 as the household-help burden counts it: 1 when
// before the tax year, the month when in it, 0 when later or unknown.
int AltersMonat(int32_t geburt);
// The application's results as the pages that open it show them in their
// "Ergebnis" group (computed and claimed, special expense and burden).
void HaushaltshilfeErgebnisUebernehmen(CaseRecord& r);
// Own education costs and the school fees of children with Kinderfreibetrag.
void AusbildungskostenRechnen(CaseRecord& r);
// Rounded results of the donation groups and the foundation donations.
void SpendenRechnen(CaseRecord& r);

// Runs the six in the order the declaration values need them, then the
// taxes-paid computation and the statistics flag. The capital sums must be
// current (the income pages run first).
void SonderausgabenSeitenRechnen(CaseRecord& r);

}  // namespace quarnel
