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
    seitentest::UeberSeiten(u, {
        {8, 1, Feld::ArtGew1, "Schreinerei"}, {8, 1, Feld::GewEr1, "48.000"},
        {8, 1, Feld::GSE1_EinkHalbTeilEr, "6000"}, {8, 1, Feld::GewSie2, "3500"},
        {8, 1, Feld::GSE1_VG55LjEr, "100000"}, {8, 1, Feld::VG55LjHKEr, "50000"},
        {8, 1, Feld::VG55DMFbEr, "60000"}, {9, 1, Feld::FreibArt1, "Übersetzerin"},
        {9, 1, Feld::FreibGewinnSie, "18500"}, {9, 1, Feld::GSE2_EinkHalbTeilSie, "1200"},
        {9, 1, Feld::AufEntArt, "Übungsleiter"}, {9, 1, Feld::AufEntDM, "3600"},
        {9, 1, Feld::AufEntStFrei, "3600"}, {10, 1, Feld::LfdGewEr, "9800"},
        {10, 1, Feld::LfdGewSie, "4200"}, {7, 1, Feld::Objekt, "Lindenstraße 5, Kassel"},
        {7, 1, Feld::AnschaffDat, "01.04.1995"}, {7, 1, Feld::MieteDM1, "9600"},
        {7, 1, Feld::MieteZahl1, "1"}, {7, 1, Feld::MieteDM2, "9000"},
        {7, 1, Feld::MieteZahl2, "1"}, {7, 1, Feld::UmFremd, "2400"}, {7, 1, Feld::AfaGes1, "5400"},
        {7, 1, Feld::ErhJahr3, "1200"}, {7, 1, Feld::ErhJahr4, "1500"},
        {7, 1, Feld::ZinsGes1, "7200"}, {7, 1, Feld::LfdKostGes3, "850"},
        {7, 1, Feld::LfdKostGes6, "420"}, {7, 2, Feld::Objekt, "Am Markt 2, Fulda"},
        {7, 2, Feld::ObjektProzEr, "60"}, {7, 2, Feld::MieteDM1, "6000"},
        {7, 2, Feld::ZinsGes1, "8000"}, {7, 2, Feld::ZinsProz1, "20"},
        {7, 2, Feld::AfaGes1, "3000"},
        {7, 2, Feld::AnteilArt3, "Grundstücksgem. Fulda, 018/123/45678"},
        {7, 2, Feld::AnteilEr3, "1500"}, {7, 2, Feld::AnteilSie3, "900"},
    });
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
