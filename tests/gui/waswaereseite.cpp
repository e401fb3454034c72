// The what-if page: the case's values beside the change fields, a change
// computed as the what-if analysis computes it while the case stays byte for
// byte as it was, the spouse's columns under the basic table, and the page in
// the main window: opened from the navigator, with the running computation
// beside it.
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <cstring>
#include <filesystem>

#include "case/feldwerte.h"
#include "fall_www.h"
#include "hauptfenstertest.h"
#include "pages/tf_www.h"
#include "pages/seitentabelle.h"
#include "seitentest.h"
#include "shell/anzeige.h"
#include "shell/tf_globmain.h"
#include "shell/tform13.h"
#include "shell/txnavigator.h"
#include "testpfade.h"

using namespace quarnel;
using namespace quarnel::gui;
using Z = WasWaereZeile;

namespace {

TF_WWW* Oeffnen(seitentest::Umgebung& u) {
    return qobject_cast<TF_WWW*>(seitentest::SeiteOeffnen(u, 17, 1));
}

BetragFeld* F(TF_WWW& s, const char* name) {
    BetragFeld* f = s.Wertfeld(QString::fromLatin1(name));
    if (!f) qWarning("no field %s", name);
    return f;
}

// Types a change and leaves the field, as the user does.
void Aendern(TF_WWW& s, const char* name, const QString& text) {
    BetragFeld* m = F(s, name);
    QVERIFY(m);
    emit m->eingabeBeginnt();
    m->setText(text);
    emit m->textEdited(text);
    QVERIFY2(m->Uebernehmen(), name);
    m->Abschliessen();
    emit m->eingabeBeendet(true);
}

// Types into a field and stays in it: the change is still being typed.
void Antippen(BetragFeld* f, const QString& text) {
    f->setFocus();
    QApplication::processEvents();
    emit f->eingabeBeginnt();
    f->setText(text);
    emit f->textEdited(text);
}

// The row "Nach Änderung" (or with `zeile0` "Gemäß Eingabe") against a result.
void ZeileGleich(TF_WWW& s, const WasWaereErgebnis& e, bool zeile0 = false) {
    const char* n = zeile0 ? "0" : "";
    auto wert = [&](const char* name) {
        return F(s, (std::string(name) + n).c_str())->Wert();
    };
    QCOMPARE(wert("ZuVerst"), e.zuVersteuern);
    QCOMPARE(wert("Festzus"), e.festzusetzen);
    QCOMPARE(wert("Steuersatz"), e.steuersatz);
    QCOMPARE(wert("Grenz"), e.grenzsteuersatz);
}

bool Gleich(const CaseRecord& a, const CaseRecord& b) {
    return std::memcmp(a.Bytes().data(), b.Bytes().data(), CaseRecord::Groesse) == 0;
}

QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class WasWaereSeiteTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void zeigt_den_fall_mit_und_ohne_ehefrau() {
        for (const bool zusammen : {true, false}) {
            seitentest::Umgebung u;
            fall::Zuweisen(u.Satz(), zusammen ? fall::EhepaarZuweisungen() : fall::WwwLedig());
            TF_WWW* s = Oeffnen(u);
            QVERIFY(s);
            QCOMPARE(s->KopfPnl()->text(), QStringLiteral("  Was-Wäre-Wenn-Analyse"));
            QCOMPARE(s->OvcNb()->count(), 1);
            QCOMPARE(s->OvcNb()->tabText(0), QStringLiteral("&W-W-W-Analyse"));
            QCOMPARE(F(*s, "Brutto0Er")->text(), QStringLiteral("70.000"));
            QVERIFY(F(*s, "Brutto0Er")->isReadOnly());
            QCOMPARE(F(*s, "BruttoEr")->text(), QString());  // blank for zero
            QCOMPARE(F(*s, "Vorsorge")->text(), QString());
            const WasWaereAnalyse soll = WasWaereRechnen(u.Satz(), WasWaereWerte{});
            QCOMPARE(soll.zusammen, zusammen);
            ZeileGleich(*s, soll.gemaessEingabe, true);
            ZeileGleich(*s, soll.gemaessEingabe);
            QVERIFY(F(*s, "Steuersatz0")->text().endsWith(QStringLiteral(" %")));

            auto* grund = s->findChild<QLabel*>(QStringLiteral("GrundtabelleLbl"));
            QVERIFY(grund);
            QCOMPARE(grund->isVisible(), !zusammen);
            for (const char* n : {"Brutto0Sie", "BruttoSie", "Luf0Sie", "RenteSie"})
                QCOMPARE(F(*s, n)->isVisible(), zusammen);
            if (zusammen) QCOMPARE(F(*s, "Brutto0Sie")->text(), QStringLiteral("40.000"));
            QVERIFY(!s->Wertfeld(QStringLiteral("VorsorgeSie")));  // one amount for the case
        }
    }

    void aenderung_rechnet_und_laesst_den_fall_stehen() {
        seitentest::Umgebung u;
        fall::Zuweisen(u.Satz(), fall::EhepaarZuweisungen());
        const QString datei = u.dir.path() + QStringLiteral("/Paar.S01");
        QVERIFY(u.verw->FallSpeichern(datei.toStdString()));
        const QByteArray gespeichert = Inhalt(datei);
        const CaseRecord vorher = u.Satz();
        TF_WWW* s = Oeffnen(u);
        QVERIFY(s);
        // Showing the page marks it visited, and that is all it does to the case.
        QVERIFY(SeitenmerkerTest(u.Satz(), SM_Bearbeitet, 17, 1));
        CaseRecord gezeigt = vorher;
        SeitenmerkerSetzen(gezeigt, SM_Bearbeitet, 17, 1);
        QVERIFY(Gleich(u.Satz(), gezeigt));

        Aendern(*s, "BruttoEr", QStringLiteral("-5.000"));
        Aendern(*s, "WerbKostSie", QStringLiteral("-100"));
        Aendern(*s, "KapSie", QStringLiteral("3000"));
        Aendern(*s, "Vorsorge", QStringLiteral("1.000"));
        WasWaereWerte a;
        a(Z::Arbeitslohn, 0) = -5000;
        a(Z::Werbungskosten, 1) = -100;  // taken as entered
        a(Z::Kapital, 1) = 3000;
        a(Z::Vorsorge, 0) = 1000;
        QCOMPARE(F(*s, "BruttoEr")->text(), QStringLiteral("-5.000"));
        const WasWaereAnalyse soll = WasWaereRechnen(u.Satz(), a);
        ZeileGleich(*s, soll.nachAenderung);
        ZeileGleich(*s, soll.gemaessEingabe, true);
        QVERIFY(soll.nachAenderung.festzusetzen < soll.gemaessEingabe.festzusetzen);
        QVERIFY(Gleich(u.Satz(), gezeigt));
        QVERIFY(!u.veraendert);

        // A silent store leaves the changes standing; a store that asks takes
        // the change still being typed, and computes it.
        QVERIFY(s->EintraegeSichern(true));
        QCOMPARE(F(*s, "BruttoEr")->Wert(), -5000.0);
        Antippen(F(*s, "LufEr"), QStringLiteral("2000"));
        QVERIFY(s->EintraegeSichern(false));
        a(Z::LandForst, 0) = 2000;
        ZeileGleich(*s, WasWaereRechnen(u.Satz(), a).nachAenderung);
        QVERIFY(Gleich(u.Satz(), gezeigt));
        QVERIFY(!u.veraendert);

        // Every change cleared: nothing changes.
        for (const char* n : {"BruttoEr", "WerbKostSie", "KapSie", "Vorsorge", "LufEr"})
            Aendern(*s, n, QString());
        ZeileGleich(*s, soll.gemaessEingabe);

        // Leaving the page stores nothing and is always allowed, even with a
        // change half typed; the file was never touched.
        Aendern(*s, "GewEr", QStringLiteral("10.000"));
        Antippen(F(*s, "SelbEr"), QStringLiteral("12,,3"));
        QPointer<TF_WWW> seite = s;
        QVERIFY(s->close());
        QTRY_VERIFY(!seite);
        QVERIFY(u.meldungen.protokoll.empty());
        QVERIFY(Gleich(u.Satz(), gezeigt));
        QVERIFY(!u.veraendert);
        QCOMPARE(Inhalt(datei), gespeichert);
    }

    void im_hauptfenster_vom_navigator_neben_der_laufenden_berechnung() {
        testumgebung::Hauptfenster h;
        for (const auto& e : std::filesystem::directory_iterator(QUARNEL_DATA_DIR "/form"))
            if (e.path().extension() == ".fra")
                std::filesystem::copy_file(e.path(), h.umg.pfade.formular / e.path().filename());
        TF_GlobMain& haupt = h.Starten();
        MeldungsSenke& senke = h.senke;
        haupt.show();
        QTRY_VERIFY(haupt.ErsteAnzeigeErledigt());
        senke.antworten = {Antwort::OK, Antwort::Nein};
        haupt.D_NeuItemClick();
        QVERIFY(haupt.SeitenSchliessen());
        fall::Zuweisen(haupt.Fall().Satz(), fall::EhepaarZuweisungen());
        haupt.SetzeFallVeraendert(false);

        bool gewaehlt = false;
        testumgebung::BeiModal([&](QWidget* w) {
            auto* d = qobject_cast<TxNavigator*>(w);
            QVERIFY(d);
            gewaehlt = d->SeiteMarkieren(17, 1);
            if (gewaehlt)
                d->GeheZuClick();
            else
                d->reject();
        });
        haupt.NavigatorClick();
        QVERIFY(gewaehlt);
        QCOMPARE(haupt.AktBereich(), 17);
        QCOMPARE(haupt.AktSeite(), 1);
        QMdiSubWindow* rahmen = haupt.Mdi()->activeSubWindow();
        QVERIFY(rahmen);
        auto* s = qobject_cast<TF_WWW*>(rahmen->widget());
        QVERIFY(s);
        const CaseRecord gezeigt = haupt.Fall().Satz();

        haupt.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&haupt));
        QLabel* tip = haupt.Panel(QStringLiteral("TipPnl"));
        haupt.SaldoAnzeigen(-1.0);  // a stale figure
        BetragFeld* brutto = F(*s, "BruttoEr");
        brutto->setFocus();
        QApplication::processEvents();
        QTest::keyClicks(brutto, QStringLiteral("5000"));
        QTest::keyClick(brutto, Qt::Key_Tab);  // left: the running computation follows
        WasWaereWerte a;
        a(Z::Arbeitslohn, 0) = 5000;
        const WasWaereAnalyse soll = WasWaereRechnen(gezeigt, a);
        // The balance is the case's as entered, the change stands beside it.
        CaseRecord kopie = gezeigt;
        auto e = std::make_unique<CalcInput>();
        auto r = std::make_unique<CalcResult>();
        DeklarationFuellen(kopie, *e, *r, false);
        Berechne(*e, *r);
        QTRY_COMPARE(tip->text(), QString::fromStdString(SaldoText(r->GesamtSaldo).text));
        QCOMPARE(brutto->text(), QStringLiteral("5.000"));
        ZeileGleich(*s, soll.nachAenderung);

        // A change being typed while the computation runs is not wiped.
        BetragFeld* kap = F(*s, "KapEr");
        kap->setFocus();
        QApplication::processEvents();
        QTest::keyClicks(kap, QStringLiteral("700"));
        haupt.LaufendeBerechnungAnstossen();
        QTest::qWait(20);
        QCOMPARE(kap->text(), QStringLiteral("700"));
        QCOMPARE(brutto->Wert(), 5000.0);
        QVERIFY(!haupt.FallVeraendert());
        QVERIFY(Gleich(haupt.Fall().Satz(), gezeigt));

        // Leaving the page: the case computes as entered.
        QVERIFY(haupt.SeitenSchliessen());
        QVERIFY(!haupt.FallVeraendert());
        QVERIFY(Gleich(haupt.Fall().Satz(), gezeigt));
        QCOMPARE(AktuellesErgebnis().GesamtSaldo, r->GesamtSaldo);
        // The menu's "&Was-Wäre-Wenn" opens it at the same place.
        haupt.E_WWWClick(1);
        QVERIFY(haupt.Mdi()->activeSubWindow());
        QVERIFY(qobject_cast<TF_WWW*>(haupt.Mdi()->activeSubWindow()->widget()));
        QCOMPARE(haupt.AktSeite(), 1);
        haupt.close();
    }
};

QTEST_MAIN(WasWaereSeiteTest)
#include "waswaereseite.moc"
