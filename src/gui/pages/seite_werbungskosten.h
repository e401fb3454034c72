// The expense pages of an employee (both persons), the vehicle costs and the
// depreciation list of work equipment. Each page is built from its
// descriptor; a class adds only what the descriptor cannot say.
#pragma once

#include <QLabel>

#include "pages/seitenbau.h"
#include "pages/tabellenseite.h"

class QPushButton;
class QTableWidget;

namespace quarnel::gui {

// The eight expense pages of a person (instance and element: 1 taxpayer, 2
// spouse). Professional associations, work equipment, business trips and
// other costs are nothing but their descriptor (the generic page builds them).
extern const Seitenbeschreibung WKFahrtSeite, WKBVerbSeite, WKArbMSeite, WKVerpflSeite,
    WKDoppHSeite, WKZimmerSeite, WKReiseSeite, WKSonstSeite;
// The vehicles of the case.
extern const Seitenbeschreibung FahrZSeite;

class TF_WKFahrt : public TForm11 {
    Q_OBJECT
  public:
    TF_WKFahrt(Seitenumgebung& u, int person, QWidget* eltern = nullptr);
    int Person() const { return instanz_; }
    void DatenLaden() override;

  private:
    void PkwEnter(int zeile);
    void MitAnderenEnter(int zeile);
    QLabel* stFrei17Lbl_;
    QLabel* stPausch18Lbl_;
    QLabel* zeile17u18Lbl2_;
};

class TF_WKVerpfl : public TForm11 {
    Q_OBJECT
  public:
    TF_WKVerpfl(Seitenumgebung& u, int person, QWidget* eltern = nullptr);
    int Person() const { return instanz_; }
    void DatenLaden() override;

  private:
    QLabel* zu20Lbl_;
    QLabel* zu20Lbl2_;
};

class TF_WKDoppH : public TForm11 {
    Q_OBJECT
  public:
    TF_WKDoppH(Seitenumgebung& u, int person, QWidget* eltern = nullptr);
    int Person() const { return instanz_; }
    void DatenLaden() override;

  private:
    QLabel* erstattLbl_;
};

class TF_WKZimmer : public TForm11 {
    Q_OBJECT
  public:
    TF_WKZimmer(Seitenumgebung& u, int person, QWidget* eltern = nullptr);
    int Person() const { return instanz_; }
    void DatenLaden() override;

  private:
    QLabel* alleLbl_;
};

// The vehicles of the case: the list of the four, and the costs of one at a time.
class TF_FahrZ : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_FahrZ(Seitenumgebung& u, QWidget* eltern = nullptr);
    ~TF_FahrZ() override;
    int Fahrzeug() const { return fahrzeug_; }
    void FormShow() override;
    void DatenLaden() override;
    void AnzeigeRechnen() override;
    void FahrzeugBtnClick(int fahrzeug);
    QPushButton* FahrzeugBtn(int fahrzeug) const { return knoepfe_[fahrzeug - 1]; }

  protected:
    void FeldVerlassen(QWidget* w) override;

  private:
    void NbOnPageChanged(int index);
    void FahrzeugVerlassen();
    void ListeZeigen();
    void Freigaben();
    int fahrzeug_ = 1;
    bool kostenOffen_ = false;
    QPushButton* knoepfe_[4];
    QLabel* bez_[4];
    QLabel* kmSatz_[4];
};

// The depreciation list of one person's work equipment: 25 rows, opened from
// the work-equipment page; its sum goes back into that page's `Kosten5`.
class TF_AFA : public Tabellenfenster {
    Q_OBJECT
  public:
    TF_AFA(Seitenumgebung& u, int person, QWidget* eltern = nullptr);
    double Summe() const { return summe_; }

    void SummeBtnClick();
    void DruckenClick();

    void DatenLaden() override;
    void DatenSpeichern() override {}  // every edit goes into the case at once
    void FormClose() override;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    bool ZeileEinfuegen(int zeile) override;
    void ZeileLoeschen(int zeile) override;
    void Spaltenbreiten() override;

  private:
    void ZeileZeigen(int zeile);
    void ZelleUebernehmen(int zeile, int spalte);
    void Rechnen();
    int person_;
    double summe_ = 0;
};

}  // namespace quarnel::gui
