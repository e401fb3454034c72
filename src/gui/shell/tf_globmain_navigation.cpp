#include "shell/tf_globmain_intern.h"

namespace quarnel::gui {

using namespace globmain;

// --- navigation -------------------------------------------------------------------------

void TF_GlobMain::KnopfpaarZeigen(int tag, bool sichtbar) {
    static const char* const paare[][2] = {{"NavigatorVorBtn", "SpeedNavigatorVorBtn"},
                                           {"NavigatorRueckBtn", "SpeedNavigatorRueckBtn"},
                                           {"NavigatorStopBtn", "SpeedNavigatorStopBtn"}};
    if (tag < 1 || tag > 3) return;
    for (const char* n : paare[tag - 1])
        if (QWidget* w = Knopf(U(n))) {
            if (auto* b = qobject_cast<QToolButton*>(w); b && b->parentWidget() == leiste_) {
                for (QAction* a : leiste_->actions())
                    if (leiste_->widgetForAction(a) == b) a->setVisible(sichtbar);
            } else {
                w->setVisible(sichtbar);
            }
        }
}

void TF_GlobMain::NavigatorClick() {
    Pruefen(200);
    if (mdi_->activeSubWindow() == seitenansicht_)
        for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::ActivationHistoryOrder))
            if (w != seitenansicht_) mdi_->setActiveSubWindow(w);
    TxNavigator d(this, verw_->Satz(), *dienste_.meldungen, einst_, SeitenOffen(), aktBereich_,
                  aktSeite_);
    d.hilfeZeigen = [this](const std::string& seite) { Hilfeanzeigen(seite); };
    // It rests at the top of the client area, right of the side panel, and slides in from the left.
    d.ort = navigatorPnl_->mapToGlobal(QPoint(navigatorPnl_->width(), 0));
    d.startX = mapToGlobal(QPoint()).x() - 400;
    d.exec();
    const auto wahl = d.Wahl();
    if (!wahl || !SeitenSchliessen()) return;
    menue_.PopBisGrund();
    MenuezustandAnwenden();
    aktBereich_ = wahl->first;
    aktSeite_ = wahl->second;
    if (aktBereich_ != 0) {
        bildPnl_->hide();
        SeiteOeffnen(aktBereich_, aktSeite_);
    } else {
        StartbildZeigen();
    }
}

void TF_GlobMain::NavigatorVorRueck(bool vor) {
    const int tag = vor ? 1 : 2;
    KnopfpaarZeigen(tag, false);
    const CaseRecord& r = verw_->Satz();
    const SeitenOrt ziel =
        vor ? NaechsteSeite(r, aktBereich_, aktSeite_) : VorigeSeite(r, aktBereich_, aktSeite_);
    if (ziel != SeitenOrt(aktBereich_, aktSeite_) && SeitenSchliessen()) {
        aktBereich_ = ziel.first;
        aktSeite_ = ziel.second;
        if (aktBereich_ == 0) {
            StartbildZeigen();
        } else {
            bildPnl_->hide();
            SeiteOeffnen(aktBereich_, aktSeite_);
        }
    }
    KnopfpaarZeigen(tag, true);
}

void TF_GlobMain::NavigatorStopBtnClick() {
    KnopfpaarZeigen(3, false);
    // The menu state falls back as each page closes; a page that refuses
    // keeps its menu state.
    if (SeitenOffen() && !SeitenSchliessen()) {
        KnopfpaarZeigen(3, true);
        return;
    }
    StartbildZeigen();
    SeitenansichtNachErgebnis();
    formularblatt_ = 11;
    KnopfpaarZeigen(3, true);
}

void TF_GlobMain::SeiteOeffnen(int bereich, int seite) {
    const bool familienstandDa = fall.familienstand && fall.familienstand() != -1;
    if (!((bereich == 1 && seite == 1) || familienstandDa)) {
        Info("Bitte wählen Sie zuerst <Allgemeine Angaben> <Steuerpflichtiger/Ehegatte");
        if (!SeitenOffen()) StartbildZeigen();  // never a blank work area
        return;
    }
    menue_.PopBisGrund();
    MenuezustandAnwenden();
    formularblatt_ = 11;
    MerkerKnoepfeAktualisieren();
    const std::string nummer = DreiStellen(SeitenHilfeNummer(bereich, seite));
    Panel(QStringLiteral("FormNrPnl"))->setText(U("F" + nummer + ".htm"));
    SeitenhilfeZeigen("F" + nummer);
    QWidget* w = fall.seiteErzeugen ? fall.seiteErzeugen(bereich, seite) : nullptr;
    if (!w) {
        NichtVerfuegbar();
        StartbildZeigen();
        return;
    }
    formularblatt_ = FormularblattFuer(bereich, seite);
    SeiteEinfuegen(w);
    if (bereich == 17) {
        // The quick calculation is computed from its page; the what-if window computes itself.
        for (S s : {S::FormularMenue, S::SpeedFormularsicht, S::SpeedPruef1, S::SpeedPruef2})
            menue_.Setze(s, false);
        if (seite == 1)
            for (S s : {S::SpeedRechne, S::i_Berechnung, S::i_Pruefung}) menue_.Setze(s, false);
        MenuezustandAnwenden();
    }
}

void TF_GlobMain::E_WWWClick(int seite) {
    if (!SeitenSchliessen()) return;
    aktBereich_ = 17;
    aktSeite_ = seite;
    if (Fallzustand() == 0 && verw_->ArbeitsdateiAnlegen()) {
        quarnel::Fallzustand& z = verw_->Zustand();
        z.zustand = 1;
        z.anzeige = "Neu.S01";
        z.dateiname = (std::filesystem::path(z.datenPfad) / "Neu.S01").string();
        z.veraendert = false;
        ZustandUebernehmen();
    }
    bildPnl_->hide();
    SeiteOeffnen(17, seite);
}

void TF_GlobMain::SpeedFragenClick() {
    if (SeitenBearbeitet(verw_->Satz())) {
        hilfethema_ = "fw_interview";
        Frage(M(MeldungsTyp::Warnung,
                "Interview-Warnung:\rSie haben möglicherweise schon Eingaben getätigt.\rBitte "
                "beachten Sie die Hinweise unter Hilfe!",
                KnopfOK | KnopfHilfe, "std\\fw_interview"));
        hilfethema_.clear();
    }
    InterviewZeigen();
}

void TF_GlobMain::InterviewZeigen() {
    if (!InterviewMoeglich(pfade_.formular, *dienste_.meldungen)) return;
    TxInterview d(this, verw_->Satz(), *dienste_.meldungen, pfade_.formular);
    d.hilfeZeigen = [this](const std::string& seite) { Hilfeanzeigen(seite); };
    d.exec();
    if (d.Angepasst()) SetzeFallVeraendert(true);
}

void TF_GlobMain::SpeedFormularClick() {
    FormularblattClick(formularblatt_);
}

// A preview of one sheet's form on blank paper.
void TF_GlobMain::FormularblattClick(int blatt) {
    if (SeitenSchliessen(true)) druck_->DruckAusgabe(1, blatt, true, false);
}

void TF_GlobMain::MerkerKnoepfeAktualisieren() {
    const CaseRecord& r = verw_->Satz();
    const bool erinnerung = SeitenmerkerTest(r, SM_Erinnerung, aktBereich_, aktSeite_);
    const bool notiz = SeitenmerkerTest(r, SM_Notiz, aktBereich_, aktSeite_);
    if (auto* b = qobject_cast<QToolButton*>(Knopf(QStringLiteral("MemoBitBtn")))) {
        b->setIcon(Symbol(QStringLiteral("!"), erinnerung ? QColor(230, 60, 0) : QColor(220, 180, 0)));
        b->setProperty("gesetzt", erinnerung);
    }
    if (auto* b = qobject_cast<QToolButton*>(Knopf(QStringLiteral("NotizBitBtn")))) {
        b->setIcon(Symbol(QStringLiteral("N"), notiz ? QColor(0, 120, 200) : QColor(220, 200, 60)));
        b->setProperty("gesetzt", notiz);
    }
}

void TF_GlobMain::MemoBitBtnClick() {
    CaseRecord& r = verw_->Satz();
    if (SeitenmerkerTest(r, SM_Erinnerung, aktBereich_, aktSeite_))
        SeitenmerkerLoeschen(r, SM_Erinnerung, aktBereich_, aktSeite_);
    else
        SeitenmerkerSetzen(r, SM_Erinnerung, aktBereich_, aktSeite_);
    SetzeFallVeraendert(true);  // the mark is saved with the case
    MerkerKnoepfeAktualisieren();
}

void TF_GlobMain::NotizBitBtnClick() {
    TF_Memo d(this, verw_->Satz(), verw_->Notizen(), aktBereich_, aktSeite_, *dienste_.meldungen,
              9 + einst_.deltaFontSizeTab);
    d.hilfe = [this] { Hilfeanzeigen("std\\notiz"); };
    d.fallVeraendert = [this] { SetzeFallVeraendert(true); };
    d.drucken = [this](const std::vector<std::string>& zeilen) {
        if (fall.notizDrucken)
            fall.notizDrucken(zeilen, schalter_.testmodus);
        else
            NotizDrucken(*druck_, zeilen, schalter_.testmodus);
    };
    d.exec();
    MerkerKnoepfeAktualisieren();
}

}  // namespace quarnel::gui
