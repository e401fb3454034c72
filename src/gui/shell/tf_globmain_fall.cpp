#include "shell/tf_globmain_intern.h"
#include "shell/wieberechnet_oeffnen.h"

#include "results/bescheid_veranlagung.h"

namespace quarnel::gui {

using namespace globmain;

// --- case commands --------------------------------------------------------------------

bool TF_GlobMain::SpeichernBefehl(bool fragen) {
    SeitenSichern(false, true);
    const bool ok = verw_->Speichern(fragen);
    ZustandUebernehmen();
    return ok;
}

void TF_GlobMain::D_NeuItemClick() {
    aktBereich_ = 1;
    aktSeite_ = 0;
    // Open pages store their entries first, so that neither the question
    // below misses them nor do they write old data into the new case.
    if (!SeitenSchliessen(true)) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool neu = verw_->Neu();
    QApplication::restoreOverrideCursor();
    if (neu) {
        menue_.Anwenden(Menuestatus::FallOffen);
        MenuezustandAnwenden();
    }
    ZustandUebernehmen();
    if (Fallzustand() == 1) {
        hilfethema_ = "interview";
        const Antwort a = Frage(M(MeldungsTyp::Bestaetigung,
                                  "Mit dem Interview treffen Sie eine Vorauswahl der\r\nfür Ihren "
                                  "Fall relevanten Steuergebiete.\r\n\r\nMöchten Sie das Interview "
                                  "jetzt ausführen?",
                                  KnopfJa | KnopfNein | KnopfHilfe, "std\\interview", true));
        if (a == Antwort::Ja) InterviewZeigen();
        Info("Sie beginnen mit dem ersten Eingabereich.", true);
        NavigatorVorRueck(true);
        hilfethema_.clear();
    }
}

void TF_GlobMain::D_OpenItemClick() {
    if (!SeitenSchliessen(true)) return;
    const bool ok = verw_->Oeffnen(false);
    ZustandUebernehmen();
    if (ok) {
        aktBereich_ = 1;
        aktSeite_ = 0;
    }
}

void TF_GlobMain::D_OpenItemVorjahrClick() {
    if (!SeitenSchliessen(true)) return;
    const bool ok = verw_->Oeffnen(true);
    ZustandUebernehmen();
    if (ok) {
        aktBereich_ = 1;
        aktSeite_ = 0;
    }
}

void TF_GlobMain::D_SpeichernItemClick() {
    SpeichernBefehl(false);
}

void TF_GlobMain::D_SpeichernUnterItemClick() {
    SpeichernBefehl(true);
}

void TF_GlobMain::D_PasswortItemClick() {
    TxPasswortAendern d(this, *verw_);
    d.hilfeZeigen = [this] { Hilfeanzeigen("std\\passwort"); };
    d.exec();
    ZustandUebernehmen();
}

void TF_GlobMain::D_DruckFormulareClick() {
    const bool alle = SeitenSchliessen(true);
    Pruefen(200);
    if (!alle) return;
    FormulardruckDienste d;
    d.meldungen = dienste_.meldungen;
    d.drucker = &druck_->Drucker();
    d.ohneDrucker = [this] { return druck_->OhneDrucker(); };
    d.auftrag = [this](const Druckauftrag& a) { return FormularauftragAusfuehren(*druck_, a); };
    d.hilfe = [this] { Hilfeanzeigen("std\\formdrk"); };
    d.einstellungenSchreiben = [this] {
        std::error_code ec;
        std::filesystem::create_directories(pfade_.einstellungen, ec);
        EinstellungenSchreiben(pfade_.EinstellungsDatei(), einst_);
    };
    TxGlobFDrk dialog(this, einst_, verw_->Satz(), std::move(d));
    dialog.exec();
}

void TF_GlobMain::D_DruckereinrichtenItemClick() {
    QPrintDialog d(&druck_->Drucker(), this);
    d.exec();
}

void TF_GlobMain::ErgebnisZeigen() {
    BescheidAngaben a;
    if (dienste_.uhr) a.datum = KurzDatum(dienste_.uhr->Jetzt());
    a.amtlich = einst_.ergebAmtlBesch;
    a.kurz = kurzberechnung_;  // the quick-calculation page names religion and state itself
    BescheidTexteSetzen(verw_->Satz(), a);
    BescheidNachVeranlagung(verw_->Satz(), AktuelleEingabe(), AktuellesErgebnis(), a, ergebnis_);
    druck_->daten.ergebnis = &ergebnis_;
    druck_->daten.fall = &verw_->Satz();
    if (!einst_.imFenster) {
        druck_->DruckAusgabe(3);
        return;
    }
    ErgebnisDienste d{dienste_.meldungen, dienste_.dateiDialoge,
                      [this] { Hilfeanzeigen("std\\viewer"); }, {},
                      [this] { BescheidPruefenOeffnen(*this, dienste_); },
                      [this] { return VeranlagungVergleichOeffnen(*this); }};
    WieBerechnetAnbinden(*this, d);
    TxGlobView::Zeigen(this, ergebnis_, einst_, *druck_, d);
}

void TF_GlobMain::closeEvent(QCloseEvent* e) {
    if (!beendenBestaetigt_) {
        // Every page stores its entries first; one that refuses keeps the
        // program open, so that nothing typed is lost.
        if (!SeitenSchliessen(true)) {
            e->ignore();
            return;
        }
        const bool darf = verw_->Beenden();
        ZustandUebernehmen();
        if (!darf) {
            e->ignore();
            return;
        }
    }
    beendenBestaetigt_ = true;
    for (QTimer* t : findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) t->stop();
    const int bildschirm = screen() ? screen()->geometry().width() : width();
    const Fenstermasse g =
        FenstermasseZumSpeichern({geometry().x(), geometry().y(), width()}, bildschirm);
    einst_.links = g.links;
    einst_.oben = g.oben;
    einst_.weite = g.weite;
    einst_.screenweite = bildschirm;
    std::error_code ec;
    std::filesystem::create_directories(pfade_.einstellungen, ec);
    if (!EinstellungenSchreiben(pfade_.EinstellungsDatei(), einst_))
        dienste_.meldungen->Zeige(
            MeldungsTyp::Fehler,
            "Die Einstellungen konnten nicht gespeichert werden:\r" + pfade_.EinstellungsDatei());
    temp_.reset();  // the temporary files go
    e->accept();
}

}  // namespace quarnel::gui
