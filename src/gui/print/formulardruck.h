// The form jobs of the print dispatcher: type 1 fills the declaration values
// of the open case and lays out its sheets by the definition files.
#pragma once

#include <functional>
#include <string>

#include "case/caserecord.h"
#include "print/druckausgabe.h"
#include "print/formular.h"
#include "print/formularauswahl.h"
#include "results/pruefung.h"
#include "shell/dienste.h"
#include "shell/einstellungen.h"

namespace quarnel::gui {

struct FormularAnbindung {
    std::function<CaseRecord&()> fall;
    std::function<void()> deklarationFuellen;  // full variant
    const Einstellungen* einst = nullptr;
    std::string formVerzeichnis;  // ends with '/'
    const Uhr* uhr = nullptr;     // today's date of the sheets
};

void FormulardruckAnbinden(Druckausgabe& d, FormularAnbindung a);

// One job of a printing run of the form dialog on the dispatcher: a list of
// sheets as one preview or one print (PDF) job, else one sheet. False when it failed.
bool FormularauftragAusfuehren(Druckausgabe& d, const Druckauftrag& a);

// Today's day number by the clock (the system date without one).
int32_t HeutigerTag(const Uhr* uhr);

// A case as a form job sees it: the settings, the form folder, today.
Formularumgebung FormularumgebungFuer(const CaseRecord& fall, const Einstellungen& einst,
                                      const std::string& formVerzeichnis, const Uhr* uhr);

// The check of the texts the return cuts to fit their boxes, measured in the
// form font, appended to the check's table.
void GekuerzteFormulartextePruefen(Befundtabelle& t, const CaseRecord& fall, const Einstellungen& einst,
                                   const std::string& formVerzeichnis, const Uhr* uhr);

}  // namespace quarnel::gui
