// "Wie berechnet?": the trees of the sample case in their window, the line of
// the notice that opens one, the way from an entry leaf to its page and field,
// and the what-if tree beside its original. With QUARNEL_BILDER set to a
// directory the windows are written there as PNG files for a look.
#include <QComboBox>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

#include "pages/tform11.h"
#include "print/druckausgabe.h"
#include "results/bescheid.h"
#include "results/gliederungsansicht.h"
#include "results/txglobbescheid.h"
#include "results/txerklaerung.h"
#include "results/txglobview.h"
#include "results/wieberechnet.h"
#include "shell/eingabeort.h"
#include "shell/hilfeansicht.h"
#include "shell/kommandozeile.h"
#include "shell/tf_globlfdview.h"
#include "shell/tf_globmain.h"
#include "shell/tform13.h"
#include "shell/wieberechnet_oeffnen.h"
#include "testpfade.h"
#include "testumgebung.h"

using namespace quarnel;
using namespace quarnel::gui;
using namespace testumgebung;

namespace {

// The main window with the sample case open and the help pages installed.
struct Beispiel : Schaltdienste {
    Umgebung umg;
    std::unique_ptr<TF_GlobMain> haupt;

    Beispiel() {
        const QString hilfe = QString::fromStdString(umg.pfade.hilfe);
        for (const char* seite : {"F151.htm", "F081.htm", "F021.htm"})
            QFile::copy(QStringLiteral(QUARNEL_DATA_DIR "/htmlhelp/") + QLatin1String(seite),
                        hilfe + QLatin1String(seite));
        const QString pfad = umg.wurzel.path() + QStringLiteral("/Beispiel.S01");
        QFile::copy(QStringLiteral(QUARNEL_DATA_DIR "/beispiele/Beispiel.S01"), pfad);
        QFile(pfad).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        haupt = std::make_unique<TF_GlobMain>(KommandozeileAuswerten({pfad.toStdString()}),
                                              umg.pfade,
                                              ShellDienste{&senke, &dialoge, &uhr, &desktop});
        QSignalSpy fertig(haupt.get(), &TF_GlobMain::ersteAnzeigeFertig);
        haupt->resize(1000, 700);
        haupt->show();
        QTRY_COMPARE(fertig.count(), 1);
    }
    ~Beispiel() {
        haupt->SeitenSchliessen();
        senke.antworten = {Antwort::Nein};
        haupt->close();
    }
    ErklaerDienste Dienste() const { return {haupt->Hilfeorte(), {}}; }
};

void Bild(QWidget* w, const char* name) {
    const QByteArray ordner = qgetenv("QUARNEL_BILDER");
    if (ordner.isEmpty()) return;
    w->grab().save(QString::fromLocal8Bit(ordner) + u'/' + QLatin1String(name) + ".png");
}

// The item of the first node with this text in the first column.
QTreeWidgetItem* Finden(QTreeWidget* baum, const QString& anfang) {
    QTreeWidgetItemIterator it(baum);
    for (; *it; ++it)
        if ((*it)->text(0).contains(anfang)) return *it;
    return nullptr;
}

}  // namespace

class ErklaerfensterTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    // The income tax and the Soli of the sample case: the root shows the
    // notice's figure, every step its paragraph, every row what a reader says.
    void baeume_des_beispiels() {
        Beispiel b;
        Erklaerung spur;
        RechnungErklaeren(b.haupt->Fall().Satz(), false, spur);
        struct Zeile {
            const char* ergebnis;
            const char* betrag;
            const char* kind;  // a node below the root
        };
        const Zeile zeilen[] = {
            {"EStFestzusetzen", "15.044,00", "Zu versteuerndes Einkommen"},
            {"SoliFestzusetzen", "513,37", "Satz des Solidaritätszuschlags"},
            {"KiStFestzusetzen", "869,40", "Kirchensteuer – Stpfl./Ehemann"},
            {"GesamtSaldo", "-3.451,88", "Lohnsteuer – Stpfl./Ehemann (Anrechnungsbeträge"},
        };
        for (const Zeile& z : zeilen) {
            TxErklaerung f(b.haupt.get(), spur, z.ergebnis, b.Dienste());
            f.resize(1100, 640);
            QCOMPARE(f.Ergebnis(), std::string(z.ergebnis));
            QCOMPARE(f.Auswahl()->currentData().toString(), QString::fromLatin1(z.ergebnis));
            QTreeWidgetItem* wurzel = f.Baum()->topLevelItem(0);
            QVERIFY(wurzel);
            QCOMPARE(wurzel->text(1), QString::fromLatin1(z.betrag));
            QVERIFY2(Finden(f.Baum(), QString::fromUtf8(z.kind)), z.kind);
            // open at the root and the values it rests on, deeper nodes closed
            QVERIFY(wurzel->isExpanded());
            QTreeWidgetItemIterator it(f.Baum());
            for (; *it; ++it) {
                if ((*it)->parent()) QVERIFY(!(*it)->isExpanded());
                QVERIFY(!(*it)->data(0, Qt::AccessibleTextRole).toString().isEmpty());
                QVERIFY((*it)->text(1).contains(u','));  // decimal comma
                // a node with children is a step: rule and paragraph beside it
                if ((*it)->childCount() > 0) QVERIFY((*it)->text(3).contains(u'§'));
            }
            f.show();
            QTest::qWait(20);
            Bild(&f, z.ergebnis);
        }
    }

    // Another result keeps the chosen figure in view: the way down to it opens.
    void gewaehlter_posten_bleibt_sichtbar() {
        Beispiel b;
        Erklaerung spur;
        RechnungErklaeren(b.haupt->Fall().Satz(), false, spur);
        TxErklaerung f(b.haupt.get(), spur, "SoliFestzusetzen", b.Dienste());
        f.resize(1100, 640);
        QVERIFY(f.KnotenZeigen("ArbLohnEr"));
        QTreeWidgetItem* lohn = f.Baum()->currentItem();
        QVERIFY(lohn->text(0).contains(QStringLiteral("Arbeitslohn – Stpfl./Ehemann")));
        const int i = f.Auswahl()->findData(QStringLiteral("EStFestzusetzen"));
        QVERIFY(i >= 0);
        f.Auswahl()->setCurrentIndex(i);
        emit f.Auswahl()->activated(i);
        QCOMPARE(f.Ergebnis(), std::string("EStFestzusetzen"));
        QCOMPARE(f.KnotenDesEintrags(), std::string("ArbLohnEr"));
        QTreeWidgetItem* item = f.Baum()->currentItem();
        int offen = 0;
        for (QTreeWidgetItem* p = item->parent(); p; p = p->parent(), ++offen)
            QVERIFY(p->isExpanded());
        QVERIFY(offen > 2);  // below the second level
        // a step beside the way stays closed
        QTreeWidgetItem* wurzel = f.Baum()->topLevelItem(0);
        for (int k = 0; k < wurzel->childCount(); ++k) {
            QTreeWidgetItem* c = wurzel->child(k);
            bool aufDemWeg = false;
            for (QTreeWidgetItem* p = item; p; p = p->parent()) aufDemWeg = aufDemWeg || p == c;
            if (!aufDemWeg) QVERIFY(!c->isExpanded());
        }
        QVERIFY(!f.KnotenZeigen("KeinErgebnis"));
        f.show();
        QTest::qWait(20);
        Bild(&f, "weg_zum_lohn");
    }

    // A line of the notice opens its own tree, by button and by context action.
    void bescheidzeile_oeffnet_ihren_baum() {
        Beispiel b;
        const Ergebnistext& text = [&]() -> const Ergebnistext& {
            BeiModal([](QWidget* w) { w->close(); });
            b.haupt->ErgebnisZeigen();
            return b.haupt->Ergebnis();
        }();
        Einstellungen einst;
        Druckausgabe druck{nullptr,
                           einst,
                           b.umg.wurzel.filePath(QStringLiteral("RPP")).toStdString(),
                           {&b.senke, &b.dialoge}};
        std::vector<std::string> gefragt;
        ErgebnisDienste d{&b.senke, &b.dialoge, {}, {}, {}, {}};
        d.wieBerechnet = [&](const std::string& e) {
            gefragt.push_back(e);
            return false;
        };
        TxGlobView view(nullptr, text, einst, druck, d);
        auto* knopf = view.findChild<QPushButton*>(QStringLiteral("WieBerechnetBtn"));
        QVERIFY(knopf);
        view.show();
        QTest::qWait(20);
        Bild(&view, "ergebnisfenster");
        struct Fall {
            const char* zeile;
            const char* ergebnis;
        };
        const Fall faelle[] = {
            {"Zu versteuerndes Einkommen", "ZvE"},
            {"Festzusetzende Einkommensteuer", "EStFestzusetzen"},
            {"Festzusetzender Solidaritätszuschlag (5,5%)", "SoliFestzusetzen"},
            {"Festzusetzende Kirchensteuer", "KiStFestzusetzen"},
        };
        for (const Fall& f : faelle) {
            QTreeWidgetItem* item = Finden(view.Gliederung(), QString::fromUtf8(f.zeile));
            QVERIFY2(item, f.zeile);
            view.Gliederung()->setCurrentItem(item);
            knopf->click();
            QCOMPARE(gefragt.back(), std::string(f.ergebnis));
        }
        QCOMPARE(view.Gliederung()->actions().size(), 1);
        view.Gliederung()->actions().front()->trigger();
        QCOMPARE(gefragt.back(), std::string("KiStFestzusetzen"));
    }

    // Enter on an entry leaf closes the windows and opens its page at the
    // field; the side view stands at the field's paragraph.
    void sprung_vom_blatt_zur_eingabe() {
        Beispiel b;
        ErgebnisDienste d;
        WieBerechnetAnbinden(*b.haupt, d);
        bool gesehen = false;
        BeiModal([&](QWidget* w) {
            auto* f = qobject_cast<TxErklaerung*>(w);
            QVERIFY(f);
            f->resize(1100, 640);
            QTreeWidgetItem* blatt =
                Finden(f->Baum(), QStringLiteral("Lohnsteuer – Stpfl./Ehemann ("));
            QVERIFY(blatt);
            f->Baum()->setCurrentItem(blatt);
            QVERIFY(f->EingabeKnopf()->isEnabled());
            QVERIFY(f->Seitenhilfe()->AktuelleDatei().ends_with("F151.htm"));
            Bild(f, "blatt_lohnsteuer");
            gesehen = true;
            QTest::keyClick(f->Baum(), Qt::Key_Return);
        });
        QVERIFY(d.wieBerechnet("GesamtSaldo"));
        QVERIFY(gesehen);
        TForm11* seite = nullptr;
        QTRY_VERIFY(
            (seite = b.haupt->Mdi()->activeSubWindow()
                         ? qobject_cast<TForm11*>(b.haupt->Mdi()->activeSubWindow()->widget())
                         : nullptr));
        QCOMPARE(seite->objectName(), QStringLiteral("TF_Anrech"));
        QCOMPARE(b.haupt->AktBereich(), 15);
        QWidget* feld = seite->Steuer(Feld::LstEr);
        QVERIFY(feld);
        QTRY_COMPARE(b.haupt->focusWidget(), feld);  // focus of the window, active or not
        b.haupt->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(b.haupt.get()));
        QTRY_COMPARE(QApplication::focusWidget(), feld);
        QTRY_COMPARE(b.haupt->LfdView()->Anker(), std::string("F1104"));
        Bild(b.haupt.get(), "sprung_anrechnung");

        // a leaf that is no entry goes nowhere; the window stays and closes by Esc
        BeiModal([&](QWidget* w) {
            auto* f = qobject_cast<TxErklaerung*>(w);
            QVERIFY(f);
            QTreeWidgetItem* satz =
                Finden(f->Baum(), QStringLiteral("Satz des Solidaritätszuschlags"));
            QVERIFY(satz);
            f->Baum()->setCurrentItem(satz);
            QVERIFY(!f->EingabeKnopf()->isEnabled());
            // a parameter: its row's paragraph beside it and in the side view
            QCOMPARE(satz->text(3), QStringLiteral("§ 4 Satz 1 SolZG"));
            QVERIFY(f->Seitenhilfe()->toPlainText().contains(QStringLiteral("§ 4 Satz 1 SolZG")));
            Bild(f, "blatt_parameter");
            QTest::keyClick(f->Baum(), Qt::Key_Return);
            QVERIFY(f->isVisible());
            QTest::keyClick(f->Baum(), Qt::Key_Escape);
        });
        QVERIFY(!d.wieBerechnet("SoliFestzusetzen"));
    }

    // The what-if page: the income tax as entered beside the changed one.
    void waswaere_neben_dem_original() {
        Beispiel b;
        b.haupt->E_WWWClick(1);
        QMdiSubWindow* fenster = b.haupt->Mdi()->activeSubWindow();
        QVERIFY(fenster);
        auto* knopf = fenster->widget()->findChild<QPushButton*>(QStringLiteral("WieBerechnetBtn"));
        QVERIFY(knopf);
        auto* brutto = fenster->widget()->findChild<QWidget*>(QStringLiteral("BruttoEr"));
        QVERIFY(brutto);
        brutto->setFocus();
        QTest::keyClicks(brutto, QStringLiteral("10000"));
        bool gesehen = false;
        BeiModal([&](QWidget* w) {
            auto* f = qobject_cast<TxErklaerung*>(w);
            QVERIFY(f);
            f->resize(1100, 640);
            QCOMPARE(f->Baum()->columnCount(), 6);
            QTreeWidgetItem* wurzel = f->Baum()->topLevelItem(0);
            QCOMPARE(wurzel->text(1), QStringLiteral("15.044,00"));
            QVERIFY(wurzel->text(5) != wurzel->text(1));
            QVERIFY(wurzel->font(0).bold());  // changed
            QTreeWidgetItem* zve = Finden(f->Baum(), QStringLiteral("Zu versteuerndes Einkommen"));
            QVERIFY(zve);
            QCOMPARE(zve->text(1), QStringLiteral("86.186,00"));
            QVERIFY(zve->text(5) != zve->text(1));
            Bild(f, "waswaere");
            gesehen = true;
            f->close();
        });
        knopf->click();
        QVERIFY(gesehen);
    }

    // The notice check: the own tree of the chosen line, the office's figure beside it.
    void bescheidpruefung_neben_dem_amt() {
        Beispiel b;
        BescheidDienste d;
        TxGlobBescheid w(b.haupt.get(), b.haupt->Fall().Satz(), d);
        const int zeile = w.Zeile(*PostenSuchen("ZvE"));
        QVERIFY(zeile >= 0);
        w.WertEingeben(*PostenSuchen("ZvE"), QStringLiteral("87.186,00"));
        w.Tabelle()->setCurrentCell(zeile, 0);
        bool gesehen = false;
        BeiModal([&](QWidget* m) {
            auto* f = qobject_cast<TxErklaerung*>(m);
            QVERIFY(f);
            f->resize(1100, 640);
            QCOMPARE(f->Ergebnis(), std::string("ZvE"));
            QCOMPARE(f->Baum()->headerItem()->text(5), QStringLiteral("Finanzamt DM"));
            QTreeWidgetItem* wurzel = f->Baum()->topLevelItem(0);
            QCOMPARE(wurzel->text(1), QStringLiteral("86.186,00"));
            QCOMPARE(wurzel->text(5), QStringLiteral("87.186,00"));
            QVERIFY(wurzel->font(0).bold());
            QTreeWidgetItem* einkommen = Finden(f->Baum(), QStringLiteral("+ Einkommen"));
            QVERIFY(einkommen);
            QCOMPARE(einkommen->text(5), QStringLiteral("–"));  // the office names no figure
            QVERIFY(!einkommen->font(0).bold());
            Bild(f, "bescheidpruefung");
            gesehen = true;
            f->close();
        });
        w.findChild<QPushButton*>(QStringLiteral("WieBerechnetBtn"))->click();
        QVERIFY(gesehen);
    }
};

QTEST_MAIN(ErklaerfensterTest)
#include "erklaerfenster.moc"
