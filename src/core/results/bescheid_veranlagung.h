// The notice as the couple's chosen assessment has it: the one notice of a
// joint assessment, or for separate and special assessment (§§ 26a, 26c
// EStG) two sections, one per spouse, each with its own figures.
#pragma once

#include "calc/calcdaten.h"
#include "case/caserecord.h"
#include "results/bescheid.h"
#include "results/veranlagung.h"

namespace quarnel {

// The notice of the computed assessment v of the case.
void BescheidErstellen(const CaseRecord& fall, const VeranlagungsRechnung& v,
                       const BescheidAngaben& a, Ergebnistext& text);

// The notice of the case by its stored choice: joint assessment from the
// computation e -> r given, the others computed on copies of the case.
void BescheidNachVeranlagung(const CaseRecord& fall, const CalcInput& e, const CalcResult& r,
                             const BescheidAngaben& a, Ergebnistext& text);

}  // namespace quarnel
