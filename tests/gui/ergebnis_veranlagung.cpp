// The main window of a couple that chose separate assessment: the status bar
// shows the balance of both spouses, the result window the notice of two
// parts, and "Wie berechnet?" on a line of the second part opens the spouse's
// tree at that line's figure. With $QUARNEL_BILDER set to a directory the
// windows are written there as PNG files for a look.
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>

#include "calc/betrag.h"
#include "hauptfenstertest.h"
#include "pages/personen.h"
#include "pages/tf_www.h"
#include "widgets/maskenfeld.h"
#include "pages/veranlagungsart.h"
#include "results/gliederungsansicht.h"
#include "results/txerklaerung.h"
#include "results/txglobview.h"
#include "results/veranlagung.h"
#include "results/veranlagungsteile.h"
#include "shell/anzeige.h"
#include "shell/tform13.h"
#include "testumgebung.h"

using namespace quarnel;
using namespace quarnel::gui;

namespace {

void Bild(QWidget& w, const QString& name) {
    const QByteArray dir = qgetenv("QUARNEL_BILDER");
    if (dir.isEmpty()) return;
    w.grab().save(QString::fromLocal8Bit(dir) + u'/' + name);
}

// A row of the structured view in part `teil` whose caption starts with `text`.
QTreeWidgetItem* ZeileImTeil(QTreeWidget* baum, int teil, const QString& text) {
    int hier = 0;
    for (QTreeWidgetItemIterator i(baum); *i; ++i) {
        if (const auto neu = TeilBeginnt((*i)->text(0).toStdString())) hier = *neu;
        if (hier == teil && (*i)->text(0).startsWith(text)) return *i;
    }
    return nullptr;
}

}  // namespace

class ErgebnisVeranlagungTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void getrennt_in_statusleiste_bescheid_und_baum() {
        testumgebung::Hauptfenster h;
        TF_GlobMain& m = h.Starten();
        h.senke.antworten = {Antwort::OK, Antwort::Nein};
        m.D_NeuItemClick();
        QVERIFY(m.SeitenSchliessen());  // the first page would store its own entries back
        // a couple where the wife drew Arbeitslosengeld, by field writes
        CaseRecord& f = m.Fall().Satz();
        f.SetzeText(Feld::StpflVorname, "Karl");
        f.SetzeText(Feld::StpflName, "Beispiel");
        f.SetzeText(Feld::EhegVorname, "Erna");
        f.SetzeInt(Feld::ErSie_FamilienstandLB, 1);
        f.SetzeInt(Feld::StpflGebDat, TagesNummer(1960, 3, 1));
        f.SetzeInt(Feld::EhegGebDat, TagesNummer(1962, 5, 1));
        f.SetzeDbl(Feld::Brutto, 42000, 1);
        f.SetzeDbl(Feld::Brutto, 42000, 3);
        f.SetzeDbl(Feld::LStBrutto, 6000, 1);
        f.SetzeDbl(Feld::EinkErsProgSie, 60000);
        TabelleEntscheiden(f);
        m.Pruefen(10);
        const QString zusammen = m.Panel(QStringLiteral("TipPnl"))->text();
        f.SetzeInt(Feld::Veranlagungsart, int(Veranlagungsart::Getrennt));
        QCOMPARE(GespeicherteVeranlagungsart(f), Veranlagungsart::Getrennt);
        m.Pruefen(10);

        // the status bar: the sum of both spouses' balances
        const VeranlagungsRechnung v = VeranlagungRechnen(f, false);
        QCOMPARE(v.teile.size(), std::size_t(2));
        const QString saldo = m.Panel(QStringLiteral("TipPnl"))->text();
        QCOMPARE(saldo, QString::fromStdString(SaldoText(v.last.saldo).text));
        QVERIFY2(saldo != zusammen, qPrintable(saldo + u' ' + zusammen));
        m.resize(760, 560);
        m.show();
        QTRY_VERIFY(m.ErsteAnzeigeErledigt());
        Bild(m, QStringLiteral("hauptfenster_getrennt.png"));

        bool gesehen = false, baumGesehen = false;
        testumgebung::BeiModal([&](QWidget* w) {
            auto* view = qobject_cast<TxGlobView*>(w);
            QVERIFY(view);
            view->resize(820, 640);
            QTreeWidget* g = view->Gliederung();
            // both parts, each with its own figures, and the sums of both
            QTreeWidgetItem* est[2] = {};
            for (int teil = 0; teil < 2; ++teil) {
                const QString kopf = QStringLiteral("Teil %1 von 2").arg(teil + 1);
                QVERIFY2(ZeileImTeil(g, teil, kopf), qPrintable(kopf));
                est[teil] = ZeileImTeil(g, teil, QStringLiteral("Festzusetzende Einkommensteuer"));
                QVERIFY(est[teil]);
            }
            QTreeWidgetItem* summe = ZeileImTeil(g, -1, QStringLiteral("Summe beider Ehegatten"));
            QVERIFY(summe);
            QVERIFY(est[0] != est[1]);
            Bild(*view, QStringLiteral("ergebnis_getrennt.png"));
            g->scrollToItem(summe, QAbstractItemView::PositionAtTop);
            Bild(*view, QStringLiteral("ergebnis_getrennt_summe.png"));
            g->scrollToItem(est[1], QAbstractItemView::PositionAtCenter);
            g->setCurrentItem(est[1]);
            QCOMPARE(view->TeilDerAuswahl(), 1);
            Bild(*view, QStringLiteral("ergebnis_getrennt_teil2.png"));
            // the spouse's tree, at the figure of her part
            testumgebung::BeiModal([&](QWidget* w2) {
                auto* e = qobject_cast<TxErklaerung*>(w2);
                QVERIFY(e);
                e->resize(1000, 560);
                QCOMPARE(e->Teil(), 1);
                QCOMPARE(e->Ergebnis(), std::string("EStFestzusetzen"));
                QCOMPARE(e->Baum()->topLevelItem(0)->text(1),
                         ErklaerBetrag(v.teile[1].r->EStFestzusetzen));
                QVERIFY(e->Auswahl()->currentText().startsWith(QStringLiteral("Ehegatte: ")));
                QVERIFY(e->Auswahl()->findText(QStringLiteral("Steuerpflichtiger: "),
                                               Qt::MatchStartsWith) >= 0);
                Bild(*e, QStringLiteral("erklaerung_ehegatte.png"));
                baumGesehen = true;
                e->close();
            });
            view->findChild<QPushButton*>(QStringLiteral("WieBerechnetBtn"))->click();
            gesehen = true;
            view->close();
        });
        m.Pruefen(0);  // "Berechnung"
        QVERIFY(gesehen);
        QVERIFY(baumGesehen);
        // the notice's sums of both say what the status bar says
        auto ohnePunkte = [](std::string t) {
            std::erase(t, '.');
            return t;
        };
        std::string betrag = ohnePunkte(FormatMaske("###.###.###,##", std::fabs(v.last.saldo)));
        betrag.erase(0, betrag.find_first_not_of(' '));
        const char* art = v.last.saldo > 0 ? "Noch zu zahlen" : "Erstattung";
        bool summe = false;
        for (const std::string& z : m.Ergebnis().zeilen)
            summe = summe || (z.find(art) != std::string::npos &&
                              ohnePunkte(z).find(betrag) != std::string::npos);
        QVERIFY2(summe, betrag.c_str());

        // the what-if page: the sums of both parts, and the tree of each
        m.E_WWWClick(1);
        auto* www = qobject_cast<TF_WWW*>(m.Mdi()->activeSubWindow()->widget());
        QVERIFY(www);
        QCOMPARE(www->Analyse().teileVorher.size(), std::size_t(2));
        QCOMPARE(www->Wertfeld(QStringLiteral("Festzus0"))->Wert(), v.last.est);
        Bild(m, QStringLiteral("waswaere_getrennt.png"));
        bool teileGesehen = false;
        testumgebung::BeiModal([&](QWidget* w) {
            auto* e = qobject_cast<TxErklaerung*>(w);
            QVERIFY(e);
            e->resize(1000, 480);
            QCOMPARE(e->Auswahl()->count(), 2);
            QVERIFY(e->Auswahl()->isEnabled());
            for (int teil : {1, 0}) {
                e->TeilWaehlen(teil, "EStFestzusetzen");
                QCOMPARE(e->Teil(), teil);
                QCOMPARE(e->Baum()->topLevelItem(0)->text(1),
                         ErklaerBetrag(v.teile[std::size_t(teil)].r->EStFestzusetzen));
                if (teil == 1) Bild(*e, QStringLiteral("waswaere_baum_ehegatte.png"));
            }
            teileGesehen = true;
            e->close();
        });
        www->findChild<QPushButton*>(QStringLiteral("WieBerechnetBtn"))->click();
        QVERIFY(teileGesehen);
        m.SetzeFallVeraendert(false);
    }
};

QTEST_MAIN(ErgebnisVeranlagungTest)
#include "ergebnis_veranlagung.moc"
