// The pension and other-income pages: the spouse's tabs and fields only with
// joint assessment, the start dates bounded by the birth dates, the form
// sheet of the private sales, and the share of the whole case entered
// through the pages against the same share set by field, with its notice.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QtTest>
#include <algorithm>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/calcdaten.h"
#include "calc/deklaration.h"
#include "case/zeichensatz.h"
#include "fall_rente.h"
#include "hauptfenstertest.h"
#include "pages/seite_renten.h"
#include "pages/seitentabelle.h"
#include "results/bescheid.h"
#include "seitentest.h"
#include "shell/tf_globmain.h"
#include "shell/tform13.h"
#include "widgets/auswahl.h"
#include "widgets/maskenfeld.h"

using namespace quarnel;
using namespace quarnel::gui;

namespace {

template <class T>
T* Oeffnen(seitentest::Umgebung& u, int seite) {
    return qobject_cast<T*>(seitentest::SeiteOeffnen(u, 11, seite));
}

bool ReiterAn(TForm11& s, const char* titel) {
    return s.OvcNb()->isTabEnabled(s.ReiterIndex(QString::fromUtf8(titel)));
}

// Enters a date field and types `text`: whether the field takes it.
bool DatumTippen(TForm11& s, Feld f, const char* text) {
    DatumFeld* d = s.Datum(f);
    emit d->eingabeBeginnt();
    d->setText(QString::fromLatin1(text));
    emit d->textEdited(d->text());
    return d->Uebernehmen();
}

}  // namespace

class RentenseitenTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void ehegatte_nur_mit_splitting_und_rentenbeginn_ab_geburt() {
        seitentest::Umgebung u;
        CaseRecord& r = u.Satz();
        r.SetzeInt(Feld::StpflGebDat, TagesNummer(1936, 3, 20));
        r.SetzeInt(Feld::EhegGebDat, TagesNummer(1940, 5, 5));
        for (const bool splitting : {false, true}) {
            r.SetzeBool(Feld::Splitting, splitting);
            auto* rente = Oeffnen<TF_Rente>(u, 1);
            QVERIFY(rente);
            QVERIFY(ReiterAn(*rente, "&1. R. - Stpfl.") && ReiterAn(*rente, "&2. R. - Stpfl."));
            QCOMPARE(ReiterAn(*rente, "&1. R. - Eheg."), splitting);
            QCOMPARE(ReiterAn(*rente, "&2. R. - Eheg."), splitting);
            // The widows' annuity is one choice: the kinds keep the form's numbers.
            AuswahlBox* art = rente->Liste(Feld::Art4);
            QCOMPARE(art->count(), 8);
            QCOMPARE(art->itemText(3), QStringLiteral("Witwen / Witwerrente"));
            QCOMPARE(art->itemText(7), QStringLiteral("Renten aus (bitte angeben)"));
            QVERIFY(rente->close());

            auto* sonst = Oeffnen<TF_SonstEk>(u, 4);
            for (Feld f : {Feld::WbUnterEhe, Feld::LeistEinSie, Feld::AbgMjVbSie,
                           Feld::VGrund_VerkPreis2, Feld::VWigu_EinkWeitereHT2,
                           Feld::AnteileWertDavonHT2, Feld::VerGeschVorjVerluste2,
                           Feld::SpekErgSie})
                QVERIFY2(sonst->Steuer(f)->isEnabled() == splitting, Def(f).id);
            for (Feld f : {Feld::WbUnterStp, Feld::LeistEinEr, Feld::VGrund_Bez,
                           Feld::VGrund_VerkPreis1, Feld::VerGeschBegrenz})
                QVERIFY2(sonst->Steuer(f)->isEnabled(), Def(f).id);
            QVERIFY(sonst->close());
        }

        // The start of an annuity lies between the recipient's birth and the tax year's end.
        auto* rente = Oeffnen<TF_Rente>(u, 1);
        QVERIFY(!DatumTippen(*rente, Feld::LaeuftSeit1, "19.03.1936"));
        QCOMPARE(QString::fromStdString(u.meldungen.protokoll.back().text),
                 QStringLiteral("Eingabebereich 20.03.1936 - 31.12.2001"));
        QVERIFY(DatumTippen(*rente, Feld::LaeuftSeit2, "20.03.1936"));
        QVERIFY(!DatumTippen(*rente, Feld::LaeuftSeit4, "04.05.1940"));
        QCOMPARE(QString::fromStdString(u.meldungen.protokoll.back().text),
                 QStringLiteral("Eingabebereich 05.05.1940 - 31.12.2001"));
        QVERIFY(!DatumTippen(*rente, Feld::LaeuftSeit3, "01.01.2002"));
        // Its end from the tax year on, for 99 years.
        QVERIFY(!DatumTippen(*rente, Feld::EndeAm1, "31.12.2000"));
        QCOMPARE(QString::fromStdString(u.meldungen.protokoll.back().text),
                 QStringLiteral("Eingabebereich 01.01.2001 - 31.12.2100"));
        QVERIFY(DatumTippen(*rente, Feld::EndeAm4, "31.12.2100"));
        delete rente;
    }

    void privatverkaeufe_zeigen_das_zweite_blatt() {
        seitentest::Umgebung u;
        const struct {
            int seite;
            int reiter;
            int blatt;
        } faelle[] = {{2, 1, 81}, {3, 2, 81}, {4, 3, 82}};
        for (const auto& f : faelle) {
            u.blatt = 11;
            auto* s = Oeffnen<TF_SonstEk>(u, f.seite);
            QCOMPARE(s->Nb1()->currentIndex(), f.reiter);
            QCOMPARE(s->Nb2()->currentIndex(), 0);
            QCOMPARE(u.blatt, f.blatt);
            QVERIFY(s->close());
        }
        auto* s = Oeffnen<TF_SonstEk>(u, 4);
        QCOMPARE(s->Nb1()->objectName(), QStringLiteral("Nb1"));
        QCOMPARE(s->Nb2()->objectName(), QStringLiteral("Nb2"));
        s->ReiterZeigen(QStringLiteral("&Terming."));
        QCOMPARE(u.blatt, 82);
        s->Nb1()->setCurrentIndex(2);
        QCOMPARE(u.blatt, 81);
        s->Nb1()->setCurrentIndex(0);
        QCOMPARE(u.blatt, 81);
        s->Nb1()->setCurrentIndex(3);
        QCOMPARE(u.blatt, 82);
        QVERIFY(s->close());

        // Opened by the main window, which names the area's sheet first.
        testumgebung::Hauptfenster h;
        TF_GlobMain& haupt = h.Starten();
        MeldungsSenke& senke = h.senke;
        haupt.show();
        QTRY_VERIFY(haupt.ErsteAnzeigeErledigt());
        senke.antworten = {Antwort::OK, Antwort::Nein};
        haupt.D_NeuItemClick();
        QVERIFY(haupt.SeitenSchliessen());
        haupt.Fall().Satz().SetzeInt(Feld::ErSie_FamilienstandLB, 1);
        haupt.SeiteOeffnen(11, 4);
        QMdiSubWindow* w = haupt.Mdi()->activeSubWindow();
        QVERIFY(w && w->widget());
        QCOMPARE(w->widget()->objectName(), QStringLiteral("TF_SonstEk"));
        QCOMPARE(haupt.Formularblatt(), 82);
        QVERIFY(haupt.SeitenSchliessen());
        haupt.SeiteOeffnen(11, 1);
        QCOMPARE(haupt.Mdi()->activeSubWindow()->widget()->objectName(),
                 QStringLiteral("TF_Rente"));
        QCOMPARE(haupt.Formularblatt(), 81);
        QVERIFY(haupt.SeitenSchliessen());
    }

    void renten_und_sonstiges_ueber_die_seiten() {
        seitentest::Umgebung u;
        fall::Ehepaar(u.Satz());
        CaseRecord feldweise = u.Satz();
        fall::RenteUeberSeiten(u);
        fall::Zuweisen(feldweise, fall::RenteZuweisungen());

        // The page shows the Ertragsanteil it took: life table at 41, term of 27 years.
        auto* rente = Oeffnen<TF_Rente>(u, 1);
        QCOMPARE(rente->Betrag(Feld::ErtAnteilRech1)->text(), QStringLiteral("51"));
        QCOMPARE(rente->Betrag(Feld::StpflZahlung1)->text(), QStringLiteral("2.448,00"));
        QCOMPARE(rente->Betrag(Feld::ErtAnteilRech3)->text(), QStringLiteral("44"));
        QCOMPARE(rente->Betrag(Feld::StpflNachzahlung3)->text(), QStringLiteral("528,00"));
        QVERIFY(rente->close());
        auto* sonst = Oeffnen<TF_SonstEk>(u, 4);
        QCOMPARE(sonst->Betrag(Feld::SpekErgEr)->Wert(), 62400.0);
        QCOMPARE(sonst->Betrag(Feld::SpekErgSie)->Wert(), 2005.0);
        QVERIFY(sonst->close());

        seitentest::GleichesErgebnis(u.Satz(), feldweise);

        // The notice shows the annuities with their shares and the other income.
        fall::RenteImBescheid(fall::BescheidRechnen(u.Satz(), "24.12.2001"));
    }
};

QTEST_MAIN(RentenseitenTest)
#include "rentenseiten.moc"
