// Anlage FW (sheets 61, 62): the owner-occupied home, its deduction under
// EStG § 10e and the preliminary costs.
#include <cmath>

#include "calc/betrag.h"
#include "pages/wohneigentum.h"
#include "print/formularwerte.h"

namespace quarnel {

namespace {

// Percentages are compared with a tolerance; "is 6" and "is 5" never meet,
// and a rate between them is neither.
constexpr double ProzentToleranz = 0.00005;
bool IstProzent(double p, double soll) { return std::fabs(p - soll) < ProzentToleranz; }
bool VolleigentumProzent(double p) { return p > 99.9999; }

struct Leser {
    const CaseRecord& r;
    const Definitionszeile& z;
    Feldwert betrag(double x) const { return {FormularBetrag(x, z), {}}; }
    Feldwert wert(Feld f) const { return betrag(r.Dbl(f)); }
    Feldwert kreuz(bool an) const { return {Kreuz(an), {}}; }
    Feldwert feldkreuz(Feld f) const { return kreuz(r.Bool(f)); }
    // A field prints at most 80 characters (the list of earlier homes is longer).
    Feldwert text(Feld f) const { return {TextGetrimmt(r.Text(f)).substr(0, 80), {}}; }
    Feldwert datum(Feld f) const { return {Datum(r.Int(f)), {}}; }
    double dbl(Feld f) const { return r.Dbl(f); }
};

}  // namespace

Feldwert Blatt61Wert(const CaseRecord& r, const Feldanfrage& a) {
    const Leser l{r, *a.zeile};
    switch (a.zeile->feld) {
        case 0: return {NameEinePerson(r), {}};
        case 1: return {NameEhegatte(r), {}};
        case 2: return {r.Text(Feld::Steuernummer), {}};
        case 3: return l.kreuz(true);
        case 4: return l.text(Feld::Lage);
        case 5: return l.feldkreuz(Feld::FeriengebietCB);
        case 6: return l.feldkreuz(Feld::DauerWohnCB);
        case 7: return l.text(Feld::Besitzer);
        case 11: return l.feldkreuz(Feld::EFHCB);
        case 12: return l.feldkreuz(Feld::AndHausCB);
        case 13: return l.wert(Feld::AndHausZahlWo);
        case 14: return l.wert(Feld::AndHausEgenWo);
        case 15: return l.feldkreuz(Feld::AusbauCB);
        case 16: return l.feldkreuz(Feld::UnentgeltCB);
        case 20: return l.datum(Feld::Kaufvertrag);
        case 21: return l.datum(Feld::Bauantrag);
        case 22: return l.datum(Feld::Baubeginn);
        case 23: return l.datum(Feld::Anschaffung);
        case 24: return l.datum(Feld::Fertig);
        case 25: return l.datum(Feld::SelbstNutzung);
        case 26: return l.wert(Feld::HausQm);
        case 27: return l.feldkreuz(Feld::AbzugFolgewohnungCB);
        case 28: return l.feldkreuz(Feld::WgNeuBlCB);
        case 29: return l.wert(Feld::Wohnqm);
        case 30: return l.wert(Feld::BerufQm);
        case 31: return l.text(Feld::AbzugAltobjekte);
        case 32: return l.feldkreuz(Feld::AntragEhZulageCB);
        case 36: return l.feldkreuz(Feld::Fall2CB);
        case 37: return l.feldkreuz(Feld::Fall3CB);
        case 39: return l.wert(Feld::Fall2DM);
        case 40: return l.wert(Feld::Fall3DM);
        case 41: return l.wert(Feld::Abzug1DM);
        case 42: return l.wert(Feld::Abzug2DM);
        case 43: return l.wert(Feld::Abzug3DM);
        case 53: return l.feldkreuz(Feld::ErhaltCB1);
        case 54: return l.feldkreuz(Feld::ErhaltCB2);
        case 55: return l.wert(Feld::BerechDM1);
        case 56: return l.wert(Feld::BerechDM2);
        case 57: return l.wert(Feld::OberDM1);
        case 59: return l.wert(Feld::OberDM3);
        case 60: return l.wert(Feld::OberDM4);
        case 62: return l.text(Feld::S1Anteil);
        case 63: return l.wert(Feld::S1AnteilDM);
        default: return {};
    }
}

Feldwert Blatt62Wert(const CaseRecord& r, const Feldanfrage& a) {
    const Leser l{r, *a.zeile};
    // The lines come from the page computation the tax takes, however the
    // case was entered; what the law refuses by the home's dates is not declared.
    const Abzug10e g = Abzug10eWerte(r);
    const WohneigentumBetraege w = WohneigentumWerte(r);
    const bool abzug = !w.versagt.abzug10e;
    const double abzugProz = l.dbl(Feld::AbzugProz);
    const double miteigentum = l.dbl(Feld::MitEigentumProz);
    // after moving in only the § 10e(6a) debt interest counts
    const double schuld = w.bezogenVorher ? w.abzug2 : l.dbl(Feld::Schuld);
    auto vorBezug = [&](Feld f) { return w.bezogenVorher ? 0.0 : l.dbl(f); };
    const double finanzierung = schuld + vorBezug(Feld::Damnum) + vorBezug(Feld::Geld);
    const double erhaltung = vorBezug(Feld::Erhalt) + vorBezug(Feld::AndereDm);
    auto gezaehlt = [&](bool zaehlt, double x) { return zaehlt ? l.betrag(x) : Feldwert{}; };
    switch (a.zeile->feld) {
        case 1: return l.kreuz(abzug && IstPositiv(l.dbl(Feld::AbzugVorjahr)));
        case 2: return gezaehlt(abzug, l.dbl(Feld::AbzugVorjahr));
        case 3: return l.kreuz(abzug && IstPositiv(l.dbl(Feld::Abzug96)));
        case 4: return l.wert(Feld::AnschGB);
        case 5: return l.betrag(g.halbGB);
        case 6: return l.wert(Feld::AnschGeb);
        case 8: return l.wert(Feld::NachAnschGB);
        case 9: return l.betrag(g.halbNachGB);
        case 10: return l.wert(Feld::NachAnschGeb);
        case 12: return l.betrag(g.grund);
        case 13: return l.betrag(g.gebaeude);
        case 14: return l.betrag(g.kosten);
        case 15: return l.wert(Feld::EigWohnProz);
        case 16: return l.betrag(g.eigen);
        case 18: return l.wert(Feld::BerWohnProz);
        case 19: return l.betrag(g.beruf);
        case 20: return l.betrag(g.bemgrund);
        case 23: return l.kreuz(IstProzent(abzugProz, 6));
        case 24: return l.kreuz(IstProzent(abzugProz, 5));
        case 25: {
            const bool dazwischen = abzugProz > 5 && abzugProz < 6 && !IstProzent(abzugProz, 5) &&
                                    !IstProzent(abzugProz, 6);
            return dazwischen ? l.betrag(abzugProz) : Feldwert{};
        }
        case 26: return l.betrag(g.abzug);
        case 27: return l.wert(Feld::NachholDM);
        case 28: return l.wert(Feld::NachholProz);
        case 29: return l.betrag(g.nachhol);
        case 30: return l.wert(Feld::AbzugVor);
        case 31: return l.betrag(g.summe);
        case 32: return gezaehlt(abzug, l.dbl(Feld::Abzug96));
        case 62: return l.kreuz(IstPositiv(l.dbl(Feld::AbzVorj82)));
        case 63: return l.wert(Feld::AbzVorj82);
        case 64: return l.wert(Feld::FgDM);
        case 65: return l.wert(Feld::FgProzIst);
        case 66: return l.wert(Feld::FgSu);
        case 67: return l.wert(Feld::UnentDM);
        case 68: return l.wert(Feld::UnentProz);
        case 69: return l.wert(Feld::UnentSu);
        case 71: return l.betrag(schuld);
        case 72: return l.betrag(vorBezug(Feld::Damnum));
        case 73: return l.betrag(vorBezug(Feld::Geld));
        case 74: return l.betrag(finanzierung);
        case 75: return l.betrag(vorBezug(Feld::Erhalt));
        case 76: return l.betrag(vorBezug(Feld::AndereDm));
        case 77: return l.betrag(erhaltung);
        case 78: return l.betrag(finanzierung + erhaltung);
        // Sole ownership above 99.9999 percent, co-ownership at or below it.
        case 81: return l.kreuz(VolleigentumProzent(miteigentum));
        case 82: return l.kreuz(!VolleigentumProzent(miteigentum));
        case 83:
            return IstPositiv(miteigentum) && !VolleigentumProzent(miteigentum) ? l.betrag(miteigentum)
                                                                                : Feldwert{};
        case 84: return l.kreuz(r.Bool(Feld::EhZuPauschCB) && !w.versagt.pauschale10i);
        case 85: return gezaehlt(!w.versagt.erhaltung10i, l.dbl(Feld::EhZuErhaltAufw));
        case 86: return gezaehlt(!w.versagt.erhaltung10i, l.dbl(Feld::EhZuErhaltAufwMit));
        case 90: return l.betrag(w.kinder);
        case 91: return l.text(Feld::S2Anteil);
        case 92: return l.wert(Feld::S2AnteilDM);
        case 93: return l.wert(Feld::S2Inanspruch);
        default: return {};
    }
}

}  // namespace quarnel
