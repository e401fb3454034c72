// The 30 items of the form-printing selection: sheet, print group and list
// text of each, the automatic selection from the annex flags, and the order
// of the jobs a printing run starts.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "case/caserecord.h"

namespace quarnel {

struct Formularposten {
    const char* text;  // UTF-8, as the list shows it (two leading blanks)
    int blatt;
    int druckgruppe;
};

inline constexpr int AnzahlFormularposten = 30;
const std::array<Formularposten, AnzahlFormularposten>& Formularposten30();

// The list texts of the adjustment groups 1..20.
const std::array<const char*, 20>& Justiergruppen();

using Formularwahl = std::array<bool, AnzahlFormularposten>;

// Main form always; the other annexes by the flags the declaration values set.
Formularwahl AutomatischeAuswahl(const CaseRecord& r);
int AnzahlGewaehlt(const Formularwahl& w);

// The annexes a return encloses, as main form page 2 declares them: every
// annex the automatic selection prints, plus what the user ticked on the
// persons page ("Anlage" tab). Counts are the number of annex forms.
struct BeigefuegteAnlagen {
    bool kap = false, so = false, nEr = false, nSie = false, gse = false, land = false;
    bool v = false, aus = false, kinder = false, fw = false;
    int vZahl = 0, ausZahl = 0, kinderZahl = 0, fwZahl = 0;
};
BeigefuegteAnlagen AnlagenDerErklaerung(const CaseRecord& r);

// The annexes ticked on the persons page that the return does not print
// (no data): their names as page 2 lists them ("Anlage KAP", ...).
std::vector<std::string> AngekreuzteAnlagenOhneDaten(const CaseRecord& r);

// The printing run over the ticked items. `prompt` shows the paper prompt
// of an item (text in UTF-8) and answers false for "Abbrechen"; `auftrag`
// runs one job of type 1 (sheet, blank paper, print directly) and answers
// false when it failed (it has told the user): the run ends there.
struct Druckauftrag {
    int blatt;
    bool blanko;
    bool direkt;
    // With "Mit Voranzeige" or into a PDF: every ticked sheet, for one
    // preview or one file of them all.
    std::vector<int> blaetter = {};
};
struct Druckrunde {
    bool blanko = true;     // blank paper with the form image
    bool vorschau = false;  // "Mit Voranzeige"
    bool duplex = false;
    // No printer: the pages go into a PDF file, so every ticked sheet goes
    // into one job (one question, one file) and no paper is asked for.
    bool alsPdf = false;
    std::function<bool(const std::string& text)> prompt;
    std::function<bool(const Druckauftrag&)> auftrag;
};
// With "Mit Voranzeige" one prompt and one job show every ticked sheet; as a
// PDF one job without a prompt holds them all. Returns the number of jobs run.
int FormulareDrucken(const Formularwahl& w, const Druckrunde& d);

}  // namespace quarnel
