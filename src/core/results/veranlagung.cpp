// Joint or separate assessment: the separate inputs, and the comparison on copies.
#include "results/veranlagung.h"

#include <algorithm>
#include <cmath>
#include <iterator>
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

namespace {

// What separate and special assessment share: the spouse in the taxpayer's
// place on the basic table; the couple's amounts the case holds once
// (Vorsorgeaufwendungen, donations, other special expenses, home) count half
// to each; the credits withheld on capital income follow it (§ 36(2) EStG);
// the children's allowances and Kindergeld by the spouse's share, as to
// parents not assessed jointly (§ 32(6) sentence 1, § 31 sentence 5); each
// spouse's own loss carried forward where the case knows it (§ 62d EStDV).
void EinzelEingabe(const CalcInput& g, int person, const VeranlagungsAngaben& a, CalcInput& e) {
    e = g;
    AufPersonVerschieben(e, person);
    e.HalbeinkFrei = HalbeinkuenfteFreiPerson(g, person);
    e.FlagZusammen = 0;
    e.FlagEinzel = 1;
    e.FlagWitwenSplitting = 0;

    constexpr double h = 0.5;
    for (double* x : {&e.VorsorgeIn, &e.SpendenIn1, &e.SpendenIn2, &e.ParteiSpendenIn,
                      &e.WaehlerSpendenIn, &e.StiftungSpendenIn, &e.StiftungStockIn,
                      &e.RentenLastenIn, &e.UnterhaltsleistIn, &e.KiStGezahltIn,
                      &e.SteuerZinsenIn, &e.HausBeschIn, &e.SteuerberatungIn, &e.AusbildungSaIn,
                      &e.SchulgeldIn, &e.WohnAbzug, &e.WohnAbzug2, &e.WohnAbzug3, &e.WohnAbzug4,
                      &e.WohnVorkosten})
        *x *= h;
    e.VerlustabzugIn = a.verlust[person] < 0 ? g.VerlustabzugIn * h : a.verlust[person];
    e.VerlustGleicheArtIn = a.verlustGleicheArt[person] < 0 ? g.VerlustGleicheArtIn * h
                                                             : a.verlustGleicheArt[person];
    const double kap = KapitalAnteil(g, person);
    for (double* x : {&e.KStAnrechIn, &e.KStVerguetIn, &e.KapEStAnrechIn, &e.SoliKapEStIn})
        *x *= kap;

    e.KindergeldSumme = 0;
    e.AnzahlKinder = 0;
    for (int i = 0; i < AnzahlKindSaetze; ++i) {
        KindSatz& k = e.KindSaetze[i];
        const double anteil = a.kindAnteil[i][person];
        const bool mitFb = k.KinderFb > 0.000001;
        k.KinderFb *= anteil;
        k.KinderFbJahr *= anteil;
        k.BetreuungsFb *= anteil;
        k.BetreuungsFbJahr *= anteil;
        k.Kindergeld *= anteil;
        e.KindergeldSumme += k.Kindergeld;
        if (mitFb && k.KinderFb > 0.000001) ++e.AnzahlKinder;
    }
    // children without allowances still bring their Kindergeld to the sum
    e.KindergeldSumme += (g.KindergeldSumme - [&] {
        double s = 0;
        for (const KindSatz& k : g.KindSaetze) s += k.Kindergeld;
        return s;
    }()) * h;
    e.AnzahlKinderHhFb = 0;
    // the § 34f credit follows the § 10e deduction, half to each: one spouse
    // keeps the children's count (the count cannot be halved)
    if (person == 1) e.AnzahlKinderBaukg = 0;
}

}  // namespace

// § 26a EStG as of 2001: each spouse is assessed on the basic table with his or
// her own income (§ 26a(1)); the außergewöhnliche Belastungen (§§ 33 to 33c)
// at the amount joint assessment would allow, half to each unless both apply
// for another split (§ 26a(2) sentence 1); special expenses, Pauschbeträge and
// the Vorsorgepauschale each spouse's own (§ 10c applies per person); the
// Kinderfreibetrag and Betreuungsfreibetrag as to parents not assessed jointly
// (§ 32(6) sentence 1), with the Kindergeld set off in the same share (§ 31
// sentence 5); no Haushaltsfreibetrag, which § 32(7) denies to a couple
// entitled to joint assessment.
void GetrennteEingabe(const CalcInput& g, int person, double agbGemeinsam,
                      const VeranlagungsAngaben& a, CalcInput& e) {
    EinzelEingabe(g, person, a, e);
    // the allowed amount of the joint assessment, already past the zumutbare
    // Belastung: carried as an amount that bears none
    const double anteil = person == 0 ? a.agbAnteilEr : 1 - a.agbAnteilEr;
    e.BehindertenPauschIn = agbGemeinsam * anteil;
    e.HaushaltshilfePflegeIn = e.HinterblPauschIn = e.UnterhaltIn = e.AusbildungsFbIn = 0;
    e.AgbAndereIn = 0;
}

void GetrennteEingabe(const CalcInput& g, int person, double agbGemeinsam, double agbAnteil,
                      CalcInput& e) {
    VeranlagungsAngaben a;
    a.agbAnteilEr = person == 0 ? agbAnteil : 1 - agbAnteil;
    GetrennteEingabe(g, person, agbGemeinsam, a, e);
}

// § 26c EStG as of 2001: in the year of the marriage each spouse is assessed
// as if the marriage had not been made (§ 26c(1) sentence 1), with his or her
// own income (§ 26a(1) applies, § 26c(1) sentence 3): the basic table, or
// the splitting table for a spouse widowed at the start of the year under
// § 32a(6) Nr. 1 (§ 26c(2)); the außergewöhnliche Belastungen as a single
// person bears them, each with his or her own zumutbare Belastung (the
// couple's amounts half each, a person's own Behinderten-Pauschbetrag his or
// hers); the Haushaltsfreibetrag as to a single parent (§ 32(7)), where no
// widow's splitting applies and not for a child that became a child of both
// only by or after the marriage (§ 26c(3)).
void BesondereEingabe(const CalcInput& g, int person, const VeranlagungsAngaben& a,
                      CalcInput& e) {
    EinzelEingabe(g, person, a, e);
    e.FlagWitwenSplitting = a.witwe[person] ? 1 : 0;
    constexpr double h = 0.5;
    e.BehindertenPauschIn = a.behindertenPausch[person] < 0 ? g.BehindertenPauschIn * h
                                                             : a.behindertenPausch[person];
    for (double* x : {&e.HaushaltshilfePflegeIn, &e.HinterblPauschIn, &e.UnterhaltIn,
                      &e.AusbildungsFbIn, &e.AgbAndereIn})
        *x *= h;
    for (int i = 0; i < AnzahlKindSaetze; ++i)
        if (a.kindHaushalt[i][person] && e.KindSaetze[i].KinderFb > 0.000001)
            ++e.AnzahlKinderHhFb;
}

VeranlagungsRechnung VeranlagungRechnen(const CalcInput& g, Veranlagungsart art,
                                        const VeranlagungsAngaben& a,
                                        const CalcResult* gemeinsamErgebnis) {
    VeranlagungsRechnung v;
    v.art = art;
    v.last.art = art;
    auto teil = [&](const CalcInput& ein) {
        Veranlagungsteil t{std::make_unique<CalcInput>(ein), std::make_unique<CalcResult>()};
        Rechnen(*t.e, *t.r);
        const VeranlagungsLast l = Last(art, *t.r);
        v.last.est += l.est;
        v.last.soli += l.soli;
        v.last.kist += l.kist;
        v.last.gesamt += l.gesamt;
        v.last.saldo += l.saldo;
        v.teile.push_back(std::move(t));
    };
    if (art == Veranlagungsart::Zusammen) {
        teil(g);
        return v;
    }
    std::unique_ptr<CalcResult> eigenes;
    if (art == Veranlagungsart::Getrennt && !gemeinsamErgebnis) {
        eigenes = std::make_unique<CalcResult>();
        Rechnen(g, *eigenes);
        gemeinsamErgebnis = eigenes.get();
    }
    auto e = std::make_unique<CalcInput>();
    for (int p = 0; p < 2; ++p) {
        if (art == Veranlagungsart::Getrennt)
            GetrennteEingabe(g, p, AgbAbgezogen(g, *gemeinsamErgebnis), a, *e);
        else
            BesondereEingabe(g, p, a, *e);
        teil(*e);
    }
    return v;
}

namespace {

// The recommendation: the cheapest by the whole burden; joint wins a tie,
// then separate.
void Empfehlen(VeranlagungsVergleich& v) {
    const auto best = std::min_element(v.arten.begin(), v.arten.end(), [](auto& a, auto& b) {
        return a.gesamt < b.gesamt - 0.001;
    });
    v.empfohlen = best->art;
    for (VeranlagungsLast& l : v.arten) l.mehr = l.gesamt - best->gesamt;
    v.ersparnis = 0;
    for (const VeranlagungsLast& l : v.arten)
        if (l.art == v.gespeichert) v.ersparnis = l.mehr;
}

}  // namespace

VeranlagungsVergleich VeranlagungVergleichen(const CalcInput& g, const VeranlagungsAngaben& a,
                                             bool besondere) {
    VeranlagungsVergleich v;
    v.waehlbar = g.FlagZusammen == 1;
    const VeranlagungsRechnung zusammen = VeranlagungRechnen(g, Veranlagungsart::Zusammen, a);
    v.arten.push_back(zusammen.last);
    if (v.waehlbar) {
        v.arten.push_back(
            VeranlagungRechnen(g, Veranlagungsart::Getrennt, a, zusammen.teile[0].r.get()).last);
        if (besondere) v.arten.push_back(VeranlagungRechnen(g, Veranlagungsart::Besondere, a).last);
    }
    Empfehlen(v);
    return v;
}

VeranlagungsVergleich VeranlagungVergleichen(
    const CalcInput& gemeinsam, std::array<std::unique_ptr<CalcResult>, 3>* ergebnisse) {
    const VeranlagungsAngaben a;
    if (!ergebnisse) return VeranlagungVergleichen(gemeinsam, a, false);
    VeranlagungsVergleich v;
    v.waehlbar = gemeinsam.FlagZusammen == 1;
    VeranlagungsRechnung z = VeranlagungRechnen(gemeinsam, Veranlagungsart::Zusammen, a);
    v.arten.push_back(z.last);
    (*ergebnisse)[0] = std::move(z.teile[0].r);
    for (int p = 1; p < 3; ++p) (*ergebnisse)[p] = std::make_unique<CalcResult>();
    if (v.waehlbar) {
        VeranlagungsRechnung g =
            VeranlagungRechnen(gemeinsam, Veranlagungsart::Getrennt, a, (*ergebnisse)[0].get());
        v.arten.push_back(g.last);
        for (int p = 0; p < 2; ++p) (*ergebnisse)[1 + p] = std::move(g.teile[p].r);
    }
    Empfehlen(v);
    return v;
}

namespace {

constexpr int32_t KindLeiblich = 2, KindPflege = 3;

bool Kindschaft(const CaseRecord& r, Feld f, int kind) {
    const int32_t b = r.Int(f, kind);
    return b == KindLeiblich || b == KindPflege;
}

}  // namespace

VeranlagungsAngaben VeranlagungsAngabenAusFall(const CaseRecord& r, const CalcInput& e, bool kurz) {
    VeranlagungsAngaben a;
    for (int p = 0; p < 2; ++p) a.witwe[p] = VerwitwetZuJahresbeginn(r, p);
    const double anteil = r.Dbl(Feld::GetVerAnteilAuGeBel);
    if (anteil > 0.000001 && anteil <= 100) a.agbAnteilEr = anteil / 100;
    if (kurz) return a;

    a.verlust = {r.Dbl(Feld::VerlustAbStpfl), r.Dbl(Feld::VerlustAbEheg)};
    a.verlustGleicheArt = {r.Dbl(Feld::VerlustGleichStpfl), r.Dbl(Feld::VerlustGleichEheg)};
    double eigene = 0;
    for (int p = 0; p < 2; ++p) {
        a.behindertenPausch[p] =
            r.Bool(Feld::BehAntrag, p + 1) ? r.Dbl(Feld::BehPauschBetrag, p + 1) : 0;
        eigene += a.behindertenPausch[p];
    }
    const double kinder = std::max(0.0, e.BehindertenPauschIn - eigene);
    for (double& b : a.behindertenPausch) b += kinder / 2;

    // the child records of the input, matched to the children of the page by
    // the ordering key and the allowance the fill took from them
    const int32_t heirat = r.Int(Feld::FamStandSeit);
    std::array<bool, AnzahlKindSaetze> vergeben{};
    for (int kind = 1; kind <= 6; ++kind) {
        const double fb = r.Dbl(Feld::KindKiFbJahr, kind);
        if (!(fb > 0.001)) continue;
        const int32_t geburt = r.Int(Feld::GebAm, kind);
        const int32_t schluessel = geburt == -1 ? 200000 : geburt;
        for (int i = 0; i < AnzahlKindSaetze; ++i) {
            const KindSatz& k = e.KindSaetze[i];
            if (vergeben[i] || k.Schluessel != schluessel || std::abs(k.KinderFb - fb) > 0.001)
                continue;
            vergeben[i] = true;
            const bool er = Kindschaft(r, Feld::KindschaftZuEhemannLB, kind);
            const bool sie = Kindschaft(r, Feld::KindschaftZuEhefrauLB, kind);
            if (er != sie) a.kindAnteil[i] = {er ? 1.0 : 0.0, sie ? 1.0 : 0.0};
            // § 32(7) sentence 2: a child registered with both parents
            // belongs to the mother, to the father when she agrees; § 26c(3):
            // not a child of both born after the marriage
            const bool gemeldet = r.Bool(Feld::GemeldetStpflCB, kind) ||
                                  r.Bool(Feld::BeantrageZuordnungCB, kind);
            if (!gemeldet) break;
            if (er && sie) {
                if (heirat > -1 && geburt > -1 && geburt >= heirat) break;
                const int zu = r.Bool(Feld::UebertragungZugestimmtCB, kind) ? 0 : 1;
                a.kindHaushalt[i][zu] = true;
            } else {
                a.kindHaushalt[i] = {er, sie};
            }
            break;
        }
    }
    return a;
}

VeranlagungsRechnung VeranlagungRechnen(const CaseRecord& fall, bool kurz) {
    auto kopie = std::make_unique<CaseRecord>(fall);
    auto e = std::make_unique<CalcInput>();
    DeklarationFuellen(*kopie, *e, kurz);
    return VeranlagungRechnen(*e, WirksameVeranlagungsart(fall, *e),
                              VeranlagungsAngabenAusFall(*kopie, *e, kurz));
}

Veranlagungsart WirksameVeranlagungsart(const CaseRecord& fall, const CalcInput& gefuellt) {
    const Veranlagungsart art = GespeicherteVeranlagungsart(fall);
    if (gefuellt.FlagZusammen != 1 || !VeranlagungsartZulaessig(fall, art))
        return Veranlagungsart::Zusammen;
    return art;
}

const char* VeranlagungsteilName(const VeranlagungsRechnung& v, std::size_t teil) {
    if (v.teile.size() < 2) return "";
    return teil == 0 ? "Steuerpflichtiger" : "Ehegatte";
}

VeranlagungsVergleich VeranlagungVergleichen(const CaseRecord& fall, bool kurz) {
    // the fill runs the page computations and rewrites flags: on a copy
    auto kopie = std::make_unique<CaseRecord>(fall);
    auto e = std::make_unique<CalcInput>();
    DeklarationFuellen(*kopie, *e, kurz);
    const bool besondere = VeranlagungsartZulaessig(fall, Veranlagungsart::Besondere);
    VeranlagungsVergleich v =
        VeranlagungVergleichen(*e, VeranlagungsAngabenAusFall(*kopie, *e, kurz), besondere);
    v.waehlbar = v.waehlbar && VeranlagungWaehlbar(fall);
    if (!v.waehlbar) v.arten.resize(1);
    v.gespeichert = GespeicherteVeranlagungsart(fall);
    if (!VeranlagungsartZulaessig(fall, v.gespeichert)) v.gespeichert = Veranlagungsart::Zusammen;
    Empfehlen(v);
    return v;
}

namespace {

struct ArtTexte {
    const char* text;
    const char* paragraph;
    const char* schluessel;
};
constexpr ArtTexte kArtTexte[] = {
    {"Zusammenveranlagung", "§ 26b EStG", "zusammen"},
    {"getrennte Veranlagung", "§ 26a EStG", "getrennt"},
    {"besondere Veranlagung", "§ 26c EStG", "besondere"},
};

const ArtTexte& Texte(Veranlagungsart a) {
    const auto i = static_cast<std::size_t>(a);
    return kArtTexte[i < std::size(kArtTexte) ? i : 0];
}

}  // namespace

const char* VeranlagungsartText(Veranlagungsart a) {
    return Texte(a).text;
}

const char* VeranlagungsartParagraph(Veranlagungsart a) {
    return Texte(a).paragraph;
}

const char* VeranlagungsartSchluessel(Veranlagungsart a) {
    return Texte(a).schluessel;
}

}  // namespace quarnel
