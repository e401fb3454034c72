// The message box, the dialog base and the small widgets.
#include "shell/meldungsbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "shell/tform13.h"
#include "testumgebung.h"
#include "widgets/eingabefeld.h"
#include "widgets/rechnerfeld.h"

using namespace quarnel;
using namespace quarnel::gui;

class MeldungsBoxTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void knoepfe_und_text() {
        MeldungsBox box(Meldung{MeldungsTyp::Bestaetigung, "Erste\rZweite\r\nDritte <b>x</b>",
                                KnopfJa | KnopfNein | KnopfAbbrechen | KnopfHilfe, "std\\x",
                                false});
        QCOMPARE(box.windowTitle(), QStringLiteral("Bestätigung"));
        auto* text = box.findChild<QLabel*>(QStringLiteral("MeldungText"));
        QVERIFY(text);
        QCOMPARE(text->text(), QStringLiteral("Erste\nZweite\nDritte <b>x</b>"));
        QCOMPARE(text->textFormat(), Qt::PlainText);
        QStringList captions;
        for (auto* b : box.findChildren<QPushButton*>()) captions << b->text();
        QCOMPARE(captions, (QStringList{"&Ja", "&Nein", "Abbrechen", "&Hilfe"}));

        MeldungsBox ok(Meldung{MeldungsTyp::Fehler, "x", KnopfOK | KnopfAbbruch, {}, false});
        captions.clear();
        for (auto* b : ok.findChildren<QPushButton*>()) captions << b->text();
        QCOMPARE(captions, (QStringList{"OK", "Abbruch"}));
        // An empty button set still gives a way out.
        MeldungsBox leer(Meldung{MeldungsTyp::Information, "x", 0, {}, false});
        QCOMPARE(leer.findChildren<QPushButton*>().size(), 1);
    }

    void antworten_und_hilfe_ohne_schliessen() {
        Meldung m{MeldungsTyp::Bestaetigung, "Frage?", KnopfJa | KnopfNein | KnopfHilfe, "std\\p",
                  false};
        MeldungsBox box(m);
        std::vector<std::string> hilfen;
        box.hilfeZeigen = [&](const std::string& s) { hilfen.push_back(s); };
        box.show();
        box.findChild<QPushButton*>(QStringLiteral("HilfeBtn"))->click();
        QTest::keyClick(&box, Qt::Key_F1);
        QCOMPARE(hilfen, (std::vector<std::string>{"std\\p", "std\\p"}));
        QVERIFY(box.isVisible());
        box.findChild<QPushButton*>(QStringLiteral("NeinBtn"))->click();
        QVERIFY(!box.isVisible());
        QCOMPARE(box.Ergebnis(), Antwort::Nein);

        // Escape gives the most cautious answer of the set.
        const struct {
            unsigned knoepfe;
            Antwort flucht;
        } faelle[] = {{KnopfJa | KnopfNein | KnopfAbbrechen, Antwort::Abbrechen},
                      {KnopfJa | KnopfNein, Antwort::Nein},
                      {KnopfOK, Antwort::OK}};
        for (const auto& f : faelle) {
            MeldungsBox b(Meldung{MeldungsTyp::Warnung, "x", f.knoepfe, {}, false});
            b.show();
            QTest::keyClick(&b, Qt::Key_Escape);
            QCOMPARE(b.Ergebnis(), f.flucht);
        }
    }

    void positionierte_meldung() {
        DialogMeldungen d;
        d.meldungsort = [] { return QPoint(123, 77); };
        QPoint gesehen;
        testumgebung::BeiModal([&](QWidget* w) {
            gesehen = w->pos();
            w->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        });
        Meldung m{MeldungsTyp::Information, "x", KnopfOK, {}, true};
        QCOMPARE(d.Zeige(m), Antwort::OK);
        QCOMPARE(gesehen, QPoint(123, 77));
    }

    void dialogbasis() {
        QCOMPARE(Tform13::SkalierteBreite(280, 718), 280);
        QCOMPARE(Tform13::SkalierteBreite(280, 1436), 560);
        QCOMPARE(Tform13::SkalierteBreite(340, 0), 340);

        QWidget haupt;
        haupt.setGeometry(100, 100, 1436, 800);
        Tform13 d(&haupt, 280);
        auto* a = new QLineEdit(&d);
        auto* b = new QLineEdit(&d);
        auto* knopf = new QPushButton(QStringLiteral("x"), &d);
        a->move(0, 0);
        b->move(0, 30);
        knopf->move(0, 60);
        int geklickt = 0;
        connect(knopf, &QPushButton::clicked, [&] { ++geklickt; });
        int offen = 0, zu = 0;
        Tform13::FensterMelder() = [&](bool o) { (o ? offen : zu)++; };
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(d.width(), 560);
        QCOMPARE(offen, 1);
        a->setFocus();
        QTest::keyClick(a, Qt::Key_Return);
        QVERIFY(b->hasFocus());
        knopf->setFocus();
        QTest::keyClick(knopf, Qt::Key_Return);
        QCOMPARE(geklickt, 1);  // Enter on a button presses it
        d.hide();
        QCOMPARE(zu, 1);
        Tform13::FensterMelder() = nullptr;
    }

    void eingabefeld_ueberschreiben() {
        EingabeFeld f;
        f.setText(QStringLiteral("1234"));
        f.setCursorPosition(1);
        QTest::keyClicks(&f, QStringLiteral("9"));
        QCOMPARE(f.text(), QStringLiteral("19234"));
        QTest::keyClick(&f, Qt::Key_Insert);
        QVERIFY(f.Ueberschreiben());
        QTest::keyClicks(&f, QStringLiteral("xyzuv"));
        QCOMPARE(f.text(), QStringLiteral("19xyzuv"));  // replaces, then appends at the end
    }

    void taschenrechner() {
        RechnerFeld r;
        for (const char* t : {"1", "2", ",", "5", "+", "3", "="}) r.Taste(QString::fromUtf8(t));
        QCOMPARE(r.Anzeige(), QStringLiteral("15,5"));
        for (const char* t : {"*", "2", "-", "1", "="}) r.Taste(QString::fromUtf8(t));
        QCOMPARE(r.Anzeige(), QStringLiteral("30"));  // chained left to right
        for (const char* t : {"C", "2", "0", "0", "+", "1", "0", "%", "="})
            r.Taste(QString::fromUtf8(t));
        QCOMPARE(r.Anzeige(), QStringLiteral("220"));
        for (const char* t : {"C", "5", "/", "0", "="}) r.Taste(QString::fromUtf8(t));
        QCOMPARE(r.Anzeige(), QStringLiteral("Fehler"));
        r.Taste(QStringLiteral("7"));
        QCOMPARE(r.Anzeige(), QStringLiteral("Fehler"));  // until cleared
        r.Taste(QStringLiteral("C"));
        r.show();
        QTest::keyClicks(&r, QStringLiteral("4.5*2"));
        QTest::keyClick(&r, Qt::Key_Return);
        QCOMPARE(r.Anzeige(), QStringLiteral("9"));
        QCOMPARE(r.Ergebnis(), 9.0);
    }
};

QTEST_MAIN(MeldungsBoxTest)
#include "meldungsbox.moc"
