// The church-tax step of the church-tax pass: liability by state and religion,
// shares of the spouses, proration by months, Kirchgeld and Kappung.
#include <optional>
#include <string>
#include <vector>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/durchgang.h"
#include "calc/erklaerung.h"
#include "calc/parameter.h"
#include "calc/rechenregeln.h"

namespace quarnel {
namespace {

constexpr int AnzahlLaender = 16;
bool GueltigesLand(int land) {
    return land >= 0 && land < AnzahlLaender;
}

// Kappung rate by state (0: no capping).
double KappungsSatz(int land) {
    static_assert(param::KiStKappungSatz.size() == AnzahlLaender);
    return GueltigesLand(land) ? param::KiStKappungSatz[land] : 0;
}

struct KirchgeldStufe {
    double ab;
    double betrag;
};
constexpr KirchgeldStufe KirchgeldAllgemein[] = {
    {54001, 216},   {65000, 360},   {80000, 480},   {100000, 660},  {150000, 1200},
    {200000, 1800}, {250000, 2400}, {300000, 2820}, {350000, 3240}, {400000, 4500}};
constexpr KirchgeldStufe KirchgeldBerlinBrandenburg[] = {
    {54001, 216},   {65000, 300},   {80000, 396},   {100000, 552},  {150000, 996},
    {200000, 1512}, {250000, 2100}, {300000, 2760}, {350000, 3492}, {400000, 3996}};
constexpr KirchgeldStufe KirchgeldNrwSaar[] = {
    {60000, 180},   {75000, 300},   {100000, 540},  {125000, 780},  {150000, 1080},
    {175000, 1380}, {200000, 1680}, {250000, 2400}, {300000, 3120}, {350000, 3720},
    {400000, 4440}, {500000, 5880}, {600000, 7200}};

template <std::size_t N>
double Stufenbetrag(const KirchgeldStufe (&tabelle)[N], double y) {
    double betrag = 0;
    for (const auto& s : tabelle)
        if (y >= s.ab) betrag = s.betrag;
    return betrag;
}

struct Kontext {
    int land;
    double satz;
    double zvE;
};

// Kappung for m months, church tax t and taxable income z: the cap when reached, else 0.
double Kappung(const Kontext& k, double monate, double t, double z) {
    return KirchensteuerKappung(z, monate, KappungsSatz(k.land), t);
}

double Kirchgeld(const Kontext& k, int monate) {
    const bool hessen = k.land == 6;
    const double y = (monate < 12 && !hessen) ? k.zvE / 12 * monate : k.zvE;
    const double betrag = KirchgeldBetrag(k.land, y);
    if (hessen && monate < 12) return CentAb(monate * betrag / 12);
    return betrag;
}

double Anteilig(double jahresbetrag, int monate) {
    return monate < 12 ? QUARNEL_RUNDEN("KiStAnteilig", jahresbetrag / 12 * monate) : jahresbetrag;
}

// The taxpayer's share of the church tax of a couple: by the incomes in Bayern,
// by their tariff tax elsewhere.
double AnteilEr(double summeEr, double summeSie, bool bayern) {
    const double pe = bayern ? summeEr : Tarif(summeEr);
    const double ps = bayern ? summeSie : Tarif(summeSie);
    return Stutzen(7, Quotient(pe + ps, pe));
}

// The steps of the church tax of each spouse.
class KiStSpur {
  public:
    KiStSpur(Erklaerung& spur, const CalcInput& e, const CalcResult& r, double satz)
        : spur_(spur), e_(e), r_(r), satz_(satz) {}
    void Keine(int p) {
        spur_.Schritt("KiStKeine", PersonName("KiStFest", p), 0,
                      {Ein(PersonName("Konf", p), e_.Konf(p), 0)});
    }
    // the tax of a year on `basis` and the share of its months
    void Jahr(int p, const Wertangabe& basis, double jahr, double fest, int monate) {
        spur_.Schritt("KiStJahrEr", PersonName("KiStJahr", p), jahr,
                      {basis, Par("ParamKiStSatz", satz_)});
        if (monate < 12)
            spur_.Schritt(
                "KiStAnteilig", PersonName("KiStFest", p), fest,
                {Erg(PersonName("KiStJahr", p), jahr), Par("ParamMonateJahr", param::MonateJahr[0]),
                 Ein(PersonName("KiStMonate", p), monate)});
        else
            spur_.Schritt("KiStVolljahr", PersonName("KiStFest", p), fest,
                          {Erg(PersonName("KiStJahr", p), jahr)});
    }
    // the taxpayer's share and the wife's
    void Anteile(double anteil, int land) {
        // the state decides the key: Bayern (1) by the incomes
        spur_.Schritt("KiStAnteil", "KiStAnteilEr", anteil,
                      {Erg("SummeEkEr", r_.SummeEkEr), Erg("SummeEkSie", r_.SummeEkSie),
                       Ein("Bundesland", land, 0)});
        spur_.Schritt("KiStAnteilSie", "KiStAnteilSie", 1 - anteil, {Erg("KiStAnteilEr", anteil)});
    }
    Erklaerung& spur_;
    const CalcInput& e_;
    const CalcResult& r_;
    double satz_;
};

}  // namespace

double KirchensteuerAnteilEr(double summeEr, double summeSie, bool bayern) {
    return AnteilEr(summeEr, summeSie, bayern);
}

namespace {

// The Kirchgeld of `monate` months by the state's table, step by step; the
// name of the last step.
std::string KirchgeldStufeErklaeren(Erklaerung& spur, const Kontext& k, const Wertangabe& monate) {
    const int m = static_cast<int>(monate.wert);
    const bool hessen = k.land == 6;
    Wertangabe einkommen = Erg("ZvE", k.zvE);
    if (m < 12 && !hessen) {
        const double y = k.zvE / 12 * m;
        spur.Schritt("KirchgeldEinkommen", "KirchgeldEinkommen", y,
                     {einkommen, Par("ParamMonateJahr", param::MonateJahr[0]), monate});
        einkommen = Erg("KirchgeldEinkommen", y);
    }
    const double betrag = KirchgeldBetrag(k.land, einkommen.wert);
    spur.Schritt("KirchgeldStufe", "KirchgeldStufe", betrag,
                 {einkommen, Ein("Bundesland", k.land, 0)});
    if (!hessen || m >= 12) return "KirchgeldStufe";
    spur.Schritt(
        "KirchgeldAnteilig", "KirchgeldAnteilig", Kirchgeld(k, m),
        {Erg("KirchgeldStufe", betrag), Par("ParamMonateJahr", param::MonateJahr[0]), monate});
    return "KirchgeldAnteilig";
}

// One part of the Kappung: the taxable income z of m months, the tax t.
void KappungErklaeren(Erklaerung& spur, const Kontext& k, std::string ergebnis, const Wertangabe& z,
                      const Wertangabe& m, const Wertangabe& t) {
    spur.Schritt("KiStKappungTeil", std::move(ergebnis),
                 KirchensteuerKappung(z.wert, m.wert, KappungsSatz(k.land), t.wert),
                 {{z.name, z.wert, 0, z.herkunft, z.quelle},
                  {m.name, m.wert, 0, m.herkunft, m.quelle},
                  Par("ParamKiStKappungSatz", KappungsSatz(k.land)),
                  {t.name, t.wert, 0, t.herkunft, t.quelle}});
}

// The taxable income in the ratio of the incomes of the liable spouse l.
Wertangabe KappungEinkommenErklaeren(Erklaerung& spur, const CalcResult& r, int l) {
    const double summe[2] = {r.SummeEkEr, r.SummeEkSie};
    const double z = r.ZvE * Quotient(r.SummeEkEr + r.SummeEkSie, summe[l]);
    spur.Schritt("KappungEinkommen", "KappungEinkommen", z,
                 {Erg("ZvE", r.ZvE, 0), Erg(PersonName("SummeEk", l), summe[l], 0),
                  Erg(PersonName("SummeEk", 1 - l), summe[1 - l], 0)});
    return Erg("KappungEinkommen", z);
}

// The Kirchgeld, the comparison and the Kappung as the church-tax pass
// computed them, recomputed from its inputs by the same rules.
[[gnu::noinline, gnu::cold]] void KirchgeldKappungErklaeren(Erklaerung& spur, const CalcInput& e,
                                                            const CalcResult& r, const Kontext& k,
                                                            const bool pflichtig[2],
                                                            const int monate[2]) {
    const bool zusammen = e.FlagZusammen == 1;
    bool kappung = false, kirchgeld = false;
    if (!zusammen) {
        if (!pflichtig[0]) return;
        KappungErklaeren(spur, k, "KiStKappung", Erg("ZvE", r.ZvE), Ein("KiStMonateEr", monate[0]),
                         Erg("KiStFestEr", r.KiStFestEr));
        kappung = true;
    } else if (pflichtig[0] && pflichtig[1]) {
        const int t = monate[0] < monate[1] ? monate[0] : monate[1];
        const int d = monate[0] > monate[1] ? monate[0] - monate[1] : monate[1] - monate[0];
        const int laenger = monate[0] >= monate[1] ? 0 : 1;
        const double u = r.KiStBasisAnteilEr;
        spur.Schritt("KiStGemeinsamBeide", "KiStGemeinsamBeide", 2 * u,
                     {Erg("KiStGemeinsam", u), Par("ParamFaktor", param::FaktorZusammen)});
        const double gemeinsam = 2 * u * k.satz;
        spur.Schritt("KiStGemeinsamSteuer", "KiStGemeinsamSteuer", gemeinsam,
                     {Erg("KiStGemeinsamBeide", 2 * u), Par("ParamKiStSatz", k.satz)});
        KappungErklaeren(spur, k, "KiStKappungGemeinsam", Erg("ZvE", r.ZvE),
                         Erg("KiStMonateGemeinsam", t), Erg("KiStGemeinsamSteuer", gemeinsam));
        std::vector<Wertangabe> teile = {Erg("KiStKappungGemeinsam", 0)};
        teile[0].wert = spur.Schritte().back().wert;
        if (d > 0) {
            const double p = AnteilEr(r.SummeEkEr, r.SummeEkSie, k.land == 1);
            const double v = QUARNEL_RUNDEN("KiStUeberhang", NichtNegativ(r.MassstabESt) / 12 * d);
            const double w = QUARNEL_RUNDEN("KiStUeberhangAnteil", v * (laenger == 0 ? p : 1 - p));
            const std::string ueberhang = PersonName("KiStUeberhang", laenger);
            spur.Schritt("KiStUeberhangSteuer", "KiStUeberhangSteuer", w * k.satz,
                         {Erg(ueberhang, w), Par("ParamKiStSatz", k.satz)});
            KappungErklaeren(spur, k, "KiStKappungUeberhang",
                             KappungEinkommenErklaeren(spur, r, laenger),
                             Erg("KiStMonateAllein", d), Erg("KiStUeberhangSteuer", w * k.satz));
            teile.push_back(Erg("KiStKappungUeberhang", spur.Schritte().back().wert));
        }
        spur.Schritt("KiStKappung", "KiStKappung", r.KiStKappung, std::move(teile));
        kappung = true;
        const Wertangabe stufe = Erg("KirchgeldStufe", Kirchgeld(k, d));
        if (stufe.wert > 0) {
            const std::string name = KirchgeldStufeErklaeren(spur, k, Erg("KiStMonateAllein", d));
            const double basis = CentAb(u * 2 * k.satz) + stufe.wert;
            spur.Schritt("KirchgeldVergleichBasis", "KirchgeldVergleichBasis", basis,
                         {Erg("KiStGemeinsamSteuer", gemeinsam), Erg(name, stufe.wert)});
            spur.Schritt("KirchgeldVergleichHoeher", "KirchgeldVergleich", r.KirchgeldVergleich,
                         {Erg("KirchgeldVergleichBasis", basis), Erg("KiStFestEr", r.KiStFestEr, 0),
                          Erg("KiStFestSie", r.KiStFestSie, 0)});
            spur.Schritt(
                "KirchgeldMitVergleich", "Kirchgeld", r.Kirchgeld,
                {Erg(name, stufe.wert), Erg("KirchgeldVergleich", r.KirchgeldVergleich, 0)});
            kirchgeld = true;
        }
    } else if (pflichtig[0] || pflichtig[1]) {
        // glaubensverschiedene Ehe
        const int l = pflichtig[0] ? 0 : 1;
        const double summe[2] = {r.SummeEkEr, r.SummeEkSie};
        const double grenze = r.ParamGrundfreibetrag;
        if (summe[l] >= grenze && summe[1 - l] < grenze) return;
        if (summe[l] < grenze && summe[1 - l] < grenze) return;
        const Wertangabe m = Ein(PersonName("KiStMonate", l), monate[l]);
        const std::string name = KirchgeldStufeErklaeren(spur, k, m);
        const Wertangabe betrag = Erg(name, Kirchgeld(k, monate[l]));
        if (summe[l] < grenze) {
            spur.Schritt("KirchgeldStattKiSt", "Kirchgeld", r.Kirchgeld,
                         {betrag, Erg(PersonName("SummeEk", l), summe[l], 0),
                          Erg(PersonName("SummeEk", 1 - l), summe[1 - l], 0),
                          Par("ParamGrundfreibetrag", grenze, 0)});
        } else {
            spur.Schritt("KirchgeldMindestens", "Kirchgeld", r.Kirchgeld,
                         {betrag, Erg(PersonName("KiStFest", l), r.KiStFest(l), 0)});
            KappungErklaeren(spur, k, "KiStKappung", KappungEinkommenErklaeren(spur, r, l), m,
                             Erg("KiStFestzusetzen", r.KiStFestzusetzen));
            kappung = true;
        }
        spur.Schritt("KirchgeldVergleich", "KirchgeldVergleich", r.KirchgeldVergleich,
                     {Erg("Kirchgeld", r.Kirchgeld)});
        kirchgeld = true;
    }
    if (kappung && kirchgeld && r.KiStKappung > 0 && r.Kirchgeld > 0)
        spur.Schritt("KiStKappungMitKirchgeld", "KiStKappungMitKirchgeld",
                     r.KiStKappung + r.Kirchgeld,
                     {Erg("KiStKappung", r.KiStKappung), Erg("Kirchgeld", r.Kirchgeld)});
}

}  // namespace

bool Kirchensteuerpflichtig(int konf, int land) {
    if (konf == 0 || konf == 1 || konf == 7) return true;
    switch (land) {
        case 0:
            return konf == 2 || konf == 4 || konf == 5;
        case 1:
            return konf == 2 || konf == 4;
        case 2:
        case 9:
            return konf == 2 || konf == 3;
        case 4:
            return konf == 4;
        case 6:
        case 10:
            return konf == 2 || konf == 3 || konf == 5;
        case 8:
        case 11:
            return konf == 2;
        default:
            return false;
    }
}

double KirchensteuerSatz(int land) {
    if (!GueltigesLand(land)) return 0;
    return land == 0 || land == 1 ? param::KiStSatz[0] : param::KiStSatz[1];
}

double KirchensteuerKappung(double zvE, double monate, double satz, double steuer) {
    const double kappe = QUARNEL_RUNDEN(
        "KiStKappungTeil", Stutzen(0, (zvE / param::MonateJahr[0] * monate) / 54) * 54 * satz);
    return steuer >= kappe ? kappe : 0;
}

double KirchgeldBetrag(int land, double y) {
    if (!GueltigesLand(land) || land == 1) return 0;
    if (land == 2 || land == 3) return Stufenbetrag(KirchgeldBerlinBrandenburg, y);
    if (land == 9 || land == 11) return Stufenbetrag(KirchgeldNrwSaar, y);
    return Stufenbetrag(KirchgeldAllgemein, y);
}

void Kirchensteuer(const CalcInput& e, CalcResult& r) {
    const int land = GueltigesLand(e.Bundesland) ? e.Bundesland : -1;
    const bool zusammen = e.FlagZusammen == 1;
    const bool pflichtig[2] = {Kirchensteuerpflichtig(e.KonfEr, land),
                               zusammen && Kirchensteuerpflichtig(e.KonfSie, land)};
    int monate[2];
    for (int p = 0; p < 2; ++p) {
        const int m = e.KiStMonate(p) < 0 ? 0 : e.KiStMonate(p) > 12 ? 12 : e.KiStMonate(p);
        monate[p] = pflichtig[p] ? m : 0;
    }
    const Kontext k{land, KirchensteuerSatz(land), r.ZvE};
    const double satz = k.satz;
    const double b = NichtNegativ(r.MassstabESt);

    double anteil[2] = {0, 0}, basis[2] = {0, 0}, jahr[2] = {0, 0}, fest[2] = {0, 0};
    double gesamt = 0, kirchgeld = 0, vergleich = 0, kappung = 0;

    auto anteilEr = [&] { return AnteilEr(r.SummeEkEr, r.SummeEkSie, land == 1); };
    const double summeBeide = r.SummeEkEr + r.SummeEkSie;
    Erklaerung* const aktiv = AktiveErklaerung();
    std::optional<KiStSpur> spur;
    if (aktiv) spur.emplace(*aktiv, e, r, satz);
    const Wertangabe massstab = aktiv ? Erg("MassstabESt", b) : Wertangabe{};

    if (!zusammen) {
        if (pflichtig[0]) {
            jahr[0] = QUARNEL_RUNDEN("KiStJahrEr", b * satz);
            fest[0] = Anteilig(jahr[0], monate[0]);
            anteil[0] = 1.0;
            basis[0] = b;
            gesamt = fest[0];
            kappung = Kappung(k, monate[0], gesamt, r.ZvE);
            if (spur) [[unlikely]]
                spur->Jahr(0, massstab, jahr[0], fest[0], monate[0]);
        } else if (spur) [[unlikely]] {
            spur->Keine(0);
        }
        if (spur) [[unlikely]]
            spur->Keine(1);
    } else if (pflichtig[0] && pflichtig[1]) {
        const int t = monate[0] < monate[1] ? monate[0] : monate[1];
        const int d = monate[0] > monate[1] ? monate[0] - monate[1] : monate[1] - monate[0];
        const int laenger = monate[0] >= monate[1] ? 0 : 1;
        const double p = anteilEr();
        const double anteile[2] = {p, 1 - p};
        const double u = QUARNEL_RUNDEN("KiStGemeinsam", b / 24 * t);
        basis[0] = basis[1] = u;
        const double v = QUARNEL_RUNDEN("KiStUeberhang", b / 12 * d);
        double w[2] = {0, 0};
        if (d > 0) w[laenger] = QUARNEL_RUNDEN("KiStUeberhangAnteil", v * anteile[laenger]);
        for (int q = 0; q < 2; ++q) fest[q] = QUARNEL_RUNDEN("KiStFestEhegatte", (u + w[q]) * satz);
        gesamt = fest[0] + fest[1];
        if (spur) [[unlikely]] {
            Erklaerung& x = spur->spur_;
            const Wertangabe mEr = Ein("KiStMonateEr", monate[0]),
                             mSie = Ein("KiStMonateSie", monate[1]);
            x.Schritt("KiStMonateGemeinsam", "KiStMonateGemeinsam", t, {mEr, mSie});
            x.Schritt("KiStMonateAllein", "KiStMonateAllein", d, {mEr, mSie});
            x.Schritt("KiStGemeinsam", "KiStGemeinsam", u,
                      {massstab, Par("ParamMonateJahr", param::MonateJahr[1]),
                       Erg("KiStMonateGemeinsam", t)});
            if (d > 0) {
                spur->Anteile(p, land);
                x.Schritt("KiStUeberhang", "KiStUeberhang", v,
                          {massstab, Par("ParamMonateJahr", param::MonateJahr[0]),
                           Erg("KiStMonateAllein", d)});
                x.Schritt("KiStUeberhangAnteil", PersonName("KiStUeberhang", laenger), w[laenger],
                          {Erg("KiStUeberhang", v),
                           Erg(PersonName("KiStAnteil", laenger), anteile[laenger])});
            }
            for (int q = 0; q < 2; ++q) {
                std::vector<Wertangabe> werte = {Erg("KiStGemeinsam", u)};
                if (d > 0 && q == laenger)
                    werte.push_back(Erg(PersonName("KiStUeberhang", q), w[q]));
                werte.push_back(Par("ParamKiStSatz", satz));
                x.Schritt("KiStFestEhegatte", PersonName("KiStFest", q), fest[q], std::move(werte));
            }
        }
        kappung = Kappung(k, t, 2 * u * satz, r.ZvE) +
                  Kappung(k, d, w[laenger] * satz,
                          r.ZvE * Quotient(summeBeide, laenger == 0 ? r.SummeEkEr : r.SummeEkSie));
        kirchgeld = Kirchgeld(k, d);
        if (kirchgeld > 0) {
            vergleich = CentAb(u * 2 * satz) + kirchgeld;
            if (gesamt > vergleich) kirchgeld = vergleich = 0;
        }
    } else if (pflichtig[0] || pflichtig[1]) {
        // glaubensverschiedene Ehe: only one spouse belongs to a church that raises the tax
        const int l = pflichtig[0] ? 0 : 1;
        const int n = 1 - l;
        const double grenze = r.ParamGrundfreibetrag;
        const double summe[2] = {r.SummeEkEr, r.SummeEkSie};
        if (summe[0] < grenze && summe[1] < grenze) {
            // no church tax, no Kirchgeld
            if (spur) [[unlikely]]
                spur->Keine(0), spur->Keine(1);
        } else if (summe[l] < grenze) {
            kirchgeld = vergleich = Kirchgeld(k, monate[l]);
            if (spur) [[unlikely]]
                spur->Keine(0), spur->Keine(1);
        } else if (summe[n] < grenze) {
            anteil[l] = 1.0;
            basis[l] = b;
            jahr[l] = QUARNEL_RUNDEN("KiStJahrEr", satz * b);
            fest[l] = Anteilig(jahr[l], monate[l]);
            gesamt = fest[l];
            if (spur) [[unlikely]]
                spur->Jahr(l, massstab, jahr[l], fest[l], monate[l]), spur->Keine(n);
        } else {
            const double p = anteilEr();
            anteil[0] = p;
            anteil[1] = 1 - p;
            basis[0] = QUARNEL_RUNDEN("KiStBasisEr", p * b);
            basis[1] = b - basis[0];
            for (int q = 0; q < 2; ++q) {
                jahr[q] = QUARNEL_RUNDEN("KiStJahrEr", satz * basis[q]);
                fest[q] = Anteilig(jahr[q], monate[q]);
            }
            if (spur) [[unlikely]] {
                spur->Anteile(p, land);
                spur->spur_.Schritt("KiStBasisEr", "KiStBasisEr", basis[0],
                                    {massstab, Erg("KiStAnteilEr", p)});
                spur->spur_.Schritt("KiStBasisSie", "KiStBasisSie", basis[1],
                                    {massstab, Erg("KiStBasisEr", basis[0], -1)});
                for (int q = 0; q < 2; ++q)
                    spur->Jahr(q, Erg(PersonName("KiStBasis", q), basis[q]), jahr[q], fest[q],
                               monate[q]);
            }
            gesamt = fest[0] + fest[1];
            kirchgeld = Kirchgeld(k, monate[l]);
            if (fest[l] > kirchgeld) kirchgeld = 0;
            vergleich = kirchgeld;
            kappung = Kappung(k, monate[l], gesamt, r.ZvE * Quotient(summeBeide, summe[l]));
        }
    }

    r.KiStFestzusetzen = NichtNegativ(gesamt);
    r.KiStGezahlt = e.KiStLohnSumme + e.KiStVzSumme;
    r.KiStSaldo = r.KiStFestzusetzen - r.KiStGezahlt;
    if (zusammen && !pflichtig[0] && !pflichtig[1] && spur) spur->Keine(0), spur->Keine(1);
    QUARNEL_ERKLAERE("KiStFestzusetzen", r.KiStFestzusetzen,
                     {Erg("KiStFestEr", fest[0]), Erg("KiStFestSie", fest[1])});
    QUARNEL_ERKLAERE(
        "KiStSaldo", r.KiStSaldo,
        {Erg("KiStFestzusetzen", r.KiStFestzusetzen), Ein("KiStLohnEr", e.KiStLohnEr, -1),
         Ein("KiStLohnSie", e.KiStLohnSie, zusammen ? -1 : 0), Ein("KiStVzEr", e.KiStVzEr, -1),
         Ein("KiStVzSie", e.KiStVzSie, zusammen ? -1 : 0)});

    r.KiStBasis = b;
    r.KiStSatzEr = (e.KonfEr == 8 || e.KonfEr == 9) ? 0 : satz * 100;
    r.KiStSatzSie = (!zusammen || e.KonfSie == 8 || e.KonfSie == 9) ? 0 : satz * 100;
    for (int q = 0; q < 2; ++q) {
        r.KiStMonateAnz(q) = monate[q];
        r.KiStAnteil(q) = anteil[q] * 100;
        r.KiStBasisAnteil(q) = basis[q];
        r.KiStJahr(q) = jahr[q];
        r.KiStFest(q) = fest[q];
    }
    r.KiStFestGesamt = gesamt;
    r.Kirchgeld = kirchgeld;
    r.KirchgeldVergleich = vergleich;
    r.KiStKappung = kappung;
    if (aktiv) [[unlikely]]
        KirchgeldKappungErklaeren(*aktiv, e, r, k, pflichtig, monate);
}

}  // namespace quarnel
