// Page computations of the income pages: rental objects, business and
// self-employment profits with their sale gains, the depreciation list of
// work equipment, annuities and other income. Each reads the case record and
// the tax-year parameters and writes only the derived fields of its page.
#pragma once

#include <optional>

#include "case/caserecord.h"

namespace quarnel {

// --- rental objects (object 1..4) ------------------------------------------------
// Deductible part of one cost line of object `objekt`: with a non-deductible
// percentage the non-deductible amount is derived from it and stored; the
// deductible part is never negative.
double AbzugRechnen(CaseRecord& r, int objekt, Feld gesamt, Feld prozent, Feld abzug);
// Receipts, expenses, income and the taxpayer's and spouse's shares and totals.
void ObjektRechnen(CaseRecord& r, int objekt);

// --- business and self-employment --------------------------------------------------
// Income net of the half-income part and the five sale-gain results per person.
void GewinnRechnen(CaseRecord& r);
void SelbstRechnen(CaseRecord& r);

// --- depreciation list of work equipment (person 1 or 2, rows 1..25) ------------
constexpr int AfaZeilen = 25;
// Depreciation of the tax year and remaining value of one row.
void AfaRechnen(CaseRecord& r, int person, int zeile);
// Sum of the depreciation column as stored.
double SummeZeilen(const CaseRecord& r, int person);
// Recomputes every row and returns the sum: what the list hands to its page.
double AfaSummeRechnen(CaseRecord& r, int person);
// Row editing of the list: inserting before `zeile` loses row 25, removing
// `zeile` appends an empty row 25; both do nothing on row 25 itself.
void AfaZeileEinfuegen(CaseRecord& r, int person, int zeile);
void AfaZeileLoeschen(CaseRecord& r, int person, int zeile);

// --- annuities and other income ---------------------------------------------------
// Ertragsanteil in percent of a life annuity for the age at its start.
int LeibrentenAnteil(int alter);
// Ertragsanteil of an annuity limited to `jahre` years, and the age from which
// the life-annuity table applies instead (-1: never).
struct AbgekuerzteRente {
    int prozent;
    int lebenAbAlter;
};
AbgekuerzteRente AbgekuerzteRentenAnteil(int jahre);
// Years of life completed on `tag` by a person born on `geburt`: the birthday
// itself counts as reached (a birthday on 29 February on 1 March).
int VollendetesAlter(int32_t geburt, int32_t tag);
// Term of a temporary annuity in whole years, counted from the first to the
// last month of payment, both included (1998 to 2007 are ten years).
int LaufzeitJahre(int32_t seit, int32_t ende);

// The Ertragsanteil in per cent of one annuity: the known one when given, else
// from the age completed at its start (birth date, start) and, for a limited
// annuity, its term up to `ende` (-1: for life). Nothing when neither a known share
// nor both dates are given. `berechnet` says whether the tables gave it.
struct Ertragsanteil {
    int prozent = 0;
    bool berechnet = false;
};
std::optional<Ertragsanteil> ErtragsanteilBestimmen(double bekannt, int32_t geburt, int32_t seit,
                                                    int32_t ende);
// Taxable share and taxable amounts of the four annuity lines.
void RentenErtragRechnen(CaseRecord& r);
// Services and private sales of taxpayer and (with joint assessment) spouse.
void SonstEkRechnen(CaseRecord& r);

// --- all of them ---------------------------------------------------------------------
// Runs the computations of the income pages in the order the declaration
// values need them: capital, annuities, other income, business,
// self-employment, the four rental objects. The depreciation list is left
// alone: it is computed only when its page asks for the sum.
void EinkuenfteSeitenRechnen(CaseRecord& r);

}  // namespace quarnel
