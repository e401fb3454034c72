// The page families: persons and tax table, disability, children and
// education, the wage-tax cards and the quick calculation, and a whole case
// entered through the pages against the same case set field by field.
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <cstring>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/calcdaten.h"
#include "calc/deklaration.h"
#include "case/feldwerte.h"
#include "pages/seiten.h"
#include "pages/seitenzustand.h"
#include "seitentest.h"
#include "widgets/auswahl.h"
#include "widgets/maskenfeld.h"

using namespace quarnel;
using namespace quarnel::gui;

namespace {

using seitentest::Eintragen;

template <class Seite, class... A>
Seite* Oeffnen(seitentest::Umgebung& u, A... a) {
    auto* s = new Seite(u, a...);
    u.Zeigen(s);
    return s;
}

}  // namespace

class SeitenfamilienTest : public QObject {
    Q_OBJECT
  private slots:
    void beschriftungen_erklaeren_die_felder() {
        seitentest::Umgebung u;
        auto* ersie = Oeffnen<TF_ErSie>(u);
        auto* kind = Oeffnen<TF_Kind>(u, 1);
        auto* nsa = Oeffnen<TF_NSA>(u, 1);
        // No row caption stands twice on one entry tab.
        for (TForm11* s : {static_cast<TForm11*>(ersie), static_cast<TForm11*>(kind),
                           static_cast<TForm11*>(nsa)})
            for (int i = 1; i < s->OvcNb()->count(); ++i) {
                QStringList texte;
                for (QLabel* l : s->OvcNb()->widget(i)->findChildren<QLabel*>()) {
                    const QString t = l->text().trimmed();
                    auto* g = qobject_cast<QGridLayout*>(l->parentWidget()->layout());
                    int zeile = 0, spalte = -1, h = 0, b = 0;
                    if (g && g->indexOf(l) >= 0)
                        g->getItemPosition(g->indexOf(l), &zeile, &spalte, &h, &b);
                    if (spalte != 0 || !l->objectName().endsWith(QStringLiteral("Lbl"))) continue;
                    QVERIFY2(!texte.contains(t), qPrintable(s->OvcNb()->tabText(i) + ": " + t));
                    texte << t;
                }
            }
        // The group captions.
        const auto hatText = [](QWidget* reiter, const QString& teil) {
            for (QLabel* l : reiter->findChildren<QLabel*>())
                if (l->text().contains(teil)) return true;
            return false;
        };
        QVERIFY(hatText(ersie->Reiter(QStringLiteral("&Bank")),
                        QStringLiteral("Der Steuerbescheid soll nicht mir/uns zugesandt werden")));
        QVERIFY(hatText(ersie->Reiter(QStringLiteral("&Bank")), QStringLiteral("Kontoinhaber, wenn")));
        for (const char* gruppe : {"18 bis 27", "18 bis 21", "über 21", "über 27"})
            QVERIFY2(hatText(kind->Reiter(QStringLiteral("&Besonderh.")), QString::fromUtf8(gruppe)),
                     gruppe);
        QVERIFY(hatText(nsa->Reiter(QStringLiteral("&Vors.")), QStringLiteral("Vorsorgeaufwendungen")));
        // Line 13 of the card on a row of its own, below line 12.
        auto* teil2 = static_cast<QGridLayout*>(nsa->Reiter(QStringLiteral("T&eil II"))->layout());
        int z12, z13, sp, h, b;
        teil2->getItemPosition(teil2->indexOf(nsa->Steuer(Feld::SoliMj)), &z12, &sp, &h, &b);
        teil2->getItemPosition(teil2->indexOf(nsa->Steuer(Feld::KiStAnMj)), &z13, &sp, &h, &b);
        QCOMPARE(z13, z12 + 1);
        QCOMPARE(sp, 2);
    }

    void kindervorname_ohne_das_leerzeichen_der_vorgabe() {
        seitentest::Umgebung u;
        QCOMPARE(u.Satz().TextUtf8(Feld::Vorname, 1), std::string(" "));
        auto* kind = Oeffnen<TF_Kind>(u, 1);
        auto* feld = qobject_cast<QLineEdit*>(kind->Steuer(Feld::Vorname));
        QVERIFY(feld);
        QCOMPARE(feld->text(), QString());  // the default blank is not shown
        QVERIFY(kind->close());
        QCOMPARE(u.Satz().TextUtf8(Feld::Vorname, 1), std::string(" "));  // untouched: as it was
        kind = Oeffnen<TF_Kind>(u, 2);
        feld = qobject_cast<QLineEdit*>(kind->Steuer(Feld::Vorname));
        kind->OvcNb()->setCurrentIndex(1);
        feld->setFocus();
        QTest::keyClicks(feld, QStringLiteral("Anna"));
        QVERIFY(kind->close());
        QCOMPARE(u.Satz().TextUtf8(Feld::Vorname, 2), std::string("Anna"));
    }

    void verheiratet_und_ledig_waehlen_die_tabelle() {
        seitentest::Umgebung u;
        auto* s = Oeffnen<TF_ErSie>(u);
        auto* label = s->findChild<QLabel*>(QStringLiteral("MeldungLbl"));
        const int ehefrau = s->ReiterIndex(QStringLiteral("&Ehefrau"));
        QCOMPARE(label->text(), QStringLiteral("Besteuerung nach Grundtabelle"));
        QVERIFY(!s->OvcNb()->isTabEnabled(ehefrau));
        Eintragen(*s, Feld::ErSie_FamilienstandLB, QStringLiteral("1"));
        QCOMPARE(label->text(), QStringLiteral("Besteuerung nach Splittingtabelle"));
        QVERIFY(s->OvcNb()->isTabEnabled(ehefrau));
        QVERIFY(s->Steuer(Feld::Besch630Sie)->isEnabled());
        QVERIFY(SeitenmerkerTest(u.Satz(), SM_Aktiv, 3, 3));
        Eintragen(*s, Feld::ErSie_FamilienstandLB, QStringLiteral("0"));
        QCOMPARE(label->text(), QStringLiteral("Besteuerung nach Grundtabelle"));
        QVERIFY(!SeitenmerkerTest(u.Satz(), SM_Aktiv, 3, 3));
        QVERIFY(!s->Steuer(Feld::Besch630Sie)->isEnabled());
        QVERIFY(s->close());
        QVERIFY(u.Satz().Bool(Feld::Grundtabelle));
        QVERIFY(!u.Satz().Bool(Feld::Splitting));
    }

    void geschieden_fragt_nach_der_trennung() {
        seitentest::Umgebung u;
        auto* s = Oeffnen<TF_ErSie>(u);
        Eintragen(*s, Feld::ErSie_FamilienstandLB, QStringLiteral("3"));
        QVERIFY(!s->Steuer(Feld::FamStandSeit)->isHidden());
        Eintragen(*s, Feld::FamStandSeit, QStringLiteral("01.10.2001"));
        QVERIFY(!s->Steuer(Feld::StpflDTrennSeit)->isHidden());
        Eintragen(*s, Feld::StpflDTrennSeit, QStringLiteral("01.02.2001"));
        QVERIFY(s->Splitting());
        // Widowed in the previous year: the widows' table on the basic flags.
        Eintragen(*s, Feld::ErSie_FamilienstandLB, QStringLiteral("4"));
        Eintragen(*s, Feld::FamStandSeit, QStringLiteral("01.10.2000"));
        QCOMPARE(s->findChild<QLabel*>(QStringLiteral("MeldungLbl"))->text(),
                 QStringLiteral("Besteuerung nach Splittingtabelle (Witwen/Witwer)"));
        QVERIFY(s->Grundtabelle());
        delete s;
    }

    void religion_speichert_sofort_den_text() {
        seitentest::Umgebung u;
        auto* s = Oeffnen<TF_ErSie>(u);
        Eintragen(*s, Feld::StpflReligionLB, QStringLiteral("7"));
        QCOMPARE(u.Satz().Text(Feld::StpflReligionLB_Text), std::string("Sonstige    "));
        QVERIFY(!s->Steuer(Feld::StpflReligionVon)->isHidden());
        Eintragen(*s, Feld::StpflReligionLB, QStringLiteral("9"));
        QVERIFY(s->Steuer(Feld::StpflReligionVon)->isHidden());
        delete s;
    }

    void behinderung_pauschbetrag_und_rueckkehr() {
        seitentest::Umgebung u;
        auto* ersie = Oeffnen<TF_ErSie>(u);
        ersie->findChild<QPushButton*>(QStringLiteral("StpflBehinderungBtn"))->click();
        QCOMPARE(SeitenzustandGlobal().unterseite, Unterseite::BehinderungVonPersonen);
        QCOMPARE(u.blatt, 14);
        QVERIFY(!ersie->isEnabled());
        auto* b = qobject_cast<TF_BehindN*>(u.gezeigt.back().data());
        QVERIFY(b);
        QVERIFY(b->Steuer(Feld::BehindN_AufteilungProz)->isHidden());
        Eintragen(*b, Feld::GradBehinderung, QStringLiteral("30"));
        QCOMPARE(b->Betrag(Feld::BehPauschBetrag)->Wert(), 0.0);
        Eintragen(*b, Feld::BerufserkCB, QStringLiteral("ja"));
        QCOMPARE(b->Betrag(Feld::BehPauschBetrag)->Wert(), 600.0);
        Eintragen(*b, Feld::GradBehinderung, QStringLiteral("50"));
        QCOMPARE(b->Betrag(Feld::BehPauschBetrag)->Wert(), 1110.0);
        QVERIFY(!b->Steuer(Feld::BerufserkCB)->isEnabled());
        Eintragen(*b, Feld::HilfLosCB, QStringLiteral("ja"));
        QCOMPARE(b->Betrag(Feld::BehPauschBetrag)->Wert(), 7200.0);
        Eintragen(*b, Feld::NachWbefBis, QStringLiteral("31.12.2005"));
        Eintragen(*b, Feld::NachwUnbefCB, QStringLiteral("ja"));
        QCOMPARE(b->Datum(Feld::NachWbefBis)->Wert(), KeinDatum);
        QVERIFY(b->close());
        QApplication::processEvents();
        QVERIFY(ersie->isEnabled());
        QCOMPARE(SeitenzustandGlobal().unterseite, Unterseite::Keine);
        QCOMPARE(u.blatt, 11);
        QCOMPARE(ersie->findChild<QLabel*>(QStringLiteral("BehPbStpfl"))->text(),
                 QStringLiteral("7.200,00 DM"));
        delete ersie;
    }

    void zweite_steuerkarte() {
        seitentest::Umgebung u;
        auto* erste = Oeffnen<TF_NSA>(u, 1);
        for (int i = 0; i < erste->OvcNb()->count(); ++i) QVERIFY(erste->OvcNb()->isTabEnabled(i));
        QCOMPARE(erste->OvcNb()->count(), 8);
        delete erste;
        auto* s = Oeffnen<TF_NSA>(u, 2);
        QCOMPARE(s->KopfPnl()->text(),
                 QStringLiteral(" Steuerpflichtiger, Einkünfte aus Nichtselbständiger Arbeit - "
                                "2. Steuerkarte"));
        QVERIFY(!s->OvcNb()->isTabEnabled(s->ReiterIndex(QStringLiteral("V&WL"))));
        QVERIFY(s->OvcNb()->isTabEnabled(s->ReiterIndex(QStringLiteral("T&eil II"))));
        QVERIFY(s->Steuer(Feld::Steuerklasse)->isHidden());
        Eintragen(*s, Feld::Brutto, QStringLiteral("-1.200"));  // a repayment
        QVERIFY(s->close());
        QCOMPARE(u.Satz().Dbl(Feld::Brutto, 2), -1200.0);
        auto* sie = Oeffnen<TF_NSA>(u, 4);
        QVERIFY(sie->KopfPnl()->text().startsWith(QStringLiteral(" Ehegatte, ")));
        delete sie;
    }

    void kind_geburtsdatum_setzt_vorgaben() {
        seitentest::Umgebung u;
        u.Satz().SetzeBool(Feld::Splitting, true);
        u.Satz().SetzeBool(Feld::Grundtabelle, false);
        auto* k = Oeffnen<TF_Kind>(u, 1);
        QVERIFY(!u.veraendert);
        QVERIFY(!k->OvcNb()->isTabEnabled(k->ReiterIndex(QStringLiteral("&Besonderh."))));
        Eintragen(*k, Feld::GebAm, QStringLiteral("15.05.2001"));
        QVERIFY(testumgebung::EnthaeltText(u.meldungen, "Mit Eingabe des Geburtsdatums"));
        QCOMPARE(k->Datum(Feld::InlandVom)->Wert(), TagesNummer(2001, 5, 15));
        QCOMPARE(k->Liste(Feld::KindschaftZuEhefrauLB)->Index(), 2);
        QCOMPARE(k->Betrag(Feld::ErhKiGeld)->Wert(), 3240.0);
        QCOMPARE(k->findChild<QLabel*>(QStringLiteral("KinderFbLbl"))->text(),
                 QStringLiteral("4.608,00 DM"));
        QCOMPARE(k->findChild<QLabel*>(QStringLiteral("BetreuFbLbl"))->text(),
                 QStringLiteral("2.016,00 DM"));
        QVERIFY(k->OvcNb()->isTabEnabled(k->ReiterIndex(QStringLiteral("&Besonderh."))));
        QVERIFY(u.veraendert);
        k->OvcNb()->setCurrentIndex(k->ReiterIndex(QStringLiteral("&Kindschaft")));
        QCOMPARE(u.blatt, 22);
        delete k;
    }

    void ausbildung_ist_unterseite_des_kindes() {
        seitentest::Umgebung u;
        auto* k = Oeffnen<TF_Kind>(u, 2);
        Eintragen(*k, Feld::GebAm, QStringLiteral("10.03.1980"));
        Eintragen(*k, Feld::BesHeit_1, QStringLiteral("ja"));
        QCOMPARE(k->Datum(Feld::BesonderheitVom)->Wert(), ErsterTagSteuerjahr);
        k->findChild<QPushButton*>(QStringLiteral("KindAusbildBtn"))->click();
        QCOMPARE(SeitenzustandGlobal().unterseite, Unterseite::Ausbildung);
        QVERIFY(!k->isEnabled());
        auto* a = qobject_cast<TF_Ausbild*>(u.gezeigt.back().data());
        QVERIFY(a);
        QCOMPARE(a->KopfPnl()->text(), QStringLiteral("  Ausbildungsfreibetrag 2. Kind"));
        Eintragen(*a, Feld::AusbildVom, QStringLiteral("01.01.2001"));
        Eintragen(*a, Feld::AusbildBis, QStringLiteral("31.12.2001"));
        // basic table, the other parent entitled: half of 2,400 (§ 33a(2) EStG)
        QCOMPARE(a->Betrag(Feld::Ausbild_AufteilungProz)->Wert(), 50.0);
        QCOMPARE(a->Betrag(Feld::AusbildFreibetrag)->Wert(), 1200.0);
        QVERIFY(a->close());
        QApplication::processEvents();
        QVERIFY(k->isEnabled());
        QCOMPARE(SeitenzustandGlobal().unterseite, Unterseite::Keine);
        QCOMPARE(u.Satz().Dbl(Feld::AusbildFbLbl, 2), 1200.0);
        delete k;
        auto* ueber = Oeffnen<TF_AbAusBi>(u);
        QCOMPARE(ueber->findChild<QLabel*>(QStringLiteral("AusbildFb2"))->text(),
                 QStringLiteral("1.200,00 DM"));
        delete ueber;
    }

    void kurzberechnung_meldet_sich_beim_hauptfenster() {
        seitentest::Umgebung u;
        auto* k = Oeffnen<TF_Kurz>(u);
        QVERIFY(u.kurz);
        Eintragen(*k, Feld::MonateRelEr, QStringLiteral("0"));
        Eintragen(*k, Feld::MonateRelSie, QStringLiteral("12"));
        Eintragen(*k, Feld::KiGeld1, QStringLiteral("3240"));
        k->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
        QApplication::processEvents();
        QVERIFY(!u.kurz);
        QCOMPARE(u.Satz().Text(Feld::MonateRelEr_Text), std::string("keine"));
        QCOMPARE(u.Satz().Text(Feld::MonateRelSie_Text), std::string("KiSt erhebend"));
        QCOMPARE(u.Satz().Dbl(Feld::KiGeld1), 3240.0);
    }

    void ehepaar_mit_kindern_ueber_die_seiten() {
        seitentest::Umgebung u;
        auto* p = Oeffnen<TF_ErSie>(u);
        Eintragen(*p, Feld::StpflGebDat, QStringLiteral("01.01.1960"));
        Eintragen(*p, Feld::ErSie_FamilienstandLB, QStringLiteral("1"));
        Eintragen(*p, Feld::FamStandSeit, QStringLiteral("12.05.1990"));
        Eintragen(*p, Feld::StpflReligionLB, QStringLiteral("0"));
        Eintragen(*p, Feld::EhegGebDat, QStringLiteral("01.01.1962"));
        QVERIFY(p->close());
        for (int kind = 1; kind <= 2; ++kind) {
            auto* k = Oeffnen<TF_Kind>(u, kind);
            Eintragen(*k, Feld::GebAm,
                      kind == 1 ? QStringLiteral("15.05.1990") : QStringLiteral("01.03.1995"));
            QVERIFY(k->close());
        }
        auto* er = Oeffnen<TF_NSA>(u, 1);
        Eintragen(*er, Feld::Brutto, QStringLiteral("60000"));
        Eintragen(*er, Feld::LStBrutto, QStringLiteral("9000"));
        Eintragen(*er, Feld::SoliBrutto, QStringLiteral("400"));
        Eintragen(*er, Feld::KiStAnBrutto, QStringLiteral("700"));
        QVERIFY(er->close());
        auto* sie = Oeffnen<TF_NSA>(u, 3);
        Eintragen(*sie, Feld::Brutto, QStringLiteral("30000"));
        Eintragen(*sie, Feld::LStBrutto, QStringLiteral("3.000,00"));
        QVERIFY(sie->close());

        // The same case, field by field as the command line sets it.
        CaseRecord r;
        NeuerFallDatensatz(r);
        for (const char* z :
             {"StpflGebDat=01.01.1960", "ErSie_FamilienstandLB=1", "FamStandSeit=12.05.1990",
              "Grundtabelle=nein", "Splitting=ja", "StpflReligionLB=0",
              "StpflReligionLB_Text=Evangelisch", "EhegGebDat=01.01.1962",
              "GebAm[1]=15.05.1990", "GebAm[2]=01.03.1995", "InlandVom[1]=01.01.2001",
              "InlandBis[1]=31.12.2001", "InlandVom[2]=01.01.2001", "InlandBis[2]=31.12.2001",
              "KindschaftZuEhemannLB[1]=2", "KindschaftZuEhefrauLB[1]=2",
              "KindschaftZuEhemannLB[2]=2", "KindschaftZuEhefrauLB[2]=2", "KiZumHHGehoer[1]=ja",
              "KiZumHHGehoer[2]=ja", "ErhKiGeld[1]=3240", "ErhKiGeld[2]=3240",
              "Brutto[1]=60000", "LStBrutto[1]=9000", "SoliBrutto[1]=400",
              "KiStAnBrutto[1]=700", "Brutto[3]=30000", "LStBrutto[3]=3000"}) {
            const std::string s(z);
            const size_t gl = s.find('=');
            const FeldSuche f = FeldAufloesen(s.substr(0, gl));
            QVERIFY2(f.adresse, z);
            QVERIFY2(!FeldwertSetzen(r, *f.adresse, s.substr(gl + 1)), z);
        }
        seitentest::GleichesErgebnis(u.Satz(), r);
    }
};

QTEST_MAIN(SeitenfamilienTest)
#include "seitenfamilien.moc"
