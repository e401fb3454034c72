// The window "Wie berechnet?": a figure of the notice (or of the what-if
// analysis, beside its original) as a tree from the figure down to the
// entries and the parameters, each node with its amount, its rule, its
// paragraph of the law and its rounding. Beside the tree the node's help: the
// paragraph of the entry field, or the rule in words. An entry leaf leads to
// the page and field where the entry was made.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "calc/erklaerung.h"
#include "results/wieberechnet.h"
#include "shell/eingabeort.h"
#include "shell/hilfe.h"
#include "shell/tform13.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace quarnel::gui {

class HilfeBrowser;

struct ErklaerDienste {
    HilfeOrte orte;               // the help pages of the side pane
    std::function<void()> hilfe;  // "&Hilfe"
};

class TxErklaerung : public Tform13 {
    Q_OBJECT
  public:
    // The trees of a recorded computation, `ergebnis` shown first; the
    // choice above the tree offers every result it explains.
    TxErklaerung(QWidget* eltern, const Erklaerung& spur, const std::string& ergebnis,
                 ErklaerDienste dienste);
    // One result as entered and as changed, side by side.
    TxErklaerung(QWidget* eltern, const ErklaerVergleich& vergleich, ErklaerDienste dienste);

    // Shows the window modally; the entry the user asked to go to, if any.
    static std::optional<Eingabeort> Zeigen(QWidget* eltern, const Erklaerung& spur,
                                            const std::string& ergebnis,
                                            const ErklaerDienste& dienste);
    static void ZeigenVergleich(QWidget* eltern, const ErklaerVergleich& vergleich,
                                const ErklaerDienste& dienste);

    QTreeWidget* Baum() const { return baum_; }
    HilfeBrowser* Seitenhilfe() const { return hilfe_; }
    QComboBox* Auswahl() const { return auswahl_; }
    QPushButton* EingabeKnopf() const { return eingabeKnopf_; }
    // The result shown now.
    std::string Ergebnis() const { return ergebnis_; }
    void ErgebnisWaehlen(const std::string& name);
    // Opens the way to the first node of that result and selects it; false
    // when the tree has none. The tree opens with the root and the values it
    // rests on; deeper nodes stay closed.
    bool KnotenZeigen(const std::string& name);
    // The internal name of the current node ("" for none).
    std::string KnotenDesEintrags() const;
    // The entry of the current node (nothing for a node that is no entry).
    std::optional<Eingabeort> OrtDesKnotens() const;
    // "Zur &Eingabe": closes the window with the entry of the current node.
    void ZurEingabe();
    std::optional<Eingabeort> Sprungziel() const { return sprung_; }

  private:
    void Aufbauen(bool vergleich);
    void BaumFuellen(const Vergleichsknoten& wurzel);
    void KnotenGewaehlt();
    void KnotenAktiviert(QTreeWidgetItem* item);

    const Erklaerung* spur_ = nullptr;
    bool vergleich_ = false;
    bool teilweise_ = false;  // the second side names only some nodes
    QString kopfVorher_ = QStringLiteral("gemäß Eingabe"), kopfNachher_ = QStringLiteral("nach Änderung");
    ErklaerDienste dienste_;
    std::string ergebnis_;
    Vergleichsknoten wurzel_;
    std::optional<Eingabeort> sprung_;
    QComboBox* auswahl_ = nullptr;
    QLabel* kopf_ = nullptr;
    QTreeWidget* baum_ = nullptr;
    HilfeBrowser* hilfe_ = nullptr;
    QPushButton* eingabeKnopf_ = nullptr;
};

// An amount as the tree shows it: "12.345,67" (rates with up to six decimals).
QString ErklaerBetrag(double x);

}  // namespace quarnel::gui
