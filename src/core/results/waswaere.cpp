// The what-if analysis on private copies of the computation records.
#include "results/waswaere.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/deklaration.h"
#include "calc/durchgang.h"
#include "calc/parameter.h"

namespace quarnel {
namespace {

using Z = WasWaereZeile;

// The income rows with their declared value; the adjustment of row i is
// WhatIfDelta[2 i + person].
constexpr Z Einkunftszeilen[] = {Z::LandForst,  Z::Gewerbe, Z::Selbstaendig,
                                 Z::Arbeitslohn, Z::Werbungskosten, Z::Kapital,
                                 Z::Vermietung, Z::Renten};

double Eingabe(const CalcInput& e, Z zeile, int p) {
    switch (zeile) {
        case Z::LandForst: return e.LuFIn(p);
        case Z::Gewerbe: return e.GewIn(p);
        case Z::Selbstaendig: return e.SelbIn(p);
        case Z::Arbeitslohn: return e.Lohn(p);
        // The Werbungskosten as the notice has them: with the commuting allowance.
        case Z::Werbungskosten: return e.WerbKost(p) + e.WerbKostZus(p);
        case Z::Kapital: return e.KapIn(p);
        case Z::Vermietung: return e.VuVIn(p);
        case Z::Renten: return e.RenteIn(p);
        case Z::Vorsorge: return p == 0 ? e.VorsorgeIn : 0;
    }
    return 0;
}

bool Zusammen(const CalcInput& e) { return e.FlagZusammen == 1; }

// A change of the wages also changes the wage bases of the Vorsorgepauschale
// and of the cut of the Vorwegabzug (§10c(2), §10(3) Nr. 2 EStG), as the fill
// would have set them for the changed wages; the latter only where wages count
// for it at all.
// For a person born before 1937 the Vorsorgepauschale base is the wages less
// the Altersentlastungsbetrag on them (§ 10c(2) sentence 1, § 24a EStG), 40 %
// of the wages that are no Versorgungsbezüge, at most 3,720 DM, as the fill
// takes them: the change moves the base by the change less the change of
// that share.
double AltersentlastungsAnteil(const CalcInput& e, int p, double d) {
    if (e.GebJahr(p) >= param::Stichjahr) return 0;
    const double lohn = e.Lohn(p) - e.LohnZusatz(p) + e.LohnMehrj(p) +
                        NichtNegativ(e.Abfindung(p) - e.AbfindungFreiIn(p));
    const double versorgung = e.VersBezIn(p) + e.VersBezMehrj(p);
    auto anteil = [&](double x) { return MinWert(param::AltEntlMax, 0.4 * NichtNegativ(x)); };
    return anteil(lohn - versorgung + d) - anteil(lohn - versorgung);
}

void LohnbasenAendern(CalcInput& e, const WasWaereWerte& a) {
    for (int p = 0; p < (Zusammen(e) ? 2 : 1); ++p) {
        const double d = a(Z::Arbeitslohn, p);
        if (d == 0) continue;
        e.LohnVorsPausch(p) =
            NichtNegativ(e.LohnVorsPausch(p) + d - AltersentlastungsAnteil(e, p, d));
        if (!(e.Lohn(p) > 0 && e.LohnVorwegKuerz(p) <= 0))
            e.LohnVorwegKuerz(p) = NichtNegativ(e.LohnVorwegKuerz(p) + d);
    }
}

constexpr WasWaereFeld Felder[] = {
    {"LufEr", Z::LandForst, 0},        {"LufSie", Z::LandForst, 1},
    {"GewEr", Z::Gewerbe, 0},          {"GewSie", Z::Gewerbe, 1},
    {"SelbEr", Z::Selbstaendig, 0},    {"SelbSie", Z::Selbstaendig, 1},
    {"BruttoEr", Z::Arbeitslohn, 0},   {"BruttoSie", Z::Arbeitslohn, 1},
    {"WerbKostEr", Z::Werbungskosten, 0}, {"WerbKostSie", Z::Werbungskosten, 1},
    {"KapEr", Z::Kapital, 0},          {"KapSie", Z::Kapital, 1},
    {"VuVEr", Z::Vermietung, 0},       {"VuVSie", Z::Vermietung, 1},
    {"RenteEr", Z::Renten, 0},         {"RenteSie", Z::Renten, 1},
    {"Vorsorge", Z::Vorsorge, 0},
};

}  // namespace

bool WasWaereAenderungGueltig(const WasWaereWerte& aenderung) {
    for (const auto& person : aenderung.wert)
        for (double d : person)
            if (!std::isfinite(d) || std::fabs(d) > WasWaereHoechsteAenderung) return false;
    return true;
}

WasWaereWerte WasWaereEingaben(const CalcInput& e) {
    WasWaereWerte w;
    const int personen = Zusammen(e) ? 2 : 1;
    for (int p = 0; p < personen; ++p)
        for (int z = 0; z < WasWaereZeilen; ++z)
            w(static_cast<Z>(z), p) = Eingabe(e, static_cast<Z>(z), p);
    return w;
}

WasWaereErgebnis WasWaereErgebnisAus(const CalcResult& r) {
    return {r.ZvE, r.EStFestzusetzen, r.Durchschnittssteuersatz, r.Grenzsteuersatz};
}

void WasWaereDeltasSetzen(const CalcInput& e, const WasWaereWerte& a, CalcResult& r) {
    const bool zusammen = Zusammen(e);
    for (int i = 0; i < 8; ++i) {
        r.WhatIfDelta[2 * i] = a(Einkunftszeilen[i], 0);
        r.WhatIfDelta[2 * i + 1] = zusammen ? a(Einkunftszeilen[i], 1) : 0;
    }
    const double vorsorge = a(Z::Vorsorge, 0);
    r.WhatIfDelta[16] = zusammen ? 0.5 * vorsorge : vorsorge;
    r.WhatIfDelta[17] = zusammen ? 0.5 * vorsorge : 0;
}

void WasWaereBerechnen(const CalcInput& gefuellt, const WasWaereWerte& aenderung, CalcInput& e,
                       CalcResult& r) {
    e = gefuellt;
    r = CalcResult{};
    ParameterSetzen(e, r);
    LohnbasenAendern(e, aenderung);
    WasWaereDeltasSetzen(e, aenderung, r);
    Berechne(e, r);
}

WasWaereAnalyse WasWaereRechnen(const CalcInput& gefuellt, const WasWaereWerte& aenderung) {
    WasWaereAnalyse a;
    a.zusammen = Zusammen(gefuellt);
    a.eingabe = WasWaereEingaben(gefuellt);
    // the records are large: on the heap, fresh for each of the two computations
    auto rechnen = [&](const WasWaereWerte* deltas) {
        auto e = std::make_unique<CalcInput>();
        auto r = std::make_unique<CalcResult>();
        WasWaereBerechnen(gefuellt, deltas ? *deltas : WasWaereWerte{}, *e, *r);
        return WasWaereErgebnisAus(*r);
    };
    a.gemaessEingabe = rechnen(nullptr);
    a.nachAenderung = WasWaereAenderungGueltig(aenderung) ? rechnen(&aenderung) : a.gemaessEingabe;
    return a;
}

void WasWaereTeil(const CalcInput& gefuellt, const WasWaereWerte& aenderung, Veranlagungsart art,
                  const VeranlagungsAngaben& a, int teil, CalcInput& e,
                  WasWaereWerte& teilAenderung) {
    if (art == Veranlagungsart::Getrennt) {
        // § 26a(2): the außergewöhnliche Belastungen of the joint assessment
        auto g = std::make_unique<CalcInput>();
        auto r = std::make_unique<CalcResult>();
        WasWaereBerechnen(gefuellt, aenderung, *g, *r);
        GetrennteEingabe(gefuellt, teil, AgbAbgezogen(gefuellt, *r), a, e);
    } else {
        BesondereEingabe(gefuellt, teil, a, e);
    }
    teilAenderung = WasWaereWerte{};
    for (Z z : Einkunftszeilen) teilAenderung(z, 0) = aenderung(z, teil);
    teilAenderung(Z::Vorsorge, 0) = 0.5 * aenderung(Z::Vorsorge, 0);
}

WasWaereAnalyse WasWaereRechnen(const CalcInput& gefuellt, const WasWaereWerte& aenderung,
                                Veranlagungsart art, const VeranlagungsAngaben& a) {
    if (art == Veranlagungsart::Zusammen || !Zusammen(gefuellt))
        return WasWaereRechnen(gefuellt, aenderung);
    WasWaereAnalyse an;
    an.zusammen = true;
    an.art = art;
    an.eingabe = WasWaereEingaben(gefuellt);
    auto rechnen = [&](const WasWaereWerte& deltas, std::vector<WasWaereErgebnis>& teile) {
        WasWaereErgebnis summe;
        auto ein = std::make_unique<CalcInput>();
        auto e = std::make_unique<CalcInput>();
        auto r = std::make_unique<CalcResult>();
        WasWaereWerte teilDeltas;
        for (int p = 0; p < 2; ++p) {
            WasWaereTeil(gefuellt, deltas, art, a, p, *ein, teilDeltas);
            WasWaereBerechnen(*ein, teilDeltas, *e, *r);
            teile.push_back(WasWaereErgebnisAus(*r));
            summe.zuVersteuern += r->ZvE;
            summe.festzusetzen += r->EStFestzusetzen;
            summe.grenzsteuersatz = std::max(summe.grenzsteuersatz, r->Grenzsteuersatz);
        }
        // as the tariff pass has it, on the sums of both
        summe.steuersatz = Quotient(summe.zuVersteuern, summe.festzusetzen) * 100;
        return summe;
    };
    an.gemaessEingabe = rechnen(WasWaereWerte{}, an.teileVorher);
    if (WasWaereAenderungGueltig(aenderung)) {
        an.nachAenderung = rechnen(aenderung, an.teileNachher);
    } else {
        an.nachAenderung = an.gemaessEingabe;
        an.teileNachher = an.teileVorher;
    }
    return an;
}

WasWaereAnalyse WasWaereRechnen(const CaseRecord& fall, const WasWaereWerte& aenderung,
                                bool kurz) {
    // the fill runs the page computations and rewrites the annex flags: on a copy
    auto kopie = std::make_unique<CaseRecord>(fall);
    auto e = std::make_unique<CalcInput>();
    DeklarationFuellen(*kopie, *e, kurz);
    const Veranlagungsart art = WirksameVeranlagungsart(fall, *e);
    if (art == Veranlagungsart::Zusammen) return WasWaereRechnen(*e, aenderung);
    return WasWaereRechnen(*e, aenderung, art, VeranlagungsAngabenAusFall(*kopie, *e, kurz));
}

std::optional<WasWaereFeld> WasWaereFeldSuchen(std::string_view name) {
    for (const WasWaereFeld& f : Felder)
        if (name == f.name) return f;
    return std::nullopt;
}

std::string WasWaereFeldnamen() {
    std::string s;
    for (const WasWaereFeld& f : Felder) s += (s.empty() ? "" : ", ") + std::string(f.name);
    return s;
}

}  // namespace quarnel
