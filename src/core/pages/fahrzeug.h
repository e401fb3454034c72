// The computations of the travel-cost pages: the cost per kilometre of each of
// the four vehicles of the case, and the commuting allowance and the trips of
// a job with changing work sites of one person. They read the case record and
// the tax-year parameters and write only the results the pages store.
#pragma once

#include <string>
#include <vector>

#include "case/caserecord.h"

namespace quarnel {

// Months of the tax year covered by a period of `dauer` months (rounded to
// whole months) that begins in month `monat` of year `jahr`; 0..12.
int MonateImJahr(int jahr, int monat, double dauer);

// The cost computation of vehicle `fahrzeug` (1..4): depreciation, leasing,
// further costs, their total and the rate per km (`PauschbetragInsg`).
void FahrzeugRechnen(CaseRecord& r, int fahrzeug);

// The warnings shown when the user leaves vehicle `fahrzeug` (UTF-8, in
// order): a rate or mileage without a vehicle type, and a rate below the flat
// rate of the vehicle's type. Neither stops the user.
std::vector<std::string> FahrzeugWarnungen(const CaseRecord& r, int fahrzeug);

// The rate per km of a means-of-transport item: 1..4 the flat rates of
// "PKW", "Motorrad", "Mofa/Moped", "Fahrrad", 5..8 the rate of vehicle 1..4,
// anything else 0. Run FahrzeugRechnen first for the vehicle rates.
double KilometerSatz(const CaseRecord& r, int verkehrsmittel);

// The commuting computation of person 1 (taxpayer) or 2 (spouse): stores
// `ErgWKFahrt`, the site rows, `ErgWKWechsel` and `SummeWkFahrt`.
void FahrtkostenRechnen(CaseRecord& r, int person);

// The four vehicles, then the commuting of both persons (which reads the
// vehicle rates).
void FahrtenRechnen(CaseRecord& r);

}  // namespace quarnel
