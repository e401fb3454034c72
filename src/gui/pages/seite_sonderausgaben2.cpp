// The special-expense pages of household help and tax advice, own education
// costs and school fees, and donations.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>

#include "calc/betrag.h"
#include "pages/seite_sonderausgaben2.h"
#include "pages/seitenzustand.h"
#include "pages/sonderausgaben.h"
#include "widgets/maskenfeld.h"
#include "widgets/zugang.h"

namespace quarnel::gui {

// --- household help, tax advice ----------------------------------------------------------

const Seitenbeschreibung SAHaHiSeite = AusTafel("TF_SAHaHi");

// --- education costs, school fees ----------------------------------------------------------

const Seitenbeschreibung SaAbKostSeite =
    AusTafel("TF_SaAbKost", &Seitenrechnen<&AusbildungskostenRechnen>);

constexpr Feld SchulBez[] = {Feld::SGBezKi1, Feld::SGBezKi2, Feld::SGBezKi3,
                             Feld::SGBezKi4, Feld::SGBezKi5, Feld::SGBezKi6};
constexpr Feld SchulGez[] = {Feld::SGGezKi1, Feld::SGGezKi2, Feld::SGGezKi3,
                             Feld::SGGezKi4, Feld::SGGezKi5, Feld::SGGezKi6};

// --- donations --------------------------------------------------------------------------

constexpr const char* Stift = "&Stiftung";

namespace {

// The four groups: tab, list button (tag g), the field the list sum goes into.
struct Spendengruppe {
    const char* knopf;
    Feld bestaetigt;
    const char* titel;
};
constexpr Spendengruppe Spendengruppen[] = {
    {"AlleBtn", Feld::WissenDM, "Spenden: Wissensch., mildtätig, Kultur"},
    {"KirchBtn", Feld::KirchDM, "Spenden: Kirchlich, religiös, gemeinnützig"},
    {"ParteienBtn", Feld::ParteienDM, "Spenden: Politische Parteien"},
    {"WaehlerBtn", Feld::WaehlerDM, "Spenden: Unabhängige Wählervereinigungen"},
};

}  // namespace

const Seitenbeschreibung SaSpendeSeite = AusTafel("TF_SaSpende", &Seitenrechnen<&SpendenRechnen>);

namespace {

// Puts a list button right of the amount field it fills, in the field's cell.
void KnopfNeben(QWidget* feld, QWidget* knopf) {
    auto* g = qobject_cast<QGridLayout*>(feld->parentWidget()->layout());
    int zeile = 0, spalte = 0, h = 0, b = 0;
    g->getItemPosition(g->indexOf(feld), &zeile, &spalte, &h, &b);
    auto* zelle = new QWidget(feld->parentWidget());
    auto* l = new QHBoxLayout(zelle);
    l->setContentsMargins(0, 0, 0, 0);
    g->removeWidget(feld);
    knopf->parentWidget()->layout()->removeWidget(knopf);
    l->addWidget(feld);
    l->addWidget(knopf);
    l->addStretch(1);
    g->addWidget(zelle, zeile, spalte);
}

}  // namespace

// --- TF_SAHaHi ---------------------------------------------------------------------------

TF_SAHaHi::TF_SAHaHi(Seitenumgebung& u, QWidget* eltern)
    : TForm11(u, SAHaHiSeite, 0, 1, eltern) {
    if (auto* b = findChild<QPushButton*>(QStringLiteral("HausHiBtn")))
        connect(b, &QPushButton::clicked, this, &TF_SAHaHi::HausHiBtnClick);
    ListenKnopf("StBerBtn", 31, QStringLiteral("Liste der Steuerberatungskosten"), 560,
                Feld::StBerDmAusListe, true);
    OvcNb()->setCurrentIndex(1);
}

void TF_SAHaHi::DatenLaden() {
    // Current also for a case whose application was never opened here.
    HaushaltshilfeRechnen(Satz());
    HaushaltshilfeErgebnisUebernehmen(Satz());
    TForm11::DatenLaden();
}

void TF_SAHaHi::HausHiBtnClick() {
    TF_HausHi::Oeffnen(*this, TF_HausHi::Aufruf::Sonderausgabe);
}

// --- TF_SaAbKost -------------------------------------------------------------------------

TF_SaAbKost::TF_SaAbKost(Seitenumgebung& u, QWidget* eltern)
    : TForm11(u, SaAbKostSeite, 0, 1, eltern) {
    const QString titel = QStringLiteral("Liste der Ausbildungskosten");
    ListenKnopf("AusStpfBtn", 32, titel, 568, Feld::AusStpfDM, true);
    ListenKnopf("AusEheBtn", 33, titel, 568, Feld::AusEheDM, true);
    KnopfNeben(Steuer(Feld::AusStpfDM), findChild<QPushButton*>(QStringLiteral("AusStpfBtn")));
    KnopfNeben(Steuer(Feld::AusEheDM), findChild<QPushButton*>(QStringLiteral("AusEheBtn")));
    // The two columns share the page's width.
    for (Feld f : {Feld::AusStpfArtAusb, Feld::AusEheArtAusb, Feld::AusStpfArtKost,
                   Feld::AusEheArtKost})
        Steuer(f)->setMinimumWidth(120);
    // The row says what the two boxes are.
    Kasten(Feld::AusStpfAusJaCB)->setText(QString());
    Kasten(Feld::AusEheAusJaCB)->setText(QString());
    // The children's rows are named after the children.
    for (int k = 0; k < 6; ++k)
        if (QWidget* l = findChild<QWidget*>(QStringLiteral("SGBezKi%1Lbl").arg(k + 1)))
            l->setObjectName(QStringLiteral("SGNameKi%1").arg(k + 1));
    OvcNb()->setCurrentIndex(1);
}

void TF_SaAbKost::FormShow() {
    TForm11::FormShow();
    Freigaben();
}

void TF_SaAbKost::DatenLaden() {
    TForm11::DatenLaden();
    const CaseRecord& r = Satz();
    for (int k = 0; k < 6; ++k)
        if (auto* l = findChild<QLabel*>(QStringLiteral("SGNameKi%1").arg(k + 1))) {
            l->setTextFormat(Qt::PlainText);
            l->setText(QStringLiteral("%1. ").arg(k + 1) +
                       QString::fromStdString(r.TextUtf8(Feld::Vorname, k + 1)).trimmed());
        }
}

void TF_SaAbKost::Freigaben() {
    const CaseRecord& r = Satz();
    for (int k = 0; k < 6; ++k) {
        const bool kind = UeberTausendstel(r.Dbl(Feld::KindKiFbJahr, k + 1));
        Steuer(SchulBez[k])->setEnabled(kind);
        Steuer(SchulGez[k])->setEnabled(kind);
    }
    const bool splitting = r.Bool(Feld::Splitting);
    for (Feld f : {Feld::AusEheArtAusb, Feld::AusEheArtKost, Feld::AusEheAusJaCB, Feld::AusEheDM})
        Steuer(f)->setEnabled(splitting);
    if (auto* b = findChild<QWidget*>(QStringLiteral("AusEheBtn"))) b->setEnabled(splitting);
    // The heading over the spouse's column.
    QWidget* feld = Steuer(Feld::AusEheArtAusb);
    auto* g = qobject_cast<QGridLayout*>(feld->parentWidget()->layout());
    int zeile = 0, spalte = 0, h = 0, b = 0;
    g->getItemPosition(g->indexOf(feld), &zeile, &spalte, &h, &b);
    if (QLayoutItem* kopf = g->itemAtPosition(zeile - 1, spalte))
        GrauKursiv(kopf->widget(), r.Bool(Feld::Grundtabelle));
}

// --- TF_SaSpende -------------------------------------------------------------------------

TF_SaSpende::TF_SaSpende(Seitenumgebung& u, QWidget* eltern)
    : TForm11(u, SaSpendeSeite, 0, 1, eltern) {
    for (int g = 1; g <= 4; ++g) {
        const Spendengruppe& s = Spendengruppen[g - 1];
        ListenKnopf(s.knopf, 33 + g, QString::fromUtf8(s.titel), 562 + g, s.bestaetigt, false);
    }
    // The two foundation results shown as one sum.
    if (QWidget* stift = Reiter(QString::fromUtf8(Stift))) {
        auto* g = static_cast<QGridLayout*>(stift->layout());
        int zeile = 0, spalte = 0, h = 0, b = 0;
        g->getItemPosition(g->indexOf(Steuer(Feld::StiftFA)), &zeile, &spalte, &h, &b);
        stiftungErg_ = new BetragFeld(stift);
        stiftungErg_->setObjectName(QStringLiteral("StiftungErg"));
        stiftungErg_->SetzeMaske(QStringLiteral("i,iii,iii.ii"));
        stiftungErg_->setFixedWidth(Steuer(Feld::StiftFA)->width());
        Ergebnisfeld(stiftungErg_);
        auto* l = new QLabel(QStringLiteral("Ergibt Summe (gerundet)"), stift);
        // Below the last foundation row, before the stretch.
        g->addWidget(l, zeile + 1, 0);
        g->addWidget(stiftungErg_, zeile + 1, spalte);
        g->setRowStretch(zeile + 1, 0);
        g->setRowStretch(zeile + 2, 1);
    }
}

void TF_SaSpende::DatenLaden() {
    TForm11::DatenLaden();
    const CaseRecord& r = Satz();
    if (stiftungErg_)
        stiftungErg_->SetzeWert(r.Dbl(Feld::StiftStockErg) + r.Dbl(Feld::StiftSpendenErg));
}

}  // namespace quarnel::gui
