// Deduction steps of a computation pass: from the Gesamtbetrag der Einkünfte
// to the zu versteuerndes Einkommen.
#include "calc/betrag.h"
#include "calc/durchgang.h"
#include "calc/erklaerung.h"
#include "calc/parameter.h"
#include "calc/rechenregeln.h"

namespace quarnel {

namespace {

[[gnu::noinline, gnu::cold]] void SpendenErklaeren(Erklaerung& spur, const CalcInput& e,
                                                   const CalcResult& r, double g) {
    const double grenze = param::ParteiSpendenHoechst * r.ParamFaktor;
    spur.Schritt(
        "SpendenGrenze", "SpendenGrenze", g,
        {Erg("GesamtbetragEk", r.GesamtbetragEk), Par("ParamSpendenSatz", param::SpendenSatz)});
    spur.Schritt(
        "SpendenGrenzeErhoeht", "SpendenGrenzeErhoeht", 2 * g,
        {Erg("SpendenGrenze", g), Par("ParamSpendenSatzFaktor", param::SpendenSatzFaktor)});
    spur.Schritt("SpendenA", "SpendenA", r.SpendenA,
                 {Ein("SpendenIn1", e.SpendenIn1), Erg("SpendenGrenze", g)});
    spur.Schritt("SpendenB", "SpendenB", r.SpendenB,
                 {Ein("SpendenIn2", e.SpendenIn2), Erg("SpendenGrenzeErhoeht", 2 * g)});
    const double allgemein = MinWert(2 * g, r.SpendenA + r.SpendenB);
    spur.Schritt("SpendenAllgemein", "SpendenAllgemein", allgemein,
                 {Erg("SpendenA", r.SpendenA), Erg("SpendenB", r.SpendenB),
                  Erg("SpendenGrenzeErhoeht", 2 * g)});
    const double partei = MinWert(grenze, r.ParteiSpenden);
    if (e.ParteiSpendenIn > 0)
        spur.Schritt("ParteiSpendenAbziehbar", "ParteiSpendenAbziehbar", partei,
                     {Ein("ParteiSpendenIn", e.ParteiSpendenIn),
                      Par("ParamParteiSpendenHoechst", grenze, -1),
                      Par("ParamParteiSpendenHoechst", grenze)});
    else
        spur.Schritt(
            "ParteiSpendenOhne", "ParteiSpendenAbziehbar", partei,
            {Ein("ParteiSpendenIn", e.ParteiSpendenIn), Par("ParamParteiSpendenHoechst", grenze)});
    spur.Schritt("StiftungSpendenAbziehbar", "StiftungSpendenAbziehbar",
                 MinWert(param::StiftungSpendenHoechst, e.StiftungSpendenIn),
                 {Ein("StiftungSpendenIn", e.StiftungSpendenIn),
                  Par("ParamStiftungSpendenHoechst", param::StiftungSpendenHoechst)});
    spur.Schritt("StiftungStockAbziehbar", "StiftungStockAbziehbar",
                 MinWert(param::StiftungStockHoechst, e.StiftungStockIn),
                 {Ein("StiftungStockIn", e.StiftungStockIn),
                  Par("ParamStiftungStockHoechst", param::StiftungStockHoechst)});
    spur.Schritt(
        "SpendenAbziehbar", "SpendenAbziehbar", r.SpendenAbziehbar,
        {Erg("SpendenAllgemein", allgemein), Erg("ParteiSpendenAbziehbar", partei),
         Erg("StiftungSpendenAbziehbar",
             MinWert(param::StiftungSpendenHoechst, e.StiftungSpendenIn)),
         Erg("StiftungStockAbziehbar", MinWert(param::StiftungStockHoechst, e.StiftungStockIn))});
}

[[gnu::noinline, gnu::cold]] void ErmaessigungParteienErklaeren(Erklaerung& spur,
                                                                const CalcInput& e,
                                                                const CalcResult& r, double r1,
                                                                double r2) {
    const double grenze = param::ParteiSpendenHoechst * r.ParamFaktor;
    spur.Schritt(
        "ErmParteiSpendenP", "ErmParteiSpendenP", r1,
        {Ein("ParteiSpendenIn", e.ParteiSpendenIn), Par("ParamParteiSpendenHoechst", grenze)});
    spur.Schritt(
        "ErmWaehlerSpenden", "ErmWaehlerSpenden", r2,
        {Ein("WaehlerSpendenIn", e.WaehlerSpendenIn), Par("ParamParteiSpendenHoechst", grenze)});
    spur.Schritt("ErmParteiSpenden", "ErmParteiSpenden", r.ErmParteiSpenden,
                 {Erg("ErmParteiSpendenP", r1), Erg("ErmWaehlerSpenden", r2)});
}

}  // namespace

void Spenden(const CalcInput& e, CalcResult& r) {
    r.SpendenA = e.SpendenIn1;
    r.SpendenB = e.SpendenIn2;
    r.ParteiSpenden = e.ParteiSpendenIn;
    r.WaehlerSpenden = e.WaehlerSpendenIn;

    const double grenze = param::ParteiSpendenHoechst * r.ParamFaktor;
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
    r.SpendenAbziehbar += MinWert(param::ParteiSpendenHoechst * r.ParamFaktor, r.ParteiSpenden);
    r.SpendenAbziehbar += MinWert(param::StiftungSpendenHoechst, e.StiftungSpendenIn);
    r.SpendenAbziehbar += MinWert(param::StiftungStockHoechst, e.StiftungStockIn);
    if (Erklaerung* spur = AktiveErklaerung()) [[unlikely]] {
        ErmaessigungParteienErklaeren(*spur, e, r, r1, r2);
        SpendenErklaeren(*spur, e, r, g);
    }
}

void SonstigeSonderausgaben(const CalcInput& e, CalcResult& r) {
    r.Schulgeld = QUARNEL_RUNDEN("Schulgeld", param::SchulgeldSatz * e.SchulgeldIn);
    const double summe = e.RentenLastenIn + e.UnterhaltsleistIn + e.KiStGezahltIn +
                         e.SteuerZinsenIn + e.HausBeschIn + r.Schulgeld + e.SteuerberatungIn +
                         e.AusbildungSaIn + r.SpendenAbziehbar;
    const double pausch = r.ParamSaPausch * PauschbetragFaktor(e);
    r.SonderausgabenUebrige = MaxWert(pausch, summe);
    if (Erklaerung* const spur = AktiveErklaerung()) [[unlikely]]
        ErklaereAbseits([=, &e, &r] {
            spur->Schritt("Schulgeld", "Schulgeld", r.Schulgeld,
                          {Ein("SchulgeldIn", e.SchulgeldIn),
                           Par("ParamSchulgeldSatz", param::SchulgeldSatz)});
            spur->Schritt("SaPauschbetrag", "SaPauschbetrag", pausch,
                          {Par("ParamSaPausch", r.ParamSaPausch, 1),
                           Par("ParamFaktor", PauschbetragFaktor(e))});
            std::vector<Wertangabe> werte = {Ein("RentenLastenIn", e.RentenLastenIn),
                                             Ein("KiStGezahltIn", e.KiStGezahltIn),
                                             Ein("HausBeschIn", e.HausBeschIn),
                                             Erg("Schulgeld", r.Schulgeld),
                                             Ein("SteuerberatungIn", e.SteuerberatungIn),
                                             Ein("AusbildungSaIn", e.AusbildungSaIn),
                                             Erg("SpendenAbziehbar", r.SpendenAbziehbar)};
            if (e.UnterhaltsleistIn != 0)
                werte.push_back(Ein("UnterhaltsleistIn", e.UnterhaltsleistIn));
            if (e.SteuerZinsenIn != 0) werte.push_back(Ein("SteuerZinsenIn", e.SteuerZinsenIn));
            werte.push_back(Erg("SaPauschbetrag", pausch));
            spur->Schritt("SonderausgabenUebrige", "SonderausgabenUebrige", r.SonderausgabenUebrige,
                          std::move(werte));
        });
}

namespace {

// The Pauschale itself, inlined into the pass.
[[gnu::always_inline]] inline double VorsorgepauschaleRechnen(double lohnEr, double lohnSie,
                                                              int ungekuerztEr, int ungekuerztSie,
                                                              bool zusammen) {
    const int f2 = zusammen ? 2 : 1;
    const double w1 = lohnEr;
    const double w2 = zusammen ? lohnSie : 0;
    const bool gemischt = lohnSie > 0.000001 && zusammen && ungekuerztEr != ungekuerztSie;
    double ergebnis;
    if (gemischt) {
        const double rLohn = ungekuerztEr == 0 ? w1 : w2;  // reduced Pauschale
        const double uLohn = ungekuerztEr == 0 ? w2 : w1;  // full Pauschale
        const double s = 0.2 * uLohn + MinWert(2214, 0.2 * rLohn);
        const double ev = NichtNegativ(12000 - 0.16 * (rLohn + uLohn));
        const double a = MinWert(ev, s);
        const double b = MinWert(5220, s - a);
        const double c = MinWert(2610, NichtNegativ(s - a - 5220) / 2);
        ergebnis = MaxWert(MinWert(2 * 2214, 0.2 * rLohn), a + b + c);
    } else if (ungekuerztEr == 1) {
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
    return ergebnis;
}

}  // namespace

double VorsorgepauschaleVorStufe(double lohnEr, double lohnSie, int ungekuerztEr, int ungekuerztSie,
                                 bool zusammen) {
    return VorsorgepauschaleRechnen(lohnEr, lohnSie, ungekuerztEr, ungekuerztSie, zusammen);
}

double Vorsorgepauschale(const CalcInput& e) {
    // §10c(2) EStG: down to the next full DM amount divisible by 54, the plain
    // floor of the quotient (4805.80 gives 88 steps, never 89)
    return QUARNEL_RUNDEN(
        "Vorsorgepauschale",
        VorsorgepauschaleRechnen(e.LohnVorsPauschEr, e.LohnVorsPauschSie, e.UngekuerztEr,
                                 e.UngekuerztSie, PauschbetragFaktor(e) == 2));
}

namespace {

[[gnu::noinline, gnu::cold]] void VorsorgeErklaeren(Erklaerung& spur, const CalcInput& e,
                                                    const CalcResult& r, double erklaert) {
    std::vector<Wertangabe> zusatz, ueberschuss, kuerzung;
    for (int p = 0; p < Personen(e); ++p) {
        auto n = [p](std::string_view name) { return PersonName(name, p); };
        const double pflege = e.PflegeVers(p);
        const bool nach = e.NachStichtag(p) == 1;
        const double z = nach ? MinWert(param::PflegeZusatzHoechst, pflege) : 0;
        if (nach)
            spur.Schritt("PflegeZusatz", n("PflegeZusatz"), z,
                         {Ein(n("PflegeVers"), pflege),
                          Par("ParamPflegeZusatzHoechst", param::PflegeZusatzHoechst)});
        else
            spur.Schritt("PflegeZusatzKein", n("PflegeZusatz"), 0,
                         {Ein(n("NachStichtag"), e.NachStichtag(p), 0)});
        spur.Schritt("PflegeUeberschuss", n("PflegeUeberschuss"), pflege - z,
                     {Ein(n("PflegeVers"), pflege), Erg(n("PflegeZusatz"), z, -1)});
        zusatz.push_back(Erg(n("PflegeZusatz"), z));
        ueberschuss.push_back(Erg(n("PflegeUeberschuss"), pflege - z));
        const double k =
            QUARNEL_RUNDEN("VorwegKuerzung", e.LohnVorwegKuerz(p) * r.ParamVorwegKuerzSatz);
        spur.Schritt("VorwegKuerzung", n("VorwegKuerzung"), k,
                     {Ein(n("LohnVorwegKuerz"), e.LohnVorwegKuerz(p)),
                      Par("ParamVorwegKuerzSatz", r.ParamVorwegKuerzSatz)});
        kuerzung.push_back(Erg(n("VorwegKuerzung"), k));
    }
    spur.Schritt("PflegeZusatzSumme", "PflegeZusatz", r.PflegeZusatz, std::move(zusatz));
    ueberschuss.insert(ueberschuss.begin(), Erg("VorsorgeAufw", erklaert));
    spur.Schritt("VorsorgeAufw", "VorsorgeAufw", r.VorsorgeAufw, std::move(ueberschuss));
    spur.Schritt("VorwegKuerzungGesamt", "VorwegKuerzung", r.VorwegKuerzung, std::move(kuerzung));
    spur.Schritt(
        "VorwegabzugVoll", "VorwegabzugVoll", r.VorwegabzugVoll,
        {Par("ParamVorwegabzug", r.ParamVorwegabzug, 1), Par("ParamFaktor", r.ParamFaktor)});
    spur.Schritt(
        "VorwegabzugRest", "VorwegabzugRest", r.VorwegabzugRest,
        {Erg("VorwegabzugVoll", r.VorwegabzugVoll), Erg("VorwegKuerzung", r.VorwegKuerzung, -1)});
    spur.Schritt("VorwegabzugGenutzt", "VorwegabzugGenutzt", r.VorwegabzugGenutzt,
                 {Erg("VorsorgeAufw", r.VorsorgeAufw), Erg("VorwegabzugRest", r.VorwegabzugRest)});
    spur.Schritt(
        "VorsRest1", "VorsRest1", r.VorsRest1,
        {Erg("VorsorgeAufw", r.VorsorgeAufw), Erg("VorwegabzugGenutzt", r.VorwegabzugGenutzt, -1)});
    spur.Schritt("Grundhoechst", "Grundhoechst", r.Grundhoechst,
                 {Erg("VorsRest1", r.VorsRest1),
                  Par("ParamGrundhoechstbetrag", param::Grundhoechstbetrag * r.ParamFaktor)});
    spur.Schritt("VorsRest2", "VorsRest2", r.VorsRest2,
                 {Erg("VorsRest1", r.VorsRest1), Erg("Grundhoechst", r.Grundhoechst, -1)});
    const double halb = QUARNEL_RUNDEN("HalbHoechstVoll", r.VorsRest2 * param::HalbHoechstSatz);
    spur.Schritt(
        "HalbHoechstVoll", "HalbHoechstVoll", halb,
        {Erg("VorsRest2", r.VorsRest2), Par("ParamHalbHoechstSatz", param::HalbHoechstSatz)});
    spur.Schritt("HalbHoechst", "HalbHoechst", r.HalbHoechst,
                 {Erg("HalbHoechstVoll", halb),
                  Par("ParamHalbHoechstbetrag", param::HalbHoechstbetrag * r.ParamFaktor)});
    spur.Schritt(
        "VorsHoechstErgebnis", "VorsHoechstErgebnis", r.VorsHoechstErgebnis,
        {Erg("PflegeZusatz", r.PflegeZusatz), Erg("VorwegabzugGenutzt", r.VorwegabzugGenutzt),
         Erg("Grundhoechst", r.Grundhoechst), Erg("HalbHoechst", r.HalbHoechst),
         Par("ParamVorsorgeMin", r.ParamVorsorgeMin)});
    const bool zusammen = PauschbetragFaktor(e) == 2;
    spur.Schritt(
        "Vorsorgepauschale", "Vorsorgepauschale", r.Vorsorgepauschale,
        {Ein("LohnVorsPauschEr", e.LohnVorsPauschEr),
         Ein("LohnVorsPauschSie", e.LohnVorsPauschSie, zusammen ? 1 : 0),
         Ein("UngekuerztEr", e.UngekuerztEr, 0), Ein("UngekuerztSie", e.UngekuerztSie, 0)});
    spur.Schritt("VorsorgeAbziehbar", "VorsorgeAbziehbar", r.VorsorgeAbziehbar,
                 {Erg("VorsHoechstErgebnis", r.VorsHoechstErgebnis),
                  Erg("Vorsorgepauschale", r.Vorsorgepauschale)});
}

}  // namespace

void Vorsorgeaufwendungen(const CalcInput& e, CalcResult& r) {
    r.PflegeZusatz = r.PflegeUeberschuss = 0;
    for (int p = 0; p < Personen(e); ++p) {
        const double pflege = e.PflegeVers(p);
        if (e.NachStichtag(p) == 1) {
            r.PflegeZusatz += MinWert(param::PflegeZusatzHoechst, pflege);
            r.PflegeUeberschuss += NichtNegativ(pflege - param::PflegeZusatzHoechst);
        } else {
            r.PflegeUeberschuss += pflege;
        }
    }
    const double erklaert = r.VorsorgeAufw;
    r.VorsorgeAufw += r.PflegeUeberschuss;
    r.VorsAufwBasis = r.VorsorgeAufw;
    r.VorwegabzugVoll = r.VorwegKuerzung = r.VorwegabzugRest = r.VorwegabzugGenutzt = 0;
    r.VorsNachVorweg = r.VorsRest1 = r.Grundhoechst = r.VorsRest2 = r.HalbHoechst = 0;
    r.VorsHoechstErgebnis = r.Vorsorgepauschale = 0;

    double kuerzung =
        QUARNEL_RUNDEN("VorwegKuerzung", e.LohnVorwegKuerzEr * r.ParamVorwegKuerzSatz);
    if (e.FlagZusammen == 1)
        kuerzung += QUARNEL_RUNDEN("VorwegKuerzung", e.LohnVorwegKuerzSie * r.ParamVorwegKuerzSatz);
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
    const double m = MinWert(param::Grundhoechstbetrag * r.ParamFaktor, b);
    r.Grundhoechst = m;
    b -= m;
    r.VorsRest2 = b;
    const double h = MinWert(param::HalbHoechstbetrag * r.ParamFaktor,
                             QUARNEL_RUNDEN("HalbHoechstVoll", b * param::HalbHoechstSatz));
    r.HalbHoechst = h;
    r.VorsHoechstErgebnis = QUARNEL_RUNDEN("VorsHoechstErgebnis",
                                           MaxWert(r.PflegeZusatz + v + m + h, r.ParamVorsorgeMin));

    r.Vorsorgepauschale = Vorsorgepauschale(e);
    r.VorsorgeAbziehbar = MaxWert(r.Vorsorgepauschale, r.VorsHoechstErgebnis);
    if (Erklaerung* spur = AktiveErklaerung()) [[unlikely]]
        VorsorgeErklaeren(*spur, e, r, erklaert);
}

int ZumutbareBelastungProzent(int kinder, int f2, double gdE) {
    const int zeile = kinder > 2 ? 0 : kinder >= 1 ? 1 : f2 == 2 ? 2 : 3;
    const int spalte = gdE <= 30000 ? 0 : gdE <= 100000 ? 1 : 2;
    return static_cast<int>(param::ZumutbarProzent[zeile * 3 + spalte]);
}

void AussergewoehnlicheBelastungen(const CalcInput& e, CalcResult& r) {
    r.AgBAbziehbar = 0;
    const int prozent = ZumutbareBelastungProzent(e.AnzahlKinder, F2(e), r.GesamtbetragEk);
    r.ZumutbareBelastung = NichtNegativ(Int(r.GesamtbetragEk * prozent / 100));
    if (e.AgbAndereIn > 0) r.AgBAbziehbar = NichtNegativ(e.AgbAndereIn - r.ZumutbareBelastung);
    QUARNEL_ERKLAERE(
        "ZumutbareBelastung", "ZumutbareBelastung", r.ZumutbareBelastung,
        {Ein("AnzahlKinder", e.AnzahlKinder, 0), Ein("FlagZusammen", F2(e) == 2, 0),
         Erg("GesamtbetragEk", r.GesamtbetragEk), Par("ParamZumutbarProzent", prozent / 100.0)});
    QUARNEL_ERKLAERE("AgBAbziehbar", "AgBAbziehbar", r.AgBAbziehbar,
                     {Ein("AgbAndereIn", e.AgbAndereIn),
                      Erg("ZumutbareBelastung", r.ZumutbareBelastung, e.AgbAndereIn > 0 ? -1 : 0)});
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
    const bool baukindergeld = x > 0 || c == 8;
    int d = 0;
    double satz = 0;
    if (baukindergeld) {
        d = WohnKategorie(e.WohnDatum2.Sicht());
        const int k = e.AnzahlKinderBaukg;
        int kinder = k;
        if (d == 1)
            satz = param::Baukindergeld[0], kinder = k - int(param::BaukindergeldErstesKind);
        else if (d == 2)
            satz = param::Baukindergeld[0];
        else if (d == 3)
            satz = param::Baukindergeld[1];
        else if (d >= 4)
            satz = param::Baukindergeld[2];
        r.Baukindergeld = NichtNegativ(satz * kinder);
    }
    r.WohneigentumAbzug = x + y + z + e.WohnAbzug4;
    if (Erklaerung* spur = AktiveErklaerung()) [[unlikely]]
        ErklaereAbseits([=, &e, &r] {
            spur->Schritt("WohneigentumAbzug", "WohneigentumAbzug", r.WohneigentumAbzug,
                          {Ein("WohnAbzug", e.WohnAbzug, x != 0 ? 1 : 0),
                           Ein("WohnAbzug2", e.WohnAbzug2, y != 0 ? 1 : 0),
                           Ein("WohnVorkosten", e.WohnVorkosten, z != 0 ? 1 : 0),
                           Ein("WohnAbzug3", e.WohnAbzug3, z != 0 ? 1 : 0),
                           Ein("WohnAbzug4", e.WohnAbzug4)});
            if (!baukindergeld)
                spur->Schritt("BaukindergeldKein", "Baukindergeld", 0,
                              {Ein("AnzahlKinderBaukg", e.AnzahlKinderBaukg, 0)});
            else
                spur->Schritt("Baukindergeld", "Baukindergeld", r.Baukindergeld,
                              {Ein("AnzahlKinderBaukg", e.AnzahlKinderBaukg),
                               Par("ParamBaukindergeldErstesKind", param::BaukindergeldErstesKind,
                                   d == 1 ? -1 : 0),
                               Par("ParamBaukindergeld", satz)});
        });
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
    const double grenze = param::VerlustabzugGrenze * r.ParamFaktor;
    const double kappe = rest <= grenze ? rest : grenze + AufrundenDM((rest - grenze) / 2);
    r.VerlustabzugAbziehbar = abzugGleich + MinWert(verlust - gleicheArt, kappe);
    r.VerlustabzugVerbleibend = verlust - r.VerlustabzugAbziehbar;
    if (Erklaerung* const spur = AktiveErklaerung()) [[unlikely]]
        ErklaereAbseits([=, &e, &r] {
            if (verlust == 0) {
                spur->Schritt("VerlustabzugKein", "VerlustabzugAbziehbar", r.VerlustabzugAbziehbar,
                              {Ein("VerlustabzugIn", e.VerlustabzugIn)});
                return;
            }
            spur->Schritt("VerlustVortrag", "VerlustVortrag", verlust,
                          {Ein("VerlustabzugIn", e.VerlustabzugIn)});
            spur->Schritt("VerlustGleicheArt", "VerlustGleicheArt", gleicheArt,
                          {Ein("VerlustGleicheArtIn", e.VerlustGleicheArtIn),
                           Erg("VerlustVortrag", verlust)});
            spur->Schritt(
                "VerlustAbzugGleich", "VerlustAbzugGleich", abzugGleich,
                {Erg("VerlustGleicheArt", gleicheArt), Erg("GesamtbetragEk", r.GesamtbetragEk)});
            spur->Schritt("VerlustRest", "VerlustRest", rest,
                          {Erg("GesamtbetragEk", r.GesamtbetragEk),
                           Erg("VerlustAbzugGleich", abzugGleich, -1)});
            spur->Schritt("VerlustKappe", "VerlustKappe", kappe,
                          {Erg("VerlustRest", rest), Par("ParamVerlustabzugGrenze", grenze)});
            const double uebrig = MinWert(verlust - gleicheArt, kappe);
            spur->Schritt("VerlustUebrig", "VerlustUebrig", uebrig,
                          {Erg("VerlustVortrag", verlust), Erg("VerlustGleicheArt", gleicheArt, -1),
                           Erg("VerlustKappe", kappe)});
            spur->Schritt("VerlustabzugAbziehbar", "VerlustabzugAbziehbar", r.VerlustabzugAbziehbar,
                          {Erg("VerlustAbzugGleich", abzugGleich), Erg("VerlustUebrig", uebrig)});
        });
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
    if (!(w > 0)) {
        QUARNEL_ERKLAERE("HaertausgleichKein", "Haertausgleich", 0,
                         {Erg("ArbLohnEr", r.ArbLohnEr, 0), Erg("ArbLohnSie", r.ArbLohnSie, 0)});
        return;
    }
    double ohneLohnsteuer = r.SummeEkEr - r.FreibetragLuF - (r.ArbLohnEr - r.VersFbEr - r.WkNsaEr);
    if (zusammen) ohneLohnsteuer += r.SummeEkSie - (r.ArbLohnSie - r.VersFbSie - r.WkNsaSie);
    const double n = NichtNegativ(ohneLohnsteuer);
    double rest = r.ArbLohnEr - r.VersBezEr;
    if (zusammen) rest += r.ArbLohnSie - r.VersBezSie;
    r.Haertausgleich = HaerteausgleichBetrag(n, r.AltEntlEr, rest, r.FreibetragLuF);
    if (Erklaerung* const spur = AktiveErklaerung()) [[unlikely]]
        ErklaereAbseits([=, &e, &r] {
            const double sie = zusammen ? 1 : 0;
            spur->Schritt("HaertNebeneinkuenfte", "HaertNebeneinkuenfte", n,
                          {Erg("SummeEkEr", r.SummeEkEr), Erg("FreibetragLuF", r.FreibetragLuF, -1),
                           Erg("ArbLohnEr", r.ArbLohnEr, -1), Erg("VersFbEr", r.VersFbEr),
                           Erg("WkNsaEr", r.WkNsaEr), Erg("SummeEkSie", r.SummeEkSie, sie),
                           Erg("ArbLohnSie", r.ArbLohnSie, -sie),
                           Erg("VersFbSie", r.VersFbSie, sie), Erg("WkNsaSie", r.WkNsaSie, sie)});
            spur->Schritt(
                "HaertLohnOhneVersorgung", "HaertLohnOhneVersorgung", rest,
                {Erg("ArbLohnEr", r.ArbLohnEr), Erg("VersBezEr", r.VersBezEr, -1),
                 Erg("ArbLohnSie", r.ArbLohnSie, sie), Erg("VersBezSie", r.VersBezSie, -sie)});
            spur->Schritt(
                "Haertausgleich", "Haertausgleich", r.Haertausgleich,
                {Erg("HaertNebeneinkuenfte", n), Erg("AltEntlEr", r.AltEntlEr),
                 Erg("HaertLohnOhneVersorgung", rest), Erg("FreibetragLuF", r.FreibetragLuF)});
        });
}

double HaerteausgleichBetrag(double n, double altEntl, double lohnOhneVersorgung,
                             double freibetragLuF) {
    double h = 0, kappe = 999999;
    if (n <= 800) {
        h = n;
    } else if (n <= 1600) {
        h = 1600 - n;
        kappe = 0.4 * h;
    }
    double t = NichtNegativ(altEntl - 0.4 * lohnOhneVersorgung);
    if (t > kappe) t = kappe;
    return NichtNegativ(h - t - freibetragLuF);
}

void ZuVersteuerndesEinkommen(CalcResult& r) {
    r.ZvE =
        NichtNegativ(r.Einkommen - r.KindFbAbzug - r.HaushaltsFb - r.Haertausgleich + r.ZvEHinzu);
    QUARNEL_ERKLAERE_ERGEBNIS(
        "ZvE", r.ZvE,
        {Erg("Einkommen", r.Einkommen), Erg("KindFbAbzug", r.KindFbAbzug, -1),
         Erg("HaushaltsFb", r.HaushaltsFb, -1), Erg("Haertausgleich", r.Haertausgleich, -1),
         Erg("ZvEHinzu", r.ZvEHinzu)});
    if (r.FlagEndPass == 1) r.EndZvE = r.ZvE;
}

}  // namespace quarnel
