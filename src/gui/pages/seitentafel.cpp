#include "pages/seitentafel.h"

#include <algorithm>
#include <charconv>

namespace quarnel::gui {

namespace {

// The fields of one line, in quotes or escaped as the file writes them.
std::vector<std::string> Felder(std::string_view zeile, std::vector<bool>& da) {
    std::vector<std::string> felder;
    da.clear();
    for (size_t anfang = 0;;) {
        const size_t tab = zeile.find('\t', anfang);
        std::string_view roh =
            zeile.substr(anfang, tab == std::string_view::npos ? tab : tab - anfang);
        da.push_back(!roh.empty());
        if (roh.size() >= 2 && roh.front() == '"' && roh.back() == '"')
            roh = roh.substr(1, roh.size() - 2);
        std::string f;
        for (size_t i = 0; i < roh.size(); ++i) {
            if (roh[i] == '\\' && i + 1 < roh.size() && (roh[i + 1] == 'n' || roh[i + 1] == '\\'))
                f += roh[++i] == 'n' ? '\n' : '\\';
            else
                f += roh[i];
        }
        felder.push_back(std::move(f));
        if (tab == std::string_view::npos) break;
        anfang = tab + 1;
    }
    return felder;
}

template <class Zahl>
bool Lesen(const std::string& text, Zahl& z) {
    if (text.empty()) {
        z = 0;
        return true;
    }
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), z);
    return fehler == std::errc() && ende == text.data() + text.size();
}

// Reads one record of page `t`; an empty text when it is sound, else what is wrong.
std::string Datensatz(Seitentafel& t, std::string& reiter, const std::vector<std::string>& f,
                      const std::vector<bool>& da) {
    const auto text = [&](size_t i) -> const char* {
        if (i >= f.size() || !da[i]) return nullptr;
        return t.texte.emplace_back(f[i]).c_str();
    };
    const std::string& art = f[0];
    Seitenbeschreibung& b = t.beschreibung;
    const std::pair<const char*, const char**> texte[] = {
        {"titel", &b.infoTitel},     {"reiter", &b.reiter},        {"unterreiter", &b.unterreiter},
        {"maske", &b.standardMaske}, {"koepfe", &b.spaltenkoepfe}, {"radio", &b.radiogruppen},
        {"ehegatte", &b.ehegatte},
    };
    for (const auto& [name, ziel] : texte)
        if (art == name) {
            if (f.size() != 2) return art + " nimmt genau einen Wert";
            *ziel = text(1);
            return {};
        }
    if (art == "blatt")
        return f.size() == 2 && Lesen(f[1], b.formularblatt) ? "" : "blatt nimmt eine Zahl";
    if (art.size() > 2 && art.front() == '[' && art.back() == ']' && f.size() == 1) {
        reiter = art.substr(1, art.size() - 2);
        return {};
    }
    if (art == "feld") {
        FeldZusatz z{text(1)};
        if (!z.id || f.size() > 7) return "feld: Kennung [Maske] [min] [max] [Art] [Beschriftung]";
        z.maske = text(2);
        if (!Lesen(f.size() > 3 ? f[3] : "", z.min) || !Lesen(f.size() > 4 ? f[4] : "", z.max))
            return "feld: Bereich ist keine Zahl";
        static constexpr std::string_view arten[] = {"", "anzeige", "ohne", "gesperrt"};
        const std::string_view a = f.size() > 5 ? f[5] : "";
        const auto gefunden = std::find(std::begin(arten), std::end(arten), a);
        if (gefunden == std::end(arten)) return "feld: unbekannte Art »" + std::string(a) + "«";
        z.art = static_cast<uint8_t>(gefunden - std::begin(arten));
        z.beschriftung = text(6);
        t.zusatz.push_back(z);
        return {};
    }
    if (reiter.empty() && (art == "kopf" || art == "zeile" || art == "knopf"))
        return art + " vor dem ersten [Reiter]";
    if (art == "kopf") {
        if (f.size() > 2) return "kopf nimmt eine Beschriftung";
        t.zeilen.push_back({t.texte.emplace_back(reiter).c_str(), text(1), ""});
        return {};
    }
    if (art == "zeile") {
        Zeilenplan z{t.texte.emplace_back(reiter).c_str(), text(1), text(2)};
        if (!z.felder || f.size() > 4 || !Lesen(f.size() > 3 ? f[3] : "", z.rang))
            return "zeile: [Beschriftung] Felder [Rang]";
        t.zeilen.push_back(z);
        return {};
    }
    if (art == "knopf") {
        Knopfplan k{t.texte.emplace_back(reiter).c_str(), text(1), text(2)};
        if (!k.name || !k.text || f.size() > 8 || !Lesen(f.size() > 3 ? f[3] : "", k.liste) ||
            !Lesen(f.size() > 6 ? f[6] : "", k.hilfeseite))
            return "knopf: Name Text [Liste] [Feld] [Titel] [Hilfeseite] [person]";
        k.feld = text(4);
        k.titel = text(5);
        const std::string person = f.size() > 7 ? f[7] : "";
        if (!person.empty() && person != "person") return "knopf: »person« oder nichts am Ende";
        k.jePerson = !person.empty();
        t.knoepfe.push_back(k);
        return {};
    }
    return "unbekannte Zeile »" + art + "«";
}

}  // namespace

std::vector<std::string> TafelnLesen(std::string_view text, std::string_view datei,
                                     Seitentafeln& ziel) {
    std::vector<std::string> fehler;
    Seitentafel* seite = nullptr;
    std::string reiter;
    std::vector<bool> da;
    const auto abschliessen = [&] {
        if (!seite) return;
        seite->beschreibung.zusatz = seite->zusatz;
        seite->beschreibung.zeilen = seite->zeilen;
        seite->beschreibung.knoepfe = seite->knoepfe;
    };
    int nr = 0;
    for (size_t anfang = 0; anfang < text.size(); ++nr) {
        size_t ende = text.find('\n', anfang);
        if (ende == std::string_view::npos) ende = text.size();
        std::string_view zeile = text.substr(anfang, ende - anfang);
        anfang = ende + 1;
        if (zeile.ends_with('\r')) zeile.remove_suffix(1);
        if (zeile.empty() || zeile.front() == '#') continue;
        const auto meldung = [&](const std::string& was) {
            fehler.push_back(std::string(datei) + ":" + std::to_string(nr + 1) + ": " + was);
        };
        const std::vector<std::string> f = Felder(zeile, da);
        if (f[0] == "seite") {
            abschliessen();
            seite = nullptr;
            reiter.clear();
            if (f.size() != 2 || f[1].empty()) {
                meldung("seite nimmt den Namen der Seitenklasse");
            } else if (ziel.count(f[1])) {
                meldung("Seite " + f[1] + " steht zweimal");
            } else {
                seite = &ziel[f[1]];
                seite->beschreibung.klasse = ziel.find(f[1])->first.c_str();
            }
        } else if (!seite) {
            meldung("vor der ersten Seite");
        } else if (std::string was = Datensatz(*seite, reiter, f, da); !was.empty()) {
            meldung(was);
        }
    }
    abschliessen();
    return fehler;
}

namespace {

struct Eingebaut {
    Seitentafeln tafeln;
    std::vector<std::string> fehler;
    Eingebaut() {
        for (const TafelText& t : EingebauteTafelTexte()) {
            const std::string_view text(reinterpret_cast<const char*>(t.daten), t.groesse);
            for (std::string& f : TafelnLesen(text, t.datei, tafeln))
                fehler.push_back(std::move(f));
        }
    }
};

const Eingebaut& Tafeln() {
    static const Eingebaut e;
    return e;
}

}  // namespace

const Seitentafeln& EingebauteTafeln() {
    return Tafeln().tafeln;
}

const std::vector<std::string>& TafelFehler() {
    return Tafeln().fehler;
}

Seitenbeschreibung AusTafel(const char* klasse, Seitenrechnung rechnung,
                            void (*einrichten)(TForm11&)) {
    const auto t = EingebauteTafeln().find(std::string_view(klasse));
    // Without its table the page has only the catalogue's fields; the tables test names it.
    Seitenbeschreibung b = t == EingebauteTafeln().end() ? Seitenbeschreibung{.klasse = klasse}
                                                         : t->second.beschreibung;
    b.rechnung = rechnung;
    b.einrichten = einrichten;
    return b;
}

}  // namespace quarnel::gui
