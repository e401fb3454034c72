// The tax computation: Berechne runs all passes on CalcInput and leaves every
// result in CalcResult. Tarif is the 2001 income-tax tariff.
#pragma once

#include "calc/calcdaten.h"

namespace quarnel {

// Runs the whole computation. CalcInput is cleaned first (non-finite or absurd
// amounts count as 0, codes out of range as "none"); the withholding totals
// and the flags of the child records are written back into it.
void Berechne(CalcInput& e, CalcResult& r);
// The same on the program's current records.
void Berechne();

// Tariff tax of the basic table on x (54-DM steps); the marginal rate in
// percent goes to *grenzsteuersatz when given.
double Tarif(double x, double* grenzsteuersatz = nullptr);
// Taxable income rounded down to the tariff step: 54 DM, 108 DM by splitting.
double StufeAb(double x, int f2);
// Tax of the basic (f2 = 1) or splitting (f2 = 2) table.
double TarifNachTabelle(double x, int f2);

}  // namespace quarnel
