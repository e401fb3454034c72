// The layout tables of the pages are text (src/gui/pages/tafeln/*.txt), built
// into the program and read once at start-up. One record a line, its fields
// separated by tabs:
//   seite <class>             begins the page of catalogue class <class>
//   titel|reiter|unterreiter|maske|koepfe|radio|ehegatte <text>
//                             the descriptor's text of that name
//   blatt <number>            the form sheet the page prints from
//   feld <id> [mask] [min] [max] [anzeige|ohne|gesperrt] [caption]
//   [<tab>]                   the rows and buttons below stand on this tab
//   kopf <caption>            a heading row ("|Betrag|Ehegatte": column headings)
//   zeile [caption] <ids> [rank]
//   knopf <name> <text> [list] [field] [title] [help page] [person]
//                             a button at the tab's foot; with a list number it
//                             opens that list for amount field <field> ("person":
//                             list and title of the page's person)
// An empty field is absent; a field in double quotes keeps the blanks at its
// ends ("" is an empty text); \n stands for a line break, \\ for a backslash.
// Lines beginning with # are comments.
#pragma once

#include <cstddef>
#include <deque>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pages/seitenbau.h"

namespace quarnel::gui {

// The layout of one page as read: its descriptor points into the texts and
// rows held here, so a table stays where it was read.
struct Seitentafel {
    Seitentafel() = default;
    Seitentafel(const Seitentafel&) = delete;
    Seitentafel& operator=(const Seitentafel&) = delete;

    Seitenbeschreibung beschreibung;
    std::deque<std::string> texte;
    std::vector<FeldZusatz> zusatz;
    std::vector<Zeilenplan> zeilen;
    std::vector<Knopfplan> knoepfe;
};
using Seitentafeln = std::map<std::string, Seitentafel, std::less<>>;

// Reads the tables of `text` into `ziel`; each fault a message
// "<datei>:<line>: ...": a line that does not read is passed over, and every
// id must name a field of the page's class, every [tab] one the page shows
// (its tabs stand above its rows).
std::vector<std::string> TafelnLesen(std::string_view text, std::string_view datei,
                                     Seitentafeln& ziel);

// A table file built into the program.
struct TafelText {
    const char* datei;
    const unsigned char* daten;
    std::size_t groesse;
};
std::span<const TafelText> EingebauteTafelTexte();  // generated at build time

// The built-in tables, read on first use, and the faults found in them
// (a test keeps them empty).
const Seitentafeln& EingebauteTafeln();
const std::vector<std::string>& TafelFehler();

}  // namespace quarnel::gui
