// The persons page's rule for the couple's choice of assessment (§ 26 EStG):
// joint assessment (§ 26b), separate assessment (§ 26a) or, in the year of
// the marriage, special assessment (§ 26c). The page and `quarnel-cli setze`
// both run it.
#pragma once

#include <string>

#include "case/caserecord.h"

namespace quarnel {

// The values of the case's `Veranlagungsart` list (0 also for older files).
enum class Veranlagungsart { Zusammen = 0, Getrennt = 1, Besondere = 2 };

// The stored choice; anything unknown reads as joint.
Veranlagungsart GespeicherteVeranlagungsart(const CaseRecord& r);
// A couple may choose only where the case is on the splitting table as a
// married couple (not the widow's splitting of the year after a death).
bool VeranlagungWaehlbar(const CaseRecord& r);
// Married in the tax year (status "verheiratet" since a day of 2001): the
// year of the marriage, for which § 26c allows special assessment.
bool HeiratImSteuerjahr(const CaseRecord& r);
// Whether the couple of the case may choose a (§ 26(1) and, for special
// assessment, § 26c(1)); joint assessment is always admissible.
bool VeranlagungsartZulaessig(const CaseRecord& r, Veranlagungsart a);
// § 26c(2): the spouse (0 taxpayer, 1 spouse) was widowed at the start of the
// year and the conditions of § 32a(6) Nr. 1 held (the late spouse died in the
// year before): special assessment taxes him or her by the splitting table.
bool VerwitwetZuJahresbeginn(const CaseRecord& r, int person);
// The persons page's rule for the field: a choice other than joint is kept only
// where the couple may choose it, otherwise the field goes back to joint. The
// note for the user (UTF-8) or "".
std::string VeranlagungsartPruefen(CaseRecord& r);

}  // namespace quarnel
