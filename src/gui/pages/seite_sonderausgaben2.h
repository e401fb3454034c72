// The special-expense pages of household help and tax advice, own education
// costs and school fees, donations, and the household-help application that
// the household-help page and the household-help/care-home burden page open.
#pragma once

#include <QLabel>

#include "pages/seitenbau.h"

namespace quarnel::gui {

extern const Seitenbeschreibung SAHaHiSeite, SaAbKostSeite, SaSpendeSeite, HausHiSeite;

// The application for the employment of a household help: a subordinate page,
// modal to the page that opens it, which computes its special expense and
// burden after every edit.
//
// How a caller opens it:
//     TF_HausHi::Oeffnen(*this, TF_HausHi::Aufruf::Belastung);
// Oeffnen commits the field being edited, stores the caller (so the
// application computes with its current entries), sets the sub-page marker
// and shows the application; the caller is disabled until it closes.
// However it closes ("&OK", the window's close, the main window closing all
// pages) it stores itself and the caller gets its return message
// (SeiteZurueck, that is FormActivate) with Uebernahme set. The caller
// reloads its result group there, every time: for example
//     void TF_AbHiHeim::FormActivate() {
//         const bool zurueck = !ersteAktivierung_ && SeitenzustandGlobal().uebernahme;
//         TForm11::FormActivate();
//         if (zurueck) { SeitenzustandGlobal().uebernahme = false; DatenLaden(); }
//     }
// and its DatenLaden runs HaushaltshilfeErgebnisUebernehmen (core) first, so
// that SATat, SaAnsatz, AbTat and AbAnsatz show what the application gave.
// While it is open the checks answer "Funktion hier nicht verfügbar".
class TF_HausHi : public TForm11 {
    Q_OBJECT
  public:
    // Which page opened it: the navigator position marked visited follows it.
    enum class Aufruf { Sonderausgabe = 1, Belastung = 2 };
    TF_HausHi(Seitenumgebung& u, Aufruf aufruf, QWidget* eltern = nullptr);
    static TF_HausHi* Oeffnen(TForm11& aufrufer, Aufruf aufruf);

    void FormShow() override;
    void FormClose() override;
    void DatenSpeichern() override;
    void AnzeigeRechnen() override;
    void OkBtnClick();

  protected:
    void DatumEnter(DatumFeld* d) override;
    void FeldVerlassen(QWidget* w) override;

  private:
};

// Household help (with the application) and tax advice (with its list).
class TF_SAHaHi : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_SAHaHi(Seitenumgebung& u, QWidget* eltern = nullptr);
    void DatenLaden() override;
    void HausHiBtnClick();
};

// Own education costs of both persons and the school fees of the children.
class TF_SaAbKost : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_SaAbKost(Seitenumgebung& u, QWidget* eltern = nullptr);
    void FormShow() override;
    void DatenLaden() override;

  private:
    void Freigaben();
};

// Donations in four groups with their lists, and to foundations.
class TF_SaSpende : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_SaSpende(Seitenumgebung& u, QWidget* eltern = nullptr);
    void DatenLaden() override;

  private:
    class BetragFeld* stiftungErg_ = nullptr;
};

}  // namespace quarnel::gui
