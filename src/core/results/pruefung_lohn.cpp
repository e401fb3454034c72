// Check rules of employment: the four wage-tax cards and the
// income-related expenses of each person.
#include <array>

#include "pages/werbungskosten.h"
#include "results/pruefung_regeln.h"

namespace quarnel::pruefregeln {
namespace {

constexpr double HoechstbetragAufwandsentschaedigung = 3600;
constexpr double HoechstbetragArbeitsmittel = 928;  // per item, written off at once
constexpr double NahbereichEinsatzstelleKm = 30;

// Card k: 1, 2 the taxpayer's, 3, 4 the spouse's; the person's first card.
int ErsteKarte(int k) { return k <= 2 ? 1 : 3; }

// Capital-forming payment line n of card k begun but incomplete.
bool VwlZeileUnvollstaendig(const Sicht& s, int k, int n) {
    constexpr Feld art[] = {Feld::Vwl1Art, Feld::Vwl2Art, Feld::Vwl3Art, Feld::Vwl4Art};
    constexpr Feld vertrag[] = {Feld::Vwl1Vertrag, Feld::Vwl2Vertrag, Feld::Vwl3Vertrag,
                                Feld::Vwl4Vertrag};
    constexpr Feld betrag[] = {Feld::Vwl1Betrag, Feld::Vwl2Betrag, Feld::Vwl3Betrag,
                               Feld::Vwl4Betrag};
    const int c = Anzahl({s.UeberNull(art[n], k), s.Beschrieben(vertrag[n], k),
                          s.NichtNull(betrag[n], k)});
    return c == 1 || c == 2;
}

void Steuerkarte(const Sicht& s, Befundtabelle& t, int k) {
    const int kennung = 30 + k;
    const bool ehegatte = k >= 3;
    if (ehegatte && s.Einzel()) {
        t.Setzen(kennung, std::span<const int>{});
        return;
    }
    if (ehegatte && !s.Zusammen()) {
        t.Setzen(kennung, std::array<int, 22>{});
        return;
    }
    auto d = [&](Feld f) { return s.Betrag(f, k); };
    const double brutto = d(Feld::Brutto);
    const double mehrjaehrig = d(Feld::BruttoMj) + d(Feld::Entsch) + d(Feld::VersBezMJ);
    const bool bruttoDa = IstNichtNull(brutto);
    const int k1 = ErsteKarte(k);
    t.Setzen(kennung, {
        Befund(bruttoDa && (s.Null(Feld::LStBrutto, k) || s.Null(Feld::SoliBrutto, k)), 51),
        Befund(!bruttoDa && (s.NichtNull(Feld::LStBrutto, k) || s.NichtNull(Feld::SoliBrutto, k)), 52),
        Befund(!bruttoDa && s.NichtNull(Feld::KiStAnBrutto, k), 53),
        Befund(IstNull(mehrjaehrig) &&
                   IstNichtNull(d(Feld::LStMj) + d(Feld::SoliMj) + d(Feld::KiStAnMj)),
               54),
        Befund(IstNichtNull(mehrjaehrig) && s.Null(Feld::LStMj, k), 55),
        Befund(IstNichtNull(mehrjaehrig) && s.Null(Feld::SoliMj, k), 56),
        Befund(brutto + 0.001 < d(Feld::Versbez), 57),
        Befund(s.Positiv(Feld::Entsch, k) && s.Null(Feld::EntschFB, k), 58),
        Befund(s.Positiv(Feld::EntschFB, k) &&
                   IstNull(d(Feld::Entsch) + d(Feld::EntschNichtErmBest)),
               59),
        Befund(s.Null(Feld::GGAlo, k) && s.Beschrieben(Feld::GGNach, k), 65),
        Befund(s.Positiv(Feld::GGAlo, k) && s.Leer(Feld::GGNach, k), 66),
        Befund(d(Feld::StFAufEntFreiB) > d(Feld::StFAufEntbetrag) ||
                   d(Feld::StFAufEntFreiB) > HoechstbetragAufwandsentschaedigung,
               76),
        Befund(s.Null(Feld::StFAufEntbetrag, k) && s.Beschrieben(Feld::StFAufEntAls, k), 67),
        Befund(s.Positiv(Feld::StFAufEntbetrag, k) && s.Leer(Feld::StFAufEntAls, k), 68),
        Befund(VwlZeileUnvollstaendig(s, k, 0), 69),
        Befund(VwlZeileUnvollstaendig(s, k, 1), 70),
        Befund(VwlZeileUnvollstaendig(s, k, 2), 71),
        Befund(VwlZeileUnvollstaendig(s, k, 3), 72),
        Befund(IstNichtNull(brutto + d(Feld::BruttoMj) + d(Feld::VersBezMJ) + d(Feld::Entsch)) &&
                   !s.Haken(Feld::BestaetVorsorge, k1),
               73),
        Befund(s.Positiv(Feld::AnTeilSoVer, k) && s.Haken(Feld::KeineRVPflBeamterCB, k1), 74),
        Befund(brutto + 0.001 < d(Feld::StBefrNacht630), 75),
        Befund(brutto + 0.001 < d(Feld::BruttoMjNichtErmBest) + d(Feld::EntschNichtErmBest), 60),
    });
}

// Trips to work: 92 for an inconsistent trip line, else 91 for an incomplete
// workplace line; one position.
int FahrtBefund(const Sicht& s, int p) {
    constexpr Feld ort[] = {Feld::LfdOrt1CB, Feld::LfdOrt2CB, Feld::LfdOrt3CB, Feld::LfdOrt4CB};
    constexpr Feld tage[] = {Feld::LfdTage1, Feld::LfdTage2, Feld::LfdTage3, Feld::LfdTage4};
    constexpr Feld entf[] = {Feld::LfdEntf1, Feld::LfdEntf2, Feld::LfdEntf3, Feld::LfdEntf4};
    constexpr Feld pkw[] = {Feld::LfdPkw1, Feld::LfdPkw2, Feld::LfdPkw3, Feld::LfdPkw4};
    constexpr Feld mit[] = {Feld::LfdMitAnderen1, Feld::LfdMitAnderen2, Feld::LfdMitAnderen3,
                            Feld::LfdMitAnderen4};
    for (int n = 0; n < 4; ++n) {
        const int b = Anzahl({s.UeberNull(ort[n], p), s.NichtNull(tage[n], p),
                              s.NichtNull(entf[n], p)});
        const int a = Anzahl({s.NichtNull(pkw[n], p), s.NichtNull(mit[n], p)});
        if (b == 1 || b == 2 || (b == 3 && a == 0) || (b == 0 && a > 0)) return 92;
    }
    constexpr Feld arbeitsort[] = {Feld::ArbeitsOrt1, Feld::ArbeitsOrt2};
    constexpr Feld arbeitstage[] = {Feld::Arbeitstage1, Feld::Arbeitstage2};
    constexpr Feld urlaub[] = {Feld::Urlaubstage1, Feld::Urlaubstage2};
    for (int n = 0; n < 2; ++n) {
        const int c = Anzahl({s.Beschrieben(arbeitsort[n], p), s.NichtNull(arbeitstage[n], p),
                              s.NichtNull(urlaub[n], p)});
        if (c == 1 || c == 2) return 91;
    }
    return 0;
}

// Changing work sites: a site row costed at kilometre rates although the site
// lies within 30 km of home, where the law allows only the Entfernungspauschale
// (beyond 30 km only for the first three months at the site).
bool EinsatzstelleImNahbereich(const Sicht& s, int p) {
    constexpr Feld km[] = {Feld::WechselKM1, Feld::WechselKM2, Feld::WechselKM3,
                           Feld::WechselKM4, Feld::WechselKM5, Feld::WechselKM6,
                           Feld::WechselKM7, Feld::WechselKM8, Feld::WechselKM9};
    constexpr Feld erg[] = {Feld::WechselErg1, Feld::WechselErg2, Feld::WechselErg3,
                            Feld::WechselErg4, Feld::WechselErg5, Feld::WechselErg6,
                            Feld::WechselErg7, Feld::WechselErg8, Feld::WechselErg9};
    for (int n = 0; n < 9; ++n)
        if (s.Positiv(erg[n], p) && s.Betrag(km[n], p) <= NahbereichEinsatzstelleKm) return true;
    return false;
}

// A double household kept longer than two years by the end of the tax year:
// §9(1) Nr. 5 EStG 2001 allows its costs at the same place for two years only.
bool DoppelteHaushaltsfuehrungUeberZweiJahre(const Sicht& s, int p) {
    return s.Gegeben(Feld::DHSeit, p) &&
           s.r.Int(Feld::DHSeit, p) < TagesNummer(Steuerjahr - 1, 1, 1);
}

// Travel reimbursements on the person's two cards, tax-free and flat-taxed.
double Fahrtkostenerstattung(const Sicht& s, int p) {
    double summe = 0;
    for (int k = 2 * p - 1; k <= 2 * p; ++k)
        summe += s.Betrag(Feld::FahrkErstStFrei, k) + s.Betrag(Feld::FahrkErstPBest, k);
    return summe;
}

double KartenSumme(const Sicht& s, Feld f, int p) {
    return s.Betrag(f, 2 * p - 1) + s.Betrag(f, 2 * p);
}

void Werbungskosten(const Sicht& s, Befundtabelle& t, int p) {
    const int basis = p == 1 ? 40 : 50;
    if (p == 2 && !s.Zusammen()) {
        for (int seite = 1; seite <= 8; ++seite) t.Setzen(basis + seite, {0});
        return;
    }
    const bool fahrzeug = s.Haken(Feld::PrivatPKWCB, p) || s.Haken(Feld::FirmenPKWCB, p);
    const double erstattet = Fahrtkostenerstattung(s, p);
    const double angegeben = s.Betrag(Feld::FahrtArbeitgeberErsatzStFrei, p) +
                             s.Betrag(Feld::FahrtArbeitgeberErsatzStPausch, p) +
                             s.Betrag(Feld::WechselArbeitgeberErsatz, p);
    t.Setzen(basis + 1, {
        FahrtBefund(s, p),
        Befund(fahrzeug && s.Leer(Feld::LetztesKennz, p), 93),
        Befund(s.Beschrieben(Feld::LetztesKennz, p) && !fahrzeug, 94),
        Befund(erstattet > 0.01 && erstattet > angegeben, 95),
        Befund(erstattet + 0.01 < angegeben, 96),
        Befund(EinsatzstelleImNahbereich(s, p), 97),
    });

    t.Setzen(basis + 2, {Befund(Anzahl({s.Beschrieben(Feld::BezVerband, p),
                                        s.NichtNull(Feld::EntrBeitraegeListe, p)}) == 1,
                                101)});

    const double kosten1 = s.Betrag(Feld::Kosten1, p), kosten2 = s.Betrag(Feld::Kosten2, p);
    t.Setzen(basis + 3, {
        Befund(Anzahl({s.Beschrieben(Feld::ArbMittel1, p), IstNichtNull(kosten1)}) == 1 ||
                   Anzahl({s.Beschrieben(Feld::ArbMittel2, p), IstNichtNull(kosten2)}) == 1,
               105),
        Befund(kosten1 > HoechstbetragArbeitsmittel || kosten2 > HoechstbetragArbeitsmittel, 106),
    });

    // Summed wide: the record may hold any day counts.
    auto tage = [&](Feld a, Feld b, Feld c) {
        return int64_t{s.Wahl(a, p)} + s.Wahl(b, p) + s.Wahl(c, p);
    };
    t.Setzen(basis + 4, {
        Befund(s.Positiv(Feld::EWErstWk, p) && tage(Feld::EWTa10, Feld::EWTa14, Feld::EWTa24) == 0,
               110),
        Befund(s.Positiv(Feld::FzErstWk, p) && tage(Feld::FzTa10, Feld::FzTa14, Feld::FzTa24) == 0,
               111),
    });

    const int d = Anzahl({s.Beschrieben(Feld::BeschOrt, p), s.Beschrieben(Feld::GrundDH, p),
                          s.Gegeben(Feld::DHSeit, p), s.Gegeben(Feld::DHBestandenBis, p)});
    const bool eigenerHausstand = s.Beschrieben(Feld::EigHausIn, p) ||
                                  s.Gegeben(Feld::EigHausSeit, p) || s.Haken(Feld::UnterKJaCB, p);
    const double ersatz = KartenSumme(s, Feld::DoppHHf, p);
    const double agErsatz = s.Betrag(Feld::AGStFreiErs, p);
    t.Setzen(basis + 5, {
        Befund(d >= 1 && d <= 3, 120),
        Befund(d == 4 && !eigenerHausstand, 121),
        Befund(Anzahl({s.Beschrieben(Feld::EigHausIn, p), s.Gegeben(Feld::EigHausSeit, p)}) == 1,
               122),
        Befund(d == 4 && s.Null(Feld::ErgFahrten, p), 123),
        Befund(d == 4 && s.Null(Feld::ErgUnterkunft, p), 124),
        Befund(d == 0 && IstNichtNull(s.Betrag(Feld::ErgFahrten, p) +
                                      s.Betrag(Feld::ErgUnterkunft, p)),
               125),
        Befund(d == 0 && IstNichtNull(ersatz), 126),
        Befund(ersatz > 0.01 && ersatz > agErsatz, 127),
        Befund(ersatz + 0.01 < agErsatz, 128),
        Befund(DoppelteHaushaltsfuehrungUeberZweiJahre(s, p), 129),
    });

    const int anteilig = Anzahl({s.NichtNull(Feld::AntKostenAusListe, p),
                                 s.NichtNull(Feld::AntWohnQm, p), s.NichtNull(Feld::AntAzQm, p)});
    const double zimmer = s.Betrag(Feld::DirKostenAusListe, p) + s.Betrag(Feld::AntKostenAusListe, p);
    // the office's own costs: its direct costs and its share of the flat's
    const double zimmerKosten = s.Betrag(Feld::DirKostenAusListe, p) + ArbeitszimmerAnteil(s.r, p);
    t.Setzen(basis + 6, {
        Befund(anteilig == 1 || anteilig == 2, 130),
        Befund(IstNichtNull(zimmer) && s.Haken(Feld::Ansatz0Rb, p), 131),
        Befund(zimmerKosten > 2400 && s.Haken(Feld::Ansatz2400RB, p), 132),
    });

    t.Setzen(basis + 7, {
        Befund(Anzahl({s.Positiv(Feld::InKM, p), s.UeberNull(Feld::InFahrzLB, p)}) == 1, 140),
        Befund(s.NichtNull(Feld::InlRErstatt, p) &&
                   IstNull(s.Betrag(Feld::SummeWkReise, p) + s.Betrag(Feld::InlRErstatt, p)),
               141),
    });
    t.Setzen(basis + 8, {0});
}

}  // namespace

void LohnRegeln(const Sicht& s, Befundtabelle& t) {
    for (int k = 1; k <= 4; ++k) Steuerkarte(s, t, k);
    Werbungskosten(s, t, 1);
    Werbungskosten(s, t, 2);
}

}  // namespace quarnel::pruefregeln
