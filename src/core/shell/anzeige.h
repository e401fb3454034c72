// Texts and numbers the main window shows: caption, status panels, help page
// names, the tips of the day and the stored window geometry.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

inline constexpr const char* ProgrammTitel = "Quarnel 2001/2002 ";

// The window caption: fixed, or scrolled by one character per tick.
std::string FensterTitel();
std::string LaufschriftSchritt(const std::string& titel);  // UTF-8 aware

// Balance panel: above 0 the case pays ("- " + amount, red); otherwise a
// refund ("+ " + negated amount, green). Amount as "#.###.###,## DM".
struct SaldoAnzeige {
    std::string text;
    bool rot = false;
};
SaldoAnzeige SaldoText(double saldo);
// "1.234.567,89 DM", rounded to the cent.
std::string BetragDM(double betrag);

// Field-number panel: "#F" + help number div 100 and mod 100 in two digits each.
std::string FeldNummerText(int hilfeNummer);

// Help number of an entry page (area 1..17, page 0..15): the "F" + three
// digits page that the side view and the form-number panel show.
int SeitenHilfeNummer(int bereich, int seite);
std::string DreiStellen(int n);

// Help file of a page name such as "std\seite0" below the help directory:
// backslashes become slashes; ".htm" is appended when the upper-cased name
// does not hold ".HTM".
std::string HilfeDatei(const std::string& hilfeVerzeichnis, std::string_view seite);

// Tips of the day, as HTML fragments; index 0 is the first tip.
int AnzahlTips();
std::string_view Tip(int index);
// The tip to show for the stored "LfdTip" and the value to store afterwards.
struct TipWahl {
    int index = 0;
    int naechsterLfdTip = 1;
};
TipWahl NaechsterTip(int lfdTip);

// The start window's text (HTML).
std::string_view EingangsText();

// Stored window geometry at exit: a negative top or left becomes 1; a width
// beyond the screen becomes 99.9 % of it.
struct Fenstermasse {
    int links = 0, oben = 0, weite = 0;
};
Fenstermasse FenstermasseZumSpeichern(Fenstermasse f, int bildschirmWeite);
// Where the window opens: the stored place when the screen width is the one
// stored, otherwise 90 % of the screen width, centred. `hoehe` is the
// window's height.
Fenstermasse StartGeometrie(int gespeicherteScreenweite, Fenstermasse gespeichert,
                            int bildschirmWeite, int bildschirmHoehe, int hoehe);

}  // namespace quarnel

namespace quarnel {
// Official form sheet that belongs to an entry page (area, page).
int FormularblattFuer(int bereich, int seite);
}  // namespace quarnel
