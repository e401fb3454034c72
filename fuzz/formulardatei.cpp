// Any bytes as a form definition file of the installation, read from the
// disk as the printing reads it: the file reader gives what the text reader
// gives for the same bytes, and nothing for a file beyond its size limit.
// The same bytes as a caption file: a caption is a trimmed line's rest.
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
    static const std::string ordner = [] {
        std::string p = TemporaerVerzeichnis() + "/quarnel-fuzz-XXXXXX";
        if (!::mkdtemp(p.data())) return std::string();
        return p + "/";
    }();
    if (ordner.empty() || !AtomarSchreiben(ordner + BeschriftungsDateiName(14), {daten, groesse}, false))
        return 0;
    for (int feld : {0, 1, 3, 999}) {
        const std::string b = Feldbeschriftung(ordner, 14, feld, 0);
        if (b.find('\n') != std::string::npos || (!b.empty() && (b.front() == ' ' || b.back() == ' ')))
            std::abort();
    }
    return 0;
}
