// The persons page's rule for the couple's choice of assessment (§ 26 EStG):
// joint assessment (§ 26b) or separate assessment (§ 26a). The page and
// `quarnel-cli setze` both run it.
#pragma once

#include <string>

#include "case/caserecord.h"

namespace quarnel {

// The values of the case's `Veranlagungsart` list (0 also for older files).
enum class Veranlagungsart { Zusammen = 0, Getrennt = 1 };

// The stored choice; anything unknown reads as joint.
Veranlagungsart GespeicherteVeranlagungsart(const CaseRecord& r);
// A couple may choose only where the case is on the splitting table as a
// married couple (not the widow's splitting of the year after a death).
bool VeranlagungWaehlbar(const CaseRecord& r);
// The persons page's rule for the field: a choice other than joint is kept only
// where the couple may choose, otherwise the field goes back to joint. The
// note for the user (UTF-8) or "".
std::string VeranlagungsartPruefen(CaseRecord& r);

}  // namespace quarnel
