#include "pages/tf_anlage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <cmath>

#include "case/zeichensatz.h"
#include "pages/seitenzustand.h"
#include "pages/tabellenseite.h"
#include "widgets/maskenfeld.h"

namespace quarnel::gui {

namespace {

constexpr int Zeilen = Listensatz::Zeilen;
const char* const BetragMaske = "iii,iii.ii";

QString Betragstext(double x) {
    return BetragAnzeigen(Bildmaske::Lesen(QString::fromLatin1(BetragMaske)), x);
}

// Amount cells take an amount of the mask, rounded to the Pfennig.
class BetragDelegat : public Zellendelegat {
  public:
    using Zellendelegat::Zellendelegat;
    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& o,
                          const QModelIndex& i) const override {
        if (i.column() != 2) return Zellendelegat::createEditor(eltern, o, i);
        auto* f = new BetragFeld(eltern);
        f->SetzeMaske(QString::fromLatin1(BetragMaske));
        return f;
    }
    void setModelData(QWidget* w, QAbstractItemModel* m, const QModelIndex& i) const override {
        auto* f = qobject_cast<BetragFeld*>(w);
        if (!f) return Zellendelegat::setModelData(w, m, i);
        const std::optional<double> x = BetragLesen(f->text());
        const double grenze = Bildmaske::Lesen(QString::fromLatin1(BetragMaske)).Hoechstwert();
        if (!x || std::fabs(*x) > grenze) return Ungueltig();
        const double wert = std::round(*x * 100) / 100;
        m->setData(i, wert, Qt::UserRole);
        m->setData(i, Betragstext(wert), Qt::DisplayRole);
    }
};

}  // namespace

TF_Anlage::TF_Anlage(Seitenumgebung& u, QWidget* eltern)
    // The sum goes over only when the user says so.
    : Tabellenfenster(u, SeitenzustandGlobal().listenaufruf.liste, Zeilen, false, eltern),
      liste_(std::clamp(SeitenzustandGlobal().listenaufruf.liste, 1, Listensatz::AnzahlListen)) {
    setObjectName(QStringLiteral("TF_Anlage"));

    auto* seite = new QWidget;
    auto* lay = new QVBoxLayout(seite);
    tabelle_ = TabelleAnlegen(Zeilen, {QString(), QStringLiteral("Text"), QStringLiteral("Betrag")},
                              QColor(0, 255, 255), 2, seite);
    tabelle_->setItemDelegate(new BetragDelegat(u.Meldungsdienst(), tabelle_));
    connect(tabelle_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* it) {
        if (!geladen_) return;
        ZeileAusTabelle(it->row() + 1);
        SummeZeigen();
        KompChange();
    });
    connect(tabelle_, &QTableWidget::currentCellChanged, this,
            [this] { umgebung_.Liste().SetzeSumme(SummeZeilen()); });
    lay->addWidget(tabelle_, 1);

    auto* fuss = new QHBoxLayout;
    FussKnopf(fuss, "ZeilePlusBtn", "  Zeile +", [this] { ZeilePlusClick(); });
    FussKnopf(fuss, "ZeileMinusBtn", "  Zeile -", [this] { ZeileMinusClick(); });
    FussKnopf(fuss, "DruckenBtn", "&Drucken", [this] { DruckenClick(); });
    FussKnopf(fuss, "OkBtn", "  &OK", [this] { OkClick(); });
    summeLbl_ = SummenAnzeige(fuss);
    lay->addLayout(fuss);
    ListeZeigen(seite);
}

bool TF_Anlage::ZeileBelegt(int zeile) const {
    const Listensatz& l = umgebung_.Liste();
    return !l.ZeilenText(zeile).empty() || std::fabs(l.ZeilenBetrag(zeile)) > 0.000001;
}

void TF_Anlage::ZeileZeigen(int zeile) {
    const Listensatz& l = umgebung_.Liste();
    const bool war = geladen_;
    geladen_ = false;
    tabelle_->item(zeile - 1, 1)->setText(QString::fromStdString(Cp1252ZuUtf8(l.ZeilenText(zeile))));
    QTableWidgetItem* b = tabelle_->item(zeile - 1, 2);
    b->setData(Qt::UserRole, l.ZeilenBetrag(zeile));
    b->setText(Betragstext(l.ZeilenBetrag(zeile)));
    geladen_ = war;
}

void TF_Anlage::ZeileAusTabelle(int zeile) {
    Listensatz& l = umgebung_.Liste();
    l.SetzeZeilenText(zeile, Utf8ZuCp1252(tabelle_->item(zeile - 1, 1)->text().toStdString()));
    l.SetzeZeilenBetrag(zeile, tabelle_->item(zeile - 1, 2)->data(Qt::UserRole).toDouble());
}

double TF_Anlage::SummeZeilen() const { return umgebung_.Liste().ZeilenSumme(); }

void TF_Anlage::SummeZeigen() {
    summeLbl_->setText(Betragstext(SummeZeilen()));
}

void TF_Anlage::DatenLaden() {
    geladen_ = false;
    for (int z = 1; z <= Zeilen; ++z) ZeileZeigen(z);
    SummeZeigen();
    geladen_ = true;
}

void TF_Anlage::DatenSpeichern() {
    umgebung_.Liste().SetzeSumme(SummeZeilen());
    if (gelesen_) umgebung_.ListeSchreiben(liste_);
}

void TF_Anlage::FormShow() {
    Listensatz& l = umgebung_.Liste();
    gelesen_ = umgebung_.ListeLesen(liste_);
    // A failed read never shows (or later stores) another list's rows here.
    if (!gelesen_) l.Leeren();
    Tabellenfenster::FormShow();
}

void TF_Anlage::Spaltenbreiten() {
    const int w = tabelle_->viewport()->width();
    tabelle_->setColumnWidth(0, static_cast<int>(std::lround(w / 469.0 * 39)));
    tabelle_->setColumnWidth(1, static_cast<int>(std::lround(w / 469.0 * 322)));
    tabelle_->setColumnWidth(2, static_cast<int>(std::lround(w / 469.0 * 82)));
}

void TF_Anlage::resizeEvent(QResizeEvent* e) {
    Tabellenfenster::resizeEvent(e);
    Spaltenbreiten();
}

bool TF_Anlage::ZeileEinfuegen(int r) {
    Listensatz& l = umgebung_.Liste();
    if (r < Zeilen) {
        // The last row would drop off the list: only with the user's word.
        if (ZeileBelegt(Zeilen) &&
            umgebung_.Meldungsdienst().Zeige(
                MeldungsTyp::Bestaetigung,
                "Die Zeile 50 ist belegt und geht beim Einfügen verloren.\rTrotzdem einfügen?",
                KnopfJa | KnopfNein) != Antwort::Ja)
            return false;
        for (int z = Zeilen; z > r; --z) {
            l.SetzeZeilenText(z, l.ZeilenText(z - 1));
            l.SetzeZeilenBetrag(z, l.ZeilenBetrag(z - 1));
        }
        l.SetzeZeilenText(r, "");
        l.SetzeZeilenBetrag(r, 0.0);
    }
    return true;
}

void TF_Anlage::ZeileLoeschen(int r) {
    Listensatz& l = umgebung_.Liste();
    if (r < Zeilen) {
        for (int z = r; z < Zeilen; ++z) {
            l.SetzeZeilenText(z, l.ZeilenText(z + 1));
            l.SetzeZeilenBetrag(z, l.ZeilenBetrag(z + 1));
        }
        l.SetzeZeilenText(Zeilen, "");
        l.SetzeZeilenBetrag(Zeilen, 0.0);
    }
}

void TF_Anlage::DruckenClick() {
    Listensatz& l = umgebung_.Liste();
    l.SetzeTitel(Utf8ZuCp1252(KopfPnl()->text().left(40).toStdString()));
    OffeneEingabeUebernehmen();
    l.SetzeSumme(SummeZeilen());
    Druckdaten d;
    d.liste = &l;
    Drucken(Druckart::Liste, d);
    tabelle_->setFocus();
}

}  // namespace quarnel::gui
