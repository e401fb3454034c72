#include "print/txglobfdrk.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "calc/betrag.h"
#include "print/berichtspieler.h"
#include "shell/einstellungen.h"

namespace quarnel::gui {

namespace {

QSpinBox* Zahlfeld(QWidget* eltern, const char* name, int von, int bis, const char* suffix = "") {
    auto* s = new QSpinBox(eltern);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(von, bis);
    s->setSuffix(QString::fromUtf8(suffix));
    return s;
}

QPushButton* Knopf(QWidget* eltern, const char* name, const char* text, const char* hinweis = nullptr) {
    auto* k = new QPushButton(QString::fromUtf8(text), eltern);
    k->setObjectName(QString::fromLatin1(name));
    if (hinweis) k->setToolTip(QString::fromUtf8(hinweis));
    return k;
}

const Einstellungen& Standard() {
    static const Einstellungen e = [] {
        Einstellungen s;
        ErststartWerteSetzen(s);
        return s;
    }();
    return e;
}

}  // namespace

TxGlobFDrk::TxGlobFDrk(QWidget* hauptfenster, Einstellungen& einst, const CaseRecord& fall,
                       FormulardruckDienste dienste)
    : Tform13(hauptfenster, 520), einst_(einst), fall_(fall), dienste_(std::move(dienste)) {
    setWindowTitle(QStringLiteral("Formulardruck"));
    auto* haupt = new QVBoxLayout(this);
    nb_ = new QTabWidget(this);
    nb_->setObjectName(QStringLiteral("OvcNb"));
    haupt->addWidget(nb_);

    // "Auswahl": the sheets and the medium.
    auto* auswahl = new QWidget(nb_);
    auto* al = new QHBoxLayout(auswahl);
    auto* formulare = new QGroupBox(QStringLiteral("Zu druckende Formulare"), auswahl);
    auto* fl = new QGridLayout(formulare);
    liste_ = new QListWidget(formulare);
    liste_->setObjectName(QStringLiteral("ZuDruckFormCB"));
    liste_->setMinimumWidth(270);
    for (const Formularposten& p : Formularposten30()) {
        auto* item = new QListWidgetItem(QString::fromUtf8(p.text), liste_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    anzahl_ = new QLabel(QStringLiteral("0"), formulare);
    anzahl_->setObjectName(QStringLiteral("FormGewaehltLbL"));
    auto* automatik = Knopf(formulare, "AutomatikBtn", "&Formularbestimmung",
                            "Automatische Bestimmung der zu druckenden Formulare.");
    fl->addWidget(liste_, 0, 0, 1, 2);
    fl->addWidget(anzahl_, 1, 0);
    fl->addWidget(new QLabel(QStringLiteral("Formulare gewählt."), formulare), 1, 1);
    fl->addWidget(new QLabel(QStringLiteral("Bestimmen Sie die  zu druckenden"), formulare), 2, 0, 1, 2);
    fl->addWidget(new QLabel(QStringLiteral("Formulare."), formulare), 3, 0, 1, 2);
    fl->addWidget(automatik, 4, 0, 1, 2);
    auto* medium = new QGroupBox(QStringLiteral("Druckmedium"), auswahl);
    auto* ml = new QVBoxLayout(medium);
    voranzeige_ = new QCheckBox(QStringLiteral("Mit &Voranzeige"), medium);
    voranzeige_->setObjectName(QStringLiteral("MitVoranzeigeCB"));
    unterlegt_ = new QRadioButton(QStringLiteral("&Blankopapier (Empfohlene Ausgabegröße ca. 95%)"), medium);
    unterlegt_->setObjectName(QStringLiteral("DrkUnterlegtRb"));
    amtlich_ = new QRadioButton(QStringLiteral("In amtliches &Formular (empfohlene Ausgabegröße 100%)"), medium);
    amtlich_->setObjectName(QStringLiteral("DrkAmtlichRB"));
    skalierung_ = Zahlfeld(medium, "Skalierung", 50, 200, " %");
    auto* skLbl = new QLabel(QStringLiteral("&Ausgabegröße (ca. 95%, wenn Formular größer Druckbereich) "), medium);
    skLbl->setBuddy(skalierung_);
    for (QWidget* w : std::initializer_list<QWidget*>{voranzeige_, unterlegt_, amtlich_, skLbl, skalierung_})
        ml->addWidget(w);
    ml->addStretch();
    al->addWidget(formulare, 3);
    al->addWidget(medium, 2);
    nb_->addTab(auswahl, QStringLiteral("Aus&wahl"));

    // "Justierung": the shifts.
    auto* justierung = new QWidget(nb_);
    auto* jl = new QVBoxLayout(justierung);
    auto* alle = new QGroupBox(QStringLiteral("Voreinstellung für alle Formulare"), justierung);
    auto* alleL = new QGridLayout(alle);
    alleRechts_ = Zahlfeld(alle, "AlleRechts", -100, 100);
    alleUnten_ = Zahlfeld(alle, "AlleUnten", -100, 100);
    alleL->addWidget(new QLabel(QStringLiteral("- Verschiebung nach rechts (in mm)"), alle), 0, 0);
    alleL->addWidget(alleRechts_, 0, 1);
    alleL->addWidget(new QLabel(QStringLiteral("- Verschiebung nach unten (in mm)"), alle), 1, 0);
    alleL->addWidget(alleUnten_, 1, 1);
    auto* einzeln = new QGroupBox(QStringLiteral("Justierung einzelner Formulare"), justierung);
    auto* el = new QGridLayout(einzeln);
    justierLB_ = new QListWidget(einzeln);
    justierLB_->setObjectName(QStringLiteral("JustierLB"));
    for (const char* g : Justiergruppen()) justierLB_->addItem(QString::fromUtf8(g));
    justierRechts_ = Zahlfeld(einzeln, "JustierRechts", -100, 100);
    justierUnten_ = Zahlfeld(einzeln, "JustierUnten", -100, 100);
    auto* rechtsLbl = new QLabel(QStringLiteral("- nach &rechts"), einzeln);
    rechtsLbl->setBuddy(justierRechts_);
    auto* untenLbl = new QLabel(QStringLiteral("- nach &unten"), einzeln);
    untenLbl->setBuddy(justierUnten_);
    auto* standard = Knopf(einzeln, "JustierungVorEinBtn", "&Standardwerte setzen ...",
                           "Standardwerte für diese Seite setzen.");
    el->addWidget(justierLB_, 0, 0, 5, 1);
    el->addWidget(new QLabel(QStringLiteral("Verschiebung (in mm)"), einzeln), 0, 1, 1, 2);
    el->addWidget(rechtsLbl, 1, 1);
    el->addWidget(justierRechts_, 1, 2);
    el->addWidget(untenLbl, 2, 1);
    el->addWidget(justierUnten_, 2, 2);
    el->addWidget(standard, 4, 1, 1, 2);
    jl->addWidget(alle);
    jl->addWidget(einzeln);
    nb_->addTab(justierung, QStringLiteral("&Justierung"));

    // "Drucker": printer, font, duplex.
    auto* druckerSeite = new QWidget(nb_);
    auto* dl = new QVBoxLayout(druckerSeite);
    auto* drucker = new QGroupBox(QStringLiteral("Drucker"), druckerSeite);
    auto* dg = new QGridLayout(drucker);
    memo_ = new QPlainTextEdit(drucker);
    memo_->setObjectName(QStringLiteral("DruckerMemo"));
    memo_->setReadOnly(true);
    memo_->setMaximumHeight(50);
    auto* einrichten = Knopf(drucker, "DruckerEinrichtBtn", "Drucker ein&richten ...",
                             "Windows-Druckereigenschaften festlegen.");
    auto* font = Knopf(drucker, "FormFontBtn", "&Schrift Formulardruck ...",
                       "Schrift für Formulardruck bestimmen.");
    fontLbl_ = new QLabel(drucker);
    fontLbl_->setObjectName(QStringLiteral("FormFontLbl"));
    duplex_ = new QCheckBox(QStringLiteral("Druckausgabe im &Duplex-&Modus"), drucker);
    duplex_->setObjectName(QStringLiteral("DuplexDruckCB"));
    dg->addWidget(memo_, 0, 0, 1, 2);
    dg->addWidget(einrichten, 1, 0);
    dg->addWidget(font, 2, 0);
    dg->addWidget(fontLbl_, 2, 1);
    dg->addWidget(duplex_, 3, 0, 1, 2);
    dl->addWidget(drucker);
    dl->addStretch();
    nb_->addTab(druckerSeite, QStringLiteral("D&rucker"));

    auto* knoepfe = new QHBoxLayout;
    auto* drucken = Knopf(this, "DruckBtn", "&Drucken", "Start der Druckausgabe.");
    auto* hilfe = Knopf(this, "HelpBtn", "&Hilfe", "Hilfetext aufrufen.");
    auto* ende = Knopf(this, "OkBtn", "&Ende", "Ende der Eingabe.");
    knoepfe->addWidget(drucken);
    knoepfe->addStretch();
    knoepfe->addWidget(hilfe);
    knoepfe->addWidget(ende);
    haupt->addLayout(knoepfe);

    // Loaded from the settings; the preview always starts off, nothing ticked.
    laedt_ = true;
    unterlegt_->setChecked(einst_.formUnterlegte);
    amtlich_->setChecked(!einst_.formUnterlegte);
    skalierung_->setValue(std::clamp(einst_.formSkalierung, 50, 200));
    alleRechts_->setValue(einst_.alleRechts);
    alleUnten_->setValue(einst_.alleUnten);
    duplex_->setChecked(einst_.formDuplex);
    voranzeige_->setChecked(false);
    justierLB_->setCurrentRow(0);
    laedt_ = false;
    GruppeZeigen();
    FontZeigen();
    DruckerZeigen();
    liste_->setFocus();

    connect(liste_, &QListWidget::itemChanged, this, [this] { ZaehlerAktualisieren(); });
    connect(automatik, &QPushButton::clicked, this, &TxGlobFDrk::AutomatikBtnClick);
    connect(justierLB_, &QListWidget::currentRowChanged, this, [this] { GruppeZeigen(); });
    connect(justierLB_, &QListWidget::itemDoubleClicked, this, [this] { justierRechts_->setFocus(); });
    for (QSpinBox* s : {justierRechts_, justierUnten_, skalierung_})
        connect(s, &QSpinBox::valueChanged, this, [this] { JustierEinzelChange(); });
    connect(standard, &QPushButton::clicked, this, &TxGlobFDrk::JustierungVorEinBtnClick);
    connect(einrichten, &QPushButton::clicked, this, &TxGlobFDrk::DruckerEinrichtBtnClick);
    connect(font, &QPushButton::clicked, this, &TxGlobFDrk::FormFontBtnClick);
    connect(drucken, &QPushButton::clicked, this, &TxGlobFDrk::Drucken);
    connect(hilfe, &QPushButton::clicked, this, [this] {
        if (dienste_.hilfe) dienste_.hilfe();
    });
    connect(ende, &QPushButton::clicked, this, &QDialog::accept);
}

Formularwahl TxGlobFDrk::Gewaehlt() const {
    Formularwahl w{};
    for (int i = 0; i < AnzahlFormularposten; ++i)
        w[static_cast<std::size_t>(i)] = liste_->item(i)->checkState() == Qt::Checked;
    return w;
}

void TxGlobFDrk::Ankreuzen(int index, bool an) {
    if (index < 0 || index >= AnzahlFormularposten) return;
    liste_->item(index)->setCheckState(an ? Qt::Checked : Qt::Unchecked);
}

void TxGlobFDrk::ZaehlerAktualisieren() {
    anzahl_->setText(QString::fromStdString(FormatMaske("##", AnzahlGewaehlt(Gewaehlt()))).trimmed());
}

void TxGlobFDrk::AutomatikBtnClick() {
    const Formularwahl w = AutomatischeAuswahl(fall_);
    for (int i = 0; i < AnzahlFormularposten; ++i) Ankreuzen(i, w[static_cast<std::size_t>(i)]);
    ZaehlerAktualisieren();
}

void TxGlobFDrk::GruppeZeigen() {
    const int g = std::clamp(justierLB_->currentRow(), 0, 19);
    laedt_ = true;
    justierRechts_->setValue(einst_.formVerschiebung[static_cast<std::size_t>(g)].rechts);
    justierUnten_->setValue(einst_.formVerschiebung[static_cast<std::size_t>(g)].unten);
    laedt_ = false;
}

void TxGlobFDrk::JustierEinzelChange() {
    if (laedt_) return;
    const int g = std::clamp(justierLB_->currentRow(), 0, 19);
    einst_.formVerschiebung[static_cast<std::size_t>(g)] = {justierRechts_->value(), justierUnten_->value()};
}

void TxGlobFDrk::JustierungVorEinBtnClick() {
    einst_.alleRechts = 0;
    einst_.alleUnten = 0;
    einst_.formVerschiebung = Standard().formVerschiebung;
    laedt_ = true;
    alleRechts_->setValue(0);
    alleUnten_->setValue(0);
    justierLB_->setCurrentRow(0);
    laedt_ = false;
    GruppeZeigen();
    if (dienste_.meldungen)
        dienste_.meldungen->Zeige(MeldungsTyp::Information, "Es wurden die Standardwerte gesetzt.");
}

void TxGlobFDrk::DruckerZeigen() {
    memo_->setPlainText(dienste_.drucker ? QString::fromStdString(DruckerAnzeigename(*dienste_.drucker))
                                         : QString());
}

void TxGlobFDrk::DruckerEinrichtBtnClick() {
    if (!dienste_.drucker) return;
    QPrintDialog d(dienste_.drucker, this);
    d.exec();
    DruckerZeigen();
}

void TxGlobFDrk::FontZeigen() {
    fontLbl_->setText(QString::fromStdString(einst_.formSchrift.name) + QStringLiteral(", ") +
                      QString::fromStdString(FormatMaske("## Punkt", einst_.formSchrift.groesse)).trimmed());
}

void TxGlobFDrk::FormFontBtnClick() {
    std::optional<SchriftWahl> neu;
    if (dienste_.schriftWaehlen) {
        neu = dienste_.schriftWaehlen(einst_.formSchrift);
    } else {
        QFont f(QString::fromStdString(einst_.formSchrift.name), einst_.formSchrift.groesse);
        f.setBold(einst_.formSchrift.fett);
        f.setItalic(einst_.formSchrift.kursiv);
        bool ok = false;
        const QFont g = QFontDialog::getFont(&ok, f, this);
        if (ok) neu = SchriftWahl{g.family().toStdString(), std::max(1, g.pointSize()), g.bold(), g.italic(),
                                  einst_.formSchrift.unterstrichen};
    }
    if (!neu) return;
    neu->name = ZeichenBegrenzen(neu->name, MaxSchriftName);
    einst_.formSchrift = *neu;
    FontZeigen();
}

void TxGlobFDrk::Speichern() {
    einst_.formMitVoranzeige = voranzeige_->isChecked();
    einst_.formUnterlegte = unterlegt_->isChecked();
    einst_.formSkalierung = skalierung_->value();
    einst_.alleRechts = alleRechts_->value();
    einst_.alleUnten = alleUnten_->value();
    einst_.formDuplex = duplex_->isChecked();
}

void TxGlobFDrk::Drucken() {
    nb_->setCurrentIndex(0);
    Speichern();
    Druckrunde d;
    d.blanko = unterlegt_->isChecked();
    d.vorschau = voranzeige_->isChecked();
    d.duplex = duplex_->isChecked();
    d.alsPdf = dienste_.ohneDrucker ? dienste_.ohneDrucker()
                                    : dienste_.drucker && OhneDrucker(*dienste_.drucker, {});
    d.prompt = [this](const std::string& text) {
        return !dienste_.meldungen ||
               dienste_.meldungen->Zeige(MeldungsTyp::Information, text, KnopfOK | KnopfAbbrechen) ==
                   Antwort::OK;
    };
    d.auftrag = dienste_.auftrag;
    FormulareDrucken(Gewaehlt(), d);
    liste_->setFocus();
}

void TxGlobFDrk::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        e->accept();  // Esc does not close the dialog
        return;
    }
    Tform13::keyPressEvent(e);
}

// Enter acts as the space key: it ticks the current list item and presses
// buttons and check boxes; elsewhere it steps on as in every dialog.
bool TxGlobFDrk::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && k->modifiers() == Qt::NoModifier) {
            if (o == liste_ || o == liste_->viewport()) {
                if (QListWidgetItem* item = liste_->currentItem())
                    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
                return true;
            }
            if (auto* b = qobject_cast<QAbstractButton*>(o); b && b->window() == this) {
                b->click();
                return true;
            }
        }
    }
    return Tform13::eventFilter(o, e);
}

void TxGlobFDrk::done(int r) {
    Speichern();
    if (dienste_.einstellungenSchreiben) dienste_.einstellungenSchreiben();
    Tform13::done(r);
}

}  // namespace quarnel::gui
