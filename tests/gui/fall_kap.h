// The capital-income share of the whole case: interest and half-income
// dividends of both spouses, foreign receipts with foreign tax, entered
// through the capital page and its list, and the same share by field; the
// base is the plain couple (fall::Ehepaar).
#pragma once

#include <QAbstractButton>
#include <QPushButton>
#include <QtTest>
#include <string>
#include <vector>

#include "fall.h"
#include "pages/seite_kapital.h"
#include "seitentest.h"
#include "widgets/auswahl.h"

namespace fall {

// One entry of the list: person box, kind (box k of the list), amounts.
struct KapEintrag {
    quarnel::KapListe liste;
    int person;  // 1 Stpfl., 2 Ehegatte, 3 beide
    int artBox;  // 0, or 1 for the domestic dividends
    int art;
    std::vector<std::pair<quarnel::Feld, const char*>> betraege;
};

inline std::vector<KapEintrag> KapEintraege() {
    using quarnel::Feld;
    using quarnel::KapListe;
    return {
        {KapListe::Inland,
         1,
         0,
         1,  // savings interest, Z4
         {{Feld::I_EinBetrag, "4200"},
          {Feld::I_EinAnZAbKoerpSt, "1260"},
          {Feld::I_EinAnSolSt, "69,30"}}},
        {KapListe::Inland,
         2,
         0,
         3,  // fixed-interest securities, Z6
         {{Feld::I_EinBetrag, "2500"},
          {Feld::I_EinOhneStAb, "500"},
          {Feld::I_EinAnZAbKoerpSt, "600"},
          {Feld::I_EinAnSolSt, "33"}}},
        {KapListe::Inland,
         3,
         1,
         3,  // shares under the half-income method, Z24
         {{Feld::I_EinBetrag, "3000"},
          {Feld::I_EinAnKapErtSt, "600"},
          {Feld::I_EinAnSolSt, "33"},
          {Feld::I_EinWk, "200"}}},
        {KapListe::Inland,
         2,
         1,
         3,
         {{Feld::I_EinBetrag, "1200,50"},
          {Feld::I_EinAnKapErtSt, "240,10"},
          {Feld::I_EinAnSolSt, "13,20"}}},
        {KapListe::Ausland,
         1,
         0,
         2,  // foreign interest, Z34
         {{Feld::A_EinBetrag, "800"}, {Feld::A_EinSteuern, "120"}}},
        {KapListe::Ausland,
         2,
         0,
         3,  // foreign dividends, Z35
         {{Feld::A_EinBetrag, "600"}, {Feld::A_EinSteuern, "90"}, {Feld::A_EinWk, "35"}}},
    };
}

inline const char* ReiterTitel(quarnel::KapListe l) {
    return l == quarnel::KapListe::Inland    ? "Inländische"
           : l == quarnel::KapListe::Ausland ? "Ausländische"
                                             : "Beteiligungen";
}

// Enters the share through the capital page (area 6, page 1) and its list,
// closed with "&OK".
inline void KapUeberSeiten(seitentest::Umgebung& u) {
    using namespace quarnel::gui;
    auto* kso = qobject_cast<TF_KSO*>(seitentest::SeiteOeffnen(u, 6, 1));
    QVERIFY(kso);
    kso->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    TF_KsoList* liste = kso->OffeneListe();
    QVERIFY(liste);
    for (const KapEintrag& e : KapEintraege()) {
        liste->ReiterZeigen(QString::fromUtf8(ReiterTitel(e.liste)));
        // The next free entry of the list.
        while (liste->ArtBox(e.liste, 0)->Index() > 0 ||
               (liste->ArtBox(e.liste, 1) && liste->ArtBox(e.liste, 1)->Index() > 0))
            liste->VorBtnClick(e.liste);
        liste->PersonBox(e.liste, e.person)->click();
        AuswahlBox* box = liste->ArtBox(e.liste, e.artBox);
        box->setCurrentIndex(e.art);
        emit box->activated(e.art);
        for (const auto& [feld, wert] : e.betraege) {
            QVERIFY2(liste->Steuer(feld)->isEnabled(), quarnel::Def(feld).id);
            seitentest::Eintragen(*liste, feld, QString::fromUtf8(wert));
        }
    }
    liste->OkBtnClick();
    QVERIFY(!liste->isVisible());
    QVERIFY(kso->close());
}

// The same share by field.
inline std::vector<std::string> KapSetze() {
    std::vector<std::string> z;
    int naechster[3] = {1, 1, 1};
    for (const KapEintrag& e : KapEintraege()) {
        const char* pre = e.liste == quarnel::KapListe::Inland    ? "I_"
                          : e.liste == quarnel::KapListe::Ausland ? "A_"
                                                                  : "B_";
        const std::string n = "[" + std::to_string(naechster[int(e.liste)]++) + "]=";
        const char* art = e.liste == quarnel::KapListe::Inland
                              ? (e.artBox == 0 ? "I_ArtZinsen" : "I_ArtDividende")
                          : e.liste == quarnel::KapListe::Ausland ? "A_ArtAusland"
                                                                  : "B_ArtBeteil";
        z.push_back(std::string(pre) + "StpflCB" + n + std::to_string(e.person));
        z.push_back(art + n + std::to_string(e.art));
        for (const auto& [feld, wert] : e.betraege) z.push_back(quarnel::Def(feld).id + n + wert);
    }
    return z;
}

// The share on the notice: the capital income and its annex.
inline void KapImBescheid(const Bescheid& b) {
    QVERIFY(b.r.KapEinnEr > 0 && b.r.KapEinnSie > 0);
    QVERIFY(b.Zeigt("Einkünfte aus Kapitalvermögen"));
    QVERIFY(b.Zeigt("Anlage: Berechnung der Kapitaleinkünfte"));
}

}  // namespace fall
