#include "pages/seitentafel.h"

#include <algorithm>
#include <charconv>

#include "case/feldkatalog.h"

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

// The parts of `s` between the characters of `trenner`, empty ones left out.
std::vector<std::string_view> Teile(std::string_view s, std::string_view trenner) {
    std::vector<std::string_view> teile;
    for (size_t a = 0; a <= s.size();) {
        const size_t e = std::min(s.find_first_of(trenner, a), s.size());
        if (e > a) teile.push_back(s.substr(a, e - a));
        a = e + 1;
    }
    return teile;
}

// The first of `ids` that is no field of the page's class: the builder would
// pass it over without a word.
std::string FremdesFeld(const Seitenbeschreibung& b, const char* ids) {
    for (std::string_view id : Teile(ids ? ids : "", " |"))
        if (const auto f = FeldNachId(id); !f || std::string_view(Def(*f).seite) != b.klasse)
            return std::string(id) + " ist kein Feld von " + b.klasse;
    return {};
}

// Whether the page shows tab `r`: one of its tabs without a notebook of its
// own, a tab of such a notebook, or the info tab.
bool ReiterDa(const Seitenbeschreibung& b, std::string_view r) {
    std::vector<std::string_view> reiter = Teile(b.reiter ? b.reiter : "", "|");
    reiter.push_back("&Info");
    for (std::string_view u : Teile(b.unterreiter ? b.unterreiter : "", ";")) {
        const size_t gleich = u.find('=');
        std::erase(reiter, u.substr(0, gleich));
        for (std::string_view innen : Teile(u.substr(gleich + 1), "|")) reiter.push_back(innen);
    }
    return std::find(reiter.begin(), reiter.end(), r) != reiter.end();
}

// Reads one record of page `t`; an empty text when it is sound, else what is wrong.
std::string Datensatz(Seitentafel& t, const char*& reiter, const std::vector<std::string>& f,
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
            const bool ids = ziel == &b.radiogruppen || (ziel == &b.ehegatte && f[1] != "Sie");
            return ids ? FremdesFeld(b, *ziel) : "";
        }
    if (art == "blatt")
        return f.size() == 2 && Lesen(f[1], b.formularblatt) ? "" : "blatt nimmt eine Zahl";
    if (art.size() > 2 && art.front() == '[' && art.back() == ']' && f.size() == 1) {
        reiter = t.texte.emplace_back(art.substr(1, art.size() - 2)).c_str();
        return ReiterDa(b, reiter) ? "" : "die Seite zeigt keinen Reiter " + std::string(reiter);
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
        return FremdesFeld(b, z.id);
    }
    if (!reiter && (art == "kopf" || art == "zeile" || art == "knopf"))
        return art + " vor dem ersten [Reiter]";
    if (art == "kopf") {
        if (f.size() > 2) return "kopf nimmt eine Beschriftung";
        t.zeilen.push_back({reiter, text(1), ""});
        return {};
    }
    if (art == "zeile") {
        Zeilenplan z{reiter, text(1), text(2)};
        if (!z.felder || f.size() > 4 || !Lesen(f.size() > 3 ? f[3] : "", z.rang))
            return "zeile: [Beschriftung] Felder [Rang]";
        t.zeilen.push_back(z);
        return FremdesFeld(b, z.felder);
    }
    if (art == "knopf") {
        Knopfplan k{reiter, text(1), text(2)};
        if (!k.name || !k.text || f.size() > 8 || !Lesen(f.size() > 3 ? f[3] : "", k.liste) ||
            !Lesen(f.size() > 6 ? f[6] : "", k.hilfeseite))
            return "knopf: Name Text [Liste] [Feld] [Titel] [Hilfeseite] [person]";
        k.feld = text(4);
        k.titel = text(5);
        const std::string person = f.size() > 7 ? f[7] : "";
        if (!person.empty() && person != "person") return "knopf: »person« oder nichts am Ende";
        k.jePerson = !person.empty();
        t.knoepfe.push_back(k);
        return FremdesFeld(b, k.feld);
    }
    return "unbekannte Zeile »" + art + "«";
}

}  // namespace

std::vector<std::string> TafelnLesen(std::string_view text, std::string_view datei,
                                     Seitentafeln& ziel) {
    std::vector<std::string> fehler;
    Seitentafel* seite = nullptr;
    const char* reiter = nullptr;
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
            reiter = nullptr;
            if (f.size() != 2 || f[1].empty()) {
                meldung("seite nimmt den Namen der Seitenklasse");
            } else if (auto [platz, neu] = ziel.try_emplace(f[1]); !neu) {
                meldung("Seite " + f[1] + " steht zweimal");
            } else {
                seite = &platz->second;
                seite->beschreibung.klasse = platz->first.c_str();
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
