// Shared helpers of the rule families of the plausibility checks: the view of
// the record the rules read, counting of conditions and the entry points of
// each family. Internal to the check rules.
#pragma once

#include <initializer_list>
#include <string>

#include "calc/betrag.h"
#include "case/caserecord.h"
#include "results/pruefung.h"

namespace quarnel::pruefregeln {

// What the rules ask of a field: blank texts, given dates, zero amounts.
struct Sicht {
    const CaseRecord& r;
    const Veranlagung& v;

    // A text is blank when nothing but blanks remains.
    bool Leer(Feld f, int e = 1) const;
    bool Beschrieben(Feld f, int e = 1) const { return !Leer(f, e); }
    // A date is given unless it holds -1.
    bool Gegeben(Feld f, int e = 1) const { return r.Int(f, e) != KeinDatum; }
    bool Fehlt(Feld f, int e = 1) const { return !Gegeben(f, e); }
    double Betrag(Feld f, int e = 1) const { return r.Dbl(f, e); }
    // The value of an amount, a whole number or a choice index.
    double Wert(Feld f, int e = 1) const;
    bool Null(Feld f, int e = 1) const { return IstNull(Wert(f, e)); }
    bool NichtNull(Feld f, int e = 1) const { return IstNichtNull(Wert(f, e)); }
    bool Positiv(Feld f, int e = 1) const { return IstPositiv(Wert(f, e)); }
    // A choice (or count) above 0.
    bool UeberNull(Feld f, int e = 1) const { return Wert(f, e) > 0; }
    bool Haken(Feld f, int e = 1) const { return r.Bool(f, e); }
    int Wahl(Feld f, int e = 1) const { return r.Int(f, e); }
    bool Zusammen() const { return v.zusammen; }
    bool Einzel() const { return v.einzel; }
};

// How many of the conditions hold.
inline int Anzahl(std::initializer_list<bool> bedingungen) {
    int n = 0;
    for (bool b : bedingungen) n += b ? 1 : 0;
    return n;
}

// The finding number when the condition holds, else 0.
inline int Befund(bool bedingung, int nummer) { return bedingung ? nummer : 0; }

// A line of description and amounts (trade, self-employment, recurring
// receipts): 1 for the description, 3 for the taxpayer's amount, 5 for the
// spouse's amount with joint assessment.
int Zeilencode(const Sicht& s, bool beschrieben, double betragEr, double betragSie);
// Variant A: the taxpayer's finding with a line of code 1, 3 or 8, the
// spouse's with 1, 5 or 8.
bool ZeileUnvollstaendigEr(int code);
bool ZeileUnvollstaendigSie(int code);
// Variant B: any code other than 0, 4, 6 and 9.
bool ZeileUnstimmig(int code);

// The rule families; each sets the lists of its pages.
void PersonenRegeln(const Sicht& s, Befundtabelle& t);       // 11, 12, 21..26, 131, 3xx..5xx
void LohnRegeln(const Sicht& s, Befundtabelle& t);           // 31..34, 41..48, 51..58
void EinkuenfteRegeln(const Sicht& s, Befundtabelle& t);     // 61, 71..74, 81, 91, 101, 111..114
void AbzugRegeln(const Sicht& s, Befundtabelle& t);          // 121..127, 132..136, 151, 161
void WohneigentumRegeln(const Sicht& s, Befundtabelle& t);   // 141..145
// The half average rate of §34(3) dearer than §34(1) (179), appended.
void HalberSatzRegel(const Sicht& s, Befundtabelle& t);
// Another admissible assessment of the couple costs less (612), appended to
// the persons page.
void VeranlagungRegel(const Sicht& s, Befundtabelle& t);
// What the printed return says beyond the entries (610, 611), appended to the
// persons page and the disability page.
void FormularRegeln(const Sicht& s, Befundtabelle& t);
// Amounts beyond any real case (600), appended to the pages' lists: runs last.
void BetragsRegeln(const Sicht& s, Befundtabelle& t);

}  // namespace quarnel::pruefregeln
