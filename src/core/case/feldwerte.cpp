#include "case/feldwerte.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>
#include <optional>
#include <vector>

#include "calc/betrag.h"
#include "case/json.h"
#include "case/zeichensatz.h"

namespace quarnel {
namespace {

std::string_view Getrimmt(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

std::string Klein(std::string_view s) {
    std::string k(s);
    for (char& c : k)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return k;
}

std::string ZahlText(double d) {
    char b[64];
    auto [p, ec] = std::to_chars(b, b + sizeof b, d);
    return std::string(b, p);
}

std::string Anzahl(const FeldDef& d) {
    return std::to_string(d.anzahl);
}

std::string Eigenes(const std::string& name) {
    return "Feld " + name + " führt das Programm selbst, es kann nicht gesetzt werden";
}

bool NurZiffern(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// German grouping: one to three digits, then groups of exactly three after each point.
bool GueltigGruppiert(std::string_view s) {
    auto p = s.find('.');
    std::string_view kopf = s.substr(0, p);
    if (!NurZiffern(kopf) || kopf.size() > 3) return false;
    while (p != std::string_view::npos) {
        s.remove_prefix(p + 1);
        p = s.find('.');
        if (s.substr(0, p).size() != 3 || !NurZiffern(s.substr(0, p))) return false;
    }
    return true;
}

std::optional<int64_t> GanzzahlLesen(std::string_view s) {
    s = Getrimmt(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    int64_t v;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    return v;
}

std::optional<int32_t> DatumLesen(std::string_view s) {
    s = Getrimmt(s);
    if (s.empty() || s == "-") return -1;
    int teil[3] = {0, 0, 0};
    int n = 0;
    std::size_t ziffern = 0;
    for (char c : s) {
        if (c == '.') {
            if (ziffern == 0 || ++n > 2) return std::nullopt;
            ziffern = 0;
        } else if (c >= '0' && c <= '9') {
            if (++ziffern > 4) return std::nullopt;
            teil[n] = teil[n] * 10 + (c - '0');
        } else {
            return std::nullopt;
        }
    }
    if (n != 2 || ziffern != 4) return std::nullopt;
    if (teil[2] > 9999) return std::nullopt;
    int32_t d = TagesNummer(teil[2], teil[1], teil[0]);
    if (d == KeinDatum) return std::nullopt;
    return d;
}

// UTF-8 to Windows-1252 when every character has its byte there; the five
// code points U+0081, U+008D, U+008F, U+0090 and U+009D stand for the bytes
// that Windows-1252 leaves undefined, so that any record text comes back.
std::optional<std::string> GenauCp1252(std::string_view utf8) {
    std::string cp;
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < utf8.size(); ++i) {
        if (utf8[i] != '\xC2') continue;
        unsigned char b = static_cast<unsigned char>(utf8[i + 1]);
        if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) continue;
        cp += Utf8ZuCp1252(utf8.substr(start, i - start));
        cp += static_cast<char>(b);
        start = i + 2;
        ++i;
    }
    cp += Utf8ZuCp1252(utf8.substr(start));
    if (Cp1252ZuUtf8(cp) != utf8) return std::nullopt;
    return cp;
}

std::vector<std::string> Auswahltexte(const FeldDef& d) {
    std::vector<std::string> t;
    if (!*d.auswahl) return t;
    std::string_view s = d.auswahl;
    while (true) {
        auto p = s.find('|');
        t.emplace_back(s.substr(0, p));
        if (p == std::string_view::npos) break;
        s.remove_prefix(p + 1);
    }
    return t;
}

// The means-of-transport lists: after "PKW", "Motorrad", "Mofa/Moped" and
// "Fahrrad" they offer the four vehicles of the vehicle page as items 5 to 8.
bool IstVerkehrsmittelliste(Feld f) {
    constexpr Feld listen[] = {
        Feld::LfdBehindVMittel1CB, Feld::LfdBehindVMittel2CB, Feld::LfdBehindVMittel3CB,
        Feld::LfdBehindVMittel4CB, Feld::WechselVMittel1,     Feld::WechselVMittel2,
        Feld::WechselVMittel3,     Feld::WechselVMittel4,     Feld::WechselVMittel5,
        Feld::WechselVMittel6,     Feld::WechselVMittel7,     Feld::WechselVMittel8,
        Feld::WechselVMittel9,     Feld::ErstFahrtFzLB,       Feld::LetztFahrtFzLB,
        Feld::InFahrzLB};
    return std::find(std::begin(listen), std::end(listen), f) != std::end(listen);
}

// The items a choice field offers in this case, UTF-8; nothing for a vehicle
// item whose vehicle was not entered (its slot still "Frei" and no type).
std::vector<std::optional<std::string>> Auswahlpunkte(const CaseRecord& r, Feld f,
                                                      const FeldDef& d) {
    std::vector<std::optional<std::string>> punkte;
    for (std::string& t : Auswahltexte(d)) punkte.emplace_back(std::move(t));
    if (!IstVerkehrsmittelliste(f)) return punkte;
    for (int k = 1; k <= 4; ++k) {
        const std::string name = r.TextUtf8(Feld::FahrzBez, k);
        const std::string_view n = Getrimmt(name);
        const bool angelegt = r.Int(Feld::ArtFahrzLB, k) >= 1 || (!n.empty() && n != "Frei");
        if (angelegt)
            punkte.emplace_back(" " + name);
        else
            punkte.emplace_back(std::nullopt);
    }
    return punkte;
}

const CaseRecord& NeuerDatensatz() {
    static const std::unique_ptr<CaseRecord> neu = [] {
        auto r = std::make_unique<CaseRecord>();
        NeuerFallDatensatz(*r);
        return r;
    }();
    return *neu;
}

std::size_t ElementBytes(const FeldDef& d) {
    return static_cast<std::size_t>(d.Bytes());
}

bool GleicherWert(const CaseRecord& a, const CaseRecord& b, const Feldadresse& f) {
    const FeldDef& d = Def(f.feld);
    if (d.typ == FeldTyp::Text) return a.Text(f.feld, f.element) == b.Text(f.feld, f.element);
    std::size_t off = CaseRecord::Offset(f.feld, f.element);
    return std::memcmp(a.Daten() + off, b.Daten() + off, ElementBytes(d)) == 0;
}

void AufNeuWert(CaseRecord& r, const Feldadresse& f) {
    std::size_t off = CaseRecord::Offset(f.feld, f.element);
    std::memcpy(r.Daten() + off, NeuerDatensatz().Daten() + off, ElementBytes(Def(f.feld)));
}

std::string JsonFeldwert(const CaseRecord& r, const Feldadresse& a) {
    const FeldDef& d = Def(a.feld);
    switch (d.typ) {
        case FeldTyp::Double: {
            double v = r.Dbl(a.feld, a.element);
            return std::isfinite(v) ? ZahlText(v) : "null";
        }
        case FeldTyp::Datum: {
            int32_t t = r.Int(a.feld, a.element);
            // Day numbers outside the years a user can type stay numbers.
            if (t != KeinDatum && (t < 0 || JahrVon(t) > 9999)) return std::to_string(t);
            return JsonZeichenkette(Datumswert(t));
        }
        case FeldTyp::Ganzzahl:
        case FeldTyp::Auswahl:
            return std::to_string(r.Int(a.feld, a.element));
        case FeldTyp::Byte:
            return std::to_string(r.LeseByte(CaseRecord::Offset(a.feld, a.element)));
        case FeldTyp::Boolesch:
            return r.Bool(a.feld, a.element) ? "true" : "false";
        case FeldTyp::Text:
            return JsonZeichenkette(r.TextUtf8(a.feld, a.element));
    }
    return "null";
}

std::optional<std::string> JsonWertSetzen(CaseRecord& r, const Feldadresse& a, const JsonWert& w,
                                          const std::string& schluessel) {
    const FeldDef& d = Def(a.feld);
    switch (w.art) {
        case JsonWert::Art::Null:
            AufNeuWert(r, a);
            return std::nullopt;
        case JsonWert::Art::Text:
            return FeldwertSetzen(r, a, w.text);
        case JsonWert::Art::Wahrheit:
            if (d.typ != FeldTyp::Boolesch)
                return schluessel + ": ja/nein passt nicht zu einem Feld dieses Typs";
            r.SetzeBool(a.feld, w.wahrheit, a.element);
            return std::nullopt;
        case JsonWert::Art::Zahl:
            if (d.typ == FeldTyp::Text)
                return schluessel + ": ein Textfeld erwartet eine Zeichenkette";
            if (d.typ == FeldTyp::Datum) {
                auto v = GanzzahlLesen(w.text);
                if (!v || *v < INT32_MIN || *v > INT32_MAX)
                    return schluessel + ": ungültige Tagnummer " + w.text;
                r.SetzeInt(a.feld, static_cast<int32_t>(*v), a.element);
                return std::nullopt;
            }
            if (d.typ == FeldTyp::Double) {
                // A JSON number is written with a point and maybe an exponent.
                double v;
                auto [p, ec] = std::from_chars(w.text.data(), w.text.data() + w.text.size(), v);
                if (ec != std::errc() || p != w.text.data() + w.text.size() || !std::isfinite(v))
                    return schluessel + ": ungültiger Betrag " + w.text;
                r.SetzeDbl(a.feld, v, a.element);
                return std::nullopt;
            }
            return FeldwertSetzen(r, a, w.text);
        case JsonWert::Art::Liste:
        case JsonWert::Art::Objekt:
            return schluessel + ": Listen und Objekte sind als Feldwert nicht erlaubt";
    }
    return std::nullopt;
}

}  // namespace

std::optional<int32_t> DatumAusText(std::string_view text) {
    return DatumLesen(text);
}

bool VomProgrammGefuehrt(Feld f) {
    return f == Feld::Kennung || f == Feld::FallFreigabe;
}

std::optional<double> BetragAusText(std::string_view text) {
    std::string_view s = Getrimmt(text);
    bool negativ = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negativ = s.front() == '-';
        s.remove_prefix(1);
    }
    std::string_view ganz = s, bruch;
    if (auto komma = s.find(','); komma != std::string_view::npos) {
        // German: the comma is the decimal mark, points may group the thousands.
        ganz = s.substr(0, komma);
        bruch = s.substr(komma + 1);
        if (!NurZiffern(bruch)) return std::nullopt;
        if (!ganz.empty() && !NurZiffern(ganz) && !GueltigGruppiert(ganz)) return std::nullopt;
    } else if (auto punkte = std::count(s.begin(), s.end(), '.'); punkte > 1) {
        if (!GueltigGruppiert(s)) return std::nullopt;
    } else if (punkte == 1) {
        // A decimal point without grouping. Three digits after it read as a
        // thousands group to a German eye ("1.234"), so they are refused.
        auto punkt = s.find('.');
        ganz = s.substr(0, punkt);
        bruch = s.substr(punkt + 1);
        if (!NurZiffern(ganz) || !NurZiffern(bruch)) return std::nullopt;
        if (bruch.size() == 3 && ganz != "0") return std::nullopt;
    } else if (!NurZiffern(s)) {
        return std::nullopt;
    }
    std::string zahl;
    for (char c : ganz)
        if (c != '.') zahl += c;
    if (zahl.empty()) zahl = "0";
    if (!bruch.empty()) zahl += "." + std::string(bruch);
    double d;
    auto [p, ec] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), d);
    if (ec != std::errc() || p != zahl.data() + zahl.size() || !std::isfinite(d))
        return std::nullopt;
    return negativ ? -d : d;
}

FeldSuche FeldAufloesen(std::string_view ausdruck) {
    FeldSuche s;
    std::string_view name = Getrimmt(ausdruck);
    int element = 0;
    if (auto auf = name.find('['); auf != std::string_view::npos) {
        if (name.back() != ']') {
            s.fehler = "ungültige Feldangabe: " + std::string(ausdruck);
            return s;
        }
        auto idx = GanzzahlLesen(name.substr(auf + 1, name.size() - auf - 2));
        if (!idx || *idx < 1 || *idx > 100000) {
            s.fehler = "ungültiger Index in " + std::string(ausdruck);
            return s;
        }
        element = static_cast<int>(*idx);
        name = name.substr(0, auf);
    }
    std::optional<Feld> feld = FeldNachId(name);
    if (!feld) {
        auto felder = FelderNachName(name);
        if (felder.empty()) {
            s.fehler = "unbekanntes Feld: " + std::string(name);
            return s;
        }
        if (felder.size() > 1) {
            s.fehler = "mehrdeutiges Feld " + std::string(name) + ", gemeint ist eines von:";
            for (Feld f : felder) s.fehler += std::string(" ") + Def(f).id;
            return s;
        }
        feld = felder.front();
    }
    const FeldDef& d = Def(*feld);
    if (element == 0) {
        if (d.anzahl > 1) {
            s.fehler = "Feld " + std::string(d.id) + " hat " + Anzahl(d) +
                       " Elemente; Index angeben, z. B. " + d.id + "[1]";
            return s;
        }
        element = 1;
    }
    if (element > d.anzahl) {
        s.fehler = "Feld " + std::string(d.id) + " hat nur " + Anzahl(d) + " Element(e)";
        return s;
    }
    s.adresse = Feldadresse{*feld, element};
    return s;
}

std::string FeldadresseText(const Feldadresse& a) {
    const FeldDef& d = Def(a.feld);
    if (d.anzahl <= 1) return d.id;
    return std::string(d.id) + "[" + std::to_string(a.element) + "]";
}

std::string Datumswert(int32_t tagnummer) {
    if (tagnummer == KeinDatum) return {};
    // Day numbers outside the years a user can type are shown as numbers.
    if (tagnummer < 0 || JahrVon(tagnummer) > 9999) return std::to_string(tagnummer);
    return DatumText(tagnummer);
}

std::string FeldwertText(const CaseRecord& r, const Feldadresse& a) {
    const FeldDef& d = Def(a.feld);
    switch (d.typ) {
        case FeldTyp::Double: {
            std::string t = ZahlText(r.Dbl(a.feld, a.element));
            for (char& c : t)
                if (c == '.') c = ',';
            return t;
        }
        case FeldTyp::Datum:
            return Datumswert(r.Int(a.feld, a.element));
        case FeldTyp::Ganzzahl:
        case FeldTyp::Auswahl:
            return std::to_string(r.Int(a.feld, a.element));
        case FeldTyp::Byte:
            return std::to_string(r.LeseByte(CaseRecord::Offset(a.feld, a.element)));
        case FeldTyp::Boolesch:
            return r.Bool(a.feld, a.element) ? "ja" : "nein";
        case FeldTyp::Text:
            return r.TextUtf8(a.feld, a.element);
    }
    return {};
}

std::optional<std::string> FeldwertSetzen(CaseRecord& r, const Feldadresse& a,
                                          std::string_view text) {
    const FeldDef& d = Def(a.feld);
    const std::string name = FeldadresseText(a);
    if (VomProgrammGefuehrt(a.feld)) return Eigenes(name);
    const std::string ungueltig = "ungültiger Wert für " + name + ": \"" + std::string(text) + "\"";
    switch (d.typ) {
        case FeldTyp::Double: {
            auto v = BetragAusText(text);
            if (!v) return ungueltig + " (erwartet ist ein Betrag wie 1234,56 oder 1234.56)";
            r.SetzeDbl(a.feld, *v, a.element);
            return std::nullopt;
        }
        case FeldTyp::Datum: {
            auto v = DatumLesen(text);
            if (!v) return ungueltig + " (erwartet ist ein Datum TT.MM.JJJJ oder leer)";
            r.SetzeInt(a.feld, *v, a.element);
            return std::nullopt;
        }
        case FeldTyp::Ganzzahl:
        case FeldTyp::Auswahl: {
            auto v = GanzzahlLesen(text);
            const auto texte = Auswahlpunkte(r, a.feld, d);
            if (!v && d.typ == FeldTyp::Auswahl) {
                for (std::size_t i = texte.size(); i-- > 0;)  // the first match wins
                    if (texte[i] && Getrimmt(*texte[i]) == Getrimmt(text))
                        v = static_cast<int64_t>(i);
            }
            if (!v || *v < INT32_MIN || *v > INT32_MAX)
                return ungueltig + " (erwartet ist eine ganze Zahl)";
            if (d.typ == FeldTyp::Auswahl && !texte.empty() &&
                (*v < -1 || *v >= static_cast<int64_t>(texte.size())))
                return ungueltig + " (Auswahl -1 bis " + std::to_string(texte.size() - 1) + ")";
            if (d.typ == FeldTyp::Auswahl && *v >= 0 && !texte[static_cast<std::size_t>(*v)])
                return ungueltig + " (Fahrzeug " + std::to_string(*v - 4) +
                       " ist auf der Seite Fahrzeugkosten nicht angelegt)";
            r.SetzeInt(a.feld, static_cast<int32_t>(*v), a.element);
            return std::nullopt;
        }
        case FeldTyp::Byte: {
            auto v = GanzzahlLesen(text);
            if (!v || *v < 0 || *v > 255) return ungueltig + " (erwartet ist eine Zahl 0 bis 255)";
            r.SchreibeByte(CaseRecord::Offset(a.feld, a.element), static_cast<uint8_t>(*v));
            return std::nullopt;
        }
        case FeldTyp::Boolesch: {
            std::string k = Klein(Getrimmt(text));
            if (k == "1" || k == "ja" || k == "true") {
                r.SetzeBool(a.feld, true, a.element);
            } else if (k == "0" || k == "nein" || k == "false") {
                r.SetzeBool(a.feld, false, a.element);
            } else {
                return ungueltig + " (erwartet ist 0/1 oder ja/nein)";
            }
            return std::nullopt;
        }
        case FeldTyp::Text: {
            if (HatSteuerzeichen(text))
                return "Steuerzeichen im Text für " + name + " werden nicht angenommen";
            auto genau = GenauCp1252(text);
            if (!genau)
                return ungueltig + " (Zeichen, die der Zeichensatz Windows-1252 nicht kennt)";
            const std::string& cp = *genau;
            if (cp.size() > d.breite)
                return "Text für " + name + " ist zu lang: " + std::to_string(cp.size()) +
                       " Zeichen, höchstens " + std::to_string(d.breite);
            r.SetzeText(a.feld, cp, a.element);
            return std::nullopt;
        }
    }
    return ungueltig;
}

bool WeichtVomNeuenFallAb(const CaseRecord& r, const Feldadresse& a) {
    return !GleicherWert(r, NeuerDatensatz(), a);
}

std::string FallExportieren(const CaseRecord& r) {
    std::string json = "{";
    bool erstes = true;
    for (std::size_t i = 0; i < Feldkatalog().size(); ++i) {
        Feld f = static_cast<Feld>(i);
        for (int e = 1; e <= Def(f).anzahl; ++e) {
            Feldadresse a{f, e};
            if (!WeichtVomNeuenFallAb(r, a)) continue;
            json += erstes ? "\n  " : ",\n  ";
            erstes = false;
            json += JsonZeichenkette(FeldadresseText(a)) + ": " + JsonFeldwert(r, a);
        }
    }
    json += erstes ? "}\n" : "\n}\n";
    return json;
}

std::optional<std::string> FallImportieren(std::string_view json, CaseRecord& r) {
    // One object of plain values, with no more keys and values than the case
    // has field elements (each twice: key and value).
    static const std::size_t elemente = [] {
        std::size_t n = 0;
        for (std::size_t i = 0; i < Feldkatalog().size(); ++i)
            n += static_cast<std::size_t>(Def(static_cast<Feld>(i)).anzahl);
        return 2 * n + 1;
    }();
    JsonErgebnis e = JsonLesen(json, JsonGrenzen{1, elemente});
    if (!e.ok) return e.fehler;
    if (e.wert.art != JsonWert::Art::Objekt) return std::string("JSON-Objekt erwartet");
    auto neu = std::make_unique<CaseRecord>(r);
    for (const JsonEintrag& eintrag : e.wert.objekt) {
        FeldSuche s = FeldAufloesen(eintrag.schluessel);
        if (!s.adresse) return s.fehler;
        if (VomProgrammGefuehrt(s.adresse->feld)) return Eigenes(eintrag.schluessel);
        if (auto fehler = JsonWertSetzen(*neu, *s.adresse, eintrag.wert, eintrag.schluessel))
            return fehler;
    }
    r = *neu;
    return std::nullopt;
}

}  // namespace quarnel
