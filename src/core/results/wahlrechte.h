// The elections of a case besides the assessment: each computed in every
// variant on copies (the case never touched), with the burden of each variant
// and a recommendation. The assessment of the couple comes first where the
// couple may choose it.
#pragma once

#include <string>
#include <vector>

#include "case/caserecord.h"

namespace quarnel {

enum class Wahlrecht {
    Veranlagungsart,          // §§ 26 to 26c EStG
    HalberSteuersatz,         // § 34(3) against § 34(1) EStG
    AuslaendischeSteuer,      // § 34c(1) credit against § 34c(2) deduction
    KinderfreibetragUebertragung,  // § 32(6) sentence 6 EStG, per child
};

// One variant of an election: its burden under the case's chosen assessment.
struct WahlVariante {
    std::string text;  // UTF-8, e.g. "Anrechnung (§ 34c Abs. 1 EStG)"
    double est = 0;    // festzusetzende Einkommensteuer
    double soli = 0;
    double kist = 0;
    double gesamt = 0;  // est + soli + kist
    double saldo = 0;   // balance after the credits (positive: to pay)
    double mehr = 0;    // gesamt less the cheapest variant's gesamt
};

struct WahlrechtVergleich {
    Wahlrecht art = Wahlrecht::Veranlagungsart;
    int kind = 0;         // the child (1..6) of a per-child election, else 0
    std::string titel;    // UTF-8
    std::string hinweis;  // UTF-8: a condition of the law the program cannot see, or ""
    std::vector<WahlVariante> varianten;
    int gewaehlt = 0;   // the variant the case holds now
    int empfohlen = 0;  // the cheapest; the one held wins a tie
    double ersparnis = 0;  // gewaehlt's burden less empfohlen's
};

// Every election present in the case, in the order above.
std::vector<WahlrechtVergleich> WahlrechteVergleichen(const CaseRecord& fall, bool kurz = false);

// What the comparison leaves out, UTF-8 lines (e.g. elections the record has
// no field for).
std::vector<std::string> WahlrechteOffen();

}  // namespace quarnel
