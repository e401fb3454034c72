// Credits, the income tax assessed, the solidarity surcharge, premiums and the
// balances of a pass.
#include "calc/betrag.h"
#include "calc/durchgang.h"
#include "calc/erklaerung.h"
#include "calc/parameter.h"
#include "calc/rechenregeln.h"

namespace quarnel {

// §34c EStG: foreign tax on foreign income is credited up to the share of the
// tariff tax that falls on that income (§34c(1) sentence 2: the tax in the
// ratio of the foreign income to the Summe der Einkünfte, cut to the Pfennig),
// or, in a computation without the credit, deducted with the expenses
// (§34c(2)). The Sparer-Freibetrag and a Pauschbetrag above the actual
// expenses fall on the foreign receipts in the ratio of the receipts.
namespace {

[[gnu::noinline, gnu::cold]] void AuslaendischeSteuerErklaeren(Erklaerung& spur, const CalcInput& e,
                                                               const CalcResult& r, double steuer) {
    std::vector<Wertangabe> steuern, teile;
    for (int p = 0; p < Personen(e); ++p) {
        auto n = [p](std::string_view name) { return PersonName(name, p); };
        steuern.push_back(Ein(n("AuslSteuer"), e.AuslSteuer(p)));
        if (!IstPositiv(e.AuslEinn(p))) continue;
        const double tatsaechlich = AufrundenDM(e.WkKapIn(p) - e.AuslSteuer(p));
        const double ueber = NichtNegativ(r.WkKap(p) - tatsaechlich);
        const double allgemein = r.SparerFb(p) + ueber;
        const double anteil = MinWert(1, Quotient(r.KapEinn(p), e.AuslEinn(p)));
        const double teil = NichtNegativ(e.AuslEinn(p) - e.AuslWk(p) - allgemein * anteil);
        spur.Schritt("AuslWkTatsaechlich", n("AuslWkTatsaechlich"), tatsaechlich,
                     {Ein(n("WkKapIn"), e.WkKapIn(p)), Ein(n("AuslSteuer"), e.AuslSteuer(p), -1)});
        spur.Schritt("AuslWkUeberschuss", n("AuslWkUeberschuss"), ueber,
                     {Erg(n("WkKap"), r.WkKap(p)), Erg(n("AuslWkTatsaechlich"), tatsaechlich, -1)});
        spur.Schritt("AuslAllgemein", n("AuslAllgemein"), allgemein,
                     {Erg(n("SparerFb"), r.SparerFb(p)), Erg(n("AuslWkUeberschuss"), ueber)});
        spur.Schritt("AuslAnteil", n("AuslAnteil"), anteil,
                     {Ein(n("AuslEinn"), e.AuslEinn(p)), Erg(n("KapEinn"), r.KapEinn(p))});
        spur.Schritt("AuslAllgemeinAnteil", n("AuslAllgemeinAnteil"), allgemein * anteil,
                     {Erg(n("AuslAllgemein"), allgemein), Erg(n("AuslAnteil"), anteil)});
        spur.Schritt("AuslEinkuenfteTeil", n("AuslEinkuenfte"), teil,
                     {Ein(n("AuslEinn"), e.AuslEinn(p)), Ein(n("AuslWk"), e.AuslWk(p), -1),
                      Erg(n("AuslAllgemeinAnteil"), allgemein * anteil, -1)});
        teile.push_back(Erg(n("AuslEinkuenfte"), teil));
    }
    spur.Schritt("AuslEinkuenfte", "AuslEinkuenfte", r.AuslEinkuenfte, std::move(teile));
    if (IstPositiv(r.SummeEk)) {
        const double verhaeltnis = MinWert(1, Quotient(r.SummeEk, r.AuslEinkuenfte));
        spur.Schritt("AuslVerhaeltnis", "AuslVerhaeltnis", verhaeltnis,
                     {Erg("AuslEinkuenfte", r.AuslEinkuenfte), Erg("SummeEk", r.SummeEk)});
        spur.Schritt("AuslHoechstbetrag", "AuslHoechstbetrag", r.AuslHoechstbetrag,
                     {Erg("EStTariflich", r.EStTariflich), Erg("AuslVerhaeltnis", verhaeltnis)});
    } else {
        spur.Schritt("AuslHoechstbetragKein", "AuslHoechstbetrag", 0,
                     {Erg("SummeEk", r.SummeEk, 0)});
    }
    spur.Schritt("AuslSteuerSumme", "AuslSteuerSumme", steuer, std::move(steuern));
    spur.Schritt("AuslSteuerAnrechnung", "AuslSteuerAnrechnung", r.AuslSteuerAnrechnung,
                 {Erg("AuslSteuerSumme", steuer), Erg("AuslHoechstbetrag", r.AuslHoechstbetrag)});
}

}  // namespace

void AuslaendischeSteuer(const CalcInput& e, CalcResult& r) {
    r.AuslEinkuenfte = r.AuslHoechstbetrag = r.AuslSteuerAnrechnung = r.AuslSteuerAbzug = 0;
    double steuer = 0, einkuenfte = 0;
    for (int p = 0; p < Personen(e); ++p) {
        steuer += NichtNegativ(e.AuslSteuer(p));
        if (!IstPositiv(e.AuslEinn(p))) continue;
        const double tatsaechlich =
            AufrundenDM(e.WkKapIn(p) - (r.FlagAuslAnrechnung == 1 ? e.AuslSteuer(p) : 0));
        const double allgemein = r.SparerFb(p) + NichtNegativ(r.WkKap(p) - tatsaechlich);
        const double anteil = MinWert(1, Quotient(r.KapEinn(p), e.AuslEinn(p)));
        einkuenfte += NichtNegativ(e.AuslEinn(p) - e.AuslWk(p) - allgemein * anteil);
    }
    if (!IstPositiv(steuer) || r.FlagAuslAnrechnung != 1) {
        if (IstPositiv(steuer)) r.AuslSteuerAbzug = steuer;
        QUARNEL_ERKLAERE(
            IstPositiv(steuer) ? "AuslSteuerAbgezogen" : "AuslSteuerKein", "AuslSteuerAnrechnung",
            0, {Ein("AuslSteuerEr", e.AuslSteuerEr, 0), Ein("AuslSteuerSie", e.AuslSteuerSie, 0)});
        return;
    }
    r.AuslEinkuenfte = QUARNEL_RUNDEN("AuslEinkuenfte", einkuenfte);
    if (IstPositiv(r.SummeEk))
        r.AuslHoechstbetrag = QUARNEL_RUNDEN(
            "AuslHoechstbetrag",
            NichtNegativ(r.EStTariflich) * MinWert(1, Quotient(r.SummeEk, r.AuslEinkuenfte)));
    r.AuslSteuerAnrechnung = MinWert(steuer, r.AuslHoechstbetrag);
    if (Erklaerung* spur = AktiveErklaerung()) [[unlikely]]
        AuslaendischeSteuerErklaeren(*spur, e, r, steuer);
}

void Gewerbesteueranrechnung(const CalcInput& e, CalcResult& r) {
    double mess = e.GewStMessEr;
    if (e.FlagZusammen == 1) mess += e.GewStMessSie;
    r.GewStAnrechnung = mess > 0 ? AufrundenDM(param::GewStFaktor * mess) : 0;
    QUARNEL_ERKLAERE(
        "GewStAnrechnung", r.GewStAnrechnung,
        {Ein("GewStMessEr", mess > 0 ? e.GewStMessEr : 0),
         Ein("GewStMessSie", mess > 0 ? e.GewStMessSie : 0, e.FlagZusammen == 1 ? 1 : 0),
         Par("ParamGewStFaktor", param::GewStFaktor)});
}

void FestzusetzendeEinkommensteuer(CalcResult& r) {
    // reductions beyond the tariff tax first eat into a reclaimed Kindergeld
    const double nachErmaessigung =
        r.EStTariflich - r.AuslSteuerAnrechnung - r.ErmLuF - r.Baukindergeld - r.ErmParteiSpenden;
    r.EStFestzusetzen = NichtNegativ(nachErmaessigung - r.GewStAnrechnung + r.KindergeldHinzu);
    QUARNEL_ERKLAERE_ERGEBNIS(
        "EStFestzusetzen", r.EStFestzusetzen,
        {Erg("EStTariflich", r.EStTariflich),
         Erg("AuslSteuerAnrechnung", r.AuslSteuerAnrechnung, -1), Erg("ErmLuF", r.ErmLuF, -1),
         Erg("Baukindergeld", r.Baukindergeld, -1), Erg("ErmParteiSpenden", r.ErmParteiSpenden, -1),
         Erg("GewStAnrechnung", r.GewStAnrechnung, -1), Erg("KindergeldHinzu", r.KindergeldHinzu)});
    if (r.FlagEndPass == 1) {
        r.GewStAnzeige = r.GewStAnrechnung;
        // the Gewerbesteueranrechnung does not reduce the church-tax base
        r.MassstabESt = NichtNegativ(nachErmaessigung);
        QUARNEL_ERKLAERE_ERGEBNIS(
            "MassstabESt", r.MassstabESt,
            {Erg("EStTariflich", r.EStTariflich),
             Erg("AuslSteuerAnrechnung", r.AuslSteuerAnrechnung, -1), Erg("ErmLuF", r.ErmLuF, -1),
             Erg("Baukindergeld", r.Baukindergeld, -1),
             Erg("ErmParteiSpenden", r.ErmParteiSpenden, -1)});
    }
    if (r.FlagSoliPass == 1) {
        r.SoliBasisESt = NichtNegativ(nachErmaessigung - r.GewStAnrechnung);
        QUARNEL_ERKLAERE_ERGEBNIS(
            "SoliBasisESt", r.SoliBasisESt,
            {Erg("EStTariflich", r.EStTariflich),
             Erg("AuslSteuerAnrechnung", r.AuslSteuerAnrechnung, -1), Erg("ErmLuF", r.ErmLuF, -1),
             Erg("Baukindergeld", r.Baukindergeld, -1),
             Erg("ErmParteiSpenden", r.ErmParteiSpenden, -1),
             Erg("GewStAnrechnung", r.GewStAnrechnung, -1)});
    }
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
    // §3(1) No. 1 SolZG: the assessed tax less the corporation tax credited
    // or refunded, both as certified, to the Pfennig
    const double basis =
        NichtNegativ(r.SoliBasisESt - NichtNegativ(e.KStAnrechIn) - NichtNegativ(e.KStVerguetIn));
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
    // wage tax with cents counts as the next full DM, exact amounts stay; the
    // Zinsabschlag, Kapitalertragsteuer and Körperschaftsteuer are credited as
    // withheld and certified, to the Pfennig (§36(2) No. 2 and 3 EStG)
    e.LStSumme = Stutzen(0, e.LStSumme + 0.99);
    r.EStGezahlt = e.LStSumme + e.EStVzSumme;
    r.EStSaldo = r.EStFestzusetzen - r.EStGezahlt;
    const double sie = zusammen ? 1 : 0;
    if (Erklaerung* spur = AktiveErklaerung()) [[unlikely]]
        ErklaereAbseits([=, &e, &r] {
            spur->Schritt("LStSumme", e.LStSumme,
                          {Ein("LStEr", e.LStEr), Ein("LStSie", e.LStSie, sie)});
            spur->Schritt("EStGezahlt", r.EStGezahlt,
                          {Erg("LStSumme", e.LStSumme), Ein("EStVzEr", e.EStVzEr),
                           Ein("EStVzSie", e.EStVzSie, sie)});
            spur->Schritt(
                "EStSaldo", r.EStSaldo,
                {Erg("EStFestzusetzen", r.EStFestzusetzen), Erg("EStGezahlt", r.EStGezahlt, -1)});
        });
    if (r.FlagSoliPass == 1) {
        r.SoliFestzusetzen = Solidaritaetszuschlag(e, r);
        r.SoliGezahlt = e.SoliLohnSumme + e.SoliVzSumme + e.SoliKapEStIn;
        r.SoliSaldo = r.SoliFestzusetzen - r.SoliGezahlt;
        if (Erklaerung* spur = AktiveErklaerung()) [[unlikely]]
            ErklaereAbseits([=, &e, &r] {
                spur->Schritt("SoliFestzusetzen", r.SoliFestzusetzen,
                              {Erg("SoliBasisESt", r.SoliBasisESt),
                               Ein("KStAnrechIn", NichtNegativ(e.KStAnrechIn), -1),
                               Ein("KStVerguetIn", NichtNegativ(e.KStVerguetIn), -1),
                               Par("ParamSoliSatz", param::SoliSatz)},
                              F2(e));
                spur->Schritt(
                    "SoliGezahlt", r.SoliGezahlt,
                    {Ein("SoliLohnEr", e.SoliLohnEr), Ein("SoliLohnSie", e.SoliLohnSie, sie),
                     Ein("SoliVzEr", e.SoliVzEr), Ein("SoliVzSie", e.SoliVzSie, sie),
                     Ein("SoliKapEStIn", e.SoliKapEStIn)});
                spur->Schritt("SoliSaldo", r.SoliSaldo,
                              {Erg("SoliFestzusetzen", r.SoliFestzusetzen),
                               Erg("SoliGezahlt", r.SoliGezahlt, -1)});
            });
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
    QUARNEL_ERKLAERE(
        "GesamtSaldo", r.GesamtSaldo,
        {Erg("EStSaldo", r.EStSaldo), Erg("KiStSaldo", r.KiStSaldo), Erg("SoliSaldo", r.SoliSaldo),
         Ein("KStAnrechIn", e.KStAnrechIn, -1), Ein("KapEStAnrechIn", e.KapEStAnrechIn, -1)});
}

}  // namespace quarnel
