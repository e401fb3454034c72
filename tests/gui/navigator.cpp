// The navigator, the keyword guide and the interview from the main window,
// with scripted messages and entry pages that only record where they open.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>
#include <filesystem>

#include "case/caserecord.h"
#include "shell/meldungsbox.h"
#include "shell/navigation.h"
#include "shell/tf_globmain.h"
#include "shell/tform13.h"
#include "shell/txinterview.h"
#include "shell/txnavigator.h"
#include "shell/txwegfix.h"
#include "testpfade.h"
#include "testumgebung.h"

using namespace quarnel;
using namespace quarnel::gui;
using testumgebung::BeiModal;
using testumgebung::EnthaeltText;
using testumgebung::Umgebung;

namespace {

struct Aufbau {
    Umgebung umg;
    MeldungsSenke senke;
    testumgebung::SkriptDialoge dialoge;
    testumgebung::FesteUhr uhr;
    testumgebung::MerkDesktop desktop;
    std::unique_ptr<TF_GlobMain> haupt;
    std::vector<SeitenOrt> geoeffnet;

    Aufbau() {
        for (const auto& e : std::filesystem::directory_iterator(QUARNEL_DATA_DIR "/form"))
            if (e.path().extension() == ".fra")
                std::filesystem::copy_file(e.path(), umg.pfade.formular / e.path().filename());
        haupt = std::make_unique<TF_GlobMain>(Startschalter{}, umg.pfade,
                                              ShellDienste{&senke, &dialoge, &uhr, &desktop});
        haupt->fall.familienstand = [] { return 0; };
        haupt->fall.seiteErzeugen = [this](int bereich, int seite) -> QWidget* {
            geoeffnet.emplace_back(bereich, seite);
            return new QWidget;
        };
        haupt->show();
        QTRY_VERIFY(haupt->ErsteAnzeigeErledigt());
        senke.antworten = {Antwort::OK, Antwort::Nein};  // a new case, no interview now
        haupt->D_NeuItemClick();
        senke.protokoll.clear();
    }
    CaseRecord& Satz() { return haupt->Fall().Satz(); }
    QPushButton* Knopf(QWidget* w, const char* name) {
        return w->findChild<QPushButton*>(QString::fromLatin1(name));
    }
};

int Zeile(QListWidget* l, const QString& text) {
    for (int i = 0; i < l->count(); ++i)
        if (l->item(i)->text() == text) return i;
    return -1;
}

}  // namespace

class NavigatorTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void vor_und_zurueck_ueber_die_knoepfe() {
        Aufbau a;
        QCOMPARE(a.geoeffnet.back(), SeitenOrt(1, 1));  // the new case starts there
        a.haupt->NavigatorVorRueck(true);
        QCOMPARE(a.geoeffnet.back(), SeitenOrt(1, 2));
        a.haupt->NavigatorVorRueck(false);
        a.haupt->NavigatorVorRueck(false);
        QCOMPARE(a.geoeffnet.back(), SeitenOrt(17, 2));
        QCOMPARE(a.haupt->AktBereich(), 17);
        a.haupt->close();
    }

    void navigator_erreicht_eine_seite() {
        Aufbau a;
        SeitenmerkerSetzen(a.Satz(), SM_Notiz, 4, 3);
        bool geprueft = false;
        BeiModal([&](QWidget* w) {
            auto* d = qobject_cast<TxNavigator*>(w);
            QVERIFY(d);
            QCOMPARE(d->windowTitle(), QStringLiteral("Navigator "));
            QCOMPARE(d->Markiert(), std::optional<SeitenOrt>(SeitenOrt(1, 1)));
            QVERIFY(d->Baum()->topLevelItem(0)->isExpanded());
            QVERIFY(!d->Baum()->topLevelItem(1)->isExpanded());
            // An area line is no page.
            d->Baum()->setCurrentItem(d->Baum()->topLevelItem(1));
            d->GeheZuClick();
            QVERIFY(d->isVisible());
            QCOMPARE(a.senke.protokoll.back().text, std::string("Bitte Unterseite wählen!"));
            QVERIFY(d->SeiteMarkieren(4, 3));
            QVERIFY(d->Baum()->currentItem()->text(0).startsWith(
                QStringLiteral(" Arbeitsmittel    ···(N)")));
            QVERIFY(d->findChild<QWidget*>(QStringLiteral("NotizLbl"))->isVisibleTo(d));
            QVERIFY(!d->findChild<QWidget*>(QStringLiteral("FehlerLbl"))->isVisibleTo(d));
            QVERIFY(!d->SeiteMarkieren(5, 3));  // the spouse's expenses are not selected
            geprueft = true;
            a.Knopf(d, "GeheZuBtn")->click();
        });
        a.haupt->NavigatorClick();
        QVERIFY(geprueft);
        QCOMPARE(a.geoeffnet.back(), SeitenOrt(4, 3));
        QCOMPARE(a.haupt->AktBereich(), 4);
        QCOMPARE(a.haupt->AktSeite(), 3);

        const std::size_t vorher = a.geoeffnet.size();
        // "&Zeilen (+/-)" opens every area and remembers it.
        BeiModal([&](QWidget* w) {
            auto* d = static_cast<TxNavigator*>(w);
            d->ZeilenClick();
            QVERIFY(d->Baum()->topLevelItem(5)->isExpanded());
            a.Knopf(d, "AbbruchBtn")->click();
        });
        a.haupt->NavigatorClick();
        QVERIFY(a.haupt->Einst().navigatorFullExpand);
        QCOMPARE(a.geoeffnet.size(), vorher);
        a.haupt->close();
    }

    void wegfix_erreicht_eine_seite() {
        Aufbau a;
        SeitenmerkerLoeschen(a.Satz(), SM_Aktiv, 16, 0);  // no statistics in this case
        BeiModal([&](QWidget* w) {
            auto* nav = qobject_cast<TxNavigator*>(w);
            QVERIFY(nav);
            BeiModal([&](QWidget* w2) {
                auto* d = qobject_cast<TxWegfix*>(w2);
                QVERIFY(d);
                QCOMPARE(d->windowTitle(), QStringLiteral("Wegfix (alphabetisch)"));
                QCOMPARE(d->Liste()->count(), 118);
                QCOMPARE(d->Liste()->currentRow(), 0);
                d->Liste()->setCurrentRow(Zeile(d->Liste(), QStringLiteral("Statistik")));
                d->GeheZuClick();
                QVERIFY(d->isVisible());
                QCOMPARE(a.senke.protokoll.back().text,
                         std::string("Eingabeseite nicht verfügbar - vgl. Auswahlfrage 00"));
                d->Liste()->setCurrentRow(Zeile(d->Liste(), QStringLiteral("Kirchensteuer")));
                a.Knopf(d, "GeheZuBtn")->click();
            });
            nav->WegfixClick();
            QCOMPARE(nav->Markiert(), std::optional<SeitenOrt>(SeitenOrt(12, 3)));
            a.Knopf(nav, "GeheZuBtn")->click();
        });
        a.haupt->NavigatorClick();
        QCOMPARE(a.geoeffnet.back(), SeitenOrt(12, 3));
        a.haupt->close();
    }

    // The Enter that closes the keyword guide, held down, opens no page in the
    // navigator; released and pressed anew, it is "Gehe zu".
    void wegfix_mit_der_eingabetaste() {
        Aufbau a;
        BeiModal([&](QWidget* w) {
            auto* nav = static_cast<TxNavigator*>(w);
            BeiModal([&](QWidget* w2) {
                auto* d = static_cast<TxWegfix*>(w2);
                d->Liste()->setCurrentRow(Zeile(d->Liste(), QStringLiteral("Kirchensteuer")));
                QTest::keyPress(d->Liste(), Qt::Key_Return);
            });
            nav->WegfixClick();
            QCOMPARE(nav->Markiert(), std::optional<SeitenOrt>(SeitenOrt(12, 3)));
            const struct {
                QEvent::Type art;
                bool wiederholt;
                bool offen;
            } tasten[] = {
                {QEvent::KeyPress, true, true},     // the key repeats while held
                {QEvent::KeyRelease, true, true},
                {QEvent::KeyPress, true, true},
                {QEvent::KeyRelease, false, true},  // released
                {QEvent::KeyPress, false, false},   // pressed anew
            };
            for (const auto& t : tasten) {
                QKeyEvent ev(t.art, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                             t.wiederholt);
                QApplication::sendEvent(nav->Baum(), &ev);
                QCOMPARE(nav->isVisible(), t.offen);
            }
        });
        a.haupt->NavigatorClick();
        QCOMPARE(a.geoeffnet.back(), SeitenOrt(12, 3));
        a.haupt->close();
    }

    void interview_fuer_paar_mit_kindern_und_arbeitslohn() {
        Aufbau a;
        BeiModal([&](QWidget* w) {
            auto* d = qobject_cast<TxInterview*>(w);
            QVERIFY(d);
            QVERIFY(!a.Knopf(d, "AnpassenBtn")->isEnabled());
            d->BeginnenClick();
            QCOMPARE(d->Notebook()->currentIndex(), 1);
            QVERIFY(a.Knopf(d, "AnpassenBtn")->isEnabled());
            QVERIFY(!a.Knopf(d, "BeginnenBtn")->isEnabled());
            // The spouse's card without the splitting table is refused.
            d->Liste()->item(15)->setCheckState(Qt::Checked);
            auto* text = d->findChild<QTextBrowser*>(QStringLiteral("ErklaerungText"));
            QVERIFY(text->toPlainText().startsWith(QStringLiteral("Lohnsteuerkarte?")));
            d->AnpassenClick();
            QVERIFY(d->isVisible());
            QCOMPARE(a.senke.protokoll.back().text, std::string(InterviewSplittingFehler));
            QVERIFY(a.senke.protokoll.back().positioniert);
            QCOMPARE(d->Liste()->currentRow(), 1);
            for (int i : {1, 2, 5}) d->Liste()->item(i)->setCheckState(Qt::Checked);
            d->AnpassenClick();
        });
        a.haupt->SpeedFragenClick();
        QCOMPARE(a.senke.protokoll.back().text,
                 std::string("Die Eingabeseiten wurden zusammengestellt."));
        QVERIFY(a.haupt->FallVeraendert());
        std::vector<SeitenOrt> baum;
        for (const auto& z : NavigatorBaum(a.Satz()))
            if (z.seite) baum.emplace_back(z.bereich, z.seite);
        const std::vector<SeitenOrt> erwartet = {{1, 1}, {2, 1},  {2, 2}, {2, 3}, {2, 4},
                                                 {2, 5}, {2, 6},  {3, 1}, {3, 2}, {3, 3},
                                                 {3, 4}, {17, 1}, {17, 2}};
        QCOMPARE(baum, erwartet);
        QCOMPARE(a.Satz().Int(Feld::ErSie_FamilienstandLB), 1);
        a.haupt->SetzeFallVeraendert(false);
        a.haupt->close();
    }

    // Type-ahead in the interview's list finds lines by their text, headings
    // and items alike; a blank on a heading begins a search, on an item it ticks.
    void interview_tippen() {
        Aufbau a;
        BeiModal([&](QWidget* w) {
            auto* d = static_cast<TxInterview*>(w);
            d->BeginnenClick();
            QListWidget* l = d->Liste();
            auto zeile = [l](const char* text) {
                for (int i = 0; i < l->count(); ++i)
                    if (l->item(i)->text().trimmed() == QString::fromUtf8(text)) return i;
                return -1;
            };
            const struct {
                const char* von;
                const char* tasten;
                const char* nach;
                bool angehakt;
            } faelle[] = {
                {"Sonderausgaben", " kir", "Kirchensteuer?", false},
                {"Wohneigentum", " L", "Lage des Objekts", false},
                {"Sonderausgaben", "Wo", "Wohneigentum", false},
                {"Kirchensteuer?", " ", "Kirchensteuer?", true},
            };
            for (const auto& f : faelle) {
                QTest::qWait(QApplication::keyboardInputInterval() + 50);  // a new search
                l->setCurrentRow(zeile(f.von));
                QTest::keyClicks(l, QString::fromUtf8(f.tasten));
                QCOMPARE(l->currentRow(), zeile(f.nach));
                QCOMPARE(l->currentItem()->checkState() == Qt::Checked, f.angehakt);
            }
            d->close();  // the window button: nothing changes
        });
        a.haupt->SpeedFragenClick();
        a.haupt->close();
    }

    void interview_schliessen_und_abbrechen_aendert_nichts() {
        Aufbau a;
        SeitenmerkerSetzen(a.Satz(), SM_Bearbeitet, 1, 1);
        const CaseRecord vorher = a.Satz();
        a.senke.antworten = {Antwort::OK, Antwort::Nein, Antwort::Ja};
        BeiModal([&](QWidget* w) {
            auto* d = static_cast<TxInterview*>(w);
            d->BeginnenClick();
            d->Liste()->item(25)->setCheckState(Qt::Checked);
            d->AbbruchClick();  // "no": stays open
            QVERIFY(d->isVisible());
            d->AbbruchClick();  // "yes"
        });
        a.haupt->SpeedFragenClick();
        QVERIFY(a.senke.protokoll[0].text.rfind("Interview-Warnung:", 0) == 0);
        QCOMPARE(a.senke.protokoll.back().text, std::string("Interview abbrechen?"));
        QVERIFY(a.Satz() == vorher);

        a.senke.protokoll.clear();
        BeiModal([&](QWidget* w) {
            auto* d = static_cast<TxInterview*>(w);
            d->BeginnenClick();
            d->Liste()->item(2)->setCheckState(Qt::Checked);
            d->close();  // the window button
        });
        a.haupt->SpeedFragenClick();
        QVERIFY(!EnthaeltText(a.senke, "zusammengestellt"));
        QVERIFY(a.Satz() == vorher);
        QVERIFY(!a.haupt->FallVeraendert());
        a.haupt->close();
    }

    void fehlende_erklaerungsdatei() {
        Aufbau a;
        std::filesystem::remove(a.umg.pfade.formular + "Fra042.fra");
        a.haupt->SpeedFragenClick();
        QCOMPARE(a.senke.protokoll.size(), std::size_t(1));
        const Meldung m = a.senke.protokoll.back();
        QCOMPARE(m.typ, MeldungsTyp::Fehler);
        QCOMPARE(m.text, std::string(FragenDateiFehlt));
        MeldungsBox box(m);
        QCOMPARE(box.findChild<QLabel*>(QStringLiteral("MeldungText"))->text(),
                 QStringLiteral(
                     "Fehler:\nDatei mit den Fragen nicht gefunden.\nInterview nicht möglich."));
        a.haupt->close();
    }
};

QTEST_MAIN(NavigatorTest)
#include "navigator.moc"
