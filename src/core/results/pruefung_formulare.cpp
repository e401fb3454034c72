// The rules on what the printed return declares beyond the entries: an annex
// ticked on the persons page that the return does not print, and persons
// with a disability beyond the two of main form page 4.
#include "print/formular.h"
#include "print/formularauswahl.h"
#include "results/pruefung_regeln.h"

namespace quarnel::pruefregeln {

namespace {

constexpr int BefundAnlageOhneDaten = 610;
constexpr int BefundFortsetzungsblatt = 611;
constexpr int SeitePersonen = 11;
constexpr int SeiteBehinderung = 131;

}  // namespace

void FormularRegeln(const Sicht& s, Befundtabelle& t) {
    for (const std::string& anlage : AngekreuzteAnlagenOhneDaten(s.r))
        t.Anhaengen(SeitePersonen, BefundAnlageOhneDaten, anlage);
    std::string namen;
    for (const std::string& n : FortsetzungsblattPersonen(s.r))
        namen += (namen.empty() ? "" : ", ") + (n.empty() ? std::string("?") : n);
    if (Fortsetzungsblatt14Noetig(s.r)) t.Anhaengen(SeiteBehinderung, BefundFortsetzungsblatt, namen);
}

}  // namespace quarnel::pruefregeln
