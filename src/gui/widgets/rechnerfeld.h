// A pocket calculator: display and keys, also driven by the keyboard.
#pragma once

#include <QWidget>

class QLineEdit;

namespace quarnel::gui {

class RechnerFeld : public QWidget {
    Q_OBJECT
  public:
    explicit RechnerFeld(QWidget* eltern = nullptr);

    double Ergebnis() const;
    QString Anzeige() const;
    // One key: digits, ",", "+", "-", "*", "/", "=", "C", "±", "%", "<" (back).
    void Taste(const QString& t);

  protected:
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void Rechnen();
    void Zeigen(double x);
    QLineEdit* anzeige_;
    double speicher_ = 0;
    QChar operation_;
    bool neueEingabe_ = true;
    bool fehler_ = false;
};

}  // namespace quarnel::gui
