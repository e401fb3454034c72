// Any bytes as a form definition file: reading must never crash, every line
// it keeps must hold its guards, and the value routines and the fitting of a
// text into its box must take any line it keeps.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "print/formular.h"
#include "print/formularwerte.h"

using namespace quarnel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    const Definition d = DefinitionAusText(text);
    static const CaseRecord fall;
    const Rastermass mass;
    for (const Definitionszeile& z : d.zeilen) {
        if (z.n > 10 || (z.d != 0 && z.d >= z.n)) std::abort();
        for (int blatt : {11, 31}) {
            uint8_t zustand = 0;
            Feldanfrage a;
            a.zeile = &z;
            a.instanz = z.index;
            a.zustand = &zustand;
            const Feldwert w = WertroutineFuer(blatt)(fall, a);
            const std::string t = w.text + std::string(static_cast<std::size_t>(z.index) * 7, 'x');
            auto zeichen = [](const std::string& s) { return s.size() - std::count(s.begin(), s.end(), ' '); };
            const Einpassung e = TextEinpassen(mass, Druckschrift{}, z.breite, t);
            // A text that is not cut keeps every character but blanks; the
            // first line is empty only for a blank text.
            if (!e.gekuerzt && zeichen(e.zeile1) + zeichen(e.zeile2) != zeichen(t)) std::abort();
            if (e.zeile1.empty() && zeichen(t) != 0) std::abort();
        }
    }
    return 0;
}
