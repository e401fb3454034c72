// A one-line entry field that knows insert and overwrite mode.
#pragma once

#include <QLineEdit>

namespace quarnel::gui {

class EingabeFeld : public QLineEdit {
    Q_OBJECT
  public:
    explicit EingabeFeld(QWidget* eltern = nullptr);

    bool Ueberschreiben() const { return ueberschreiben_; }
    void SetzeUeberschreiben(bool an) { ueberschreiben_ = an; }
    // The mode new fields start in (the "Insert" setting); the Insert key toggles a field.
    static bool& StandardUeberschreiben();

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    bool ueberschreiben_;
};

}  // namespace quarnel::gui
