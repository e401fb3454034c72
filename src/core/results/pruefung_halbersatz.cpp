// The hint on the half average rate: the rate of §34(3) EStG is taken on
// application and has a floor of 19.9 % in 2001; with little other income the
// Fünftelregelung of §34(1) may tax the same gain lower. The rule computes the
// case both ways and names the two amounts of income tax.
#include <algorithm>
#include <memory>
#include <string>

#include "calc/berechnung.h"
#include "calc/deklaration.h"
#include "case/zeichensatz.h"
#include "results/pruefung_regeln.h"

namespace quarnel::pruefregeln {
namespace {

constexpr int BefundHalberSatzTeurer = 179;
constexpr int SeiteGewerbe = 81;
constexpr int SeiteSelbstaendig = 91;

std::string Betrag(double dm) {
    const std::string text = FormatMaske("###.###.###,##", dm);
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

}  // namespace

void HalberSatzRegel(const Sicht& s, Befundtabelle& t) {
    auto satz = std::make_unique<CaseRecord>(s.r);
    auto e = std::make_unique<CalcInput>();
    auto r = std::make_unique<CalcResult>();
    DeklarationFuellen(*satz, *e, *r, false);
    const bool zusammen = e->FlagZusammen == 1;
    const double gewerbe = e->GewVeraeussEr + (zusammen ? e->GewVeraeussSie : 0);
    const double selbst = e->SelbVeraeussEr + (zusammen ? e->SelbVeraeussSie : 0);
    if (!IstPositiv(gewerbe) && !IstPositiv(selbst)) return;

    // the same gains as extraordinary income of §34(1) instead
    auto e1 = std::make_unique<CalcInput>(*e);
    auto r1 = std::make_unique<CalcResult>(*r);
    for (int p = 0; p < 2; ++p) {
        e1->GewAo(p) += e1->GewVeraeuss(p);
        e1->SelbAo(p) += e1->SelbVeraeuss(p);
        e1->GewVeraeuss(p) = e1->SelbVeraeuss(p) = 0;
    }
    Berechne(*e, *r);
    Berechne(*e1, *r1);
    if (!(r1->EStFestzusetzen < r->EStFestzusetzen - 0.005)) return;
    t.Anhaengen(IstPositiv(gewerbe) ? SeiteGewerbe : SeiteSelbstaendig, BefundHalberSatzTeurer,
                Utf8ZuCp1252("Einkommensteuer mit dem halben durchschnittlichen Steuersatz "
                             "(§ 34 Abs. 3 EStG): ") +
                    Betrag(r->EStFestzusetzen) +
                    Utf8ZuCp1252(" DM, mit der Fünftelregelung (§ 34 Abs. 1 EStG): ") +
                    Betrag(r1->EStFestzusetzen) + " DM");
}

}  // namespace quarnel::pruefregeln
