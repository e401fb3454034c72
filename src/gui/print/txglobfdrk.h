// The form printing dialog "Formulardruck": the choice of the sheets, the
// medium and size, the shifts of the paper, the printer and the form font.
#pragma once

#include <functional>
#include <optional>

#include "case/caserecord.h"
#include "print/formularauswahl.h"
#include "shell/einstellungen.h"
#include "shell/meldung.h"
#include "shell/tform13.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace quarnel::gui {

struct FormulardruckDienste {
    Meldungen* meldungen = nullptr;
    QPrinter* drucker = nullptr;
    // No printer: the run writes one PDF of every ticked sheet. By default
    // whether the system has a printer and `drucker` writes no file.
    std::function<bool()> ohneDrucker;
    // One job of type 1 (the dispatcher).
    std::function<bool(const Druckauftrag&)> auftrag;  // false: failed, the run ends
    std::function<void()> hilfe;
    // Writes the settings file when the dialog closes.
    std::function<void()> einstellungenSchreiben;
    // The font dialog; by default Qt's, preset with the form font.
    std::function<std::optional<SchriftWahl>(const SchriftWahl&)> schriftWaehlen;
};

class TxGlobFDrk : public Tform13 {
    Q_OBJECT
  public:
    TxGlobFDrk(QWidget* hauptfenster, Einstellungen& einst, const CaseRecord& fall,
               FormulardruckDienste dienste);

    QTabWidget* OvcNb() const { return nb_; }
    QListWidget* ZuDruckFormCB() const { return liste_; }
    QLabel* FormGewaehltLbL() const { return anzahl_; }
    QCheckBox* MitVoranzeigeCB() const { return voranzeige_; }
    QRadioButton* DrkUnterlegtRb() const { return unterlegt_; }
    QRadioButton* DrkAmtlichRB() const { return amtlich_; }
    QSpinBox* Skalierung() const { return skalierung_; }
    QSpinBox* AlleRechts() const { return alleRechts_; }
    QSpinBox* AlleUnten() const { return alleUnten_; }
    QListWidget* JustierLB() const { return justierLB_; }
    QSpinBox* JustierRechts() const { return justierRechts_; }
    QSpinBox* JustierUnten() const { return justierUnten_; }
    QPlainTextEdit* DruckerMemo() const { return memo_; }
    QLabel* FormFontLbl() const { return fontLbl_; }
    QCheckBox* DuplexDruckCB() const { return duplex_; }

    Formularwahl Gewaehlt() const;
    void Ankreuzen(int index, bool an);

    void AutomatikBtnClick();
    void JustierungVorEinBtnClick();
    void DruckerEinrichtBtnClick();
    void FormFontBtnClick();
    void Drucken();

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void done(int r) override;

  private:
    void ZaehlerAktualisieren();
    void GruppeZeigen();
    void JustierEinzelChange();
    void Speichern();
    void FontZeigen();
    void DruckerZeigen();

    Einstellungen& einst_;
    const CaseRecord& fall_;
    FormulardruckDienste dienste_;
    bool laedt_ = false;
    QTabWidget* nb_;
    QListWidget* liste_;
    QLabel* anzahl_;
    QCheckBox* voranzeige_;
    QRadioButton *unterlegt_, *amtlich_;
    QSpinBox *skalierung_, *alleRechts_, *alleUnten_;
    QListWidget* justierLB_;
    QSpinBox *justierRechts_, *justierUnten_;
    QPlainTextEdit* memo_;
    QLabel* fontLbl_;
    QCheckBox* duplex_;
};

}  // namespace quarnel::gui
