// Any text as an amount or a date typed by a user: the reader must neither
// crash nor accept what it cannot read back, and an accepted amount is finite
// and written only with digits, one comma or points, and a sign.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/betrag.h"
#include "case/feldwerte.h"

using namespace quarnel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto betrag = BetragAusText(text)) {
        if (!std::isfinite(*betrag)) std::abort();
        for (char c : text)
            if (!((c >= '0' && c <= '9') || c == '.' || c == ',' || c == '+' || c == '-' ||
                  c == ' ' || c == '\t'))
                std::abort();
        // With a decimal comma no point may follow it ("1,000.50" is refused).
        const auto komma = text.find(',');
        if (komma != std::string_view::npos && text.find('.', komma) != std::string_view::npos)
            std::abort();
    }
    if (const auto tag = DatumAusText(text); tag && *tag != KeinDatum) {
        // A real day: its text reads back as the same day.
        const auto zurueck = DatumAusText(DatumText(*tag));
        if (!zurueck || *zurueck != *tag) std::abort();
    }
    return 0;
}
