// Person pairs of the annex sheets: a field pair such as 12, 13 names the
// two person columns of one line, and the index of the definition line
// (1 taxpayer, 2 spouse; any other index counts as 1) chooses the person.
#pragma once

#include <optional>
#include <span>

#include "print/formularwerte.h"

namespace quarnel {

// One record field pair of a line. Several entries with the same field
// number are added up (a line showing a sum of fields).
struct Personenpaar {
    int feld;  // the first of the two field numbers
    Feld stpfl, ehegatte;
};

inline int IndexImBereich(int index, int bis) { return index >= 1 && index <= bis ? index : 1; }

// The amount of the field pair of `z`, nothing when no pair has that number.
inline std::optional<double> Paarwert(const CaseRecord& r, std::span<const Personenpaar> paare,
                                      const Definitionszeile& z) {
    std::optional<double> summe;
    const bool ehegatte = IndexImBereich(z.index, 2) == 2;
    for (const Personenpaar& p : paare)
        if (z.feld == p.feld || z.feld == p.feld + 1)
            summe = summe.value_or(0) + r.Dbl(ehegatte ? p.ehegatte : p.stpfl);
    return summe;
}

}  // namespace quarnel
