// The 2001 income-tax tariff and the tax steps of a pass: Progressionsvorbehalt,
// Fünftelregelung, sale gains at half the average rate, farm tax reduction.
#include <cmath>
#include <cstdint>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/durchgang.h"
#include "calc/erklaerung.h"
#include "calc/parameter.h"
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

[[gnu::noinline, gnu::cold]] void ProgressionseinkuenfteErklaeren(Erklaerung& spur,
                                                                  const CalcInput& e,
                                                                  const CalcResult& r, double pv) {
    std::vector<Wertangabe> teile;
    for (int p = 0; p < Personen(e); ++p) {
        auto n = [p](std::string_view name) { return PersonName(name, p); };
        const double ungenutzt = NichtNegativ(r.ParamArbnPausch - r.WkNsa(p));
        const double abzug = MinWert(e.ProgEink(p) + e.ProgLohn(p), ungenutzt);
        const double teil = NichtNegativ(e.ProgEink(p) + e.ProgWeitere(p) + e.ProgLohn(p) - abzug);
        spur.Schritt(
            "PvUngenutzt", n("PvUngenutzt"), ungenutzt,
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

template <bool erklaert>
double Progressionseinkuenfte(const CalcInput& e, const CalcResult& r) {
    double pv = 0;
    for (int p = 0; p < Personen(e); ++p) {
        const double q = e.ProgEink(p) + e.ProgWeitere(p) + e.ProgLohn(p);
        const double ungenutzt = NichtNegativ(r.ParamArbnPausch - r.WkNsa(p));
        pv += NichtNegativ(q - MinWert(e.ProgEink(p) + e.ProgLohn(p), ungenutzt));
    }
    if constexpr (erklaert)
        if (IstPositiv(pv))
            if (Erklaerung* spur = AktiveErklaerung()) [[unlikely]]
                ProgressionseinkuenfteErklaeren(*spur, e, r, pv);
    return pv;
}

}  // namespace

namespace {

// The special rate itself, inlined into the tariff step that computes it four
// times a pass.
[[gnu::always_inline]] inline double BesondererSteuersatzRechnen(double u, int f2,
                                                                 double* grenzsteuersatz) {
    const double stufe = 54.0 * f2;
    const double t = Tarif(u / f2, grenzsteuersatz) * f2;
    const double mitte = Int(u / stufe) * stufe + 27 * f2;
    // the special rate is cut, never rounded, to six decimals
    return Stutzen(6, Stutzen(7, Quotient(mitte, t)));
}

}  // namespace

double BesondererSteuersatz(double u, int f2, double* grenzsteuersatz) {
    return BesondererSteuersatzRechnen(u, f2, grenzsteuersatz);
}

namespace {

std::string Name(std::string_view a, std::string_view b) {
    return std::string(a) + std::string(b);
}
// The step of the tariff tax of the income `variante` as the last call left it.
std::string TarifName(const CalcResult& r, std::string_view variante) {
    return Name(r.FlagProgVorbehalt == 1 ? "EStTarifPV" : "EStTarif", variante);
}

// The tariff step itself. The pass computes it up to four times, so it is
// built twice from this one text: without any recording for the computation,
// and with its steps for the explanation.
template <bool erklaert>
[[gnu::always_inline]] inline double TarifsteuerRechnen(const CalcInput& e, CalcResult& r,
                                                        std::string_view variante) {
    r.PvSteuersatz = r.PvZvEAnzeige = r.PvSteuersatzProzent = r.EStTarif = 0;
    const int f2 = F2(e);
    const double pv = Progressionseinkuenfte<erklaert>(e, r);
    if (!IstPositiv(pv)) {
        r.FlagProgVorbehalt = 0;
        r.EStTarif =
            f2 == 1 ? Tarif(r.ZvE, &r.Grenzsteuersatz) : 2 * Tarif(r.ZvE * 0.5, &r.Grenzsteuersatz);
        if constexpr (erklaert)
            QUARNEL_ERKLAERE("EStTarif", Name("EStTarif", variante), r.EStTarif,
                             {Erg(Name("ZvE", variante), r.ZvE)}, f2);
        return r.EStTarif;
    }
    r.FlagProgVorbehalt = 1;
    const double u = pv + r.ZvE;
    r.PvZvEGerundet = RundenMit<regeln::RundungVon("PvZvEGerundet")>(r.ZvE, f2);
    r.PvSteuersatz = BesondererSteuersatzRechnen(u, f2, &r.Grenzsteuersatz);
    r.PvZvEAnzeige = r.PvZvEGerundet;
    r.PvSteuersatzProzent = r.PvSteuersatz * 100;
    r.EStTarif = Int(Stutzen(0, r.PvZvEGerundet * r.PvSteuersatz));
    if constexpr (erklaert) {
        QUARNEL_ERKLAERE("PvZvEGerundet", Name("PvZvEGerundet", variante), r.PvZvEGerundet,
                         {Erg(Name("ZvE", variante), r.ZvE)}, f2);
        QUARNEL_ERKLAERE("PvSteuersatz", Name("PvSteuersatz", variante), r.PvSteuersatz,
                         {Erg("Progressionseinkuenfte", pv), Erg(Name("ZvE", variante), r.ZvE)},
                         f2);
        QUARNEL_ERKLAERE("EStTarifPV", Name("EStTarifPV", variante), r.EStTarif,
                         {Erg(Name("PvZvEGerundet", variante), r.PvZvEGerundet),
                          Erg(Name("PvSteuersatz", variante), r.PvSteuersatz)});
    }
    return r.EStTarif;
}

[[gnu::noinline, gnu::cold]] double TarifsteuerErklaert(const CalcInput& e, CalcResult& r,
                                                        std::string_view variante) {
    return TarifsteuerRechnen<true>(e, r, variante);
}

}  // namespace

double TarifsteuerMitProgression(const CalcInput& e, CalcResult& r, std::string_view variante) {
    if (AktiveErklaerung()) [[unlikely]]
        return TarifsteuerErklaert(e, r, variante);
    return TarifsteuerRechnen<false>(e, r, variante);
}

namespace {

// The steps of the income of several years: the income, the shares of the
// Versorgungs-Freibetrag and of the Arbeitnehmer-Pauschbetrag that fall on it.
[[gnu::noinline, gnu::cold]] void AoEinkuenfteErklaeren(Erklaerung& spur, const CalcInput& e,
                                                        const CalcResult& r, double l,
                                                        double korrektur) {
    std::vector<Wertangabe> teile, korr;
    for (int p = 0; p < Personen(e); ++p) {
        auto n = [p](std::string_view name) { return PersonName(name, p); };
        for (auto w : {Ein(n("LohnMehrj"), e.LohnMehrj(p)),
                       Ein(n("AbgeordnetenMehrj"), e.AbgeordnetenMehrj(p)),
                       Erg(n("AbfindungStpfl"), r.AbfindungStpfl(p)), Ein(n("GewAo"), e.GewAo(p)),
                       Ein(n("SelbAo"), e.SelbAo(p)), Ein(n("RenteMehrj"), e.RenteMehrj(p))})
            teile.push_back(std::move(w));
        double versFbMehrj = 0;
        if (e.VersBezMehrj(p) > 0) {
            versFbMehrj = Stutzen(0, Quotient(r.VersBez(p), e.VersBezMehrj(p)) * r.VersFb(p));
            spur.Schritt("VersFbMehrj", n("VersFbMehrj"), versFbMehrj,
                         {Ein(n("VersBezMehrj"), e.VersBezMehrj(p)),
                          Erg(n("VersBez"), r.VersBez(p)), Erg(n("VersFb"), r.VersFb(p))});
            korr.push_back(Erg(n("VersFbMehrj"), versFbMehrj));
        }
        const double mehrj = AbrundenDM(e.LohnMehrj(p)) + AbrundenDM(r.AbfindungStpfl(p));
        if (mehrj > 0 && r.WkNsa(p) == r.ParamArbnPausch) {
            const double ordentlich =
                NichtNegativ(r.ArbLohn(p) - mehrj - (r.VersFb(p) - versFbMehrj));
            const double frei = NichtNegativ(r.ParamArbnPausch - ordentlich);
            spur.Schritt("AoLohnMehrj", n("AoLohnMehrj"), mehrj,
                         {Ein(n("LohnMehrj"), e.LohnMehrj(p)),
                          Erg(n("AbfindungStpfl"), r.AbfindungStpfl(p))});
            std::vector<Wertangabe> o = {Erg(n("ArbLohn"), r.ArbLohn(p)),
                                         Erg(n("AoLohnMehrj"), mehrj, -1),
                                         Erg(n("VersFb"), r.VersFb(p), -1)};
            if (e.VersBezMehrj(p) > 0) o.push_back(Erg(n("VersFbMehrj"), versFbMehrj));
            spur.Schritt("AoLohnOrdentlich", n("AoLohnOrdentlich"), ordentlich, std::move(o));
            spur.Schritt("AoPauschRest", n("AoPauschRest"), frei,
                         {Par("ParamArbnPausch", r.ParamArbnPausch, 1),
                          Erg(n("AoLohnOrdentlich"), ordentlich, -1)});
            spur.Schritt("AoPauschAnteil", n("AoPauschAnteil"), MinWert(mehrj, frei),
                         {Erg(n("AoLohnMehrj"), mehrj), Erg(n("AoPauschRest"), frei)});
            korr.push_back(Erg(n("AoPauschAnteil"), MinWert(mehrj, frei)));
        }
    }
    spur.Schritt("AoEinkuenfte", "AoEinkuenfte", l, std::move(teile));
    spur.Schritt("AoKorrektur", "AoKorrektur", korrektur, std::move(korr));
    spur.Schritt("AoEinkuenfteNetto", "AoEinkuenfteNetto", l - korrektur,
                 {Erg("AoEinkuenfte", l), Erg("AoKorrektur", korrektur, -1)});
}

}  // namespace

namespace {

// The Fünftelregelung, built with and without its recording.
template <bool aufzeichnen>
[[gnu::always_inline]] inline void FuenftelregelungRechnen(const CalcInput& e, CalcResult& r,
                                                           std::string_view basis) {
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
             AbrundenDM(r.AbfindungStpfl(p)) + AbrundenDM(e.GewAo(p)) + AbrundenDM(e.SelbAo(p)) +
             AbrundenDM(e.RenteMehrj(p));
    if (l <= 0) return;
    Erklaerung* const spur = Spur(std::bool_constant<aufzeichnen>{});
    if (spur) [[unlikely]]
        AoEinkuenfteErklaeren(*spur, e, r, l, korrektur);

    const std::string_view variante = basis.substr(3);
    const double z = r.ZvE;
    const double n = l - korrektur;
    const double w = TarifsteuerMitProgression(e, r, variante);
    // the step the tax w was recorded under, named when recording
    const int wMitProgression = r.FlagProgVorbehalt;
    r.ZvE = z - n;
    if (spur) [[unlikely]]
        spur->Schritt("ZvEOhneAo", "ZvEOhneAo", r.ZvE,
                      {Erg(basis, z), Erg("AoEinkuenfteNetto", n, -1)});
    const double s = TarifsteuerMitProgression(e, r, "OhneAo");
    r.ZvE = Int(n / param::Fuenffach) + (z - n);
    if (spur) [[unlikely]] {
        spur->Schritt("AoFuenftel", "AoFuenftel", Int(n / param::Fuenffach),
                      {Erg("AoEinkuenfteNetto", n), Par("ParamFuenftel", param::Fuenftel)});
        spur->Schritt("ZvEFuenftel", "ZvEFuenftel", r.ZvE,
                      {Erg("AoFuenftel", Int(n / param::Fuenffach)), Erg("ZvEOhneAo", z - n)});
    }
    const double s5 = TarifsteuerMitProgression(e, r, "Fuenftel");
    r.EStAoEinkuenfte = (s5 - s) * param::Fuenffach;
    r.EStTarif = s;
    r.ZvETarif = z - n;
    const double fuenffach = r.EStAoEinkuenfte;
    if (w < s + r.EStAoEinkuenfte) r.EStAoEinkuenfte = w - s;
    if (spur) [[unlikely]] {
        spur->Schritt("EStAoFuenffach", "EStAoFuenffach", fuenffach,
                      {Erg(TarifName(r, "Fuenftel"), s5), Erg(TarifName(r, "OhneAo"), s, -1),
                       Par("ParamFuenffach", param::Fuenffach)});
        spur->Schritt("EStAoHoechst", "EStAoHoechst", w - s,
                      {Erg(Name(wMitProgression == 1 ? "EStTarifPV" : "EStTarif", variante), w),
                       Erg(TarifName(r, "OhneAo"), s, -1)});
        spur->Schritt("EStAoEinkuenfte", "EStAoEinkuenfte", r.EStAoEinkuenfte,
                      {Erg("EStAoFuenffach", fuenffach), Erg("EStAoHoechst", w - s)});
        spur->Schritt("EStTarifRest", "EStTarifRest", s, {Erg(TarifName(r, "OhneAo"), s)});
    }
    if (z - n < 0) {
        r.ZvE = Int(z / param::Fuenffach);
        if (spur) [[unlikely]]
            spur->Schritt("ZvEFuenftelGanz", "ZvEFuenftelGanz", r.ZvE,
                          {Erg(basis, z), Par("ParamFuenftel", param::Fuenftel)});
        const double t = TarifsteuerMitProgression(e, r, "FuenftelGanz");
        r.EStAoEinkuenfte = param::Fuenffach * t;
        r.EStTarif = 0;
        r.ZvETarif = 0;
        if (spur) [[unlikely]] {
            spur->Schritt(
                "EStAoFuenffachGanz", "EStAoEinkuenfte", r.EStAoEinkuenfte,
                {Erg(TarifName(r, "FuenftelGanz"), t), Par("ParamFuenffach", param::Fuenffach)});
            spur->Schritt("EStTarifRestKein", "EStTarifRest", 0, {});
        }
    }
}

[[gnu::noinline, gnu::cold]] void FuenftelregelungErklaert(const CalcInput& e, CalcResult& r,
                                                           std::string_view basis) {
    FuenftelregelungRechnen<true>(e, r, basis);
}

}  // namespace

// `basis` names the taxable income it starts from ("ZvE", or "ZvEOhneGewinn"
// after the half-rate gains).
void Fuenftelregelung(const CalcInput& e, CalcResult& r, std::string_view basis) {
    if (AktiveErklaerung()) [[unlikely]]
        FuenftelregelungErklaert(e, r, basis);
    else
        FuenftelregelungRechnen<false>(e, r, basis);
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
    const double zvE = r.ZvE, steuer = r.EStTarif;
    const double satz = HalberSteuersatz(r.ZvE, r.EStTarif, f2);
    const double beguenstigt = MinWert(v, NichtNegativ(r.ZvE));
    const double rest = StufeAb(NichtNegativ(r.ZvE - v), f2);
    r.ZvE = rest;
    TarifsteuerMitProgression(e, r, "OhneGewinn");
    const double ohneGewinn = r.EStTarif;
    const double m = r.PvSteuersatz <= 0.001
                         ? r.EStTarif
                         : QUARNEL_RUNDEN("EStTarifRestGewinnPV", r.PvSteuersatz * rest);
    r.EStVeraeussGewinn = QUARNEL_RUNDEN("EStVeraeussGewinn", beguenstigt * satz);
    r.EStTarif = m;
    r.ZvETarif = rest;
    if (Erklaerung* const spur = AktiveErklaerung()) [[unlikely]]
        ErklaereAbseits([=, &e, &r] {
            std::vector<Wertangabe> gewinne;
            for (int p = 0; p < Personen(e); ++p) {
                auto n = [p](std::string_view name) { return PersonName(name, p); };
                spur->Schritt("VeraeussGewinnPerson", n("VeraeussGewinn"),
                              e.GewVeraeuss(p) + e.SelbVeraeuss(p),
                              {Ein(n("GewVeraeuss"), e.GewVeraeuss(p)),
                               Ein(n("SelbVeraeuss"), e.SelbVeraeuss(p))});
                gewinne.push_back(Erg(n("VeraeussGewinn"), e.GewVeraeuss(p) + e.SelbVeraeuss(p)));
            }
            spur->Schritt("VeraeussGewinn", "VeraeussGewinn", v, std::move(gewinne));
            spur->Schritt("HalberSteuersatz", "HalberSteuersatz", satz,
                          {Erg("ZvE", zvE), Erg(TarifName(r, ""), steuer)}, f2);
            spur->Schritt("VeraeussBeguenstigt", "VeraeussBeguenstigt", beguenstigt,
                          {Erg("VeraeussGewinn", v), Erg("ZvE", zvE)});
            spur->Schritt("ZvEOhneGewinn", "ZvEOhneGewinn", rest,
                          {Erg("ZvE", zvE), Erg("VeraeussGewinn", v, -1)}, f2);
            if (r.PvSteuersatz <= 0.001)
                spur->Schritt("EStTarifRestGewinn", "EStTarifRest", m,
                              {Erg(TarifName(r, "OhneGewinn"), ohneGewinn)});
            else
                spur->Schritt(
                    "EStTarifRestGewinnPV", "EStTarifRest", m,
                    {Erg("ZvEOhneGewinn", rest), Erg("PvSteuersatzOhneGewinn", r.PvSteuersatz)});
            spur->Schritt("EStVeraeussGewinn", "EStVeraeussGewinn", r.EStVeraeussGewinn,
                          {Erg("VeraeussBeguenstigt", beguenstigt), Erg("HalberSteuersatz", satz)});
        });
}

double HalberSteuersatz(double zvE, double steuer, int f2) {
    const double h = Stutzen(6, Stutzen(6, Quotient(StufeAb(zvE, f2), steuer)) / 2);
    return MaxWert(h, MindestsatzHalberSatz);
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
    Fuenftelregelung(e, r, mitGewinnen && r.VeraeussGewinn > 0 ? "ZvEOhneGewinn" : "ZvE");
    r.ZvE = z;
    r.EStTariflich = r.EStTarif + r.EStAoEinkuenfte + (mitGewinnen ? r.EStVeraeussGewinn : 0);
    if (Erklaerung* spur = AktiveErklaerung()) [[unlikely]]
        ErklaereAbseits([=, &r] {
            // the tariff tax of what is left after the special incomes, when there are any
            const bool rest = spur->Letzter("EStTarifRest") > spur->Letzter("ZvE");
            std::vector<Wertangabe> werte = {Erg(rest                       ? "EStTarifRest"
                                                 : r.FlagProgVorbehalt == 1 ? "EStTarifPV"
                                                                            : "EStTarif",
                                                 r.EStTarif)};
            if (IstNichtNull(r.EStAoEinkuenfte) ||
                spur->Letzter("EStAoEinkuenfte") > spur->Letzter("ZvE"))
                werte.push_back(Erg("EStAoEinkuenfte", r.EStAoEinkuenfte));
            if (mitGewinnen && r.VeraeussGewinn > 0)
                werte.push_back(Erg("EStVeraeussGewinn", r.EStVeraeussGewinn));
            spur->Schritt("EStTariflich", "EStTariflich", r.EStTariflich, std::move(werte));
        });
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
    const double g = QUARNEL_RUNDEN("ErmLuFTarif", NichtNegativ(f - r.FreibetragLuF) * satz);
    const double l = NichtNegativ(MinWert(e.LuFErmKappeEr, r.EkLuFEr));
    const double m = e.FlagZusammen == 1 ? NichtNegativ(MinWert(e.LuFErmKappeSie, r.EkLuFSie)) : 0;
    r.ErmLuF = MinWert(l + m, g);
    r.Grenzsteuersatz = grenz;
    if (Erklaerung* const spur = AktiveErklaerung()) [[unlikely]]
        ErklaereAbseits([=, &e, &r] {
            const double sie = e.FlagZusammen == 1 ? 1 : 0;
            if (f == 0 && r.ErmLuF == 0) {
                spur->Schritt("ErmLuFKein", "ErmLuF", 0,
                              {Erg("EkLuFEr", r.EkLuFEr, 0), Erg("EkLuFSie", r.EkLuFSie, 0)});
                return;
            }
            spur->Schritt("ErmLuFSatz", "ErmLuFSatz", satz, {Erg("ZvE", r.ZvE)}, f2);
            spur->Schritt("ErmLuFTarif", "ErmLuFTarif", g,
                          {Erg("EkLuFEr", r.EkLuFEr), Erg("EkLuFSie", r.EkLuFSie, sie),
                           Erg("FreibetragLuF", r.FreibetragLuF, -1), Erg("ErmLuFSatz", satz)});
            spur->Schritt("ErmLuFKappe", "ErmLuFKappeEr", l,
                          {Ein("LuFErmKappeEr", e.LuFErmKappeEr), Erg("EkLuFEr", r.EkLuFEr)});
            std::vector<Wertangabe> werte = {Erg("ErmLuFKappeEr", l)};
            if (sie != 0) {
                spur->Schritt(
                    "ErmLuFKappe", "ErmLuFKappeSie", m,
                    {Ein("LuFErmKappeSie", e.LuFErmKappeSie), Erg("EkLuFSie", r.EkLuFSie)});
                werte.push_back(Erg("ErmLuFKappeSie", m));
            }
            werte.push_back(Erg("ErmLuFTarif", g));
            spur->Schritt("ErmLuF", "ErmLuF", r.ErmLuF, std::move(werte));
        });
}

void Durchschnittssteuersatz(CalcResult& r) {
    r.Durchschnittssteuersatz = Quotient(r.ZvE, r.EStFestzusetzen) * 100;
}

}  // namespace quarnel
