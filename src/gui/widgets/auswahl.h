// Choice controls of the pages: a combo box that may show no selection
// (index -1) and takes items at run time, and the silent setting of check
// boxes and radio buttons (`CnoC`), which runs no click handler.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QStringList>

namespace quarnel::gui {

class AuswahlBox : public QComboBox {
    Q_OBJECT
  public:
    explicit AuswahlBox(QWidget* eltern = nullptr);
    // Items from the catalogue's choice text "a|b|c".
    void SetzeEintraege(const QString& auswahl);
    // Index -1 shows nothing; an index outside the items counts as -1.
    void SetzeIndex(int i);
    int Index() const { return currentIndex(); }

  protected:
    void wheelEvent(QWheelEvent* e) override;  // the wheel scrolls the page, not the choice
};

// Sets the checked state without running the control's handlers.
void CnoC(QAbstractButton* knopf, bool an);

}  // namespace quarnel::gui
