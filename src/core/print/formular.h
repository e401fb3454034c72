// Official form printing: the definition files "F01a" + sheet + ".def" that
// place the values of a sheet, the sheet geometry, the shifts of the paper,
// and the form job that lays one sheet or a whole form out in the report.
// The texts of the fields come from the value routines of the sheets
// (formularwerte.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "case/caserecord.h"
#include "print/bericht.h"
#include "shell/einstellungen.h"

namespace quarnel {

// --- definition files ---------------------------------------------------------------

// One field line of a definition file (fixed columns, blank columns are 0).
struct Definitionszeile {
    int feld = 0;           // columns 1-3
    char code = ' ';        // column 5: "U" prints an amount of 0 as one blank
    int n = 0;              // columns 7-8: character positions of an amount (at most 10)
    int d = 0;              // column 10: decimals (0 when not below n)
    char ausrichtung = ' '; // column 12: L, R or K
    int abstand = 0;        // column 14: character spacing in mm
    double x = 0, y = 0;    // columns 16-21, 23-28: position in mm
    int breite = 0;         // columns 30-32: width in mm (two-line split of "L")
    bool nurSplitting = false;  // column 34 "S": not under the basic table
    int index = 0;          // column 36
    bool operator==(const Definitionszeile&) const = default;
};

inline constexpr std::size_t DefinitionszeileMax = 80;  // characters read of a line

// Reads one line (without its line end). Nothing for a comment ("" or ";...")
// and for a line that is not a field line; `fehler` then names the fault
// (empty for a comment).
std::optional<Definitionszeile> DefinitionszeileLesen(std::string_view zeile,
                                                      std::string* fehler = nullptr);

// A whole file image, LF or CR LF; bad lines are skipped and listed.
struct Definition {
    std::vector<Definitionszeile> zeilen;
    std::vector<std::string> fehler;  // "Zeile n: ..." of every skipped line
};
Definition DefinitionAusText(std::string_view text);

// "F01a" + the two-digit sheet + ".def" / ".svg" in the form folder.
std::string DefinitionsDateiName(int blatt2);
std::string BilddateiName(int blatt2);

// The most read of a form file (definition or image) of the installation.
inline constexpr std::size_t FormulardateiHoechstens = 4 * 1024 * 1024;
// The definition file at `pfad`: nothing when it is no regular file, cannot be
// read or is longer than FormulardateiHoechstens.
std::optional<Definition> DefinitionLaden(const std::string& pfad);

// --- sheets ----------------------------------------------------------------------------

// Size of the form image in mm and the adjustment group 1..20 of a two-digit
// sheet; 0 x 0 and group 1 for a sheet without geometry.
struct Blattgeometrie {
    double breite = 0, hoehe = 0;
    int gruppe = 1;
};
Blattgeometrie BlattgeometrieVon(int blatt2);

// A sheet number split into its two-digit sheet, the instance digit (1 when
// it has none) and the children-5-6 flag (23, 24 read as 21, 22).
struct Blattnummer {
    int blatt2 = 0;
    int instanz = 1;
    bool kinder56 = false;
};
Blattnummer BlattnummerZerlegen(int blatt);

// The sheets of the whole form of sheet `blatt`, in print order: 23 -> 23, 24;
// 13 -> 11..14; 322 -> 312, 322; 714 -> 714, 724.
std::vector<int> FormularSeiten(int blatt);

// The shift of a sheet's group plus the shift of every sheet, in mm.
struct Verschiebung {
    double rechts = 0, unten = 0;
};
Verschiebung BlattVerschiebung(const Einstellungen& e, int gruppe);

// --- the value routines' contract -----------------------------------------------------

// What a value routine is asked for one definition line.
struct Feldanfrage {
    const Definitionszeile* zeile = nullptr;
    int instanz = 1;        // person of Anlage N, object of Anlage V, else 1
    bool kinder56 = false;  // sheets 23 and 24
    uint8_t* zustand = nullptr;  // the sheet's state byte, 0 when the sheet begins
    int32_t heute = KeinDatumWert;  // today's day number
    static constexpr int32_t KeinDatumWert = -1;
};

// The text of a field (Windows-1252) and, optionally, its second line.
struct Feldwert {
    std::string text, zeile2;
};

using Wertroutine = Feldwert (*)(const CaseRecord& r, const Feldanfrage& a);

// --- the form job -----------------------------------------------------------------------

struct Formularumgebung {
    const CaseRecord* fall = nullptr;
    const Einstellungen* einst = nullptr;
    std::string formVerzeichnis;  // ends with '/'
    int32_t heute = -1;           // day number of today (sheet 11, field 40)
    // Calibration: every field shows its own number at its full width, with
    // the shifts left at 0, so positions can be checked against the layout.
    bool kalibrierung = false;
    // Replaces the sheets' own value routines (tests).
    Wertroutine routine = nullptr;
};

// The font of the printed values ("FormFont"; its underline is not applied).
Druckschrift FormularDruckschrift(const Einstellungen& e);

// The definition file of a sheet from the form folder; nothing when it is missing.
std::optional<Definition> DefinitionLesen(const std::string& formVerzeichnis, int blatt);

// One printed field: its definition line and the trimmed, non-empty text the
// sheet's routine gives it.
struct Formularfeld {
    Definitionszeile zeile;
    Feldwert wert;
};
// Every field a sheet prints for the case, in the order of its definition
// (the state byte runs as when printing); lines marked "S" are left out
// under the basic table.
std::vector<Formularfeld> FormularblattWerte(const Formularumgebung& u, int blatt,
                                             const Definition& def);

// The continuation sheet of main form page 4: the qualifying persons with a
// disability beyond the two that page 4 has room for.
inline constexpr int Fortsetzungsblatt14 = 15;
bool Fortsetzungsblatt14Noetig(const CaseRecord& r);
// The first names of the persons the continuation sheet carries (Windows-1252).
std::vector<std::string> FortsetzungsblattPersonen(const CaseRecord& r);
// The sheet and, after page 4 when it needs one, its continuation sheet.
std::vector<int> BlattMitFortsetzung(const CaseRecord* fall, int blatt);

// Lays out one sheet on the current page (the direct-printing variant).
void FormularblattSetzen(Berichtschreiber& w, const Formularumgebung& u, int blatt, bool blanko);
// The sheet, and after page 4 its continuation sheet on a new page when needed.
void BlattMitFortsetzungSetzen(Berichtschreiber& w, const Formularumgebung& u, int blatt, bool blanko);
// Every sheet of the form of `blatt`, a new page before each but the first.
void FormularSetzen(Berichtschreiber& w, const Formularumgebung& u, int blatt, bool blanko);

// The given sheets one after another, each on a page of its own (a whole
// job: opens and closes the pages).
void FormularblaetterSetzen(Berichtschreiber& w, const Formularumgebung& u,
                            const std::vector<int>& blaetter, bool blanko);

// The whole job of type 1: margins, then one sheet when printed directly
// without duplex, else the whole form. Opens and closes the pages.
void FormularauftragSetzen(Berichtschreiber& w, const Formularumgebung& u, int blatt, bool blanko,
                           bool direkt);

// Fitting a text into a box `breiteMm` wide (the text starts 1 mm inside):
// one line, shrunk in half points down to 7 pt; else two lines of 6 pt broken
// between words, whose baselines lie `grundlinie1`/`grundlinie2` mm below the
// one-line baseline so both stay inside the box; else the first line takes
// the words that fit and the second line is cut (`gekuerzt`).
inline constexpr double EinpassRand = 2.0;
inline constexpr double EinzeiligMinPunkte = 7;
inline constexpr double ZweizeiligPunkte = 6;
struct Einpassung {
    double punkte = 0;
    std::string zeile1, zeile2;
    double grundlinie1 = 0, grundlinie2 = 0;
    bool gekuerzt = false;
};
Einpassung TextEinpassen(const Textmass& mass, const Druckschrift& s, double breiteMm,
                         const std::string& text);
// A text the printed return must cut to fit its box: the sheet, the field,
// its caption (Windows-1252, "" when the form folder names none) and the
// whole text the sheet's routine gives it (both lines joined).
struct GekuerzterText {
    int blatt = 0;
    int feld = 0;
    std::string beschriftung;
    std::string text;
    bool operator==(const GekuerzterText&) const = default;
};
// Every text the given sheets (with their continuation sheets) must cut to
// fit its box, in the form font, in print order.
std::vector<GekuerzterText> GekuerzteTexteListe(const Formularumgebung& u, const Textmass& mass,
                                                const std::vector<int>& blaetter);
// "Blatt b, Feld f: text" of each of them.
std::vector<std::string> GekuerzteTexte(const Formularumgebung& u, const Textmass& mass,
                                        const std::vector<int>& blaetter);

// The captions of the text fields of a sheet: "F01a" + the two-digit sheet +
// ".bez" in the form folder, lines "feld|index|caption" (Windows-1252),
// comments starting with ";".
std::string BeschriftungsDateiName(int blatt2);
// The caption of a text field of `blatt`; "" when the file is missing or does
// not name the field.
std::string Feldbeschriftung(const std::string& formVerzeichnis, int blatt, int feld, int index);

}  // namespace quarnel
