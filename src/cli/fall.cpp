// quarnel-cli neu, zeige, setze, export, import, vorjahr: cases built and read
// from scripts. A command that fails leaves the case file as it was.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "befehle.h"
#include "case/fallbefehle.h"
#include "case/falldatei.h"
#include "case/feldwerte.h"
#include "case/vorjahr.h"
#include "pages/eingabefolgen.h"
#include "case/zeichensatz.h"
#include "shell/dienste.h"
#include "shell/einstellungen.h"
#include "shell/meldung.h"
#include "shell/verzeichnisse.h"

namespace quarnel::cli {
namespace {

constexpr std::size_t kHoechstensJson = 16 * 1024 * 1024;

struct Fall {
    std::unique_ptr<CaseRecord> satz = std::make_unique<CaseRecord>();
    std::vector<uint8_t> abbild;
};

bool IstS01(const std::string& pfad) {
    return VolleEndung(pfad) == "S01";
}

// Reads a current case file (asking its password), or prints why not.
std::optional<Fall> Laden(const std::string& pfad, int& code) {
    Fall f;
    code = FallbildLesen(pfad, f.abbild);
    if (code != 0) return std::nullopt;
    std::copy_n(f.abbild.begin(), CaseRecord::Groesse, f.satz->Bytes().begin());
    return f;
}

// How long a writer waits for another one that holds the case file.
constexpr int kWartenMs = 2000;

// Locks an existing case file for a read-modify-write; 0, or the exit code
// after the reason was printed. A missing file is left to the read.
int Sperren(const std::string& pfad, Dateisperre& sperre) {
    if (sperre.Nehmen(pfad, kWartenMs) == Speicherfehler::Gesperrt) {
        Fehler(SpeicherfehlerText(Speicherfehler::Gesperrt, pfad));
        return 1;
    }
    return 0;
}

// Writes the case; with `sperre` the file was read under that lock, without
// one the file must be new.
int Sichern(const std::string& pfad, Fall& f, Dateisperre* sperre) {
    std::copy(f.satz->Bytes().begin(), f.satz->Bytes().end(), f.abbild.begin());
    Schreibart art;
    art.sperre = sperre;
    art.nurNeu = sperre == nullptr;
    // As many backups of the replaced file as the program's settings ask for.
    art.sicherungen =
        EinstellungenLesen(
            VerzeichnisseBestimmen(VerzeichnisQuellenDesProzesses(), false).EinstellungsDatei())
            .sicherungen;
    const Speicherfehler fehler = Ersetzen(pfad, f.abbild, art);
    if (fehler == Speicherfehler::Keiner) return 0;
    std::string text = SpeicherfehlerText(fehler, pfad);
    if (fehler == Speicherfehler::Schreibfehler) text += " (" + pfad + ")";
    Fehler(text);
    return 1;
}

Fall NeuerFallImSpeicher() {
    Fall f;
    auto notizen = std::make_unique<Notizblock>();
    auto liste = std::make_unique<Listensatz>();
    f.abbild = NeuesAbbild(*f.satz, *notizen, *liste);
    return f;
}

bool Existiert(const std::string& pfad) {
    return DateiPruefen(pfad) != Dateipruefung::NichtLesbar;
}

int Neu(const std::vector<std::string>& args) {
    if (args.size() != 1) return Fehler("Aufruf: neu DATEI.S01");
    if (!IstS01(args[0]))
        return Fehler("Fehler: Nur Dateien mit der Endung (.S01) können gespeichert werden!");
    if (Existiert(args[0]))
        return Fehler("Datei besteht bereits, wird nicht überschrieben: " + args[0]);
    Fall f = NeuerFallImSpeicher();
    return Sichern(args[0], f, nullptr);
}

int Zeige(const std::vector<std::string>& args) {
    if (args.empty()) return Fehler("Aufruf: zeige DATEI [FELD...]");
    int code;
    auto f = Laden(args[0], code);
    if (!f) return code;
    if (args.size() == 1) {
        // Without field names: every field that differs from a new case.
        for (std::size_t i = 0; i < Feldkatalog().size(); ++i) {
            Feld feld = static_cast<Feld>(i);
            for (int e = 1; e <= Def(feld).anzahl; ++e) {
                Feldadresse a{feld, e};
                if (WeichtVomNeuenFallAb(*f->satz, a))
                    std::printf("%s=%s\n", FeldadresseText(a).c_str(),
                                OhneSteuerzeichen(FeldwertText(*f->satz, a)).c_str());
            }
        }
        return 0;
    }
    std::vector<Feldadresse> adressen;
    for (std::size_t i = 1; i < args.size(); ++i) {
        FeldSuche s = FeldAufloesen(args[i]);
        if (!s.adresse) return Fehler(s.fehler);
        adressen.push_back(*s.adresse);
    }
    for (const auto& a : adressen)
        std::printf("%s=%s\n", FeldadresseText(a).c_str(),
                    OhneSteuerzeichen(FeldwertText(*f->satz, a)).c_str());
    return 0;
}

// A note the pages would show about an entry goes to stderr.
void Hinweis(const std::string& text) {
    if (!text.empty()) std::fprintf(stderr, "quarnel-cli: %s\n", text.c_str());
}

int Setze(const std::vector<std::string>& args) {
    if (args.size() < 2) return Fehler("Aufruf: setze DATEI FELD=WERT...");
    Dateisperre sperre;
    int code = Sperren(args[0], sperre);
    if (code != 0) return code;
    auto f = Laden(args[0], code);
    if (!f) return code;
    for (std::size_t i = 1; i < args.size(); ++i) {
        auto gleich = args[i].find('=');
        if (gleich == std::string::npos) return Fehler("FELD=WERT erwartet: " + args[i]);
        FeldSuche s = FeldAufloesen(args[i].substr(0, gleich));
        if (!s.adresse) return Fehler(s.fehler);
        if (auto fehler = FeldwertSetzen(*f->satz, *s.adresse, args[i].substr(gleich + 1)))
            return Fehler(*fehler);
        // what the page derives from the entry (tax table, a child's defaults, ...)
        Hinweis(EingabeFolgen(*f->satz, s.adresse->feld, s.adresse->element));
    }
    return Sichern(args[0], *f, &sperre);
}

int Export(const std::vector<std::string>& args) {
    if (args.size() != 1) return Fehler("Aufruf: export DATEI");
    int code;
    auto f = Laden(args[0], code);
    if (!f) return code;
    std::fputs(FallExportieren(*f->satz).c_str(), stdout);
    return 0;
}

std::optional<std::string> JsonEinlesen(const std::string& pfad) {
    if (pfad == "-") {
        std::string s;
        char puffer[65536];
        std::size_t n;
        while ((n = std::fread(puffer, 1, sizeof puffer, stdin)) > 0) {
            s.append(puffer, n);
            if (s.size() > kHoechstensJson) return std::nullopt;
        }
        return s;
    }
    auto d = DateiLesen(pfad, kHoechstensJson);
    if (!d) return std::nullopt;
    return std::string(d->begin(), d->end());
}

int Import(const std::vector<std::string>& args) {
    if (args.size() != 2) return Fehler("Aufruf: import JSON DATEI.S01");
    auto json = JsonEinlesen(args[0]);
    if (!json) return Fehler("JSON-Datei nicht lesbar oder größer als 16 MB: " + args[0]);
    Fall f;
    Dateisperre sperre;
    const bool vorhanden = Existiert(args[1]);
    if (vorhanden) {
        // The record is rebuilt from a new case; notes and lists of the file stay.
        int code = Sperren(args[1], sperre);
        if (code != 0) return code;
        auto alt = Laden(args[1], code);
        if (!alt) return code;
        f = std::move(*alt);
        NeuerFallDatensatz(*f.satz);
    } else {
        if (!IstS01(args[1]))
            return Fehler("Fehler: Nur Dateien mit der Endung (.S01) können gespeichert werden!");
        f = NeuerFallImSpeicher();
    }
    if (auto fehler = FallImportieren(*json, *f.satz)) return Fehler(*fehler);
    Hinweis(ImportFolgen(*f.satz));
    return Sichern(args[1], f, vorhanden ? &sperre : nullptr);
}

// Messages of the command layer go to stderr; questions get their first button.
class Konsole : public MeldungsSenke {
  public:
    using Meldungen::Zeige;
    Antwort Zeige(const Meldung& m) override {
        std::string t = m.text;
        for (char& c : t)
            if (c == '\r') c = ' ';
        Fehler(t);
        return MeldungsSenke::Zeige(m);
    }
};

class KeineDialoge : public DateiDialoge {
  public:
    std::optional<std::string> Oeffnen(const DateiDialogAnfrage&) override { return std::nullopt; }
    std::optional<std::string> Speichern(const DateiDialogAnfrage&) override {
        return std::nullopt;
    }
};

class FestesPasswort : public PasswortAbfrage {
  public:
    explicit FestesPasswort(std::optional<std::string> p) : p_(std::move(p)) {}
    std::optional<std::string> Eingabe() override {
        auto p = p_;
        p_.reset();  // one try only
        return p;
    }

  private:
    std::optional<std::string> p_;
};

// "alle", "keine", "vorschlag" or entry numbers and ranges such as 4,5,20-33.
std::optional<std::string> PunkteLesen(const std::string& liste, VorjahrAuswahl& a) {
    VorjahrKeine(a);
    if (liste == "alle") {
        VorjahrAlle(a);
        return std::nullopt;
    }
    if (liste == "keine" || liste.empty()) return std::nullopt;
    if (liste == "vorschlag") {
        VorjahrVorschlag(a);
        return std::nullopt;
    }
    std::size_t pos = 0;
    while (pos <= liste.size()) {
        std::size_t ende = liste.find(',', pos);
        if (ende == std::string::npos) ende = liste.size();
        std::string teil = liste.substr(pos, ende - pos);
        int von, bis;
        char rest;
        if (std::sscanf(teil.c_str(), "%d-%d%c", &von, &bis, &rest) == 2) {
        } else if (std::sscanf(teil.c_str(), "%d%c", &von, &rest) == 1) {
            bis = von;
        } else {
            return "ungültige Punkteliste: " + teil;
        }
        if (von < 0 || bis >= VorjahrPunkte || von > bis)
            return "Punkt außerhalb von 0 bis 57: " + teil;
        for (int p = von; p <= bis; ++p) {
            if (VorjahrHakenIndex(p) < 0) {
                if (von == bis)
                    return "Punkt " + std::to_string(p) + " ist eine Überschrift (" +
                           VorjahrPunktDef(p).text + ")";
                continue;  // a range passes over headings
            }
            VorjahrSetzen(a, p, true);
        }
        pos = ende + 1;
    }
    return std::nullopt;
}

int Vorjahr(const std::vector<std::string>& args) {
    std::vector<std::string> dateien;
    std::string punkte;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--punkte" && i + 1 < args.size()) {
            punkte = args[++i];
        } else {
            dateien.push_back(args[i]);
        }
    }
    if (dateien.size() != 2)
        return Fehler("Aufruf: vorjahr ALT.S00 NEU.S01 [--punkte LISTE] [--passwort PW]");
    const std::string& alt = dateien[0];
    const std::string& neu = dateien[1];
    if (VolleEndung(alt) != "S00")
        return Fehler("Fehler: Die Vorjahresdatei muss die Endung .S00 haben: " + alt);
    if (!IstS01(neu))
        return Fehler("Fehler: Nur Dateien mit der Endung (.S01) können gespeichert werden!");
    if (Existiert(neu)) return Fehler("Datei besteht bereits, wird nicht überschrieben: " + neu);
    switch (DateiPruefen(alt)) {
        case Dateipruefung::NichtLesbar:
            return Fehler("Datei nicht lesbar: " + alt);
        case Dateipruefung::Ungueltig:
            return Fehler("Die ausgewählte Datei ist keine gültige Datendatei! (" + alt + ")");
        case Dateipruefung::Gueltig:
            break;
    }
    TemporaereDateien tmp;
    if (!tmp.Angelegt()) return Fehler("temporäre Dateien können nicht angelegt werden");
    Konsole meldungen;
    KeineDialoge dialoge;
    FestesPasswort abfrage(VorgegebenesPasswort());
    Fallverwaltung fv(meldungen, dialoge, tmp.Arbeitsdatei());
    fv.SetzePasswortAbfrage(&abfrage);
    if (auto fehler = PunkteLesen(punkte, fv.Vorjahrauswahl())) return Fehler(*fehler);
    switch (fv.FallLesen(alt, true)) {
        case Fallverwaltung::Lesen::Fehler:
            return 2;
        case Fallverwaltung::Lesen::Gesperrt:
            return Fehler("Fall ist durch ein Passwort geschützt; --passwort angeben");
        case Fallverwaltung::Lesen::Gelesen:
            break;
    }
    return fv.FallSpeichern(neu) ? 0 : 1;
}

const BefehlEintrag kNeu("neu", "neu DATEI.S01", "legt einen neuen Fall an", &Neu);
const BefehlEintrag kZeige("zeige", "zeige DATEI [FELD...]",
                           "zeigt Felder (ohne Angabe: alle, die vom neuen Fall abweichen)",
                           &Zeige);
const BefehlEintrag kSetze("setze", "setze DATEI FELD=WERT...",
                           "setzt Felder, z. B. Vorname[2]=Anna, Betrag=1.234,56, Datum=01.02.2001",
                           &Setze);
const BefehlEintrag kExport("export", "export DATEI",
                            "gibt jedes vom neuen Fall abweichende Feld als JSON aus", &Export);
const BefehlEintrag kImport("import", "import JSON DATEI.S01",
                            "setzt den Fall aus JSON (\"-\" = Standardeingabe); Notizen und Listen "
                            "einer vorhandenen Datei bleiben",
                            &Import);
const BefehlEintrag kVorjahr("vorjahr", "vorjahr ALT.S00 NEU.S01 [--punkte LISTE] [--passwort PW]",
                             "übernimmt einen Vorjahresfall; LISTE: alle, keine, vorschlag oder "
                             "Punkte wie 4,5,20-33 (Vorgabe: keine)",
                             &Vorjahr);

}  // namespace
}  // namespace quarnel::cli
