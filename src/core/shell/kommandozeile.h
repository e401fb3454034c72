// The letters of the program's command line, and the case file named on it.
#pragma once

#include <string>
#include <vector>

namespace quarnel {

struct Startschalter {
    bool testmodus = false;    // "T"
    bool autoOeffnen = false;  // "F": open "Neu.S01" of the data directory at start
    bool ohneSplash = false;   // "S-"
    std::string datei;         // a file to open after start-up (absolute), "" when none
};

// A parameter holding a slash or a point names a file (as a file manager
// passes it); the first such parameter is the file to open after start-up,
// made absolute. The other parameters among the first three are joined and
// each letter is searched anywhere in them, case-sensitively; "H" has no
// effect. So the capitals of a path never count as letters.
Startschalter KommandozeileAuswerten(const std::vector<std::string>& parameter);

}  // namespace quarnel
