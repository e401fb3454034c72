// The persons page's rules on the case record: which tax table the marital
// status gives, the label that names it, and the page marks of the spouse's
// pages that follow the table. The persons page runs them when the marital
// status or its dates change and when it closes; the checks read them.
#pragma once

#include <cstdint>
#include <string>

#include "case/caserecord.h"

namespace quarnel {

enum class Steuertabelle { Unveraendert, Grundtabelle, Splitting };

// The table decision from the marital status (list index, -1 none), the date
// it holds since and the separation date (day numbers, -1 empty).
Steuertabelle TabelleNachFamilienstand(int32_t familienstand, int32_t seit, int32_t trennungSeit);
// The same from the persons fields of the record.
Steuertabelle TabelleNachFamilienstand(const CaseRecord& r);

// Widowed in the year before the tax year: the splitting table for widows,
// while the flags stay on the basic table.
bool WitwenSplitting(const CaseRecord& r);

// "Besteuerung nach " and the table: "Grundtabelle", "Splittingtabelle" or
// "Splittingtabelle (Witwen/Witwer)".
std::string TabellenText(const CaseRecord& r);

// Applies a decision to the record's `Grundtabelle` and `Splitting` flags,
// which always end up each other's opposite. The spouse's pages are deselected
// on every decision for the basic table and selected when the case switches to
// splitting. Returns true when the table changed.
bool TabelleSetzen(CaseRecord& r, Steuertabelle t);

// The table decision of the record's marital status, applied (what the page
// runs when the status or one of its dates changes).
bool TabelleEntscheiden(CaseRecord& r);

// Selects or deselects the spouse's wage-tax card pages and expense area for
// the record's table, respecting the interview's answer once the interview
// has adapted the case; the employment area is selected exactly when one of
// its pages is.
void EhegattenSeitenMarkieren(CaseRecord& r);

}  // namespace quarnel
