// The masked amount and date fields and the silent check-box setting.
#include <QCheckBox>
#include <QSignalSpy>
#include <QtTest>

#include "calc/betrag.h"
#include "widgets/auswahl.h"
#include "widgets/maskenfeld.h"

using namespace quarnel;
using namespace quarnel::gui;

class MaskenfelderTest : public QObject {
    Q_OBJECT
  private slots:
    void betrag_lesen_und_anzeigen() {
        QCOMPARE(*BetragLesen(QStringLiteral("459,39")), 459.39);
        QCOMPARE(*BetragLesen(QStringLiteral("1.234,5")), 1234.5);
        QCOMPARE(*BetragLesen(QStringLiteral("12.5")), 12.5);     // a decimal point
        QCOMPARE(*BetragLesen(QStringLiteral("12.500")), 12500.0);  // a grouping point
        QCOMPARE(*BetragLesen(QStringLiteral("-7")), -7.0);
        QCOMPARE(*BetragLesen(QString()), 0.0);
        QVERIFY(!BetragLesen(QStringLiteral("12a")));
        QVERIFY(!BetragLesen(QStringLiteral("1,2,3")));
        QVERIFY(!BetragLesen(QStringLiteral("-")));

        const Bildmaske m = Bildmaske::Lesen(QStringLiteral("iii,iii.ii"));
        QCOMPARE(m.vorkomma, 6);
        QCOMPARE(m.nachkomma, 2);
        QCOMPARE(BetragAnzeigen(m, 1234.5), QStringLiteral("1.234,50"));
        QCOMPARE(BetragAnzeigen(m, -0.001), QStringLiteral("0,00"));
        QCOMPARE(BetragAnzeigen(m, -1234567.891), QStringLiteral("-1.234.567,89"));
        const Bildmaske ganz = Bildmaske::Lesen(QStringLiteral("ii,iii,iii.00"));
        QCOMPARE(ganz.nachkomma, 0);
        QCOMPARE(BetragAnzeigen(ganz, 45000), QStringLiteral("45.000,00"));
        QCOMPARE(BetragAnzeigen(Bildmaske::Lesen(QStringLiteral("iiii")), 12), QStringLiteral("12"));
    }

    void betragfeld_bereich_und_fehler() {
        BetragFeld f;
        f.SetzeMaske(QStringLiteral("iii"));
        f.SetzeBereich(0, 100);
        f.SetzeWert(30);
        QSignalSpy fehler(&f, &MaskenFeld::fehler);
        f.setText(QStringLiteral("101"));
        f.textEdited(f.text());
        QVERIFY(!f.Uebernehmen());
        QCOMPARE(fehler.count(), 1);
        QCOMPARE(fehler[0][0].toInt(), FehlerBereich);
        QCOMPARE(f.Wert(), 30.0);
        f.setText(QStringLiteral("x"));
        QVERIFY(!f.Uebernehmen());
        QCOMPARE(fehler[1][1].toString(), QStringLiteral("Ungültiger Eingabewert"));
        f.setText(QStringLiteral("80"));
        QVERIFY(f.Uebernehmen());
        QCOMPARE(f.Wert(), 80.0);

        // Whole-DM masks take no cents; the ",00" shown may be typed along.
        BetragFeld dm;
        dm.SetzeMaske(QStringLiteral("ii,iii,iii.00"));
        dm.setText(QStringLiteral("45.000,00"));
        dm.textEdited(dm.text());
        QVERIFY(dm.Uebernehmen());
        QCOMPARE(dm.Wert(), 45000.0);
        dm.setText(QStringLiteral("12,34"));
        dm.textEdited(dm.text());
        QVERIFY(!dm.Uebernehmen());
    }

    void alt_rueckschritt_stellt_wieder_her() {
        BetragFeld f;
        f.show();
        f.SetzeWert(459.39);
        f.setFocus();
        QApplication::processEvents();
        QTest::keyClicks(&f, QStringLiteral("77"));
        QVERIFY(f.Modifiziert());
        QTest::keyClick(&f, Qt::Key_Backspace, Qt::AltModifier);
        QCOMPARE(f.text(), QStringLiteral("459,39"));
        QCOMPARE(f.Wert(), 459.39);
        QVERIFY(!f.Modifiziert());
    }

    void datum_lesen() {
        QCOMPARE(*DatumLesen(QStringLiteral("1.1.2001")), ErsterTagSteuerjahr);
        QCOMPARE(*DatumLesen(QStringLiteral("31.12.01")), LetzterTagSteuerjahr);
        QCOMPARE(*DatumLesen(QStringLiteral("31122001")), LetzterTagSteuerjahr);
        QCOMPARE(*DatumLesen(QString()), KeinDatum);
        QCOMPARE(*DatumLesen(QStringLiteral("  .  .    ")), KeinDatum);
        QVERIFY(!DatumLesen(QStringLiteral("30.02.2001")));
        QVERIFY(!DatumLesen(QStringLiteral("1.13.2001")));
        QVERIFY(!DatumLesen(QStringLiteral("1.1.200x")));
    }

    void datum_ausserhalb_zeigt_den_bereich() {
        DatumFeld d;
        d.SetzeBereich(TagesNummer(1900, 1, 1), LetzterTagSteuerjahr,
                       QStringLiteral("Eingabebereich 01.01.1900 - 31.12.2001"));
        d.SetzeWert(KeinDatum);
        QCOMPARE(d.text(), QString());
        QSignalSpy fehler(&d, &MaskenFeld::fehler);
        d.setText(QStringLiteral("31.12.2002"));
        d.textEdited(d.text());
        QVERIFY(!d.Uebernehmen());
        QCOMPARE(fehler[0][0].toInt(), FehlerBereichProgramm);
        QCOMPARE(fehler[0][1].toString(), QStringLiteral("Eingabebereich 01.01.1900 - 31.12.2001"));
        QCOMPARE(d.Wert(), KeinDatum);
        QCOMPARE(d.statusTip(), d.Hinweis());
        d.setText(QStringLiteral("15.5.2001"));
        QVERIFY(d.Uebernehmen());
        QCOMPARE(d.text(), QStringLiteral("15.05.2001"));
        QCOMPARE(d.Wert(), TagesNummer(2001, 5, 15));
    }

    void stilles_setzen_und_leere_auswahl() {
        QCheckBox cb;
        int klicks = 0;
        connect(&cb, &QCheckBox::toggled, [&] { ++klicks; });
        CnoC(&cb, true);
        QVERIFY(cb.isChecked());
        QCOMPARE(klicks, 0);

        AuswahlBox box;
        box.SetzeEintraege(QStringLiteral("ledig|verheiratet"));
        QCOMPARE(box.Index(), -1);
        box.addItem(QStringLiteral("neu"));
        box.SetzeIndex(2);
        QCOMPARE(box.currentText(), QStringLiteral("neu"));
        box.SetzeIndex(7);
        QCOMPARE(box.Index(), -1);
    }
};

QTEST_MAIN(MaskenfelderTest)
#include "maskenfelder.moc"
