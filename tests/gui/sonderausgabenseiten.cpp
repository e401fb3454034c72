// The special-expense pages of insurance, annuities, church tax and loss
// deduction: the wage-card shares shown and the spouse's columns, the
// insurance list taken over, the church tax current on opening, the date
// ranges of the annuity, and a whole case entered through the pages against
// the same case set by field, with its notice.
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <algorithm>

#include "calc/berechnung.h"
#include "calc/calcdaten.h"
#include "calc/deklaration.h"
#include "case/zeichensatz.h"
#include "fall_sa1.h"
#include "pages/seitenzustand.h"
#include "pages/tf_anlage.h"
#include "results/bescheid.h"
#include "shell/tform13.h"

using namespace quarnel;
using namespace quarnel::gui;
using seitentest::Eintragen;

namespace {

// Page `seite` of the area as the navigator opens it, if it is the page `klasse`.
template <class T = TForm11>
T* Oeffnen(seitentest::Umgebung& u, int seite, const char* klasse) {
    TForm11* s = SeiteErzeugen(u, 12, seite);
    if (s) u.Zeigen(s);
    return s && s->objectName() == QLatin1String(klasse) ? qobject_cast<T*>(s) : nullptr;
}

QLabel* Label(TForm11& s, const char* name) {
    return s.findChild<QLabel*>(QString::fromLatin1(name));
}

// The index of the first notice line containing `teil` (UTF-8), or -1.
int Zeile(const ResultLines& z, const char* teil) {
    const std::string t = Utf8ZuCp1252(teil);
    const auto it = std::find_if(z.begin(), z.end(),
                                 [&](const std::string& l) { return l.find(t) != l.npos; });
    return it == z.end() ? -1 : int(it - z.begin());
}

}  // namespace

class SonderausgabenseitenTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void versicherungen_mit_den_kartenanteilen_beider_personen() {
        seitentest::Umgebung u;
        CaseRecord& r = u.Satz();
        fall::Ehepaar(r);
        r.SetzeDbl(Feld::AnTeilSoVer, 1000, 1);
        r.SetzeDbl(Feld::AnTeilSoVer, 234.40, 2);
        r.SetzeDbl(Feld::AnTeilSoVer, 500, 3);
        r.SetzeDbl(Feld::AgZuKV, 100, 1);
        r.SetzeDbl(Feld::AgZuKV, 50, 4);
        auto* s = Oeffnen<TF_SAVers>(u, 1, "TF_SAVers");
        QVERIFY(s);
        QCOMPARE(s->KopfPnl()->text(), QStringLiteral("  Versicherungen, Bauspar"));
        QCOMPARE(s->AnAnteil(1)->Wert(), 1234.40);
        QCOMPARE(s->AnAnteil(2)->Wert(), 500.0);
        QCOMPARE(s->AnAnteilAb(1)->Wert(), 100.0);
        QCOMPARE(s->AnAnteilAb(2)->Wert(), 50.0);
        QVERIFY(s->AnAnteil(1)->isReadOnly() && s->AnAnteilAb(2)->isReadOnly());
        QVERIFY(s->AnAnteil(2)->isEnabled() && s->Steuer(Feld::ZusPflegeEheg)->isEnabled());

        // A refund above the payment stays negative and lowers the total.
        Eintragen(*s, Feld::KrankenGez, QStringLiteral("500"));
        Eintragen(*s, Feld::KrankenErst, QStringLiteral("620"));
        Eintragen(*s, Feld::FreiwHoeher, QStringLiteral("80"));
        Eintragen(*s, Feld::ZusPflegeStpfl, QStringLiteral("360"));
        QCOMPARE(s->Betrag(Feld::KrankenErg)->Wert(), -120.0);
        QVERIFY(s->Betrag(Feld::KrankenErg)->isReadOnly());
        QCOMPARE(r.Dbl(Feld::VorsorgeSumme), 80 - 120 + 1234.40 + 500 - 100 - 50);
        QVERIFY(u.veraendert);
        QVERIFY(s->close());
        QCOMPARE(r.Dbl(Feld::KrankenErg), -120.0);
        QCOMPARE(r.Dbl(Feld::ZusPflegeStpfl), 360.0);

        // Alone: the spouse's column is greyed, her card does not count.
        r.SetzeBool(Feld::Splitting, false);
        r.SetzeBool(Feld::Grundtabelle, true);
        s = Oeffnen<TF_SAVers>(u, 1, "TF_SAVers");
        QVERIFY(!s->AnAnteil(2)->isEnabled() && !s->AnAnteilAb(2)->isEnabled());
        QVERIFY(!s->Steuer(Feld::ZusPflegeEheg)->isEnabled());
        QVERIFY(s->Steuer(Feld::ZusPflegeStpfl)->isEnabled());
        QLabel* eheg = Label(*s, "EhegLbl");
        QVERIFY(eheg && eheg->font().italic());
        Eintragen(*s, Feld::KrankenErst, QStringLiteral("0"));
        QCOMPARE(r.Dbl(Feld::VorsorgeSumme), 80 + 500 + 1234.40 - 100);
        QVERIFY(s->close());
    }

    void versicherungsliste_kommt_ungerundet_und_zaehlt_nicht() {
        seitentest::Umgebung u;
        Listensatz liste;
        liste.SetzeZeilenText(1, "Hausrat");
        liste.SetzeZeilenBetrag(1, 100.40);
        liste.SetzeZeilenBetrag(2, 23.15);
        u.Liste() = liste;
        QVERIFY(u.ListeSchreiben(29));
        auto* s = Oeffnen<TF_SAVers>(u, 1, "TF_SAVers");
        Eintragen(*s, Feld::HaftGez, QStringLiteral("300"));
        const double vorher = u.Satz().Dbl(Feld::VorsorgeSumme);
        s->OvcNb()->setCurrentIndex(0);
        auto* knopf = s->findChild<QPushButton*>(QStringLiteral("PrivateBtn"));
        QVERIFY(knopf);
        QCOMPARE(knopf->text(), QStringLiteral("&Liste...."));
        knopf->click();
        auto* t = qobject_cast<TF_Anlage*>(u.gezeigt.back().data());
        QVERIFY(t);
        QCOMPARE(t->KopfPnl()->text(), QStringLiteral("Liste der Versicherungsbeiträge"));
        QCOMPARE(u.hilfe, 567);
        u.meldungen.antworten = {Antwort::Ja};
        t->OkClick();
        // The sum as it stands, shown in whole DM; the field is the list's.
        QCOMPARE(s->Betrag(Feld::PrivateListeDm)->Wert(), 100.40 + 23.15);
        QCOMPARE(s->Betrag(Feld::PrivateListeDm)->text().trimmed(), QStringLiteral("124"));
        QVERIFY(s->Betrag(Feld::PrivateListeDm)->isReadOnly());
        QCOMPARE(u.Satz().Dbl(Feld::VorsorgeSumme), vorher);

        // No to the take-over keeps what was there.
        knopf->click();
        t = qobject_cast<TF_Anlage*>(u.gezeigt.back().data());
        u.meldungen.antworten = {Antwort::Nein};
        t->OkClick();
        QCOMPARE(s->Betrag(Feld::PrivateListeDm)->Wert(), 100.40 + 23.15);
        QVERIFY(s->close());
        QCOMPARE(u.Satz().Dbl(Feld::PrivateListeDm), 100.40 + 23.15);
        QCOMPARE(u.Satz().Dbl(Feld::VorsorgeSumme), vorher);
    }

    void kirchensteuer_ist_beim_oeffnen_aktuell() {
        seitentest::Umgebung u;
        CaseRecord& r = u.Satz();
        fall::Ehepaar(r);
        r.SetzeDbl(Feld::KiStAnBrutto, 1000, 1);
        r.SetzeDbl(Feld::KiStEheMj, 34.50, 2);
        r.SetzeDbl(Feld::KiStAnBrutto, 200, 3);
        r.SetzeBool(Feld::Splitting, false);
        auto* s = Oeffnen(u, 3, "TF_SAKiZi");
        QVERIFY(s);
        // Only the taxpayer's cards without joint assessment, rounded up.
        QCOMPARE(s->Betrag(Feld::KiLitKarte)->Wert(), 1035.0);
        QCOMPARE(r.Dbl(Feld::KiAlsSa), 1035.0);
        QVERIFY(!u.veraendert);
        r.SetzeDbl(Feld::KiStAnBrutto, 0, 3);
        r.SetzeDbl(Feld::KiStAnBrutto, 1200, 1);
        Eintragen(*s, Feld::KiWeitere, QStringLiteral("100,10"));
        Eintragen(*s, Feld::KiErst, QStringLiteral("50,90"));
        QCOMPARE(s->Betrag(Feld::KiLitKarte)->Wert(), 1235.0);
        QCOMPARE(s->Betrag(Feld::KiAlsSa)->Wert(), 1235.0 + 101 - 50);
        // A refund above the payments leaves nothing, never less.
        Eintragen(*s, Feld::KiErst, QStringLiteral("9000"));
        QCOMPARE(s->Betrag(Feld::KiAlsSa)->Wert(), 0.0);
        QVERIFY(s->Betrag(Feld::KiAlsSa)->isReadOnly());
        QVERIFY(s->ReiterZeigen(QStringLiteral("&Steuerzinsen")));
        QVERIFY(Label(*s, "ZinsenLbl")->text().startsWith(QStringLiteral("Ab 1999 werden Zinsen")));
        QVERIFY(s->close());
        QCOMPARE(r.Dbl(Feld::KiErst), 9000.0);
    }

    void renten_lasten_und_unterhalt() {
        seitentest::Umgebung u;
        auto* s = Oeffnen(u, 2, "TF_SaRDL");
        QVERIFY(s);
        Eintragen(*s, Feld::ReErtAntBek, QStringLiteral("27"));
        Eintragen(*s, Feld::ReGezahlt, QStringLiteral("1200"));
        QCOMPARE(s->Betrag(Feld::ReErtragAnteilDM)->Wert(), 324.0);
        Eintragen(*s, Feld::UntName1, QStringLiteral("Erika"));
        Eintragen(*s, Feld::UntDM1, QStringLiteral("6000"));
        Eintragen(*s, Feld::UntDM3, QStringLiteral("1500,50"));
        QCOMPARE(s->Betrag(Feld::UntAbziehbar)->Wert(), 7500.50);
        QVERIFY(s->Betrag(Feld::UntAbziehbar)->isReadOnly());

        // The end of the annuity may lie far ahead; its start not after the year.
        DatumFeld* ende = s->Datum(Feld::ReEndeAm);
        emit ende->eingabeBeginnt();
        QCOMPARE(ende->Von(), ErsterTagSteuerjahr);
        QCOMPARE(ende->Bis(), TagesNummer(2095, 12, 31));
        Eintragen(*s, Feld::ReEndeAm, QStringLiteral("31.12.2095"));
        DatumFeld* seit = s->Datum(Feld::ReLaeuftSeit);
        emit seit->eingabeBeginnt();
        QCOMPARE(seit->Von(), TagesNummer(1900, 1, 1));
        QCOMPARE(seit->Bis(), LetzterTagSteuerjahr);
        QVERIFY(s->close());
        QCOMPARE(u.Satz().Int(Feld::ReEndeAm), TagesNummer(2095, 12, 31));
        QCOMPARE(u.Satz().Dbl(Feld::UntAbziehbar), 7500.50);
    }

    void verlustabzug_des_ehegatten_nur_zusammen() {
        seitentest::Umgebung u;
        CaseRecord& r = u.Satz();
        r.SetzeBool(Feld::Splitting, false);
        r.SetzeBool(Feld::Grundtabelle, true);
        auto* s = Oeffnen(u, 7, "TF_SAVaVr");
        QVERIFY(s);
        QVERIFY(!s->Steuer(Feld::VerlustAbEheg)->isEnabled());
        QVERIFY(!s->Steuer(Feld::VerlustGleichEheg)->isEnabled());
        QVERIFY(s->Steuer(Feld::VerlustGleichStpfl)->isEnabled());
        QVERIFY(!s->Steuer(Feld::Ruecktrag2)->isEnabled());
        QVERIFY(Label(*s, "EhegAbzugLbl")->font().italic());
        QVERIFY(Label(*s, "EhegRuecktragLbl")->font().italic());
        s->Kasten(Feld::BegrenzungAnlageVACB)->click();
        QVERIFY(u.veraendert);
        QVERIFY(s->close());
        QVERIFY(r.Bool(Feld::BegrenzungAnlageVACB));

        r.SetzeBool(Feld::Splitting, true);
        r.SetzeBool(Feld::Grundtabelle, false);
        s = Oeffnen(u, 7, "TF_SAVaVr");
        QVERIFY(s->Steuer(Feld::VerlustAbEheg)->isEnabled());
        QVERIFY(!Label(*s, "EhegRuecktragLbl")->font().italic());
        Eintragen(*s, Feld::VerlustAbEheg, QStringLiteral("12345,67"));
        Eintragen(*s, Feld::VerlustGleichEheg, QStringLiteral("2345"));
        QVERIFY(s->close());
        QCOMPARE(r.Dbl(Feld::VerlustAbEheg), 12345.67);
        QCOMPARE(r.Dbl(Feld::VerlustGleichEheg), 2345.0);
    }

    void ehepaar_mit_vorsorge_und_kirchensteuer_ueber_die_seiten() {
        seitentest::Umgebung u;
        fall::Ehepaar(u.Satz());
        CaseRecord gesetzt = u.Satz();
        fall::Sa1UeberSeiten(u);
        fall::Zuweisen(gesetzt, fall::Sa1Zuweisungen());
        seitentest::GleichesErgebnis(u.Satz(), gesetzt);

        CaseRecord satz = u.Satz();
        CalcInput e;
        CalcResult r;
        DeklarationFuellen(satz, e, r, false);
        Berechne(e, r);
        QCOMPARE(e.KiStGezahltIn, 1361.0 + 321 - 150);
        QCOMPARE(e.RentenLastenIn, 1800.0);
        QCOMPARE(e.VorsorgeIn, 14350.0 + 8200 + 160 + 2400 + 310);
        QVERIFY(r.VorsorgeAbziehbar > r.Vorsorgepauschale + 1);

        BescheidAngaben a;
        a.datum = "15.03.2002";
        Ergebnistext text;
        BescheidErstellen(satz, e, r, a, text);
        const ResultLines& z = text.zeilen;
        const int unbeschraenkt = Zeile(z, "Unbeschränkt abzugsfähige Sonderausgaben");
        const int beschraenkt = Zeile(z, "Beschränkt abzugsfähige Sonderausgaben");
        const int kist = Zeile(z, "Gezahlte Kirchensteuer");
        const int renten = Zeile(z, "Renten und dauernde Lasten");
        const int vers = Zeile(z, "Versicherungsbeiträge  . .");
        const int summe = Zeile(z, "Ab Summe/ Vorsorgepauschale");
        QVERIFY(unbeschraenkt >= 0 && unbeschraenkt < renten && renten < kist &&
                kist < beschraenkt && beschraenkt < vers && vers < summe);
        QVERIFY(z[kist].find("1532,00") != std::string::npos);
        QVERIFY(z[renten].find("1800,00") != std::string::npos);
        QVERIFY(Zeile(z, "mindestens jedoch Vorsorgepauschale") < 0);
        QVERIFY(Zeile(z, "Freiwillige zusätz. Pflegeversicherung") > beschraenkt);
    }
};

QTEST_MAIN(SonderausgabenseitenTest)
#include "sonderausgabenseiten.moc"
