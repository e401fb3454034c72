// The what-if analysis: nine lines of the return changed by an amount, and
// what that does to the taxable income, the income tax and the two rates.
// The changes are differences to the declared amounts (positive or negative),
// never new totals, and they never reach the case: every computation here
// runs on private copies of the case record and of both computation records.
//
// A page binds its change fields to a WasWaereWerte, and after each edit calls
// WasWaereRechnen(fall, aenderung): the "Eingabe" column and both result rows
// come back. Because the changes are read from the page's own fields on every
// call, a silent computation of the main window in between (which resets the
// adjustments of the program's records) cannot wipe them.
// Trying a change is not editing the case: it never marks the case changed.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calcdaten.h"
#include "case/caserecord.h"
#include "results/veranlagung.h"

namespace quarnel {

// The rows in the order of the return.
enum class WasWaereZeile {
    LandForst,       // "1. Land- und Forstw."
    Gewerbe,         // "2. Gewerbebetrieb"
    Selbstaendig,    // "3. Selbst. Arbeit"
    Arbeitslohn,     // "4. Nichtselbst. Arbeit"
    Werbungskosten,  // "5. Werb.-kosten zu 4"
    Kapital,         // "6. Kapitaleinkünfte"
    Vermietung,      // "7. Verm./Verpachtung"
    Renten,          // "8. Renten"
    Vorsorge,        // "9. Vorsorgeaufw.": one value for the case
};
inline constexpr int WasWaereZeilen = 9;

// One amount per row and person (0 the taxpayer, 1 the spouse). The
// Vorsorgeaufwendungen row has one amount for the case, held by the taxpayer;
// the spouse's amount of that row is never read.
struct WasWaereWerte {
    std::array<std::array<double, WasWaereZeilen>, 2> wert{};

    double& operator()(WasWaereZeile z, int person) { return wert[person][static_cast<int>(z)]; }
    double operator()(WasWaereZeile z, int person) const {
        return wert[person][static_cast<int>(z)];
    }
};

// One result row: "Zu versteuern", "Festzus. EkSt.", "Steuersatz", "Grenzst.-satz".
struct WasWaereErgebnis {
    double zuVersteuern = 0;
    double festzusetzen = 0;
    double steuersatz = 0;       // average rate in percent
    double grenzsteuersatz = 0;  // marginal rate in percent
};

struct WasWaereAnalyse {
    bool zusammen = false;         // a couple: the spouse's columns apply
    WasWaereWerte eingabe;         // the declared values, the spouse's only jointly
    WasWaereErgebnis gemaessEingabe;  // "Gemäß Eingabe"
    WasWaereErgebnis nachAenderung;   // "Nach Änderung"
    // Separate or special assessment (§§ 26a, 26c EStG): each spouse's own
    // results (taxpayer, spouse); the rows above are then their sums, the
    // average rate that of the sums, the marginal rate the higher one.
    // Empty for one assessment of one part.
    std::vector<WasWaereErgebnis> teileVorher, teileNachher;
    Veranlagungsart art = Veranlagungsart::Zusammen;  // the assessment computed
};

// The largest change of a row the analysis takes, in DM either way: far
// beyond any income, yet well inside what the computation carries exactly.
inline constexpr double WasWaereHoechsteAenderung = 1e9;
// True when every change is a finite amount within WasWaereHoechsteAenderung.
bool WasWaereAenderungGueltig(const WasWaereWerte& aenderung);

// The declared values of the nine rows as the fill left them in CalcInput.
WasWaereWerte WasWaereEingaben(const CalcInput& e);
// The four results of a computation.
WasWaereErgebnis WasWaereErgebnisAus(const CalcResult& r);
// The 18 adjustments of the computation from the change fields: the
// taxpayer's eight income rows always, with joint assessment the spouse's
// eight and the Vorsorgeaufwendungen half and half, otherwise all of them to
// the taxpayer and the spouse's adjustments 0.
void WasWaereDeltasSetzen(const CalcInput& e, const WasWaereWerte& aenderung, CalcResult& r);

// The computation with the changes, in full: `e` the input as changed (the
// wage bases moved), `r` every result.
void WasWaereBerechnen(const CalcInput& gefuellt, const WasWaereWerte& aenderung, CalcInput& e,
                       CalcResult& r);

// Computes the filled declaration as entered and with the changes, on copies.
// Changes that are not WasWaereAenderungGueltig are applied not at all:
// "Nach Änderung" is then the declaration as entered.
WasWaereAnalyse WasWaereRechnen(const CalcInput& gefuellt, const WasWaereWerte& aenderung);
// The same for an assessment art of the couple whose joint input was filled,
// with the spouses' parts a: under separate and special assessment each
// spouse's changes go to his or her part, the Vorsorgeaufwendungen half to
// each (as the case's amount is split).
WasWaereAnalyse WasWaereRechnen(const CalcInput& gefuellt, const WasWaereWerte& aenderung,
                                Veranlagungsart art, const VeranlagungsAngaben& a);
// The input and the changes of part `teil` of assessment art: the part's
// input as the assessment computes it (separate assessment's
// außergewöhnliche Belastungen those the changed joint computation allows),
// its changes in the taxpayer's place.
void WasWaereTeil(const CalcInput& gefuellt, const WasWaereWerte& aenderung, Veranlagungsart art,
                  const VeranlagungsAngaben& a, int teil, CalcInput& e,
                  WasWaereWerte& teilAenderung);
// The same from the case by its chosen assessment: fills the declaration
// from a copy of the record (kurz: the quick variant), so the record itself
// is never touched.
WasWaereAnalyse WasWaereRechnen(const CaseRecord& fall, const WasWaereWerte& aenderung,
                                bool kurz = false);

// The change fields by the page's names ("LufEr", "BruttoSie", "Vorsorge", ...).
struct WasWaereFeld {
    const char* name;
    WasWaereZeile zeile;
    int person;
};
std::optional<WasWaereFeld> WasWaereFeldSuchen(std::string_view name);
// Every name WasWaereFeldSuchen knows, comma-separated, for messages.
std::string WasWaereFeldnamen();

}  // namespace quarnel
