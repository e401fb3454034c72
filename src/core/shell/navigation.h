// Moving between the entry pages of a case: which areas and pages take part
// (the selected bit of the page marks), forward and backward through them,
// and the lines of the navigator's tree.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "case/caserecord.h"

namespace quarnel {

using SeitenOrt = std::pair<int, int>;  // (area, page)

// Pages 1..15 of the area with SM_Aktiv.
int AnzahlAktiveSeiten(const CaseRecord& r, int bereich);
// The n-th area (from 1, in area order) whose page 0 has SM_Aktiv; 0 when there is none.
int AktivesGebiet(const CaseRecord& r, int n);
// An area counts for navigation when its page 0 and one of its pages 1..15 are selected.
bool GebietZaehlt(const CaseRecord& r, int bereich);
// A page the navigator lists: page 1..15 selected in a selected area.
bool SeiteImBaum(const CaseRecord& r, int bereich, int seite);

// The next / previous counting area, wrapping around; `bereich` itself when none counts.
int NaechstesGebiet(const CaseRecord& r, int bereich);
int VorigesGebiet(const CaseRecord& r, int bereich);
// The page the forward / backward buttons lead to. Within a deselected area
// the buttons do not step to its pages but on to the next counting area.
SeitenOrt NaechsteSeite(const CaseRecord& r, int bereich, int seite);
SeitenOrt VorigeSeite(const CaseRecord& r, int bereich, int seite);

// Any page of the case marked as edited (the interview warns then).
bool SeitenBearbeitet(const CaseRecord& r);

// --- the navigator's tree ---------------------------------------------------------------
struct NavigatorZeile {
    int bereich = 0;
    int seite = 0;  // 0: the line of the area
    // UTF-8. A page line: a blank, the page name, "    ¤ ··" (edited) or
    // "    ···", then the marks such as "(N, E)"; the dialog fills it with dots.
    std::string text;
    bool besucht = false, notiz = false, erinnerung = false, fehler = false;
    // UTF-8. The line as a screen reader says it: the name, then the marks
    // in words ("1. Kind, besucht, Notiz"), without leaders and signs.
    std::string vorlesen;
};
std::vector<NavigatorZeile> NavigatorBaum(const CaseRecord& r);

// The line selected when the navigator opens at (area, page): area 1, page 1
// when either is 0; nothing when that page is not in the tree.
std::optional<SeitenOrt> NavigatorStartSeite(const CaseRecord& r, int bereich, int seite);

// "&Gehe zu" on a line of the tree.
struct NavigatorWahl {
    bool bleiben = false;            // the dialog stays open
    std::string fehler;              // error to show (UTF-8), when not empty
    std::optional<SeitenOrt> seite;  // the chosen page; nothing: no choice
};
// `offen`: entry pages are open at (aktBereich, aktSeite), where the navigator was opened.
NavigatorWahl NavigatorGeheZu(const CaseRecord& r, int bereich, int seite, bool offen,
                              int aktBereich, int aktSeite);

}  // namespace quarnel
