// The navigator "Navigator ": a tree of the selected areas and pages with
// their marks; "&Gehe zu" chooses a page, "&Wegfix" looks it up by keyword.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "case/caserecord.h"
#include "shell/einstellungen.h"
#include "shell/meldung.h"
#include "shell/navigation.h"
#include "shell/tform13.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace quarnel::gui {

class TxNavigator : public Tform13 {
    Q_OBJECT
  public:
    // `offen`: entry pages are open, the current one at (bereich, seite).
    TxNavigator(QWidget* hauptfenster, const CaseRecord& r, Meldungen& meldungen,
                Einstellungen& einst, bool offen, int bereich, int seite);

    std::function<void(const std::string& seite)> hilfeZeigen;
    // Where the navigator comes to rest (global top-left), and the x it slides in from.
    std::optional<QPoint> ort;
    int startX = 0;

    std::optional<SeitenOrt> Wahl() const { return wahl_; }
    void GeheZuClick();
    void WegfixClick();
    void ZeilenClick();
    // Selects the line of a page (expanding its area); false when the tree lacks it.
    bool SeiteMarkieren(int bereich, int seite);
    std::optional<SeitenOrt> Markiert() const;
    QTreeWidget* Baum() const { return baum_; }

  protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void done(int r) override;
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void Fuellen();
    void PunkteSetzen();
    void ZeichenZeigen();

    const CaseRecord& r_;
    Meldungen& meldungen_;
    Einstellungen& einst_;
    bool offen_;
    int bereich_, seite_;
    bool alleOffen_ = false;
    // The Enter that closed the keyword guide is still down: until its release
    // it opens no page here.
    bool enterGesperrt_ = false;
    QTreeWidget* baum_;
    QWidget* zeichen_[4] = {};  // visited, reminder, note, error
    std::optional<SeitenOrt> wahl_;
};

}  // namespace quarnel::gui
