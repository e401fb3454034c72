// The list table: fifty rows of text and amount of one list of the work
// file, with row insertion and deletion, the running sum, printing and the
// question whether the sum goes into the calling page's field.
#pragma once

#include "pages/tabellenseite.h"

class QLabel;
class QTableWidget;

namespace quarnel::gui {

class TF_Anlage : public Tabellenfenster {
    Q_OBJECT
  public:
    // Uses the program-wide list call (list number, title, help page).
    explicit TF_Anlage(Seitenumgebung& u, QWidget* eltern = nullptr);

    double SummeZeilen() const;
    void DruckenClick();

    void DatenLaden() override;
    void DatenSpeichern() override;
    void FormShow() override;

  protected:
    void resizeEvent(QResizeEvent* e) override;
    bool ZeileEinfuegen(int zeile) override;
    void ZeileLoeschen(int zeile) override;
    void Spaltenbreiten() override;

  private:
    void ZeileZeigen(int zeile);
    void ZeileAusTabelle(int zeile);
    void SummeZeigen();
    bool ZeileBelegt(int zeile) const;

    int liste_;
    bool gelesen_ = false;  // the list came from the work file; only then is it written back
};

}  // namespace quarnel::gui
