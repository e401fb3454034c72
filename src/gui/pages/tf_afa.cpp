// The depreciation list of work equipment: 25 rows of text, purchase date,
// price and useful life in years, with the depreciation of the tax year and
// the remaining value computed by the depreciation rule of the core.
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <cmath>

#include "calc/betrag.h"
#include "case/zeichensatz.h"
#include "pages/einkuenfte_seiten.h"
#include "pages/seite_werbungskosten.h"
#include "pages/seitenzustand.h"
#include "pages/tabellenseite.h"
#include "widgets/maskenfeld.h"

namespace quarnel::gui {

namespace {

constexpr int Zeilen = AfaZeilen;
enum Spalte { SText = 1, SDatum, SPreis, SJahre, SAfa, SRest, Spalten };
const char* const BetragMaske = "iii,iii.ii";

QString Betragstext(double x) {
    return BetragAnzeigen(Bildmaske::Lesen(QString::fromLatin1(BetragMaske)), x);
}

// Row r of person p in the catalogue's 50 elements.
int Element(int person, int zeile) {
    return (person - 1) * Zeilen + zeile;
}

// The date, price and years cells take the masked fields of the pages.
class AfaDelegat : public Zellendelegat {
  public:
    using Zellendelegat::Zellendelegat;
    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& o,
                          const QModelIndex& i) const override {
        switch (i.column()) {
            case SDatum: {
                auto* d = new DatumFeld(eltern);
                d->SetzeBereich(TagesNummer(1900, 1, 1), TagesNummer(3999, 12, 31), QString());
                return d;
            }
            case SPreis:
            case SJahre: {
                auto* f = new BetragFeld(eltern);
                f->SetzeMaske(QString::fromLatin1(i.column() == SPreis ? BetragMaske : "iii"));
                return f;
            }
            default: return Zellendelegat::createEditor(eltern, o, i);
        }
    }
    void setModelData(QWidget* w, QAbstractItemModel* m, const QModelIndex& i) const override {
        auto* f = qobject_cast<MaskenFeld*>(w);
        if (!f) return Zellendelegat::setModelData(w, m, i);
        if (f->Modifiziert() && !f->Uebernehmen()) return Ungueltig();
        if (auto* d = qobject_cast<DatumFeld*>(w))
            m->setData(i, d->Wert(), Qt::UserRole);
        else
            m->setData(i, static_cast<BetragFeld*>(w)->Wert(), Qt::UserRole);
    }
};

}  // namespace

TF_AFA::TF_AFA(Seitenumgebung& u, int person, QWidget* eltern)
    : Tabellenfenster(u, person == 2 ? 2 : 1, Zeilen, true, eltern), person_(instanz_) {
    setObjectName(QStringLiteral("TF_AFA"));

    auto* seite = new QWidget;
    auto* lay = new QVBoxLayout(seite);
    tabelle_ = TabelleAnlegen(Zeilen,
                              {QString(), QStringLiteral("Text"), QStringLiteral("Kauf am"),
                               QStringLiteral("Preis"), QStringLiteral("AfA,\nJahre"),
                               QStringLiteral("AfA, DM"), QStringLiteral("Restwert")},
                              QColor(255, 255, 0), SDatum, seite);
    tabelle_->setItemDelegate(new AfaDelegat(u.Meldungsdienst(), tabelle_));
    tabelle_->viewport()->installEventFilter(this);
    // The depreciation and the remaining value are computed, not typed.
    for (int r = 0; r < Zeilen; ++r)
        for (int c : {SAfa, SRest})
            tabelle_->item(r, c)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    connect(tabelle_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* it) {
        if (!geladen_) return;
        ZelleUebernehmen(it->row() + 1, it->column());
        KompChange();
    });
    lay->addWidget(tabelle_, 1);

    auto* fuss = new QHBoxLayout;
    FussKnopf(fuss, "SummeBtn", "&Summe", [this] { SummeBtnClick(); });
    FussKnopf(fuss, "ZeilePlusBtn", "  Zeile +", [this] { ZeilePlusClick(); });
    FussKnopf(fuss, "ZeileMinusBtn", "  Zeile -", [this] { ZeileMinusClick(); });
    FussKnopf(fuss, "DruckenBtn", "&Drucken", [this] { DruckenClick(); });
    FussKnopf(fuss, "OkBtn", "  &OK", [this] { OkClick(); });
    lay->addLayout(fuss);
    // Five buttons fill the row of a page's width: the sum stands below them.
    auto* summe = new QHBoxLayout;
    summeLbl_ = SummenAnzeige(summe);
    lay->addLayout(summe);
    ListeZeigen(seite);
}

void TF_AFA::ZeileZeigen(int zeile) {
    const CaseRecord& r = Satz();
    const int e = Element(person_, zeile);
    const bool war = geladen_;
    geladen_ = false;
    const int z = zeile - 1;
    tabelle_->item(z, SText)->setText(QString::fromStdString(r.TextUtf8(Feld::I_Text, e)));
    const int32_t datum = r.Int(Feld::i_Datum, e);
    tabelle_->item(z, SDatum)->setData(Qt::UserRole, datum);
    tabelle_->item(z, SDatum)->setText(datum < 0 ? QString()
                                                 : QString::fromStdString(DatumText(datum)));
    const double preis = r.Dbl(Feld::i_preis, e);
    tabelle_->item(z, SPreis)->setData(Qt::UserRole, preis);
    tabelle_->item(z, SPreis)->setText(Betragstext(preis));
    const int jahre = r.Int(Feld::i_Jahre, e);
    tabelle_->item(z, SJahre)->setData(Qt::UserRole, double(jahre));
    tabelle_->item(z, SJahre)->setText(jahre == 0 ? QString() : QString::number(jahre));
    tabelle_->item(z, SAfa)->setText(Betragstext(r.Dbl(Feld::i_Afa, e)));
    tabelle_->item(z, SRest)->setText(Betragstext(r.Dbl(Feld::i_restw, e)));
    geladen_ = war;
}

void TF_AFA::ZelleUebernehmen(int zeile, int spalte) {
    CaseRecord& r = Satz();
    const int e = Element(person_, zeile);
    QTableWidgetItem* it = tabelle_->item(zeile - 1, spalte);
    switch (spalte) {
        case SText: r.SetzeTextUtf8(Feld::I_Text, it->text().toStdString(), e); break;
        case SDatum: r.SetzeInt(Feld::i_Datum, it->data(Qt::UserRole).toInt(), e); break;
        case SPreis: r.SetzeDbl(Feld::i_preis, it->data(Qt::UserRole).toDouble(), e); break;
        case SJahre:
            r.SetzeInt(Feld::i_Jahre,
                       static_cast<int32_t>(std::lround(it->data(Qt::UserRole).toDouble())), e);
            break;
        default: return;
    }
    ZeileZeigen(zeile);
}

void TF_AFA::Rechnen() {
    summe_ = AfaSummeRechnen(Satz(), person_);
    for (int z = 1; z <= Zeilen; ++z) ZeileZeigen(z);
    summeLbl_->setText(Betragstext(summe_));
}

void TF_AFA::DatenLaden() {
    geladen_ = false;
    Rechnen();
    geladen_ = true;
}

void TF_AFA::Spaltenbreiten() {
    // The design widths (25, 150, 70, 70, 60, 60, 60) share the table's width;
    // the number columns never get narrower than their contents, the text
    // column takes what is left.
    const int w = tabelle_->viewport()->width();
    const int breiten[Spalten] = {25, 150, 70, 70, 60, 60, 60};
    const QFontMetrics fm(tabelle_->font());
    const char* const muster[Spalten] = {"25", "", "00.00.0000", "00.000,00", "Jahre",
                                         "0.000,00", "00.000,00"};
    int rest = w;
    for (int c = 0; c < Spalten; ++c) {
        if (c == SText) continue;
        const int b = std::max(static_cast<int>(std::lround(w / 495.0 * breiten[c])),
                               fm.horizontalAdvance(QString::fromLatin1(muster[c])) + 10);
        tabelle_->setColumnWidth(c, b);
        rest -= b;
    }
    tabelle_->setColumnWidth(SText, std::max(rest, 60));
}

bool TF_AFA::eventFilter(QObject* o, QEvent* e) {
    // The columns follow the table's visible width.
    if (o == tabelle_->viewport() && e->type() == QEvent::Resize) Spaltenbreiten();
    return Tabellenfenster::eventFilter(o, e);
}

void TF_AFA::SummeBtnClick() {
    OffeneEingabeUebernehmen();
    Rechnen();
}

bool TF_AFA::ZeileEinfuegen(int zeile) {
    AfaZeileEinfuegen(Satz(), person_, zeile);
    return true;
}

void TF_AFA::ZeileLoeschen(int zeile) {
    AfaZeileLoeschen(Satz(), person_, zeile);
}

void TF_AFA::DruckenClick() {
    OffeneEingabeUebernehmen();
    Rechnen();
    const CaseRecord& r = Satz();
    std::vector<AfaZeile> zeilen;
    for (int z = 1; z <= Zeilen; ++z) {
        const int e = Element(person_, z);
        zeilen.push_back({r.Text(Feld::I_Text, e), r.Int(Feld::i_Datum, e),
                          r.Dbl(Feld::i_preis, e), r.Int(Feld::i_Jahre, e), r.Dbl(Feld::i_Afa, e),
                          r.Dbl(Feld::i_restw, e)});
    }
    Druckdaten d;
    d.afaListe = &zeilen;
    d.jahr = Steuerjahr;
    Drucken(Druckart::AfaListe, d);
    tabelle_->setFocus();
}

void TF_AFA::FormClose() {
    // Every row is computed before the sum goes to the work-equipment page.
    summe_ = AfaSummeRechnen(Satz(), person_);
    if (Aufrufer()) Aufrufer()->Rueckgabe(summe_);
    Tabellenfenster::FormClose();
}

}  // namespace quarnel::gui
