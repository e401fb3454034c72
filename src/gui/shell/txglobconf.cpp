#include "shell/txglobconf.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "widgets/eingabefeld.h"

namespace quarnel::gui {

namespace {

QColor ZuQColor(uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

uint32_t AusQColor(const QColor& c) {
    return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
           (static_cast<uint32_t>(c.blue()) << 16);
}

QCheckBox* CB(QWidget* eltern, const char* name, const char* text) {
    auto* c = new QCheckBox(QString::fromUtf8(text), eltern);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

EingabeFeld* Feld(QWidget* eltern, const char* name, const char* hinweis) {
    auto* f = new EingabeFeld(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setToolTip(QString::fromUtf8(hinweis));
    f->setAlignment(Qt::AlignRight);
    f->setMaximumWidth(70);
    return f;
}

SchriftWahl AusQFont(const QFont& f) {
    SchriftWahl s;
    s.name = ZeichenBegrenzen(f.family().toStdString(), MaxSchriftName);
    s.groesse = f.pointSize() > 0 ? f.pointSize() : 10;
    s.fett = f.bold();
    s.kursiv = f.italic();
    s.unterstrichen = f.underline();
    return s;
}

QFont ZuQFont(const SchriftWahl& s) {
    QFont f(QString::fromStdString(s.name), s.groesse);
    f.setBold(s.fett);
    f.setItalic(s.kursiv);
    f.setUnderline(s.unterstrichen);
    return f;
}

}  // namespace

QString TxGlobConf::SchriftText(const SchriftWahl& s) {
    return QString::fromStdString(s.name) + QStringLiteral(", ") +
           QStringLiteral("%1 Punkt").arg(s.groesse, 2);
}

QString TxGlobConf::RandText(double cm) {
    QString t = QString::number(cm, 'f', 2);
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    return t.rightJustified(6);
}

TxGlobConf::TxGlobConf(QWidget* hauptfenster, Einstellungen& e, Meldungen& meldungen)
    : Tform13(hauptfenster, 520), e_(e), kopie_(e), meldungen_(meldungen) {
    setObjectName(QStringLiteral("TxGlobConf"));
    setWindowTitle(QStringLiteral("Konfiguration"));

    notebook_ = new QTabWidget(this);
    notebook_->setObjectName(QStringLiteral("Notebook"));

    // --- "&Bedienung"
    auto* bedienung = new QWidget;
    auto* allgemein = new QGroupBox(QStringLiteral("Allgemein"), bedienung);
    eingangsFensterCB_ =
        CB(allgemein, "EingangsFensterImmerCB", "Eingangsfenster bei Programmstart?");
    tipsCB_ = CB(allgemein, "TipsFensterCB", "Tips bei Programmstart?");
    overModusCB_ = CB(allgemein, "OverModusCB", "Eingabefelder  im Modus \"überschreiben\"?");
    artLaufschrift_ = new QComboBox(allgemein);
    artLaufschrift_->setObjectName(QStringLiteral("ArtLaufSchrift"));
    artLaufschrift_->addItems({QStringLiteral("Programm-Titel fest"),
                               QStringLiteral("Programm-Titel Laufschrift"),
                               QStringLiteral("Wechselnde Texte Laufschrift")});
    hintergrundBildCB_ = CB(allgemein, "MitHintergrundBildCB", "Hintergrundbild anzeigen?");
    farbeBtn_ = new QPushButton(QStringLiteral("Hintergrundfarbe &Bildschirm "), allgemein);
    farbeBtn_->setObjectName(QStringLiteral("Farbe1Btn"));
    deltaFontSize_ = Feld(allgemein, "DeltaFontSizeTab", "Eingabe -4 bis +4");
    deltaFontSize_->setValidator(new QIntValidator(-99999, 999999, deltaFontSize_));
    deltaFontSize_->setMaxLength(6);
    lfdBerechnungCB_ = CB(allgemein, "LfdBerechnungCB", "Laufende Ergebnisberechnung?");
    internetBrowserCB_ = CB(allgemein, "InternetBrowserCB", "System Internet-Browser verwenden?");
    {
        auto* g = new QGridLayout(allgemein);
        int z = 0;
        g->addWidget(eingangsFensterCB_, z++, 0, 1, 2);
        g->addWidget(tipsCB_, z++, 0, 1, 2);
        g->addWidget(overModusCB_, z++, 0, 1, 2);
        auto* artLbl = new QLabel(QStringLiteral("Art Titel-Leiste"), allgemein);
        artLbl->setBuddy(artLaufschrift_);
        g->addWidget(artLbl, z, 0);
        g->addWidget(artLaufschrift_, z++, 1);
        g->addWidget(hintergrundBildCB_, z, 0);
        g->addWidget(farbeBtn_, z++, 1);
        auto* deltaLbl = new QLabel(
            QStringLiteral("Veränderung  Schriftgröße in Tabellen (-2 bis 2)"), allgemein);
        deltaLbl->setBuddy(deltaFontSize_);
        g->addWidget(deltaLbl, z, 0);
        g->addWidget(deltaFontSize_, z++, 1);
        g->addWidget(lfdBerechnungCB_, z++, 0, 1, 2);
        g->addWidget(internetBrowserCB_, z++, 0, 1, 2);
    }
    auto* ergebnis = new QGroupBox(QStringLiteral("Ergebnisfenster"), bedienung);
    imFensterCB_ =
        CB(ergebnis, "ErgebnisImFensterCB", "Ergebnisdarstellung zunächst im Ergebnisfenster?");
    ansiBtn_ = new QRadioButton(QStringLiteral("ANSI (Windows)"), ergebnis);
    ansiBtn_->setObjectName(QStringLiteral("ANSIBtn"));
    asciiBtn_ = new QRadioButton(QStringLiteral("ASCII (DOS)"), ergebnis);
    asciiBtn_->setObjectName(QStringLiteral("ASCIIBtn"));
    utf8Btn_ = new QRadioButton(QStringLiteral("UTF-8 (heutige Editoren)"), ergebnis);
    utf8Btn_->setObjectName(QStringLiteral("UTF8Btn"));
    auto* viewFontBtn =
        new QPushButton(QStringLiteral("&Schrift im Ergebnisfenster ..."), ergebnis);
    viewFontBtn->setObjectName(QStringLiteral("ViewFontBtn"));
    viewFontLbl_ = new QLabel(ergebnis);
    viewFontLbl_->setObjectName(QStringLiteral("ViewFontLbl"));
    amtlBescheidCB_ =
        CB(ergebnis, "ErgebnisAmtlBeschheidCB", "Berechnungsergebnis analog amtl. Bescheid?");
    {
        auto* g = new QGridLayout(ergebnis);
        g->addWidget(imFensterCB_, 0, 0, 1, 3);
        g->addWidget(new QLabel(QStringLiteral("Format bei Text speichern"), ergebnis), 1, 0);
        g->addWidget(ansiBtn_, 1, 1);
        g->addWidget(asciiBtn_, 1, 2);
        g->addWidget(utf8Btn_, 1, 3);
        g->addWidget(viewFontBtn, 2, 0);
        g->addWidget(viewFontLbl_, 2, 1, 1, 2);
        g->addWidget(amtlBescheidCB_, 3, 0, 1, 3);
    }
    {
        auto* l = new QVBoxLayout(bedienung);
        l->addWidget(allgemein);
        l->addWidget(ergebnis);
        l->addStretch(1);
    }
    notebook_->addTab(bedienung, QStringLiteral("&Bedienung"));

    // --- "&Papier"
    auto* papier = new QWidget;
    auto* raender = new QGroupBox(QStringLiteral("Ränder"), papier);
    obenIF_ = Feld(raender, "ObenIF", "Eingabe -4 bis +4");
    linksIF_ = Feld(raender, "LinksIF", "Eingabe -4 bis +4");
    untenIF_ = Feld(raender, "UntenIf", "Eingabe -4 bis +4");
    wasteCB_ =
        CB(raender, "AnzeigeWasteBereichCB", "Markierung des nicht bedruckbaren Randbereichs");
    {
        auto* g = new QGridLayout(raender);
        auto* kopf = new QLabel(QStringLiteral("Voreinstellung / Bereich"), raender);
        g->addWidget(kopf, 0, 2, 1, 2);
        const struct {
            const char* label;
            EingabeFeld* feld;
            const char* hinweis1;
            const char* hinweis2;
        } zeilen[] = {{"oben (1 - 3 cm)", obenIF_, "oben:", "2 cm  (1 - 3 cm)"},
                      {"links (0 - 4 cm)", linksIF_, "links:", "2 cm  (0 - 4 cm)"},
                      {"unten (0 cm)", untenIF_, nullptr, nullptr}};
        int z = 1;
        for (const auto& r : zeilen) {
            auto* lbl = new QLabel(QString::fromUtf8(r.label), raender);
            lbl->setBuddy(r.feld);
            g->addWidget(lbl, z, 0);
            g->addWidget(r.feld, z, 1);
            if (r.hinweis1) {
                g->addWidget(new QLabel(QString::fromUtf8(r.hinweis1), raender), z, 2);
                g->addWidget(new QLabel(QString::fromUtf8(r.hinweis2), raender), z, 3);
            }
            ++z;
        }
        g->addWidget(wasteCB_, z, 0, 1, 4);
        g->setColumnStretch(4, 1);
    }
    auto* druckschrift = new QGroupBox(QStringLiteral("Druckerschrift"), papier);
    auto* druckFontBtn =
        new QPushButton(QStringLiteral(" Anlagen, Listen, Ergebnis ..."), druckschrift);
    druckFontBtn->setObjectName(QStringLiteral("DruckFontBtn"));
    druckFontLbl_ = new QLabel(druckschrift);
    druckFontLbl_->setObjectName(QStringLiteral("DruckFontLbl"));
    auto* formFontBtn = new QPushButton(QStringLiteral(" Formulardruck ..."), druckschrift);
    formFontBtn->setObjectName(QStringLiteral("FormFontBtn"));
    formFontLbl_ = new QLabel(druckschrift);
    formFontLbl_->setObjectName(QStringLiteral("FormFontLbl"));
    {
        auto* g = new QGridLayout(druckschrift);
        g->addWidget(druckFontBtn, 0, 0);
        g->addWidget(druckFontLbl_, 0, 1);
        g->addWidget(formFontBtn, 1, 0);
        g->addWidget(formFontLbl_, 1, 1);
        g->setColumnStretch(1, 1);
    }
    {
        auto* l = new QVBoxLayout(papier);
        l->addWidget(raender);
        l->addWidget(druckschrift);
        l->addStretch(1);
    }
    notebook_->addTab(papier, QStringLiteral("&Papier"));

    // --- buttons
    auto* ende = new QPushButton(QStringLiteral("&Ende"), this);
    ende->setObjectName(QStringLiteral("EndeBtn"));
    auto* abbruch = new QPushButton(QStringLiteral("&Abbruch"), this);
    abbruch->setObjectName(QStringLiteral("AbbruchBtn"));
    auto* hilfe = new QPushButton(QStringLiteral("&Hilfe"), this);
    hilfe->setObjectName(QStringLiteral("HilfeBtn"));
    for (QPushButton* b : {ende, abbruch, hilfe}) b->setAutoDefault(false);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(ende);
    knoepfe->addWidget(abbruch);
    knoepfe->addWidget(hilfe);
    auto* l = new QVBoxLayout(this);
    l->addWidget(notebook_);
    l->addLayout(knoepfe);

    Fuellen();

    connect(ende, &QPushButton::clicked, this, &TxGlobConf::EndeClick);
    connect(abbruch, &QPushButton::clicked, this, &TxGlobConf::AbbruchClick);
    connect(hilfe, &QPushButton::clicked, this, &TxGlobConf::HilfeClick);
    for (QCheckBox* c :
         {eingangsFensterCB_, tipsCB_, overModusCB_, hintergrundBildCB_, lfdBerechnungCB_,
          internetBrowserCB_, imFensterCB_, amtlBescheidCB_, wasteCB_})
        connect(c, &QCheckBox::toggled, this, &TxGlobConf::Aendern);
    for (QRadioButton* r : {ansiBtn_, asciiBtn_, utf8Btn_})
        connect(r, &QRadioButton::toggled, this, &TxGlobConf::Aendern);
    connect(artLaufschrift_, &QComboBox::currentIndexChanged, this, &TxGlobConf::Aendern);
    for (EingabeFeld* f : {deltaFontSize_, obenIF_, linksIF_, untenIF_})
        connect(f, &QLineEdit::textEdited, this, &TxGlobConf::Aendern);
    connect(overModusCB_, &QCheckBox::toggled, this, [this](bool an) {
        for (EingabeFeld* f : {deltaFontSize_, obenIF_, linksIF_, untenIF_})
            f->SetzeUeberschreiben(an);
    });
    connect(farbeBtn_, &QPushButton::clicked, this, [this] {
        QColor c = QColorDialog::getColor(ZuQColor(e_.hintergrund), this);
        if (c.isValid()) FarbeGewaehlt(AusQColor(c));
    });
    auto schriftKnopf = [this](QPushButton* b, Schriftart art, bool nurFest) {
        connect(b, &QPushButton::clicked, this, [this, art, nurFest] {
            const SchriftWahl& s = art == Schriftart::Ergebnisfenster ? e_.viewerSchrift
                                   : art == Schriftart::Druck         ? e_.druckSchrift
                                                                      : e_.formSchrift;
            bool ok = false;
            QFont f = QFontDialog::getFont(
                &ok, ZuQFont(s), this, QString(),
                nurFest ? QFontDialog::MonospacedFonts : QFontDialog::FontDialogOptions());
            if (ok) SchriftGewaehlt(art, f);
        });
    };
    schriftKnopf(viewFontBtn, Schriftart::Ergebnisfenster, true);
    schriftKnopf(druckFontBtn, Schriftart::Druck, false);
    schriftKnopf(formFontBtn, Schriftart::Formular, false);
}

void TxGlobConf::Fuellen() {
    const QSignalBlocker sperren[] = {
        QSignalBlocker(eingangsFensterCB_), QSignalBlocker(tipsCB_),
        QSignalBlocker(overModusCB_),       QSignalBlocker(hintergrundBildCB_),
        QSignalBlocker(lfdBerechnungCB_),   QSignalBlocker(internetBrowserCB_),
        QSignalBlocker(imFensterCB_),       QSignalBlocker(amtlBescheidCB_),
        QSignalBlocker(wasteCB_),           QSignalBlocker(artLaufschrift_),
        QSignalBlocker(ansiBtn_),           QSignalBlocker(asciiBtn_),
        QSignalBlocker(utf8Btn_)};
    eingangsFensterCB_->setChecked(e_.eingangsFenster);
    tipsCB_->setChecked(e_.tips);
    overModusCB_->setChecked(!e_.insert);
    artLaufschrift_->setCurrentIndex(std::clamp(e_.artLaufschrift, 0, 2));
    hintergrundBildCB_->setChecked(e_.hinterBild);
    deltaFontSize_->setText(QString::number(e_.deltaFontSizeTab));
    lfdBerechnungCB_->setChecked(e_.lfdBerechnung);
    internetBrowserCB_->setChecked(e_.internetBrowser);
    imFensterCB_->setChecked(e_.imFenster);
    ansiBtn_->setChecked(e_.speichernAnsi && !e_.speichernUtf8);
    asciiBtn_->setChecked(!e_.speichernAnsi && !e_.speichernUtf8);
    utf8Btn_->setChecked(e_.speichernUtf8);
    amtlBescheidCB_->setChecked(e_.ergebAmtlBesch);
    obenIF_->setText(RandText(e_.obenRand));
    linksIF_->setText(RandText(e_.linksRand));
    untenIF_->setText(RandText(e_.untenRand));
    wasteCB_->setChecked(e_.wastebereich);
    for (EingabeFeld* f : {deltaFontSize_, obenIF_, linksIF_, untenIF_})
        f->SetzeUeberschreiben(!e_.insert);
    FarbKnopfZeigen();
    SchriftLabelsZeigen();
}

void TxGlobConf::FarbKnopfZeigen() {
    const QColor c = ZuQColor(e_.hintergrund);
    QPixmap p(14, 14);
    p.fill(c);
    farbeBtn_->setIcon(QIcon(p));
}

void TxGlobConf::SchriftLabelsZeigen() {
    viewFontLbl_->setText(SchriftText(e_.viewerSchrift));
    druckFontLbl_->setText(SchriftText(e_.druckSchrift));
    formFontLbl_->setText(SchriftText(e_.formSchrift));
}

void TxGlobConf::FarbeGewaehlt(uint32_t farbe) {
    e_.hintergrund = farbe;
    FarbKnopfZeigen();
    Aendern();
}

void TxGlobConf::SchriftGewaehlt(Schriftart art, const QFont& f) {
    SchriftWahl s = AusQFont(f);
    if (art == Schriftart::Ergebnisfenster)
        e_.viewerSchrift = s;
    else if (art == Schriftart::Druck)
        e_.druckSchrift = s;
    else
        e_.formSchrift = s;
    SchriftLabelsZeigen();
}

void TxGlobConf::EndeClick() {
    e_.eingangsFenster = eingangsFensterCB_->isChecked();
    e_.tips = tipsCB_->isChecked();
    e_.insert = !overModusCB_->isChecked();
    e_.artLaufschrift = artLaufschrift_->currentIndex();
    e_.hinterBild = hintergrundBildCB_->isChecked();
    if (auto d = GanzzahlAusText(deltaFontSize_->text().toStdString()))
        e_.deltaFontSizeTab = static_cast<int>(*d);
    e_.lfdBerechnung = lfdBerechnungCB_->isChecked();
    e_.internetBrowser = internetBrowserCB_->isChecked();
    e_.imFenster = imFensterCB_->isChecked();
    e_.speichernAnsi = ansiBtn_->isChecked();
    e_.speichernUtf8 = utf8Btn_->isChecked();
    e_.ergebAmtlBesch = amtlBescheidCB_->isChecked();
    // A field that holds no number keeps the value it had.
    if (auto z = ZahlAusText(obenIF_->text().toStdString())) e_.obenRand = *z;
    if (auto z = ZahlAusText(linksIF_->text().toStdString())) e_.linksRand = *z;
    if (auto z = ZahlAusText(untenIF_->text().toStdString())) e_.untenRand = *z;
    e_.wastebereich = wasteCB_->isChecked();
    fertig_ = true;
    accept();
}

void TxGlobConf::AbbruchClick() {
    if (geaendert_) {
        if (meldungen_.Zeige(MeldungsTyp::Bestaetigung, "Abbruch - Änderungen verwerfen?",
                             KnopfJa | KnopfNein) != Antwort::Ja)
            return;
        e_ = kopie_;
    }
    fertig_ = true;
    QDialog::reject();
}

void TxGlobConf::HilfeClick() {
    if (hilfeZeigen) hilfeZeigen("std\\konfig", internetBrowserCB_->isChecked());
}

void TxGlobConf::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1) {
        HilfeClick();
        return;
    }
    Tform13::keyPressEvent(e);
}

void TxGlobConf::reject() {
    AbbruchClick();
}

void TxGlobConf::closeEvent(QCloseEvent* e) {
    // The window button counts as "&Ende".
    if (!fertig_) {
        e->ignore();
        EndeClick();
        return;
    }
    Tform13::closeEvent(e);
}

}  // namespace quarnel::gui
