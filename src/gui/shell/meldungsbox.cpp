#include "shell/meldungsbox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace quarnel::gui {

QString MeldungsBox::TextFuerAnzeige(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QString MeldungsBox::Titel(MeldungsTyp typ) {
    switch (typ) {
        case MeldungsTyp::Warnung:
            return QStringLiteral("Warnung");
        case MeldungsTyp::Fehler:
            return QStringLiteral("Fehler");
        case MeldungsTyp::Information:
            return QStringLiteral("Information");
        case MeldungsTyp::Bestaetigung:
            return QStringLiteral("Bestätigung");
    }
    return {};
}

MeldungsBox::MeldungsBox(const Meldung& m, QWidget* eltern) : QDialog(eltern), meldung_(m) {
    setObjectName(QStringLiteral("MeldungsBox"));
    setWindowTitle(Titel(m.typ));
    setModal(true);

    QStyle::StandardPixmap bild = QStyle::SP_MessageBoxInformation;
    if (m.typ == MeldungsTyp::Warnung) bild = QStyle::SP_MessageBoxWarning;
    if (m.typ == MeldungsTyp::Fehler) bild = QStyle::SP_MessageBoxCritical;
    if (m.typ == MeldungsTyp::Bestaetigung) bild = QStyle::SP_MessageBoxQuestion;
    auto* symbol = new QLabel(this);
    symbol->setPixmap(style()->standardIcon(bild).pixmap(32, 32));
    symbol->setAlignment(Qt::AlignTop);

    auto* text = new QLabel(TextFuerAnzeige(m.text), this);
    text->setObjectName(QStringLiteral("MeldungText"));
    text->setTextFormat(Qt::PlainText);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* oben = new QHBoxLayout;
    oben->addWidget(symbol);
    oben->addSpacing(10);
    oben->addWidget(text, 1);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    struct Art {
        unsigned bit;
        const char* name;
        const char* text;
        Antwort antwort;
    };
    const Art arten[] = {
        {KnopfJa, "JaBtn", "&Ja", Antwort::Ja},
        {KnopfNein, "NeinBtn", "&Nein", Antwort::Nein},
        {KnopfOK, "OKBtn", "OK", Antwort::OK},
        {KnopfAbbrechen, "AbbrechenBtn", "Abbrechen", Antwort::Abbrechen},
        {KnopfAbbruch, "AbbruchBtn", "Abbruch", Antwort::Abbruch},
    };
    unsigned menge = m.knoepfe & (KnopfJa | KnopfNein | KnopfOK | KnopfAbbrechen | KnopfAbbruch);
    if (menge == 0) menge = KnopfOK;
    bool erster = true;
    for (const Art& a : arten) {
        if (!(menge & a.bit)) continue;
        auto* b = new QPushButton(QString::fromUtf8(a.text), this);
        b->setObjectName(QString::fromLatin1(a.name));
        if (erster) {
            b->setDefault(true);
            b->setFocus();
            erster = false;
        }
        Antwort antwort = a.antwort;
        connect(b, &QPushButton::clicked, this, [this, antwort] { Beenden(antwort); });
        knoepfe->addWidget(b);
    }
    if (m.knoepfe & KnopfHilfe) {
        auto* b = new QPushButton(QStringLiteral("&Hilfe"), this);
        b->setObjectName(QStringLiteral("HilfeBtn"));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this] {
            if (hilfeZeigen) hilfeZeigen(meldung_.hilfeseite);
        });
        knoepfe->addWidget(b);
    }
    knoepfe->addStretch(1);
    // Escape answers with the most cautious button of the set.
    if (menge & KnopfAbbrechen)
        fluchtAntwort_ = Antwort::Abbrechen;
    else if (menge & KnopfAbbruch)
        fluchtAntwort_ = Antwort::Abbruch;
    else if (menge & KnopfNein)
        fluchtAntwort_ = Antwort::Nein;
    else if (menge & KnopfOK)
        fluchtAntwort_ = Antwort::OK;
    else
        fluchtAntwort_ = Antwort::Ja;

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addSpacing(8);
    layout->addLayout(knoepfe);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MeldungsBox::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1 && (meldung_.knoepfe & KnopfHilfe)) {
        if (hilfeZeigen) hilfeZeigen(meldung_.hilfeseite);
        return;
    }
    QDialog::keyPressEvent(e);
}

void MeldungsBox::reject() {
    Beenden(fluchtAntwort_);
}

void MeldungsBox::Beenden(Antwort a) {
    ergebnis_ = a;
    done(QDialog::Accepted);
}

Antwort DialogMeldungen::Zeige(const Meldung& m) {
    MeldungsBox box(m, eltern_);
    box.hilfeZeigen = hilfeZeigen;
    if (m.positioniert && meldungsort) {
        box.adjustSize();
        box.move(meldungsort());
    }
    box.exec();
    return box.Ergebnis();
}

}  // namespace quarnel::gui
