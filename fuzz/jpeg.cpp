// Any byte sequence as a JPEG picture of a help page: the loader either
// gives a picture of the size it reports or nothing, and never crashes.
#include <cstdint>
#include <cstdlib>

#include "shell/jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    quarnel::JpegGrenzen g;
    g.maxPixel = 1024 * 1024;  // keeps each run short
    g.maxScans = 50;
    if (auto bild = quarnel::JpegDekodieren({daten, groesse}, g)) {
        if (bild->pixel.size() != static_cast<size_t>(bild->breite) * bild->hoehe * 3) std::abort();
    }
    return 0;
}
