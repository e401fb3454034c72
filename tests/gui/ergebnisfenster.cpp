// The result window and the computation command that opens it.
#include <QAction>
#include <QListView>
#include <QPushButton>
#include <QtTest>
#include <fstream>

#include "hauptfenstertest.h"
#include "print/druckausgabe.h"
#include "results/txglobview.h"
#include "shell/tf_globmain.h"
#include "shell/tform13.h"
#include "testumgebung.h"

using namespace quarnel;
using namespace quarnel::gui;

namespace {

std::string Lesen(const QString& pfad) {
    std::ifstream f(pfad.toStdString(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

struct Fenster {
    QTemporaryDir dir;
    Einstellungen einst;
    MeldungsSenke meldungen;
    testumgebung::SkriptDialoge dialoge;
    Druckausgabe druck{nullptr, einst, dir.filePath(QStringLiteral("RPP")).toStdString(),
                       {&meldungen, &dialoge}};
    Ergebnistext text;
    int hilfen = 0;
    std::vector<QFont> angeboten;
    std::optional<QFont> gewaehlt;
    std::unique_ptr<TxGlobView> view;

    Fenster() {
        text.zeilen = {"B E S C H E I D", "Gr\xfc\xdf" "e", ""};
        ErgebnisDienste d;
        d.meldungen = &meldungen;
        d.dateiDialoge = &dialoge;
        d.hilfe = [this] { ++hilfen; };
        d.schriftWahl = [this](const QFont& f, const QString&) {
            angeboten.push_back(f);
            return gewaehlt;
        };
        view = std::make_unique<TxGlobView>(nullptr, text, einst, druck, d);
    }
    QPushButton* Knopf(const char* name) { return view->findChild<QPushButton*>(QString::fromLatin1(name)); }
};

}  // namespace

class ErgebnisfensterTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void liste_knoepfe_und_speichern() {
        Fenster f;
        QCOMPARE(f.view->windowTitle(), QStringLiteral("Ergebnis"));
        auto* modell = f.view->Liste()->model();
        QCOMPARE(modell->rowCount(), 3);
        QCOMPARE(modell->index(1, 0).data().toString(), QStringLiteral(" Grüße"));
        QCOMPARE(f.Knopf("SpeicherBtn")->toolTip(), QStringLiteral("Fensterinhalt in Textdatei ausgeben."));
        QCOMPARE(f.Knopf("FertigBtn")->text(), QStringLiteral("&Ende"));

        const QString pfad = f.dir.filePath(QStringLiteral("b.txt"));
        f.dialoge.antwort = pfad.toStdString();
        f.Knopf("SpeicherBtn")->click();
        QCOMPARE(f.dialoge.anfragen.back().filter, std::string("Textdateien|*.TXT|Alle Dateien|*.*"));
        QCOMPARE(Lesen(pfad), std::string("B E S C H E I D\r\nGr\xfc\xdf" "e\r\n\r\n"));
        f.einst.speichernAnsi = false;  // the DOS code page
        f.Knopf("SpeicherBtn")->click();
        QCOMPARE(Lesen(pfad), std::string("B E S C H E I D\r\nGr\x81\xe1" "e\r\n\r\n"));
        f.einst.speichernUtf8 = true;  // for today's editors, whatever SpeichernAnsi says
        f.Knopf("SpeicherBtn")->click();
        QCOMPARE(Lesen(pfad), std::string("B E S C H E I D\r\nGr\xc3\xbc\xc3\x9f" "e\r\n\r\n"));

        f.dialoge.antwort = f.dir.filePath(QStringLiteral("fehlt/b.txt")).toStdString();
        f.Knopf("SpeicherBtn")->click();
        QVERIFY(testumgebung::EnthaeltText(f.meldungen,
                                           "Kann auf Datenträger nicht zugreifen - Speichern nicht möglich"));
        f.Knopf("HelpBtn")->click();
        QCOMPARE(f.hilfen, 1);
    }

    void belegt_frage_und_pdf() {
        Fenster f;
        int vorschauen = 0;
        f.druck.vorschau = [&](const Bericht& b, const Vorschaustart&) {
            ++vorschauen;
            QVERIFY(f.view->Beschaeftigt());
            QCOMPARE(b.Seitenzahl(), 1);
            // A second press while the result is shown does nothing.
            f.Knopf("VorschauBtn")->click();
            f.Knopf("DruckBtn")->click();
        };
        const std::size_t vorher = f.meldungen.protokoll.size();
        f.Knopf("VorschauBtn")->click();
        QCOMPARE(vorschauen, 1);
        QCOMPARE(f.meldungen.protokoll.size(), vorher);  // no print question came
        QVERIFY(!f.view->Beschaeftigt());

        // "Drucken" asks once: for the printer, or without one for the PDF
        // file; Abbruch prints nothing.
        f.meldungen.antworten = {Antwort::Abbruch};
        f.Knopf("DruckBtn")->click();
        if (DruckerVorhanden()) {
            QVERIFY(f.meldungen.protokoll.back().text.rfind("Druckausgabe starten auf\rDrucker: ", 0) == 0);
            QCOMPARE(f.meldungen.protokoll.back().knoepfe, unsigned(KnopfJa | KnopfAbbruch));
        } else {
            QVERIFY(f.meldungen.protokoll.back().text.rfind("Kein Drucker vorhanden!", 0) == 0);
        }
        QCOMPARE(f.meldungen.protokoll.size(), vorher + 1);

        const QString pdf = f.dir.filePath(QStringLiteral("e.pdf"));
        f.dialoge.antwort = pdf.toStdString();
        f.Knopf("PdfBtn")->click();
        QVERIFY(QFileInfo(pdf).size() > 500);
    }

    void schriften() {
        Fenster f;
        QFont neu(QStringLiteral("Eine sehr lange Schriftart mit vielen Zeichen"), 14);
        neu.setBold(true);
        f.gewaehlt = neu;
        f.Knopf("ViewFontBtn")->click();
        QCOMPARE(f.einst.viewerSchrift.name.size(), std::size_t(30));
        QCOMPARE(f.einst.viewerSchrift.groesse, 14);
        QVERIFY(f.einst.viewerSchrift.fett);
        QCOMPARE(f.view->Liste()->font().pointSize(), 14);
        f.Knopf("DruckFontBtn")->click();
        QCOMPARE(f.angeboten.back().family(), QStringLiteral("Courier New"));
        QCOMPARE(f.einst.druckSchrift.groesse, 14);
        f.gewaehlt.reset();  // cancelled: nothing changes
        f.einst.druckSchrift.groesse = 9;
        f.Knopf("DruckFontBtn")->click();
        QCOMPARE(f.einst.druckSchrift.groesse, 9);
    }

    void berechnung_zeigt_den_bescheid() {
        testumgebung::Hauptfenster h("[Start]\nTips=0\nEingangsFenster=0\n[Ergebnis]\nImFenster=0\n");
        TF_GlobMain& haupt = h.Starten();
        MeldungsSenke& senke = h.senke;
        std::vector<int> seiten;
        haupt.Druck().vorschau = [&](const Bericht& b, const Vorschaustart&) {
            seiten.push_back(b.Seitenzahl());
        };
        haupt.Aktion(QStringLiteral("i_Berechnung"))->trigger();
        QCOMPARE(seiten.size(), std::size_t(1));
        QVERIFY(seiten[0] >= 1);
        bool kopf = false;
        for (const std::string& z : haupt.Ergebnis().zeilen)
            kopf = kopf || z.find("B E S C H E I D") != std::string::npos;
        QVERIFY(kopf);
        QVERIFY(!testumgebung::EnthaeltText(senke, "nicht zur Verfügung"));

        // In the window: the result window opens and closes with Esc.
        haupt.Einst().imFenster = true;
        bool gezeigt = false;
        testumgebung::BeiModal([&](QWidget* w) {
            gezeigt = w->windowTitle() == QStringLiteral("Ergebnis");
            QTest::keyClick(w, Qt::Key_Escape);
        });
        haupt.Aktion(QStringLiteral("i_Berechnung"))->trigger();
        QVERIFY(gezeigt);
        QCOMPARE(seiten.size(), std::size_t(1));
    }
};

QTEST_MAIN(ErgebnisfensterTest)
#include "ergebnisfenster.moc"
