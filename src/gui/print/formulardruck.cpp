#include "print/formulardruck.h"

#include <QDate>

#include "calc/betrag.h"
#include "print/formular.h"

namespace quarnel::gui {

int32_t HeutigerTag(const Uhr* uhr) {
    if (uhr) {
        const Zeitpunkt t = uhr->Jetzt();
        return TagesNummer(t.jahr, t.monat, t.tag);
    }
    const QDate d = QDate::currentDate();
    return TagesNummer(d.year(), d.month(), d.day());
}

void FormulardruckAnbinden(Druckausgabe& d, FormularAnbindung a) {
    d.deklarationFuellen = a.deklarationFuellen;
    // The open case and the settings as a form job sees them.
    auto umgebung = [a] {
        Formularumgebung u;
        u.fall = &a.fall();
        u.einst = a.einst;
        u.formVerzeichnis = a.formVerzeichnis;
        u.heute = HeutigerTag(a.uhr);
        return u;
    };
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
