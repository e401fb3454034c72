// The what-if page of the quick-calculation area: the declared values of nine
// lines of the return beside change fields, and what the changes do to the
// taxable income, the income tax and the two rates. The change fields are the
// page's own: nothing of them is stored in the case, no change marks it
// changed, and leaving the page forgets them.
#pragma once

#include "pages/tform11.h"
#include "results/waswaere.h"

class QLabel;

namespace quarnel::gui {

class TF_WWW : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_WWW(Seitenumgebung& u, QWidget* eltern = nullptr);

    // Shows the case: the "Eingabe" columns, both result rows, and the
    // spouse's columns only with joint assessment.
    void DatenLaden() override;
    // A change is tried, never stored.
    void DatenSpeichern() override {}
    void FormShow() override;
    // Takes the change being typed and computes; the case stays as it is.
    bool OffeneEingabeUebernehmen() override;

    // The change fields as they stand (an empty field is 0).
    WasWaereWerte Aenderungen() const;
    // Computes the case with the changes of the fields and shows the result.
    void Rechnen();
    const WasWaereAnalyse& Analyse() const { return analyse_; }
    // A field of the page by its name ("BruttoEr", "Brutto0Er", "ZuVerst", ...).
    BetragFeld* Wertfeld(const QString& name) const;
    // The income tax's tree as entered beside the one with the changes.
    void WieBerechnetClick();

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void Anzeigen();
    WasWaereAnalyse analyse_;
    BetragFeld* aenderung_[2][WasWaereZeilen] = {};
    BetragFeld* eingabe_[2][WasWaereZeilen] = {};
    BetragFeld* ergebnis_[2][4] = {};  // "Gemäß Eingabe", "Nach Änderung"
    std::vector<QWidget*> ehefrau_;    // the spouse's columns with their headings
    QLabel* grundtabelleLbl_;
};

}  // namespace quarnel::gui
