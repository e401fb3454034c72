// What a screen reader and a keyboard-only user need of the page controls:
// every input named by its caption (linked to the caption, so the caption's
// Alt letter reaches it), computed values reachable with Tab, and Alt letters
// of a page's tabs that no other tab and no menu of the window uses.
#pragma once

#include <QString>
#include <Qt>
#include <QStringList>
#include <vector>

class QAbstractButton;
class QComboBox;
class QGridLayout;
class QMdiArea;
class QMdiSubWindow;
class QLabel;
class QLineEdit;
class QTabWidget;
class QWidget;

namespace quarnel::gui {

// A caption as it is spoken: no '&' marks, no list dash before it, no trailing
// colon or dots, one line.
QString Sprechtext(const QString& beschriftung);

// Names `feld` (its accessible name) and links `beschriftung` to it.
void FeldBenennen(QWidget* feld, const QString& name, QLabel* beschriftung = nullptr);

// The name of a field in a person column under one row caption:
// "Zeile – Stpfl./Ehemann" or "Zeile – Ehefrau".
QString Personenname(const QString& zeile, bool ehefrau);

// A computed value: read-only, yet reachable with Tab, in the tint of a
// disabled field.
void Ergebnisfeld(QLineEdit* feld);

// Names each unnamed input of a grid laid out by hand from the caption left
// of it in its row and the headings above it in its column.
void GitterBenennen(QGridLayout* gitter);

// What a screen reader announces as the caption of `w`, read through its
// accessibility interface: the labels that point at it, then its name. A
// combo box's own name is its current value to the desktop's reader, so
// only its labels count.
QString Vorgelesen(QWidget* w);

// Gives a combo box a label with its full name, hidden, where no label with
// that text or an Alt letter of its own points at it: the desktop's reader
// takes a combo box's caption from its labels only.
void AuswahlBeschriften(QComboBox* feld);

// Names a field that its caption names only with the row above ("seit",
// "vom", "als") by both ("Familienstand seit"), and the two fields under one
// caption "… vom bis" as "… vom" and "… bis".
void ZeitraumBenennen(QGridLayout* gitter);

// The controls below `wurzel` that take the focus (line edits, combo boxes,
// check boxes, radio buttons, tool buttons) and are read without a caption;
// a check box whose text is only "ja" counts as unnamed.
std::vector<QWidget*> Unbenannte(QWidget* wurzel);

// The letter a caption marks with "&" ("T&eil II": E), or none.
QChar Kennbuchstabe(const QString& text);
// Two tab captions name the same tab, whatever their Alt letter.
bool ReiterGleich(const QString& a, const QString& b);
// The Alt letters of a window's menu bar.
QString Menuebuchstaben(const QWidget* fenster);
// The Alt letters the main window's menus take, which no tab of a page may
// use; the main window sets them once its menus stand.
QString& Fensterbuchstaben();

// Gives every tab of the notebooks (outer first) an Alt letter no other tab
// of them has and, where its caption leaves any choice, none of `belegt`
// (the menus'): its own letter if it can, else a letter of its caption, word
// beginnings first. Returns the letters now in use.
QString ReiterbuchstabenVergeben(const std::vector<QTabWidget*>& notizbuecher,
                                 const QString& belegt);

// What a page needs once, when it is first shown: the Alt letters of its
// tabs (apart from the main window's menus) and names for the fields of
// rows and grids laid out by hand.
void SeiteErschliessen(QWidget* seite, const std::vector<QTabWidget*>& notizbuecher);

// Shows tab i and puts the focus on its first field (on the tab bar when it
// has none).
void ReiterWaehlen(QTabWidget* nb, int i, Qt::FocusReason grund = Qt::ShortcutFocusReason);

// Names every tool button below `wurzel` by its tool tip, now and whenever
// the tool tip changes.
void KnoepfeBenennen(QWidget* wurzel);

// The keys of the page area: Ctrl+Tab and Ctrl+Shift+Tab switch the tabs of
// the open page (the area's own switching of its windows is off), and a page
// disabled under its open sub-page never stays in front of it. `vor` and
// `zurueck` (the next and previous page commands) get Ctrl+PgDown and Ctrl+PgUp.
void SeitentastenEinrichten(QMdiArea* bereich, QAbstractButton* vor, QAbstractButton* zurueck);

// The page the user works on: the window of the area most recently active,
// not `ausser` (the side view), whose page takes input.
QWidget* OffeneSeite(QMdiArea* bereich, QMdiSubWindow* ausser);

// The balance in the status bar: dark enough for 4.5:1 on a light panel.
inline constexpr unsigned SaldoRot = 0xB00000;
inline constexpr unsigned SaldoGruen = 0x006400;

// Contrast ratio of two colours by WCAG 2 (1 to 21).
double Kontrast(unsigned rgb1, unsigned rgb2);

}  // namespace quarnel::gui
