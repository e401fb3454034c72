// Any bytes as the settings file: reading never crashes, every value lands
// in its range, texts are UTF-8, and what is written back keeps the
// byte-order mark and reads as the same settings.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "case/zeichensatz.h"
#include "shell/einstellungen.h"
#include "shell/ini.h"

using namespace quarnel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, std::size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    IniDatei ini = IniDatei::AusText(text);
    const Einstellungen e = EinstellungenAusIni(ini);
    if (e.formSkalierung < 10 || e.formSkalierung > 400) std::abort();
    if (e.alleRechts < -100 || e.alleRechts > 100 || e.alleUnten < -100 || e.alleUnten > 100)
        std::abort();
    for (const auto& v : e.formVerschiebung)
        if (v.rechts < -100 || v.rechts > 100 || v.unten < -100 || v.unten > 100) std::abort();
    if (!(e.linksRand >= 0 && e.linksRand <= 20) || e.sicherungen < 0 || e.sicherungen > 99)
        std::abort();
    for (const std::string* t : {&e.druckSchrift.name, &e.formSchrift.name,
                                 &e.viewerSchrift.name, &e.letztDatenPfad})
        if (!GueltigesUtf8(*t)) std::abort();

    EinstellungenInIni(e, ini);
    const std::string geschrieben = ini.Text();
    if (text.starts_with("\xEF\xBB\xBF") != geschrieben.starts_with("\xEF\xBB\xBF")) std::abort();
    const Einstellungen wieder = EinstellungenAusIni(IniDatei::AusText(geschrieben));
    if (!(wieder == e)) std::abort();
    return 0;
}
