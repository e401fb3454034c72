#include "results/pruefung_texte.h"

#include "case/zeichensatz.h"
#include "print/formularauswahl.h"
#include "print/formularwerte.h"

namespace quarnel {

namespace {

constexpr int SeitePersonen = 11;

// The sheet as the form printing's list names it (Windows-1252).
std::string Blattname(int blatt) {
    if (blatt == Fortsetzungsblatt14) return Utf8ZuCp1252("Hauptvordruck, Fortsetzung zu Seite 4");
    for (const Formularposten& p : Formularposten30())
        if (p.blatt == blatt) return TextGetrimmt(Utf8ZuCp1252(p.text));
    return "Blatt " + std::to_string(blatt);
}

}  // namespace

std::string GekuerzterTextZusatz(const GekuerzterText& g) {
    std::string feld = g.beschriftung.empty() ? "Feld " + std::to_string(g.feld)
                                              : "\x84" + g.beschriftung + "\x93";
    return Blattname(g.blatt) + ", " + feld + ": " + g.text;
}

void GekuerzteTexteMelden(const Formularumgebung& u, const Textmass& mass, Befundtabelle& t) {
    if (!u.fall) return;
    const Formularwahl wahl = AutomatischeAuswahl(*u.fall);
    std::vector<int> blaetter;
    for (std::size_t i = 0; i < wahl.size(); ++i)
        if (wahl[i]) blaetter.push_back(Formularposten30()[i].blatt);
    for (const GekuerzterText& g : GekuerzteTexteListe(u, mass, blaetter))
        t.Anhaengen(SeitePersonen, BefundGekuerzterText, GekuerzterTextZusatz(g));
}

}  // namespace quarnel
