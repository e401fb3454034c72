// The explanation of a computation: when asked, every pass of Berechne records
// what it computed (the value, the values it used, the rule with its rounding
// and the paragraph of the law), so that any figure can be followed down to
// the entries and the parameters of the tax year. Off by default; a pass only
// tests one pointer when nobody asks.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace quarnel {

// How a step combines the values it used before its rounding.
enum class Verfahren : uint8_t {
    Summe,                    // signed sum of the summands
    SummeMindest0,            // signed sum, at least 0
    Produkt,                  // signed sum of all but the last value, times the last
    Tarif,                    // income-tax tariff of the basic or splitting table on the sum
    Soli,                     // solidarity surcharge on the sum (at least 0)
    ProduktMindest0,          // Produkt, at least 0
    Kappe,                    // signed sum of all but the last value, at most the last
    KappeMindest0,            // Kappe, at least 0
    Mindestens,               // signed sum of all but the last value, at least the last
    SummeGerundet,            // signed sum of the summands, each rounded by the rule's rounding
    HaelfteUeberGrenze,       // the sum up to the last value in full, of the excess half
                              // rounded up to the DM (§ 10d Abs. 2 EStG)
    HaelfteBisHoechstbetrag,  // half the sum, rounded up to the DM, at most half of the
                              // last value (§ 34g EStG)
    Steuersatz,         // special rate of the tariff tax on the sum against the middle of its step
    Durchschnittssatz,  // tariff tax on the sum rounded to its step against that step
    Haerteausgleich,    // § 46 Abs. 3, 5 EStG, § 70 EStDV on the values in their order
    Vorsorgepauschale,  // § 10c Abs. 2-4 EStG on wage bases, kinds of Pauschale, factor
    Anteil,             // the first value in the ratio of the second, times the last
    KapitalPauschEhegatten,  // the joint Pauschbetrag of spouses shared by their receipts:
                             // receipts Er, Sie, expenses Er, Sie, Pauschbetrag
    Verlustausgleich,        // § 2 Abs. 3 EStG: the seven kinds of income of each person, flags
                             // joint and separate, factor
    KiStAnteil,   // the taxpayer's share of a couple's church tax: incomes Er, Sie, 1 in Bayern
    Verhaeltnis,  // the first value in the ratio of the second, at most 1 (0 without the second)
    HalberSteuersatz,  // § 34 Abs. 3 EStG: half the average rate of the tax (second value) on
                       // the taxable income (first value), at least 19.9 %
    Abstand,           // the difference of the first two values, without its sign
    Gegenanteil,       // 1 less the sum
    KirchgeldStufe,    // the Kirchgeld of the state (second value) for the income (first value)
    MindestensSonst0,  // the first value where it is at least the others together, else 0
    NurMitLetztem,     // the first value where the last is not 0, else 0
    EinkommenAnteil,   // the first value in the ratio of the second to the second and third
    Kappung,  // the church tax capped at a rate (third value) of the taxable income (first)
              // for its months (second), where the tax (last value) reaches the cap, else 0
};
// The rounding a step applies last.
enum class Rundung : uint8_t {
    Keine,
    CentAb,           // fractions of a Pfennig cut
    DMAb,             // down to the full DM
    DMAuf,            // up to the full DM after rounding to cents
    DMAufLohn,        // wage tax with Pfennigs counts as the next full DM
    Tarifstufe,       // the 54-DM step (108 DM by splitting) inside the tariff
    SoliPfennig,      // the Pfennig cut of the surcharge
    DMAbCent,         // down to the full DM after rounding to cents
    DMAufZehntel,     // up to the full DM from a tenth of a DM
    DMKaufmaennisch,  // to the full DM, halves up
    Stufe54,          // down to a multiple of 54 DM
    TarifMitte,       // to the middle of the 54-DM step (108 DM by splitting)
    TarifstufeAb,     // down to the 54-DM step (108 DM by splitting)
    CentRund,         // to the Pfennig, halves up
};
std::string_view RundungText(Rundung r);

// Where a value a step used comes from.
enum class Herkunft : uint8_t { Ergebnis, Eingabe, Parameter };

// The one place that declares, per step, its rule, its paragraph and its rounding.
struct Rechenregel {
    std::string_view ergebnis;   // name of the result (CalcResult field or step)
    std::string_view text;       // the rule in words (UTF-8)
    std::string_view paragraph;  // the law it rests on
    Verfahren verfahren;
    Rundung rundung;
};
const Rechenregel* RegelFuer(std::string_view ergebnis);
std::vector<Rechenregel> AlleRegeln();

struct Wertangabe {
    std::string name;  // CalcResult/CalcInput field or parameter
    double wert = 0;
    double faktor = 1;  // +1/-1 in sums; 0: shown, not combined
    Herkunft herkunft = Herkunft::Ergebnis;
    std::string quelle;  // inputs: the catalogue field; parameters: the table entry
};

struct Rechenschritt {
    const Rechenregel* regel = nullptr;
    std::string ergebnis;  // the result it computed (the rule's name or, per person, with Er/Sie)
    double wert = 0;
    int durchgang = 0;  // number of the pass that recorded it
    int tabelle = 1;    // 2 with the splitting table
    std::vector<Wertangabe> werte;
};

// The recording of one computation.
class Erklaerung {
  public:
    // Records the step of the declared rule `ergebnis`.
    void Schritt(std::string_view ergebnis, double wert, std::initializer_list<Wertangabe> werte,
                 int tabelle = 1);
    // Records a step of the rule `regel` that computed the result `ergebnis`.
    void Schritt(std::string_view regel, std::string ergebnis, double wert,
                 std::vector<Wertangabe> werte, int tabelle = 1);
    void NeuerDurchgang() { ++durchgang_; }
    const std::vector<Rechenschritt>& Schritte() const { return schritte_; }
    // Index of the last step of that name recorded before `vor` (-1: none).
    int Letzter(std::string_view ergebnis, int vor = -1) const;
    // The quick computation takes its entries from a page of its own: the
    // entries of the recording name the fields of that page (an entry
    // without a source of its own keeps none).
    void KurzQuellenSetzen();
    void Leeren() {
        schritte_.clear();
        durchgang_ = 0;
    }

  private:
    std::vector<Rechenschritt> schritte_;
    int durchgang_ = 0;
};

// The recording that passes write to; null when nobody asks.
inline Erklaerung*& AktiveErklaerung() {
    static thread_local Erklaerung* aktiv = nullptr;
    return aktiv;
}

// Records everything computed while it lives into `e`.
class ErklaerungAufzeichnen {
  public:
    explicit ErklaerungAufzeichnen(Erklaerung& e) : vorher_(AktiveErklaerung()) {
        AktiveErklaerung() = &e;
    }
    ~ErklaerungAufzeichnen() { AktiveErklaerung() = vorher_; }
    ErklaerungAufzeichnen(const ErklaerungAufzeichnen&) = delete;
    ErklaerungAufzeichnen& operator=(const ErklaerungAufzeichnen&) = delete;

  private:
    Erklaerung* vorher_;
};

// Helpers for recording sites.
Wertangabe Erg(std::string_view name, double wert, double faktor = 1);
Wertangabe Ein(std::string_view name, double wert, double faktor = 1);
Wertangabe Par(std::string_view name, double wert, double faktor = 0);
// An input kept per element of its catalogue field (a child's values, by the
// element of the record they were filled from): its source names that
// element, "KindKiFbJahr[2]" (element 0: the field alone).
Wertangabe EinElement(std::string_view name, double wert, int element);

// The name of a result of person p (0: "Er", 1: "Sie").
std::string PersonName(std::string_view name, int p);

// The source of a value the what-if analysis assumes ("Was-wäre-wenn: BruttoEr").
inline constexpr std::string_view WasWaereQuelle = "Was-wäre-wenn: ";

// The catalogue field a CalcInput field is filled from ("" when unknown),
// with "[n]" where the entry is element n of a field kept per card or column.
std::string_view KatalogfeldFuer(std::string_view eingabe);

// Computes a step again from the values it used, by its declared rule.
double Nachrechnen(const Rechenschritt& s);

// The tree of a result: the step and, per value it used that is itself a
// recorded result, the subtree of the step that produced that value.
struct Erklaerknoten {
    const Rechenschritt* schritt = nullptr;  // null for a leaf
    Wertangabe angabe;                       // the value as the parent used it
    std::vector<Erklaerknoten> kinder;
    // the step is broken down further up in the same tree (its first
    // occurrence in depth-first order); here it has no children
    bool wiederholt = false;
};
// The tree of the last recorded step of `ergebnis`; false when there is none.
// A step that several values rest on is broken down once, at its first
// occurrence; later ones are marked `wiederholt`.
bool ErklaerBaum(const Erklaerung& e, std::string_view ergebnis, Erklaerknoten& baum);
// Names of the results with a recorded step, in order of the computation.
std::vector<std::string> ErklaerteErgebnisse(const Erklaerung& e);

// The name a reader sees for a node (UTF-8).
using Knotenbenennung = std::string (*)(const Erklaerknoten&);
// Indented text (UTF-8) and JSON of a tree. With a naming each node shows
// that name (the JSON keeps the internal one as "kennung"); without, the
// internal names.
std::string ErklaerText(const Erklaerknoten& k, Knotenbenennung titel = nullptr);
std::string ErklaerJson(const Erklaerknoten& k, Knotenbenennung titel = nullptr);

// Runs the recording `f` of a site apart from the pass that computed the
// values: the pass keeps no room, saved register or stack guard for the
// values a step records, so it costs one test of a pointer when nobody asks.
// `f` takes the pass's own numbers by copy and its input and result by
// reference; it copies no string of the pass (that would give the pass an
// object with a destructor, passed by address, again).
template <class F>
[[gnu::noinline, gnu::cold]] void ErklaereAbseits(F f) {
    f();
}

// A step that runs many times a computation, built twice from one text:
// `rechnen(std::false_type)` computes only, `rechnen(std::true_type)` also
// records (its recording sites test `Spur(aufzeichnen)`, null in the first).
// The step tests once whether anybody asks; `rechnen` takes its input and
// result by reference.
template <class F>
[[gnu::noinline, gnu::cold]] void AufgezeichnetRechnen(F rechnen) {
    rechnen(std::true_type{});
}
template <bool aufzeichnen>
inline Erklaerung* Spur(std::bool_constant<aufzeichnen>) {
    if constexpr (aufzeichnen)
        return AktiveErklaerung();
    else
        return nullptr;
}
template <class F>
[[gnu::always_inline]] inline void ErklaerbarRechnen(F rechnen) {
    if (AktiveErklaerung()) [[unlikely]]
        AufgezeichnetRechnen(rechnen);
    else
        rechnen(std::false_type{});
}

// A step at a recording site of a pass over the input `e` and the result `r`:
// free when nobody asks.
#define QUARNEL_ERKLAERE(...)                                                          \
    do {                                                                               \
        if (::quarnel::Erklaerung* spur_ = ::quarnel::AktiveErklaerung()) [[unlikely]] \
            ::quarnel::ErklaereAbseits([=, &e, &r] { spur_->Schritt(__VA_ARGS__); });  \
    } while (0)
// The same in a step that reads only the result `r`.
#define QUARNEL_ERKLAERE_ERGEBNIS(...)                                                 \
    do {                                                                               \
        if (::quarnel::Erklaerung* spur_ = ::quarnel::AktiveErklaerung()) [[unlikely]] \
            ::quarnel::ErklaereAbseits([=, &r] { spur_->Schritt(__VA_ARGS__); });      \
    } while (0)

}  // namespace quarnel
