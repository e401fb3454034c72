#include "shell/tf_globmain_intern.h"

namespace quarnel::gui {

using namespace globmain;

// --- settings and the small windows -------------------------------------------------------

void TF_GlobMain::K_VoreinItemClick() {
    TxGlobConf d(this, einst_, *dienste_.meldungen);
    d.hilfeZeigen = [this](const std::string& seite, bool browser) {
        Hilfeanzeigen(seite, {}, browser, true);
    };
    d.exec();
    FarbeSetzen();
    if (!einst_.lfdBerechnung) SaldoLeeren();
    EingabeFeld::StandardUeberschreiben() = !einst_.insert;
    StartbildZeigen();
    if (SeitenOffen()) bildPnl_->hide();
    FensterTitelSetzen();
}

void TF_GlobMain::BildschirmClick(int prozent) {
    QScreen* sc = screen();
    if (!sc) return;
    const QRect r = sc->availableGeometry();
    const int w = static_cast<int>(std::lround(sc->geometry().width() * prozent / 100.0));
    resize(std::min(w, r.width()), height());
    move(r.x() + (r.width() - frameGeometry().width()) / 2, y());
    Geometrie();
    QTimer::singleShot(10, this, &TF_GlobMain::StartbildAnpassen);
}

void TF_GlobMain::KleinesFenster(Tform13& d) {
    d.adjustSize();
    const QSize s(Tform13::SkalierteBreite(d.width(), width()), d.height());
    const QRect ziel(mapToGlobal(QPoint((width() - s.width()) / 2, (height() - s.height()) / 2)),
                     s);
    Tform13::Umriss(ziel, true);
    d.exec();
    if (Tform13::AnimationAn()) Warten(200);
    Tform13::Umriss(ziel, false);
}

void TF_GlobMain::KalenderClick() {
    TxKalender d(this);
    KleinesFenster(d);
}

void TF_GlobMain::RechnerClick() {
    TxRechner d(this);
    KleinesFenster(d);
}

void TF_GlobMain::InfoClick() {
    TxInfo d(this);
    KleinesFenster(d);
}

}  // namespace quarnel::gui
