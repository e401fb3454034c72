#include "shell/wegfix.h"

#include <array>

namespace quarnel {
namespace {

constexpr std::string_view kEintraege[] = {
#include "shell/wegfix_daten.inc"
};

bool Ziffern(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

int Zahl(std::string_view s) {
    int n = 0;
    for (char c : s) n = 10 * n + (c - '0');
    return n;
}

}  // namespace

std::optional<WegfixEintrag> WegfixEintragLesen(std::string_view roh) {
    // The keyword begins at the fifteenth character.
    if (roh.size() < 15 || roh[2] != ',' || roh[5] != ',' || roh[8] != ',' || roh[13] != '/')
        return std::nullopt;
    const std::string_view aa = roh.substr(0, 2), pp = roh.substr(3, 2), qq = roh.substr(6, 2),
                           nnnn = roh.substr(9, 4);
    if (!Ziffern(aa) || !Ziffern(pp) || !Ziffern(qq) || !Ziffern(nnnn)) return std::nullopt;
    return WegfixEintrag{Zahl(aa), Zahl(pp), std::string(qq), std::string(roh.substr(14))};
}

int WegfixAnzahl() {
    return static_cast<int>(std::size(kEintraege));
}

std::string_view WegfixRoh(int zeile) {
    if (zeile < 1 || zeile > WegfixAnzahl()) return {};
    return kEintraege[zeile - 1];
}

std::vector<WegfixEintrag> WegfixEintraege() {
    std::vector<WegfixEintrag> v;
    for (int z = 1; z <= WegfixAnzahl(); ++z)
        if (auto e = WegfixEintragLesen(WegfixRoh(z))) v.push_back(std::move(*e));
    return v;
}

WegfixWahl WegfixGeheZu(const CaseRecord& r, int zeile) {
    const auto e = WegfixEintragLesen(WegfixRoh(zeile));
    if (!e) return {};
    // Only a page the navigator lists: a selected page of a deselected area
    // would open a page that is not part of the case.
    if (SeiteImBaum(r, e->bereich, e->seite)) return {SeitenOrt{e->bereich, e->seite}, {}};
    return {std::nullopt, "Eingabeseite nicht verfügbar - vgl. Auswahlfrage " + e->frage};
}

}  // namespace quarnel
