// The household-help and donation share of the whole joint case: the two
// children of fall::KinderZuweisungen() (entered on the children page, for
// their child and childcare allowances), a household help employed all year
// with pension contributions from March and the spouse ill from June,
// donations to science (from its list) and to the church, and to a foundation
// and its capital stock. Entered through the pages, or set by field as
// quarnel-cli setze does.
#pragma once

#include <QPushButton>
#include <string>
#include <vector>

#include "fall.h"
#include "pages/seiten.h"
#include "pages/seite_sonderausgaben2.h"
#include "pages/tf_anlage.h"
#include "seitentest.h"

namespace fall {

// The children as the user enters them on the children page: first name and
// birth date; the page sets the rest of fall::KinderZuweisungen().
inline void Sa2KinderUeberSeiten(seitentest::Umgebung& u) {
    using quarnel::Feld;
    seitentest::UeberSeiten(u, {{2, 1, Feld::Vorname, "Anna"}, {2, 1, Feld::GebAm, "12.05.1992"},
                                {2, 2, Feld::Vorname, "Ben"}, {2, 2, Feld::GebAm, "03.09.1995"}});
}

// The share (without the children) as field assignments.
inline std::vector<std::string> Sa2Felder() {
    return {"NameHausHilfe=Jadwiga Nowak", "BeschVom=01.01.2001", "BeschBis=31.12.2001",
            "RVBeitragVom=01.03.2001", "RVBeitragBis=31.12.2001", "AufwandDm=24000",
            "AbKrankheitCB=ja", "AbKrankheitVom=01.06.2001", "AbKrankheitBis=31.12.2001",
            "WissenDM=250,35", "KirchDM=480", "KirchFA=20,50", "StiftStockDM=5000",
            "StiftStockAnsatzDM=2000", "StiftDM=1000"};
}

// The share through the pages, the children already in the case: the
// household-help page with its application, the donation page with the
// science list.
inline void Sa2UeberSeiten(seitentest::Umgebung& u) {
    using namespace quarnel;
    using namespace quarnel::gui;
    TForm11* hahi = seitentest::SeiteOeffnen(u, 12, 4);
    QVERIFY(hahi);
    hahi->findChild<QPushButton*>(QStringLiteral("HausHiBtn"))->click();
    auto* antrag = qobject_cast<TF_HausHi*>(u.gezeigt.back().data());
    QVERIFY(antrag);
    seitentest::Eintragen(*antrag, Feld::NameHausHilfe, QStringLiteral("Jadwiga Nowak"));
    seitentest::Eintragen(*antrag, Feld::BeschVom, QStringLiteral("01.01.2001"));
    seitentest::Eintragen(*antrag, Feld::BeschBis, QStringLiteral("31.12.2001"));
    seitentest::Eintragen(*antrag, Feld::RVBeitragVom, QStringLiteral("01.03.2001"));
    seitentest::Eintragen(*antrag, Feld::RVBeitragBis, QStringLiteral("31.12.2001"));
    seitentest::Eintragen(*antrag, Feld::AufwandDm, QStringLiteral("24000"));
    seitentest::Eintragen(*antrag, Feld::AbKrankheitCB, QStringLiteral("ja"));
    seitentest::Eintragen(*antrag, Feld::AbKrankheitVom, QStringLiteral("01.06.2001"));
    seitentest::Eintragen(*antrag, Feld::AbKrankheitBis, QStringLiteral("31.12.2001"));
    antrag->OkBtnClick();
    QVERIFY(hahi->close());

    Listensatz liste;
    liste.SetzeZeilenText(1, "Universitaet");
    liste.SetzeZeilenBetrag(1, 150.40);
    liste.SetzeZeilenBetrag(2, 99.95);
    u.Liste() = liste;
    QVERIFY(u.ListeSchreiben(34));
    TForm11* spende = seitentest::SeiteOeffnen(u, 12, 6);
    QVERIFY(spende);
    spende->findChild<QPushButton*>(QStringLiteral("AlleBtn"))->click();
    auto* tabelle = qobject_cast<TF_Anlage*>(u.gezeigt.back().data());
    QVERIFY(tabelle);
    u.meldungen.antworten = {Antwort::Ja};
    tabelle->OkClick();
    seitentest::Eintragen(*spende, Feld::KirchDM, QStringLiteral("480"));
    seitentest::Eintragen(*spende, Feld::KirchFA, QStringLiteral("20,50"));
    seitentest::Eintragen(*spende, Feld::StiftStockDM, QStringLiteral("5000"));
    seitentest::Eintragen(*spende, Feld::StiftStockAnsatzDM, QStringLiteral("2000"));
    seitentest::Eintragen(*spende, Feld::StiftDM, QStringLiteral("1000"));
    QVERIFY(spende->close());
}

// The share on the notice: the household help and the donations among the
// unlimited special expenses, both children's allowances for the surcharges.
inline void Sa2ImBescheid(const Bescheid& b) {
    const auto [sa, beschraenkt, ab] = b.Abzuege();
    QVERIFY(b.Abzuege().Geordnet(b.text.zeilen.size()));
    const size_t haus = b.Zeile("Hausw. Besch.-Verhältnis", sa);
    QVERIFY(haus < beschraenkt);
    QVERIFY2(b.ZeigtBetrag(haus, 15000), b.ZeileUtf8(haus).c_str());
    const size_t spenden = b.Zeile("Spenden", sa);
    QVERIFY(spenden < beschraenkt);
    // 251 + 501 + 2000 + 1000
    QVERIFY2(b.ZeigtBetrag(spenden, 3752), b.ZeileUtf8(spenden).c_str());
    // Kindergeld is the better choice; the child and childcare allowances of
    // both children, 2 · (6912 + 3024), count for the surcharges.
    const size_t kinder = b.Zeile("Jahresfreibeträge für Kinder", ab);
    QVERIFY2(b.ZeigtBetrag(kinder, 19872), b.ZeileUtf8(kinder).c_str());
}

}  // namespace fall
