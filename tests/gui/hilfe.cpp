// The side view, the help viewer and the note window: the side view follows
// the focused field, pictures render through the JPEG loader, links are
// dispatched by kind, the check report shows, notes are kept per page.
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QtTest>
#include <filesystem>

#include "case/fallbefehle.h"
#include "pages/seitenzustand.h"
#include "print/druckausgabe.h"
#include "shell/hilfeansicht.h"
#include "shell/notiz.h"
#include "shell/tf_globlfdview.h"
#include "shell/tf_globmain.h"
#include "shell/tf_memo.h"
#include "shell/tform13.h"
#include "shell/txglobhtm.h"
#include "testpfade.h"
#include "testumgebung.h"

using namespace quarnel;
using namespace quarnel::gui;
using testumgebung::BeiModal;
using testumgebung::Umgebung;

namespace {

// A help page long enough to scroll, with the anchors of three fields at its end.
std::string LangeSeite() {
    std::string s = "<html><body>";
    for (int i = 0; i < 120; ++i) s += "<p>Absatz " + std::to_string(i) + "</p>";
    for (int f = 1201; f <= 1203; ++f)
        s += "<p><a name=\"F" + std::to_string(f) + "\"></a>Feld " + std::to_string(f) + "</p>";
    for (int i = 0; i < 60; ++i) s += "<p>Rest</p>";
    return s + "</body></html>";
}

struct Aufbau {
    Umgebung umg;
    MeldungsSenke senke;
    testumgebung::SkriptDialoge dialoge;
    testumgebung::FesteUhr uhr;
    testumgebung::MerkDesktop desktop;
    std::unique_ptr<TF_GlobMain> haupt;

    Aufbau() {
        haupt = std::make_unique<TF_GlobMain>(Startschalter{}, umg.pfade,
                                              ShellDienste{&senke, &dialoge, &uhr, &desktop});
        haupt->resize(900, 600);
        haupt->show();
        QTRY_VERIFY(haupt->ErsteAnzeigeErledigt());
    }
    std::string H(const std::string& rel) const { return umg.pfade.hilfe + rel; }
};

std::string TestBild(const char* name) {
    return std::string(QUARNEL_TEST_CASES_DIR) + "/bilder/" + name;
}

void Kopieren(const std::string& von, const std::string& nach) {
    std::filesystem::copy_file(von, nach, std::filesystem::copy_options::overwrite_existing);
}

}  // namespace

class HilfeTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void seitenansicht_folgt_dem_feld() {
        Aufbau a;
        Umgebung::Schreiben(a.H("F012.htm"), LangeSeite());
        TF_GlobLfdView* v = a.haupt->LfdView();
        a.haupt->SeitenhilfeZeigen("F012");
        QCOMPARE(v->AktuelleDatei(), a.H("F012.htm"));
        // A page that does not exist leaves the side view as it is.
        a.haupt->SeitenhilfeZeigen("F099");
        QCOMPARE(v->AktuelleDatei(), a.H("F012.htm"));

        auto* seite = new QWidget;
        auto* l = new QVBoxLayout(seite);
        std::vector<QLineEdit*> felder;
        for (int i = 0; i < 3; ++i) {
            felder.push_back(new QLineEdit(seite));
            felder.back()->setProperty("hilfeNummer", 1201 + i);
            l->addWidget(felder.back());
        }
        a.haupt->SeiteEinfuegen(seite);
        a.haupt->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(a.haupt.get()));
        v->verticalScrollBar()->setValue(0);
        felder[2]->setFocus();
        QTRY_COMPARE(v->Anker(), std::string("F1203"));
        QTRY_VERIFY(v->verticalScrollBar()->value() > 0);
        const int unten = v->verticalScrollBar()->value();
        felder[0]->setFocus();
        QTRY_COMPARE(v->Anker(), std::string("F1201"));
        QVERIFY(v->verticalScrollBar()->value() < unten);
        QVERIFY(v->verticalScrollBar()->value() > 0);
        QCOMPARE(a.haupt->Panel(QStringLiteral("FeldNrPnl"))->text(), QStringLiteral("#F1201"));

        // A subordinate page's help, and back to the page's own: for the
        // third child that is the one children's page.
        Umgebung::Schreiben(a.H("F501.htm"), "<p>Behinderung</p>");
        Umgebung::Schreiben(a.H("F021.htm"), "<p>Kinder</p>");
        CaseRecord& r = a.haupt->Fall().Satz();
        for (int b = 1; b <= AnzahlBereiche; ++b)
            for (int s = 0; s <= 15; ++s) SeitenmerkerLoeschen(r, SM_Aktiv, b, s);
        SeitenmerkerSetzen(r, SM_Aktiv, 2, 0);
        SeitenmerkerSetzen(r, SM_Aktiv, 2, 3);
        a.haupt->fall.familienstand = [] { return 0; };
        QLineEdit* ohneNummer = nullptr;  // the next page has no numbered field
        a.haupt->fall.seiteErzeugen = [&ohneNummer](int, int) {
            auto* s = new QWidget;
            ohneNummer = new QLineEdit(s);
            ohneNummer->setProperty("hilfeNummer", 0);
            return s;
        };
        a.haupt->NavigatorVorRueck(true);
        QCOMPARE(a.haupt->AktBereich(), 2);
        QCOMPARE(a.haupt->AktSeite(), 3);
        ohneNummer->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(ohneNummer));
        // the page lacks the field whose number was shown: the panel is empty
        QCOMPARE(a.haupt->Panel(QStringLiteral("FeldNrPnl"))->text(), QString());
        QCOMPARE(v->AktuelleDatei(), a.H("F021.htm"));
        SeitenzustandGlobal().hilfeseite = 501;
        a.haupt->FensterGewechselt(Fensterart::Seitenansicht);
        QCOMPARE(v->AktuelleDatei(), a.H("F501.htm"));
        SeitenzustandGlobal().hilfeseite = 999;
        a.haupt->FensterGewechselt(Fensterart::Seitenansicht);
        QCOMPARE(v->AktuelleDatei(), a.H("F021.htm"));
        QCOMPARE(SeitenzustandGlobal().hilfeseite, 0);
    }

    void jpeg_im_hilfetext() {
        Umgebung umg;
        Kopieren(TestBild("rgb.jpg"), umg.pfade.hilfe + "std/bild.jpg");
        Kopieren(TestBild("abgeschnitten.jpg"), umg.pfade.hilfe + "std/kaputt.jpg");
        Umgebung::Schreiben(umg.pfade.hilfe + "std/bild.htm",
                            "<p><img src=\"bild.jpg\"></p><p><img src=\"kaputt.jpg\"></p>"
                            "<p><img src=\"file:///etc/fremd.jpg\"></p>");
        HilfeBrowser b;
        b.SetzeOrte({umg.pfade.hilfe, {}});
        b.resize(300, 300);
        b.Laden(umg.pfade.hilfe + "std/bild.htm");
        const QImage bild = b.loadResource(QTextDocument::ImageResource, QUrl("bild.jpg"))
                                .value<QImage>();
        QCOMPARE(bild.size(), QSize(32, 24));  // the picture, not the placeholder
        const QColor oben = bild.pixelColor(2, 2), rechts = bild.pixelColor(29, 21);
        QVERIFY2(qAbs(oben.red() - 220) < 15 && qAbs(oben.green() - 40) < 15,
                 qPrintable(oben.name()));
        QVERIFY2(qAbs(rechts.green() - 200) < 15 && qAbs(rechts.blue() - 230) < 15,
                 qPrintable(rechts.name()));
        // Rendered: the magenta quarter is on screen.
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        const QImage schirm = b.viewport()->grab().toImage();
        bool magenta = false;
        for (int y = 0; y < 60 && !magenta; ++y)
            for (int x = 0; x < 60 && !magenta; ++x) {
                const QColor c = schirm.pixelColor(x, y);
                magenta = qAbs(c.red() - 220) < 20 && qAbs(c.green() - 40) < 20 &&
                          qAbs(c.blue() - 230) < 20;
            }
        QVERIFY(magenta);
        // Broken and foreign pictures get the placeholder.
        const QImage platz = HilfeBrowser::Platzhalter();
        for (const char* s : {"kaputt.jpg", "file:///etc/fremd.jpg", "fehlt.jpg"})
            QCOMPARE(b.loadResource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(s)))
                         .value<QImage>()
                         .size(),
                     platz.size());
    }

    void verweise_im_hilfefenster() {
        Umgebung umg;
        MeldungsSenke senke;
        testumgebung::MerkDesktop desktop;
        const std::string h = umg.pfade.hilfe;
        Umgebung::Schreiben(h + "std/eins.htm", "<title>Eins</title><p>Seite eins</p>");
        Umgebung::Schreiben(h + "std/zwei.htm", "<p>Seite zwei</p>" + LangeSeite());
        Umgebung::Schreiben(h + "std/ton.wav", "RIFF");
        TxGlobHtm d(nullptr, {h, {}}, {&senke, &desktop}, 10);
        d.Startseite(h + "std/eins.htm", {});
        BeiModal([&](QWidget*) {
            // Just opened: neither forward nor back.
            QVERIFY(!d.FwdButton->isEnabled());
            QVERIFY(!d.BackButton->isEnabled());
            QVERIFY(d.ReloadButton->isEnabled());
            QVERIFY(d.Ansicht()->toPlainText().contains(QStringLiteral("Seite eins")));
            d.LinkGeklickt("zwei.htm#F1202");
            QCOMPARE(d.Ansicht()->AktuelleDatei(), h + "std/zwei.htm");
            QVERIFY(d.BackButton->isEnabled());
            QVERIFY(!d.FwdButton->isEnabled());
            QVERIFY(d.Ansicht()->verticalScrollBar()->value() > 0);  // at the anchor
            d.BackButton->click();
            QCOMPARE(d.Ansicht()->AktuelleDatei(), h + "std/eins.htm");
            QVERIFY(d.FwdButton->isEnabled());
            QVERIFY(!d.BackButton->isEnabled());
            d.FwdButton->click();
            QCOMPARE(d.Ansicht()->AktuelleDatei(), h + "std/zwei.htm");

            // Addresses to the desktop; programs never; a sound after asking.
            d.LinkGeklickt("mailto:info@example.org");
            d.LinkGeklickt("https://example.org/");
            d.LinkGeklickt("..\\..\\x.exe");
            QCOMPARE(senke.protokoll.back().text,
                     std::string("Aus der Hilfe werden keine Programme gestartet:\rx.exe"));
            d.LinkGeklickt("javascript:alert(1)");
            senke.antworten = {Antwort::Nein, Antwort::Ja};
            d.LinkGeklickt("ton.wav");
            d.LinkGeklickt("ton.wav");
            QCOMPARE(desktop.geoeffnet,
                     (std::vector<std::string>{"mailto:info@example.org", "https://example.org/",
                                               h + "std/ton.wav"}));
            QCOMPARE(d.Ansicht()->AktuelleDatei(), h + "std/zwei.htm");
            d.OkBtn->click();
        });
        d.exec();
        // The raw link text survives the URL: backslashes and all.
        QCOMPARE(HilfeBrowser::LinkText(QUrl(QStringLiteral("..\\..\\x.exe"))),
                 std::string("..\\..\\x.exe"));
    }

    void seitenansicht_oeffnet_das_hilfefenster() {
        Aufbau a;
        Umgebung::Schreiben(a.H("F011.htm"), LangeSeite());
        Umgebung::Schreiben(a.H("std/klang.wav"), "RIFF");
        TF_GlobLfdView* v = a.haupt->LfdView();
        std::string gezeigt;
        int wert = 0;
        BeiModal([&](QWidget* w) {
            auto* d = qobject_cast<TxGlobHtm*>(w);
            if (d) {
                gezeigt = d->Ansicht()->AktuelleDatei();
                QTest::qWait(20);
                wert = d->Ansicht()->verticalScrollBar()->value();
            }
            QTest::keyClick(w, Qt::Key_Escape);
        });
        v->LinkGeklickt("F011.htm#F1202");
        QCOMPARE(gezeigt, a.H("F011.htm"));
        QVERIFY(wert > 0);  // at the field's paragraph
        // A sound does nothing in the side view; mail goes to the desktop.
        a.senke.protokoll.clear();
        v->LinkGeklickt("std/klang.wav");
        v->LinkGeklickt("MAILTO:steuer@example.org");
        QVERIFY(a.senke.protokoll.empty());
        QCOMPARE(a.desktop.geoeffnet, std::vector<std::string>{"MAILTO:steuer@example.org"});
        // With the desktop's viewer set, the page goes there without anchor.
        a.haupt->Einst().internetBrowser = true;
        v->LinkGeklickt("F011.htm#F1103");
        QCOMPARE(a.desktop.geoeffnet.back(), a.H("F011.htm"));
    }

    void pruefbericht_wird_gezeigt() {
        Aufbau a;
        const std::string bericht = a.haupt->Temporaer()->Pruefbericht();
        // The report is Windows-1252; it shows a picture of the help folder.
        Kopieren(TestBild("rgb.jpg"), a.H("std/warnung.jpg"));
        QDir().mkpath(QString::fromStdString(a.H("images/std")));
        Kopieren(TestBild("rgb.jpg"), a.H("images/std/zeichen.jpg"));
        Umgebung::Schreiben(bericht,
                            "<html><body><img src=\"..\\images\\std\\zeichen.jpg\">"
                            "<h3>Pr\xFC" "fbericht</h3><img src=\"warnung.jpg\">"
                            "<p>Gr\xFC\xDF" "e</p></body></html>");
        std::string text, datei;
        QSize bild;
        bool magenta = false;
        BeiModal([&](QWidget* w) {
            auto* d = qobject_cast<TxGlobHtm*>(w);
            if (d) {
                text = d->Ansicht()->toPlainText().toStdString();
                datei = d->Ansicht()->AktuelleDatei();
                bild = d->Ansicht()
                           ->loadResource(QTextDocument::ImageResource, QUrl("warnung.jpg"))
                           .value<QImage>()
                           .size();
                // The picture of the help folder, named with backslashes, is drawn.
                const QImage schirm = d->Ansicht()->viewport()->grab().toImage();
                for (int y = 0; y < 40 && !magenta; ++y)
                    for (int x = 0; x < 40 && !magenta; ++x) {
                        const QColor c = schirm.pixelColor(x, y);
                        magenta = qAbs(c.red() - 220) < 20 && qAbs(c.green() - 40) < 20 &&
                                  qAbs(c.blue() - 230) < 20;
                    }
            }
            w->close();
        });
        a.haupt->Hilfeanzeigen("std\\" + std::filesystem::path(bericht).filename().string());
        QCOMPARE(datei, bericht);
        QVERIFY2(text.find("Prüfbericht") != std::string::npos, text.c_str());
        QVERIFY(text.find("Grüße") != std::string::npos);
        QCOMPARE(bild, QSize(32, 24));
        QVERIFY(magenta);
    }

    void notizfenster() {
        Aufbau a;
        Fallverwaltung& f = a.haupt->Fall();
        MeldungsSenke senke;
        // Open and cancel: no entry is claimed, nothing changes.
        const Notizblock leer = f.Notizen();
        {
            TF_Memo m(nullptr, f.Satz(), f.Notizen(), 4, 2, senke);
            BeiModal([&](QWidget*) {
                QCOMPARE(m.windowTitle(), QStringLiteral(" 1. Notiz "));
                m.CancelBtn->click();
            });
            m.exec();
        }
        QVERIFY(f.Notizen() == leer);
        QVERIFY(senke.protokoll.empty());

        // Typing, then cancel: the question; "no" keeps the window open.
        {
            TF_Memo m(nullptr, f.Satz(), f.Notizen(), 4, 2, senke);
            bool veraendert = false;
            m.fallVeraendert = [&] { veraendert = true; };
            BeiModal([&](QWidget*) {
                QTest::keyClicks(m.Editor1, QStringLiteral("Belege "));
                m.Editor1->insertPlainText(QStringLiteral("für"));
                QTest::keyClicks(m.Editor1, QStringLiteral(" Arbeitsmittel"));
                QTest::keyClick(m.Editor1, Qt::Key_Return);
                QTest::keyClicks(m.Editor1, QStringLiteral("fehlen noch"));
                QCOMPARE(m.Label2->text(), QStringLiteral("Zeilen:   2 von 200"));
                senke.antworten = {Antwort::Nein};
                m.CancelBtn->click();
                QVERIFY(m.isVisible());
                QCOMPARE(senke.protokoll.back().text,
                         std::string("Abbruch - Änderungen verwerfen?"));
                m.OkBtn->click();
            });
            m.exec();
            QVERIFY(veraendert);
        }
        QVERIFY(SeitenmerkerTest(f.Satz(), SM_Notiz, 4, 2));
        QCOMPARE(NotizLesen(f.Notizen(), 1), std::string("Belege für Arbeitsmittel\nfehlen noch"));

        // The editor never holds more than the entry can store.
        {
            TF_Memo m(nullptr, f.Satz(), f.Notizen(), 4, 2, senke);
            BeiModal([&](QWidget*) {
                m.Editor1->selectAll();
                m.Editor1->insertPlainText(QString(1490, QLatin1Char('x')) +
                                           QStringLiteral("\n\n\nende"));
                QCOMPARE(m.Editor1->toPlainText(),
                         QString(1490, QLatin1Char('x')) + QStringLiteral("\n\n"));
                QCOMPARE(m.Label1->text(), QStringLiteral("Belegt: 100%"));
                // "&Löschen" and "&OK" free the entry.
                m.LoeschenBtn->click();
                QCOMPARE(m.Editor1->toPlainText(), QString());
                m.OkBtn->click();
            });
            m.exec();
        }
        QVERIFY(!SeitenmerkerTest(f.Satz(), SM_Notiz, 4, 2));
        QCOMPARE(f.Notizen().Eintrag(1)[0], uint8_t(0));

        // Fifteen pages with notes: the sixteenth gets none.
        for (int i = 0; i < 15; ++i)
            NotizSpeichern(f.Satz(), f.Notizen(), 1 + i / 7, 1 + i % 7, "n");
        const Notizblock voll = f.Notizen();
        {
            TF_Memo m(nullptr, f.Satz(), f.Notizen(), 16, 1, senke);
            BeiModal([&](QWidget*) {
                QCOMPARE(senke.protokoll.back().text, std::string("Keine freie Notiz verfügbar!"));
                QCOMPARE(m.Editor1->toPlainText(), QStringLiteral("Notiz nicht abspeicherbar!"));
                m.OkBtn->click();
            });
            m.exec();
        }
        QVERIFY(f.Notizen() == voll);
        QVERIFY(!SeitenmerkerTest(f.Satz(), SM_Notiz, 16, 1));
    }

    void notiz_wird_gedruckt() {
        QTemporaryDir dir;
        Einstellungen einst;
        MeldungsSenke senke;
        testumgebung::SkriptDialoge dialoge;
        Druckausgabe druck(nullptr, einst, dir.filePath(QStringLiteral("RPP1")).toStdString(),
                           {&senke, &dialoge});
        int seiten = 0;
        druck.vorschau = [&](const Bericht& b, const Vorschaustart&) { seiten = b.Seitenzahl(); };
        CaseRecord r;
        Notizblock n;
        Listensatz l;
        NeuerFall(r, n, l);
        TF_Memo m(nullptr, r, n, 4, 2, senke);
        m.drucken = [&](const std::vector<std::string>& zeilen) {
            NotizDrucken(druck, zeilen, true);
        };
        BeiModal([&](QWidget*) {
            m.Editor1->setPlainText(QStringLiteral("Erste Zeile\nzweite mit Umlaut: äöü"));
            m.DruckBtn->click();
            m.OkBtn->click();
        });
        m.exec();
        QCOMPARE(seiten, 1);
        QVERIFY(druck.daten.notizen == nullptr);
    }

    void notizknopf_im_hauptfenster() {
        Aufbau a;
        a.haupt->D_NeuItemClick();
        BeiModal([&](QWidget* w) {
            auto* m = qobject_cast<TF_Memo*>(w);
            QVERIFY(m);
            QTest::keyClicks(m->Editor1, QStringLiteral("Merken"));
            m->OkBtn->click();
        });
        a.haupt->NotizBitBtnClick();
        QVERIFY(a.haupt->FallVeraendert());
        QVERIFY(SeitenmerkerTest(a.haupt->Fall().Satz(), SM_Notiz, a.haupt->AktBereich(),
                                 a.haupt->AktSeite()));
        QVERIFY(a.haupt->Knopf(QStringLiteral("NotizBitBtn"))->property("gesetzt").toBool());
    }
};

QTEST_MAIN(HilfeTest)
#include "hilfe.moc"
