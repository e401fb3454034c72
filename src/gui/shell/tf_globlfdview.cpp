#include "shell/tf_globlfdview.h"

namespace quarnel::gui {

TF_GlobLfdView::TF_GlobLfdView(QWidget* eltern) : HilfeBrowser(eltern) {
    setObjectName(QStringLiteral("LfdViewText"));
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    Grundschrift(schriftGroesse);
    connect(this, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& url) { LinkGeklickt(LinkText(url)); });
}

bool TF_GlobLfdView::Seitenhilfe(const std::string& name) {
    const std::optional<std::string> datei = HilfeAufloesen(Orte(), name);
    if (!datei) return false;
    Grundschrift(schriftGroesse);
    anker_.clear();
    Laden(*datei);
    clearHistory();  // the side view keeps no history
    return true;
}

void TF_GlobLfdView::Feldhilfe(const std::string& anker) {
    anker_ = !anker.empty() && anker.front() == '#' ? anker.substr(1) : anker;
    ZuAnker(anker_);
}

void TF_GlobLfdView::LinkGeklickt(const std::string& link) {
    // Page names in the side view's links are relative to the help directory.
    const Verweis v = VerweisEinordnen(link, Orte().hilfe + "index.htm", Orte());
    if (v.art == LinkArt::Anker) {
        ZuAnker(v.anker);
        return;
    }
    if (VerweisNachAussen(v, dienste, false)) return;
    if (hilfeOeffnen) hilfeOeffnen(v.datei, v.anker.empty() ? std::string() : "#" + v.anker);
}

}  // namespace quarnel::gui
