#include "print/formular.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

#include <iterator>

#include "calc/betrag.h"
#include "case/falldatei.h"
#include "print/formularwerte.h"

namespace quarnel {

namespace {

// Columns von..bis (1-based, inclusive) of a line; short lines give blanks.
std::string_view Spalten(std::string_view z, std::size_t von, std::size_t bis) {
    if (z.size() < von) return {};
    return z.substr(von - 1, std::min(bis, z.size()) - (von - 1));
}

char Zeichen(std::string_view z, std::size_t spalte) {
    return z.size() >= spalte ? z[spalte - 1] : ' ';
}

bool NurAus(std::string_view s, std::string_view erlaubt) {
    return s.find_first_not_of(erlaubt) == std::string_view::npos;
}

bool Leer(std::string_view s) { return NurAus(s, " \t"); }

struct Geometriezeile {
    int blatt;
    Blattgeometrie g;
};

constexpr Geometriezeile Geometrie[] = {
    {11, {191, 293, 1}},  {12, {187, 282, 2}},  {13, {186, 282.2, 3}}, {14, {186, 287, 4}},
    {21, {187, 291, 5}},  {22, {186, 282, 6}},  {31, {187, 293, 7}},   {32, {186.5, 283, 8}},
    {41, {187, 292, 9}},  {42, {191, 287, 10}}, {81, {189, 293, 11}},  {82, {186, 281, 12}},
    {51, {186, 292, 13}}, {52, {186, 257, 14}}, {61, {187, 289, 15}},  {62, {187, 274, 16}},
    {71, {189, 290.5, 17}}, {72, {186, 283, 18}}, {91, {191, 294, 19}}, {92, {190, 79, 20}},
    {15, {186, 287, 4}},  // continuation of page 4, adjusted with it
};

// A form file of the installation: a regular file of sensible size, or
// nothing (a directory, FIFO, device or a link to one is never read).
std::optional<std::string> DateiLesen(const std::string& pfad) {
    const auto d = quarnel::DateiLesen(pfad, FormulardateiHoechstens);
    if (!d) return std::nullopt;
    return std::string(d->begin(), d->end());
}

}  // namespace

std::optional<Definition> DefinitionLaden(const std::string& pfad) {
    const auto text = DateiLesen(pfad);
    if (!text) return std::nullopt;
    return DefinitionAusText(*text);
}

namespace {

bool Existiert(const std::string& pfad) {
    const int fd = RegulaereDateiOeffnen(pfad);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

// The calibration text of a field: its own number at the field's full width.
std::string Kalibriertext(const Definitionszeile& z, const Textmass& mass, const Druckschrift& s) {
    const std::string nr = std::to_string(z.feld);
    if (z.ausrichtung == 'L' && z.abstand == 0 && z.breite == 0) return "X";
    auto wiederholt = [&](int zeichen) {
        std::string t;
        while (static_cast<int>(t.size()) < zeichen) t += nr;
        return t.substr(0, static_cast<std::size_t>(zeichen));
    };
    if (z.ausrichtung == 'L' && z.abstand == 0) {
        std::string t = nr;
        while (mass.Breite(s, t + nr) <= z.breite - 4) t += nr;
        return t;
    }
    const int n = std::clamp(z.n, 1, 10);
    if (z.d > 0) return wiederholt(n - z.d) + "," + wiederholt(z.d);
    return wiederholt(n);
}

void TextMm(Berichtschreiber& w, double x, double y, std::string_view t, bool rechts = false) {
    w.TextAn(x / 10, y / 10, t, rechts);
}

// Prints one field line's text at (x, y) by its alignment and spacing.
void FeldDrucken(Berichtschreiber& w, const Definitionszeile& z, std::string text,
                 std::string zeile2, double x, double y, const Textmass& mass) {
    const double z1 = z.abstand;
    switch (z.ausrichtung) {
        case 'L':
            if (z1 > 0) {
                for (char c : text) {
                    TextMm(w, x, y, std::string_view(&c, 1));
                    x += z1 + 0.01;
                }
                return;
            }
            if (z.breite > 0) {
                // A text with a box width is fitted into its box (a routine's
                // second line continues the first).
                const Druckschrift grund = w.Schrift();
                const Einpassung e = TextEinpassen(mass, grund, z.breite,
                                                   zeile2.empty() ? text : text + " " + zeile2);
                Druckschrift klein = grund;
                klein.punkte = e.punkte;
                w.SetzeSchrift(klein);
                if (e.zeile2.empty()) {
                    TextMm(w, x, y, e.zeile1);
                } else {
                    TextMm(w, x, y + e.grundlinie1, e.zeile1);
                    TextMm(w, x, y + e.grundlinie2, e.zeile2);
                }
                w.SetzeSchrift(grund);
                return;
            }
            if (zeile2.empty()) {
                TextMm(w, x, y, text);
            } else {
                TextMm(w, x, y - 1.5, text);
                TextMm(w, x, y + 1.5, zeile2);
            }
            return;
        case 'R':
            if (z1 > 0) {
                for (auto c = text.rbegin(); c != text.rend(); ++c) {
                    TextMm(w, x, y, std::string_view(&*c, 1), true);
                    x -= z1;
                }
                return;
            }
            TextMm(w, x, y, text, true);
            return;
        case 'K':
            if (text.size() < 3) {
                TextMm(w, x, y, text, true);
                return;
            }
            TextMm(w, x, y, std::string_view(text).substr(0, text.size() - 3), true);
            TextMm(w, x + 9, y, std::string_view(text).substr(text.size() - 2), true);
            return;
        default:
            return;  // an unknown alignment prints nothing
    }
}

}  // namespace

// --- definition files ---------------------------------------------------------------

std::optional<Definitionszeile> DefinitionszeileLesen(std::string_view zeile, std::string* fehler) {
    if (fehler) fehler->clear();
    zeile = zeile.substr(0, DefinitionszeileMax);
    if (Leer(zeile) || zeile.front() == ';') return std::nullopt;
    auto schlecht = [&](const char* grund) -> std::optional<Definitionszeile> {
        if (fehler) *fehler = grund;
        return std::nullopt;
    };
    const std::string_view ziffern = " 0123456789";
    const std::string_view zahl = " -+.0123456789";
    if (!NurAus(Spalten(zeile, 1, 3), ziffern) || Leer(Spalten(zeile, 1, 3)))
        return schlecht("Feldnummer fehlt oder ist keine Zahl");
    if (!NurAus(Spalten(zeile, 7, 8), ziffern) || !NurAus(Spalten(zeile, 10, 10), ziffern) ||
        !NurAus(Spalten(zeile, 14, 14), ziffern) || !NurAus(Spalten(zeile, 30, 32), ziffern) ||
        !NurAus(Spalten(zeile, 36, 36), ziffern))
        return schlecht("eine Zahlenspalte enthält keine Zahl");
    if (!NurAus(Spalten(zeile, 16, 21), zahl) || !NurAus(Spalten(zeile, 23, 28), zahl))
        return schlecht("Position ist keine Zahl");
    Definitionszeile z;
    z.feld = TextZuGanzzahl(Spalten(zeile, 1, 3));
    z.code = Zeichen(zeile, 5);
    z.n = TextZuGanzzahl(Spalten(zeile, 7, 8));
    if (z.n > 10) return schlecht("mehr als 10 Stellen");
    z.d = TextZuGanzzahl(Spalten(zeile, 10, 10));
    if (z.d >= z.n) z.d = 0;
    z.ausrichtung = Zeichen(zeile, 12);
    z.abstand = TextZuGanzzahl(Spalten(zeile, 14, 14));
    z.x = TextZuZahl(Spalten(zeile, 16, 21));
    z.y = TextZuZahl(Spalten(zeile, 23, 28));
    z.breite = TextZuGanzzahl(Spalten(zeile, 30, 32));
    z.nurSplitting = Zeichen(zeile, 34) == 'S';
    z.index = TextZuGanzzahl(Spalten(zeile, 36, 36));
    return z;
}

Definition DefinitionAusText(std::string_view text) {
    Definition d;
    int nr = 0;
    while (!text.empty()) {
        const auto ende = text.find('\n');
        std::string_view zeile = text.substr(0, ende);
        text = ende == std::string_view::npos ? std::string_view{} : text.substr(ende + 1);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        ++nr;
        std::string fehler;
        if (auto z = DefinitionszeileLesen(zeile, &fehler)) d.zeilen.push_back(*z);
        else if (!fehler.empty()) d.fehler.push_back("Zeile " + std::to_string(nr) + ": " + fehler);
    }
    return d;
}

std::string DefinitionsDateiName(int blatt2) {
    return "F01a" + std::to_string(blatt2) + ".def";
}

std::string BilddateiName(int blatt2) {
    return "F01a" + std::to_string(blatt2) + ".svg";
}

// --- sheets ----------------------------------------------------------------------------

Blattgeometrie BlattgeometrieVon(int blatt2) {
    for (const Geometriezeile& g : Geometrie)
        if (g.blatt == blatt2) return g.g;
    return {};
}

Blattnummer BlattnummerZerlegen(int blatt) {
    Blattnummer b;
    b.blatt2 = blatt;
    if (blatt > 100) {
        b.blatt2 = blatt / 10;
        b.instanz = blatt % 10;
    }
    if (b.blatt2 == 23 || b.blatt2 == 24) {
        b.kinder56 = true;
        b.blatt2 -= 2;
    }
    return b;
}

std::vector<int> FormularSeiten(int blatt) {
    int f = blatt, i = 0;
    if (blatt > 100) {
        f = blatt / 10;
        i = blatt % 10;
    }
    int von, bis;
    if (blatt == 23 || blatt == 24) von = 23, bis = 24;
    else if (blatt >= 11 && blatt <= 14) von = 11, bis = 14;
    else von = 10 * (f / 10) + 1, bis = 10 * (f / 10) + 2;
    std::vector<int> seiten;
    for (int p = von; p <= bis; ++p) seiten.push_back(i == 0 ? p : 10 * p + i);
    return seiten;
}

Verschiebung BlattVerschiebung(const Einstellungen& e, int gruppe) {
    const std::size_t g = static_cast<std::size_t>(std::clamp(gruppe, 1, 20) - 1);
    return {static_cast<double>(e.formVerschiebung[g].rechts + e.alleRechts),
            static_cast<double>(e.formVerschiebung[g].unten + e.alleUnten)};
}

// --- the form job -----------------------------------------------------------------------

Druckschrift FormularDruckschrift(const Einstellungen& e) {
    Druckschrift s;
    s.name = e.formSchrift.name.empty() ? "Arial" : e.formSchrift.name;
    s.punkte = e.formSchrift.groesse > 0 ? e.formSchrift.groesse : 11;
    s.fett = e.formSchrift.fett;
    s.kursiv = e.formSchrift.kursiv;
    return s;
}

std::vector<Formularfeld> FormularblattWerte(const Formularumgebung& u, int blatt,
                                             const Definition& def) {
    std::vector<Formularfeld> felder;
    if (!u.fall) return felder;
    const Blattnummer b = BlattnummerZerlegen(blatt);
    const Wertroutine routine = u.routine ? u.routine : WertroutineFuer(b.blatt2);
    if (!routine) return felder;
    const bool grundtabelle = u.fall->Bool(Feld::Grundtabelle);
    uint8_t zustand = 0;
    for (const Definitionszeile& z : def.zeilen) {
        if (z.nurSplitting && grundtabelle) continue;
        Feldanfrage a;
        a.zeile = &z;
        a.instanz = b.instanz;
        a.kinder56 = b.kinder56;
        a.zustand = &zustand;
        a.heute = u.heute;
        Feldwert wert = routine(*u.fall, a);
        wert.text = TextGetrimmt(wert.text);
        wert.zeile2 = TextGetrimmt(wert.zeile2);
        if (wert.text.empty() && wert.zeile2.empty()) continue;
        felder.push_back({z, std::move(wert)});
    }
    return felder;
}

std::optional<Definition> DefinitionLesen(const std::string& formVerzeichnis, int blatt) {
    const std::optional<std::string> text =
        DateiLesen(formVerzeichnis + DefinitionsDateiName(BlattnummerZerlegen(blatt).blatt2));
    if (!text) return std::nullopt;
    return DefinitionAusText(*text);
}

namespace {

// The places a line may break, from the last to the first: at a blank (which
// is dropped) and after a hyphen inside a word. First: end of the first line,
// second: start of the next.
std::vector<std::pair<std::size_t, std::size_t>> Umbrueche(const std::string& t) {
    std::vector<std::pair<std::size_t, std::size_t>> u;
    for (std::size_t i = t.size(); i-- > 1;) {
        if (t[i] == ' ') u.push_back({i, i + 1});
        else if (t[i - 1] == '-' && t[i] != ' ' && i >= 2 && t[i - 2] != ' ') u.push_back({i, i});
    }
    return u;
}

// The longest start of `t` that fits `breite`, ending at a break; `ganz` is
// false when even the first word had to be cut by characters. Returns the
// end of the first line and the start of the rest in `t`.
struct Anfang {
    std::size_t ende, weiter;
    bool ganz;
};
Anfang VorneEinpassen(const Textmass& mass, const Druckschrift& s, double breite, const std::string& t) {
    if (mass.Breite(s, t) <= breite) return {t.size(), t.size(), true};
    for (const auto& [ende, weiter] : Umbrueche(t))
        if (mass.Breite(s, TextGetrimmt(std::string_view(t).substr(0, ende))) <= breite)
            return {ende, weiter, true};
    std::size_t c = t.size();
    while (c > 1 && mass.Breite(s, std::string_view(t).substr(0, c)) > breite) --c;
    // The rest of the cut word is dropped: the next line starts with the next word.
    const std::size_t blank = t.find(' ', c);
    return {c, blank == std::string::npos ? t.size() : blank + 1, false};
}

}  // namespace

Einpassung TextEinpassen(const Textmass& mass, const Druckschrift& s, double breiteMm,
                         const std::string& ganz) {
    Einpassung e;
    const std::string text = TextGetrimmt(ganz);
    const double breite = breiteMm - EinpassRand;
    e.punkte = s.punkte;
    e.zeile1 = text;
    auto mit = [&s](double punkte) {
        Druckschrift k = s;
        k.punkte = punkte;
        return k;
    };
    // One line, shrunk in half points down to the smallest one-line size.
    for (double p = s.punkte; p >= EinzeiligMinPunkte - 1e-9; p -= 0.5)
        if (mass.Breite(mit(p), text) <= breite) {
            e.punkte = p;
            return e;
        }
    // Two lines in the small size, broken only between words (or after a hyphen).
    const double p2 = std::min(s.punkte, ZweizeiligPunkte);
    const Druckschrift k = mit(p2);
    e.punkte = p2;
    const double em = p2 * 25.4 / 72;
    e.grundlinie2 = 1.0 - 0.26 * em;  // the descenders end at the box's bottom edge
    e.grundlinie1 = e.grundlinie2 - 1.1 * em;
    // Still too long: the first line takes what fits, the second the rest,
    // cut at its end (the longest first line whose rest fits wins).
    const Anfang a = VorneEinpassen(mass, k, breite, text);
    e.zeile1 = TextGetrimmt(std::string_view(text).substr(0, a.ende));
    const std::string rest = TextGetrimmt(std::string_view(text).substr(a.weiter));
    const Anfang b = VorneEinpassen(mass, k, breite, rest);
    e.zeile2 = TextGetrimmt(std::string_view(rest).substr(0, b.ende));
    e.gekuerzt = !a.ganz || !b.ganz || b.ende < rest.size();
    if (e.zeile2.empty()) e.grundlinie1 = 0;
    return e;
}

std::vector<GekuerzterText> GekuerzteTexteListe(const Formularumgebung& u, const Textmass& mass,
                                                const std::vector<int>& blaetter) {
    std::vector<GekuerzterText> aus;
    if (!u.einst) return aus;
    const Druckschrift s = FormularDruckschrift(*u.einst);
    for (int b : blaetter)
        for (int blatt : BlattMitFortsetzung(u.fall, b)) {
            const std::optional<Definition> def = DefinitionLesen(u.formVerzeichnis, blatt);
            if (!def) continue;
            for (const Formularfeld& f : FormularblattWerte(u, blatt, *def)) {
                const Definitionszeile& z = f.zeile;
                if (z.ausrichtung != 'L' || z.abstand != 0 || z.breite <= 0) continue;
                const std::string t = f.wert.zeile2.empty() ? f.wert.text : f.wert.text + " " + f.wert.zeile2;
                if (TextEinpassen(mass, s, z.breite, t).gekuerzt)
                    aus.push_back({blatt, z.feld, Feldbeschriftung(u.formVerzeichnis, blatt, z.feld, z.index), t});
            }
        }
    return aus;
}

std::vector<std::string> GekuerzteTexte(const Formularumgebung& u, const Textmass& mass,
                                        const std::vector<int>& blaetter) {
    std::vector<std::string> aus;
    for (const GekuerzterText& g : GekuerzteTexteListe(u, mass, blaetter))
        aus.push_back("Blatt " + std::to_string(g.blatt) + ", Feld " + std::to_string(g.feld) + ": " + g.text);
    return aus;
}

std::string BeschriftungsDateiName(int blatt2) {
    return "F01a" + std::to_string(blatt2) + ".bez";
}

std::string Feldbeschriftung(const std::string& formVerzeichnis, int blatt, int feld, int index) {
    const std::optional<std::string> text =
        DateiLesen(formVerzeichnis + BeschriftungsDateiName(BlattnummerZerlegen(blatt).blatt2));
    if (!text) return {};
    const std::string kopf = std::to_string(feld) + "|" + std::to_string(index) + "|";
    std::string_view rest = *text;
    while (!rest.empty()) {
        const std::size_t ende = rest.find('\n');
        std::string_view zeile = rest.substr(0, ende);
        rest = ende == std::string_view::npos ? std::string_view{} : rest.substr(ende + 1);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        if (zeile.starts_with(kopf)) return TextGetrimmt(zeile.substr(kopf.size()));
    }
    return {};
}

void FormularblattSetzen(Berichtschreiber& w, const Formularumgebung& u, int blatt, bool blanko) {
    if (!u.einst) return;
    const Einstellungen& e = *u.einst;
    w.SetzeSchrift(FormularDruckschrift(e));
    const Blattnummer b = BlattnummerZerlegen(blatt);
    const Blattgeometrie g = BlattgeometrieVon(b.blatt2);
    Verschiebung v = u.kalibrierung ? Verschiebung{} : BlattVerschiebung(e, g.gruppe);

    const std::string bild = u.formVerzeichnis + BilddateiName(b.blatt2);
    if (blanko && Existiert(bild))
        w.Bild(bild, v.rechts / 10, v.unten / 10, g.breite / 10, g.hoehe / 10);

    const std::optional<Definition> def = DefinitionLesen(u.formVerzeichnis, blatt);
    if (!def) return;
    // Text widths as the writer measures them, in the font asked for.
    const Textmass& mass = w.Mass();
    std::vector<Formularfeld> felder;
    if (u.kalibrierung) {
        for (const Definitionszeile& z : def->zeilen)
            felder.push_back({z, {Kalibriertext(z, mass, w.Schrift()), {}}});
    } else {
        felder = FormularblattWerte(u, blatt, *def);
    }
    for (const Formularfeld& f : felder) {
        const Definitionszeile& z = f.zeile;
        double x = z.x, y = z.y;
        if (f.wert.text == "X") x += 0.5, y += 0.5;
        x += v.rechts + 1.5;
        y += v.unten - 1.5;
        FeldDrucken(w, z, f.wert.text, f.wert.zeile2, x, y, mass);
    }
}

std::vector<int> BlattMitFortsetzung(const CaseRecord* fall, int blatt) {
    std::vector<int> s{blatt};
    if (blatt == 14 && fall && Fortsetzungsblatt14Noetig(*fall)) s.push_back(Fortsetzungsblatt14);
    return s;
}

void BlattMitFortsetzungSetzen(Berichtschreiber& w, const Formularumgebung& u, int blatt, bool blanko) {
    bool erste = true;
    for (int s : BlattMitFortsetzung(u.fall, blatt)) {
        if (!erste) w.NeueSeite();
        erste = false;
        FormularblattSetzen(w, u, s, blanko);
    }
}

void FormularSetzen(Berichtschreiber& w, const Formularumgebung& u, int blatt, bool blanko) {
    bool erste = true;
    for (int s : FormularSeiten(blatt)) {
        if (!erste) w.NeueSeite();
        erste = false;
        BlattMitFortsetzungSetzen(w, u, s, blanko);
    }
}

void FormularblaetterSetzen(Berichtschreiber& w, const Formularumgebung& u,
                            const std::vector<int>& blaetter, bool blanko) {
    if (u.einst) w.SetzeRaender(u.einst->linksRand, 0, u.einst->obenRand, 0);
    w.Beginnen();
    bool erste = true;
    for (int s : blaetter) {
        if (!erste) w.NeueSeite();
        erste = false;
        BlattMitFortsetzungSetzen(w, u, s, blanko);
    }
    w.Beenden();
}

void FormularauftragSetzen(Berichtschreiber& w, const Formularumgebung& u, int blatt, bool blanko,
                           bool direkt) {
    if (u.einst) w.SetzeRaender(u.einst->linksRand, 0, u.einst->obenRand, 0);
    w.Beginnen();
    if (direkt && !(u.einst && u.einst->formDuplex)) BlattMitFortsetzungSetzen(w, u, blatt, blanko);
    else FormularSetzen(w, u, blatt, blanko);
    w.Beenden();
}

}  // namespace quarnel
