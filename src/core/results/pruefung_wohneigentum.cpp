// Check rules of the owner-occupied home pages.
#include <array>

#include "pages/wohneigentum.h"
#include "results/pruefung_regeln.h"

namespace quarnel::pruefregeln {
namespace {

using F = Feld;

// Texts, check boxes, dates and amounts read by the rules 401 to 434.
constexpr F kTexte[] = {F::Lage, F::Besitzer, F::S1Anteil, F::S2Anteil};
constexpr F kHaken[] = {F::EFHCB,   F::AusbauCB, F::UnentgeltCB, F::AndHausCB,
                        F::Fall2CB, F::Fall3CB,  F::EhZuPauschCB};
constexpr F kDaten[] = {F::Kaufvertrag, F::Anschaffung, F::Bauantrag,
                        F::Baubeginn,   F::Fertig,      F::SelbstNutzung};
constexpr F kBetraege[] = {F::AndHausZahlWo, F::AndHausEgenWo, F::HausQm,      F::Wohnqm,
                           F::S1AnteilDM,    F::S2AnteilDM,    F::S2Inanspruch, F::Fall2DM,
                           F::Abzug2DM,      F::Fall3DM,       F::Abzug3DM,    F::AbzugVorjahr,
                           F::Abzug96,       F::AbzugSum,      F::Schuld,      F::Damnum,
                           F::Geld,          F::Erhalt,        F::AndereDm,    F::EhZuErhaltAufw,
                           F::EhZuErhaltAufwMit};

bool WohneigentumErfasst(const Sicht& s) {
    for (F f : kTexte)
        if (s.Beschrieben(f)) return true;
    for (F f : kHaken)
        if (s.Haken(f)) return true;
    for (F f : kDaten)
        if (s.Gegeben(f)) return true;
    for (F f : kBetraege)
        if (s.NichtNull(f)) return true;
    return false;
}

// A given date before 1 January 1996.
bool Vor1996(const Sicht& s, F f) {
    return s.Gegeben(f) && s.Wahl(f) < TagesNummer(1996, 1, 1);
}

}  // namespace

void WohneigentumRegeln(const Sicht& s, Befundtabelle& t) {
    // Page 141, in the order the rules depend on each other.
    std::array<int, 9> lage{};  // 401..409
    int gesamt = 0;             // 400
    if (WohneigentumErfasst(s)) {
        const bool ohneObjekt = !s.Haken(F::EFHCB) && !s.Haken(F::AusbauCB) &&
                                !s.Haken(F::UnentgeltCB) && !s.Haken(F::AndHausCB);
        lage[0] = Befund(Anzahl({s.Beschrieben(F::Lage), s.Beschrieben(F::Besitzer)}) < 2, 401);
        lage[1] = Befund(ohneObjekt, 402);
        lage[2] = Befund(s.Haken(F::AndHausCB) &&
                             Anzahl({s.NichtNull(F::AndHausZahlWo), s.NichtNull(F::AndHausEgenWo)}) < 2,
                         403);
        if (!ohneObjekt) {
            const int kauf = Anzahl({s.Gegeben(F::Kaufvertrag), s.Gegeben(F::Anschaffung)});
            const int bau =
                Anzahl({s.Gegeben(F::Bauantrag), s.Gegeben(F::Baubeginn), s.Gegeben(F::Fertig)});
            lage[3] = Befund(Anzahl({s.NichtNull(F::HausQm), s.NichtNull(F::Wohnqm)}) < 2, 404);
            lage[4] = Befund(kauf == 1, 405);
            lage[5] = Befund(bau == 1 || bau == 2, 406);
            lage[6] = Befund(kauf + bau == 0, 407);
            lage[7] = Befund(s.Fehlt(F::SelbstNutzung), 408);
        }
        const int s2 = Anzahl({s.Beschrieben(F::S2Anteil), s.NichtNull(F::S2AnteilDM),
                               s.NichtNull(F::S2Inanspruch)});
        lage[8] = Befund(Anzahl({s.Beschrieben(F::S1Anteil), s.NichtNull(F::S1AnteilDM)}) == 1 ||
                             s2 == 1 || s2 == 2,
                         409);
        gesamt = Befund(lage[0] || lage[1] || lage[6] || lage[7], 400);
    }
    t.Setzen(141, lage);

    auto fallOhneAbzug = [&](F fall, F betrag, F abzug) {
        return (s.Haken(fall) || s.NichtNull(betrag)) && s.Null(abzug);
    };
    t.Setzen(142, {gesamt, Befund(fallOhneAbzug(F::Fall2CB, F::Fall2DM, F::Abzug2DM) ||
                                      fallOhneAbzug(F::Fall3CB, F::Fall3DM, F::Abzug3DM),
                                  422)});

    const bool vorkosten = IstNichtNull(s.Betrag(F::Schuld) + s.Betrag(F::Damnum) +
                                        s.Betrag(F::Geld) + s.Betrag(F::Erhalt) +
                                        s.Betrag(F::AndereDm));
    const bool altfall = Vor1996(s, F::Kaufvertrag) || Vor1996(s, F::Bauantrag) ||
                         Vor1996(s, F::Baubeginn);
    const bool erhaltung = IstNichtNull(s.Betrag(F::EhZuErhaltAufw) +
                                        s.Betrag(F::EhZuErhaltAufwMit)) ||
                           s.Haken(F::EhZuPauschCB);
    const bool besitzer = s.Beschrieben(F::Besitzer);
    const int kinder = s.Wahl(F::ZahlKinder);
    // amounts the law of 2001 refuses by the home's dates
    const WohneigentumVersagt versagt = WohneigentumWerte(s.r).versagt;
    const std::array<int, 12> abzug = {
        gesamt,
        Befund(s.NichtNull(F::AbzugVorjahr) && s.NichtNull(F::Abzug96), 431),
        Befund(s.NichtNull(F::AbzugSum) && s.Null(F::Abzug96), 432),
        Befund(vorkosten && !altfall, 433),
        Befund(vorkosten && erhaltung, 434),
        Befund(besitzer && kinder > s.v.kinderHhFb, 435),
        Befund(besitzer && kinder < s.v.kinderHhFb, 436),
        Befund(versagt.abzug10e, 437),
        Befund(versagt.vorkosten, 438),
        Befund(versagt.pauschale10i, 439),
        Befund(versagt.erhaltung10i, 444),
        Befund(versagt.baukindergeld, 445),
    };
    t.Setzen(143, abzug);
    t.Setzen(145, abzug);
    t.Setzen(144, {gesamt, Befund((s.Haken(F::ErhaltCB1) && s.Null(F::OberDM3)) ||
                                      (s.Haken(F::ErhaltCB2) && s.Null(F::OberDM4)),
                                  443)});
}

}  // namespace quarnel::pruefregeln
