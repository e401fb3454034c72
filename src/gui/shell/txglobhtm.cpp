#include "shell/txglobhtm.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace quarnel::gui {

TxGlobHtm::TxGlobHtm(QWidget* hauptfenster, const HilfeOrte& orte, const VerweisDienste& dienste,
                     int schriftGroesse)
    : Tform13(hauptfenster, 640), dienste_(dienste) {
    setObjectName(QStringLiteral("TxGlobHtm"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    resize(632, 453);

    ansicht_ = new HilfeBrowser(this);
    ansicht_->setObjectName(QStringLiteral("HtmlView"));
    ansicht_->SetzeOrte(orte);
    QPalette p = ansicht_->palette();
    p.setColor(QPalette::Base, Qt::white);
    ansicht_->setPalette(p);
    ansicht_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ansicht_->Grundschrift(schriftGroesse);

    auto knopf = [this](const char* name, const char* text, const char* hinweis) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(QString::fromUtf8(hinweis));
        b->setAutoDefault(false);
        return b;
    };
    OkBtn = knopf("OkBtn", "&Ende", "Beendet die Anzeige.");
    FwdButton = knopf("FwdButton", "&vor", "Nächste Seite.");
    BackButton = knopf("BackButton", "&zurück", "Vorhergehende Seite.");
    ReloadButton = knopf("ReloadButton", "&neu laden", "Seite wir erneut geladen.Ende der Eingabe.");
    copyButton = knopf("copyButton", "&Kopieren", "Kopiert markierten Text in Zwischenablage.");
    OkBtn->setDefault(true);

    auto* zeile = new QHBoxLayout;
    for (QPushButton* b : {OkBtn, FwdButton, BackButton, ReloadButton, copyButton})
        zeile->addWidget(b);
    zeile->addStretch();
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(4, 4, 4, 4);
    l->addWidget(ansicht_, 1);
    l->addLayout(zeile);

    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(FwdButton, &QPushButton::clicked, this, &TxGlobHtm::FwdButtonClick);
    connect(BackButton, &QPushButton::clicked, this, &TxGlobHtm::BackButtonClick);
    connect(ReloadButton, &QPushButton::clicked, this, &TxGlobHtm::ReloadButtonClick);
    connect(copyButton, &QPushButton::clicked, ansicht_, &QTextBrowser::copy);
    connect(ansicht_, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& url) { LinkGeklickt(HilfeBrowser::LinkText(url)); });
    connect(ansicht_, &HilfeBrowser::ladenBeginnt, this, [this] {
        laedt_ = true;
        KnoepfeSetzen();
    });
    connect(ansicht_, &HilfeBrowser::ladenEndet, this, [this] {
        laedt_ = false;
        KnoepfeSetzen();
    });
    KnoepfeSetzen();
}

void TxGlobHtm::Startseite(const std::string& datei, const std::string& anker) {
    startDatei_ = datei;
    startAnker_ = anker;
}

void TxGlobHtm::showEvent(QShowEvent* e) {
    Tform13::showEvent(e);
    // The page is loaded once the window is up.
    if (!geladen_ && !startDatei_.empty()) {
        geladen_ = true;
        Folgen(startDatei_, startAnker_);
    }
    OkBtn->setFocus();
}

void TxGlobHtm::Folgen(const std::string& datei, const std::string& anker) {
    verlauf_.Besuchen({datei, anker, {}});
    Zeigen(*verlauf_.Aktuell());
    verlauf_.TitelSetzen(ansicht_->documentTitle().toStdString());
}

void TxGlobHtm::Zeigen(const HilfeVerlauf::Eintrag& e) {
    ansicht_->Laden(e.datei, e.anker);
    KnoepfeSetzen();
}

void TxGlobHtm::LinkGeklickt(const std::string& link) {
    const Verweis v = VerweisEinordnen(link, ansicht_->AktuelleDatei(), ansicht_->Orte());
    if (v.art == LinkArt::Anker) {
        ansicht_->ZuAnker(v.anker);
        return;
    }
    if (VerweisNachAussen(v, dienste_, true)) return;
    Folgen(v.datei, v.anker);
}

void TxGlobHtm::FwdButtonClick() {
    if (const HilfeVerlauf::Eintrag* e = verlauf_.Vor()) Zeigen(*e);
}

void TxGlobHtm::BackButtonClick() {
    if (const HilfeVerlauf::Eintrag* e = verlauf_.Zurueck()) Zeigen(*e);
}

void TxGlobHtm::ReloadButtonClick() {
    ReloadButton->setEnabled(false);
    if (const HilfeVerlauf::Eintrag* e = verlauf_.Aktuell()) Zeigen(*e);
    KnoepfeSetzen();
    ansicht_->setFocus();
}

void TxGlobHtm::KnoepfeSetzen() {
    FwdButton->setEnabled(!laedt_ && verlauf_.VorMoeglich());
    BackButton->setEnabled(!laedt_ && verlauf_.ZurueckMoeglich());
    ReloadButton->setEnabled(!laedt_ && !ansicht_->AktuelleDatei().empty());
}

}  // namespace quarnel::gui
