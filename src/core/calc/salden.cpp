// Credits, the income tax assessed, the solidarity surcharge, premiums and the
// balances of a pass.
#include "calc/betrag.h"
#include "calc/durchgang.h"
#include "calc/parameter.h"

namespace quarnel {

void Gewerbesteueranrechnung(const CalcInput& e, CalcResult& r) {
    double mess = e.GewStMessEr;
    if (e.FlagZusammen == 1) mess += e.GewStMessSie;
    r.GewStAnrechnung = mess > 0 ? AufrundenDM(1.8 * mess) : 0;
}

void FestzusetzendeEinkommensteuer(CalcResult& r) {
    // reductions beyond the tariff tax first eat into a reclaimed Kindergeld
    const double nachErmaessigung =
        r.EStTariflich - r.ErmLuF - r.Baukindergeld - r.ErmParteiSpenden;
    r.EStFestzusetzen = NichtNegativ(nachErmaessigung - r.GewStAnrechnung + r.KindergeldHinzu);
    if (r.FlagEndPass == 1) {
        r.GewStAnzeige = r.GewStAnrechnung;
        // the Gewerbesteueranrechnung does not reduce the church-tax base
        r.MassstabESt = NichtNegativ(nachErmaessigung);
    }
    if (r.FlagSoliPass == 1) r.SoliBasisESt = NichtNegativ(nachErmaessigung - r.GewStAnrechnung);
}

// The surcharge on a base income tax: nothing up to the zero zone, then the
// full rate, but at most 20 % of the amount above the zero zone; §4 SolZG
// drops the fractions of a Pfennig of either amount.
double SoliAufSteuer(double steuer, int f2) {
    const double nullzone = 1836.0 * f2;
    if (steuer <= nullzone) return 0;
    return CentAb(MinWert(steuer * param::SoliSatz, (steuer - nullzone) * 0.2));
}

double Solidaritaetszuschlag(const CalcInput& e, const CalcResult& r) {
    const double basis = NichtNegativ(r.SoliBasisESt - NichtNegativ(e.KStAnrechIn) -
                                      NichtNegativ(AufrundenDM(e.KStVerguetIn)));
    return SoliAufSteuer(basis, F2(e));
}

void AnrechnungUndSalden(CalcInput& e, CalcResult& r) {
    const bool zusammen = e.FlagZusammen == 1;
    auto summe = [&](double& er, double& sie, double& gesamt) {
        gesamt = er + (zusammen ? sie : 0);
    };
    summe(e.SoliLohnEr, e.SoliLohnSie, e.SoliLohnSumme);
    summe(e.LStEr, e.LStSie, e.LStSumme);
    summe(e.KiStLohnEr, e.KiStLohnSie, e.KiStLohnSumme);
    summe(e.EStVzEr, e.EStVzSie, e.EStVzSumme);
    summe(e.KiStVzEr, e.KiStVzSie, e.KiStVzSumme);
    summe(e.SoliVzEr, e.SoliVzSie, e.SoliVzSumme);
    // amounts with cents count as the next full DM, exact amounts stay
    e.LStSumme = Stutzen(0, e.LStSumme + 0.99);
    e.KStAnrechIn = Stutzen(0, e.KStAnrechIn + 0.99);
    e.KapEStAnrechIn = Stutzen(0, e.KapEStAnrechIn + 0.99);
    r.EStGezahlt = e.LStSumme + e.EStVzSumme;
    r.EStSaldo = r.EStFestzusetzen - r.EStGezahlt;
    if (r.FlagSoliPass == 1) {
        r.SoliFestzusetzen = Solidaritaetszuschlag(e, r);
        r.SoliGezahlt = e.SoliLohnSumme + e.SoliVzSumme + e.SoliKapEStIn;
        r.SoliSaldo = r.SoliFestzusetzen - r.SoliGezahlt;
    }
}

void Praemien(const CalcInput& e, CalcResult& r) {
    double zulage = 0;
    const int land = e.Bundesland;
    const bool neuesLand = land == 3 || land == 7 || land == 12 || land == 13 || land == 15;
    const double satz = neuesLand ? 0.25 : 0.2;
    for (int p = 0; p < Personen(e); ++p)
        zulage += Stutzen(0, MinWert(936, NichtNegativ(e.VlBausparen(p))) * 0.1 + 0.99) +
                  Stutzen(0, MinWert(800, NichtNegativ(e.VlBeteiligung(p))) * satz + 0.99);
    r.ArbnSparzulage = zulage;
    r.Wohnungsbaupraemie = r.ParamFaktor * 0.1 * r.ParamWopHoechst;
    // the income test uses the taxable income as if all allowances were deducted
    const double z = r.ZvE - NichtNegativ(r.KindFbSumme - r.KindFbAbzug);
    if (z > r.ParamSparzulageGrenze * r.ParamFaktor) r.ArbnSparzulage = 0;
    if (z > r.ParamWopGrenze * r.ParamFaktor) r.Wohnungsbaupraemie = 0;
}

void Gesamtsaldo(const CalcInput& e, CalcResult& r) {
    r.GesamtSaldo = r.EStSaldo + r.KiStSaldo + r.SoliSaldo - e.KStAnrechIn - e.KapEStAnrechIn;
}

}  // namespace quarnel
