#include "shell/txnavigator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "shell/dialoghilfe.h"
#include "shell/txwegfix.h"

namespace quarnel::gui {

namespace {

constexpr int kBereichRolle = Qt::UserRole;
constexpr int kSeiteRolle = Qt::UserRole + 1;
constexpr int kTextRolle = Qt::UserRole + 2;

// A small round sign in the colour of the mark.
QPixmap Zeichenbild(const QColor& farbe) {
    QPixmap p(12, 12);
    p.fill(Qt::transparent);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    m.setBrush(farbe);
    m.setPen(farbe.darker());
    m.drawEllipse(1, 1, 10, 10);
    return p;
}

QWidget* Zeichen(QWidget* eltern, const char* name, const char* text, const char* hinweis,
                 const QColor& farbe) {
    auto* w = new QWidget(eltern);
    w->setObjectName(QString::fromLatin1(name));
    w->setToolTip(QString::fromUtf8(hinweis));
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    auto* bild = new QLabel(w);
    bild->setPixmap(Zeichenbild(farbe));
    auto* t = new QLabel(QString::fromUtf8(text), w);
    l->addWidget(bild);
    l->addWidget(t);
    return w;
}

// Slides the window horizontally to x in steps of `schritt` pixels every `ms` milliseconds.
void Gleiten(QWidget* w, int bisX, int schritt, int ms) {
    if (!Tform13::AnimationAn()) return;
    const int richtung = bisX > w->x() ? 1 : -1;
    // Counted from where it starts: a window system that ignores the moves ends the slide too.
    for (int x = w->x(); (bisX - x) * richtung > 0;) {
        x += richtung * schritt;
        w->move(x, w->y());
        QApplication::processEvents();
        QThread::msleep(static_cast<unsigned long>(ms));
    }
}

}  // namespace

TxNavigator::TxNavigator(QWidget* hauptfenster, const CaseRecord& r, Meldungen& meldungen,
                         Einstellungen& einst, bool offen, int bereich, int seite)
    : Tform13(hauptfenster, 400),
      r_(r),
      meldungen_(meldungen),
      einst_(einst),
      offen_(offen),
      bereich_(bereich),
      seite_(seite) {
    setObjectName(QStringLiteral("TxNavigator"));
    setWindowTitle(QStringLiteral("Navigator "));
    baum_ = new QTreeWidget(this);
    baum_->setObjectName(QStringLiteral("NavigatorTV"));
    baum_->setHeaderHidden(true);
    baum_->setColumnCount(1);
    baum_->setTextElideMode(Qt::ElideNone);
    baum_->installEventFilter(this);
    connect(baum_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* i) {
        if (i && i->parent()) GeheZuClick();
    });
    connect(baum_, &QTreeWidget::currentItemChanged, this, [this] { ZeichenZeigen(); });

    zeichen_[0] = Zeichen(this, "BesuchtLbl", "¤: besucht", "Das Register wurde aufgerufen.",
                          QColor(0, 128, 0));
    zeichen_[1] = Zeichen(this, "ErinnerungLbl", "(E)rinnerung",
                          "Eine Erinnerungsmarkierung wurde gesetzt.", QColor(230, 160, 0));
    zeichen_[2] = Zeichen(this, "NotizLbl", "(N)otiz",
                          "Eine Notiz für das Register wurde angelegt.", QColor(0, 90, 200));
    zeichen_[3] =
        Zeichen(this, "FehlerLbl", "(F)ehler",
                "Die Plausibilitätsprüfung enthält einen Fehlerhinweis.", QColor(200, 0, 0));
    auto* zeichenZeile = new QHBoxLayout;
    for (QWidget* z : zeichen_) zeichenZeile->addWidget(z);
    zeichenZeile->addStretch(1);

    auto* gehe = DialogKnopf(this, "GeheZuBtn", "&Gehe zu", "Wechsel zur markierten Seite.");
    auto* abbruch = DialogKnopf(this, "AbbruchBtn", "&Abbruch", "Abbruch Navigator.");
    auto* hilfe = DialogKnopf(this, "HilfeBtn", "&Hilfe", nullptr);
    auto* wegfix =
        DialogKnopf(this, "WegfixBtn", "&Wegfix", "Wegfix (Stichwortverzeichnis) aufrufen.");
    auto* zeilen =
        DialogKnopf(this, "ZeilenBtn", "&Zeilen (+/-)", "Alle Zeilen ein- bzw. ausblenden.");
    connect(gehe, &QPushButton::clicked, this, [this] { GeheZuClick(); });
    connect(abbruch, &QPushButton::clicked, this, &QDialog::reject);
    connect(hilfe, &QPushButton::clicked, this, [this] {
        if (hilfeZeigen) hilfeZeigen("std\\navigator");
    });
    connect(wegfix, &QPushButton::clicked, this, [this] { WegfixClick(); });
    connect(zeilen, &QPushButton::clicked, this, [this] { ZeilenClick(); });
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* b : {gehe, abbruch, hilfe, wegfix, zeilen}) knoepfe->addWidget(b);

    auto* l = new QVBoxLayout(this);
    l->addWidget(baum_, 1);
    l->addLayout(zeichenZeile);
    l->addLayout(knoepfe);
    resize(400, 460);
    Fuellen();
}

void TxNavigator::Fuellen() {
    baum_->clear();
    QTreeWidgetItem* bereich = nullptr;
    for (const NavigatorZeile& z : NavigatorBaum(r_)) {
        QTreeWidgetItem* i =
            z.seite == 0 ? new QTreeWidgetItem(baum_) : new QTreeWidgetItem(bereich);
        if (z.seite == 0) bereich = i;
        i->setData(0, kBereichRolle, z.bereich);
        i->setData(0, kSeiteRolle, z.seite);
        i->setData(0, kTextRolle, QString::fromStdString(z.text));
        i->setData(0, Qt::UserRole + 3, QVariantList{z.besucht, z.erinnerung, z.notiz, z.fehler});
        i->setText(0, QString::fromStdString(z.text));
        i->setData(0, Qt::AccessibleTextRole, QString::fromStdString(z.vorlesen));
    }
    // Only the current area is open; its page line is selected.
    if (auto start = NavigatorStartSeite(r_, bereich_, seite_))
        SeiteMarkieren(start->first, start->second);
    else
        baum_->setCurrentItem(nullptr);
    ZeichenZeigen();
}

void TxNavigator::PunkteSetzen() {
    const QFontMetrics fm(baum_->font());
    const int ziel = static_cast<int>(baum_->viewport()->width() * 0.77);
    for (int a = 0; a < baum_->topLevelItemCount(); ++a) {
        QTreeWidgetItem* b = baum_->topLevelItem(a);
        for (int p = 0; p < b->childCount(); ++p) {
            QTreeWidgetItem* i = b->child(p);
            QString t = i->data(0, kTextRolle).toString();
            const int einzug = baum_->indentation();
            while (fm.horizontalAdvance(t + QChar(0xB7)) + einzug < ziel) t += QChar(0xB7);
            i->setText(0, t + QStringLiteral("   "));
        }
    }
}

void TxNavigator::ZeichenZeigen() {
    QTreeWidgetItem* i = baum_->currentItem();
    const QVariantList marken = i ? i->data(0, Qt::UserRole + 3).toList() : QVariantList{};
    for (int k = 0; k < 4; ++k) zeichen_[k]->setVisible(k < marken.size() && marken[k].toBool());
}

bool TxNavigator::SeiteMarkieren(int bereich, int seite) {
    for (int a = 0; a < baum_->topLevelItemCount(); ++a) {
        QTreeWidgetItem* b = baum_->topLevelItem(a);
        if (b->data(0, kBereichRolle).toInt() != bereich) continue;
        for (int p = 0; p < b->childCount(); ++p)
            if (b->child(p)->data(0, kSeiteRolle).toInt() == seite) {
                b->setExpanded(true);
                baum_->setCurrentItem(b->child(p));
                baum_->scrollToItem(b->child(p));
                return true;
            }
    }
    return false;
}

std::optional<SeitenOrt> TxNavigator::Markiert() const {
    QTreeWidgetItem* i = baum_->currentItem();
    if (!i) return std::nullopt;
    return SeitenOrt{i->data(0, kBereichRolle).toInt(), i->data(0, kSeiteRolle).toInt()};
}

void TxNavigator::GeheZuClick() {
    const auto m = Markiert();
    if (!m) return;
    const NavigatorWahl w = NavigatorGeheZu(r_, m->first, m->second, offen_, bereich_, seite_);
    if (!w.fehler.empty()) meldungen_.Zeige(MeldungsTyp::Fehler, w.fehler);
    if (w.bleiben) return;
    wahl_ = w.seite;
    accept();
}

void TxNavigator::WegfixClick() {
    const SeitenOrt von = Markiert().value_or(SeitenOrt{bereich_, seite_});
    TxWegfix d(parentWidget(), r_, meldungen_);
    d.hilfeZeigen = hilfeZeigen;
    if (ort && hauptfenster_)
        d.ort = QPoint(hauptfenster_->mapToGlobal(QPoint()).x() + 72, ort->y());
    const SeitenOrt nach = WegfixZeigen(d, von.first, von.second);
    enterGesperrt_ = d.PerEingabetaste();
    if (nach != von) SeiteMarkieren(nach.first, nach.second);
}

void TxNavigator::ZeilenClick() {
    alleOffen_ = !alleOffen_;
    if (alleOffen_)
        baum_->expandAll();
    else
        baum_->collapseAll();
    einst_.navigatorFullExpand = alleOffen_;
}

void TxNavigator::showEvent(QShowEvent* e) {
    Tform13::showEvent(e);
    PunkteSetzen();
    if (!ort) return;
    move(startX, ort->y());
    Gleiten(this, ort->x(), 15, 3);
    move(ort->x(), ort->y());
}

void TxNavigator::resizeEvent(QResizeEvent* e) {
    Tform13::resizeEvent(e);
    PunkteSetzen();
}

void TxNavigator::done(int r) {
    if (ort && isVisible()) Gleiten(this, ort->x() - width(), 25, 10);
    Tform13::done(r);
}

bool TxNavigator::eventFilter(QObject* o, QEvent* e) {
    if (o == baum_ && enterGesperrt_ &&
        (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease)) {
        auto* t = static_cast<QKeyEvent*>(e);
        const bool eingabe = t->key() == Qt::Key_Return || t->key() == Qt::Key_Enter;
        // Held down, the key repeats its press: none of them is a "Gehe zu".
        if (eingabe && e->type() == QEvent::KeyPress) return true;
        if (!t->isAutoRepeat() && (eingabe || e->type() == QEvent::KeyPress))
            enterGesperrt_ = false;
        if (eingabe) return true;
    }
    if (o == baum_ && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(e)->key();
        if ((k == Qt::Key_Return || k == Qt::Key_Enter) && baum_->currentItem() &&
            baum_->currentItem()->parent()) {
            GeheZuClick();
            return true;
        }
    }
    return Tform13::eventFilter(o, e);
}

}  // namespace quarnel::gui
