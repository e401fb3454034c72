// The one message box of the program, as a seam: the core asks through
// `Meldungen`; the GUI shows a real dialog, the tests use `MeldungsSenke`,
// which records every message and returns scripted answers.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel {

enum class MeldungsTyp { Warnung, Fehler, Information, Bestaetigung };

// Button set, combined with |.
enum Knopf : unsigned {
    KnopfJa = 1,
    KnopfNein = 2,
    KnopfOK = 4,
    KnopfAbbrechen = 8,
    KnopfAbbruch = 16,
    KnopfHilfe = 32,
};

enum class Antwort { Ja, Nein, OK, Abbrechen, Abbruch };

struct Meldung {
    MeldungsTyp typ = MeldungsTyp::Information;
    std::string text;         // UTF-8; "\r" is a line break
    unsigned knoepfe = KnopfOK;
    std::string hilfeseite;   // help page name such as "std\\passwort", or empty
    bool positioniert = false;  // shown at 20 % of the main window's height and width
};

class Meldungen {
public:
    virtual ~Meldungen() = default;
    virtual Antwort Zeige(const Meldung& m) = 0;

    Antwort Zeige(MeldungsTyp typ, std::string_view text, unsigned knoepfe = KnopfOK,
                  std::string_view hilfeseite = {}) {
        return Zeige(Meldung{typ, std::string(text), knoepfe, std::string(hilfeseite), false});
    }
};

// Test sink: records the messages; answers from the script, else the first
// button of the set (Ja, OK, Nein, Abbrechen, Abbruch in that order).
class MeldungsSenke : public Meldungen {
public:
    using Meldungen::Zeige;
    Antwort Zeige(const Meldung& m) override {
        protokoll.push_back(m);
        if (!antworten.empty()) {
            Antwort a = antworten.front();
            antworten.pop_front();
            return a;
        }
        if (m.knoepfe & KnopfJa) return Antwort::Ja;
        if (m.knoepfe & KnopfOK) return Antwort::OK;
        if (m.knoepfe & KnopfNein) return Antwort::Nein;
        if (m.knoepfe & KnopfAbbrechen) return Antwort::Abbrechen;
        return Antwort::Abbruch;
    }
    std::vector<Meldung> protokoll;
    std::deque<Antwort> antworten;
};

}  // namespace quarnel
