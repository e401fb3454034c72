// A result text as a reader takes it in, not as it is drawn: headings, rows
// of a table (a caption and its amounts, or the cells of a boxed table) and
// lines of text. Rules, borders and dot leaders fall away; letter-spaced
// headings close up. The fixed-width lines stay what is printed and saved.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "results/ergebnistext.h"

namespace quarnel {

struct Baustein {
    enum Art : uint8_t { Ueberschrift, Text, Zeile, Spaltenkopf };
    Art art;
    // UTF-8. A heading or text: one cell. A row: its caption, then its
    // amounts or cells ("" for an empty column). Column headings: "" over the
    // captions, then the heading of each amount column ("Einkommensteuer DM").
    std::vector<std::string> zellen;
};

// One line read on its own (Windows-1252), as the writer did not say more
// of it; nothing for an empty line or a rule.
std::vector<Baustein> ZeileGliedern(std::string_view zeile);

// The whole text: the rows the writer wrote as amount rows keep their
// columns (an empty spouse's column stays empty); every other line is read
// on its own. Column headings written over two lines ("Einkommen-" over
// "steuer DM", "Ehemann  Ehefrau" over "DM  DM") become one row of headings.
std::vector<Baustein> Gliedern(const Ergebnistext& text);

}  // namespace quarnel
