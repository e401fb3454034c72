// The page builder: the fields of a page class come from the field catalogue
// (control kind from the type, caption, tab, choices, field number as help
// number, object name = field name); a small descriptor, kept as data, adds
// what the catalogue does not know: masks and ranges, read-only displays,
// rows laid out by hand, nested notebooks, column headings and buttons.
#pragma once

#include <cstdint>
#include <span>
#include <type_traits>

#include "pages/tform11.h"

class QLabel;

namespace quarnel::gui {

enum Zusatzart : uint8_t {
    ZNormal = 0,
    ZNurLesen = 1,  // a display: shown, never stored by the page
    ZOhne = 2,      // no control (the page stores it otherwise)
    ZGesperrt = 3,  // filled only by its list: not typed into, but stored
};

// What a field needs beyond its catalogue row (id = catalogue id).
struct FeldZusatz {
    const char* id;
    const char* maske = nullptr;      // picture mask of an amount or number field
    double min = 0, max = 0;          // range; both 0: the mask's
    uint8_t art = ZNormal;
    const char* beschriftung = nullptr;  // row caption instead of the catalogue's
};

// A row laid out by hand: its caption and the ids of its fields, blank-separated.
// Rows stand in the order of their first field's number; `rang`, when given,
// is the number the row sorts by instead.
struct Zeilenplan {
    const char* reiter;
    const char* beschriftung;
    const char* felder;
    int rang = 0;
};

// A button placed at the foot of a tab; the page connects it by object name,
// or, with a list number, it opens that list table for the amount field
// `feld` (person-bound lists: number + element, title + the person).
struct Knopfplan {
    const char* reiter;
    const char* name;
    const char* text;
    int liste = 0;
    const char* feld = nullptr;
    const char* titel = nullptr;
    int hilfeseite = 0;
    bool jePerson = false;
};

struct Seitenbeschreibung {
    const char* klasse = nullptr;          // page class in the catalogue ("TF_NSA")
    const char* infoTitel = nullptr;       // caption of InfoTitelLbl
    const char* reiter = nullptr;          // tabs after "&Info", separated by '|'
    // Nested notebooks "Outer=Inner1|Inner2", several separated by ';' (object
    // names Nb1, Nb2, ... in that order), or nullptr.
    const char* unterreiter = nullptr;
    const char* standardMaske = nullptr;   // mask of amount fields without their own
    const char* spaltenkoepfe = nullptr;   // "Stpfl./Ehemann|Ehefrau" above paired rows
    std::span<const FeldZusatz> zusatz = {};
    std::span<const Zeilenplan> zeilen = {};
    std::span<const Knopfplan> knoepfe = {};
    // Radio buttons of which exactly one is on: ids separated by ' ', groups by '|'.
    const char* radiogruppen = nullptr;

    // The page protocol of a page built by TForm11's descriptor constructor.
    // The page computation in core, on the stored entries of the page's
    // instance: it runs when the page opens, after every changed field, when
    // a list or subordinate page returns and when the page stores itself.
    // Without one a change only stores the page and loads it again.
    Seitenrechnung rechnung = nullptr;
    int formularblatt = 0;  // the form sheet the page prints from; 0: the area's
    // The spouse's fields, enabled only under the splitting table: ids
    // separated by ' ', or "Sie" for every field and caption named "...Sie<n>".
    const char* ehegatte = nullptr;
    // What the page adds to the built fields: date ranges, captions, widths,
    // the buttons of its subordinate pages. A page that needs no more than
    // its descriptor and this has no class of its own.
    void (*einrichten)(TForm11&) = nullptr;
};

// The descriptor of page class `klasse`: its layout from the page's text
// table (see seitentafel.h), from the code what only code can say, the page
// computation and the set-up.
Seitenbeschreibung AusTafel(const char* klasse, Seitenrechnung rechnung = nullptr,
                            void (*einrichten)(TForm11&) = nullptr);

// A core computation as a page computation: with the page's instance where
// the computation takes one (the person of an expense page), without otherwise.
template <auto F>
void Seitenrechnen(CaseRecord& r, int instanz) {
    if constexpr (std::is_invocable_v<decltype(F), CaseRecord&, int>)
        F(r, instanz);
    else
        F(r);
}

// Builds the tabs and fields of `seite` for catalogue element `element`.
void SeiteAufbauen(TForm11& seite, const Seitenbeschreibung& b, int element);

// Puts `neben` (a list button, a label with a wage-card sum) below a built
// field's caption; false when the field is not in a grid.
bool NebenFeld(QWidget* feld, QWidget* neben);

// The label of a heading row on tab `reiter` whose text is `text`, or null.
QLabel* Kopflabel(TForm11& s, const QString& reiter, const QString& text);
// Captions of `reiter` in one line each where the descriptor breaks them itself.
void KeinUmbruch(TForm11& s, const QString& reiter);
// Moves a built control into column `spalte` of its row; the row, or -1.
int InSpalte(QWidget* w, int spalte);

// The descriptors of the pages built from the catalogue, for the tests that
// check every one of them.
struct BeschriebeneSeite {
    const Seitenbeschreibung* beschreibung;
    int elemente;  // how many instances the page has (cards, children, persons)
};
std::span<const BeschriebeneSeite> AlleSeitenbeschreibungen();

}  // namespace quarnel::gui
