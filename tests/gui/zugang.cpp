// The pages as a screen reader and the keyboard meet them: every input
// named, every result reachable, the Alt letters of a page its own, and no
// key that hides a sub-page behind its opener.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTabWidget>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <functional>
#include <set>

#include "hauptfenstertest.h"
#include "pages/seiten.h"
#include "pages/seite_belastungen.h"
#include "pages/seite_kapital.h"
#include "pages/seite_sonderausgaben2.h"
#include "pages/seite_werbungskosten.h"
#include "pages/tf_anlage.h"
#include "print/druckausgabe.h"
#include "results/bescheid.h"
#include "results/txglobview.h"
#include "shell/tf_globmain.h"
#include "results/gliederungsansicht.h"
#include "seitentest.h"
#include "widgets/zugang.h"

using namespace quarnel;
using namespace quarnel::gui;

namespace {

QString Wo(const QWidget* w) {
    QString pfad = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                             : w->objectName();
    return pfad;
}

// What a page owes a screen reader and the keyboard; the faults found, one a line.
QStringList Maengel(TForm11& s, const QString& belegt) {
    QStringList m;
    for (QWidget* w : Unbenannte(&s)) m << QStringLiteral("ohne Namen: ") + Wo(w);
    for (QLineEdit* e : s.findChildren<QLineEdit*>())
        if (e->isReadOnly() && e->focusPolicy() == Qt::NoFocus)
            m << QStringLiteral("Ergebnis ohne Fokus: ") + Wo(e);
        else if (e->isReadOnly() && e->accessibleDescription().startsWith(QStringLiteral("Eingabebereich")))
            m << QStringLiteral("Ergebnis mit Eingabebereich: ") + Wo(e);
    // Unique on the page; a menu's letter only where the caption has no other free one.
    QString seite;
    QStringList texte;
    for (QTabWidget* nb : s.Notizbuecher())
        for (int i = 0; i < nb->count(); ++i) {
            const QChar c = Kennbuchstabe(nb->tabText(i));
            if (c.isNull())
                m << QStringLiteral("Reiter ohne Alt-Buchstaben: ") + nb->tabText(i);
            else if (seite.contains(c))
                m << QStringLiteral("Alt+%1 doppelt: ").arg(c) + nb->tabText(i);
            seite += c;
            texte << nb->tabText(i);
        }
    for (const QString& t : texte)
        if (belegt.contains(Kennbuchstabe(t)))
            for (QChar c : QString(t).remove(u'&').toUpper())
                if (c.isLetterOrNumber() && c.unicode() < 128 && !seite.contains(c) && !belegt.contains(c)) {
                    m << QStringLiteral("Alt-Buchstabe eines Menüs, %1 wäre frei: ").arg(c) + t;
                    break;
                }
    return m;
}

// Every page the navigator can open, and the subordinate pages.
std::vector<std::pair<QString, std::function<TForm11*(seitentest::Umgebung&)>>> AlleSeiten(
    const CaseRecord& r) {
    std::vector<std::pair<QString, std::function<TForm11*(seitentest::Umgebung&)>>> alle;
    for (int b = 1; b <= AnzahlBereiche; ++b)
        for (int s = 1; s <= 15; ++s)
            if (SeitenmerkerTest(r, SM_Vorhanden, b, s))
                alle.emplace_back(QStringLiteral("%1.%2").arg(b).arg(s),
                                  [b, s](seitentest::Umgebung& u) { return SeiteErzeugen(u, b, s); });
    using U = seitentest::Umgebung;
    alle.emplace_back("Liste", [](U& u) { return new TF_Anlage(u); });
    alle.emplace_back("Behinderung", [](U& u) { return new TF_BehindN(u, 1); });
    alle.emplace_back("Ausbildung", [](U& u) { return new TF_Ausbild(u, 1); });
    alle.emplace_back("Kapitalliste", [](U& u) { return new TF_KsoList(u, 1); });
    alle.emplace_back("Haushaltshilfe",
                      [](U& u) { return new TF_HausHi(u, TF_HausHi::Aufruf::Sonderausgabe); });
    alle.emplace_back("Einkünfte", [](U& u) { return new TF_AbEink(u, 1); });
    alle.emplace_back("Abschreibung", [](U& u) { return new TF_AFA(u, 1); });
    return alle;
}

// A new case with a marital status, page (bereich, seite) open in the
// shown and active main window.
void SeiteImHauptfenster(testumgebung::Hauptfenster& h, int bereich, int seite, TForm11*& offen) {
    TF_GlobMain& haupt = *h.haupt;
    haupt.show();
    QTRY_VERIFY(haupt.ErsteAnzeigeErledigt());
    h.senke.antworten = {Antwort::OK, Antwort::Nein};
    haupt.D_NeuItemClick();
    QVERIFY(haupt.SeitenSchliessen());
    haupt.Fall().Satz().SetzeInt(Feld::ErSie_FamilienstandLB, 0);
    haupt.SeiteOeffnen(bereich, seite);
    haupt.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&haupt));
    offen = qobject_cast<TForm11*>(haupt.Mdi()->activeSubWindow()->widget());
}

// What a reader says for each line of a model, the branches' lines included.
QStringList Zeilentexte(const QAbstractItemModel& m, const QModelIndex& eltern = {}) {
    QStringList texte;
    for (int z = 0; z < m.rowCount(eltern); ++z) {
        const QModelIndex i = m.index(z, 0, eltern);
        const QVariant sprech = i.data(Qt::AccessibleTextRole);
        texte << (sprech.isValid() ? sprech : i.data(Qt::DisplayRole)).toString();
        texte << Zeilentexte(m, i);
    }
    return texte;
}

// Leaders, rules and signs drawn for the eye: a run of three marks alike, "¤".
bool IstTextkunst(const QString& t) {
    for (int k = 0; k + 2 < t.size(); ++k)
        if (!t[k].isLetterOrNumber() && !t[k].isSpace() && t[k] == t[k + 1] && t[k] == t[k + 2])
            return true;
    return t.contains(QChar(0xA4));
}

QString Name(TForm11& s, Feld f) {
    QWidget* w = s.Steuer(f);
    return w ? w->accessibleName() : QStringLiteral("(kein Feld)");
}

}  // namespace

class Zugang : public QObject {
    Q_OBJECT

  private slots:
    // One sweep over every page: names, reachable results, Alt letters.
    void jede_seite_ist_benannt_und_hat_eigene_alt_buchstaben() {
        testumgebung::Hauptfenster h;
        h.Starten();  // its menus take their letters
        const QString menue = Fensterbuchstaben();
        QVERIFY(menue.contains(u'D') && menue.contains(u'H'));
        seitentest::Umgebung u;
        QStringList maengel;
        int seiten = 0;
        for (auto& [ort, bauen] : AlleSeiten(u.Satz())) {
            TForm11* s = bauen(u);
            if (!s) continue;
            u.Zeigen(s);
            ++seiten;
            for (const QString& m : Maengel(*s, menue)) maengel << ort + QStringLiteral(" ") + s->objectName() + QStringLiteral(": ") + m;
            if (qEnvironmentVariableIsSet("ZUGANG_NAMEN"))
                for (QWidget* w : s->findChildren<QWidget*>())
                    if (!w->accessibleName().isEmpty())
                        qInfo().noquote() << ort << s->objectName() << Wo(w) << "=" << w->accessibleName()
                                          << "|" << w->accessibleDescription();
            delete s;
        }
        QVERIFY(seiten > 60);
        QVERIFY2(maengel.isEmpty(), qPrintable(maengel.join(u'\n')));
    }

    // The main window (tool bar, side panel) and the windows its commands
    // open: no control a screen reader announces without a caption.
    void jedes_fenster_ist_benannt_data() {
        QTest::addColumn<QString>("befehl");  // empty: the main window itself
        // A menu command by its name, a button of the tool bar by its name.
        for (const char* b : {"", "i_Berechnung", "E_Navigator", "K_VoreinItem", "i_Veranlagung",
                              "i_BescheidPruefen", "D_DruckFormulare", "SpeedKalenderBtn", "SpeedRechnerBtn", "NotizBitBtn"})
            QTest::newRow(*b ? b : "Hauptfenster") << QString::fromLatin1(b);
    }
    void jedes_fenster_ist_benannt() {
        QFETCH(QString, befehl);
        testumgebung::Hauptfenster h;
        TF_GlobMain& haupt = h.Starten();
        haupt.Einst().imFenster = true;  // the result in its window, not the preview
        TForm11* seite = nullptr;
        SeiteImHauptfenster(h, 1, 1, seite);
        QVERIFY(haupt.SeitenSchliessen());
        QStringList maengel;
        auto pruefen = [&maengel](QWidget* fenster) {
            for (QWidget* w : Unbenannte(fenster))
                maengel << Wo(fenster) + QStringLiteral(": ") + Wo(w);
            // The lines of a tree are read as words, without leaders and signs.
            for (QTreeView* baum : fenster->findChildren<QTreeView*>())
                for (const QString& t : Zeilentexte(*baum->model()))
                    if (IstTextkunst(t)) maengel << Wo(baum) + QStringLiteral(": ") + t;
        };
        if (befehl.isEmpty()) {
            pruefen(&haupt);
        } else {
            QAction* a = haupt.Aktion(befehl);
            auto* k = haupt.findChild<QAbstractButton*>(befehl);
            QVERIFY(a || k);
            bool offen = false;
            testumgebung::BeiModal([&](QWidget* w) {
                offen = true;
                pruefen(w);
                w->close();
            });
            if (a) a->trigger();
            else k->click();
            QTRY_VERIFY(offen);
        }
        QVERIFY2(maengel.isEmpty(), qPrintable(maengel.join(u'\n')));
    }

    // Fields in person columns under one row caption, a check box "ja" by
    // its question, a computed value by its caption, the range said with it.
    void namen_der_personen_und_der_lohnkarte_data() {
        QTest::addColumn<int>("bereich");
        QTest::addColumn<int>("seite");
        QTest::addColumn<int>("feld");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("beschreibung");  // empty: not looked at
        const struct {
            const char* tag;
            int bereich, seite;
            Feld feld;
            const char* name;
            const char* beschreibung;
        } faelle[] = {
            {"Vorname", 1, 1, Feld::StpflVorname, "Vorname", ""},
            {"Geburtsdatum", 1, 1, Feld::StpflGebDat, "Geburtsdatum",
             "Eingabebereich 01.01.1900 bis 31.12.2001"},
            {"Familienstand", 1, 1, Feld::ErSie_FamilienstandLB, "Familienstand", ""},
            {"Personenspalte", 1, 1, Feld::Besch630Sie,
             "Steuerfreier Arbeitslohn aus 630 DM Beschäftigungen – Ehefrau", ""},
            {"Zeitraum vom", 1, 1, Feld::ZeitwAuslEkVom, "Im Inland ansässig vom", ""},
            {"Zeitraum bis", 1, 1, Feld::ZeitwAuslEkBis, "Im Inland ansässig bis", ""},
            {"seit", 1, 1, Feld::FamStandSeit, "Familienstand seit", ""},
            {"Religion vom", 1, 1, Feld::StpflReligionVon, "Religion vom", ""},
            {"Religion bis", 1, 1, Feld::EhegReligionBis, "Religion bis", ""},
            {"als", 3, 1, Feld::KeineRVPflAls, "Eheg.-Arbeitsvertr. als", ""},
            {"Listenstrich", 2, 1, Feld::KindschaftWpVom, "bestanden zu vom", ""},
            {"Fahrzeug", 1, 2, Feld::AnzLeasing, "Leasingkosten", ""},
            {"Bruttoarbeitslohn", 3, 1, Feld::Brutto, "3. Bruttoarbeitslohn",
             "Eingabebereich -99.999.999,00 bis 99.999.999,00"},
            {"ohne Katalogtext", 3, 1, Feld::ZeitenNichtbesch,
             "Zeiten und Gründe der Nichtbeschäftigung", ""},
            {"Spaltenkopf", 3, 1, Feld::Vwl2Betrag, "2. – Betrag", ""},
            {"Anteil Ehefrau", 7, 1, Feld::AnteilSie8,
             "Vermietung/Verpachtung unbebauter Grundstücke – Ehefrau", ""},
            {"Kasten ja", 17, 2, Feld::KiImHH3, "3. Kind – Im Haushalt", ""},
            {"unter Überschrift", 14, 1, Feld::AbzugAltobjekte,
             "Abzugsbeträge wurden bereits beansprucht für", ""},
        };
        for (const auto& f : faelle)
            QTest::newRow(f.tag) << f.bereich << f.seite << int(f.feld) << QString::fromUtf8(f.name)
                                 << QString::fromUtf8(f.beschreibung);
    }
    void namen_der_personen_und_der_lohnkarte() {
        QFETCH(int, bereich);
        QFETCH(int, seite);
        QFETCH(int, feld);
        QFETCH(QString, name);
        QFETCH(QString, beschreibung);
        seitentest::Umgebung u;
        TForm11* s = seitentest::SeiteOeffnen(u, bereich, seite);
        QVERIFY(s);
        QCOMPARE(Name(*s, static_cast<Feld>(feld)), name);
        if (!beschreibung.isEmpty())
            QCOMPARE(s->Steuer(static_cast<Feld>(feld))->accessibleDescription(), beschreibung);
        // The caption leads to its field (Alt + its letter, and the reader's label).
        if (auto* l = s->findChild<QLabel*>(QString::fromLatin1(Def(static_cast<Feld>(feld)).name) + QStringLiteral("Lbl")))
            QCOMPARE(l->buddy(), s->Steuer(static_cast<Feld>(feld)));
        // For a look with the accessibility tree: keeps the page on screen.
        if (const int ms = qEnvironmentVariableIntValue("ZUGANG_ZEIGEN_MS"); ms > 0) QTest::qWait(ms);
        delete s;
    }

    // A value shown in a label beside its button is said with the button.
    void anzeige_neben_dem_knopf_data() {
        QTest::addColumn<int>("bereich");
        QTest::addColumn<int>("seite");
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<QString>("beschreibung");
        QTest::newRow("Behinderung") << 1 << 1 << "StpflBehinderungBtn" << "Pauschbetrag 0,00 DM";
        QTest::newRow("Fahrzeug") << 1 << 2 << "Fahrzeug1Btn" << "Frei, KM-Satz 0,00";
    }
    void anzeige_neben_dem_knopf() {
        QFETCH(int, bereich);
        QFETCH(int, seite);
        QFETCH(QString, knopf);
        QFETCH(QString, beschreibung);
        seitentest::Umgebung u;
        TForm11* s = seitentest::SeiteOeffnen(u, bereich, seite);
        QVERIFY(s);
        auto* k = s->findChild<QWidget*>(knopf);
        QVERIFY(k);
        QCOMPARE(k->accessibleDescription(), beschreibung);
        delete s;
    }

    // Ctrl+Tab in a list sub-page switches its tabs; the disabled opener never
    // comes to the front over it, by the key nor when it is activated.
    void ctrl_tab_laesst_die_liste_vorn() {
        testumgebung::Hauptfenster h;
        TF_GlobMain& haupt = h.Starten();
        TForm11* seite = nullptr;
        SeiteImHauptfenster(h, 12, 1, seite);
        QVERIFY(seite);
        auto* knopf = seite->findChild<QPushButton*>(QStringLiteral("PrivateBtn"));
        QVERIFY(knopf);
        seite->ReiterZeigen(QStringLiteral("&Private"));
        knopf->click();
        QMdiSubWindow* vorn = haupt.Mdi()->activeSubWindow();
        auto* liste = qobject_cast<TF_Anlage*>(vorn->widget());
        QVERIFY(liste);
        QVERIFY(!seite->isEnabled());
        QTabWidget* nb = liste->OvcNb();
        QVERIFY(nb->count() > 1);
        const int reiter = nb->currentIndex();
        QTRY_VERIFY(QApplication::focusWidget() && liste->isAncestorOf(QApplication::focusWidget()));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Control);
        QApplication::processEvents();
        QCOMPARE(haupt.Mdi()->activeSubWindow(), vorn);
        QVERIFY(nb->currentIndex() != reiter);
        QVERIFY(liste->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(nb->currentIndex(), reiter);
        QCOMPARE(haupt.Mdi()->activeSubWindow(), vorn);
        // With the focus on the list page itself (a menu closed over it), too.
        liste->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(liste));
        QTest::keyClick(liste, Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(nb->currentIndex() != reiter);
        QCOMPARE(haupt.Mdi()->activeSubWindow(), vorn);

        // Activating the opener (a click on it, the window list) brings the list back.
        for (QMdiSubWindow* w : haupt.Mdi()->subWindowList())
            if (w->widget() == seite) haupt.Mdi()->setActiveSubWindow(w);
        QTRY_COMPARE(haupt.Mdi()->activeSubWindow(), vorn);
        liste->close();
        QTRY_VERIFY(seite->isEnabled());
    }

    // The side view's focus still reaches the page's tabs with Alt + letter.
    void alt_buchstabe_aus_der_seitenansicht() {
        testumgebung::Hauptfenster h;
        TF_GlobMain& haupt = h.Starten();
        TForm11* seite = nullptr;
        SeiteImHauptfenster(h, 3, 1, seite);
        QVERIFY(seite);
        QTabWidget* nb = seite->OvcNb();
        const int ziel = nb->count() - 1;
        const QChar c = Kennbuchstabe(nb->tabText(ziel));
        QVERIFY(!c.isNull());
        QVERIFY(!Fensterbuchstaben().contains(c));
        haupt.Seitenansicht()->widget()->setFocus();
        QTRY_VERIFY(QApplication::focusWidget() &&
                    haupt.Seitenansicht()->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(c.unicode()), Qt::AltModifier);
        QCOMPARE(nb->currentIndex(), ziel);
    }

    // The notice on screen: headings as branches, the rows of its tables with
    // their amounts in columns; the fixed-width lines stay in the other tab.
    void ergebnis_als_gegliedertes_dokument() {
        Ergebnistext text;
        {
            BescheidSchreiber w(text);
            w.Textzeile(46, "B E S C H E I D");
            w.Leerzeilen(1);
            w.Textzeile(0, "F e s t s e t z u n g   u n d   A b r e c h n u n g");
            w.Zeile("+---------------------------+-------------+");
            w.Zeile("|                           | Einkommen-   |");
            w.Zeile("|                           | steuer    DM |");
            w.Zeile("| Festgesetzt werden        |     4.321,00 |");
            w.Zeile("+---------------------------+-------------+");
            w.Betragszeile(1, Ansi("Summe der Einkünfte"), 9, 45000.0, 3);
            w.Paarzeile(1, Ansi("Einkünfte aus Kapitalvermögen"), 5, 0.0, 250.0, 3);
        }
        Einstellungen einst;
        MeldungsSenke meldungen;
        testumgebung::SkriptDialoge dialoge;
        QTemporaryDir dir;
        Druckausgabe druck{nullptr, einst, dir.filePath(QStringLiteral("RPP")).toStdString(),
                           {&meldungen, &dialoge}};
        TxGlobView v(nullptr, text, einst, druck, ErgebnisDienste{&meldungen, &dialoge, {}, {}, {}, {}});
        QTreeWidget* baum = v.Gliederung();
        QVERIFY(baum);
        QCOMPARE(v.focusWidget() ? v.focusWidget() : baum, baum);
        QStringList koepfe;
        QTreeWidgetItem* festgesetzt = nullptr;
        for (int i = 0; i < baum->topLevelItemCount(); ++i) {
            QTreeWidgetItem* k = baum->topLevelItem(i);
            if (k->font(0).bold()) koepfe << k->text(0);
            for (int j = 0; j < k->childCount(); ++j)
                if (k->child(j)->text(0) == QStringLiteral("Festgesetzt werden")) festgesetzt = k->child(j);
        }
        QVERIFY2(koepfe.contains(QStringLiteral("BESCHEID")), qPrintable(koepfe.join(u'|')));
        QVERIFY2(koepfe.contains(QStringLiteral("Festsetzung und Abrechnung")), qPrintable(koepfe.join(u'|')));
        QVERIFY(festgesetzt);
        QVERIFY(festgesetzt->parent()->text(0) == QStringLiteral("Festsetzung und Abrechnung"));
        QCOMPARE(festgesetzt->text(1), QStringLiteral("4.321,00"));
        // An amount is read with the heading of its column, not "column 2".
        QCOMPARE(festgesetzt->data(1, Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Einkommensteuer DM: 4.321,00"));
        for (int i = 1; i < baum->columnCount(); ++i)
            QCOMPARE(baum->headerItem()->text(i), QStringLiteral("Betrag"));
        // The spouse's amount stays in the spouse's column.
        QTreeWidgetItem* paar = festgesetzt->parent()->child(festgesetzt->parent()->childCount() - 1);
        QCOMPARE(paar->text(1), QString());
        QCOMPARE(paar->text(2), QStringLiteral("250,00"));
        QCOMPARE(v.Liste()->model()->rowCount(), int(text.zeilen.size()));
    }

    // The balance stays readable: 4.5:1 on the status bar.
    void saldo_farben_mit_kontrast() {
        testumgebung::Hauptfenster h;
        TF_GlobMain& haupt = h.Starten();
        const unsigned grund = haupt.statusBar()->palette().color(QPalette::Window).rgb() & 0xFFFFFF;
        QVERIFY2(Kontrast(SaldoRot, grund) >= 4.5, qPrintable(QString::number(Kontrast(SaldoRot, grund))));
        QVERIFY2(Kontrast(SaldoGruen, grund) >= 4.5, qPrintable(QString::number(Kontrast(SaldoGruen, grund))));
        QCOMPARE(qRound(Kontrast(0xFFFFFF, 0x000000)), 21);
        for (QToolButton* b : haupt.findChildren<QToolButton*>())
            if (b->isVisibleTo(&haupt) || b->parentWidget()->objectName() == QStringLiteral("NavigatorPnl"))
                QVERIFY2(!b->accessibleName().isEmpty() || !b->text().isEmpty(), qPrintable(b->objectName()));
    }
};

QTEST_MAIN(Zugang)
#include "zugang.moc"
