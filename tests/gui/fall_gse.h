// The whole case's share of the profit and rental pages: a business profit
// with a half-income part and a sale gain with its allowance, a
// self-employed profit of the spouse, farming income of both, and two
// rented properties, the second owned by both spouses with a share of a
// property community. Entered through the pages, or set by field as
// `quarnel-cli setze` does; the base is the plain couple (fall::Ehepaar).
#pragma once

#include <string>
#include <vector>

#include "fall.h"
#include "seitentest.h"

namespace fall {

// The share typed into the pages, each closed again.
inline void GseUeberSeiten(seitentest::Umgebung& u) {
    using quarnel::Feld;
    using seitentest::Eintragen;
    auto oeffnen = [&u](int bereich, int seite) { return seitentest::SeiteOeffnen(u, bereich, seite); };
    auto schliessen = [](quarnel::gui::TForm11* s) { QVERIFY(s->close()); };

    quarnel::gui::TForm11* g = oeffnen(8, 1);
    Eintragen(*g, Feld::ArtGew1, QStringLiteral("Schreinerei"));
    Eintragen(*g, Feld::GewEr1, QStringLiteral("48.000"));
    Eintragen(*g, Feld::GSE1_EinkHalbTeilEr, QStringLiteral("6000"));
    Eintragen(*g, Feld::GewSie2, QStringLiteral("3500"));
    Eintragen(*g, Feld::GSE1_VG55LjEr, QStringLiteral("100000"));
    Eintragen(*g, Feld::VG55LjHKEr, QStringLiteral("50000"));
    Eintragen(*g, Feld::VG55DMFbEr, QStringLiteral("60000"));
    schliessen(g);

    quarnel::gui::TForm11* s = oeffnen(9, 1);
    Eintragen(*s, Feld::FreibArt1, QStringLiteral("Übersetzerin"));
    Eintragen(*s, Feld::FreibGewinnSie, QStringLiteral("18500"));
    Eintragen(*s, Feld::GSE2_EinkHalbTeilSie, QStringLiteral("1200"));
    Eintragen(*s, Feld::AufEntArt, QStringLiteral("Übungsleiter"));
    Eintragen(*s, Feld::AufEntDM, QStringLiteral("3600"));
    Eintragen(*s, Feld::AufEntStFrei, QStringLiteral("3600"));
    schliessen(s);

    quarnel::gui::TForm11* l = oeffnen(10, 1);
    Eintragen(*l, Feld::LfdGewEr, QStringLiteral("9800"));
    Eintragen(*l, Feld::LfdGewSie, QStringLiteral("4200"));
    schliessen(l);

    quarnel::gui::TForm11* v1 = oeffnen(7, 1);
    Eintragen(*v1, Feld::Objekt, QStringLiteral("Lindenstraße 5, Kassel"));
    Eintragen(*v1, Feld::AnschaffDat, QStringLiteral("01.04.1995"));
    Eintragen(*v1, Feld::MieteDM1, QStringLiteral("9600"));
    Eintragen(*v1, Feld::MieteZahl1, QStringLiteral("1"));
    Eintragen(*v1, Feld::MieteDM2, QStringLiteral("9000"));
    Eintragen(*v1, Feld::MieteZahl2, QStringLiteral("1"));
    Eintragen(*v1, Feld::UmFremd, QStringLiteral("2400"));
    Eintragen(*v1, Feld::AfaGes1, QStringLiteral("5400"));
    Eintragen(*v1, Feld::ErhJahr3, QStringLiteral("1200"));
    Eintragen(*v1, Feld::ErhJahr4, QStringLiteral("1500"));
    Eintragen(*v1, Feld::ZinsGes1, QStringLiteral("7200"));
    Eintragen(*v1, Feld::LfdKostGes3, QStringLiteral("850"));
    Eintragen(*v1, Feld::LfdKostGes6, QStringLiteral("420"));
    schliessen(v1);

    quarnel::gui::TForm11* v2 = oeffnen(7, 2);
    Eintragen(*v2, Feld::Objekt, QStringLiteral("Am Markt 2, Fulda"));
    Eintragen(*v2, Feld::ObjektProzEr, QStringLiteral("60"));
    Eintragen(*v2, Feld::MieteDM1, QStringLiteral("6000"));
    Eintragen(*v2, Feld::ZinsGes1, QStringLiteral("8000"));
    Eintragen(*v2, Feld::ZinsProz1, QStringLiteral("20"));
    Eintragen(*v2, Feld::AfaGes1, QStringLiteral("3000"));
    Eintragen(*v2, Feld::AnteilArt3, QStringLiteral("Grundstücksgem. Fulda, 018/123/45678"));
    Eintragen(*v2, Feld::AnteilEr3, QStringLiteral("1500"));
    Eintragen(*v2, Feld::AnteilSie3, QStringLiteral("900"));
    schliessen(v2);
}

// The same share by field. What the pages derive on leaving a field (the
// spouse's percentage, the maintenance parts of earlier years) is set as
// the user of the command line would set it.
inline std::vector<std::string> GseFelder() {
    return {
        "ArtGew1=Schreinerei", "GewEr1=48000", "GSE1_EinkHalbTeilEr=6000", "GewSie2=3500",
        "GSE1_VG55LjEr=100000", "VG55LjHKEr=50000", "VG55DMFbEr=60000",
        "FreibArt1=Übersetzerin", "FreibGewinnSie=18500", "GSE2_EinkHalbTeilSie=1200",
        "AufEntArt=Übungsleiter", "AufEntDM=3600", "AufEntStFrei=3600",
        "LfdGewEr=9800", "LfdGewSie=4200",
        "Objekt[1]=Lindenstraße 5, Kassel", "AnschaffDat[1]=01.04.1995", "MieteDM1[1]=9600",
        "MieteZahl1[1]=1", "MieteDM2[1]=9000", "MieteZahl2[1]=1", "UmFremd[1]=2400",
        "AfaGes1[1]=5400", "ErhJahr3[1]=1200", "ErhJahr4[1]=1500", "ErhGes4[1]=2700",
        "ZinsGes1[1]=7200", "LfdKostGes3[1]=850", "LfdKostGes6[1]=420",
        "Objekt[2]=Am Markt 2, Fulda", "ObjektProzEr[2]=60", "ObjektProzSie[2]=40",
        "MieteDM1[2]=6000", "ZinsGes1[2]=8000", "ZinsProz1[2]=20", "AfaGes1[2]=3000",
        "AnteilArt3[2]=Grundstücksgem. Fulda, 018/123/45678", "AnteilEr3[2]=1500",
        "AnteilSie3[2]=900",
    };
}

// The share on the notice: the income sections of the profits and the
// letting, the annexes of business and self-employment, the sale allowance.
inline void GseImBescheid(const Bescheid& b) {
    for (const char* zeile :
         {"Einkünfte aus Land- und Forstwirtschaft", "Einkünfte aus Gewerbebetrieb",
          "Einkünfte aus Selbständiger Arbeit", "Einkünfte aus Vermietung & Verpachtung",
          "Anlage: Einkünfte aus Gewerbebetrieb", "Anlage: Einkünfte aus selbständiger Arbeit",
          "Folgender Freibetrag für Veräußerungsgewinne wurde berücksichtigt:"})
        QVERIFY2(b.Zeigt(zeile), zeile);
    // The business and rental amounts of the notice are the pages' results.
    QCOMPARE(b.e.GewEinkNetto(0), 48000.0 - 6000.0);
    QCOMPARE(b.e.SelbEinkNetto(1), 18500.0 - 1200.0);
    QCOMPARE(b.e.GewVeraeussR1(0), 60000.0);
    QCOMPARE(b.e.GewVeraeussR2(0), 30000.0);
}

}  // namespace fall
