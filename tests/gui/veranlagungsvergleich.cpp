// The couple's choice of assessment: the comparison window over couples
// where separate or joint assessment is cheaper and a single person, taking
// a choice over (only the choice changes, byte for byte), the ways to the
// window, and the choice on the persons page. With $QUARNEL_BILDER set to a
// directory, the window, the result window's buttons and the persons page
// are saved there as PNG files.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <cstring>

#include "calc/betrag.h"
#include "hauptfenstertest.h"
#include "pages/personen.h"
#include "pages/seiten.h"
#include "pages/veranlagungsart.h"
#include "print/druckausgabe.h"
#include "results/bescheidpruefung.h"
#include "results/txglobveranlagung.h"
#include "results/txglobview.h"
#include "seitentest.h"
#include "shell/tform13.h"
#include "testumgebung.h"

using namespace quarnel;
using namespace quarnel::gui;

namespace {

using seitentest::Eintragen;

// A married couple on the splitting table, both employed.
void Ehepaar(CaseRecord& f, double lohnEr, double lohnSie) {
    f.SetzeInt(Feld::ErSie_FamilienstandLB, 1);
    f.SetzeInt(Feld::StpflGebDat, TagesNummer(1960, 3, 1));
    f.SetzeInt(Feld::EhegGebDat, TagesNummer(1962, 5, 1));
    f.SetzeDbl(Feld::Brutto, lohnEr, 1);
    f.SetzeDbl(Feld::Brutto, lohnSie, 3);
    TabelleEntscheiden(f);
}

struct Paarfall {
    const char* name;
    void (*setzen)(CaseRecord&);
    bool waehlbar;
    Veranlagungsart empfohlen;
};

const Paarfall Paarfaelle[] = {
    // the wife's Arbeitslosengeld raises the rate of joint income (§ 32b EStG)
    {"Ehefrau mit Arbeitslosengeld",
     [](CaseRecord& f) {
         Ehepaar(f, 42000, 42000);
         f.SetzeDbl(Feld::EinkErsProgSie, 60000);
         // both in the church all year, in Nordrhein-Westfalen
         f.SetzeInt(Feld::BundeslandLb, 9);
         for (Feld r : {Feld::StpflReligionLB, Feld::EhegReligionLB}) f.SetzeInt(r, 0);
         for (Feld v : {Feld::StpflReligionVon, Feld::EhegReligionVon}) f.SetzeInt(v, ErsterTagSteuerjahr);
         for (Feld b : {Feld::StpflReligionBis, Feld::EhegReligionBis}) f.SetzeInt(b, LetzterTagSteuerjahr);
         f.SetzeDbl(Feld::LStBrutto, 6000, 1);
     },
     true, Veranlagungsart::Getrennt},
    {"Alleinverdiener", [](CaseRecord& f) { Ehepaar(f, 90000, 0); }, true,
     Veranlagungsart::Zusammen},
    {"ledig",
     [](CaseRecord& f) {
         f.SetzeInt(Feld::ErSie_FamilienstandLB, 0);
         f.SetzeDbl(Feld::Brutto, 50000, 1);
         TabelleEntscheiden(f);
     },
     false, Veranlagungsart::Zusammen},
};

CaseRecord Fall(const Paarfall& p) {
    CaseRecord f;
    NeuerFallDatensatz(f);
    p.setzen(f);
    return f;
}

double Betrag(const QString& zelle) {
    QString t = zelle;
    t.remove(QStringLiteral(" DM")).remove(u'.').replace(u',', u'.');
    bool ok = false;
    const double x = t.toDouble(&ok);
    if (!ok) qWarning() << "kein Betrag:" << zelle;
    return x;
}

// Every byte of the two records equal but those of the choice of assessment.
bool NurWahlVerschieden(const CaseRecord& a, const CaseRecord& b) {
    const std::size_t wahl = CaseRecord::Offset(Feld::Veranlagungsart, 1);
    for (std::size_t i = 0; i < CaseRecord::Groesse; ++i)
        if (a.Daten()[i] != b.Daten()[i] && (i < wahl || i >= wahl + 4)) {
            for (int f = 0; f < int(Feld::Anzahl_); ++f)
                if (CaseRecord::Offset(Feld(f), 1) <= i && i < CaseRecord::Offset(Feld(f), 1) + 8)
                    qWarning() << "DIFF" << i << Def(Feld(f)).name;
            return false;
        }
    return true;
}

void Bild(QWidget& w, const QString& name) {
    const QByteArray dir = qgetenv("QUARNEL_BILDER");
    if (dir.isEmpty()) return;
    w.grab().save(QString::fromLocal8Bit(dir) + u'/' + name);
}

}  // namespace

class VeranlagungsvergleichTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void tabelle_und_empfehlung_je_fall() {
        for (const Paarfall& p : Paarfaelle) {
            const QByteArray name(p.name);
            CaseRecord fall = Fall(p);
            const CaseRecord vorher = fall;
            MeldungsSenke senke;
            TxGlobVeranlagung w(nullptr, fall, VeranlagungDienste{&senke, {}});
            QVERIFY2(fall == vorher, name);  // computing touches nothing
            const VeranlagungsVergleich& v = w.Vergleich();
            QCOMPARE(v.waehlbar, p.waehlbar);
            QCOMPARE(v.empfohlen, p.empfohlen);
            QTableWidget* t = w.Tabelle();
            QCOMPARE(t->columnCount(), p.waehlbar ? 2 : 1);
            QCOMPARE(t->rowCount(), 6);
            // per column: the total is its three taxes, the difference to the
            // cheapest column is what the last row says
            double minimum = 1e300;
            for (int s = 0; s < t->columnCount(); ++s) minimum = std::min(minimum, Betrag(t->item(3, s)->text()));
            for (int s = 0; s < t->columnCount(); ++s) {
                for (int z = 0; z < 6; ++z)
                    QVERIFY2(t->item(z, s)->text().contains(QRegularExpression(QStringLiteral(",\\d\\d DM$"))),
                             qPrintable(t->item(z, s)->text()));
                const double gesamt = Betrag(t->item(3, s)->text());
                QVERIFY2(std::fabs(Betrag(t->item(0, s)->text()) + Betrag(t->item(1, s)->text()) +
                                   Betrag(t->item(2, s)->text()) - gesamt) < 0.015,
                         name);
                QVERIFY2(std::fabs(Betrag(t->item(5, s)->text()) - (gesamt - minimum)) < 0.015, name);
                const QString kopf = t->horizontalHeaderItem(s)->text();
                QCOMPARE(kopf.contains(QStringLiteral("(empfohlen)")),
                         p.waehlbar && std::fabs(gesamt - minimum) < 0.005);
            }
            QCOMPARE(w.findChild<QPushButton*>(QStringLiteral("UebernehmenBtn"))->isEnabled(), p.waehlbar);
            const QString text = w.EmpfehlungLbl()->text();
            if (!p.waehlbar) {
                QVERIFY(text.contains(QStringLiteral("nur Ehegatten")));
                continue;
            }
            QVERIFY2(text.startsWith(QStringLiteral("Empfehlung: ") +
                                     QString::fromUtf8(VeranlagungsartText(p.empfohlen))),
                     qPrintable(text));
            // the saving named is the difference of the two full computations
            const double spanne = std::fabs(Betrag(t->item(3, 0)->text()) - Betrag(t->item(3, 1)->text()));
            QVERIFY(spanne > 100);
            QVERIFY2(text.contains(QString::fromStdString(DMText(spanne)) + QStringLiteral(" DM")),
                     qPrintable(text));
            if (p.empfohlen == Veranlagungsart::Getrennt) Bild(w, QStringLiteral("veranlagungsvergleich.png"));
        }
    }

    void uebernehmen_setzt_nur_die_wahl() {
        CaseRecord fall = Fall(Paarfaelle[0]);
        const CaseRecord vorher = fall;
        MeldungsSenke senke;
        int uebernommen = 0;
        TxGlobVeranlagung w(nullptr, fall, VeranlagungDienste{&senke, [&] { ++uebernommen; }});
        QCOMPARE(w.Wahl()->currentText(), QStringLiteral("Getrennte Veranlagung"));
        // declined: nothing changes
        senke.antworten = {Antwort::Nein};
        QVERIFY(!w.UebernehmenBtnClick());
        QVERIFY(fall == vorher);
        QCOMPARE(uebernommen, 0);
        QCOMPARE(senke.protokoll.back().typ, MeldungsTyp::Bestaetigung);
        QVERIFY(senke.protokoll.back().text.find("„getrennte Veranlagung“") != std::string::npos);
        // confirmed: only the choice, and the window shows it as chosen
        w.findChild<QPushButton*>(QStringLiteral("UebernehmenBtn"))->click();
        QVERIFY(w.Uebernommen());
        QCOMPARE(uebernommen, 1);
        QVERIFY(!(fall == vorher));
        QVERIFY(NurWahlVerschieden(fall, vorher));
        QCOMPARE(GespeicherteVeranlagungsart(fall), Veranlagungsart::Getrennt);
        QVERIFY(w.Tabelle()->horizontalHeaderItem(1)->text().contains(QStringLiteral("(gewählt)")));
        QVERIFY(w.EmpfehlungLbl()->text().contains(QStringLiteral("bereits gewählt")));
        // the same again: said, not asked
        const std::size_t n = senke.protokoll.size();
        QVERIFY(!w.UebernehmenBtnClick());
        QCOMPARE(senke.protokoll.size(), n + 1);
        QCOMPARE(senke.protokoll.back().typ, MeldungsTyp::Information);
        // back to joint
        w.Wahl()->setCurrentIndex(w.Wahl()->findText(QStringLiteral("Zusammenveranlagung")));
        QVERIFY(w.UebernehmenBtnClick());
        QVERIFY(fall == vorher);
    }

    void aus_menue_und_ergebnisfenster() {
        testumgebung::Hauptfenster h;
        TF_GlobMain& m = h.Starten();
        QAction* a = m.Aktion(QStringLiteral("i_Veranlagung"));
        QVERIFY(a);
        QCOMPARE(a->text(), QStringLiteral("&Veranlagungsarten vergleichen"));
        a->trigger();  // without a case: nothing opens
        QVERIFY(!QApplication::activeModalWidget());
        h.senke.antworten = {Antwort::OK, Antwort::Nein};
        m.D_NeuItemClick();
        Paarfaelle[0].setzen(m.Fall().Satz());
        m.Pruefen(10);  // the case as the running computation leaves it
        m.SetzeFallVeraendert(false);
        // the persons page open beside: it must not store its old choice back
        m.show();
        QTRY_VERIFY(m.ErsteAnzeigeErledigt());
        m.SeiteOeffnen(1, 1);
        TF_ErSie* personen = nullptr;
        for (QMdiSubWindow* w : m.Mdi()->subWindowList())
            if (auto* p = qobject_cast<TF_ErSie*>(w->widget())) personen = p;
        QVERIFY(personen && personen->Geladen());
        QCOMPARE(qobject_cast<QComboBox*>(personen->Steuer(Feld::Veranlagungsart))->currentIndex(), 0);
        const CaseRecord vorher = m.Fall().Satz();
        h.senke.antworten.clear();
        bool gesehen = false;
        testumgebung::BeiModal([&](QWidget* w) {
            auto* v = qobject_cast<TxGlobVeranlagung*>(w);
            gesehen = v != nullptr;
            if (!v) {
                w->close();
                return;
            }
            v->findChild<QPushButton*>(QStringLiteral("UebernehmenBtn"))->click();  // the sink says Ja
            v->findChild<QPushButton*>(QStringLiteral("SchliessenBtn"))->click();
        });
        a->trigger();
        QVERIFY(gesehen);
        QVERIFY(m.FallVeraendert());
        QCOMPARE(GespeicherteVeranlagungsart(m.Fall().Satz()), Veranlagungsart::Getrennt);
        QVERIFY(NurWahlVerschieden(m.Fall().Satz(), vorher));
        QCOMPARE(qobject_cast<QComboBox*>(personen->Steuer(Feld::Veranlagungsart))->currentIndex(), 1);
        QVERIFY(m.SeitenSchliessen());
        QCOMPARE(GespeicherteVeranlagungsart(m.Fall().Satz()), Veranlagungsart::Getrennt);

        // the result window's button; a choice taken over closes it
        Einstellungen einst;
        QTemporaryDir dir;
        testumgebung::SkriptDialoge dialoge;
        Druckausgabe druck{nullptr, einst, dir.filePath(QStringLiteral("RPP")).toStdString(),
                           {&h.senke, &dialoge}};
        Ergebnistext text;
        for (bool uebernommen : {false, true}) {
            int gerufen = 0;
            TxGlobView view(nullptr, text, einst, druck,
                            ErgebnisDienste{&h.senke, &dialoge, {}, {}, {}, [&] {
                                                ++gerufen;
                                                return uebernommen;
                                            }});
            view.show();
            if (!uebernommen) Bild(view, QStringLiteral("ergebnisfenster_knopf.png"));
            view.findChild<QPushButton*>(QStringLiteral("VeranlagungBtn"))->click();
            QCOMPARE(gerufen, 1);
            QCOMPARE(view.isVisible(), !uebernommen);
        }
    }

    // The choice on the persons page: offered only to a couple on the
    // splitting table, named for the screen reader, and the rule of the field
    // with its note when the marital status takes the choice away.
    void wahl_auf_der_personenseite() {
        struct Stand {
            int familienstand;
            const char* seit;
            bool waehlbar;
        } staende[] = {{0, nullptr, false}, {1, "01.06.1990", true}, {2, "01.06.1999", false},
                       {3, "01.06.1999", false}, {4, "01.06.1999", false}};
        for (const Stand& s : staende) {
            seitentest::Umgebung u;
            auto* p = new TF_ErSie(u);
            u.Zeigen(p);
            auto* wahl = qobject_cast<QComboBox*>(p->Steuer(Feld::Veranlagungsart));
            QVERIFY(wahl);
            QVERIFY(!wahl->accessibleName().isEmpty());
            auto* lbl = p->findChild<QLabel*>(QStringLiteral("VeranlagungsartLbl"));
            QVERIFY(lbl && lbl->buddy() == wahl);
            Eintragen(*p, Feld::ErSie_FamilienstandLB, QString::number(s.familienstand));
            if (s.seit) Eintragen(*p, Feld::FamStandSeit, QString::fromLatin1(s.seit));
            QCOMPARE(wahl->isEnabled(), s.waehlbar);
            QCOMPARE(VeranlagungWaehlbar(u.Satz()), s.waehlbar);
            if (!s.waehlbar) {
                delete p;
                continue;
            }
            Eintragen(*p, Feld::Veranlagungsart, QStringLiteral("1"));
            QVERIFY(u.meldungen.protokoll.empty() ||
                    u.meldungen.protokoll.back().text.find("Veranlagung") == std::string::npos);
            QCOMPARE(GespeicherteVeranlagungsart(u.Satz()), Veranlagungsart::Getrennt);
            p->ReiterZeigen(QStringLiteral("&Stpfl."));
            Bild(*p, QStringLiteral("personenseite_veranlagungsart.png"));
            // single again: the choice goes back to joint, and the page says so
            Eintragen(*p, Feld::ErSie_FamilienstandLB, QStringLiteral("0"));
            QVERIFY(!wahl->isEnabled());
            QCOMPARE(wahl->currentIndex(), 0);
            QCOMPARE(GespeicherteVeranlagungsart(u.Satz()), Veranlagungsart::Zusammen);
            QVERIFY(testumgebung::EnthaeltText(u.meldungen, "Getrennte Veranlagung können nur Ehegatten"));
            QVERIFY(p->close());
            QCOMPARE(u.Satz().Int(Feld::Veranlagungsart), 0);
        }
    }
};

QTEST_MAIN(VeranlagungsvergleichTest)
#include "veranlagungsvergleich.moc"
