// quarnel-cli: a small registry of sub-commands. Each command lives in a
// file of its own and registers itself with a static BefehlEintrag.
#pragma once

#include <string>
#include <vector>

#include "case/caserecord.h"

namespace quarnel::cli {

// Arguments after the command name. Returns the process exit code:
// 0 success, 1 failure of the work itself, 2 bad usage or bad input.
using BefehlFunktion = int (*)(const std::vector<std::string>& args);

struct BefehlEintrag {
    BefehlEintrag(const char* name, const char* aufruf, const char* beschreibung, BefehlFunktion f);
};

// Prints "quarnel-cli: <text>" to stderr and returns 2.
int Fehler(const std::string& text);

// Reads the case record of a current case file; 0, or the exit code after
// the reason was printed.
int FallLesen(const std::string& pfad, CaseRecord& satz);

}  // namespace quarnel::cli
