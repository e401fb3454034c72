// The profit and rental pages: each rental object in its own block with its
// title and form sheet, the spouse's share under the basic table, the
// maintenance spread over earlier years, the profit pages' computation and
// spouse fields, and the whole share entered through the pages against the
// same share set by field, with the notice it gives.
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>
#include <QtTest>
#include <algorithm>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/calcdaten.h"
#include "calc/deklaration.h"
#include "case/zeichensatz.h"
#include "fall_gse.h"
#include "pages/einkuenfte_seiten.h"
#include "pages/seite_gewerbe.h"
#include "results/bescheid.h"
#include "seitentest.h"

using namespace quarnel;
using namespace quarnel::gui;
using seitentest::Eintragen;

namespace {

TForm11* Oeffnen(seitentest::Umgebung& u, int bereich, int seite) {
    return seitentest::SeiteOeffnen(u, bereich, seite);
}

void Splitting(seitentest::Umgebung& u, bool ja) {
    fall::Zuweisen(u.Satz(), {ja ? "Splitting=ja" : "Splitting=nein",
                               ja ? "Grundtabelle=nein" : "Grundtabelle=ja"});
}

}  // namespace

class GewerbeseitenTest : public QObject {
    Q_OBJECT
  private slots:
    void jedes_objekt_in_seinem_block_mit_titel_und_blatt() {
        seitentest::Umgebung u;
        Splitting(u, true);
        for (int n = 1; n <= 4; ++n) {
            u.blatt = 710 + n;  // as the main window opens the object
            auto* s = qobject_cast<TF_VuV*>(Oeffnen(u, 7, n));
            QVERIFY(s);
            QCOMPARE(s->Objekt(), n);
            QCOMPARE(s->KopfPnl()->text(),
                     QStringLiteral("  Vermietung und Verpachtung, %1. Objekt").arg(n));
            // The expenses tab has the form's second sheet.
            s->OvcNb()->setCurrentIndex(2);
            QCOMPARE(u.blatt, 720 + n);
            s->OvcNb()->setCurrentIndex(3);
            QCOMPARE(u.blatt, 710 + n);
            Eintragen(*s, Feld::MieteDM1, QString::number(1000 * n));
            Eintragen(*s, Feld::LfdKostGes3, QString::number(10 * n));
            Eintragen(*s, Feld::AnteilSie8, QString::number(n));
            QVERIFY(s->close());
        }
        const CaseRecord& r = u.Satz();
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(r.Dbl(Feld::MieteDM1, n), 1000.0 * n);
            QCOMPARE(r.Dbl(Feld::LfdKostGes3, n), 10.0 * n);
            QCOMPARE(r.Dbl(Feld::ObjEinkuenfte, n), 990.0 * n);
            QCOMPARE(r.Dbl(Feld::ObjSummeSie, n), double(n));
        }
        // Reopened, an object shows its own block.
        TForm11* drei = Oeffnen(u, 7, 3);
        QCOMPARE(drei->Betrag(Feld::MieteDM1)->Wert(), 3000.0);
        QCOMPARE(drei->Betrag(Feld::ObjEinkuenfte)->Wert(), 2970.0);
        QVERIFY(drei->close());
    }

    void anteile_und_abzuege_eines_gemeinsamen_objekts() {
        seitentest::Umgebung u;
        Splitting(u, true);
        TForm11* s = Oeffnen(u, 7, 1);
        Eintragen(*s, Feld::MieteDM1, QStringLiteral("12000"));
        Eintragen(*s, Feld::ZinsGes1, QStringLiteral("5000"));
        Eintragen(*s, Feld::ZinsProz1, QStringLiteral("20"));
        QCOMPARE(s->Betrag(Feld::ZinsAb1)->Wert(), 1000.0);
        // A non-deductible amount above the total deducts nothing, never a gain.
        Eintragen(*s, Feld::LfdKostGes8, QStringLiteral("300"));
        Eintragen(*s, Feld::LfdKostDm8, QStringLiteral("500"));
        QCOMPARE(s->Betrag(Feld::ObjWerbKostSumme)->Wert(), 4000.0);
        Eintragen(*s, Feld::ObjektProzEr, QStringLiteral("60"));
        QCOMPARE(s->Betrag(Feld::ObjektProzSie)->Wert(), 40.0);
        QCOMPARE(s->Betrag(Feld::ObjAnteilEr)->Wert(), 4800.0);
        QCOMPARE(s->Betrag(Feld::ObjAnteilSie)->Wert(), 3200.0);
        // The spouse's percentage follows the taxpayer's; it is not typed.
        QVERIFY(s->Betrag(Feld::ObjektProzSie)->isReadOnly());
        QVERIFY(s->Betrag(Feld::AnteilSie1)->isEnabled());
        // Maintenance of earlier years: the parts of two years each.
        Eintragen(*s, Feld::ErhJahr1, QStringLiteral("400"));
        Eintragen(*s, Feld::ErhJahr2, QStringLiteral("600"));
        Eintragen(*s, Feld::ErhJahr4, QStringLiteral("250"));
        QCOMPARE(s->Betrag(Feld::ErhGes3)->Wert(), 1000.0);
        QCOMPARE(s->Betrag(Feld::ErhGes4)->Wert(), 250.0);
        QVERIFY(s->Betrag(Feld::ErhGes3)->isReadOnly());
        QCOMPARE(s->Betrag(Feld::ObjEinkuenfte)->Wert(), 6750.0);
        QVERIFY(s->close());
        QCOMPARE(u.Satz().Dbl(Feld::ErhGes3, 1), 1000.0);
        QCOMPARE(u.Satz().Dbl(Feld::ObjSummeSie, 1), AbrundenDM(6750.0 * 0.4));
        QVERIFY(u.veraendert);
    }

    void grundtabelle_laesst_keinen_ehegattenanteil_auf_dem_objekt() {
        seitentest::Umgebung u;
        // A split stored while the case was jointly assessed.
        Splitting(u, true);
        fall::Zuweisen(u.Satz(), {"MieteDM1[2]=10000", "ObjektProzEr[2]=60",
                                   "ObjektProzSie[2]=40", "AnteilSie1[2]=700"});
        ObjektRechnen(u.Satz(), 2);
        QCOMPARE(u.Satz().Dbl(Feld::ObjAnteilSie, 2), 4000.0);
        Splitting(u, false);
        TForm11* s = Oeffnen(u, 7, 2);
        QVERIFY(!s->Betrag(Feld::ObjektProzEr)->isEnabled());
        QVERIFY(!s->Betrag(Feld::AnteilSie1)->isEnabled());
        QVERIFY(!s->Betrag(Feld::ZuschussSie)->isEnabled());
        QCOMPARE(s->Betrag(Feld::ObjektProzEr)->Wert(), 100.0);
        QCOMPARE(s->Betrag(Feld::ObjektProzSie)->Wert(), 0.0);
        // Whatever is typed, the taxpayer has the whole object.
        Eintragen(*s, Feld::ObjektProzEr, QStringLiteral("30"));
        QCOMPARE(s->Betrag(Feld::ObjektProzEr)->Wert(), 100.0);
        QCOMPARE(s->Betrag(Feld::ObjektProzSie)->Wert(), 0.0);
        QVERIFY(s->close());
        const CaseRecord& r = u.Satz();
        QCOMPARE(r.Dbl(Feld::ObjektProzEr, 2), 100.0);
        QCOMPARE(r.Dbl(Feld::ObjektProzSie, 2), 0.0);
        QCOMPARE(r.Dbl(Feld::ObjAnteilEr, 2), 10000.0);
        QCOMPARE(r.Dbl(Feld::ObjAnteilSie, 2), 0.0);
        QCOMPARE(r.Dbl(Feld::ObjSummeSie, 2), 0.0);
        // The entry itself is kept for a return to joint assessment.
        QCOMPARE(r.Dbl(Feld::AnteilSie1, 2), 700.0);
    }

    void gewinnseiten_rechnen_und_sperren_den_ehegatten() {
        seitentest::Umgebung u;
        Splitting(u, true);
        TForm11* g = Oeffnen(u, 8, 1);
        QCOMPARE(g->KopfPnl()->text(), QStringLiteral("  Einkünfte aus Gewerbebetrieb "));
        Eintragen(*g, Feld::GewEr1, QStringLiteral("40000"));
        Eintragen(*g, Feld::OrganschaftDMEr, QStringLiteral("2000"));
        Eintragen(*g, Feld::VerlustmodelleEr, QStringLiteral("-9000"));
        Eintragen(*g, Feld::GSE1_EinkHalbTeilEr, QStringLiteral("5000"));
        Eintragen(*g, Feld::GewSie1, QStringLiteral("7000"));
        QCOMPARE(g->Betrag(Feld::GewEinkNettoEr)->Wert(), 37000.0);
        QCOMPARE(g->Betrag(Feld::GewEinkNettoSie)->Wert(), 7000.0);
        // The sale allowance in proportion to the parts, at once in the record.
        Eintragen(*g, Feld::GSE1_VG55LjEr, QStringLiteral("100000"));
        Eintragen(*g, Feld::VG55LjHKEr, QStringLiteral("50000"));
        Eintragen(*g, Feld::VG55DMFbEr, QStringLiteral("60000"));
        Eintragen(*g, Feld::VG17Er, QStringLiteral("1000"));
        QCOMPARE(u.Satz().Dbl(Feld::GewVeraeussR1Er), 61000.0);
        QCOMPARE(u.Satz().Dbl(Feld::GewVeraeussR2Er), 30000.0);
        QCOMPARE(u.Satz().Dbl(Feld::GewVeraeussR4Er), 76000.0);
        QVERIFY(g->close());

        TForm11* s = Oeffnen(u, 9, 1);
        Eintragen(*s, Feld::FreibGewinnEr, QStringLiteral("12000"));
        Eintragen(*s, Feld::Gewinn2bDMEr, QStringLiteral("-3000"));
        Eintragen(*s, Feld::GSE2_EinkHalbTeilEr, QStringLiteral("2000"));
        QCOMPARE(s->Betrag(Feld::SelbEinkNettoEr)->Wert(), 10000.0);
        QVERIFY(s->close());

        // Under the basic table the spouse's fields are closed, their captions too.
        Splitting(u, false);
        for (int bereich : {7, 8, 9, 10}) {
            TForm11* p = Oeffnen(u, bereich, 1);
            int sie = 0;
            for (const Bindung& b : p->Bindungen()) {
                const QString n = QString::fromUtf8(Def(b.feld).name);
                if (!n.contains(QRegularExpression(QStringLiteral("Sie\\d*$")))) {
                    QVERIFY2(b.steuer->isEnabled() || b.feld == Feld::ObjektProzEr,
                             Def(b.feld).id);
                    continue;
                }
                ++sie;
                QVERIFY2(!b.steuer->isEnabled(), Def(b.feld).id);
            }
            QVERIFY(sie > 1);
            if (auto* kopf = p->findChild<QLabel*>(QStringLiteral("KopfSieLbl")))
                QVERIFY(!kopf->isEnabled());
            QVERIFY(p->close());
        }
        // The stored spouse's profit stays; the computation leaves it out.
        QCOMPARE(u.Satz().Dbl(Feld::GewSie1), 7000.0);
        QCOMPARE(u.Satz().Dbl(Feld::GewEinkNettoSie), 0.0);
    }

    void ehepaar_mit_gewinnen_und_vermietung_ueber_die_seiten() {
        seitentest::Umgebung u;
        fall::Ehepaar(u.Satz());
        CaseRecord r = u.Satz();
        fall::GseUeberSeiten(u);
        if (QTest::currentTestFailed()) return;
        fall::Zuweisen(r, fall::GseFelder());
        seitentest::GleichesErgebnis(u.Satz(), r);
        if (QTest::currentTestFailed()) return;

        fall::GseImBescheid(fall::BescheidRechnen(u.Satz(), "15.03.2002"));
    }
};

QTEST_MAIN(GewerbeseitenTest)
#include "gewerbeseiten.moc"
