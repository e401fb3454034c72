// quarnel-cli hilfenamen: every help page and field anchor the program
// addresses, one a line ("seite" or "seite#anker"), to check the help content.
#include <cstdio>

#include "befehle.h"
#include "shell/hilfenamen.h"

namespace quarnel::cli {
namespace {

int Hilfenamen(const std::vector<std::string>& args) {
    if (!args.empty()) return Fehler("hilfenamen erwartet keine Argumente");
    for (const std::string& s : ProgrammHilfeseiten()) std::printf("%s\n", s.c_str());
    for (const FeldHilfe& f : ProgrammFeldanker())
        std::printf("%s#%s\n", f.seite.c_str(), f.anker.c_str());
    return 0;
}

const BefehlEintrag kEintrag("hilfenamen", "hilfenamen",
                             "listet jede Hilfeseite und jeden Feldanker, den das Programm aufruft",
                             &Hilfenamen);

}  // namespace
}  // namespace quarnel::cli
