// The computations of the expense pages of an employee besides commuting:
// professional associations, work equipment, meals, double household, study,
// business trips and other costs. Each stores the page total the tax
// computation reads for person 1 (taxpayer) or 2 (spouse).
#pragma once

#include "case/caserecord.h"

namespace quarnel {

void VerbandsbeitraegeRechnen(CaseRecord& r, int person);
void ArbeitsmittelRechnen(CaseRecord& r, int person);
// Meal allowances by days away, less the employer's tax-free reimbursement
// (the result may be negative and lowers the total).
void VerpflegungRechnen(CaseRecord& r, int person);
// Trips, home trips (public transport or the flat rate, the higher counts),
// meals of the first months and lodging, less the employer's reimbursement.
void DoppelteHaushaltRechnen(CaseRecord& r, int person);
// Direct costs and the study's share of the flat's costs by floor area,
// limited by the chosen treatment (none, 2,400 DM, in full).
void ArbeitszimmerRechnen(CaseRecord& r, int person);
// The office's share of the flat's costs by floor area, rounded up to full DM.
double ArbeitszimmerAnteil(const CaseRecord& r, int person);
// The study's costs before the limit (direct and proportional), as computed.
double ArbeitszimmerKosten(const CaseRecord& r, int person);
void DienstreisenRechnen(CaseRecord& r, int person);
void SonstigeWerbungskostenRechnen(CaseRecord& r, int person);

// Every page total of both persons. Run the vehicle computation first (the
// trips read the vehicles' rates per km).
void WerbungskostenSeitenRechnen(CaseRecord& r);

// A line of the wage-tax cards summed over the person's two cards (cards 1
// and 2 of the taxpayer, 3 and 4 of the spouse): what the expense pages show
// of the employer's reimbursements.
double LohnkartenSumme(const CaseRecord& r, Feld zeile, int person);

}  // namespace quarnel
