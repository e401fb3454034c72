// The page framework: every page descriptor against the field catalogue, the
// page protocol (load, edit, store, refused close), the date ranges and the
// list table with its take-over.
#include <QLineEdit>
#include <QPushButton>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>
#include <cmath>
#include <cstring>
#include <memory>
#include <map>

#include "calc/betrag.h"
#include "pages/seitenbau.h"
#include "pages/seitentafel.h"
#include "pages/seitentabelle.h"
#include "pages/seitenzustand.h"
#include "pages/tf_anlage.h"
#include "seitentest.h"
#include "widgets/auswahl.h"
#include "widgets/maskenfeld.h"

using namespace quarnel;
using namespace quarnel::gui;

namespace {

// A page with one amount field filled from a list, and a subordinate page
// that asks its opener to reload on return, as the application pages do.
class Listenseite : public TForm11 {
  public:
    explicit Listenseite(Seitenumgebung& u) : TForm11(u, 1) {
        feld = new BetragFeld;
        OvcNb()->addTab(feld, QStringLiteral("&Betrag"));
    }
    BetragFeld* feld;
};

class Nachladeseite : public TForm11 {
  public:
    using TForm11::TForm11;
    void FormClose() override {
        SeitenzustandGlobal().uebernahme = true;  // "reload", not "take the sum over"
        TForm11::FormClose();
    }
};

// A distinct, valid value in every element of every field of the page class.
void Muster(CaseRecord& r, const char* klasse) {
    const auto katalog = Feldkatalog();
    for (size_t i = 0; i < katalog.size(); ++i) {
        const FeldDef& d = katalog[i];
        if (std::strcmp(d.seite, klasse) != 0) continue;
        for (int e = 1; e <= d.anzahl; ++e)
            seitentest::Musterwert(r, static_cast<Feld>(i), e, static_cast<int>(i) * 7 + e, 1000);
    }
    // A choice's display text follows its choice.
    for (size_t i = 0; i < katalog.size(); ++i) {
        const FeldDef& d = katalog[i];
        if (std::strcmp(d.seite, klasse) != 0 || d.typ != FeldTyp::Auswahl) continue;
        for (Feld t : FelderNachName(d.name)) {
            if (Def(t).typ != FeldTyp::Text || Def(t).art != FeldArt::Anzeige ||
                std::strcmp(Def(t).seite, klasse) != 0)
                continue;
            const QStringList items = QString::fromUtf8(d.auswahl).split(u'|');
            for (int e = 1; e <= d.anzahl; ++e)
                r.SetzeTextUtf8(t, items[r.Int(static_cast<Feld>(i), e)].trimmed().toStdString(),
                                e);
        }
    }
}

const Seitenbeschreibung& Beschreibung(const char* klasse) {
    for (const BeschriebeneSeite& s : AlleSeitenbeschreibungen())
        if (std::strcmp(s.beschreibung->klasse, klasse) == 0) return *s.beschreibung;
    throw std::logic_error(klasse);
}

// A page that refuses to close.
class Sperrseite : public TForm11 {
  public:
    using TForm11::TForm11;
    bool DatenPruefen() override { return false; }
};

}  // namespace

class SeitenrahmenTest : public QObject {
    Q_OBJECT
  private slots:
    void jede_beschreibung_laedt_und_speichert_byte_genau() {
        for (const BeschriebeneSeite& s : AlleSeitenbeschreibungen()) {
            const Seitenbeschreibung& b = *s.beschreibung;
            for (int e = 1; e <= s.elemente; ++e) {
                seitentest::Umgebung u;
                NeuerFallDatensatz(u.Satz());
                Muster(u.Satz(), b.klasse);
                const CaseRecord muster = u.Satz();
                TForm11 seite(u, e);
                SeiteAufbauen(seite, b, e);
                seite.DatenLaden();
                seite.TForm11::DatenSpeichern();
                QVERIFY2(u.Satz() == muster, b.klasse);
                seitentest::SpeichertNurGebundenes(u, seite, muster);
            }
        }
    }

    // Every navigator page of the protocol opens current: on a case whose
    // results are stale (every field of the page class set as `setze` sets
    // it, nothing computed), the page shows what its computation gives, and
    // the spouse's fields are enabled exactly under the splitting table.
    void jede_seite_ist_beim_oeffnen_aktuell() {
        int rechnende = 0;
        for (int bereich = 1; bereich <= 16; ++bereich)
            for (int nr = 1; nr <= 8; ++nr)
                for (const bool splitting : {false, true}) {
                    seitentest::Umgebung u;
                    NeuerFallDatensatz(u.Satz());
                    std::unique_ptr<TForm11> probe(SeiteErzeugen(u, bereich, nr));
                    if (!probe) break;
                    const Seitenbeschreibung* b = probe->Protokoll();
                    probe.reset();
                    if (!b) break;
                    Muster(u.Satz(), b->klasse);
                    u.Satz().SetzeBool(Feld::Splitting, splitting);
                    u.Satz().SetzeBool(Feld::Grundtabelle, !splitting);
                    const QByteArray wo = QByteArray(b->klasse) + " " +
                                          QByteArray::number(bereich) + "." +
                                          QByteArray::number(nr);
                    TForm11* seite = seitentest::SeiteOeffnen(u, bereich, nr);
                    QVERIFY2(seite && seite->Geladen(), wo);
                    if (b->rechnung) {
                        rechnende += !splitting;
                        CaseRecord nochmal = u.Satz();
                        b->rechnung(nochmal, seite->Instanz());
                        QVERIFY2(nochmal == u.Satz(), wo);
                        for (const Bindung& bi : seite->Bindungen())
                            if (auto* x = qobject_cast<BetragFeld*>(bi.steuer))
                                QVERIFY2(std::fabs(x->Wert() - (Def(bi.feld).typ == FeldTyp::Double
                                                                     ? u.Satz().Dbl(bi.feld, bi.element)
                                                                     : u.Satz().Int(bi.feld, bi.element))) < 0.51,
                                         wo + " " + Def(bi.feld).id);
                    }
                    if (b->ehegatte && std::strcmp(b->ehegatte, "Sie") != 0)
                        for (const QString& id : QString::fromLatin1(b->ehegatte).split(u' '))
                            QVERIFY2(seite->Steuer(*FeldNachId(id.toStdString()))->isEnabled() ==
                                         splitting,
                                     wo + " " + id.toLatin1());
                    delete seite;
                }
        // The insurance, annuity and church-tax pages, the persons' expense pages and more.
        QVERIFY(rechnende >= 25);
    }

    void jedes_eingabefeld_hat_ein_steuerelement() {
        for (const BeschriebeneSeite& s : AlleSeitenbeschreibungen()) {
            const Seitenbeschreibung& b = *s.beschreibung;
            seitentest::Umgebung u;
            TForm11 seite(u, 1);
            SeiteAufbauen(seite, b, 1);
            std::map<Feld, int> anzahl;
            for (const Bindung& bi : seite.Bindungen()) ++anzahl[bi.feld];
            const auto katalog = Feldkatalog();
            for (size_t i = 0; i < katalog.size(); ++i) {
                const FeldDef& d = katalog[i];
                if (std::strcmp(d.seite, b.klasse) != 0 || d.art != FeldArt::Eingabe) continue;
                bool ohne = false;
                for (const FeldZusatz& z : b.zusatz)
                    ohne |= std::strcmp(z.id, d.id) == 0 && z.art == ZOhne;
                QCOMPARE(anzahl[static_cast<Feld>(i)], ohne ? 0 : 1);
                QWidget* w = seite.Steuer(static_cast<Feld>(i));
                if (!w) continue;
                QCOMPARE(w->objectName(), QString::fromUtf8(d.name));
                QCOMPARE(w->property("hilfeNummer").toInt(), int(d.nr));
            }
            // Results from the catalogue's kind column: shown once, read only, never stored.
            for (size_t i = 0; i < katalog.size(); ++i) {
                const FeldDef& d = katalog[i];
                if (std::strcmp(d.seite, b.klasse) != 0 || d.art != FeldArt::Anzeige ||
                    d.typ == FeldTyp::Text)
                    continue;
                QCOMPARE(anzahl[static_cast<Feld>(i)], 1);
                for (const Bindung& bi : seite.Bindungen())
                    if (bi.feld == static_cast<Feld>(i)) QVERIFY2(bi.nurLesen, d.id);
                auto* e = qobject_cast<QLineEdit*>(seite.Steuer(static_cast<Feld>(i)));
                // Read-only, yet reachable with Tab (and by a screen reader).
                QVERIFY2(e && e->isReadOnly() && e->focusPolicy() != Qt::NoFocus, d.id);
            }
            // Ranges from the descriptor reach their fields.
            for (const FeldZusatz& z : b.zusatz) {
                if (z.min == 0 && z.max == 0) continue;
                auto* f = seite.Betrag(*FeldNachId(z.id));
                QVERIFY2(f, z.id);
                QCOMPARE(f->Min(), z.min);
                QCOMPARE(f->Max(), z.max);
            }
        }
    }

    // The built-in layout tables read without a fault, one for every descriptor.
    void jede_tafel_passt_zu_ihrer_seite() {
        QStringList fehler;
        for (const std::string& f : TafelFehler()) fehler << QString::fromStdString(f);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
        QCOMPARE(EingebauteTafeln().size(), AlleSeitenbeschreibungen().size());
        for (const BeschriebeneSeite& s : AlleSeitenbeschreibungen())
            QVERIFY2(EingebauteTafeln().count(s.beschreibung->klasse), s.beschreibung->klasse);
        // A fault is named with its file and line.
        const std::pair<const char*, const char*> faelle[] = {
            {"feld\tP7h", "t:1: vor der ersten Seite"},
            {"seite\tTF_Stat\n\nseite\tTF_Stat", "t:3: Seite TF_Stat steht zweimal"},
            {"seite\tTF_Stat\nzeile\t\tP7h", "t:2: zeile vor dem ersten [Reiter]"},
            {"seite\tTF_Stat\nfeld\tP7h\t\t0\t9,5", "t:2: feld: Bereich ist keine Zahl"},
            {"seite\tTF_Stat\nfeld\tP7h\t\t\t\tleise", "t:2: feld: unbekannte Art »leise«"},
            {"seite\tTF_Stat\nfarbe\trot", "t:2: unbekannte Zeile »farbe«"},
            {"seite\tTF_Stat\nfeld\tP7g1\nradio\tP7h|StpflOrt",
             "t:3: StpflOrt ist kein Feld von TF_Stat"},
            {"seite\tTF_Stat\nreiter\tTeil &1\n[Teil &1]\nknopf\tN\tT\t1\t\t\t\tje",
             "t:4: knopf: »person« oder nichts am Ende"},
            {"seite\tTF_Stat\nreiter\tA|B\nunterreiter\tB=C|D\n[D]\n[B]",
             "t:5: die Seite zeigt keinen Reiter B"},
        };
        for (const auto& [text, meldung] : faelle) {
            Seitentafeln t;
            const std::vector<std::string> f = TafelnLesen(text, "t", t);
            QVERIFY2(f.size() == 1 && f[0] == meldung, text);
        }
    }

    void verschachtelte_reiter_und_radiogruppen() {
        static constexpr FeldZusatz ohne[] = {{"PauschBekanntDM", nullptr, 0, 0, ZGesperrt}};
        static const Seitenbeschreibung zwei{
            "TF_FahrZ", "Fahrzeugkosten", "&Aussen|&Zweites",
            "&Aussen=&Fahrzeug|Lea&sing;&Zweites=A&bschreibung|&Weitere Kosten",
            "iii,iii.ii", nullptr, ohne, {}, {}, "PauschBekanntRB PauschBerechRB"};
        seitentest::Umgebung u;
        NeuerFallDatensatz(u.Satz());
        TForm11 seite(u, 2);
        SeiteAufbauen(seite, zwei, 2);
        auto* nb1 = seite.findChild<QTabWidget*>(QStringLiteral("Nb1"));
        auto* nb2 = seite.findChild<QTabWidget*>(QStringLiteral("Nb2"));
        QVERIFY(nb1 && nb2);
        QCOMPARE(nb2->tabText(1), QStringLiteral("&Weitere Kosten"));
        QCOMPARE(seite.Notizbuecher().size(), size_t(3));
        QVERIFY(seite.ReiterZeigen(QStringLiteral("&Weitere Kosten")));
        QCOMPARE(seite.OvcNb()->currentIndex(), 2);
        QCOMPARE(nb2->currentIndex(), 1);
        QVERIFY(seite.Reiter(QStringLiteral("&Weitere Kosten"))->isAncestorOf(
            seite.Steuer(Feld::wk9)));
        QCOMPARE(seite.Bindungen().front().element, 2);
        seite.DatenLaden();
        // A field filled only by its list: read only, but stored.
        BetragFeld* gesperrt = seite.Betrag(Feld::PauschBekanntDM);
        QVERIFY(gesperrt->isReadOnly());
        gesperrt->SetzeWert(0.42);
        seite.DatenSpeichern();
        QCOMPARE(u.Satz().Dbl(Feld::PauschBekanntDM, 2), 0.42);
        // Exactly one of a radio group is on, whichever is clicked.
        QAbstractButton* bekannt = seite.Kasten(Feld::PauschBekanntRB);
        QAbstractButton* berech = seite.Kasten(Feld::PauschBerechRB);
        QVERIFY(berech->isChecked() && !bekannt->isChecked());
        bekannt->click();
        QVERIFY(bekannt->isChecked() && !berech->isChecked());
        bekannt->click();
        QVERIFY(bekannt->isChecked() && !berech->isChecked());
        QVERIFY(u.veraendert);
    }

    void erscheinung_aus_der_umgebung() {
        struct Farbig : seitentest::Umgebung {
            QColor Seitenfarbe() const override { return QColor(200, 220, 240); }
            int Reiterschrift() const override { return 13; }
        } u;
        TForm11 seite(u, 1);
        seite.SetzePosition(3, 1);
        SeiteAufbauen(seite, Beschreibung("TF_NSA"), 1);
        seite.show();
        QCOMPARE(seite.palette().color(QPalette::Window), QColor(200, 220, 240));
        QCOMPARE(seite.OvcNb()->tabBar()->font().pointSize(), 13);
        QCOMPARE(seite.KopfPnl()->font().pointSize(), 13);
        QVERIFY(!seite.findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
    }

    void bearbeiten_und_schliessen_speichert() {
        seitentest::Umgebung u;
        TForm11 seite(u, 3);
        SeiteAufbauen(seite, Beschreibung("TF_NSA"), 3);  // the cards
        seite.resize(480, 400);
        seite.show();
        QVERIFY(QTest::qWaitForWindowExposed(&seite));
        // The page-size rule: 480 of 718.
        QCOMPARE(seite.width(), 480);
        seite.OvcNb()->setCurrentIndex(1);
        BetragFeld* brutto = seite.Betrag(Feld::Brutto);
        brutto->setFocus();
        QApplication::processEvents();
        brutto->selectAll();
        QTest::keyClicks(brutto, QStringLiteral("45.678,00"));
        QVERIFY(!u.veraendert);
        QVERIFY(seite.close());  // the pending edit is committed first
        QCOMPARE(u.Satz().Dbl(Feld::Brutto, 3), 45678.0);
        QCOMPARE(u.Satz().Dbl(Feld::Brutto, 1), 0.0);
        QVERIFY(u.veraendert);
    }

    void eingabetaste_und_fehler_beim_verlassen() {
        seitentest::Umgebung u;
        TForm11 seite(u, 1);
        SeiteAufbauen(seite, Beschreibung("TF_NSA"), 1);
        seite.show();
        QVERIFY(QTest::qWaitForWindowExposed(&seite));
        seite.OvcNb()->setCurrentIndex(1);
        BetragFeld* lst = seite.Betrag(Feld::LStBrutto);
        lst->setFocus();
        QApplication::processEvents();
        QTest::keyClicks(lst, QStringLiteral("1x"));
        QTest::keyClick(lst, Qt::Key_Return);  // leaves the field: refused
        QVERIFY(testumgebung::EnthaeltText(u.meldungen, "Ungültiger Eingabewert"));
        QTRY_VERIFY(lst->hasFocus());
        QVERIFY(lst->Modifiziert());  // the entry waits to be mended
        lst->selectAll();
        QTest::keyClicks(lst, QStringLiteral("12,5"));
        QTest::keyClick(lst, Qt::Key_Return);
        QTRY_VERIFY(seite.Betrag(Feld::SoliBrutto)->hasFocus());
        QCOMPARE(lst->Wert(), 12.5);
        QCOMPARE(lst->text(), QStringLiteral("12,50"));
        QVERIFY(u.veraendert);
    }

    void abgelehnte_pruefung_haelt_die_seite_offen() {
        seitentest::Umgebung u;
        auto* seite = new Sperrseite(u, 1);
        SeiteAufbauen(*seite, Beschreibung("TF_NSA"), 1);
        QPointer<Sperrseite> p(seite);
        seite->show();
        seite->Betrag(Feld::LStBrutto)->SetzeWert(12);
        QVERIFY(!seite->close());
        QVERIFY(p && p->isVisible());
        QCOMPARE(u.Satz().Dbl(Feld::LStBrutto), 0.0);
        delete seite;
    }

    void ungueltige_eingabe_meldet_und_bleibt() {
        seitentest::Umgebung u;
        TForm11 seite(u, 1);
        SeiteAufbauen(seite, Beschreibung("TF_NSA"), 1);
        seite.show();
        BetragFeld* lst = seite.Betrag(Feld::LStBrutto);
        lst->SetzeWert(5);
        lst->setFocus();
        lst->setText(QStringLiteral("1,2,3"));
        emit lst->textEdited(lst->text());
        QVERIFY(!seite.close());
        QVERIFY(testumgebung::EnthaeltText(u.meldungen, "Ungültiger Eingabewert"));
        QCOMPARE(u.Satz().Dbl(Feld::LStBrutto), 0.0);
    }

    void datumsbereiche() {
        seitentest::Umgebung u;
        TForm11 seite(u, 1);
        DatumFeld von, bis;
        const int32_t j1900 = TagesNummer(1900, 1, 1);
        seite.DatumValidationEintrag(&von, j1900, LetzterTagSteuerjahr);
        QCOMPARE(von.Hinweis(), QStringLiteral("Eingabebereich 01.01.1900 - 31.12.2001"));
        // An end before the start: the start is lowered to it.
        seite.DatumValidationEintrag(&von, LetzterTagSteuerjahr, j1900);
        QCOMPARE(von.Von(), j1900);
        // The period's ends narrow each other.
        const int32_t mai = TagesNummer(2001, 5, 1), juni = TagesNummer(2001, 6, 30);
        seite.DatVal_Bis(&bis, mai, ErsterTagSteuerjahr, LetzterTagSteuerjahr);
        QCOMPARE(bis.Von(), mai);
        seite.DatVal_Von(&von, juni, ErsterTagSteuerjahr, LetzterTagSteuerjahr);
        QCOMPARE(von.Bis(), juni);
        seite.DatVal_Von(&von, KeinDatum, ErsterTagSteuerjahr, LetzterTagSteuerjahr);
        QCOMPARE(von.Bis(), LetzterTagSteuerjahr);
        // A date beyond the range shows the hint in the error dialog.
        von.setText(QStringLiteral("31.12.2002"));
        emit von.textEdited(von.text());
        seite.FeldAnschliessen(&von);
        QVERIFY(!von.Uebernehmen());
        QCOMPARE(QString::fromStdString(u.meldungen.protokoll.back().text),
                 QStringLiteral("Eingabebereich 01.01.2001 - 31.12.2001"));
    }

    // A refused take-over ends that list call: a later return of another
    // subordinate page with the take-over flag set writes no old list sum.
    void abgelehnte_uebernahme_vergisst_das_ziel() {
        seitentest::Umgebung u;
        Listensatz l;
        l.SetzeZeilenBetrag(1, 250);
        u.Liste() = l;
        QVERIFY(u.ListeSchreiben(6));
        Listenseite seite(u);
        seite.show();
        seite.feld->SetzeWert(7);
        seite.ListeOeffnen(6, QStringLiteral("Liste"), 541, seite.feld);
        auto* t = seitentest::Zuletzt<TF_Anlage>(u);
        QVERIFY(t);
        u.meldungen.antworten = {Antwort::Nein};
        t->OkClick();
        QApplication::processEvents();
        QCOMPARE(seite.feld->Wert(), 7.0);

        auto* unter = new Nachladeseite(u, 1);
        seite.UnterseiteOeffnen(unter);
        QVERIFY(!seite.isEnabled());
        QVERIFY(unter->close());
        delete unter;
        QApplication::processEvents();
        QVERIFY(seite.isEnabled());
        QCOMPARE(seite.feld->Wert(), 7.0);
        SeitenzustandGlobal().uebernahme = false;
    }
};

QTEST_MAIN(SeitenrahmenTest)
#include "seitenrahmen.moc"
