// Opens the window "Veranlagungsarten vergleichen" for the open case of the
// main window; taking over a choice marks the case changed, brings the open
// pages up to date and computes again.
#pragma once

namespace quarnel::gui {

class TF_GlobMain;

// True when a choice of assessment was taken over into the case.
bool VeranlagungVergleichOeffnen(TF_GlobMain& haupt);

}  // namespace quarnel::gui
