#include "shell/txwegfix.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/dialoghilfe.h"
#include "shell/wegfix.h"

namespace quarnel::gui {

TxWegfix::TxWegfix(QWidget* hauptfenster, const CaseRecord& r, Meldungen& meldungen)
    : Tform13(hauptfenster, 360), r_(r), meldungen_(meldungen) {
    setObjectName(QStringLiteral("TxWegfix"));
    setWindowTitle(QStringLiteral("Wegfix (alphabetisch)"));
    liste_ = new QListWidget(this);
    liste_->setObjectName(QStringLiteral("StichwortLB"));
    for (const WegfixEintrag& e : WegfixEintraege())
        liste_->addItem(QString::fromStdString(e.stichwort));
    liste_->setCurrentRow(0);
    liste_->installEventFilter(this);
    connect(liste_, &QListWidget::itemDoubleClicked, this, [this] { GeheZuClick(); });

    auto* gehe = DialogKnopf(this, "GeheZuBtn", "&Gehe zu", "Wechsel zur markierten Seite");
    auto* abbruch = DialogKnopf(this, "AbbruchBtn", "&Abbruch", "Abbruch Navigator");
    auto* hilfe = DialogKnopf(this, "HilfeBtn", "&Hilfe", nullptr);
    connect(gehe, &QPushButton::clicked, this, [this] { GeheZuClick(); });
    connect(abbruch, &QPushButton::clicked, this, &QDialog::reject);
    connect(hilfe, &QPushButton::clicked, this, [this] {
        if (hilfeZeigen) hilfeZeigen("std\\wegfix");
    });
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(gehe);
    knoepfe->addWidget(abbruch);
    knoepfe->addWidget(hilfe);
    auto* l = new QVBoxLayout(this);
    l->addWidget(liste_, 1);
    l->addLayout(knoepfe);
    resize(360, 420);
}

void TxWegfix::GeheZuClick() {
    const WegfixWahl w = WegfixGeheZu(r_, liste_->currentRow() + 1);
    if (!w.seite) {
        if (!w.fehler.empty()) meldungen_.Zeige(MeldungsTyp::Fehler, w.fehler);
        return;
    }
    wahl_ = w.seite;
    accept();
}

void TxWegfix::showEvent(QShowEvent* e) {
    Tform13::showEvent(e);
    if (ort) move(*ort);
}

bool TxWegfix::eventFilter(QObject* o, QEvent* e) {
    if (o == liste_ && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            GeheZuClick();
            perEingabetaste_ = wahl_.has_value();
            return true;
        }
    }
    return Tform13::eventFilter(o, e);
}

SeitenOrt WegfixZeigen(TxWegfix& d, int bereich, int seite) {
    d.exec();
    return d.Wahl().value_or(SeitenOrt{bereich, seite});
}

}  // namespace quarnel::gui
