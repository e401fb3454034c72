// The 17 areas of a case and their pages, with the names the navigator shows.
// A new case marks a page as existing from these names.
#pragma once

#include <string_view>

namespace quarnel {

// Name of area 1..17 (UTF-8); empty for any other number.
std::string_view BereichName(int bereich);
// Name of page 1..15 of an area (UTF-8); empty where the page does not exist.
// Page 0 stands for the area itself and has the area's name.
std::string_view SeitenName(int bereich, int seite);
// The edition has this area / page (its name is not blank / longer than one character).
bool BereichVorhanden(int bereich);
bool SeiteVorhanden(int bereich, int seite);
// The entry page class that the main window opens for (area, page), such as
// "TF_NSA"; empty where no page exists (and for the what-if window of area 17
// page 1, which is no entry page). The official form sheet and the help page
// of a page are FormularblattFuer and SeitenHilfeNummer (shell/anzeige.h).
std::string_view SeitenKlasse(int bereich, int seite);

}  // namespace quarnel
