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
    d.formularSeiten = [a](Berichtschreiber& w, int blatt, bool blanko, bool direkt) {
        if (!a.fall || !a.einst) return false;
        Formularumgebung u;
        u.fall = &a.fall();
        u.einst = a.einst;
        u.formVerzeichnis = a.formVerzeichnis;
        u.heute = HeutigerTag(a.uhr);
        FormularauftragSetzen(w, u, blatt, blanko, direkt);
        return true;
    };
    d.formularListe = [a](Berichtschreiber& w, const std::vector<int>& blaetter, bool blanko) {
        if (!a.fall || !a.einst) return false;
        Formularumgebung u;
        u.fall = &a.fall();
        u.einst = a.einst;
        u.formVerzeichnis = a.formVerzeichnis;
        u.heute = HeutigerTag(a.uhr);
        FormularblaetterSetzen(w, u, blaetter, blanko);
        return true;
    };
}

}  // namespace quarnel::gui
