// The computation driver: the pass sequence with the comparison of child
// allowances against Kindergeld, the church-tax pass, the surcharge pass and
// the final pass.
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/durchgang.h"
#include "calc/erklaerung.h"
#include "calc/feldnamen.h"
#include "calc/parameter.h"

namespace quarnel {

CalcInput& AktuelleEingabe() {
    static CalcInput e;
    return e;
}
CalcResult& AktuellesErgebnis() {
    static CalcResult r;
    return r;
}

void Durchgang(CalcInput& e, CalcResult& r) {
    if (Erklaerung* spur = AktiveErklaerung()) [[unlikely]]
        spur->NeuerDurchgang();
    ParameterSetzen(e, r);
    EinkuenfteUebernehmen(e, r);
    WhatIfAnwenden(r);
    EhegattenwerteLoeschen(e, r);
    FreibetragLandForst(r);
    VersorgungsFreibetrag(r);
    WerbungskostenArbeit(e, r);
    KapitalWerbungskostenSparerFb(e, r);
    WerbungskostenSonstige(r);
    SummeDerEinkuenfte(r);
    Verlustausgleich(e, r);
    Altersentlastungsbetrag(e, r);
    GesamtbetragDerEinkuenfte(r);
    Spenden(e, r);
    SonstigeSonderausgaben(e, r);
    Vorsorgeaufwendungen(e, r);
    AussergewoehnlicheBelastungen(e, r);
    WohneigentumBaukindergeld(e, r);
    EinkommenErmitteln(e, r);
    Haushaltsfreibetrag(e, r);
    Haerteausgleich(e, r);
    ZuVersteuerndesEinkommen(r);
    SteuerAusserordentlich(e, r);  // tariff tax, Fünftelregelung, sale gains
    TarifermaessigungLandForst(e, r);
    AuslaendischeSteuer(e, r);
    Gewerbesteueranrechnung(e, r);
    FestzusetzendeEinkommensteuer(r);
    Durchschnittssteuersatz(r);
    AnrechnungUndSalden(e, r);
    if (r.FlagEndPass == 1) {
        Kirchensteuer(e, r);
        r.EndZvEHinzu = r.ZvEHinzu;
    }
    Praemien(e, r);
    Gesamtsaldo(e, r);
}

void DurchgangPaar(CalcInput& e, CalcResult& r) {
    r.FlagLuFFreibetrag = 1;
    Durchgang(e, r);
    // the farm Freibetrag is lost above 50000 (100000 joint) of Einkommen before it
    if (param::LuFEinkommensgrenze * r.ParamFaktor < r.Einkommen + r.FreibetragLuF)
        r.FlagLuFFreibetrag = 0;
    // A pass reads nothing that it has not written itself, apart from the
    // pass controls. When the flag stays, or there was no Freibetrag to lose,
    // the second pass would repeat the first value for value; it only runs
    // when a granted Freibetrag is taken away.
    if (r.FlagLuFFreibetrag == 0 && r.FreibetragLuF != 0) Durchgang(e, r);
}

namespace {

constexpr double Unsinnig = 1e12;

double Bereinigt(double x) {
    return (std::isfinite(x) && std::fabs(x) <= Unsinnig) ? x : 0;
}

// Non-finite or absurd amounts count as 0; codes out of range as "none".
void EingabeBereinigen(CalcInput& e, CalcResult& r) {
    static const std::vector<std::size_t> betraege = [] {
        std::vector<std::size_t> v;
        for (const auto& f : EingabeFelder())
            if (f.art == WertArt::Zahl) v.push_back(f.offset);
        return v;
    }();
    for (const std::size_t offset : betraege) {
        char* p = reinterpret_cast<char*>(&e) + offset;
        double d;
        std::memcpy(&d, p, sizeof d);
        d = Bereinigt(d);
        std::memcpy(p, &d, sizeof d);
    }
    for (double& d : r.WhatIfDelta) d = Bereinigt(d);
    if (e.Bundesland < -1 || e.Bundesland > 15) e.Bundesland = -1;
    for (int p = 0; p < 2; ++p) {
        if (e.Konf(p) < 0 || e.Konf(p) > 9) e.Konf(p) = 9;
        if (e.KiStMonate(p) < 0) e.KiStMonate(p) = 0;
        if (e.KiStMonate(p) > 12) e.KiStMonate(p) = 12;
    }
    if (e.AnzahlKinder < 0) e.AnzahlKinder = 0;
    if (e.AnzahlKinderHhFb < 0) e.AnzahlKinderHhFb = 0;
    if (e.AnzahlKinderBaukg < 0) e.AnzahlKinderBaukg = 0;
    if (e.AnzahlKinderBaukg > 1000) e.AnzahlKinderBaukg = 1000;
    if (e.FlagZusammen == 1) e.FlagEinzel = 0;  // joint assessment wins over a stale flag
}

void Loeschen(CalcResult& r) {
    r.KiStFestzusetzen = r.KiStGezahlt = r.KiStSaldo = 0;
    r.SoliFestzusetzen = r.SoliSaldo = r.SoliBasisESt = 0;
    r.KiStBasis = r.KiStFestGesamt = r.Kirchgeld = r.KirchgeldVergleich = r.KiStKappung = 0;
    for (int p = 0; p < 2; ++p)
        r.KiStSatz(p) = r.KiStMonateAnz(p) = r.KiStAnteil(p) = r.KiStBasisAnteil(p) =
            r.KiStJahr(p) = r.KiStFest(p) = 0;
    r.FlagSoliPass = r.FlagEndPass = 0;
    r.ZvEHinzu = r.KindergeldHinzu = r.KindFbAbzug = r.KindFbErsparnis = r.KindFbVorteil = 0;
}

// The steps of the allowances for children and the additions the driver sets
// before a pass: `mit` says which children's allowances are deducted, and
// whose Kindergeld is added back.
template <class Mit>
void KinderErklaeren(const CalcInput& e, const CalcResult& r, Mit mit, bool kindergeld) {
    if (Erklaerung* const spur = AktiveErklaerung()) [[unlikely]]
        ErklaereAbseits([=, &e, &r] {
            std::vector<Wertangabe> fb, geld;
            for (int i = 0; i < AnzahlKindSaetze; ++i) {
                const KindSatz& k = e.KindSaetze[i];
                if (!mit(k)) continue;
                const std::string kind = "KindSaetze[" + std::to_string(i) + "].";
                fb.push_back(EinElement(kind + "KinderFb", k.KinderFb, k.Element));
                fb.push_back(EinElement(kind + "BetreuungsFb", k.BetreuungsFb, k.Element));
                if (kindergeld)
                    geld.push_back(EinElement(kind + "Kindergeld", k.Kindergeld, k.Element));
            }
            spur->Schritt("KindFbAbzug", "KindFbAbzug", r.KindFbAbzug, std::move(fb));
            spur->Schritt("KindergeldHinzu", "KindergeldHinzu", r.KindergeldHinzu, std::move(geld));
            spur->Schritt("ZvEHinzu", "ZvEHinzu", r.ZvEHinzu,
                          {Ein("HalbeinkFrei", e.HalbeinkFrei, r.ZvEHinzu != 0 ? 1 : 0)});
        });
}

bool MitFreibetrag(const KindSatz& k) {
    return k.KinderFb > 0.001;
}

void BerechneEinmal(CalcInput& e, CalcResult& r) {
    EingabeBereinigen(e, r);
    Loeschen(r);

    r.KindFbSumme = 0;
    for (auto& k : e.KindSaetze) {
        k.Guenstiger = 0;
        if (k.KinderFb > 0.001) r.KindFbSumme += k.KinderFb + k.BetreuungsFb;
    }
    // §51a(2) EStG, §3(2) SolZG: the bases of church tax and surcharge take the
    // allowances of every child as the assessment grants them, for the months
    // of entitlement (twelve months for every child is the wage-tax rule)
    r.KindFbSummeAlle = r.KindFbSumme;

    // pass 1: no allowances at all
    KinderErklaeren(
        e, r, [](const KindSatz&) { return false; }, false);
    DurchgangPaar(e, r);
    const double ohneFreibetraege = r.EStFestzusetzen;

    // child by child: keep the allowances of a child only when they save more
    // than its Kindergeld
    double laufend = 0, vorher = ohneFreibetraege;
    for (auto& k : e.KindSaetze) {
        if (!(k.KinderFb > 0.000001)) continue;
        r.KindFbAbzug = laufend + k.KinderFb + k.BetreuungsFb;
        KinderErklaeren(
            e, r, [&](const KindSatz& x) { return x.Guenstiger == 1 || &x == &k; }, false);
        DurchgangPaar(e, r);
        const double jetzt = r.EStFestzusetzen;
        r.KindFbErsparnis = vorher - jetzt;
        r.KindFbVorteil = r.KindFbErsparnis - k.Kindergeld;
        if (r.KindFbVorteil > 0.01) {
            k.Guenstiger = 1;
            vorher = jetzt;
            laufend += k.KinderFb + k.BetreuungsFb;
        }
    }
    double freibetraege = 0, kindergeld = 0;
    for (const auto& k : e.KindSaetze)
        if (k.Guenstiger == 1) {
            freibetraege += k.KinderFb + k.BetreuungsFb;
            kindergeld += k.Kindergeld;
        }

    r.KindFbAbzug = freibetraege;
    KinderErklaeren(
        e, r, [](const KindSatz& x) { return x.Guenstiger == 1; }, false);
    DurchgangPaar(e, r);
    r.KindFbErsparnis = ohneFreibetraege - r.EStFestzusetzen;
    r.KindFbVorteil = r.KindFbErsparnis - kindergeld;
    const bool freibetraegeGuenstiger = r.KindFbVorteil > 0.000001;

    // church-tax pass: the allowances of all children and the tax-free half income
    r.KindFbAbzug = r.KindFbZuschlag = r.KindFbSummeAlle;
    r.ZvEHinzu = e.HalbeinkFrei;
    r.FlagEndPass = 1;
    r.FlagSoliPass = 0;
    KinderErklaeren(e, r, MitFreibetrag, false);
    DurchgangPaar(e, r);

    // surcharge pass
    r.KindFbAbzug = r.KindFbZuschlag = r.KindFbSummeAlle;
    r.ZvEHinzu = 0;
    r.FlagEndPass = 0;
    r.FlagSoliPass = 1;
    KinderErklaeren(e, r, MitFreibetrag, false);
    DurchgangPaar(e, r);

    // final pass: its results are the visible ones
    if (freibetraegeGuenstiger) {
        r.KindergeldHinzu = kindergeld;
        r.KindFbAbzug = r.KindFbAbzugGesamt = freibetraege;
    } else {
        r.KindergeldHinzu = r.KindFbAbzug = r.KindFbAbzugGesamt = 0;
    }
    r.ZvEHinzu = 0;
    r.FlagEndPass = r.FlagSoliPass = 0;
    KinderErklaeren(
        e, r, [&](const KindSatz& x) { return freibetraegeGuenstiger && x.Guenstiger == 1; },
        freibetraegeGuenstiger);
    DurchgangPaar(e, r);
}

// The burden a computation leaves: the income tax first, then the surcharges.
bool Guenstiger(const CalcResult& a, const CalcResult& b) {
    if (a.EStFestzusetzen < b.EStFestzusetzen - 0.001) return true;
    if (a.EStFestzusetzen > b.EStFestzusetzen + 0.001) return false;
    return a.SoliFestzusetzen + a.KiStFestzusetzen <
           b.SoliFestzusetzen + b.KiStFestzusetzen - 0.001;
}

}  // namespace

// Foreign taxes are credited (§34c(1) EStG) or, on application, deducted
// (§34c(2)); without a choice the computation takes the method that leaves the
// lower tax, the credit when both are equal.
void Berechne(CalcInput& e, CalcResult& r) {
    const double auslSteuer = e.AuslSteuerEr + (e.FlagZusammen == 1 ? e.AuslSteuerSie : 0);
    const int wahl = e.AuslSteuerWahl;
    if (!IstPositiv(auslSteuer) || wahl == 1 || wahl == 2) {
        r.FlagAuslAnrechnung = IstPositiv(auslSteuer) && wahl == 1 ? 1 : 0;
        BerechneEinmal(e, r);
        return;
    }
    CalcInput abzugE = e;
    CalcResult abzugR = r;
    r.FlagAuslAnrechnung = 1;
    BerechneEinmal(e, r);
    abzugR.FlagAuslAnrechnung = 0;
    // the explanation keeps the steps of the computation whose results stay
    Erklaerung* const spur = AktiveErklaerung();
    Erklaerung abzugSpur;
    if (spur) [[unlikely]]
        AktiveErklaerung() = &abzugSpur;
    BerechneEinmal(abzugE, abzugR);
    AktiveErklaerung() = spur;
    if (Guenstiger(abzugR, r)) {
        e = abzugE;
        r = abzugR;
        if (spur) [[unlikely]]
            *spur = std::move(abzugSpur);
    }
}

void Berechne() {
    Berechne(AktuelleEingabe(), AktuellesErgebnis());
}

}  // namespace quarnel
