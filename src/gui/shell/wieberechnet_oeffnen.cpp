#include "shell/wieberechnet_oeffnen.h"

#include <QApplication>
#include <QTimer>
#include <memory>

#include "results/txerklaerung.h"
#include "results/txglobview.h"
#include "results/wieberechnet.h"
#include "shell/tf_globmain.h"

namespace quarnel::gui {

void WieBerechnetAnbinden(TF_GlobMain& haupt, ErgebnisDienste& dienste) {
    dienste.wieBerechnet = [&haupt](const std::string& ergebnis) {
        if (haupt.Fallzustand() == 0) return false;
        auto spur = std::make_unique<Erklaerung>();
        RechnungErklaeren(haupt.Fall().Satz(), haupt.Kurzberechnung(), *spur);
        ErklaerDienste d;
        d.orte = haupt.Hilfeorte();
        d.hilfe = [&haupt] { haupt.Hilfeanzeigen("std\\viewer"); };
        QWidget* eltern = QApplication::activeModalWidget();
        const auto ziel = TxErklaerung::Zeigen(eltern ? eltern : &haupt, *spur, ergebnis, d);
        if (!ziel) return false;
        // the page opens once the result window has closed
        QTimer::singleShot(0, &haupt, [&haupt, ort = *ziel] { haupt.EingabeZeigen(ort); });
        return true;
    };
}

}  // namespace quarnel::gui
