#include "pages/personen.h"

#include "calc/betrag.h"

namespace quarnel {
namespace {

constexpr int Ledig = 0, Verheiratet = 1, Getrennt = 2, Geschieden = 3, Verwitwet = 4,
              VerwitwetNachTrennung = 5;

// Areas and pages of the spouse.
constexpr int BereichLohn = 3, ErsteKarteSie = 3, ZweiteKarteSie = 4;
constexpr int BereichWerbungskostenSie = 5;
// The interview's question on the spouse's wage-tax card.
constexpr int FrageLohnsteuerkarteSie = 13;

bool ImJahr(int32_t datum, int jahr) {
    return datum > -1 && JahrVon(datum) == jahr;
}

bool IrgendeineSeiteAktiv(const CaseRecord& r, int bereich) {
    for (int seite = 1; seite <= 15; ++seite)
        if (SeitenmerkerTest(r, SM_Aktiv, bereich, seite)) return true;
    return false;
}

void Aktiv(CaseRecord& r, int bereich, int seite, bool an) {
    if (an)
        SeitenmerkerSetzen(r, SM_Aktiv, bereich, seite);
    else
        SeitenmerkerLoeschen(r, SM_Aktiv, bereich, seite);
}

}  // namespace

Steuertabelle TabelleNachFamilienstand(int32_t familienstand, int32_t seit, int32_t trennungSeit) {
    const bool seitJahr = ImJahr(seit, Steuerjahr);
    const bool getrenntJahr = ImJahr(trennungSeit, Steuerjahr);
    bool splitting;
    switch (familienstand) {
        case Ledig:
            splitting = false;
            break;
        case Verheiratet:
            splitting = true;
            break;
        case Getrennt:
        case Verwitwet:
            splitting = seitJahr;
            break;
        case Geschieden:
        case VerwitwetNachTrennung:
            splitting = seitJahr && getrenntJahr;
            break;
        default:
            return Steuertabelle::Unveraendert;
    }
    return splitting ? Steuertabelle::Splitting : Steuertabelle::Grundtabelle;
}

Steuertabelle TabelleNachFamilienstand(const CaseRecord& r) {
    return TabelleNachFamilienstand(r.Int(Feld::ErSie_FamilienstandLB), r.Int(Feld::FamStandSeit),
                                    r.Int(Feld::StpflDTrennSeit));
}

bool WitwenSplitting(const CaseRecord& r) {
    return r.Int(Feld::ErSie_FamilienstandLB) == Verwitwet &&
           ImJahr(r.Int(Feld::FamStandSeit), Steuerjahr - 1);
}

std::string TabellenText(const CaseRecord& r) {
    std::string t = "Besteuerung nach ";
    if (WitwenSplitting(r)) return t + "Splittingtabelle (Witwen/Witwer)";
    return t + (r.Bool(Feld::Grundtabelle) ? "Grundtabelle" : "Splittingtabelle");
}

bool TabelleSetzen(CaseRecord& r, Steuertabelle t) {
    if (t == Steuertabelle::Unveraendert) return false;
    const bool splitting = t == Steuertabelle::Splitting;
    const bool geaendert = splitting ? !r.Bool(Feld::Splitting) : !r.Bool(Feld::Grundtabelle);
    r.SetzeBool(Feld::Grundtabelle, !splitting);
    r.SetzeBool(Feld::Splitting, splitting);
    // The spouse's pages follow the table even where it was already set
    // (a case whose flags were typed before its marital status).
    EhegattenSeitenMarkieren(r);
    return geaendert;
}

bool TabelleEntscheiden(CaseRecord& r) {
    return TabelleSetzen(r, TabelleNachFamilienstand(r));
}

void EhegattenSeitenMarkieren(CaseRecord& r) {
    const bool interview = r.Bool(Feld::InterviewErledigt);
    if (r.Bool(Feld::Splitting)) {
        if (!interview || r.Bool(Feld::Interviewantworten, FrageLohnsteuerkarteSie)) {
            Aktiv(r, BereichLohn, ErsteKarteSie, true);
            Aktiv(r, BereichLohn, ZweiteKarteSie, true);
        }
        Aktiv(r, BereichWerbungskostenSie, 0, true);
        if (interview && !IrgendeineSeiteAktiv(r, BereichWerbungskostenSie))
            Aktiv(r, BereichWerbungskostenSie, 0, false);
    } else {
        Aktiv(r, BereichLohn, ErsteKarteSie, false);
        Aktiv(r, BereichLohn, ZweiteKarteSie, false);
        Aktiv(r, BereichWerbungskostenSie, 0, false);
    }
    Aktiv(r, BereichLohn, 0, IrgendeineSeiteAktiv(r, BereichLohn));
}

}  // namespace quarnel
