// "Wie berechnet?": the explanation of a figure of the notice, and of a
// figure of the what-if analysis beside its original. Every computation here
// runs with the recording on, on private copies of the records.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calcdaten.h"
#include "calc/erklaerung.h"
#include "case/caserecord.h"
#include "results/bescheidpruefung.h"
#include "results/ergebnistext.h"
#include "results/waswaere.h"

namespace quarnel {

// Fills the declaration from a copy of the case (kurz: the quick variant) and
// computes it with the recording into `spur`.
void RechnungErklaeren(const CaseRecord& fall, bool kurz, Erklaerung& spur);

// The explained result that a line of a result text shows, found by the
// caption of its amount row ("" for a line that shows none).
std::string_view ErgebnisDerZeile(const Ergebnistext& t, std::size_t zeile);
// The tree a notice line's result opens: where extraordinary income was taxed
// apart, the tariff line shows the tax on the rest of the income.
bool BaumDerZeile(const Erklaerung& spur, std::string_view ergebnis, Erklaerknoten& baum);
// The same for the caption of a row (UTF-8), as the structured view shows it,
// with the number of amounts the row has (the settlement's rows per tax have three).
std::string_view ErgebnisDerBeschriftung(std::string_view beschriftung, int betraege = 1);

// The caption of an explained result as the notice words it (UTF-8); for a
// result without one the words of its rule (results/knotentitel.h).
std::string ErgebnisBezeichnung(std::string_view name);
// The notice's own words for a result ("" for a result without a line).
std::string_view BescheidTitel(std::string_view name);

// The value and the name of a node as the tree shows them.
double Knotenwert(const Erklaerknoten& k);
std::string Knotenname(const Erklaerknoten& k);

// One node of two trees laid over each other: the same value in the original
// and in the changed computation, where the structure matches.
struct Vergleichsknoten {
    std::string name;
    Wertangabe angabe;                          // as the parent used it (of either side)
    const Rechenschritt* schritt = nullptr;     // the step (of either side); null for a leaf
    bool hatVorher = false, hatNachher = false;
    double vorher = 0, nachher = 0;
    std::vector<Vergleichsknoten> kinder;

    bool Geaendert() const;  // differs by a Pfennig or more, or only one side has it
};
// Children are paired by name in order; what only one side holds stays with
// that side. Either tree may be missing (null): the other shows alone.
Vergleichsknoten BaeumeVergleichen(const Erklaerknoten* vorher, const Erklaerknoten* nachher);

// Original and changed computation of one result. The steps the trees point
// at live in the two recordings, which stay where they are.
struct ErklaerVergleich {
    std::unique_ptr<Erklaerung> spurVorher = std::make_unique<Erklaerung>();
    std::unique_ptr<Erklaerung> spurNachher = std::make_unique<Erklaerung>();
    std::string ergebnis;
    Vergleichsknoten baum;
    bool gefunden = false;  // either side recorded the result
    // The headings of the two amounts (UTF-8).
    std::string kopfVorher = "Gemäß Eingabe", kopfNachher = "Nach Änderung";
    // The second side names only some nodes (the office's notice): a node
    // without its figure counts as unchanged.
    bool teilweise = false;
};

// The result computed from the filled declaration as entered and with the
// what-if changes (changes the analysis refuses count as none).
ErklaerVergleich WasWaereErklaeren(const CalcInput& gefuellt, const WasWaereWerte& aenderung,
                                   std::string_view ergebnis);
// The same from the case, filled on a copy (kurz: the quick variant).
ErklaerVergleich WasWaereErklaeren(const CaseRecord& fall, const WasWaereWerte& aenderung,
                                   std::string_view ergebnis, bool kurz = false);

// The explained result of a line of the notice check ("" for a line that
// has none of its own) and the line of an explained result (-1: none).
std::string_view ErgebnisDesPostens(int posten);
int PostenDesErgebnisses(std::string_view ergebnis);

// The own computation of one result with the office's figures beside the
// nodes the notice names: `amt` as entered in the notice check.
ErklaerVergleich BescheidErklaeren(const CaseRecord& fall, const AmtsBescheid& amt,
                                   std::string_view ergebnis);

}  // namespace quarnel
