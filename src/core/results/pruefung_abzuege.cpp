// Check rules of the special expenses and the extraordinary burdens (the
// disability data are checked with the persons).
#include <array>

#include "results/pruefung_regeln.h"

namespace quarnel::pruefregeln {
namespace {

constexpr int Altkatholisch = 2;
constexpr int GeburtsjahrgangGrenze = 1957;

bool NachJahrgangGeboren(const Sicht& s, Feld geburt) {
    return s.Gegeben(geburt) && JahrVon(s.Wahl(geburt)) > GeburtsjahrgangGrenze;
}

void Versicherungen(const Sicht& s, Befundtabelle& t) {
    const bool z = s.Zusammen();
    const double pflege =
        s.Betrag(Feld::ZusPflegeStpfl) + (z ? s.Betrag(Feld::ZusPflegeEheg) : 0.0);
    const bool jung = NachJahrgangGeboren(s, Feld::StpflGebDat) ||
                      (z && NachJahrgangGeboren(s, Feld::EhegGebDat));
    const bool eigenesAuto = s.Haken(Feld::PrivatPKWCB, 1) || (z && s.Haken(Feld::PrivatPKWCB, 2));
    t.Setzen(121, {
        Befund(IstNichtNull(pflege) && !jung, 251),
        Befund(IstNull(pflege) && jung, 252),
        Befund(eigenesAuto && s.Null(Feld::HaftGez), 253),
    });
}

void RentenUndUnterhalt(const Sicht& s, Befundtabelle& t) {
    const int rente = Anzahl({s.Beschrieben(Feld::ReGrund), s.Gegeben(Feld::ReLaeuftSeit),
                              s.Beschrieben(Feld::ReTodVon), s.Gegeben(Feld::ReGebAm),
                              s.NichtNull(Feld::ReGezahlt)});
    constexpr Feld name[] = {Feld::UntName1, Feld::UntName2, Feld::UntName3};
    constexpr Feld betrag[] = {Feld::UntDM1, Feld::UntDM2, Feld::UntDM3};
    bool unterhalt = false;
    for (int n = 0; n < 3; ++n)
        unterhalt = unterhalt || Anzahl({s.Beschrieben(name[n]), s.NichtNull(betrag[n])}) == 1;
    t.Setzen(122, {
        Befund(rente >= 1 && rente <= 4, 261),
        Befund(Anzahl({s.Beschrieben(Feld::DLGrund), s.NichtNull(Feld::DlGezahlt)}) == 1, 266),
        Befund(unterhalt, 268),
    });
}

// The entries of the household-help page that count towards h.
int HaushaltshilfeAngaben(const Sicht& s) {
    return Anzahl({s.Beschrieben(Feld::NameHausHilfe), s.Gegeben(Feld::BeschVom),
                   s.Gegeben(Feld::BeschBis), s.NichtNull(Feld::AufwandDm)});
}

void HaushaltshilfeSteuerberatung(const Sicht& s, Befundtabelle& t) {
    const int h = HaushaltshilfeAngaben(s);
    t.Setzen(124, {
        Befund(h >= 1 && h <= 3, 281),
        Befund(h == 4 && (s.Fehlt(Feld::RVBeitragVom) || s.Fehlt(Feld::RVBeitragBis)), 282),
        Befund(s.Null(Feld::StBerDmAusListe), 286),
    });
}

void AusbildungSchulgeld(const Sicht& s, Befundtabelle& t) {
    auto unvollstaendig = [&](Feld art, Feld kosten, Feld betrag) {
        const int c = Anzahl({s.Beschrieben(art), s.Beschrieben(kosten), s.NichtNull(betrag)});
        return c == 1 || c == 2;
    };
    const bool ausbildung =
        unvollstaendig(Feld::AusStpfArtAusb, Feld::AusStpfArtKost, Feld::AusStpfDM) ||
        (s.Zusammen() && unvollstaendig(Feld::AusEheArtAusb, Feld::AusEheArtKost, Feld::AusEheDM));
    constexpr Feld schule[] = {Feld::SGBezKi1, Feld::SGBezKi2, Feld::SGBezKi3,
                               Feld::SGBezKi4, Feld::SGBezKi5, Feld::SGBezKi6};
    constexpr Feld schulgeld[] = {Feld::SGGezKi1, Feld::SGGezKi2, Feld::SGGezKi3,
                                  Feld::SGGezKi4, Feld::SGGezKi5, Feld::SGGezKi6};
    bool schulgeldFehlt = false;
    for (int k = 1; k <= 6; ++k)
        if (UeberTausendstel(s.Betrag(Feld::KindKiFbJahr, k)))
            schulgeldFehlt = schulgeldFehlt ||
                             Anzahl({s.Beschrieben(schule[k - 1]), s.NichtNull(schulgeld[k - 1])}) == 1;
    t.Setzen(125, {Befund(ausbildung, 291), Befund(schulgeldFehlt, 295)});
}

void Spenden(const Sicht& s, Befundtabelle& t) {
    const bool altkatholisch =
        s.Wahl(Feld::StpflReligionLB) == Altkatholisch ||
        (s.Zusammen() && s.Wahl(Feld::EhegReligionLB) == Altkatholisch);
    t.Setzen(126, {
        Befund(altkatholisch && s.Null(Feld::KirchErg), 301),
        Befund(s.Betrag(Feld::StiftStockDM) + s.Betrag(Feld::StiftStockFA) <
                   s.Betrag(Feld::StiftStockAnsatzDM),
               302),
    });
}

void HaushaltshilfeHeim(const Sicht& s, Befundtabelle& t) {
    const bool krankheitOhneZeit = s.Haken(Feld::AbKrankheitCB) &&
                                   (s.Fehlt(Feld::AbKrankheitVom) || s.Fehlt(Feld::AbKrankheitBis));
    const bool hilflosOhneZeit =
        s.Haken(Feld::AbHilflosePersCB) &&
        (s.Fehlt(Feld::AbHilfLosPersVom) || s.Fehlt(Feld::AbHilfLosPersBis));
    const bool keinGrund = !s.Haken(Feld::AbAlterCB) && !s.Haken(Feld::AbKrankheitCB) &&
                           !s.Haken(Feld::AbHilflosePersCB);
    const int heim = Anzahl({s.UeberNull(Feld::Person), s.Beschrieben(Feld::HeimAnschrift),
                             s.Gegeben(Feld::HeimVom), s.Gegeben(Feld::HeimBis),
                             s.Beschrieben(Feld::HeimArtDienstleist),
                             s.NichtNull(Feld::HeimAufwendungen)});
    t.Setzen(132, {
        Befund(HaushaltshilfeAngaben(s) == 4 && (keinGrund || krankheitOhneZeit || hilflosOhneZeit),
               283),
        Befund(heim >= 1 && heim <= 5, 321),
    });
}

void HaeuslichePflege(const Sicht& s, Befundtabelle& t) {
    int c = Anzahl({s.Beschrieben(Feld::NamePers),
                    s.Haken(Feld::NachweisBeigef) || s.Haken(Feld::NachweisVorgelegen),
                    s.UeberNull(Feld::ZahlKraefte)});
    if (c == 0 && s.Beschrieben(Feld::NameKraefte)) c = 1;
    t.Setzen(133, {
        Befund(c == 1 || c == 2, 331),
        Befund(s.Leer(Feld::NameKraefte) && s.Wert(Feld::ZahlKraefte) > 1, 332),
    });
}

// Supported person n (1..3) begun but incomplete.
bool UnterstuetzungUnvollstaendig(const Sicht& s, int n) {
    struct Personfelder {
        Feld name, land, geb, stand, grad, lebtMit, kiFb, unBer, oeff, kiMuKiVa;
    };
    using F = Feld;
    constexpr Personfelder felder[] = {
        {F::NameP1, F::LandLBP1, F::GebDatP1, F::FamStandP1, F::VGradP1, F::LebtMitP1,
         F::AnspKiFbCBP1, F::UnBerCBP1, F::OeffMitCBP1, F::KiMuKiVaCBP1},
        {F::NameP2, F::LandLBP2, F::GebDatP2, F::FamStandP2, F::VGradP2, F::LebtMitP2,
         F::AnspKiFbCBP2, F::UnBerCBP2, F::OeffMitCBP2, F::KiMuKiVaCBP2},
        {F::NameP3, F::LandLBP3, F::GebDatP3, F::FamStandP3, F::VGradP3, F::LebtMitP3,
         F::AnspKiFbCBP3, F::UnBerCBP3, F::OeffMitCBP3, F::KiMuKiVaCBP3},
    };
    const Personfelder& f = felder[n - 1];
    int c = Anzahl({s.Beschrieben(f.name), s.UeberNull(f.land), s.Gegeben(f.geb),
                    s.UeberNull(f.stand), s.Beschrieben(f.grad), s.Beschrieben(F::AufwArt, n),
                    s.Gegeben(F::AufwVom, n), s.Gegeben(F::AufwBis, n),
                    s.NichtNull(F::AufwDM, n)});
    if (c == 0 && (s.Beschrieben(f.lebtMit) || s.Haken(f.kiFb) || s.Haken(f.unBer) ||
                   s.Haken(f.oeff) || s.Haken(f.kiMuKiVa)))
        c = 1;
    return c >= 1 && c <= 8;
}

void AndereBelastungen(const Sicht& s, Befundtabelle& t) {
    auto zeile = [&](Feld art, Feld aufwand, Feld erstattung) {
        int c = Anzahl({s.Beschrieben(art), s.NichtNull(aufwand)});
        if (c == 0 && s.NichtNull(erstattung)) c = 1;
        return c == 1;
    };
    t.Setzen(136, {Befund(zeile(Feld::AbAndere_Art1, Feld::Aufwand1, Feld::Erstattungen1) ||
                              zeile(Feld::AbAndere_Art2, Feld::Aufwand2, Feld::Erstattungen2),
                          361)});
}

}  // namespace

void AbzugRegeln(const Sicht& s, Befundtabelle& t) {
    Versicherungen(s, t);
    RentenUndUnterhalt(s, t);
    t.Setzen(123, {0});
    HaushaltshilfeSteuerberatung(s, t);
    AusbildungSchulgeld(s, t);
    Spenden(s, t);
    t.Setzen(127, {0});
    HaushaltshilfeHeim(s, t);
    HaeuslichePflege(s, t);
    t.Setzen(134, {Befund(UnterstuetzungUnvollstaendig(s, 1), 341),
                   Befund(UnterstuetzungUnvollstaendig(s, 2), 342),
                   Befund(UnterstuetzungUnvollstaendig(s, 3), 343)});
    t.Setzen(135, {0});
    AndereBelastungen(s, t);
    t.Setzen(151, {0});
    t.Setzen(161, {0});
}

}  // namespace quarnel::pruefregeln
