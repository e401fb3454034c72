#include "shell/navigation.h"

#include <tuple>

#include "case/bereiche.h"

namespace quarnel {
namespace {

bool Aktiv(const CaseRecord& r, int bereich, int seite) {
    return SeitenmerkerTest(r, SM_Aktiv, bereich, seite);
}

int ErsteAktiveSeite(const CaseRecord& r, int bereich, int von, int bis, int schritt) {
    for (int p = von; p != bis + schritt; p += schritt)
        if (Aktiv(r, bereich, p)) return p;
    return 0;
}

bool GueltigerOrt(int bereich, int seite) {
    return bereich >= 1 && bereich <= AnzahlBereiche && seite >= 0 && seite <= 15;
}

}  // namespace

int AnzahlAktiveSeiten(const CaseRecord& r, int bereich) {
    int n = 0;
    for (int p = 1; p <= 15; ++p)
        if (Aktiv(r, bereich, p)) ++n;
    return n;
}

int AktivesGebiet(const CaseRecord& r, int n) {
    for (int a = 1; a <= AnzahlBereiche; ++a)
        if (Aktiv(r, a, 0) && --n == 0) return a;
    return 0;
}

bool GebietZaehlt(const CaseRecord& r, int bereich) {
    return GueltigerOrt(bereich, 0) && Aktiv(r, bereich, 0) && AnzahlAktiveSeiten(r, bereich) > 0;
}

bool SeiteImBaum(const CaseRecord& r, int bereich, int seite) {
    return GueltigerOrt(bereich, seite) && seite >= 1 && Aktiv(r, bereich, 0) &&
           Aktiv(r, bereich, seite);
}

int NaechstesGebiet(const CaseRecord& r, int bereich) {
    for (int a = bereich + 1; a <= AnzahlBereiche; ++a)
        if (GebietZaehlt(r, a)) return a;
    for (int a = 1; a <= AnzahlBereiche; ++a)
        if (GebietZaehlt(r, a)) return a;
    return bereich;
}

int VorigesGebiet(const CaseRecord& r, int bereich) {
    for (int a = bereich - 1; a >= 1; --a)
        if (GebietZaehlt(r, a)) return a;
    for (int a = AnzahlBereiche; a >= 1; --a)
        if (GebietZaehlt(r, a)) return a;
    return bereich;
}

SeitenOrt NaechsteSeite(const CaseRecord& r, int bereich, int seite) {
    if (GebietZaehlt(r, bereich) && seite < 15)
        if (int p = ErsteAktiveSeite(r, bereich, seite + 1, 15, 1)) return {bereich, p};
    const int a = NaechstesGebiet(r, bereich);
    if (!GueltigerOrt(a, 0)) return {bereich, seite};
    const int p = ErsteAktiveSeite(r, a, 1, 15, 1);
    return {a, p ? p : seite};
}

SeitenOrt VorigeSeite(const CaseRecord& r, int bereich, int seite) {
    if (GebietZaehlt(r, bereich) && seite > 1 && seite <= 16)
        if (int p = ErsteAktiveSeite(r, bereich, seite - 1, 1, -1)) return {bereich, p};
    const int a = VorigesGebiet(r, bereich);
    if (!GueltigerOrt(a, 0)) return {bereich, seite};
    const int p = ErsteAktiveSeite(r, a, 15, 1, -1);
    return {a, p ? p : seite};
}

bool SeitenBearbeitet(const CaseRecord& r) {
    for (int a = 1; a <= AnzahlBereiche; ++a)
        for (int p = 0; p <= 15; ++p)
            if (SeitenmerkerTest(r, SM_Bearbeitet, a, p)) return true;
    return false;
}

std::vector<NavigatorZeile> NavigatorBaum(const CaseRecord& r) {
    std::vector<NavigatorZeile> zeilen;
    for (int a = 1; a <= AnzahlBereiche; ++a) {
        if (!Aktiv(r, a, 0)) continue;
        NavigatorZeile& bereich = zeilen.emplace_back();
        bereich.bereich = a;
        bereich.text = bereich.vorlesen = BereichName(a);
        for (int p = 1; p <= 15; ++p) {
            if (!Aktiv(r, a, p)) continue;
            NavigatorZeile z;
            z.bereich = a;
            z.seite = p;
            z.text = " " + std::string(SeitenName(a, p));
            z.besucht = SeitenmerkerTest(r, SM_Bearbeitet, a, p);
            z.notiz = SeitenmerkerTest(r, SM_Notiz, a, p);
            z.erinnerung = SeitenmerkerTest(r, SM_Erinnerung, a, p);
            z.fehler = SeitenmerkerTest(r, SM_Pruefung, a, p);
            z.text += z.besucht ? "    ¤ ··" : "    ···";
            z.vorlesen = std::string(SeitenName(a, p));
            if (z.besucht) z.vorlesen += ", besucht";
            std::string marken;
            for (auto [an, zeichen, wort] : {std::tuple{z.notiz, "N", ", Notiz"},
                                             {z.erinnerung, "E", ", Erinnerung"},
                                             {z.fehler, "F", ", Fehler"}}) {
                if (!an) continue;
                if (!marken.empty()) marken += ", ";
                marken += zeichen;
                z.vorlesen += wort;
            }
            if (!marken.empty()) z.text += "(" + marken + ")";
            zeilen.push_back(std::move(z));
        }
    }
    return zeilen;
}

std::optional<SeitenOrt> NavigatorStartSeite(const CaseRecord& r, int bereich, int seite) {
    if (bereich == 0 || seite == 0) bereich = seite = 1;
    if (!SeiteImBaum(r, bereich, seite)) return std::nullopt;
    return SeitenOrt{bereich, seite};
}

NavigatorWahl NavigatorGeheZu(const CaseRecord& r, int bereich, int seite, bool offen,
                              int aktBereich, int aktSeite) {
    NavigatorWahl w;
    if (seite == 0) {
        w.bleiben = true;
        w.fehler = "Bitte Unterseite wählen!";
        return w;
    }
    if (!SeiteImBaum(r, bereich, seite)) {  // a stale line: choose nothing
        w.bleiben = true;
        return w;
    }
    if (offen && bereich == aktBereich && seite == aktSeite) return w;
    w.seite = SeitenOrt{bereich, seite};
    return w;
}

}  // namespace quarnel
