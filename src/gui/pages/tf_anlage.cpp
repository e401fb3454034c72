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

// Text cells take at most 40 characters, amount cells an amount of the mask.
class ZellenDelegat : public QStyledItemDelegate {
  public:
    ZellenDelegat(Meldungen& m, QObject* eltern) : QStyledItemDelegate(eltern), meldungen_(m) {}
    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem&,
                          const QModelIndex& i) const override {
        if (i.column() == 2) {
            auto* f = new BetragFeld(eltern);
            f->SetzeMaske(QString::fromLatin1(BetragMaske));
            return f;
        }
        auto* e = new EingabeFeld(eltern);
        e->setMaxLength(40);
        return e;
    }
    void setEditorData(QWidget* w, const QModelIndex& i) const override {
        if (auto* f = qobject_cast<BetragFeld*>(w))
            f->SetzeWert(i.data(Qt::UserRole).toDouble());
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            e->setText(i.data(Qt::EditRole).toString());
    }
    void setModelData(QWidget* w, QAbstractItemModel* m, const QModelIndex& i) const override {
        if (auto* f = qobject_cast<BetragFeld*>(w)) {
            const std::optional<double> x = BetragLesen(f->text());
            const double grenze = Bildmaske::Lesen(QString::fromLatin1(BetragMaske)).Hoechstwert();
            if (!x || std::fabs(*x) > grenze) {
                meldungen_.Zeige(MeldungsTyp::Fehler, UngueltigText, KnopfOK);
                return;
            }
            const double wert = std::round(*x * 100) / 100;
            m->setData(i, wert, Qt::UserRole);
            m->setData(i, Betragstext(wert), Qt::DisplayRole);
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            QString t = e->text();
            while (t.endsWith(u' ')) t.chop(1);
            m->setData(i, t.left(40), Qt::EditRole);
        }
    }

  private:
    Meldungen& meldungen_;
};

}  // namespace

TF_Anlage::TF_Anlage(Seitenumgebung& u, QWidget* eltern)
    : TForm11(u, SeitenzustandGlobal().listenaufruf.liste, eltern) {
    setObjectName(QStringLiteral("TF_Anlage"));
    Seitenzustand& z = SeitenzustandGlobal();
    liste_ = std::clamp(z.listenaufruf.liste, 1, Listensatz::AnzahlListen);
    umgebung_.SetzeHilfeseite(z.listenaufruf.hilfeseite);
    KopfPnl()->setText(QString::fromStdString(z.listenaufruf.titel));
    InfoTitelLbl()->setText(QString::fromStdString(z.listenaufruf.titel));
    // The sum goes over only when the user says so.
    z.uebernahme = false;

    auto* seite = new QWidget;
    auto* lay = new QVBoxLayout(seite);
    tabelle_ = TabelleAnlegen(Zeilen, {QString(), QStringLiteral("Text"), QStringLiteral("Betrag")},
                              QColor(0, 255, 255), 2, seite);
    tabelle_->setItemDelegate(new ZellenDelegat(u.Meldungsdienst(), tabelle_));
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
    OvcNb()->addTab(seite, QStringLiteral("&Liste"));
    OvcNb()->setCurrentIndex(1);
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

int TF_Anlage::AktiveZeile() const {
    return std::max(tabelle_->currentRow(), 0) + 1;
}

void TF_Anlage::SetzeAktiveZeile(int zeile) {
    tabelle_->setCurrentCell(std::clamp(zeile, 1, Zeilen) - 1, 1);
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
    TForm11::FormShow();
    Spaltenbreiten();
    SetzeAktiveZeile(1);
}

void TF_Anlage::Spaltenbreiten() {
    const int w = tabelle_->viewport()->width();
    tabelle_->setColumnWidth(0, static_cast<int>(std::lround(w / 469.0 * 39)));
    tabelle_->setColumnWidth(1, static_cast<int>(std::lround(w / 469.0 * 322)));
    tabelle_->setColumnWidth(2, static_cast<int>(std::lround(w / 469.0 * 82)));
}

void TF_Anlage::resizeEvent(QResizeEvent* e) {
    TForm11::resizeEvent(e);
    Spaltenbreiten();
}

void TF_Anlage::ZeilePlusClick() {
    if (!ZeileAendernGewuenscht(umgebung_.Meldungsdienst(), true)) return;
    const int r = AktiveZeile();
    Listensatz& l = umgebung_.Liste();
    if (r < Zeilen) {
        // The last row would drop off the list: only with the user's word.
        if (ZeileBelegt(Zeilen) &&
            umgebung_.Meldungsdienst().Zeige(
                MeldungsTyp::Bestaetigung,
                "Die Zeile 50 ist belegt und geht beim Einfügen verloren.\rTrotzdem einfügen?",
                KnopfJa | KnopfNein) != Antwort::Ja)
            return;
        for (int z = Zeilen; z > r; --z) {
            l.SetzeZeilenText(z, l.ZeilenText(z - 1));
            l.SetzeZeilenBetrag(z, l.ZeilenBetrag(z - 1));
        }
        l.SetzeZeilenText(r, "");
        l.SetzeZeilenBetrag(r, 0.0);
    }
    DatenLaden();
    ZeileGeaendert(*this, tabelle_);
}

void TF_Anlage::ZeileMinusClick() {
    if (!ZeileAendernGewuenscht(umgebung_.Meldungsdienst(), false)) return;
    const int r = AktiveZeile();
    Listensatz& l = umgebung_.Liste();
    if (r < Zeilen) {
        for (int z = r; z < Zeilen; ++z) {
            l.SetzeZeilenText(z, l.ZeilenText(z + 1));
            l.SetzeZeilenBetrag(z, l.ZeilenBetrag(z + 1));
        }
        l.SetzeZeilenText(Zeilen, "");
        l.SetzeZeilenBetrag(Zeilen, 0.0);
    }
    DatenLaden();
    ZeileGeaendert(*this, tabelle_);
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

void TF_Anlage::OkClick() {
    TabelleBestaetigen(*this, umgebung_.Meldungsdienst());
}

bool TF_Anlage::OffeneEingabeUebernehmen() {
    ZellenEditBeenden(this, tabelle_);
    return true;
}

void TF_Anlage::FormClose() {
    SeitenzustandGlobal().unterseite = Unterseite::Keine;
    umgebung_.SetzeHilfeseite(999);
    TForm11::FormClose();
}

}  // namespace quarnel::gui
