// The extraordinary-burden pages: every field of the page classes bound once
// and stored byte for byte, the disability page of a child and the rows of
// children without allowances, the income page of a supported person and its
// tab, the list of the other burdens, and the whole share entered through the
// pages against the same share set by field, with its notice.
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <algorithm>
#include <set>

#include "calc/betrag.h"
#include "case/zeichensatz.h"
#include "fall_ab.h"
#include "pages/belastungen.h"
#include "pages/kinder.h"
#include "pages/seite_sonderausgaben2.h"
#include "pages/seitenzustand.h"
#include "results/bescheid.h"
#include "results/ergebnistext.h"
#include "shell/tform13.h"

using namespace quarnel;
using namespace quarnel::gui;
using seitentest::Klicken;
using fall::ab::Seite;
using seitentest::Zuletzt;
using seitentest::Eintragen;

namespace {

// A child with allowances all year (child 1) or none at all.
void KindMitFreibetrag(CaseRecord& r, int kind) {
    r.SetzeTextUtf8(Feld::Vorname, "Anna", kind);
    r.SetzeInt(Feld::GebAm, TagesNummer(1990, 2, 14), kind);
    r.SetzeInt(Feld::InlandVom, ErsterTagSteuerjahr, kind);
    r.SetzeInt(Feld::InlandBis, LetzterTagSteuerjahr, kind);
    r.SetzeInt(Feld::KindschaftZuEhemannLB, 2, kind);
    r.SetzeDbl(Feld::ErhKiGeld, 3240, kind);
}

bool Grau(QWidget* w) {
    return w && w->font().italic();
}

}  // namespace

class BelastungsseitenTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    // The pages with their hand-laid rows: each input bound once, loaded and
    // stored byte for byte, and nothing else written.
    void jede_seite_bindet_einmal_und_speichert_byte_genau() {
        struct Fall {
            int seite, person;
        };
        for (Fall f : {Fall{1, 0}, Fall{2, 0}, Fall{3, 0}, Fall{4, 0}, Fall{6, 0}, Fall{0, 1},
                       Fall{0, 2}, Fall{0, 3}}) {
            seitentest::Umgebung u;
            TForm11* s = f.seite ? SeiteErzeugen(u, 13, f.seite) : new TF_AbEink(u, f.person);
            QVERIFY(s);
            std::set<std::pair<Feld, int>> gesehen;
            int n = 0;
            for (const Bindung& b : s->Bindungen()) {
                if (b.nurLesen) continue;
                QVERIFY2(gesehen.insert({b.feld, b.element}).second, Def(b.feld).id);
                seitentest::Musterwert(u.Satz(), b.feld, b.element, ++n, 100);
            }
            const CaseRecord muster = u.Satz();
            s->DatenLaden();
            s->TForm11::DatenSpeichern();
            QVERIFY2(u.Satz() == muster, qPrintable(s->objectName()));

            seitentest::SpeichertNurGebundenes(u, *s, muster);
            delete s;
        }
    }

    void behinderung_eines_kindes_laedt_die_summen_und_kinder_ohne_freibetrag_zaehlen_nicht() {
        seitentest::Umgebung u;
        CaseRecord& r = u.Satz();
        r.SetzeBool(Feld::Splitting, true);
        r.SetzeBool(Feld::Grundtabelle, false);
        KindMitFreibetrag(r, 1);
        // Child 2 has no allowances, but a disability and both claims.
        r.SetzeTextUtf8(Feld::Vorname, "Ben", 2);
        r.SetzeInt(Feld::GradBehinderung, 60, 4);
        r.SetzeBool(Feld::HiAntKi2CB, true);
        r.SetzeBool(Feld::HiAntKi1CB, true);
        r.SetzeInt(Feld::HiProzKi1, 33);

        auto* s = qobject_cast<TF_AbBeHi*>(Seite(u, 1));
        QVERIFY(s);
        QVERIFY(s->BehBtn(3)->isEnabled());
        QVERIFY(!s->BehBtn(4)->isEnabled());
        QVERIFY(!s->BehAntCB(4)->isEnabled());
        QVERIFY(!s->Steuer(Feld::HiAntKi2CB)->isEnabled());
        QVERIFY(Grau(s->findChild<QLabel*>(QStringLiteral("BehKi2Lbl"))));
        QVERIFY(Grau(s->findChild<QLabel*>(QStringLiteral("HiAntKi2CBLbl"))));
        QVERIFY(!Grau(s->findChild<QLabel*>(QStringLiteral("BehKi1Lbl"))));
        QVERIFY(!Grau(s->findChild<QLabel*>(QStringLiteral("BehEhegLbl"))));
        QCOMPARE(s->findChild<QLabel*>(QStringLiteral("BehKi1"))->text(), QStringLiteral("Anna"));
        QCOMPARE(s->findChild<QLabel*>(QStringLiteral("HiKi2"))->text(), QStringLiteral("Ben"));
        QCOMPARE(s->BehPb(4)->Wert(), 1410.0);  // computed, but not counted
        QCOMPARE(s->Betrag(Feld::BehPauschInsg)->Wert(), 0.0);
        QCOMPARE(s->Betrag(Feld::HiPauschbetragInsg)->Wert(), 238.0);  // 33 % of 720, up

        // Child 1's disability page, confirmed with OK.
        s->BehBtn(3)->click();
        auto* b = Zuletzt<TF_BehindN>(u);
        QVERIFY(b);
        QVERIFY(!s->isEnabled());
        QCOMPARE(SeitenzustandGlobal().behinderungAufruf, uint8_t(3));
        Eintragen(*b, Feld::GradBehinderung, QStringLiteral("60"));
        Klicken(*b, "OkBtn");
        QVERIFY(s->isEnabled());
        QCOMPARE(s->BehPb(3)->Wert(), 1410.0);
        QCOMPARE(s->Betrag(Feld::BehPauschInsg)->Wert(), 1410.0);

        // Closed without OK: the totals follow all the same.
        s->BehBtn(3)->click();
        b = Zuletzt<TF_BehindN>(u);
        Eintragen(*b, Feld::GradBehinderung, QStringLiteral("80"));
        QVERIFY(b->close());
        QCOMPARE(s->BehPb(3)->Wert(), 2070.0);
        QCOMPARE(s->Betrag(Feld::BehPauschInsg)->Wert(), 2070.0);

        // Claims and shares recompute at once.
        Eintragen(*s, Feld::HiProzKi1, QStringLiteral("50"));
        QCOMPARE(s->Betrag(Feld::HiPauschbetragInsg)->Wert(), 360.0);
        s->BehAntCB(3)->click();
        QCOMPARE(s->Betrag(Feld::BehPauschInsg)->Wert(), 0.0);
        QVERIFY(s->close());
        QVERIFY(!r.Bool(Feld::BehAntrag, 3));
        QCOMPARE(r.Dbl(Feld::HiPauschbetragInsg), 360.0);
        QVERIFY(u.veraendert);

        // Basic table: the spouse's row is closed and greyed.
        r.SetzeBool(Feld::Splitting, false);
        r.SetzeBool(Feld::Grundtabelle, true);
        s = qobject_cast<TF_AbBeHi*>(Seite(u, 1));
        QVERIFY(!s->BehBtn(2)->isEnabled());
        QVERIFY(!s->Steuer(Feld::HiAntEhegCB)->isEnabled());
        QVERIFY(Grau(s->findChild<QLabel*>(QStringLiteral("BehEhegLbl"))));
        QVERIFY(s->close());
    }

    void einkommen_der_unterstuetzten_person_erst_mit_beiden_daten() {
        seitentest::Umgebung u;
        TForm11* s = Seite(u, 4);
        QVERIFY(s);
        s->ReiterZeigen(QStringLiteral("&2. Person"));
        Eintragen(*s, Feld::LandLBP2, QStringLiteral("3"));  // group II: two thirds
        Klicken(*s, "RechBtnP2");
        auto* e = Zuletzt<TF_AbEink>(u);
        QVERIFY(e);
        QCOMPARE(e->Person(), 2);
        QCOMPARE(u.hilfe, 570);
        QCOMPARE(e->findChild<QLabel*>(QStringLiteral("PersonPanel"))->text(),
                 QStringLiteral("2. Person"));
        const int tab = e->ReiterIndex(QStringLiteral("&Einkünfte/Bezüge"));
        QVERIFY(!e->OvcNb()->isTabEnabled(tab));
        Eintragen(*e, Feld::AufwVom, QStringLiteral("01.03.2001"));
        QVERIFY(!e->OvcNb()->isTabEnabled(tab));
        Eintragen(*e, Feld::AufwBis, QStringLiteral("31.12.2001"));
        QVERIFY(e->OvcNb()->isTabEnabled(tab));
        QCOMPARE(e->findChild<QLabel*>(QStringLiteral("ZeitInLbl"))->text(),
                 QString::fromStdString(MonatsSpanneText(TagesNummer(2001, 3, 1),
                                                         LetzterTagSteuerjahr)));
        Eintragen(*e, Feld::AufwVom, QString());
        QVERIFY(!e->OvcNb()->isTabEnabled(tab));
        Eintragen(*e, Feld::AufwVom, QStringLiteral("01.03.2001"));
        QVERIFY(e->OvcNb()->isTabEnabled(tab));

        // Ten months in group II: at most 2/3 * 11,700 = 7,800 of the 8,000 paid,
        // the taxpayer's 6,000 of them by his part: 5,850.
        Eintragen(*e, Feld::AufwDM, QStringLiteral("6000"));
        Eintragen(*e, Feld::AufwDmWeit, QStringLiteral("2000"));
        QCOMPARE(e->Betrag(Feld::ErgAnsetzbar)->Wert(), 5850.0);
        QVERIFY(e->close());  // without OK
        QVERIFY(s->isEnabled());
        QCOMPARE(SeitenzustandGlobal().unterseite, Unterseite::Keine);
        QCOMPARE(s->Betrag(Feld::AbzugP2)->Wert(), 5850.0);
        QCOMPARE(u.Satz().Dbl(Feld::AufwDM, 2), 6000.0);
        QCOMPARE(u.Satz().Dbl(Feld::AufwDM, 1), 0.0);

        // Someone has a claim to a Kinderfreibetrag for the person: nothing.
        Eintragen(*s, Feld::AnspKiFbCBP2, QStringLiteral("ja"));
        QCOMPARE(s->Betrag(Feld::AbzugP2)->Wert(), 0.0);
        QVERIFY(s->close());
        QCOMPARE(u.Satz().Dbl(Feld::ErgAnsetzbar, 2), 0.0);
    }

    void liste_der_anderen_belastungen_in_cent_uebernommen() {
        seitentest::Umgebung u;
        Listensatz liste;
        liste.SetzeZeilenBetrag(1, 0.1);
        liste.SetzeZeilenBetrag(2, 0.2);
        liste.SetzeZeilenBetrag(3, 100.45);
        u.Liste() = liste;
        QVERIFY(u.ListeSchreiben(38));
        TForm11* s = Seite(u, 6);
        Eintragen(*s, Feld::Aufwand1, QStringLiteral("300"));
        Eintragen(*s, Feld::Erstattungen1, QStringLiteral("450"));  // above: the line counts 0
        Eintragen(*s, Feld::Aufwand2, QStringLiteral("80"));
        Eintragen(*s, Feld::Erstattungen2, QStringLiteral("30"));
        QCOMPARE(s->Betrag(Feld::Saldo)->Wert(), 50.0);

        Klicken(*s, "EinzelBtn");
        auto* t = Zuletzt<TF_Anlage>(u);
        QVERIFY(t);
        QCOMPARE(t->KopfPnl()->text(),
                 QStringLiteral("Liste der anderen außergewöhnlichen Belastungen"));
        QCOMPARE(u.hilfe, 572);
        u.meldungen.antworten = {Antwort::Nein};
        t->OkClick();
        QCOMPARE(s->Betrag(Feld::SonstigeKosten)->Wert(), 0.0);

        Klicken(*s, "EinzelBtn");
        u.meldungen.antworten = {Antwort::Ja};
        Zuletzt<TF_Anlage>(u)->OkClick();
        QCOMPARE(s->Betrag(Feld::SonstigeKosten)->Wert(), 100.75);
        QCOMPARE(s->Betrag(Feld::Saldo)->Wert(), 150.75);
        QVERIFY(s->close());
        QCOMPARE(u.Satz().Dbl(Feld::SonstigeKosten), 100.75);
        QCOMPARE(u.Satz().Dbl(Feld::Saldo), 150.75);
    }

    void heim_und_pflege_rechnen_beim_verlassen_haushaltshilfe_beim_zurueckkehren() {
        seitentest::Umgebung u;
        TForm11* h = Seite(u, 2);
        Klicken(*h, "HausHiBtn");
        auto* hh = Zuletzt<TF_HausHi>(u);
        QVERIFY(hh);
        QVERIFY(!h->isEnabled());
        Eintragen(*hh, Feld::BeschVom, QStringLiteral("01.01.2001"));
        Eintragen(*hh, Feld::BeschBis, QStringLiteral("31.12.2001"));
        Eintragen(*hh, Feld::AufwandDm, QStringLiteral("2400"));
        Eintragen(*hh, Feld::AbKrankheitCB, QStringLiteral("ja"));
        Eintragen(*hh, Feld::AbKrankheitVom, QStringLiteral("01.01.2001"));
        Eintragen(*hh, Feld::AbKrankheitBis, QStringLiteral("31.12.2001"));
        QVERIFY(hh->close());  // without OK
        QVERIFY(h->isEnabled());
        QVERIFY(u.Satz().Dbl(Feld::AbMoegl) > 0);
        QCOMPARE(h->Betrag(Feld::AbTat)->Wert(), u.Satz().Dbl(Feld::AbMoegl));
        QCOMPARE(h->Betrag(Feld::AbAnsatz)->Wert(), u.Satz().Dbl(Feld::HausAbAnsatz));
        QVERIFY(!SeitenzustandGlobal().uebernahme);

        h->ReiterZeigen(QStringLiteral("Heim&unterbringung"));
        Eintragen(*h, Feld::HeimDauerndePflegeCB, QStringLiteral("ja"));
        Eintragen(*h, Feld::HeimVom, QStringLiteral("01.03.2001"));
        Eintragen(*h, Feld::HeimBis, QStringLiteral("31.12.2001"));
        Eintragen(*h, Feld::HeimAufwendungen, QStringLiteral("4000"));
        QCOMPARE(h->Betrag(Feld::HeimHoechst)->Wert(), 1800.0);
        QCOMPARE(h->Betrag(Feld::HeimAb)->Wert(), 1500.0);
        QCOMPARE(h->Betrag(Feld::HeimRest)->Wert(), 2500.0);
        QVERIFY(h->close());

        TForm11* p = Seite(u, 3);
        Eintragen(*p, Feld::ZahlKraefte, QStringLiteral("7"));
        QCOMPARE(p->Betrag(Feld::ABHPfleg_AbzugDM)->Wert(), 0.0);  // no proof yet
        Eintragen(*p, Feld::NachweisVorgelegen, QStringLiteral("ja"));
        QCOMPARE(p->Betrag(Feld::ABHPfleg_AbzugDM)->Wert(), 258.0);
        QVERIFY(p->close());
        QCOMPARE(HaushaltshilfePflegeBetrag(u.Satz()), u.Satz().Dbl(Feld::AbMoegl) + 1758.0);
    }

    void ganzer_fall_ueber_die_seiten_wie_gesetzt() {
        seitentest::Umgebung u;
        fall::Familie(u.Satz());
        const CaseRecord anfang = u.Satz();
        fall::AbAnteilUeberSeiten(u);
        if (QTest::currentTestFailed()) return;
        CaseRecord gesetzt = anfang;
        fall::Zuweisen(gesetzt, fall::AbAnteilSetze());
        seitentest::GleichesErgebnis(u.Satz(), gesetzt);

        // The notice shows each deduction on its line.
        const fall::Bescheid b = fall::BescheidRechnen(u.Satz());
        QCOMPARE(b.e.BehindertenPauschIn, 1110.0);  // Ben, degree 50
        QCOMPARE(b.e.HinterblPauschIn, 720.0);
        QCOMPARE(b.e.HaushaltshilfePflegeIn, 900.0);
        QCOMPARE(b.e.AgbAndereIn, 4000.0 + 2080.75);
        QVERIFY(b.e.UnterhaltIn > 1000 && b.e.UnterhaltIn < 7200);
        QVERIFY(b.ZeigtBetrag("Körperbehinderte", b.e.BehindertenPauschIn));
        QVERIFY(b.ZeigtBetrag("Haushaltsh./Heimunterbr./Pflegepb.", 900));
        QVERIFY(b.ZeigtBetrag("Hinterbliebene:", 720));
        QVERIFY(b.ZeigtBetrag("Unterstützung bed. Personen", b.e.UnterhaltIn));
        QVERIFY(b.ZeigtBetrag("Andere außergew. Bel.", 6080.75));
        QVERIFY(b.ZeigtBetrag("Zumutbare Belastung", b.r.ZumutbareBelastung));
    }
};

QTEST_MAIN(BelastungsseitenTest)
#include "belastungsseiten.moc"
