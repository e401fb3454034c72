// The list table: fifty rows of text and amount of one list of the work
// file, with row insertion and deletion, the running sum, printing and the
// question whether the sum goes into the calling page's field.
#pragma once

#include "pages/tform11.h"

class QLabel;
class QTableWidget;

namespace quarnel::gui {

class TF_Anlage : public TForm11 {
    Q_OBJECT
  public:
    // Uses the program-wide list call (list number, title, help page).
    explicit TF_Anlage(Seitenumgebung& u, QWidget* eltern = nullptr);

    QTableWidget* Tabelle() const { return tabelle_; }
    double SummeZeilen() const;
    int AktiveZeile() const;  // 1..50
    void SetzeAktiveZeile(int zeile);

    void ZeilePlusClick();
    void ZeileMinusClick();
    void DruckenClick();
    void OkClick();

    void DatenLaden() override;
    void DatenSpeichern() override;
    void FormShow() override;
    void FormClose() override;
    // Ends an open cell edit and keeps its value.
    bool OffeneEingabeUebernehmen() override;

  private:
    void ZeileZeigen(int zeile);
    void ZeileAusTabelle(int zeile);
    void SummeZeigen();
    void Spaltenbreiten();
    bool ZeileBelegt(int zeile) const;

    int liste_;
    bool gelesen_ = false;  // the list came from the work file; only then is it written back
    QTableWidget* tabelle_;
    QLabel* summeLbl_;

  protected:
    void resizeEvent(QResizeEvent* e) override;
};

}  // namespace quarnel::gui
