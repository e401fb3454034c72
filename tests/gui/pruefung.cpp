// The main window's check commands: the report file handed to the viewer,
// the silent check of the current page and its error mark.
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "case/fallbefehle.h"
#include "hauptfenstertest.h"
#include "shell/tf_globmain.h"
#include "shell/tform13.h"
#include "shell/verzeichnisse.h"
#include "testumgebung.h"

using namespace quarnel;
using namespace quarnel::gui;
using testumgebung::Umgebung;

class PruefungTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void bericht_und_fehlermarke() {
        testumgebung::Hauptfenster h;
        TF_GlobMain& haupt = h.MitPruefkatalogStarten();
        MeldungsSenke& senke = h.senke;
        std::vector<std::string>& gezeigt = h.gezeigt;

        CaseRecord& satz = haupt.Fall().Satz();
        QVERIFY(!SeitenmerkerTest(satz, SM_Pruefung, 1, 1));
        haupt.Pruefen(200);  // silent: only the mark of the current page (1, 0 as 1)
        QVERIFY(gezeigt.empty());
        QVERIFY(SeitenmerkerTest(satz, SM_Pruefung, 1, 1));

        haupt.Pruefen(100);
        QCOMPARE(gezeigt.size(), std::size_t(1));
        QCOMPARE(gezeigt[0], haupt.Temporaer()->Pruefbericht());
        std::ifstream f(gezeigt[0], std::ios::binary);
        const std::string html(std::istreambuf_iterator<char>(f), {});
        QVERIFY(html.find("Alle Register") != std::string::npos);
        QVERIFY(html.find("<b>ENDE</b>") != std::string::npos);
        QVERIFY(senke.protokoll.empty());
    }

    // A text the printed return cuts to fit its box is named in the report,
    // measured in the form font of the settings.
    void gekuerzter_text_im_bericht() {
        testumgebung::Hauptfenster h;
        const Verzeichnisse installiert = VerzeichnisseBestimmen(VerzeichnisQuellenDesProzesses(), false);
        for (const char* datei : {"F01a14.def", "F01a14.bez"})
            std::filesystem::copy_file(installiert.formular + datei, h.umg.pfade.formular + datei);
        TF_GlobMain& haupt = h.MitPruefkatalogStarten();
        CaseRecord& satz = haupt.Fall().Satz();
        const std::string name(25, 'W');
        satz.SetzeText(Feld::StpflVorname, name);
        satz.SetzeInt(Feld::GradBehinderung, 50, 1);
        haupt.Pruefen(100);
        QCOMPARE(h.gezeigt.size(), std::size_t(1));
        std::ifstream f(h.gezeigt[0], std::ios::binary);
        const std::string html(std::istreambuf_iterator<char>(f), {});
        QVERIFY2(html.find("Hauptvordruck, Seite 4") != std::string::npos, html.c_str());
        QVERIFY(html.find("Vorname") != std::string::npos);
        QVERIFY(html.find(name) != std::string::npos);
        QVERIFY(html.find("beim Druck") != std::string::npos);
        // A name that fits is not named.
        satz.SetzeText(Feld::StpflVorname, "Max");
        haupt.Pruefen(100);
        std::ifstream g(h.gezeigt.back(), std::ios::binary);
        const std::string html2(std::istreambuf_iterator<char>(g), {});
        QVERIFY(html2.find("beim Druck") == std::string::npos);
    }
};

QTEST_MAIN(PruefungTest)
#include "pruefung.moc"
