// Any bytes as a form definition file of the installation, read from the
// disk as the printing reads it: the file reader gives what the text reader
// gives for the same bytes, and nothing for a file beyond its size limit.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "case/falldatei.h"
#include "print/formular.h"

using namespace quarnel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, std::size_t groesse) {
    static const std::string pfad = [] {
        std::string p = TemporaerVerzeichnis() + "/quarnel-fuzz-XXXXXX";
        const int fd = ::mkstemp(p.data());
        if (fd >= 0) ::close(fd);
        return p;
    }();
    if (!AtomarSchreiben(pfad, {daten, groesse}, false)) return 0;
    const auto geladen = DefinitionLaden(pfad);
    if (groesse > FormulardateiHoechstens) {
        if (geladen) std::abort();
        return 0;
    }
    if (!geladen) std::abort();
    const Definition d = DefinitionAusText(std::string_view(reinterpret_cast<const char*>(daten), groesse));
    if (geladen->zeilen != d.zeilen || geladen->fehler != d.fehler) std::abort();
    return 0;
}
