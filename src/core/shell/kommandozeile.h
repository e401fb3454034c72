// The letters of the program's command line.
#pragma once

#include <string>
#include <vector>

namespace quarnel {

struct Startschalter {
    bool testmodus = false;    // "T"
    bool autoOeffnen = false;  // "F": open "Neu.S01" of the data directory at start
    bool ohneSplash = false;   // "S-"
};

// The first three parameters (without the program name) are joined and each
// letter is searched anywhere in them, case-sensitively; "H" has no effect.
Startschalter KommandozeileAuswerten(const std::vector<std::string>& parameter);

}  // namespace quarnel
