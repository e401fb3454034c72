#include "shell/eingabeort.h"

#include "case/bereiche.h"
#include "shell/anzeige.h"

namespace quarnel {
namespace {

// Subordinate pages and the entry page whose button opens them.
struct Unterseite {
    std::string_view klasse, seite;
};
constexpr Unterseite Unterseiten[] = {
    {"TF_KsoList", "TF_KSO"},   {"TF_Ausbild", "TF_Kind"},     {"TF_BehindN", "TF_ErSie"},
    {"TF_AbEink", "TF_AbUntBe"}, {"TF_HausHi", "TF_AbHiHeim"}, {"TF_AFA", "TF_VuV"},
};

// Sums the fill takes from the record that a page shows in a field of its own.
struct Anzeige {
    std::string_view feld, gezeigt;
};
constexpr Anzeige Anzeigen[] = {
    {"SummeAnrechKapErtSt", "AnzKap"},
    {"SummeAnrechKoerpSt", "AnzKoest"},
    {"SummeAnrechSoli", "AnzSoli"},
    {"SummeVergKoerpSt", "VerKoest"},
};

std::optional<Feld> Suchen(std::string_view name) {
    if (auto f = FeldNachId(name)) return f;
    const auto alle = FelderNachName(name);
    if (alle.empty()) return std::nullopt;
    return alle.front();
}

// The n-th (area, page) that opens this page class (the first where there
// are fewer).
bool SeiteDerKlasse(std::string_view klasse, int& bereich, int& seite, int n = 1) {
    int gefunden = 0;
    for (int b = 1; b <= 17; ++b)
        for (int s = 1; s <= 15; ++s) {
            if (SeitenKlasse(b, s) != klasse || !SeiteVorhanden(b, s)) continue;
            if (++gefunden == 1 || gefunden == n) {
                bereich = b;
                seite = s;
            }
            if (gefunden == n) return true;
        }
    return gefunden > 0;
}

}  // namespace

std::string_view SeiteDerUnterseite(std::string_view klasse) {
    for (const auto& u : Unterseiten)
        if (u.klasse == klasse) return u.seite;
    int b = 0, s = 0;
    return SeiteDerKlasse(klasse, b, s) ? klasse : std::string_view{};
}

Katalogstelle KatalogstelleAus(std::string_view quelle) {
    Katalogstelle k{quelle, 1};
    const auto auf = quelle.find('[');
    if (auf == std::string_view::npos || !quelle.ends_with(']')) return k;
    int n = 0;
    for (std::size_t i = auf + 1; i + 1 < quelle.size(); ++i) {
        if (quelle[i] < '0' || quelle[i] > '9') return k;
        n = n * 10 + (quelle[i] - '0');
    }
    if (n < 1) return k;
    return {quelle.substr(0, auf), n};
}

std::optional<Eingabeort> EingabeortFuer(std::string_view quelle) {
    const auto [katalogfeld, element] = KatalogstelleAus(quelle);
    auto feld = Suchen(katalogfeld);
    if (!feld) return std::nullopt;
    for (const auto& a : Anzeigen)
        if (a.feld == katalogfeld) feld = Suchen(a.gezeigt);
    if (!feld) return std::nullopt;
    const std::string_view klasse = Def(*feld).seite;
    const std::string_view seite = SeiteDerUnterseite(klasse);
    Eingabeort ort;
    ort.feld = *feld;
    ort.element = element <= Def(*feld).anzahl ? element : 1;
    // a page that stands once per element shows the element's own
    const int n = seite == klasse && Def(*feld).anzahl > 1 ? ort.element : 1;
    if (seite.empty() || !SeiteDerKlasse(seite, ort.bereich, ort.seite, n)) return std::nullopt;
    if (seite != klasse) ort.unterseite = klasse;
    return ort;
}

Eingabehilfe HilfeFuer(const Eingabeort& ort) {
    Eingabehilfe h;
    h.seite = "F" + DreiStellen(SeitenHilfeNummer(ort.bereich, ort.seite));
    const int nr = Def(ort.feld).nr;
    if (nr > 0) h.anker = FeldNummerText(nr).substr(1);
    return h;
}

std::string SeitenText(const Eingabeort& ort) {
    const std::string seite(SeitenName(ort.bereich, ort.seite));
    std::string text(BereichName(ort.bereich));
    if (seite != text) text += ", " + seite;
    return text;
}

std::string EingabeortText(const Eingabeort& ort) {
    const std::string seite(SeitenName(ort.bereich, ort.seite));
    std::string text = SeitenText(ort);
    const FeldDef& d = Def(ort.feld);
    std::string reiter = d.reiter;
    std::erase(reiter, '&');
    if (!reiter.empty() && reiter != seite) text += ", " + reiter;
    std::string beschriftung = d.beschriftung;
    while (!beschriftung.empty() && (beschriftung.back() == ' ' || beschriftung.back() == ':'))
        beschriftung.pop_back();
    text += ", Feld " + (beschriftung.empty() ? std::string(d.name) : beschriftung);
    return text;
}

}  // namespace quarnel
