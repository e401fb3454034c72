// The check report: walks the pages to be reported, takes each page's check
// positions from the finding table, looks every finding up in the check
// catalogue and builds the HTML page the help viewer shows ("HTM….htm").
// In the current-page mode it also sets or clears the page's error mark.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "case/caserecord.h"
#include "pages/seitenzustand.h"
#include "results/pruefkatalog.h"
#include "results/pruefung.h"

namespace quarnel {

struct Pruefauftrag {
    bool nurAktuell = false;  // the current page only, else every page in use
    int bereich = 1;          // the current area and page (page 0 counts as 1)
    int seite = 1;
    bool mitAbschluss = true;  // end row and summary (the silent check has none)
    // The subordinate page that is open, and for the disability page the person
    // it was opened for (1 Er, 2 Sie, 3..8 child 1..6).
    Unterseite unterseite = Unterseite::Keine;
    int behinderungAufruf = 0;
};

// The job of a check of the current page, with the subordinate page taken
// from the program-wide page state.
Pruefauftrag AuftragAktuelleSeite(int bereich, int seite, bool mitAbschluss);

struct Befundzeile {
    int nummer = 0;
    int stufe = 0;  // 1..4; 0 when the catalogue has no usable entry
    int seitenkennung = 0;
    int bereich = 0, seite = 0;  // of the page heading
    std::string text;            // Windows-1252, lines joined by a blank; "(kein Text)"
};

struct Pruefbericht {
    std::vector<std::string> zeilen;  // HTML, Windows-1252
    int tips = 0, hinweise = 0, warnungen = 0, fehler = 0;
    std::vector<Befundzeile> befunde;
    // What was wrong with the catalogue, in German (UTF-8); empty when it
    // served every finding.
    std::string katalogfehler;
};

// The page code the current-page check lists.
int AktuelleSeitenkennung(const Pruefauftrag& a);

// Builds the report; in the current-page mode sets or clears SM_Pruefung of
// the page (a subordinate page only ever sets its caller's mark).
Pruefbericht PruefberichtErstellen(CaseRecord& r, const Befundtabelle& t, const Pruefkatalog& k,
                                   const Pruefauftrag& a);

// The whole check: declaration values and computation (so that the stored
// page results and the assessment flags are current), the rules, the report.
// `ergaenzen` adds the findings of checks beyond the rules (the printed
// texts, where the program can measure them) to the table.
using Befundergaenzung = std::function<void(const CaseRecord&, Befundtabelle&)>;
Pruefbericht PruefungAusfuehren(CaseRecord& r, const Pruefkatalog& k, const Pruefauftrag& a,
                                const Befundergaenzung& ergaenzen = {});

// The file's bytes: every line followed by CR LF.
std::string PruefberichtText(const Pruefbericht& b);
// Writes (replaces) the report file; false when it cannot be written.
bool PruefberichtSpeichern(const Pruefbericht& b, const std::string& pfad);

}  // namespace quarnel
