// The print dispatcher: renders a job of one of the print types into the
// report file of the run, then prints it or shows it in the preview. A second
// job while one runs is ignored.
#pragma once

#include <QPrinter>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "print/berichtspieler.h"
#include "print/listendruck.h"
#include "shell/einstellungen.h"

class QWidget;

namespace quarnel::gui {

class Druckausgabe {
  public:
    Druckausgabe(QWidget* hauptfenster, const Einstellungen& einst, std::string berichtsdatei,
                 Ausgabedienste dienste);

    // What the text jobs print from; the callers keep it up to date.
    Druckdaten daten;
    // The official forms: fill the declaration values, then lay out the
    // pages of sheet `blatt` (direct printing or preview). Until the form
    // printing is there, type 1 tells the user that it is not available.
    std::function<void()> deklarationFuellen;
    std::function<bool(Berichtschreiber& w, int blatt, bool blanko, bool direkt)> formularSeiten;
    // The given sheets one after another (one preview of a whole selection).
    std::function<bool(Berichtschreiber& w, const std::vector<int>& blaetter, bool blanko)> formularListe;
    // Runs the preview dialog (tests replace it; by default it is shown modally).
    std::function<void(const Bericht&, const Vorschaustart&)> vorschau;

    enum class Ausgang { Ignoriert, Gedruckt, Vorschau, NichtVerfuegbar, Fehler };
    Ausgang DruckAusgabe(int typ, int blatt = 0, bool blanko = false, bool aufDrucker = false);
    // The same pages into a PDF file chosen by the user.
    Ausgang AlsPdf(int typ, int blatt = 0, bool blanko = false);
    // One preview of all the given form sheets, in their order.
    Ausgang FormulareVorschau(const std::vector<int>& blaetter, bool blanko);
    // All the given form sheets in one job on the printer (without one: one PDF).
    Ausgang FormulareDrucken(const std::vector<int>& blaetter, bool blanko);
    // Printing would write a PDF instead (no printer).
    bool OhneDrucker() const { return gui::OhneDrucker(*drucker_, dienste_); }

    bool Beschaeftigt() const { return beschaeftigt_; }
    QPrinter& Drucker() { return *drucker_; }
    const Bericht& LetzterBericht() const { return letzter_; }
    const std::string& Berichtsdatei() const { return datei_; }

  private:
    enum class Ziel { Vorschau, Drucker, Pdf };
    Ausgang Ausfuehren(int typ, int blatt, bool blanko, Ziel ziel);
    Ausgang Liste(const std::vector<int>& blaetter, bool blanko, Ziel ziel);
    std::optional<Bericht> Setzen(Druckart art, int blatt, bool blanko, bool direkt);
    QWidget* hauptfenster_;
    const Einstellungen& einst_;
    std::string datei_;
    Ausgabedienste dienste_;
    std::unique_ptr<QPrinter> drucker_;
    Bericht letzter_;
    std::vector<int> liste_;  // the sheets of a preview of several, for the job's length
    bool beschaeftigt_ = false;
};

}  // namespace quarnel::gui
