// Deduction steps of a computation pass: from the Gesamtbetrag der Einkünfte
// to the zu versteuerndes Einkommen.
#include "calc/betrag.h"
#include "calc/durchgang.h"
#include "calc/erklaerung.h"
#include "calc/parameter.h"

namespace quarnel {

void Spenden(const CalcInput& e, CalcResult& r) {
    r.SpendenA = e.SpendenIn1;
    r.SpendenB = e.SpendenIn2;
    r.ParteiSpenden = e.ParteiSpendenIn;
    r.WaehlerSpenden = e.WaehlerSpendenIn;

    const double grenze = 3000 * r.ParamFaktor;
    double r1 = 0, r2 = 0;
    if (r.ParteiSpenden > 0) {
        if (r.ParteiSpenden >= grenze) {
            r1 = grenze / 2;
            r.ParteiSpenden -= grenze;
        } else {
            r1 = Int((r.ParteiSpenden + 0.9) / 2);
            r.ParteiSpenden = 0;
        }
    }
    // donations to voters' associations only reduce the tax, never the income
    if (r.WaehlerSpenden > 0)
        r2 = r.WaehlerSpenden >= grenze ? grenze / 2 : Int((r.WaehlerSpenden + 0.9) / 2);
    r.ErmParteiSpenden = r1 + r2;

    const double g = NichtNegativ(Int(r.GesamtbetragEk * 5 / 100));
    r.SpendenA = MinWert(g, r.SpendenA);
    r.SpendenB = MinWert(2 * g, r.SpendenB);
    r.SpendenAbziehbar = MinWert(2 * g, r.SpendenA + r.SpendenB);
    r.SpendenAbziehbar += MinWert(3000 * r.ParamFaktor, r.ParteiSpenden);
    r.SpendenAbziehbar += MinWert(40000, e.StiftungSpendenIn);
    r.SpendenAbziehbar += MinWert(600000, e.StiftungStockIn);
}

void SonstigeSonderausgaben(const CalcInput& e, CalcResult& r) {
    r.Schulgeld = AufrundenDM(param::SchulgeldSatz * e.SchulgeldIn);
    const double summe = e.RentenLastenIn + e.UnterhaltsleistIn + e.KiStGezahltIn +
                         e.SteuerZinsenIn + e.HausBeschIn + r.Schulgeld + e.SteuerberatungIn +
                         e.AusbildungSaIn + r.SpendenAbziehbar;
    r.SonderausgabenUebrige = MaxWert(r.ParamSaPausch * PauschbetragFaktor(e), summe);
}

double Vorsorgepauschale(const CalcInput& e) {
    const int f2 = PauschbetragFaktor(e);
    const double w1 = e.LohnVorsPauschEr;
    const double w2 = e.FlagZusammen == 1 ? e.LohnVorsPauschSie : 0;
    const bool gemischt =
        e.LohnVorsPauschSie > 0.000001 && e.FlagZusammen == 1 && e.UngekuerztEr != e.UngekuerztSie;
    double ergebnis;
    if (gemischt) {
        const double rLohn = e.UngekuerztEr == 0 ? w1 : w2;  // reduced Pauschale
        const double uLohn = e.UngekuerztEr == 0 ? w2 : w1;  // full Pauschale
        const double s = 0.2 * uLohn + MinWert(2214, 0.2 * rLohn);
        const double ev = NichtNegativ(12000 - 0.16 * (rLohn + uLohn));
        const double a = MinWert(ev, s);
        const double b = MinWert(5220, s - a);
        const double c = MinWert(2610, NichtNegativ(s - a - 5220) / 2);
        ergebnis = MaxWert(MinWert(2 * 2214, 0.2 * rLohn), a + b + c);
    } else if (e.UngekuerztEr == 1) {
        const double w = w1 + w2;
        double p = 0.2 * w;
        const double ev = NichtNegativ(6000.0 * f2 - 0.16 * w);
        const double a = MinWert(ev, p);
        p -= a;
        const double b = MinWert(2610.0 * f2, p);
        const double c = MinWert(2610.0 * f2 / 2, NichtNegativ((p - b) / 2));
        ergebnis = a + b + c;
    } else {
        ergebnis = MinWert(2214.0 * f2, 0.2 * (w1 + w2));
    }
    // §10c(2) EStG: down to the next full DM amount divisible by 54, the plain
    // floor of the quotient (4805.80 gives 88 steps, never 89)
    return Stutzen(0, ergebnis / 54) * 54;
}

void Vorsorgeaufwendungen(const CalcInput& e, CalcResult& r) {
    r.PflegeZusatz = r.PflegeUeberschuss = 0;
    for (int p = 0; p < Personen(e); ++p) {
        const double pflege = e.PflegeVers(p);
        if (e.NachStichtag(p) == 1) {
            r.PflegeZusatz += MinWert(360, pflege);
            r.PflegeUeberschuss += NichtNegativ(pflege - 360);
        } else {
            r.PflegeUeberschuss += pflege;
        }
    }
    r.VorsorgeAufw += r.PflegeUeberschuss;
    r.VorsAufwBasis = r.VorsorgeAufw;
    r.VorwegabzugVoll = r.VorwegKuerzung = r.VorwegabzugRest = r.VorwegabzugGenutzt = 0;
    r.VorsNachVorweg = r.VorsRest1 = r.Grundhoechst = r.VorsRest2 = r.HalbHoechst = 0;
    r.VorsHoechstErgebnis = r.Vorsorgepauschale = 0;

    double kuerzung = AbrundenDM(e.LohnVorwegKuerzEr * r.ParamVorwegKuerzSatz);
    if (e.FlagZusammen == 1)
        kuerzung += AbrundenDM(e.LohnVorwegKuerzSie * r.ParamVorwegKuerzSatz);
    r.VorwegKuerzung = kuerzung;

    // Höchstbetragsrechnung: Vorwegabzug, Grundhöchstbetrag, half of the rest
    double b = r.VorsorgeAufw;
    r.VorwegabzugVoll = r.ParamVorwegabzug * r.ParamFaktor;
    r.VorwegabzugRest = NichtNegativ(r.VorwegabzugVoll - kuerzung);
    const double v = MinWert(r.VorwegabzugRest, b);
    r.VorwegabzugGenutzt = v;
    r.VorsNachVorweg = r.VorsAufwBasis - v;
    b -= v;
    r.VorsRest1 = b;
    const double m = MinWert(2610 * r.ParamFaktor, b);
    r.Grundhoechst = m;
    b -= m;
    r.VorsRest2 = b;
    const double h = MinWert(1305 * r.ParamFaktor, Int(b / 2 + 0.5));
    r.HalbHoechst = h;
    r.VorsHoechstErgebnis =
        AufrundenDM(MaxWert(r.PflegeZusatz + v + m + h, r.ParamVorsorgeMin));

    r.Vorsorgepauschale = Vorsorgepauschale(e);
    r.VorsorgeAbziehbar = MaxWert(r.Vorsorgepauschale, r.VorsHoechstErgebnis);
}

int ZumutbareBelastungProzent(int kinder, int f2, double gdE) {
    static constexpr int satz[4][3] = {{1, 1, 2}, {2, 3, 4}, {4, 5, 6}, {5, 6, 7}};
    const int zeile = kinder > 2 ? 0 : kinder >= 1 ? 1 : f2 == 2 ? 2 : 3;
    const int spalte = gdE <= 30000 ? 0 : gdE <= 100000 ? 1 : 2;
    return satz[zeile][spalte];
}

void AussergewoehnlicheBelastungen(const CalcInput& e, CalcResult& r) {
    r.AgBAbziehbar = 0;
    const int prozent = ZumutbareBelastungProzent(e.AnzahlKinder, F2(e), r.GesamtbetragEk);
    r.ZumutbareBelastung = NichtNegativ(Int(r.GesamtbetragEk * prozent / 100));
    if (e.AgbAndereIn > 0) r.AgBAbziehbar = NichtNegativ(e.AgbAndereIn - r.ZumutbareBelastung);
}

int WohnKategorie(std::string_view datum) {
    // day.month.year; blanks count as zeros, anything else that is no digit too
    auto ziffern = [&](std::size_t von, std::size_t anzahl) {
        int wert = 0;
        for (std::size_t i = von; i < von + anzahl; ++i) {
            const char c = i < datum.size() ? datum[i] : '0';
            wert = wert * 10 + (c >= '0' && c <= '9' ? c - '0' : 0);
        }
        return wert;
    };
    const int monat = ziffern(3, 2), jahr = ziffern(6, 4);
    if (jahr >= 1900 && jahr <= 1986) return 1;
    if (jahr >= 1987 && jahr <= 1989) return 2;
    if (jahr == 1990) return 3;
    if (jahr == 1991) return monat >= 10 ? 5 : 4;
    if (jahr >= 1992 && jahr <= 1994) return 6;
    if (jahr == 1995) return 7;
    if (jahr >= 1996 && jahr <= 2005) return 8;
    return 0;
}

void WohneigentumBaukindergeld(const CalcInput& e, CalcResult& r) {
    const int c = WohnKategorie(e.WohnDatum1.Sicht());
    double x = e.WohnAbzug, y = e.WohnAbzug2, z = e.WohnVorkosten + e.WohnAbzug3;
    if (c == 0) x = y = z = 0;
    if (c != 6) y = 0;
    if ((c == 6 || c == 7) && r.GesamtbetragEk > 120000 * r.ParamFaktor) x = 0;
    if (c == 8) x = 0;

    r.Baukindergeld = 0;
    if (x > 0 || c == 8) {
        const int d = WohnKategorie(e.WohnDatum2.Sicht());
        const int k = e.AnzahlKinderBaukg;
        double satz = 0;
        int kinder = k;
        if (d == 1)
            satz = 600, kinder = k - 1;
        else if (d == 2)
            satz = 600;
        else if (d == 3)
            satz = 750;
        else if (d >= 4)
            satz = 1000;
        r.Baukindergeld = NichtNegativ(satz * kinder);
    }
    r.WohneigentumAbzug = x + y + z + e.WohnAbzug4;
}

// §10d(2) EStG 2001: a loss carried forward is deducted from the Gesamtbetrag
// der Einkünfte, never below 0. The part that meets income of the same kind
// goes in full; the rest reduces income of other kinds up to 100,000 DM
// (200,000 DM jointly) and beyond that up to half of the remainder (the half
// rounded up to the DM, as in the loss offset of §2(3)). What is not deducted
// stays carried forward.
void Verlustabzug(const CalcInput& e, CalcResult& r) {
    const double verlust = NichtNegativ(e.VerlustabzugIn);
    const double gleicheArt = MinWert(NichtNegativ(e.VerlustGleicheArtIn), verlust);
    const double basis = NichtNegativ(r.GesamtbetragEk);
    const double abzugGleich = MinWert(gleicheArt, basis);
    const double rest = basis - abzugGleich;
    const double grenze = 100000 * r.ParamFaktor;
    const double kappe = rest <= grenze ? rest : grenze + AufrundenDM((rest - grenze) / 2);
    r.VerlustabzugAbziehbar = abzugGleich + MinWert(verlust - gleicheArt, kappe);
    r.VerlustabzugVerbleibend = verlust - r.VerlustabzugAbziehbar;
}

void EinkommenErmitteln(const CalcInput& e, CalcResult& r) {
    Verlustabzug(e, r);
    r.Einkommen = r.GesamtbetragEk - r.SonderausgabenUebrige - r.VorsorgeAbziehbar -
                  e.BehindertenPauschIn - e.HaushaltshilfePflegeIn - e.HinterblPauschIn -
                  e.UnterhaltIn - e.AusbildungsFbIn - r.AgBAbziehbar - r.WohneigentumAbzug -
                  r.VerlustabzugAbziehbar;
    QUARNEL_ERKLAERE(
        "Einkommen", r.Einkommen,
        {Erg("GesamtbetragEk", r.GesamtbetragEk),
         Erg("SonderausgabenUebrige", r.SonderausgabenUebrige, -1),
         Erg("VorsorgeAbziehbar", r.VorsorgeAbziehbar, -1),
         Ein("BehindertenPauschIn", e.BehindertenPauschIn, -1),
         Ein("HaushaltshilfePflegeIn", e.HaushaltshilfePflegeIn, -1),
         Ein("HinterblPauschIn", e.HinterblPauschIn, -1), Ein("UnterhaltIn", e.UnterhaltIn, -1),
         Ein("AusbildungsFbIn", e.AusbildungsFbIn, -1), Erg("AgBAbziehbar", r.AgBAbziehbar, -1),
         Erg("WohneigentumAbzug", r.WohneigentumAbzug, -1),
         Erg("VerlustabzugAbziehbar", r.VerlustabzugAbziehbar, -1)});
    if (r.FlagEndPass == 1) r.EndEinkommen = r.Einkommen;
}

void Haushaltsfreibetrag(const CalcInput& e, CalcResult& r) {
    const bool zusteht = r.KindFbSumme > 0.000001 && e.FlagEinzel == 1 && e.AnzahlKinderHhFb > 0 &&
                         e.FlagWitwenSplitting != 1;
    r.HaushaltsFb = zusteht ? r.ParamHaushaltsFb : 0;
    QUARNEL_ERKLAERE("HaushaltsFb", r.HaushaltsFb,
                     {Par("ParamHaushaltsFb", r.ParamHaushaltsFb, zusteht ? 1 : 0)});
}

void Haerteausgleich(const CalcInput& e, CalcResult& r) {
    r.Haertausgleich = 0;
    const bool zusammen = e.FlagZusammen == 1;
    const double w = r.ArbLohnEr + (zusammen ? r.ArbLohnSie : 0);
    if (!(w > 0)) return;
    double ohneLohnsteuer = r.SummeEkEr - r.FreibetragLuF - (r.ArbLohnEr - r.VersFbEr - r.WkNsaEr);
    if (zusammen) ohneLohnsteuer += r.SummeEkSie - (r.ArbLohnSie - r.VersFbSie - r.WkNsaSie);
    const double n = NichtNegativ(ohneLohnsteuer);
    double h = 0, kappe = 999999;
    if (n <= 800) {
        h = n;
    } else if (n <= 1600) {
        h = 1600 - n;
        kappe = 0.4 * h;
    }
    double rest = r.ArbLohnEr - r.VersBezEr;
    if (zusammen) rest += r.ArbLohnSie - r.VersBezSie;
    double t = NichtNegativ(r.AltEntlEr - 0.4 * rest);
    if (t > kappe) t = kappe;
    r.Haertausgleich = NichtNegativ(h - t - r.FreibetragLuF);
}

void ZuVersteuerndesEinkommen(CalcResult& r) {
    r.ZvE =
        NichtNegativ(r.Einkommen - r.KindFbAbzug - r.HaushaltsFb - r.Haertausgleich + r.ZvEHinzu);
    QUARNEL_ERKLAERE("ZvE", r.ZvE,
                     {Erg("Einkommen", r.Einkommen), Erg("KindFbAbzug", r.KindFbAbzug, -1),
                      Erg("HaushaltsFb", r.HaushaltsFb, -1),
                      Erg("Haertausgleich", r.Haertausgleich, -1), Erg("ZvEHinzu", r.ZvEHinzu)});
    if (r.FlagEndPass == 1) r.EndZvE = r.ZvE;
}

}  // namespace quarnel
