#include "pages/veranlagungsart.h"

#include "calc/betrag.h"
#include "pages/personen.h"

namespace quarnel {
namespace {

constexpr int32_t Verheiratet = 1;

}  // namespace

Veranlagungsart GespeicherteVeranlagungsart(const CaseRecord& r) {
    switch (r.Int(Feld::Veranlagungsart)) {
        case 1:
            return Veranlagungsart::Getrennt;
        case 2:
            return Veranlagungsart::Besondere;
        default:
            return Veranlagungsart::Zusammen;
    }
}

bool VeranlagungWaehlbar(const CaseRecord& r) {
    return r.Bool(Feld::Splitting) && !r.Bool(Feld::Grundtabelle) && !WitwenSplitting(r);
}

bool HeiratImSteuerjahr(const CaseRecord& r) {
    const int32_t seit = r.Int(Feld::FamStandSeit);
    return r.Int(Feld::ErSie_FamilienstandLB) == Verheiratet && seit > -1 &&
           JahrVon(seit) == Steuerjahr;
}

bool VeranlagungsartZulaessig(const CaseRecord& r, Veranlagungsart a) {
    switch (a) {
        case Veranlagungsart::Zusammen:
            return true;
        case Veranlagungsart::Getrennt:
            return VeranlagungWaehlbar(r);
        case Veranlagungsart::Besondere:
            return VeranlagungWaehlbar(r) && HeiratImSteuerjahr(r);
    }
    return false;
}

bool VerwitwetZuJahresbeginn(const CaseRecord& r, int person) {
    return r.Bool(person == 0 ? Feld::VerwitwetVorjahrEr : Feld::VerwitwetVorjahrSie);
}

std::string VeranlagungsartPruefen(CaseRecord& r) {
    const int32_t wert = r.Int(Feld::Veranlagungsart);
    if (wert == 0) return "";
    if ((wert == 1 || wert == 2) &&
        VeranlagungsartZulaessig(r, static_cast<Veranlagungsart>(wert)))
        return "";
    r.SetzeInt(Feld::Veranlagungsart, 0);
    if (wert == 1)
        return "Getrennte Veranlagung können nur Ehegatten wählen, die nach der "
               "Splittingtabelle besteuert werden; es bleibt bei der Zusammenveranlagung.";
    if (wert == 2)
        return "Die besondere Veranlagung (§ 26c EStG) können Ehegatten nur für das Jahr "
               "der Eheschließung wählen; es bleibt bei der Zusammenveranlagung.";
    return "Unbekannte Veranlagungsart; es gilt die Zusammenveranlagung.";
}

}  // namespace quarnel
