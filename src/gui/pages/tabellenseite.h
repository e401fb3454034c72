// What the two table windows of the pages share (the list table and the
// depreciation list): the table with its locked row-number column and
// coloured rows, the button row with the sum, the take-over question and
// the end of an open cell edit.
#pragma once

#include <QColor>
#include <QStringList>
#include <QStyledItemDelegate>
#include <functional>

#include "pages/tform11.h"
#include "shell/meldung.h"

class QHBoxLayout;
class QLabel;
class QTableWidget;
class QWidget;

namespace quarnel::gui {

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

// The editors of a table window's cells: a text cell takes at most 40
// characters, its trailing blanks dropped; the windows add the editors of
// their amount and date cells, whose values stand in Qt::UserRole.
class Zellendelegat : public QStyledItemDelegate {
  public:
    Zellendelegat(Meldungen& m, QObject* eltern) : QStyledItemDelegate(eltern), meldungen_(m) {}
    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem&,
                          const QModelIndex&) const override;
    void setEditorData(QWidget* w, const QModelIndex& i) const override;
    void setModelData(QWidget* w, QAbstractItemModel* m, const QModelIndex& i) const override;

  protected:
    // The message for a value the cell refuses.
    void Ungueltig() const;

  private:
    Meldungen& meldungen_;
};

// A table window opened from a page by the program-wide list call (title,
// help page): the table of `zeilen` rows on its "&Liste" tab, the active
// row, inserting and deleting a row at it, "&OK" and the return to the page.
class Tabellenfenster : public TForm11 {
    Q_OBJECT
  public:
    QTableWidget* Tabelle() const { return tabelle_; }
    int AktiveZeile() const;  // 1..zeilen
    void SetzeAktiveZeile(int zeile);

    void ZeilePlusClick();
    void ZeileMinusClick();
    void OkClick();

    void FormShow() override;
    void FormClose() override;
    bool OffeneEingabeUebernehmen() override;

  protected:
    // `uebernahme`: whether closing hands the sum over unless declined at "OK".
    Tabellenfenster(Seitenumgebung& u, int instanz, int zeilen, bool uebernahme, QWidget* eltern);
    // Puts the window's table page (table, buttons, sum) on the "&Liste" tab.
    void ListeZeigen(QWidget* seite);
    // Row `zeile` (1-based) inserted empty or deleted in the stored rows;
    // false when the insertion was refused.
    virtual bool ZeileEinfuegen(int zeile) = 0;
    virtual void ZeileLoeschen(int zeile) = 0;
    virtual void Spaltenbreiten() = 0;

    const int zeilen_;
    QTableWidget* tabelle_ = nullptr;
    QLabel* summeLbl_ = nullptr;
};

}  // namespace quarnel::gui
