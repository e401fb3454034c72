// Joint or separate assessment: the separate inputs, and the comparison on copies.
#include "results/veranlagung.h"

#include <algorithm>
#include <utility>

#include "calc/berechnung.h"
#include "calc/deklaration.h"
#include "calc/durchgang.h"

namespace quarnel {
namespace {

// Puts the spouse's values into the taxpayer's place, the spouse's place
// emptied; every person field of the input at once.
void AufPersonVerschieben(CalcInput& e, int person) {
#define QE_FELD(T, n)
#define QE_TEXT(n, N)
#define QE_REIHE(T, n, N)
#define QE_PAAR(T, n) \
    if (person == 1) e.n##Er = e.n##Sie; \
    e.n##Sie = T{};
#define QE_PAAR_OHNE(T, n) QE_PAAR(T, n)
#define QE_TRIPEL(T, n) \
    if (person == 1) e.n##Er = e.n##Sie; \
    e.n##Sie = T{};                      \
    e.n##Summe = e.n##Er;
#define QE_TEXTPAAR(n, N) \
    if (person == 1) e.n##Er = e.n##Sie; \
    e.n##Sie = {};
#define QE_PAARREIHE(T, n, N) \
    for (int i = 0; i < N; ++i) { \
        if (person == 1) e.n##Er[i] = e.n##Sie[i]; \
        e.n##Sie[i] = T{}; \
    }
#include "calc/calcinput_felder.inc"
#undef QE_FELD
#undef QE_TEXT
#undef QE_REIHE
#undef QE_PAAR
#undef QE_PAAR_OHNE
#undef QE_TRIPEL
#undef QE_TEXTPAAR
#undef QE_PAARREIHE
}

// The share of a couple's amount that follows the capital income: the credits
// withheld on it belong to the spouse whose income bore them (§ 36(2) EStG);
// half each where neither has any.
double KapitalAnteil(const CalcInput& g, int person) {
    const double er = std::max(0.0, g.KapInEr), sie = std::max(0.0, g.KapInSie);
    if (er + sie <= 0) return 0.5;
    return (person == 0 ? er : sie) / (er + sie);
}

VeranlagungsLast Last(Veranlagungsart art, const CalcResult& r) {
    VeranlagungsLast l;
    l.art = art;
    l.est = r.EStFestzusetzen;
    l.soli = r.SoliFestzusetzen;
    l.kist = r.KiStFestzusetzen;
    l.gesamt = l.est + l.soli + l.kist;
    l.saldo = r.GesamtSaldo;
    return l;
}

void Rechnen(const CalcInput& ein, CalcResult& r) {
    auto e = std::make_unique<CalcInput>(ein);
    r = CalcResult{};
    ParameterSetzen(*e, r);
    Berechne(*e, r);
}

}  // namespace

double AgbAbgezogen(const CalcInput& e, const CalcResult& r) {
    return e.BehindertenPauschIn + e.HaushaltshilfePflegeIn + e.HinterblPauschIn + e.UnterhaltIn +
           e.AusbildungsFbIn + r.AgBAbziehbar;
}

// § 26a EStG as of 2001: each spouse is assessed on the basic table with his or
// her own income (§ 26a(1)); the außergewöhnliche Belastungen (§§ 33 to 33c)
// at the amount joint assessment would allow, half to each unless both apply
// for another split (§ 26a(2) sentence 1); special expenses, Pauschbeträge and
// the Vorsorgepauschale each spouse's own (§ 10c applies per person); the
// Kinderfreibetrag and Betreuungsfreibetrag half to each, as to parents not
// assessed jointly (§ 32(6) sentence 1), with half the Kindergeld set off
// (§ 31 sentence 5); no Haushaltsfreibetrag, which § 32(7) denies to a couple
// entitled to joint assessment. The couple's amounts the case holds once
// (Vorsorgeaufwendungen, donations, other special expenses, home, loss
// carried forward) count half to each.
void GetrennteEingabe(const CalcInput& g, int person, double agbGemeinsam, double agbAnteil,
                      CalcInput& e) {
    e = g;
    AufPersonVerschieben(e, person);
    e.HalbeinkFrei = HalbeinkuenfteFreiPerson(g, person);
    e.FlagZusammen = 0;
    e.FlagEinzel = 1;
    e.FlagWitwenSplitting = 0;

    // the allowed amount of the joint assessment, already past the zumutbare
    // Belastung: carried as an amount that bears none
    const double agb = agbGemeinsam * agbAnteil;
    e.BehindertenPauschIn = agb;
    e.HaushaltshilfePflegeIn = e.HinterblPauschIn = e.UnterhaltIn = e.AusbildungsFbIn = 0;
    e.AgbAndereIn = 0;

    constexpr double h = 0.5;
    for (double* x : {&e.VorsorgeIn, &e.SpendenIn1, &e.SpendenIn2, &e.ParteiSpendenIn,
                      &e.WaehlerSpendenIn, &e.StiftungSpendenIn, &e.StiftungStockIn,
                      &e.RentenLastenIn, &e.UnterhaltsleistIn, &e.KiStGezahltIn,
                      &e.SteuerZinsenIn, &e.HausBeschIn, &e.SteuerberatungIn, &e.AusbildungSaIn,
                      &e.SchulgeldIn, &e.WohnAbzug, &e.WohnAbzug2, &e.WohnAbzug3, &e.WohnAbzug4,
                      &e.WohnVorkosten, &e.VerlustabzugIn, &e.VerlustGleicheArtIn,
                      &e.KindergeldSumme})
        *x *= h;
    const double kap = KapitalAnteil(g, person);
    for (double* x : {&e.KStAnrechIn, &e.KStVerguetIn, &e.KapEStAnrechIn, &e.SoliKapEStIn})
        *x *= kap;

    for (KindSatz& k : e.KindSaetze) {
        k.KinderFb *= h;
        k.KinderFbJahr *= h;
        k.BetreuungsFb *= h;
        k.BetreuungsFbJahr *= h;
        k.Kindergeld *= h;
    }
    e.AnzahlKinderHhFb = 0;
    // the § 34f credit follows the § 10e deduction, half to each: one spouse
    // keeps the children's count (the count cannot be halved)
    if (person == 1) e.AnzahlKinderBaukg = 0;
}

VeranlagungsVergleich VeranlagungVergleichen(
    const CalcInput& gemeinsam, std::array<std::unique_ptr<CalcResult>, 3>* ergebnisse) {
    VeranlagungsVergleich v;
    v.waehlbar = gemeinsam.FlagZusammen == 1;
    std::array<std::unique_ptr<CalcResult>, 3> r;
    for (auto& x : r) x = std::make_unique<CalcResult>();

    Rechnen(gemeinsam, *r[0]);
    v.arten.push_back(Last(Veranlagungsart::Zusammen, *r[0]));
    if (v.waehlbar) {
        const double agb = AgbAbgezogen(gemeinsam, *r[0]);
        auto e = std::make_unique<CalcInput>();
        VeranlagungsLast getrennt;
        getrennt.art = Veranlagungsart::Getrennt;
        for (int p = 0; p < 2; ++p) {
            GetrennteEingabe(gemeinsam, p, agb, 0.5, *e);
            Rechnen(*e, *r[1 + p]);
            const VeranlagungsLast l = Last(Veranlagungsart::Getrennt, *r[1 + p]);
            getrennt.est += l.est;
            getrennt.soli += l.soli;
            getrennt.kist += l.kist;
            getrennt.gesamt += l.gesamt;
            getrennt.saldo += l.saldo;
        }
        v.arten.push_back(getrennt);
    }
    // the cheapest by the whole burden; joint wins a tie
    const auto best = std::min_element(v.arten.begin(), v.arten.end(), [](auto& a, auto& b) {
        return a.gesamt < b.gesamt - 0.001;
    });
    v.empfohlen = best->art;
    for (VeranlagungsLast& l : v.arten) l.mehr = l.gesamt - best->gesamt;
    if (ergebnisse) *ergebnisse = std::move(r);
    return v;
}

VeranlagungsVergleich VeranlagungVergleichen(const CaseRecord& fall, bool kurz) {
    // the fill runs the page computations and rewrites flags: on a copy
    auto kopie = std::make_unique<CaseRecord>(fall);
    auto e = std::make_unique<CalcInput>();
    DeklarationFuellen(*kopie, *e, kurz);
    VeranlagungsVergleich v = VeranlagungVergleichen(*e);
    v.waehlbar = v.waehlbar && VeranlagungWaehlbar(fall);
    if (!v.waehlbar) {
        v.arten.resize(1);
        v.arten[0].mehr = 0;
        v.empfohlen = Veranlagungsart::Zusammen;
    }
    v.gespeichert = GespeicherteVeranlagungsart(fall);
    for (const VeranlagungsLast& l : v.arten)
        if (l.art == v.gespeichert) v.ersparnis = l.mehr;
    return v;
}

const char* VeranlagungsartText(Veranlagungsart a) {
    return a == Veranlagungsart::Getrennt ? "getrennte Veranlagung" : "Zusammenveranlagung";
}

}  // namespace quarnel
