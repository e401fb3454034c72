#include "shell/dialoghilfe.h"

#include <QListWidgetItem>
#include <QPushButton>

namespace quarnel::gui {

QPushButton* DialogKnopf(QWidget* eltern, const char* name, const char* text, const char* hinweis) {
    auto* b = new QPushButton(QString::fromUtf8(text), eltern);
    b->setObjectName(QString::fromLatin1(name));
    if (hinweis) b->setToolTip(QString::fromUtf8(hinweis));
    b->setAutoDefault(false);
    return b;
}

void ListenpunktArt(QListWidgetItem* item, bool ueberschrift) {
    if (ueberschrift) {
        QFont f = item->font();
        f.setBold(true);
        item->setFont(f);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    } else {
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    }
}

}  // namespace quarnel::gui
