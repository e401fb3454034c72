// Any bytes as a report file: reading must never crash, and whatever it
// accepts must write back to the same pages.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "print/bericht.h"

using namespace quarnel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    if (auto b = BerichtAusDaten(text)) {
        auto zurueck = BerichtAusDaten(BerichtAlsDaten(*b));
        if (!zurueck || zurueck->Seitenzahl() != b->Seitenzahl()) std::abort();
    }
    return 0;
}
