// Computation cases as text: the declared values, optional presets of the
// result record (the what-if deltas) and the expected results.
//
//   # comment (also after a value)
//   [eingabe]        CalcInput field = value
//   [vorgabe]        CalcResult field = value, set before the computation
//   [erwartet]       CalcResult field = value, compared after it
//
// Field names are those of the name table (feldnamen.h); numbers take "." or
// "," as decimal separator. Unknown sections, unknown fields, repeated fields
// and malformed values are errors. The input starts as the declaration fill
// leaves an empty case: everything 0, no state (-1), no religion (9), no
// children (key 200000).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/calcdaten.h"
#include "calc/feldnamen.h"

namespace quarnel {

struct Erwartung {
    const RechenFeld* feld;
    std::string wert;
    int zeile;
};

struct Fall {
    CalcInput eingabe{};
    CalcResult vorgabe{};
    std::vector<Erwartung> erwartet;
};

struct FallFehler {
    int zeile = 0;
    std::string text;
};

// Reads a case; false and *fehler on the first error.
bool FallLesen(std::string_view text, Fall& fall, FallFehler& fehler);

// One expected value that the computed result misses; empty when all match.
// Numbers match within half a Pfennig.
struct Abweichung {
    std::string feld;
    std::string erwartet;
    std::string berechnet;
    int zeile;
};
std::vector<Abweichung> FallPruefen(const Fall& fall, const CalcResult& ergebnis);

}  // namespace quarnel
