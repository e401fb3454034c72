#include "pages/sonderausgaben.h"

#include <algorithm>
#include <array>

#include "calc/betrag.h"
#include "calc/parameter.h"
#include "pages/anrechnung.h"
#include "pages/einkuenfte_seiten.h"

namespace quarnel {

namespace {

bool Zusammen(const CaseRecord& r) {
    return r.Bool(Feld::Splitting);
}

// Element of a wage-tax card: person 1 or 2, card 1 or 2.
int Karte(int person, int karte) {
    return 2 * (person - 1) + karte;
}

// Sum of a card field over both cards of a person.
double BeideKarten(const CaseRecord& r, Feld f, int person) {
    return r.Dbl(f, Karte(person, 1)) + r.Dbl(f, Karte(person, 2));
}

// The same over the persons that count: the spouse only with joint assessment.
double Karten(const CaseRecord& r, Feld f) {
    double s = BeideKarten(r, f, 1);
    if (Zusammen(r)) s += BeideKarten(r, f, 2);
    return s;
}

// Months of the year: a counter per month, index 1 = January.
struct Monate {
    std::array<int, 13> zaehler{};

    static int Monat(int32_t d) { return std::clamp(MonatVon(d), 1, 12); }
    // Adds `wert` to the months from the month of `von` to the month of `bis`.
    void Addiere(int von, int bis, int wert) {
        for (int m = std::max(von, 1); m <= std::min(bis, 12); ++m) zaehler[m] += wert;
    }
    void Zeitraum(int32_t von, int32_t bis, int wert) { Addiere(Monat(von), Monat(bis), wert); }
    int Anzahl(int ueber, int hoechstens = 1 << 30) const {
        int n = 0;
        for (int m = 1; m <= 12; ++m)
            if (zaehler[m] > ueber && zaehler[m] <= hoechstens) ++n;
        return n;
    }
};

bool Gegeben(int32_t d) {
    return d >= 0;
}

}  // namespace

// --- insurance contributions ----------------------------------------------------------

void VorsorgeRechnen(CaseRecord& r) {
    struct Art {
        Feld gezahlt, erstattet, ergebnis;
    };
    constexpr Art Arten[] = {
        {Feld::KrankenGez, Feld::KrankenErst, Feld::KrankenErg},
        {Feld::UnfallGez, Feld::UnfallErst, Feld::UnfallErg},
        {Feld::LebenGez, Feld::LebenErst, Feld::LebenErg},
        {Feld::HaftGez, Feld::HaftErst, Feld::HaftErg},
    };
    double summe = r.Dbl(Feld::FreiwHoeher);
    for (const Art& a : Arten) {
        const double erg = r.Dbl(a.gezahlt) - r.Dbl(a.erstattet);  // a refund surplus stays
        r.SetzeDbl(a.ergebnis, erg);
        summe += erg;
    }
    summe += Karten(r, Feld::AnTeilSoVer) - Karten(r, Feld::AgZuKV);
    r.SetzeDbl(Feld::VorsorgeSumme, summe);
}

// --- annuities, permanent burdens, maintenance ------------------------------------------

void RentenLastenRechnen(CaseRecord& r) {
    const auto anteil = ErtragsanteilBestimmen(r.Dbl(Feld::ReErtAntBek), r.Int(Feld::ReGebAm),
                                               r.Int(Feld::ReLaeuftSeit), r.Int(Feld::ReEndeAm));
    const int prozent = anteil ? anteil->prozent : 0;
    r.SetzeDbl(Feld::ReErtAntRech, anteil && anteil->berechnet ? prozent : 0);
    r.SetzeDbl(Feld::ReErtragAnteilDM, AbrundenDM(r.Dbl(Feld::ReGezahlt) / 100 * prozent));
    // maintenance to a divorced or separated spouse: §10(1) Nr. 1 EStG 2001
    // allows up to 27,000 DM per recipient and year
    double unterhalt = 0;
    for (const Feld f : {Feld::UntDM1, Feld::UntDM2, Feld::UntDM3})
        unterhalt += MinWert(param::RealsplittingHoechst, r.Dbl(f));
    r.SetzeDbl(Feld::UntAbziehbar, unterhalt);
}

// --- church tax -----------------------------------------------------------------------

void KirchensteuerRechnen(CaseRecord& r) {
    const double karte = Karten(r, Feld::KiStAnBrutto) + Karten(r, Feld::KiStEheBrutto) +
                         Karten(r, Feld::KiStAnMj) + Karten(r, Feld::KiStEheMj);
    const double lt = AufrundenDM(karte);
    r.SetzeDbl(Feld::KiLitKarte, lt);
    r.SetzeDbl(Feld::KiAlsSa, NichtNegativ(lt + AufrundenDM(r.Dbl(Feld::KiWeitere)) -
                                           AbrundenDM(r.Dbl(Feld::KiErst))));
}

// --- household help -------------------------------------------------------------------

int AltersMonat(int32_t geburt) {
    // An unknown birth date never counts as 60; one after the tax year cannot.
    if (!Gegeben(geburt) || geburt > LetzterTagSteuerjahr) return 0;
    const int tag = TagVon(geburt);
    const int32_t d = TagesNummer(JahrVon(geburt) + 60, MonatVon(geburt), std::min(tag, 28)) +
                      std::max(tag - 28, 0) - 1;
    if (JahrVon(d) < Steuerjahr) return 1;
    if (JahrVon(d) == Steuerjahr) return MonatVon(d);
    return 0;
}

void HaushaltshilfeRechnen(CaseRecord& r) {
    r.SetzeDbl(Feld::SaMoegl, 0);
    r.SetzeDbl(Feld::AbMoegl, 0);
    r.SetzeDbl(Feld::HausSaAnsatz, 0);
    r.SetzeDbl(Feld::HausAbAnsatz, 0);
    const int32_t vom = r.Int(Feld::BeschVom);
    const int32_t bis = r.Int(Feld::BeschBis);
    if (!Gegeben(vom) || !Gegeben(bis)) return;

    const int n = MonateZwischen(vom, bis);
    const double aufwand = r.Dbl(Feld::AufwandDm) - r.Dbl(Feld::SteuerfreiEin);

    // Special expense: the months with pension-insurance contributions.
    Monate rv;
    const int32_t rvVom = r.Int(Feld::RVBeitragVom);
    const int32_t rvBis = r.Int(Feld::RVBeitragBis);
    if (Gegeben(rvVom) && Gegeben(rvBis)) rv.Zeitraum(rvVom, rvBis, 101);
    const double m1 = NichtNegativ(Quotient(n, aufwand));
    const double sa = AufrundenDM(MinWert(m1, param::HausBeschMonat) * rv.Anzahl(100));
    r.SetzeDbl(Feld::SaMoegl, sa);

    // Burden: what is left a month, in the employment months with a reason.
    const double m2 = NichtNegativ(Quotient(n, aufwand - sa));
    Monate ab;
    const int ende = Monate::Monat(bis);
    ab.Addiere(Monate::Monat(vom), ende, 100);
    if (r.Bool(Feld::AbAlterCB)) {
        int a = AltersMonat(r.Int(Feld::StpflGebDat));
        if (Zusammen(r)) {
            const int s = AltersMonat(r.Int(Feld::EhegGebDat));
            if (a == 0 || (s != 0 && s < a)) a = s;
        }
        if (a != 0) ab.Addiere(a, ende, 1);
    }
    const int32_t krVom = r.Int(Feld::AbKrankheitVom);
    const int32_t krBis = r.Int(Feld::AbKrankheitBis);
    if (r.Bool(Feld::AbKrankheitCB) && Gegeben(krVom) && Gegeben(krBis))
        ab.Zeitraum(krVom, krBis, 1);
    const int32_t hiVom = r.Int(Feld::AbHilfLosPersVom);
    const int32_t hiBis = r.Int(Feld::AbHilfLosPersBis);
    if (r.Bool(Feld::AbHilflosePersCB) && Gegeben(hiVom) && Gegeben(hiBis))
        ab.Zeitraum(hiVom, hiBis, 51);
    const int h = ab.Anzahl(150);
    const int q = ab.Anzahl(100, 150);
    const double abMoegl = AufrundenDM(MinWert(m2, param::HausHiAbMonatHilflos) * h +
                                       MinWert(m2, param::HausHiAbMonatAlter) * q);
    r.SetzeDbl(Feld::AbMoegl, abMoegl);

    // The share claimed is a percentage: never more than the whole, never below nothing.
    const double prozent = std::clamp(NichtNegativ(r.Dbl(Feld::SaAnsatzProz)), 0.0, 100.0);
    r.SetzeDbl(Feld::HausSaAnsatz, AufrundenDM(sa / 100 * prozent));
    r.SetzeDbl(Feld::HausAbAnsatz, abMoegl);
}

void HaushaltshilfeErgebnisUebernehmen(CaseRecord& r) {
    r.SetzeDbl(Feld::SATat, r.Dbl(Feld::SaMoegl));
    r.SetzeDbl(Feld::SaAnsatz, r.Dbl(Feld::HausSaAnsatz));
    r.SetzeDbl(Feld::AbTat, r.Dbl(Feld::AbMoegl));
    r.SetzeDbl(Feld::AbAnsatz, r.Dbl(Feld::HausAbAnsatz));
}

// --- own education costs and school fees ----------------------------------------------

void AusbildungskostenRechnen(CaseRecord& r) {
    auto grenze = [&](Feld auswaerts) {
        return r.Bool(auswaerts) ? param::AusbKostenAuswaerts : param::AusbKostenHoechst;
    };
    const double l2 = r.Bool(Feld::Grundtabelle) ? 0 : grenze(Feld::AusEheAusJaCB);
    r.SetzeDbl(Feld::AusAlsSa, MinWert(r.Dbl(Feld::AusStpfDM), grenze(Feld::AusStpfAusJaCB)) +
                                   MinWert(r.Dbl(Feld::AusEheDM), l2));

    constexpr Feld Gezahlt[] = {Feld::SGGezKi1, Feld::SGGezKi2, Feld::SGGezKi3,
                                Feld::SGGezKi4, Feld::SGGezKi5, Feld::SGGezKi6};
    constexpr Feld Abzug[] = {Feld::SGAbzugKi1, Feld::SGAbzugKi2, Feld::SGAbzugKi3,
                              Feld::SGAbzugKi4, Feld::SGAbzugKi5, Feld::SGAbzugKi6};
    double summe = 0;
    for (int k = 0; k < 6; ++k) {
        // A child without Kinderfreibetrag shows nothing deductible, not what
        // it showed while it had one.
        const double gezahlt =
            UeberTausendstel(r.Dbl(Feld::KindKiFbJahr, k + 1)) ? r.Dbl(Gezahlt[k]) : 0;
        r.SetzeDbl(Abzug[k], param::SchulgeldSatz * gezahlt);
        summe += gezahlt;
    }
    r.SetzeDbl(Feld::SchulgeldSumme, summe);
    r.SetzeDbl(Feld::SGAlsSa, AufrundenDM(param::SchulgeldSatz * summe));
}

// --- donations ------------------------------------------------------------------------

void SpendenRechnen(CaseRecord& r) {
    struct Gruppe {
        Feld bestaetigt, finanzamt, ergebnis;
    };
    constexpr Gruppe Gruppen[] = {
        {Feld::WissenDM, Feld::WissenFA, Feld::WissenErg},
        {Feld::KirchDM, Feld::KirchFA, Feld::KirchErg},
        {Feld::ParteienDM, Feld::ParteienFA, Feld::ParteienErg},
        {Feld::WaehlerDM, Feld::WaehlerFA, Feld::WaehlerErg},
    };
    for (const Gruppe& g : Gruppen)
        r.SetzeDbl(g.ergebnis, AufrundenDM(r.Dbl(g.bestaetigt) + r.Dbl(g.finanzamt)));
    r.SetzeDbl(Feld::StiftStockErg,
               AufrundenDM(r.Dbl(Feld::StiftStockAnsatzDM) + r.Dbl(Feld::StiftStockVorjahrDM)));
    r.SetzeDbl(Feld::StiftSpendenErg, AufrundenDM(r.Dbl(Feld::StiftDM) + r.Dbl(Feld::StiftFA)));
}

void SonderausgabenSeitenRechnen(CaseRecord& r) {
    VorsorgeRechnen(r);
    RentenLastenRechnen(r);
    KirchensteuerRechnen(r);
    HaushaltshilfeRechnen(r);
    AusbildungskostenRechnen(r);
    SpendenRechnen(r);
    AnrechRechnen(r);
    StatistikFlagRechnen(r);
}

}  // namespace quarnel
