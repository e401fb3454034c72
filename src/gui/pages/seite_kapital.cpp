// The capital-income page: the line, credit, expense and total sums that the
// list of receipts computes, shown read only; the spouse's columns only with
// joint assessment. Its three list buttons open the list at their tab.
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <string_view>

#include "pages/seite_kapital.h"
#include "widgets/maskenfeld.h"
#include "widgets/zugang.h"

namespace quarnel::gui {

const Seitenbeschreibung KSOSeite = AusTafel("TF_KSO");

namespace {

// A spouse's column: the ...Sie results and the second column of the totals.
bool IstSpalteSie(const FeldDef& d) {
    const std::string_view n = d.name;
    return n.ends_with("Sie") || (n.starts_with("Su") && n.ends_with("2"));
}

BetragFeld* Summenfeld(const QString& name) {
    auto* f = new BetragFeld;
    f->setObjectName(name);
    f->SetzeMaske(QStringLiteral("iii,iii.ii"));
    f->setFixedWidth(16 + 7 * 10);
    Ergebnisfeld(f);
    return f;
}

}  // namespace

TF_KSO::TF_KSO(Seitenumgebung& u, QWidget* eltern) : TForm11(u, 1, eltern) {
    setObjectName(QStringLiteral("TF_KSO"));
    SeiteAufbauen(*this, KSOSeite, 1);
    KopfPnl()->setText(QStringLiteral("  Einkünfte aus Kapitalvermögen"));
    auto* info = OvcNb()->widget(0);
    auto* hinweis = new QLabel(
        QStringLiteral("Achtung: Dateneingabe nur über Register Inland, Ausland, Beteiligung"),
        info);
    hinweis->setWordWrap(true);
    static_cast<QVBoxLayout*>(info->layout())->insertWidget(2, hinweis);

    // The spouse's column headings, in tab order.
    int n = 0;
    for (const char* t : {"&Inland", "&Ausland", "&Beteil.", "&Werbk.", "&Summe"})
        for (QLabel* l : Reiter(QString::fromUtf8(t))->findChildren<QLabel*>())
            if (l->text() == QStringLiteral("Ehefrau"))
                l->setObjectName(QStringLiteral("EhegLbl%1").arg(++n));

    // The surcharges of all receipts below the credits of the participations.
    auto* lay = static_cast<QGridLayout*>(Reiter(QStringLiteral("An&rech."))->layout());
    int zeile = lay->rowCount() - 1;  // the stretch row the builder left
    lay->setRowStretch(zeile, 0);
    for (QWidget* w :
         {findChild<QWidget*>(QStringLiteral("AnrechSolidarLbl")), Steuer(Feld::AnrechSolidar)}) {
        const int spalte = w == Steuer(Feld::AnrechSolidar) ? 2 : 0;
        lay->removeWidget(w);
        lay->addWidget(w, zeile, spalte);
    }
    lay->setRowStretch(zeile + 1, 1);

    // Both kinds of receipts and expenses taken into account, per person.
    lay = static_cast<QGridLayout*>(Reiter(QStringLiteral("&Summe"))->layout());
    zeile = lay->rowCount() - 1;
    lay->setRowStretch(zeile, 0);
    lay->addWidget(new QLabel(QStringLiteral("Summe Einnahmen / Werbungskosten")), zeile, 0, 1, -1);
    for (int p = 0; p < 2; ++p) {
        ++zeile;
        lay->addWidget(
            new QLabel(p == 0 ? QStringLiteral("- Stpfl./Ehemann") : QStringLiteral("- Ehefrau")),
            zeile, 0);
        suEin_[p] = Summenfeld(QStringLiteral("SuEin%1").arg(p + 1));
        suWk_[p] = Summenfeld(QStringLiteral("SuWk%1").arg(p + 1));
        lay->addWidget(suEin_[p], zeile, 6);
        lay->addWidget(suWk_[p], zeile, 8);
    }
    lay->setRowStretch(zeile + 1, 1);

    for (int tab = 0; tab < 3; ++tab)
        if (auto* b = findChild<QPushButton*>(QStringLiteral("Button%1").arg(tab + 1))) {
            b->setToolTip(QStringLiteral("Eingabe der Kapitalerträge in einer Liste"));
            connect(b, &QPushButton::clicked, this, [this, tab] { ListeBtnClick(tab); });
        }
    OvcNb()->setCurrentIndex(0);
}

void TF_KSO::DatenLaden() {
    TForm11::DatenLaden();
    const CaseRecord& r = Satz();
    suEin_[0]->SetzeWert(r.Dbl(Feld::SuEinVollEr) + r.Dbl(Feld::SuEinHalbEr));
    suEin_[1]->SetzeWert(r.Dbl(Feld::SuEinVollSie) + r.Dbl(Feld::SuEinHalbSie));
    suWk_[0]->SetzeWert(r.Dbl(Feld::SuWkVollEr) + r.Dbl(Feld::SuWkHalbEr));
    suWk_[1]->SetzeWert(r.Dbl(Feld::SuWkVollSie) + r.Dbl(Feld::SuWkHalbSie));
}

void TF_KSO::Freigaben() {
    const bool zusammen = Satz().Bool(Feld::Splitting);
    for (const Bindung& b : Bindungen())
        if (IstSpalteSie(Def(b.feld))) b.steuer->setEnabled(zusammen);
    suEin_[1]->setEnabled(zusammen);
    suWk_[1]->setEnabled(zusammen);
    for (QLabel* l : findChildren<QLabel*>())
        if (l->objectName().startsWith(QStringLiteral("EhegLbl"))) l->setEnabled(zusammen);
}

void TF_KSO::FormShow() {
    TForm11::FormShow();
    Freigaben();
}

void TF_KSO::FormActivate() {
    if (ersteAktivierung_) {
        ersteAktivierung_ = false;
        return;
    }
    // Back from the list, however it was closed: it has computed the sums anew.
    DatenLaden();
    Freigaben();
}

void TF_KSO::ListeBtnClick(int tab) {
    liste_ = new TF_KsoList(umgebung_, tab);
    UnterseiteOeffnen(liste_);
}

}  // namespace quarnel::gui
