// The base of every entry page: header panel, notebook with the "&Info" tab,
// the fields bound to the case record, and the page protocol (load, check,
// store, recompute, show, activate, close query, change and edit handlers,
// focus memory, date ranges). Pages built from the catalogue get their fields
// here; a page class adds only what its descriptor cannot say.
#pragma once

#include <QPointer>
#include <QWidget>
#include <initializer_list>
#include <optional>
#include <vector>

#include "case/feldkatalog.h"
#include "pages/seitenumgebung.h"

class QLabel;
class QTabWidget;
class QAbstractButton;

namespace quarnel::gui {

class BetragFeld;
class DatumFeld;
class MaskenFeld;

// The range a date field gets when it is entered: a single date, or one end
// of a period whose other end narrows it (von/bis).
struct Datumsregel {
    Feld feld;
    Feld anderes = Feld::Anzahl_;  // the period's other end, or none
    bool istVon = false;
    int32_t min = 0, max = 0;
};

struct Seitenbeschreibung;
// A page computation in core on the page's instance.
using Seitenrechnung = void (*)(CaseRecord&, int instanz);

// One control bound to one element of a catalogue field.
struct Bindung {
    Feld feld;
    int element = 1;
    QWidget* steuer = nullptr;
    bool nurLesen = false;  // shown, not stored by the page
    Feld textFeld = Feld::Anzahl_;  // a choice's display text, stored with it
    bool verkehrsmittel = false;  // a means-of-transport list: the vehicles join it
};

class TForm11 : public QWidget {
    Q_OBJECT
  public:
    TForm11(Seitenumgebung& umgebung, int instanz, QWidget* eltern = nullptr);
    // A page built from its descriptor (fields of catalogue element
    // `element`) that follows the page protocol the descriptor names: its
    // computation, form sheet and spouse's fields; the header from the title.
    TForm11(Seitenumgebung& umgebung, const Seitenbeschreibung& b, int instanz, int element,
            QWidget* eltern = nullptr);
    ~TForm11() override;

    static constexpr int Entwurfsbreite = 480;
    static constexpr int Bezugsbreite = 718;

    Seitenumgebung& Umgebung() { return umgebung_; }
    CaseRecord& Satz() { return umgebung_.Satz(); }
    int Instanz() const { return instanz_; }
    bool Geladen() const { return geladen_; }
    // The descriptor of a page that follows the page protocol, or null.
    const Seitenbeschreibung* Protokoll() const { return beschreibung_; }
    // The navigator position the page marks as visited (0: none).
    void SetzePosition(int bereich, int seite) {
        bereich_ = bereich;
        seite_ = seite;
    }

    // --- the page protocol
    virtual void DatenLaden();
    virtual bool DatenPruefen() { return true; }
    virtual void DatenSpeichern();
    // The page computation step: store, compute, load (see the descriptor).
    virtual void AnzeigeRechnen();
    virtual void FormShow();
    virtual void FormActivate();
    // Checks and stores; false keeps the page open with the focus back.
    bool FormCloseQuery();
    // Stores the entries and stays open, for the commands that need the case
    // as entered: asked like a close (false keeps the focus on the refused
    // field), or silently for the running computation.
    bool EintraegeSichern(bool still);
    virtual void FormClose();
    void KompChange();
    void DefContPostEdit(bool modifiziert);
    void FeldEnter() { FokusMerken(); }
    void FokusMerken();
    void FokusZurueck();
    void DefContError(int code, const QString& text, QWidget* feld);
    // The date-range rules of the page fields.
    void DatumValidationEintrag(DatumFeld* feld, int32_t von, int32_t bis);
    void DatVal_Von(DatumFeld* feld, int32_t anderes, int32_t von, int32_t bis);
    void DatVal_Bis(DatumFeld* feld, int32_t anderes, int32_t von, int32_t bis);
    // Closes the page (its frame in the page area, or the window itself).
    void Schliessen();
    // A period from `von` to `bis` within min..max, and a single date.
    void Zeitraum(Feld von, Feld bis, int32_t min, int32_t max);
    void Datumsbereich(Feld feld, int32_t min, int32_t max);
    // The return message of a closing list table or subordinate page.
    void SeiteZurueck() { FormActivate(); }
    // Commits the field being edited; false when its entry is refused.
    virtual bool OffeneEingabeUebernehmen();

    // Opens a subordinate page, modal to this one: this page is disabled
    // until the subordinate page has closed and sent its return message.
    void UnterseiteOeffnen(TForm11* unterseite);
    TForm11* Aufrufer() const { return aufrufer_; }
    // Opens list table n; a sum the user agrees to take over goes into
    // `ziel` when the table returns, whichever tab is showing then.
    // `aufrunden`: the sum goes over rounded up to the full DM.
    void ListeOeffnen(int liste, const QString& titel, int hilfeseite, BetragFeld* ziel,
                      bool aufrunden = false);
    // Connects the push button `name` to a list call for the amount field `ziel`.
    void ListenKnopf(const char* name, int liste, const QString& titel, int hilfeseite, Feld ziel,
                     bool aufrunden);
    // The spouse's controls and captions beyond the descriptor's: enabled only
    // under the splitting table, captions grey and italic under the basic table.
    void EhegattenFelder(std::initializer_list<QWidget*> felder);
    void EhegattenLabels(std::initializer_list<QLabel*> labels);
    // Opens a subordinate page whose result (handed back with Rueckgabe)
    // goes into `ziel` when the user agreed to take it over.
    void UnterseiteMitZielOeffnen(TForm11* unterseite, BetragFeld* ziel);
    // The value a closing subordinate page hands back instead of the list sum.
    void Rueckgabe(double wert) { rueckgabe_ = wert; }
    // The open case in the print job `art`; tells the user when it cannot print.
    void Drucken(Druckart art, const Druckdaten& daten);
    // A subordinate window the checks leave alone ("Funktion hier nicht verfügbar").
    void SetzeOhnePruefung(bool ohne);
    // Buttons of which exactly one is checked; a click checks the one clicked.
    void Radiogruppe(std::vector<QAbstractButton*> knoepfe);
    // Shows a tab by its caption, also one of a nested notebook.
    bool ReiterZeigen(const QString& titel);
    // Every notebook of the page, the outer one first.
    std::vector<QTabWidget*> Notizbuecher() const;

    // --- controls
    QLabel* KopfPnl() const { return kopfPnl_; }
    QLabel* InfoTitelLbl() const { return infoTitelLbl_; }
    QTabWidget* OvcNb() const { return nb_; }
    QWidget* Reiter(const QString& titel) const;  // tab page by its caption
    int ReiterIndex(const QString& titel) const;
    std::vector<Bindung>& Bindungen() { return bindungen_; }
    // The control of a field by catalogue id (null when the page has none).
    QWidget* Steuer(Feld f) const;
    BetragFeld* Betrag(Feld f) const;
    DatumFeld* Datum(Feld f) const;
    QAbstractButton* Kasten(Feld f) const;
    class AuswahlBox* Liste(Feld f) const;
    // Wires a field's edit signals to the protocol (the builder does it for its fields).
    void FeldAnschliessen(QWidget* steuer);

  signals:
    void geschlossen();

  protected:
    // Page colour, tab and header fonts, the area's picture.
    void Erscheinung();
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    // Runs when a date field is entered: narrows its range (DatumEnter).
    virtual void DatumEnter(DatumFeld* d);
    // Runs after a bound field was left modified (besides KompChange).
    virtual void FeldVerlassen(QWidget*) {}
    // The page computation step of the pages whose results come from core:
    // store the page, run `rechnung` on the case, load the page again. Nothing
    // happens before the first load, and the step is never entered twice
    // (loading leaves fields, which would ask for it again).
    template <class Rechnung>
    void SpeichernRechnenLaden(Rechnung&& rechnung) {
        if (!geladen_ || rechnet_) return;
        rechnet_ = true;
        DatenSpeichern();
        rechnung(Satz());
        DatenLaden();
        rechnet_ = false;
    }
    // Only stores and loads again: for pages whose DatenSpeichern computes.
    void SpeichernLaden() {
        SpeichernRechnenLaden([](CaseRecord&) {});
    }

    // Runs the descriptor's computation on the stored entries.
    void Rechnen();

    Seitenumgebung& umgebung_;
    const Seitenbeschreibung* beschreibung_ = nullptr;  // a page of the protocol
    int instanz_;
    int bereich_ = 0, seite_ = 0;
    bool geladen_ = false;
    bool ersteAktivierung_ = true;
    bool gezeigt_ = false;
    QPointer<QWidget> gemerkt_;
    QLabel* kopfPnl_;
    QLabel* infoTitelLbl_;
    QTabWidget* nb_;
    std::vector<Bindung> bindungen_;
    std::vector<Datumsregel> datumsregeln_;
    QPointer<TForm11> aufrufer_;
    QPointer<BetragFeld> listenZiel_;
    std::optional<double> rueckgabe_;
    std::vector<std::vector<QAbstractButton*>> radiogruppen_;

  private:
    void RadiogruppeRichten(QAbstractButton* geklickt);
    void EhegattenFreigeben();
    bool rechnet_ = false;
    bool aufrunden_ = false;
    std::vector<QWidget*> ehegFelder_;
    std::vector<QLabel*> ehegLabels_;
};

// Appends the four vehicles of the case (" " + name) to a means-of-transport
// list that does not have them yet: items 5..8 after "Fahrrad".
void FahrzeugeAnhaengen(class AuswahlBox* liste, const CaseRecord& r);

// A caption of a column or row that does not count now (the spouse's under
// the basic table, a child without allowances): grey and italic; upright in
// the window's text colour again otherwise.
void GrauKursiv(QWidget* beschriftung, bool grau);

// Enables the spouse's fields of a page (names ending in "Sie", and their
// captions) only under the splitting table.
void EhegattenFelderFreigeben(TForm11& seite, bool splitting);

// "Eingabebereich 01.01.1900 - 31.12.2001"
QString Bereichshinweis(int32_t von, int32_t bis);

}  // namespace quarnel::gui
