// Joint, separate or special assessment of a married couple (§§ 26 to 26c
// EStG): the choice stored in the case, the separate and the special
// assessment of both spouses computed from one case, and the comparison of
// every assessment the couple may choose. Every computation runs on private copies; the case is never
// touched.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "calc/calcdaten.h"
#include "case/caserecord.h"
#include "pages/veranlagungsart.h"

namespace quarnel {

// What the case says of each spouse beyond the joint input: the separate
// assessments need it to give each spouse his or her own part.
struct VeranlagungsAngaben {
    // § 26c(2): widowed at the start of the year with § 32a(6) Nr. 1
    std::array<bool, 2> witwe{};
    // by child record of the input (as ordered there): each spouse's share of
    // the child's allowances and Kindergeld (half each for a child of both,
    // all of it to the one parent of a child of one spouse), and whether the
    // child counts for that spouse's Haushaltsfreibetrag as if unmarried
    std::array<std::array<double, 2>, AnzahlKindSaetze> kindAnteil;
    std::array<std::array<bool, 2>, AnzahlKindSaetze> kindHaushalt{};
    // each spouse's own Behinderten-Pauschbetrag with half the children's
    // transferred ones (< 0: not known, half the couple's amount)
    std::array<double, 2> behindertenPausch{-1, -1};
    // each spouse's own loss carried forward and its part to set off against
    // income of the same kind (< 0: not known, half the couple's amount)
    std::array<double, 2> verlust{-1, -1};
    std::array<double, 2> verlustGleicheArt{-1, -1};
    // the taxpayer's share of the außergewöhnliche Belastungen under separate
    // assessment (§ 26a(2) sentence 1: half unless both apply for another)
    double agbAnteilEr = 0.5;
    VeranlagungsAngaben() {
        for (auto& a : kindAnteil) a = {0.5, 0.5};
    }
};
// The spouses' own parts from a case whose joint input e was filled from it
// (the record as the fill left it, page computations done).
VeranlagungsAngaben VeranlagungsAngabenAusFall(const CaseRecord& gefuellt, const CalcInput& e,
                                               bool kurz);

// The input of one spouse's separate assessment (person 0 the taxpayer, 1 the
// spouse) from the input of the joint assessment, with `agbGemeinsam` the
// außergewöhnliche Belastungen the joint assessment allows (§§ 33 to 33c EStG,
// after the zumutbare Belastung) and `agbAnteil` this spouse's share of them.
void GetrennteEingabe(const CalcInput& gemeinsam, int person, double agbGemeinsam,
                      double agbAnteil, CalcInput& e);
// The same with the spouses' own parts of the case.
void GetrennteEingabe(const CalcInput& gemeinsam, int person, double agbGemeinsam,
                      const VeranlagungsAngaben& a, CalcInput& e);
// The input of one spouse's special assessment in the year of the marriage
// (§ 26c): the spouse as if unmarried.
void BesondereEingabe(const CalcInput& gemeinsam, int person, const VeranlagungsAngaben& a,
                      CalcInput& e);
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

// One assessment computed in full: one input and result for joint
// assessment, two (taxpayer, spouse) for separate and special assessment.
struct Veranlagungsteil {
    std::unique_ptr<CalcInput> e;
    std::unique_ptr<CalcResult> r;
};
struct VeranlagungsRechnung {
    Veranlagungsart art = Veranlagungsart::Zusammen;
    std::vector<Veranlagungsteil> teile;
    VeranlagungsLast last;
};

// Computes the assessment art from the filled joint input. Separate
// assessment needs the joint result (the außergewöhnliche Belastungen it
// allows); it is computed when not given.
VeranlagungsRechnung VeranlagungRechnen(const CalcInput& gemeinsam, Veranlagungsart art,
                                        const VeranlagungsAngaben& a,
                                        const CalcResult* gemeinsamErgebnis = nullptr);
// The assessment the case has chosen (joint where the choice is not
// admissible), computed on a copy of the record.
VeranlagungsRechnung VeranlagungRechnen(const CaseRecord& fall, bool kurz);
// The assessment the case is computed by: its stored choice where the filled
// joint input is a couple's and the choice admissible, joint otherwise.
Veranlagungsart WirksameVeranlagungsart(const CaseRecord& fall, const CalcInput& gefuellt);
// The name of part `teil` of a computed assessment (UTF-8): "" for joint
// assessment, "Steuerpflichtiger" and "Ehegatte" for the two parts.
const char* VeranlagungsteilName(const VeranlagungsRechnung& v, std::size_t teil);

struct VeranlagungsVergleich {
    bool waehlbar = false;
    Veranlagungsart gespeichert = Veranlagungsart::Zusammen;
    std::vector<VeranlagungsLast> arten;  // every admissible assessment
    Veranlagungsart empfohlen = Veranlagungsart::Zusammen;
    double ersparnis = 0;  // of the recommendation against the stored choice
};

// Computes joint and separate assessment in full from the filled joint input
// (each spouse's part of the shared amounts half).
// The results of the single computations go to `ergebnisse` when given
// (0 joint, 1 taxpayer separately, 2 spouse separately).
VeranlagungsVergleich VeranlagungVergleichen(
    const CalcInput& gemeinsam,
    std::array<std::unique_ptr<CalcResult>, 3>* ergebnisse = nullptr);
// The same from the case, on a copy of the record.
VeranlagungsVergleich VeranlagungVergleichen(const CaseRecord& fall, bool kurz = false);

// Every admissible assessment in full, from the filled joint input and the
// spouses' parts; special assessment only when besondere.
VeranlagungsVergleich VeranlagungVergleichen(const CalcInput& gemeinsam,
                                             const VeranlagungsAngaben& a, bool besondere);

// "Zusammenveranlagung", "getrennte Veranlagung", "besondere Veranlagung".
const char* VeranlagungsartText(Veranlagungsart a);
// The paragraph of the law: "§ 26b EStG", "§ 26a EStG", "§ 26c EStG".
const char* VeranlagungsartParagraph(Veranlagungsart a);
// "zusammen", "getrennt", "besondere" (the CLI's and the JSON's key).
const char* VeranlagungsartSchluessel(Veranlagungsart a);

}  // namespace quarnel
