// The result window "Ergebnis": the lines of the result text in a fixed-pitch
// list, with preview, printing, saving as a text file or PDF and the choice of
// the window and printer fonts.
#pragma once

#include <QFont>
#include <functional>
#include <optional>
#include <string>

#include "results/ergebnistext.h"
#include "shell/dienste.h"
#include "shell/einstellungen.h"
#include "shell/meldung.h"
#include "shell/tform13.h"

class QListView;
class QPushButton;

namespace quarnel::gui {

class Druckausgabe;
class Gliederungsansicht;

struct ErgebnisDienste {
    Meldungen* meldungen = nullptr;
    DateiDialoge* dateiDialoge = nullptr;
    std::function<void()> hilfe;  // help page "std\viewer"
    // The font dialog (fixed-pitch fonts only); nothing when cancelled.
    std::function<std::optional<QFont>(const QFont& anfang, const QString& titel)> schriftWahl;
    // "Bescheid prüfen": the tax office's notice against this one; no button without it.
    std::function<void()> bescheidPruefen;
    // "Veranlagung vergleichen": true when a choice was taken over, which makes
    // this result stale and closes the window; no button without it.
    std::function<bool()> veranlagungVergleichen;
    // "Wie berechnet?": the tree of the named result ("" when the line shows
    // none) in the part of the notice the line belongs to (0 for a notice of
    // one part, -1 for none); true when the window is to close (the user goes
    // to an entry).
    std::function<bool(const std::string& ergebnis, int teil)> wieBerechnet = {};
};

class TxGlobView : public Tform13 {
    Q_OBJECT
  public:
    TxGlobView(QWidget* hauptfenster, const Ergebnistext& text, Einstellungen& einst,
               Druckausgabe& druck, ErgebnisDienste dienste);

    // Shows the window modally, then lets 200 ms of events pass.
    static void Zeigen(QWidget* hauptfenster, const Ergebnistext& text, Einstellungen& einst,
                       Druckausgabe& druck, const ErgebnisDienste& dienste);

    QListView* Liste() const { return liste_; }
    Gliederungsansicht* Gliederung() const { return gliederung_; }
    bool Beschaeftigt() const { return beschaeftigt_; }

    void VorschauBtnClick();
    void DruckBtnClick();
    void PdfBtnClick();
    void SpeicherBtnClick();
    void DruckFontBtnClick();
    void ViewFontBtnClick();
    void HelpBtnClick();
    void DruckSeiteClick();
    void DruckerEinrichtenClick();
    void WieBerechnetClick();
    // The explained result of the line or row the user is on ("" for none).
    std::string ErgebnisDerAuswahl() const;
    // The part of the notice the line or row the user is on belongs to.
    int TeilDerAuswahl() const;

  private:
    void Ausgeben(const std::function<void()>& auftrag);
    const Ergebnistext& text_;
    Einstellungen& einst_;
    Druckausgabe& druck_;
    ErgebnisDienste dienste_;
    QListView* liste_;
    Gliederungsansicht* gliederung_;
    bool beschaeftigt_ = false;
};

// A font setting as a QFont and back (the name cut to 30 characters).
QFont SchriftAusWahl(const SchriftWahl& w);
void WahlAusSchrift(const QFont& f, SchriftWahl& w);

}  // namespace quarnel::gui
