// The hint on the assessment: where the couple may choose another assessment
// (§§ 26 to 26c EStG) that costs less than the one chosen, the check names
// both burdens and the saving.
#include <string>

#include "case/zeichensatz.h"
#include "results/pruefung_regeln.h"
#include "results/veranlagung.h"
#include "shell/anzeige.h"

namespace quarnel::pruefregeln {
namespace {

constexpr int BefundVeranlagungTeurer = 612;
constexpr int SeitePersonen = 11;

}  // namespace

void VeranlagungRegel(const Sicht& s, Befundtabelle& t) {
    if (!VeranlagungWaehlbar(s.r)) return;
    const VeranlagungsVergleich v = VeranlagungVergleichen(s.r, false);
    if (!(v.ersparnis > 0.005)) return;
    double gewaehlt = 0, empfohlen = 0;
    for (const VeranlagungsLast& l : v.arten) {
        if (l.art == v.gespeichert) gewaehlt = l.gesamt;
        if (l.art == v.empfohlen) empfohlen = l.gesamt;
    }
    t.Anhaengen(SeitePersonen, BefundVeranlagungTeurer,
                Utf8ZuCp1252(std::string("Gewählt: ") + VeranlagungsartText(v.gespeichert) + " " +
                             BetragDM(gewaehlt) + "; günstiger: " +
                             VeranlagungsartText(v.empfohlen) + " (" +
                             VeranlagungsartParagraph(v.empfohlen) + ") " +
                             BetragDM(empfohlen) + "; Ersparnis " +
                             BetragDM(v.ersparnis)));
}

}  // namespace quarnel::pruefregeln
