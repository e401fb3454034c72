// quarnel-cli: command-line access to the core (cases, computation, notice, checks).
#include "befehle.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

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

void Hilfe() {
    std::printf("Aufruf: quarnel-cli BEFEHL [ARGUMENTE]\n\nBefehle:\n");
    for (const auto& [name, b] : Register())
        std::printf("  %-48s %s\n", b.aufruf.c_str(), b.beschreibung.c_str());
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
    if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "hilfe") {
        Hilfe();
        return argc < 2 ? 2 : 0;
    }
    auto it = Register().find(argv[1]);
    if (it == Register().end()) return Fehler(std::string("unbekannter Befehl: ") + argv[1]);
    std::vector<std::string> args(argv + 2, argv + argc);
    return it->second.funktion(args);
}
