// The window "Veranlagungsarten vergleichen": every assessment the couple may
// choose, computed in full on copies, side by side (income tax, Soli, church
// tax, the total burden, the balance, the difference to the cheapest) with
// the recommendation. "Übernehmen" sets only the choice of assessment in the
// case, after a confirmation; the window never writes the case file.
#pragma once

#include <functional>

#include "case/caserecord.h"
#include "results/veranlagung.h"
#include "shell/meldung.h"
#include "shell/tform13.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace quarnel::gui {

struct VeranlagungDienste {
    Meldungen* meldungen = nullptr;
    // Runs after the choice was set in the case: marks the case changed,
    // brings the open pages up to date and computes again.
    std::function<void()> uebernommen;
};

class TxGlobVeranlagung : public Tform13 {
    Q_OBJECT
  public:
    TxGlobVeranlagung(QWidget* hauptfenster, CaseRecord& fall, VeranlagungDienste dienste,
                      bool kurz = false);

    // Shows the window modally; true when a choice was taken over.
    static bool Zeigen(QWidget* hauptfenster, CaseRecord& fall, const VeranlagungDienste& d,
                       bool kurz = false);

    // Asks, then sets the assessment chosen in the list below the table.
    // True when the case was changed.
    bool UebernehmenBtnClick();
    bool Uebernommen() const { return uebernommen_; }

    const VeranlagungsVergleich& Vergleich() const { return vergleich_; }
    QTableWidget* Tabelle() const { return tabelle_; }
    QLabel* EmpfehlungLbl() const { return empfehlung_; }
    QComboBox* Wahl() const { return wahl_; }

  private:
    void Anzeigen();

    CaseRecord& fall_;
    VeranlagungDienste dienste_;
    bool kurz_;
    bool uebernommen_ = false;
    VeranlagungsVergleich vergleich_;
    QTableWidget* tabelle_;
    QLabel* empfehlung_;
    QComboBox* wahl_;
    QPushButton* uebernehmen_;
};

// "Zusammenveranlagung", "Getrennte Veranlagung": a heading.
QString VeranlagungsartTitel(Veranlagungsart a);

}  // namespace quarnel::gui
