// Amount helpers: how the system rounds money, converts DM to euro and
// formats numbers with picture masks, plus small text and date helpers.
// All amounts are Doubles in DM; none of these helpers keeps state.
// Texts are Windows-1252 byte strings (one byte per character).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quarnel {

// --- rounding and arithmetic -------------------------------------------------
double AufrundenDM(double x);                 // up to full DM after rounding to cents
double AbrundenDM(double x);                  // down to full DM after rounding to cents
double RundenCent(double x);                  // to cents, halves up by magnitude
double AbschneidenStellen(int n, double x);   // truncate toward zero to n decimals
double DMinEuro(double x);                    // euro value of a DM amount
double MinWert(double a, double b);
double MaxWert(double a, double b);
double NichtNegativ(double x);
double Quotient(double a, double b);          // b / a, 0 when a == 0 (divisor first!)
double Int(double x);                         // truncation toward zero

// The same three roundings done digit by digit on the decimal value; the
// quick paths above must always give what these give.
namespace dezimal {
double AufrundenDM(double x);
double AbrundenDM(double x);
double RundenCent(double x);
}  // namespace dezimal

// --- predicates ----------------------------------------------------------------
bool IstPositiv(double x);        // x > 0.000001
bool IstNichtNull(double x);      // |x| > 0.000001
bool IstNull(double x);           // |x| < 0.000001
bool UeberTausendstel(double x);  // x > 0.001
bool IstNullGrob(double x);       // |x| < 0.00001

// --- text helpers ----------------------------------------------------------------
std::string ZeichenKette(char ch, int n);  // n capped at 80
std::string Leerzeichen(int n);
std::string Striche(int n);
std::string RechtsAuffuellen(const std::string& s, char ch, int n);
std::string GanzzahlText(long long i);
double TextZuZahl(std::string_view s);        // first 12 characters
int32_t TextZuGanzzahl(std::string_view s);   // first 11 characters
int32_t ZahlZuGanzzahl(double x);
std::string FormatMaske(std::string_view maske, double x);
std::string AnsiZuOem(const std::string& s);
std::string DruckerportDeutsch(const std::string& s);

// --- date helpers (day numbers: 1 January 1600 = 0, -1 = no date) ----------------
constexpr int32_t KeinDatum = -1;
int32_t TagesNummer(int jahr, int monat, int tag);  // proleptic Gregorian
int JahrVon(int32_t d);
int MonatVon(int32_t d);   // 0 for -1
int TagVon(int32_t d);     // 0 for -1
std::string DatumText(int32_t d);  // "dd.mm.yyyy", ten characters
struct DatumTeile {
    int tag = 0, monat = 0, jahr = 0;
};
DatumTeile DatumZerlegen(std::string_view s);
int MonateZwischen(int32_t a, int32_t b);
struct Abstand {
    int tage = 0, monate = 0, jahre = 0;
};
Abstand AbstandZerlegen(int32_t a, int32_t b);

// The tax year and its first and last day.
constexpr int Steuerjahr = 2001;
constexpr int32_t ErsterTagSteuerjahr = 146463;   // 1 January 2001
constexpr int32_t LetzterTagSteuerjahr = 146827;  // 31 December 2001

}  // namespace quarnel
