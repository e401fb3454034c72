#include "print/txglobprv.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "print/txglobpdlg.h"

namespace quarnel::gui {

namespace {

// The white sheet with the current page on it.
class Seitenflaeche : public QWidget {
  public:
    Seitenflaeche(TxGlobPRV* vorschau, const Bericht* b) : vorschau_(vorschau), b_(b) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setPen(Qt::gray);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        SeiteZeichnen(p, *b_, vorschau_->Seite() - 1, vorschau_->PixelProMm());
    }

  private:
    TxGlobPRV* vorschau_;
    const Bericht* b_;
};

QString ZoomText(double z) {
    return QString::number(z, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(','));
}

}  // namespace

TxGlobPRV::TxGlobPRV(QWidget* hauptfenster, const Bericht& bericht, const Vorschaustart& start,
                     QPrinter* drucker, const Ausgabedienste& dienste)
    : Tform13(hauptfenster, 700, Platzierung::Zentriert),
      bericht_(bericht),
      drucker_(drucker),
      dienste_(dienste),
      skalierung_(start.skalierung),
      modus_(start.volleBreite ? Modus::Breite : Modus::Frei) {
    setWindowTitle(QStringLiteral("Druckvorschau"));
    if (bericht_.seiten.empty()) bericht_.seiten.emplace_back();  // an empty job: one empty page
    auto* senkrecht = new QVBoxLayout(this);
    auto* leiste = new QHBoxLayout;
    auto knopf = [this, leiste](const char* name, const QString& text, const QString& hinweis) {
        auto* k = new QToolButton(this);
        k->setObjectName(QString::fromLatin1(name));
        k->setText(text);
        k->setToolTip(hinweis);
        leiste->addWidget(k);
        return k;
    };
    auto* plus = knopf("ZoomPlusBtn", QStringLiteral("+"), QStringLiteral("vergrößern"));
    auto* minus = knopf("ZoomMinusBtn", QStringLiteral("−"), QStringLiteral("verkleinern"));
    auto* breite = knopf("VolleBreiteBtn", QStringLiteral("↔"), QStringLiteral("Volle Breite"));
    auto* ganz = knopf("GanzeSeiteBtn", QStringLiteral("▢"), QStringLiteral("Ganze Seite"));
    zoomEdit_ = new QLineEdit(this);
    zoomEdit_->setObjectName(QStringLiteral("ZoomEdit"));
    zoomEdit_->setMaximumWidth(60);
    zoomEdit_->setToolTip(QStringLiteral("%"));
    leiste->addWidget(zoomEdit_);
    leiste->addWidget(new QLabel(QStringLiteral("%"), this));
    zurueck_ = knopf("ZurueckBtn", QStringLiteral("◀"), QStringLiteral("Seite zurück\n(Ctrl+PgUp)"));
    seiteEdit_ = new QLineEdit(this);
    seiteEdit_->setObjectName(QStringLiteral("SeiteEdit"));
    seiteEdit_->setMaximumWidth(40);
    leiste->addWidget(seiteEdit_);
    vor_ = knopf("VorBtn", QStringLiteral("▶"), QStringLiteral("Seite vor \n(Ctrl+PgDn)"));
    seitenLbl_ = new QLabel(this);
    seitenLbl_->setObjectName(QStringLiteral("SeitenLbl"));
    leiste->addWidget(seitenLbl_);
    leiste->addStretch();
    auto* druck = new QPushButton(QStringLiteral("Druck"), this);
    druck->setObjectName(QStringLiteral("DruckBtn"));
    auto* pdf = new QPushButton(QStringLiteral("Als PDF speichern"), this);
    pdf->setObjectName(QStringLiteral("PdfBtn"));
    auto* fertig = new QPushButton(QStringLiteral("Fertig"), this);
    fertig->setObjectName(QStringLiteral("FertigBtn"));
    for (QPushButton* k : {druck, pdf, fertig}) {
        k->setAutoDefault(false);
        leiste->addWidget(k);
    }
    senkrecht->addLayout(leiste);

    rollen_ = new QScrollArea(this);
    rollen_->setObjectName(QStringLiteral("Rollbereich"));
    rollen_->setAlignment(Qt::AlignHCenter);
    rollen_->setBackgroundRole(QPalette::Dark);
    flaeche_ = new Seitenflaeche(this, &bericht_);
    flaeche_->setObjectName(QStringLiteral("Seitenflaeche"));
    rollen_->setWidget(flaeche_);
    senkrecht->addWidget(rollen_, 1);

    connect(plus, &QToolButton::clicked, this, &TxGlobPRV::ZoomPlusClick);
    connect(minus, &QToolButton::clicked, this, &TxGlobPRV::ZoomMinusClick);
    connect(breite, &QToolButton::clicked, this, &TxGlobPRV::VolleBreiteClick);
    connect(ganz, &QToolButton::clicked, this, &TxGlobPRV::GanzeSeiteClick);
    connect(zoomEdit_, &QLineEdit::editingFinished, this, &TxGlobPRV::ZoomEditFertig);
    connect(seiteEdit_, &QLineEdit::editingFinished, this, &TxGlobPRV::SeiteEditFertig);
    connect(zurueck_, &QToolButton::clicked, this, [this] { GeheZuSeite(Seite() - 1); });
    connect(vor_, &QToolButton::clicked, this, [this] { GeheZuSeite(Seite() + 1); });
    connect(druck, &QPushButton::clicked, this, &TxGlobPRV::DruckBtnClick);
    connect(pdf, &QPushButton::clicked, this, &TxGlobPRV::PdfBtnClick);
    connect(fertig, &QPushButton::clicked, this, &QDialog::accept);

    auto taste = [this](QKeySequence k, std::function<void()> f) {
        auto* s = new QShortcut(k, this);
        connect(s, &QShortcut::activated, this, std::move(f));
    };
    taste(QKeySequence(Qt::CTRL | Qt::Key_PageUp), [this] { GeheZuSeite(Seite() - 1); });
    taste(QKeySequence(Qt::CTRL | Qt::Key_PageDown), [this] { GeheZuSeite(Seite() + 1); });
    taste(QKeySequence(Qt::Key_PageUp), [this] { Rollen(-100); });
    taste(QKeySequence(Qt::Key_PageDown), [this] { Rollen(100); });
    taste(QKeySequence(Qt::Key_Up), [this] { Rollen(-10); });
    taste(QKeySequence(Qt::Key_Down), [this] { Rollen(10); });

    resize(width(), 620);
    if (!start.volleBreite) zoom_ = 100;
    // The preview turns forward from the first page to the start page.
    seite_ = 0;
    GeheZuSeite(start.startseite);
    Anpassen();
}

double TxGlobPRV::PixelProMm() const {
    return logicalDpiX() / 25.4 * zoom_ / 100;
}

void TxGlobPRV::GeheZuSeite(int seite) {
    seite_ = std::clamp(seite, 1, Seitenzahl()) - 1;
    rollen_->verticalScrollBar()->setValue(0);
    Aktualisieren();
}

void TxGlobPRV::SetzeZoom(double prozent) {
    if (!std::isfinite(prozent)) return;
    zoom_ = std::clamp(prozent, ZoomMin, ZoomMax);
    Aktualisieren();
}

void TxGlobPRV::ZoomPlusClick() {
    modus_ = Modus::Frei;
    SetzeZoom(zoom_ * ZoomSchritt);
}

void TxGlobPRV::ZoomMinusClick() {
    modus_ = Modus::Frei;
    SetzeZoom(zoom_ / ZoomSchritt);
}

void TxGlobPRV::VolleBreiteClick() {
    modus_ = Modus::Breite;
    Anpassen();
}

void TxGlobPRV::GanzeSeiteClick() {
    modus_ = Modus::Ganz;
    Anpassen();
}

void TxGlobPRV::Anpassen() {
    const double proMm100 = logicalDpiX() / 25.4;
    const QSize platz = rollen_->viewport()->size() - QSize(24, 24);
    if (modus_ == Modus::Breite && platz.width() > 0)
        SetzeZoom(100 * platz.width() / (bericht_.breite * proMm100));
    else if (modus_ == Modus::Ganz && platz.width() > 0 && platz.height() > 0)
        SetzeZoom(100 * std::min(platz.width() / (bericht_.breite * proMm100),
                                 platz.height() / (bericht_.hoehe * proMm100)));
    else
        Aktualisieren();
}

void TxGlobPRV::ZoomEditFertig() {
    bool gut = false;
    const double z = zoomEdit_->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&gut);
    if (gut && std::fabs(z - zoom_) > 0.05) {
        modus_ = Modus::Frei;
        SetzeZoom(z);
    } else {
        Aktualisieren();
    }
}

void TxGlobPRV::SeiteEditFertig() {
    bool gut = false;
    const int s = seiteEdit_->text().trimmed().toInt(&gut);
    if (gut && s != Seite()) GeheZuSeite(s);
    else Aktualisieren();
}

void TxGlobPRV::Aktualisieren() {
    const double px = PixelProMm();
    flaeche_->setFixedSize(static_cast<int>(std::lround(bericht_.breite * px)),
                           static_cast<int>(std::lround(bericht_.hoehe * px)));
    flaeche_->update();
    zoomEdit_->setText(ZoomText(zoom_));
    seiteEdit_->setText(QString::number(Seite()));
    seitenLbl_->setText(QStringLiteral("Seite %1 von %2").arg(Seite()).arg(Seitenzahl()));
    zurueck_->setEnabled(Seite() > 1);
    vor_->setEnabled(Seite() < Seitenzahl());
}

void TxGlobPRV::Rollen(int einheiten) {
    QScrollBar* s = rollen_->verticalScrollBar();
    s->setValue(s->value() + einheiten);
}

void TxGlobPRV::resizeEvent(QResizeEvent* e) {
    Tform13::resizeEvent(e);
    if (modus_ != Modus::Frei) Anpassen();
}

void TxGlobPRV::DruckBtnClick() {
    TxGlobPdlg d(this, Seitenzahl(), drucker_, dienste_.meldungen);
    if (d.exec() != QDialog::Accepted || !drucker_) return;
    DruckerAusgabe(*drucker_, bericht_, d.VonSeite(), d.BisSeite(), skalierung_, dienste_);
}

void TxGlobPRV::PdfBtnClick() {
    PdfAusgabe(bericht_, dienste_, skalierung_);
}

}  // namespace quarnel::gui
