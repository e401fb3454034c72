// The check of amounts beyond any real case: an entered amount above a
// trillion DM, or one that is no number at all, counts as 0 in the
// computation; finding 600 names each such field on the page it belongs to.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "case/bereiche.h"
#include "case/feldkatalog.h"
#include "case/zeichensatz.h"
#include "results/pruefung_regeln.h"

namespace quarnel::pruefregeln {
namespace {

// Above this the computation takes an amount as 0 (as it takes NaN or infinity).
constexpr double Unsinnig = 1e12;
constexpr int BefundUnsinnigerBetrag = 600;
// Where a field of no entry page is reported: the personal data.
constexpr int SeiteOhneKlasse = 11;

// The page code of element e of a field: the entry page of its class; a class
// that several pages share in the order of its elements (children, wage-tax
// cards, rental objects) gives element e the e-th of them.
int SeiteDesFeldes(const FeldDef& d, int e) {
    std::vector<int> seiten;
    for (int bereich = 1; bereich <= 17; ++bereich)
        for (int seite = 1; seite <= 15; ++seite)
            if (*d.seite && SeitenKlasse(bereich, seite) == d.seite)
                seiten.push_back(bereich * 10 + seite);
    if (seiten.empty()) return SeiteOhneKlasse;
    if (seiten.size() > 1 && seiten.size() == d.anzahl) return seiten[e - 1];
    return seiten.front();
}

// Whole DM with thousands points while that is readable, else in powers of ten.
std::string Betragstext(double wert) {
    if (!std::isfinite(wert)) return "keine Zahl";
    char zahl[64];
    if (std::fabs(wert) >= 1e18) {
        std::snprintf(zahl, sizeof zahl, "%.3g DM", wert);
        return zahl;
    }
    std::snprintf(zahl, sizeof zahl, "%.0f", std::fabs(wert));
    const std::string ziffern = zahl;
    std::string text = wert < 0 ? "-" : "";
    for (std::size_t i = 0; i < ziffern.size(); ++i) {
        if (i > 0 && (ziffern.size() - i) % 3 == 0) text += '.';
        text += ziffern[i];
    }
    return text + " DM";
}

std::string Feldnennung(const FeldDef& d, int e, double wert) {
    std::string name = *d.beschriftung ? std::string(d.beschriftung) + " (" + d.id : d.id;
    if (d.anzahl > 1) name += "[" + std::to_string(e) + "]";
    if (*d.beschriftung) name += ")";
    return Utf8ZuCp1252("Feld „" + name + "“: " + Betragstext(wert));
}

}  // namespace

void BetragsRegeln(const Sicht& s, Befundtabelle& t) {
    const auto katalog = Feldkatalog();
    for (std::size_t i = 0; i < katalog.size(); ++i) {
        const FeldDef& d = katalog[i];
        if (d.typ != FeldTyp::Double || d.art != FeldArt::Eingabe) continue;
        for (int e = 1; e <= d.anzahl; ++e) {
            const double wert = s.Betrag(static_cast<Feld>(i), e);
            if (std::isfinite(wert) && std::fabs(wert) <= Unsinnig) continue;
            t.Anhaengen(SeiteDesFeldes(d, e), BefundUnsinnigerBetrag, Feldnennung(d, e, wert));
        }
    }
}

}  // namespace quarnel::pruefregeln
