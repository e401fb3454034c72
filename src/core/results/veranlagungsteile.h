// Every figure the program shows for a case by the assessment the case has
// chosen: the balance of the main window, and the recorded computation of
// each part for "Wie berechnet?", with the part a line of the notice belongs
// to. Joint assessment has one part; separate and special assessment (§§ 26a,
// 26c EStG) one per spouse, each computed on its own.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calcdaten.h"
#include "calc/erklaerung.h"
#include "case/caserecord.h"
#include "results/ergebnistext.h"
#include "results/wieberechnet.h"

namespace quarnel {

// The balance of the case as its chosen assessment has it (positive: to
// pay): for joint assessment the GesamtSaldo of the joint computation e -> r
// the caller made from the filled record `fall`; otherwise the sum of both
// spouses' balances, as the notice's "Summe beider Ehegatten" shows it.
double SaldoNachVeranlagung(const CaseRecord& fall, const CalcInput& e, const CalcResult& r,
                            bool kurz);

// One part of the chosen assessment with its computation recorded.
struct Erklaerteil {
    std::string name;  // UTF-8: "" for joint, "Steuerpflichtiger", "Ehegatte"
    std::unique_ptr<Erklaerung> spur;
};

// The computation of the case by its chosen assessment with the recording
// on, on copies: one part for joint assessment (the joint recording), each
// spouse's part otherwise, each replaying that part's computation with the
// values named as that spouse's own ("LohnSie", "SummeEkSie" in the spouse's).
std::vector<Erklaerteil> VeranlagungErklaeren(const CaseRecord& fall, bool kurz);
// The result a line of part `teil` of the notice shows, as that part's
// recording names it: a notice line names the taxpayer's place
// ("SummeEkEr"), which in the spouse's part is the spouse's ("SummeEkSie").
std::string ErgebnisImTeil(const std::vector<Erklaerteil>& teile, int teil,
                           std::string_view ergebnis);

// The what-if trees of `ergebnis` by the case's chosen assessment: of part
// `teil` (0 the taxpayer, 1 the spouse) under separate or special assessment,
// as WasWaereErklaeren of the case under joint assessment.
ErklaerVergleich WasWaereErklaeren(const CaseRecord& fall, const WasWaereWerte& aenderung,
                                   std::string_view ergebnis, bool kurz, int teil);

// The headings of a notice of two parts: "Teil 1 von 2" opens a part
// (teil counted from 0), "Summe beider Ehegatten" follows the last.
std::string TeilUeberschrift(int teil, int teile);
inline constexpr std::string_view SummeBeiderUeberschrift = "Summe beider Ehegatten";

// Which spouse's section of a notice text a line belongs to: 0 the taxpayer's
// (every line of a joint notice), 1 the spouse's; the lines after the
// spouse's section (the sums of both spouses, the hints) belong to none (-1).
int TeilDerZeile(const Ergebnistext& t, std::size_t zeile);
// The step of that count for one line (UTF-8): the part that begins with it,
// -1 where the parts end, nothing for any other line.
std::optional<int> TeilBeginnt(std::string_view zeile);

}  // namespace quarnel
