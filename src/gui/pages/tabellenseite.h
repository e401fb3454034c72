// What the two table windows of the pages share (the list table and the
// depreciation list): the table with its locked row-number column and
// coloured rows, the button row with the sum, the take-over question and
// the end of an open cell edit.
#pragma once

#include <QColor>
#include <QStringList>
#include <functional>

#include "shell/meldung.h"

class QHBoxLayout;
class QLabel;
class QTableWidget;
class QWidget;

namespace quarnel::gui {

class TForm11;

// A table of `zeilen` rows under the headings `koepfe` (column 0: the row
// numbers, locked; the active row's number in bold). Data cells of odd rows
// are white, of even rows `geradeFarbe`; cells of `rechts` and later columns
// are right-aligned.
QTableWidget* TabelleAnlegen(int zeilen, const QStringList& koepfe, const QColor& geradeFarbe,
                             int rechts, QWidget* eltern);

// A button of the foot row.
void FussKnopf(QHBoxLayout* fuss, const char* name, const char* text, std::function<void()> aktion);
// The end of the foot row: "Summe:" and the label that shows it.
QLabel* SummenAnzeige(QHBoxLayout* fuss);

// "Übernahme der Tabellensumme in vorhergendes Eingabefeld?" answered with yes.
bool UebernahmeGewuenscht(Meldungen& m);

// "Neue Zeile davor einfügen?" (`einfuegen`) or "Aktuelle Zeile löschen?" answered with yes.
bool ZeileAendernGewuenscht(Meldungen& m, bool einfuegen);
// After a row was inserted or deleted: the focus back in the table, the page changed.
void ZeileGeaendert(TForm11& seite, QTableWidget* t);

// "&OK" of a table window: the open cell edit is kept, the take-over
// question is asked and its answer noted for the caller, and the window closes.
void TabelleBestaetigen(TForm11& seite, Meldungen& m);

// Ends an open cell edit of the table (if the focus is in it) and keeps its value.
void ZellenEditBeenden(QWidget* seite, QTableWidget* t);

}  // namespace quarnel::gui
