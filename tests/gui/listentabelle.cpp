// The list table: rows moved by insertion and deletion, the sum, the work
// file, and the take-over of the sum into the calling page.
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include "case/falldatei.h"
#include "pages/seitenzustand.h"
#include "pages/tf_anlage.h"
#include "seitentest.h"
#include "widgets/maskenfeld.h"

using namespace quarnel;
using namespace quarnel::gui;

namespace {

// A calling page with one amount field on its second tab.
class Aufrufer : public TForm11 {
  public:
    Aufrufer(Seitenumgebung& u) : TForm11(u, 1) {
        feld = new BetragFeld;
        OvcNb()->addTab(feld, QStringLiteral("&Betrag"));
        OvcNb()->addTab(new QWidget, QStringLiteral("&Anderes"));
    }
    BetragFeld* feld;
};

// List 5 of the work file with rows 1..50 holding "Zeile n" and n DM.
void VolleListe(seitentest::Umgebung& u, int liste = 5) {
    Listensatz l;
    for (int z = 1; z <= 50; ++z) {
        l.SetzeZeilenText(z, "Zeile " + std::to_string(z));
        l.SetzeZeilenBetrag(z, z);
    }
    u.Liste() = l;
    QVERIFY(u.ListeSchreiben(liste));
}

TF_Anlage* Oeffnen(seitentest::Umgebung& u, int liste = 5) {
    Seitenzustand& z = SeitenzustandGlobal();
    z.listenaufruf = {liste, "Arbeitsmittel (Abzug sofort) - Stpfl.", 541};
    auto* t = new TF_Anlage(u);
    t->show();
    return t;
}

}  // namespace

class ListentabelleTest : public QObject {
    Q_OBJECT
  private slots:
    void liest_die_liste_und_summiert() {
        seitentest::Umgebung u;
        VolleListe(u);
        u.Liste().Leeren();
        TF_Anlage* t = Oeffnen(u);
        QCOMPARE(u.hilfe, 541);
        QCOMPARE(t->Tabelle()->item(0, 1)->text(), QStringLiteral("Zeile 1"));
        QCOMPARE(t->Tabelle()->item(49, 2)->text(), QStringLiteral("50,00"));
        QCOMPARE(t->SummeZeilen(), 1275.0);
        QCOMPARE(t->findChild<QLabel*>(QStringLiteral("SummeLbl"))->text(),
                 QStringLiteral("1.275,00"));
        delete t;
    }

    void einfuegen_vor_zeile_1_einer_vollen_liste() {
        seitentest::Umgebung u;
        VolleListe(u);
        TF_Anlage* t = Oeffnen(u);
        t->SetzeAktiveZeile(1);
        // The full list asks before row 50 drops off; "no" keeps everything.
        u.meldungen.antworten = {Antwort::Ja, Antwort::Nein};
        t->ZeilePlusClick();
        QCOMPARE(u.meldungen.protokoll.size(), size_t(2));
        QCOMPARE(u.Liste().ZeilenText(1), std::string("Zeile 1"));
        QCOMPARE(u.Liste().ZeilenText(50), std::string("Zeile 50"));
        u.meldungen.antworten = {Antwort::Ja, Antwort::Ja};
        t->ZeilePlusClick();
        QCOMPARE(u.Liste().ZeilenText(1), std::string());
        QCOMPARE(u.Liste().ZeilenBetrag(1), 0.0);
        QCOMPARE(u.Liste().ZeilenText(2), std::string("Zeile 1"));
        QCOMPARE(u.Liste().ZeilenText(50), std::string("Zeile 49"));
        QCOMPARE(t->SummeZeilen(), 1275.0 - 50);
        QVERIFY(u.veraendert);
        delete t;
    }

    void loeschen_und_zeile_50() {
        seitentest::Umgebung u;
        VolleListe(u);
        TF_Anlage* t = Oeffnen(u);
        t->SetzeAktiveZeile(1);
        t->ZeileMinusClick();
        QCOMPARE(u.Liste().ZeilenText(1), std::string("Zeile 2"));
        QCOMPARE(u.Liste().ZeilenText(49), std::string("Zeile 50"));
        QCOMPARE(u.Liste().ZeilenText(50), std::string());
        QCOMPARE(t->Tabelle()->item(49, 1)->text(), QString());
        // Row 50 active: both buttons leave the list as it is.
        t->SetzeAktiveZeile(50);
        const Listensatz vorher = u.Liste();
        t->ZeilePlusClick();
        t->ZeileMinusClick();
        QVERIFY(u.Liste() == vorher);
        delete t;
    }

    void uebernahme_in_das_feld_des_aufrufers() {
        seitentest::Umgebung u;
        VolleListe(u, 6);
        Aufrufer seite(u);
        seite.show();
        seite.feld->SetzeWert(7);
        seite.ListeOeffnen(6, QStringLiteral("Liste"), 541, seite.feld);
        QCOMPARE(u.gezeigt.size(), size_t(1));
        TF_Anlage* t = qobject_cast<TF_Anlage*>(u.gezeigt[0].data());
        QVERIFY(t);
        // The caller waits: it takes no input while the table is open.
        QVERIFY(!seite.isEnabled());
        t->Tabelle()->item(0, 2)->setData(Qt::UserRole, 101.0);
        t->Tabelle()->item(0, 2)->setText(QStringLiteral("101,00"));
        // Another tab shows when the table returns: the sum still goes over.
        seite.OvcNb()->setCurrentIndex(2);
        u.meldungen.antworten = {Antwort::Ja};
        t->OkClick();
        QApplication::processEvents();
        QVERIFY(seite.isEnabled());
        QCOMPARE(seite.feld->Wert(), 1275.0 + 100);
        QVERIFY(!SeitenzustandGlobal().uebernahme);
        // The rows are in the work file.
        Listensatz gelesen;
        QVERIFY(ListeLesen(u.verw->Arbeitsdatei(), 6, gelesen));
        QCOMPARE(gelesen.ZeilenBetrag(1), 101.0);
        QCOMPARE(gelesen.Summe(), 1375.0);
    }

    void nein_laesst_das_feld_und_speichert_die_zeilen() {
        seitentest::Umgebung u;
        VolleListe(u, 6);
        Aufrufer seite(u);
        seite.show();
        seite.feld->SetzeWert(7);
        seite.ListeOeffnen(6, QStringLiteral("Liste"), 541, seite.feld);
        auto* t = qobject_cast<TF_Anlage*>(u.gezeigt[0].data());
        t->SetzeAktiveZeile(3);
        u.meldungen.antworten = {Antwort::Ja};
        t->ZeileMinusClick();
        u.meldungen.antworten = {Antwort::Nein};
        t->OkClick();
        QApplication::processEvents();
        QCOMPARE(seite.feld->Wert(), 7.0);
        Listensatz gelesen;
        QVERIFY(ListeLesen(u.verw->Arbeitsdatei(), 6, gelesen));
        QCOMPARE(gelesen.ZeilenText(3), std::string("Zeile 4"));
    }

    void fehlgeschlagenes_lesen_zeigt_keine_fremden_zeilen() {
        seitentest::Umgebung u;
        VolleListe(u, 5);  // list 5 stays in the buffer
        QFile::remove(QString::fromStdString(u.verw->Arbeitsdatei()));
        TF_Anlage* t = Oeffnen(u, 9);
        QCOMPARE(t->Tabelle()->item(0, 1)->text(), QString());
        QCOMPARE(t->SummeZeilen(), 0.0);
        QVERIFY(!u.meldungen.protokoll.empty());
        delete t;
    }
};

QTEST_MAIN(ListentabelleTest)
#include "listentabelle.moc"
