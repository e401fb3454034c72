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

namespace {

// The annex forms the automatic selection prints, by the first item of each pair.
struct GedruckteAnlagen {
    bool kap, so, nEr, nSie, gse, fw;
    int v, kinder;
};

GedruckteAnlagen Gedruckt(const CaseRecord& r) {
    const Formularwahl w = AutomatischeAuswahl(r);
    auto an = [&w](int i) { return w[static_cast<std::size_t>(i)]; };
    GedruckteAnlagen g{an(12), an(14), an(8), an(10) && r.Bool(Feld::Splitting), an(16), an(18), 0, 0};
    for (int o = 0; o < 4; ++o) g.v += an(20 + 2 * o) ? 1 : 0;
    g.kinder = (an(4) ? 1 : 0) + (an(6) ? 1 : 0);
    return g;
}

int Zahl(const CaseRecord& r, Feld f) {
    const double x = r.Dbl(f);
    return x > 0 && x < 100 ? static_cast<int>(x + 0.5) : 0;
}

}  // namespace

BeigefuegteAnlagen AnlagenDerErklaerung(const CaseRecord& r) {
    const GedruckteAnlagen g = Gedruckt(r);
    BeigefuegteAnlagen a;
    a.kap = g.kap || r.Bool(Feld::AnlKap);
    a.so = g.so || r.Bool(Feld::AnlSO);
    a.nEr = g.nEr || r.Bool(Feld::AnlNSAEr);
    a.nSie = g.nSie || r.Bool(Feld::AnlNSASie);
    a.gse = g.gse || r.Bool(Feld::AnlGSE);
    a.land = r.Bool(Feld::AnlLand);
    a.vZahl = std::max(g.v, Zahl(r, Feld::AnlVZahl));
    a.v = a.vZahl > 0 || r.Bool(Feld::AnlV);
    a.ausZahl = Zahl(r, Feld::AnlAusZahl);
    a.aus = a.ausZahl > 0 || r.Bool(Feld::AnlAUS);
    a.kinderZahl = std::max(g.kinder, Zahl(r, Feld::AnlKinderZahl));
    a.kinder = a.kinderZahl > 0 || r.Bool(Feld::AnlKinder);
    a.fwZahl = std::max(g.fw ? 1 : 0, Zahl(r, Feld::AnlFWZahl));
    a.fw = a.fwZahl > 0 || r.Bool(Feld::AnlFW);
    return a;
}

std::vector<std::string> AngekreuzteAnlagenOhneDaten(const CaseRecord& r) {
    const GedruckteAnlagen g = Gedruckt(r);
    std::vector<std::string> n;
    auto pruefe = [&](bool angekreuzt, bool gedruckt, const char* name) {
        if (angekreuzt && !gedruckt) n.emplace_back(name);
    };
    pruefe(r.Bool(Feld::AnlKap), g.kap, "Anlage KAP");
    pruefe(r.Bool(Feld::AnlSO), g.so, "Anlage SO");
    pruefe(r.Bool(Feld::AnlNSAEr), g.nEr, "Anlage N (Stpfl.)");
    pruefe(r.Bool(Feld::AnlNSASie), g.nSie, "Anlage N (Ehegatte)");
    pruefe(r.Bool(Feld::AnlGSE), g.gse, "Anlage GSE");
    pruefe(r.Bool(Feld::AnlV) || Zahl(r, Feld::AnlVZahl) > g.v, g.v > 0 && Zahl(r, Feld::AnlVZahl) <= g.v,
           "Anlage V");
    pruefe(r.Bool(Feld::AnlKinder) || Zahl(r, Feld::AnlKinderZahl) > g.kinder,
           g.kinder > 0 && Zahl(r, Feld::AnlKinderZahl) <= g.kinder, "Anlage Kinder");
    pruefe(r.Bool(Feld::AnlFW), g.fw, "Anlage FW");
    return n;
}

namespace {

// The paper prompt of the items `texte` (one or several), "" for none.
std::string Papierfrage(const Druckrunde& d, const std::vector<std::string>& texte) {
    std::string liste;
    for (const std::string& t : texte) liste += (liste.empty() ? "" : "\r") + t;
    if (!d.blanko) return "Bitte das amtliches Formular\r" + liste + "\reinlegen";
    if (!d.duplex) return "Bitte neutrales Papier einlegen.\rDruck: " + liste;
    return {};
}

}  // namespace

int FormulareDrucken(const Formularwahl& w, const Druckrunde& d) {
    if (d.vorschau || d.alsPdf) {
        // One preview of every ticked sheet after one prompt; one PDF without.
        std::vector<std::string> texte;
        std::vector<int> blaetter;
        for (int i = 0; i < AnzahlFormularposten; ++i) {
            if (!w[static_cast<std::size_t>(i)]) continue;
            texte.emplace_back(Formularposten30()[static_cast<std::size_t>(i)].text);
            blaetter.push_back(Formularposten30()[static_cast<std::size_t>(i)].blatt);
        }
        if (blaetter.empty()) return 0;
        const std::string frage = d.vorschau ? Papierfrage(d, texte) : std::string();
        if (!frage.empty() && d.prompt && !d.prompt(frage)) return 0;
        if (d.auftrag) d.auftrag({blaetter.front(), d.blanko, !d.vorschau, blaetter});
        return 1;
    }
    std::array<int, 15> gruppe{};  // ticked items met per print group
    int jobs = 0;
    for (int i = 0; i < AnzahlFormularposten; ++i) {
        if (!w[static_cast<std::size_t>(i)]) continue;
        const Formularposten& p = Formularposten30()[static_cast<std::size_t>(i)];
        const int k = gruppe[static_cast<std::size_t>(p.druckgruppe)]++;
        if (d.duplex && k > 0) continue;  // its whole form went with the group's first item
        const std::string frage = Papierfrage(d, {p.text});
        if (!frage.empty() && d.prompt && !d.prompt(frage)) break;
        ++jobs;
        if (d.auftrag && !d.auftrag({p.blatt, d.blanko, !d.vorschau})) break;
    }
    return jobs;
}

}  // namespace quarnel
