// quarnel-cli: command-line access to the core (cases, computation, notice, checks).
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "befehle.h"
#include "shell/programminfo.h"
#include "shell/verzeichnisse.h"

namespace quarnel::cli {
namespace {

struct Befehl {
    std::string aufruf;
    std::string beschreibung;
    BefehlFunktion funktion;
};

std::map<std::string, Befehl>& Register() {
    static std::map<std::string, Befehl> r;
    return r;
}

// A call longer than its column stands on a line of its own, with the
// description below it (so that the manual page can be made from this text).
void Hilfe() {
    constexpr int spalte = 46;
    std::printf(
        "Aufruf: quarnel-cli BEFEHL [ARGUMENTE]\n"
        "        quarnel-cli --help | --version\n\n"
        "Arbeitet ohne das Desktop-Programm mit Falldateien (.S01): Felder, Berechnung,\n"
        "Bescheid und Prüfung.\n\nBefehle:\n");
    for (const auto& [name, b] : Register()) {
        if (b.aufruf.size() <= spalte)
            std::printf("  %-*s  %s\n", spalte, b.aufruf.c_str(), b.beschreibung.c_str());
        else
            std::printf("  %s\n  %-*s  %s\n", b.aufruf.c_str(), spalte, "", b.beschreibung.c_str());
    }
    std::printf("  %-*s  %s\n", spalte, "hilfe", "zeigt diese Hilfe");
    std::printf("\nOptionen:\n  %-*s  %s\n  %-*s  %s\n", spalte, "--help", "zeigt diese Hilfe",
                spalte, "--version",
                "zeigt die Version und das Verzeichnis der Installationsdaten");
}

}  // namespace

BefehlEintrag::BefehlEintrag(const char* name, const char* aufruf, const char* beschreibung,
                             BefehlFunktion f) {
    Register()[name] = Befehl{aufruf, beschreibung, f};
}

int Fehler(const std::string& text) {
    std::fprintf(stderr, "quarnel-cli: %s\n", text.c_str());
    return 2;
}

}  // namespace quarnel::cli

int main(int argc, char** argv) {
    using namespace quarnel::cli;
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "hilfe") == 0) {
        Hilfe();
        return argc < 2 ? 2 : 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        const auto v =
            quarnel::VerzeichnisseBestimmen(quarnel::VerzeichnisQuellenDesProzesses(), false);
        std::fputs(quarnel::VersionsText("quarnel-cli", v).c_str(), stdout);
        return 0;
    }
    auto it = Register().find(argv[1]);
    if (it == Register().end()) return Fehler(std::string("unbekannter Befehl: ") + argv[1]);
    std::vector<std::string> args(argv + 2, argv + argc);
    return it->second.funktion(args);
}
