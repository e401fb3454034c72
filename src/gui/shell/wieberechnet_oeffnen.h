// "Wie berechnet?" of the result window for the open case of the main
// window: the case computed with the recording on, the window of the tree,
// and the way from an entry leaf back to its page and field.
#pragma once

namespace quarnel::gui {

class TF_GlobMain;
struct ErgebnisDienste;

void WieBerechnetAnbinden(TF_GlobMain& haupt, ErgebnisDienste& dienste);

}  // namespace quarnel::gui
