// What every command of quarnel-cli shares: reading a case file under its
// password, writing an output file, and messages that are safe on a terminal.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "befehle.h"
#include "case/falldatei.h"
#include "case/passwort.h"
#include "case/sicherung.h"
#include "case/zeichensatz.h"

namespace quarnel::cli {
namespace {

std::optional<std::string>& Passwort() {
    static std::optional<std::string> p;
    return p;
}

// The message of a case that does not read, with its newest readable backup.
int Unlesbar(const std::string& text, const std::string& pfad) {
    std::string t = text;
    if (const auto s = NeuesteLesbareSicherung(pfad))
        t += "\nLetzte lesbare Sicherung (" + SicherungsZeit(*s) + "): " + *s;
    return Fehler(t);
}

}  // namespace

void PasswortVorgeben(std::optional<std::string> passwort) {
    Passwort() = std::move(passwort);
}

const std::optional<std::string>& VorgegebenesPasswort() {
    return Passwort();
}

int Fehler(const std::string& text) {
    std::fprintf(stderr, "quarnel-cli: %s\n", OhneSteuerzeichen(text).c_str());
    return 2;
}

int Misserfolg(const std::string& text) {
    Fehler(text);
    return 1;
}

int FallbildLesen(const std::string& pfad, std::vector<uint8_t>& abbild) {
    if (VolleEndung(pfad) != "S01")
        return Fehler("Fehler: Nur Dateien mit der Endung (.S01) können gelesen werden: " + pfad);
    const Dateipruefung p = DateiPruefen(pfad);
    if (p == Dateipruefung::NichtLesbar) return Fehler("Datei nicht lesbar: " + pfad);
    if (p == Dateipruefung::Ungueltig)
        return Unlesbar("Die ausgewählte Datei ist keine gültige Datendatei! (" + pfad + ")", pfad);
    if (!DateiLesenIn(pfad, FallDateiGroesse, abbild) || abbild.size() != FallDateiGroesse)
        return Unlesbar("Schwerer Lesefehler - Datendatei eventuell unbrauchbar (" + pfad + ")",
                        pfad);
    // The case password guards every command that reads the case.
    CaseRecord satz;
    std::copy_n(abbild.begin(), CaseRecord::Groesse, satz.Bytes().begin());
    const std::string gespeichert = satz.Text(Feld::FallPasswort);
    if (PasswortGetrimmt(gespeichert).empty()) return 0;
    if (!Passwort())
        return Fehler("Fall ist durch ein Passwort geschützt; --passwort angeben");
    const std::string cp = Utf8ZuCp1252(Passwort()->substr(0, 4 * PasswortEingabeLaenge));
    if (!PasswortPasst(cp.substr(0, PasswortEingabeLaenge), gespeichert))
        return Fehler("Ungültiges Passwort");
    return 0;
}

int FallLesen(const std::string& pfad, CaseRecord& satz) {
    std::vector<uint8_t> abbild;
    if (const int code = FallbildLesen(pfad, abbild); code != 0) return code;
    std::copy_n(abbild.begin(), CaseRecord::Groesse, satz.Bytes().begin());
    return 0;
}

int AusgabeSichern(const std::string& pfad, std::span<const uint8_t> daten) {
    const Speicherfehler f = AusgabeSchreiben(pfad, daten);
    if (f == Speicherfehler::Keiner) return 0;
    std::string text = SpeicherfehlerText(f, pfad);
    if (f == Speicherfehler::Schreibfehler)
        text = "Die Ausgabe konnte nicht vollständig geschrieben werden (Datenträger voll?), "
               "eine vorhandene Datei bleibt unverändert: " + pfad;
    return Misserfolg(text);
}

int AusgabeSichern(const std::string& pfad, std::string_view text) {
    return AusgabeSichern(pfad, {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

}  // namespace quarnel::cli
