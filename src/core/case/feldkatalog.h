// The field catalogue: every field of the case record in one table (name,
// region, offset, type, width, repeat, owning page, field number, caption,
// tab, choices, default, kind). It is the only place that knows offsets.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace quarnel {

enum class FeldTyp : uint8_t { Double, Datum, Ganzzahl, Auswahl, Boolesch, Text, Byte };
// Eingabe: a page edits it; Anzeige: a page shows it (display text of a choice,
// display-only sums); Berechnet: a page computation or the fill stores it.
enum class FeldArt : uint8_t { Eingabe, Anzeige, Berechnet };

struct FeldDef {
    const char* id;            // unique identifier (the enumerator's name)
    const char* name;          // catalogue name (control name); not unique
    const char* bereich;       // region
    int32_t offset;            // byte offset of element 1
    FeldTyp typ;
    uint16_t breite;           // n of String[n]; byte width of the other types
    uint16_t anzahl;           // number of elements (1 for a single field)
    uint16_t abstand;          // stride between elements
    const char* seite;         // owning page class
    uint16_t nr;               // field number (0 = none)
    const char* beschriftung;  // caption, UTF-8
    const char* reiter;        // tab, UTF-8
    const char* auswahl;       // choice texts separated by '|', UTF-8 ("" = none)
    const char* vorgabe;       // default as written in the catalogue ("" = zero/empty)
    FeldArt art;
    const char* auch;          // other controls that show the same bytes, separated by ','

    // Bytes one element occupies in the record (n + 1 for String[n]).
    int Bytes() const { return typ == FeldTyp::Text ? breite + 1 : breite; }
};

enum class Feld : uint16_t {
#define QUARNEL_FELD(id) id,
#include "case/feldkatalog_ids.inc"
#undef QUARNEL_FELD
    Anzahl_
};

std::span<const FeldDef> Feldkatalog();
const FeldDef& Def(Feld f);
std::optional<Feld> FeldNachId(std::string_view id);
// All fields with this catalogue name (several pages may share a name).
std::vector<Feld> FelderNachName(std::string_view name);

struct Region {
    const char* name;
    int32_t von, bis;  // inclusive byte range
};
std::span<const Region> Regionen();

}  // namespace quarnel
