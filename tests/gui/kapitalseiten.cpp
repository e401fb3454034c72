// The capital-income page and its list of receipts: results shown read only
// with the spouse's columns under joint assessment, the list's entry commands
// at its end, the enabling by kind, the sums on every close, the printed list,
// and the whole share entered through the pages against the same share by field.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <cstring>

#include "calc/berechnung.h"
#include "calc/calcdaten.h"
#include "calc/deklaration.h"
#include "case/zeichensatz.h"
#include "fall_kap.h"
#include "pages/seite_kapital.h"
#include "print/druckausgabe.h"
#include "results/bescheid.h"
#include "seitentest.h"
#include "shell/tform13.h"
#include "widgets/auswahl.h"
#include "widgets/maskenfeld.h"

using namespace quarnel;
using namespace quarnel::gui;

namespace {

void Eintrag(CaseRecord& r, Feld person, Feld art, int n, int code, int kind, Feld betrag,
             double wert) {
    r.SchreibeByte(CaseRecord::Offset(person, n), static_cast<uint8_t>(code));
    r.SchreibeByte(CaseRecord::Offset(art, n), static_cast<uint8_t>(kind));
    r.SetzeDbl(betrag, wert, n);
}

int Byte(const CaseRecord& r, Feld f, int n) {
    return r.LeseByte(CaseRecord::Offset(f, n));
}

void Art(TF_KsoList& l, KapListe liste, int box, int kind) {
    AuswahlBox* b = l.ArtBox(liste, box);
    b->setCurrentIndex(kind);
    emit b->activated(kind);
}

bool An(TF_KsoList& l, Feld f) {
    return l.Steuer(f)->isEnabled();
}

// The page environment with the print dispatcher of the main window: every
// preview is kept instead of shown.
struct DruckUmgebung : seitentest::Umgebung {
    Einstellungen einst;
    Druckausgabe druck{
        nullptr, einst, dir.filePath(QStringLiteral("RPP1")).toStdString(), {&meldungen, &dialoge}};
    std::vector<Bericht> vorschauen;
    DruckUmgebung() {
        druck.vorschau = [this](const Bericht& b, const Vorschaustart&) {
            vorschauen.push_back(b);
        };
    }
    bool Drucken(Druckart art, const Druckdaten& d) override {
        druck.daten.fall = d.fall;
        druck.DruckAusgabe(static_cast<int>(art), 0, false, art != Druckart::Kapitalliste);
        return true;
    }
};

}  // namespace

class KapitalseitenTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void kapitalseite_zeigt_die_summen_und_den_ehegatten_nur_bei_splitting() {
        seitentest::Umgebung u;
        CaseRecord& r = u.Satz();
        NeuerFallDatensatz(r);
        fall::Ehepaar(r);
        Eintrag(r, Feld::I_StpflCB, Feld::I_ArtDividende, 1, 3, 3, Feld::I_EinBetrag, 1001);
        Eintrag(r, Feld::A_StpflCB, Feld::A_ArtAusland, 1, 2, 2, Feld::A_EinBetrag, 123.99);
        KapSummenRechnen(r);
        auto* kso = new TF_KSO(u);
        u.Zeigen(kso);
        QCOMPARE(kso->KopfPnl()->text(), QStringLiteral("  Einkünfte aus Kapitalvermögen"));
        QCOMPARE(kso->Betrag(Feld::HalbEinkEr)->Wert(), 500.0);
        QCOMPARE(kso->Betrag(Feld::AuslZinsSie)->Wert(), 123.0);
        QCOMPARE(kso->Betrag(Feld::SuHalb31)->Wert(), 250.0);
        QCOMPARE(kso->findChild<BetragFeld*>(QStringLiteral("SuEin2"))->Wert(), 123.0 + 250);
        QCOMPARE(kso->Betrag(Feld::ZinsenEr)->isReadOnly(), true);
        for (int t = 1; t <= 3; ++t) {
            auto* b = kso->findChild<QPushButton*>(QStringLiteral("Button%1").arg(t));
            QVERIFY(b);
            QCOMPARE(b->text(), QStringLiteral("&Liste ...."));
        }
        QCOMPARE(kso->OvcNb()->count(), 7);
        for (Feld f :
             {Feld::ZinsenSie, Feld::WKZ6Sie, Feld::WKZ7Sie, Feld::BeteilZ7Sie, Feld::SuHalb42})
            QVERIFY2(kso->Steuer(f)->isEnabled(), Def(f).id);
        QVERIFY(kso->close());

        // Under the basic table every spouse's column is disabled, the sixth
        // expense line with the others.
        r.SetzeBool(Feld::Splitting, false);
        kso = new TF_KSO(u);
        u.Zeigen(kso);
        for (Feld f : {Feld::ZinsenSie, Feld::AnrechSie, Feld::AuslDivSie, Feld::WKZ5Sie,
                       Feld::WKZ6Sie, Feld::SuNichtHalb12, Feld::SuHalb32})
            QVERIFY2(!kso->Steuer(f)->isEnabled(), Def(f).id);
        QVERIFY(kso->Steuer(Feld::ZinsenEr)->isEnabled());
        QVERIFY(!kso->findChild<BetragFeld*>(QStringLiteral("SuWk2"))->isEnabled());
        for (int i = 1; i <= 4; ++i) {
            auto* l = kso->findChild<QLabel*>(QStringLiteral("EhegLbl%1").arg(i));
            QVERIFY(l);
            QVERIFY(!l->isEnabled());
        }
        // The page writes nothing back.
        const CaseRecord vorher = r;
        QVERIFY(kso->close());
        QVERIFY(r == vorher);
    }

    void liste_einfuegen_und_loeschen_am_ende_und_blaettern_in_den_grenzen() {
        seitentest::Umgebung u;
        CaseRecord& r = u.Satz();
        NeuerFallDatensatz(r);
        for (int n = 1; n <= 60; ++n)
            Eintrag(r, Feld::I_StpflCB, Feld::I_ArtZinsen, n, 1, 1, Feld::I_EinBetrag, n);
        auto* l = new TF_KsoList(u, 0);
        u.Zeigen(l);
        QCOMPARE(l->OvcNb()->currentIndex(), 1);
        QCOMPARE(l->LfdLbl(KapListe::Inland)->text(), QStringLiteral("Lfd. 01 von 60"));
        l->BackBtnClick(KapListe::Inland);
        QCOMPARE(l->Aktuell(KapListe::Inland), 1);
        for (int i = 0; i < 60; ++i) l->VorBtnClick(KapListe::Inland);
        QCOMPARE(l->Aktuell(KapListe::Inland), 60);
        QCOMPARE(l->LfdLbl(KapListe::Inland)->text(), QStringLiteral("Lfd. 60 von 60"));
        QCOMPARE(l->Betrag(Feld::I_EinBetrag)->Wert(), 60.0);

        // A "no" changes nothing.
        u.meldungen.antworten = {Antwort::Nein};
        l->EinfBtnClick(KapListe::Inland);
        QCOMPARE(r.Dbl(Feld::I_EinBetrag, 60), 60.0);
        QVERIFY(testumgebung::EnthaeltText(u.meldungen, "Neue Zeile davor einfügen?"));

        // Inserting at 60 loses the old entry 60 and shows the empty one.
        u.veraendert = false;
        l->EinfBtnClick(KapListe::Inland);
        QVERIFY(u.veraendert);
        QCOMPARE(r.Dbl(Feld::I_EinBetrag, 59), 59.0);
        QCOMPARE(r.Dbl(Feld::I_EinBetrag, 60), 0.0);
        QCOMPARE(Byte(r, Feld::I_ArtZinsen, 60), 0);
        QCOMPARE(l->Betrag(Feld::I_EinBetrag)->Wert(), 0.0);
        QCOMPARE(l->ArtBox(KapListe::Inland)->Index(), 0);

        // What is typed into entry 60 goes when it is deleted.
        seitentest::Eintragen(*l, Feld::I_EinBetrag, QStringLiteral("77"));
        Art(*l, KapListe::Inland, 0, 5);
        l->LoeschBtnClick(KapListe::Inland);
        QVERIFY(testumgebung::EnthaeltText(u.meldungen, "Aktuelle Zeile löschen?"));
        QCOMPARE(r.Dbl(Feld::I_EinBetrag, 60), 0.0);
        QCOMPARE(Byte(r, Feld::I_ArtZinsen, 60), 0);
        QCOMPARE(Byte(r, Feld::I_StpflCB, 60), 1);
        QCOMPARE(r.Dbl(Feld::I_EinBetrag, 59), 59.0);

        // Deleting entry 1 moves every following entry up, field by field.
        for (int i = 0; i < 59; ++i) l->BackBtnClick(KapListe::Inland);
        QCOMPARE(l->LfdLbl(KapListe::Inland)->text(), QStringLiteral("Lfd. 01 von 60"));
        l->LoeschBtnClick(KapListe::Inland);
        QCOMPARE(r.Dbl(Feld::I_EinBetrag, 1), 2.0);
        QCOMPARE(r.Dbl(Feld::I_EinBetrag, 58), 59.0);
        QCOMPARE(l->Betrag(Feld::I_EinBetrag)->Wert(), 2.0);

        // The foreign list ends at 30; its position label counts to 30.
        l->ReiterZeigen(QStringLiteral("Ausländische"));
        for (int i = 0; i < 40; ++i) l->VorBtnClick(KapListe::Ausland);
        QCOMPARE(l->LfdLbl(KapListe::Ausland)->text(), QStringLiteral("Lfd. 30 von 30"));
        QCOMPARE(l->Aktuell(KapListe::Inland), 1);
        QVERIFY(l->close());
    }

    void art_und_person_bestimmen_die_freigaben() {
        seitentest::Umgebung u;
        CaseRecord& r = u.Satz();
        NeuerFallDatensatz(r);
        fall::Ehepaar(r);
        auto* l = new TF_KsoList(u, 2);
        u.Zeigen(l);
        QCOMPARE(l->OvcNb()->currentIndex(), 3);

        // Domestic: interest or dividend, never both; the kind picks the taxes.
        Art(*l, KapListe::Inland, 0, 4);  // Z7
        QVERIFY(!l->ArtBox(KapListe::Inland, 1)->isEnabled());
        QVERIFY(!An(*l, Feld::I_EinOhneStAb));
        QVERIFY(!l->findChild<QLabel*>(QStringLiteral("I_EinOhneStAbLbl"))->isEnabled());
        QVERIFY(!An(*l, Feld::I_EinAnKapErtSt));
        QVERIFY(An(*l, Feld::I_EinAnZAbKoerpSt));
        QVERIFY(An(*l, Feld::I_EinAnSolSt));
        QVERIFY(!An(*l, Feld::I_EinVergKoerpSt));
        Art(*l, KapListe::Inland, 0, 10);  // Z13: neither tax, so no surcharge
        QVERIFY(!An(*l, Feld::I_EinAnKapErtSt) && !An(*l, Feld::I_EinAnZAbKoerpSt));
        QVERIFY(!An(*l, Feld::I_EinAnSolSt));
        Art(*l, KapListe::Inland, 0, 8);  // Z11
        QVERIFY(An(*l, Feld::I_EinOhneStAb) && An(*l, Feld::I_EinAnKapErtSt));
        QVERIFY(!An(*l, Feld::I_EinAnZAbKoerpSt));
        Art(*l, KapListe::Inland, 0, 0);
        Art(*l, KapListe::Inland, 1, 1);  // Z18
        QVERIFY(!l->ArtBox(KapListe::Inland, 0)->isEnabled());
        QVERIFY(An(*l, Feld::I_EinVergKoerpSt) && An(*l, Feld::I_EinAnZAbKoerpSt));
        Art(*l, KapListe::Inland, 1, 4);  // Z25
        QVERIFY(!An(*l, Feld::I_EinVergKoerpSt) && !An(*l, Feld::I_EinAnZAbKoerpSt));
        QVERIFY(An(*l, Feld::I_EinAnKapErtSt));

        // Foreign dividends carry no domestic deduction.
        Art(*l, KapListe::Ausland, 0, 3);
        QVERIFY(!An(*l, Feld::A_EinOhneStAb) && !An(*l, Feld::A_EinAnZAb));
        QVERIFY(!An(*l, Feld::A_EinAnSolSt) && An(*l, Feld::A_EinSteuern));
        Art(*l, KapListe::Ausland, 0, 1);
        QVERIFY(An(*l, Feld::A_EinAnZAb));

        // Participations: Z49 only taxes, foreign taxes only Z41 and Z44.
        Art(*l, KapListe::Beteiligung, 0, 8);
        QVERIFY(!An(*l, Feld::B_EinBetrag) && !An(*l, Feld::BeteilName1));
        QVERIFY(!An(*l, Feld::B_EinWk) && !An(*l, Feld::B_EinSteuern));
        QVERIFY(An(*l, Feld::B_EinAnKoerpSt));
        Art(*l, KapListe::Beteiligung, 0, 5);
        QVERIFY(An(*l, Feld::B_EinBetrag) && An(*l, Feld::B_EinSteuernGesonEinh));

        // One person box at a time; the kinds and the person are stored.
        l->PersonBox(KapListe::Beteiligung, 3)->click();
        l->PersonBox(KapListe::Beteiligung, 2)->click();
        QVERIFY(!l->PersonBox(KapListe::Beteiligung, 3)->isChecked());
        l->PersonBox(KapListe::Beteiligung, 2)->click();  // clicking the ticked box keeps it
        QVERIFY(l->PersonBox(KapListe::Beteiligung, 2)->isChecked());
        QVERIFY(l->close());
        QCOMPARE(Byte(r, Feld::B_StpflCB, 1), 2);
        QCOMPARE(Byte(r, Feld::B_ArtBeteil, 1), 5);
        QCOMPARE(Byte(r, Feld::I_ArtDividende, 1), 4);
        QCOMPARE(Byte(r, Feld::I_ArtZinsen, 1), 0);

        // Under the basic table the spouse's boxes are off, but an entry
        // stored for the spouse still shows and counts.
        r.SetzeBool(Feld::Splitting, false);
        l = new TF_KsoList(u, 1);
        u.Zeigen(l);
        QVERIFY(!l->PersonBox(KapListe::Ausland, 2)->isEnabled());
        QVERIFY(!l->PersonBox(KapListe::Beteiligung, 3)->isEnabled());
        QVERIFY(l->PersonBox(KapListe::Beteiligung, 2)->isChecked());
        QVERIFY(l->close());
    }

    void summen_nach_ok_und_nach_dem_schliessfeld() {
        seitentest::Umgebung u;
        CaseRecord& r = u.Satz();
        NeuerFallDatensatz(r);
        fall::Ehepaar(r);
        auto* kso = new TF_KSO(u);
        u.Zeigen(kso);
        kso->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
        TF_KsoList* l = kso->OffeneListe();
        QVERIFY(l && !kso->isEnabled());
        QCOMPARE(l->OvcNb()->currentIndex(), 2);
        QCOMPARE(u.hilfe, 503);
        QVERIFY(l->property("ohnePruefung").toBool());
        l->PersonBox(KapListe::Ausland, 3)->click();
        Art(*l, KapListe::Ausland, 0, 2);
        seitentest::Eintragen(*l, Feld::A_EinBetrag, QStringLiteral("100"));
        seitentest::Eintragen(*l, Feld::A_EinAnZAb, QStringLiteral("30"));
        l->VorBtnClick(KapListe::Ausland);
        l->PersonBox(KapListe::Ausland, 3)->click();
        Art(*l, KapListe::Ausland, 0, 2);
        seitentest::Eintragen(*l, Feld::A_EinBetrag, QStringLiteral("100,99"));
        u.meldungen.protokoll.clear();
        l->OkBtnClick();
        QVERIFY(l->Uebernahme());
        QVERIFY(testumgebung::EnthaeltText(
            u.meldungen, "Die Werte werden in die vorhergende Eingabemaske übertragen"));
        QCOMPARE(u.meldungen.protokoll.back().knoepfe, KnopfOK);
        QVERIFY(!l->isVisible());
        QVERIFY(kso->isEnabled());
        QCOMPARE(u.hilfe, 999);
        // Two halves of 100 and 100.99 to each person: 100.495 each, rounded down.
        QCOMPARE(r.Dbl(Feld::AuslZinsEr), 100.0);
        QCOMPARE(r.Dbl(Feld::AuslZinsSie), 100.0);
        QCOMPARE(r.Dbl(Feld::SummeAnrechKapErtSt), 30.0);
        QCOMPARE(kso->Betrag(Feld::AuslZinsSie)->Wert(), 100.0);
        QCOMPARE(kso->Betrag(Feld::SuNichtHalb11)->Wert(), 100.0);

        // Closed by the window's close box: the sums are computed all the same,
        // and the page shows them at once.
        kso->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        l = kso->OffeneListe();
        QCOMPARE(l->OvcNb()->currentIndex(), 1);
        QCOMPARE(l->Aktuell(KapListe::Ausland), 1);  // every opening starts at entry 1
        Art(*l, KapListe::Inland, 0, 1);
        seitentest::Eintragen(*l, Feld::I_EinBetrag, QStringLiteral("250,75"));
        seitentest::Eintragen(*l, Feld::I_EinWk, QStringLiteral("10,01"));
        QVERIFY(l->close());
        QVERIFY(!l->Uebernahme());
        QCOMPARE(r.Dbl(Feld::ZinsenEr), 250.0);
        QCOMPARE(r.Dbl(Feld::WKZ1Er), 11.0);
        QCOMPARE(kso->Betrag(Feld::ZinsenEr)->Wert(), 250.0);
        QCOMPARE(kso->Betrag(Feld::WKZ1Er)->Wert(), 11.0);
        QCOMPARE(kso->Betrag(Feld::SuNichtHalb11)->Wert(), 350.0);
        QVERIFY(kso->close());
    }

    void kapitalliste_als_vorschau_mit_namen_und_seitenumbruechen_im_rand() {
        DruckUmgebung u;
        CaseRecord& r = u.Satz();
        NeuerFallDatensatz(r);
        r.SetzeText(Feld::Steuernummer, "123/456/7890");
        r.SetzeTextUtf8(Feld::StpflName, "Mustermann");
        for (int n = 1; n <= 60; ++n)
            Eintrag(r, Feld::I_StpflCB, Feld::I_ArtZinsen, n, 1, 1 + n % 11, Feld::I_EinBetrag, n);
        for (int n = 1; n <= 30; ++n) {
            Eintrag(r, Feld::A_StpflCB, Feld::A_ArtAusland, n, 2, 1 + n % 3, Feld::A_EinBetrag, n);
            Eintrag(r, Feld::B_StpflCB, Feld::B_ArtBeteil, n, 3, 1 + n % 8, Feld::B_EinBetrag, n);
        }
        // A dividend in the same domestic entry makes a longer block.
        r.SchreibeByte(CaseRecord::Offset(Feld::I_ArtDividende, 7), 1);
        auto* l = new TF_KsoList(u, 0);
        u.Zeigen(l);
        // What is shown is stored before printing.
        seitentest::Eintragen(*l, Feld::I_EinBetrag, QStringLiteral("4711"));
        l->findChild<QPushButton*>(QStringLiteral("DruckBtn"))->click();
        QCOMPARE(u.vorschauen.size(), std::size_t(1));  // a preview, never straight to paper
        const Bericht& b = u.vorschauen.front();
        QVERIFY(b.Seitenzahl() > 10);
        const double unten = b.hoehe - 20;  // bottom margin 2 cm
        bool betrag = false;
        for (int s = 0; s < b.Seitenzahl(); ++s) {
            std::vector<const Berichtselement*> texte;
            for (const Berichtselement& e : b.seiten[s].elemente)
                if (e.art == Berichtselement::Art::Text) texte.push_back(&e);
            QVERIFY(texte.size() > 3);
            // No computation has run: the header names the taxpayer anyway.
            QCOMPARE(QString::fromStdString(texte.front()->text),
                     QStringLiteral("Steuernummer: 123/456/7890, Mustermann"));
            QCOMPARE(texte.back()->text, "Seite " + std::to_string(s + 1));
            for (size_t k = 1; k + 1 < texte.size(); ++k) {
                QVERIFY2(texte[k]->y <= unten + 1e-9, texte[k]->text.c_str());
                betrag |= texte[k]->text == "   4711,00";
            }
        }
        QVERIFY(betrag);
        QVERIFY(l->close());
    }

    void ehepaar_mit_kapitalertraegen_ueber_die_seiten() {
        seitentest::Umgebung u;
        CaseRecord& satz = u.Satz();
        NeuerFallDatensatz(satz);
        fall::Ehepaar(satz);
        const CaseRecord anfang = satz;
        fall::KapUeberSeiten(u);
        // Both spouses' interest and half-income dividends reached the sums.
        QCOMPARE(satz.Dbl(Feld::ZinsenEr), 4200.0);
        QCOMPARE(satz.Dbl(Feld::ZinsenSie), 2500.0);
        QCOMPARE(satz.Dbl(Feld::HalbEinkEr), 1500.0);
        QCOMPARE(satz.Dbl(Feld::HalbEinkSie), 2700.0);
        QCOMPARE(satz.Dbl(Feld::WKZ5Er), 120.0);
        QCOMPARE(satz.Dbl(Feld::WKZ5Sie), 90.0);

        CaseRecord r = anfang;
        fall::Zuweisen(r, fall::KapSetze());
        seitentest::GleichesErgebnis(satz, r);

        // The notice shows the capital income and its annex.
        fall::KapImBescheid(fall::BescheidRechnen(satz));
    }
};

QTEST_MAIN(KapitalseitenTest)
#include "kapitalseiten.moc"
