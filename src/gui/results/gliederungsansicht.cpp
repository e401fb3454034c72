#include "results/gliederungsansicht.h"

#include <QHeaderView>
#include <algorithm>

#include "results/gliederung.h"

namespace quarnel::gui {

Gliederungsansicht::Gliederungsansicht(const Ergebnistext& text, QWidget* eltern)
    : QTreeWidget(eltern) {
    setObjectName(QStringLiteral("Gliederung"));
    setAccessibleName(QStringLiteral("Ergebnis, gegliedert"));
    const std::vector<Baustein> bausteine = Gliedern(text);
    int spalten = 2;
    for (const Baustein& b : bausteine) spalten = std::max<int>(spalten, int(b.zellen.size()));
    setColumnCount(spalten);
    // Each amount column is headed in the text itself, section by section.
    QStringList koepfe{QStringLiteral("Angabe")};
    for (int i = 1; i < spalten; ++i) koepfe << QStringLiteral("Betrag");
    setHeaderLabels(koepfe);
    setAlternatingRowColors(true);
    setUniformRowHeights(false);
    setWordWrap(true);

    QTreeWidgetItem* abschnitt = nullptr;
    QStringList spaltenkoepfe;  // the headings the rows below stand under
    for (const Baustein& b : bausteine) {
        QStringList zellen;
        for (const std::string& z : b.zellen) zellen << QString::fromStdString(z);
        if (b.art == Baustein::Ueberschrift) spaltenkoepfe.clear();
        if (b.art == Baustein::Spaltenkopf) spaltenkoepfe = zellen;
        if (b.art == Baustein::Ueberschrift) {
            abschnitt = new QTreeWidgetItem(this, zellen);
            QFont f = font();
            f.setBold(true);
            abschnitt->setFont(0, f);
            abschnitt->setFirstColumnSpanned(true);
            abschnitt->setExpanded(true);
            continue;
        }
        auto* zeile = abschnitt ? new QTreeWidgetItem(abschnitt, zellen)
                                : new QTreeWidgetItem(this, zellen);
        if (b.art == Baustein::Text) zeile->setFirstColumnSpanned(true);
        for (int i = 1; i < zellen.size(); ++i) zeile->setTextAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
        if (b.art == Baustein::Spaltenkopf) {
            QFont f = font();
            f.setBold(true);
            for (int i = 1; i < zellen.size(); ++i) zeile->setFont(i, f);
            continue;
        }
        // An amount is read with the heading of its column, where the row has
        // the columns of the headings above it.
        if (b.art == Baustein::Zeile && zellen.size() == spaltenkoepfe.size())
            for (int i = 1; i < zellen.size(); ++i)
                if (!zellen[i].isEmpty() && !spaltenkoepfe[i].isEmpty()) {
                    const QString gelesen = spaltenkoepfe[i] + QStringLiteral(": ") + zellen[i];
                    zeile->setData(i, Qt::AccessibleTextRole, gelesen);
                    zeile->setToolTip(i, gelesen);
                }
    }
    expandAll();
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int i = 1; i < spalten; ++i) header()->setSectionResizeMode(i, QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    if (topLevelItemCount() > 0) setCurrentItem(topLevelItem(0));
}

}  // namespace quarnel::gui
