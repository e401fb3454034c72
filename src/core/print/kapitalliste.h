// The capital-income list print job: every domestic, foreign and participation
// entry with its kind, person and amount lines, list by list.
#pragma once

#include <string>

#include "case/caserecord.h"
#include "print/bericht.h"

namespace quarnel {

// The kind texts of the entry lists (Windows-1252); empty outside the kinds.
std::string KapZinsartText(int k);       // domestic interest, 1..11
std::string KapDividendenartText(int k); // domestic dividends, 1..5
std::string KapAuslandsartText(int k);   // foreign, 1..3
std::string KapBeteiligungsartText(int k);  // participations, 1..8

// The page bodies of the list; the header is followed by one empty line on
// every page. A case without entries prints nothing.
void KapitallisteDrucken(Berichtschreiber& w, const CaseRecord& fall);

}  // namespace quarnel
