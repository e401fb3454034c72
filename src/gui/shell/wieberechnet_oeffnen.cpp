#include "shell/wieberechnet_oeffnen.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "results/txerklaerung.h"
#include "results/txglobview.h"
#include "results/veranlagungsteile.h"
#include "shell/tf_globmain.h"

namespace quarnel::gui {

void WieBerechnetAnbinden(TF_GlobMain& haupt, ErgebnisDienste& dienste) {
    dienste.wieBerechnet = [&haupt](const std::string& ergebnis, int teil) {
        if (haupt.Fallzustand() == 0) return false;
        // the case as its chosen assessment computes it, each part recorded
        const std::vector<Erklaerteil> teile =
            VeranlagungErklaeren(haupt.Fall().Satz(), haupt.Kurzberechnung());
        ErklaerDienste d;
        d.orte = haupt.Hilfeorte();
        d.hilfe = [&haupt] { haupt.Hilfeanzeigen("std\\viewer"); };
        QWidget* eltern = QApplication::activeModalWidget();
        const int t = std::max(teil, 0);
        const auto ziel = TxErklaerung::Zeigen(eltern ? eltern : &haupt, teile, t,
                                               ErgebnisImTeil(teile, t, ergebnis), d);
        if (!ziel) return false;
        // the page opens once the result window has closed
        QTimer::singleShot(0, &haupt, [&haupt, ort = *ziel] { haupt.EingabeZeigen(ort); });
        return true;
    };
}

}  // namespace quarnel::gui
