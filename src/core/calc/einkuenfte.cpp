// Income steps of a computation pass: from the declared lines to the
// Gesamtbetrag der Einkünfte.
#include <cmath>

#include "calc/betrag.h"
#include "calc/durchgang.h"
#include "calc/erklaerung.h"
#include "calc/parameter.h"

namespace quarnel {

void ParameterSetzen(const CalcInput& e, CalcResult& r) {
    using namespace param;
    r.ParamFaktor = e.FlagZusammen == 1 ? FaktorZusammen : FaktorEinzel;
    r.ParamStichjahr = Stichjahr;
    r.ParamJahr = Jahr;
    r.ParamGrundfreibetrag = Grundfreibetrag;
    for (int i = 0; i < 4; ++i) r.ParamKindergeld[i] = Kindergeld[i];
    r.ParamBetreuungsFb = BetreuungsFb;
    r.ParamKinderFb = KinderFb;
    r.ParamAusbGrenze = AusbGrenze;
    for (int i = 0; i < 3; ++i) r.ParamAusbFb[i] = AusbFb[i];
    r.ParamUnterhAnrechnungsfrei = UnterhAnrechnungsfrei;
    r.ParamUnterhHoechst = UnterhHoechst;
    r.ParamHaushaltsFb = HaushaltsFb;
    r.ParamArbnPausch = ArbnPausch;
    r.ParamSaPausch = SaPausch;
    r.ParamAltEntlMax = AltEntlMax;
    r.ParamLuFFb = LuFFb;
    r.ParamVersFbMax = VersFbMax;
    r.ParamWkSonstPausch = WkSonstPausch;
    r.ParamWkKapPausch = WkKapPausch;
    r.ParamSparerFb = SparerFb;
    r.ParamVorwegabzug = Vorwegabzug;
    r.ParamVorsorgeMin = VorsorgeMin;
    r.ParamVorsPauschSatz = VorsPauschSatz;
    r.ParamVorsPauschSatzGek = VorsPauschSatzGek;
    r.ParamVorwegKuerzSatz = VorwegKuerzSatz;
    r.ParamVorsPauschGekMax = VorsPauschGekMax;
    r.ParamWopGrenze = WopGrenze;
    r.ParamWopHoechst = WopHoechst;
    r.ParamSparzulageGrenze = SparzulageGrenze;
    r.ParamHinterblPausch = HinterblPausch;
    for (int i = 0; i < 10; ++i) r.ParamSaetze[i] = Saetze[i];
}

void EinkuenfteUebernehmen(const CalcInput& e, CalcResult& r) {
    for (int p = 0; p < 2; ++p) {
        r.EkLuF(p) = AbrundenDM(e.LuFIn(p));
        r.EkGew(p) = AbrundenDM(e.GewIn(p)) + AbrundenDM(e.GewAo(p)) +
                     AbrundenDM(e.GewVeraeuss(p));
        r.EkSelb(p) =
            AbrundenDM(e.SelbIn(p)) + AbrundenDM(e.SelbAo(p) + e.SelbVeraeuss(p));
        r.AbfindungFrei(p) = MinWert(e.Abfindung(p), e.AbfindungFreiIn(p));
        r.AbfindungStpfl(p) = e.Abfindung(p) - r.AbfindungFrei(p);
        r.ArbLohn(p) = AbrundenDM(e.Lohn(p)) + AbrundenDM(e.LohnMehrj(p)) +
                       AbrundenDM(r.AbfindungStpfl(p));
        r.VersBez(p) = AbrundenDM(e.VersBezIn(p)) + AbrundenDM(e.VersBezMehrj(p));
        r.KapEinn(p) = AbrundenDM(e.KapIn(p));
        // the foreign taxes among the expenses leave them when they are credited
        r.WkKap(p) = AufrundenDM(e.WkKapIn(p) - (r.FlagAuslAnrechnung == 1 ? e.AuslSteuer(p) : 0));
        r.EkVuV(p) = AbrundenDM(e.VuVIn(p));
        r.SonstRente(p) = AbrundenDM(e.RenteIn(p));
        r.WkRente(p) = AufrundenDM(e.WkRenteIn(p));
        r.Bezuege(p) = AbrundenDM(e.BezuegeIn(p));
        r.WkBezuege(p) = AufrundenDM(e.WkBezuegeIn(p));
        r.PrivVeraeuss(p) = AbrundenDM(e.PrivVeraeussIn(p));
        r.Leistungen(p) = AbrundenDM(e.LeistungenIn(p));
        r.Abgeordneten(p) =
            AbrundenDM(e.AbgeordnetenIn(p)) + AbrundenDM(e.AbgeordnetenMehrj(p));
        r.WkNsa(p) = e.WerbKost(p);
        r.WkNsaZusatz(p) = e.WerbKostZus(p);
    }
    r.VorsorgeAufw = e.VorsorgeIn;
}

namespace {

// A what-if rise of the Werbungskosten counts up to the next full DM; a cut is
// taken as entered, so that -100 lowers them by 100 and not by 99.
double WerbungskostenAenderung(double d) {
    return d > 0 ? Int(d + 0.9) : d;
}

}  // namespace

void WhatIfAnwenden(CalcResult& r) {
    const double* d = r.WhatIfDelta;
    for (int p = 0; p < 2; ++p) {
        r.EkLuF(p) += d[0 + p];
        r.EkGew(p) += d[2 + p];
        r.EkSelb(p) += d[4 + p];
        r.ArbLohn(p) += d[6 + p];
        r.WkNsa(p) += WerbungskostenAenderung(d[8 + p]);
        r.KapEinn(p) += d[10 + p];
        r.EkVuV(p) += d[12 + p];
        r.SonstRente(p) += d[14 + p];
    }
    r.VorsorgeAufw += d[16] + d[17];
}

void EhegattenwerteLoeschen(const CalcInput& e, CalcResult& r) {
    if (e.FlagEinzel != 1) return;
    for (double* w :
         {&r.EkLuFSie,      &r.EkGewSie,        &r.EkSelbSie,     &r.ArbLohnSie, &r.VersBezSie,
          &r.KapEinnSie,    &r.EkVuVSie,        &r.SonstRenteSie, &r.BezuegeSie, &r.PrivVeraeussSie,
          &r.LeistungenSie, &r.AbgeordnetenSie, &r.WkKapSie,      &r.WkRenteSie, &r.WkBezuegeSie,
          &r.WkSonstSie,    &r.SparerFbSie,     &r.VersFbSie,     &r.WkNsaSie,   &r.WkNsaZusatzSie})
        *w = 0;
}

void FreibetragLandForst(CalcResult& r) {
    r.FreibetragLuF =
        r.FlagLuFFreibetrag == 0
            ? 0
            : NichtNegativ(MinWert(r.ParamLuFFb * r.ParamFaktor, r.EkLuFEr + r.EkLuFSie));
}

void VersorgungsFreibetrag(CalcResult& r) {
    for (int p = 0; p < 2; ++p)
        r.VersFb(p) = MinWert(r.ParamVersFbMax, Int(r.VersBez(p) * 0.4 + 0.9));
}

void WerbungskostenArbeit(const CalcInput& e, CalcResult& r) {
    for (int p = 0; p < Personen(e); ++p) {
        double& wk = r.WkNsa(p);
        wk = AufrundenDM(wk + r.WkNsaZusatz(p));
        const double lohn = r.ArbLohn(p) - r.VersFb(p);
        // the Pauschbetrag never creates a loss; actual expenses above the wages do
        if (lohn > wk && wk < r.ParamArbnPausch) wk = MinWert(r.ParamArbnPausch, lohn);
        wk = AufrundenDM(wk);
    }
}

int KapitalPauschFall(const CalcInput& e, const CalcResult& r) {
    if (e.FlagZusammen != 1) return 0;
    const double pausch = r.ParamWkKapPausch;
    if (r.WkKapEr > pausch && r.WkKapSie > pausch) return 1;
    if (r.WkKapEr <= r.KapEinnEr && r.WkKapSie <= r.KapEinnSie &&
        r.WkKapEr + r.WkKapSie <= 2 * pausch)
        return 2;
    if (r.WkKapSie > 100) return 4;
    return 3;
}

namespace {

// Tops up the Werbungskosten of a couple to the joint Pauschbetrag of 200,
// person B first.
void KapitalPauschAuffuellen(double& wkA, double& wkB, double einnA, double einnB) {
    constexpr double gemeinsam = 200;
    if (wkA + wkB >= gemeinsam) return;
    const double ungenutzt = NichtNegativ(gemeinsam - einnA - einnB);
    if (einnB >= wkB)
        wkB = MinWert(wkB + NichtNegativ(NichtNegativ(gemeinsam - wkB - wkA) - ungenutzt), einnB);
    if (einnA >= wkA && wkA + wkB < gemeinsam)
        wkA = MinWert(wkA + NichtNegativ(NichtNegativ(gemeinsam - wkA - wkB) - ungenutzt), einnA);
}

}  // namespace

void KapitalWerbungskostenSparerFb(const CalcInput& e, CalcResult& r) {
    const double pausch = r.ParamWkKapPausch;
    switch (KapitalPauschFall(e, r)) {
        case 0:
            if (r.WkKapEr <= r.KapEinnEr && r.WkKapEr < pausch)
                r.WkKapEr = MinWert(pausch, r.KapEinnEr);
            break;
        case 1:
            break;
        case 2:
            if (r.KapEinnEr + r.KapEinnSie > r.WkKapEr + r.WkKapSie) {
                const double rest = NichtNegativ(2 * pausch - r.WkKapEr - r.WkKapSie);
                const double anteil =
                    AufrundenDM(Quotient(r.KapEinnEr + r.KapEinnSie, r.KapEinnEr) * rest);
                r.WkKapEr += anteil;
                r.WkKapSie += rest - anteil;
                if (r.WkKapEr > r.KapEinnEr) {
                    r.WkKapSie += r.WkKapEr - r.KapEinnEr;
                    r.WkKapEr = r.KapEinnEr;
                }
                if (r.WkKapSie > r.KapEinnSie) r.WkKapSie = r.KapEinnSie;
            }
            break;
        case 3:
            KapitalPauschAuffuellen(r.WkKapEr, r.WkKapSie, r.KapEinnEr, r.KapEinnSie);
            break;
        case 4:
            KapitalPauschAuffuellen(r.WkKapSie, r.WkKapEr, r.KapEinnSie, r.KapEinnEr);
            break;
    }
    const double sfb = r.ParamSparerFb;
    r.SparerFbEr = MinWert(sfb, NichtNegativ(r.KapEinnEr - r.WkKapEr));
    r.SparerFbSie = MinWert(sfb, NichtNegativ(r.KapEinnSie - r.WkKapSie));
    if (e.FlagZusammen == 1) {
        r.SparerFbSie =
            MinWert(r.SparerFbSie + (sfb - r.SparerFbEr), NichtNegativ(r.KapEinnSie - r.WkKapSie));
        r.SparerFbEr = MinWert(r.SparerFbEr + NichtNegativ(sfb - r.SparerFbSie),
                               NichtNegativ(r.KapEinnEr - r.WkKapEr));
    }
}

void WerbungskostenSonstige(CalcResult& r) {
    for (int p = 0; p < 2; ++p) {
        r.WkSonst(p) = r.WkRente(p) + r.WkBezuege(p);
        const double einnahmen = r.SonstRente(p) + r.Bezuege(p);
        if (einnahmen > 0 && r.WkSonst(p) < r.ParamWkSonstPausch) {
            r.WkSonst(p) = MinWert(r.ParamWkSonstPausch, einnahmen);
            r.WkBezuege(p) = AbrundenDM(r.Bezuege(p) / einnahmen * r.ParamWkSonstPausch);
        }
    }
}

namespace {

// The seven income types of a person: employment, capital, rental, business,
// self-employment, farming, other.
void EinkunftsArten(const CalcResult& r, int p, double art[7]) {
    art[0] = r.ArbLohn(p) - r.VersFb(p) - r.WkNsa(p);
    art[1] = r.KapEinn(p) - r.WkKap(p) - r.SparerFb(p);
    art[2] = r.EkVuV(p);
    art[3] = r.EkGew(p);
    art[4] = r.EkSelb(p);
    art[5] = r.EkLuF(p);
    art[6] = r.SonstRente(p) + r.Bezuege(p) - r.WkSonst(p) + r.PrivVeraeuss(p) + r.Leistungen(p) +
             r.Abgeordneten(p);
}

}  // namespace

void SummeDerEinkuenfte(CalcResult& r) {
    double s[2];
    for (int p = 0; p < 2; ++p) {
        double art[7];
        EinkunftsArten(r, p, art);
        s[p] = 0;
        for (double a : art) s[p] += a;
    }
    r.SummeEkEr = s[0];
    r.SummeEkSie = s[1];
    for (int p = 0; p < 2 && AktiveErklaerung(); ++p) {
        const std::string t = p == 0 ? "Er" : "Sie";
        AktiveErklaerung()->Schritt(
            "SummeEk" + t, s[p],
            {Erg("ArbLohn" + t, r.ArbLohn(p)), Erg("VersFb" + t, r.VersFb(p), -1),
             Erg("WkNsa" + t, r.WkNsa(p), -1), Erg("KapEinn" + t, r.KapEinn(p)),
             Erg("WkKap" + t, r.WkKap(p), -1), Erg("SparerFb" + t, r.SparerFb(p), -1),
             Erg("EkVuV" + t, r.EkVuV(p)), Erg("EkGew" + t, r.EkGew(p)),
             Erg("EkSelb" + t, r.EkSelb(p)), Erg("EkLuF" + t, r.EkLuF(p)),
             Erg("SonstRente" + t, r.SonstRente(p)), Erg("Bezuege" + t, r.Bezuege(p)),
             Erg("WkSonst" + t, r.WkSonst(p), -1), Erg("PrivVeraeuss" + t, r.PrivVeraeuss(p)),
             Erg("Leistungen" + t, r.Leistungen(p)), Erg("Abgeordneten" + t, r.Abgeordneten(p))});
    }
    r.SummeEk = s[0] + s[1];
    QUARNEL_ERKLAERE("SummeEk", r.SummeEk, {Erg("SummeEkEr", s[0]), Erg("SummeEkSie", s[1])});
}

void Verlustausgleich(const CalcInput& e, CalcResult& r) {
    double* va = r.VaTabelle;
    for (int i = 0; i < 52; ++i) va[i] = 0;
    r.FlagMindestbesteuerung = 0;
    constexpr double grenze = 100000;
    for (int p = 0; p < Personen(e); ++p) {
        double art[7];
        EinkunftsArten(r, p, art);
        for (int t = 0; t < 7; ++t) {
            if (art[t] > 0.001)
                va[7 * p + t] = art[t];
            else if (art[t] < -0.001)
                va[14 + 7 * p + t] = -art[t];
            va[28 + p] += va[7 * p + t];
            va[30 + p] += va[14 + 7 * p + t];
        }
    }
    const bool einzel = e.FlagEinzel == 1 && va[28] > grenze && va[30] > grenze;
    const bool zusammen = e.FlagZusammen == 1 && (va[28] > grenze || va[29] > grenze) &&
                          (va[30] > grenze || va[31] > grenze);
    if (!einzel && !zusammen) return;
    r.FlagMindestbesteuerung = 1;

    for (int p = 0; p < Personen(e); ++p) {
        const double pos = va[28 + p], neg = va[30 + p];
        const double a = MinWert(MinWert(grenze, pos), neg);
        va[32 + p] = va[34 + p] = a;
        va[36 + p] = pos - a;
        va[38 + p] = neg - a;
        const double h = MinWert(neg - a, AufrundenDM((pos - a) / 2));
        va[40 + p] = va[42 + p] = h;
        va[44 + p] = pos - a - h;
        va[46 + p] = neg - a - h;
        va[48 + p] = va[44 + p];
        va[50 + p] = va[46 + p];
    }

    if (e.FlagZusammen == 1) {
        const double f = r.ParamFaktor;
        const double c = AufrundenDM(NichtNegativ((va[28] + va[29] - f * grenze) / 2));
        double v = NichtNegativ(f * grenze + c - (va[30] - va[46] + va[31] - va[47]));
        if (v >= 0.001) {
            const int x = va[44] >= va[45] ? 0 : 1;
            const int y = 1 - x;
            // offsets the negative slot of one person against the positive slot of another
            auto ausgleichen = [&](int negVon, int posVon) {
                const double betrag =
                    NichtNegativ(MinWert(MinWert(va[50 + negVon], va[48 + posVon]), v));
                va[50 + negVon] -= betrag;
                va[48 + posVon] -= betrag;
                v -= betrag;
            };
            ausgleichen(x, x);
            ausgleichen(y, x);
            ausgleichen(x, y);
        }
    }
    r.SummeEk = va[48] + va[49];
    QUARNEL_ERKLAERE("SummeEk", r.SummeEk,
                     {Erg("VaTabelle[48]", va[48]), Erg("VaTabelle[49]", va[49])});
}

void Altersentlastungsbetrag(const CalcInput& e, CalcResult& r) {
    r.AltEntlEr = r.AltEntlSie = 0;
    for (int p = 0; p < Personen(e); ++p) {
        if (e.GebJahr(p) >= r.ParamStichjahr) continue;
        const double andere = NichtNegativ(
            r.EkLuF(p) + r.EkGew(p) + r.EkSelb(p) + r.KapEinn(p) - r.WkKap(p) - r.SparerFb(p) +
            r.EkVuV(p) + r.PrivVeraeuss(p) + r.Bezuege(p) - r.WkBezuege(p) + r.Leistungen(p));
        // never negative, even when the Versorgungsbezüge exceed the wages
        r.AltEntl(p) = NichtNegativ(
            MinWert(r.ParamAltEntlMax, Int((andere + r.ArbLohn(p) - r.VersBez(p)) * 0.4 + 0.9)));
    }
}

void GesamtbetragDerEinkuenfte(CalcResult& r) {
    r.GesamtbetragEk = r.SummeEk - r.AltEntlEr - r.FreibetragLuF - r.AltEntlSie;
    QUARNEL_ERKLAERE(
        "GesamtbetragEk", r.GesamtbetragEk,
        {Erg("SummeEk", r.SummeEk), Erg("AltEntlEr", r.AltEntlEr, -1),
         Erg("AltEntlSie", r.AltEntlSie, -1), Erg("FreibetragLuF", r.FreibetragLuF, -1)});
}

}  // namespace quarnel
