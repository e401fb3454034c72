#include "pages/veranlagungsart.h"

#include "pages/personen.h"

namespace quarnel {

Veranlagungsart GespeicherteVeranlagungsart(const CaseRecord& r) {
    return r.Int(Feld::Veranlagungsart) == 1 ? Veranlagungsart::Getrennt
                                             : Veranlagungsart::Zusammen;
}

bool VeranlagungWaehlbar(const CaseRecord& r) {
    return r.Bool(Feld::Splitting) && !r.Bool(Feld::Grundtabelle) && !WitwenSplitting(r);
}

std::string VeranlagungsartPruefen(CaseRecord& r) {
    const int32_t wert = r.Int(Feld::Veranlagungsart);
    if (wert == 0) return "";
    if (wert == 1 && VeranlagungWaehlbar(r)) return "";
    r.SetzeInt(Feld::Veranlagungsart, 0);
    return wert == 1 ? "Getrennte Veranlagung können nur Ehegatten wählen, die nach der "
                       "Splittingtabelle besteuert werden; es bleibt bei der Zusammenveranlagung."
                     : "Unbekannte Veranlagungsart; es gilt die Zusammenveranlagung.";
}

}  // namespace quarnel
