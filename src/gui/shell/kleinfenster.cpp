#include "shell/kleinfenster.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "shell/anzeige.h"
#include "shell/programminfo.h"
#include "widgets/rechnerfeld.h"

namespace quarnel::gui {

namespace {

QPushButton* Knopf(QWidget* eltern, const char* name, const char* text, const char* hinweis) {
    auto* b = new QPushButton(QString::fromUtf8(text), eltern);
    b->setObjectName(QString::fromLatin1(name));
    if (hinweis) b->setToolTip(QString::fromUtf8(hinweis));
    return b;
}

QHBoxLayout* KnopfZeile(std::initializer_list<QWidget*> knoepfe) {
    auto* z = new QHBoxLayout;
    z->addStretch(1);
    for (QWidget* w : knoepfe) z->addWidget(w);
    return z;
}

}  // namespace

TxKalender::TxKalender(QWidget* hauptfenster) : Tform13(hauptfenster, 280) {
    setObjectName(QStringLiteral("TxKalender"));
    setWindowTitle(QStringLiteral("Kalender"));
    kalender_ = new QCalendarWidget(this);
    kalender_->setObjectName(QStringLiteral("Kalender"));
    kalender_->setLocale(QLocale(QLocale::German, QLocale::Germany));
    kalender_->setGridVisible(true);
    // The calendar's own year field, shown for typing a year, says what it is.
    if (auto* jahr = kalender_->findChild<QWidget*>(QStringLiteral("qt_calendar_yearedit")))
        jahr->setAccessibleName(QStringLiteral("Jahr"));
    auto* ende = Knopf(this, "EndeBtn", "&Ende", "Ende der Eingabe.");
    connect(ende, &QPushButton::clicked, this, &QDialog::accept);
    auto* l = new QVBoxLayout(this);
    l->addWidget(kalender_);
    l->addLayout(KnopfZeile({ende}));
}

TxRechner::TxRechner(QWidget* hauptfenster) : Tform13(hauptfenster, 280) {
    setObjectName(QStringLiteral("TxRechner"));
    setWindowTitle(QStringLiteral("Rechner"));
    rechner_ = new RechnerFeld(this);
    rechner_->setObjectName(QStringLiteral("Rechner"));
    auto* ende = Knopf(this, "EndeBtn", "&Ende", "Ende der Eingabe.");
    auto* ablage =
        Knopf(this, "ZwischenablageBtn", "&Zwischenablage", "Kopiert Ergebnis in Zwischenablage");
    ende->setAutoDefault(false);
    ablage->setAutoDefault(false);
    connect(ende, &QPushButton::clicked, this, &QDialog::accept);
    connect(ablage, &QPushButton::clicked, this, &TxRechner::ZwischenablageClick);
    auto* l = new QVBoxLayout(this);
    l->addWidget(rechner_);
    l->addLayout(KnopfZeile({ablage, ende}));
    rechner_->setFocus();
}

void TxRechner::ZwischenablageClick() {
    QApplication::clipboard()->setText(rechner_->Anzeige());
}

TxInfo::TxInfo(QWidget* hauptfenster) : Tform13(hauptfenster, 340) {
    setObjectName(QStringLiteral("TxInfo"));
    setWindowTitle(QStringLiteral("Info über"));
    auto* titel = new QLabel(QString::fromUtf8(ProgrammTitel).trimmed(), this);
    titel->setObjectName(QStringLiteral("TitelLbl"));
    QFont f = titel->font();
    f.setPixelSize(22);
    f.setBold(true);
    titel->setFont(f);
    titel->setStyleSheet(QStringLiteral("color: navy"));
    auto* zeilen = new QLabel(QStringLiteral("Version %1 für das Steuerjahr 2001\n\n"
                                             "Einkommensteuererklärung und Bescheidprüfung\n"
                                             "für Privatpersonen\n\n"
                                             "Das Quarnel-Projekt")
                                  .arg(QString::fromUtf8(ProgrammVersion())),
                              this);
    auto* lizenz = new QLabel(QString::fromUtf8(LizenzText()), this);
    lizenz->setObjectName(QStringLiteral("LizenzLbl"));
    lizenz->setTextFormat(Qt::PlainText);
    lizenz->setAlignment(Qt::AlignCenter);
    lizenz->setWordWrap(true);
    zeilen->setObjectName(QStringLiteral("VersionLbl"));
    zeilen->setTextFormat(Qt::PlainText);
    zeilen->setAlignment(Qt::AlignCenter);
    titel->setAlignment(Qt::AlignCenter);
    auto* ende = Knopf(this, "EndeBtn", "&Ende", "Ende der Anzeige.");
    connect(ende, &QPushButton::clicked, this, &QDialog::accept);
    ende->setDefault(true);
    auto* l = new QVBoxLayout(this);
    l->addWidget(titel);
    l->addWidget(zeilen);
    l->addWidget(lizenz);
    l->addLayout(KnopfZeile({ende}));
}

TxEingang::TxEingang(QWidget* hauptfenster, Einstellungen& e) : Tform13(hauptfenster, 500), e_(e) {
    setObjectName(QStringLiteral("TxEingang"));
    setWindowTitle(QStringLiteral("Bitte beachten"));
    auto* text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("EingangHtml"));
    text->setHtml(QString::fromUtf8(EingangsText().data(), EingangsText().size()));
    text->setOpenLinks(false);
    text->setMinimumHeight(260);
    anzeigenCB_ = new QCheckBox(QStringLiteral("&Bei Programmstart anzeigen"), this);
    anzeigenCB_->setObjectName(QStringLiteral("AnzeigenCB"));
    anzeigenCB_->setChecked(e.eingangsFenster);
    auto* ende = Knopf(this, "EndeBtn", "&Ende", "Ende der Anzeige.");
    ende->setDefault(true);
    connect(ende, &QPushButton::clicked, this, &QDialog::accept);
    auto* unten = new QHBoxLayout;
    unten->addWidget(anzeigenCB_);
    unten->addStretch(1);
    unten->addWidget(ende);
    auto* l = new QVBoxLayout(this);
    l->addWidget(text);
    l->addLayout(unten);
    ende->setFocus();
}

void TxEingang::done(int r) {
    if (!anzeigenCB_->isChecked()) e_.eingangsFenster = false;
    Tform13::done(r);
}

TxTips::TxTips(QWidget* hauptfenster, Einstellungen& e) : Tform13(hauptfenster, 420), e_(e) {
    setObjectName(QStringLiteral("TxTips"));
    setWindowTitle(QStringLiteral("Tips & Tricks"));
    auto* kopf = new QLabel(QStringLiteral("Wußten Sie schon?"), this);
    kopf->setObjectName(QStringLiteral("KopfLbl"));
    QFont f = kopf->font();
    f.setBold(true);
    f.setPixelSize(16);
    kopf->setFont(f);
    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("TipHtml"));
    text_->setOpenLinks(false);
    text_->setMinimumHeight(110);
    tipsCB_ = new QCheckBox(QStringLiteral("&Tips beim nächsten Start zeigen?"), this);
    tipsCB_->setObjectName(QStringLiteral("TipsCB"));
    tipsCB_->setChecked(e.tips);
    auto* mehr = Knopf(this, "MehrBtn", "&mehr", "Weitere Tips anzeigen.");
    auto* ende = Knopf(this, "EndeBtn", "&Ende", "Ende der Anzeige.");
    ende->setDefault(true);
    connect(mehr, &QPushButton::clicked, this, &TxTips::MehrClick);
    connect(ende, &QPushButton::clicked, this, &TxTips::EndeClick);
    auto* unten = new QHBoxLayout;
    unten->addWidget(tipsCB_);
    unten->addStretch(1);
    unten->addWidget(mehr);
    unten->addWidget(ende);
    auto* l = new QVBoxLayout(this);
    l->addWidget(kopf);
    l->addWidget(text_);
    l->addLayout(unten);
    MehrClick();
    ende->setFocus();
}

void TxTips::MehrClick() {
    const TipWahl w = NaechsterTip(e_.lfdTip);
    const std::string_view t = Tip(w.index);
    text_->setHtml(QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
    e_.lfdTip = w.naechsterLfdTip;
}

QString TxTips::AktuellerTip() const {
    return text_->toHtml();
}

void TxTips::EndeClick() {
    e_.tips = tipsCB_->isChecked();
    accept();
}

}  // namespace quarnel::gui
