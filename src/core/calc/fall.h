// Computation cases as text: the declared values, optional presets of the
// result record (the what-if deltas) and the expected results.
//
//   # comment (also after a value)
//   [eingabe]        CalcInput field = value
//   [vorgabe]        CalcResult field = value, set before the computation
//   [erwartet]       CalcResult field = value, compared after it
//
// A whole case starts from a new case record instead of from CalcInput:
//
//   [fall]           case-record field = value, as `quarnel-cli setze` takes it
//   [kurzfall]       the same, computed by the quick variant of the fill
//   [deklaration]    CalcInput field = value, compared after the fill
//
//   [waswaere]       what-if change field = amount ("BruttoEr = 2000"): the
//                    expected results are those of the computation with the
//                    changes (the names are resolved by whoever runs the case)
//
// Such a case is filled and then computed; it cannot have [eingabe] values.
//
//   [bescheidzeilen] texts (no '='), each to be found in a line of the notice
//                    built from the computed case (runs of blanks count as one)

// Field names are those of the name table (feldnamen.h) and, for the record,
// of the field catalogue; numbers take "." or "," as decimal separator.
// Unknown sections, unknown fields, repeated fields and malformed values are
// errors. The input starts as the declaration fill leaves an empty case:
// everything 0, no state (-1), no religion (9), no children (key 200000).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calcdaten.h"
#include "calc/feldnamen.h"
#include "case/caserecord.h"

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
    std::optional<CaseRecord> satz;  // a whole case: the record it starts from
    bool kurz = false;               // filled by the quick variant
    std::vector<Erwartung> deklaration;
    struct Bescheidzeile {
        std::string text;  // UTF-8
        int zeile;
    };
    std::vector<Bescheidzeile> bescheidzeilen;
    struct Aenderung {
        std::string feld, wert;
        int zeile;
    };
    std::vector<Aenderung> waswaere;  // what-if changes, as written
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
// The same with the [deklaration] values checked against the filled input.
std::vector<Abweichung> FallPruefen(const Fall& fall, const CalcInput& eingabe,
                                    const CalcResult& ergebnis);

// Computes a case: a whole case is filled from its record first (a copy, so
// the case can run again), a case of declared values runs on them.
void FallRechnen(const Fall& fall, CalcInput& eingabe, CalcResult& ergebnis);

}  // namespace quarnel
