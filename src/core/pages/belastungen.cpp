#include "pages/belastungen.h"

#include <algorithm>
#include <array>

#include "calc/betrag.h"
#include "calc/parameter.h"
#include "pages/einkommensteile.h"
#include "pages/kinder.h"

namespace quarnel {

namespace {

constexpr std::array<Feld, 6> HiAntKind{Feld::HiAntKi1CB, Feld::HiAntKi2CB, Feld::HiAntKi3CB,
                                        Feld::HiAntKi4CB, Feld::HiAntKi5CB, Feld::HiAntKi6CB};
constexpr std::array<Feld, 6> HiProzKind{Feld::HiProzKi1, Feld::HiProzKi2, Feld::HiProzKi3,
                                         Feld::HiProzKi4, Feld::HiProzKi5, Feld::HiProzKi6};
constexpr std::array<Feld, 3> LandLB{Feld::LandLBP1, Feld::LandLBP2, Feld::LandLBP3};
constexpr std::array<Feld, 3> AnspKiFb{Feld::AnspKiFbCBP1, Feld::AnspKiFbCBP2, Feld::AnspKiFbCBP3};
constexpr std::array<Feld, 3> AbzugP{Feld::AbzugP1, Feld::AbzugP2, Feld::AbzugP3};

// LandLBP1..3: "", "Deutschland", "Land der Gruppe I", "... II", "... III"
constexpr int LandGruppeII = 3;
constexpr int LandGruppeIII = 4;

// Disability elements: 1 taxpayer, 2 spouse, 3..8 child 1..6.
constexpr int BehEhegatte = 2;
constexpr int BehErstesKind = 3;

// The months of the tax year from `vom` to `bis` (first and last month;
// 0 when either is missing or the period misses the year).
struct Monatsspanne {
    int erster = 0, letzter = 0;
};
Monatsspanne MonateImSteuerjahr(int32_t vom, int32_t bis) {
    if (vom < 0 || bis < 0) return {};
    vom = std::max(vom, ErsterTagSteuerjahr);
    bis = std::min(bis, LetzterTagSteuerjahr);
    if (bis < vom) return {};
    return {MonatVon(vom), MonatVon(bis)};
}

// The reduction of the maximum `m` of supported person p by the person's
// own income in and outside the `n` support months, country factor `f`.
constexpr Einkommensfelder UnterhaltFelder{
    {Feld::AbEink_BruttoIn, Feld::AbEink_BruttoAus},
    {Feld::AbEink_WerbkIn, Feld::AbEink_WerbKAus},
    {Feld::AbEink_KapitalIn, Feld::AbEink_KapitalAus},
    {Feld::AbEink_KapitalWkIn, Feld::AbEink_KapitalWkAus},
    {Feld::AbEink_RentenIn, Feld::AbEink_RentenAus},
    Feld::AbEink_ErtragAnteil,
    {Feld::AbEink_UebrigeEkIn, Feld::AbEink_UebrigeEkAus},
    {Feld::AbEink_AusBeihIn, Feld::AbEink_AusBeihAus},
    {Feld::AbEink_UebrigeBezIn, Feld::AbEink_UebrigeBezAus},
    {Feld::AbEink_BezAufwendIn, Feld::AbEink_BezAufwendAus},
};

double UnterhaltNachKuerzung(const CaseRecord& r, int p, double m, int n, double f) {
    const Einkommensteile t = Einkommen(r, UnterhaltFelder, p, n);
    double bi = t.bn * t.q;
    double h = AbrundenDM(Quotient(t.bz, t.beihilfen) * bi);
    double grenze = AufrundenDM(n * (param::UnterhAnrechnungsfrei * f / 12));
    double a = NichtNegativ(m - NichtNegativ(t.p1 + t.p2 + t.p3 + (bi - h) - grenze));

    int bafoeg = r.Int(Feld::AbEink_MonateMitBafoeg, p);
    double s = (bafoeg > 0 && bafoeg < 12 && n >= bafoeg) ? double(bafoeg) / n : 1.0;
    double ab = AufrundenDM(a * s);
    return NichtNegativ(ab - h) + (a - ab);
}

}  // namespace

bool KindHatFreibetraege(const CaseRecord& r, int kind) {
    return UeberTausendstel(r.Dbl(Feld::KindKiFbJahr, kind));
}

double BehindertenPauschRechnen(CaseRecord& r) {
    auto beantragt = [&](int person) {
        double betrag = BehPauschBetragRechnen(r, person);
        return r.Bool(Feld::BehAntrag, person) ? betrag : 0.0;
    };
    double summe = beantragt(1);
    if (r.Bool(Feld::Splitting)) summe += beantragt(BehEhegatte);
    for (int kind = 1; kind <= 6; ++kind)
        if (KindHatFreibetraege(r, kind)) summe += beantragt(BehErstesKind + kind - 1);
    r.SetzeDbl(Feld::BehPauschInsg, summe);
    return summe;
}

double HinterbliebenenRechnen(CaseRecord& r) {
    double summe = 0;
    if (r.Bool(Feld::HiAntStpflCB)) summe += param::HinterblPausch;
    if (r.Bool(Feld::Splitting) && r.Bool(Feld::HiAntEhegCB)) summe += param::HinterblPausch;
    for (int kind = 1; kind <= 6; ++kind) {
        if (!KindHatFreibetraege(r, kind) || !r.Bool(HiAntKind[kind - 1])) continue;
        int prozent = std::clamp<int32_t>(r.Int(HiProzKind[kind - 1]), 0, 100);
        summe += AufrundenDM(prozent / 100.0 * param::HinterblPausch);
    }
    r.SetzeDbl(Feld::HiPauschbetragInsg, summe);
    return summe;
}

void HeimRechnen(CaseRecord& r) {
    double hoechst = 0;
    if (r.Bool(Feld::HeimZwangsGruendeCB)) hoechst = param::HeimHoechstOhnePflege;
    if (r.Bool(Feld::HeimDauerndePflegeCB)) hoechst = param::HeimHoechstPflege;
    Monatsspanne m = MonateImSteuerjahr(r.Int(Feld::HeimVom), r.Int(Feld::HeimBis));
    int n = m.erster > 0 ? m.letzter - m.erster + 1 : 0;
    double aufwendungen = NichtNegativ(r.Dbl(Feld::HeimAufwendungen));
    double ab = MinWert(hoechst / 12 * n, aufwendungen);
    if (n == 0) hoechst = ab = aufwendungen = 0;
    r.SetzeDbl(Feld::HeimHoechst, hoechst);
    r.SetzeDbl(Feld::HeimAb, ab);
    r.SetzeDbl(Feld::HeimRest, NichtNegativ(aufwendungen - ab));
}

void PflegeRechnen(CaseRecord& r) {
    double kraefte = r.Dbl(Feld::ZahlKraefte);
    bool nachweis = r.Bool(Feld::NachweisBeigef) || r.Bool(Feld::NachweisVorgelegen);
    r.SetzeDbl(Feld::ABHPfleg_AbzugDM,
               IstPositiv(kraefte) && nachweis ? AufrundenDM(param::PflegePausch / kraefte) : 0);
}

void UnterhaltRechnen(CaseRecord& r, int person) {
    double ergebnis = 0;
    Monatsspanne m = MonateImSteuerjahr(r.Int(Feld::AufwVom, person), r.Int(Feld::AufwBis, person));
    if (m.erster > 0 && !r.Bool(AnspKiFb[person - 1])) {
        int n = m.letzter - m.erster + 1;
        int land = r.Int(LandLB[person - 1]);
        double f = land == LandGruppeII ? 2.0 / 3.0 : land == LandGruppeIII ? 1.0 / 3.0 : 1.0;
        double hoechst = AbrundenDM(f * (param::UnterhHoechst / 12 * n));
        double gekuerzt = UnterhaltNachKuerzung(r, person, hoechst, n, f);
        double eigene = NichtNegativ(r.Dbl(Feld::AufwDM, person));
        double gesamt = eigene + NichtNegativ(r.Dbl(Feld::AufwDmWeit, person));
        ergebnis = AufrundenDM(MinWert(gekuerzt, gesamt) * Quotient(gesamt, eigene));
    }
    r.SetzeDbl(Feld::ErgAnsetzbar, ergebnis, person);
    r.SetzeDbl(AbzugP[person - 1], ergebnis);
}

double AndereBelastungenRechnen(CaseRecord& r) {
    double saldo = NichtNegativ(r.Dbl(Feld::Aufwand1) - r.Dbl(Feld::Erstattungen1)) +
                   NichtNegativ(r.Dbl(Feld::Aufwand2) - r.Dbl(Feld::Erstattungen2)) +
                   r.Dbl(Feld::SonstigeKosten);
    r.SetzeDbl(Feld::Saldo, saldo);
    return saldo;
}

double HaushaltshilfePflegeBetrag(const CaseRecord& r) {
    return r.Dbl(Feld::AbMoegl) + r.Dbl(Feld::HeimAb) + r.Dbl(Feld::ABHPfleg_AbzugDM);
}

double UnterhaltSumme(const CaseRecord& r) {
    return r.Dbl(Feld::ErgAnsetzbar, 1) + r.Dbl(Feld::ErgAnsetzbar, 2) +
           r.Dbl(Feld::ErgAnsetzbar, 3);
}

void BelastungsSeitenRechnen(CaseRecord& r) {
    BehindertenPauschRechnen(r);
    HinterbliebenenRechnen(r);
    HeimRechnen(r);
    PflegeRechnen(r);
    for (int person = 1; person <= 3; ++person) UnterhaltRechnen(r, person);
    AndereBelastungenRechnen(r);
}

void BehindertenSeiteRechnen(CaseRecord& r) {
    BehindertenPauschRechnen(r);
    HinterbliebenenRechnen(r);
}

void UnterstuetzungsSeiteRechnen(CaseRecord& r) {
    for (int p = 1; p <= 3; ++p) UnterhaltRechnen(r, p);
}

}  // namespace quarnel
