// The small windows of the main window: calendar, calculator, program
// information, and the start window and tips of the day.
#pragma once

#include "shell/einstellungen.h"
#include "shell/tform13.h"

class QCalendarWidget;
class QCheckBox;
class QPushButton;
class QTextBrowser;

namespace quarnel::gui {

class RechnerFeld;

class TxKalender : public Tform13 {
    Q_OBJECT
  public:
    explicit TxKalender(QWidget* hauptfenster);
    QCalendarWidget* Kalender() const { return kalender_; }

  private:
    QCalendarWidget* kalender_;
};

class TxRechner : public Tform13 {
    Q_OBJECT
  public:
    explicit TxRechner(QWidget* hauptfenster);
    RechnerFeld* Rechner() const { return rechner_; }
    void ZwischenablageClick();

  private:
    RechnerFeld* rechner_;
};

class TxInfo : public Tform13 {
    Q_OBJECT
  public:
    explicit TxInfo(QWidget* hauptfenster);
};

// "Bitte beachten": closing with the box unticked turns the start window off.
class TxEingang : public Tform13 {
    Q_OBJECT
  public:
    TxEingang(QWidget* hauptfenster, Einstellungen& e);
    QCheckBox* AnzeigenCB() const { return anzeigenCB_; }

  protected:
    void done(int r) override;

  private:
    Einstellungen& e_;
    QCheckBox* anzeigenCB_;
};

// "Tips & Tricks": "&Ende" stores the box into "Tips"; the window button does not.
class TxTips : public Tform13 {
    Q_OBJECT
  public:
    TxTips(QWidget* hauptfenster, Einstellungen& e);
    void MehrClick();
    void EndeClick();
    QString AktuellerTip() const;
    QCheckBox* TipsCB() const { return tipsCB_; }

  private:
    Einstellungen& e_;
    QTextBrowser* text_;
    QCheckBox* tipsCB_;
};

}  // namespace quarnel::gui
