// The share of the owner-occupied home, the taxes paid and the statistics in
// the whole case: the couple with their two children set by field, the home
// (bought 1995, § 10e deduction as last year, interest, two children for the
// Baukindergeld) and the prepayments entered through the pages, and the same
// share as the assignments of `quarnel-cli setze`.
#pragma once

#include <string>
#include <vector>

#include "fall.h"
#include "seitentest.h"

namespace fall {

// The married couple, joint assessment, and their two children, registered
// with them (so the home page counts both).
inline void FwBasis(quarnel::CaseRecord& r) {
    Ehepaar(r);
    for (const char* k : {"1", "2"}) {
        const std::string i = std::string("[") + k + "]=";
        Zuweisen(r, {"GebAm" + i + (k[0] == '1' ? "04.04.1992" : "30.09.1996"),
                       "InlandVom" + i + "01.01.2001", "InlandBis" + i + "31.12.2001",
                       "KindschaftZuEhemannLB" + i + "2", "KindschaftZuEhefrauLB" + i + "2",
                       "KiZumHHGehoer" + i + "ja", "GemeldetStpflCB" + i + "ja",
                       "ErhKiGeld" + i + "3240"});
    }
}

// The page (area, page) as the main window opens it, shown.
inline quarnel::gui::TForm11* FwSeite(seitentest::Umgebung& u, int bereich, int seite) {
    return seitentest::SeiteOeffnen(u, bereich, seite);
}

// The share entered through the pages: the object, the § 10e page from the
// old states' place and then from the new states' place, the prepayments.
inline void FwUeberSeiten(seitentest::Umgebung& u) {
    using quarnel::Feld;
    seitentest::UeberSeiten(u, {
        {14, 1, Feld::Lage, "Lindenweg 7 in Mainz"},
        {14, 1, Feld::Besitzer, "Eheleute je zur Hälfte"}, {14, 1, Feld::LageGebietCB, "1"},
        {14, 1, Feld::EFHCB, "ja"}, {14, 1, Feld::Wohnqm, "124"},
        {14, 1, Feld::Kaufvertrag, "10.05.1995"}, {14, 1, Feld::Anschaffung, "01.07.1995"},
        {14, 1, Feld::SelbstNutzung, "01.07.1995"}, {14, 5, Feld::AnschGB, "100001"},
        {14, 5, Feld::AnschGeb, "300000"}, {14, 5, Feld::EigWohnProz, "100"},
        {14, 5, Feld::AbzugProz, "6"}, {14, 5, Feld::Abzug96, "19800"},
        {14, 5, Feld::AbzVorj82, "1200"}, {14, 5, Feld::Schuld, "3400"},
        {14, 3, Feld::ZahlKinder, "2"}, {15, 1, Feld::EStVzEr, "2400"},
        {15, 1, Feld::EStVzSie, "600"}, {15, 1, Feld::KistVzEr, "216"},
        {15, 1, Feld::SolVzEr, "132"},
    });
}

// The same share as assignments.
inline std::vector<std::string> FwZuweisungen() {
    return {"Lage=Lindenweg 7 in Mainz", "Besitzer=Eheleute je zur Hälfte", "LageGebietCB=1",
            "EFHCB=ja", "Wohnqm=124", "Kaufvertrag=10.05.1995", "Anschaffung=01.07.1995",
            "SelbstNutzung=01.07.1995", "AnschGB=100001", "AnschGeb=300000", "EigWohnProz=100",
            "AbzugProz=6", "Abzug96=19800", "AbzVorj82=1200", "Schuld=3400", "ZahlKinder=2",
            "EStVzEr=2400", "EStVzSie=600", "KistVzEr=216", "SolVzEr=132"};
}

}  // namespace fall
