// The user settings of the program ("Quar01.ini"): read once at start-up,
// changed by the configuration dialog and a few windows, written back
// completely at exit.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "case/sicherung.h"
#include "shell/ini.h"

namespace quarnel {

inline constexpr const char* EinstellungsDateiName = "Quar01.ini";
inline constexpr std::size_t MaxSchriftName = 30;  // characters
inline constexpr std::size_t MaxDatenPfad = 255;   // characters

struct SchriftWahl {
    std::string name;  // UTF-8, at most MaxSchriftName characters
    int groesse = 10;  // points
    bool fett = false;
    bool kursiv = false;
    bool unterstrichen = false;
    bool operator==(const SchriftWahl&) const = default;
};

// Colours are kept as the settings file writes them: 0x00BBGGRR.
struct Einstellungen {
    // [Start]
    bool tips = true;
    int lfdTip = 0;
    bool schriftzugFenster = true;
    bool hinterBild = true;
    uint32_t hintergrund = 0x00FFFFFF;
    uint32_t auswahlFenster = 0x00808080;
    bool insert = true;
    bool lfdBerechnung = true;
    int deltaFontSizeTab = 0;
    int artLaufschrift = 0;
    bool eingangsFenster = true;
    bool navigatorFullExpand = false;
    bool internetBrowser = false;
    // [Form]
    int links = 0, oben = 0, weite = 0, screenweite = 0;
    // [Ergebnis]
    bool imFenster = true;
    bool speichernAnsi = true;
    bool speichernUtf8 = false;  // wins over speichernAnsi
    bool ergebAmtlBesch = true;
    // [Druck]
    double linksRand = 1.5, obenRand = 2.0, untenRand = 0.0;
    // [Font], [FormFont], [Viewer]
    SchriftWahl druckSchrift{"Courier New", 10, false, false, false};
    SchriftWahl formSchrift{"Arial", 11, true, false, false};
    SchriftWahl viewerSchrift{"Courier New", 10, false, false, false};
    bool wastebereich = false;
    // [FormDrk]
    bool formDuplex = false;
    bool formUnterlegte = true;
    bool formMitVoranzeige = false;
    int alleRechts = 0, alleUnten = 0;
    struct Verschiebung {
        int rechts = 0, unten = 0;
        bool operator==(const Verschiebung&) const = default;
    };
    std::array<Verschiebung, 20> formVerschiebung{};  // form sheets 01..20
    int formSkalierung = 100;
    // [App1]
    std::string letztDatenPfad;
    int sicherungen = SicherungenVorgabe;  // backups each save of a case keeps

    bool operator==(const Einstellungen&) const = default;
};

// The form-printing values of a first run, without any settings file.
void ErststartWerteSetzen(Einstellungen& e);

// Reads every key; a missing key gives its default. Values out of their
// range are clamped (the form shifts to -100..100 mm, the scale to 10..400 %),
// texts that are no UTF-8 are read as Windows-1252.
Einstellungen EinstellungenAusIni(const IniDatei& ini);
// Writes every key into the file image in the order of the settings file.
void EinstellungenInIni(const Einstellungen& e, IniDatei& ini);

// Reads "Quar01.ini" at `pfad`; when it does not exist the defaults and the
// first-run values apply. `vorhanden` tells which case it was.
Einstellungen EinstellungenLesen(const std::string& pfad, bool* vorhanden = nullptr);
// Writes all keys into the file at `pfad`, keeping foreign lines of an
// existing file. False when the file could not be written, and when it could
// not be read whole: such a file is left as it is.
bool EinstellungenSchreiben(const std::string& pfad, const Einstellungen& e);

// Colour value as the file writes it: "$" and ten hex digits.
std::string FarbeZuText(uint32_t farbe);
// The first `n` characters of a UTF-8 text.
std::string ZeichenBegrenzen(const std::string& utf8, std::size_t n);

}  // namespace quarnel
