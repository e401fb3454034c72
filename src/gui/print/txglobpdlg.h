// The page dialog "Drucker": all pages or a range, the current printer and
// its set-up.
#pragma once

#include "shell/meldung.h"
#include "shell/tform13.h"

class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

namespace quarnel::gui {

class TxGlobPdlg : public Tform13 {
    Q_OBJECT
  public:
    TxGlobPdlg(QWidget* hauptfenster, int seiten, QPrinter* drucker, Meldungen* meldungen);

    int VonSeite() const;
    int BisSeite() const;
    QRadioButton* AllesRB() const { return alles_; }
    QRadioButton* SeitenRB() const { return seiten_; }
    QLineEdit* I_VonSeite() const { return von_; }
    QLineEdit* I_BisSeite() const { return bis_; }
    QPlainTextEdit* DruckerMemo() const { return memo_; }
    QPushButton* OkBtn() const { return ok_; }

    void OkBtnClick();
    void EinrichtenBtnClick();

  private:
    void DruckerZeigen();
    int anzahl_;
    QPrinter* drucker_;
    Meldungen* meldungen_;
    QRadioButton *alles_, *seiten_;
    QLineEdit *von_, *bis_;
    QPlainTextEdit* memo_;
    QPushButton* ok_;
    bool setzt_ = false;
};

}  // namespace quarnel::gui
