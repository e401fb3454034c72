// Any bytes as a check catalogue: reading it and writing a report of every
// finding number must neither crash nor lose a finding nor leave a table row
// open.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "case/caserecord.h"
#include "results/pruefbericht.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quarnel;
    const Pruefkatalog k =
        PruefkatalogLesen(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& [nummer, e] : k.eintraege)
        if (e.Brauchbar() != k.Mangel(nummer).empty()) __builtin_trap();

    static const CaseRecord neu = [] {
        CaseRecord r;
        NeuerFallDatensatz(r);
        return r;
    }();
    CaseRecord r = neu;
    Befundtabelle t;
    int positionen[64];
    for (int i = 0; i < 64; ++i) positionen[i] = i < 18 ? i : 2 * i;
    t.Setzen(11, positionen);
    Pruefauftrag a;
    a.nurAktuell = true;
    const Pruefbericht b = PruefberichtErstellen(r, t, k, a);
    if (b.befunde.size() != 63) __builtin_trap();
    long offen = 0;
    for (const std::string& z : b.zeilen)
        for (std::size_t p = z.find("<TR>"); p != std::string::npos; p = z.find("<TR>", p + 1)) ++offen;
    for (const std::string& z : b.zeilen)
        for (std::size_t p = z.find("</TR>"); p != std::string::npos; p = z.find("</TR>", p + 1)) --offen;
    // catalogue text may itself hold row tags; count only when it does not
    bool markup = false;
    for (const auto& [nummer, e] : k.eintraege)
        for (const std::string& z : e.zeilen) markup = markup || z.find("TR>") != std::string::npos;
    if (!markup && offen != 0) __builtin_trap();
    return 0;
}
