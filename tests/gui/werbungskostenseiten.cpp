// The expense pages of both persons, the vehicle page and the depreciation
// list: list sums taken over, the vehicles in the means-of-transport lists,
// the vehicle stored on the way back to the list, the depreciation list's
// rows and take-over, the check block, and a whole case entered through the
// pages against the same case set by field.
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>
#include <cstring>
#include <filesystem>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/calcdaten.h"
#include "calc/deklaration.h"
#include "case/feldwerte.h"
#include "hauptfenstertest.h"
#include "pages/einkuenfte_seiten.h"
#include "pages/fahrzeug.h"
#include "pages/seite_werbungskosten.h"
#include "pages/seitentabelle.h"
#include "pages/seitenzustand.h"
#include "pages/tf_anlage.h"
#include "fall.h"
#include "seitentest.h"
#include "shell/tf_globmain.h"
#include "shell/tform13.h"
#include "shell/verzeichnisse.h"

using namespace quarnel;
using namespace quarnel::gui;
using seitentest::Eintragen;
using seitentest::Klicken;
using seitentest::Zuletzt;

namespace {

// The page (area 3 + person, page) as the main window opens it, shown.
TForm11* Wk(seitentest::Umgebung& u, int person, int seite) {
    return seitentest::SeiteOeffnen(u, 3 + person, seite);
}

// A cell of the depreciation list as the user leaves it.
void Zelle(TF_AFA& t, int zeile, int spalte, const QVariant& wert) {
    QTableWidgetItem* it = t.Tabelle()->item(zeile - 1, spalte);
    if (spalte == 1)
        it->setText(wert.toString());
    else
        it->setData(Qt::UserRole, wert);
}


}  // namespace

class WerbungskostenseitenTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void listensumme_in_jedes_listenfeld_beider_personen() {
        const struct {
            int seite;
            const char* knopf;
            Feld feld;
            int basis;
            const char* titel;
            int hilfe;
            Feld summe;
        } listen[] = {
            {1, "VerkehrsmittelBtn", Feld::AufwOeffVerkMittel, 0, "Öffentl. Verkehrsmittel - ", 545,
             Feld::SummeWkFahrt},
            {2, "VerkehrsmittelBtn", Feld::EntrBeitraegeListe, 2, "Beiträge an Berufsverbände - ",
             543, Feld::SummeWkVerb},
            {3, "SofortListeBtn", Feld::Kosten4, 4, "Arbeitsmittel (Abzug sofort) - ", 541,
             Feld::SummeWKArbM},
            {5, "UnterkunftListeBtn", Feld::UnterkunftDM, 8, "Kosten der Unterkunft - ", 544,
             Feld::SummeWkDoppH},
            {6, "DirListeBtn", Feld::DirKostenAusListe, 10, "Arb.-zimmer (direkte Kosten) - ", 552,
             Feld::SummeWkZimmer},
            {6, "AntListeBtn", Feld::AntKostenAusListe, 12, "Arb.-zimmer (anteilige Kosten) - ",
             553, Feld::SummeWkZimmer},
            {7, "InlListeBtn", Feld::InKostAusListe, 14, "Dienstreisen Inland - ", 546,
             Feld::SummeWkReise},
            {7, "AuslListeBtn", Feld::AuslKostAusListe, 16, "Dienstreisen Ausland - ", 547,
             Feld::SummeWkReise},
            {8, "FortbildBtn", Feld::FortbildDM, 20, "Fortbildungskosten - ", 548,
             Feld::SummeWkSonst},
            {8, "UnfallBtn", Feld::UnfallDM, 22, "Unfallkosten - ", 549, Feld::SummeWkSonst},
            {8, "UmzugBtn", Feld::UmzugDM, 24, "Umzugkosten - ", 550, Feld::SummeWkSonst},
            {8, "DiverseBtn", Feld::DiverseDM, 26, "Diverse Einzelkosten - ", 551,
             Feld::SummeWkSonst},
        };
        for (const auto& l : listen) {
            for (int p = 1; p <= 2; ++p) {
                seitentest::Umgebung u;
                // The other person's list holds something else.
                Listensatz andere;
                andere.SetzeZeilenBetrag(1, 7);
                u.Liste() = andere;
                QVERIFY(u.ListeSchreiben(l.basis + 3 - p));
                Listensatz liste;
                liste.SetzeZeilenText(1, "Beleg");
                liste.SetzeZeilenBetrag(1, 100.0 * p);
                liste.SetzeZeilenBetrag(3, 23.5);
                u.Liste() = liste;
                QVERIFY(u.ListeSchreiben(l.basis + p));
                TForm11* s = Wk(u, p, l.seite);
                QVERIFY(s);
                s->OvcNb()->setCurrentIndex(0);  // the take-over does not need the field's tab
                Klicken(*s, l.knopf);
                auto* t = Zuletzt<TF_Anlage>(u);
                QVERIFY2(t, l.knopf);
                const QString person =
                    p == 1 ? QStringLiteral("Stpfl.") : QStringLiteral("Ehegatte");
                QCOMPARE(t->KopfPnl()->text(), QString::fromUtf8(l.titel) + person);
                QCOMPARE(s->InfoTitelLbl()->text().count(person), 1);  // the page's title too
                QCOMPARE(u.hilfe, l.hilfe);
                QVERIFY(!s->isEnabled());
                u.meldungen.antworten = {Antwort::Ja};
                t->OkClick();
                QVERIFY(s->isEnabled());
                const double soll = 100.0 * p + 23.5;
                QCOMPARE(s->Betrag(l.feld)->Wert(), soll);
                QVERIFY(s->close());
                QCOMPARE(u.Satz().Dbl(l.feld, p), soll);
                QCOMPARE(u.Satz().Dbl(l.feld, 3 - p), 0.0);
                if (l.feld != Feld::AntKostenAusListe && l.feld != Feld::DirKostenAusListe &&
                    l.feld != Feld::AufwOeffVerkMittel)
                    QCOMPARE(u.Satz().Dbl(l.summe, p), soll);
            }
        }
    }

    void nein_bei_der_uebernahme_laesst_das_feld() {
        seitentest::Umgebung u;
        u.Satz().SetzeDbl(Feld::UmzugDM, 55, 2);
        TForm11* s = Wk(u, 2, 8);
        Klicken(*s, "UmzugBtn");
        auto* t = Zuletzt<TF_Anlage>(u);
        u.Liste().SetzeZeilenBetrag(1, 999);
        u.meldungen.antworten = {Antwort::Nein};
        t->OkClick();
        QCOMPARE(s->Betrag(Feld::UmzugDM)->Wert(), 55.0);
        // A list field is entered through its list only where it says so.
        QVERIFY(s->Betrag(Feld::UmzugDM)->isEnabled());
        QVERIFY(s->close());
        QCOMPARE(u.Satz().Dbl(Feld::UmzugDM, 2), 55.0);
    }

    void fahrzeuge_in_den_verkehrsmittellisten() {
        seitentest::Umgebung u;
        CaseRecord& r = u.Satz();
        r.SetzeTextUtf8(Feld::FahrzBez, "Golf Kombi", 2);
        r.SetzeInt(Feld::ArtFahrzLB, 1, 2);
        r.SetzeBool(Feld::PauschBekanntRB, true, 2);
        r.SetzeBool(Feld::PauschBerechRB, false, 2);
        r.SetzeDbl(Feld::PauschBekanntDM, 0.45, 2);
        FahrzeugRechnen(r, 2);
        TForm11* reise = Wk(u, 1, 7);
        AuswahlBox* fz = reise->Liste(Feld::InFahrzLB);
        QCOMPARE(fz->count(), 9);
        QCOMPARE(fz->itemText(4), QStringLiteral("Fahrrad"));
        QCOMPARE(fz->itemText(5), QStringLiteral(" Frei"));
        QCOMPARE(fz->itemText(6), QStringLiteral(" Golf Kombi"));
        Eintragen(*reise, Feld::InKM, QStringLiteral("1000"));
        Eintragen(*reise, Feld::InFahrzLB, QStringLiteral("6"));
        QCOMPARE(reise->Betrag(Feld::InFahrtKost)->Wert(), 450.0);
        Eintragen(*reise, Feld::InFahrzLB, QStringLiteral("1"));
        QCOMPARE(reise->Betrag(Feld::InFahrtKost)->Wert(), 580.0);
        Eintragen(*reise, Feld::InL1R12, QStringLiteral("4"));
        QCOMPARE(reise->Betrag(Feld::SummeWkReise)->Wert(), 580.0 + 184.0);
        // The computed amounts are shown, never typed into.
        QVERIFY(reise->Betrag(Feld::InFahrtKost)->isReadOnly());
        QVERIFY(reise->close());
        QCOMPARE(u.Satz().Int(Feld::InFahrzLB, 1), 1);

        // Every list of means of transport has them, the vehicle page's own does not.
        TForm11* fahrt = Wk(u, 2, 1);
        QCOMPARE(fahrt->Liste(Feld::LfdBehindVMittel3CB)->count(), 9);
        QCOMPARE(fahrt->Liste(Feld::WechselVMittel9)->itemText(6), QStringLiteral(" Golf Kombi"));
        Eintragen(*fahrt, Feld::WechselTage1, QStringLiteral("10"));
        Eintragen(*fahrt, Feld::WechselKM1, QStringLiteral("50"));
        Eintragen(*fahrt, Feld::WechselVMittel1, QStringLiteral("6"));
        QCOMPARE(fahrt->Betrag(Feld::WechselErg1)->Wert(), 10 * 50 * 2 * 0.45);
        QVERIFY(fahrt->close());
        TForm11* dh = Wk(u, 1, 5);
        QCOMPARE(dh->Liste(Feld::ErstFahrtFzLB)->count(), 9);
        QVERIFY(dh->close());
        auto* fz2 = new TF_FahrZ(u);
        u.Zeigen(fz2);
        QCOMPARE(fz2->Liste(Feld::ArtFahrzLB)->count(), 5);
        QVERIFY(fz2->close());
    }

    void fahrt_zur_arbeit_vorgaben_und_lohnkarten() {
        seitentest::Umgebung u;
        u.Satz().SetzeDbl(Feld::FahrkErstStFrei, 300, 3);
        u.Satz().SetzeDbl(Feld::FahrkErstStFrei, 50, 4);
        u.Satz().SetzeDbl(Feld::FahrkErstPBest, 1200.5, 4);
        u.Satz().SetzeDbl(Feld::FahrkErstPBest, 999, 1);  // the taxpayer's card
        TForm11* s = Wk(u, 2, 1);
        QCOMPARE(s->KopfPnl()->text(), QStringLiteral("  Fahrten zur Arbeit - Ehegatte"));
        auto label = [&](const char* n) { return s->findChild<QLabel*>(n)->text(); };
        QCOMPARE(label("StFrei17Lbl"), QStringLiteral("350,00 DM"));
        QCOMPARE(label("StPausch18Lbl"), QStringLiteral("1200,50 DM"));
        QCOMPARE(label("Zeile17u18Lbl2"), QStringLiteral("1550,50 DM"));
        Eintragen(*s, Feld::LfdTage1, QStringLiteral("220"));
        Eintragen(*s, Feld::LfdEntf1, QStringLiteral("30"));
        // Entering the car km offers the distance, the other km the rest.
        emit s->Betrag(Feld::LfdPkw1)->eingabeBeginnt();
        QCOMPARE(s->Betrag(Feld::LfdPkw1)->Wert(), 30.0);
        QCOMPARE(s->Betrag(Feld::ErgWKFahrt)->Wert(), 5060.0);
        Eintragen(*s, Feld::LfdPkw1, QStringLiteral("20"));
        emit s->Betrag(Feld::LfdMitAnderen1)->eingabeBeginnt();
        QCOMPARE(s->Betrag(Feld::LfdMitAnderen1)->Wert(), 10.0);
        QCOMPARE(s->Betrag(Feld::SummeWkFahrt)->Wert(), 5060.0);
        QVERIFY(s->close());
        QCOMPARE(u.Satz().Dbl(Feld::LfdMitAnderen1, 2), 10.0);
        QCOMPARE(u.Satz().Dbl(Feld::SummeWkFahrt, 2), 5060.0);
        QCOMPARE(u.Satz().Dbl(Feld::SummeWkFahrt, 1), 0.0);
    }

    void fahrzeug_wird_beim_zurueck_zur_liste_gespeichert() {
        seitentest::Umgebung u;
        auto* s = new TF_FahrZ(u);
        u.Zeigen(s);
        QTabWidget* nb = s->OvcNb();
        const int liste = s->ReiterIndex(QStringLiteral("&Liste der Fahrzeuge"));
        const int kosten = s->ReiterIndex(QStringLiteral("&Kostenberechnung"));
        QCOMPARE(nb->currentIndex(), liste);
        QVERIFY(!nb->isTabEnabled(kosten));
        QCOMPARE(s->FahrzeugBtn(1)->text(), QStringLiteral("&1. Fahrzeug .."));
        s->FahrzeugBtn(2)->click();
        QVERIFY(nb->isTabEnabled(kosten));
        QCOMPARE(nb->currentIndex(), kosten);
        QCOMPARE(s->KopfPnl()->text(), QStringLiteral(" Kosten für Fahrzeug 2"));
        Eintragen(*s, Feld::FahrzBez, QStringLiteral("Passat"));
        Eintragen(*s, Feld::ArtFahrzLB, QStringLiteral("1"));
        // The radio pair: one on, and it decides which field is open.
        QVERIFY(s->Kasten(Feld::PauschBerechRB)->isChecked());
        QVERIFY(!s->Steuer(Feld::PauschBekanntDM)->isEnabled());
        Eintragen(*s, Feld::PauschBekanntRB, QStringLiteral("ja"));
        QVERIFY(!s->Kasten(Feld::PauschBerechRB)->isChecked());
        QVERIFY(s->Steuer(Feld::PauschBekanntDM)->isEnabled());
        QVERIFY(!s->Steuer(Feld::KmImJahr)->isEnabled());
        Eintragen(*s, Feld::PauschBerechRB, QStringLiteral("ja"));
        QVERIFY(!s->Kasten(Feld::PauschBekanntRB)->isChecked());
        QVERIFY(s->Steuer(Feld::KmImJahr)->isEnabled());
        Eintragen(*s, Feld::KmImJahr, QStringLiteral("20000"));
        Eintragen(*s, Feld::wk6, QStringLiteral("7000"));
        QCOMPARE(s->Betrag(Feld::AnzWeitere)->Wert(), 7000.0);
        QCOMPARE(s->Betrag(Feld::PauschbetragInsg)->Wert(), 0.35);
        QVERIFY(s->Steuer(Feld::AfaBekannt)->isEnabled() == false);
        Eintragen(*s, Feld::AfaBekanntRB, QStringLiteral("ja"));
        QVERIFY(s->Steuer(Feld::AfaBekannt)->isEnabled());
        Eintragen(*s, Feld::AfaBekannt, QStringLiteral("0"));

        u.meldungen.protokoll.clear();
        nb->setCurrentIndex(liste);
        QCOMPARE(u.Satz().Text(Feld::FahrzBez, 2), std::string("Passat"));
        QCOMPARE(u.Satz().Dbl(Feld::PauschbetragInsg, 2), 0.35);
        QCOMPARE(u.Satz().Text(Feld::FahrzBez, 1), std::string("Frei"));
        QVERIFY(!nb->isTabEnabled(kosten));
        QCOMPARE(s->KopfPnl()->text(), QStringLiteral(" Fahrzeugkosten"));
        QCOMPARE(s->findChild<QLabel*>(QStringLiteral("Bez2"))->text(), QStringLiteral("Passat"));
        QCOMPARE(s->findChild<QLabel*>(QStringLiteral("KmSatz2"))->text(), QStringLiteral("0,35"));
        QCOMPARE(u.meldungen.protokoll.size(), size_t(1));
        QCOMPARE(u.meldungen.protokoll[0].text,
                 std::string("Kilometerkosten für Fahrzeug 2 ist kleiner als Pauschale von 0,58 DM"));
        QCOMPARE(u.meldungen.protokoll[0].typ, MeldungsTyp::Warnung);

        // Another vehicle shows its own values; closing on its cost tab stores it.
        s->FahrzeugBtn(3)->click();
        QCOMPARE(s->Steuer(Feld::FahrzBez)->property("text").toString(), QStringLiteral("Frei"));
        Eintragen(*s, Feld::FahrzBez, QStringLiteral("Roller"));
        QVERIFY(s->close());
        QCOMPARE(u.Satz().Text(Feld::FahrzBez, 3), std::string("Roller"));
        QCOMPARE(u.Satz().Text(Feld::FahrzBez, 2), std::string("Passat"));
    }

    void abschreibungsliste_zeile_25_nein_und_uebernahme() {
        seitentest::Umgebung u;
        TForm11* arbm = Wk(u, 2, 3);
        QVERIFY(arbm->Betrag(Feld::Kosten5)->isReadOnly());
        // The page total stands on "&Info".
        QVERIFY(arbm->OvcNb()->widget(0)->isAncestorOf(arbm->Steuer(Feld::SummeWKArbM)));
        Klicken(*arbm, "AbschreibungListeBtn");
        auto* t = Zuletzt<TF_AFA>(u);
        QVERIFY(t);
        QCOMPARE(t->KopfPnl()->text(), QStringLiteral("Arbeitsmittel (Abschreibung) - Ehegatte"));
        QCOMPARE(u.hilfe, 542);
        QCOMPARE(t->Tabelle()->rowCount(), 25);
        QCOMPARE(t->Tabelle()->item(1, 2)->background().color(), QColor(255, 255, 0));
        QCOMPARE(t->Tabelle()->item(0, 2)->background().color(), QColor(Qt::white));
        Zelle(*t, 1, 1, QStringLiteral("Laptop"));
        Zelle(*t, 1, 2, TagesNummer(2000, 8, 15));
        Zelle(*t, 1, 3, 3000.0);
        Zelle(*t, 1, 4, 3.0);
        Zelle(*t, 25, 1, QStringLiteral("Schreibtisch"));
        Zelle(*t, 25, 2, TagesNummer(2001, 2, 1));
        Zelle(*t, 25, 3, 1000.0);
        Zelle(*t, 25, 4, 10.0);
        t->SummeBtnClick();
        QCOMPARE(t->Summe(), 1100.0);
        QCOMPARE(t->Tabelle()->item(0, 5)->text(), QStringLiteral("1.000,00"));
        QCOMPARE(t->Tabelle()->item(0, 6)->text(), QStringLiteral("1.500,00"));
        QCOMPARE(u.Satz().Text(Feld::I_Text, 26), std::string("Laptop"));  // the spouse's rows
        QCOMPARE(u.Satz().Text(Feld::I_Text, 1), std::string());
        // On row 25 neither inserting nor removing changes anything.
        t->SetzeAktiveZeile(25);
        u.meldungen.antworten = {Antwort::Ja, Antwort::Ja};
        t->ZeilePlusClick();
        t->ZeileMinusClick();
        QCOMPARE(u.Satz().Text(Feld::I_Text, 50), std::string("Schreibtisch"));
        // A row whose price is cleared drops out of the sum at once.
        Zelle(*t, 25, 3, 0.0);
        // "Nein" keeps the work-equipment page as it was.
        u.meldungen.antworten = {Antwort::Nein};
        t->OkClick();
        QVERIFY(arbm->isEnabled());
        QCOMPARE(arbm->Betrag(Feld::Kosten5)->Wert(), 0.0);
        QCOMPARE(u.Satz().Dbl(Feld::i_Afa, 50), 0.0);

        Klicken(*arbm, "AbschreibungListeBtn");
        t = Zuletzt<TF_AFA>(u);
        QCOMPARE(t->Tabelle()->item(24, 1)->text(), QStringLiteral("Schreibtisch"));
        Zelle(*t, 1, 3, 3600.0);  // edited, and "OK" computes before it hands over
        u.meldungen.antworten = {Antwort::Ja};
        t->OkClick();
        QCOMPARE(arbm->Betrag(Feld::Kosten5)->Wert(), 1200.0);
        QCOMPARE(arbm->Betrag(Feld::SummeWKArbM)->Wert(), 1200.0);
        QVERIFY(arbm->close());
        QCOMPARE(u.Satz().Dbl(Feld::Kosten5, 2), 1200.0);
        QCOMPARE(u.Satz().Dbl(Feld::SummeWKArbM, 2), 1200.0);
        QCOMPARE(u.Satz().Dbl(Feld::Kosten5, 1), 0.0);
    }

    void listen_drucken_ueber_die_umgebung() {
        struct Druckumgebung : seitentest::Umgebung {
            std::vector<Druckart> arten;
            std::string titel;
            size_t afaZeilen = 0;
            bool Drucken(Druckart a, const Druckdaten& d) override {
                arten.push_back(a);
                if (d.liste) titel = d.liste->Titel();
                if (d.afaListe) afaZeilen = d.afaListe->size();
                return true;
            }
        } u;
        TForm11* s = Wk(u, 1, 8);
        Klicken(*s, "DiverseBtn");
        auto* t = Zuletzt<TF_Anlage>(u);
        t->DruckenClick();
        QCOMPARE(QString::fromStdString(u.titel), QStringLiteral("Diverse Einzelkosten - Stpfl."));
        u.meldungen.antworten = {Antwort::Nein};
        t->OkClick();
        QVERIFY(s->close());
        TForm11* a = Wk(u, 1, 3);
        Klicken(*a, "AbschreibungListeBtn");
        Zuletzt<TF_AFA>(u)->DruckenClick();
        QCOMPARE(u.arten, (std::vector<Druckart>{Druckart::Liste, Druckart::AfaListe}));
        QCOMPARE(u.afaZeilen, size_t(25));
        // Without a printer behind the page the user is told so.
        seitentest::Umgebung ohne;
        TForm11* o = Wk(ohne, 1, 2);
        Klicken(*o, "VerkehrsmittelBtn");
        Zuletzt<TF_Anlage>(ohne)->DruckenClick();
        QVERIFY(testumgebung::EnthaeltText(ohne.meldungen, "noch nicht zur Verfügung"));
    }

    void pruefung_gesperrt_auf_ausgenommenen_fenstern() {
        testumgebung::Hauptfenster h;
        TF_GlobMain& haupt = h.MitPruefkatalogStarten();
        MeldungsSenke& senke = h.senke;
        std::vector<std::string>& gezeigt = h.gezeigt;
        haupt.show();
        seitentest::Umgebung u;
        auto* seite = new TForm11(u, 1);
        seite->SetzeOhnePruefung(true);
        haupt.SeiteEinfuegen(seite);
        senke.protokoll.clear();
        haupt.Pruefen(99);
        QCOMPARE(senke.protokoll.back().text, std::string("Funktion hier nicht verfügbar"));
        QVERIFY(gezeigt.empty());
        QVERIFY(haupt.SeitenOffen());
        // The expense pages are checked as every page.
        seite->SetzeOhnePruefung(false);
        senke.protokoll.clear();
        haupt.Pruefen(100);
        QCOMPARE(gezeigt.size(), size_t(1));
    }

    void ehepaar_mit_werbungskosten_ueber_die_seiten() {
        seitentest::Umgebung u;
        CaseRecord& satz = u.Satz();
        fall::Ehepaar(satz);
        fall::Zuweisen(satz, {"FahrkErstStFrei[1]=240"});
        const CaseRecord anfang = satz;

        // The leased car of the taxpayer.
        auto* fz = new TF_FahrZ(u);
        u.Zeigen(fz);
        fz->FahrzeugBtnClick(1);
        Eintragen(*fz, Feld::FahrzBez, QStringLiteral("Leasing-Audi"));
        Eintragen(*fz, Feld::ArtFahrzLB, QStringLiteral("1"));
        Eintragen(*fz, Feld::KmImJahr, QStringLiteral("25000"));
        fz->ReiterZeigen(QStringLiteral("Lea&sing"));
        Eintragen(*fz, Feld::BeginnLeasing, QStringLiteral("01.03.2001"));
        Eintragen(*fz, Feld::DauerLeasing, QStringLiteral("36"));
        Eintragen(*fz, Feld::BetragLfdLeasingRate, QStringLiteral("650"));
        Eintragen(*fz, Feld::AnzahlLeasingRaten, QStringLiteral("10"));
        Eintragen(*fz, Feld::KostenUeberfZulas, QStringLiteral("1440"));
        Eintragen(*fz, Feld::LeasingSonderzahlung, QStringLiteral("3000"));
        Eintragen(*fz, Feld::wk1, QStringLiteral("420"));
        Eintragen(*fz, Feld::wk2, QStringLiteral("1350,40"));
        Eintragen(*fz, Feld::wk6, QStringLiteral("3100"));
        QVERIFY(fz->close());
        QVERIFY(satz.Dbl(Feld::PauschbetragInsg, 1) > 0.58);

        for (int p = 1; p <= 2; ++p) {
            TForm11* f = Wk(u, p, 1);
            Eintragen(*f, Feld::PrivatPKWCB, QStringLiteral("ja"));
            Eintragen(*f, Feld::LfdOrt1CB, QStringLiteral("1"));
            Eintragen(*f, Feld::LfdTage1, p == 1 ? QStringLiteral("210") : QStringLiteral("180"));
            Eintragen(*f, Feld::LfdEntf1, p == 1 ? QStringLiteral("42") : QStringLiteral("8"));
            Eintragen(*f, Feld::LfdPkw1, p == 1 ? QStringLiteral("42") : QStringLiteral("8"));
            Eintragen(*f, Feld::FahrtArbeitgeberErsatzStFrei,
                      p == 1 ? QStringLiteral("240") : QStringLiteral("0"));
            Eintragen(*f, Feld::WechselTage1, QStringLiteral("12"));
            Eintragen(*f, Feld::WechselKM1, QStringLiteral("35"));
            Eintragen(*f, Feld::WechselVMittel1, p == 1 ? QStringLiteral("5") : QStringLiteral("1"));
            QVERIFY(f->close());

            TForm11* v = Wk(u, p, 2);
            Eintragen(*v, Feld::BezVerband, QStringLiteral("Gewerkschaft"));
            Eintragen(*v, Feld::EntrBeitraegeListe, QStringLiteral("384"));
            QVERIFY(v->close());

            TForm11* a = Wk(u, p, 3);
            Eintragen(*a, Feld::ArbMittel1, QStringLiteral("Fachliteratur"));
            Eintragen(*a, Feld::Kosten1, QStringLiteral("212,80"));
            Klicken(*a, "AbschreibungListeBtn");
            auto* t = Zuletzt<TF_AFA>(u);
            Zelle(*t, 1, 1, QStringLiteral("Computer"));
            Zelle(*t, 1, 2, TagesNummer(2001, 9, 3));
            Zelle(*t, 1, 3, 2899.0);
            Zelle(*t, 1, 4, 3.0);
            u.meldungen.antworten = {Antwort::Ja};
            t->OkClick();
            QVERIFY(a->close());

            TForm11* d = Wk(u, p, 5);
            Eintragen(*d, Feld::BeschOrt, QStringLiteral("München"));
            Eintragen(*d, Feld::DHSeit, QStringLiteral("01.04.2001"));
            Eintragen(*d, Feld::ErstFahrtFzLB, QStringLiteral("1"));
            Eintragen(*d, Feld::ErstFahrtFzKM, QStringLiteral("410"));
            Eintragen(*d, Feld::HeimFahrtFzKM, QStringLiteral("410"));
            Eintragen(*d, Feld::HeimFahrtFzZahl, QStringLiteral("30"));
            Eintragen(*d, Feld::VMTa24, QStringLiteral("20"));
            Eintragen(*d, Feld::UnterkunftDM, QStringLiteral("6300"));
            QVERIFY(d->close());

            TForm11* z = Wk(u, p, 6);
            Eintragen(*z, Feld::DirKostenAusListe, QStringLiteral("900"));
            Eintragen(*z, Feld::Ansatz2400RB, QStringLiteral("ja"));
            Eintragen(*z, Feld::AntKostenAusListe, QStringLiteral("14400"));
            Eintragen(*z, Feld::AntWohnQm, QStringLiteral("96"));
            Eintragen(*z, Feld::AntAzQm, QStringLiteral("12"));
            QVERIFY(z->close());

            TForm11* r = Wk(u, p, 7);
            Eintragen(*r, Feld::InKM, QStringLiteral("1800"));
            Eintragen(*r, Feld::InFahrzLB, p == 1 ? QStringLiteral("5") : QStringLiteral("1"));
            Eintragen(*r, Feld::InL1R10, QStringLiteral("6"));
            Eintragen(*r, Feld::InlRErstatt, QStringLiteral("150"));
            Eintragen(*r, Feld::AuslKostAusListe, QStringLiteral("640"));
            QVERIFY(r->close());

            TForm11* s = Wk(u, p, 8);
            Eintragen(*s, Feld::FortbildDM, QStringLiteral("1150"));
            Eintragen(*s, Feld::DiverseDM, QStringLiteral("75"));
            QVERIFY(s->close());
        }

        // The same case by field, as the command line sets it.
        CaseRecord r = anfang;
        fall::Zuweisen(r, {"FahrzBez[1]=Leasing-Audi", "ArtFahrzLB[1]=1", "KmImJahr[1]=25000",
                   "BeginnLeasing[1]=01.03.2001", "DauerLeasing[1]=36",
                   "BetragLfdLeasingRate[1]=650", "AnzahlLeasingRaten[1]=10",
                   "KostenUeberfZulas[1]=1440", "LeasingSonderzahlung[1]=3000", "wk1[1]=420",
                   "wk2[1]=1350,40", "wk6[1]=3100"});
        for (int p = 1; p <= 2; ++p) {
            auto f = [p](const char* feld, const char* wert) {
                return std::string(feld) + "[" + std::to_string(p) + "]=" + wert;
            };
            const bool er = p == 1;
            for (const std::string& z : {
                     f("PrivatPKWCB", "ja"), f("LfdOrt1CB", "1"), f("LfdTage1", er ? "210" : "180"),
                     f("LfdEntf1", er ? "42" : "8"), f("LfdPkw1", er ? "42" : "8"),
                     f("FahrtArbeitgeberErsatzStFrei", er ? "240" : "0"), f("WechselTage1", "12"),
                     f("WechselKM1", "35"),
                     f("BezVerband", "Gewerkschaft"), f("EntrBeitraegeListe", "384"),
                     f("ArbMittel1", "Fachliteratur"), f("Kosten1", "212,80"),
                     f("BeschOrt", "München"), f("DHSeit", "01.04.2001"),
                     f("ErstFahrtFzLB", "1"), f("ErstFahrtFzKM", "410"),
                     f("HeimFahrtFzKM", "410"), f("HeimFahrtFzZahl", "30"), f("VMTa24", "20"),
                     f("UnterkunftDM", "6300"), f("DirKostenAusListe", "900"),
                     f("Ansatz0Rb", "nein"), f("Ansatz2400RB", "ja"),
                     f("AntKostenAusListe", "14400"), f("AntWohnQm", "96"), f("AntAzQm", "12"),
                     f("InKM", "1800"), f("InL1R10", "6"),
                     f("InlRErstatt", "150"), f("AuslKostAusListe", "640"),
                     f("FortbildDM", "1150"), f("DiverseDM", "75")})
                fall::Zuweisen(r, {z.c_str()});
            const int e = (p - 1) * AfaZeilen + 1;
            const std::string i = std::to_string(e);
            for (const std::string& z :
                 {"I_Text[" + i + "]=Computer", "i_Datum[" + i + "]=03.09.2001",
                  "i_preis[" + i + "]=2899", "i_Jahre[" + i + "]=3"})
                fall::Zuweisen(r, {z.c_str()});
            // The taxpayer goes by his own car (item 5), the spouse by "PKW".
            r.SetzeInt(Feld::WechselVMittel1, er ? 5 : 1, p);
            r.SetzeInt(Feld::InFahrzLB, er ? 5 : 1, p);
            // The depreciation is what the list hands to the page.
            fall::Zuweisen(r, {f("Kosten5", "483,17").c_str()});
        }
        QCOMPARE(u.Satz().Dbl(Feld::Kosten5, 1), 483.17);
        seitentest::GleichesErgebnis(u.Satz(), r);
    }
};

QTEST_MAIN(WerbungskostenseitenTest)
#include "werbungskostenseiten.moc"
