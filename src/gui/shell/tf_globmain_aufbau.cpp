#include "shell/tf_globmain_intern.h"

namespace quarnel::gui {

using namespace globmain;

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
    punkt(info, "i_BescheidPruefen", "Bescheid des &Finanzamts prüfen",
          [this] { BescheidPruefenOeffnen(*this, dienste_); });
    punkt(info, "i_Veranlagung", "&Veranlagungsarten vergleichen", [this] { VeranlagungVergleichOeffnen(*this); });

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

}  // namespace quarnel::gui
