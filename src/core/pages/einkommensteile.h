// The own income of a child or of a supported person, in and outside the
// months that count, reduced to the parts the allowances are cut by. The
// children page, the education page and the support page share it.
#pragma once

#include "case/caserecord.h"

namespace quarnel {

// The income pairs ("In": inside the months, "Aus": outside) of one block;
// the same fields exist in the child block, the education block and for
// each supported person.
struct Einkommensfelder {
    Feld brutto[2], werbk[2], kapital[2], kapitalWk[2], renten[2], ertragAnteil, uebrigeEk[2],
        ausBeih[2], uebrigeBez[2], bezAufwend[2];
};

struct Einkommensteile {
    double p1 = 0, p2 = 0, p3 = 0;  // capital and other income, wages, pensions
    double bz = 0, bn = 0;          // benefits, gross and net
    double q = 0;                   // share of the benefits inside the months
    double beihilfen = 0;           // education grants, total
};

// The parts for element `element` of the fields' block, over n months.
Einkommensteile Einkommen(const CaseRecord& r, const Einkommensfelder& f, int element, int n);

}  // namespace quarnel
