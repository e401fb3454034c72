// Every help page and field anchor the program addresses, in one place, so
// that the help content can be checked against it ("quarnel-cli hilfenamen").
//
// A help page is named relative to the help directory, with backslashes and
// with or without ".htm" ("std\seite0", "handbuch\2001\index.htm"). The page
// of an entry page is "F" + three digits; inside it the paragraph of a field
// carries the anchor "F" + the four digits of the field number, written as
// <a name="F1103"> (or id="F1103").
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quarnel {

// The fixed pages: the start and result pages of the side view, the pages the
// menus, dialogs and messages open, and the manuals.
std::vector<std::string> FesteHilfeseiten();

// Help numbers of the entry pages the main window opens (area 1..17).
std::vector<int> SeitenHilfeNummern();
// Help numbers of the subordinate pages: lists, depreciation table,
// disability, education, capital list, household help, supported person.
std::vector<int> UnterseitenHilfeNummern();

// "F" + three digits.
std::string HilfeseiteF(int nummer);
// "F" + four digits of a field number.
std::string FeldAnker(int feldNummer);

// Help numbers of the pages that show the fields of a page class
// ("TF_ErSie" -> 11; "TF_WKFahrt" -> 41; "TF_SaFW3" -> 143, 145); empty for
// a class without a help page of its own.
std::vector<int> HilfeNummernDerKlasse(std::string_view seitenKlasse);

struct FeldHilfe {
    std::string seite;  // "F011"
    std::string anker;  // "F1103"
};
// Every field anchor the side view jumps to, with the page it must be in;
// each (page, anchor) once, in catalogue order.
std::vector<FeldHilfe> ProgrammFeldanker();

// All page names: the fixed pages, then "F" + three digits of the entry and
// subordinate pages.
std::vector<std::string> ProgrammHilfeseiten();

// True when the HTML text holds the anchor (name="…" or id="…", any quoting,
// attribute name in any case).
bool HtmlHatAnker(std::string_view html, std::string_view anker);

}  // namespace quarnel
