// The configuration dialog "Konfiguration": changes the settings in memory;
// nothing is written to the file before exit.
#pragma once

#include <QFont>
#include <functional>

#include "shell/einstellungen.h"
#include "shell/meldung.h"
#include "shell/tform13.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace quarnel::gui {

class EingabeFeld;

class TxGlobConf : public Tform13 {
    Q_OBJECT
  public:
    TxGlobConf(QWidget* hauptfenster, Einstellungen& e, Meldungen& meldungen);

    // Help page and whether to use the system viewer.
    std::function<void(const std::string& seite, bool systemViewer)> hilfeZeigen;

    bool Geaendert() const { return geaendert_; }
    void EndeClick();
    void AbbruchClick();
    void HilfeClick();
    // What the colour and font buttons do once their system dialog is confirmed.
    void FarbeGewaehlt(uint32_t farbe);
    enum class Schriftart { Ergebnisfenster, Druck, Formular };
    void SchriftGewaehlt(Schriftart art, const QFont& f);

    static QString SchriftText(const SchriftWahl& s);  // "Courier New, 10 Punkt"
    static QString RandText(double cm);                // " 2,00"

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

  private:
    void Fuellen();
    void Aendern() { geaendert_ = true; }
    void FarbKnopfZeigen();
    void SchriftLabelsZeigen();

    Einstellungen& e_;
    Einstellungen kopie_;
    Meldungen& meldungen_;
    bool geaendert_ = false;
    bool fertig_ = false;

    QTabWidget* notebook_;
    QCheckBox *eingangsFensterCB_, *tipsCB_, *overModusCB_, *hintergrundBildCB_, *lfdBerechnungCB_,
        *internetBrowserCB_, *imFensterCB_, *amtlBescheidCB_, *wasteCB_;
    QComboBox* artLaufschrift_;
    QPushButton* farbeBtn_;
    EingabeFeld *deltaFontSize_, *obenIF_, *linksIF_, *untenIF_;
    QRadioButton *ansiBtn_, *asciiBtn_, *utf8Btn_;
    QLabel *viewFontLbl_, *druckFontLbl_, *formFontLbl_;
};

}  // namespace quarnel::gui
