// Any byte sequence as a case file, a previous-year file or a JSON import:
// the signature test, the open (with the password prompt and the conversion),
// the export and import must neither crash nor leave a partial case. The
// first byte picks the road; the rest is the file or the JSON text.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "case/fallbefehle.h"
#include "case/feldwerte.h"

using namespace quarnel;

namespace {

class KeineDialoge : public DateiDialoge {
  public:
    std::optional<std::string> Oeffnen(const DateiDialogAnfrage&) override { return std::nullopt; }
    std::optional<std::string> Speichern(const DateiDialogAnfrage&) override {
        return std::nullopt;
    }
};

class EinVersuch : public PasswortAbfrage {
  public:
    std::optional<std::string> Eingabe() override {
        auto e = eingabe;
        eingabe.reset();
        return e;
    }
    std::optional<std::string> eingabe;
};

struct Umgebung {
    std::string verzeichnis;
    std::unique_ptr<TemporaereDateien> tmp;
    MeldungsSenke senke;
    KeineDialoge dialoge;
    EinVersuch passwort;
    std::unique_ptr<Fallverwaltung> fv;
    Umgebung() {
        char muster[] = "/tmp/fuzzfallXXXXXX";
        verzeichnis = ::mkdtemp(muster);
        tmp = std::make_unique<TemporaereDateien>(verzeichnis);
        fv = std::make_unique<Fallverwaltung>(senke, dialoge, tmp->Arbeitsdatei());
        fv->SetzePasswortAbfrage(&passwort);
        fv->ArbeitsdateiAnlegen();
    }
    ~Umgebung() {
        fv.reset();
        tmp.reset();
        std::remove((verzeichnis + "/f.S00").c_str());
        std::remove((verzeichnis + "/f.S01").c_str());
        ::rmdir(verzeichnis.c_str());
    }
};

void Pruefe(bool b) {
    if (!b) std::abort();
}

void Schreibe(const std::string& pfad, const uint8_t* d, std::size_t n) {
    FILE* f = std::fopen(pfad.c_str(), "wb");
    if (!f) std::abort();
    if (n) std::fwrite(d, 1, n, f);
    std::fclose(f);
}

// Export then import gives the same record fields back.
void ExportRundlauf(const CaseRecord& r) {
    std::string json = FallExportieren(r);
    auto zurueck = std::make_unique<CaseRecord>();
    NeuerFallDatensatz(*zurueck);
    auto fehler = FallImportieren(json, *zurueck);
    // Amounts that are not numbers travel as null (the new-case value); choices
    // outside their list are refused by the import.
    if (!fehler && json.find(": null") == std::string::npos)
        Pruefe(FallExportieren(*zurueck) == json);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static Umgebung u;
    if (size == 0) return 0;
    const uint8_t weg = data[0] % 4;
    ++data, --size;
    u.senke.protokoll.clear();

    if (weg == 0) {
        auto r = std::make_unique<CaseRecord>();
        NeuerFallDatensatz(*r);
        auto vorher = std::make_unique<CaseRecord>(*r);
        auto fehler = FallImportieren(std::string(reinterpret_cast<const char*>(data), size), *r);
        if (fehler)
            Pruefe(*r == *vorher);  // all or nothing
        else
            ExportRundlauf(*r);
        return 0;
    }

    // Roads 1 and 2 make a file of the exact size from the input; road 3 takes it as it is.
    std::vector<uint8_t> datei(data, data + size);
    const bool vorjahr = weg == 2 || (weg == 3 && size % 2);
    if (weg != 3) datei.resize(vorjahr ? VorjahrDateiGroesse : FallDateiGroesse, 0);
    if (weg != 3 && size > 0) u.passwort.eingabe = std::string(1, static_cast<char>(data[0]));
    const std::string pfad = u.verzeichnis + (vorjahr ? "/f.S00" : "/f.S01");
    Schreibe(pfad, datei.data(), datei.size());

    DateiGueltig(pfad);
    auto satzVorher = std::make_unique<CaseRecord>(u.fv->Satz());
    auto arbeitVorher = DateiLesen(u.tmp->Arbeitsdatei(), FallDateiGroesse);
    auto ergebnis = u.fv->FallLesen(pfad, vorjahr);
    auto arbeitNachher = DateiLesen(u.tmp->Arbeitsdatei(), FallDateiGroesse);
    Pruefe(arbeitNachher && arbeitNachher->size() == FallDateiGroesse);
    if (ergebnis == Fallverwaltung::Lesen::Fehler) {
        Pruefe(u.fv->Satz() == *satzVorher);
        Pruefe(arbeitVorher == arbeitNachher);
    } else {
        // The work file holds exactly the case in memory.
        Pruefe(std::equal(u.fv->Satz().Bytes().begin(), u.fv->Satz().Bytes().end(),
                          arbeitNachher->begin()));
        ExportRundlauf(u.fv->Satz());
    }
    return 0;
}
