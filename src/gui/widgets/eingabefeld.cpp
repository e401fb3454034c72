#include "widgets/eingabefeld.h"

#include <QKeyEvent>

namespace quarnel::gui {

EingabeFeld::EingabeFeld(QWidget* eltern)
    : QLineEdit(eltern), ueberschreiben_(StandardUeberschreiben()) {}

bool& EingabeFeld::StandardUeberschreiben() {
    static bool an = false;
    return an;
}

void EingabeFeld::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Insert && e->modifiers() == Qt::NoModifier) {
        ueberschreiben_ = !ueberschreiben_;
        return;
    }
    const QString t = e->text();
    if (ueberschreiben_ && !hasSelectedText() && !t.isEmpty() && t.at(0).isPrint() &&
        cursorPosition() < text().size() &&
        !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        // Typing replaces the character under the cursor.
        setSelection(cursorPosition(), 1);
    }
    QLineEdit::keyPressEvent(e);
}

}  // namespace quarnel::gui
