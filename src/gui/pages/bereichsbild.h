// The pictures of the entry pages: one per area (and one for the vehicle
// page), drawn once and kept for the run.
#pragma once

#include <QPixmap>

namespace quarnel::gui {

// The picture of (area, page); a null picture for area 0.
QPixmap Bereichsbild(int bereich, int seite);

}  // namespace quarnel::gui
