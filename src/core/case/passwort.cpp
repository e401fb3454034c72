#include "case/passwort.h"

namespace quarnel {

std::string_view PasswortGetrimmt(std::string_view s) {
    auto leer = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!s.empty() && leer(s.front())) s.remove_prefix(1);
    while (!s.empty() && leer(s.back())) s.remove_suffix(1);
    return s;
}

PasswortWahl PasswortBewerten(std::string_view eingabe1, std::string_view eingabe2) {
    if (eingabe1 != eingabe2) return PasswortWahl::Abweichend;
    return PasswortGetrimmt(eingabe1).empty() ? PasswortWahl::Entfernt : PasswortWahl::Gesetzt;
}

std::string PasswortZumSpeichern(std::string_view eingabe1) {
    return std::string(eingabe1.substr(0, PasswortLaenge));
}

bool PasswortPasst(std::string_view eingabe, std::string_view gespeichert) {
    return PasswortGetrimmt(eingabe) == PasswortGetrimmt(gespeichert);
}

}  // namespace quarnel
