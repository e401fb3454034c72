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

// The text of the first date given, or "" when none is.
std::string ErstesDatum(const CaseRecord& r, std::initializer_list<Feld> felder) {
    for (Feld f : felder)
        if (r.Int(f) >= 0) return DatumText(r.Int(f));
    return {};
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

void Bemessungsgrundlage10eRechnen(CaseRecord& r) {
    double h1 = AufrundenDM(r.Dbl(Feld::AnschGB) / 2);
    double h2 = AufrundenDM(r.Dbl(Feld::NachAnschGB) / 2);
    double grund = h1 + h2;
    double gebaeude = r.Dbl(Feld::AnschGeb) + r.Dbl(Feld::NachAnschGeb);
    double kosten = grund + gebaeude;
    r.SetzeDbl(Feld::Fw10eHalbAnschGB, h1);
    r.SetzeDbl(Feld::Fw10eHalbNachAnschGB, h2);
    r.SetzeDbl(Feld::Fw10eGrundSumme, grund);
    r.SetzeDbl(Feld::Fw10eGebSumme, gebaeude);
    r.SetzeDbl(Feld::Fw10eKostenSumme, kosten);

    double eigen = AufrundenDM(r.Dbl(Feld::EigWohnProz) / 100 * kosten);
    double beruf = AufrundenDM(r.Dbl(Feld::BerWohnProz) / 100 * eigen);
    r.SetzeDbl(Feld::EigWohnDM, eigen);
    r.SetzeDbl(Feld::BerWohnDM, beruf);
    r.SetzeDbl(Feld::Bemgrund, eigen - beruf);
    Abzug10eRechnen(r);
}

void Abzug10eRechnen(CaseRecord& r) {
    double abzug = AufrundenDM(r.Dbl(Feld::AbzugProz) / 100 * r.Dbl(Feld::Bemgrund));
    double nachhol = AufrundenDM(r.Dbl(Feld::NachholProz) / 100 * r.Dbl(Feld::NachholDM));
    r.SetzeDbl(Feld::SaFW3_AbzugDM, abzug);
    r.SetzeDbl(Feld::NachholAbzug, nachhol);
    r.SetzeDbl(Feld::AbzugSum, abzug + nachhol + r.Dbl(Feld::AbzugVor));
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
    bool antrag = r.Int(Feld::Bauantrag) >= 0 || r.Int(Feld::Kaufvertrag) >= 0;
    w.datum1 = antrag ? ErstesDatum(r, {Feld::Bauantrag, Feld::Kaufvertrag})
                      : ErstesDatum(r, {Feld::Baubeginn, Feld::Fertig, Feld::Anschaffung});
    w.datum2 = ErstesDatum(r, {Feld::Fertig, Feld::Anschaffung});
    w.abzug = r.Dbl(Feld::AbzugVorjahr) + r.Dbl(Feld::Abzug96);
    w.abzug3 = r.Dbl(Feld::FgSu) + r.Dbl(Feld::UnentSu);
    w.abzug4 = r.Dbl(Feld::Abzug1DM) + r.Dbl(Feld::Abzug2DM) + r.Dbl(Feld::Abzug3DM) +
               r.Dbl(Feld::OberDM1) + r.Dbl(Feld::OberDM3) + r.Dbl(Feld::OberDM4);
    double anteil = std::clamp(r.Dbl(Feld::MitEigentumProz) / 100, 0.0, 1.0);
    double pauschale = r.Bool(Feld::EhZuPauschCB) ? param::EhZuPausch * anteil : 0;
    w.vorkosten =
        AufrundenDM(r.Dbl(Feld::VorkostenSumme) + pauschale +
                    MinWert(r.Dbl(Feld::EhZuErhaltAufw), param::EhZuErhaltHoechst) +
                    MinWert(r.Dbl(Feld::EhZuErhaltAufwMit), param::EhZuErhaltHoechst * anteil));
    w.kinder = r.Int(Feld::ZahlKinder);
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
