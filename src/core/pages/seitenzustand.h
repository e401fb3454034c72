// The program-wide page state that the entry pages, their subordinate pages
// and the plausibility checks share (the window kind, current area and page
// and the form sheet are the main window's). One instance lives as long as
// the program (SeitenzustandGlobal).
#pragma once

#include <cstdint>
#include <string>

namespace quarnel {

// Which subordinate page is open, set by its opener and read by the checks.
enum class Unterseite : uint8_t {
    Keine = 0,
    BehinderungVonPersonen = 1,  // also household help, supported person's income,
                                 // disability from the disability-allowance page
    BehinderungVonKindern = 2,
    Ausbildung = 3,
};

// Parameters for opening the list table.
struct Listenaufruf {
    int liste = 0;  // 1..50
    std::string titel;  // UTF-8
    int hilfeseite = 0;
};

struct Seitenzustand {
    int hilfeseite = 0;  // 0 none, n help page n, 999 back to the page's own help
    Listenaufruf listenaufruf;
    bool uebernahme = false;   // take the list table's sum over into the caller
    uint8_t behinderungAufruf = 0;  // 1 Er, 2 Sie, 3..8 child 1..6
    uint8_t ausbildungAufruf = 0;   // child number of the education page
    bool rueckkehr = false;         // set when the disability page is created
    Unterseite unterseite = Unterseite::Keine;
    bool einfuegemodus = true;      // insert (true) or overwrite mode of the last edit
};

Seitenzustand& SeitenzustandGlobal();

}  // namespace quarnel
