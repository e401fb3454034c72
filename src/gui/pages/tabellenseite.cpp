#include "pages/tabellenseite.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include "pages/seitenzustand.h"
#include "pages/tform11.h"
#include "widgets/maskenfeld.h"

namespace quarnel::gui {

QTableWidget* TabelleAnlegen(int zeilen, const QStringList& koepfe, const QColor& geradeFarbe,
                             int rechts, QWidget* eltern) {
    auto* t = new QTableWidget(zeilen, static_cast<int>(koepfe.size()), eltern);
    t->setObjectName(QStringLiteral("Tabelle"));
    t->setHorizontalHeaderLabels(koepfe);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(17);
    t->setEditTriggers(QAbstractItemView::AllEditTriggers);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setTabKeyNavigation(true);
    for (int r = 0; r < zeilen; ++r) {
        auto* nr = new QTableWidgetItem(QString::number(r + 1));
        nr->setFlags(Qt::ItemIsEnabled);
        nr->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        t->setItem(r, 0, nr);
        const QColor farbe = (r + 1) % 2 == 1 ? QColor(Qt::white) : geradeFarbe;
        for (int c = 1; c < koepfe.size(); ++c) {
            auto* it = new QTableWidgetItem;
            it->setBackground(farbe);
            if (c >= rechts) it->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            t->setItem(r, c, it);
        }
    }
    QObject::connect(t, &QTableWidget::currentCellChanged, t, [t](int r, int, int alt, int) {
        QFont f = t->font();
        if (alt >= 0) t->item(alt, 0)->setFont(f);
        f.setBold(true);
        if (r >= 0) t->item(r, 0)->setFont(f);
    });
    return t;
}

void FussKnopf(QHBoxLayout* fuss, const char* name, const char* text, std::function<void()> aktion) {
    auto* b = new QPushButton(QString::fromUtf8(text));
    b->setObjectName(QString::fromLatin1(name));
    QObject::connect(b, &QPushButton::clicked, b, std::move(aktion));
    fuss->addWidget(b);
}

QLabel* SummenAnzeige(QHBoxLayout* fuss) {
    fuss->addStretch(1);
    fuss->addWidget(new QLabel(QStringLiteral("Summe:")));
    auto* l = new QLabel;
    l->setObjectName(QStringLiteral("SummeLbl"));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(90);
    fuss->addWidget(l);
    return l;
}

bool UebernahmeGewuenscht(Meldungen& m) {
    return m.Zeige(MeldungsTyp::Bestaetigung,
                   "Übernahme der Tabellensumme in vorhergendes Eingabefeld?",
                   KnopfJa | KnopfNein) == Antwort::Ja;
}

bool ZeileAendernGewuenscht(Meldungen& m, bool einfuegen) {
    return m.Zeige(MeldungsTyp::Bestaetigung,
                   einfuegen ? "Neue Zeile davor einfügen?" : "Aktuelle Zeile löschen?",
                   KnopfJa | KnopfNein) == Antwort::Ja;
}

void ZeileGeaendert(TForm11& seite, QTableWidget* t) {
    t->setFocus();
    seite.KompChange();
}

void TabelleBestaetigen(TForm11& seite, Meldungen& m) {
    seite.OffeneEingabeUebernehmen();
    SeitenzustandGlobal().uebernahme = UebernahmeGewuenscht(m);
    seite.Schliessen();
}

void ZellenEditBeenden(QWidget* seite, QTableWidget* t) {
    // Moving the current cell commits and closes an open editor.
    if (QWidget* f = seite->focusWidget(); f && t->viewport()->isAncestorOf(f)) {
        const QModelIndex i = t->currentIndex();
        t->setCurrentIndex(QModelIndex());
        t->setCurrentIndex(i);
    }
}

QWidget* Zellendelegat::createEditor(QWidget* eltern, const QStyleOptionViewItem&,
                                     const QModelIndex&) const {
    auto* e = new EingabeFeld(eltern);
    e->setMaxLength(40);
    return e;
}

void Zellendelegat::setEditorData(QWidget* w, const QModelIndex& i) const {
    if (auto* d = qobject_cast<DatumFeld*>(w))
        d->SetzeWert(i.data(Qt::UserRole).toInt());
    else if (auto* f = qobject_cast<BetragFeld*>(w))
        f->SetzeWert(i.data(Qt::UserRole).toDouble());
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(i.data(Qt::EditRole).toString());
}

void Zellendelegat::setModelData(QWidget* w, QAbstractItemModel* m, const QModelIndex& i) const {
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        QString t = e->text();
        while (t.endsWith(u' ')) t.chop(1);
        m->setData(i, t.left(40), Qt::EditRole);
    }
}

void Zellendelegat::Ungueltig() const {
    meldungen_.Zeige(MeldungsTyp::Fehler, UngueltigText, KnopfOK);
}

Tabellenfenster::Tabellenfenster(Seitenumgebung& u, int instanz, int zeilen, bool uebernahme,
                                 QWidget* eltern)
    : TForm11(u, instanz, eltern), zeilen_(zeilen) {
    Seitenzustand& z = SeitenzustandGlobal();
    umgebung_.SetzeHilfeseite(z.listenaufruf.hilfeseite);
    KopfPnl()->setText(QString::fromStdString(z.listenaufruf.titel));
    InfoTitelLbl()->setText(QString::fromStdString(z.listenaufruf.titel));
    z.uebernahme = uebernahme;
}

void Tabellenfenster::ListeZeigen(QWidget* seite) {
    OvcNb()->addTab(seite, QStringLiteral("&Liste"));
    OvcNb()->setCurrentIndex(1);
}

int Tabellenfenster::AktiveZeile() const {
    return std::max(tabelle_->currentRow(), 0) + 1;
}

void Tabellenfenster::SetzeAktiveZeile(int zeile) {
    tabelle_->setCurrentCell(std::clamp(zeile, 1, zeilen_) - 1, 1);
}

void Tabellenfenster::ZeilePlusClick() {
    if (!ZeileAendernGewuenscht(umgebung_.Meldungsdienst(), true)) return;
    if (!ZeileEinfuegen(AktiveZeile())) return;
    DatenLaden();
    ZeileGeaendert(*this, tabelle_);
}

void Tabellenfenster::ZeileMinusClick() {
    if (!ZeileAendernGewuenscht(umgebung_.Meldungsdienst(), false)) return;
    ZeileLoeschen(AktiveZeile());
    DatenLaden();
    ZeileGeaendert(*this, tabelle_);
}

void Tabellenfenster::OkClick() {
    TabelleBestaetigen(*this, umgebung_.Meldungsdienst());
}

bool Tabellenfenster::OffeneEingabeUebernehmen() {
    ZellenEditBeenden(this, tabelle_);
    return true;
}

void Tabellenfenster::FormShow() {
    TForm11::FormShow();
    Spaltenbreiten();
    SetzeAktiveZeile(1);
}

void Tabellenfenster::FormClose() {
    SeitenzustandGlobal().unterseite = Unterseite::Keine;
    umgebung_.SetzeHilfeseite(999);
    TForm11::FormClose();
}

}  // namespace quarnel::gui
