// What an entry page needs from the program around it: the open case, the
// message box, the case-changed state, the form sheet and help page of the
// main window, the list buffer with the work file, the status line, and a
// place to show subordinate pages. The main window lends it; tests script it.
#pragma once

#include <QColor>
#include <QString>

#include "case/caserecord.h"
#include "print/listendruck.h"
#include "shell/meldung.h"

class QWidget;

namespace quarnel::gui {

class TForm11;

class Seitenumgebung {
  public:
    virtual ~Seitenumgebung() = default;
    virtual CaseRecord& Satz() = 0;
    virtual Meldungen& Meldungsdienst() = 0;
    virtual bool FallVeraendert() const = 0;
    virtual void SetzeFallVeraendert(bool v) = 0;
    virtual int Formularblatt() const = 0;
    virtual void SetzeFormularblatt(int blatt) = 0;
    virtual void SetzeHilfeseite(int seite) = 0;
    // The one list buffer and the work file that keeps the 50 lists.
    virtual Listensatz& Liste() = 0;
    virtual bool ListeLesen(int n) = 0;
    virtual bool ListeSchreiben(int n) = 0;
    virtual void Statuszeile(const QString& text) = 0;
    // Shows a page (entry or subordinate) in the page area.
    virtual void Zeigen(TForm11* seite) = 0;
    // The quick-calculation page is the active page: computations use the quick fill.
    virtual void SetzeKurzberechnung(bool aktiv) = 0;
    // Width of the main window's client area and the height pages may take.
    virtual int Hauptbreite() const = 0;
    virtual int NutzbareHoehe() const = 0;
    // The configured page colour (invalid: the style's) and the font size of
    // the tabs and header panels (0: the style's).
    virtual QColor Seitenfarbe() const { return {}; }
    virtual int Reiterschrift() const { return 0; }
    // Prints a list job of a page (list table, capital list, depreciation
    // list) from `daten`; the open case names the headers. False when the
    // program cannot print here.
    virtual bool Drucken(Druckart, const Druckdaten&) { return false; }
};

}  // namespace quarnel::gui
