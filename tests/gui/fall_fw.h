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
    using seitentest::Eintragen;
    quarnel::gui::TForm11* lage = FwSeite(u, 14, 1);
    QVERIFY(lage);
    Eintragen(*lage, Feld::Lage, QStringLiteral("Lindenweg 7 in Mainz"));
    Eintragen(*lage, Feld::Besitzer, QStringLiteral("Eheleute je zur Hälfte"));
    Eintragen(*lage, Feld::LageGebietCB, QStringLiteral("1"));
    Eintragen(*lage, Feld::EFHCB, QStringLiteral("ja"));
    Eintragen(*lage, Feld::Wohnqm, QStringLiteral("124"));
    Eintragen(*lage, Feld::Kaufvertrag, QStringLiteral("10.05.1995"));
    Eintragen(*lage, Feld::Anschaffung, QStringLiteral("01.07.1995"));
    Eintragen(*lage, Feld::SelbstNutzung, QStringLiteral("01.07.1995"));
    QVERIFY(lage->close());

    quarnel::gui::TForm11* alt = FwSeite(u, 14, 5);
    QVERIFY(alt);
    Eintragen(*alt, Feld::AnschGB, QStringLiteral("100001"));
    Eintragen(*alt, Feld::AnschGeb, QStringLiteral("300000"));
    Eintragen(*alt, Feld::EigWohnProz, QStringLiteral("100"));
    Eintragen(*alt, Feld::AbzugProz, QStringLiteral("6"));
    Eintragen(*alt, Feld::Abzug96, QStringLiteral("19800"));
    Eintragen(*alt, Feld::AbzVorj82, QStringLiteral("1200"));
    Eintragen(*alt, Feld::Schuld, QStringLiteral("3400"));
    QVERIFY(alt->close());

    quarnel::gui::TForm11* neu = FwSeite(u, 14, 3);
    QVERIFY(neu);
    Eintragen(*neu, Feld::ZahlKinder, QStringLiteral("2"));
    QVERIFY(neu->close());

    quarnel::gui::TForm11* anrech = FwSeite(u, 15, 1);
    QVERIFY(anrech);
    Eintragen(*anrech, Feld::EStVzEr, QStringLiteral("2400"));
    Eintragen(*anrech, Feld::EStVzSie, QStringLiteral("600"));
    Eintragen(*anrech, Feld::KistVzEr, QStringLiteral("216"));
    Eintragen(*anrech, Feld::SolVzEr, QStringLiteral("132"));
    QVERIFY(anrech->close());
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
