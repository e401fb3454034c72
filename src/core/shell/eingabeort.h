// Where an entry of the case is made: the entry page (area, page) that shows a
// catalogue field, the field it shows it in and the help anchor of that
// paragraph, so that a figure of the computation can lead back to its entry.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "case/feldkatalog.h"

namespace quarnel {

struct Eingabeort {
    int bereich = 0;  // area 1..17
    int seite = 0;    // page 1..15
    // The field the page shows: the named one, or the page field that shows
    // a sum kept elsewhere in the record (the credit sums of the capital
    // lists on the page of the taxes paid).
    Feld feld{};
    // The subordinate page that holds the field, opened from the page ("" when
    // the page holds it itself): the control the user reaches from there.
    std::string_view unterseite;
    // The element of the field the entry was made in (the card, the column).
    int element = 1;
};

// A catalogue field as a figure of the computation names it: "Brutto[3]" is
// element 3 of Brutto, a name without brackets element 1.
struct Katalogstelle {
    std::string_view feld;
    int element = 1;
};
Katalogstelle KatalogstelleAus(std::string_view quelle);

// The page and field for a catalogue field (by id or name, "[n]" for its
// element n); nothing for a field no entry page shows (values the fill
// computes). A field kept per card or column whose page stands once per
// element (the wage-tax cards, the Werbungskosten of each spouse) leads to
// the page of its element.
std::optional<Eingabeort> EingabeortFuer(std::string_view katalogfeld);

// The page class that opens a subordinate page ("TF_KsoList" -> "TF_KSO");
// the class itself for an entry page; "" when unknown.
std::string_view SeiteDerUnterseite(std::string_view klasse);

// The side view's help of the place: the page file "F" + three digits and the
// field's anchor "F" + four digits ("" when the field has no number).
struct Eingabehilfe {
    std::string seite;  // "F151"
    std::string anker;  // "F1104"
};
Eingabehilfe HilfeFuer(const Eingabeort& ort);

// "Gezahlte Steuern, Feld Lohnsteuer": page name and caption of the field (UTF-8).
std::string EingabeortText(const Eingabeort& ort);
// "Anrechnungsbeträge, Gezahlte Steuern": the area and the page alone.
std::string SeitenText(const Eingabeort& ort);

}  // namespace quarnel
