#include "widgets/auswahl.h"

#include <QSignalBlocker>
#include <QWheelEvent>

namespace quarnel::gui {

AuswahlBox::AuswahlBox(QWidget* eltern) : QComboBox(eltern) {
    setFocusPolicy(Qt::StrongFocus);
    setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
}

void AuswahlBox::SetzeEintraege(const QString& auswahl) {
    const QSignalBlocker sperre(this);
    clear();
    if (!auswahl.isEmpty()) addItems(auswahl.split(u'|'));
    setCurrentIndex(-1);
}

void AuswahlBox::SetzeIndex(int i) {
    setCurrentIndex(i >= 0 && i < count() ? i : -1);
}

void AuswahlBox::wheelEvent(QWheelEvent* e) {
    if (hasFocus())
        QComboBox::wheelEvent(e);
    else
        e->ignore();
}

void CnoC(QAbstractButton* knopf, bool an) {
    const QSignalBlocker sperre(knopf);
    knopf->setChecked(an);
}

}  // namespace quarnel::gui
