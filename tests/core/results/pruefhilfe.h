// Helpers of the check tests.
#pragma once

#include <vector>

#include "case/caserecord.h"
#include "results/pruefung.h"

namespace quarnel::test {

// The record of a new case.
inline CaseRecord NeuerSatz() {
    CaseRecord r;
    NeuerFallDatensatz(r);
    return r;
}

// The non-zero findings of one page, in report order.
inline std::vector<int> Befunde(const CaseRecord& r, const Veranlagung& v, int kennung) {
    std::vector<int> n;
    const Befundtabelle t = RegelnPruefen(r, v);
    for (int16_t b : t.Positionen(kennung))
        if (b != 0) n.push_back(b);
    return n;
}

}  // namespace quarnel::test
