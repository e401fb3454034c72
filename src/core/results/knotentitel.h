// The names a user reads in the explanation of a figure: an entry by the
// caption of its field on the page (with the person of its column and the
// page), a parameter by what the table says of it, a result by the line of
// the notice or, without one, by its rule. The internal names stay for
// scripts and for pairing two trees.
#pragma once

#include <string>
#include <string_view>

#include "calc/erklaerung.h"

namespace quarnel {

// "Bruttoarbeitslohn – Stpfl./Ehemann (Lohn, Anlage N)": the caption of the
// catalogue field an input of the computation is filled from (UTF-8).
std::string EingabeTitel(std::string_view eingabe, std::string_view katalogfeld);
// "Arbeitnehmer-Pauschbetrag": the purpose of the row of the parameter table.
std::string ParameterTitel(std::string_view name);
// The paragraph of the row of the parameter table ("" for no row).
std::string_view ParameterParagraph(std::string_view name);
// A result: the notice's line where there is one, else its rule, for one
// person with the column's person.
std::string ErgebnisTitel(std::string_view ergebnis, const Rechenregel* regel);

// The name of a node: the step's result, or the value as its parent used it.
std::string KnotenTitel(std::string_view name, const Rechenschritt* schritt,
                        const Wertangabe& angabe);
std::string KnotenTitel(const Erklaerknoten& k);

}  // namespace quarnel
