// The steps of one computation pass, in the order Durchgang runs them, and the
// pieces the passes share. Internal to the computation; declared here so the
// steps can be tested one by one.
#pragma once

#include <cmath>
#include <string_view>

#include "calc/betrag.h"
#include "calc/calcdaten.h"

namespace quarnel {

// 2 when the splitting table applies (joint or widow's splitting), else 1.
inline int F2(const CalcInput& e) {
    return (e.FlagZusammen == 1 || e.FlagWitwenSplitting == 1) ? 2 : 1;
}
// 2 only with joint assessment: §10c(4) EStG doubles the Sonderausgaben-
// Pauschbetrag and the Vorsorgepauschale for spouses assessed jointly, not for
// a widowed person assessed alone by the splitting table.
inline int PauschbetragFaktor(const CalcInput& e) {
    return e.FlagZusammen == 1 ? 2 : 1;
}
// Persons whose values count: 1, or 2 with joint assessment.
inline int Personen(const CalcInput& e) {
    return e.FlagZusammen == 1 ? 2 : 1;
}
inline constexpr double Zehnerpotenz[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

// Truncation toward zero to n decimals (0..9), immune to binary representation
// noise of amounts that are exact in decimal (1.1 * 100 stays 110).
inline double Stutzen(int n, double x) {
    const double faktor = Zehnerpotenz[n < 0 ? 0 : n > 9 ? 9 : n];
    const double v = x * faktor;
    if (!(v < 9e15 && v > -9e15)) return std::trunc(v) / faktor;
    const long long ganz = static_cast<long long>(v);
    // a product meant to be exact in decimal may land a hair below the whole number
    const double weiter = static_cast<double>(ganz + (v >= 0 ? 1 : -1));
    const double abstand = weiter > v ? weiter - v : v - weiter;
    const double betrag = v < 0 ? -v : v;
    if (abstand <= 1e-7 * (betrag > 1 ? betrag : 1)) return weiter / faktor;
    return static_cast<double>(ganz) / faktor;
}
// Truncation to cents.
inline double CentAb(double x) {
    return Stutzen(2, x);
}

void Durchgang(CalcInput& e, CalcResult& r);
void DurchgangPaar(CalcInput& e, CalcResult& r);

// income
void ParameterSetzen(const CalcInput& e, CalcResult& r);
void EinkuenfteUebernehmen(const CalcInput& e, CalcResult& r);
void WhatIfAnwenden(CalcResult& r);
void WhatIfWerteAendern(CalcResult& r);
void EhegattenwerteLoeschen(const CalcInput& e, CalcResult& r);
void FreibetragLandForst(CalcResult& r);
void VersorgungsFreibetrag(CalcResult& r);
void WerbungskostenArbeit(const CalcInput& e, CalcResult& r);
int KapitalPauschFall(const CalcInput& e, const CalcResult& r);
int KapitalPauschFallEhegatten(double einnEr, double einnSie, double wkEr, double wkSie,
                               double pausch);
// The joint Werbungskosten-Pauschbetrag of spouses, shared by their receipts.
void KapitalPauschbetragEhegatten(double einnEr, double einnSie, double& wkEr, double& wkSie,
                                  double pausch);
void KapitalWerbungskostenSparerFb(const CalcInput& e, CalcResult& r);
void WerbungskostenSonstige(CalcResult& r);
void SummeDerEinkuenfte(CalcResult& r);
void Verlustausgleich(const CalcInput& e, CalcResult& r);
// § 2(3) EStG 2001: the offset of the seven kinds of income of each person
// with minimum taxation into the table va; false when it does not apply.
bool VerlustausgleichTabelle(const double art[2][7], bool einzel, bool zusammen, double faktor,
                             double va[52]);
void Altersentlastungsbetrag(const CalcInput& e, CalcResult& r);
void GesamtbetragDerEinkuenfte(CalcResult& r);

// deductions
void Spenden(const CalcInput& e, CalcResult& r);
void SonstigeSonderausgaben(const CalcInput& e, CalcResult& r);
void Vorsorgeaufwendungen(const CalcInput& e, CalcResult& r);
double Vorsorgepauschale(const CalcInput& e);
// The Vorsorgepauschale before its rounding to 54 DM from the wage bases of
// both persons and whether each has the full (1) or the reduced one (0).
double VorsorgepauschaleVorStufe(double lohnEr, double lohnSie, int ungekuerztEr, int ungekuerztSie,
                                 bool zusammen);
int ZumutbareBelastungProzent(int kinder, int f2, double gesamtbetrag);
void AussergewoehnlicheBelastungen(const CalcInput& e, CalcResult& r);
int WohnKategorie(std::string_view datum);
void WohneigentumBaukindergeld(const CalcInput& e, CalcResult& r);
void Verlustabzug(const CalcInput& e, CalcResult& r);
void EinkommenErmitteln(const CalcInput& e, CalcResult& r);
void Haushaltsfreibetrag(const CalcInput& e, CalcResult& r);
void Haerteausgleich(const CalcInput& e, CalcResult& r);
// § 46 Abs. 3, 5 EStG, § 70 EStDV: the Härteausgleich on income n that bore no
// wage tax, less the Altersentlastungsbetrag on it (from the wages without
// Versorgungsbezüge) and the farm Freibetrag.
double HaerteausgleichBetrag(double n, double altEntl, double lohnOhneVersorgung,
                             double freibetragLuF);
void ZuVersteuerndesEinkommen(CalcResult& r);

// tariff
// `variante` names the taxable income it taxes for the explanation: "ZvE" and
// the steps of the tariff with that suffix.
double TarifsteuerMitProgression(const CalcInput& e, CalcResult& r, std::string_view variante = {});
// § 34(3) EStG: half the average rate of the tariff tax on the taxable income,
// at least 19.9 %.
double HalberSteuersatz(double zvE, double steuer, int f2);
// § 32b(2) EStG: the special rate of the income u with the progression income.
double BesondererSteuersatz(double u, int f2, double* grenzsteuersatz = nullptr);
void Fuenftelregelung(const CalcInput& e, CalcResult& r, std::string_view basis = "ZvE");
void VeraeusserungsgewinnHalberSatz(const CalcInput& e, CalcResult& r);
void SteuerAusserordentlich(const CalcInput& e, CalcResult& r);
void TarifermaessigungLandForst(const CalcInput& e, CalcResult& r);
void Durchschnittssteuersatz(CalcResult& r);

// credits, surcharges and balances
void AuslaendischeSteuer(const CalcInput& e, CalcResult& r);
void Gewerbesteueranrechnung(const CalcInput& e, CalcResult& r);
void FestzusetzendeEinkommensteuer(CalcResult& r);
double SoliAufSteuer(double steuer, int f2);
double Solidaritaetszuschlag(const CalcInput& e, const CalcResult& r);
void AnrechnungUndSalden(CalcInput& e, CalcResult& r);
bool Kirchensteuerpflichtig(int konf, int bundesland);
double KirchensteuerSatz(int bundesland);
double KirchgeldBetrag(int bundesland, double einkommen);
// The church tax `steuer` capped at `satz` of the taxable income `zvE` for
// `monate` months: the cap where the tax reaches it, else 0.
double KirchensteuerKappung(double zvE, double monate, double satz, double steuer);
void Kirchensteuer(const CalcInput& e, CalcResult& r);
// The taxpayer's share of a couple's church tax (by incomes in Bayern, else by tariff tax).
double KirchensteuerAnteilEr(double summeEr, double summeSie, bool bayern);
void Praemien(const CalcInput& e, CalcResult& r);
void Gesamtsaldo(const CalcInput& e, CalcResult& r);

}  // namespace quarnel
