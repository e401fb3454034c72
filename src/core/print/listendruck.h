// What the plain-text print jobs put on the page: the result text, the notes
// and the list table, with their margins, running headers and footers; and
// the small rules of the print dispatcher (start page, page range, scale).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "case/caserecord.h"
#include "print/bericht.h"
#include "results/ergebnistext.h"
#include "shell/dienste.h"
#include "shell/einstellungen.h"

namespace quarnel {

// The job types of the dispatcher.
enum class Druckart : int {
    Formular = 1,      // official forms, laid out by the form printing
    Ergebnis = 3,      // result text, no header or footer
    Notizen = 4,       // text lines with the notes header and the page footer
    Liste = 5,         // list table
    Kapitalliste = 6,  // capital-income entries
    AfaListe = 7,      // depreciation list
};

// One row of a person's depreciation list.
struct AfaZeile {
    std::string text;          // Windows-1252
    int32_t kaufdatum = -1;    // day number
    double preis = 0;
    int jahre = 0;
    double afa = 0;            // depreciation of the year
    double restwert = 0;
};

// What the text jobs print from.
struct Druckdaten {
    const Ergebnistext* ergebnis = nullptr;  // result text with its blocks
    const ResultLines* notizen = nullptr;    // note lines (never kept together)
    const Listensatz* liste = nullptr;       // the list in memory
    const std::vector<AfaZeile>* afaListe = nullptr;  // the chosen person's 25 rows
    int jahr = 2001;                         // tax year of the depreciation list
    const CaseRecord* fall = nullptr;        // names and tax number of the headers
    std::string datum;                       // short date of the headers
};

// The print font of the text jobs ("Font" settings; underline is not applied).
Druckschrift TextDruckschrift(const Einstellungen& e);
// Margins of every text job: left "LinksRand", right 4 - left (not below 0),
// top "ObenRand", bottom 2.
void TextRaenderSetzen(Berichtschreiber& w, const Einstellungen& e);

// Short date "dd.mm.yyyy" of the headers.
std::string KurzDatum(const Zeitpunkt& t);

// The header texts (Windows-1252).
std::string NotizKopfText(const CaseRecord* fall);
std::string SteuernummerKopfText(const CaseRecord* fall);
// A running header (line above the text area, text and date one centimetre
// higher) and the page footer (line below, "Seite n" one centimetre lower).
void KopfDrucken(Berichtschreiber& w, const std::string& text, const std::string& datum);
void FussDrucken(Berichtschreiber& w);

// Page bodies.
void TextzeilenDrucken(Berichtschreiber& w, const ResultLines& zeilen, const KeepTogether* bloecke);
void ListentabelleDrucken(Berichtschreiber& w, const Listensatz& liste);
void AfaListeDrucken(Berichtschreiber& w, const std::vector<AfaZeile>& zeilen, int jahr);

// The whole job of a text type (3, 4, 5, 6 or 7) as a report; nothing for the types
// laid out elsewhere.
std::optional<Bericht> TextauftragSetzen(Druckart art, const Druckdaten& d, const Einstellungen& e,
                                         const Textmass& mass);

// --- the dispatcher's small rules --------------------------------------------------------

// The page a form preview starts on: 23 and 24 count as 21 and 22, numbers
// above 100 lose their last digit, then the last digit is the page (at least 1).
int FormularStartseite(int blatt);

// How a preview opens: the start page, the print scale in percent and whether
// it shows the full page width (else a zoom of 100 %). Every job decides anew,
// so a form's scale never carries over to the next job.
struct Vorschaustart {
    int startseite = 1;
    int skalierung = 100;
    bool volleBreite = true;
};
Vorschaustart VorschauStart(Druckart art, int blatt, const Einstellungen& e);

// The page dialog's check on OK. `offen` keeps the dialog open with the warning.
struct Seitenwahl {
    int von = 1, bis = 1;
    bool offen = false;
    std::string warnung;  // UTF-8
};
Seitenwahl SeitenwahlPruefen(int von, int bis, int seiten);

}  // namespace quarnel
