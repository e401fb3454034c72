// The help pages: names resolved to files, links of the pages sorted by what
// may be done with them, and the history of the help viewer.
//
// Nothing a help page links to is ever run as a program or handed to a
// shell: mail and web addresses go to the desktop services, media and other
// files open with the desktop's viewer only after the user agreed, program
// links are refused.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel {

// Where help files are looked up: the check report's per-user place first,
// then the help directory of the installation.
struct HilfeOrte {
    std::string hilfe;    // help directory, with a trailing '/'
    std::string bericht;  // directory of the check report ("HTM….htm"), may be empty
};

// Longest help name or link that is looked at; longer ones are refused.
inline constexpr std::size_t MaxHilfeLinkLaenge = 2048;

// "std\seite0" -> "std/seite0.htm": backslashes become slashes, ".htm" is
// appended unless the upper-cased name holds ".HTM". Nothing for a name that
// is empty, absolute, overlong, holds a NUL or climbs out with "..".
std::optional<std::string> HilfeRelativPfad(std::string_view name);

// The file below `basis` (trailing '/') for the relative path: the exact
// path when it exists, else the first entry of each directory level that
// matches ignoring ASCII case. Nothing when no file matches.
std::optional<std::string> DateiOhneGrossKlein(const std::string& basis, std::string_view relativ);

// The file of a help name: a check report ("HTM….htm", any folder in the
// name) from the report place first, then the help directory.
std::optional<std::string> HilfeAufloesen(const HilfeOrte& orte, std::string_view name);

// True when `pfad` lies inside one of the two places (after resolving "..").
bool InHilfeOrten(const HilfeOrte& orte, const std::string& pfad);

// --- links ------------------------------------------------------------------------------

enum class LinkArt {
    Mail,          // "mailto:" -> desktop services
    Web,           // "http:" / "https:" -> desktop services
    Fremdadresse,  // any other address ("javascript:", "ftp:", …): refused
    Anker,         // "#F1103" inside the shown page
    Seite,         // a help page (".htm"/".html"), with or without anchor
    Klang,         // ".wav"
    Medien,        // ".mid", ".avi" and other harmless files: the desktop's viewer, after asking
    Programm,      // ".exe" and every other runnable kind: refused
    Ungueltig,     // overlong, outside the help places, a missing file, unknown kind
};

struct Verweis {
    LinkArt art = LinkArt::Ungueltig;
    std::string adresse;    // Mail/Web: the address as written
    std::string datei;      // Seite/Klang/Medien: the full file name (relative to the shown page)
    std::string seite;      // Seite: the link before '#', as a name relative to the help directory
    std::string anker;      // Seite/Anker: the anchor without '#', may be empty
    std::string parameter;  // text after the first blank (else after the first '?')
    std::string endung;     // upper-cased extension with the point, at most five characters
};

// Sorts the link text of a help page. `gezeigt` is the full file name of the
// page that shows the link; file links are expanded relative to it.
Verweis VerweisEinordnen(std::string_view link, const std::string& gezeigt, const HilfeOrte& orte);

// True for an address with a scheme of two or more characters ("mailto:…",
// "https://…") that desktop services take as it is; false for a file path,
// which they open as a local file.
bool AdresseMitSchema(std::string_view s);

// --- history of the help viewer ----------------------------------------------------------

// Most recent page first (index 0); at most six pages.
class HilfeVerlauf {
  public:
    static constexpr std::size_t Max = 6;
    struct Eintrag {
        std::string datei;
        std::string anker;
        std::string titel;
    };
    // A newly followed page: the pages ahead of the current one are dropped,
    // the new page becomes entry 0.
    void Besuchen(Eintrag e);
    void TitelSetzen(std::string titel);  // title of the current entry, once loaded
    bool VorMoeglich() const { return index_ > 0; }
    bool ZurueckMoeglich() const { return index_ + 1 < eintraege_.size(); }
    const Eintrag* Vor();      // the entry before the current one, or null
    const Eintrag* Zurueck();  // the entry after the current one, or null
    const Eintrag* Aktuell() const;
    std::size_t Index() const { return index_; }
    const std::vector<Eintrag>& Eintraege() const { return eintraege_; }

  private:
    std::vector<Eintrag> eintraege_;
    std::size_t index_ = 0;
};

}  // namespace quarnel
