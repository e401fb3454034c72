#include "results/pruefkatalog.h"

#include "calc/betrag.h"
#include "case/falldatei.h"

namespace quarnel {
namespace {

std::string_view Getrimmt(std::string_view s) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

const Katalogeintrag* Pruefkatalog::Eintrag(int nummer) const {
    const auto it = eintraege.find(nummer);
    return it != eintraege.end() && it->second.Brauchbar() ? &it->second : nullptr;
}

std::string Pruefkatalog::Mangel(int nummer) const {
    if (!vorhanden) return "Prüfungsdatei nicht gefunden";
    const auto it = eintraege.find(nummer);
    if (it == eintraege.end()) return "kein Eintrag";
    const Katalogeintrag& e = it->second;
    if (!e.abgeschlossen) return "Eintrag unvollständig (Datei endet vorzeitig)";
    if (e.stufe < 1 || e.stufe > 4) return "ungültige Stufe";
    if (e.zeilen.empty()) return "Eintrag ohne Text";
    return {};
}

Pruefkatalog PruefkatalogLesen(std::string_view inhalt) {
    Pruefkatalog k;
    k.vorhanden = true;
    Katalogeintrag* offen = nullptr;  // the entry whose lines are being read
    Katalogeintrag verworfen;         // lines of a repeated number go here
    while (!inhalt.empty()) {
        const std::size_t ende = inhalt.find('\n');
        std::string zeile(inhalt.substr(0, ende));
        inhalt.remove_prefix(ende == std::string_view::npos ? inhalt.size() : ende + 1);
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        zeile += ' ';  // so that columns 5 and 6 exist on a short header line
        if (zeile[0] == ';') {
            if (offen) offen->abgeschlossen = true;
            const int nummer = TextZuGanzzahl(std::string_view(zeile).substr(1, 3));
            const int stufe = zeile.size() > 5 ? TextZuGanzzahl(std::string_view(zeile).substr(5, 1)) : 0;
            auto [it, neu] = k.eintraege.try_emplace(nummer);
            if (neu) {
                it->second.stufe = stufe;
                offen = &it->second;
            } else {
                verworfen = {};
                offen = &verworfen;
            }
            continue;
        }
        if (offen) offen->zeilen.emplace_back(Getrimmt(zeile));
    }
    // A last header with no text is the closing line, not an entry.
    if (offen && offen != &verworfen && offen->zeilen.empty() && !offen->abgeschlossen)
        for (auto it = k.eintraege.begin(); it != k.eintraege.end(); ++it)
            if (&it->second == offen) {
                k.eintraege.erase(it);
                break;
            }
    return k;
}

Pruefkatalog PruefkatalogLaden(const std::string& pfad) {
    // A FIFO or device under the catalogue's name counts as no catalogue.
    auto inhalt = DateiLesen(pfad, 16 * 1024 * 1024);
    if (!inhalt) return {};
    return PruefkatalogLesen(std::string(inhalt->begin(), inhalt->end()));
}

}  // namespace quarnel
