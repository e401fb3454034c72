// Capital income: the three lists of single receipts (domestic, foreign,
// participations) and the sums the capital-income page shows and the
// declaration values read. The lists live in the case record.
#pragma once

#include "case/caserecord.h"

namespace quarnel {

enum class KapListe { Inland, Ausland, Beteiligung };

// Number of entries of a list (60 domestic, 30 foreign, 30 participations).
int KapEintraege(KapListe l);

// Person codes of an entry.
constexpr uint8_t KapPersonKeine = 0;
constexpr uint8_t KapPersonEr = 1;
constexpr uint8_t KapPersonSie = 2;
constexpr uint8_t KapPersonBeide = 3;

// The taxpayer's and the spouse's share of an amount for a person code:
// the whole for the one person, exact halves for both, nothing otherwise.
double KapAnteilEr(uint8_t person, double betrag);
double KapAnteilSie(uint8_t person, double betrag);

// Row editing of a list. An empty entry has no kind and no amounts and belongs
// to the taxpayer. Removing entry c moves the following entries up and empties
// the last; inserting before c moves c .. last-1 down (the last is lost) and
// empties c. Numbers outside the list do nothing.
void KapEintragLeeren(CaseRecord& r, KapListe l, int n);
void KapEintragLoeschen(CaseRecord& r, KapListe l, int c);
void KapEintragEinfuegen(CaseRecord& r, KapListe l, int c);

// Recomputes every line, total and credit sum of the capital-income page from
// the three lists.
void KapSummenRechnen(CaseRecord& r);

}  // namespace quarnel
