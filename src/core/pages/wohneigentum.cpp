#include "pages/wohneigentum.h"

#include <algorithm>
#include <initializer_list>

#include "calc/betrag.h"
#include "calc/parameter.h"
#include "pages/belastungen.h"

namespace quarnel {

namespace {

// A 10 % deduction of `kosten`, filled in only while the deduction is empty.
void ZehnProzentVorgabe(CaseRecord& r, Feld kosten, Feld abzug) {
    double k = r.Dbl(kosten);
    if (IstPositiv(k) && IstNull(r.Dbl(abzug)))
        r.SetzeDbl(abzug, AufrundenDM(param::ErhaltAbzugSatz * k));
}

// § 10e(1) sentence 1 and § 10e(6a) EStG 2001.
constexpr double Hoechstbasis10e = 330000;     // application or contract from October 1991
constexpr double Hoechstbasis10eAlt = 300000;  // before
constexpr double Schuldzinsen6aHoechst = 12000;

// The first date given, or -1 when none is.
int32_t ErstesGesetzt(const CaseRecord& r, std::initializer_list<Feld> felder) {
    for (Feld f : felder)
        if (r.Int(f) >= 0) return r.Int(f);
    return -1;
}

// The date the home's rules start from: the building application or the
// purchase contract; without either, the beginning of building, completion
// or acquisition.
int32_t BeginnDatum(const CaseRecord& r) {
    const int32_t antrag = ErstesGesetzt(r, {Feld::Bauantrag, Feld::Kaufvertrag});
    return antrag > -1 ? antrag : ErstesGesetzt(r, {Feld::Baubeginn, Feld::Fertig, Feld::Anschaffung});
}

}  // namespace

void BeitrittsgebietRechnen(CaseRecord& r) {
    ZehnProzentVorgabe(r, Feld::Fall2DM, Feld::Abzug2DM);
    ZehnProzentVorgabe(r, Feld::Fall3DM, Feld::Abzug3DM);
    r.SetzeDbl(Feld::Abzug1DM, MinWert(r.Dbl(Feld::Abzug1DM), param::FoerdGebVorjahrHoechst));
}

void AltbauRechnen(CaseRecord& r) {
    ZehnProzentVorgabe(r, Feld::BerechDM1, Feld::OberDM3);
    ZehnProzentVorgabe(r, Feld::BerechDM2, Feld::OberDM4);
}

Abzug10e Abzug10eWerte(const CaseRecord& r) {
    Abzug10e a;
    a.halbGB = AufrundenDM(r.Dbl(Feld::AnschGB) / 2);
    a.halbNachGB = AufrundenDM(r.Dbl(Feld::NachAnschGB) / 2);
    a.grund = a.halbGB + a.halbNachGB;
    a.gebaeude = r.Dbl(Feld::AnschGeb) + r.Dbl(Feld::NachAnschGeb);
    a.kosten = a.grund + a.gebaeude;
    a.eigen = AufrundenDM(r.Dbl(Feld::EigWohnProz) / 100 * a.kosten);
    a.beruf = AufrundenDM(r.Dbl(Feld::BerWohnProz) / 100 * a.eigen);
    // a base typed by hand (or stored by the page) stays
    a.bemgrund = IstNichtNull(r.Dbl(Feld::Bemgrund)) ? r.Dbl(Feld::Bemgrund) : a.eigen - a.beruf;
    // § 10e(1) sentence 1: the rate of the base, the base at most 330,000 DM
    // (300,000 DM for an application or contract before 1 October 1991)
    const int32_t beginn = BeginnDatum(r);
    const double hoechst = beginn > -1 && beginn < TagesNummer(1991, 10, 1) ? Hoechstbasis10eAlt
                                                                            : Hoechstbasis10e;
    a.abzug = AufrundenDM(r.Dbl(Feld::AbzugProz) / 100 * MinWert(a.bemgrund, hoechst));
    a.nachhol = AufrundenDM(r.Dbl(Feld::NachholProz) / 100 * r.Dbl(Feld::NachholDM));
    a.summe = a.abzug + a.nachhol + r.Dbl(Feld::AbzugVor);
    return a;
}

void Bemessungsgrundlage10eRechnen(CaseRecord& r) {
    r.SetzeDbl(Feld::Bemgrund, 0);  // the costs changed: the base follows them
    const Abzug10e a = Abzug10eWerte(r);
    r.SetzeDbl(Feld::Fw10eHalbAnschGB, a.halbGB);
    r.SetzeDbl(Feld::Fw10eHalbNachAnschGB, a.halbNachGB);
    r.SetzeDbl(Feld::Fw10eGrundSumme, a.grund);
    r.SetzeDbl(Feld::Fw10eGebSumme, a.gebaeude);
    r.SetzeDbl(Feld::Fw10eKostenSumme, a.kosten);
    r.SetzeDbl(Feld::EigWohnDM, a.eigen);
    r.SetzeDbl(Feld::BerWohnDM, a.beruf);
    r.SetzeDbl(Feld::Bemgrund, a.bemgrund);
    Abzug10eRechnen(r);
}

void Abzug10eRechnen(CaseRecord& r) {
    const Abzug10e a = Abzug10eWerte(r);
    r.SetzeDbl(Feld::SaFW3_AbzugDM, a.abzug);
    r.SetzeDbl(Feld::NachholAbzug, a.nachhol);
    r.SetzeDbl(Feld::AbzugSum, a.summe);
}

void WeitereAbzuegeRechnen(CaseRecord& r) {
    double fertig = AufrundenDM(param::ErhaltAbzugSatz * r.Dbl(Feld::FgDM));
    r.SetzeDbl(Feld::FgProzIst, fertig);
    r.SetzeDbl(Feld::UnentSu, AufrundenDM(r.Dbl(Feld::UnentProz) / 100 * r.Dbl(Feld::UnentDM)));
    r.SetzeDbl(Feld::FgSu, r.Dbl(Feld::AbzVorj82) + fertig);
}

void VorkostenRechnen(CaseRecord& r) {
    r.SetzeDbl(Feld::VorkostenSumme, r.Dbl(Feld::Schuld) + r.Dbl(Feld::Damnum) + r.Dbl(Feld::Geld) +
                                         r.Dbl(Feld::Erhalt) + r.Dbl(Feld::AndereDm));
}

int KinderLautAnlageK(const CaseRecord& r) {
    int n = 0;
    for (int kind = 1; kind <= 6; ++kind)
        n += KindHatFreibetraege(r, kind) && r.Bool(Feld::KindHhFbMoeglich, kind);
    return n;
}

WohneigentumBetraege WohneigentumWerte(const CaseRecord& r) {
    WohneigentumBetraege w;
    const int32_t beginn = BeginnDatum(r);
    const int32_t fertig = ErstesGesetzt(r, {Feld::Fertig, Feld::Anschaffung});
    const int32_t nutzung = r.Int(Feld::SelbstNutzung);
    w.datum1 = beginn > -1 ? DatumText(beginn) : std::string();
    w.datum2 = fertig > -1 ? DatumText(fertig) : std::string();
    const bool eigenheimzulage = beginn > -1 && JahrVon(beginn) >= 1996;
    const bool bezogenVorher = nutzung > -1 && nutzung < ErsterTagSteuerjahr;
    w.bezogenVorher = bezogenVorher;

    // § 10e(1)-(5): the year of completion or acquisition and the seven
    // following years; never for a home under the Eigenheimzulage
    w.abzug = r.Dbl(Feld::AbzugVorjahr) + r.Dbl(Feld::Abzug96);
    const bool zeitraumVorbei = fertig > -1 && Steuerjahr > JahrVon(fertig) + 7;
    if (IstPositiv(w.abzug) && (eigenheimzulage || zeitraumVorbei)) {
        w.versagt.abzug10e = true;
        w.abzug = 0;
    }
    w.abzug3 = r.Dbl(Feld::FgSu) + r.Dbl(Feld::UnentSu);
    w.abzug4 = r.Dbl(Feld::Abzug1DM) + r.Dbl(Feld::Abzug2DM) + r.Dbl(Feld::Abzug3DM) +
               r.Dbl(Feld::OberDM1) + r.Dbl(Feld::OberDM3) + r.Dbl(Feld::OberDM4);

    // § 10e(6): costs before the first use only; after it, § 10e(6a) debt
    // interest for an application or contract from 1 October 1991 to the end
    // of 1994, in the year of completion or acquisition and the two following
    double vorkosten = r.Dbl(Feld::Schuld) + r.Dbl(Feld::Damnum) + r.Dbl(Feld::Geld) +
                       r.Dbl(Feld::Erhalt) + r.Dbl(Feld::AndereDm);
    if (bezogenVorher && IstPositiv(vorkosten)) {
        const bool absatz6a = beginn >= TagesNummer(1991, 10, 1) &&
                              beginn < TagesNummer(1995, 1, 1) && fertig > -1 &&
                              Steuerjahr <= JahrVon(fertig) + 2;
        if (absatz6a) w.abzug2 = MinWert(r.Dbl(Feld::Schuld), Schuldzinsen6aHoechst);
        w.versagt.vorkosten = vorkosten > w.abzug2 + 0.001;
        vorkosten = 0;
    }

    // § 10i: building begun (the application counts as the beginning) or
    // contract signed before 1999, for a home under the Eigenheimzulage; the
    // Pauschale in the year of completion or acquisition, the maintenance
    // before moving in
    const int32_t baubeginn = ErstesGesetzt(r, {Feld::Bauantrag, Feld::Baubeginn});
    const int32_t vertrag = r.Int(Feld::Kaufvertrag);
    const int32_t stichtag10i = TagesNummer(1999, 1, 1);
    const bool vor1999 = (baubeginn > -1 && baubeginn < stichtag10i) ||
                         (vertrag > -1 && vertrag < stichtag10i);
    const bool ohne10i = ((baubeginn > -1 || vertrag > -1) && !vor1999) ||
                         (beginn > -1 && !eigenheimzulage);
    const double anteil = std::clamp(r.Dbl(Feld::MitEigentumProz) / 100, 0.0, 1.0);
    double pauschale = r.Bool(Feld::EhZuPauschCB) ? param::EhZuPausch * anteil : 0;
    if (IstPositiv(pauschale) && (ohne10i || (fertig > -1 && JahrVon(fertig) != Steuerjahr))) {
        w.versagt.pauschale10i = true;
        pauschale = 0;
    }
    double erhaltung = MinWert(r.Dbl(Feld::EhZuErhaltAufw), param::EhZuErhaltHoechst) +
                       MinWert(r.Dbl(Feld::EhZuErhaltAufwMit), param::EhZuErhaltHoechst * anteil);
    if (IstPositiv(erhaltung) && (ohne10i || bezogenVorher)) {
        w.versagt.erhaltung10i = true;
        erhaltung = 0;
    }
    w.vorkosten = AufrundenDM(vorkosten + pauschale + erhaltung);

    // § 34f: Baukindergeld only with the § 10e(1)-(5) deduction
    w.kinder = r.Int(Feld::ZahlKinder);
    if (w.kinder > 0 && (eigenheimzulage || !IstPositiv(w.abzug))) {
        w.versagt.baukindergeld = true;
        w.kinder = 0;
    }
    return w;
}

void WohneigentumSeitenRechnen(CaseRecord& r) {
    BeitrittsgebietRechnen(r);
    AltbauRechnen(r);
    Abzug10eRechnen(r);
    WeitereAbzuegeRechnen(r);
    VorkostenRechnen(r);
}

}  // namespace quarnel
