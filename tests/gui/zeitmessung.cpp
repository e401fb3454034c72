// Timings, measured and printed, never asserted: the main window from
// construction to its first painting, and one focus change with the silent
// computation behind it.
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

#include "shell/tf_globmain.h"
#include "shell/tform13.h"
#include "testumgebung.h"

using namespace quarnel;
using namespace quarnel::gui;

class Zeitmessung : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void hauptfenster_bis_zur_ersten_anzeige() {
        testumgebung::Umgebung umg;
        MeldungsSenke senke;
        testumgebung::SkriptDialoge dialoge;
        testumgebung::FesteUhr uhr;
        testumgebung::MerkDesktop desktop;
        QBENCHMARK {
            TF_GlobMain haupt({}, umg.pfade, {&senke, &dialoge, &uhr, &desktop});
            bool angezeigt = false;
            connect(&haupt, &TF_GlobMain::angezeigt, [&] { angezeigt = true; });
            haupt.show();
            while (!angezeigt) QCoreApplication::processEvents();
        }
    }

    void fokuswechsel_mit_stiller_berechnung() {
        testumgebung::Umgebung umg;
        MeldungsSenke senke;
        testumgebung::SkriptDialoge dialoge;
        testumgebung::FesteUhr uhr;
        testumgebung::MerkDesktop desktop;
        TF_GlobMain haupt({}, umg.pfade, {&senke, &dialoge, &uhr, &desktop});
        haupt.show();
        QTRY_VERIFY(haupt.ErsteAnzeigeErledigt());
        QVERIFY(haupt.Fall().Neu());  // the running computation needs a case
        auto* seite = new QWidget;
        auto* l = new QVBoxLayout(seite);
        auto* a = new QLineEdit(seite);
        auto* b = new QLineEdit(seite);
        a->setProperty("hilfeNummer", 1101);
        l->addWidget(a);
        l->addWidget(b);
        haupt.SeiteEinfuegen(seite);
        haupt.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&haupt));
        bool wechsel = false;
        QBENCHMARK {
            (wechsel ? a : b)->setFocus();
            wechsel = !wechsel;
            QCoreApplication::processEvents();
        }
        QVERIFY(haupt.LaufendeBerechnungen() > 0);
    }
};

QTEST_MAIN(Zeitmessung)
#include "zeitmessung.moc"
