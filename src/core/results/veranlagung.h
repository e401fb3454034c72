// Joint or separate assessment of a married couple (§§ 26, 26a, 26b EStG):
// the choice stored in the case, the separate assessment of both spouses
// computed from one case, and the comparison of every assessment the couple
// may choose. Every computation runs on private copies; the case is never
// touched.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "calc/calcdaten.h"
#include "case/caserecord.h"
#include "pages/veranlagungsart.h"

namespace quarnel {

// The input of one spouse's separate assessment (person 0 the taxpayer, 1 the
// spouse) from the input of the joint assessment, with `agbGemeinsam` the
// außergewöhnliche Belastungen the joint assessment allows (§§ 33 to 33c EStG,
// after the zumutbare Belastung) and `agbAnteil` this spouse's share of them.
void GetrennteEingabe(const CalcInput& gemeinsam, int person, double agbGemeinsam,
                      double agbAnteil, CalcInput& e);
// The außergewöhnliche Belastungen a computed assessment deducts.
double AgbAbgezogen(const CalcInput& e, const CalcResult& r);

// The burden of one assessment: for separate assessment the sums of both.
struct VeranlagungsLast {
    Veranlagungsart art = Veranlagungsart::Zusammen;
    double est = 0;      // festzusetzende Einkommensteuer
    double soli = 0;     // Solidaritätszuschlag
    double kist = 0;     // Kirchensteuer of both
    double gesamt = 0;   // est + soli + kist
    double saldo = 0;    // balance after the credits (positive: to pay)
    double mehr = 0;     // gesamt less the cheapest assessment's gesamt
};

struct VeranlagungsVergleich {
    bool waehlbar = false;
    Veranlagungsart gespeichert = Veranlagungsart::Zusammen;
    std::vector<VeranlagungsLast> arten;  // every admissible assessment
    Veranlagungsart empfohlen = Veranlagungsart::Zusammen;
    double ersparnis = 0;  // of the recommendation against the stored choice
};

// Computes joint and separate assessment in full from the filled joint input.
// The results of the single computations go to `ergebnisse` when given
// (0 joint, 1 taxpayer separately, 2 spouse separately).
VeranlagungsVergleich VeranlagungVergleichen(
    const CalcInput& gemeinsam,
    std::array<std::unique_ptr<CalcResult>, 3>* ergebnisse = nullptr);
// The same from the case, on a copy of the record.
VeranlagungsVergleich VeranlagungVergleichen(const CaseRecord& fall, bool kurz = false);

// "Zusammenveranlagung", "getrennte Veranlagung".
const char* VeranlagungsartText(Veranlagungsart a);

}  // namespace quarnel
