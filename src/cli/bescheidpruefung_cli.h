// The PDF output of a result text for quarnel-cli: set by the commands that
// draw pages (built with the GUI library), empty without them.
#pragma once

#include <string>

#include "results/ergebnistext.h"

namespace quarnel::cli {

using ErgebnisPdfSchreiber = bool (*)(const Ergebnistext& text, const std::string& pfad);
ErgebnisPdfSchreiber& ErgebnisPdf();

}  // namespace quarnel::cli
