// The current result text: the lines of the notice (or another result text)
// and the table of blocks that must stay together on one printed page.
// Producers fill it line by line; the result window shows it, the result
// print job lays it out, the text file is written from it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quarnel {

// One line each, Windows-1252 bytes, at most 80 of them.
using ResultLines = std::vector<std::string>;

// Indexed by line number: line number n is ResultLines[n - 1]. Entry n > 0
// says that the block beginning with line n has that many lines (its blank
// lines included) and should not be split across pages. Entry 0 is unused;
// line numbers from 999 on share entry 999.
struct KeepTogether {
    static constexpr int Groesse = 1001;
    static constexpr int LetzteNummer = 999;
    std::array<uint8_t, Groesse> eintrag{};

    void Leeren() { eintrag.fill(0); }
    // The block length that begins at the line with 0-based index i of
    // ResultLines; 0 for no block, and for an index past the table.
    int BlockAbIndex(std::size_t i) const {
        return i + 1 < std::size_t(LetzteNummer) ? eintrag[i + 1] : 0;
    }
};

// What a writer knows of one line beyond its text: an amount row's caption
// and amounts (Windows-1252; "" for a column left empty).
struct Zeilenform {
    bool betrag = false;
    std::string label;
    std::vector<std::string> betraege;
};

// What one result producer leaves behind.
struct Ergebnistext {
    ResultLines zeilen;
    KeepTogether bloecke;
    std::vector<Zeilenform> formen;  // by line, as far as the writer says
    void Leeren() {
        zeilen.clear();
        bloecke.Leeren();
        formen.clear();
    }
};

}  // namespace quarnel
