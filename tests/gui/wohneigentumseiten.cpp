// The owner-occupied home pages, the taxes paid and the statistics annex:
// the § 10e page at both of its places, its four computations, the 10 %
// deductions of the older homes, the date range, the spouse's fields of the
// taxes paid, the statistics flag, and the whole share entered through the
// pages against the same share set by field.
#include <QAbstractButton>
#include <QLabel>
#include <QtTest>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/calcdaten.h"
#include "calc/deklaration.h"
#include "fall_fw.h"
#include "pages/seite_wohneigentum.h"
#include "seitentest.h"
#include "shell/tform13.h"
#include "widgets/maskenfeld.h"

using namespace quarnel;
using namespace quarnel::gui;
using seitentest::Eintragen;

namespace {

double Angezeigt(TForm11& s, Feld f) {
    BetragFeld* b = s.Betrag(f);
    return b ? b->Wert() : -1;
}

}  // namespace

class WohneigentumseitenTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void zehn_e_seite_an_beiden_plaetzen_mit_ihren_rechnungen() {
        seitentest::Umgebung u;
        fall::FwBasis(u.Satz());
        auto* neu = qobject_cast<TF_SaFW3*>(fall::FwSeite(u, 14, 3));
        QVERIFY(neu);
        QCOMPARE(neu->KopfPnl()->text(),
                 QStringLiteral("  Eigengenutzte Wohnung in Alten/Neuen Ländern"));
        // Both children were entered by field only: counted as the children page would.
        QCOMPARE(neu->KinderLtAnlageLbl()->text(), QStringLiteral("( 2 Kind(er) lt. Anlage K)"));
        // The costs make the base: half the land rounded up, and the deduction.
        Eintragen(*neu, Feld::AnschGB, QStringLiteral("100001"));
        Eintragen(*neu, Feld::AnschGeb, QStringLiteral("300000"));
        Eintragen(*neu, Feld::EigWohnProz, QStringLiteral("100"));
        QCOMPARE(Angezeigt(*neu, Feld::Bemgrund), 350001.0);
        Eintragen(*neu, Feld::AbzugProz, QStringLiteral("6"));
        // § 10e(1): 6 % of a base of at most 330,000 DM
        QCOMPARE(Angezeigt(*neu, Feld::SaFW3_AbzugDM), 19800.0);
        QCOMPARE(u.Satz().Dbl(Feld::Fw10eHalbAnschGB), 50001.0);
        // The further deductions and the costs before moving in, each group its own.
        Eintragen(*neu, Feld::FgDM, QStringLiteral("12345"));
        Eintragen(*neu, Feld::AbzVorj82, QStringLiteral("1000"));
        QCOMPARE(Angezeigt(*neu, Feld::FgProzIst), 1235.0);
        QCOMPARE(Angezeigt(*neu, Feld::FgSu), 2235.0);
        Eintragen(*neu, Feld::UnentDM, QStringLiteral("20001"));
        Eintragen(*neu, Feld::UnentProz, QStringLiteral("50"));
        QCOMPARE(Angezeigt(*neu, Feld::UnentSu), 10001.0);
        Eintragen(*neu, Feld::Schuld, QStringLiteral("1000"));
        Eintragen(*neu, Feld::Damnum, QStringLiteral("250"));
        QCOMPARE(u.Satz().Dbl(Feld::VorkostenSumme), 1250.0);
        // The lump sum's check box only marks the case changed.
        u.Satz().SetzeDbl(Feld::Erhalt, 99);
        u.veraendert = false;
        Eintragen(*neu, Feld::EhZuPauschCB, QStringLiteral("ja"));
        QVERIFY(u.veraendert);
        QCOMPARE(u.Satz().Dbl(Feld::VorkostenSumme), 1250.0);
        u.Satz().SetzeDbl(Feld::Erhalt, 0);
        QVERIFY(neu->close());

        // The old states' place shows the same home; a base typed over
        // recomputes only the deduction.
        TForm11* alt = fall::FwSeite(u, 14, 5);
        QVERIFY(qobject_cast<TF_SaFW3*>(alt));
        QCOMPARE(Angezeigt(*alt, Feld::AnschGB), 100001.0);
        QCOMPARE(Angezeigt(*alt, Feld::Bemgrund), 350001.0);
        QVERIFY(alt->Kasten(Feld::EhZuPauschCB)->isChecked());
        Eintragen(*alt, Feld::Bemgrund, QStringLiteral("300000"));
        QCOMPARE(Angezeigt(*alt, Feld::Bemgrund), 300000.0);
        QCOMPARE(Angezeigt(*alt, Feld::SaFW3_AbzugDM), 18000.0);
        QCOMPARE(Angezeigt(*alt, Feld::EigWohnDM), 350001.0);
        Eintragen(*alt, Feld::AbzugVor, QStringLiteral("500"));
        QCOMPARE(Angezeigt(*alt, Feld::AbzugSum), 18500.0);
        QVERIFY(alt->close());
        TForm11* wieder = fall::FwSeite(u, 14, 3);
        QCOMPARE(Angezeigt(*wieder, Feld::Bemgrund), 300000.0);
        QCOMPARE(Angezeigt(*wieder, Feld::AbzugSum), 18500.0);
        QVERIFY(wieder->close());
    }

    void zehn_prozent_der_aelteren_wohnungen() {
        seitentest::Umgebung u;
        fall::FwBasis(u.Satz());
        u.Satz().SetzeDbl(Feld::Abzug1DM, 5000);
        TForm11* neu = fall::FwSeite(u, 14, 2);
        QVERIFY(neu && neu->objectName() == QLatin1String("TF_SaFW1"));
        // Showing the page computes once: the development-area deduction's maximum.
        QCOMPARE(Angezeigt(*neu, Feld::Abzug1DM), 4000.0);
        Eintragen(*neu, Feld::Fall2DM, QStringLiteral("12345"));
        QCOMPARE(Angezeigt(*neu, Feld::Abzug2DM), 1235.0);
        // A deduction already there stays when the costs change; cleared, it fills again.
        Eintragen(*neu, Feld::Fall2DM, QStringLiteral("20000"));
        QCOMPARE(Angezeigt(*neu, Feld::Abzug2DM), 1235.0);
        Eintragen(*neu, Feld::Abzug2DM, QStringLiteral("0"));
        QCOMPARE(Angezeigt(*neu, Feld::Abzug2DM), 2000.0);
        Eintragen(*neu, Feld::Fall3DM, QStringLiteral("999"));
        QCOMPARE(Angezeigt(*neu, Feld::Abzug3DM), 100.0);
        QVERIFY(neu->close());
        QCOMPARE(u.Satz().Dbl(Feld::Abzug2DM), 2000.0);

        TForm11* alt = fall::FwSeite(u, 14, 4);
        QVERIFY(alt && alt->objectName() == QLatin1String("TF_SaFW2"));
        QCOMPARE(alt->KopfPnl()->text(), QStringLiteral("  Eigengenutzte Wohnung in Alten Ländern"));
        Eintragen(*alt, Feld::BerechDM1, QStringLiteral("999"));
        Eintragen(*alt, Feld::OberDM4, QStringLiteral("77"));
        Eintragen(*alt, Feld::BerechDM2, QStringLiteral("5000"));
        QCOMPARE(Angezeigt(*alt, Feld::OberDM3), 100.0);
        QCOMPARE(Angezeigt(*alt, Feld::OberDM4), 77.0);
        QVERIFY(alt->close());
        QCOMPARE(u.Satz().Dbl(Feld::OberDM3), 100.0);
    }

    void objektdaten_im_datumsbereich() {
        seitentest::Umgebung u;
        TForm11* lage = fall::FwSeite(u, 14, 1);
        QVERIFY(qobject_cast<TF_SaFW0*>(lage));
        DatumFeld* d = lage->Datum(Feld::Fertig);
        emit d->eingabeBeginnt();
        d->setText(QStringLiteral("31.12.2002"));
        emit d->textEdited(d->text());
        QVERIFY(!d->Uebernehmen());
        QCOMPARE(QString::fromStdString(u.meldungen.protokoll.back().text),
                 QStringLiteral("Eingabebereich 01.01.1900 - 31.12.2001"));
        d->setText(QStringLiteral("15.08.2001"));
        emit d->textEdited(d->text());
        QVERIFY(d->Uebernehmen());
        d->Abschliessen();
        Eintragen(*lage, Feld::S2AnteilDM, QStringLiteral("4321"));
        QVERIFY(lage->close());
        QCOMPARE(u.Satz().Int(Feld::Fertig), TagesNummer(2001, 8, 15));
        QCOMPARE(u.Satz().Dbl(Feld::S2AnteilDM), 4321.0);
    }

    void anrechnung_ehegatte_nur_mit_splitting() {
        seitentest::Umgebung u;
        fall::Zuweisen(u.Satz(), {"ErSie_FamilienstandLB=1", "Splitting=ja", "Grundtabelle=nein",
                                    "LStBrutto[1]=5000", "LStBrutto[2]=1200", "LStMj[1]=300",
                                    "LStBrutto[3]=800", "SoliBrutto[3]=44"});
        TForm11* a = fall::FwSeite(u, 15, 1);
        QVERIFY(qobject_cast<TF_Anrech*>(a));
        QCOMPARE(a->KopfPnl()->text(), QStringLiteral("  Anrechnungsbeträge"));
        // Computed before the page loads, from both cards of each person.
        QCOMPARE(Angezeigt(*a, Feld::LstEr), 6500.0);
        QCOMPARE(Angezeigt(*a, Feld::LstSie), 800.0);
        QCOMPARE(Angezeigt(*a, Feld::SoliSie), 44.0);
        QVERIFY(a->Steuer(Feld::EStVzSie)->isEnabled());
        Eintragen(*a, Feld::EStVzSie, QStringLiteral("600"));
        Eintragen(*a, Feld::EStVzEr, QStringLiteral("1.500,50"));
        QVERIFY(a->close());
        QCOMPARE(u.Satz().Dbl(Feld::EStVzSie), 600.0);
        QCOMPARE(u.Satz().Dbl(Feld::EStVzEr), 1500.5);

        // The basic table: the spouse's withheld taxes are 0, her fields closed,
        // her stored prepayment stays.
        fall::Zuweisen(u.Satz(), {"ErSie_FamilienstandLB=0", "Splitting=nein", "Grundtabelle=ja"});
        TForm11* b = fall::FwSeite(u, 15, 1);
        QCOMPARE(Angezeigt(*b, Feld::LstSie), 0.0);
        QCOMPARE(Angezeigt(*b, Feld::LstEr), 6500.0);
        for (Feld f : {Feld::EStVzSie, Feld::KistVzSie, Feld::SolVzSie, Feld::LstSie, Feld::KistSie,
                       Feld::SoliSie})
            QVERIFY2(!b->Steuer(f)->isEnabled(), Def(f).id);
        QVERIFY(b->Steuer(Feld::EStVzEr)->isEnabled());
        auto* kopf = b->findChild<QLabel*>(QStringLiteral("KopfSieLbl"));
        QVERIFY(kopf && kopf->font().italic());
        QCOMPARE(Angezeigt(*b, Feld::EStVzSie), 600.0);
        QVERIFY(b->close());
        QCOMPARE(u.Satz().Dbl(Feld::EStVzSie), 600.0);
        QCOMPARE(u.Satz().Dbl(Feld::LstSie), 0.0);
    }

    void statistikmerker_nach_dem_speichern() {
        seitentest::Umgebung u;
        auto eintragen = [&](Feld f, const char* wert) {
            TForm11* s = fall::FwSeite(u, 16, 1);
            QVERIFY(qobject_cast<TF_Stat*>(s));
            const bool vorher = u.Satz().Bool(Feld::AnlStFlag);
            Eintragen(*s, f, QString::fromLatin1(wert));
            QCOMPARE(u.Satz().Bool(Feld::AnlStFlag), vorher);  // decided when stored
            QVERIFY(s->close());
        };
        // The § 7 g (7) amount does not count, nor a sum of 0.1 or less.
        eintragen(Feld::P7g7, "5000");
        QVERIFY(!u.Satz().Bool(Feld::AnlStFlag));
        eintragen(Feld::P4a5, "0,1");
        QVERIFY(!u.Satz().Bool(Feld::AnlStFlag));
        eintragen(Feld::P4a5, "0,11");
        QVERIFY(u.Satz().Bool(Feld::AnlStFlag));
        // Emptied again, the flag stays: only a new case clears it.
        eintragen(Feld::P4a5, "0");
        QVERIFY(u.Satz().Bool(Feld::AnlStFlag));
        QCOMPARE(u.Satz().Dbl(Feld::P7g7), 5000.0);
    }

    void wohneigentum_mit_kindern_und_vorauszahlungen_ueber_die_seiten() {
        seitentest::Umgebung u;
        fall::FwBasis(u.Satz());
        const CaseRecord anfang = u.Satz();
        fall::FwUeberSeiten(u);

        CaseRecord r = anfang;
        fall::Zuweisen(r, fall::FwZuweisungen());
        seitentest::GleichesErgebnis(u.Satz(), r);

        // What the pages entered reaches the declaration and the computation.
        CaseRecord x = u.Satz();
        CalcInput e;
        CalcResult erg;
        DeklarationFuellen(x, e, erg, false);
        Berechne(e, erg);
        QCOMPARE(e.WohnAbzug, 19800.0);
        QCOMPARE(e.WohnAbzug3, 1200.0);
        // lived in since 1995: no costs before the first use in 2001 (§ 10e(6) EStG)
        QCOMPARE(e.WohnVorkosten, 0.0);
        QCOMPARE(e.AnzahlKinderBaukg, 2);
        QCOMPARE(e.EStVzSie, 600.0);
        QCOMPARE(erg.WohneigentumAbzug, 19800.0 + 1200);
        QVERIFY(erg.Baukindergeld > 0);
    }
};

QTEST_MAIN(WohneigentumseitenTest)
#include "wohneigentumseiten.moc"
