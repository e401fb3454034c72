#include "shell/veranlagungvergleichen.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "pages/tform11.h"
#include "results/txglobveranlagung.h"
#include "shell/tf_globmain.h"

namespace quarnel::gui {

bool VeranlagungVergleichOeffnen(TF_GlobMain& haupt) {
    if (haupt.Fallzustand() == 0) return false;
    // what is typed on an open page counts for the comparison
    if (!haupt.SeitenSichern(false)) return false;
    VeranlagungDienste d;
    d.meldungen = &haupt.Meldungsdienst();
    d.uebernommen = [&haupt] {
        haupt.SetzeFallVeraendert(true);
        // the open pages show the case as it is now, and store it so when they close
        for (QMdiSubWindow* w : haupt.Mdi()->subWindowList())
            if (auto* seite = qobject_cast<TForm11*>(w->widget()); seite && seite->Geladen())
                seite->DatenLaden();
        haupt.SaldoErneuern();
    };
    return TxGlobVeranlagung::Zeigen(&haupt, haupt.Fall().Satz(), d, haupt.Kurzberechnung());
}

}  // namespace quarnel::gui
