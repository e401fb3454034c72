// The main window: a multiple-document frame for the entry pages beside the
// side view, with the menus, the tool bar, the side panel, the status bar,
// the four timers and every command of the program.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

#include "case/fallbefehle.h"
#include "results/ergebnistext.h"
#include "shell/dienste.h"
#include "shell/einstellungen.h"
#include "shell/hilfe.h"
#include "shell/kommandozeile.h"
#include "shell/meldung.h"
#include "shell/menuezustand.h"
#include "shell/verzeichnisse.h"

class QAction;
class QKeyEvent;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QTextBrowser;
class QTimer;
class QToolBar;
class QToolButton;

namespace quarnel {
struct Eingabeort;
}

namespace quarnel::gui {

class Druckausgabe;
class TF_GlobLfdView;

struct ShellDienste {
    Meldungen* meldungen = nullptr;
    DateiDialoge* dateiDialoge = nullptr;
    Uhr* uhr = nullptr;
    DesktopDienste* desktop = nullptr;
};

// What the pages, the computation and the help viewer lend the shell. A
// command whose part is not set tells the user that it is not available yet.
struct FallAnbindung {
    std::function<int()> familienstand;      // -1 while not chosen
    std::function<QWidget*(int bereich, int seite)> seiteErzeugen;
    // Fill the declaration values and compute; the balance (positive = to pay).
    std::function<std::optional<double>(bool still)> berechnen;
    // The help viewer: page file and anchor (by default the program's own).
    std::function<void(const std::string& datei, const std::string& anker)> hilfeViewer;
    // Prints the lines of a note; `vorschau` in test mode.
    std::function<void(const std::vector<std::string>& zeilen, bool vorschau)> notizDrucken;
    // Makes an open page store its entries without closing it: asked (the
    // page checks them and may refuse) or silently (what its fields hold now).
    std::function<bool(QWidget* seite, bool still)> seiteSichern;
};

inline constexpr const char* NichtVerfuegbarText =
    "Diese Funktion steht in dieser Programmversion noch nicht zur Verfügung.";

class TF_GlobMain : public QMainWindow {
    Q_OBJECT
  public:
    TF_GlobMain(const Startschalter& schalter, const Verzeichnisse& verzeichnisse,
                const ShellDienste& dienste, QWidget* eltern = nullptr);
    ~TF_GlobMain() override;

    FallAnbindung fall;

    // --- state
    Einstellungen& Einst() { return einst_; }
    // The open case with its state; every edit of a page calls SetzeFallVeraendert(true).
    Fallverwaltung& Fall() { return *verw_; }
    const TemporaereDateien* Temporaer() const { return temp_.get(); }  // null after exit
    int Fallzustand() const { return verw_->Zustand().zustand; }
    bool FallVeraendert() const { return verw_->Zustand().veraendert; }
    void SetzeFallVeraendert(bool v);
    Meldungen& Meldungsdienst() { return *dienste_.meldungen; }
    void SetzeFormularblatt(int blatt) { formularblatt_ = blatt; }
    void SetzeHilfeseite(int seite) { hilfeseite_ = seite; }
    // While the quick-calculation page is open, computations use the quick fill.
    void SetzeKurzberechnung(bool aktiv) { kurzberechnung_ = aktiv; }
    bool Kurzberechnung() const { return kurzberechnung_; }
    // Tests script the password prompt here; by default it is the real dialog.
    void SetzePasswortAbfrage(PasswortAbfrage* a) { verw_->SetzePasswortAbfrage(a); }
    int AktBereich() const { return aktBereich_; }
    int AktSeite() const { return aktSeite_; }
    int Formularblatt() const { return formularblatt_; }
    const Menuezustand& Menue() const { return menue_; }
    const Startschalter& Schalter() const { return schalter_; }
    const Verzeichnisse& Pfade() const { return pfade_; }
    bool ErsteAnzeigeErledigt() const { return ersteAnzeigeErledigt_; }
    QString DateiAnzeige() const;              // text of the file panel
    void SetzeDateiname(const QString& name);  // empty: "Keine Datei"
    QPoint Meldungsort() const { return meldungsort_; }

    // The controls, by object name.
    QAction* Aktion(const QString& name) const;
    QWidget* Knopf(const QString& name) const;
    QLabel* Panel(const QString& name) const;
    QMdiArea* Mdi() const { return mdi_; }
    QMdiSubWindow* Seitenansicht() const { return seitenansicht_; }
    TF_GlobLfdView* LfdView() const { return seitenText_; }
    // Help directory and the place of the check report.
    HilfeOrte Hilfeorte() const;
    QWidget* Startbild() const { return bildPnl_; }
    QTimer* Timer(const QString& name) const;

    // --- hooks for the other parts of the program
    // The balance of the last computation (positive = to pay).
    void SaldoAnzeigen(double saldo);
    void SaldoLeeren();
    // The balance of the case now open (empty without a case), after the
    // commands that change which case that is or what it holds.
    void SaldoErneuern();
    // Windows report their opening and closing here.
    void FensterGewechselt(Fensterart art);
    // Asks every entry page, from the last to the first, to close (each
    // stores its fields). With `alleFragen` every page is asked whatever the
    // others answer. True when all closed.
    bool SeitenSchliessen(bool alleFragen = false);
    // Asks every open page, from the last to the first, to store its entries
    // and stay open; the same answers as SeitenSchliessen.
    bool SeitenSichern(bool still, bool alleFragen = false);
    bool SeitenOffen() const;
    QMdiSubWindow* SeiteEinfuegen(QWidget* seite);
    void SeitenhilfeZeigen(const std::string& seite);  // side view, when the file exists
    void Hilfeanzeigen(const std::string& seite, const std::string& anker = {},
                       bool systemViewer = false, bool systemViewerGesetzt = false);
    // The modal help viewer on a help file, positioned at the anchor.
    void HilfefensterZeigen(const std::string& datei, const std::string& anker);
    // Queues the silent computation after a focus change (coalesced).
    void LaufendeBerechnungAnstossen();
    int LaufendeBerechnungen() const { return laufendeBerechnungen_; }

    // --- commands
    void D_NeuItemClick();
    void D_OpenItemClick();
    void D_OpenItemVorjahrClick();
    void D_SpeichernItemClick();
    void D_SpeichernUnterItemClick();
    void D_PasswortItemClick();
    void D_DruckFormulareClick();
    void D_DruckereinrichtenItemClick();
    void NavigatorClick();
    void NavigatorVorRueck(bool vor);
    void NavigatorStopBtnClick();
    void E_WWWClick(int seite);
    void SpeedFragenClick();
    void InterviewZeigen();
    void Pruefen(int code);
    void PruefungAusgeben(int code);
    void SpeedFormularClick();
    void FormularblattClick(int blatt);
    void MemoBitBtnClick();
    void NotizBitBtnClick();
    void K_VoreinItemClick();
    void BildschirmClick(int prozent);
    void KalenderClick();
    void RechnerClick();
    void InfoClick();
    void F1Gedrueckt();
    void SeiteOeffnen(int bereich, int seite);
    // Opens the page of an entry, on the tab and in the field that hold it.
    void EingabeZeigen(const Eingabeort& ort);
    void FensterTitelSetzen();
    void Geometrie();

    // The result of the last computation: the notice in the result window or,
    // by the setting "ImFenster", straight in the print preview.
    void ErgebnisZeigen();
    const Ergebnistext& Ergebnis() const { return ergebnis_; }
    Druckausgabe& Druck() { return *druck_; }

    // Runs the first painting (done once, after the first show).
    void ErsteAnzeige();

  signals:
    void angezeigt();  // the first painting begins: the window is on screen
    void ersteAnzeigeFertig();

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void MenuesAnlegen();
    void WerkzeugleisteAnlegen();
    void SeitenleisteAnlegen();
    void StatusleisteAnlegen();
    void TimerAnlegen();
    void MenuezustandAnwenden();
    void FarbeSetzen();
    void StartbildAnpassen();
    void StartbildZeigen();
    void SeitenansichtNachErgebnis();
    void FokusGewechselt(QWidget* alt, QWidget* neu);
    void StilleBerechnung();
    void NichtVerfuegbar();
    Antwort Frage(const Meldung& m);
    Antwort Info(const std::string& text, bool positioniert = false);
    bool SpeichernBefehl(bool fragen);
    void ZustandUebernehmen();
    void KleinesFenster(class Tform13& d);
    void KnopfpaarZeigen(int tag, bool sichtbar);
    void MerkerKnoepfeAktualisieren();
    bool SeitenTaste(QKeyEvent* k, bool ausfuehren);

    Startschalter schalter_;
    Verzeichnisse pfade_;
    ShellDienste dienste_;
    Einstellungen einst_;

    std::unique_ptr<TemporaereDateien> temp_;
    std::unique_ptr<Fallverwaltung> verw_;
    std::unique_ptr<PasswortAbfrage> abfrage_;
    std::unique_ptr<Druckausgabe> druck_;
    Ergebnistext ergebnis_;
    int aktBereich_ = 1, aktSeite_ = 0;
    int formularblatt_ = 11;
    bool kurzberechnung_ = false;
    int hilfeseite_ = 0;
    std::string hilfethema_;
    std::optional<double> letzterSaldo_;
    QPointer<QMdiSubWindow> feldNrSeite_;  // the page whose field number is shown
    QPoint meldungsort_;
    Menuezustand menue_;
    QString titel_;
    bool ersteAnzeigeGeplant_ = false;
    bool ersteAnzeigeErledigt_ = false;
    bool beendenBestaetigt_ = false;
    bool berechnungAngefordert_ = false;
    bool berechnungLaeuft_ = false;
    int laufendeBerechnungen_ = 0;

    QMdiArea* mdi_ = nullptr;
    QMdiSubWindow* seitenansicht_ = nullptr;
    TF_GlobLfdView* seitenText_ = nullptr;
    QWidget* bildPnl_ = nullptr;
    QToolBar* leiste_ = nullptr;
    QWidget* navigatorPnl_ = nullptr;
    QLabel* datenModImg_ = nullptr;
    std::vector<std::pair<Steuerelement, QObject*>> gesteuert_;
};

}  // namespace quarnel::gui
