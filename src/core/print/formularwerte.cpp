#include "print/formularwerte.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "calc/betrag.h"
#include "case/zeichensatz.h"

namespace quarnel {

namespace {

struct Routineneintrag {
    int blatt2;
    Wertroutine routine;
};

// One line per sheet that has its value routine.
constexpr Routineneintrag Routinen[] = {
    {11, Blatt11Wert},
    {12, Blatt12Wert},
    {13, Blatt13Wert},
    {14, Blatt14Wert},
    {15, Blatt15Wert},
    {21, Blatt21Wert},
    {22, Blatt22Wert},
    {31, Blatt31Wert},
    {32, Blatt32Wert},
    {41, Blatt41Wert},
    {42, Blatt42Wert},
    {71, Blatt71Wert},
    {72, Blatt72Wert},
    {81, Blatt81Wert},
    {82, Blatt82Wert},
    {51, Blatt51Wert},
    {52, Blatt52Wert},
    {91, Blatt91Wert},
    {92, Blatt92Wert},
    {61, Blatt61Wert},
    {62, Blatt62Wert},
};

std::string ZweiZiffern(int x) {
    char p[8];
    std::snprintf(p, sizeof p, "%02d", std::abs(x) % 100);
    return p;
}

std::string VierZiffern(int x) {
    char p[8];
    std::snprintf(p, sizeof p, "%04d", std::abs(x) % 10000);
    return p;
}

bool HatDatum(int32_t tag) { return tag >= 0; }

}  // namespace

Wertroutine WertroutineFuer(int blatt2) {
    for (const Routineneintrag& e : Routinen)
        if (e.blatt2 == blatt2) return e.routine;
    return nullptr;
}

std::string Kreuz(bool an) { return an ? "X" : ""; }

std::string BetragsMaske(int n, int d) {
    n = std::clamp(n, 1, 10);
    if (d < 0 || d >= n) d = 0;
    std::string m(static_cast<std::size_t>(n), '#');
    if (d > 0) m[static_cast<std::size_t>(n - d - 1)] = ',';
    return m;
}

std::string FormularBetrag(double x, const Definitionszeile& z) {
    if ((z.code == 'U' || z.code == 'P') && std::fabs(x) < 0.001) return " ";
    std::string t = FormatMaske(BetragsMaske(z.n, z.d), x);
    // A percentage box: a whole rate without its decimals ("27", not "27,00").
    if (z.code == 'P' && z.d > 0) {
        const std::string null = "," + std::string(static_cast<std::size_t>(z.d), '0');
        if (t.size() > null.size() && t.compare(t.size() - null.size(), null.size(), null) == 0)
            t.resize(t.size() - null.size());
    }
    return t;
}

std::string Datum(int32_t tag) { return HatDatum(tag) ? DatumText(tag) : std::string(); }

std::string DatumKaesten6(int32_t tag) {
    if (!HatDatum(tag)) return {};
    return ZweiZiffern(TagVon(tag)) + ZweiZiffern(MonatVon(tag)) + ZweiZiffern(JahrVon(tag));
}

std::string DatumKaesten8(int32_t tag) {
    if (!HatDatum(tag)) return {};
    return ZweiZiffern(TagVon(tag)) + ZweiZiffern(MonatVon(tag)) + VierZiffern(JahrVon(tag));
}

std::string Zeitraum(int32_t von, int32_t bis, bool kaesten) {
    if (!HatDatum(von) || !HatDatum(bis)) return {};
    const std::string a = ZweiZiffern(TagVon(von)), b = ZweiZiffern(MonatVon(von));
    const std::string c = ZweiZiffern(TagVon(bis)), d = ZweiZiffern(MonatVon(bis));
    return kaesten ? a + b + c + d : a + "." + b + "-" + c + "." + d;
}

std::string TextGetrimmt(std::string_view s) {
    const auto a = s.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    const auto b = s.find_last_not_of(' ');
    return std::string(s.substr(a, b - a + 1));
}

std::string AuswahlText(const CaseRecord& r, Feld f, int element) {
    const int32_t wahl = r.Int(f, element);
    if (wahl < 0) return {};
    std::string_view liste = Def(f).auswahl;
    for (int32_t i = 0; i < wahl; ++i) {
        const auto p = liste.find('|');
        if (p == std::string_view::npos) return {};
        liste.remove_prefix(p + 1);
    }
    return Utf8ZuCp1252(TextGetrimmt(liste.substr(0, liste.find('|'))));
}

std::string NameEinePerson(const CaseRecord& r) {
    return TextGetrimmt(r.Text(Feld::StpflName)) + ", " + TextGetrimmt(r.Text(Feld::StpflVorname));
}

namespace {
std::string EhegNachname(const CaseRecord& r) {
    std::string n = TextGetrimmt(r.Text(Feld::EhegName));
    return n.empty() ? TextGetrimmt(r.Text(Feld::StpflName)) : n;
}
std::string Anfangsbuchstabe(const std::string& s) {
    const std::string t = TextGetrimmt(s);
    return t.empty() ? std::string() : t.substr(0, 1);
}
}  // namespace

std::string NameEhegatte(const CaseRecord& r) {
    if (!r.Bool(Feld::Splitting)) return {};
    return EhegNachname(r) + ", " + TextGetrimmt(r.Text(Feld::EhegVorname));
}

std::string NameBeide(const CaseRecord& r) {
    if (!r.Bool(Feld::Splitting)) return NameEinePerson(r);
    // A missing first name leaves out its initial; a blank spouse's name is the taxpayer's.
    auto mitInitiale = [](std::string name, const std::string& vorname) {
        const std::string i = Anfangsbuchstabe(vorname);
        return i.empty() ? name : name + " " + i + ".";
    };
    return mitInitiale(TextGetrimmt(r.Text(Feld::StpflName)), r.Text(Feld::StpflVorname)) + " und " +
           mitInitiale(EhegNachname(r), r.Text(Feld::EhegVorname));
}

std::string NameAnlageN(const CaseRecord& r, int person) {
    std::string s = person == 2
                        ? EhegNachname(r) + ", " + TextGetrimmt(r.Text(Feld::EhegVorname))
                        : NameEinePerson(r);
    return s.substr(0, std::min<std::size_t>(s.size(), 52));
}

}  // namespace quarnel
