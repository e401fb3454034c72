#include "pages/werbungskosten.h"

#include "calc/betrag.h"
#include "calc/parameter.h"
#include "pages/fahrzeug.h"

namespace quarnel {

namespace {

// "Volle Berücksichtigung" of a study: no limit in practice.
constexpr double ArbZimmerUnbegrenzt = 99999999;

}  // namespace

void VerbandsbeitraegeRechnen(CaseRecord& r, int p) {
    r.SetzeDbl(Feld::SummeWkVerb, r.Dbl(Feld::EntrBeitraegeListe, p), p);
}

void ArbeitsmittelRechnen(CaseRecord& r, int p) {
    r.SetzeDbl(Feld::SummeWKArbM,
               r.Dbl(Feld::Kosten1, p) + r.Dbl(Feld::Kosten2, p) + r.Dbl(Feld::Kosten4, p) +
                   r.Dbl(Feld::Kosten5, p),
               p);
}

void VerpflegungRechnen(CaseRecord& r, int p) {
    struct Taetigkeit {
        Feld ta10, ta14, ta24, dm10, dm14, dm24, erstattet, ergebnis;
    };
    static constexpr Taetigkeit Taetigkeiten[] = {
        {Feld::EWTa10, Feld::EWTa14, Feld::EWTa24, Feld::EWDM10, Feld::EWDM14, Feld::EWDM24,
         Feld::EWErstWk, Feld::EWErgSum},
        {Feld::FzTa10, Feld::FzTa14, Feld::FzTa24, Feld::FzDM10, Feld::FzDM14, Feld::FzDM24,
         Feld::FzErstWk, Feld::FzErgSum},
    };
    double summe = 0;
    for (const Taetigkeit& t : Taetigkeiten) {
        double dm10 = r.Int(t.ta10, p) * param::VerpflSatz[0];
        double dm14 = r.Int(t.ta14, p) * param::VerpflSatz[1];
        double dm24 = r.Int(t.ta24, p) * param::VerpflSatz[2];
        r.SetzeDbl(t.dm10, dm10, p);
        r.SetzeDbl(t.dm14, dm14, p);
        r.SetzeDbl(t.dm24, dm24, p);
        double ergebnis = dm10 + dm14 + dm24 - r.Dbl(t.erstattet, p);
        r.SetzeDbl(t.ergebnis, ergebnis, p);
        summe += ergebnis;
    }
    r.SetzeDbl(Feld::SummeWKVerpfl, summe, p);
}

void DoppelteHaushaltRechnen(CaseRecord& r, int p) {
    double erst = r.Dbl(Feld::ErstFahrtFzKM, p) * KilometerSatz(r, r.Int(Feld::ErstFahrtFzLB, p));
    double letzt =
        r.Dbl(Feld::LetztFahrtFzKM, p) * KilometerSatz(r, r.Int(Feld::LetztFahrtFzLB, p));
    // a home trip counts the distance at the commuting rate
    double heim =
        r.Dbl(Feld::HeimFahrtFzKM, p) * r.Dbl(Feld::HeimFahrtFzZahl, p) * param::Saetze[1];
    double oeffentlich = r.Dbl(Feld::HeimFahrtOefDM, p);
    double hoeher = oeffentlich > heim ? oeffentlich : heim;
    r.SetzeDbl(Feld::ErstFahrtFzDm, erst, p);
    r.SetzeDbl(Feld::LetztFahrtFzDM, letzt, p);
    r.SetzeDbl(Feld::HeimFahrtFzDM, heim, p);
    r.SetzeDbl(Feld::HeimHoehererBetrag, hoeher, p);
    double fahrten = r.Dbl(Feld::ErstFahrtOefDM, p) + erst + r.Dbl(Feld::LetztFahrtOefDM, p) +
                     letzt + hoeher + r.Dbl(Feld::Flugkosten, p);
    r.SetzeDbl(Feld::ErgFahrten, fahrten, p);

    double vm10 = r.Dbl(Feld::VMTa10, p) * param::VerpflSatz[0];
    double vm14 = r.Dbl(Feld::VMTa14, p) * param::VerpflSatz[1];
    double vm24 = r.Dbl(Feld::VMTa24, p) * param::VerpflSatz[2];
    r.SetzeDbl(Feld::VMDM10, vm10, p);
    r.SetzeDbl(Feld::VMDM14, vm14, p);
    r.SetzeDbl(Feld::VMDM24, vm24, p);
    double unterkunft =
        vm10 + vm14 + vm24 + r.Dbl(Feld::UnterkunftDM, p) + r.Dbl(Feld::FeldZeile61Wert, p);
    r.SetzeDbl(Feld::ErgUnterkunft, unterkunft, p);
    r.SetzeDbl(Feld::SummeWkDoppH, fahrten + unterkunft - r.Dbl(Feld::AGStFreiErs, p), p);
}

double ArbeitszimmerAnteil(const CaseRecord& r, int p) {
    double wohnung = r.Dbl(Feld::AntWohnQm, p);
    return IstPositiv(wohnung)
               ? AufrundenDM(r.Dbl(Feld::AntKostenAusListe, p) * r.Dbl(Feld::AntAzQm, p) / wohnung)
               : 0;
}

void ArbeitszimmerRechnen(CaseRecord& r, int p) {
    double anteilig = ArbeitszimmerAnteil(r, p);
    r.SetzeDbl(Feld::AntKostenErg, anteilig, p);
    double alle = r.Dbl(Feld::DirKostenAusListe, p) + anteilig;
    // the radio buttons: "none" wins over a limit if a record holds several
    double grenze = r.Bool(Feld::Ansatz0Rb, p)       ? 0
                    : r.Bool(Feld::Ansatz2400RB, p)  ? param::ArbZimmerHoechst
                    : r.Bool(Feld::AnsatzUnbegRB, p) ? ArbZimmerUnbegrenzt
                                                     : 0;
    r.SetzeDbl(Feld::SummeWkZimmer, MinWert(alle, grenze), p);
}

double ArbeitszimmerKosten(const CaseRecord& r, int p) {
    return r.Dbl(Feld::DirKostenAusListe, p) + r.Dbl(Feld::AntKostenErg, p);
}

void DienstreisenRechnen(CaseRecord& r, int p) {
    double fahrt = r.Dbl(Feld::InKM, p) * KilometerSatz(r, r.Int(Feld::InFahrzLB, p));
    double r24 = r.Int(Feld::InL1R12, p) * param::VerpflSatz[2];
    double r14 = r.Int(Feld::InL1R10, p) * param::VerpflSatz[1];
    double r8 = r.Int(Feld::InL1R8, p) * param::VerpflSatz[0];
    r.SetzeDbl(Feld::InFahrtKost, fahrt, p);
    r.SetzeDbl(Feld::InlR12DM, r24, p);
    r.SetzeDbl(Feld::InlR10DM, r14, p);
    r.SetzeDbl(Feld::InlR8DM, r8, p);
    double inland =
        fahrt + r.Dbl(Feld::InKostAusListe, p) + r24 + r14 + r8 - r.Dbl(Feld::InlRErstatt, p);
    r.SetzeDbl(Feld::SummeInland, inland, p);
    r.SetzeDbl(Feld::SummeWkReise, inland + r.Dbl(Feld::AuslKostAusListe, p), p);
}

void SonstigeWerbungskostenRechnen(CaseRecord& r, int p) {
    r.SetzeDbl(Feld::SummeWkSonst,
               r.Dbl(Feld::FortbildDM, p) + r.Dbl(Feld::UnfallDM, p) + r.Dbl(Feld::UmzugDM, p) +
                   r.Dbl(Feld::DiverseDM, p),
               p);
}

void WerbungskostenSeitenRechnen(CaseRecord& r) {
    for (int p = 1; p <= 2; ++p) {
        VerbandsbeitraegeRechnen(r, p);
        ArbeitsmittelRechnen(r, p);
        VerpflegungRechnen(r, p);
        DoppelteHaushaltRechnen(r, p);
        ArbeitszimmerRechnen(r, p);
        DienstreisenRechnen(r, p);
        SonstigeWerbungskostenRechnen(r, p);
    }
}

double LohnkartenSumme(const CaseRecord& r, Feld zeile, int person) {
    return r.Dbl(zeile, 2 * person - 1) + r.Dbl(zeile, 2 * person);
}

}  // namespace quarnel
