// Seams for the file dialogs, the clock and the desktop services, so that
// commands run without widgets in tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quarnel {

struct DateiDialogAnfrage {
    std::string titel;
    std::string filter;           // "Steuer 2001   (*.S01)|*.S01|..." as the program writes it
    int filterIndex = 1;          // 1-based entry of the filter
    std::string standardEndung;   // without the point, e.g. "S01"
    std::string verzeichnis;      // initial directory
    std::string dateiname;        // proposed name
};

class DateiDialoge {
public:
    virtual ~DateiDialoge() = default;
    // The chosen path, or nothing when cancelled. Open requires an existing
    // file; save asks before it overwrites one.
    virtual std::optional<std::string> Oeffnen(const DateiDialogAnfrage& a) = 0;
    virtual std::optional<std::string> Speichern(const DateiDialogAnfrage& a) = 0;
};

struct Zeitpunkt {
    int jahr = 2001, monat = 1, tag = 1, stunde = 0, minute = 0, sekunde = 0;
};

class Uhr {
public:
    virtual ~Uhr() = default;
    virtual Zeitpunkt Jetzt() const = 0;
};

class DesktopDienste {
public:
    virtual ~DesktopDienste() = default;
    // Opens a file or URL with the desktop's default viewer; never a shell.
    virtual bool Oeffnen(const std::string& pfadOderUrl) = 0;
};

}  // namespace quarnel
