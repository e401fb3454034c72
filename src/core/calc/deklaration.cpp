#include "calc/deklaration.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "calc/betrag.h"
#include "calc/durchgang.h"
#include "calc/parameter.h"
#include "pages/personen.h"
#include "pages/seitenberechnung.h"
#include "pages/wohneigentum.h"

namespace quarnel {
namespace {

constexpr int Er = 0, Sie = 1;
constexpr int AnzahlKinderSeite = 6;

std::string Getrimmt(std::string_view s) {
    const auto a = s.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    const auto b = s.find_last_not_of(' ');
    return std::string(s.substr(a, b - a + 1));
}

// Birth date, birth year and the care-insurance mark of one person. Without a
// birth date the year is the tax year: an unknown year never counts as "born
// before 1937" (Altersentlastungsbetrag) nor as "born after 1957".
void GeburtSetzen(CalcInput& e, int p, int32_t geburt) {
    e.GebJahr(p) = param::Jahr;
    if (geburt <= -1) return;
    (p == Er ? e.GebDatumEr : e.GebDatumSie).Setzen(DatumText(geburt));
    int jahr = JahrVon(geburt);
    e.NachStichtag(p) = jahr > 1957 ? 1 : 0;
    if (TagVon(geburt) == 1 && MonatVon(geburt) == 1)
        --jahr;  // 1 January counts for the year before
    if (jahr <= 1899) jahr = 1940;
    e.GebJahr(p) = jahr;
}

// The states whose church tax ends with the month after leaving.
bool AustrittFolgemonat(int land) {
    return (land >= 2 && land <= 7) || (land >= 12 && land <= 15);
}

// Church-tax code and months of liability of one person.
void KirchensteuerSetzen(CaseRecord& r, CalcInput& e, int p, Feld religion, Feld von, Feld bis,
                         Feld monate) {
    const int32_t konf = r.Int(religion);
    e.Konf(p) = konf == -1 ? 9 : konf;
    const int32_t a = r.Int(von), b = r.Int(bis);
    int m = (a == -1 || b == -1) ? 0 : MonateZwischen(a, b);
    if (e.Konf(p) == 8 || e.Konf(p) == 9) m = 0;
    e.KiStAustritt(p) = 0;
    if (m > 0 && MonatVon(a) == 1 && MonatVon(b) < 12 && AustrittFolgemonat(e.Bundesland)) {
        ++m;
        e.KiStAustritt(p) = 1;
    }
    r.SetzeInt(monate, m);
    e.KiStMonate(p) = m;
}

// Puts records 1..7 in ascending key order; records with an allowance but no
// birth date go last.
void KindSaetzeOrdnen(CalcInput& e) {
    for (KindSatz& k : e.KindSaetze)
        if (k.Schluessel == -1) k.Schluessel = 200000;
    for (int i = 0; i < AnzahlKindSaetze - 1; ++i) {
        int klein = i;
        for (int j = i + 1; j < AnzahlKindSaetze; ++j)
            if (e.KindSaetze[j].Schluessel < e.KindSaetze[klein].Schluessel) klein = j;
        if (klein != i) std::swap(e.KindSaetze[i], e.KindSaetze[klein]);
    }
}

// --- full variant -------------------------------------------------------------------------

void Grunddaten(CaseRecord& r, CalcInput& e) {
    e.FlagEinzel = r.Bool(Feld::Grundtabelle) ? 1 : 0;
    e.FlagZusammen = r.Bool(Feld::Splitting) ? 1 : 0;
    e.FlagWitwenSplitting = WitwenSplitting(r) ? 1 : 0;

    std::string name =
        Getrimmt(Getrimmt(r.Text(Feld::StpflVorname)) + " " + r.Text(Feld::StpflName));
    if (e.FlagZusammen)
        name = Getrimmt(name + ", " + Getrimmt(r.Text(Feld::EhegVorname)) + " " +
                        Getrimmt(r.Text(Feld::EhegName)));
    e.NameZeile.Setzen(name);
}

void Kinder(CaseRecord& r, CalcInput& e) {
    for (int i = 1; i <= AnzahlKinderSeite; ++i) {
        KindSatz& k = e.KindSaetze[i - 1];
        k.Element = static_cast<uint8_t>(i);
        const double geld = r.Dbl(Feld::ErhKiGeld, i);
        const int32_t geburt = r.Int(Feld::GebAm, i);
        e.KindergeldSumme += geld;
        k.Kindergeld = geld;
        if (UeberTausendstel(r.Dbl(Feld::KindKiFbJahr, i))) {
            ++e.AnzahlKinder;
            if (r.Bool(Feld::KindHhFbMoeglich, i)) ++e.AnzahlKinderHhFb;
            k.Schluessel = geburt;
            k.KinderFb = r.Dbl(Feld::KindKiFbJahr, i);
            k.KinderFbJahr = r.Dbl(Feld::KindKiFbMax, i);
            k.BetreuungsFb = r.Dbl(Feld::KindBetrFbJahr, i);
            k.BetreuungsFbJahr = r.Dbl(Feld::KindBetrFbMax, i);
        }
        r.SetzeBool(Feld::KindAnlFlag, geburt > -1, i);
    }
    KindSaetzeOrdnen(e);
}

// The fields of one person outside the wage-tax cards.
struct PersonFelder {
    Feld stFreiAuslZus, einkErsProg, abgEin, abgMj, anlNFlag, besch630;
};
constexpr PersonFelder PersonEr{Feld::StFreiAuslZusEr, Feld::EinkErsProgEr, Feld::AbgEinEr,
                                Feld::AbgMjEr,         Feld::AnlNFlagEr,    Feld::Besch630Er};
constexpr PersonFelder PersonSie{Feld::StFreiAuslZusSie, Feld::EinkErsProgSie, Feld::AbgEinSie,
                                 Feld::AbgMjSie,         Feld::AnlNFlagSie,    Feld::Besch630Sie};

const PersonFelder& Person(int p) {
    return p == Er ? PersonEr : PersonSie;
}

// Wages of one person from the first (k1) and second (k2) card.
void Lohn(CaseRecord& r, CalcInput& e, int p) {
    const PersonFelder& f = Person(p);
    const int k1 = 2 * p + 1, k2 = 2 * p + 2;
    auto d = [&](Feld x, int k) { return r.Dbl(x, k); };
    auto beide = [&](Feld x) { return d(x, k1) + d(x, k2); };

    e.Lohn(p) = NichtNegativ(d(Feld::StFAufEntbetrag, k1) - d(Feld::StFAufEntFreiB, k1)) +
                beide(Feld::Brutto) - beide(Feld::StBefrNacht630) -
                beide(Feld::BruttoMjNichtErmBest) - beide(Feld::EntschNichtErmBest) +
                d(Feld::LohnOhneAbzug, k1);
    e.VersBezIn(p) = beide(Feld::Versbez);
    e.ProgLohn(p) = beide(Feld::KurzarbGeld) + beide(Feld::LohnDBA) + beide(Feld::LohnATE) +
                    r.Dbl(f.stFreiAuslZus);
    constexpr Feld ersatz[] = {Feld::AndLoErs1, Feld::AndLoErs2, Feld::AndLoErs3, Feld::AndLoErs4,
                               Feld::AndLoErs5, Feld::AndLoErs6, Feld::AndLoErs7};
    double pe = 0;
    for (Feld x : ersatz) pe += d(x, k1);
    e.ProgEink(p) = pe + r.Dbl(f.einkErsProg);

    constexpr Feld art[] = {Feld::Vwl1Art, Feld::Vwl2Art, Feld::Vwl3Art, Feld::Vwl4Art};
    constexpr Feld betrag[] = {Feld::Vwl1Betrag, Feld::Vwl2Betrag, Feld::Vwl3Betrag,
                               Feld::Vwl4Betrag};
    for (int v = 0; v < 4; ++v) {
        const int32_t a = r.Int(art[v], k1);
        if (a == 1) e.VlBausparen(p) += d(betrag[v], k1);
        if (a == 2) e.VlBeteiligung(p) += d(betrag[v], k1);
    }
    e.VersBezMehrj(p) = beide(Feld::VersBezMJ);
    e.LohnMehrj(p) = beide(Feld::BruttoMj) + beide(Feld::BruttoMjNichtErmBest) + e.VersBezMehrj(p);
    e.Abfindung(p) = beide(Feld::Entsch) + beide(Feld::EntschNichtErmBest);
    e.AbfindungFreiIn(p) = beide(Feld::EntschFB);

    const bool anlage = IstPositiv(e.Lohn(p)) ||
                        IstPositiv(e.ProgLohn(p) - r.Dbl(f.stFreiAuslZus)) ||
                        IstPositiv(e.ProgEink(p) - r.Dbl(f.einkErsProg)) ||
                        IstPositiv(e.LohnMehrj(p) + e.Abfindung(p));
    r.SetzeBool(f.anlNFlag, anlage);
}

// Wage bases of the Vorsorgepauschale of one person.
void VorsorgeLohn(CaseRecord& r, CalcInput& e, int p) {
    const PersonFelder& f = Person(p);
    const int k1 = 2 * p + 1;
    auto d = [&](Feld x, int k) { return r.Dbl(x, k); };
    auto b = [&](Feld x) { return r.Bool(x, k1); };
    const double abg = r.Dbl(f.abgEin) + r.Dbl(f.abgMj);
    const bool keinePflicht = b(Feld::KeineRVPflVorstandCB) || b(Feld::KeineRVPflEhegatteCB) ||
                              !Getrimmt(r.Text(Feld::KeineRVPflAls, k1)).empty();

    e.Ungekuerzt(p) = 1;
    if (b(Feld::KeineRVPflBeamterCB) || (keinePflicht && b(Feld::KeineRVPflAnwartschaftCB)) ||
        b(Feld::BeamtenRVersBezCB) || b(Feld::AltersruhegeldRVCB) || IstPositiv(abg))
        e.Ungekuerzt(p) = 0;

    const double aufwand = NichtNegativ(d(Feld::StFAufEntbetrag, k1) - d(Feld::StFAufEntFreiB, k1));
    auto entsch = [&](int k) {
        return NichtNegativ(d(Feld::Entsch, k) + d(Feld::EntschNichtErmBest, k) -
                            d(Feld::EntschFB, k));
    };

    double vorweg = 0;
    if (!(keinePflicht && !b(Feld::KeineRVPflAnwartschaftCB) &&
          !b(Feld::KeineRVPflStFreieAgZuCB))) {
        for (int k = k1; k <= k1 + 1; ++k)
            vorweg += NichtNegativ(d(Feld::Brutto, k) - d(Feld::Versbez, k) -
                                   d(Feld::EntschNichtErmBest, k) - d(Feld::StBefrNacht630, k)) +
                      d(Feld::BruttoMj, k) + entsch(k) + d(Feld::LohnOhneAbzug, k);
        vorweg += aufwand;
    }
    e.LohnVorwegKuerz(p) = vorweg + abg;

    double w = aufwand, v = 0;
    for (int k = k1; k <= k1 + 1; ++k) {
        w += NichtNegativ(d(Feld::Brutto, k) - d(Feld::EntschNichtErmBest, k) -
                          d(Feld::StBefrNacht630, k)) +
             d(Feld::BruttoMj, k) + entsch(k) + d(Feld::LohnOhneAbzug, k) + d(Feld::VersBezMJ, k);
        v += d(Feld::Versbez, k) + d(Feld::VersBezMJ, k);
    }
    const double versFb = MinWert(param::VersFbMax, 0.4 * v);
    double altEntl = 0;
    if (e.GebJahr(p) < param::Stichjahr)
        altEntl = MinWert(param::AltEntlMax, 0.4 * NichtNegativ(w - v));
    e.LohnVorsPausch(p) = NichtNegativ(w - versFb - altEntl);
}

void Werbungskosten(const CaseRecord& r, CalcInput& e, int p) {
    const int b = p + 1;
    constexpr Feld summen[] = {Feld::SummeWkVerb,  Feld::SummeWkDoppH, Feld::SummeWKArbM,
                               Feld::SummeWkReise, Feld::SummeWkSonst, Feld::SummeWKVerpfl,
                               Feld::SummeWkZimmer};
    double wk = 0;
    for (Feld x : summen) wk += r.Dbl(x, b);
    e.WerbKost(p) = wk;
    e.WerbKostZus(p) = r.Dbl(Feld::SummeWkFahrt, b);
}

// The stored results of the business or the self-employment page of one person.
struct GewinnFelder {
    Feld netto, halbTeil, freibetrag;
    Feld r[5];  // sale-gain results; the fourth is extraordinary, the fifth at half the rate
};
constexpr GewinnFelder GewerbeEr{
    Feld::GewEinkNettoEr,
    Feld::GSE1_EinkHalbTeilEr,
    Feld::VG55DMFbEr,
    {Feld::GewVeraeussR1Er, Feld::GewVeraeussR2Er, Feld::GewVeraeussR3Er, Feld::GewVeraeussR4Er,
     Feld::GewVeraeussR5Er}};
constexpr GewinnFelder GewerbeSie{
    Feld::GewEinkNettoSie,
    Feld::GSE1_EinkHalbTeilSie,
    Feld::VG55DMFbSie,
    {Feld::GewVeraeussR1Sie, Feld::GewVeraeussR2Sie, Feld::GewVeraeussR3Sie, Feld::GewVeraeussR4Sie,
     Feld::GewVeraeussR5Sie}};
constexpr GewinnFelder SelbstEr{
    Feld::SelbEinkNettoEr,
    Feld::GSE2_EinkHalbTeilEr,
    Feld::VG55LjDmFbEr,
    {Feld::SelbVeraeussR1Er, Feld::SelbVeraeussR2Er, Feld::SelbVeraeussR3Er, Feld::SelbVeraeussR4Er,
     Feld::SelbVeraeussR5Er}};
constexpr GewinnFelder SelbstSie{
    Feld::SelbEinkNettoSie,
    Feld::GSE2_EinkHalbTeilSie,
    Feld::VG55LjDmFbSie,
    {Feld::SelbVeraeussR1Sie, Feld::SelbVeraeussR2Sie, Feld::SelbVeraeussR3Sie,
     Feld::SelbVeraeussR4Sie, Feld::SelbVeraeussR5Sie}};

// One row of the business or self-employment table of CalcInput.
struct GewinnTabelle {
    double &halbTeil, &netto, &r1, &r2, &r3, &freibetrag;
};

void GewinnTabelleFuellen(const CaseRecord& r, const GewinnFelder& f, GewinnTabelle t) {
    t.halbTeil = r.Dbl(f.halbTeil);
    t.netto = r.Dbl(f.netto);
    t.r1 = r.Dbl(f.r[0]);
    t.r2 = r.Dbl(f.r[1]);
    t.r3 = r.Dbl(f.r[2]);
    t.freibetrag = r.Dbl(f.freibetrag);
}

bool GewinnWerte(const CaseRecord& r, const GewinnFelder& f) {
    bool wert = IstNichtNull(r.Dbl(f.netto)) || IstNichtNull(r.Dbl(f.halbTeil));
    for (Feld x : f.r) wert = wert || IstNichtNull(r.Dbl(x));
    return wert;
}

// Business and self-employment income; true when any of their values is not zero.
bool Gewinne(const CaseRecord& r, CalcInput& e, int p) {
    const GewinnFelder& g = p == Er ? GewerbeEr : GewerbeSie;
    const Feld messbetrag = p == Er ? Feld::GewStMessbEr : Feld::GewStMessbSie;
    e.GewHalbAnteil(p) = AbrundenDM(r.Dbl(g.halbTeil) / 2);
    e.GewIn(p) = r.Dbl(g.netto) + e.GewHalbAnteil(p);
    e.GewStMess(p) = r.Dbl(messbetrag);
    e.GewAo(p) = r.Dbl(g.r[3]);
    e.GewVeraeuss(p) = r.Dbl(g.r[4]);

    const GewinnFelder& s = p == Er ? SelbstEr : SelbstSie;
    e.SelbHalbAnteil(p) = AbrundenDM(r.Dbl(s.halbTeil) / 2);
    e.SelbIn(p) = r.Dbl(s.netto) + e.SelbHalbAnteil(p);
    e.SelbAo(p) = r.Dbl(s.r[3]);
    e.SelbVeraeuss(p) = r.Dbl(s.r[4]);

    GewinnTabelleFuellen(r, g,
                         {e.GewEinkHalbTeil(p), e.GewEinkNetto(p), e.GewVeraeussR1(p),
                          e.GewVeraeussR2(p), e.GewVeraeussR3(p), e.VG55DMFb(p)});
    GewinnTabelleFuellen(r, s,
                         {e.SelbEinkHalbTeil(p), e.SelbEinkNetto(p), e.SelbVeraeussR1(p),
                          e.SelbVeraeussR2(p), e.SelbVeraeussR3(p), e.VG55LjDmFb(p)});
    return GewinnWerte(r, g) || GewinnWerte(r, s) || IstNichtNull(e.GewStMess(p));
}

void Vermietung(CaseRecord& r, CalcInput& e) {
    for (int i = 1; i <= 4; ++i) {
        const double er = r.Dbl(Feld::ObjSummeEr, i);
        const double sie = e.FlagZusammen ? r.Dbl(Feld::ObjSummeSie, i) : 0;
        e.VuVInEr += er;
        e.VuVInSie += sie;
        r.SetzeBool(Feld::AnlVFlag, IstNichtNull(er) || IstNichtNull(sie), i);
    }
}

// The summary rows of the capital page of one person: entered and
// taken-into-account amounts, without and under the half-income method.
void KapitalTabelle(const CaseRecord& r, CalcInput& e, int p) {
    auto d = [&](Feld x) { return r.Dbl(x); };
    const bool er = p == Er;
    e.SuNichtHalb1(p) = d(er ? Feld::SuNichtHalb11 : Feld::SuNichtHalb12);
    e.SuNichtHalb2(p) = d(er ? Feld::SuNichtHalb21 : Feld::SuNichtHalb22);
    e.SuNichtHalb3(p) = d(er ? Feld::SuNichtHalb31 : Feld::SuNichtHalb32);
    e.SuNichtHalb4(p) = d(er ? Feld::SuNichtHalb41 : Feld::SuNichtHalb42);
    e.SuHalb1(p) = d(er ? Feld::SuHalb11 : Feld::SuHalb12);
    e.SuHalb2(p) = d(er ? Feld::SuHalb21 : Feld::SuHalb22);
    e.SuHalb3(p) = d(er ? Feld::SuHalb31 : Feld::SuHalb32);
    e.SuHalb4(p) = d(er ? Feld::SuHalb41 : Feld::SuHalb42);
    e.SuEinVoll(p) = d(er ? Feld::SuEinVollEr : Feld::SuEinVollSie);
    e.SuEinHalb(p) = d(er ? Feld::SuEinHalbEr : Feld::SuEinHalbSie);
    e.SuWkVoll(p) = d(er ? Feld::SuWkVollEr : Feld::SuWkVollSie);
    e.SuWkHalb(p) = d(er ? Feld::SuWkHalbEr : Feld::SuWkHalbSie);
}

// The foreign capital receipts of one person as they count (the dividends
// under the half-income method by half), their expenses and the foreign taxes
// on them, for the credit or deduction of §34c EStG.
void AuslaendischeKapitalertraege(const CaseRecord& r, CalcInput& e, int p) {
    auto d = [&](Feld x) { return r.Dbl(x); };
    const bool er = p == Er;
    const double voll = d(er ? Feld::AuslInvEr : Feld::AuslInvSie) +
                        d(er ? Feld::AuslZinsEr : Feld::AuslZinsSie) +
                        d(er ? Feld::BeteilZ2Er : Feld::BeteilZ2Sie);
    const double halb =
        d(er ? Feld::AuslDivEr : Feld::AuslDivSie) + d(er ? Feld::BeteilZ5Er : Feld::BeteilZ5Sie);
    e.AuslEinn(p) = voll + AbrundenDM(halb * 0.5);
    e.AuslWk(p) =
        d(er ? Feld::WKZ4Er : Feld::WKZ4Sie) + AufrundenDM(d(er ? Feld::WKZ3Er : Feld::WKZ3Sie) * 0.5);
    e.AuslSteuer(p) = d(er ? Feld::WKZ5Er : Feld::WKZ5Sie);
}

void Kapital(CaseRecord& r, CalcInput& e) {
    auto d = [&](Feld x) { return r.Dbl(x); };
    KapitalTabelle(r, e, Er);
    if (e.FlagZusammen) KapitalTabelle(r, e, Sie);
    e.KapInEr = d(Feld::SuEinVollEr) + d(Feld::SuEinHalbEr);
    e.WkKapInEr = d(Feld::SuWkVollEr) + d(Feld::SuWkHalbEr);
    if (e.FlagZusammen) {
        e.KapInSie = d(Feld::SuEinVollSie) + d(Feld::SuEinHalbSie);
        e.WkKapInSie = d(Feld::SuWkVollSie) + d(Feld::SuWkHalbSie);
    }
    AuslaendischeKapitalertraege(r, e, Er);
    if (e.FlagZusammen) AuslaendischeKapitalertraege(r, e, Sie);
    e.AuslSteuerWahl = std::clamp<int32_t>(r.Int(Feld::AuslStWahl), 0, 2);
    e.KapEStAnrechIn = d(Feld::SummeAnrechKapErtSt);
    e.KStAnrechIn = d(Feld::SummeAnrechKoerpSt);
    e.KStVerguetIn = d(Feld::SummeVergKoerpSt);
    e.SoliKapEStIn = d(Feld::SummeAnrechSoli);
    const bool anlage =
        IstNichtNull(e.KapInEr) || IstNichtNull(e.WkKapInEr) || IstNichtNull(e.KapInSie) ||
        IstNichtNull(e.WkKapInSie) ||
        IstNichtNull(e.KapEStAnrechIn + e.KStAnrechIn + e.KStVerguetIn + e.SoliKapEStIn);
    r.SetzeBool(Feld::AnlKapFlag, anlage);
}

// Annuities and other income; true when any of their values is positive.
bool RentenUndSonstige(const CaseRecord& r, CalcInput& e, int p) {
    auto d = [&](Feld x) { return r.Dbl(x); };
    constexpr Feld stpfl[] = {Feld::StpflZahlung1, Feld::StpflZahlung2, Feld::StpflZahlung3,
                              Feld::StpflZahlung4};
    constexpr Feld nach[] = {Feld::StpflNachzahlung1, Feld::StpflNachzahlung2,
                             Feld::StpflNachzahlung3, Feld::StpflNachzahlung4};
    constexpr Feld wk[] = {Feld::WerbKoste1, Feld::WerbKoste2, Feld::WerbKoste3, Feld::WerbKoste4};
    bool positiv = false;
    double teile = 0, mehrj = 0, werbk = 0;
    for (int a = 2 * p; a < 2 * p + 2; ++a) {
        teile += d(stpfl[a]);
        mehrj += d(nach[a]);
        werbk += d(wk[a]);
        positiv = positiv || IstPositiv(d(stpfl[a])) || IstPositiv(d(nach[a]));
    }
    constexpr Feld zahlung[] = {Feld::Zahlung1, Feld::Zahlung2, Feld::Zahlung3, Feld::Zahlung4};
    constexpr Feld rech[] = {Feld::ErtAnteilRech1, Feld::ErtAnteilRech2, Feld::ErtAnteilRech3,
                             Feld::ErtAnteilRech4};
    constexpr Feld bek[] = {Feld::ErtAntBek1, Feld::ErtAntBek2, Feld::ErtAntBek3,
                            Feld::ErtAntBek4};
    for (int j = 0; j < 2; ++j) {
        const int a = 2 * p + j;
        e.LeibrenteZahlung(p)[j] = d(zahlung[a]);
        e.LeibrenteProzent(p)[j] = ZahlZuGanzzahl(d(rech[a]) + d(bek[a]));
        e.LeibrenteStpfl(p)[j] = d(stpfl[a]);
    }
    const double weitere = d(p == Er ? Feld::WeitereErtragDm2 : Feld::WeitereErtragDm4);
    e.RenteWeitere(p) = weitere;
    e.RenteIn(p) = weitere + teile + mehrj;
    e.RenteMehrj(p) = mehrj;
    e.WkRenteIn(p) = werbk;

    if (p == Er) {
        e.BezuegeInEr = d(Feld::WbEinAusDMStp) + d(Feld::WbUnterStp);
        e.WkBezuegeInEr = d(Feld::WbWerbkStp);
        e.LeistungenInEr = d(Feld::LeistErgEr);
        e.AbgeordnetenInEr = d(Feld::AbgEinEr);
        e.AbgeordnetenMehrjEr = d(Feld::AbgMjEr);
        e.PrivVeraeussInEr = d(Feld::SpekErgEr);
    } else {
        e.BezuegeInSie = d(Feld::WbEinAusDMEhe) + d(Feld::WbUnterEhe);
        e.WkBezuegeInSie = d(Feld::WbWerbkEhe);
        e.LeistungenInSie = d(Feld::LeistErgSie);
        e.AbgeordnetenInSie = d(Feld::AbgEinSie);
        e.AbgeordnetenMehrjSie = d(Feld::AbgMjSie);
        e.PrivVeraeussInSie = d(Feld::SpekErgSie);
    }
    const Feld teil = p == Er ? Feld::SpekTeilErgEr : Feld::SpekTeilErgSie;
    for (int k = 0; k < 7; ++k) e.SpekTeilErg(p)[k] = r.Dbl(teil, k + 1);
    e.SpekHalbAnteil(p) =
        AbrundenDM(e.SpekTeilErg(p)[2] / 2) + AbrundenDM(e.SpekTeilErg(p)[5] / 2);
    for (double x : {weitere, e.WkRenteIn(p), e.BezuegeIn(p), e.WkBezuegeIn(p), e.LeistungenIn(p),
                     e.AbgeordnetenIn(p), e.AbgeordnetenMehrj(p), e.PrivVeraeussIn(p)})
        positiv = positiv || IstPositiv(x);
    return positiv;
}

void LandUndAusland(const CaseRecord& r, CalcInput& e, int p) {
    auto d = [&](Feld x) { return r.Dbl(x); };
    if (p == Er) {
        e.LuFInEr = d(Feld::LfdGewEr) + d(Feld::Gew14Er) + d(Feld::Gew14aEr);
        e.LuFErmKappeEr = d(Feld::SteuerAbzugEr);
        e.ProgWeitereEr = d(Feld::ZeitwAuslEkEr) + d(Feld::PosSumNichtDtEkStEr);
    } else {
        e.LuFInSie = d(Feld::LfdGewSie) + d(Feld::Gew14Sie) + d(Feld::Gew14aSie);
        e.LuFErmKappeSie = d(Feld::SteuerAbzugSie);
        e.ProgWeitereSie = d(Feld::ZeitwAuslEkSie) + d(Feld::PosSumNichtDtEkStSie);
    }
}

void Sonderausgaben(const CaseRecord& r, CalcInput& e) {
    auto d = [&](Feld x) { return r.Dbl(x); };
    e.VorsorgeIn = d(Feld::VorsorgeSumme);
    e.PflegeVersEr = d(Feld::ZusPflegeStpfl);
    if (e.FlagZusammen) e.PflegeVersSie = d(Feld::ZusPflegeEheg);
    e.RentenLastenIn = d(Feld::ReErtragAnteilDM) + d(Feld::DlGezahlt) + d(Feld::UntAbziehbar);
    e.KiStGezahltIn = d(Feld::KiAlsSa);
    e.SteuerZinsenIn = 0;
    e.HausBeschIn = d(Feld::HausSaAnsatz);
    e.SteuerberatungIn = d(Feld::StBerDmAusListe);
    e.AusbildungSaIn = d(Feld::AusAlsSa);
    e.SchulgeldIn = d(Feld::SchulgeldSumme);
    e.SpendenIn1 = d(Feld::KirchErg);
    e.SpendenIn2 = d(Feld::WissenErg);
    e.ParteiSpendenIn = d(Feld::ParteienErg);
    e.WaehlerSpendenIn = d(Feld::WaehlerErg);
    e.StiftungSpendenIn = d(Feld::StiftSpendenErg);
    e.StiftungStockIn = d(Feld::StiftStockErg);
    e.VerlustabzugIn = d(Feld::VerlustAbStpfl) + (e.FlagZusammen ? d(Feld::VerlustAbEheg) : 0);
    e.VerlustGleicheArtIn =
        d(Feld::VerlustGleichStpfl) + (e.FlagZusammen ? d(Feld::VerlustGleichEheg) : 0);
}

// The home's amounts as its pages compute them, after the date conditions of
// §§ 10e, 10i and 34f EStG.
void Wohneigentum(CaseRecord& r, CalcInput& e) {
    const WohneigentumBetraege w = WohneigentumWerte(r);
    e.WohnDatum1.Setzen(w.datum1);
    e.WohnDatum2.Setzen(w.datum2);
    e.WohnAbzug = w.abzug;
    e.WohnAbzug2 = w.abzug2;
    e.WohnAbzug3 = w.abzug3;
    e.WohnAbzug4 = w.abzug4;
    e.WohnVorkosten = w.vorkosten;
    e.AnzahlKinderBaukg = w.kinder;
    r.SetzeBool(Feld::AnlFWFlag, IstPositiv(e.WohnAbzug + e.WohnAbzug2 + e.WohnAbzug3 +
                                            e.WohnAbzug4 + e.WohnVorkosten));
}

void Belastungen(const CaseRecord& r, CalcInput& e) {
    auto d = [&](Feld x) { return r.Dbl(x); };
    // the totals the disability and survivors' computations stored when the
    // page computations ran at the start of the fill
    e.BehindertenPauschIn = d(Feld::BehPauschInsg);
    e.HinterblPauschIn = d(Feld::HiPauschbetragInsg);
    e.HaushaltshilfePflegeIn = d(Feld::AbMoegl) + d(Feld::HeimAb) + d(Feld::ABHPfleg_AbzugDM);
    for (int i = 1; i <= AnzahlKinderSeite; ++i)
        if (UeberTausendstel(r.Dbl(Feld::KindKiFbJahr, i)))
            e.AusbildungsFbIn += r.Dbl(Feld::AusbildFreibetrag, i);
    e.AgbAndereIn = d(Feld::Saldo);
    for (int i = 1; i <= 3; ++i) e.UnterhaltIn += r.Dbl(Feld::ErgAnsetzbar, i);
}

void SteuernGezahlt(const CaseRecord& r, CalcInput& e, int p) {
    auto d = [&](Feld x) { return r.Dbl(x); };
    const bool er = p == Er;
    e.LSt(p) = d(er ? Feld::LstEr : Feld::LstSie);
    e.KiStLohn(p) = d(er ? Feld::KistEr : Feld::KistSie);
    e.SoliLohn(p) = d(er ? Feld::SoliEr : Feld::SoliSie);
    e.EStVz(p) = d(er ? Feld::EStVzEr : Feld::EStVzSie);
    e.KiStVz(p) = d(er ? Feld::KistVzEr : Feld::KistVzSie);
    e.SoliVz(p) = d(er ? Feld::SolVzEr : Feld::SolVzSie);
}

// Tax-free 630-DM wages become taxable when the person has any other income.
void Lohn630(const CaseRecord& r, CalcInput& e, int p) {
    const double besch = r.Dbl(Person(p).besch630);
    const double andere =
        NichtNegativ(e.Lohn(p) + e.LohnMehrj(p) - param::ArbnPausch) + e.ProgLohn(p) +
        e.Abfindung(p) + e.GewIn(p) + e.GewAo(p) + e.GewVeraeuss(p) + e.SelbIn(p) + e.SelbAo(p) +
        e.SelbVeraeuss(p) + e.VuVIn(p) +
        NichtNegativ(e.KapIn(p) - param::SparerFb - param::WkKapPausch) + e.RenteIn(p) +
        e.RenteMehrj(p) + e.BezuegeIn(p) + e.PrivVeraeussIn(p) + e.LeistungenIn(p) +
        e.AbgeordnetenIn(p) + e.AbgeordnetenMehrj(p) + e.LuFIn(p) + e.ProgWeitere(p);
    e.LohnZusatz(p) = IstPositiv(besch) && andere > 0.1 ? besch : 0;
    if (IstPositiv(e.LohnZusatz(p))) {
        e.LohnVorwegKuerz(p) += e.LohnZusatz(p);
        e.LohnVorsPausch(p) += e.LohnZusatz(p);
        e.Lohn(p) += e.LohnZusatz(p);
    }
}

// The tax-free halves under the half-income procedure, from the tables of
// CalcInput: capital receipts less expenses, business and self-employment
// profits, their sale gains (the half-income parts R2 less the halves counted
// in the two extraordinary results, so the roundings of both halves are kept),
// and the two half-income kinds of private sales (securities, shares) when the
// sales are taxed at all.
double HalbeinkuenfteFrei(const CalcInput& e, int p) {
    const double kapital = (e.SuHalb1(p) - e.SuHalb3(p)) - (e.SuHalb2(p) - e.SuHalb4(p));
    const double gewerbe = e.GewEinkHalbTeil(p) - e.GewHalbAnteil(p) + e.GewVeraeussR1(p) +
                           e.GewVeraeussR2(p) - e.GewAo(p) - e.GewVeraeuss(p);
    const double selbst = e.SelbEinkHalbTeil(p) - e.SelbHalbAnteil(p) + e.SelbVeraeussR1(p) +
                          e.SelbVeraeussR2(p) - e.SelbAo(p) - e.SelbVeraeuss(p);
    double privat = 0;
    if (IstNichtNull(e.PrivVeraeussIn(p)))
        privat = e.SpekTeilErg(p)[2] + e.SpekTeilErg(p)[5] - e.SpekHalbAnteil(p);
    return kapital + gewerbe + selbst + privat;
}

void VollFuellen(CaseRecord& r, CalcInput& e) {
    SeitenberechnungenAusfuehren(r);

    Grunddaten(r, e);
    const int personen = e.FlagZusammen ? 2 : 1;
    Kinder(r, e);

    GeburtSetzen(e, Er, r.Int(Feld::StpflGebDat));
    GeburtSetzen(e, Sie, e.FlagZusammen ? r.Int(Feld::EhegGebDat) : -1);
    if (!e.FlagZusammen) e.GebJahrSie = 0;

    e.Bundesland = r.Int(Feld::BundeslandLb);
    KirchensteuerSetzen(r, e, Er, Feld::StpflReligionLB, Feld::StpflReligionVon,
                        Feld::StpflReligionBis, Feld::KiStMonateEr);
    if (e.FlagZusammen)
        KirchensteuerSetzen(r, e, Sie, Feld::EhegReligionLB, Feld::EhegReligionVon,
                            Feld::EhegReligionBis, Feld::KiStMonateSie);
    else
        r.SetzeInt(Feld::KiStMonateSie, 0);

    r.SetzeBool(Feld::AnlNFlagSie, false);
    bool gewinne = false, sonstige = false;
    for (int p = 0; p < personen; ++p) {
        Lohn(r, e, p);
        VorsorgeLohn(r, e, p);
        Werbungskosten(r, e, p);
        gewinne = Gewinne(r, e, p) || gewinne;
    }
    r.SetzeBool(Feld::AnlGSEFlag, gewinne);
    Vermietung(r, e);
    Kapital(r, e);
    for (int p = 0; p < personen; ++p) {
        sonstige = RentenUndSonstige(r, e, p) || sonstige;
        LandUndAusland(r, e, p);
        SteuernGezahlt(r, e, p);
    }
    r.SetzeBool(Feld::AnlSOFlag, sonstige);
    r.SetzeBool(Feld::AnlLuFFlag, IstNichtNull(e.LuFInEr + e.LuFInSie));

    Sonderausgaben(r, e);
    Wohneigentum(r, e);
    Belastungen(r, e);

    for (int p = 0; p < personen; ++p) {
        Lohn630(r, e, p);
        e.HalbeinkFrei += HalbeinkuenfteFrei(e, p);
    }
}

// --- quick variant ------------------------------------------------------------------------

struct KurzPerson {
    Feld geburt, monate, reVerPfl, brutto, versBez, verLeist, anSoVer, loErsatz, bruttoWk, loSt,
        loSoli, loKist, kapEink, kapWk, renten, rentenProz, rentenNach, rentenWk, wiederBez,
        wiederBezWk, gewGew, gewStMessb, selbTaet, vermiet, luf, ausl, vorESt, vorSoli, vorKiSt;
};
constexpr KurzPerson KurzEr{
    Feld::GebDatStpfl,  Feld::MonateRelEr,     Feld::ReVerPflEr,  Feld::BruttoEr,
    Feld::VersBezEr,    Feld::VerLeistEr,      Feld::ANSoVerEr,   Feld::LoErsatzEr,
    Feld::BruttoWkEr,   Feld::LoStEr,          Feld::LoSoliEr,    Feld::LoKistEr,
    Feld::KapEinkEr,    Feld::KapWkEr,         Feld::RentenEr,    Feld::RentenProzEr,
    Feld::RentenNachEr, Feld::RentenWkEr,      Feld::WiederBezEr, Feld::WiederBezWkEr,
    Feld::GewGewEr,     Feld::GewGewStMessbEr, Feld::SelbTaetEr,  Feld::VermietEr,
    Feld::LufEr,        Feld::AuslEr,          Feld::VorEkStEr,   Feld::VorSoliEr,
    Feld::VorKiStEr};
constexpr KurzPerson KurzSie{
    Feld::GebDatEheg,    Feld::MonateRelSie,     Feld::ReVerPflSie,  Feld::BruttoSie,
    Feld::VersBezSie,    Feld::VerLeistSie,      Feld::ANSoVerSie,   Feld::LoErsatzSie,
    Feld::BruttoWkSie,   Feld::LoStSie,          Feld::LoSoliSie,    Feld::LoKistSie,
    Feld::KapEinkSie,    Feld::KapWkSie,         Feld::RentenSie,    Feld::RentenProzSie,
    Feld::RentenNachSie, Feld::RentenWkSie,      Feld::WiederBezSie, Feld::WiederBezWkSie,
    Feld::GewGewSie,     Feld::GewGewStMessbSie, Feld::SelbTaetSie,  Feld::VermietSie,
    Feld::LufSie,        Feld::AuslSie,          Feld::VorEkStSie,   Feld::VorSoliSie,
    Feld::VorKiStSie};

void KurzPersonFuellen(const CaseRecord& r, CalcInput& e, int p) {
    const KurzPerson& f = p == Er ? KurzEr : KurzSie;
    auto d = [&](Feld x) { return r.Dbl(x); };
    GeburtSetzen(e, p, r.Int(f.geburt));
    e.KiStMonate(p) = r.Int(f.monate);
    e.KiStAustritt(p) = 0;
    e.Konf(p) = e.KiStMonate(p) <= 0 ? 9 : 7;

    e.Lohn(p) = d(f.brutto);
    e.VersBezIn(p) = d(f.versBez);
    e.ProgEink(p) = d(f.loErsatz);
    e.WerbKost(p) = d(f.bruttoWk);
    e.VlBausparen(p) = MinWert(936, d(f.verLeist));
    e.GewIn(p) = d(f.gewGew);
    e.GewStMess(p) = d(f.gewStMessb);
    e.SelbIn(p) = d(f.selbTaet);
    e.VuVIn(p) = d(f.vermiet);
    e.KapIn(p) = d(f.kapEink);
    e.WkKapIn(p) = d(f.kapWk);
    const double stpflTeil = r.Int(f.rentenProz) / 100.0 * d(f.renten);
    e.LeibrenteProzent(p)[0] = r.Int(f.rentenProz);
    e.LeibrenteZahlung(p)[0] = d(f.renten);
    e.LeibrenteStpfl(p)[0] = stpflTeil;
    e.RenteMehrj(p) = d(f.rentenNach);
    e.RenteIn(p) = stpflTeil + d(f.rentenNach);
    e.WkRenteIn(p) = d(f.rentenWk);
    e.BezuegeIn(p) = d(f.wiederBez);
    e.WkBezuegeIn(p) = d(f.wiederBezWk);
    e.LuFIn(p) = d(f.luf);
    e.ProgWeitere(p) = d(f.ausl);

    const double brutto = d(f.brutto), vers = d(f.versBez);
    e.Ungekuerzt(p) = r.Int(f.reVerPfl) == 0 ? 1 : 0;
    e.LohnVorwegKuerz(p) = NichtNegativ(brutto - vers);
    const double versFb = MinWert(param::VersFbMax, 0.4 * vers);
    double altEntl = 0;
    if (e.GebJahr(p) < param::Stichjahr)
        altEntl = MinWert(param::AltEntlMax, 0.4 * NichtNegativ(brutto - vers));
    e.LohnVorsPausch(p) = NichtNegativ(brutto - versFb - altEntl);

    e.LSt(p) = d(f.loSt);
    e.KiStLohn(p) = d(f.loKist);
    e.SoliLohn(p) = d(f.loSoli);
    e.EStVz(p) = d(f.vorESt);
    e.KiStVz(p) = d(f.vorKiSt);
    e.SoliVz(p) = d(f.vorSoli);
}

void KurzFuellen(const CaseRecord& r, CalcInput& e) {
    auto d = [&](Feld x) { return r.Dbl(x); };
    const int32_t stand = r.Int(Feld::Kurz_FamilienstandLB);
    e.FlagZusammen = stand == 1;
    e.FlagEinzel = !e.FlagZusammen;
    e.FlagWitwenSplitting = stand == 2;
    e.Bundesland = r.Int(Feld::BundeslandLB);
    e.GebJahrSie = 0;

    constexpr Feld kiFb[] = {Feld::KiFb1, Feld::KiFb2, Feld::KiFb3,
                             Feld::KiFb4, Feld::KiFb5, Feld::KiFb6};
    constexpr Feld moKiFb[] = {Feld::MoKiFb1, Feld::MoKiFb2, Feld::MoKiFb3,
                               Feld::MoKiFb4, Feld::MoKiFb5, Feld::MoKiFb6};
    constexpr Feld moBetrFb[] = {Feld::MoBetrFb1, Feld::MoBetrFb2, Feld::MoBetrFb3,
                                 Feld::MoBetrFb4, Feld::MoBetrFb5, Feld::MoBetrFb6};
    constexpr Feld kiGeld[] = {Feld::KiGeld1, Feld::KiGeld2, Feld::KiGeld3,
                               Feld::KiGeld4, Feld::KiGeld5, Feld::KiGeld6};
    constexpr Feld kiImHH[] = {Feld::KiImHH1, Feld::KiImHH2, Feld::KiImHH3,
                               Feld::KiImHH4, Feld::KiImHH5, Feld::KiImHH6};
    for (int i = 0; i < AnzahlKinderSeite; ++i) {
        KindSatz& k = e.KindSaetze[i];
        k.Element = static_cast<uint8_t>(i + 1);
        const double geld = d(kiGeld[i]);
        e.KindergeldSumme += geld;
        k.Kindergeld = geld;
        // choice 1 = "0,5", 2 = "1,0" (halves of the allowance); months 0..12
        const int32_t fb = std::clamp<int32_t>(r.Int(kiFb[i]), 0, 2);
        if (fb <= 0) continue;
        ++e.AnzahlKinder;
        if (r.Bool(kiImHH[i])) ++e.AnzahlKinderHhFb;
        const int32_t moBetr = std::clamp<int32_t>(r.Int(moBetrFb[i]), 0, 12);
        const int32_t moKi = std::clamp<int32_t>(r.Int(moKiFb[i]), 0, 12);
        k.Schluessel = TagesNummer(1990 + i + 1, 1, 1);
        k.KinderFb = fb * moKi * param::KinderFbMonatHalb;
        k.KinderFbJahr = fb * 12 * param::KinderFbMonatHalb;
        k.BetreuungsFb = fb * moBetr * param::BetreuungsFbMonatHalb;
        k.BetreuungsFbJahr = moBetr < 1 ? 0 : fb * 12 * param::BetreuungsFbMonatHalb;
    }
    e.AnzahlKinderBaukg = e.AnzahlKinderHhFb;
    KindSaetzeOrdnen(e);

    KurzPersonFuellen(r, e, Er);
    if (e.FlagZusammen) KurzPersonFuellen(r, e, Sie);
    e.KapEStAnrechIn = d(Feld::KapAnzuKapErtrag);
    e.KStAnrechIn = d(Feld::KapAnzuKoest);
    e.KStVerguetIn = d(Feld::VergKoest);
    e.SoliKapEStIn = d(Feld::KapAnzuSolidar);

    e.VorsorgeIn =
        d(Feld::ANSoVerEr) + d(Feld::SaKLUV) + (e.FlagZusammen ? d(Feld::ANSoVerSie) : 0);
    e.RentenLastenIn = d(Feld::SaLeib) + d(Feld::SaULeist);
    e.KiStGezahltIn = d(Feld::SaKist);
    e.HausBeschIn = MinWert(param::HausBeschHoechst, d(Feld::SaHauswBesch));
    e.SteuerberatungIn = d(Feld::SaSteuerberat);
    e.AusbildungSaIn = d(Feld::SaAusbild);
    e.SpendenIn1 = d(Feld::SaSpGemein);
    e.SpendenIn2 = d(Feld::SaSpWissKult);
    e.ParteiSpendenIn = d(Feld::SaSpPol);
    e.WaehlerSpendenIn = d(Feld::SaSpUnabh);
    e.StiftungSpendenIn = d(Feld::SaSpStift);
    e.StiftungStockIn = d(Feld::SaSpStiftStock);
    const int32_t datum = r.Int(Feld::Sa10eDat);
    if (datum > -1) {
        e.WohnDatum1.Setzen(DatumText(datum));
        e.WohnDatum2.Setzen(DatumText(datum));
    }
    e.WohnAbzug4 = d(Feld::Sa10e);
    if (e.WohnAbzug4 > 0.01) e.WohnAbzug = 0.001;  // marks that a deduction was entered
    e.BehindertenPauschIn = d(Feld::AbBehinderte);
    e.HinterblPauschIn = d(Feld::AbHinterbl);
    e.HaushaltshilfePflegeIn = d(Feld::AbHaushilfe);
    e.AusbildungsFbIn = d(Feld::AbAusBildFb);
    e.AgbAndereIn = d(Feld::AbSonstige) + d(Feld::AbKrank);
    e.UnterhaltIn = d(Feld::AbBedPers);
}

}  // namespace

void DeklarationFuellen(CaseRecord& r, CalcInput& e, bool kurz) {
    e = CalcInput{};
    if (kurz)
        KurzFuellen(r, e);
    else
        VollFuellen(r, e);
}

void DeklarationFuellen(CaseRecord& r, CalcInput& e, CalcResult& res, bool kurz) {
    DeklarationFuellen(r, e, kurz);
    ParameterSetzen(e, res);
    for (double& d : res.WhatIfDelta) d = 0;
}

double HalbeinkuenfteFreiPerson(const CalcInput& e, int person) {
    return HalbeinkuenfteFrei(e, person);
}

}  // namespace quarnel
