// Fields of the case record as text: addressing a field by its catalogue name
// or unique id with an element index ("Vorname[2]"), reading and writing its
// value as the user types it (German or point decimals, dates dd.mm.yyyy,
// ja/nein), and the JSON export and import of every field that differs from a
// new case. Errors are German texts; a failed write leaves the record as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "case/caserecord.h"

namespace quarnel {

struct Feldadresse {
    Feld feld;
    int element = 1;
};

struct FeldSuche {
    std::optional<Feldadresse> adresse;
    std::string fehler;
};
// "Name" or "Name[i]": the unique id first, else the catalogue name when it
// names one field only. A repeated field needs its index.
FeldSuche FeldAufloesen(std::string_view ausdruck);
// The unique id with the index of repeated fields: "Vorname[2]", "Kennung".
std::string FeldadresseText(const Feldadresse& a);

// The fields the program keeps itself (the signature, the release of the
// password prompt): never set by name or by an import.
bool VomProgrammGefuehrt(Feld f);

// An amount as a user types it: German ("1.234,56", "1234,5", ",5") or a
// plain decimal point without grouping ("1234.56"). Mixed or ambiguous
// text ("1,000.50", "12,5.3", "1.234") is refused.
std::optional<double> BetragAusText(std::string_view text);

// A date as typed on the pages: d.m.yyyy with a real day of the years 1600
// to 9999; "" or "-" is no date (KeinDatum). Nothing for anything else.
std::optional<int32_t> DatumAusText(std::string_view text);

// A date as the user reads it: dd.mm.yyyy, "" for no date, the bare day
// number for one outside the years 1600 to 9999.
std::string Datumswert(int32_t tagnummer);

// The value as text: amounts with a decimal comma, dates dd.mm.yyyy ("" for
// none), Booleans "ja"/"nein", texts in UTF-8.
std::string FeldwertText(const CaseRecord& r, const Feldadresse& a);
// Sets the value from text; the error text, or nothing on success.
std::optional<std::string> FeldwertSetzen(CaseRecord& r, const Feldadresse& a,
                                          std::string_view text);

// True when the element holds another value than in a new case (texts by
// their meaningful characters, everything else by its bytes).
bool WeichtVomNeuenFallAb(const CaseRecord& r, const Feldadresse& a);

// A JSON object of every field element whose value differs from a new case.
std::string FallExportieren(const CaseRecord& r);
// Applies a JSON object as FallExportieren writes it (keys as FeldAufloesen
// takes them; values as JSON numbers, Booleans, strings in the typed form, or
// null for the new-case value). All or nothing: the error, or nothing.
std::optional<std::string> FallImportieren(std::string_view json, CaseRecord& r);

}  // namespace quarnel
