// Any bytes as a JSON import of a case: all or nothing, the fields the
// program keeps are never touched, and what was imported exports and
// imports again to the same record.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "case/feldwerte.h"

using namespace quarnel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const std::unique_ptr<CaseRecord> neu = [] {
        auto r = std::make_unique<CaseRecord>();
        NeuerFallDatensatz(*r);
        return r;
    }();
    auto r = std::make_unique<CaseRecord>(*neu);
    const auto fehler =
        FallImportieren(std::string(reinterpret_cast<const char*>(data), size), *r);
    if (fehler) {
        if (!(*r == *neu)) std::abort();  // all or nothing
        return 0;
    }
    if (r->Text(Feld::Kennung) != neu->Text(Feld::Kennung) ||
        r->Bool(Feld::FallFreigabe) != neu->Bool(Feld::FallFreigabe))
        std::abort();
    const std::string json = FallExportieren(*r);
    auto zurueck = std::make_unique<CaseRecord>(*neu);
    // Amounts that are not numbers travel as null (the new-case value).
    if (!FallImportieren(json, *zurueck) && json.find(": null") == std::string::npos &&
        FallExportieren(*zurueck) != json)
        std::abort();
    return 0;
}
