#include "pages/fahrzeug.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "calc/betrag.h"
#include "calc/parameter.h"

namespace quarnel {

namespace {

constexpr int ErsterMonatIndex = 12 * Steuerjahr;  // January of the tax year

int MonatsIndex(int jahr, int monat) {
    return 12 * jahr + monat - 1;
}

// Months of the tax year from month index `von` up to, not including, `bis`.
int MonateZwischenIndex(int von, int bis) {
    int n = std::min(bis, ErsterMonatIndex + 12) - std::max(von, ErsterMonatIndex);
    return std::clamp(n, 0, 12);
}

int GanzeMonate(double dauer) {
    if (!std::isfinite(dauer) || dauer <= 0) return 0;
    return static_cast<int>(std::lround(std::min(dauer, 1200000.0)));
}

void AbschreibungRechnen(CaseRecord& r, int i) {
    bool berechnet = r.Bool(Feld::AfaBerechRB, i);
    int32_t kauf = r.Int(Feld::KaufDat, i);
    double nutzDauer = r.Dbl(Feld::NutzDauer, i);
    double berech = 0;
    if (berechnet && kauf >= 0) {
        int m = MonatVon(kauf);
        if (r.Bool(Feld::AbschreibVereinfachCB, i)) m = m > 6 ? 7 : 1;
        int beginn = MonatsIndex(JahrVon(kauf), m);
        int ende = beginn + GanzeMonate(nutzDauer);
        // a vehicle sold in the year is written off up to the month of sale
        int32_t verkauf = r.Int(Feld::VerkaufsDatum, i);
        if (verkauf >= 0)
            ende = std::min(ende, MonatsIndex(JahrVon(verkauf), MonatVon(verkauf)) + 1);
        int g = MonateZwischenIndex(beginn, ende);
        if (IstPositiv(nutzDauer))
            berech = RundenCent(g * r.Dbl(Feld::AnschaffKosten, i) / nutzDauer);
    }
    r.SetzeDbl(Feld::AbschreibKostBerech, berech, i);
    double insg = berechnet ? berech : r.Dbl(Feld::AfaBekannt, i);
    r.SetzeDbl(Feld::AbschreibKostInsg, insg, i);
    r.SetzeDbl(Feld::AnzAbschreib, insg, i);
}

void LeasingRechnen(CaseRecord& r, int i) {
    int32_t beginn = r.Int(Feld::BeginnLeasing, i);
    double kosten = 0;
    if (beginn >= 0) {
        double dauer = r.Dbl(Feld::DauerLeasing, i);
        int g = MonateImJahr(JahrVon(beginn), MonatVon(beginn), dauer);
        // a contract without months spreads nothing (never 0 / 0)
        double ansatz =
            IstPositiv(dauer) ? RundenCent(g * r.Dbl(Feld::KostenUeberfZulas, i) / dauer) : 0;
        r.SetzeDbl(Feld::AnsatzUeberfZulas, ansatz, i);
        double raten = r.Dbl(Feld::AnzahlLeasingRaten, i) * r.Dbl(Feld::BetragLfdLeasingRate, i);
        r.SetzeDbl(Feld::SummeLfdLeasingRaten, raten, i);
        kosten = ansatz + raten + r.Dbl(Feld::LeasingSonderzahlung, i);
    }
    r.SetzeDbl(Feld::LeasingKostInsg, kosten, i);
    r.SetzeDbl(Feld::AnzLeasing, kosten, i);
}

constexpr std::array<Feld, 9> WeitereKosten{Feld::wk1, Feld::wk2, Feld::wk3, Feld::wk4, Feld::wk5,
                                            Feld::wk6, Feld::wk7, Feld::wk8, Feld::wk9};

constexpr std::array<Feld, 4> LfdTage{Feld::LfdTage1, Feld::LfdTage2, Feld::LfdTage3,
                                      Feld::LfdTage4};
constexpr std::array<Feld, 4> LfdPkw{Feld::LfdPkw1, Feld::LfdPkw2, Feld::LfdPkw3, Feld::LfdPkw4};
constexpr std::array<Feld, 4> LfdMitAnderen{Feld::LfdMitAnderen1, Feld::LfdMitAnderen2,
                                            Feld::LfdMitAnderen3, Feld::LfdMitAnderen4};
constexpr std::array<Feld, 4> LfdBehind{Feld::LfdBehind1CB, Feld::LfdBehind2CB, Feld::LfdBehind3CB,
                                        Feld::LfdBehind4CB};
constexpr std::array<Feld, 4> LfdBehindVMittel{Feld::LfdBehindVMittel1CB, Feld::LfdBehindVMittel2CB,
                                               Feld::LfdBehindVMittel3CB,
                                               Feld::LfdBehindVMittel4CB};
constexpr std::array<Feld, 9> WechselTage{
    Feld::WechselTage1, Feld::WechselTage2, Feld::WechselTage3,
    Feld::WechselTage4, Feld::WechselTage5, Feld::WechselTage6,
    Feld::WechselTage7, Feld::WechselTage8, Feld::WechselTage9};
constexpr std::array<Feld, 9> WechselKM{Feld::WechselKM1, Feld::WechselKM2, Feld::WechselKM3,
                                        Feld::WechselKM4, Feld::WechselKM5, Feld::WechselKM6,
                                        Feld::WechselKM7, Feld::WechselKM8, Feld::WechselKM9};
constexpr std::array<Feld, 9> WechselVMittel{
    Feld::WechselVMittel1, Feld::WechselVMittel2, Feld::WechselVMittel3,
    Feld::WechselVMittel4, Feld::WechselVMittel5, Feld::WechselVMittel6,
    Feld::WechselVMittel7, Feld::WechselVMittel8, Feld::WechselVMittel9};
constexpr std::array<Feld, 9> WechselErg{Feld::WechselErg1, Feld::WechselErg2, Feld::WechselErg3,
                                         Feld::WechselErg4, Feld::WechselErg5, Feld::WechselErg6,
                                         Feld::WechselErg7, Feld::WechselErg8, Feld::WechselErg9};

}  // namespace

int MonateImJahr(int jahr, int monat, double dauer) {
    int beginn = MonatsIndex(jahr, monat);
    return MonateZwischenIndex(beginn, beginn + GanzeMonate(dauer));
}

void FahrzeugRechnen(CaseRecord& r, int i) {
    AbschreibungRechnen(r, i);
    LeasingRechnen(r, i);
    double weitere = 0;
    for (Feld f : WeitereKosten) weitere += r.Dbl(f, i);
    r.SetzeDbl(Feld::wkInsg, weitere, i);
    r.SetzeDbl(Feld::AnzWeitere, weitere, i);
    double summe = AufrundenDM(r.Dbl(Feld::AnzLeasing, i) + r.Dbl(Feld::AnzAbschreib, i) + weitere);
    r.SetzeDbl(Feld::AnzSumme, summe, i);
    double km = r.Dbl(Feld::KmImJahr, i);
    double satz = IstPositiv(km) ? RundenCent(summe / km) : 0;
    r.SetzeDbl(Feld::AnzKmSatz, satz, i);
    double pausch = r.Bool(Feld::PauschBekanntRB, i) ? r.Dbl(Feld::PauschBekanntDM, i) : satz;
    r.SetzeDbl(Feld::PauschbetragInsg, r.Int(Feld::ArtFahrzLB, i) > 0 ? pausch : 0, i);
}

std::vector<std::string> FahrzeugWarnungen(const CaseRecord& r, int i) {
    std::vector<std::string> w;
    int art = r.Int(Feld::ArtFahrzLB, i);
    bool bekannt = r.Bool(Feld::PauschBekanntRB, i);
    bool angaben = bekannt ? UeberTausendstel(r.Dbl(Feld::PauschBekanntDM, i))
                           : UeberTausendstel(r.Dbl(Feld::KmImJahr, i));
    if (art <= 0) {
        if (angaben)
            w.push_back(
                "Fahrzeugart (PKW, Motorrad ..) wurde nicht angegeben. Der Kostensatz bleibt daher "
                "auf 0,00 DM");
        return w;
    }
    double pauschale = KilometerSatz(r, art);
    if (r.Dbl(Feld::PauschbetragInsg, i) < pauschale)
        w.push_back("Kilometerkosten f\xC3\xBCr Fahrzeug " + std::to_string(i) + " " +
                    "ist kleiner als Pauschale von " + FormatMaske("#,## DM", pauschale));
    return w;
}

double KilometerSatz(const CaseRecord& r, int verkehrsmittel) {
    if (verkehrsmittel >= 1 && verkehrsmittel <= 4) return param::Saetze[2 * verkehrsmittel];
    if (verkehrsmittel >= 5 && verkehrsmittel <= 8)
        return r.Dbl(Feld::PauschbetragInsg, verkehrsmittel - 4);
    return 0;
}

void FahrtkostenRechnen(CaseRecord& r, int p) {
    const double satz = param::Saetze[1];
    const double satzErsteKm = satz - param::EntfPauschErsteKmAbschlag;
    const double ersteKm = param::EntfPauschErsteKm;
    double pkwTeil = 0, andererTeil = 0;
    for (std::size_t i = 0; i < LfdTage.size(); ++i) {
        double t = r.Dbl(LfdTage[i], p), k = r.Dbl(LfdPkw[i], p), m = r.Dbl(LfdMitAnderen[i], p);
        if (r.Bool(LfdBehind[i], p)) {
            double s = KilometerSatz(r, r.Int(LfdBehindVMittel[i], p));
            pkwTeil += 2 * s * t * k;
            andererTeil += 2 * s * t * m;
            continue;
        }
        // the first 10 km at the lower rate, the car km counting first
        pkwTeil +=
            satzErsteKm * t * std::min(k, ersteKm) + satz * t * (k >= ersteKm ? k - ersteKm : 0);
        double frei = k < ersteKm ? ersteKm - k : 0;
        andererTeil += satzErsteKm * t * std::min(m, frei) + satz * t * (m >= frei ? m - frei : 0);
    }
    double oeffentlich = r.Dbl(Feld::AufwOeffVerkMittel, p);
    double ersatz = r.Dbl(Feld::FahrtArbeitgeberErsatzStFrei, p) +
                    r.Dbl(Feld::FahrtArbeitgeberErsatzStPausch, p);
    if (!(oeffentlich > andererTeil)) {
        double e = std::min(param::EntfPauschOhnePkwHoechst, andererTeil);
        if (e >= ersatz) {
            oeffentlich = e - ersatz;
            ersatz = 0;
        } else {
            ersatz -= e;
            oeffentlich = 0;
        }
    }
    double fahrt = AufrundenDM(NichtNegativ(pkwTeil + oeffentlich - ersatz));
    r.SetzeDbl(Feld::ErgWKFahrt, fahrt, p);

    double wechsel = 0;
    for (std::size_t i = 0; i < WechselTage.size(); ++i) {
        double erg = r.Dbl(WechselTage[i], p) * r.Dbl(WechselKM[i], p) * 2 *
                     KilometerSatz(r, r.Int(WechselVMittel[i], p));
        r.SetzeDbl(WechselErg[i], erg, p);
        wechsel += erg;
    }
    double ergWechsel =
        AufrundenDM(NichtNegativ(wechsel - r.Dbl(Feld::WechselArbeitgeberErsatz, p)));
    r.SetzeDbl(Feld::ErgWKWechsel, ergWechsel, p);
    r.SetzeDbl(Feld::SummeWkFahrt, fahrt + ergWechsel, p);
}

void FahrtenRechnen(CaseRecord& r) {
    for (int i = 1; i <= 4; ++i) FahrzeugRechnen(r, i);
    for (int p = 1; p <= 2; ++p) FahrtkostenRechnen(r, p);
}

}  // namespace quarnel
