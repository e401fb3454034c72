// Which page class the main window opens for an area and page, and the main
// window's side of the page environment.
#pragma once

#include "pages/tform11.h"

namespace quarnel::gui {

class TF_GlobMain;

// The page of (area, page), or null when this edition has none yet.
TForm11* SeiteErzeugen(Seitenumgebung& u, int bereich, int seite);

// Lends the main window's case, messages and page area to the pages and
// installs the page table and the marital-status query in `h.fall`.
void SeitenAnbinden(TF_GlobMain& h);

}  // namespace quarnel::gui
