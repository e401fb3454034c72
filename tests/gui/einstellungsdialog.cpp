// The configuration dialog and the small windows of the main window.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "shell/kleinfenster.h"
#include "shell/txglobconf.h"
#include "testumgebung.h"
#include "widgets/eingabefeld.h"
#include "widgets/rechnerfeld.h"

using namespace quarnel;
using namespace quarnel::gui;

class EinstellungsdialogTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void felder_aus_den_einstellungen_und_ende() {
        Einstellungen e;
        e.insert = false;
        e.artLaufschrift = 1;
        e.speichernAnsi = false;
        e.obenRand = 2.0;
        MeldungsSenke senke;
        TxGlobConf d(nullptr, e, senke);
        QCOMPARE(d.windowTitle(), QStringLiteral("Konfiguration"));
        QVERIFY(d.findChild<QCheckBox*>(QStringLiteral("OverModusCB"))->isChecked());
        QCOMPARE(d.findChild<QComboBox*>(QStringLiteral("ArtLaufSchrift"))->currentIndex(), 1);
        QVERIFY(d.findChild<QRadioButton*>(QStringLiteral("ASCIIBtn"))->isChecked());
        auto* oben = d.findChild<EingabeFeld*>(QStringLiteral("ObenIF"));
        QCOMPARE(oben->text(), QStringLiteral("  2,00"));
        QVERIFY(oben->Ueberschreiben());
        QCOMPARE(d.findChild<QLabel*>(QStringLiteral("ViewFontLbl"))->text(),
                 QStringLiteral("Courier New, 10 Punkt"));
        QVERIFY(!d.Geaendert());

        // Overwrite mode off switches the dialog's own fields at once.
        d.findChild<QCheckBox*>(QStringLiteral("OverModusCB"))->setChecked(false);
        QVERIFY(!oben->Ueberschreiben());
        QVERIFY(d.Geaendert());
        oben->setText(QStringLiteral("1.5"));
        d.findChild<QLineEdit*>(QStringLiteral("LinksIF"))->setText(QStringLiteral("abc"));
        d.findChild<QLineEdit*>(QStringLiteral("DeltaFontSizeTab"))->setText(QStringLiteral("-3"));
        d.findChild<QRadioButton*>(QStringLiteral("ANSIBtn"))->setChecked(true);
        d.EndeClick();
        QVERIFY(e.insert);
        QCOMPARE(e.obenRand, 1.5);
        QCOMPARE(e.linksRand, 1.5);        // not a number: kept as it was
        QCOMPARE(e.deltaFontSizeTab, -3);  // no range check
        QVERIFY(e.speichernAnsi);
        QVERIFY(!e.speichernUtf8);
        QVERIFY(senke.protokoll.empty());

        // UTF-8 beside ANSI and DOS: one of the three.
        e.speichernUtf8 = true;
        TxGlobConf d2(nullptr, e, senke);
        auto* utf8 = d2.findChild<QRadioButton*>(QStringLiteral("UTF8Btn"));
        QVERIFY(utf8 && utf8->isChecked());
        QVERIFY(!d2.findChild<QRadioButton*>(QStringLiteral("ANSIBtn"))->isChecked());
        d2.findChild<QRadioButton*>(QStringLiteral("ASCIIBtn"))->setChecked(true);
        QVERIFY(!utf8->isChecked());
        d2.EndeClick();
        QVERIFY(!e.speichernUtf8);
        QVERIFY(!e.speichernAnsi);
    }

    void abbruch_verwirft_auch_farbe_und_schrift() {
        Einstellungen e;
        const Einstellungen vorher = e;
        MeldungsSenke senke;
        TxGlobConf d(nullptr, e, senke);
        d.show();
        d.FarbeGewaehlt(0x00112233);
        d.SchriftGewaehlt(TxGlobConf::Schriftart::Druck, QFont(QString(40, QLatin1Char('x')), 14));
        QCOMPARE(e.hintergrund, 0x00112233u);  // takes effect at once
        QCOMPARE(e.druckSchrift.name, std::string(30, 'x'));
        QCOMPARE(e.druckSchrift.groesse, 14);

        senke.antworten = {Antwort::Nein};
        d.AbbruchClick();
        QCOMPARE(senke.protokoll.back().text, std::string("Abbruch - Änderungen verwerfen?"));
        QCOMPARE(senke.protokoll.back().knoepfe, unsigned(KnopfJa | KnopfNein));
        QVERIFY(d.isVisible());
        senke.antworten = {Antwort::Ja};
        QTest::keyClick(&d, Qt::Key_Escape);  // Escape is "&Abbruch"
        QVERIFY(!d.isVisible());
        QCOMPARE(e, vorher);

        // Without changes the dialog just closes.
        TxGlobConf ohne(nullptr, e, senke);
        ohne.show();
        senke.protokoll.clear();
        ohne.AbbruchClick();
        QVERIFY(!ohne.isVisible());
        QVERIFY(senke.protokoll.empty());
    }

    void fensterknopf_zaehlt_als_ende_und_hilfe() {
        Einstellungen e;
        MeldungsSenke senke;
        TxGlobConf d(nullptr, e, senke);
        std::vector<std::pair<std::string, bool>> hilfen;
        d.hilfeZeigen = [&](const std::string& s, bool b) { hilfen.emplace_back(s, b); };
        d.show();
        d.findChild<QCheckBox*>(QStringLiteral("InternetBrowserCB"))->setChecked(true);
        QTest::keyClick(&d, Qt::Key_F1);
        QCOMPARE(hilfen, (std::vector<std::pair<std::string, bool>>{{"std\\konfig", true}}));
        QVERIFY(!e.internetBrowser);  // nothing stored before "&Ende"
        d.findChild<QCheckBox*>(QStringLiteral("TipsFensterCB"))->setChecked(false);
        d.close();
        QVERIFY(!d.isVisible());
        QVERIFY(!e.tips);
        QVERIFY(e.internetBrowser);
        QVERIFY(senke.protokoll.empty());
    }

    void kleine_fenster() {
        QWidget haupt;
        haupt.resize(1436, 800);
        TxRechner r(&haupt);
        QCOMPARE(r.windowTitle(), QStringLiteral("Rechner"));
        for (const char* t : {"6", "*", "7", "="}) r.Rechner()->Taste(QString::fromLatin1(t));
        r.ZwischenablageClick();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("42"));
        r.show();
        QCOMPARE(r.width(), 560);  // 280 at a main window of 718
        QTest::keyClick(&r, Qt::Key_Escape);
        QVERIFY(!r.isVisible());

        TxKalender k(&haupt);
        QCOMPARE(k.windowTitle(), QStringLiteral("Kalender"));
        QCOMPARE(k.findChild<QPushButton*>(QStringLiteral("EndeBtn"))->toolTip(),
                 QStringLiteral("Ende der Eingabe."));
        TxInfo i(&haupt);
        QCOMPARE(i.windowTitle(), QStringLiteral("Info über"));
        QCOMPARE(i.findChild<QLabel*>(QStringLiteral("TitelLbl"))->text(),
                 QStringLiteral("Quarnel 2001/2002"));
    }

    void tips_fensterknopf_laesst_einstellung() {
        Einstellungen e;
        e.lfdTip = 2;
        TxTips t(nullptr, e);
        QVERIFY(t.AktuellerTip().contains(QStringLiteral("Fragen und Antwort")));
        QCOMPARE(e.lfdTip, 3);
        t.show();
        t.TipsCB()->setChecked(false);
        t.close();
        QVERIFY(e.tips);  // only "&Ende" stores the box

        Einstellungen f;
        TxEingang s(nullptr, f);
        s.show();
        s.AnzeigenCB()->setChecked(true);
        s.close();
        QVERIFY(f.eingangsFenster);
    }
};

QTEST_MAIN(EinstellungsdialogTest)
#include "einstellungsdialog.moc"
