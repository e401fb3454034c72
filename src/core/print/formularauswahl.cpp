#include "print/formularauswahl.h"

#include <algorithm>

namespace quarnel {

const std::array<Formularposten, AnzahlFormularposten>& Formularposten30() {
    static const std::array<Formularposten, AnzahlFormularposten> p{{
        {"  Hauptvordruck, Seite 1", 11, 1},
        {"  Hauptvordruck, Seite 2", 12, 1},
        {"  Hauptvordruck, Seite 3", 13, 1},
        {"  Hauptvordruck, Seite 4", 14, 1},
        {"  Anlage Kinder, Seite 1 (Kind 1-4) ", 21, 2},
        {"  Anlage Kinder, Seite 2 (Kind 1-4) ", 22, 2},
        {"  Anlage Kinder, Seite 1 (Kind 5-6) ", 23, 3},
        {"  Anlage Kinder, Seite 2 (Kind 5-6)", 24, 3},
        {"  Anlage N, Stpfl./Ehemann, Seite 1", 311, 4},
        {"  Anlage N, Stpfl./Ehemann, Seite 2", 321, 4},
        {"  Anlage N, Ehegatte, Seite 1", 312, 5},
        {"  Anlage N, Ehegatte, Seite 2", 322, 5},
        {"  Anlage KAP, Seite 1", 41, 6},
        {"  Anlage KAP, Seite 2", 42, 6},
        {"  Anlage SO, Seite 1", 81, 7},
        {"  Anlage SO, Seite 2", 82, 7},
        {"  Anlage GSE, Seite 1", 51, 8},
        {"  Anlage GSE, Seite 2", 52, 8},
        {"  Anlage FW, Seite 1", 61, 9},
        {"  Anlage FW, Seite 2", 62, 9},
        {"  1. Anlage V, Seite 1", 711, 10},
        {"  1. Anlage V, Seite 2", 721, 10},
        {"  2. Anlage V, Seite 1", 712, 11},
        {"  2. Anlage V, Seite 2", 722, 11},
        {"  3. Anlage V, Seite 1", 713, 12},
        {"  3. Anlage V, Seite 2", 723, 12},
        {"  4. Anlage V, Seite 1", 714, 13},
        {"  4. Anlage V, Seite 2", 724, 13},
        {"  Anlage St, Seite 1", 91, 14},
        {"  Anlage St, Seite 2", 92, 14},
    }};
    return p;
}

const std::array<const char*, 20>& Justiergruppen() {
    static const std::array<const char*, 20> g{
        "Hauptvordruck, Seite 1", "Hauptvordruck, Seite 2", "Hauptvordruck, Seite 3",
        "Hauptvordruck, Seite 4", "Anlage Kinder, Seite 1", "Anlage Kinder, Seite 2",
        "Anlage N, Seite 1",      "Anlage N, Seite 2",      "Anlage KAP, Seite 1",
        "Anlage KAP, Seite 2",    "Anlage SO, Seite 1",     "Anlage SO, Seite 2",
        "Anlage GSE, Seite 1",    "Anlage GSE, Seite 2",    "Anlage FW, Seite 1",
        "Anlage FW, Seite 2",     "Anlage V, Seite 1",      "Anlage V, Seite 2",
        "Anlage St, Seite 1",     "Anlage St, Seite 2"};
    return g;
}

Formularwahl AutomatischeAuswahl(const CaseRecord& r) {
    Formularwahl w{};
    auto paar = [&w](int i) { w[static_cast<std::size_t>(i)] = w[static_cast<std::size_t>(i) + 1] = true; };
    paar(0);
    paar(2);
    bool kinder14 = false;
    for (int k = 1; k <= 4; ++k) kinder14 = kinder14 || r.Bool(Feld::KindAnlFlag, k);
    if (kinder14) paar(4);
    if (r.Bool(Feld::KindAnlFlag, 5) || r.Bool(Feld::KindAnlFlag, 6)) paar(6);
    if (r.Bool(Feld::AnlNFlagEr)) paar(8);
    if (r.Bool(Feld::AnlNFlagSie)) paar(10);
    if (r.Bool(Feld::AnlKapFlag)) paar(12);
    if (r.Bool(Feld::AnlSOFlag) || r.Bool(Feld::PrivVeraeussFlag)) paar(14);
    if (r.Bool(Feld::AnlGSEFlag)) paar(16);
    if (r.Bool(Feld::AnlFWFlag)) paar(18);
    for (int o = 1; o <= 4; ++o)
        if (r.Bool(Feld::AnlVFlag, o)) paar(20 + 2 * (o - 1));
    if (r.Bool(Feld::AnlStFlag)) paar(28);
    return w;
}

int AnzahlGewaehlt(const Formularwahl& w) {
    return static_cast<int>(std::count(w.begin(), w.end(), true));
}

int FormulareDrucken(const Formularwahl& w, const Druckrunde& d) {
    std::array<int, 15> gruppe{};  // ticked items met per print group
    int jobs = 0;
    for (int i = 0; i < AnzahlFormularposten; ++i) {
        if (!w[static_cast<std::size_t>(i)]) continue;
        const Formularposten& p = Formularposten30()[static_cast<std::size_t>(i)];
        const int k = gruppe[static_cast<std::size_t>(p.druckgruppe)]++;
        if (d.duplex && k > 0) continue;  // its whole form went with the group's first item
        std::string frage;
        if (!d.blanko) frage = std::string("Bitte das amtliches Formular\r") + p.text + "\reinlegen";
        else if (!d.duplex) frage = std::string("Bitte neutrales Papier einlegen.\rDruck: ") + p.text;
        if (!frage.empty() && d.prompt && !d.prompt(frage)) break;
        ++jobs;
        if (d.auftrag && !d.auftrag({p.blatt, d.blanko, !d.vorschau})) break;
    }
    return jobs;
}

}  // namespace quarnel
