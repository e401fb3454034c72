// The print preview, the page dialog, the dispatcher and the PDF output.
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "print/druckausgabe.h"
#include "print/txglobpdlg.h"
#include "print/txglobprv.h"
#include "shell/tform13.h"
#include "testumgebung.h"

using namespace quarnel;
using namespace quarnel::gui;

namespace {

Bericht Seiten(int n) {
    Bericht b;
    QtTextmass mass;
    Berichtschreiber w(mass, b);
    w.Beginnen();
    for (int i = 1; i <= n; ++i) {
        if (i > 1) w.NeueSeite();
        w.Text("Seite Nummer " + std::to_string(i));
    }
    w.Beenden();
    return b;
}

template <class T>
T* Kind(QWidget* w, const char* name) {
    return w->findChild<T*>(QString::fromLatin1(name));
}

QString Ausfuehren(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(20000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

class DruckvorschauTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void eine_seite_und_leerer_auftrag() {
        for (int n : {1, 0}) {
            Bericht b = Seiten(1);
            if (n == 0) b.seiten.clear();
            TxGlobPRV v(nullptr, b, Vorschaustart{}, nullptr, {});
            QCOMPARE(v.windowTitle(), QStringLiteral("Druckvorschau"));
            QCOMPARE(Kind<QLabel>(&v, "SeitenLbl")->text(), QStringLiteral("Seite 1 von 1"));
            QVERIFY(!Kind<QToolButton>(&v, "ZurueckBtn")->isEnabled());
            QVERIFY(!Kind<QToolButton>(&v, "VorBtn")->isEnabled());
        }
    }

    void blaettern_zoomen_und_ungueltige_eingaben() {
        Bericht b = Seiten(5);
        Vorschaustart s;
        s.startseite = 3;
        s.volleBreite = false;
        TxGlobPRV v(nullptr, b, s, nullptr, {});
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        QCOMPARE(Kind<QLabel>(&v, "SeitenLbl")->text(), QStringLiteral("Seite 3 von 5"));
        QCOMPARE(Kind<QLineEdit>(&v, "ZoomEdit")->text(), QStringLiteral("100,0"));
        QCOMPARE(Kind<QToolButton>(&v, "ZurueckBtn")->toolTip(), QStringLiteral("Seite zurück\n(Ctrl+PgUp)"));
        QCOMPARE(Kind<QToolButton>(&v, "ZoomPlusBtn")->toolTip(), QStringLiteral("vergrößern"));

        QScrollBar* senkrecht = v.Rollbereich()->verticalScrollBar();
        QTest::keyClick(&v, Qt::Key_PageDown);
        QCOMPARE(senkrecht->value(), 100);
        QTest::keyClick(&v, Qt::Key_Up);
        QCOMPARE(senkrecht->value(), 90);
        QTest::keyClick(&v, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(v.Seite(), 4);
        QCOMPARE(senkrecht->value(), 0);  // a page change scrolls back to the top
        Kind<QToolButton>(&v, "VorBtn")->click();
        QCOMPARE(v.Seite(), 5);
        QVERIFY(!Kind<QToolButton>(&v, "VorBtn")->isEnabled());
        QTest::keyClick(&v, Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(Kind<QLabel>(&v, "SeitenLbl")->text(), QStringLiteral("Seite 4 von 5"));

        auto* seite = Kind<QLineEdit>(&v, "SeiteEdit");
        seite->setText(QStringLiteral("99"));
        v.SeiteEditFertig();
        QCOMPARE(v.Seite(), 5);
        seite->setText(QStringLiteral("zwei"));
        v.SeiteEditFertig();
        QCOMPARE(v.Seite(), 5);
        QCOMPARE(seite->text(), QStringLiteral("5"));

        auto* zoom = Kind<QLineEdit>(&v, "ZoomEdit");
        zoom->setText(QStringLiteral("250,5"));
        v.ZoomEditFertig();
        QCOMPARE(v.Zoom(), 250.5);
        zoom->setText(QStringLiteral("viel"));
        v.ZoomEditFertig();
        QCOMPARE(v.Zoom(), 250.5);
        for (int i = 0; i < 20; ++i) v.ZoomPlusClick();
        QCOMPARE(v.Zoom(), TxGlobPRV::ZoomMax);
        for (int i = 0; i < 40; ++i) v.ZoomMinusClick();
        QCOMPARE(v.Zoom(), TxGlobPRV::ZoomMin);

        v.VolleBreiteClick();
        auto* flaeche = Kind<QWidget>(&v, "Seitenflaeche");
        QVERIFY(std::abs(flaeche->width() - (v.Rollbereich()->viewport()->width() - 24)) <= 1);
        v.GanzeSeiteClick();
        QVERIFY(flaeche->height() <= v.Rollbereich()->viewport()->height());
        QTest::keyClick(&v, Qt::Key_Escape);
        QVERIFY(!v.isVisible());
    }

    void seitendialog() {
        MeldungsSenke meldungen;
        TxGlobPdlg d(nullptr, 5, nullptr, &meldungen);
        QCOMPARE(d.windowTitle(), QStringLiteral("Drucker"));
        QVERIFY(d.AllesRB()->isChecked());
        QCOMPARE(d.I_BisSeite()->text(), QStringLiteral("5"));
        d.show();
        d.I_VonSeite()->setFocus();
        d.I_VonSeite()->selectAll();
        QTest::keyClicks(d.I_VonSeite(), "3");
        QVERIFY(d.SeitenRB()->isChecked());
        d.I_BisSeite()->setText(QStringLiteral("2"));
        d.OkBtnClick();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.VonSeite(), 3);
        QCOMPARE(d.BisSeite(), 3);

        TxGlobPdlg e(nullptr, 5, nullptr, &meldungen);
        e.show();
        e.I_VonSeite()->setText(QStringLiteral("9"));
        e.I_BisSeite()->setText(QStringLiteral("4"));
        e.OkBtnClick();
        QVERIFY(e.isVisible());
        QVERIFY(testumgebung::EnthaeltText(meldungen, "Der <Von> Wert ist größer als größte Seitenzahl"));
        QCOMPARE(e.VonSeite(), 4);
        e.SeitenRB()->setChecked(true);
        e.AllesRB()->setChecked(true);
        QCOMPARE(e.VonSeite(), 1);
        QCOMPARE(e.BisSeite(), 5);
    }

    void auftraege_belegt_formularhaken_und_kein_drucker() {
        QTemporaryDir dir;
        Einstellungen einst;
        einst.formSkalierung = 90;
        MeldungsSenke meldungen;
        testumgebung::SkriptDialoge dialoge;
        const std::string rpp = dir.filePath(QStringLiteral("RPP1")).toStdString();
        Druckausgabe druck(nullptr, einst, rpp, {&meldungen, &dialoge});
        Ergebnistext text;
        for (int i = 0; i < 130; ++i) text.zeilen.push_back("Zeile " + std::to_string(i));
        druck.daten.ergebnis = &text;

        std::vector<Vorschaustart> starts;
        std::vector<int> seiten;
        Druckausgabe::Ausgang zweiter{};
        druck.vorschau = [&](const Bericht& b, const Vorschaustart& s) {
            starts.push_back(s);
            QVERIFY(druck.Beschaeftigt());
            zweiter = druck.DruckAusgabe(3);
            seiten.push_back(b.Seitenzahl());
        };
        QCOMPARE(druck.DruckAusgabe(3), Druckausgabe::Ausgang::Vorschau);
        QCOMPARE(zweiter, Druckausgabe::Ausgang::Ignoriert);
        QVERIFY(!druck.Beschaeftigt());
        QCOMPARE(BerichtLaden(rpp), druck.LetzterBericht());  // the pages went through the report file

        // Type 1 without its page layout tells the user; with it the scale
        // and start page apply to that job only.
        QCOMPARE(druck.DruckAusgabe(1, 23), Druckausgabe::Ausgang::NichtVerfuegbar);
        QVERIFY(testumgebung::EnthaeltText(meldungen, "nicht zur Verfügung"));
        int gefuellt = 0;
        druck.deklarationFuellen = [&] { ++gefuellt; };
        druck.formularSeiten = [](Berichtschreiber& w, int, bool, bool) {
            w.Beginnen();
            for (int i = 0; i < 5; ++i) w.NeueSeite();
            w.Beenden();
            return true;
        };
        druck.DruckAusgabe(1, 152);
        druck.DruckAusgabe(3);
        QCOMPARE(gefuellt, 1);
        QCOMPARE(seiten, (std::vector<int>{3, 6, 3}));
        QCOMPARE(starts.size(), std::size_t(3));
        QCOMPARE(starts[1].startseite, 5);
        QCOMPARE(starts[1].skalierung, 90);
        QCOMPARE(starts[2].skalierung, 100);
        QCOMPARE(starts[2].startseite, 1);

        // Without a printer the pages are offered as PDF; a failed write is reported.
        if (DruckerVorhanden()) QSKIP("a printer is installed here");
        meldungen.protokoll.clear();
        dialoge.antwort = dir.filePath(QStringLiteral("ergebnis.pdf")).toStdString();
        QCOMPARE(druck.DruckAusgabe(3, 0, false, true), Druckausgabe::Ausgang::Gedruckt);
        QVERIFY(testumgebung::EnthaeltText(meldungen, "Kein Drucker vorhanden!"));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("ergebnis.pdf"))).size() > 1000);
        dialoge.antwort = "/nicht/vorhanden/x.pdf";
        QCOMPARE(druck.AlsPdf(3), Druckausgabe::Ausgang::Fehler);
        QVERIFY(testumgebung::EnthaeltText(meldungen, "kann nicht geschrieben werden"));
        meldungen.antworten = {Antwort::Nein};
        QCOMPARE(druck.DruckAusgabe(3, 0, false, true), Druckausgabe::Ausgang::Fehler);
    }

    void pdf_seiten_text_und_schriften() {
        Ergebnistext text;
        text.zeilen.push_back("B E S C H E I D");
        for (int i = 1; i <= 70; ++i) text.zeilen.push_back("Zeile " + std::to_string(i));
        text.zeilen.push_back("Einkommensteuer \xfc" "ber");  // "über"
        Druckdaten d;
        d.ergebnis = &text;
        QtTextmass mass;
        Bericht b = *TextauftragSetzen(Druckart::Ergebnis, d, Einstellungen{}, mass);
        QTemporaryDir dir;
        const QString pfad = dir.filePath(QStringLiteral("b.pdf"));
        QVERIFY(PdfSchreiben(pfad, b));

        const QString info = Ausfuehren(QStringLiteral("pdfinfo"), {pfad});
        if (info.isEmpty()) QSKIP("poppler-utils missing");
        QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b"))));
        QVERIFY(info.contains(QStringLiteral("595.28 x 841.89")) || info.contains(QStringLiteral("595 x 842")));
        const QString fonts = Ausfuehren(QStringLiteral("pdffonts"), {pfad});
        QVERIFY2(fonts.contains(QStringLiteral("LiberationMono")), qPrintable(fonts));
        QVERIFY(fonts.contains(QStringLiteral(" yes ")));  // embedded

        // The first word sits at the left margin (15 mm = 42.5 pt), its
        // baseline one ascent below the top margin (20 mm = 56.7 pt).
        const QString html = Ausfuehren(QStringLiteral("pdftotext"),
                                        {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                         QStringLiteral("-l"), QStringLiteral("1"), pfad, QStringLiteral("-")});
        QRegularExpression wort(QStringLiteral(
            "xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">B</word>"));
        auto m = wort.match(html);
        QVERIFY2(m.hasMatch(), qPrintable(html.left(600)));
        QVERIFY(std::abs(m.captured(1).toDouble() - 42.52) < 1.0);
        QVERIFY(m.captured(2).toDouble() > 56.0 && m.captured(3).toDouble() < 56.7 + 14);
        const QString zwei = Ausfuehren(QStringLiteral("pdftotext"),
                                        {QStringLiteral("-f"), QStringLiteral("2"), pfad, QStringLiteral("-")});
        QVERIFY(zwei.contains(QStringLiteral("Einkommensteuer über")));
        QVERIFY(zwei.contains(QStringLiteral("Zeile 70")));
    }
};

QTEST_MAIN(DruckvorschauTest)
#include "druckvorschau.moc"
