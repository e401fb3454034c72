// A small INI file in the Windows format: "[Section]" lines and "key=value"
// lines. Section and key names compare without regard to case. Writing a key
// replaces its value in place or appends it to its section, so comments,
// unknown keys and the order of the file survive a read-write round trip
// byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel {

// What a load found.
enum class IniZustand {
    Gelesen,      // the whole file
    Fehlt,        // no file of that name
    Teilweise,    // longer than the reader takes: the lines of its beginning
    NichtLesbar,  // there, but unreadable or no regular file
};

class IniDatei {
  public:
    // The most a load reads of a file; a longer one is read up to its last
    // complete line within this.
    static constexpr std::size_t HoechsteGroesse = 1024 * 1024;

    // A UTF-8 byte-order mark at the start is kept apart and written back.
    static IniDatei AusText(std::string_view text);
    // Loads the file; false (and an empty object) when nothing could be read.
    bool Laden(const std::string& pfad);
    IniZustand Zustand() const { return zustand_; }
    std::string Text() const;
    // Writes through a temporary file and renames it, so a failed write never
    // leaves half a settings file behind.
    bool Speichern(const std::string& pfad) const;

    bool HatSektion(std::string_view sektion) const;
    // The value with surrounding blanks removed (and one pair of surrounding
    // quotes, as Windows does), or nothing when the key is missing.
    std::optional<std::string> Wert(std::string_view sektion, std::string_view schluessel) const;
    void Setze(std::string_view sektion, std::string_view schluessel, std::string_view wert);
    // A text value in quotes when its blanks at either end or a pair of
    // surrounding quotes would otherwise be lost on reading it back.
    void SetzeText(std::string_view sektion, std::string_view schluessel, std::string_view wert);

    std::string LiesText(std::string_view sektion, std::string_view schluessel,
                         std::string_view vorgabe) const;
    // Decimal, or "$" / "0x" followed by hex digits; anything else gives the default.
    long long LiesGanzzahl(std::string_view sektion, std::string_view schluessel,
                           long long vorgabe) const;
    // A number other than 0 is true.
    bool LiesBool(std::string_view sektion, std::string_view schluessel, bool vorgabe) const;
    // Decimal comma or decimal point.
    double LiesZahl(std::string_view sektion, std::string_view schluessel, double vorgabe) const;

  private:
    struct Zeile {
        std::string text;        // the line as read, without its line break
        std::string sektion;     // for "[...]" lines: the section name; else empty
        std::string schluessel;  // for key lines: the key; else empty
        bool istSektion = false;
    };
    std::vector<Zeile> zeilen_;
    std::string zeilenende_ = "\n";
    bool endetMitUmbruch_ = true;
    bool bom_ = false;
    IniZustand zustand_ = IniZustand::Fehlt;
};

// Parsing helpers, shared with the settings record.
std::optional<long long> GanzzahlAusText(std::string_view s);
std::optional<double> ZahlAusText(std::string_view s);
// Shortest text of a number with the decimal comma ("1,5", "2", "-0,25").
std::string ZahlZuText(double x);

}  // namespace quarnel
