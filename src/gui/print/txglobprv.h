// The print preview "Druckvorschau": the pages of a report with zoom, page
// navigation, printing of a page range and saving as PDF.
#pragma once

#include "print/bericht.h"
#include "print/berichtspieler.h"
#include "print/listendruck.h"
#include "shell/tform13.h"

class QLabel;
class QLineEdit;
class QPrinter;
class QScrollArea;
class QToolButton;
class QPushButton;

namespace quarnel::gui {

class TxGlobPRV : public Tform13 {
    Q_OBJECT
  public:
    TxGlobPRV(QWidget* hauptfenster, const Bericht& bericht, const Vorschaustart& start,
              QPrinter* drucker, const Ausgabedienste& dienste);

    static constexpr double ZoomSchritt = 1.25;
    static constexpr double ZoomMin = 10, ZoomMax = 400;

    int Seite() const { return seite_ + 1; }  // 1-based
    int Seitenzahl() const { return std::max(1, bericht_.Seitenzahl()); }
    double Zoom() const { return zoom_; }
    int Skalierung() const { return skalierung_; }
    QScrollArea* Rollbereich() const { return rollen_; }

    void GeheZuSeite(int seite);  // 1-based, clamped
    void SetzeZoom(double prozent);  // clamped
    void ZoomPlusClick();
    void ZoomMinusClick();
    void VolleBreiteClick();
    void GanzeSeiteClick();
    void ZoomEditFertig();
    void SeiteEditFertig();
    void DruckBtnClick();
    void PdfBtnClick();
    // Millimetres to screen pixels at the current zoom.
    double PixelProMm() const;

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    enum class Modus { Frei, Breite, Ganz };
    void Anpassen();
    void Aktualisieren();
    void Rollen(int einheiten);

    Bericht bericht_;
    QPrinter* drucker_;
    Ausgabedienste dienste_;
    int seite_ = 0;
    double zoom_ = 100;
    int skalierung_ = 100;
    Modus modus_ = Modus::Breite;

    QScrollArea* rollen_;
    QWidget* flaeche_;
    QLineEdit *zoomEdit_, *seiteEdit_;
    QLabel* seitenLbl_;
    QToolButton *zurueck_, *vor_;
};

}  // namespace quarnel::gui
