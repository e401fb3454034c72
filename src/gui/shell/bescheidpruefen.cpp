#include "shell/bescheidpruefen.h"

#include "case/falldatei.h"
#include "print/druckausgabe.h"
#include "results/txglobbescheid.h"
#include "results/txglobview.h"
#include "shell/tf_globmain.h"

namespace quarnel::gui {

void BescheidPruefenOeffnen(TF_GlobMain& haupt, const ShellDienste& dienste) {
    if (haupt.Fallzustand() == 0) return;
    // what is typed on an open page counts for the own figures
    if (!haupt.SeitenSichern(false)) return;
    Fallverwaltung& fall = haupt.Fall();
    BescheidDienste d;
    d.meldungen = &haupt.Meldungsdienst();
    d.uhr = dienste.uhr;
    d.laden = [&fall] {
        Listensatz l;
        if (!ListeLesen(fall.Arbeitsdatei(), BescheidListe, l)) return AmtsBescheid{};
        return AmtsBescheidLesen(l);
    };
    d.speichern = [&haupt, &fall](const AmtsBescheid& b) {
        Listensatz alt, neu;
        const bool gelesen = ListeLesen(fall.Arbeitsdatei(), BescheidListe, alt);
        AmtsBescheidSchreiben(b, neu);
        if (gelesen && alt == neu) return true;
        if (!ListeSchreiben(fall.Arbeitsdatei(), BescheidListe, neu)) {
            haupt.Meldungsdienst().Zeige(MeldungsTyp::Fehler,
                                         "Der Bescheid konnte nicht in die Arbeitsdatei geschrieben werden.");
            return false;
        }
        // the case must be saved for the notice to stay; the inputs of the
        // computation and the page marks are untouched
        haupt.SetzeFallVeraendert(true);
        return true;
    };
    d.hilfe = [&haupt] { haupt.Hilfeanzeigen("std\\viewer"); };
    d.zeigen = [&haupt, dateiDialoge = dienste.dateiDialoge](const Ergebnistext& t) {
        ErgebnisDienste e{&haupt.Meldungsdienst(), dateiDialoge,
                          [&haupt] { haupt.Hilfeanzeigen("std\\viewer"); }, {}, {}, {}};
        TxGlobView::Zeigen(&haupt, t, haupt.Einst(), haupt.Druck(), e);
        // the print jobs of the main window print its own result text again
        haupt.Druck().daten.ergebnis = &haupt.Ergebnis();
    };
    TxGlobBescheid::Zeigen(&haupt, fall.Satz(), d);
}

}  // namespace quarnel::gui
