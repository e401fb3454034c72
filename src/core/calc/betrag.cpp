#include "calc/betrag.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quarnel {
namespace {

// --- decimal digits of a Double ------------------------------------------------
//
// Money is rounded the way a person does it on paper: the value is taken as the
// decimal number it stands for (15 significant digits, the precision a Double
// holds for certain), and halves go away from zero. Binary printf rounding would
// turn 0.125 into 0.12 and 2.675 into 2.67.

struct Dezimal {
    std::string ziffern;  // 15 significant digits, or "" for zero
    int exponent = 0;     // decimal exponent of the last digit
};

Dezimal Zerlegen(double betrag) {  // betrag >= 0 and finite
    Dezimal d;
    if (betrag == 0.0) return d;
    char buf[48];
    auto [ende, fehler] =
        std::to_chars(buf, buf + sizeof buf, betrag, std::chars_format::scientific, 14);
    if (fehler != std::errc()) return d;
    // "d.dddddddddddddde+XX"
    const char* p = buf;
    for (; p < ende && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') d.ziffern.push_back(*p);
    int e = 0;
    if (p < ende) std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), ende, e);
    d.exponent = e - static_cast<int>(d.ziffern.size()) + 1;
    return d;
}

// Adds one to a string of decimal digits (no sign, no point).
void Erhoehen(std::string& ziffern) {
    for (auto it = ziffern.rbegin(); it != ziffern.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    ziffern.insert(ziffern.begin(), '1');
}

// The digits of betrag * 10^stellen as a whole number, rounded half up or cut.
std::string Skaliert(double betrag, int stellen, bool runden) {
    Dezimal d = Zerlegen(betrag);
    if (d.ziffern.empty()) return "0";
    int verschiebung = d.exponent + stellen;
    std::string n;
    if (verschiebung >= 0) {
        n = d.ziffern + std::string(static_cast<size_t>(verschiebung), '0');
    } else {
        int weg = -verschiebung;
        int bleibt = static_cast<int>(d.ziffern.size()) - weg;
        if (bleibt < 0) return "0";
        n = d.ziffern.substr(0, static_cast<size_t>(bleibt));
        if (runden && d.ziffern[static_cast<size_t>(bleibt)] >= '5') {
            if (n.empty()) n = "0";
            Erhoehen(n);
        }
    }
    size_t erste = n.find_first_not_of('0');
    return erste == std::string::npos ? "0" : n.substr(erste);
}

// |x| with the given number of decimals and "." as point, like Str(x:0:stellen).
std::string MitStellen(std::string ganz, int stellen) {
    if (stellen <= 0) return ganz;
    if (ganz.size() < static_cast<size_t>(stellen) + 1)
        ganz.insert(0, static_cast<size_t>(stellen) + 1 - ganz.size(), '0');
    ganz.insert(ganz.size() - static_cast<size_t>(stellen), 1, '.');
    return ganz;
}

std::string DezimalText(double betrag, int stellen) {
    return MitStellen(Skaliert(betrag, stellen, true), stellen);
}

double Lesen(const std::string& text) {
    double wert = 0;
    std::from_chars(text.data(), text.data() + text.size(), wert);
    return wert;
}

double MitVorzeichen(double x, double betrag) {
    if (betrag == 0.0) return 0.0;
    return x < 0 ? -betrag : betrag;
}

constexpr int kMaxStellen = 30;

// --- calendar ------------------------------------------------------------------

// Days since 1 March of year 0 in the proleptic Gregorian calendar.
constexpr int64_t TageSeitNull(int64_t j, int64_t m, int64_t t) {
    j -= m <= 2;
    const int64_t era = (j >= 0 ? j : j - 399) / 400;
    const int64_t jahr_der_era = j - era * 400;
    const int64_t tag_im_jahr = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + t - 1;
    const int64_t tag_der_era =
        jahr_der_era * 365 + jahr_der_era / 4 - jahr_der_era / 100 + tag_im_jahr;
    return era * 146097 + tag_der_era;
}

// constexpr, so that day numbers computed during static initialisation elsewhere
// never see it still 0
constexpr int64_t kTagNull = TageSeitNull(1600, 1, 1);

DatumTeile Kalender(int32_t d) {
    DatumTeile teile;
    if (d < 0) return teile;  // no date: day, month and year all 0
    const int64_t z = d + kTagNull;
    const int64_t era = z / 146097;
    const int64_t tag_der_era = z - era * 146097;
    const int64_t jahr_der_era =
        (tag_der_era - tag_der_era / 1460 + tag_der_era / 36524 - tag_der_era / 146096) / 365;
    const int64_t tag_im_jahr =
        tag_der_era - (365 * jahr_der_era + jahr_der_era / 4 - jahr_der_era / 100);
    const int64_t mp = (5 * tag_im_jahr + 2) / 153;
    teile.tag = static_cast<int>(tag_im_jahr - (153 * mp + 2) / 5 + 1);
    teile.monat = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    teile.jahr = static_cast<int>(jahr_der_era + era * 400 + (teile.monat <= 2));
    return teile;
}

bool Schaltjahr(int j) {
    return (j % 4 == 0 && j % 100 != 0) || j % 400 == 0;
}

bool IstFeldzeichen(char c) {
    return c == '#' || c == '@' || c == '*' || c == '$' || c == '-' || c == '+' || c == ',' ||
           c == '.';
}
bool IstZiffernplatz(char c) {
    return c == '#' || c == '@' || c == '*' || c == '$';
}

}  // namespace

// --- rounding and arithmetic -------------------------------------------------

double dezimal::RundenCent(double x) {
    if (!std::isfinite(x)) return x;
    // Four decimals first, then the third decimal decides: 12.34495 gives 12.35.
    std::string vier = Skaliert(std::fabs(x), 4, true);
    if (vier.size() < 3) vier.insert(0, 3 - vier.size(), '0');
    const bool auf = vier[vier.size() - 2] >= '5';
    std::string cent = vier.substr(0, vier.size() - 2);
    if (auf) Erhoehen(cent);
    return MitVorzeichen(x, Lesen(MitStellen(cent, 2)));
}

// Rounding up means toward plus infinity for losses too: -5.50 gives -5.
double dezimal::AufrundenDM(double x) {
    if (!std::isfinite(x)) return x;
    std::string cent = Skaliert(std::fabs(x), 2, true);
    if (cent.size() < 3) cent.insert(0, 3 - cent.size(), '0');
    const bool bruch = cent.compare(cent.size() - 2, 2, "00") != 0;
    double ganz = Lesen(cent.substr(0, cent.size() - 2));
    if (bruch && x > 0) ganz += 1;
    return MitVorzeichen(x, ganz);
}

double dezimal::AbrundenDM(double x) {
    if (!std::isfinite(x)) return x;
    std::string cent = Skaliert(std::fabs(x), 2, true);
    if (cent.size() < 3) cent.insert(0, 3 - cent.size(), '0');
    return MitVorzeichen(x, Lesen(cent.substr(0, cent.size() - 2)));
}

// The quick way for the amounts met all the time: whole DM round to
// themselves, and below ten million the binary value leaves no doubt about
// the rounding unless its fraction lies within a millionth of one half.
namespace {
constexpr double kZehnerpotenz[] = {1, 10, 100, 1e3, 1e4};
bool GanzeDM(double x) {
    return x > -1e15 && x < 1e15 && x == static_cast<double>(static_cast<long long>(x));
}
bool SicherGerundet(double betrag, int stellen, long long& ergebnis) {
    if (!(betrag < 1e7)) return false;
    const double v = betrag * kZehnerpotenz[stellen];
    const double ganz = std::floor(v);
    const double rest = v - ganz;
    if (std::fabs(rest - 0.5) < 1e-6) return false;
    ergebnis = static_cast<long long>(ganz) + (rest > 0.5 ? 1 : 0);
    return true;
}
}  // namespace

double AbrundenDM(double x) {
    if (GanzeDM(x)) return x;
    long long cent;
    if (!SicherGerundet(std::fabs(x), 2, cent)) return dezimal::AbrundenDM(x);
    return std::copysign(static_cast<double>(cent / 100), x) + 0.0;
}

double AufrundenDM(double x) {
    if (GanzeDM(x)) return x;
    long long cent;
    if (!SicherGerundet(std::fabs(x), 2, cent)) return dezimal::AufrundenDM(x);
    const double ganz = std::copysign(static_cast<double>(cent / 100), x);
    return (cent % 100 != 0 && x > 0 ? ganz + 1 : ganz) + 0.0;
}

double RundenCent(double x) {
    if (GanzeDM(x)) return x;
    long long zehntausendstel;
    if (!SicherGerundet(std::fabs(x), 4, zehntausendstel)) return dezimal::RundenCent(x);
    const long long cent = zehntausendstel / 100 + (zehntausendstel % 100 >= 50 ? 1 : 0);
    return std::copysign(static_cast<double>(cent) / 100, x) + 0.0;
}

// Cut on the decimal digits, so that 1.15 cut to two decimals stays 1.15.
double AbschneidenStellen(int n, double x) {
    if (!std::isfinite(x)) return x;
    n = std::clamp(n, 0, kMaxStellen);
    return MitVorzeichen(x, Lesen(MitStellen(Skaliert(std::fabs(x), n, false), n)));
}

double DMinEuro(double x) {
    return RundenCent(AbschneidenStellen(3, x / 1.95583));
}



// --- text helpers ----------------------------------------------------------------

std::string ZeichenKette(char ch, int n) {
    return std::string(std::clamp(n, 0, 80), ch);
}
std::string Leerzeichen(int n) {
    return ZeichenKette(' ', n);
}
std::string Striche(int n) {
    return ZeichenKette('-', n);
}

std::string RechtsAuffuellen(const std::string& s, char ch, int n) {
    n = std::min(n, 255);  // a short text holds at most 255 characters
    if (static_cast<int>(s.size()) >= n) return s;
    return s + std::string(static_cast<size_t>(n) - s.size(), ch);
}

std::string GanzzahlText(long long i) {
    return std::to_string(i);
}

double TextZuZahl(std::string_view s) {
    s = s.substr(0, 12);
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    bool minus = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) minus = s[i++] == '-';
    // The longest prefix that reads as a number: digits [. digits] [e [sign] digits].
    const size_t anfang = i;
    size_t ende = i;
    bool ziffer = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ziffer = true;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ziffer = true;
    }
    if (!ziffer) return 0;
    ende = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && s[j] >= '0' && s[j] <= '9') {
            while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j;
            ende = j;
        }
    }
    std::string text(s.substr(anfang, ende - anfang));
    if (text[0] == '.') text.insert(0, 1, '0');
    size_t e = text.find_first_of("eE");
    if (e != std::string::npos && e > 0 && text[e - 1] == '.') text.insert(e, 1, '0');
    if (e != std::string::npos && text[e + 1] == '+') text.erase(e + 1, 1);
    double wert = 0;
    auto [p, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    (void)p;
    if (fehler != std::errc()) return 0;  // out of range
    return minus ? -wert : wert;
}

int32_t TextZuGanzzahl(std::string_view s) {
    s = s.substr(0, 11);
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    bool minus = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) minus = s[i++] == '-';
    int64_t wert = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        int64_t neu = wert * 10 + (s[i] - '0');
        if (neu > (minus ? 2147483648LL : 2147483647LL)) break;  // digits beyond the range
        wert = neu;
    }
    return static_cast<int32_t>(minus ? -wert : wert);
}

int32_t ZahlZuGanzzahl(double x) {
    if (!(x >= -32767 && x <= 32767)) return 0;
    return TextZuGanzzahl(FormatMaske("##########", x));
}

std::string FormatMaske(std::string_view maske, double x) {
    std::string aus(maske);
    const size_t start = aus.find_first_of("#@*$-+,.");
    if (start == std::string::npos) return aus;
    size_t ende = start;
    while (ende < aus.size() && IstFeldzeichen(aus[ende])) ++ende;

    char fuell = ' ';
    bool dollar = false, klammeraffe = false, vorzeichenplatz = false;
    size_t komma = std::string::npos;  // decimal point position
    for (size_t k = start; k < ende; ++k) {
        switch (aus[k]) {
            case '*':
                fuell = '*';
                break;
            case '@':
                fuell = '0';
                klammeraffe = true;
                break;
            case '$':
                dollar = true;
                break;
            case '+':
            case '-':
                vorzeichenplatz = true;
                break;
            case ',':
            case '.':
                komma = k;
                break;
        }
    }
    int plaetze = 0, stellen = 0;
    for (size_t k = start; k < ende; ++k) {
        if (!IstZiffernplatz(aus[k])) continue;
        ++plaetze;
        if (komma != std::string::npos && k > komma) ++stellen;
    }
    const int breite = plaetze + (stellen > 0 ? 1 : 0);

    const bool endlich = std::isfinite(x);
    std::string s = endlich ? DezimalText(std::fabs(x), stellen) : std::string();
    // A value that rounds to zero is shown without a minus.
    const bool negativ = endlich && x < 0 && s.find_first_not_of("0.") != std::string::npos;
    const bool minus_einfuegen = negativ && !vorzeichenplatz;
    const int extra = (dollar && !klammeraffe ? 1 : 0) + (minus_einfuegen ? 1 : 0);

    const int laenge = static_cast<int>(s.size());
    if (!endlich || laenge > breite || breite - laenge < extra) {
        for (size_t k = start; k < ende; ++k) {
            char& c = aus[k];
            if (IstZiffernplatz(c))
                c = '*';
            else if (c == '+')
                c = negativ ? '-' : '+';
            else if (c == '-')
                c = negativ ? '-' : ' ';
        }
        return aus;
    }
    const int leer = breite - laenge;
    s.insert(0, static_cast<size_t>(leer), fuell);
    // The minus sits right before the digits under blank fill, and ahead of a
    // '*' or '0' fill (so that "-**12,50" cannot be read as a positive amount).
    if (minus_einfuegen && fuell == ' ') s[static_cast<size_t>(leer - 1)] = '-';

    int i = static_cast<int>(s.size()) - 1;
    for (size_t k = ende; k-- > start;) {
        char& c = aus[k];
        if (c == '+') {
            c = negativ ? '-' : '+';
        } else if (c == '-') {
            c = negativ ? '-' : ' ';
        } else if (c == ',' || c == '.') {
            // A group separator ahead of the first digit is filled like a digit
            // slot (and so may take the minus sign, too).
            if (k < komma && i < leer) {
                c = i >= 0 ? s[static_cast<size_t>(i--)] : fuell;
                if (i >= 0 && s[static_cast<size_t>(i)] == '.') --i;
            }
        } else {
            c = i >= 0 ? s[static_cast<size_t>(i--)] : fuell;
            if (i >= 0 && s[static_cast<size_t>(i)] == '.') --i;
        }
    }
    if (minus_einfuegen && fuell != ' ') {
        for (size_t k = start; k < ende; ++k) {
            if (IstZiffernplatz(maske[k])) {
                aus[k] = '-';
                break;
            }
        }
    }
    return aus;
}

std::string AnsiZuOem(const std::string& s) {
    std::string aus(s);
    for (char& c : aus) {
        switch (static_cast<unsigned char>(c)) {
            case 0xDF:
                c = static_cast<char>(225);
                break;  // ß
            case 0xE4:
                c = static_cast<char>(132);
                break;  // ä
            case 0xF6:
                c = static_cast<char>(148);
                break;  // ö
            case 0xFC:
                c = static_cast<char>(129);
                break;  // ü
            case 0xC4:
                c = static_cast<char>(142);
                break;  // Ä
            case 0xD6:
                c = static_cast<char>(153);
                break;  // Ö
            case 0xDC:
                c = static_cast<char>(154);
                break;  // Ü
            case 0xA7:
                c = static_cast<char>(21);
                break;  // §
            case 0xA6:
                c = static_cast<char>(179);
                break;  // ¦
            case 0xAD:
                c = static_cast<char>(196);
                break;  // soft hyphen
        }
    }
    return aus;
}

std::string DruckerportDeutsch(const std::string& s) {
    std::string aus(s);
    size_t p = aus.find(" on ");
    if (p != std::string::npos) aus.replace(p, 4, " an ");
    return aus;
}

// --- date helpers ----------------------------------------------------------------

// Returns KeinDatum for a date that does not exist or lies before 1600.
int32_t TagesNummer(int jahr, int monat, int tag) {
    static constexpr int kMonatsLaenge[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (jahr < 1600 || jahr > 999999 || monat < 1 || monat > 12 || tag < 1) return KeinDatum;
    int laenge = kMonatsLaenge[monat - 1] + (monat == 2 && Schaltjahr(jahr) ? 1 : 0);
    if (tag > laenge) return KeinDatum;
    return static_cast<int32_t>(TageSeitNull(jahr, monat, tag) - kTagNull);
}

// A negative day number is "no date": year, month and day are all 0.
int JahrVon(int32_t d) {
    return Kalender(d).jahr;
}
int MonatVon(int32_t d) {
    return Kalender(d).monat;
}
int TagVon(int32_t d) {
    return Kalender(d).tag;
}

std::string DatumText(int32_t d) {
    DatumTeile t = Kalender(d);
    if (t.tag == 0 && t.monat == 0 && t.jahr == 0) return "  .  .    ";
    return FormatMaske("@#.", t.tag) + FormatMaske("@#.", t.monat) + FormatMaske("####", t.jahr);
}

DatumTeile DatumZerlegen(std::string_view s) {
    std::string text(s.substr(0, 10));
    text.resize(10, ' ');
    for (char& c : text)
        if (c == ' ') c = '0';
    DatumTeile t;
    t.tag = TextZuGanzzahl(std::string_view(text).substr(0, 2));
    t.monat = TextZuGanzzahl(std::string_view(text).substr(3, 2));
    t.jahr = TextZuGanzzahl(std::string_view(text).substr(6, 4));
    return t;
}

int MonateZwischen(int32_t a, int32_t b) {
    if (a < 0 || b < 0 || b < a) return 0;
    DatumTeile von = Kalender(a), bis = Kalender(b);
    return (bis.jahr - von.jahr) * 12 + bis.monat - von.monat + 1;
}

// The distance b - a read as a day number: a difference of 0 is day 1, month 1,
// year 0. A missing date (negative day number) gives no distance at all.
Abstand AbstandZerlegen(int32_t a, int32_t b) {
    Abstand abstand;
    if (a < 0 || b < 0 || b < a) return abstand;
    DatumTeile t = Kalender(b - a);
    abstand.tage = t.tag;
    abstand.monate = t.monat;
    abstand.jahre = t.jahr - 1600;
    return abstand;
}

}  // namespace quarnel
