// The window "Bescheid prüfen": entering a notice that cuts the Werbungskosten,
// the comparison, the deadline, the letter and its refusal; reached from the
// main window's menu and its result window. With $QUARNEL_BILDER set to a
// directory, the window, the letter and the letter's first printed page are
// saved there as PNG files.
#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "calc/betrag.h"
#include "case/zeichensatz.h"
#include "hauptfenstertest.h"
#include "print/berichtspieler.h"
#include "print/druckausgabe.h"
#include "print/listendruck.h"
#include "results/veranlagung.h"
#include "results/bescheidpruefung.h"
#include "results/txglobbescheid.h"
#include "results/txglobview.h"
#include "shell/tform13.h"
#include "testumgebung.h"

using namespace quarnel;
using namespace quarnel::gui;

namespace {

CaseRecord Fall() {
    CaseRecord f;
    NeuerFallDatensatz(f);
    f.SetzeTextUtf8(Feld::StpflVorname, "Jürgen");
    f.SetzeTextUtf8(Feld::StpflName, "Weißmann");
    f.SetzeTextUtf8(Feld::StpflStrasse, "Lindenallee 12");
    f.SetzeTextUtf8(Feld::StpflPlz, "50935");
    f.SetzeTextUtf8(Feld::StpflOrt, "Köln");
    f.SetzeTextUtf8(Feld::Finanzamt, "Köln-Süd");
    f.SetzeTextUtf8(Feld::Steuernummer, "214/5678/9012");
    f.SetzeInt(Feld::BundeslandLb, 9);
    f.SetzeDbl(Feld::Brutto, 60000, 1);
    f.SetzeDbl(Feld::LStBrutto, 9000, 1);
    f.SetzeDbl(Feld::FortbildDM, 3500, 1);
    return f;
}

// The couple of the case, separately assessed: the wife earns 30000 DM.
CaseRecord GetrenntesPaar() {
    CaseRecord f = Fall();
    f.SetzeInt(Feld::ErSie_FamilienstandLB, 1);
    f.SetzeBool(Feld::Splitting, true);
    f.SetzeBool(Feld::Grundtabelle, false);
    f.SetzeTextUtf8(Feld::EhegVorname, "Sabine");
    f.SetzeDbl(Feld::Brutto, 30000, 3);
    f.SetzeDbl(Feld::LStBrutto, 3500, 3);
    f.SetzeInt(Feld::Veranlagungsart, static_cast<int32_t>(Veranlagungsart::Getrennt));
    return f;
}

struct Fenster {
    CaseRecord fall;
    MeldungsSenke meldungen;
    testumgebung::FesteUhr uhr;  // 24.12.2001
    AmtsBescheid gespeichert;
    std::vector<Ergebnistext> gezeigt;
    std::unique_ptr<TxGlobBescheid> w;

    explicit Fenster(const CaseRecord& satz = Fall()) : fall(satz) {
        BescheidDienste d;
        d.meldungen = &meldungen;
        d.uhr = &uhr;
        d.laden = [this] { return gespeichert; };
        d.speichern = [this](const AmtsBescheid& b) {
            gespeichert = b;
            return true;
        };
        d.zeigen = [this](const Ergebnistext& t) { gezeigt.push_back(t); };
        w = std::make_unique<TxGlobBescheid>(nullptr, fall, d);
    }
    QPushButton* Knopf(const char* n) { return w->findChild<QPushButton*>(QString::fromLatin1(n)); }
    QLineEdit* Feld(const char* n) { return w->findChild<QLineEdit*>(QString::fromLatin1(n)); }
    QString Zelle(const char* posten, int spalte) {
        return w->Tabelle()->item(w->Zeile(*PostenSuchen(posten)), spalte)->text();
    }
    // The office's notice: the Werbungskosten cut by 500 DM.
    void WerbungskostenGekuerzt() {
        const AmtsBescheid eigen = AmtsBescheidVorbelegen(fall);
        // the line and the taxable income that follows from it
        for (const char* posten : {"EkNsaEr", "ZvE"}) {
            const int i = *PostenSuchen(posten);
            w->WertEingeben(i, QString::fromStdString(Cp1252ZuUtf8(DMText(eigen.wert[i] + 500))));
        }
        Feld("BescheidDatumEd")->setText(QStringLiteral("02.05.2002"));
        Feld("AufgabeDatumEd")->setText(QStringLiteral("02.05.2002"));
        Feld("BriefDatumEd")->setText(QStringLiteral("21.05.2002"));
    }
};

void Bild(QWidget& w, const char* name) {
    const QByteArray dir = qgetenv("QUARNEL_BILDER");
    if (dir.isEmpty()) return;
    w.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name));
}

}  // namespace

class BescheidPruefenTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void vorbelegt_mit_den_eigenen_Werten_ohne_Abweichung() {
        Fenster f;
        QCOMPARE(f.Feld("FinanzamtEd")->text(), QStringLiteral("Köln-Süd"));
        QCOMPARE(f.Feld("SteuernummerEd")->text(), QStringLiteral("214/5678/9012"));
        QVERIFY(f.w->Vergleich()->Abweichungen().empty());
        QCOMPARE(f.Zelle("EkNsaEr", 1), f.Zelle("EkNsaEr", 2));
        QCOMPARE(f.w->Zeile(*PostenSuchen("EkNsaSie")), -1);  // no spouse in this case
        QVERIFY(f.w->SummeLbl()->text().startsWith(QStringLiteral("Keine Abweichung")));
        // the Werbungskosten count: the income is the wages less 3500
        QCOMPARE(f.Zelle("EkNsaEr", 1), QStringLiteral("56.500,00"));
        f.Knopf("EinspruchBtn")->click();
        QVERIFY(f.gezeigt.empty());
        QCOMPARE(f.meldungen.protokoll.size(), std::size_t(1));
    }

    // Separate assessment: the notice entered is the taxpayer's part, the
    // window and the comparison text say so; a joint case says nothing.
    void getrennte_veranlagung_vergleicht_teil_1() {
        const QString text =
            QStringLiteral("Verglichen mit Teil 1 (Steuerpflichtiger) der getrennten Veranlagung");
        Fenster f(GetrenntesPaar());
        auto* hinweis = f.w->findChild<QLabel*>(QStringLiteral("VergleichsteilLbl"));
        QVERIFY(hinweis);
        QCOMPARE(hinweis->text(), text);
        QCOMPARE(f.w->Zeile(*PostenSuchen("EkNsaSie")), -1);  // her part is her own notice
        QVERIFY(f.w->Vergleich()->Abweichungen().empty());
        // the taxpayer's wages less the Werbungskosten, not the couple's
        QCOMPARE(f.Zelle("EkNsaEr", 1), QStringLiteral("56.500,00"));
        f.w->resize(760, 760);
        Bild(*f.w, "bescheid_getrennt.png");
        f.Knopf("ErgebnisBtn")->click();
        QCOMPARE(f.gezeigt.size(), std::size_t(1));
        const auto& zeilen = f.gezeigt.back().zeilen;
        QVERIFY(std::find(zeilen.begin(), zeilen.end(), Utf8ZuCp1252(text.toStdString())) !=
                zeilen.end());
        Fenster gemeinsam;
        QVERIFY(!gemeinsam.w->findChild<QLabel*>(QStringLiteral("VergleichsteilLbl")));
    }

    void werbungskosten_gekuerzt_vergleich_frist_und_brief() {
        Fenster f;
        f.WerbungskostenGekuerzt();
        f.w->findChild<QCheckBox*>(QStringLiteral("VorlaeufigCB2"))->setChecked(true);
        f.Knopf("VergleichBtn")->click();
        const auto abw = f.w->Vergleich()->Abweichungen();
        QCOMPARE(abw.size(), std::size_t(1));
        QCOMPARE(std::string(Posten()[abw[0]->posten].schluessel), std::string("EkNsaEr"));
        QVERIFY(abw[0]->wirkung.steuer > 100);
        QCOMPARE(f.Zelle("EkNsaEr", 3), QStringLiteral("500,00"));
        QCOMPARE(f.Zelle("ZvE", 4), QStringLiteral("Folge"));
        QCOMPARE(f.Zelle("EkNsaEr", 4), QString::fromStdString(Cp1252ZuUtf8(DMText(abw[0]->wirkung.steuer))));
        // posted Thursday 02.05.2002: announced Monday 06.05., the month ends 06.06.
        QVERIFY(f.w->FristLbl()->text().contains(QStringLiteral("Montag, 06.05.2002")));
        QVERIFY(f.w->FristLbl()->text().contains(QStringLiteral("Donnerstag, 06.06.2002")));
        QVERIFY(!f.w->FristLbl()->styleSheet().contains(QStringLiteral("#c00000")));
        f.w->resize(760, 760);
        Bild(*f.w, "bescheid_fenster.png");

        f.Knopf("ErgebnisBtn")->click();
        QCOMPARE(f.gezeigt.size(), std::size_t(1));
        f.Knopf("EinspruchBtn")->click();
        QCOMPARE(f.gezeigt.size(), std::size_t(2));
        const Ergebnistext& brief = f.gezeigt.back();
        bool betreff = false;
        for (const auto& z : brief.zeilen)
            betreff = betreff || z == "Einspruch gegen den Einkommensteuerbescheid 2001 vom 02.05.2002";
        QVERIFY(betreff);

        // the letter in the result window and on its printed page
        Einstellungen einst;
        ErststartWerteSetzen(einst);
        MeldungsSenke senke;
        testumgebung::SkriptDialoge dialoge;
        QTemporaryDir dir;
        Druckausgabe druck{nullptr, einst, dir.filePath(QStringLiteral("RPP")).toStdString(), {&senke, &dialoge}};
        TxGlobView view(nullptr, brief, einst, druck, ErgebnisDienste{&senke, &dialoge, {}, {}, {}, {}});
        QVERIFY(!view.findChild<QPushButton*>(QStringLiteral("BescheidPruefenBtn")));
        view.resize(760, 640);
        Bild(view, "einspruch_fenster.png");
        QtTextmass mass;
        Druckdaten daten;
        daten.ergebnis = &brief;
        const auto bericht = TextauftragSetzen(Druckart::Ergebnis, daten, einst, mass);
        QVERIFY(bericht && bericht->Seitenzahl() == 1);
        const QString pdf = dir.filePath(QStringLiteral("brief.pdf"));
        QVERIFY(PdfSchreiben(pdf, *bericht));
        QVERIFY(QFileInfo(pdf).size() > 1000);
        if (!qgetenv("QUARNEL_BILDER").isEmpty()) {
            QImage seite(840, 1188, QImage::Format_RGB32);
            seite.fill(Qt::white);
            QPainter p(&seite);
            SeiteZeichnen(p, *bericht, 0, 4.0);
            p.end();
            seite.save(QString::fromLocal8Bit(qgetenv("QUARNEL_BILDER")) + QStringLiteral("/einspruch_seite.png"));
        }

        // stored with the case: what the fields hold, read back unchanged
        f.Knopf("SpeichernBtn")->click();
        QVERIFY(f.gespeichert.vorhanden);
        QCOMPARE(f.gespeichert.vorlaeufig, 2u);
        BescheidDienste d;
        d.laden = [&] { return f.gespeichert; };
        TxGlobBescheid zweites(nullptr, f.fall, d);
        QCOMPARE(zweites.Eingabe(), f.gespeichert);
        QCOMPARE(zweites.Vergleich()->Abweichungen().size(), std::size_t(1));
    }

    void brief_vor_der_bekanntgabe_und_abgelaufene_frist() {
        Fenster f;
        f.WerbungskostenGekuerzt();
        f.Feld("BriefDatumEd")->setText(QStringLiteral("03.05.2002"));
        f.Knopf("EinspruchBtn")->click();
        QVERIFY(f.gezeigt.empty());
        QCOMPARE(f.meldungen.protokoll.back().typ, MeldungsTyp::Fehler);
        QVERIFY(QString::fromStdString(f.meldungen.protokoll.back().text).contains(QStringLiteral("06.05.2002")));
        // posted in October 2001, today is 24.12.2001: the deadline has passed
        f.Feld("AufgabeDatumEd")->setText(QStringLiteral("01.10.2001"));
        f.Knopf("VergleichBtn")->click();
        QVERIFY(f.w->FristLbl()->text().contains(QStringLiteral("abgelaufen")));
        QVERIFY(f.w->FristLbl()->styleSheet().contains(QStringLiteral("#c00000")));
    }

    void erreichbar_aus_menue_und_ergebnisfenster() {
        testumgebung::Hauptfenster h;
        TF_GlobMain& m = h.Starten();
        QAction* a = m.Aktion(QStringLiteral("i_BescheidPruefen"));
        QVERIFY(a);
        QCOMPARE(a->text(), QStringLiteral("Bescheid des &Finanzamts prüfen"));
        MeldungsSenke senke;
        Einstellungen einst;
        QTemporaryDir dir;
        testumgebung::SkriptDialoge dialoge;
        Druckausgabe druck{nullptr, einst, dir.filePath(QStringLiteral("RPP")).toStdString(), {&senke, &dialoge}};
        Ergebnistext t;
        int gerufen = 0;
        TxGlobView view(nullptr, t, einst, druck, ErgebnisDienste{&senke, &dialoge, {}, {}, [&] { ++gerufen; }, {}});
        view.findChild<QPushButton*>(QStringLiteral("BescheidPruefenBtn"))->click();
        QCOMPARE(gerufen, 1);
    }
};

QTEST_MAIN(BescheidPruefenTest)
#include "bescheidpruefen.moc"
