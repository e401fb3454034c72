// The help viewer: a modal window with one help page, the pages followed
// from it (history of six), and the buttons "&Ende", "&vor", "&zurück",
// "&neu laden" and "&Kopieren".
#pragma once

#include <string>

#include "shell/hilfeansicht.h"
#include "shell/tform13.h"

class QPushButton;

namespace quarnel::gui {

class TxGlobHtm : public Tform13 {
    Q_OBJECT
  public:
    TxGlobHtm(QWidget* hauptfenster, const HilfeOrte& orte, const VerweisDienste& dienste,
              int schriftGroesse);

    // The page the window shows when it becomes visible.
    void Startseite(const std::string& datei, const std::string& anker);

    HilfeBrowser* Ansicht() const { return ansicht_; }
    const HilfeVerlauf& Verlauf() const { return verlauf_; }
    QPushButton* OkBtn = nullptr;
    QPushButton* FwdButton = nullptr;
    QPushButton* BackButton = nullptr;
    QPushButton* ReloadButton = nullptr;
    QPushButton* copyButton = nullptr;

    void LinkGeklickt(const std::string& link);
    void FwdButtonClick();
    void BackButtonClick();
    void ReloadButtonClick();

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void Folgen(const std::string& datei, const std::string& anker);
    void Zeigen(const HilfeVerlauf::Eintrag& e);
    void KnoepfeSetzen();

    HilfeBrowser* ansicht_;
    VerweisDienste dienste_;
    HilfeVerlauf verlauf_;
    std::string startDatei_, startAnker_;
    bool geladen_ = false;
    bool laedt_ = false;
};

}  // namespace quarnel::gui
