// The HTML view of the help windows: it loads only files of the help places,
// reads pages in UTF-8 or Windows-1252, decodes JPEG pictures with the
// program's own loader and shows a placeholder for a picture it cannot show.
// Links are not followed by the view itself; the windows dispatch them.
#pragma once

#include <QImage>
#include <QTextBrowser>
#include <string>

#include "shell/dienste.h"
#include "shell/hilfe.h"
#include "shell/meldung.h"

namespace quarnel::gui {

class HilfeBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    explicit HilfeBrowser(QWidget* eltern = nullptr);

    void SetzeOrte(const HilfeOrte& orte) { orte_ = orte; }
    // The view defaults of both help windows: Arial in this size,
    // fixed-pitch text in Courier New, a margin of 5 pixels.
    void Grundschrift(int punkte);
    const HilfeOrte& Orte() const { return orte_; }
    // Loads a file and positions the view at the anchor (with or without '#').
    void Laden(const std::string& datei, const std::string& anker = {});
    // Positions the shown page at the anchor; nothing for an empty one.
    void ZuAnker(const std::string& anker);
    std::string AktuelleDatei() const;  // empty while nothing is shown
    // The link text of a click, as the page wrote it.
    static std::string LinkText(const QUrl& url);
    // Shown for a picture that is missing, broken or not allowed.
    static QImage Platzhalter();

    QVariant loadResource(int type, const QUrl& name) override;

  signals:
    void ladenBeginnt();
    void ladenEndet();

  private:
    HilfeOrte orte_;
    std::string seite_;  // the file last given to Laden
};

// What both help windows do with a link that leaves the view: addresses to
// the desktop services, media after a question to the desktop's viewer,
// programs refused with a message. True when the link was dealt with here
// (also when it was refused); false for pages and anchors.
struct VerweisDienste {
    Meldungen* meldungen = nullptr;
    DesktopDienste* desktop = nullptr;
};
bool VerweisNachAussen(const Verweis& v, const VerweisDienste& d, bool klangAbspielen);

}  // namespace quarnel::gui
