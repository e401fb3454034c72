#include "shell/tf_globmain_intern.h"

namespace quarnel::gui {

using namespace globmain;

// --- windows, pages, side view ---------------------------------------------------------

void TF_GlobMain::FensterGewechselt(Fensterart art) {
    if (art != Fensterart::Seitenansicht) {
        if (art == Fensterart::Keins && menue_.Stufe() == 2 && !SeitenOffen())
            SeitenansichtNachErgebnis();
        menue_.FensterGewechselt(art);
        MenuezustandAnwenden();
        if (schalter_.testmodus)
            if (auto* r = qobject_cast<QToolButton*>(Knopf(QStringLiteral("ReloadBtn"))))
                r->setText(QStringLiteral("MenStatNr = %1").arg(menue_.Stufe()));
    }
    // The help page a subordinate page asked for, or back to the page's own.
    int& gewuenscht = SeitenzustandGlobal().hilfeseite;
    if (hilfeseite_ == 0) hilfeseite_ = gewuenscht;
    if (hilfeseite_ >= 1 && hilfeseite_ <= 998)
        SeitenhilfeZeigen("F" + DreiStellen(hilfeseite_));
    else if (hilfeseite_ == 999)
        SeitenhilfeZeigen("F" + DreiStellen(SeitenHilfeNummer(aktBereich_, aktSeite_)));
    hilfeseite_ = 0;
    gewuenscht = 0;
}

void TF_GlobMain::SeitenansichtNachErgebnis() {
    if (Fallzustand() == 0) {
        SeitenhilfeZeigen("std\\seite0");
        return;
    }
    const double s = letzterSaldo_.value_or(0.0);
    SeitenhilfeZeigen(std::fabs(s) < 0.005 ? "std\\seite1a"
                      : s > 0              ? "std\\seite1m"
                                           : "std\\seite1p");
}

bool TF_GlobMain::SeitenOffen() const {
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (w != seitenansicht_ && !w->property("schliesst").toBool()) return true;
    return false;
}

QMdiSubWindow* TF_GlobMain::SeiteEinfuegen(QWidget* seite) {
    QMdiSubWindow* w = mdi_->addSubWindow(seite, Qt::FramelessWindowHint);
    w->setAttribute(Qt::WA_DeleteOnClose);
    const bool unterseite = seite->property("unterseite").toBool();
    // The level this page rises to is its own: once the menu has fallen to
    // its base since (the next page opening), the close pops nothing, or it
    // would take the level of the page that is open now.
    const int grundzug = menue_.Grundzug();
    connect(w, &QObject::destroyed, this, [this, unterseite, grundzug] {
        QMetaObject::invokeMethod(
            this,
            [this, unterseite, grundzug] {
                // Back from a subordinate page: the side view shows the
                // page's help again, whether or not it asked for it.
                if (unterseite && hilfeseite_ == 0 && SeitenzustandGlobal().hilfeseite == 0)
                    hilfeseite_ = 999;
                FensterGewechselt(grundzug == menue_.Grundzug() ? Fensterart::Keins
                                                                : Fensterart::Seitenansicht);
            },
            Qt::QueuedConnection);
    });
    bildPnl_->hide();
    StartbildAnpassen();
    w->show();
    FensterGewechselt(unterseite ? Fensterart::Unterseite : Fensterart::Eingabeseite);
    return w;
}

bool TF_GlobMain::SeitenSchliessen(bool alleFragen) {
    bool alle = true;
    const QList<QMdiSubWindow*> fenster = mdi_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = fenster.rbegin(); it != fenster.rend(); ++it) {
        QMdiSubWindow* w = *it;
        if (w == seitenansicht_) continue;
        w->setProperty("schliesst", true);
        if (!w->close()) {
            w->setProperty("schliesst", false);
            alle = false;
            if (!alleFragen) return false;
            continue;
        }
        Warten(10);
    }
    return alle;
}

bool TF_GlobMain::SeitenSichern(bool still, bool alleFragen) {
    bool alle = true;
    const QList<QMdiSubWindow*> fenster = mdi_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = fenster.rbegin(); it != fenster.rend(); ++it) {
        QMdiSubWindow* w = *it;
        if (w == seitenansicht_ || w->property("schliesst").toBool() || !w->widget()) continue;
        if (!fall.seiteSichern || fall.seiteSichern(w->widget(), still)) continue;
        alle = false;
        if (!alleFragen) return false;
    }
    return alle;
}

HilfeOrte TF_GlobMain::Hilfeorte() const {
    HilfeOrte o{pfade_.hilfe, {}};
    if (temp_ && !temp_->Pruefbericht().empty())
        o.bericht = std::filesystem::path(temp_->Pruefbericht()).parent_path().string();
    return o;
}

void TF_GlobMain::SeitenhilfeZeigen(const std::string& seite) {
    seitenText_->Seitenhilfe(seite);
}

void TF_GlobMain::HilfefensterZeigen(const std::string& datei, const std::string& anker) {
    TxGlobHtm d(this, Hilfeorte(), {dienste_.meldungen, dienste_.desktop},
                9 + einst_.deltaFontSizeTab + 2);
    d.setWindowTitle(schalter_.testmodus ? U(datei) : titel_);
    d.Startseite(datei, anker);
    d.exec();
    unsetCursor();
}

void TF_GlobMain::Hilfeanzeigen(const std::string& seite, const std::string& anker,
                                bool systemViewer, bool systemViewerGesetzt) {
    const std::optional<std::string> gefunden = HilfeAufloesen(Hilfeorte(), seite);
    if (!gefunden) {
        dienste_.meldungen->Zeige(MeldungsTyp::Fehler,
                                  "Datei nicht gefunden: " + HilfeDatei(pfade_.hilfe, seite));
        return;
    }
    const std::string& datei = *gefunden;
    const bool browser = systemViewerGesetzt ? systemViewer : einst_.internetBrowser;
    if (browser) {
        if (dienste_.desktop) dienste_.desktop->Oeffnen(datei);
    } else if (fall.hilfeViewer) {
        fall.hilfeViewer(datei, anker.empty() ? std::string() : "F" + anker);
    } else {
        HilfefensterZeigen(datei, anker.empty() ? std::string() : "F" + anker);
    }
}

void TF_GlobMain::F1Gedrueckt() {
    if (!hilfethema_.empty()) {
        const std::string thema = hilfethema_;
        hilfethema_.clear();
        Hilfeanzeigen("std\\" + thema);
        return;
    }
    Info("Der Hilfetext wird ständig im rechten\rFenster angezeigt.", true);
}

// --- focus and the running computation ---------------------------------------------------

void TF_GlobMain::FokusGewechselt(QWidget*, QWidget* neu) {
    if (!neu || neu->window() != this) return;
    const bool feld = qobject_cast<QLineEdit*>(neu) || qobject_cast<QAbstractButton*>(neu) ||
                      qobject_cast<QComboBox*>(neu) || qobject_cast<QTabBar*>(neu) ||
                      qobject_cast<QTabWidget*>(neu) || qobject_cast<QAbstractItemView*>(neu) ||
                      qobject_cast<QAbstractSpinBox*>(neu);
    if (!feld || neu->window() == nullptr) return;
    datenModImg_->setVisible(FallVeraendert());
    std::optional<int> nummer;  // the nearest field number above the control
    QMdiSubWindow* seite = nullptr;
    for (QWidget* w = neu; w && w != this; w = w->parentWidget()) {
        const QVariant n = w->property("hilfeNummer");
        if (n.isValid() && !nummer) nummer = n.toInt();
        if (!seite) seite = qobject_cast<QMdiSubWindow*>(w);
    }
    if (nummer.value_or(0) > 0) {
        const std::string feldNr = FeldNummerText(*nummer);
        Panel(QStringLiteral("FeldNrPnl"))->setText(U(feldNr));
        seitenText_->Feldhilfe(feldNr);
        feldNrSeite_ = seite;
    } else if (seite && seite != seitenansicht_ && seite != feldNrSeite_) {
        // A control without a field number keeps the last one shown on its
        // own page; another page does not show the number of a field it lacks.
        Panel(QStringLiteral("FeldNrPnl"))->clear();
        feldNrSeite_ = seite;
    }
    if (einst_.lfdBerechnung) LaufendeBerechnungAnstossen();
}

void TF_GlobMain::LaufendeBerechnungAnstossen() {
    // Queued and coalesced: typing never waits for it, and a burst of focus
    // changes runs it once.
    if (berechnungAngefordert_) return;
    berechnungAngefordert_ = true;
    QTimer::singleShot(0, this, &TF_GlobMain::StilleBerechnung);
}

void TF_GlobMain::StilleBerechnung() {
    berechnungAngefordert_ = false;
    SaldoErneuern();
}

void TF_GlobMain::SaldoAnzeigen(double saldo) {
    letzterSaldo_ = saldo;
    QLabel* p = Panel(QStringLiteral("TipPnl"));
    if (!einst_.lfdBerechnung) {
        p->clear();
        return;
    }
    const SaldoAnzeige a = SaldoText(saldo);
    p->setText(U(a.text));
    p->setStyleSheet(QStringLiteral("color: #%1").arg(a.rot ? SaldoRot : SaldoGruen, 6, 16, QLatin1Char('0')));
}

void TF_GlobMain::SaldoLeeren() {
    Panel(QStringLiteral("TipPnl"))->clear();
}

void TF_GlobMain::SaldoErneuern() {
    if (Fallzustand() == 0) {
        letzterSaldo_.reset();
        SaldoLeeren();
        return;
    }
    if (!einst_.lfdBerechnung || berechnungLaeuft_) return;
    berechnungLaeuft_ = true;
    ++laufendeBerechnungen_;
    Pruefen(10);
    berechnungLaeuft_ = false;
}

void TF_GlobMain::Pruefen(int code) {
    const bool still = code == 10 || code == 200;
    if (code == 99 || code == 100 || code == 200) {
        if (!Existiert(pfade_.formular + "Quar01.prf")) {
            if (!still) Info("Prüfungsdatei nicht gefunden");
            return;
        }
    }
    if (code != 10 && SeitenOffen()) {
        QMdiSubWindow* aktiv = mdi_->activeSubWindow();
        if (aktiv && aktiv->widget() && aktiv->widget()->property("ohnePruefung").toBool()) {
            if (!still) Info("Funktion hier nicht verfügbar");
            return;
        }
        // The pages store their entries and stay open: the user goes on
        // where the command found him.
        if (!SeitenSichern(false)) return;
    } else if (code == 10) {
        SeitenSichern(true, true);  // what is typed on the open page counts
    }
    if (!fall.berechnen) {
        if (!still) NichtVerfuegbar();
        return;
    }
    if (std::optional<double> saldo = fall.berechnen(still)) SaldoAnzeigen(*saldo);
    if (code == 10) return;
    if (code == 99 || code == 100 || code == 200) {
        PruefungAusgeben(code);
        return;
    }
    if (code == 0) {
        ErgebnisZeigen();
        return;
    }
    NichtVerfuegbar();
}

// The rules on the case just computed, the report, and for the commands
// with a report its file, shown by the help viewer.
void TF_GlobMain::PruefungAusgeben(int code) {
    CaseRecord& satz = verw_->Satz();
    Befundtabelle befunde = RegelnPruefen(satz, VeranlagungAus(AktuelleEingabe()));
    if (code != 200) GekuerzteFormulartextePruefen(befunde, satz, einst_, pfade_.formular, dienste_.uhr);
    const Pruefauftrag auftrag = code == 100 ? Pruefauftrag{}
                                             : AuftragAktuelleSeite(aktBereich_, aktSeite_, code == 99);
    const Pruefbericht bericht = PruefberichtErstellen(
        satz, befunde, PruefkatalogLaden(pfade_.formular + PruefkatalogName), auftrag);
    if (code == 200) return;
    if (!temp_ || !PruefberichtSpeichern(bericht, temp_->Pruefbericht())) return;
    Hilfeanzeigen("std\\" + std::filesystem::path(temp_->Pruefbericht()).filename().string());
}

}  // namespace quarnel::gui
