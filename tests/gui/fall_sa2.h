// The household-help and donation share of the whole joint case: two children
// (their child and childcare allowances), a household help employed all year
// with pension contributions from March and the spouse ill from June,
// donations to science (from its list) and to the church, and to a foundation
// and its capital stock. Entered through the pages, or set by field as
// quarnel-cli setze does.
#pragma once

#include <QPushButton>
#include <string>
#include <vector>

#include "case/feldwerte.h"
#include "pages/seiten.h"
#include "pages/seiten_sa.h"
#include "pages/seitentabelle.h"
#include "pages/tf_anlage.h"
#include "seitentest.h"

namespace fall {

inline void Sa2Setzen(quarnel::CaseRecord& r, const std::vector<std::string>& felder) {
    for (const std::string& s : felder) {
        const size_t gl = s.find('=');
        const quarnel::FeldSuche f = quarnel::FeldAufloesen(s.substr(0, gl));
        QVERIFY2(f.adresse, s.c_str());
        QVERIFY2(!quarnel::FeldwertSetzen(r, *f.adresse, s.substr(gl + 1)), s.c_str());
    }
}

// The plain joint couple with their wages.
inline void Sa2Grundfall(quarnel::CaseRecord& r) {
    Sa2Setzen(r, {"ErSie_FamilienstandLB=1", "Grundtabelle=nein", "Splitting=ja",
                  "StpflGebDat=01.01.1960", "EhegGebDat=01.01.1962", "Brutto[1]=70000",
                  "LStBrutto[1]=12000", "Brutto[3]=40000", "LStBrutto[3]=5000"});
}

// The share as field assignments.
inline std::vector<std::string> Sa2Felder() {
    std::vector<std::string> z;
    const char* namen[] = {"Anna", "Ben"};
    const char* geboren[] = {"12.05.1992", "03.09.1995"};
    for (int k = 1; k <= 2; ++k) {
        const std::string i = "[" + std::to_string(k) + "]=";
        // What the children page sets with the birth date.
        for (const std::string& s :
             {"Vorname" + i + namen[k - 1], "GebAm" + i + geboren[k - 1],
              "InlandVom" + i + "01.01.2001", "InlandBis" + i + "31.12.2001",
              "KindschaftZuEhemannLB" + i + "2", "KindschaftZuEhefrauLB" + i + "2",
              "KiZumHHGehoer" + i + "ja", "ErhKiGeld" + i + "3240"})
            z.push_back(s);
    }
    for (const char* s :
         {"NameHausHilfe=Jadwiga Nowak", "BeschVom=01.01.2001", "BeschBis=31.12.2001",
          "RVBeitragVom=01.03.2001", "RVBeitragBis=31.12.2001", "AufwandDm=24000",
          "AbKrankheitCB=ja", "AbKrankheitVom=01.06.2001", "AbKrankheitBis=31.12.2001",
          "WissenDM=250,35", "KirchDM=480", "KirchFA=20,50", "StiftStockDM=5000",
          "StiftStockAnsatzDM=2000", "StiftDM=1000"})
        z.push_back(s);
    return z;
}

// The share through the pages: the children page, the household-help page with
// its application, the donation page with the science list.
inline void Sa2UeberSeiten(seitentest::Umgebung& u) {
    using namespace quarnel;
    using namespace quarnel::gui;
    const QString namen[] = {QStringLiteral("Anna"), QStringLiteral("Ben")};
    const QString geboren[] = {QStringLiteral("12.05.1992"), QStringLiteral("03.09.1995")};
    for (int k = 1; k <= 2; ++k) {
        TForm11* kind = SeiteErzeugen(u, 2, k);
        u.Zeigen(kind);
        seitentest::Eintragen(*kind, Feld::Vorname, namen[k - 1]);
        seitentest::Eintragen(*kind, Feld::GebAm, geboren[k - 1]);
        QVERIFY(kind->close());
    }

    TForm11* hahi = SeiteErzeugen(u, 12, 4);
    u.Zeigen(hahi);
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
    TForm11* spende = SeiteErzeugen(u, 12, 6);
    u.Zeigen(spende);
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

}  // namespace fall
