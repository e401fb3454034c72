// The main window: menu tree, menu states, start-up, case commands, exit,
// the running computation and the help commands, with scripted messages.
#include <unistd.h>

#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>
#include <fstream>
#include <set>

#include "calc/berechnung.h"
#include "calc/deklaration.h"
#include "case/fallbefehle.h"
#include "pages/tform11.h"
#include "print/druckausgabe.h"
#include "print/txglobfdrk.h"
#include "shell/anzeige.h"
#include "shell/falldialoge.h"
#include "shell/kleinfenster.h"
#include "shell/tf_globlfdview.h"
#include "shell/tf_memo.h"
#include "shell/txnavigator.h"
#include "shell/notiz.h"
#include "shell/qtdienste.h"
#include "shell/tf_globmain.h"
#include "shell/tform13.h"
#include "shell/txglobconf.h"
#include "testumgebung.h"
#include "widgets/zugang.h"
#include "widgets/maskenfeld.h"

using namespace quarnel;
using namespace quarnel::gui;
using testumgebung::BeiModal;
using testumgebung::EnthaeltText;
using testumgebung::Umgebung;

namespace {

// An entry page that stores its field when asked to close, or refuses.
class TestSeite : public QWidget {
  public:
    explicit TestSeite(bool verweigern = false, std::vector<std::string>* protokoll = nullptr,
                       std::string name = "Seite")
        : verweigern_(verweigern), protokoll_(protokoll), name_(std::move(name)) {
        auto* l = new QVBoxLayout(this);
        for (int i = 0; i < 3; ++i) {
            auto* f = new QLineEdit(this);
            f->setProperty("hilfeNummer", 1201 + i);
            felder.push_back(f);
            l->addWidget(f);
        }
    }
    std::vector<QLineEdit*> felder;
    int gefragt = 0;
    // The commands that store the entries without closing ask here.
    bool Sichern() {
        ++gefragt;
        if (protokoll_)
            protokoll_->push_back(name_ + (verweigern_ ? " verweigert" : " gespeichert"));
        return !verweigern_;
    }

  protected:
    void closeEvent(QCloseEvent* e) override {
        ++gefragt;
        if (protokoll_)
            protokoll_->push_back(name_ + (verweigern_ ? " verweigert" : " gespeichert"));
        if (verweigern_)
            e->ignore();
        else
            e->accept();
    }

  private:
    bool verweigern_;
    std::vector<std::string>* protokoll_;
    std::string name_;
};

struct Aufbau {
    Umgebung umg;
    MeldungsSenke senke;
    testumgebung::SkriptDialoge dialoge;
    testumgebung::FesteUhr uhr;
    testumgebung::MerkDesktop desktop;
    std::unique_ptr<TF_GlobMain> haupt;

    explicit Aufbau(const std::string& ini = "[Start]\nTips=0\nEingangsFenster=0\n",
                    bool mitDaten = true, Startschalter schalter = {})
        : umg(ini, mitDaten) {
        haupt = std::make_unique<TF_GlobMain>(schalter, umg.pfade,
                                              ShellDienste{&senke, &dialoge, &uhr, &desktop});
        // The shell is tested with its own test pages; the real ones wait here.
        echteSeiten = std::move(haupt->fall.seiteErzeugen);
        haupt->fall.seiteErzeugen = nullptr;
        echtesSichern = haupt->fall.seiteSichern;
        haupt->fall.seiteSichern = [this](QWidget* w, bool still) {
            if (auto* t = dynamic_cast<TestSeite*>(w)) return still || t->Sichern();
            return echtesSichern(w, still);
        };
    }
    std::function<QWidget*(int, int)> echteSeiten;
    std::function<bool(QWidget*, bool)> echtesSichern;
    void Zeigen() {
        haupt->show();
        QTRY_VERIFY(haupt->ErsteAnzeigeErledigt());
    }
    // A new case with a marital status and wage card 1 open, the window active.
    TForm11* LohnkarteOeffnen() {
        senke.antworten = {Antwort::OK, Antwort::Nein};
        haupt->D_NeuItemClick();
        haupt->SeitenSchliessen();
        haupt->Fall().Satz().SetzeInt(Feld::ErSie_FamilienstandLB, 0);
        haupt->SeiteOeffnen(3, 1);
        haupt->activateWindow();
        if (!QTest::qWaitForWindowActive(haupt.get())) return nullptr;
        return qobject_cast<TForm11*>(haupt->Mdi()->activeSubWindow()->widget());
    }
    bool An(const char* name) const {
        if (QAction* a = haupt->Aktion(QString::fromLatin1(name))) return a->isEnabled();
        return haupt->Knopf(QString::fromLatin1(name))->isEnabled();
    }
};

// What the command-line tool computes for a case file: the record read from
// the file, the declaration values filled (quick or full) and computed.
struct Dateiergebnis {
    double saldo = 0, est = 0;
};
Dateiergebnis DateiBerechnen(const QString& pfad, bool kurz) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray b = f.readAll();
    auto satz = std::make_unique<CaseRecord>();
    std::copy_n(reinterpret_cast<const uint8_t*>(b.constData()), CaseRecord::Groesse,
                satz->Bytes().begin());
    auto e = std::make_unique<CalcInput>();
    auto r = std::make_unique<CalcResult>();
    DeklarationFuellen(*satz, *e, *r, kurz);
    Berechne(*e, *r);
    return {r->GesamtSaldo, r->EStFestzusetzen};
}

QByteArray Inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString SaldoPanel(double saldo) {
    return QString::fromStdString(SaldoText(saldo).text);
}

// Types `text` into an amount field of a page, as a user does, and leaves the
// field uncommitted (the focus stays in it).
void Tippen(MaskenFeld* feld, const QString& text) {
    feld->setFocus();
    QApplication::processEvents();
    feld->selectAll();
    QTest::keyClicks(feld, text);
}

}  // namespace

class HauptfensterTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { Tform13::AnimationAn() = false; }

    void menuebaum() {
        Aufbau a;
        const struct {
            const char* name;
            const char* text;
            const char* taste;
        } punkte[] = {
            {"D_NeuItem", "&Neu", ""},
            {"D_OpenItem", "&Öffnen...", ""},
            {"D_OpenItemVorjahr", "Öffnen &Vorjahresdaten", ""},
            {"D_SpeichernItem", "&Speichern", "Ctrl+S"},
            {"D_SpeichernUnterItem", "Speichern &unter ...", ""},
            {"D_PasswortItem", "&Passwort ändern", ""},
            {"D_DruckFormulare", "D&rucken der Formulare", ""},
            {"D_DruckereinrichtenItem", "Drucker &einrichten", ""},
            {"D_EndeItem", "&Beenden", "Alt+F4"},
            {"E_Navigator", "Navigator", "Ctrl+N"},
            {"E_WWW", "&Was-Wäre-Wenn", ""},
            {"E_Kurz", "&Kurzberechnung", ""},
            {"E_Verlassen", "&Verlassen - Eingaberegister", "Ctrl+V"},
            {"F_AktuellesFormular", "&Aktuelles Formular", "Ctrl+F"},
            {"F_DruckenderFormulare", "D&rucken der Formulare", ""},
            {"I_Handbuch", "Programm-Handbuch", ""},
            {"I_SteuerHandbuch", "Steuer-Handbuch", ""},
            {"I_Aktuelles", "&Aktuelles", ""},
            {"FragenundAntwort1", "&Fragen und Antwort", ""},
            {"I_Musterbriefe", "&Musterbriefe", ""},
            {"I_TipsundUrteile", "Tips und &Urteile", ""},
            {"I_Kalender", "&Kalender", "Ctrl+K"},
            {"I_Rechner", "&Taschenrechner", "Ctrl+T"},
            {"i_Pruefung", "&Prüfung Eingaben", ""},
            {"i_PruefungAktuell", "Aktuelles Register", "Ctrl+P"},
            {"i_PruefungAlle", "Alle Register", ""},
            {"i_Berechnung", "&Berechnung ", "Ctrl+B"},
            {"K_VoreinItem", "&Voreinstellungen", ""},
            {"K_Bildschirm", "Bildschirm", ""},
            {"K_Bildschirm90", "90%  (Standard)", ""},
            {"K_Bildschirm95", "95% ", ""},
            {"H_Index", "&Index..", ""},
            {"H_Tastatur", "&Tastatur", ""},
            {"H_Menues", "&Menüs", ""},
            {"H_Verfahren", "&Verfahren", ""},
            {"H_HilfeVerwenden", "&Hilfe verwenden", ""},
            {"H_InfoItem", "Inf&o über ...", ""},
        };
        for (const auto& p : punkte) {
            QAction* act = a.haupt->Aktion(QString::fromLatin1(p.name));
            QVERIFY2(act, p.name);
            QCOMPARE(act->text(), QString::fromUtf8(p.text));
            QCOMPARE(act->shortcut().toString(), QString::fromLatin1(p.taste));
        }
        QStringList menues;
        for (QAction* m : a.haupt->menuBar()->actions()) menues << m->text();
        QCOMPARE(menues, (QStringList{"&Datei", "&Eingabe", "&Formular", "&Information",
                                      "&Konfiguration", "&Hilfe"}));
        // The form menu: eleven sheet groups, then the two commands.
        auto* formular = a.haupt->findChild<QMenu*>(QStringLiteral("FormularMenue"));
        QStringList gruppen;
        for (QAction* x : formular->actions())
            if (x->menu()) gruppen << x->text();
        QCOMPARE(gruppen, (QStringList{"&Mantelbogen", "Anlage &Kinder", "Anlage &N", "Anlage KA&P",
                                       "Anlage &GSE", "Anlage &FW", "Anlage &V", "Anlage &SO",
                                       "Anlage St"}));
        for (int tag : {11, 14, 21, 22,  311, 312, 321, 322, 41, 42, 51,
                        52, 61, 62, 711, 714, 721, 724, 81,  82, 91, 92})
            QVERIFY2(a.haupt->Aktion(QStringLiteral("F_Blatt%1").arg(tag)),
                     qPrintable(QString::number(tag)));

        // Tool-bar hints: "short|long" gives the tool tip and the status text.
        auto* kal = a.haupt->Knopf(QStringLiteral("SpeedKalenderBtn"));
        QCOMPARE(kal->toolTip(), QStringLiteral("Kalender\n(Strg+K)"));
        QCOMPARE(kal->statusTip(), QString());
        auto* neu = a.haupt->Knopf(QStringLiteral("SpeedNeuBtn"));
        QCOMPARE(neu->toolTip(), QStringLiteral("Neuer Steuerfall anlegen"));
        QCOMPARE(neu->statusTip(), QStringLiteral("Neuer Steuerfall anlegen"));
        for (const char* n : {"SpeedOpenBtn",          "SpeedSaveBtn",
                              "SpeedRechnerBtn",       "SpeedHelp",
                              "SpeedFragen",           "SpeedPruef1",
                              "SpeedPruef2",           "MemoBitBtn",
                              "NotizBitBtn",           "SpeedFormularsicht",
                              "SpeedRechne",           "SpeedNavigatorRueckBtn",
                              "SpeedNavigatorVorBtn",  "SpeedNavigatorBtn",
                              "SpeedNavigatorStopBtn", "SpeedExitBtn",
                              "NavigatorVorBtn",       "NavigatorRueckBtn",
                              "NavigatorStopBtn",      "NavigatorBtn"})
            QVERIFY2(a.haupt->Knopf(QString::fromLatin1(n)), n);
        for (const char* n : {"TipPnl", "FeldNrPnl", "FormNrPnl", "DateiPnl", "DatumPnl"}) {
            QVERIFY2(a.haupt->Panel(QString::fromLatin1(n)), n);
            // A file name such as "<img src=...>.S01" shows as it is, never as markup.
            QCOMPARE(a.haupt->Panel(QString::fromLatin1(n))->textFormat(), Qt::PlainText);
        }
        QCOMPARE(a.haupt->DateiAnzeige(), QStringLiteral("Keine Datei"));
        a.Zeigen();
        QVERIFY(!a.haupt->Knopf(QStringLiteral("ReloadBtn"))->isVisible());
        QCOMPARE(a.haupt->Knopf(QStringLiteral("SpeedNavigatorVorBtn"))->toolTip(),
                 QStringLiteral("Zum nächsten Eingabebereich."));
        a.haupt->close();
    }

    void start_mit_einstellungen() {
        // Start window first, then tips; the start window unticked turns itself off.
        // "F" opens "Neu.S01" of the data directory without the dialog.
        QTemporaryDir daten;
        const std::string neuS01 = daten.path().toStdString() + "/Neu.S01";
        {
            CaseRecord r;
            Notizblock n;
            Listensatz l;
            const auto abbild = NeuesAbbild(r, n, l);
            std::ofstream(neuS01, std::ios::binary)
                .write(reinterpret_cast<const char*>(abbild.data()),
                       std::streamsize(abbild.size()));
        }
        Aufbau a("[Start]\nTips=1\nLfdTip=7\nEingangsFenster=1\n[App1]\nLetztDatenPfad=" +
                     daten.path().toStdString() + "\n",
                 false, {true, true, true, {}});
        QStringList reihenfolge;
        BeiModal([&](QWidget* w) {
            reihenfolge << w->objectName();
            auto* e = qobject_cast<TxEingang*>(w);
            QVERIFY(e);
            e->AnzeigenCB()->setChecked(false);
            e->findChild<QPushButton*>(QStringLiteral("EndeBtn"))->click();
            BeiModal([&](QWidget* t) {
                reihenfolge << t->objectName();
                auto* tips = qobject_cast<TxTips*>(t);
                QVERIFY(tips);
                QVERIFY(tips->AktuellerTip().contains(QStringLiteral("Laufschrift")));
                tips->MehrClick();  // past the last tip: the first again
                QVERIFY(tips->AktuellerTip().contains(QStringLiteral("Steuerhandbuch")));
                tips->TipsCB()->setChecked(false);
                tips->EndeClick();
            });
        });
        a.Zeigen();
        QCOMPARE(reihenfolge, (QStringList{"TxEingang", "TxTips"}));
        QVERIFY(!a.haupt->Einst().eingangsFenster);
        QVERIFY(!a.haupt->Einst().tips);
        QCOMPARE(a.haupt->Einst().lfdTip, 1);
        QVERIFY(a.dialoge.anfragen.empty());
        QVERIFY(EnthaeltText(a.senke, "Steuerfall wurde geöffnet."));
        QCOMPARE(a.haupt->DateiAnzeige(), QStringLiteral("Neu.S01"));
        QCOMPARE(a.haupt->Fallzustand(), 2);
        a.haupt->D_OpenItemClick();
        QCOMPARE(a.dialoge.anfragen.size(), size_t(1));  // the letter acts once
        // Test mode shows the reload button; missing data files are reported.
        QVERIFY(a.haupt->Knopf(QStringLiteral("ReloadBtn"))->isVisible());
        QVERIFY(EnthaeltText(a.senke, "Das Programm ist leider unvollständig."));
        QCOMPARE(a.haupt->Panel(QStringLiteral("DatumPnl"))->text(),
                 QStringLiteral("24.12.2001  13:05"));
        for (const char* t : {"SpeichernTimer", "DatumTimer", "LaufschriftTimer", "TitelTimer"})
            QVERIFY2(a.haupt->Timer(QString::fromLatin1(t))->isActive(), t);
        QCOMPARE(a.haupt->Timer(QStringLiteral("LaufschriftTimer"))->interval(), 500);
        a.haupt->close();
        QVERIFY(a.umg.Ini().find("EingangsFenster=0\n") != std::string::npos);
        QVERIFY(a.umg.Ini().find("Tips=0\n") != std::string::npos);
    }

    void start_ohne_fenster_und_vollstaendig() {
        Aufbau a("[Start]\nTips=0\nEingangsFenster=0\nHinterBild=0\n");
        a.Zeigen();
        QVERIFY(!EnthaeltText(a.senke, "unvollständig"));
        QVERIFY(!a.haupt->Startbild()->isVisible());
        QVERIFY(!a.An("D_SpeichernItem"));  // no case yet
        QVERIFY(!a.An("EingabeMenue"));
        QVERIFY(a.An("D_NeuItem"));
        a.haupt->close();
        // A first run without any file writes the first-run form shifts.
        Aufbau b("");
        QVERIFY(b.haupt->Einst().eingangsFenster && b.haupt->Einst().tips);
        b.haupt->Einst().eingangsFenster = b.haupt->Einst().tips = false;
        b.Zeigen();
        b.haupt->close();
        QVERIFY(b.umg.Ini().find("FormSkalierung=95\n") != std::string::npos);
        QVERIFY(b.umg.Ini().find("0101=9\n0102=2\n") != std::string::npos);
    }

    void neuer_fall() {
        Aufbau a;
        a.Zeigen();
        QCOMPARE(QFileInfo(QString::fromStdString(a.haupt->Temporaer()->Arbeitsdatei())).size(),
                 qint64(FallDateiGroesse));
        a.senke.protokoll.clear();
        a.senke.antworten = {Antwort::OK, Antwort::Nein};  // no interview now
        a.haupt->D_NeuItemClick();
        QCOMPARE(a.haupt->Fallzustand(), 1);
        QCOMPARE(a.haupt->DateiAnzeige(), QStringLiteral("Neu.S01"));
        QVERIFY(a.An("D_SpeichernItem"));
        QVERIFY(a.An("EingabeMenue"));
        QCOMPARE(a.senke.protokoll.size(), size_t(4));
        QCOMPARE(a.senke.protokoll[0].text,
                 std::string("Ein neuer Fall wurde angelegt!  Dateiname: NEU.S01"));
        QVERIFY(a.senke.protokoll[0].positioniert);
        QVERIFY(a.senke.protokoll[1].text.rfind("Mit dem Interview treffen", 0) == 0);
        QCOMPARE(a.senke.protokoll[1].knoepfe, unsigned(KnopfJa | KnopfNein | KnopfHilfe));
        QCOMPARE(a.senke.protokoll[1].hilfeseite, std::string("std\\interview"));
        QCOMPARE(a.senke.protokoll[2].text,
                 std::string("Sie beginnen mit dem ersten Eingabereich."));

        // A changed case: cancel keeps it; still a new case, so the interview is offered.
        a.haupt->SetzeFallVeraendert(true);
        a.senke.protokoll.clear();
        a.senke.antworten = {Antwort::Abbrechen, Antwort::Nein};
        a.haupt->D_NeuItemClick();
        QVERIFY(a.haupt->FallVeraendert());
        QVERIFY(a.senke.protokoll[0].text.rfind("Fall bereits geöffnet!", 0) == 0);
        QVERIFY(a.senke.protokoll[1].text.rfind("Mit dem Interview", 0) == 0);

        // Yes with a save whose dialog is cancelled skips the new case too; no makes it.
        a.senke.antworten = {Antwort::Ja};
        a.haupt->D_NeuItemClick();
        QVERIFY(a.haupt->FallVeraendert());
        QCOMPARE(a.dialoge.anfragen.size(), size_t(1));
        a.senke.antworten = {Antwort::Nein};
        a.haupt->D_NeuItemClick();
        QVERIFY(!a.haupt->FallVeraendert());
        a.haupt->close();
    }

    void dateibefehle_auf_echten_dateien() {
        Aufbau a;
        a.Zeigen();
        const QString wurzel = a.umg.wurzel.path();
        a.haupt->D_NeuItemClick();

        // A wrong extension is refused before anything is written.
        a.dialoge.antwort = (wurzel + QStringLiteral("/fall.txt")).toStdString();
        a.senke.protokoll.clear();
        a.haupt->D_SpeichernUnterItemClick();
        QCOMPARE(
            a.senke.protokoll.back().text,
            std::string("Fehler: Nur Dateien mit der Endung (.S01) können gespeichert werden!"));
        QVERIFY(!QFile::exists(wurzel + QStringLiteral("/fall.txt")));

        // A read-only directory.
        QDir().mkpath(wurzel + QStringLiteral("/nurlesen"));
        QFile::setPermissions(wurzel + QStringLiteral("/nurlesen"),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        a.dialoge.antwort = (wurzel + QStringLiteral("/nurlesen/Fall.S01")).toStdString();
        a.senke.protokoll.clear();
        a.haupt->D_SpeichernUnterItemClick();
        if (::geteuid() != 0) {  // root writes anywhere
            QVERIFY(EnthaeltText(a.senke, "ist nicht möglich!"));
            QCOMPARE(a.haupt->Fallzustand(), 1);
        }

        // A password, saved; opening asks for it, and cancelling leaves a new case.
        const QString fall = wurzel + QStringLiteral("/Mein Fall.S01");
        a.dialoge.antwort = fall.toStdString();
        a.senke.protokoll.clear();
        a.senke.antworten = {Antwort::OK, Antwort::OK, Antwort::Nein};  // not saved yet
        BeiModal([&](QWidget* w) {
            auto* d = qobject_cast<TxPasswortAendern*>(w);
            QVERIFY(d);
            QCOMPARE(d->windowTitle(), QStringLiteral("Passwort vergeben/ändern"));
            d->Feld1()->setText(QStringLiteral("geheim"));
            d->Feld2()->setText(QStringLiteral("anders"));
            d->EndeClick();  // differ: the dialog stays with emptied fields
            QVERIFY(d->isVisible());
            QVERIFY(d->Feld1()->text().isEmpty());
            d->Feld1()->setText(QStringLiteral("geheim"));
            d->Feld2()->setText(QStringLiteral("geheim"));
            d->EndeClick();
        });
        a.haupt->D_PasswortItemClick();
        QVERIFY(EnthaeltText(a.senke, "Passwort und die Wiederholung stimmen"));
        QVERIFY(EnthaeltText(a.senke, "Passwort wurde erfolgreich geändert!"));
        QVERIFY(a.haupt->FallVeraendert());
        a.haupt->D_SpeichernUnterItemClick();
        QCOMPARE(QFileInfo(fall).size(), qint64(FallDateiGroesse));
        QCOMPARE(a.haupt->DateiAnzeige(), QStringLiteral("Mein Fall.S01"));
        QCOMPARE(a.haupt->Fallzustand(), 2);
        QVERIFY(!a.haupt->FallVeraendert());

        struct Skript : PasswortAbfrage {
            std::deque<std::optional<std::string>> eingaben;
            std::optional<std::string> Eingabe() override {
                auto e = eingaben.front();
                eingaben.pop_front();
                return e;
            }
        } abfrage;
        a.haupt->SetzePasswortAbfrage(&abfrage);
        abfrage.eingaben = {std::string("falsch"), std::nullopt};
        a.senke.protokoll.clear();
        a.haupt->D_OpenItemClick();
        QVERIFY(EnthaeltText(a.senke, "Ungültiges Passwort"));
        QCOMPARE(a.haupt->DateiAnzeige(), QStringLiteral("Keine Datei"));
        QVERIFY(!a.haupt->FallVeraendert());

        abfrage.eingaben = {std::string("  geheim ")};
        a.senke.protokoll.clear();
        a.haupt->D_OpenItemClick();
        QVERIFY(EnthaeltText(a.senke, "Steuerfall wurde geöffnet."));
        QCOMPARE(a.haupt->DateiAnzeige(), QStringLiteral("Mein Fall.S01"));
        QCOMPARE(a.haupt->Einst().letztDatenPfad, wurzel.toStdString());

        // A file without the signature.
        Umgebung::Schreiben((wurzel + QStringLiteral("/kaputt.S01")).toStdString(), "kein Fall");
        a.dialoge.antwort = (wurzel + QStringLiteral("/kaputt.S01")).toStdString();
        a.senke.protokoll.clear();
        a.haupt->D_OpenItemClick();
        QCOMPARE(a.senke.protokoll.back().text,
                 std::string("Die ausgewählte Datei ist keine gültige Datendatei!"));
        QCOMPARE(a.haupt->DateiAnzeige(), QStringLiteral("Mein Fall.S01"));
        a.haupt->close();
    }

    void vorjahr_oeffnen() {
        Aufbau a;
        a.Zeigen();
        const QString wurzel = a.umg.wurzel.path();
        std::string alt(VorjahrDateiGroesse, '\0');
        alt[0] = 8;
        alt.replace(1, 8, "S00VER10");
        Umgebung::Schreiben((wurzel + QStringLiteral("/Fall.S00")).toStdString(), alt);
        a.dialoge.antwort = (wurzel + QStringLiteral("/Fall.S00")).toStdString();
        int gezeigt = 0;
        BeiModal([&](QWidget* w) {
            auto* d = qobject_cast<TxVorjahr*>(w);
            QVERIFY(d);
            ++gezeigt;
            QCOMPARE(d->Liste()->count(), VorjahrPunkte);
            QTest::keyClick(d, Qt::Key_Escape);  // does nothing
            QVERIFY(d->isVisible());
            d->VorschlagClick();
            QCOMPARE(d->Liste()->item(4)->checkState(), Qt::Checked);
            QCOMPARE(d->Liste()->item(9)->checkState(), Qt::Unchecked);
            d->OKClick();
        });
        a.senke.protokoll.clear();
        a.haupt->D_OpenItemVorjahrClick();
        QCOMPARE(gezeigt, 1);
        QCOMPARE(a.dialoge.anfragen.back().standardEndung, std::string("S00"));
        QVERIFY(EnthaeltText(a.senke, "Daten des Vorjahres werden übernommen."));
        QCOMPARE(a.haupt->DateiAnzeige(), QStringLiteral("Fall.S01"));
        QVERIFY(VorjahrGewaehlt(a.haupt->Fall().Vorjahrauswahl(), 4));
        QVERIFY(a.umg.Ini().find("LetztDatenPfad=" + wurzel.toStdString()) != std::string::npos);
        a.haupt->D_SpeichernItemClick();  // saved as Fall.S01 beside it, Fall.S00 untouched
        QCOMPARE(QFileInfo(wurzel + QStringLiteral("/Fall.S01")).size(), qint64(FallDateiGroesse));
        QCOMPARE(QFileInfo(wurzel + QStringLiteral("/Fall.S00")).size(),
                 qint64(VorjahrDateiGroesse));
        a.haupt->close();
    }

    void menuezustand_durch_seite_dialog_und_seitenansicht() {
        Aufbau a("[Start]\nTips=0\nEingangsFenster=0\n", true, {true, false, true, {}});
        a.Zeigen();
        a.haupt->D_NeuItemClick();
        QCOMPARE(a.haupt->Menue().Stufe(), 1);
        QVERIFY(!a.An("E_Verlassen"));

        auto* seite = new TestSeite;
        a.haupt->SeiteEinfuegen(seite);
        QCOMPARE(a.haupt->Menue().Stufe(), 2);
        QVERIFY(!a.An("D_NeuItem"));
        QVERIFY(!a.An("SpeedExitBtn"));
        QVERIFY(a.An("E_Verlassen"));
        QVERIFY(a.An("NavigatorStopBtn"));
        QVERIFY(!a.haupt->Startbild()->isVisible());
        QCOMPARE(a.haupt->Knopf(QStringLiteral("ReloadBtn"))->property("text").toString(),
                 QStringLiteral("MenStatNr = 2"));

        auto* unter = new TestSeite;
        unter->setProperty("unterseite", true);
        a.haupt->SeiteEinfuegen(unter);
        QCOMPARE(a.haupt->Menue().Stufe(), 3);
        QVERIFY(!a.An("EingabeMenue"));
        QVERIFY(!a.An("NavigatorVorBtn"));
        QVERIFY(!a.An("E_Verlassen"));
        QVERIFY(a.An("D_SpeichernItem"));

        // The side view becoming active changes nothing.
        a.haupt->Mdi()->setActiveSubWindow(a.haupt->Seitenansicht());
        a.haupt->FensterGewechselt(Fensterart::Seitenansicht);
        QCOMPARE(a.haupt->Menue().Stufe(), 3);

        // A dialog over the page disables the dialog group until it closes.
        bool imDialog = false;
        BeiModal([&](QWidget* w) {
            imDialog = !a.An("SpeedKalenderBtn") && !a.An("InformationMenue") &&
                       !a.An("D_SpeichernItem") && a.haupt->Menue().Stufe() == 4;
            qobject_cast<QDialog*>(w)->accept();
        });
        a.haupt->KalenderClick();
        QVERIFY(imDialog);
        QCOMPARE(a.haupt->Menue().Stufe(), 3);
        QVERIFY(!a.An("EingabeMenue"));

        unter->parentWidget()->close();
        QTRY_COMPARE(a.haupt->Menue().Stufe(), 2);
        QVERIFY(a.An("EingabeMenue"));
        QVERIFY(a.An("E_Verlassen"));

        a.haupt->NavigatorStopBtnClick();
        QTRY_COMPARE(a.haupt->Menue().Stufe(), 1);
        QVERIFY(!a.haupt->SeitenOffen());
        QVERIFY(a.An("D_NeuItem"));
        QVERIFY(!a.An("E_Verlassen"));
        QVERIFY(a.haupt->Startbild()->isVisible());
        QCOMPARE(a.haupt->Formularblatt(), 11);
        a.haupt->close();
    }

    // The menu follows the page that is open, whichever way it was reached:
    // forward and backward through ten pages, the navigator, and a note
    // written on a page the forward button reached.
    void menuezustand_folgt_der_offenen_seite() {
        Aufbau a;
        a.haupt->fall.seiteErzeugen = a.echteSeiten;
        a.Zeigen();
        a.senke.antworten = {Antwort::OK, Antwort::Nein};
        a.haupt->D_NeuItemClick();
        QVERIFY(a.haupt->SeitenSchliessen());
        a.haupt->Fall().Satz().SetzeInt(Feld::ErSie_FamilienstandLB, 0);
        a.haupt->SeiteOeffnen(1, 1);
        enum Zug { Vor, Rueck, Navigator };
        struct Schritt {
            Zug zug;
            SeitenOrt ziel;  // the navigator's choice
        };
        std::vector<Schritt> zuege(9, {Vor, {}});
        zuege.insert(zuege.end(), {{Rueck, {}}, {Rueck, {}}, {Navigator, {4, 3}}, {Vor, {}},
                                   {Navigator, {1, 1}}, {Vor, {}}, {Rueck, {}}});
        std::set<SeitenOrt> besucht{{a.haupt->AktBereich(), a.haupt->AktSeite()}};
        for (const Schritt& s : zuege) {
            const SeitenOrt vorher(a.haupt->AktBereich(), a.haupt->AktSeite());
            if (s.zug == Navigator) {
                BeiModal([&](QWidget* w) {
                    auto* d = qobject_cast<TxNavigator*>(w);
                    QVERIFY(d && d->SeiteMarkieren(s.ziel.first, s.ziel.second));
                    d->GeheZuClick();
                });
                a.haupt->NavigatorClick();
            } else {
                a.haupt->NavigatorVorRueck(s.zug == Vor);
            }
            QTest::qWait(30);  // the old page's close handlers run
            const SeitenOrt jetzt(a.haupt->AktBereich(), a.haupt->AktSeite());
            const QByteArray wo =
                QByteArray::number(jetzt.first) + "." + QByteArray::number(jetzt.second);
            QVERIFY2(jetzt != vorher, wo.constData());
            besucht.insert(jetzt);
            QVERIFY2(a.haupt->SeitenOffen(), wo.constData());
            QVERIFY2(a.haupt->Menue().Stufe() == 2, wo.constData());
            for (const char* an : {"E_Verlassen", "NavigatorStopBtn", "SpeedNavigatorStopBtn",
                                   "NotizBitBtn", "MemoBitBtn", "NavigatorVorBtn"})
                QVERIFY2(a.An(an), wo + " " + an);
            for (const char* aus : {"D_NeuItem", "D_OpenItem", "SpeedNeuBtn", "SpeedOpenBtn",
                                    "SpeedFragen", "SpeedExitBtn"})
                QVERIFY2(!a.An(aus), wo + " " + aus);
        }
        QVERIFY(besucht.size() >= 10);

        // A note on the page the forward button reached.
        a.haupt->NavigatorVorRueck(true);
        QTest::qWait(30);
        const int bereich = a.haupt->AktBereich(), seite = a.haupt->AktSeite();
        BeiModal([&](QWidget* w) {
            auto* m = qobject_cast<TF_Memo*>(w);
            QVERIFY(m);
            m->Editor1->setPlainText(QStringLiteral("Beleg fehlt"));
            m->accept();
        });
        qobject_cast<QAbstractButton*>(a.haupt->Knopf(QStringLiteral("NotizBitBtn")))->click();
        QVERIFY(SeitenmerkerTest(a.haupt->Fall().Satz(), SM_Notiz, bereich, seite));
        QCOMPARE(NotizOeffnen(a.haupt->Fall().Notizen(), bereich, seite).text,
                 std::string("Beleg fehlt"));
        QVERIFY(a.haupt->SeitenSchliessen());
        QTRY_COMPARE(a.haupt->Menue().Stufe(), 1);
        QVERIFY(a.An("D_NeuItem"));
    }

    void seiten_speichern_vor_sichern_und_beenden() {
        Aufbau a;
        a.Zeigen();
        a.haupt->D_NeuItemClick();
        std::vector<std::string> protokoll;
        const std::string ziel = a.umg.wurzel.path().toStdString() + "/Fall.S01";
        a.dialoge.antwort = ziel;
        a.haupt->SeiteEinfuegen(new TestSeite(false, &protokoll, "erste"));
        a.haupt->SeiteEinfuegen(new TestSeite(true, &protokoll, "zweite"));
        // Every page is asked, the refusing one too, and the save runs all
        // the same; the pages stay open.
        a.haupt->D_SpeichernUnterItemClick();
        QCOMPARE(protokoll, (std::vector<std::string>{"zweite verweigert", "erste gespeichert"}));
        QCOMPARE(QFileInfo(QString::fromStdString(ziel)).size(), qint64(FallDateiGroesse));
        QCOMPARE(a.haupt->DateiAnzeige(), QStringLiteral("Fall.S01"));
        QCOMPARE(a.haupt->Menue().Stufe(), 3);
        QCOMPARE(a.haupt->Mdi()->subWindowList().size(), 3);

        // Exit with a page that refuses: the program stays, nothing is lost.
        a.haupt->SetzeFallVeraendert(true);
        a.senke.protokoll.clear();
        QVERIFY(!a.haupt->close());
        QVERIFY(a.haupt->isVisible());
        QVERIFY(!EnthaeltText(a.senke, "Aktueller Fall ist nicht gesichert"));
    }

    void beenden_mit_ungesicherten_aenderungen() {
        Aufbau a;
        a.Zeigen();
        a.haupt->D_NeuItemClick();
        std::vector<std::string> protokoll;
        const QString arbeitsdatei = QString::fromStdString(a.haupt->Temporaer()->Arbeitsdatei());
        QVERIFY(QFile::exists(arbeitsdatei));
        a.haupt->SeiteEinfuegen(new TestSeite(false, &protokoll, "seite"));
        a.haupt->SetzeFallVeraendert(true);

        a.senke.protokoll.clear();
        a.senke.antworten = {Antwort::Abbrechen};
        QVERIFY(!a.haupt->close());
        // The page stored its entries before the question.
        QCOMPARE(protokoll, (std::vector<std::string>{"seite gespeichert"}));
        QCOMPARE(a.senke.protokoll.back().text,
                 std::string("Achtung:\rAktueller Fall ist nicht gesichert!\rSollen die Daten vor "
                             "gespeichert werden?"));
        QCOMPARE(a.senke.protokoll.back().knoepfe, unsigned(KnopfJa | KnopfNein | KnopfAbbrechen));

        a.senke.antworten = {Antwort::Ja};  // the save dialog is cancelled: stay open
        QVERIFY(!a.haupt->close());
        QCOMPARE(a.dialoge.anfragen.size(), size_t(1));
        QVERIFY(QFile::exists(arbeitsdatei));

        a.haupt->move(-40, -30);
        a.senke.antworten = {Antwort::Nein};
        QVERIFY(a.haupt->close());
        QVERIFY(!QFile::exists(arbeitsdatei));  // the temporary files are gone
        const std::string ini = a.umg.Ini();
        QVERIFY(ini.find("[Form]\nlinks=1\noben=1\n") != std::string::npos);
        QVERIFY(ini.find("screenweite=800\n") != std::string::npos);
    }

    void nicht_schreibbare_einstellungen_werden_gemeldet() {
        Aufbau a;
        a.Zeigen();
        // The settings directory is a file: writing must fail visibly.
        QDir(QString::fromStdString(a.umg.pfade.einstellungen)).removeRecursively();
        Umgebung::Schreiben(
            a.umg.pfade.einstellungen.substr(0, a.umg.pfade.einstellungen.size() - 1), "x");
        a.senke.protokoll.clear();
        QVERIFY(a.haupt->close());
        QVERIFY(EnthaeltText(a.senke, "Die Einstellungen konnten nicht gespeichert werden"));
    }

    void laufende_berechnung() {
        Aufbau a;
        a.Zeigen();
        a.senke.antworten = {Antwort::OK, Antwort::Nein};
        a.haupt->D_NeuItemClick();
        int gerechnet = 0;
        bool wiederEingetreten = false;
        bool drin = false;
        a.haupt->fall.berechnen = [&](bool still) -> std::optional<double> {
            if (drin) wiederEingetreten = true;
            drin = true;
            ++gerechnet;
            // A computation that itself moves the focus must not start another.
            a.haupt->LaufendeBerechnungAnstossen();
            QApplication::processEvents();
            drin = false;
            if (!still) return std::nullopt;
            return -500.0;
        };
        auto* seite = new TestSeite;
        a.haupt->SeiteEinfuegen(seite);
        a.haupt->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(a.haupt.get()));
        for (QLineEdit* f : seite->felder) f->setFocus();  // a burst of focus changes
        QTRY_VERIFY(gerechnet >= 1);
        QApplication::processEvents();
        QVERIFY(!wiederEingetreten);
        QVERIFY(gerechnet <= 2);
        QCOMPARE(a.haupt->Panel(QStringLiteral("FeldNrPnl"))->text(), QStringLiteral("#F1203"));
        QCOMPARE(a.haupt->Panel(QStringLiteral("TipPnl"))->text(), QStringLiteral("+ 500,00 DM"));
        a.haupt->SaldoAnzeigen(1234.5);
        QCOMPARE(a.haupt->Panel(QStringLiteral("TipPnl"))->text(), QStringLiteral("- 1.234,50 DM"));
        QVERIFY(a.haupt->Panel(QStringLiteral("TipPnl"))->styleSheet().contains(QStringLiteral("#b00000")));

        // Switched off: no computation and an empty panel.
        a.haupt->Einst().lfdBerechnung = false;
        const int vorher = gerechnet;
        seite->felder[0]->setFocus();
        QTest::qWait(20);
        QCOMPARE(gerechnet, vorher);
        a.haupt->SaldoAnzeigen(10);
        QCOMPARE(a.haupt->Panel(QStringLiteral("TipPnl"))->text(), QString());
        a.haupt->Einst().lfdBerechnung = true;
    }

    void hilfe_und_nicht_verfuegbares() {
        Aufbau a;
        a.Zeigen();
        a.senke.protokoll.clear();
        a.haupt->Aktion(QStringLiteral("H_Tastatur"))->trigger();
        QCOMPARE(a.senke.protokoll.back().text,
                 "Datei nicht gefunden: " + a.umg.pfade.hilfe + "std/tastatur.htm");
        QCOMPARE(a.senke.protokoll.back().typ, MeldungsTyp::Fehler);

        Umgebung::Schreiben(a.umg.pfade.hilfe + "std/tastatur.htm", "<p>Tasten</p>");
        a.haupt->Einst().internetBrowser = true;
        a.haupt->Aktion(QStringLiteral("H_Tastatur"))->trigger();
        QCOMPARE(a.desktop.geoeffnet,
                 (std::vector<std::string>{a.umg.pfade.hilfe + "std/tastatur.htm"}));

        a.haupt->F1Gedrueckt();
        QCOMPARE(a.senke.protokoll.back().text,
                 std::string("Der Hilfetext wird ständig im rechten\rFenster angezeigt."));
        QVERIFY(a.senke.protokoll.back().positioniert);

        // A sheet of the form menu previews its whole form on blank paper,
        // opened at the sheet; Ctrl+F the open page's sheet.
        a.haupt->D_NeuItemClick();
        std::vector<std::pair<int, int>> vorschauen;  // pages, start page
        a.haupt->Druck().vorschau = [&](const Bericht& b, const Vorschaustart& s) {
            vorschauen.push_back({b.Seitenzahl(), s.startseite});
        };
        a.senke.protokoll.clear();
        a.haupt->Aktion(QStringLiteral("F_Blatt321"))->trigger();
        a.haupt->SetzeFormularblatt(13);
        a.haupt->Aktion(QStringLiteral("F_AktuellesFormular"))->trigger();
        QCOMPARE(vorschauen, (std::vector<std::pair<int, int>>{{2, 2}, {4, 3}}));
        QVERIFY(!EnthaeltText(a.senke, NichtVerfuegbarText));
        // Checks need the check catalogue.
        QFile::remove(QString::fromStdString(a.umg.pfade.formular + "Quar01.prf"));
        a.senke.protokoll.clear();
        a.haupt->Pruefen(99);
        QCOMPARE(a.senke.protokoll.back().text, std::string("Prüfungsdatei nicht gefunden"));
        // A page without marital status opens nothing.
        a.haupt->Fall().Satz().SetzeInt(Feld::ErSie_FamilienstandLB, -1);
        a.senke.protokoll.clear();
        a.haupt->Startbild()->hide();  // as the navigator does before it opens a page
        a.haupt->SeiteOeffnen(2, 1);
        QCOMPARE(a.senke.protokoll.back().text,
                 std::string(
                     "Bitte wählen Sie zuerst <Allgemeine Angaben> <Steuerpflichtiger/Ehegatte"));
        QVERIFY(!a.haupt->SeitenOffen());
        QVERIFY(a.haupt->Startbild()->isVisible());  // the work area is not left blank
    }

    void seitentabelle_oeffnet_die_eingabeseiten() {
        Aufbau a;
        a.haupt->fall.seiteErzeugen = a.echteSeiten;
        a.Zeigen();
        a.haupt->D_NeuItemClick();
        QVERIFY(a.haupt->SeitenSchliessen());
        a.haupt->SeiteOeffnen(3, 4);
        QMdiSubWindow* w = a.haupt->Mdi()->activeSubWindow();
        QVERIFY(w && w->widget());
        QCOMPARE(w->widget()->objectName(), QStringLiteral("TF_NSA"));
        QCOMPARE(a.haupt->Formularblatt(), 312);
        QCOMPARE(w->width(), qRound(a.haupt->Mdi()->width() * 480.0 / 718));
        QVERIFY(a.haupt->SeitenSchliessen());
        a.haupt->E_WWWClick(2);
        QVERIFY(a.haupt->Kurzberechnung());
        QVERIFY(a.haupt->SeitenSchliessen());
        QVERIFY(!a.haupt->Kurzberechnung());
        // The § 10e page of the old states prints sheet 62.
        a.haupt->SeiteOeffnen(14, 5);
        w = a.haupt->Mdi()->activeSubWindow();
        QVERIFY(w && w->widget());
        QCOMPARE(w->widget()->objectName(), QStringLiteral("TF_SaFW3"));
        QCOMPARE(a.haupt->Formularblatt(), 62);
        QVERIFY(a.haupt->SeitenSchliessen());
        // A page the area does not have says so.
        a.senke.protokoll.clear();
        a.haupt->SeiteOeffnen(14, 6);
        QVERIFY(EnthaeltText(a.senke, NichtVerfuegbarText));
    }

    void einstellungsdialog_aus_dem_menue() {
        Aufbau a;
        a.Zeigen();
        a.haupt->SaldoAnzeigen(-3);
        BeiModal([&](QWidget* w) {
            auto* d = qobject_cast<TxGlobConf*>(w);
            QVERIFY(d);
            d->findChild<QCheckBox*>(QStringLiteral("LfdBerechnungCB"))->setChecked(false);
            d->FarbeGewaehlt(0x000000FF);
            d->EndeClick();
        });
        a.haupt->Aktion(QStringLiteral("K_VoreinItem"))->trigger();
        QVERIFY(!a.haupt->Einst().lfdBerechnung);
        QCOMPARE(a.haupt->Einst().hintergrund, 0x000000FFu);
        QCOMPARE(a.haupt->Mdi()->background().color(), QColor(255, 0, 0));
        QCOMPARE(a.haupt->Panel(QStringLiteral("TipPnl"))->text(), QString());
        a.haupt->close();
        QVERIFY(a.umg.Ini().find("LfdBerechnung=0\n") != std::string::npos);
    }

    void kurzberechnung_rechnet_die_kurzangaben() {
        Aufbau a;
        a.haupt->fall.seiteErzeugen = a.echteSeiten;
        a.Zeigen();
        a.haupt->E_WWWClick(2);  // without a case: a new one first
        QCOMPARE(a.haupt->Fallzustand(), 1);
        auto* kurz = qobject_cast<TForm11*>(a.haupt->Mdi()->activeSubWindow()->widget());
        QVERIFY(kurz);
        QCOMPARE(kurz->objectName(), QStringLiteral("TF_Kurz"));
        QVERIFY(a.An("i_Berechnung"));
        QVERIFY(a.An("SpeedRechne"));
        kurz->OvcNb()->setCurrentIndex(kurz->ReiterIndex(QStringLiteral("&Einkünfte")));
        a.haupt->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(a.haupt.get()));
        Tippen(kurz->Betrag(Feld::BruttoEr), QStringLiteral("60.000,00"));
        Tippen(kurz->Betrag(Feld::LoStEr), QStringLiteral("8.000,00"));  // still being edited
        bool gezeigt = false;
        BeiModal([&](QWidget* w) {
            gezeigt = w->objectName() == QStringLiteral("TxGlobView");
            w->close();
        });
        QTest::keyClick(kurz->Betrag(Feld::LoStEr), Qt::Key_B, Qt::ControlModifier);
        QVERIFY(gezeigt);
        const double saldo = AktuellesErgebnis().GesamtSaldo;
        const double est = AktuellesErgebnis().EStFestzusetzen;
        // The page stays, and with it the quick fill.
        QCOMPARE(a.haupt->Mdi()->activeSubWindow()->widget(), kurz);
        QVERIFY(a.haupt->Kurzberechnung());
        // The same file gives the command-line tool's quick computation.
        const QString datei = a.umg.wurzel.path() + QStringLiteral("/Kurz.S01");
        a.dialoge.antwort = datei.toStdString();
        a.haupt->D_SpeichernUnterItemClick();
        const Dateiergebnis k = DateiBerechnen(datei, true);
        QVERIFY(k.est > 0);
        QCOMPARE(est, k.est);
        QCOMPARE(saldo, k.saldo);
        QCOMPARE(a.haupt->Panel(QStringLiteral("TipPnl"))->text(), SaldoPanel(k.saldo));
        QCOMPARE(DateiBerechnen(datei, false).est, 0.0);  // the full case is empty
        a.haupt->SeitenSchliessen();
        QVERIFY(!a.haupt->Kurzberechnung());
    }

    void saldo_gehoert_immer_zum_offenen_fall() {
        Aufbau a;
        a.haupt->fall.seiteErzeugen = a.echteSeiten;
        a.Zeigen();
        QLabel* tip = a.haupt->Panel(QStringLiteral("TipPnl"));
        QCOMPARE(tip->text(), QString());  // no case
        a.senke.antworten = {Antwort::OK, Antwort::Nein};
        a.haupt->D_NeuItemClick();
        const QString neu = tip->text();
        QVERIFY(!neu.isEmpty());
        QVERIFY(a.haupt->SeitenSchliessen());
        a.haupt->Fall().Satz().SetzeInt(Feld::ErSie_FamilienstandLB, 0);
        a.haupt->SeiteOeffnen(3, 1);
        auto* nsa = qobject_cast<TForm11*>(a.haupt->Mdi()->activeSubWindow()->widget());
        QVERIFY(nsa);
        nsa->OvcNb()->setCurrentIndex(1);
        a.haupt->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(a.haupt.get()));

        // Typed on the open page and left: the running computation sees it.
        BetragFeld* brutto = nsa->Betrag(Feld::Brutto);
        Tippen(brutto, QStringLiteral("100.000,00"));
        QTest::keyClick(brutto, Qt::Key_Tab);
        QTRY_VERIFY(tip->text() != neu);
        const QString getippt = tip->text();
        QVERIFY(a.haupt->SeitenOffen());

        // Saving renews it (a stale figure goes), and it is the saved case's.
        a.haupt->SaldoAnzeigen(-1.0);
        const QString fallA = a.umg.wurzel.path() + QStringLiteral("/A.S01");
        a.dialoge.antwort = fallA.toStdString();
        a.haupt->D_SpeichernUnterItemClick();
        QCOMPARE(tip->text(), getippt);
        QCOMPARE(SaldoPanel(DateiBerechnen(fallA, false).saldo), getippt);

        // A new case, then the saved one opened again: each its own figure.
        a.senke.antworten = {Antwort::Nein};
        a.haupt->D_NeuItemClick();
        QCOMPARE(tip->text(), neu);
        a.haupt->SeitenSchliessen();
        a.haupt->D_OpenItemClick();
        QCOMPARE(a.haupt->DateiAnzeige(), QStringLiteral("A.S01"));
        QCOMPARE(tip->text(), getippt);

        // A case behind a password whose prompt is cancelled: a new case's figure.
        a.senke.antworten = {Antwort::OK, Antwort::Nein};
        QVERIFY(a.haupt->Fall().PasswortSetzen("geheim", "geheim"));
        const QString fallB = a.umg.wurzel.path() + QStringLiteral("/B.S01");
        a.dialoge.antwort = fallB.toStdString();
        a.haupt->D_SpeichernUnterItemClick();
        struct Abbruch : PasswortAbfrage {
            std::optional<std::string> Eingabe() override { return std::nullopt; }
        } abbruch;
        a.haupt->SetzePasswortAbfrage(&abbruch);
        a.haupt->D_OpenItemClick();
        QCOMPARE(a.haupt->DateiAnzeige(), QStringLiteral("Keine Datei"));
        QCOMPARE(tip->text(), neu);
        a.haupt->SetzePasswortAbfrage(nullptr);
    }

    void befehle_lassen_seite_reiter_und_feld_stehen() {
        Aufbau a;
        a.haupt->fall.seiteErzeugen = a.echteSeiten;
        std::vector<std::string> hilfen;
        a.haupt->fall.hilfeViewer = [&](const std::string& datei, const std::string&) {
            hilfen.push_back(datei);
        };
        a.Zeigen();
        TForm11* nsa = a.LohnkarteOeffnen();
        QVERIFY(nsa);
        QMdiSubWindow* fenster = a.haupt->Mdi()->activeSubWindow();
        nsa->OvcNb()->setCurrentIndex(2);
        BetragFeld* feld = nsa->Betrag(Feld::Entsch);
        const auto unveraendert = [&](const char* nach) {
            QVERIFY2(a.haupt->Mdi()->activeSubWindow() == fenster, nach);
            QVERIFY2(nsa->OvcNb()->currentIndex() == 2, nach);
            QVERIFY2(a.haupt->focusWidget() == feld, nach);  // where the window's focus returns
            QVERIFY2(!a.haupt->Startbild()->isVisible(), nach);
        };
        Tippen(feld, QStringLiteral("1.234,00"));
        BeiModal([](QWidget* w) { w->close(); });
        a.haupt->Pruefen(0);
        unveraendert("Berechnung");
        QCOMPARE(a.haupt->Fall().Satz().Dbl(Feld::Entsch, 1), 1234.0);  // stored all the same

        Tippen(feld, QStringLiteral("2.000,00"));
        a.haupt->Pruefen(99);
        QCOMPARE(hilfen.size(), size_t(1));
        unveraendert("Prüfung");
        QCOMPARE(a.haupt->Fall().Satz().Dbl(Feld::Entsch, 1), 2000.0);

        Tippen(feld, QStringLiteral("3.000,00"));
        const QString datei = a.umg.wurzel.path() + QStringLiteral("/C.S01");
        a.dialoge.antwort = datei.toStdString();
        a.haupt->D_SpeichernItemClick();
        unveraendert("Speichern");
        QCOMPARE(a.haupt->DateiAnzeige(), QStringLiteral("C.S01"));
        QVERIFY(!a.haupt->FallVeraendert());
        a.haupt->SeitenSchliessen();
        a.haupt->D_OpenItemClick();
        QCOMPARE(a.haupt->Fall().Satz().Dbl(Feld::Entsch, 1), 3000.0);
    }

    void abgebrochenes_speichern_unter_schreibt_nichts() {
        Aufbau a;
        a.Zeigen();
        a.haupt->D_NeuItemClick();
        const QString datei = a.umg.wurzel.path() + QStringLiteral("/Behalten.S01");
        a.dialoge.antwort = datei.toStdString();
        a.haupt->D_SpeichernUnterItemClick();
        const QByteArray vorher = Inhalt(datei);
        QCOMPARE(vorher.size(), qsizetype(FallDateiGroesse));
        a.haupt->Fall().Satz().SetzeTextUtf8(Feld::StpflVorname, "Geändert");
        a.haupt->SetzeFallVeraendert(true);
        a.dialoge.antwort.reset();
        a.haupt->D_SpeichernUnterItemClick();
        QCOMPARE(Inhalt(datei), vorher);
        QVERIFY(a.haupt->FallVeraendert());
        QCOMPARE(a.haupt->DateiAnzeige(), QStringLiteral("Behalten.S01"));
        a.haupt->D_SpeichernItemClick();  // plain save still writes to the case's file
        QVERIFY(Inhalt(datei) != vorher);
        QVERIFY(!a.haupt->FallVeraendert());
    }

    void seitenreiter_gewinnen_die_alt_buchstaben() {
        Aufbau a;
        a.haupt->fall.seiteErzeugen = a.echteSeiten;
        a.Zeigen();
        TForm11* nsa = a.LohnkarteOeffnen();
        QVERIFY(nsa);
        QTabWidget* nb = nsa->OvcNb();
        nb->setCurrentIndex(1);
        BetragFeld* brutto = nsa->Betrag(Feld::Brutto);
        brutto->setFocus();
        QApplication::processEvents();
        // "Teil II" takes a letter of its own instead of the menu's "E".
        const QChar zwei = Kennbuchstabe(nb->tabText(2));
        QVERIFY(zwei != u'E' && zwei != u'I');
        QTest::keyClick(brutto, Qt::Key(zwei.unicode()), Qt::AltModifier);
        QCOMPARE(nb->currentIndex(), 2);
        QVERIFY(nb->currentWidget()->isAncestorOf(QApplication::focusWidget()));
        QVERIFY(!QApplication::activePopupWidget());
        // "Teil III" has no free letter but the menu "&Information"'s: the page
        // wins it, and no other tab ("Info" no longer) shares it.
        QCOMPARE(Kennbuchstabe(nb->tabText(0)), QChar(u'N'));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::AltModifier);
        QCOMPARE(nb->currentIndex(), 3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::AltModifier);
        QCOMPARE(nb->currentIndex(), 3);
        QVERIFY(!QApplication::activePopupWidget());
        QVERIFY(a.haupt->SeitenOffen());

        // Ctrl+V pastes in a text field and leaves the page elsewhere.
        nb->setCurrentIndex(1);
        brutto->setFocus();
        brutto->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("12"));
        QTest::keyClick(brutto, Qt::Key_V, Qt::ControlModifier);
        QVERIFY(a.haupt->SeitenOffen());
        QVERIFY(brutto->text().startsWith(QStringLiteral("12")));
        nb->tabBar()->setFocus();
        QApplication::processEvents();
        QTest::keyClick(nb->tabBar(), Qt::Key_V, Qt::ControlModifier);
        QTRY_VERIFY(!a.haupt->SeitenOffen());
        QCOMPARE(a.haupt->Fall().Satz().Dbl(Feld::Brutto, 1), 12.0);
    }

    void passwortabfrage_mit_beschriftung_und_eingabetaste() {
        QWidget eltern;
        DialogPasswortAbfrage abfrage(&eltern);
        QString beschriftung;
        BeiModal([&](QWidget* w) {
            if (auto* l = w->findChild<QLabel*>(QStringLiteral("PasswortLbl"))) beschriftung = l->text();
            auto* feld = w->findChild<QLineEdit*>(QStringLiteral("Passwort1"));
            QVERIFY(feld);
            feld->setFocus();
            QTest::keyClicks(feld, QStringLiteral("geheim"));
            QTest::keyClick(feld, Qt::Key_Return);
        });
        QCOMPARE(abfrage.Eingabe(), std::optional<std::string>("geheim"));
        QVERIFY(!beschriftung.isEmpty());
    }

    void vorjahresdialog_beginnt_mit_dem_s00_filter() {
        QtDateiDialoge dialoge;
        DateiDialogAnfrage anfrage;
        anfrage.filter = "Steuer 2001   (*.S01)|*.S01|Steuer 2000   (*.S00)|*.S00";
        anfrage.filterIndex = 2;
        QString gewaehlt;
        BeiModal([&](QWidget* w) {
            if (auto* d = qobject_cast<QFileDialog*>(w)) gewaehlt = d->selectedNameFilter();
            qobject_cast<QDialog*>(w)->reject();
        });
        QVERIFY(!dialoge.Oeffnen(anfrage));
        QVERIFY2(gewaehlt.contains(QStringLiteral("*.S00")), qPrintable(gewaehlt));
    }

    void werkzeughinweis_geht_mit_der_maus() {
        Aufbau a;
        a.Zeigen();
        QWidget* neu = a.haupt->Knopf(QStringLiteral("SpeedNeuBtn"));
        QEnterEvent rein(QPointF(2, 2), QPointF(2, 2), neu->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(neu, &rein);
        QCOMPARE(a.haupt->statusBar()->currentMessage(), QStringLiteral("Neuer Steuerfall anlegen"));
        QEvent raus(QEvent::Leave);
        QApplication::sendEvent(neu, &raus);
        QCOMPARE(a.haupt->statusBar()->currentMessage(), QString());
        // Disabled under the mouse (the command opened a page): no leave
        // event comes, and the hint goes all the same.
        QApplication::sendEvent(neu, &rein);
        QCOMPARE(a.haupt->statusBar()->currentMessage(), QStringLiteral("Neuer Steuerfall anlegen"));
        neu->setEnabled(false);
        QCOMPARE(a.haupt->statusBar()->currentMessage(), QString());
    }

    void seitenansicht_nach_unterseite_wieder_bei_der_seite() {
        Aufbau a;
        a.Zeigen();
        a.senke.antworten = {Antwort::OK, Antwort::Nein};
        a.haupt->D_NeuItemClick();
        const std::string seite =
            "F" + DreiStellen(SeitenHilfeNummer(a.haupt->AktBereich(), a.haupt->AktSeite()));
        Umgebung::Schreiben(a.umg.pfade.hilfe + seite + ".htm", "<p>Seite</p>");
        Umgebung::Schreiben(a.umg.pfade.hilfe + "F502.htm", "<p>Ausbildung</p>");
        a.haupt->SeiteEinfuegen(new TestSeite);
        auto* unter = new TestSeite;
        unter->setProperty("unterseite", true);
        a.haupt->SetzeHilfeseite(502);
        a.haupt->SeiteEinfuegen(unter);
        QVERIFY(QString::fromStdString(a.haupt->LfdView()->AktuelleDatei()).endsWith("F502.htm"));
        unter->parentWidget()->close();  // closes without asking for a help page
        QTRY_VERIFY(QString::fromStdString(a.haupt->LfdView()->AktuelleDatei())
                        .endsWith(QString::fromStdString(seite + ".htm")));
    }

    void formulardruck_aus_dem_menue() {
        Aufbau a;
        a.Zeigen();
        a.haupt->D_NeuItemClick();
        std::vector<int> vorschauen;
        a.haupt->Druck().vorschau = [&](const Bericht& b, const Vorschaustart&) {
            vorschauen.push_back(b.Seitenzahl());
        };
        BeiModal([&](QWidget* w) {
            auto* d = qobject_cast<TxGlobFDrk*>(w);
            QVERIFY(d);
            d->Ankreuzen(0, true);
            d->Ankreuzen(9, true);
            d->MitVoranzeigeCB()->setChecked(true);
            d->Skalierung()->setValue(90);
            d->Drucken();
            d->findChild<QPushButton*>(QStringLiteral("OkBtn"))->click();
        });
        a.haupt->Aktion(QStringLiteral("D_DruckFormulare"))->trigger();
        // One preview shows exactly the ticked sheets; closing writes the settings.
        QCOMPARE(vorschauen, (std::vector<int>{2}));
        QCOMPARE(a.haupt->Einst().formSkalierung, 90);
        QVERIFY(a.umg.Ini().find("FormSkalierung=90") != std::string::npos);
    }
};

QTEST_MAIN(HauptfensterTest)
#include "hauptfenster.moc"
