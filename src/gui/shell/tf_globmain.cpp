#include "shell/tf_globmain_intern.h"

#include "results/veranlagungsteile.h"

namespace quarnel::gui {

namespace globmain {



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

Meldung M(MeldungsTyp typ, std::string text, unsigned knoepfe, std::string hilfeseite,
          bool positioniert) {
    return Meldung{typ, std::move(text), knoepfe, std::move(hilfeseite), positioniert};
}

QColor ZuQColor(uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

bool Existiert(const std::string& pfad) {
    std::error_code ec;
    return std::filesystem::exists(pfad, ec);
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

void Warten(int ms) {
    QElapsedTimer t;
    t.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, ms);
    } while (t.elapsed() < ms);
}


}  // namespace globmain

using namespace globmain;

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
    KnoepfeBenennen(this);
    Fensterbuchstaben() = Menuebuchstaben(this);
    SeitentastenEinrichten(mdi_, qobject_cast<QAbstractButton*>(Knopf(QStringLiteral("SpeedNavigatorVorBtn"))),
                           qobject_cast<QAbstractButton*>(Knopf(QStringLiteral("SpeedNavigatorRueckBtn"))));

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &TF_GlobMain::F1Gedrueckt);

    connect(qApp, &QApplication::focusChanged, this, &TF_GlobMain::FokusGewechselt);
    Tform13::FensterMelder() = [this](bool offen) {
        FensterGewechselt(offen ? Fensterart::Dialog : Fensterart::Keins);
    };

    // The computation: fill the declaration values from the open case and
    // compute; the balance of the chosen assessment goes to the status bar.
    fall.berechnen = [this](bool) -> std::optional<double> {
        CalcInput& e = AktuelleEingabe();
        CalcResult& r = AktuellesErgebnis();
        DeklarationFuellen(verw_->Satz(), e, r, kurzberechnung_);
        Berechne(e, r);
        return SaldoNachVeranlagung(verw_->Satz(), e, r, kurzberechnung_);
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
    if (!seite) seite = OffeneSeite(mdi_, seitenansicht_);  // the focus in the side view
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

}  // namespace quarnel::gui
