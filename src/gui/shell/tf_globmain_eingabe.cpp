// The main window going to an entry: from "Wie berechnet?" to the page and
// field where a figure of the computation was entered.
#include "pages/tform11.h"
#include "shell/eingabeort.h"
#include "shell/tf_globmain_intern.h"

namespace quarnel::gui {

void TF_GlobMain::EingabeZeigen(const Eingabeort& ort) {
    if (Fallzustand() == 0 || !SeitenSchliessen()) return;
    menue_.PopBisGrund();
    MenuezustandAnwenden();
    aktBereich_ = ort.bereich;
    aktSeite_ = ort.seite;
    bildPnl_->hide();
    SeiteOeffnen(ort.bereich, ort.seite);
    QMdiSubWindow* fenster = mdi_->activeSubWindow();
    auto* seite = fenster ? qobject_cast<TForm11*>(fenster->widget()) : nullptr;
    if (!seite) return;
    // A field of a subordinate page: its page opens, the user goes on from there.
    QWidget* feld = ort.unterseite.empty() ? seite->Steuer(ort.feld) : nullptr;
    if (!feld) return;
    seite->ReiterZeigen(QString::fromUtf8(Def(ort.feld).reiter));
    feld->setFocus(Qt::OtherFocusReason);
}

}  // namespace quarnel::gui
