// The what-if share of the whole case: the what-if page stores nothing, so
// its share of the case is empty; the base case is the plain couple
// (fall::Ehepaar).
#pragma once

#include <string>
#include <vector>

#include "fall.h"

namespace fall {

// The same taxpayer alone, under the basic table.
inline std::vector<std::string> WwwLedig() {
    return {"ErSie_FamilienstandLB=0", "Grundtabelle=ja", "Splitting=nein",
            "StpflGebDat=01.01.1960", "Brutto[1]=70000", "LStBrutto[1]=12000"};
}

// What the what-if page leaves in the case: nothing.
inline std::vector<std::string> WwwAnteil() {
    return {};
}

}  // namespace fall
