// The side view at the right edge of the main window: the help page of the
// open area and page, positioned at the paragraph of the focused field.
#pragma once

#include <functional>
#include <string>

#include "shell/hilfeansicht.h"

namespace quarnel::gui {

class TF_GlobLfdView : public HilfeBrowser {
    Q_OBJECT
  public:
    explicit TF_GlobLfdView(QWidget* eltern = nullptr);

    VerweisDienste dienste;
    // A page link: opens the help viewer (or the desktop's viewer) on the
    // file with the anchor ("#F1103", may be empty).
    std::function<void(const std::string& datei, const std::string& anker)> hilfeOeffnen;
    int schriftGroesse = 9;  // the tab font size, set before every load

    // Shows help name + ".htm" when the file exists; otherwise nothing changes.
    bool Seitenhilfe(const std::string& name);
    // Positions the page at the field's anchor ("#F1103" or "F1103").
    void Feldhilfe(const std::string& anker);
    std::string Anker() const { return anker_; }

    void LinkGeklickt(const std::string& link);

  private:
    std::string anker_;
};

}  // namespace quarnel::gui
