// Public holidays and the objection deadline.
#include "results/einspruchsfrist.h"

#include <algorithm>

#include "calc/betrag.h"

namespace quarnel {

namespace {

// The state codes of the persons page.
enum Land {
    BadenWuerttemberg = 0, Bayern, Berlin, Brandenburg, Bremen, Hamburg, Hessen,
    MecklenburgVorpommern, Niedersachsen, NordrheinWestfalen, RheinlandPfalz, Saarland,
    Sachsen, SachsenAnhalt, SchleswigHolstein, Thueringen
};

bool LandIn(int land, std::initializer_list<int> liste) {
    return std::find(liste.begin(), liste.end(), land) != liste.end();
}

}  // namespace

int32_t Ostersonntag(int jahr) {
    // the Gregorian computus (anonymous algorithm of 1876)
    const int a = jahr % 19, b = jahr / 100, c = jahr % 100;
    const int d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int monat = (h + l - 7 * m + 114) / 31;
    const int tag = (h + l - 7 * m + 114) % 31 + 1;
    return TagesNummer(jahr, monat, tag);
}

std::vector<Feiertag> Feiertage(int jahr, int land) {
    const int32_t ostern = Ostersonntag(jahr);
    auto datum = [jahr](int monat, int tag) { return TagesNummer(jahr, monat, tag); };
    std::vector<Feiertag> f = {
        {datum(1, 1), "Neujahr"},
        {ostern - 2, "Karfreitag"},
        {ostern + 1, "Ostermontag"},
        {datum(5, 1), "Tag der Arbeit"},
        {ostern + 39, "Christi Himmelfahrt"},
        {ostern + 50, "Pfingstmontag"},
        {datum(10, 3), "Tag der Deutschen Einheit"},
        {datum(12, 25), "1. Weihnachtstag"},
        {datum(12, 26), "2. Weihnachtstag"},
    };
    if (LandIn(land, {BadenWuerttemberg, Bayern, SachsenAnhalt}))
        f.push_back({datum(1, 6), "Heilige Drei Könige"});
    if (LandIn(land, {BadenWuerttemberg, Bayern, Hessen, NordrheinWestfalen, RheinlandPfalz,
                      Saarland}))
        f.push_back({ostern + 60, "Fronleichnam"});
    if (land == Saarland) f.push_back({datum(8, 15), "Mariä Himmelfahrt"});
    if (LandIn(land, {Brandenburg, MecklenburgVorpommern, Sachsen, SachsenAnhalt, Thueringen}))
        f.push_back({datum(10, 31), "Reformationstag"});
    if (LandIn(land, {BadenWuerttemberg, Bayern, NordrheinWestfalen, RheinlandPfalz, Saarland}))
        f.push_back({datum(11, 1), "Allerheiligen"});
    if (land == Sachsen) {
        // the Wednesday before 23 November
        int32_t t = datum(11, 22);
        while (Wochentag(t) != 4) --t;
        f.push_back({t, "Buß- und Bettag"});
    }
    std::sort(f.begin(), f.end(), [](const Feiertag& a, const Feiertag& b) { return a.tag < b.tag; });
    return f;
}

const char* FeiertagName(int32_t tag, int land) {
    if (tag < 0) return nullptr;
    for (const Feiertag& f : Feiertage(JahrVon(tag), land))
        if (f.tag == tag) return f.name;
    return nullptr;
}

bool IstWerktag(int32_t tag, int land) {
    return !IstWochenende(tag) && FeiertagName(tag, land) == nullptr;
}

int32_t NaechsterWerktag(int32_t tag, int land) {
    while (!IstWerktag(tag, land)) ++tag;
    return tag;
}

Einspruchsfrist FristBerechnen(int32_t aufgabe, int land) {
    Einspruchsfrist f;
    if (aufgabe < 0) return f;
    const int32_t dritterTag = aufgabe + 3;
    f.bekanntgabe = NaechsterWerktag(dritterTag, land);
    f.bekanntgabeVerschoben = f.bekanntgabe != dritterTag;
    // one month: the day of the same number in the next month, or its last day
    int jahr = JahrVon(f.bekanntgabe), monat = MonatVon(f.bekanntgabe) + 1;
    if (monat > 12) {
        monat = 1;
        ++jahr;
    }
    int tag = TagVon(f.bekanntgabe);
    int32_t ende = TagesNummer(jahr, monat, tag);
    while (ende == KeinDatum && tag > 28) ende = TagesNummer(jahr, monat, --tag);
    f.ende = NaechsterWerktag(ende, land);
    f.endeVerschoben = f.ende != ende;
    return f;
}

const char* WochentagName(int32_t tag) {
    static const char* const namen[] = {"Samstag",  "Sonntag",    "Montag",  "Dienstag",
                                        "Mittwoch", "Donnerstag", "Freitag"};
    return namen[Wochentag(tag)];
}

}  // namespace quarnel
