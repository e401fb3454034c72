#include "print/formulardruck.h"

#include <QDate>

#include "calc/betrag.h"
#include "print/berichtspieler.h"
#include "print/formular.h"
#include "results/pruefung_texte.h"

namespace quarnel::gui {

int32_t HeutigerTag(const Uhr* uhr) {
    if (uhr) {
        const Zeitpunkt t = uhr->Jetzt();
        return TagesNummer(t.jahr, t.monat, t.tag);
    }
    const QDate d = QDate::currentDate();
    return TagesNummer(d.year(), d.month(), d.day());
}

Formularumgebung FormularumgebungFuer(const CaseRecord& fall, const Einstellungen& einst,
                                      const std::string& formVerzeichnis, const Uhr* uhr) {
    Formularumgebung u;
    u.fall = &fall;
    u.einst = &einst;
    u.formVerzeichnis = formVerzeichnis;
    u.heute = HeutigerTag(uhr);
    return u;
}

void GekuerzteFormulartextePruefen(Befundtabelle& t, const CaseRecord& fall, const Einstellungen& einst,
                                   const std::string& formVerzeichnis, const Uhr* uhr) {
    const QtTextmass mass;
    GekuerzteTexteMelden(FormularumgebungFuer(fall, einst, formVerzeichnis, uhr), mass, t);
}

bool FormularauftragAusfuehren(Druckausgabe& d, const Druckauftrag& a) {
    Druckausgabe::Ausgang aus;
    if (a.blaetter.empty()) aus = d.DruckAusgabe(1, a.blatt, a.blanko, a.direkt);
    else if (a.direkt) aus = d.FormulareDrucken(a.blaetter, a.blanko);
    else aus = d.FormulareVorschau(a.blaetter, a.blanko);
    return aus != Druckausgabe::Ausgang::Fehler;
}

void FormulardruckAnbinden(Druckausgabe& d, FormularAnbindung a) {
    d.deklarationFuellen = a.deklarationFuellen;
    // The open case and the settings as a form job sees them.
    // (Both jobs check the case and the settings before asking for it.)
    auto umgebung = [a] { return FormularumgebungFuer(a.fall(), *a.einst, a.formVerzeichnis, a.uhr); };
    d.formularSeiten = [a, umgebung](Berichtschreiber& w, int blatt, bool blanko, bool direkt) {
        if (!a.fall || !a.einst) return false;
        FormularauftragSetzen(w, umgebung(), blatt, blanko, direkt);
        return true;
    };
    d.formularListe = [a, umgebung](Berichtschreiber& w, const std::vector<int>& blaetter, bool blanko) {
        if (!a.fall || !a.einst) return false;
        FormularblaetterSetzen(w, umgebung(), blaetter, blanko);
        return true;
    };
}

}  // namespace quarnel::gui
