// The form printing dialog "Formulardruck" and the form jobs of the dispatcher.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>

#include "print/druckausgabe.h"
#include "print/formulardruck.h"
#include "print/txglobfdrk.h"
#include "results/ergebnistext.h"
#include "shell/tform13.h"
#include "testpfade.h"
#include "testumgebung.h"

using namespace quarnel;
using namespace quarnel::gui;

namespace {

struct Aufbau {
    Einstellungen einst;
    CaseRecord fall;
    MeldungsSenke meldungen;
    std::vector<Druckauftrag> jobs;
    int geschrieben = 0;
    std::unique_ptr<TxGlobFDrk> dialog;

    Aufbau() {
        ErststartWerteSetzen(einst);
        einst.formMitVoranzeige = true;
        einst.formSkalierung = 100;
        einst.alleRechts = 4;
    }
    TxGlobFDrk& Oeffnen() {
        FormulardruckDienste d;
        d.meldungen = &meldungen;
        d.auftrag = [this](const Druckauftrag& a) {
            jobs.push_back(a);
            return true;
        };
        d.einstellungenSchreiben = [this] { ++geschrieben; };
        d.schriftWaehlen = [](const SchriftWahl&) {
            return std::optional<SchriftWahl>(
                SchriftWahl{std::string(40, 'a'), 12, false, true, false});
        };
        dialog = std::make_unique<TxGlobFDrk>(nullptr, einst, fall, std::move(d));
        return *dialog;
    }
    void Klicken(const char* name) {
        QPushButton* k = dialog->findChild<QPushButton*>(QString::fromLatin1(name));
        QVERIFY(k);
        k->click();
    }
};

}  // namespace

class FormulardruckTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void oeffnen_laedt_die_einstellungen_ohne_voranzeige() {
        Aufbau a;
        TxGlobFDrk& d = a.Oeffnen();
        QCOMPARE(d.windowTitle(), QStringLiteral("Formulardruck"));
        QCOMPARE(d.OvcNb()->count(), 3);
        QCOMPARE(d.OvcNb()->tabText(1), QStringLiteral("&Justierung"));
        QCOMPARE(d.ZuDruckFormCB()->count(), 30);
        QCOMPARE(d.ZuDruckFormCB()->item(7)->text(), QStringLiteral("  Anlage Kinder, Seite 2 (Kind 5-6)"));
        QVERIFY(!d.MitVoranzeigeCB()->isChecked());  // even with the setting on
        QCOMPARE(d.FormGewaehltLbL()->text(), QStringLiteral("0"));
        QCOMPARE(AnzahlGewaehlt(d.Gewaehlt()), 0);
        QVERIFY(d.DrkUnterlegtRb()->isChecked());
        QCOMPARE(d.Skalierung()->value(), 100);
        QCOMPARE(d.AlleRechts()->value(), 4);
        QCOMPARE(d.JustierLB()->currentRow(), 0);
        QCOMPARE(d.JustierRechts()->value(), 9);
        QCOMPARE(d.JustierUnten()->value(), 2);
        QCOMPARE(d.FormFontLbl()->text(), QStringLiteral("Arial, 11 Punkt"));
    }

    void automatik_justierung_und_standardwerte() {
        Aufbau a;
        a.fall.SetzeBool(Feld::AnlNFlagEr, true);
        a.fall.SetzeBool(Feld::KindAnlFlag, true, 6);
        TxGlobFDrk& d = a.Oeffnen();
        a.Klicken("AutomatikBtn");
        QCOMPARE(d.FormGewaehltLbL()->text(), QStringLiteral("8"));
        QVERIFY(d.Gewaehlt()[6] && d.Gewaehlt()[8] && !d.Gewaehlt()[4]);
        d.Ankreuzen(29, true);
        QCOMPARE(d.FormGewaehltLbL()->text(), QStringLiteral("9"));

        // A group's pair follows the list and is stored while it is edited.
        d.JustierLB()->setCurrentRow(2);
        QCOMPARE(d.JustierRechts()->value(), 17);
        d.JustierRechts()->setValue(-5);
        d.JustierUnten()->setValue(30);
        QCOMPARE(a.einst.formVerschiebung[2].rechts, -5);
        QCOMPARE(a.einst.formVerschiebung[2].unten, 30);
        QCOMPARE(a.einst.formVerschiebung[0].rechts, 9);

        // The defaults: group 1 shown, the shown size kept.
        d.Skalierung()->setValue(100);
        d.AlleUnten()->setValue(7);
        a.Klicken("JustierungVorEinBtn");
        QCOMPARE(a.einst.formVerschiebung[2].rechts, 17);
        QCOMPARE(a.einst.alleUnten, 0);
        QCOMPARE(d.AlleUnten()->value(), 0);
        QCOMPARE(d.JustierLB()->currentRow(), 0);
        QCOMPARE(d.Skalierung()->value(), 100);
        QVERIFY(testumgebung::EnthaeltText(a.meldungen, "Es wurden die Standardwerte gesetzt."));

        // The form font: the name is cut to 30 characters.
        a.Klicken("FormFontBtn");
        QCOMPARE(a.einst.formSchrift.name, std::string(30, 'a'));
        QCOMPARE(a.einst.formSchrift.groesse, 12);
        QVERIFY(a.einst.formSchrift.kursiv);
    }

    void drucken_mit_papierfragen_duplex_und_abbruch() {
        Aufbau a;
        TxGlobFDrk& d = a.Oeffnen();
        // No ticks: nothing printed, nothing asked.
        a.Klicken("DruckBtn");
        QVERIFY(a.jobs.empty());
        QVERIFY(a.meldungen.protokoll.empty());

        for (int i : {0, 1, 3}) d.Ankreuzen(i, true);
        d.OvcNb()->setCurrentIndex(2);
        d.DuplexDruckCB()->setChecked(true);
        a.Klicken("DruckBtn");
        QCOMPARE(d.OvcNb()->currentIndex(), 0);
        QCOMPARE(a.jobs.size(), std::size_t(1));
        QCOMPARE(a.jobs[0].blatt, 11);
        QVERIFY(a.jobs[0].direkt);
        QVERIFY(a.einst.formDuplex);  // stored before printing

        a.jobs.clear();
        d.DuplexDruckCB()->setChecked(false);
        d.DrkAmtlichRB()->setChecked(true);
        d.MitVoranzeigeCB()->setChecked(true);
        // The preview asks once for all ticked sheets and shows them in one job.
        a.meldungen.antworten = {Antwort::OK, Antwort::Abbrechen};
        a.Klicken("DruckBtn");
        QCOMPARE(a.jobs.size(), std::size_t(1));
        QVERIFY(!a.jobs[0].blanko);
        QVERIFY(!a.jobs[0].direkt);
        QCOMPARE(a.jobs[0].blaetter, (std::vector<int>{11, 12, 14}));
        QCOMPARE(a.meldungen.protokoll.size(), std::size_t(1));
        QCOMPARE(a.meldungen.protokoll[0].text,
                 std::string("Bitte das amtliches Formular\r  Hauptvordruck, Seite 1\r  Hauptvordruck, Seite 2\r"
                             "  Hauptvordruck, Seite 4\reinlegen"));
    }

    void esc_schliesst_nicht_und_ende_schreibt_die_einstellungen() {
        Aufbau a;
        TxGlobFDrk& d = a.Oeffnen();
        d.show();
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(d.isVisible());
        // Enter ticks the current item like the space key.
        d.ZuDruckFormCB()->setFocus();
        d.ZuDruckFormCB()->setCurrentRow(2);
        QTest::keyClick(d.ZuDruckFormCB(), Qt::Key_Return);
        QVERIFY(d.Gewaehlt()[2]);
        QCOMPARE(d.FormGewaehltLbL()->text(), QStringLiteral("1"));
        QTest::keyClick(d.DuplexDruckCB(), Qt::Key_Return);
        QVERIFY(d.DuplexDruckCB()->isChecked() != a.einst.formDuplex);
        d.Skalierung()->setValue(120);
        d.MitVoranzeigeCB()->setChecked(true);
        a.Klicken("OkBtn");
        QVERIFY(!d.isVisible());
        QCOMPARE(a.geschrieben, 1);
        QCOMPARE(a.einst.formSkalierung, 120);
        QVERIFY(a.einst.formMitVoranzeige);
    }

    // Without a printer the run writes one PDF of every ticked sheet after one
    // question, whatever the medium and duplex; with a printer (here one that
    // writes a file) each sheet is its own job after its paper prompt.
    void ohne_drucker_eine_frage_je_druckauftrag() {
        struct Fall {
            bool blanko, duplex, drucker;
            Antwort antwort;
            int fragen, dateidialoge, seiten;
        };
        const Fall faelle[] = {
            {true, false, false, Antwort::Ja, 1, 1, 4},
            {false, false, false, Antwort::Ja, 1, 1, 4},
            {true, true, false, Antwort::Ja, 1, 1, 4},
            {true, false, false, Antwort::Nein, 1, 0, 4},
            {true, false, true, Antwort::OK, 3, 0, 1},  // three paper prompts, no PDF question
        };
        for (const Fall& f : faelle) {
            testumgebung::Umgebung umg;
            Einstellungen einst;
            ErststartWerteSetzen(einst);
            MeldungsSenke meldungen;
            testumgebung::SkriptDialoge dialoge;
            const std::string pdf = umg.pfade.programm + "alle.pdf";
            dialoge.antwort = pdf;
            Druckausgabe druck(nullptr, einst, umg.pfade.programm + "druck.rpp",
                               {&meldungen, &dialoge, [&] { return f.drucker; }});
            if (f.drucker) druck.Drucker().setOutputFileName(QString::fromStdString(umg.pfade.programm + "drucker.pdf"));
            CaseRecord fall;
            fall.SetzeText(Feld::StpflName, "Mustermann");
            for (int p : {1, 3, 4}) fall.SetzeInt(Feld::GradBehinderung, 50, p);  // page 4 and its continuation
            FormulardruckAnbinden(druck, {[&]() -> CaseRecord& { return fall; }, [] {}, &einst,
                                          std::string(QUARNEL_DATA_DIR) + "/form/", nullptr});
            FormulardruckDienste d;
            d.meldungen = &meldungen;
            d.drucker = &druck.Drucker();
            d.ohneDrucker = [&] { return druck.OhneDrucker(); };
            d.auftrag = [&](const Druckauftrag& a) { return FormularauftragAusfuehren(druck, a); };
            TxGlobFDrk dialog(nullptr, einst, fall, std::move(d));
            for (int i : {0, 1, 3}) dialog.Ankreuzen(i, true);
            dialog.DrkUnterlegtRb()->setChecked(f.blanko);
            dialog.DrkAmtlichRB()->setChecked(!f.blanko);
            dialog.DuplexDruckCB()->setChecked(f.duplex);
            meldungen.antworten = {f.antwort, f.antwort, f.antwort};
            dialog.findChild<QPushButton*>(QStringLiteral("DruckBtn"))->click();
            const std::string name = std::to_string(&f - faelle);
            QVERIFY2(int(meldungen.protokoll.size()) == f.fragen, name.c_str());
            QCOMPARE(int(dialoge.anfragen.size()), f.dateidialoge);
            QCOMPARE(QFile::exists(QString::fromStdString(pdf)), f.dateidialoge == 1);
            if (!f.drucker) {
                QVERIFY(meldungen.protokoll[0].text.starts_with("Kein Drucker vorhanden!"));
                // Pages 1, 2, 4 and the continuation sheet after page 4.
                QCOMPARE(druck.LetzterBericht().Seitenzahl(), f.seiten);
            }
        }
    }

    void formularauftrag_ueber_den_verteiler() {
        testumgebung::Umgebung umg;
        Einstellungen einst;
        ErststartWerteSetzen(einst);
        einst.formSkalierung = 95;
        MeldungsSenke meldungen;
        Druckausgabe druck(nullptr, einst, umg.pfade.programm + "druck.rpp", {&meldungen, nullptr});
        CaseRecord fall;
        fall.SetzeText(Feld::StpflName, "Mustermann");
        fall.SetzeBool(Feld::Grundtabelle, true);
        int gefuellt = 0;
        FormulardruckAnbinden(druck, {[&]() -> CaseRecord& { return fall; }, [&] { ++gefuellt; },
                                      &einst, std::string(QUARNEL_DATA_DIR) + "/form/", nullptr});
        std::vector<Vorschaustart> starts;
        druck.vorschau = [&](const Bericht&, const Vorschaustart& s) { starts.push_back(s); };
        QCOMPARE(druck.DruckAusgabe(1, 312, true, false), Druckausgabe::Ausgang::Vorschau);
        QCOMPARE(gefuellt, 1);
        QCOMPARE(druck.LetzterBericht().Seitenzahl(), 2);  // 312 and 322
        QCOMPARE(starts.back().startseite, 1);
        QCOMPARE(starts.back().skalierung, 95);
        // Sheet 312 draws its image and the name of the taxpayer's annex is not on it.
        bool bild = false, name = false;
        for (const auto& e : druck.LetzterBericht().seiten[0].elemente) {
            bild = bild || (e.art == Berichtselement::Art::Bild &&
                            e.text.find("F01a31.svg") != std::string::npos);
            name = name || e.text.find("Mustermann") != std::string::npos;
        }
        QVERIFY(bild);
        QVERIFY(!name);  // the basic table: the spouse's annex prints nothing
        // One preview of a whole selection: exactly the chosen sheets, opened at the first.
        QCOMPARE(druck.FormulareVorschau({12, 321, 41}, true), Druckausgabe::Ausgang::Vorschau);
        QCOMPARE(druck.LetzterBericht().Seitenzahl(), 3);
        QCOMPARE(starts.back().startseite, 1);
        QCOMPARE(druck.DruckAusgabe(1, 11, true, false), Druckausgabe::Ausgang::Vorschau);
        bool gefunden = false;
        for (const auto& e : druck.LetzterBericht().seiten[0].elemente)
            gefunden = gefunden || e.text == "Mustermann";
        QVERIFY(gefunden);
        // In the PDF the texts of the form image stay texts, beside the values.
        const QString pdf = QString::fromStdString(umg.pfade.programm + "blatt11.pdf");
        QVERIFY(PdfSchreiben(pdf, druck.LetzterBericht()));
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        if (p.waitForFinished(20000)) {
            const QString text = QString::fromUtf8(p.readAllStandardOutput());
            QVERIFY2(text.contains(QStringLiteral("Einkommensteuererklärung 2001")), qPrintable(text));
            QVERIFY(text.contains(QStringLiteral("Mustermann")));
        }
        // A list job after the form: no form scale carries over.
        Ergebnistext text;
        text.zeilen.push_back("Zeile");
        druck.daten.ergebnis = &text;
        druck.DruckAusgabe(3);
        QCOMPARE(starts.back().skalierung, 100);
    }
};

QTEST_MAIN(FormulardruckTest)
#include "formulardruck.moc"
