// Check rules of the income pages: rental objects, trade or business,
// self-employment, farming and forestry, and the other income.
#include <algorithm>
#include <array>

#include "results/pruefung_regeln.h"

namespace quarnel::pruefregeln {
namespace {

constexpr double HoechstbetragAufwandsentschaedigung = 3600;

void Vermietung(const Sicht& s, Befundtabelle& t, int objekt) {
    const bool einnahmen = s.NichtNull(Feld::ObjEinnahmenSumme, objekt);
    const bool ausgaben = s.NichtNull(Feld::ObjWerbKostSumme, objekt);
    const int angaben = Anzahl({s.Beschrieben(Feld::Objekt, objekt),
                                s.Gegeben(Feld::AnschaffDat, objekt),
                                s.Gegeben(Feld::FertigDat, objekt)});
    constexpr Feld miete[] = {Feld::MieteDM1, Feld::MieteDM2, Feld::MieteDM3, Feld::MieteDM4,
                              Feld::MieteDM5};
    constexpr Feld zahl[] = {Feld::MieteZahl1, Feld::MieteZahl2, Feld::MieteZahl3,
                             Feld::MieteZahl4, Feld::MieteZahl5};
    constexpr Feld qm[] = {Feld::MieteQm1, Feld::MieteQm2, Feld::MieteQm3, Feld::MieteQm4,
                           Feld::MieteQm5};
    bool mietzeile = false;
    for (int n = 0; n < 5; ++n) {
        const int c = Anzahl({s.NichtNull(miete[n], objekt), s.NichtNull(zahl[n], objekt),
                              s.NichtNull(qm[n], objekt)});
        mietzeile = mietzeile || c == 1 || c == 2;
    }
    t.Setzen(70 + objekt, {
        Befund((einnahmen || ausgaben) && angaben < 3, 161),
        Befund(ausgaben && !einnahmen, 162),
        Befund(!ausgaben && einnahmen, 163),
        Befund(mietzeile, 164),
    });
}

struct Zeile {
    bool beschrieben;
    double er, sie;
};

template <std::size_t N>
bool IrgendeineZeile(const Sicht& s, const std::array<Zeile, N>& zeilen, bool (*test)(int)) {
    return std::any_of(zeilen.begin(), zeilen.end(), [&](const Zeile& z) {
        return test(Zeilencode(s, z.beschrieben, z.er, z.sie));
    });
}

// The half-income part of a person against the profits P: above P when P is
// positive, below P otherwise.
bool HalbeinkuenfteUnstimmig(double halbeinkuenfte, double p) {
    return IstPositiv(p) ? halbeinkuenfte > p + 0.01 : halbeinkuenfte < p;
}

void Gewerbebetrieb(const Sicht& s, Befundtabelle& t) {
    constexpr Feld art[] = {Feld::ArtGew1, Feld::ArtWeitere1, Feld::ArtLtFeststellung,
                            Feld::MitUntArt1, Feld::MitUntArt2};
    constexpr Feld er[] = {Feld::GewEr1, Feld::GewEr2, Feld::GewEr3, Feld::GewEr4, Feld::GewEr5};
    constexpr Feld sie[] = {Feld::GewSie1, Feld::GewSie2, Feld::GewSie3, Feld::GewSie4,
                            Feld::GewSie5};
    std::array<Zeile, 7> zeilen{};
    double p = 0, q = 0;
    bool gewinnEr = false, gewinnSie = false;
    for (int n = 0; n < 5; ++n) {
        zeilen[n] = {s.Beschrieben(art[n]), s.Betrag(er[n]), s.Betrag(sie[n])};
        p += s.Betrag(er[n]);
        q += s.Betrag(sie[n]);
        gewinnEr = gewinnEr || IstPositiv(s.Betrag(er[n]));
        gewinnSie = gewinnSie || s.Betrag(sie[n]) > 0.01;
    }
    zeilen[5] = {s.Beschrieben(Feld::Verlustmodelle), s.Betrag(Feld::VerlustmodelleEr),
                 s.Betrag(Feld::VerlustmodelleSie)};
    const double organEr = s.Betrag(Feld::OrganschaftDMEr);
    const double organSie = s.Betrag(Feld::OrganschaftDMSie);
    zeilen[6] = {s.Beschrieben(Feld::Organschaft), organEr, organSie};
    p += organEr;
    q += organSie;
    gewinnEr = gewinnEr || organEr > 0.01;
    const bool organschaftSie = organSie > 0.01;
    gewinnSie = gewinnSie && !organschaftSie;
    const bool z = s.Zusammen();
    t.Setzen(81, {
        Befund(IrgendeineZeile(s, zeilen, ZeileUnvollstaendigEr), 171),
        Befund(gewinnEr && s.Null(Feld::GewStMessbEr), 173),
        Befund(!gewinnEr && s.NichtNull(Feld::GewStMessbEr), 175),
        Befund(HalbeinkuenfteUnstimmig(s.Betrag(Feld::GSE1_EinkHalbTeilEr), p), 177),
        Befund(z && IrgendeineZeile(s, zeilen, ZeileUnvollstaendigSie), 172),
        Befund(z && gewinnSie && s.Null(Feld::GewStMessbSie), 174),
        Befund(z && !gewinnSie && !organschaftSie && s.NichtNull(Feld::GewStMessbSie), 176),
        Befund(z && HalbeinkuenfteUnstimmig(s.Betrag(Feld::GSE1_EinkHalbTeilSie), q), 178),
    });
}

// Tax-free allowances for expenses on the person's cards against the
// self-employment page: 201 / 202.
bool AufwandsfreibetragZuHoch(const Sicht& s, int p) {
    const double karten = s.Betrag(Feld::StFAufEntFreiB, 2 * p - 1) +
                          s.Betrag(Feld::StFAufEntFreiB, 2 * p);
    return UeberTausendstel(karten) &&
           karten + s.Betrag(Feld::AufEntStFrei) > HoechstbetragAufwandsentschaedigung;
}

void SelbstaendigeArbeit(const Sicht& s, Befundtabelle& t) {
    struct Zeilenfelder {
        Feld art1, art2, er, sie;
    };
    constexpr Zeilenfelder felder[] = {
        {Feld::FreibArt1, Feld::FreibArt2, Feld::FreibGewinnEr, Feld::FreibGewinnSie},
        {Feld::LtFestArt1, Feld::LtFestArt2, Feld::LtFestGewinnEr, Feld::LtFestGewinnSie},
        {Feld::AusBetArt1, Feld::AusBetArt2, Feld::AusBetGewinnEr, Feld::AusBetGewinnSie},
        {Feld::AusWBetArt1, Feld::AusWBetArt2, Feld::AusWBetGewinnEr, Feld::AusWBetGewinnSie},
        {Feld::AndSelbArt1, Feld::AndSelbArt2, Feld::AndSelbGewinnEr, Feld::AndSelbGewinnSie},
        {Feld::AlleAndereArt1, Feld::AlleAndereArt2, Feld::AlleAndereGewinnEr,
         Feld::AlleAndereGewinnSie},
    };
    std::array<Zeile, 7> zeilen{};
    bool gewinnEr = false, gewinnSie = false;
    for (int n = 0; n < 6; ++n) {
        const Zeilenfelder& f = felder[n];
        zeilen[n] = {s.Beschrieben(f.art1) || s.Beschrieben(f.art2), s.Betrag(f.er),
                     s.Betrag(f.sie)};
        gewinnEr = gewinnEr || s.Betrag(f.er) > 0.01;
        gewinnSie = gewinnSie || s.Betrag(f.sie) > 0.01;
    }
    zeilen[6] = {s.Beschrieben(Feld::Gewinn2bArt), s.Betrag(Feld::Gewinn2bDMEr),
                 s.Betrag(Feld::Gewinn2bDMSie)};
    const bool unstimmig = IrgendeineZeile(s, zeilen, ZeileUnstimmig);
    const bool z = s.Zusammen();
    const int aufwand =
        Anzahl({s.Beschrieben(Feld::AufEntArt), s.NichtNull(Feld::AufEntDM),
                s.NichtNull(Feld::AufEntStFrei) || s.Beschrieben(Feld::AufEntRestIn)});
    t.Setzen(91, {
        Befund(unstimmig, 191),
        Befund(s.Betrag(Feld::GSE2_EinkHalbTeilEr) > 0.01 && !gewinnEr, 203),
        Befund(AufwandsfreibetragZuHoch(s, 1), 201),
        Befund(z && unstimmig, 192),
        Befund(z && s.Betrag(Feld::GSE2_EinkHalbTeilSie) > 0.01 && !gewinnSie, 204),
        Befund(z && AufwandsfreibetragZuHoch(s, 2), 202),
        Befund(s.Betrag(Feld::AufEntStFrei) > HoechstbetragAufwandsentschaedigung, 198),
        Befund(aufwand == 1 || aufwand == 2, 197),
    });
}

// The tax deduction for farmers: 2000 DM, reduced by a fifth of the profit
// above 50000 DM.
double LandwirtFreibetrag(double gewinn) {
    if (gewinn < 50000) return 2000;
    return std::max(0.0, 2000 - (gewinn - 50000) * 0.2);
}

void LandUndForst(const Sicht& s, Befundtabelle& t) {
    t.Setzen(101, {
        Befund(s.Betrag(Feld::SteuerAbzugEr) > LandwirtFreibetrag(s.Betrag(Feld::LfdGewEr)), 211),
        Befund(s.Zusammen() &&
                   s.Betrag(Feld::SteuerAbzugSie) > LandwirtFreibetrag(s.Betrag(Feld::LfdGewSie)),
               212),
    });
}

// Annuity line n (0..3) begun but incomplete.
bool RentenzeileUnvollstaendig(const Sicht& s, int n) {
    constexpr Feld art[] = {Feld::Rente_Art1, Feld::Rente_Art2, Feld::Art3, Feld::Art4};
    constexpr Feld aus[] = {Feld::Aus1, Feld::Aus2, Feld::Aus3, Feld::Aus4};
    constexpr Feld seit[] = {Feld::LaeuftSeit1, Feld::LaeuftSeit2, Feld::LaeuftSeit3,
                             Feld::LaeuftSeit4};
    constexpr Feld tod[] = {Feld::EndeMitTodVon1, Feld::EndeMitTodVon2, Feld::EndeMitTodVon3,
                            Feld::EndeMitTodVon4};
    constexpr Feld ende[] = {Feld::EndeAm1, Feld::EndeAm2, Feld::EndeAm3, Feld::EndeAm4};
    constexpr Feld zahlung[] = {Feld::Zahlung1, Feld::Zahlung2, Feld::Zahlung3, Feld::Zahlung4};
    constexpr Feld nach[] = {Feld::Nachzahlung1, Feld::Nachzahlung2, Feld::Nachzahlung3,
                             Feld::Nachzahlung4};
    constexpr Feld ertrag[] = {Feld::ErtAntBek1, Feld::ErtAntBek2, Feld::ErtAntBek3,
                               Feld::ErtAntBek4};
    constexpr Feld werbk[] = {Feld::WerbKoste1, Feld::WerbKoste2, Feld::WerbKoste3,
                              Feld::WerbKoste4};
    int c = Anzahl({
        s.UeberNull(art[n]) || s.Beschrieben(aus[n]),
        s.Gegeben(seit[n]),
        s.Beschrieben(tod[n]) || s.Gegeben(ende[n]),
        IstNichtNull(s.Betrag(zahlung[n]) + s.Betrag(nach[n])),
    });
    if (c == 0 && IstNichtNull(s.Betrag(ertrag[n]) + s.Betrag(werbk[n]))) c = 1;
    return c >= 1 && c <= 3;
}

// A private sale line: fewer than three of description, purchase and sale
// date while the person's income from it is non-zero.
bool VeraeusserungUnvollstaendig(const Sicht& s, Feld bez, Feld kauf, Feld verkauf, Feld eink) {
    return Anzahl({s.Beschrieben(bez), s.Gegeben(kauf), s.Gegeben(verkauf)}) < 3 &&
           s.NichtNull(eink);
}

void SonstigeEinkuenfte(const Sicht& s, Befundtabelle& t) {
    const bool z = s.Zusammen();
    t.Setzen(111, {
        Befund(RentenzeileUnvollstaendig(s, 0), 221),
        Befund(RentenzeileUnvollstaendig(s, 1), 222),
        Befund(z && RentenzeileUnvollstaendig(s, 2), 223),
        Befund(z && RentenzeileUnvollstaendig(s, 3), 224),
    });

    const int bezuege = Zeilencode(s, s.Beschrieben(Feld::WBEinAus), s.Betrag(Feld::WbEinAusDMStp),
                                   s.Betrag(Feld::WbEinAusDMEhe));
    const int leistungen = Zeilencode(s, s.Beschrieben(Feld::LeistEinAus),
                                      s.Betrag(Feld::LeistEinEr), s.Betrag(Feld::LeistEinSie));
    auto d = [&](Feld f) { return s.Betrag(f); };
    t.Setzen(112, {
        Befund(ZeileUnvollstaendigEr(bezuege), 231),
        Befund(d(Feld::WbEinAusDMStp) + d(Feld::WbUnterStp) < d(Feld::WbWerbkStp), 233),
        Befund(ZeileUnvollstaendigEr(leistungen), 245),
        Befund(d(Feld::LeistWKEr) > d(Feld::LeistEinEr), 237),
        Befund(z && ZeileUnvollstaendigSie(bezuege), 232),
        Befund(z && d(Feld::WbEinAusDMEhe) + d(Feld::WbUnterEhe) < d(Feld::WbWerbkEhe), 234),
        Befund(z && ZeileUnvollstaendigSie(leistungen), 246),
        Befund(z && d(Feld::LeistWKSie) > d(Feld::LeistEinSie), 238),
    });

    t.Setzen(113, {
        Befund(d(Feld::AbgEinVbezEr) > d(Feld::AbgEinEr), 239),
        Befund(d(Feld::AbgMjVbEr) > d(Feld::AbgMjEr), 241),
        Befund(z && d(Feld::AbgEinVbezSie) > d(Feld::AbgEinSie), 240),
        Befund(z && d(Feld::AbgMjVbSie) > d(Feld::AbgMjSie), 242),
    });

    using F = Feld;
    t.Setzen(114, {
        Befund(VeraeusserungUnvollstaendig(s, F::VGrund_Bez, F::VGrund_KaufDat,
                                           F::VGrund_VerkaufDat, F::VGrund_Eink1),
               511),
        Befund(VeraeusserungUnvollstaendig(s, F::VWigu_Bez, F::VWigu_KaufDat, F::VWigu_VerkaufDat,
                                           F::VWigu_Eink1),
               513),
        Befund(VeraeusserungUnvollstaendig(s, F::VTermin_Bez, F::VTermin_KaufDat,
                                           F::VTermin_VerkaufDat, F::VTermin_Eink1),
               515),
        Befund(d(F::AnteileWert1) + 0.01 < d(F::AnteileWertDavonHT1), 517),
        Befund(z && VeraeusserungUnvollstaendig(s, F::VGrund_Bez, F::VGrund_KaufDat,
                                                F::VGrund_VerkaufDat, F::VGrund_Eink2),
               512),
        Befund(z && VeraeusserungUnvollstaendig(s, F::VWigu_Bez, F::VWigu_KaufDat,
                                                F::VWigu_VerkaufDat, F::VWigu_Eink2),
               514),
        Befund(z && VeraeusserungUnvollstaendig(s, F::VTermin_Bez, F::VTermin_KaufDat,
                                                F::VTermin_VerkaufDat, F::VTermin_Eink2),
               516),
        Befund(z && d(F::AnteileWert2) + 0.01 < d(F::AnteileWertDavonHT2), 518),
    });
}

}  // namespace

void EinkuenfteRegeln(const Sicht& s, Befundtabelle& t) {
    t.Setzen(61, {0});
    for (int objekt = 1; objekt <= 4; ++objekt) Vermietung(s, t, objekt);
    Gewerbebetrieb(s, t);
    SelbstaendigeArbeit(s, t);
    LandUndForst(s, t);
    SonstigeEinkuenfte(s, t);
}

}  // namespace quarnel::pruefregeln
