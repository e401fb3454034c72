#include "shell/tf_globmain.h"

#include "calc/berechnung.h"
#include "calc/deklaration.h"
#include "pages/seitenzustand.h"
#include "results/pruefbericht.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <filesystem>

#include "pages/seitentabelle.h"
#include "print/druckausgabe.h"
#include "print/formulardruck.h"
#include "print/txglobfdrk.h"
#include "results/bescheid.h"
#include "results/txglobview.h"
#include "shell/anzeige.h"
#include "shell/falldialoge.h"
#include "shell/kleinfenster.h"
#include "shell/navigation.h"
#include "shell/tf_globlfdview.h"
#include "shell/tf_memo.h"
#include "shell/txglobhtm.h"
#include "shell/txglobconf.h"
#include "shell/txinterview.h"
#include "shell/txnavigator.h"
#include "widgets/eingabefeld.h"

namespace quarnel::gui {

namespace {

using S = Steuerelement;

QString U(const char* s) {
    return QString::fromUtf8(s);
}
QString U(const std::string& s) {
    return QString::fromStdString(s);
}

// Hints are "short|long": the short part is the tool tip, the long part the
// status-bar text; without "|" both are the whole hint. "\r" breaks the line.
void HinweisSetzen(QWidget* w, const QString& hinweis) {
    QString kurz = hinweis, lang = hinweis;
    const int strich = hinweis.indexOf(QLatin1Char('|'));
    if (strich >= 0) {
        kurz = hinweis.left(strich);
        lang = hinweis.mid(strich + 1);
    }
    kurz.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lang.replace(QLatin1Char('\r'), QLatin1Char(' '));
    w->setToolTip(kurz);
    w->setStatusTip(lang.simplified());
}

QIcon Symbol(const QString& zeichen, const QColor& farbe) {
    QPixmap p(20, 20);
    p.fill(Qt::transparent);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    m.setPen(farbe.darker(140));
    m.setBrush(farbe.lighter(170));
    m.drawRoundedRect(QRectF(1.5, 1.5, 17, 17), 3, 3);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(zeichen.size() > 1 ? 9 : 13);
    f.setBold(true);
    m.setFont(f);
    m.setPen(farbe.darker(180));
    m.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, zeichen);
    return QIcon(p);
}

Meldung M(MeldungsTyp typ, std::string text, unsigned knoepfe, std::string hilfeseite = {},
          bool positioniert = false) {
    return Meldung{typ, std::move(text), knoepfe, std::move(hilfeseite), positioniert};
}

QColor ZuQColor(uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

bool Existiert(const std::string& pfad) {
    std::error_code ec;
    return std::filesystem::exists(pfad, ec);
}

// The letter a caption marks with "&" ("T&eil II": E), or none.
QChar Kennbuchstabe(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i)
        if (text[i] == u'&') {
            if (text[i + 1] != u'&') return text[i + 1].toUpper();
            ++i;
        }
    return {};
}

// The tab that Alt + `buchstabe` chooses on a page: the notebooks around the
// focus first, the innermost first, then the page's other visible ones. Tabs
// of one notebook with the same letter take turns, from the one shown on.
std::pair<QTabWidget*, int> SeitenReiter(QWidget* seite, QWidget* fokus, QChar buchstabe) {
    std::vector<QTabWidget*> reihe;
    for (QWidget* w = fokus; w && w != seite->parentWidget(); w = w->parentWidget())
        if (auto* nb = qobject_cast<QTabWidget*>(w)) reihe.push_back(nb);
    for (QTabWidget* nb : seite->findChildren<QTabWidget*>())
        if (nb->isVisible() && std::find(reihe.begin(), reihe.end(), nb) == reihe.end())
            reihe.push_back(nb);
    for (QTabWidget* nb : reihe)
        for (int k = 1; k <= nb->count(); ++k) {
            const int i = (nb->currentIndex() + k) % nb->count();
            if (nb->isTabEnabled(i) && nb->isTabVisible(i) &&
                Kennbuchstabe(nb->tabText(i)) == buchstabe)
                return {nb, i};
        }
    return {nullptr, -1};
}

// Shows the tab and puts the focus on its first field (on the tab itself
// when it has none).
void ReiterWaehlen(QTabWidget* nb, int i) {
    nb->setCurrentIndex(i);
    QWidget* blatt = nb->widget(i);
    for (QWidget* z = blatt->nextInFocusChain(); z && z != blatt; z = z->nextInFocusChain())
        if (blatt->isAncestorOf(z) && z->isVisible() && z->isEnabled() &&
            (z->focusPolicy() & Qt::TabFocus) && !qobject_cast<QTabBar*>(z)) {
            z->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    nb->tabBar()->setFocus(Qt::ShortcutFocusReason);
}

void Warten(int ms) {
    QElapsedTimer t;
    t.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, ms);
    } while (t.elapsed() < ms);
}

}  // namespace

TF_GlobMain::TF_GlobMain(const Startschalter& schalter, const Verzeichnisse& verzeichnisse,
                         const ShellDienste& dienste, QWidget* eltern)
    : QMainWindow(eltern), schalter_(schalter), pfade_(verzeichnisse), dienste_(dienste) {
    setObjectName(QStringLiteral("F_GlobMain"));
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(12);
    setFont(schrift);

    // Settings first: the window takes its colour and mode from them.
    einst_ = EinstellungenLesen(pfade_.EinstellungsDatei());
    if (QString::fromStdString(einst_.letztDatenPfad).trimmed().isEmpty())
        einst_.letztDatenPfad = QDir::currentPath().toStdString() + "/";
    EingabeFeld::StandardUeberschreiben() = !einst_.insert;

    // The temporary files and the case, a new one from the start.
    temp_ = std::make_unique<TemporaereDateien>();
    verw_ = std::make_unique<Fallverwaltung>(*dienste_.meldungen, *dienste_.dateiDialoge,
                                             temp_->Arbeitsdatei(), schalter_.testmodus);
    verw_->Zustand().datenPfad = einst_.letztDatenPfad;
    verw_->SetzeSicherungen(einst_.sicherungen);
    druck_ = std::make_unique<Druckausgabe>(this, einst_, temp_->Druckdatei(),
                                            Ausgabedienste{dienste_.meldungen, dienste_.dateiDialoge});
    FormulardruckAnbinden(*druck_, {[this]() -> CaseRecord& { return verw_->Satz(); },
                                    [this] {
                                        DeklarationFuellen(verw_->Satz(), AktuelleEingabe(),
                                                           AktuellesErgebnis(), false);
                                    },
                                    &einst_, pfade_.formular, dienste_.uhr});
    druck_->daten.fall = &verw_->Satz();  // headers name the taxpayer before any computation
    verw_->Zustand().programmVerzeichnis = QDir::homePath().toStdString();
    if (schalter_.autoOeffnen) verw_->NeuS01BeimStart();
    if (!schalter_.datei.empty()) verw_->DateiBeimStart(schalter_.datei);
    auto abfrage = std::make_unique<DialogPasswortAbfrage>(this);
    abfrage->hilfeZeigen = [this] { Hilfeanzeigen("std\\passwort"); };
    abfrage_ = std::move(abfrage);
    verw_->SetzePasswortAbfrage(abfrage_.get());
    verw_->SetzeVorjahrDialog([this](VorjahrAuswahl& auswahl) {
        TxVorjahr d(this, auswahl, pfade_.formular);
        d.hilfeZeigen = [this] { Hilfeanzeigen("std\\vorjahrdat"); };
        d.bestaetigt = [this] {
            einst_.letztDatenPfad = verw_->Zustand().datenPfad;
            std::error_code ec;
            std::filesystem::create_directories(pfade_.einstellungen, ec);
            EinstellungenSchreiben(pfade_.EinstellungsDatei(), einst_);
        };
        d.exec();
    });
    verw_->ArbeitsdateiAnlegen();

    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("MdiArea"));
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCentralWidget(mdi_);
    mdi_->viewport()->installEventFilter(this);
    qApp->installEventFilter(this);  // the keys of the entry pages (SeitenTaste)

    // The start picture lies on the client area, under every child window.
    bildPnl_ = new QWidget(mdi_->viewport());
    bildPnl_->setObjectName(QStringLiteral("BildPnl"));
    bildPnl_->setAutoFillBackground(true);
    {
        QPalette p = bildPnl_->palette();
        p.setColor(QPalette::Window, Qt::white);
        bildPnl_->setPalette(p);
        auto* l = new QVBoxLayout(bildPnl_);
        auto* titel = new QLabel(U(ProgrammTitel).trimmed(), bildPnl_);
        titel->setObjectName(QStringLiteral("PLabel"));
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(40);
        f.setBold(true);
        titel->setFont(f);
        titel->setStyleSheet(QStringLiteral("color: navy"));
        titel->setAlignment(Qt::AlignCenter);
        auto* z1 = new QLabel(U("Ihr Programm zur Erstellung "), bildPnl_);
        auto* z2 = new QLabel(U("der Steuererklärung 2001."), bildPnl_);
        for (QLabel* z : {z1, z2}) {
            QFont g(QStringLiteral("Arial"));
            g.setPixelSize(20);
            z->setFont(g);
            z->setStyleSheet(QStringLiteral("color: navy"));
            z->setAlignment(Qt::AlignCenter);
        }
        l->addStretch(2);
        l->addWidget(titel);
        l->addSpacing(20);
        l->addWidget(z1);
        l->addWidget(z2);
        l->addStretch(3);
    }
    bildPnl_->lower();

    // The side view: a caption-less child window for the help text.
    seitenText_ = new TF_GlobLfdView;
    seitenText_->SetzeOrte(Hilfeorte());
    seitenText_->dienste = {dienste_.meldungen, dienste_.desktop};
    seitenText_->schriftGroesse = 9 + einst_.deltaFontSizeTab;
    seitenText_->hilfeOeffnen = [this](const std::string& datei, const std::string& anker) {
        if (einst_.internetBrowser) {
            if (dienste_.desktop) dienste_.desktop->Oeffnen(datei);
        } else {
            HilfefensterZeigen(datei, anker);
        }
    };
    seitenansicht_ = mdi_->addSubWindow(seitenText_, Qt::FramelessWindowHint);
    seitenansicht_->setObjectName(QStringLiteral("F_GlobLfdView"));
    seitenansicht_->show();

    MenuesAnlegen();
    WerkzeugleisteAnlegen();
    SeitenleisteAnlegen();
    StatusleisteAnlegen();
    TimerAnlegen();
    FarbeSetzen();

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &TF_GlobMain::F1Gedrueckt);

    connect(qApp, &QApplication::focusChanged, this, &TF_GlobMain::FokusGewechselt);
    Tform13::FensterMelder() = [this](bool offen) {
        FensterGewechselt(offen ? Fensterart::Dialog : Fensterart::Keins);
    };

    // The computation: fill the declaration values from the open case and
    // compute; the balance goes to the status bar.
    fall.berechnen = [this](bool) -> std::optional<double> {
        CalcInput& e = AktuelleEingabe();
        CalcResult& r = AktuellesErgebnis();
        DeklarationFuellen(verw_->Satz(), e, r, kurzberechnung_);
        Berechne(e, r);
        return r.GesamtSaldo;
    };

    SeitenAnbinden(*this);

    titel_ = U(FensterTitel());
    setWindowTitle(titel_);
    resize(718, 560);
    MenuezustandAnwenden();
}

TF_GlobMain::~TF_GlobMain() {
    Tform13::FensterMelder() = nullptr;
}

// --- building the window -------------------------------------------------------

void TF_GlobMain::MenuesAnlegen() {
    auto menue = [this](const char* name, const char* text, QMenu* in = nullptr) {
        QMenu* m = in ? in->addMenu(U(text)) : menuBar()->addMenu(U(text));
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto punkt = [this](QMenu* m, const char* name, const char* text, auto befehl,
                        QKeySequence taste = {}) {
        auto* a = new QAction(U(text), this);
        a->setObjectName(QString::fromLatin1(name));
        if (!taste.isEmpty()) {
            a->setShortcut(taste);
            a->setShortcutContext(Qt::WindowShortcut);
        }
        connect(a, &QAction::triggered, this, befehl);
        m->addAction(a);
        return a;
    };
    auto hilfe = [this](const char* seite) { return [this, seite] { Hilfeanzeigen(seite); }; };

    QMenu* datei = menue("DateiMenue", "&Datei");
    punkt(datei, "D_NeuItem", "&Neu", [this] { D_NeuItemClick(); });
    punkt(datei, "D_OpenItem", "&Öffnen...", [this] { D_OpenItemClick(); });
    punkt(datei, "D_OpenItemVorjahr", "Öffnen &Vorjahresdaten",
          [this] { D_OpenItemVorjahrClick(); });
    datei->addSeparator();
    punkt(
        datei, "D_SpeichernItem", "&Speichern", [this] { D_SpeichernItemClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_S));
    punkt(datei, "D_SpeichernUnterItem", "Speichern &unter ...",
          [this] { D_SpeichernUnterItemClick(); });
    datei->addSeparator();
    punkt(datei, "D_PasswortItem", "&Passwort ändern", [this] { D_PasswortItemClick(); });
    datei->addSeparator();
    punkt(datei, "D_DruckFormulare", "D&rucken der Formulare", [this] { D_DruckFormulareClick(); });
    punkt(datei, "D_DruckereinrichtenItem", "Drucker &einrichten",
          [this] { D_DruckereinrichtenItemClick(); });
    datei->addSeparator();
    punkt(
        datei, "D_EndeItem", "&Beenden", [this] { close(); }, QKeySequence(Qt::ALT | Qt::Key_F4));

    QMenu* eingabe = menue("EingabeMenue", "&Eingabe");
    punkt(
        eingabe, "E_Navigator", "Navigator", [this] { NavigatorClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_N));
    eingabe->addSeparator();
    punkt(eingabe, "E_WWW", "&Was-Wäre-Wenn", [this] { E_WWWClick(1); });
    punkt(eingabe, "E_Kurz", "&Kurzberechnung", [this] { E_WWWClick(2); });
    eingabe->addSeparator();
    punkt(
        eingabe, "E_Verlassen", "&Verlassen - Eingaberegister", [this] { NavigatorStopBtnClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_V))
        ->setProperty("tag", 3);

    QMenu* formular = menue("FormularMenue", "&Formular");
    auto blatt = [this, &punkt](QMenu* m, const char* text, int tag) {
        const std::string name = "F_Blatt" + std::to_string(tag);
        QAction* a = punkt(m, name.c_str(), text, [this, tag] { FormularblattClick(tag); });
        a->setProperty("tag", tag);
    };
    {
        QMenu* m = menue("F_Mantelbogen", "&Mantelbogen", formular);
        for (int i = 1; i <= 4; ++i) blatt(m, ("Seite &" + std::to_string(i)).c_str(), 10 + i);
        m = menue("F_AnlageKinder", "Anlage &Kinder", formular);
        blatt(m, "Seite &1", 21);
        blatt(m, "Seite &2", 22);
        m = menue("F_AnlageN", "Anlage &N", formular);
        QMenu* er = menue("F_AnlageNStpfl", "&Stpfl./Ehemann", m);
        blatt(er, "Seite &1", 311);
        blatt(er, "Seite &2", 321);
        QMenu* sie = menue("F_AnlageNEheg", "&Ehegatte", m);
        blatt(sie, "Seite &1", 312);
        blatt(sie, "Seite &2", 322);
        const struct {
            const char* name;
            const char* text;
            int tag;
        } paare[] = {{"F_AnlageKAP", "Anlage KA&P", 41},
                     {"F_AnlageGSE", "Anlage &GSE", 51},
                     {"F_AnlageFW", "Anlage &FW", 61}};
        for (const auto& p : paare) {
            m = menue(p.name, p.text, formular);
            blatt(m, "Seite &1", p.tag);
            blatt(m, "Seite &2", p.tag + 1);
        }
        m = menue("F_AnlageV", "Anlage &V", formular);
        for (int o = 1; o <= 4; ++o) {
            const std::string n = "F_AnlageVObjekt" + std::to_string(o);
            QMenu* obj = menue(n.c_str(), ("&" + std::to_string(o) + ". Objekt").c_str(), m);
            blatt(obj, "Seite &1", 710 + o);
            blatt(obj, "Seite &2", 720 + o);
        }
        m = menue("F_AnlageSO", "Anlage &SO", formular);
        blatt(m, "Seite &1", 81);
        blatt(m, "Seite &2", 82);
        m = menue("F_AnlageSt", "Anlage St", formular);
        blatt(m, "Seite &1", 91);
        blatt(m, "Seite &2", 92);
    }
    formular->addSeparator();
    punkt(
        formular, "F_AktuellesFormular", "&Aktuelles Formular", [this] { SpeedFormularClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_F));
    punkt(formular, "F_DruckenderFormulare", "D&rucken der Formulare",
          [this] { D_DruckFormulareClick(); });

    QMenu* info = menue("InformationMenue", "&Information");
    punkt(info, "I_Handbuch", "Programm-Handbuch", hilfe("std\\index0.htm"));
    punkt(info, "I_SteuerHandbuch", "Steuer-Handbuch", hilfe("handbuch\\2001\\index.htm"));
    info->addSeparator();
    punkt(info, "I_Aktuelles", "&Aktuelles", hilfe("std\\aktuell"));
    punkt(info, "FragenundAntwort1", "&Fragen und Antwort", hilfe("std\\faq"));
    info->addSeparator();
    punkt(info, "I_Musterbriefe", "&Musterbriefe",
          hilfe("handbuch\\2001\\musterbriefe\\index.htm"));
    punkt(info, "I_TipsundUrteile", "Tips und &Urteile", hilfe("tippsurteile\\index.htm"));
    info->addSeparator();
    punkt(
        info, "I_Kalender", "&Kalender", [this] { KalenderClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_K));
    punkt(
        info, "I_Rechner", "&Taschenrechner", [this] { RechnerClick(); },
        QKeySequence(Qt::CTRL | Qt::Key_T));
    info->addSeparator();
    QMenu* pruefung = menue("i_Pruefung", "&Prüfung Eingaben", info);
    punkt(
        pruefung, "i_PruefungAktuell", "Aktuelles Register", [this] { Pruefen(99); },
        QKeySequence(Qt::CTRL | Qt::Key_P))
        ->setProperty("tag", 99);
    punkt(pruefung, "i_PruefungAlle", "Alle Register", [this] {
        Pruefen(100);
    })->setProperty("tag", 100);
    punkt(
        info, "i_Berechnung", "&Berechnung ", [this] { Pruefen(0); },
        QKeySequence(Qt::CTRL | Qt::Key_B))
        ->setProperty("tag", 0);

    QMenu* konf = menue("KonfigurationMenue", "&Konfiguration");
    punkt(konf, "K_VoreinItem", "&Voreinstellungen", [this] { K_VoreinItemClick(); });
    QMenu* bild = menue("K_Bildschirm", "Bildschirm", konf);
    const struct {
        const char* text;
        int tag;
    } groessen[] = {{"70%", 70}, {"80%", 80}, {"90%  (Standard)", 90}, {"95% ", 95}, {"100%", 100}};
    for (const auto& g : groessen) {
        const std::string name = "K_Bildschirm" + std::to_string(g.tag);
        int tag = g.tag;
        punkt(bild, name.c_str(), g.text, [this, tag] {
            BildschirmClick(tag);
        })->setProperty("tag", tag);
    }

    QMenu* hilfeMenue = menue("HilfeMenue", "&Hilfe");
    const struct {
        const char* name;
        const char* text;
        const char* seite;
        int tag;
    } hilfen[] = {{"H_Index", "&Index..", "std\\index0", 1},
                  {"H_Tastatur", "&Tastatur", "std\\tastatur", 101},
                  {"H_Menues", "&Menüs", "std\\menues", 201},
                  {"H_Verfahren", "&Verfahren", "std\\verfahren", 301},
                  {"H_HilfeVerwenden", "&Hilfe verwenden", "std\\hilfe", 401}};
    for (const auto& h : hilfen)
        punkt(hilfeMenue, h.name, h.text, hilfe(h.seite))->setProperty("tag", h.tag);
    hilfeMenue->addSeparator();
    punkt(hilfeMenue, "H_InfoItem", "Inf&o über ...", [this] { InfoClick(); });
}

void TF_GlobMain::WerkzeugleisteAnlegen() {
    leiste_ = addToolBar(QStringLiteral("Werkzeuge"));
    leiste_->setObjectName(QStringLiteral("TopSpeedPnl"));
    leiste_->setMovable(false);
    leiste_->setFloatable(false);
    leiste_->setIconSize(QSize(20, 20));
    leiste_->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);

    auto knopf = [this](const char* name, const QIcon& symbol, const char* hinweis, auto befehl,
                        int tag = -1) {
        auto* b = new QToolButton(leiste_);
        b->setObjectName(QString::fromLatin1(name));
        b->setIcon(symbol);
        b->setAutoRaise(true);
        if (hinweis) HinweisSetzen(b, U(hinweis));
        if (tag >= 0) b->setProperty("tag", tag);
        connect(b, &QToolButton::clicked, this, befehl);
        leiste_->addWidget(b);
        return b;
    };
    QStyle* st = style();
    knopf("SpeedNeuBtn", st->standardIcon(QStyle::SP_FileIcon), "Neuer Steuerfall anlegen",
          [this] { D_NeuItemClick(); });
    knopf("SpeedOpenBtn", st->standardIcon(QStyle::SP_DialogOpenButton),
          "Öffnen eines gespeicherten Steuerfalls", [this] { D_OpenItemClick(); });
    knopf("SpeedSaveBtn", st->standardIcon(QStyle::SP_DialogSaveButton),
          "Steuerfall speichern (Strg+S)", [this] { D_SpeichernItemClick(); });
    leiste_->addSeparator();
    knopf("SpeedKalenderBtn", Symbol(QStringLiteral("31"), QColor(200, 60, 60)),
          "Kalender\r(Strg+K)|", [this] { KalenderClick(); });
    knopf("SpeedRechnerBtn", Symbol(QStringLiteral("±"), QColor(90, 90, 90)),
          "Taschenrechner\r(Strg+T)|", [this] { RechnerClick(); });
    knopf("SpeedHelp", Symbol(QStringLiteral("?"), QColor(40, 90, 200)),
          "Das Handbuch zum Programm.", [this] { Hilfeanzeigen("std\\index0.htm"); });
    leiste_->addSeparator();
    knopf("SpeedFragen", Symbol(QStringLiteral("i"), QColor(40, 150, 60)), "Interview durchführen",
          [this] { SpeedFragenClick(); });
    knopf(
        "SpeedPruef1", Symbol(QStringLiteral("P1"), QColor(200, 140, 20)),
        "Prüfung aktuelles Register, Ctrll+P", [this] { Pruefen(99); }, 99);
    knopf(
        "SpeedPruef2", Symbol(QStringLiteral("PA"), QColor(200, 140, 20)),
        "Prüfung  a l l e r  Register", [this] { Pruefen(100); }, 100);
    knopf("MemoBitBtn", Symbol(QStringLiteral("!"), QColor(220, 180, 0)),
          "Register: Erinnerungspunkt setzen\rbzw. zurücknehmen|", [this] { MemoBitBtnClick(); });
    knopf("NotizBitBtn", Symbol(QStringLiteral("N"), QColor(220, 200, 60)),
          "Register: Notiz\rerstellen.|", [this] { NotizBitBtnClick(); });
    knopf("SpeedFormularsicht", Symbol(QStringLiteral("F"), QColor(60, 120, 200)),
          "Aktuelles Formular", [this] { SpeedFormularClick(); });
    knopf(
        "SpeedRechne", Symbol(QStringLiteral("="), QColor(30, 110, 30)), "Berechnung (Ctrl+B)",
        [this] { Pruefen(0); }, 0);
    leiste_->addSeparator();
    // The navigator buttons take the hints of the side panel's buttons at start.
    knopf(
        "SpeedNavigatorRueckBtn", st->standardIcon(QStyle::SP_ArrowBack), nullptr,
        [this] { NavigatorVorRueck(false); }, 2);
    knopf(
        "SpeedNavigatorVorBtn", st->standardIcon(QStyle::SP_ArrowForward), nullptr,
        [this] { NavigatorVorRueck(true); }, 1);
    knopf(
        "SpeedNavigatorBtn", Symbol(QStringLiteral("Nv"), QColor(40, 90, 200)), nullptr,
        [this] { NavigatorClick(); }, 4);
    knopf(
        "SpeedNavigatorStopBtn", st->standardIcon(QStyle::SP_DialogCloseButton), nullptr,
        [this] { NavigatorStopBtnClick(); }, 3);
    leiste_->addSeparator();
    knopf("SpeedExitBtn", st->standardIcon(QStyle::SP_DialogCancelButton),
          "Beenden des \rProgramms\r(Alt+F4)|", [this] { close(); });
    auto* reload = new QToolButton(leiste_);
    reload->setObjectName(QStringLiteral("ReloadBtn"));
    reload->setText(QStringLiteral("Reload"));
    reload->setAutoRaise(true);
    connect(reload, &QToolButton::clicked, this, [this] { seitenText_->reload(); });
    QAction* reloadAktion = leiste_->addWidget(reload);
    reloadAktion->setVisible(schalter_.testmodus);
}

void TF_GlobMain::SeitenleisteAnlegen() {
    navigatorPnl_ = new QWidget(this);
    navigatorPnl_->setObjectName(QStringLiteral("NavigatorPnl"));
    navigatorPnl_->setFixedWidth(17);
    auto* l = new QVBoxLayout(navigatorPnl_);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(1);
    const struct {
        const char* name;
        Qt::ArrowType pfeil;
        const char* hinweis;
        int tag;
    } knoepfe[] = {
        {"NavigatorVorBtn", Qt::RightArrow, "Zum nächsten Eingabebereich.", 1},
        {"NavigatorRueckBtn", Qt::LeftArrow, "Zum vorhergehenden Eingabebereich.", 2},
        {"NavigatorStopBtn", Qt::NoArrow, "Aktuellen Eingabebereich schließen.", 3},
        {"NavigatorBtn", Qt::NoArrow, "Navigator der Eingabebereiche aufrufen.", 4},
    };
    for (const auto& k : knoepfe) {
        auto* b = new QToolButton(navigatorPnl_);
        b->setObjectName(QString::fromLatin1(k.name));
        b->setProperty("tag", k.tag);
        if (k.pfeil != Qt::NoArrow)
            b->setArrowType(k.pfeil);
        else
            b->setText(k.tag == 3 ? QStringLiteral("×") : QStringLiteral("N"));
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        b->setFixedWidth(17);
        HinweisSetzen(b, U(k.hinweis));
        const int tag = k.tag;
        connect(b, &QToolButton::clicked, this, [this, tag] {
            if (tag == 1)
                NavigatorVorRueck(true);
            else if (tag == 2)
                NavigatorVorRueck(false);
            else if (tag == 3)
                NavigatorStopBtnClick();
            else
                NavigatorClick();
        });
        l->addWidget(b, 1);
    }
    // The panel sits left of the client area.
    auto* rahmen = new QWidget(this);
    auto* h = new QHBoxLayout(rahmen);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(0);
    h->addWidget(navigatorPnl_);
    takeCentralWidget();
    h->addWidget(mdi_, 1);
    setCentralWidget(rahmen);
}

void TF_GlobMain::StatusleisteAnlegen() {
    QStatusBar* sb = statusBar();
    sb->setObjectName(QStringLiteral("StatusBar"));
    sb->setSizeGripEnabled(false);
    auto panel = [this, sb](const char* name, QWidget* inhalt = nullptr) {
        auto* lbl = new QLabel(this);
        lbl->setObjectName(QString::fromLatin1(name));
        lbl->setFrameShape(QFrame::Panel);
        lbl->setFrameShadow(QFrame::Sunken);
        lbl->setTextFormat(Qt::PlainText);  // file names and hints are text, never markup
        lbl->setAlignment(Qt::AlignCenter);
        lbl->setFixedWidth(142);
        sb->addPermanentWidget(inhalt ? inhalt : lbl);
        return lbl;
    };
    QLabel* tip = panel("TipPnl");
    HinweisSetzen(tip, U("Ergebnis - plus: Ihre Erstattung  minus: Sie zahlen."));
    panel("FeldNrPnl");
    panel("FormNrPnl");
    // The file panel carries the changed-image at its left.
    auto* datei = new QWidget(this);
    auto* h = new QHBoxLayout(datei);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(2);
    datenModImg_ = new QLabel(datei);
    datenModImg_->setObjectName(QStringLiteral("DatenModImg"));
    datenModImg_->setPixmap(style()->standardIcon(QStyle::SP_DialogSaveButton).pixmap(14, 14));
    datenModImg_->setToolTip(U("Der Fall hat ungesicherte Änderungen."));
    datenModImg_->setVisible(false);
    h->addWidget(datenModImg_);
    QLabel* dateiPnl = new QLabel(datei);
    dateiPnl->setObjectName(QStringLiteral("DateiPnl"));
    dateiPnl->setTextFormat(Qt::PlainText);
    dateiPnl->setFrameShape(QFrame::Panel);
    dateiPnl->setFrameShadow(QFrame::Sunken);
    dateiPnl->setAlignment(Qt::AlignCenter);
    dateiPnl->setFixedWidth(142);
    h->addWidget(dateiPnl);
    sb->addPermanentWidget(datei);
    panel("DatumPnl");
    SetzeDateiname(QString());
}

void TF_GlobMain::TimerAnlegen() {
    auto timer = [this](const char* name, int ms, auto tick) {
        auto* t = new QTimer(this);
        t->setObjectName(QString::fromLatin1(name));
        t->setInterval(ms);
        connect(t, &QTimer::timeout, this, tick);
        return t;
    };
    timer("SpeichernTimer", 1000, [this] {
        if (!menue_.Aktiv(S::SpeedKalenderBtn)) return;  // a dialog is open
        menue_.Setze(S::SpeedSaveBtn, FallVeraendert());
        MenuezustandAnwenden();
    });
    timer("DatumTimer", 30000, [this] {
        const Zeitpunkt t = dienste_.uhr ? dienste_.uhr->Jetzt() : Zeitpunkt{};
        Panel(QStringLiteral("DatumPnl"))
            ->setText(QString::asprintf("%02d.%02d.%04d  %02d:%02d", t.tag, t.monat, t.jahr,
                                        t.stunde, t.minute));
    });
    timer("LaufschriftTimer", 500, [this] {
        if (einst_.artLaufschrift == 0) return;
        titel_ = U(LaufschriftSchritt(titel_.toStdString()));
        setWindowTitle(titel_);
    });
    timer("TitelTimer", 60000, [this] { FensterTitelSetzen(); });
}

// --- access ------------------------------------------------------------------------

QAction* TF_GlobMain::Aktion(const QString& name) const {
    return findChild<QAction*>(name);
}

QWidget* TF_GlobMain::Knopf(const QString& name) const {
    return findChild<QAbstractButton*>(name);
}

QLabel* TF_GlobMain::Panel(const QString& name) const {
    return findChild<QLabel*>(name);
}

QTimer* TF_GlobMain::Timer(const QString& name) const {
    return findChild<QTimer*>(name);
}

QString TF_GlobMain::DateiAnzeige() const {
    return Panel(QStringLiteral("DateiPnl"))->text();
}

void TF_GlobMain::SetzeDateiname(const QString& name) {
    Panel(QStringLiteral("DateiPnl"))->setText(name.isEmpty() ? U("Keine Datei") : name);
}

void TF_GlobMain::SetzeFallVeraendert(bool v) {
    verw_->Zustand().veraendert = v;
    datenModImg_->setVisible(v);
}

void TF_GlobMain::ZustandUebernehmen() {
    const quarnel::Fallzustand& z = verw_->Zustand();
    SetzeDateiname(U(z.anzeige));
    datenModImg_->setVisible(z.veraendert);
    einst_.letztDatenPfad = z.datenPfad;
    if (z.zustand != 0 && menue_.Stufe() == 1) {
        menue_.Anwenden(Menuestatus::FallOffen);
        MenuezustandAnwenden();
    }
    SaldoErneuern();
}

void TF_GlobMain::MenuezustandAnwenden() {
    for (std::size_t i = 0; i < AnzahlSteuerelemente; ++i) {
        const auto s = static_cast<Steuerelement>(i);
        const QString name = U(std::string(SteuerelementName(s)));
        const bool an = menue_.Aktiv(s);
        if (QAction* a = Aktion(name)) a->setEnabled(an);
        if (QWidget* w = Knopf(name)) w->setEnabled(an);
    }
}

void TF_GlobMain::FarbeSetzen() {
    const QColor c = ZuQColor(einst_.hintergrund);
    mdi_->setBackground(c);
    QPalette p = seitenText_->palette();
    p.setColor(QPalette::Base, c);
    seitenText_->setPalette(p);
}

void TF_GlobMain::FensterTitelSetzen() {
    titel_ = U(FensterTitel());
    setWindowTitle(titel_);
}

// --- geometry ------------------------------------------------------------------------

void TF_GlobMain::Geometrie() {
    meldungsort_ = QPoint(x() + width() / 5, y() + height() / 5);
    StartbildAnpassen();
}

void TF_GlobMain::StartbildAnpassen() {
    QWidget* vp = mdi_->viewport();
    const int breite = vp->width();
    const int hoehe = vp->height();
    // The side view: 210 of 718 pixels of the main window's width.
    const int seite = std::min(breite, static_cast<int>(std::lround(width() / 718.0 * 210)));
    seitenansicht_->setGeometry(breite - seite, 0, seite, hoehe);
    bildPnl_->setGeometry(0, 0, std::max(0, breite - seite), static_cast<int>(hoehe * 0.95));
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (w != seitenansicht_) w->setGeometry(0, 0, std::max(0, breite - seite), hoehe);
}

void TF_GlobMain::StartbildZeigen() {
    bildPnl_->setVisible(einst_.hinterBild);
}

// Alt + a letter while the focus is on an entry page: the page's tab with that
// letter wins over the menu of the same letter, always.
bool TF_GlobMain::SeitenTaste(QKeyEvent* k, bool ausfuehren) {
    if ((k->modifiers() & ~Qt::KeypadModifier) != Qt::AltModifier || k->key() > 0xFFFF) return false;
    QWidget* fokus = QApplication::focusWidget();
    if (!fokus || fokus->window() != this) return false;
    QWidget* seite = nullptr;
    for (QWidget* w = fokus; w && !seite; w = w->parentWidget())
        if (auto* rahmen = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
            seite = rahmen == seitenansicht_ ? nullptr : w;
    if (!seite) return false;
    const auto [nb, i] = SeitenReiter(seite, fokus, QChar(k->key()).toUpper());
    if (!nb) return false;
    if (ausfuehren)
        ReiterWaehlen(nb, i);
    else
        k->accept();  // no menu takes it: the key goes to the page
    return true;
}

bool TF_GlobMain::eventFilter(QObject* o, QEvent* e) {
    if ((e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) &&
        o->isWidgetType() && SeitenTaste(static_cast<QKeyEvent*>(e), e->type() == QEvent::KeyPress))
        return true;
    if (o == mdi_->viewport() && e->type() == QEvent::Resize) StartbildAnpassen();
    // A button's hint leaves the status bar with the mouse, also when the
    // button was disabled under it (a disabled button gets no leave event).
    if ((e->type() == QEvent::Leave || e->type() == QEvent::EnabledChange) && o->isWidgetType()) {
        auto* w = static_cast<QWidget*>(o);
        const bool leiste = w == leiste_ || w == navigatorPnl_ ||
                            w->parentWidget() == leiste_ || w->parentWidget() == navigatorPnl_;
        if (leiste && (e->type() == QEvent::Leave || !w->isEnabled()) &&
            statusBar()->currentMessage() == w->statusTip())
            statusBar()->clearMessage();
    }
    return QMainWindow::eventFilter(o, e);
}

void TF_GlobMain::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    Geometrie();
}

void TF_GlobMain::moveEvent(QMoveEvent* e) {
    QMainWindow::moveEvent(e);
    Geometrie();
}

void TF_GlobMain::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (ersteAnzeigeGeplant_) return;
    ersteAnzeigeGeplant_ = true;
    if (QScreen* sc = screen()) {
        const QRect r = sc->availableGeometry();
        const int hoehe = std::min(static_cast<int>(r.height() * 0.9), 700);
        Fenstermasse g =
            StartGeometrie(einst_.screenweite, {einst_.links, einst_.oben, einst_.weite},
                           sc->geometry().width(), r.height(), hoehe);
        // The client area's place, as stored on closing: the window stands
        // where it stood, whatever frame the desktop draws around it.
        setGeometry(g.links, g.oben, g.weite, hoehe);
    }
    Geometrie();
    QMetaObject::invokeMethod(this, &TF_GlobMain::ErsteAnzeige, Qt::QueuedConnection);
}

// --- first painting ----------------------------------------------------------------

void TF_GlobMain::ErsteAnzeige() {
    if (ersteAnzeigeErledigt_) return;
    ersteAnzeigeErledigt_ = true;
    emit angezeigt();
    menue_.Anwenden(Menuestatus::KeinFall);
    MenuezustandAnwenden();
    StartbildAnpassen();
    StartbildZeigen();
    EingabeFeld::StandardUeberschreiben() = !einst_.insert;
    SeitenhilfeZeigen("std\\seite0");
    if (QScreen* sc = screen(); sc && sc->geometry().width() < 800)
        Info(
            "Die Bildschirmauflösung ist kleiner 800x600. Bitte stellen Sie das Windows-System "
            "auf eine Auflösung von mindestens 800x600 ein!");
    for (QTimer* t : findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) t->start();
    if (QTimer* t = Timer(QStringLiteral("DatumTimer"))) QMetaObject::invokeMethod(t, "timeout");
    FensterTitelSetzen();
    if (einst_.eingangsFenster) {
        TxEingang d(this, einst_);
        d.exec();
    }
    if (einst_.tips) {
        TxTips d(this, einst_);
        d.exec();
    }
    if (schalter_.autoOeffnen || !schalter_.datei.empty()) D_OpenItemClick();
    SeitenhilfeZeigen("std\\seite0");
    for (const char* n : {"Vor", "Rueck", "", "Stop"}) {
        QWidget* quelle = Knopf(QStringLiteral("Navigator%1Btn").arg(U(n)));
        QWidget* ziel = Knopf(QStringLiteral("SpeedNavigator%1Btn").arg(U(n)));
        if (quelle && ziel) {
            ziel->setToolTip(quelle->toolTip());
            ziel->setStatusTip(quelle->statusTip());
        }
    }
    if (!InstallationVollstaendig(pfade_))
        dienste_.meldungen->Zeige(
            MeldungsTyp::Fehler,
            "Das Programm ist leider unvollständig.\r\nMögliche Ursache:\r\na. Unvollständige "
            "Installation\r\nb. Löschen von Programmdateien\r\nc. Umbenennung von "
            "Verzeichnissen\r\nInstallieren Sie das Programm neu!");
    // No error about a missing printer here: the preview works without one,
    // and printing offers a PDF file instead.
    emit ersteAnzeigeFertig();
}

// --- messages ------------------------------------------------------------------------

Antwort TF_GlobMain::Frage(const Meldung& m) {
    return dienste_.meldungen->Zeige(m);
}

Antwort TF_GlobMain::Info(const std::string& text, bool positioniert) {
    return Frage(Meldung{MeldungsTyp::Information, text, KnopfOK, {}, positioniert});
}

void TF_GlobMain::NichtVerfuegbar() {
    Info(NichtVerfuegbarText);
}

// --- windows, pages, side view ---------------------------------------------------------

void TF_GlobMain::FensterGewechselt(Fensterart art) {
    if (art != Fensterart::Seitenansicht) {
        if (art == Fensterart::Keins && menue_.Stufe() == 2 && !SeitenOffen())
            SeitenansichtNachErgebnis();
        menue_.FensterGewechselt(art);
        MenuezustandAnwenden();
        if (schalter_.testmodus)
            if (auto* r = qobject_cast<QToolButton*>(Knopf(QStringLiteral("ReloadBtn"))))
                r->setText(QStringLiteral("MenStatNr = %1").arg(menue_.Stufe()));
    }
    // The help page a subordinate page asked for, or back to the page's own.
    int& gewuenscht = SeitenzustandGlobal().hilfeseite;
    if (hilfeseite_ == 0) hilfeseite_ = gewuenscht;
    if (hilfeseite_ >= 1 && hilfeseite_ <= 998)
        SeitenhilfeZeigen("F" + DreiStellen(hilfeseite_));
    else if (hilfeseite_ == 999)
        SeitenhilfeZeigen("F" + DreiStellen(SeitenHilfeNummer(aktBereich_, aktSeite_)));
    hilfeseite_ = 0;
    gewuenscht = 0;
}

void TF_GlobMain::SeitenansichtNachErgebnis() {
    if (Fallzustand() == 0) {
        SeitenhilfeZeigen("std\\seite0");
        return;
    }
    const double s = letzterSaldo_.value_or(0.0);
    SeitenhilfeZeigen(std::fabs(s) < 0.005 ? "std\\seite1a"
                      : s > 0              ? "std\\seite1m"
                                           : "std\\seite1p");
}

bool TF_GlobMain::SeitenOffen() const {
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (w != seitenansicht_ && !w->property("schliesst").toBool()) return true;
    return false;
}

QMdiSubWindow* TF_GlobMain::SeiteEinfuegen(QWidget* seite) {
    QMdiSubWindow* w = mdi_->addSubWindow(seite, Qt::FramelessWindowHint);
    w->setAttribute(Qt::WA_DeleteOnClose);
    const bool unterseite = seite->property("unterseite").toBool();
    connect(w, &QObject::destroyed, this, [this, unterseite] {
        QMetaObject::invokeMethod(
            this,
            [this, unterseite] {
                // Back from a subordinate page: the side view shows the
                // page's help again, whether or not it asked for it.
                if (unterseite && hilfeseite_ == 0 && SeitenzustandGlobal().hilfeseite == 0)
                    hilfeseite_ = 999;
                FensterGewechselt(Fensterart::Keins);
            },
            Qt::QueuedConnection);
    });
    bildPnl_->hide();
    StartbildAnpassen();
    w->show();
    FensterGewechselt(unterseite ? Fensterart::Unterseite : Fensterart::Eingabeseite);
    return w;
}

bool TF_GlobMain::SeitenSchliessen(bool alleFragen) {
    bool alle = true;
    const QList<QMdiSubWindow*> fenster = mdi_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = fenster.rbegin(); it != fenster.rend(); ++it) {
        QMdiSubWindow* w = *it;
        if (w == seitenansicht_) continue;
        w->setProperty("schliesst", true);
        if (!w->close()) {
            w->setProperty("schliesst", false);
            alle = false;
            if (!alleFragen) return false;
            continue;
        }
        Warten(10);
    }
    return alle;
}

bool TF_GlobMain::SeitenSichern(bool still, bool alleFragen) {
    bool alle = true;
    const QList<QMdiSubWindow*> fenster = mdi_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = fenster.rbegin(); it != fenster.rend(); ++it) {
        QMdiSubWindow* w = *it;
        if (w == seitenansicht_ || w->property("schliesst").toBool() || !w->widget()) continue;
        if (!fall.seiteSichern || fall.seiteSichern(w->widget(), still)) continue;
        alle = false;
        if (!alleFragen) return false;
    }
    return alle;
}

HilfeOrte TF_GlobMain::Hilfeorte() const {
    HilfeOrte o{pfade_.hilfe, {}};
    if (temp_ && !temp_->Pruefbericht().empty())
        o.bericht = std::filesystem::path(temp_->Pruefbericht()).parent_path().string();
    return o;
}

void TF_GlobMain::SeitenhilfeZeigen(const std::string& seite) {
    seitenText_->Seitenhilfe(seite);
}

void TF_GlobMain::HilfefensterZeigen(const std::string& datei, const std::string& anker) {
    TxGlobHtm d(this, Hilfeorte(), {dienste_.meldungen, dienste_.desktop},
                9 + einst_.deltaFontSizeTab + 2);
    d.setWindowTitle(schalter_.testmodus ? U(datei) : titel_);
    d.Startseite(datei, anker);
    d.exec();
    unsetCursor();
}

void TF_GlobMain::Hilfeanzeigen(const std::string& seite, const std::string& anker,
                                bool systemViewer, bool systemViewerGesetzt) {
    const std::optional<std::string> gefunden = HilfeAufloesen(Hilfeorte(), seite);
    if (!gefunden) {
        dienste_.meldungen->Zeige(MeldungsTyp::Fehler,
                                  "Datei nicht gefunden: " + HilfeDatei(pfade_.hilfe, seite));
        return;
    }
    const std::string& datei = *gefunden;
    const bool browser = systemViewerGesetzt ? systemViewer : einst_.internetBrowser;
    if (browser) {
        if (dienste_.desktop) dienste_.desktop->Oeffnen(datei);
    } else if (fall.hilfeViewer) {
        fall.hilfeViewer(datei, anker.empty() ? std::string() : "F" + anker);
    } else {
        HilfefensterZeigen(datei, anker.empty() ? std::string() : "F" + anker);
    }
}

void TF_GlobMain::F1Gedrueckt() {
    if (!hilfethema_.empty()) {
        const std::string thema = hilfethema_;
        hilfethema_.clear();
        Hilfeanzeigen("std\\" + thema);
        return;
    }
    Info("Der Hilfetext wird ständig im rechten\rFenster angezeigt.", true);
}

// --- focus and the running computation ---------------------------------------------------

void TF_GlobMain::FokusGewechselt(QWidget*, QWidget* neu) {
    if (!neu || neu->window() != this) return;
    const bool feld = qobject_cast<QLineEdit*>(neu) || qobject_cast<QAbstractButton*>(neu) ||
                      qobject_cast<QComboBox*>(neu) || qobject_cast<QTabBar*>(neu) ||
                      qobject_cast<QTabWidget*>(neu) || qobject_cast<QAbstractItemView*>(neu) ||
                      qobject_cast<QAbstractSpinBox*>(neu);
    if (!feld || neu->window() == nullptr) return;
    datenModImg_->setVisible(FallVeraendert());
    for (QWidget* w = neu; w && w != this; w = w->parentWidget()) {
        const QVariant n = w->property("hilfeNummer");
        if (n.isValid()) {
            const std::string feldNr = FeldNummerText(n.toInt());
            Panel(QStringLiteral("FeldNrPnl"))->setText(U(feldNr));
            seitenText_->Feldhilfe(feldNr);
            break;
        }
    }
    if (einst_.lfdBerechnung) LaufendeBerechnungAnstossen();
}

void TF_GlobMain::LaufendeBerechnungAnstossen() {
    // Queued and coalesced: typing never waits for it, and a burst of focus
    // changes runs it once.
    if (berechnungAngefordert_) return;
    berechnungAngefordert_ = true;
    QTimer::singleShot(0, this, &TF_GlobMain::StilleBerechnung);
}

void TF_GlobMain::StilleBerechnung() {
    berechnungAngefordert_ = false;
    SaldoErneuern();
}

void TF_GlobMain::SaldoAnzeigen(double saldo) {
    letzterSaldo_ = saldo;
    QLabel* p = Panel(QStringLiteral("TipPnl"));
    if (!einst_.lfdBerechnung) {
        p->clear();
        return;
    }
    const SaldoAnzeige a = SaldoText(saldo);
    p->setText(U(a.text));
    p->setStyleSheet(a.rot ? QStringLiteral("color: red") : QStringLiteral("color: green"));
}

void TF_GlobMain::SaldoLeeren() {
    Panel(QStringLiteral("TipPnl"))->clear();
}

void TF_GlobMain::SaldoErneuern() {
    if (Fallzustand() == 0) {
        letzterSaldo_.reset();
        SaldoLeeren();
        return;
    }
    if (!einst_.lfdBerechnung || berechnungLaeuft_) return;
    berechnungLaeuft_ = true;
    ++laufendeBerechnungen_;
    Pruefen(10);
    berechnungLaeuft_ = false;
}

void TF_GlobMain::Pruefen(int code) {
    const bool still = code == 10 || code == 200;
    if (code == 99 || code == 100 || code == 200) {
        if (!Existiert(pfade_.formular + "Quar01.prf")) {
            if (!still) Info("Prüfungsdatei nicht gefunden");
            return;
        }
    }
    if (code != 10 && SeitenOffen()) {
        QMdiSubWindow* aktiv = mdi_->activeSubWindow();
        if (aktiv && aktiv->widget() && aktiv->widget()->property("ohnePruefung").toBool()) {
            if (!still) Info("Funktion hier nicht verfügbar");
            return;
        }
        // The pages store their entries and stay open: the user goes on
        // where the command found him.
        if (!SeitenSichern(false)) return;
    } else if (code == 10) {
        SeitenSichern(true, true);  // what is typed on the open page counts
    }
    if (!fall.berechnen) {
        if (!still) NichtVerfuegbar();
        return;
    }
    if (std::optional<double> saldo = fall.berechnen(still)) SaldoAnzeigen(*saldo);
    if (code == 10) return;
    if (code == 99 || code == 100 || code == 200) {
        PruefungAusgeben(code);
        return;
    }
    if (code == 0) {
        ErgebnisZeigen();
        return;
    }
    NichtVerfuegbar();
}

// The rules on the case just computed, the report, and for the commands
// with a report its file, shown by the help viewer.
void TF_GlobMain::PruefungAusgeben(int code) {
    CaseRecord& satz = verw_->Satz();
    const Befundtabelle befunde = RegelnPruefen(satz, VeranlagungAus(AktuelleEingabe()));
    const Pruefauftrag auftrag = code == 100 ? Pruefauftrag{}
                                             : AuftragAktuelleSeite(aktBereich_, aktSeite_, code == 99);
    const Pruefbericht bericht = PruefberichtErstellen(
        satz, befunde, PruefkatalogLaden(pfade_.formular + PruefkatalogName), auftrag);
    if (code == 200) return;
    if (!temp_ || !PruefberichtSpeichern(bericht, temp_->Pruefbericht())) return;
    Hilfeanzeigen("std\\" + std::filesystem::path(temp_->Pruefbericht()).filename().string());
}

// --- case commands --------------------------------------------------------------------

bool TF_GlobMain::SpeichernBefehl(bool fragen) {
    SeitenSichern(false, true);
    const bool ok = verw_->Speichern(fragen);
    ZustandUebernehmen();
    return ok;
}

void TF_GlobMain::D_NeuItemClick() {
    aktBereich_ = 1;
    aktSeite_ = 0;
    // Open pages store their entries first, so that neither the question
    // below misses them nor do they write old data into the new case.
    if (!SeitenSchliessen(true)) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool neu = verw_->Neu();
    QApplication::restoreOverrideCursor();
    if (neu) {
        menue_.Anwenden(Menuestatus::FallOffen);
        MenuezustandAnwenden();
    }
    ZustandUebernehmen();
    if (Fallzustand() == 1) {
        hilfethema_ = "interview";
        const Antwort a = Frage(M(MeldungsTyp::Bestaetigung,
                                  "Mit dem Interview treffen Sie eine Vorauswahl der\r\nfür Ihren "
                                  "Fall relevanten Steuergebiete.\r\n\r\nMöchten Sie das Interview "
                                  "jetzt ausführen?",
                                  KnopfJa | KnopfNein | KnopfHilfe, "std\\interview", true));
        if (a == Antwort::Ja) InterviewZeigen();
        Info("Sie beginnen mit dem ersten Eingabereich.", true);
        NavigatorVorRueck(true);
        hilfethema_.clear();
    }
}

void TF_GlobMain::D_OpenItemClick() {
    if (!SeitenSchliessen(true)) return;
    const bool ok = verw_->Oeffnen(false);
    ZustandUebernehmen();
    if (ok) {
        aktBereich_ = 1;
        aktSeite_ = 0;
    }
}

void TF_GlobMain::D_OpenItemVorjahrClick() {
    if (!SeitenSchliessen(true)) return;
    const bool ok = verw_->Oeffnen(true);
    ZustandUebernehmen();
    if (ok) {
        aktBereich_ = 1;
        aktSeite_ = 0;
    }
}

void TF_GlobMain::D_SpeichernItemClick() {
    SpeichernBefehl(false);
}

void TF_GlobMain::D_SpeichernUnterItemClick() {
    SpeichernBefehl(true);
}

void TF_GlobMain::D_PasswortItemClick() {
    TxPasswortAendern d(this, *verw_);
    d.hilfeZeigen = [this] { Hilfeanzeigen("std\\passwort"); };
    d.exec();
    ZustandUebernehmen();
}

void TF_GlobMain::D_DruckFormulareClick() {
    const bool alle = SeitenSchliessen(true);
    Pruefen(200);
    if (!alle) return;
    FormulardruckDienste d;
    d.meldungen = dienste_.meldungen;
    d.drucker = &druck_->Drucker();
    d.auftrag = [this](const Druckauftrag& a) {
        return druck_->DruckAusgabe(1, a.blatt, a.blanko, a.direkt) != Druckausgabe::Ausgang::Fehler;
    };
    d.hilfe = [this] { Hilfeanzeigen("std\\formdrk"); };
    d.einstellungenSchreiben = [this] {
        std::error_code ec;
        std::filesystem::create_directories(pfade_.einstellungen, ec);
        EinstellungenSchreiben(pfade_.EinstellungsDatei(), einst_);
    };
    TxGlobFDrk dialog(this, einst_, verw_->Satz(), std::move(d));
    dialog.exec();
}

void TF_GlobMain::D_DruckereinrichtenItemClick() {
    QPrintDialog d(&druck_->Drucker(), this);
    d.exec();
}

void TF_GlobMain::ErgebnisZeigen() {
    BescheidAngaben a;
    if (dienste_.uhr) a.datum = KurzDatum(dienste_.uhr->Jetzt());
    a.amtlich = einst_.ergebAmtlBesch;
    a.kurz = kurzberechnung_;  // the quick-calculation page names religion and state itself
    BescheidTexteSetzen(verw_->Satz(), a);
    BescheidErstellen(verw_->Satz(), AktuelleEingabe(), AktuellesErgebnis(), a, ergebnis_);
    druck_->daten.ergebnis = &ergebnis_;
    druck_->daten.fall = &verw_->Satz();
    if (!einst_.imFenster) {
        druck_->DruckAusgabe(3);
        return;
    }
    ErgebnisDienste d{dienste_.meldungen, dienste_.dateiDialoge,
                      [this] { Hilfeanzeigen("std\\viewer"); }, {}};
    TxGlobView::Zeigen(this, ergebnis_, einst_, *druck_, d);
}

void TF_GlobMain::closeEvent(QCloseEvent* e) {
    if (!beendenBestaetigt_) {
        // Every page stores its entries first; one that refuses keeps the
        // program open, so that nothing typed is lost.
        if (!SeitenSchliessen(true)) {
            e->ignore();
            return;
        }
        const bool darf = verw_->Beenden();
        ZustandUebernehmen();
        if (!darf) {
            e->ignore();
            return;
        }
    }
    beendenBestaetigt_ = true;
    for (QTimer* t : findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) t->stop();
    const int bildschirm = screen() ? screen()->geometry().width() : width();
    const Fenstermasse g =
        FenstermasseZumSpeichern({geometry().x(), geometry().y(), width()}, bildschirm);
    einst_.links = g.links;
    einst_.oben = g.oben;
    einst_.weite = g.weite;
    einst_.screenweite = bildschirm;
    std::error_code ec;
    std::filesystem::create_directories(pfade_.einstellungen, ec);
    if (!EinstellungenSchreiben(pfade_.EinstellungsDatei(), einst_))
        dienste_.meldungen->Zeige(
            MeldungsTyp::Fehler,
            "Die Einstellungen konnten nicht gespeichert werden:\r" + pfade_.EinstellungsDatei());
    temp_.reset();  // the temporary files go
    e->accept();
}

// --- navigation -------------------------------------------------------------------------

void TF_GlobMain::KnopfpaarZeigen(int tag, bool sichtbar) {
    static const char* const paare[][2] = {{"NavigatorVorBtn", "SpeedNavigatorVorBtn"},
                                           {"NavigatorRueckBtn", "SpeedNavigatorRueckBtn"},
                                           {"NavigatorStopBtn", "SpeedNavigatorStopBtn"}};
    if (tag < 1 || tag > 3) return;
    for (const char* n : paare[tag - 1])
        if (QWidget* w = Knopf(U(n))) {
            if (auto* b = qobject_cast<QToolButton*>(w); b && b->parentWidget() == leiste_) {
                for (QAction* a : leiste_->actions())
                    if (leiste_->widgetForAction(a) == b) a->setVisible(sichtbar);
            } else {
                w->setVisible(sichtbar);
            }
        }
}

void TF_GlobMain::NavigatorClick() {
    Pruefen(200);
    if (mdi_->activeSubWindow() == seitenansicht_)
        for (QMdiSubWindow* w : mdi_->subWindowList(QMdiArea::ActivationHistoryOrder))
            if (w != seitenansicht_) mdi_->setActiveSubWindow(w);
    TxNavigator d(this, verw_->Satz(), *dienste_.meldungen, einst_, SeitenOffen(), aktBereich_,
                  aktSeite_);
    d.hilfeZeigen = [this](const std::string& seite) { Hilfeanzeigen(seite); };
    // It rests at the top of the client area, right of the side panel, and slides in from the left.
    d.ort = navigatorPnl_->mapToGlobal(QPoint(navigatorPnl_->width(), 0));
    d.startX = mapToGlobal(QPoint()).x() - 400;
    d.exec();
    const auto wahl = d.Wahl();
    if (!wahl || !SeitenSchliessen()) return;
    menue_.PopBisGrund();
    MenuezustandAnwenden();
    aktBereich_ = wahl->first;
    aktSeite_ = wahl->second;
    if (aktBereich_ != 0) {
        bildPnl_->hide();
        SeiteOeffnen(aktBereich_, aktSeite_);
    } else {
        StartbildZeigen();
    }
}

void TF_GlobMain::NavigatorVorRueck(bool vor) {
    const int tag = vor ? 1 : 2;
    KnopfpaarZeigen(tag, false);
    menue_.PopBisGrund();
    MenuezustandAnwenden();
    const CaseRecord& r = verw_->Satz();
    const SeitenOrt ziel =
        vor ? NaechsteSeite(r, aktBereich_, aktSeite_) : VorigeSeite(r, aktBereich_, aktSeite_);
    if (ziel != SeitenOrt(aktBereich_, aktSeite_) && SeitenSchliessen()) {
        aktBereich_ = ziel.first;
        aktSeite_ = ziel.second;
        if (aktBereich_ == 0) {
            StartbildZeigen();
        } else {
            bildPnl_->hide();
            SeiteOeffnen(aktBereich_, aktSeite_);
        }
    }
    KnopfpaarZeigen(tag, true);
}

void TF_GlobMain::NavigatorStopBtnClick() {
    KnopfpaarZeigen(3, false);
    // The menu state falls back as each page closes; a page that refuses
    // keeps its menu state.
    if (SeitenOffen() && !SeitenSchliessen()) {
        KnopfpaarZeigen(3, true);
        return;
    }
    StartbildZeigen();
    SeitenansichtNachErgebnis();
    formularblatt_ = 11;
    KnopfpaarZeigen(3, true);
}

void TF_GlobMain::SeiteOeffnen(int bereich, int seite) {
    const bool familienstandDa = fall.familienstand && fall.familienstand() != -1;
    if (!((bereich == 1 && seite == 1) || familienstandDa)) {
        Info("Bitte wählen Sie zuerst <Allgemeine Angaben> <Steuerpflichtiger/Ehegatte");
        if (!SeitenOffen()) StartbildZeigen();  // never a blank work area
        return;
    }
    menue_.PopBisGrund();
    MenuezustandAnwenden();
    formularblatt_ = 11;
    MerkerKnoepfeAktualisieren();
    const std::string nummer = DreiStellen(SeitenHilfeNummer(bereich, seite));
    Panel(QStringLiteral("FormNrPnl"))->setText(U("F" + nummer + ".htm"));
    SeitenhilfeZeigen("F" + nummer);
    QWidget* w = fall.seiteErzeugen ? fall.seiteErzeugen(bereich, seite) : nullptr;
    if (!w) {
        NichtVerfuegbar();
        StartbildZeigen();
        return;
    }
    formularblatt_ = FormularblattFuer(bereich, seite);
    SeiteEinfuegen(w);
    if (bereich == 17) {
        // The quick calculation is computed from its page; the what-if window computes itself.
        for (S s : {S::FormularMenue, S::SpeedFormularsicht, S::SpeedPruef1, S::SpeedPruef2})
            menue_.Setze(s, false);
        if (seite == 1)
            for (S s : {S::SpeedRechne, S::i_Berechnung, S::i_Pruefung}) menue_.Setze(s, false);
        MenuezustandAnwenden();
    }
}

void TF_GlobMain::E_WWWClick(int seite) {
    if (!SeitenSchliessen()) return;
    aktBereich_ = 17;
    aktSeite_ = seite;
    if (Fallzustand() == 0 && verw_->ArbeitsdateiAnlegen()) {
        quarnel::Fallzustand& z = verw_->Zustand();
        z.zustand = 1;
        z.anzeige = "Neu.S01";
        z.dateiname = (std::filesystem::path(z.datenPfad) / "Neu.S01").string();
        z.veraendert = false;
        ZustandUebernehmen();
    }
    bildPnl_->hide();
    SeiteOeffnen(17, seite);
}

void TF_GlobMain::SpeedFragenClick() {
    if (SeitenBearbeitet(verw_->Satz())) {
        hilfethema_ = "fw_interview";
        Frage(M(MeldungsTyp::Warnung,
                "Interview-Warnung:\rSie haben möglicherweise schon Eingaben getätigt.\rBitte "
                "beachten Sie die Hinweise unter Hilfe!",
                KnopfOK | KnopfHilfe, "std\\fw_interview"));
        hilfethema_.clear();
    }
    InterviewZeigen();
}

void TF_GlobMain::InterviewZeigen() {
    if (!InterviewMoeglich(pfade_.formular, *dienste_.meldungen)) return;
    TxInterview d(this, verw_->Satz(), *dienste_.meldungen, pfade_.formular);
    d.hilfeZeigen = [this](const std::string& seite) { Hilfeanzeigen(seite); };
    d.exec();
    if (d.Angepasst()) SetzeFallVeraendert(true);
}

void TF_GlobMain::SpeedFormularClick() {
    FormularblattClick(formularblatt_);
}

// A preview of one sheet's form on blank paper.
void TF_GlobMain::FormularblattClick(int blatt) {
    if (SeitenSchliessen(true)) druck_->DruckAusgabe(1, blatt, true, false);
}

void TF_GlobMain::MerkerKnoepfeAktualisieren() {
    const CaseRecord& r = verw_->Satz();
    const bool erinnerung = SeitenmerkerTest(r, SM_Erinnerung, aktBereich_, aktSeite_);
    const bool notiz = SeitenmerkerTest(r, SM_Notiz, aktBereich_, aktSeite_);
    if (auto* b = qobject_cast<QToolButton*>(Knopf(QStringLiteral("MemoBitBtn")))) {
        b->setIcon(Symbol(QStringLiteral("!"), erinnerung ? QColor(230, 60, 0) : QColor(220, 180, 0)));
        b->setProperty("gesetzt", erinnerung);
    }
    if (auto* b = qobject_cast<QToolButton*>(Knopf(QStringLiteral("NotizBitBtn")))) {
        b->setIcon(Symbol(QStringLiteral("N"), notiz ? QColor(0, 120, 200) : QColor(220, 200, 60)));
        b->setProperty("gesetzt", notiz);
    }
}

void TF_GlobMain::MemoBitBtnClick() {
    CaseRecord& r = verw_->Satz();
    if (SeitenmerkerTest(r, SM_Erinnerung, aktBereich_, aktSeite_))
        SeitenmerkerLoeschen(r, SM_Erinnerung, aktBereich_, aktSeite_);
    else
        SeitenmerkerSetzen(r, SM_Erinnerung, aktBereich_, aktSeite_);
    SetzeFallVeraendert(true);  // the mark is saved with the case
    MerkerKnoepfeAktualisieren();
}

void TF_GlobMain::NotizBitBtnClick() {
    TF_Memo d(this, verw_->Satz(), verw_->Notizen(), aktBereich_, aktSeite_, *dienste_.meldungen,
              9 + einst_.deltaFontSizeTab);
    d.hilfe = [this] { Hilfeanzeigen("std\\notiz"); };
    d.fallVeraendert = [this] { SetzeFallVeraendert(true); };
    d.drucken = [this](const std::vector<std::string>& zeilen) {
        if (fall.notizDrucken)
            fall.notizDrucken(zeilen, schalter_.testmodus);
        else
            NotizDrucken(*druck_, zeilen, schalter_.testmodus);
    };
    d.exec();
    MerkerKnoepfeAktualisieren();
}

// --- settings and the small windows -------------------------------------------------------

void TF_GlobMain::K_VoreinItemClick() {
    TxGlobConf d(this, einst_, *dienste_.meldungen);
    d.hilfeZeigen = [this](const std::string& seite, bool browser) {
        Hilfeanzeigen(seite, {}, browser, true);
    };
    d.exec();
    FarbeSetzen();
    if (!einst_.lfdBerechnung) SaldoLeeren();
    EingabeFeld::StandardUeberschreiben() = !einst_.insert;
    StartbildZeigen();
    if (SeitenOffen()) bildPnl_->hide();
    FensterTitelSetzen();
}

void TF_GlobMain::BildschirmClick(int prozent) {
    QScreen* sc = screen();
    if (!sc) return;
    const QRect r = sc->availableGeometry();
    const int w = static_cast<int>(std::lround(sc->geometry().width() * prozent / 100.0));
    resize(std::min(w, r.width()), height());
    move(r.x() + (r.width() - frameGeometry().width()) / 2, y());
    Geometrie();
    QTimer::singleShot(10, this, &TF_GlobMain::StartbildAnpassen);
}

void TF_GlobMain::KleinesFenster(Tform13& d) {
    d.adjustSize();
    const QSize s(Tform13::SkalierteBreite(d.width(), width()), d.height());
    const QRect ziel(mapToGlobal(QPoint((width() - s.width()) / 2, (height() - s.height()) / 2)),
                     s);
    Tform13::Umriss(ziel, true);
    d.exec();
    if (Tform13::AnimationAn()) Warten(200);
    Tform13::Umriss(ziel, false);
}

void TF_GlobMain::KalenderClick() {
    TxKalender d(this);
    KleinesFenster(d);
}

void TF_GlobMain::RechnerClick() {
    TxRechner d(this);
    KleinesFenster(d);
}

void TF_GlobMain::InfoClick() {
    TxInfo d(this);
    KleinesFenster(d);
}

}  // namespace quarnel::gui
