// The computations of the children pages: the Kinderfreibetrag and the
// Betreuungsfreibetrag of one child month by month, the education allowance
// with its reduction by the child's own income, and the disability
// Pauschbetrag of one person. Each reads the case record and the tax-year
// parameters and writes only the results the pages store.
#pragma once

#include <cstdint>
#include <string>

#include "case/caserecord.h"

namespace quarnel {

// The date on which a person born on `geburt` completes `jahre` years: the day
// before the birthday. A day of month above 28 counts as 28 before the years
// are added and the excess is added back (so 29 February stays well defined).
int32_t Altersgrenze(int32_t geburt, int jahre);

// Months of the tax year before the age limit `jahre` is completed, the month
// of completion counting: 12 when the limit lies after the year, its month
// when in it, 0 before it or without a birth date.
int MonateUnter(int32_t geburt, int jahre);

// What the children page derives for child `kind` (1..6).
struct KindErgebnis {
    double kinderFb = 0, kinderFbMax = 0;
    double betreuungsFb = 0, betreuungsFbMax = 0;
    bool haushaltsFbMoeglich = false;
    // basic table, and the other parent holds half the allowance in some month:
    // the education allowance and the child's disability Pauschbetrag are
    // shared half and half unless the parents apply for another split
    // (§ 33a(2) sentences 4-5, § 33b(5) EStG)
    bool andererElternteil = false;
};
KindErgebnis KindFreibetraege(const CaseRecord& r, int kind);

// The children page recomputation: stores the Kinderfreibetrag and
// Betreuungsfreibetrag of the year and their maxima, the Haushaltsfreibetrag
// flag, and copies the education allowance into the child block (0 when the
// child has no Kinderfreibetrag). Run the education allowance first.
void KindRechnen(CaseRecord& r, int kind);

// The education allowance of child `kind` (1..6): stores the child's benefits,
// the amount before reduction and the allowance in the education block. The
// shares of the allowance and of the child's disability Pauschbetrag default
// to half when the other parent is entitled (kept once the user types one);
// without income of its own the page counts the child page's income, spread
// evenly over the months of its columns and taken for the training months.
void AusbildungsFbRechnen(CaseRecord& r, int kind);

// The education page holds income of its own that differs in a pair's year
// total from the child page's (until it holds any, the child page's counts).
bool AusbildEinkommenAbweichend(const CaseRecord& r, int kind);

// All six children in dependency order: each child's education allowance,
// then its child allowances (which copy the fresh education allowance), then
// the disability Pauschbeträge of all eight persons.
void KinderUndBehinderteRechnen(CaseRecord& r);

// The months of a period as the pages label it: the short month names of the
// two dates joined by "-" ("Jan.-Dez."), or "keine Angabe" without both. UTF-8.
std::string MonatsSpanneText(int32_t vom, int32_t bis);

// The period in which child `kind` may get an education allowance, as the
// education page shows it: "(01.01.2001 bis 31.03.2001)", or "Kein Freibetrag
// möglich (vgl. Hilfe!)". UTF-8.
std::string AusbildungsZeitraumText(const CaseRecord& r, int kind);

// The defaults a newly entered birth date brings when no residence date is
// given yet: residence in Germany for the year (from birth), natural child of
// the taxpayer (and of the spouse when `ehegatte`), child in the household and
// the year's Kindergeld (halved without the spouse). Returns whether they were
// set; the page then tells the user so.
bool GeburtsdatumVorgaben(CaseRecord& r, int kind, bool ehegatte);

// The disability Pauschbetrag of disability element `person` (1 taxpayer,
// 2 spouse, 3..8 child 1..6); stores and returns it.
double BehPauschBetragRechnen(CaseRecord& r, int person);

}  // namespace quarnel
