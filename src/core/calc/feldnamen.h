// Name table of CalcInput and CalcResult: every field by its name, with its
// kind and place, so that case files, the command line and the notice can
// address fields by name. Array elements are named "VaTabelle[3]" and
// "KindSaetze[0].KinderFb" (indexes from 0).
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calc/calcdaten.h"

namespace quarnel {

enum class WertArt : uint8_t { Zahl, Ganzzahl, Byte, Text };

struct RechenFeld {
    std::string name;
    WertArt art;
    std::size_t offset;  // byte offset in the record
    int laenge;          // text fields: maximum number of characters
};

std::span<const RechenFeld> EingabeFelder();
std::span<const RechenFeld> ErgebnisFelder();
const RechenFeld* EingabeFeld(std::string_view name);
const RechenFeld* ErgebnisFeld(std::string_view name);

// Value of a numeric field as Double (text fields: nullopt).
std::optional<double> Zahlenwert(const CalcInput& r, const RechenFeld& f);
std::optional<double> Zahlenwert(const CalcResult& r, const RechenFeld& f);

// Sets a field from its text form (numbers with "." or "," as decimal
// separator). False when the text is no valid value for the field.
bool WertSetzen(CalcInput& r, const RechenFeld& f, std::string_view text);
bool WertSetzen(CalcResult& r, const RechenFeld& f, std::string_view text);

// Text form of a field (numbers with "." and up to 6 decimals, shortest form).
std::string WertText(const CalcInput& r, const RechenFeld& f);
std::string WertText(const CalcResult& r, const RechenFeld& f);

}  // namespace quarnel
