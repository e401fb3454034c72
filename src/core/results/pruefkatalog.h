// The check catalogue "Quar01.prf": text and level of every finding number.
//
// A header line starts with ';'; columns 2-4 hold the finding number, column 6
// the level 1..4 (Tip, Hinweis, Warnung, Fehler). The lines up to the next
// header line are the text of that finding, each used without its leading and
// trailing blanks. An entry ends only at the next header line, so the file
// ends with one more header line. Lines before the first header are ignored.
// The catalogue is Windows-1252 text.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel {

constexpr const char* PruefkatalogName = "Quar01.prf";

enum class Befundstufe : int { Tip = 1, Hinweis = 2, Warnung = 3, Fehler = 4 };

struct Katalogeintrag {
    int stufe = 0;                    // 1..4; anything else is unusable
    std::vector<std::string> zeilen;  // trimmed text lines, Windows-1252
    bool abgeschlossen = false;       // a header line followed it

    // A finding can be written with this entry.
    bool Brauchbar() const { return stufe >= 1 && stufe <= 4 && abgeschlossen && !zeilen.empty(); }
};

struct Pruefkatalog {
    bool vorhanden = false;  // the file could be read
    // The first entry of each number (a later one with the same number is
    // never reached).
    std::map<int, Katalogeintrag> eintraege;

    // The usable entry of a number, or nothing.
    const Katalogeintrag* Eintrag(int nummer) const;
    // What is wrong with the entry of a number, in German; empty when usable.
    std::string Mangel(int nummer) const;
};

// Reads the catalogue from its bytes.
Pruefkatalog PruefkatalogLesen(std::string_view inhalt);
// Reads the file; a catalogue that is not there (vorhanden false) when it
// cannot be read.
Pruefkatalog PruefkatalogLaden(const std::string& pfad);

}  // namespace quarnel
