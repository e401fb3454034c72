// The special-expense pages of household help and tax advice, own education
// costs and school fees, donations, and the household-help application that
// the household-help page and the household-help/care-home burden page open.
#pragma once

#include <QLabel>

#include "pages/seitenbau.h"

namespace quarnel::gui {

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
    static const Seitenbeschreibung& Beschreibung();
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

// What the three special-expense pages share: the header from the title,
// the page computation after every change (store, compute, load again), and
// list tables whose sum is taken over rounded up to the DM or as it is.
class SaSeite : public TForm11 {
    Q_OBJECT
  public:
    using Rechnung = void (*)(CaseRecord&);
    SaSeite(Seitenumgebung& u, const Seitenbeschreibung& b, Rechnung rechnung, QWidget* eltern);
    void FormShow() override;
    void FormActivate() override;
    void AnzeigeRechnen() override;

  protected:
    void FeldVerlassen(QWidget* w) override;
    // Opens list `liste` for the amount field `ziel`.
    void ListeRufen(int liste, const QString& titel, int hilfeseite, Feld ziel, bool aufrunden);
    // Connects the button `name` to a list call.
    void ListenKnopf(const char* name, int liste, const QString& titel, int hilfeseite, Feld ziel,
                     bool aufrunden);
    // Runs on the return of a subordinate page that is not a list (reload).
    virtual void UnterseiteZurueck() {}
    // Which call returns next: 0 none, 1 subordinate page, 2 list table.
    int aufruf_ = 0;

  private:
    Rechnung rechnung_;
    bool aufrunden_ = false;
};

// Household help (with the application) and tax advice (with its list).
class TF_SAHaHi : public SaSeite {
    Q_OBJECT
  public:
    explicit TF_SAHaHi(Seitenumgebung& u, QWidget* eltern = nullptr);
    static const Seitenbeschreibung& Beschreibung();
    void DatenLaden() override;
    void HausHiBtnClick();

  protected:
    void UnterseiteZurueck() override;
};

// Own education costs of both persons and the school fees of the children.
class TF_SaAbKost : public SaSeite {
    Q_OBJECT
  public:
    explicit TF_SaAbKost(Seitenumgebung& u, QWidget* eltern = nullptr);
    static const Seitenbeschreibung& Beschreibung();
    void FormShow() override;
    void DatenLaden() override;

  private:
    void Freigaben();
};

// Donations in four groups with their lists, and to foundations.
class TF_SaSpende : public SaSeite {
    Q_OBJECT
  public:
    explicit TF_SaSpende(Seitenumgebung& u, QWidget* eltern = nullptr);
    static const Seitenbeschreibung& Beschreibung();
    void DatenLaden() override;

  private:
    class BetragFeld* stiftungErg_ = nullptr;
};

}  // namespace quarnel::gui
