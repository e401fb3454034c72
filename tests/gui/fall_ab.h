// The extraordinary burdens of the whole case: a married couple assessed
// jointly with two children, the younger disabled; the taxpayer a surviving
// dependant; the support of his mother, who has a pension of her own; her
// home care; costs of illness and a list of further costs. The base case by
// field, the share entered through the pages, and the same share as the
// command line sets it.
#pragma once

#include <QPushButton>
#include <string>
#include <vector>

#include "fall.h"
#include "pages/seiten.h"
#include "pages/seite_belastungen.h"
#include "pages/tf_anlage.h"
#include "seitentest.h"

namespace fall {

namespace ab {

// The page (area 13, page n) as the navigator opens it, shown.
inline quarnel::gui::TForm11* Seite(seitentest::Umgebung& u, int seite) {
    return seitentest::SeiteOeffnen(u, 13, seite);
}

// The rows of the list of further costs, as the user typed them into list 38.
inline void WeitereKosten(seitentest::Umgebung& u) {
    quarnel::Listensatz liste;
    liste.SetzeZeilenText(1, "Brille");
    liste.SetzeZeilenBetrag(1, 830.40);
    liste.SetzeZeilenText(2, "Zahnersatz");
    liste.SetzeZeilenBetrag(2, 1250.35);
    u.Liste() = liste;
    QVERIFY(u.ListeSchreiben(38));
}

}  // namespace ab

// The share through the pages of area 13 and their subordinate pages.
inline void AbAnteilUeberSeiten(seitentest::Umgebung& u) {
    using namespace quarnel;
    using namespace quarnel::gui;
    using seitentest::Eintragen;

    // Ben (child 2, person 4) is disabled; the taxpayer is a surviving dependant.
    auto* behi = qobject_cast<TF_AbBeHi*>(ab::Seite(u, 1));
    QVERIFY(behi);
    behi->BehBtn(4)->click();
    auto* beh = seitentest::Zuletzt<TF_BehindN>(u);
    QVERIFY(beh);
    Eintragen(*beh, Feld::GradBehinderung, QStringLiteral("50"));
    Eintragen(*beh, Feld::NachwUnbefCB, QStringLiteral("ja"));
    seitentest::Klicken(*beh, "OkBtn");
    behi->ReiterZeigen(QStringLiteral("Hinter&bliebene"));
    Eintragen(*behi, Feld::HiAntStpflCB, QStringLiteral("ja"));
    QVERIFY(behi->close());

    // His mother, supported all year, with her pension.
    TForm11* unt = ab::Seite(u, 4);
    QVERIFY(unt);
    unt->ReiterZeigen(QStringLiteral("&1. Person"));
    Eintragen(*unt, Feld::NameP1, QStringLiteral("Maria Muster, Lindenweg 3, Kassel"));
    Eintragen(*unt, Feld::LandLBP1, QStringLiteral("1"));
    Eintragen(*unt, Feld::GebDatP1, QStringLiteral("12.05.1931"));
    Eintragen(*unt, Feld::FamStandP1, QStringLiteral("5"));
    Eintragen(*unt, Feld::VGradP1, QStringLiteral("Mutter"));
    Eintragen(*unt, Feld::AndHHCBP1, QStringLiteral("ja"));
    seitentest::Klicken(*unt, "RechBtnP1");
    auto* eink = seitentest::Zuletzt<TF_AbEink>(u);
    QVERIFY(eink);
    Eintragen(*eink, Feld::AufwArt, QStringLiteral("Unterhalt"));
    Eintragen(*eink, Feld::AufwDM, QStringLiteral("7200"));
    Eintragen(*eink, Feld::AufwVom, QStringLiteral("01.01.2001"));
    Eintragen(*eink, Feld::AufwBis, QStringLiteral("31.12.2001"));
    eink->ReiterZeigen(QStringLiteral("&Einkünfte/Bezüge"));
    Eintragen(*eink, Feld::AbEink_RentenIn, QStringLiteral("9600"));
    Eintragen(*eink, Feld::AbEink_ErtragAnteil, QStringLiteral("27"));
    seitentest::Klicken(*eink, "OkBtn");
    QVERIFY(unt->close());

    // Her care at home, by two carers.
    TForm11* pfl = ab::Seite(u, 3);
    QVERIFY(pfl);
    Eintragen(*pfl, Feld::NamePers, QStringLiteral("Maria Muster, Mutter"));
    Eintragen(*pfl, Feld::NachweisBeigef, QStringLiteral("ja"));
    Eintragen(*pfl, Feld::ZahlKraefte, QStringLiteral("2"));
    QVERIFY(pfl->close());

    // Costs of illness, and further costs from the list.
    ab::WeitereKosten(u);
    TForm11* and_ = ab::Seite(u, 6);
    QVERIFY(and_);
    Eintragen(*and_, Feld::AbAndere_Art1, QStringLiteral("Krankheitskosten"));
    Eintragen(*and_, Feld::Aufwand1, QStringLiteral("5200"));
    Eintragen(*and_, Feld::Erstattungen1, QStringLiteral("1200"));
    seitentest::Klicken(*and_, "EinzelBtn");
    auto* liste = seitentest::Zuletzt<TF_Anlage>(u);
    QVERIFY(liste);
    u.meldungen.antworten = {Antwort::Ja};
    liste->OkClick();
    QVERIFY(and_->close());
}

// The same share as assignments of the command line's "setze".
inline std::vector<std::string> AbAnteilSetze() {
    return {"GradBehinderung[4]=50", "NachwUnbefCB[4]=ja", "HiAntStpflCB=ja",
            "NameP1=Maria Muster, Lindenweg 3, Kassel", "LandLBP1=1", "GebDatP1=12.05.1931",
            "FamStandP1=5", "VGradP1=Mutter", "AndHHCBP1=ja", "AufwArt[1]=Unterhalt",
            "AufwDM[1]=7200", "AufwVom[1]=01.01.2001", "AufwBis[1]=31.12.2001",
            "AbEink_RentenIn[1]=9600", "AbEink_ErtragAnteil[1]=27",
            "NamePers=Maria Muster, Mutter", "NachweisBeigef=ja", "ZahlKraefte=2",
            "AbAndere_Art1=Krankheitskosten", "Aufwand1=5200", "Erstattungen1=1200",
            "SonstigeKosten=2080,75"};
}

}  // namespace fall
