// The keyword guide "Wegfix (alphabetisch)": a list of keywords; "&Gehe zu"
// leads to the page of the selected keyword when the case has it selected.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "case/caserecord.h"
#include "shell/meldung.h"
#include "shell/navigation.h"
#include "shell/tform13.h"

class QListWidget;

namespace quarnel::gui {

class TxWegfix : public Tform13 {
    Q_OBJECT
  public:
    TxWegfix(QWidget* hauptfenster, const CaseRecord& r, Meldungen& meldungen);

    std::function<void(const std::string& seite)> hilfeZeigen;
    // Where the dialog's top-left corner goes when it opens (global); unset: centred.
    std::optional<QPoint> ort;

    // The chosen page, or nothing.
    std::optional<SeitenOrt> Wahl() const { return wahl_; }
    void GeheZuClick();
    QListWidget* Liste() const { return liste_; }
    // The guide closed on the Enter key: its release has not been seen yet.
    bool PerEingabetaste() const { return perEingabetaste_; }

  protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    const CaseRecord& r_;
    Meldungen& meldungen_;
    QListWidget* liste_;
    std::optional<SeitenOrt> wahl_;
    bool perEingabetaste_ = false;
};

// Runs the guide from (area, page); the chosen page, or the given one.
SeitenOrt WegfixZeigen(TxWegfix& d, int bereich, int seite);

}  // namespace quarnel::gui
