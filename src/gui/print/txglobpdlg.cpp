#include "print/txglobpdlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

#include "print/berichtspieler.h"
#include "print/listendruck.h"

namespace quarnel::gui {

TxGlobPdlg::TxGlobPdlg(QWidget* hauptfenster, int seiten, QPrinter* drucker, Meldungen* meldungen)
    : Tform13(hauptfenster, 310, Platzierung::Drittel),
      anzahl_(std::max(1, seiten)),
      drucker_(drucker),
      meldungen_(meldungen) {
    setWindowTitle(QStringLiteral("Drucker"));
    auto* raster = new QGridLayout(this);
    alles_ = new QRadioButton(QStringLiteral("&Alles"), this);
    alles_->setObjectName(QStringLiteral("AllesRB"));
    seiten_ = new QRadioButton(QStringLiteral("&Seiten"), this);
    seiten_->setObjectName(QStringLiteral("SeitenRB"));
    von_ = new QLineEdit(this);
    von_->setObjectName(QStringLiteral("I_VonSeite"));
    bis_ = new QLineEdit(this);
    bis_->setObjectName(QStringLiteral("I_BisSeite"));
    for (QLineEdit* e : {von_, bis_}) e->setValidator(new QIntValidator(0, 9999, e));
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("DruckerMemo"));
    memo_->setReadOnly(true);
    memo_->setMaximumHeight(50);
    auto* einrichten = new QPushButton(QStringLiteral("&Einrichten"), this);
    einrichten->setObjectName(QStringLiteral("EinrichtenBtn"));
    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    ok_->setObjectName(QStringLiteral("OkBtn"));
    auto* abbruch = new QPushButton(QStringLiteral("&Abbruch"), this);
    abbruch->setObjectName(QStringLiteral("AbbruchBtn"));

    raster->addWidget(alles_, 0, 0);
    raster->addWidget(seiten_, 1, 0);
    raster->addWidget(new QLabel(QStringLiteral("von"), this), 1, 1);
    raster->addWidget(von_, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("bis"), this), 1, 3);
    raster->addWidget(bis_, 1, 4);
    raster->addWidget(memo_, 2, 0, 1, 5);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(einrichten);
    knoepfe->addStretch();
    knoepfe->addWidget(ok_);
    knoepfe->addWidget(abbruch);
    raster->addLayout(knoepfe, 3, 0, 1, 5);

    auto felderZuruecksetzen = [this] {
        setzt_ = true;
        von_->setText(QStringLiteral("1"));
        bis_->setText(QString::number(anzahl_));
        setzt_ = false;
    };
    alles_->setChecked(true);
    felderZuruecksetzen();
    connect(alles_, &QRadioButton::toggled, this, [felderZuruecksetzen](bool an) {
        if (an) felderZuruecksetzen();
    });
    connect(seiten_, &QRadioButton::clicked, this, [this] { von_->setFocus(); });
    for (QLineEdit* e : {von_, bis_})
        connect(e, &QLineEdit::textEdited, this, [this] {
            if (!setzt_) seiten_->setChecked(true);
        });
    connect(einrichten, &QPushButton::clicked, this, &TxGlobPdlg::EinrichtenBtnClick);
    connect(ok_, &QPushButton::clicked, this, &TxGlobPdlg::OkBtnClick);
    connect(abbruch, &QPushButton::clicked, this, &QDialog::reject);
    DruckerZeigen();
}

int TxGlobPdlg::VonSeite() const { return von_->text().toInt(); }
int TxGlobPdlg::BisSeite() const { return bis_->text().toInt(); }

void TxGlobPdlg::DruckerZeigen() {
    memo_->setPlainText(
        drucker_ ? QString::fromStdString(DruckerAnzeigename(*drucker_)) : QString());
}

void TxGlobPdlg::EinrichtenBtnClick() {
    if (!drucker_) return;
    QPrintDialog d(drucker_, this);
    d.exec();
    DruckerZeigen();
}

void TxGlobPdlg::OkBtnClick() {
    const Seitenwahl w = SeitenwahlPruefen(VonSeite(), BisSeite(), anzahl_);
    setzt_ = true;
    von_->setText(QString::number(w.von));
    bis_->setText(QString::number(w.bis));
    setzt_ = false;
    if (w.offen) {
        if (meldungen_) meldungen_->Zeige(MeldungsTyp::Warnung, w.warnung);
        von_->setFocus();
        return;
    }
    accept();
}

}  // namespace quarnel::gui
