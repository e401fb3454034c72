// The result text as a structured document for the screen: each heading a
// branch, under it the rows of its tables with their amounts in columns of
// their own and the lines of text, so that a screen reader moves by heading
// and reads a row with its column. Same content as the fixed-width lines.
#pragma once

#include <QTreeWidget>

#include "results/ergebnistext.h"

namespace quarnel::gui {

class Gliederungsansicht : public QTreeWidget {
    Q_OBJECT
  public:
    explicit Gliederungsansicht(const Ergebnistext& text, QWidget* eltern = nullptr);
};

}  // namespace quarnel::gui
