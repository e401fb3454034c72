// Opens the window "Bescheid prüfen" for the open case of the main window:
// the notice is read from and stored into its list record of the work file,
// the comparison and the letter go to the result window.
#pragma once

namespace quarnel::gui {

class TF_GlobMain;
struct ShellDienste;

void BescheidPruefenOeffnen(TF_GlobMain& haupt, const ShellDienste& dienste);

}  // namespace quarnel::gui
