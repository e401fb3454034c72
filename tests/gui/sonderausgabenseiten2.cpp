// The household-help, education-cost and donation pages: the application
// page and its return to either opener, the check block while it is open, the
// list take-overs with their rounding, the school-fee rows of the children
// with allowance, and the joint case with children, household help and
// donations entered through the pages against the same case set by field.
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <filesystem>

#include "calc/berechnung.h"
#include "calc/calcdaten.h"
#include "calc/deklaration.h"
#include "case/zeichensatz.h"
#include "fall_sa2.h"
#include "hauptfenstertest.h"
#include "pages/kinder.h"
#include "pages/seitenzustand.h"
#include "pages/tf_anlage.h"
#include "results/bescheid.h"
#include "shell/tf_globmain.h"
#include "shell/tform13.h"
#include "shell/verzeichnisse.h"
#include "widgets/maskenfeld.h"

using namespace quarnel;
using namespace quarnel::gui;
using seitentest::Eintragen;
using seitentest::Klicken;
using seitentest::Zuletzt;

namespace {

TForm11* Seite(seitentest::Umgebung& u, int seite) {
    return seitentest::SeiteOeffnen(u, 12, seite);
}

// Writes list n with the given amounts (rows 1, 2, ...).
void Liste(seitentest::Umgebung& u, int n, std::initializer_list<double> betraege) {
    Listensatz l;
    int zeile = 1;
    for (double b : betraege) l.SetzeZeilenBetrag(zeile++, b);
    u.Liste() = l;
    QVERIFY(u.ListeSchreiben(n));
}

// A page that opens the application as the burden page does, and counts its returns.
class Oeffner : public TForm11 {
  public:
    using TForm11::TForm11;
    int zurueck = 0;
    void FormActivate() override {
        const bool erste = ersteAktivierung_;
        TForm11::FormActivate();
        if (!erste && SeitenzustandGlobal().uebernahme) {
            SeitenzustandGlobal().uebernahme = false;
            ++zurueck;
        }
    }
};

// An environment whose pages open in the main window.
struct Hauptumgebung : seitentest::Umgebung {
    TF_GlobMain* haupt = nullptr;
    void Zeigen(TForm11* s) override {
        gezeigt.emplace_back(s);
        haupt->SeiteEinfuegen(s);
    }
};

}  // namespace

class Sonderausgabenseiten2Test : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void antrag_rechnet_und_laedt_den_oeffner_bei_jeder_rueckkehr() {
        seitentest::Umgebung u;
        CaseRecord& r = u.Satz();
        r.SetzeInt(Feld::StpflGebDat, TagesNummer(1935, 4, 2));
        TForm11* hahi = Seite(u, 4);
        Klicken(*hahi, "HausHiBtn");
        auto* antrag = Zuletzt<TF_HausHi>(u);
        QVERIFY(antrag);
        QVERIFY(!hahi->isEnabled());
        QCOMPARE(SeitenzustandGlobal().unterseite, Unterseite::BehinderungVonPersonen);
        QCOMPARE(u.hilfe, 562);
        QCOMPARE(antrag->KopfPnl()->text().trimmed(),
                 QStringLiteral("Beschäftigung einer Haushaltshilfe"));
        // The burden result stands below its reasons, each row on its own.
        auto zeileVon = [](QWidget* w) {
            auto* g = qobject_cast<QGridLayout*>(w->parentWidget()->layout());
            int z = -1, s = 0, h = 0, b = 0;
            g->getItemPosition(g->indexOf(w), &z, &s, &h, &b);
            return z;
        };
        const int hilflos = zeileVon(antrag->Steuer(Feld::AbHilflosePersCB));
        QCOMPARE(zeileVon(antrag->Steuer(Feld::AbMoegl)), hilflos + 1);
        QCOMPARE(zeileVon(antrag->findChild<QPushButton*>(QStringLiteral("OkBtn"))), hilflos + 2);
        QCOMPARE(zeileVon(antrag->Steuer(Feld::AbKrankheitCB)), hilflos - 1);
        Eintragen(*antrag, Feld::BeschVom, QStringLiteral("01.01.2001"));
        Eintragen(*antrag, Feld::BeschBis, QStringLiteral("31.12.2001"));
        Eintragen(*antrag, Feld::RVBeitragVom, QStringLiteral("01.03.2001"));
        Eintragen(*antrag, Feld::RVBeitragBis, QStringLiteral("31.12.2001"));
        Eintragen(*antrag, Feld::AufwandDm, QStringLiteral("24000"));
        // Every edit recomputes at once.
        QCOMPARE(antrag->Betrag(Feld::SaMoegl)->Wert(), 15000.0);
        Eintragen(*antrag, Feld::AbAlterCB, QStringLiteral("ja"));
        QCOMPARE(antrag->Betrag(Feld::AbMoegl)->Wert(), 1200.0);
        // The contributions are paid within the employment.
        Eintragen(*antrag, Feld::BeschVom, QStringLiteral("01.02.2001"));
        auto* rv = antrag->Datum(Feld::RVBeitragVom);
        emit rv->eingabeBeginnt();
        QCOMPARE(u.status, QStringLiteral("Eingabebereich 01.02.2001 - 31.12.2001"));
        Eintragen(*antrag, Feld::BeschVom, QStringLiteral("01.01.2001"));
        antrag->OkBtnClick();
        QVERIFY(hahi->isEnabled());
        QCOMPARE(SeitenzustandGlobal().unterseite, Unterseite::Keine);
        QCOMPARE(u.hilfe, 999);
        QCOMPARE(hahi->Betrag(Feld::SATat)->Wert(), 15000.0);
        QCOMPARE(hahi->Betrag(Feld::SaAnsatz)->Wert(), 15000.0);
        QCOMPARE(hahi->Betrag(Feld::AbTat)->Wert(), 1200.0);
        QCOMPARE(hahi->Betrag(Feld::AbAnsatz)->Wert(), 1200.0);

        // Closed by the window instead of "&OK": the opener reloads just the same.
        Klicken(*hahi, "HausHiBtn");
        antrag = Zuletzt<TF_HausHi>(u);
        Eintragen(*antrag, Feld::SaAnsatzProz, QStringLiteral("50"));
        QVERIFY(antrag->close());
        QVERIFY(hahi->isEnabled());
        QCOMPARE(hahi->Betrag(Feld::SATat)->Wert(), 15000.0);
        QCOMPARE(hahi->Betrag(Feld::SaAnsatz)->Wert(), 7500.0);
        QVERIFY(hahi->close());
        QCOMPARE(r.Dbl(Feld::HausSaAnsatz), 7500.0);
        QCOMPARE(r.Dbl(Feld::SaAnsatz), 7500.0);

        // From the burden page: its own visited mark, and a return every time.
        Oeffner ab(u, 0);
        ab.show();
        QVERIFY(TF_HausHi::Oeffnen(ab, TF_HausHi::Aufruf::Belastung));
        antrag = Zuletzt<TF_HausHi>(u);
        QVERIFY(SeitenmerkerTest(r, SM_Bearbeitet, 13, 2));
        QVERIFY(antrag->close());
        QCOMPARE(ab.zurueck, 1);
        QVERIFY(ab.isEnabled());
    }

    void pruefung_gesperrt_solange_der_antrag_offen_ist() {
        testumgebung::Hauptfenster h;
        TF_GlobMain& haupt = h.MitPruefkatalogStarten();
        MeldungsSenke& senke = h.senke;
        std::vector<std::string>& gezeigt = h.gezeigt;
        haupt.show();
        Hauptumgebung u;
        u.haupt = &haupt;
        TForm11* hahi = Seite(u, 4);
        Klicken(*hahi, "HausHiBtn");
        auto* antrag = Zuletzt<TF_HausHi>(u);
        QVERIFY(antrag);
        senke.protokoll.clear();
        haupt.Pruefen(99);
        QCOMPARE(senke.protokoll.back().text, std::string("Funktion hier nicht verfügbar"));
        QVERIFY(gezeigt.empty());
        QVERIFY(antrag->isVisible());
        // Back on the household-help page the checks run.
        antrag->OkBtnClick();
        QTRY_VERIFY(hahi->isEnabled());
        senke.protokoll.clear();
        haupt.Pruefen(100);
        QCOMPARE(gezeigt.size(), size_t(1));
    }

    void listen_werden_wie_vorgesehen_uebernommen() {
        // Tax advice and both persons' education costs: rounded up to the DM.
        const struct {
            int seite;
            const char* knopf;
            int liste;
            const char* titel;
            int hilfe;
            Feld feld;
        } gerundet[] = {
            {4, "StBerBtn", 31, "Liste der Steuerberatungskosten", 560, Feld::StBerDmAusListe},
            {5, "AusStpfBtn", 32, "Liste der Ausbildungskosten", 568, Feld::AusStpfDM},
            {5, "AusEheBtn", 33, "Liste der Ausbildungskosten", 568, Feld::AusEheDM},
        };
        for (const auto& l : gerundet) {
            seitentest::Umgebung u;
            u.Satz().SetzeBool(Feld::Splitting, true);
            u.Satz().SetzeBool(Feld::Grundtabelle, false);
            Liste(u, l.liste, {1200.01, 99.5});
            TForm11* s = Seite(u, l.seite);
            Klicken(*s, l.knopf);
            auto* t = Zuletzt<TF_Anlage>(u);
            QVERIFY2(t, l.knopf);
            QCOMPARE(t->KopfPnl()->text(), QString::fromUtf8(l.titel));
            QCOMPARE(u.hilfe, l.hilfe);
            u.meldungen.antworten = {Antwort::Ja};
            t->OkClick();
            QCOMPARE(s->Betrag(l.feld)->Wert(), 1300.0);
            // Refused, the field keeps what it has.
            Liste(u, l.liste, {5.25});
            Klicken(*s, l.knopf);
            u.meldungen.antworten = {Antwort::Nein};
            Zuletzt<TF_Anlage>(u)->OkClick();
            QCOMPARE(s->Betrag(l.feld)->Wert(), 1300.0);
            QVERIFY(s->close());
            QCOMPARE(u.Satz().Dbl(l.feld), 1300.0);
            if (l.seite == 5) QCOMPARE(u.Satz().Dbl(Feld::AusAlsSa), 1300.0);
        }

        // Donations: the sum as it is; the group result is rounded up.
        const struct {
            const char* knopf;
            Feld feld, ergebnis;
            const char* titel;
        } spenden[] = {
            {"AlleBtn", Feld::WissenDM, Feld::WissenErg, "Spenden: Wissensch., mildtätig, Kultur"},
            {"KirchBtn", Feld::KirchDM, Feld::KirchErg, "Spenden: Kirchlich, religiös, gemeinnützig"},
            {"ParteienBtn", Feld::ParteienDM, Feld::ParteienErg, "Spenden: Politische Parteien"},
            {"WaehlerBtn", Feld::WaehlerDM, Feld::WaehlerErg,
             "Spenden: Unabhängige Wählervereinigungen"},
        };
        for (int g = 1; g <= 4; ++g) {
            const auto& l = spenden[g - 1];
            seitentest::Umgebung u;
            Liste(u, 33 + g, {60.01, 40});
            TForm11* s = Seite(u, 6);
            s->OvcNb()->setCurrentIndex(0);
            Klicken(*s, l.knopf);
            auto* t = Zuletzt<TF_Anlage>(u);
            QCOMPARE(t->KopfPnl()->text(), QString::fromUtf8(l.titel));
            QCOMPARE(u.hilfe, 562 + g);
            u.meldungen.antworten = {Antwort::Ja};
            t->OkClick();
            QCOMPARE(s->Betrag(l.feld)->Wert(), 100.01);
            QCOMPARE(s->Betrag(l.ergebnis)->Wert(), 101.0);
            QVERIFY(s->close());
            QCOMPARE(u.Satz().Dbl(l.feld), 100.01);
            QCOMPARE(u.Satz().Dbl(l.ergebnis), 101.0);
        }
    }

    void stiftungen_zeigen_eine_summe() {
        seitentest::Umgebung u;
        TForm11* s = Seite(u, 6);
        Eintragen(*s, Feld::StiftStockDM, QStringLiteral("9000"));
        Eintragen(*s, Feld::StiftStockAnsatzDM, QStringLiteral("3000,10"));
        Eintragen(*s, Feld::StiftStockVorjahrDM, QStringLiteral("500"));
        Eintragen(*s, Feld::StiftDM, QStringLiteral("200"));
        Eintragen(*s, Feld::StiftFA, QStringLiteral("0,40"));
        auto* erg = s->findChild<BetragFeld*>(QStringLiteral("StiftungErg"));
        QVERIFY(erg);
        QCOMPARE(erg->Wert(), 3501.0 + 201.0);
        QVERIFY(s->close());
        QCOMPARE(u.Satz().Dbl(Feld::StiftStockErg), 3501.0);
        QCOMPARE(u.Satz().Dbl(Feld::StiftSpendenErg), 201.0);
        QCOMPARE(u.Satz().Dbl(Feld::StiftStockDM), 9000.0);
    }

    void schulgeld_nur_fuer_kinder_mit_kinderfreibetrag() {
        seitentest::Umgebung u;
        CaseRecord& r = u.Satz();
        fall::Ehepaar(r);
        fall::Zuweisen(r, {"Vorname[1]=Anna", "GebAm[1]=12.05.1992", "InlandVom[1]=01.01.2001",
                            "InlandBis[1]=31.12.2001", "KindschaftZuEhemannLB[1]=2",
                            "KindschaftZuEhefrauLB[1]=2", "Vorname[2]=Ben"});
        KindRechnen(r, 1);
        KindRechnen(r, 2);
        QVERIFY(r.Dbl(Feld::KindKiFbJahr, 1) > 1);
        QCOMPARE(r.Dbl(Feld::KindKiFbJahr, 2), 0.0);
        r.SetzeDbl(Feld::SGGezKi2, 800);  // left from when Ben had an allowance
        TForm11* s = Seite(u, 5);
        QCOMPARE(s->findChild<QLabel*>(QStringLiteral("SGNameKi1"))->text(),
                 QStringLiteral("1. Anna"));
        QCOMPARE(s->findChild<QLabel*>(QStringLiteral("SGNameKi2"))->text(),
                 QStringLiteral("2. Ben"));
        QVERIFY(s->Steuer(Feld::SGGezKi1)->isEnabled());
        QVERIFY(s->Steuer(Feld::SGBezKi1)->isEnabled());
        QVERIFY(!s->Steuer(Feld::SGGezKi2)->isEnabled());
        QVERIFY(!s->Steuer(Feld::SGBezKi2)->isEnabled());
        QVERIFY(s->Steuer(Feld::AusEheDM)->isEnabled());
        Eintragen(*s, Feld::SGGezKi1, QStringLiteral("1000,50"));
        QCOMPARE(s->Betrag(Feld::SGAbzugKi1)->Wert(), 300.15);
        QCOMPARE(s->Betrag(Feld::SGAbzugKi2)->Wert(), 0.0);
        QCOMPARE(s->Betrag(Feld::SGAlsSa)->Wert(), 301.0);
        QVERIFY(s->close());
        QCOMPARE(r.Dbl(Feld::SchulgeldSumme), 1000.5);

        // Alone by the basic table: the spouse's column is off, its costs do not count.
        r.SetzeBool(Feld::Splitting, false);
        r.SetzeBool(Feld::Grundtabelle, true);
        r.SetzeDbl(Feld::AusEheDM, 900);
        s = Seite(u, 5);
        for (Feld f : {Feld::AusEheArtAusb, Feld::AusEheArtKost, Feld::AusEheAusJaCB,
                       Feld::AusEheDM})
            QVERIFY(!s->Steuer(f)->isEnabled());
        QVERIFY(!s->findChild<QPushButton*>(QStringLiteral("AusEheBtn"))->isEnabled());
        QCOMPARE(s->Betrag(Feld::AusAlsSa)->Wert(), 0.0);
        QVERIFY(s->close());
    }

    void ehepaar_mit_kindern_haushaltshilfe_und_spenden_ueber_die_seiten() {
        seitentest::Umgebung u;
        fall::Ehepaar(u.Satz());
        CaseRecord r = u.Satz();
        fall::Sa2KinderUeberSeiten(u);
        fall::Sa2UeberSeiten(u);
        fall::Zuweisen(r, fall::KinderZuweisungen());
        fall::Zuweisen(r, fall::Sa2Felder());
        QCOMPARE(u.Satz().Dbl(Feld::WissenDM), 250.35);
        seitentest::GleichesErgebnis(u.Satz(), r);

        // The notice shows each deduction where it belongs.
        const fall::Bescheid b = fall::BescheidRechnen(u.Satz(), "01.01.2002");
        fall::Sa2ImBescheid(b);
        // Seven months of illness at 100 DM within the employment.
        const size_t hilfe = b.Zeile("Haushaltsh./Heimunterbr./Pflegepb.");
        QVERIFY2(b.ZeigtBetrag(hilfe, 700), b.ZeileUtf8(hilfe).c_str());
    }
};

QTEST_MAIN(Sonderausgabenseiten2Test)
#include "sonderausgabenseiten2.moc"
