// The interview "Interview": a start page and a check list of yes/no
// questions with an explanation beside each; "&Steuerfall anpassen" selects
// the entry pages of the case from the ticks.
#pragma once

#include <QElapsedTimer>
#include <functional>
#include <string>

#include "case/caserecord.h"
#include "shell/interview.h"
#include "shell/meldung.h"
#include "shell/tform13.h"

class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;

namespace quarnel::gui {

class TxInterview : public Tform13 {
    Q_OBJECT
  public:
    TxInterview(QWidget* hauptfenster, CaseRecord& r, Meldungen& meldungen,
                std::string formularVerzeichnis);

    std::function<void(const std::string& seite)> hilfeZeigen;

    bool Angepasst() const { return angepasst_; }
    void BeginnenClick();
    void AnpassenClick();
    void AbbruchClick();
    QListWidget* Liste() const { return liste_; }
    QTabWidget* Notebook() const { return notebook_; }
    InterviewHaken Haken() const;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override {}  // Escape does nothing here

  private:
    // Type-ahead in the list: the typed text finds the next line that begins
    // with it, heading or item, whatever it is indented by. A blank belongs
    // to the search, except that alone on an item it ticks the item.
    bool Suchen(const QString& zeichen);
    QString suche_;
    QElapsedTimer tippen_;  // since the last key of the search
    void ErklaerungZeigen(int punkt);
    void TabGewechselt(int tab);
    void Schliessen(int ergebnis);

    CaseRecord& r_;
    Meldungen& meldungen_;
    std::string formular_;
    InterviewSicherung sicherung_;
    bool angepasst_ = false;
    bool fertig_ = false;
    QTabWidget* notebook_;
    QTextBrowser* start_;
    QListWidget* liste_;
    QTextBrowser* erklaerung_;
    QPushButton* beginnen_;
    QPushButton* anpassen_;
};

// The interview from the main window: false without it (a missing
// explanation file has been reported), true when it ran; Angepasst() tells
// whether the case was adapted.
bool InterviewMoeglich(const std::string& formularVerzeichnis, Meldungen& meldungen);

// An explanation file's text as HTML: the first line is the heading.
QString ErklaerungHtml(const std::string& text);

}  // namespace quarnel::gui
