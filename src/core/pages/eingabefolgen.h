// What the pages derive the moment one field is entered, beyond the field's
// own value: the marital status and its dates decide the tax table, a child's
// new birth date brings the child page's defaults, a typed share of a child's
// allowance is kept from then on, and a changed cost of the home recomputes
// the § 10e base. The pages and `quarnel-cli setze`/`import` both run it, so
// one entry gives one case however it was made.
#pragma once

#include <string>

#include "case/caserecord.h"

namespace quarnel {

// The consequences of entering `element` of field `f`; the note the page
// shows the user about it (UTF-8), or "" when there is none.
std::string EingabeFolgen(CaseRecord& r, Feld f, int element = 1);

// After an import that rebuilt the record from a new case: the consequences
// of every field the import set (those differing from a new case), in the
// order the pages would have run them. The notes, one per consequence.
std::string ImportFolgen(CaseRecord& r);

}  // namespace quarnel
