#include "calc/fall.h"

#include <cmath>
#include <set>

#include "calc/berechnung.h"
#include "calc/deklaration.h"
#include "case/feldwerte.h"

namespace quarnel {
namespace {

std::string_view Getrimmt(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

void LeererFall(Fall& fall) {
    fall = Fall{};
    fall.eingabe.Bundesland = -1;
    fall.eingabe.KonfEr = fall.eingabe.KonfSie = 9;
    for (auto& k : fall.eingabe.KindSaetze) k.Schluessel = 200000;
}

}  // namespace

bool FallLesen(std::string_view text, Fall& fall, FallFehler& fehler) {
    LeererFall(fall);
    enum class Abschnitt {
        Keiner,
        Eingabe,
        Vorgabe,
        Erwartet,
        Satz,
        Deklaration,
        Bescheidzeilen,
        WasWaere
    } abschnitt = Abschnitt::Keiner;
    std::set<std::string> gesehen[7];
    bool eingabeGesehen = false;
    int nr = 0;
    auto fehlschlag = [&](std::string t) {
        fehler = {nr, std::move(t)};
        return false;
    };
    while (!text.empty()) {
        ++nr;
        const auto ende = text.find('\n');
        std::string_view zeile = text.substr(0, ende);
        text = ende == std::string_view::npos ? std::string_view{} : text.substr(ende + 1);
        if (const auto k = zeile.find('#'); k != std::string_view::npos) zeile = zeile.substr(0, k);
        zeile = Getrimmt(zeile);
        if (zeile.empty()) continue;
        if (zeile.front() == '[') {
            if (zeile == "[eingabe]")
                abschnitt = Abschnitt::Eingabe;
            else if (zeile == "[vorgabe]")
                abschnitt = Abschnitt::Vorgabe;
            else if (zeile == "[erwartet]")
                abschnitt = Abschnitt::Erwartet;
            else if (zeile == "[deklaration]")
                abschnitt = Abschnitt::Deklaration;
            else if (zeile == "[bescheidzeilen]")
                abschnitt = Abschnitt::Bescheidzeilen;
            else if (zeile == "[waswaere]")
                abschnitt = Abschnitt::WasWaere;
            else if (zeile == "[fall]" || zeile == "[kurzfall]") {
                if (fall.satz) return fehlschlag("der Fall hat schon einen Abschnitt " + std::string(zeile));
                abschnitt = Abschnitt::Satz;
                fall.satz.emplace();
                NeuerFallDatensatz(*fall.satz);
                fall.kurz = zeile == "[kurzfall]";
            } else
                return fehlschlag("unbekannter Abschnitt " + std::string(zeile));
            if (fall.satz && eingabeGesehen)
                return fehlschlag("[eingabe] und [fall] schließen sich aus");
            continue;
        }
        if (abschnitt == Abschnitt::Bescheidzeilen) {
            fall.bescheidzeilen.push_back({std::string(zeile), nr});
            continue;
        }
        const auto gleich = zeile.find('=');
        if (gleich == std::string_view::npos) return fehlschlag("Zeile ohne '='");
        const std::string name(Getrimmt(zeile.substr(0, gleich)));
        const std::string_view wert = Getrimmt(zeile.substr(gleich + 1));
        if (abschnitt == Abschnitt::Keiner) return fehlschlag("Wert vor dem ersten Abschnitt");
        if (!gesehen[int(abschnitt) - 1].insert(name).second)
            return fehlschlag("Feld doppelt: " + name);
        if (abschnitt == Abschnitt::Satz) {
            const FeldSuche suche = FeldAufloesen(name);
            if (!suche.adresse) return fehlschlag(suche.fehler);
            if (auto f = FeldwertSetzen(*fall.satz, *suche.adresse, wert))
                return fehlschlag(name + ": " + *f);
            continue;
        }
        if (abschnitt == Abschnitt::WasWaere) {
            fall.waswaere.push_back({name, std::string(wert), nr});
            continue;
        }
        if (abschnitt == Abschnitt::Eingabe) {
            if (fall.satz) return fehlschlag("[eingabe] und [fall] schließen sich aus");
            eingabeGesehen = true;
        }
        const bool eingabeFeld =
            abschnitt == Abschnitt::Eingabe || abschnitt == Abschnitt::Deklaration;
        const RechenFeld* feld = eingabeFeld ? EingabeFeld(name) : ErgebnisFeld(name);
        if (!feld) return fehlschlag("unbekanntes Feld: " + name);
        bool gut = true;
        if (abschnitt == Abschnitt::Eingabe) {
            gut = WertSetzen(fall.eingabe, *feld, wert);
        } else if (abschnitt == Abschnitt::Vorgabe) {
            gut = WertSetzen(fall.vorgabe, *feld, wert);
        } else if (abschnitt == Abschnitt::Deklaration) {
            CalcInput probe{};
            gut = WertSetzen(probe, *feld, wert);
            if (gut) fall.deklaration.push_back({feld, std::string(wert), nr});
        } else {
            CalcResult probe{};
            gut = WertSetzen(probe, *feld, wert);
            if (gut) fall.erwartet.push_back({feld, std::string(wert), nr});
        }
        if (!gut) return fehlschlag("ungültiger Wert für " + name + ": " + std::string(wert));
    }
    return true;
}

namespace {

template <class R>
void Vergleichen(const std::vector<Erwartung>& erwartet, const R& wirklich,
                 std::vector<Abweichung>& abweichungen) {
    for (const auto& e : erwartet) {
        bool gleich;
        if (e.feld->art == WertArt::Text) {
            gleich = WertText(wirklich, *e.feld) == e.wert;
        } else {
            R probe{};
            WertSetzen(probe, *e.feld, e.wert);
            gleich =
                std::fabs(*Zahlenwert(wirklich, *e.feld) - *Zahlenwert(probe, *e.feld)) < 0.005;
        }
        if (!gleich)
            abweichungen.push_back({e.feld->name, e.wert, WertText(wirklich, *e.feld), e.zeile});
    }
}

}  // namespace

std::vector<Abweichung> FallPruefen(const Fall& fall, const CalcResult& ergebnis) {
    std::vector<Abweichung> abweichungen;
    Vergleichen(fall.erwartet, ergebnis, abweichungen);
    return abweichungen;
}

std::vector<Abweichung> FallPruefen(const Fall& fall, const CalcInput& eingabe,
                                    const CalcResult& ergebnis) {
    std::vector<Abweichung> abweichungen;
    Vergleichen(fall.deklaration, eingabe, abweichungen);
    Vergleichen(fall.erwartet, ergebnis, abweichungen);
    return abweichungen;
}

void FallRechnen(const Fall& fall, CalcInput& eingabe, CalcResult& ergebnis) {
    ergebnis = fall.vorgabe;
    if (fall.satz) {
        CaseRecord satz = *fall.satz;
        DeklarationFuellen(satz, eingabe, ergebnis, fall.kurz);
    } else {
        eingabe = fall.eingabe;
    }
    Berechne(eingabe, ergebnis);
}

}  // namespace quarnel
