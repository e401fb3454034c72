#include "shell/falldialoge.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "case/zeichensatz.h"
#include "shell/dialoghilfe.h"

namespace quarnel::gui {

namespace {

QPushButton* Knopf(QWidget* eltern, const char* name, const char* text,
                   const char* hinweis = nullptr) {
    auto* b = new QPushButton(QString::fromUtf8(text), eltern);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    if (hinweis) b->setToolTip(QString::fromUtf8(hinweis));
    return b;
}

QLineEdit* VerdecktesFeld(QWidget* eltern, const char* name) {
    auto* f = new QLineEdit(eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setEchoMode(QLineEdit::Password);
    f->setMaxLength(15);
    return f;
}

}  // namespace

TxPasswortAendern::TxPasswortAendern(QWidget* hauptfenster, Fallverwaltung& fall)
    : Tform13(hauptfenster, 300), fall_(fall) {
    setObjectName(QStringLiteral("TxPasswortAendern"));
    setWindowTitle(QStringLiteral("Passwort vergeben/ändern"));
    passwort1_ = VerdecktesFeld(this, "Passwort1");
    passwort2_ = VerdecktesFeld(this, "Passwort2");
    auto* ende = Knopf(this, "EndeBtn", "&Ende");
    auto* abbruch = Knopf(this, "AbbruchBtn", "&Abbruch");
    auto* hilfe = Knopf(this, "HilfeBtn", "&Hilfe");
    connect(ende, &QPushButton::clicked, this, &TxPasswortAendern::EndeClick);
    connect(abbruch, &QPushButton::clicked, this, &QDialog::reject);
    connect(hilfe, &QPushButton::clicked, this, [this] {
        if (hilfeZeigen) hilfeZeigen();
    });
    auto* l = new QVBoxLayout(this);
    l->addWidget(new QLabel(QStringLiteral("Das neue Passwort (max. 10 Zeichen):"), this));
    l->addWidget(passwort1_);
    l->addWidget(passwort2_);
    auto* k = new QHBoxLayout;
    k->addStretch(1);
    k->addWidget(ende);
    k->addWidget(abbruch);
    k->addWidget(hilfe);
    l->addLayout(k);
}

void TxPasswortAendern::EndeClick() {
    if (fall_.PasswortSetzen(passwort1_->text().toStdString(), passwort2_->text().toStdString())) {
        accept();
        return;
    }
    passwort1_->clear();
    passwort2_->clear();
    passwort1_->setFocus();
}

void TxPasswortAendern::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1 && hilfeZeigen) {
        hilfeZeigen();
        return;
    }
    Tform13::keyPressEvent(e);
}

TxPasswortAbfrage::TxPasswortAbfrage(QWidget* hauptfenster) : Tform13(hauptfenster, 260) {
    setObjectName(QStringLiteral("TxPasswortAbfrage"));
    setWindowTitle(QStringLiteral("Abfrage Passwort"));
    passwort1_ = VerdecktesFeld(this, "Passwort1");
    // Enter in the field confirms, as "&Ende" does.
    passwort1_->setProperty("eigeneEingabetaste", true);
    connect(passwort1_, &QLineEdit::returnPressed, this, &QDialog::accept);
    auto* ende = Knopf(this, "EndeBtn", "&Ende");
    auto* abbruch = Knopf(this, "AbbruchBtn", "&Abbruch");
    auto* hilfe = Knopf(this, "HilfeBtn", "&Hilfe");
    ende->setDefault(true);
    connect(ende, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbruch, &QPushButton::clicked, this, &QDialog::reject);
    connect(hilfe, &QPushButton::clicked, this, [this] {
        if (hilfeZeigen) hilfeZeigen();
    });
    auto* l = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("Das Passwort des Steuerfalls:"), this);
    text->setObjectName(QStringLiteral("PasswortLbl"));
    l->addWidget(text);
    l->addWidget(passwort1_);
    auto* k = new QHBoxLayout;
    k->addStretch(1);
    k->addWidget(ende);
    k->addWidget(abbruch);
    k->addWidget(hilfe);
    l->addLayout(k);
}

void TxPasswortAbfrage::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1 && hilfeZeigen) {
        hilfeZeigen();
        return;
    }
    Tform13::keyPressEvent(e);
}

std::optional<std::string> DialogPasswortAbfrage::Eingabe() {
    TxPasswortAbfrage d(hauptfenster_);
    d.hilfeZeigen = hilfeZeigen;
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return d.Feld()->text().toStdString();
}

TxVorjahr::TxVorjahr(QWidget* hauptfenster, VorjahrAuswahl& auswahl,
                     const std::string& formVerzeichnis)
    : Tform13(hauptfenster, 600), auswahl_(auswahl) {
    setObjectName(QStringLiteral("TxVorjahr"));
    setWindowTitle(QStringLiteral("Übernahme Vorjahresdaten"));
    liste_ = new QListWidget(this);
    liste_->setObjectName(QStringLiteral("VorjahrListe"));
    liste_->setMinimumHeight(320);
    for (int i = 0; i < VorjahrPunkte; ++i) {
        auto* item = new QListWidgetItem(QString::fromStdString(VorjahrPunktAnzeige(i)), liste_);
        ListenpunktArt(item, VorjahrPunktDef(i).ueberschrift);
    }
    Zeigen(auswahl_);
    liste_->setCurrentRow(0);
    auto* erklaerung = new QTextBrowser(this);
    erklaerung->setObjectName(QStringLiteral("VorjahrText"));
    QFile f(QString::fromStdString(formVerzeichnis + "vorj999.vor"));
    if (f.open(QIODevice::ReadOnly)) {
        const QByteArray b = f.readAll();
        erklaerung->setPlainText(QString::fromStdString(Cp1252ZuUtf8(b.toStdString())));
    }
    auto* vorschlag =
        Knopf(this, "VorschlagBtn", "&Vorschlag", "Ausgewählte Positionen markieren.");
    auto* alle = Knopf(this, "AlleBtn", "&Alle", "Alle Positionen markieren.");
    auto* keine = Knopf(this, "KeineBtn", "&Keine", "Keine Position markieren.");
    auto* ok = Knopf(this, "OKBtn", "&OK");
    auto* hilfe = Knopf(this, "HilfeBtn", "&Hilfe");
    connect(vorschlag, &QPushButton::clicked, this, &TxVorjahr::VorschlagClick);
    connect(alle, &QPushButton::clicked, this, &TxVorjahr::AlleClick);
    connect(keine, &QPushButton::clicked, this, &TxVorjahr::KeineClick);
    connect(ok, &QPushButton::clicked, this, &TxVorjahr::OKClick);
    connect(hilfe, &QPushButton::clicked, this, [this] {
        if (hilfeZeigen) hilfeZeigen();
    });
    auto* oben = new QHBoxLayout;
    oben->addWidget(liste_, 3);
    oben->addWidget(erklaerung, 2);
    auto* k = new QHBoxLayout;
    for (QPushButton* b : {vorschlag, alle, keine}) k->addWidget(b);
    k->addStretch(1);
    k->addWidget(ok);
    k->addWidget(hilfe);
    auto* l = new QVBoxLayout(this);
    l->addLayout(oben);
    l->addLayout(k);
}

void TxVorjahr::Zeigen(const VorjahrAuswahl& a) {
    for (int i = 0; i < VorjahrPunkte; ++i) {
        QListWidgetItem* item = liste_->item(i);
        if (!VorjahrPunktDef(i).ueberschrift)
            item->setCheckState(VorjahrGewaehlt(a, i) ? Qt::Checked : Qt::Unchecked);
    }
}

void TxVorjahr::VorschlagClick() {
    VorjahrAuswahl a;
    VorjahrVorschlag(a);
    Zeigen(a);
}

void TxVorjahr::AlleClick() {
    VorjahrAuswahl a;
    VorjahrAlle(a);
    Zeigen(a);
}

void TxVorjahr::KeineClick() {
    Zeigen(VorjahrAuswahl{});
}

void TxVorjahr::OKClick() {
    for (int i = 0; i < VorjahrPunkte; ++i)
        VorjahrSetzen(auswahl_, i, liste_->item(i)->checkState() == Qt::Checked);
    if (bestaetigt) bestaetigt();
    accept();
}

void TxVorjahr::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) return;  // only "&OK" or the window button close it
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && liste_->hasFocus()) {
        if (QListWidgetItem* item = liste_->currentItem();
            item && (item->flags() & Qt::ItemIsUserCheckable))
            item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        return;
    }
    Tform13::keyPressEvent(e);
}

}  // namespace quarnel::gui
