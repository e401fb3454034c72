// The Einspruch letter against the income-tax notice 2001: sender and tax
// number, the tax office, one reasoned paragraph per disputed deviation with
// both amounts and its tax effect, optionally the request to suspend
// enforcement of the disputed amount (§ 361 AO), date and signature line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "case/caserecord.h"
#include "results/bescheidpruefung.h"

namespace quarnel {

enum class EinspruchFehler {
    Keiner,
    KeinBescheid,     // no notice of the office entered
    KeineAbweichung,  // nothing to dispute
    VorBekanntgabe,   // dated before the notice counts as announced
};

struct Einspruchsbrief {
    EinspruchFehler fehler = EinspruchFehler::Keiner;
    int32_t fruehestens = -1;          // the first admissible date (VorBekanntgabe)
    std::string meldung;               // UTF-8, the message for a refusal
    std::vector<std::string> zeilen;   // the letter, Windows-1252, at most 80 characters
};

// The lines to dispute: the office's ticks among the deviations, all
// deviations when none of them is ticked.
std::vector<int> AngefochteneZeilen(const Bescheidvergleich& v, const AmtsBescheid& amt);

// Writes the letter for the disputed lines, dated amt.briefDatum (today when
// it has none). Refused, with the reason in `meldung`, when there is nothing
// to dispute or the date lies before the announcement.
Einspruchsbrief EinspruchErstellen(const CaseRecord& fall, const AmtsBescheid& amt,
                                   const Bescheidvergleich& v, const std::vector<int>& posten,
                                   int32_t heute);

// A paragraph broken into lines of at most `breite` characters (Windows-1252).
std::vector<std::string> Umbrechen(const std::string& text, int breite, int einzug = 0,
                                   int ersterEinzug = 0);

}  // namespace quarnel
