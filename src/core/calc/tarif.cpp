// The 2001 income-tax tariff and the tax steps of a pass: Progressionsvorbehalt,
// Fünftelregelung, sale gains at half the average rate, farm tax reduction.
#include <cmath>
#include <cstdint>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/durchgang.h"
#include "calc/erklaerung.h"
#include "calc/rechenregeln.h"

namespace quarnel {

double Tarif(double x, double* grenzsteuersatz) {
    // the tariff rests on the middle of the 54-DM step; all truncations to three
    // decimals are done in integers, so no binary noise can cut off a tenth of a Pfennig
    if (!(x > -1e15 && x < 1e15)) x = x > 0 ? 1e15 : 0;  // NaN counts as 0
    const int64_t r = static_cast<int64_t>(std::trunc(x / 54)) * 54 + 27;
    double steuer = 0, grenz = 0;
    if (r < 14094) {
        steuer = 0;
        grenz = 0;
    } else if (r < 18090) {
        const int64_t y = r - 14040;                     // y in units of 1/10000
        const int64_t a = 1990000 + (38789 * y) / 1000;  // T3(387.89 y + 1990) in 1/1000
        steuer = static_cast<double>((a * y) / 10000 / 1000);
        grenz = (r / 10000.0) * 0.077578 + 0.09008045;
    } else if (r < 107568) {
        const int64_t z = r - 18036;
        const int64_t a = 2300000 + (14249 * z) / 1000;  // T3(142.49 z + 2300) in 1/1000
        steuer = static_cast<double>((a * z) / 10000 / 1000 + 857);
        grenz = (r / 10000.0) * 0.028498 + 0.17860101;
    } else {
        steuer = static_cast<double>((485 * r - 19299000) / 1000);  // Int(0.485 r - 19299)
        grenz = 0.485;
    }
    if (grenzsteuersatz) *grenzsteuersatz = grenz * 100;
    return steuer;
}

double StufeAb(double x, int f2) {
    const double stufe = f2 == 2 ? 108 : 54;
    return Int(x / stufe) * stufe;
}

double TarifNachTabelle(double x, int f2) {
    return f2 == 2 ? 2 * Tarif(x * 0.5) : Tarif(x);
}

namespace {

void ProgressionseinkuenfteErklaeren(Erklaerung& spur, const CalcInput& e, const CalcResult& r,
                                     double pv) {
    std::vector<Wertangabe> teile;
    for (int p = 0; p < Personen(e); ++p) {
        auto n = [p](std::string_view name) { return PersonName(name, p); };
        const double ungenutzt = NichtNegativ(r.ParamArbnPausch - r.WkNsa(p));
        const double abzug = MinWert(e.ProgEink(p) + e.ProgLohn(p), ungenutzt);
        const double teil =
            NichtNegativ(e.ProgEink(p) + e.ProgWeitere(p) + e.ProgLohn(p) - abzug);
        spur.Schritt("PvUngenutzt", n("PvUngenutzt"), ungenutzt,
                     {Par("ParamArbnPausch", r.ParamArbnPausch, 1), Erg(n("WkNsa"), r.WkNsa(p), -1)});
        spur.Schritt("PvPauschAbzug", n("PvPauschAbzug"), abzug,
                     {Ein(n("ProgEink"), e.ProgEink(p)), Ein(n("ProgLohn"), e.ProgLohn(p)),
                      Erg(n("PvUngenutzt"), ungenutzt)});
        spur.Schritt("PvEinkuenfte", n("PvEinkuenfte"), teil,
                     {Ein(n("ProgEink"), e.ProgEink(p)), Ein(n("ProgWeitere"), e.ProgWeitere(p)),
                      Ein(n("ProgLohn"), e.ProgLohn(p)), Erg(n("PvPauschAbzug"), abzug, -1)});
        teile.push_back(Erg(n("PvEinkuenfte"), teil));
    }
    spur.Schritt("Progressionseinkuenfte", "Progressionseinkuenfte", pv, std::move(teile));
}

double Progressionseinkuenfte(const CalcInput& e, const CalcResult& r) {
    double pv = 0;
    for (int p = 0; p < Personen(e); ++p) {
        const double q = e.ProgEink(p) + e.ProgWeitere(p) + e.ProgLohn(p);
        const double ungenutzt = NichtNegativ(r.ParamArbnPausch - r.WkNsa(p));
        pv += NichtNegativ(q - MinWert(e.ProgEink(p) + e.ProgLohn(p), ungenutzt));
    }
    if (IstPositiv(pv))
        if (Erklaerung* spur = AktiveErklaerung()) ProgressionseinkuenfteErklaeren(*spur, e, r, pv);
    return pv;
}

}  // namespace

double BesondererSteuersatz(double u, int f2, double* grenzsteuersatz) {
    const double stufe = 54.0 * f2;
    const double t = Tarif(u / f2, grenzsteuersatz) * f2;
    const double mitte = Int(u / stufe) * stufe + 27 * f2;
    // the special rate is cut, never rounded, to six decimals
    return Stutzen(6, Stutzen(7, Quotient(mitte, t)));
}

double TarifsteuerMitProgression(const CalcInput& e, CalcResult& r) {
    r.PvSteuersatz = r.PvZvEAnzeige = r.PvSteuersatzProzent = r.EStTarif = 0;
    const int f2 = F2(e);
    const double pv = Progressionseinkuenfte(e, r);
    if (!IstPositiv(pv)) {
        r.FlagProgVorbehalt = 0;
        r.EStTarif =
            f2 == 1 ? Tarif(r.ZvE, &r.Grenzsteuersatz) : 2 * Tarif(r.ZvE * 0.5, &r.Grenzsteuersatz);
        QUARNEL_ERKLAERE("EStTarif", r.EStTarif, {Erg("ZvE", r.ZvE)}, f2);
        return r.EStTarif;
    }
    r.FlagProgVorbehalt = 1;
    const double u = pv + r.ZvE;
    r.PvZvEGerundet = Runden(regeln::RundungVon("PvZvEGerundet"), r.ZvE, f2);
    r.PvSteuersatz = BesondererSteuersatz(u, f2, &r.Grenzsteuersatz);
    r.PvZvEAnzeige = r.PvZvEGerundet;
    r.PvSteuersatzProzent = r.PvSteuersatz * 100;
    r.EStTarif = Int(Stutzen(0, r.PvZvEGerundet * r.PvSteuersatz));
    QUARNEL_ERKLAERE("PvZvEGerundet", "PvZvEGerundet", r.PvZvEGerundet, {Erg("ZvE", r.ZvE)}, f2);
    QUARNEL_ERKLAERE("PvSteuersatz", "PvSteuersatz", r.PvSteuersatz,
                     {Erg("Progressionseinkuenfte", pv), Erg("ZvE", r.ZvE)}, f2);
    QUARNEL_ERKLAERE("EStTarifPV", r.EStTarif,
                     {Erg("PvZvEGerundet", r.PvZvEGerundet), Erg("PvSteuersatz", r.PvSteuersatz)});
    return r.EStTarif;
}

void Fuenftelregelung(const CalcInput& e, CalcResult& r) {
    r.EStAoEinkuenfte = 0;
    r.AoLohn = r.AoAbgeordnete = r.AoRente = r.AoEntschaedigung = r.AoVeraeuss = 0;
    double korrektur = 0;
    for (int p = 0; p < Personen(e); ++p) {
        r.AoLohn += AbrundenDM(e.LohnMehrj(p));
        r.AoAbgeordnete += AbrundenDM(e.AbgeordnetenMehrj(p));
        r.AoRente += AbrundenDM(e.RenteMehrj(p));
        r.AoEntschaedigung += AbrundenDM(r.AbfindungStpfl(p));
        r.AoVeraeuss += AbrundenDM(e.GewAo(p) + e.SelbAo(p));
        // the share of the Versorgungs-Freibetrag that belongs to the income of
        // several years
        double versFbMehrj = 0;
        if (e.VersBezMehrj(p) > 0)
            versFbMehrj = Stutzen(0, Quotient(r.VersBez(p), e.VersBezMehrj(p)) * r.VersFb(p));
        korrektur += versFbMehrj;
        // the Arbeitnehmer-Pauschbetrag goes to the ordinarily taxed wages first
        // and reaches the wages of several years and the severance only as far
        // as the ordinary wages do not absorb it (BFH XI R 63/97)
        const double mehrj = AbrundenDM(e.LohnMehrj(p)) + AbrundenDM(r.AbfindungStpfl(p));
        if (mehrj > 0 && r.WkNsa(p) == r.ParamArbnPausch) {
            const double ordentlich =
                NichtNegativ(r.ArbLohn(p) - mehrj - (r.VersFb(p) - versFbMehrj));
            korrektur += MinWert(mehrj, NichtNegativ(r.ParamArbnPausch - ordentlich));
        }
    }
    double l = 0;
    for (int p = 0; p < Personen(e); ++p)
        l += AbrundenDM(e.LohnMehrj(p)) + AbrundenDM(e.AbgeordnetenMehrj(p)) +
             AbrundenDM(r.AbfindungStpfl(p)) + AbrundenDM(e.GewAo(p)) +
             AbrundenDM(e.SelbAo(p)) + AbrundenDM(e.RenteMehrj(p));
    if (l <= 0) return;

    const double z = r.ZvE;
    const double n = l - korrektur;
    const double w = TarifsteuerMitProgression(e, r);
    r.ZvE = z - n;
    const double s = TarifsteuerMitProgression(e, r);
    r.ZvE = Int(n / 5) + (z - n);
    const double s5 = TarifsteuerMitProgression(e, r);
    r.EStAoEinkuenfte = (s5 - s) * 5;
    r.EStTarif = s;
    r.ZvETarif = z - n;
    if (w < s + r.EStAoEinkuenfte) r.EStAoEinkuenfte = w - s;
    if (z - n < 0) {
        r.ZvE = Int(z / 5);
        const double t = TarifsteuerMitProgression(e, r);
        r.EStAoEinkuenfte = 5 * t;
        r.EStTarif = 0;
        r.ZvETarif = 0;
    }
}

constexpr double MindestsatzHalberSatz = 0.199;

// §34(3) EStG 2001: half the average rate of the whole taxable income, at
// least 19.9 %, on the gain alone (at most on the taxable income). Leaves
// r.ZvE at the remaining taxable income, which keeps the general tariff,
// even where that is 0, subject to §34(1) (sentence 3).
void VeraeusserungsgewinnHalberSatz(const CalcInput& e, CalcResult& r) {
    r.EStVeraeussGewinn = 0;
    double v = AbrundenDM(e.GewVeraeussEr + e.SelbVeraeussEr);
    if (e.FlagZusammen == 1) v += AbrundenDM(e.GewVeraeussSie + e.SelbVeraeussSie);
    r.VeraeussGewinn = v;
    if (v <= 0) return;
    const int f2 = F2(e);
    // the average rate rests on the tariff of the whole taxable income,
    // without the Fünftelregelung
    TarifsteuerMitProgression(e, r);
    const double h = Stutzen(6, Stutzen(6, Quotient(StufeAb(r.ZvE, f2), r.EStTarif)) / 2);
    const double satz = MaxWert(h, MindestsatzHalberSatz);
    const double beguenstigt = MinWert(v, NichtNegativ(r.ZvE));
    const double rest = StufeAb(NichtNegativ(r.ZvE - v), f2);
    r.ZvE = rest;
    TarifsteuerMitProgression(e, r);
    const double m = r.PvSteuersatz <= 0.001 ? r.EStTarif : AbrundenDM(r.PvSteuersatz * rest);
    r.EStVeraeussGewinn = Int(Stutzen(0, beguenstigt * satz));
    r.EStTarif = m;
    r.ZvETarif = rest;
}

void SteuerAusserordentlich(const CalcInput& e, CalcResult& r) {
    r.EStAoEinkuenfte = 0;
    r.EStVeraeussGewinn = 0;
    double gewinne = e.GewVeraeussEr + e.SelbVeraeussEr;
    if (e.FlagZusammen == 1) gewinne += e.GewVeraeussSie + e.SelbVeraeussSie;
    const double z = r.ZvE;
    r.ZvETarif = r.ZvE;
    TarifsteuerMitProgression(e, r);
    // the half-rate gain leaves the taxable income first; the Fünftelregelung
    // then runs on what remains
    const bool mitGewinnen = IstNichtNull(gewinne);
    if (mitGewinnen) VeraeusserungsgewinnHalberSatz(e, r);
    Fuenftelregelung(e, r);
    r.ZvE = z;
    r.EStTariflich = r.EStTarif + r.EStAoEinkuenfte + (mitGewinnen ? r.EStVeraeussGewinn : 0);
    QUARNEL_ERKLAERE("EStTariflich", r.EStTariflich,
                     {Erg(IstNichtNull(r.EStAoEinkuenfte) || mitGewinnen ? "EStTarifRest"
                          : r.FlagProgVorbehalt == 1                     ? "EStTarifPV"
                                                                         : "EStTarif",
                          r.EStTarif),
                      Erg("EStAoEinkuenfte", r.EStAoEinkuenfte),
                      Erg("EStVeraeussGewinn", mitGewinnen ? r.EStVeraeussGewinn : 0)});
    if (r.FlagEndPass == 1) {
        r.EndEStTarif = r.EStTarif;
        r.EndEStAo = r.EStAoEinkuenfte + (mitGewinnen ? r.EStVeraeussGewinn : 0);
        r.EndEStTariflich = r.EStTariflich;
    }
}

void TarifermaessigungLandForst(const CalcInput& e, CalcResult& r) {
    r.ErmLuF = 0;
    const double grenz = r.Grenzsteuersatz;
    const int f2 = F2(e);
    const double a = StufeAb(r.ZvE, f2);
    const double c = TarifNachTabelle(a, f2);
    const double satz = Stutzen(4, Quotient(a, c));
    double f = r.EkLuFEr;
    if (e.FlagZusammen == 1) f += r.EkLuFSie;
    const double g = AbrundenDM(NichtNegativ(f - r.FreibetragLuF) * satz);
    const double l = NichtNegativ(MinWert(e.LuFErmKappeEr, r.EkLuFEr));
    const double m = e.FlagZusammen == 1 ? NichtNegativ(MinWert(e.LuFErmKappeSie, r.EkLuFSie)) : 0;
    r.ErmLuF = MinWert(l + m, g);
    r.Grenzsteuersatz = grenz;
}

void Durchschnittssteuersatz(CalcResult& r) {
    r.Durchschnittssteuersatz = Quotient(r.ZvE, r.EStFestzusetzen) * 100;
}

}  // namespace quarnel
