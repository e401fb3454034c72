#include "pages/kinder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <utility>

#include "calc/betrag.h"
#include "calc/parameter.h"
#include "pages/einkommensteile.h"

namespace quarnel {

namespace {

using Monate = std::array<bool, 13>;  // index 1..12; 0 unused
using Werte = std::array<double, 13>;

// StaatLB and the relation lists (index 0 is the empty entry).
constexpr int StaatGruppeII = 3;
constexpr int StaatGruppeIII = 4;
constexpr int KindLeiblich = 2;
constexpr int KindPflege = 3;
constexpr int KindEnkelStief = 4;

// Month of a date counted from January of the tax year (January 2001 = 1).
int MonatImJahr(int32_t d) {
    return (JahrVon(d) - Steuerjahr) * 12 + MonatVon(d);
}

bool Gesetzt(int32_t d) {
    return d >= 0;
}

// The months of the tax year from d1 to d2, both included.
Monate Zeitraum(int32_t d1, int32_t d2) {
    Monate m{};
    if (!Gesetzt(d1) || !Gesetzt(d2)) return m;
    int von = std::max(1, MonatImJahr(d1)), bis = std::min(12, MonatImJahr(d2));
    for (int i = von; i <= bis; ++i) m[i] = true;
    return m;
}

// The months from d1 to d2 by the day-15 rule: a month counts when the period
// covers more than its first half.
Monate ZeitraumTag15(int32_t d1, int32_t d2) {
    Monate m{};
    if (!Gesetzt(d1) || !Gesetzt(d2)) return m;
    int von = MonatImJahr(d1) + (TagVon(d1) > 15 ? 1 : 0);
    int bis = MonatImJahr(d2) - (TagVon(d2) < 16 ? 1 : 0);
    for (int i = std::max(1, von); i <= std::min(12, bis); ++i) m[i] = true;
    return m;
}

double Gruppenfaktor(const CaseRecord& r, int kind) {
    switch (r.Int(Feld::StaatLB, kind)) {
        case StaatGruppeII:
            return 2.0 / 3.0;
        case StaatGruppeIII:
            return 1.0 / 3.0;
        default:
            return 1.0;
    }
}

// Weight of the months erster..letzter when part of them was spent abroad.
double Laenderfaktor(const CaseRecord& r, int kind, int erster, int letzter) {
    Monate ausland = ZeitraumTag15(r.Int(Feld::AuslandVom, kind), r.Int(Feld::AuslandBis, kind));
    bool irgendeiner = std::any_of(ausland.begin(), ausland.end(), [](bool b) { return b; });
    if (!irgendeiner || letzter < erster) return 1.0;
    int o = letzter - erster + 1, k = 0;
    for (int i = std::max(1, erster); i <= std::min(12, letzter); ++i) k += ausland[i] ? 1 : 0;
    return (Gruppenfaktor(r, kind) * k + (o - k)) / o;
}

int32_t PlusMonate(int32_t d, int monate) {
    if (!Gesetzt(d)) return d;
    int gesamt = JahrVon(d) * 12 + MonatVon(d) - 1 + monate;
    int jahr = gesamt / 12, monat = gesamt % 12 + 1;
    for (int tag = TagVon(d); tag >= 1; --tag) {
        int32_t n = TagesNummer(jahr, monat, tag);
        if (n != KeinDatum) return n;
    }
    return d;
}

constexpr Einkommensfelder KindFelder{
    {Feld::Kind_BruttoIn, Feld::Kind_BruttoAus},
    {Feld::Kind_WerbkIn, Feld::Kind_WerbKAus},
    {Feld::Kind_KapitalIn, Feld::Kind_KapitalAus},
    {Feld::Kind_KapitalWkIn, Feld::Kind_KapitalWkAus},
    {Feld::Kind_RentenIn, Feld::Kind_RentenAus},
    Feld::Kind_ErtragAnteil,
    {Feld::Kind_UebrigeEkIn, Feld::Kind_UebrigeEkAus},
    {Feld::Kind_AusBeihIn, Feld::Kind_AusBeihAus},
    {Feld::Kind_UebrigeBezIn, Feld::Kind_UebrigeBezAus},
    {Feld::Kind_BezAufwendIn, Feld::Kind_BezAufwendAus},
};
constexpr Einkommensfelder AusbildFelder{
    {Feld::Ausbild_BruttoIn, Feld::Ausbild_BruttoAus},
    {Feld::Ausbild_WerbkIn, Feld::Ausbild_WerbKAus},
    {Feld::Ausbild_KapitalIn, Feld::Ausbild_KapitalAus},
    {Feld::Ausbild_KapitalWkIn, Feld::Ausbild_KapitalWkAus},
    {Feld::Ausbild_RentenIn, Feld::Ausbild_RentenAus},
    Feld::Kind_ErtragAnteil,  // the education block keeps no share of its own
    {Feld::Ausbild_UebrigeEkIn, Feld::Ausbild_UebrigeEkAus},
    {Feld::Ausbild_AusBeihIn, Feld::Ausbild_AusBeihAus},
    {Feld::Ausbild_UebrigeBezIn, Feld::Ausbild_UebrigeBezAus},
    {Feld::Ausbild_BezAufwendIn, Feld::Ausbild_BezAufwendAus},
};

// Units of one parent by the relation to the child.
int Einheiten(int beziehung, bool grosseltern) {
    if (beziehung == KindLeiblich) return 1;
    if (beziehung == KindEnkelStief && grosseltern) return 1;
    if (beziehung == KindPflege) return 2;
    return 0;
}

// Age limits of the special circumstances (education, disability, service).
int32_t Besonderheitsgrenze(const CaseRecord& r, int kind, int32_t geburt) {
    int32_t t = KeinDatum;
    auto spaeter = [&](int32_t d) { t = std::max(t, d); };
    int s = MonateZwischen(r.Int(Feld::WehrdienstVom, kind), r.Int(Feld::WehrdienstBis, kind));
    if (r.Bool(Feld::BesHeit_1, kind) || r.Bool(Feld::BesHeit_2, kind) ||
        r.Bool(Feld::BesHeit_3, kind) || r.Bool(Feld::BesHeit_4, kind))
        spaeter(Altersgrenze(geburt, 27));
    if (r.Bool(Feld::BesHeit_5, kind)) spaeter(Altersgrenze(geburt, 21));
    if (r.Bool(Feld::BesHeit_6, kind)) spaeter(Altersgrenze(geburt, 99));
    if (r.Bool(Feld::BesHeit_7, kind)) spaeter(PlusMonate(Altersgrenze(geburt, 21), s));
    if (r.Bool(Feld::BesHeit_8, kind)) spaeter(PlusMonate(Altersgrenze(geburt, 27), s));
    return t;
}

struct Spanne {
    int von = 0, bis = -1;
    bool leer() const { return bis < von; }
    int anzahl() const { return leer() ? 0 : bis - von + 1; }
};

// The months of the special circumstances of a child over 18 (empty if none).
Spanne Besonderheitszeitraum(const CaseRecord& r, int kind) {
    int32_t geburt = r.Int(Feld::GebAm, kind);
    int32_t vom = r.Int(Feld::BesonderheitVom, kind), bis = r.Int(Feld::BesonderheitBis, kind);
    if (!Gesetzt(geburt) || !Gesetzt(vom) || !Gesetzt(bis) || MonateUnter(geburt, 18) >= 12)
        return {};
    int32_t t = Besonderheitsgrenze(r, kind, geburt);
    if (!Gesetzt(t)) return {};
    int32_t ende = std::min(bis, t);
    int von = std::max(1, MonatImJahr(vom)), endMonat = std::min(12, MonatImJahr(ende));
    if (endMonat < von) return {};
    return {von, endMonat};
}

}  // namespace

int32_t Altersgrenze(int32_t geburt, int jahre) {
    if (!Gesetzt(geburt)) return KeinDatum;
    int tag = TagVon(geburt), ueber = tag > 28 ? tag - 28 : 0;
    int32_t d = TagesNummer(JahrVon(geburt) + jahre, MonatVon(geburt), tag - ueber);
    return d == KeinDatum ? KeinDatum : d + ueber - 1;
}

int MonateUnter(int32_t geburt, int jahre) {
    int32_t grenze = Altersgrenze(geburt, jahre);
    if (!Gesetzt(grenze)) return 0;
    if (JahrVon(grenze) > Steuerjahr) return 12;
    if (JahrVon(grenze) == Steuerjahr) return MonatVon(grenze);
    return 0;
}

KindErgebnis KindFreibetraege(const CaseRecord& r, int kind) {
    KindErgebnis erg;
    int32_t geburt = r.Int(Feld::GebAm, kind);
    bool imJahrGeboren = Gesetzt(geburt) && JahrVon(geburt) == Steuerjahr;
    bool geborenNachJahr = Gesetzt(geburt) && JahrVon(geburt) > Steuerjahr;

    // eligible months: under 18, or from the month of birth
    Monate berechtigt{};
    int u18 = MonateUnter(geburt, 18);
    for (int m = 1; m <= 12; ++m) berechtigt[m] = imJahrGeboren ? m >= MonatVon(geburt) : m <= u18;
    if (geborenNachJahr) berechtigt.fill(false);

    // special circumstances, unless the child's own income is too high
    Spanne besonders = Besonderheitszeitraum(r, kind);
    if (!besonders.leer()) {
        int n = besonders.anzahl();
        Einkommensteile e = Einkommen(r, KindFelder, kind, n);
        double eink = AbrundenDM(NichtNegativ(e.p1 + e.p2 + e.p3 + e.bn * e.q));
        double f = Laenderfaktor(r, kind, besonders.von, besonders.bis);
        double grenze = AufrundenDM(param::KindEinkGrenzeMonat * f +
                                    f * r.Dbl(Feld::BesAusBildKostIn, kind) / n);
        if (!(grenze < eink / n))
            for (int m = besonders.von; m <= besonders.bis; ++m) berechtigt[m] = true;
    }

    // residence in Germany or abroad
    Monate wohnsitz = Zeitraum(r.Int(Feld::InlandVom, kind), r.Int(Feld::InlandBis, kind));
    Monate ausland = Zeitraum(r.Int(Feld::AuslandVom, kind), r.Int(Feld::AuslandBis, kind));
    for (int m = 1; m <= 12; ++m) wohnsitz[m] = wohnsitz[m] || ausland[m];

    // units of the parents per month
    std::array<int, 13> einheiten{};
    bool grosseltern = r.Bool(Feld::KiFbUebertragGosseltCB, kind);
    int er = Einheiten(r.Int(Feld::KindschaftZuEhemannLB, kind), grosseltern);
    int sie = r.Bool(Feld::Splitting)
                  ? Einheiten(r.Int(Feld::KindschaftZuEhefrauLB, kind), grosseltern)
                  : 0;
    int32_t tod = r.Int(Feld::KindschaftWpTodAm, kind);
    int todAb = 13;
    if (Gesetzt(tod) && JahrVon(tod) <= Steuerjahr)
        todAb = JahrVon(tod) < Steuerjahr ? 1 : MonatVon(tod);
    Monate wpAusland = ZeitraumTag15(r.Int(Feld::AntragKiFbWgAuslVom, kind),
                                     r.Int(Feld::AntragKiFbWgAuslBis, kind));
    bool antrag75 = r.Bool(Feld::BeantrageKiFbWg75CB, kind);
    bool uebertragen = r.Bool(Feld::UebertrageKiFbCB, kind);
    for (int m = 1; m <= 12; ++m) {
        int e = std::min(2, er + (m >= todAb ? 1 : 0) + sie);
        if (antrag75 && e > 0) e = std::min(2, e + 1);
        if (wpAusland[m] && e > 0) e = std::min(2, e + 1);
        einheiten[m] = uebertragen ? 0 : e;
    }

    // monthly amounts, reduced abroad by the country group
    double gruppe = Gruppenfaktor(r, kind);
    auto betrag = [&](int m, int e, double satz) {
        double b = e * satz;
        return ausland[m] ? AufrundenDM(gruppe * b) : b;
    };
    double hoechster = 0;
    for (int m = 1; m <= 12; ++m) {
        if (!berechtigt[m] || !wohnsitz[m]) continue;
        double b = betrag(m, einheiten[m], param::KinderFbMonatHalb);
        erg.kinderFb += b;
        // half the allowance: the other parent holds the other half
        if (einheiten[m] == 1 && !r.Bool(Feld::Splitting)) erg.andererElternteil = true;
        hoechster = std::max(hoechster, b);
    }
    erg.kinderFbMax = hoechster * 12;

    // Haushaltsfreibetrag
    erg.haushaltsFbMoeglich =
        (r.Bool(Feld::BeantrageZuordnungCB, kind) || r.Bool(Feld::GemeldetStpflCB, kind)) &&
        !r.Bool(Feld::UebertragungZugestimmtCB, kind);

    // Betreuungsfreibetrag: under 16 (or disabled), only with a Kinderfreibetrag
    if (UeberTausendstel(erg.kinderFb)) {
        int u16 = r.Bool(Feld::BesHeit_Ki16uBehind, kind) ? 12 : MonateUnter(geburt, 16);
        bool zusatz = r.Bool(Feld::AntragBetreuFbKiNotGemCB, kind);
        hoechster = 0;
        for (int m = 1; m <= 12; ++m) {
            bool betreut = imJahrGeboren ? m >= MonatVon(geburt) : m <= u16;
            if (!betreut || !wohnsitz[m]) continue;
            int e = zusatz ? std::min(2, einheiten[m] + 1) : einheiten[m];
            double b = betrag(m, e, param::BetreuungsFbMonatHalb);
            erg.betreuungsFb += b;
            hoechster = std::max(hoechster, b);
        }
        erg.betreuungsFbMax = hoechster * 12;
    }
    return erg;
}

void KindRechnen(CaseRecord& r, int kind) {
    KindErgebnis e = KindFreibetraege(r, kind);
    r.SetzeDbl(Feld::KindKiFbJahr, e.kinderFb, kind);
    r.SetzeDbl(Feld::KindKiFbMax, e.kinderFbMax, kind);
    r.SetzeDbl(Feld::KindBetrFbJahr, e.betreuungsFb, kind);
    r.SetzeDbl(Feld::KindBetrFbMax, e.betreuungsFbMax, kind);
    r.SetzeBool(Feld::KindHhFbMoeglich, e.haushaltsFbMoeglich, kind);
    double ausbild = UeberTausendstel(e.kinderFb) ? r.Dbl(Feld::AusbildFreibetrag, kind) : 0;
    r.SetzeDbl(Feld::AusbildFbLbl, ausbild, kind);
}

namespace {

using Paar = std::pair<Feld, Feld>;
// The income pairs the education page shares with the child page.
std::array<Paar, 9> KindPaare() {
    return {{{Feld::Kind_BruttoIn, Feld::Kind_BruttoAus},
             {Feld::Kind_WerbkIn, Feld::Kind_WerbKAus},
             {Feld::Kind_KapitalIn, Feld::Kind_KapitalAus},
             {Feld::Kind_KapitalWkIn, Feld::Kind_KapitalWkAus},
             {Feld::Kind_RentenIn, Feld::Kind_RentenAus},
             {Feld::Kind_UebrigeEkIn, Feld::Kind_UebrigeEkAus},
             {Feld::Kind_AusBeihIn, Feld::Kind_AusBeihAus},
             {Feld::Kind_UebrigeBezIn, Feld::Kind_UebrigeBezAus},
             {Feld::Kind_BezAufwendIn, Feld::Kind_BezAufwendAus}}};
}
std::array<Paar, 9> AusbildPaare() {
    return {{{Feld::Ausbild_BruttoIn, Feld::Ausbild_BruttoAus},
             {Feld::Ausbild_WerbkIn, Feld::Ausbild_WerbKAus},
             {Feld::Ausbild_KapitalIn, Feld::Ausbild_KapitalAus},
             {Feld::Ausbild_KapitalWkIn, Feld::Ausbild_KapitalWkAus},
             {Feld::Ausbild_RentenIn, Feld::Ausbild_RentenAus},
             {Feld::Ausbild_UebrigeEkIn, Feld::Ausbild_UebrigeEkAus},
             {Feld::Ausbild_AusBeihIn, Feld::Ausbild_AusBeihAus},
             {Feld::Ausbild_UebrigeBezIn, Feld::Ausbild_UebrigeBezAus},
             {Feld::Ausbild_BezAufwendIn, Feld::Ausbild_BezAufwendAus}}};
}

bool PaareLeer(const CaseRecord& r, const std::array<Paar, 9>& paare, int kind) {
    for (const auto& [in, aus] : paare)
        if (IstNichtNull(r.Dbl(in, kind)) || IstNichtNull(r.Dbl(aus, kind))) return false;
    return true;
}

void AusbildungsFbAusEinkommen(CaseRecord& r, int kind);

double HaelftigerAnteil(const CaseRecord& r, int kind) {
    return KindFreibetraege(r, kind).andererElternteil ? 50 : 100;
}

void AnteileVorgeben(CaseRecord& r, int kind) {
    const double anteil = HaelftigerAnteil(r, kind);
    // only a share the program itself wrote (the new case's 100 or this default)
    // is replaced: a share typed by the user, or from an older file, stays
    auto vorgeben = [&](Feld proz, Feld eingegeben, int element, bool eigeneAufteilung) {
        const double alt = r.Dbl(proz, element);
        if (r.Bool(eingegeben, element) || eigeneAufteilung) return;
        if (IstNull(alt - 100) || IstNull(alt - 50)) r.SetzeDbl(proz, anteil, element);
    };
    vorgeben(Feld::Ausbild_AufteilungProz, Feld::Ausbild_AufteilungEingegeben, kind,
             r.Bool(Feld::AufteilungNicht5050, kind));
    vorgeben(Feld::BehindN_AufteilungProz, Feld::BehindN_AufteilungEingegeben, kind + 2, false);
}

void KindEinkommenAlsAusbildEinkommen(CaseRecord& r, int kind) {
    const Monate besonders =
        Zeitraum(r.Int(Feld::BesonderheitVom, kind), r.Int(Feld::BesonderheitBis, kind));
    const Monate ausbildung =
        Zeitraum(r.Int(Feld::AusbildVom, kind), r.Int(Feld::AusbildBis, kind));
    int nb = 0, beide = 0, nurAusbildung = 0;
    for (int m = 1; m <= 12; ++m) {
        nb += besonders[m];
        beide += besonders[m] && ausbildung[m];
        nurAusbildung += !besonders[m] && ausbildung[m];
    }
    const auto kindPaare = KindPaare();
    const auto ausbildPaare = AusbildPaare();
    for (std::size_t i = 0; i < kindPaare.size(); ++i) {
        const double in = r.Dbl(kindPaare[i].first, kind), aus = r.Dbl(kindPaare[i].second, kind);
        // spread evenly over the months of each column, taken for the training months
        double imZeitraum = (nb > 0 ? in / nb * beide : 0) +
                            (nb < 12 ? aus / (12 - nb) * nurAusbildung : 0);
        if (nb == 0) imZeitraum = (in + aus) / 12 * nurAusbildung;
        imZeitraum = std::round(imZeitraum * 100) / 100;
        r.SetzeDbl(ausbildPaare[i].first, imZeitraum, kind);
        r.SetzeDbl(ausbildPaare[i].second, in + aus - imZeitraum, kind);
    }
}

}  // namespace

bool AusbildEinkommenAbweichend(const CaseRecord& r, int kind) {
    if (PaareLeer(r, AusbildPaare(), kind)) return false;
    const auto k = KindPaare(), a = AusbildPaare();
    for (std::size_t i = 0; i < k.size(); ++i)
        if (!IstNull(r.Dbl(k[i].first, kind) + r.Dbl(k[i].second, kind) -
                     r.Dbl(a[i].first, kind) - r.Dbl(a[i].second, kind)))
            return true;
    return false;
}

void AusbildungsFbRechnen(CaseRecord& r, int kind) {
    AnteileVorgeben(r, kind);
    if (PaareLeer(r, AusbildPaare(), kind) && !PaareLeer(r, KindPaare(), kind)) {
        // the income typed on the child page counts until the page has its own
        auto kopie = std::make_unique<CaseRecord>(r);
        KindEinkommenAlsAusbildEinkommen(*kopie, kind);
        AusbildungsFbAusEinkommen(*kopie, kind);
        for (Feld f : {Feld::BezuegeKind, Feld::FreibetragVorKuerz, Feld::AusbildFreibetrag})
            r.SetzeDbl(f, kopie->Dbl(f, kind), kind);
        return;
    }
    AusbildungsFbAusEinkommen(r, kind);
}

namespace {

void AusbildungsFbAusEinkommen(CaseRecord& r, int kind) {
    int32_t vom = r.Int(Feld::AusbildVom, kind), bis = r.Int(Feld::AusbildBis, kind);
    bool ausbildung = Gesetzt(vom) && Gesetzt(bis);
    auto summe = [&](Feld in, Feld aus) { return r.Dbl(in, kind) + r.Dbl(aus, kind); };
    if (ausbildung) {
        r.SetzeDbl(Feld::BezuegeKind,
                   summe(Feld::Ausbild_BruttoIn, Feld::Ausbild_BruttoAus) +
                       summe(Feld::Ausbild_KapitalIn, Feld::Ausbild_KapitalAus) +
                       summe(Feld::Ausbild_RentenIn, Feld::Ausbild_RentenAus) +
                       summe(Feld::Ausbild_UebrigeEkIn, Feld::Ausbild_UebrigeEkAus) +
                       summe(Feld::Ausbild_AusBeihIn, Feld::Ausbild_AusBeihAus) +
                       summe(Feld::Ausbild_UebrigeBezIn, Feld::Ausbild_UebrigeBezAus),
                   kind);
    }
    int erster = ausbildung ? std::max(1, MonatImJahr(vom)) : 0;
    int letzter = ausbildung ? std::min(12, MonatImJahr(bis)) : 0;
    if (erster < 1 || letzter < 1 || letzter < erster) {
        r.SetzeDbl(Feld::FreibetragVorKuerz, 0, kind);
        r.SetzeDbl(Feld::AusbildFreibetrag, 0, kind);
        return;
    }
    int n = letzter - erster + 1;

    // month codes: 5 in training, 10 living away; +1 under 18, +2 from 18
    std::array<int, 13> code{};
    Monate auswaerts = Zeitraum(r.Int(Feld::AuswaertsVom, kind), r.Int(Feld::AuswaertsBis, kind));
    for (int m = erster; m <= letzter; ++m) code[m] = auswaerts[m] ? 10 : 5;
    int32_t geburt = r.Int(Feld::GebAm, kind);
    int u = MonateUnter(geburt, 18);
    if (Gesetzt(geburt) && JahrVon(geburt) + 18 == Steuerjahr && TagVon(geburt) != 1 && u > 0) --u;
    for (int m = 1; m <= 12; ++m) code[m] += m <= u ? 1 : 2;
    int c11 = 0, c7 = 0, c12 = 0;
    for (int m = 1; m <= 12; ++m) {
        c11 += code[m] == 11;
        c7 += code[m] == 7;
        c12 += code[m] == 12;
    }
    double f = Laenderfaktor(r, kind, erster, letzter);
    double vorKuerz = AufrundenDM(
        (c11 * param::AusbFb[0] / 12 + c7 * param::AusbFb[1] / 12 + c12 * param::AusbFb[2] / 12) *
        f);
    r.SetzeDbl(Feld::FreibetragVorKuerz, vorKuerz, kind);

    // reduction by the child's own income beyond the limit; grants in full
    Einkommensteile e = Einkommen(r, AusbildFelder, kind, n);
    double bi = e.bn * e.q;
    double h = AbrundenDM(Quotient(e.bz, e.beihilfen) * bi);
    double grenze = AufrundenDM(n * (param::AusbGrenze * f / 12));
    double a = NichtNegativ(vorKuerz - NichtNegativ(e.p1 + e.p2 + e.p3 + (bi - h) - grenze));

    int bafoeg = r.Int(Feld::Ausbild_MonateMitBafoeg, kind);
    double anteil = (bafoeg > 0 && bafoeg < 12 && n >= bafoeg) ? double(bafoeg) / n : 1.0;
    double ab = AufrundenDM(a * anteil);
    double freibetrag = NichtNegativ(ab - h) + (a - ab);
    r.SetzeDbl(Feld::AusbildFreibetrag,
               freibetrag < 0.1
                   ? 0
                   : AufrundenDM(freibetrag / 100 * r.Dbl(Feld::Ausbild_AufteilungProz, kind)),
               kind);
}

}  // namespace

void KinderUndBehinderteRechnen(CaseRecord& r) {
    for (int kind = 1; kind <= 6; ++kind) {
        AusbildungsFbRechnen(r, kind);
        KindRechnen(r, kind);
    }
    for (int person = 1; person <= 8; ++person) BehPauschBetragRechnen(r, person);
}

std::string MonatsSpanneText(int32_t vom, int32_t bis) {
    static constexpr const char* kKurz[12] = {"Jan.", "Feb.", "M\xC3\xA4rz", "Apr.",
                                              "Mai",  "Juni", "Juli",        "Aug.",
                                              "Sep.", "Okt.", "Nov.",        "Dez."};
    if (!Gesetzt(vom) || !Gesetzt(bis)) return "keine Angabe";
    return std::string(kKurz[MonatVon(vom) - 1]) + "-" + kKurz[MonatVon(bis) - 1];
}

std::string AusbildungsZeitraumText(const CaseRecord& r, int kind) {
    const std::string kein = "Kein Freibetrag m\xC3\xB6glich (vgl. Hilfe!)";
    int u = MonateUnter(r.Int(Feld::GebAm, kind), 18);
    int32_t vom = r.Int(Feld::BesonderheitVom, kind), bis = r.Int(Feld::BesonderheitBis, kind);
    auto monatsende = [](int monat) {
        return monat == 12 ? LetzterTagSteuerjahr : TagesNummer(Steuerjahr, monat + 1, 1) - 1;
    };
    int32_t start = ErsterTagSteuerjahr, ende = LetzterTagSteuerjahr;
    if (!Gesetzt(vom) || !Gesetzt(bis)) {
        if (u <= 0) return kein;
        ende = monatsende(u);
    } else {
        start = u > 0 ? ErsterTagSteuerjahr : vom;
        ende = u == 12 ? LetzterTagSteuerjahr : bis;
        if (u == 0) {
            Spanne besonders = Besonderheitszeitraum(r, kind);
            if (besonders.leer()) return kein;
            ende = std::min(ende, monatsende(besonders.bis));
        }
    }
    return "(" + DatumText(start) + " bis " + DatumText(ende) + ")";
}

bool GeburtsdatumVorgaben(CaseRecord& r, int kind, bool ehegatte) {
    int32_t geburt = r.Int(Feld::GebAm, kind);
    if (!Gesetzt(geburt) || Gesetzt(r.Int(Feld::InlandVom, kind)) ||
        Gesetzt(r.Int(Feld::InlandBis, kind)) || Gesetzt(r.Int(Feld::AuslandVom, kind)) ||
        Gesetzt(r.Int(Feld::AuslandBis, kind)))
        return false;
    r.SetzeInt(Feld::InlandVom, std::max(geburt, ErsterTagSteuerjahr), kind);
    r.SetzeInt(Feld::InlandBis, LetzterTagSteuerjahr, kind);
    if (r.Int(Feld::KindschaftZuEhemannLB, kind) <= 0)
        r.SetzeInt(Feld::KindschaftZuEhemannLB, KindLeiblich, kind);
    if (ehegatte && r.Int(Feld::KindschaftZuEhefrauLB, kind) <= 0)
        r.SetzeInt(Feld::KindschaftZuEhefrauLB, KindLeiblich, kind);
    r.SetzeBool(Feld::KiZumHHGehoer, true, kind);
    double monat = param::Kindergeld[std::min<std::size_t>(kind - 1, param::Kindergeld.size() - 1)];
    r.SetzeDbl(Feld::ErhKiGeld, 12 * monat / (ehegatte ? 1 : 2), kind);
    return true;
}

double BehPauschBetragRechnen(CaseRecord& r, int person) {
    if (person >= 3) AnteileVorgeben(r, person - 2);
    int grad = r.Int(Feld::GradBehinderung, person);
    double betrag = 0;
    if (grad <= 100)
        for (std::size_t i = 0; i < param::BehGradAb.size(); ++i)
            if (grad >= param::BehGradAb[i]) betrag = param::BehPausch[i];
    if (grad >= param::BehGradAb[0] && grad < 50 && !r.Bool(Feld::BehRenteCB, person) &&
        !r.Bool(Feld::BeweglickCB, person) && !r.Bool(Feld::BerufserkCB, person))
        betrag = 0;
    if (r.Bool(Feld::HilfLosCB, person)) betrag = param::BehPauschHilflos;
    double pausch = AufrundenDM(r.Dbl(Feld::BehindN_AufteilungProz, person) / 100 * betrag);
    r.SetzeDbl(Feld::BehPauschBetrag, pausch, person);
    return pausch;
}

}  // namespace quarnel
