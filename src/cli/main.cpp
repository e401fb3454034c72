// quarnel-cli: command-line access to the core (cases, computation, notice, checks).
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "befehle.h"
#include "case/zeichensatz.h"
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
    std::printf("\nOptionen:\n  %-*s  %s\n  %-*s  %s\n  %-*s  %s\n", spalte, "--help",
                "zeigt diese Hilfe", spalte, "--version",
                "zeigt die Version und das Verzeichnis der Installationsdaten", spalte,
                "--passwort PW", "das Passwort eines geschützten Falles (bei jedem Befehl)");
}

}  // namespace

BefehlEintrag::BefehlEintrag(const char* name, const char* aufruf, const char* beschreibung,
                             BefehlFunktion f) {
    Register()[name] = Befehl{aufruf, beschreibung, f};
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
    // Names and texts with control characters are refused; the password of
    // a protected case goes with any command.
    std::vector<std::string> args;
    std::optional<std::string> passwort;
    for (int i = 2; i < argc; ++i) {
        if (quarnel::HatSteuerzeichen(argv[i]))
            return Fehler("Steuerzeichen in Argument " + std::to_string(i - 1) +
                          " werden nicht angenommen");
        if (std::strcmp(argv[i], "--passwort") == 0 && i + 1 < argc) {
            passwort = argv[++i];
            if (quarnel::HatSteuerzeichen(*passwort))
                return Fehler("Steuerzeichen im Passwort werden nicht angenommen");
            continue;
        }
        args.emplace_back(argv[i]);
    }
    PasswortVorgeben(std::move(passwort));
    return it->second.funktion(args);
}
