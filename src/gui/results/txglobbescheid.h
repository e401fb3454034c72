// The window "Bescheid prüfen": the tax office's notice entered line by line
// beside the program's own figures, the comparison with each deviation's tax
// effect, the objection deadline and the Einspruch letter. The window binds
// fields and calls the core; the notice is stored through the seam it gets.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "calc/calcdaten.h"
#include "case/caserecord.h"
#include "results/bescheidpruefung.h"
#include "results/ergebnistext.h"
#include "shell/dienste.h"
#include "shell/meldung.h"
#include "shell/tform13.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace quarnel::gui {

struct BescheidDienste {
    Meldungen* meldungen = nullptr;
    Uhr* uhr = nullptr;
    // The notice kept with the case (from the work file) and storing it
    // there; storing marks the case changed, never its computation's inputs.
    std::function<AmtsBescheid()> laden;
    std::function<bool(const AmtsBescheid&)> speichern;
    // Shows a result text in the result window (preview, print, PDF, text file).
    std::function<void(const Ergebnistext&)> zeigen;
    std::function<void()> hilfe;
};

class TxGlobBescheid : public Tform13 {
    Q_OBJECT
  public:
    TxGlobBescheid(QWidget* hauptfenster, const CaseRecord& fall, BescheidDienste dienste);
    ~TxGlobBescheid() override;

    static void Zeigen(QWidget* hauptfenster, const CaseRecord& fall, const BescheidDienste& d);

    // The buttons.
    void VergleichBtnClick();
    bool SpeichernBtnClick();
    void EinspruchBtnClick();
    void ErgebnisBtnClick();
    // The own tree of the chosen line with the office's figures beside it.
    void WieBerechnetBtnClick();

    // The notice as the fields hold it now.
    AmtsBescheid Eingabe() const;
    const Bescheidvergleich* Vergleich() const { return vergleich_.get(); }
    QTableWidget* Tabelle() const { return tabelle_; }
    QLabel* FristLbl() const { return frist_; }
    QLabel* SummeLbl() const { return summe_; }
    // Row of a line in the table, -1 when the case does not have it.
    int Zeile(int posten) const;
    // Enters an office figure as the user types it ("12.345,00").
    void WertEingeben(int posten, const QString& text);

  private:
    void Fuellen(const AmtsBescheid& b);
    void FristAnzeigen();
    int32_t Heute() const;

    const CaseRecord& fall_;
    BescheidDienste dienste_;
    std::unique_ptr<CalcInput> gefuellt_;
    AmtsBescheid eigen_;  // the program's own figures
    std::unique_ptr<Bescheidvergleich> vergleich_;
    std::vector<int> zeilenPosten_;  // line of each table row

    QLineEdit* finanzamt_;
    QLineEdit* steuernummer_;
    QLineEdit* bescheidDatum_;
    QLineEdit* aufgabeDatum_;
    QLineEdit* briefDatum_;
    QTableWidget* tabelle_;
    QCheckBox* vorlaeufig_[AnzahlVorlaeufig];
    QCheckBox* aussetzung_;
    QLabel* frist_;
    QLabel* summe_;
};

}  // namespace quarnel::gui
