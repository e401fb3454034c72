// The note window: edits the note of one entry page in the case's note table.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "case/caserecord.h"
#include "shell/meldung.h"
#include "shell/tform13.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quarnel::gui {

class Druckausgabe;

// Prints the lines of a note (UTF-8) as the dispatcher's notes job: straight
// to the printer, or to the preview. The main window's `notizDrucken` hook
// calls this with its dispatcher.
void NotizDrucken(Druckausgabe& druck, const std::vector<std::string>& zeilen, bool vorschau);

class TF_Memo : public Tform13 {
    Q_OBJECT
  public:
    TF_Memo(QWidget* hauptfenster, CaseRecord& satz, Notizblock& notizen, int bereich, int seite,
            Meldungen& meldungen, int schriftGroesse = 9);

    std::function<void()> hilfe;           // help page "std\notiz"
    std::function<void()> fallVeraendert;  // the case was changed
    // Prints the lines of the note (print job of the note); the preview in test mode.
    std::function<void(const std::vector<std::string>& zeilen)> drucken;
    // Prints the window itself as a picture ("Druck Seite").
    std::function<void(QWidget* fenster)> fensterDrucken;

    int Eintrag() const { return eintrag_; }
    bool KeinEintragFrei() const { return keinEintrag_; }
    QPlainTextEdit* Editor1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
    QPushButton* LoeschenBtn = nullptr;
    QPushButton* KopierenBtn = nullptr;
    QPushButton* DruckBtn = nullptr;

    void accept() override;  // "&OK": store and close
    void reject() override;  // "&Abbruch", Escape, the window's close: discard

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void Oeffnen();
    void ZaehlerAktualisieren();
    void TextGeaendert();
    void Speichern();

    CaseRecord& satz_;
    Notizblock& notizen_;
    int bereich_, seite_;
    Meldungen& meldungen_;
    int eintrag_ = 0;
    bool keinEintrag_ = false;
    bool geoeffnet_ = false;
    bool kuerzt_ = false;
};

}  // namespace quarnel::gui
