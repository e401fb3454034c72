// How a caption reads aloud, for the explanation's names and the screen
// reader's names of the pages' fields alike.
#pragma once

#include <string>
#include <string_view>

namespace quarnel {

// A caption as a reader says it (UTF-8): without its accelerator ("&&" stays
// one "&"), runs of blanks and line breaks as one blank, without a closing
// colon or run of dots ("Liste...."; "Stpfl." keeps its point).
std::string Sprechtext(std::string_view beschriftung);

// The person of a column, after a row's caption: " – Stpfl./Ehemann" or
// " – Ehefrau".
std::string_view PersonenZusatz(bool ehefrau);

}  // namespace quarnel
