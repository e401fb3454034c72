// The check of the texts the printed return cuts to fit their boxes. It
// needs the measure of the form font, which only a program that draws pages
// has, so it runs beside the rules of RegelnPruefen, on their table.
#pragma once

#include <string>

#include "print/formular.h"
#include "results/pruefung.h"

namespace quarnel {

// A hint on the persons page for every text that a sheet of the return
// (the automatic selection, with the continuation sheet) must cut.
inline constexpr int BefundGekuerzterText = 613;

// "Hauptvordruck, Seite 4, „Vorname“: the whole text" (Windows-1252): the
// sheet as the form printing lists it, the field's caption, the full text.
std::string GekuerzterTextZusatz(const GekuerzterText& g);

// Appends finding 613 with its text for every cut text of the case `u.fall`.
void GekuerzteTexteMelden(const Formularumgebung& u, const Textmass& mass, Befundtabelle& t);

}  // namespace quarnel
