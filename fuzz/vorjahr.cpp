// Any bytes as a previous-year record: the conversion must neither crash nor
// leave a text longer than its field or a wrong signature behind. Input beyond
// the record's size selects the ticks of the transfer dialog (all ticked
// without it); shorter input is padded with zeros.
#include "case/vorjahr.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quarnel;
    std::span<const uint8_t> eingabe(data, size);
    VorjahrAuswahl auswahl;
    if (size > VorjahrSatzGroesse) {
        auto rest = eingabe.subspan(VorjahrSatzGroesse);
        for (size_t i = 0; i < auswahl.haken.size(); ++i)
            auswahl.haken[i] = (rest[(i / 8) % rest.size()] >> (i % 8)) & 1;
    } else {
        VorjahrAlle(auswahl);
    }
    CaseRecord neu;
    VorjahrUebernehmen(eingabe.first(std::min(size, VorjahrSatzGroesse)), neu, auswahl);
    if (neu.LeseText(0, 8) != "S00VER10") __builtin_trap();
    for (const VorjahrZeile& z : VorjahrTabelle())
        if (z.art == VorjahrArt::Text && neu.LeseByte(z.neu) > z.bytes - 1) __builtin_trap();
    return 0;
}
