// Taking over a case of the previous program year (".S00"): the 58 entries of
// the transfer dialog, the ticks the user made there, and the conversion of
// the old 37,456-byte record into the case record.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "case/caserecord.h"

namespace quarnel {

// Size of the record of the previous program version.
constexpr std::size_t VorjahrSatzGroesse = 37456;

// --- the entries of the transfer dialog ------------------------------------------------
constexpr int VorjahrPunkte = 58;      // entries 0..57
constexpr int VorjahrAnkreuzbar = 49;  // of which can be ticked (the rest are headings)

struct VorjahrPunkt {
    const char* text;  // UTF-8; a leading blank marks an indented entry
    bool ueberschrift;
};
// Entry 0..57; headings cannot be ticked. Out-of-range numbers give an empty heading.
const VorjahrPunkt& VorjahrPunktDef(int punkt);
// The entry as the dialog lists it: an indented entry gets six more leading blanks.
std::string VorjahrPunktAnzeige(int punkt);
// Index 0..48 of an entry's tick, or -1 for a heading / an entry that does not exist.
int VorjahrHakenIndex(int punkt);

// The ticks of the dialog, held for the whole program run (all off at start).
struct VorjahrAuswahl {
    std::array<bool, VorjahrAnkreuzbar> haken{};
    bool operator==(const VorjahrAuswahl&) const = default;
};
bool VorjahrGewaehlt(const VorjahrAuswahl& a, int punkt);   // false for headings
void VorjahrSetzen(VorjahrAuswahl& a, int punkt, bool an);  // headings are ignored
// "&Vorschlag": only the basic data, children, disabilities and vehicles.
void VorjahrVorschlag(VorjahrAuswahl& a);
void VorjahrAlle(VorjahrAuswahl& a);   // "&Alle"
void VorjahrKeine(VorjahrAuswahl& a);  // "&Keine"

// --- the conversion table ------------------------------------------------------------------
enum class VorjahrArt : uint8_t { Kopie, Text, Datum };
constexpr int8_t VorjahrImmer = -1;      // always taken over
constexpr int8_t VorjahrP46oder48 = -2;  // with entry 46 or 48

struct VorjahrZeile {
    int32_t neu;     // offset in the case record
    int32_t alt;     // offset in the old record
    uint16_t bytes;  // length of the run (a text holds bytes - 1 characters)
    VorjahrArt art;
    int8_t punkt;  // dialog entry, or VorjahrImmer / VorjahrP46oder48
};
std::span<const VorjahrZeile> VorjahrTabelle();
bool VorjahrZeileGilt(const VorjahrZeile& z, const VorjahrAuswahl& a);

// Day number d one year later (29 February becomes 28 February); no date stays
// no date, and so does a day number that is not a date.
int32_t EinJahrSpaeter(int32_t d);

// --- the conversion -------------------------------------------------------------------------
// Makes a new case in `neu` and takes over from the old record what the ticks
// select. `alt` must hold VorjahrSatzGroesse bytes; any byte values are safe.
void VorjahrUebernehmen(const uint8_t* alt, CaseRecord& neu, const VorjahrAuswahl& auswahl);
// The same for a buffer of any length: missing bytes count as 0, extra ones are ignored.
void VorjahrUebernehmen(std::span<const uint8_t> alt, CaseRecord& neu,
                        const VorjahrAuswahl& auswahl);

}  // namespace quarnel
