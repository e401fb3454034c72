// The extraordinary-burden pages: the Pauschbeträge of the disabled and of
// surviving dependants, household help and care home, home care, the support
// of needy persons with the income of each supported person, and the other
// burdens. Each page is built from its descriptor, which names its page
// computation; a class adds only what the descriptor cannot say.
#pragma once

#include <QLabel>

#include "pages/seitenbau.h"

class QPushButton;

namespace quarnel::gui {

class BetragFeld;

// Home care (the Pauschbetrag shared among the carers), the support of up to
// three needy persons and the other burdens are nothing but their descriptor.
extern const Seitenbeschreibung AbBeHiSeite, AbHiHeimSeite, ABHPflegSeite, AbUntBeSeite,
    AbEinkSeite, AbAndereSeite;

// Pauschbeträge of the disabled (taxpayer, spouse, children 1..6, each with
// the disability page behind its "...." button) and of surviving dependants.
class TF_AbBeHi : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_AbBeHi(Seitenumgebung& u, QWidget* eltern = nullptr);
    void DatenLaden() override;
    void FormShow() override;
    void FormActivate() override;
    // Opens the disability page of person 1 (taxpayer), 2 (spouse), 3..8 (child 1..6).
    void BehinderungBtnClick(int person);
    QPushButton* BehBtn(int person) const { return knoepfe_[person - 1]; }
    QAbstractButton* BehAntCB(int person) const { return antrag_[person - 1]; }
    BetragFeld* BehPb(int person) const { return pauschbetrag_[person - 1]; }

  private:
    void Freigaben();
    QPushButton* knoepfe_[8];
    QAbstractButton* antrag_[8];
    BetragFeld* pauschbetrag_[8];
    QLabel* behNamen_[8];
    QLabel* behWer_[8];
    QLabel* hiNamen_[8];
};

// Household help (its reasons on the household-help application) and the
// accommodation in a care home.
class TF_AbHiHeim : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_AbHiHeim(Seitenumgebung& u, QWidget* eltern = nullptr);
    void DatenLaden() override;
    // Opens the household-help application; its results show here on return.
    void HausHiBtnClick();
};

// The support paid to supported person 1..3 and the person's own income and
// receipts; subordinate to the support page.
class TF_AbEink : public TForm11 {
    Q_OBJECT
  public:
    TF_AbEink(Seitenumgebung& u, int person, QWidget* eltern = nullptr);
    int Person() const { return instanz_; }
    void FormShow() override;
    void FormClose() override;
    void DatenLaden() override;

  private:
    QLabel* zeitInLbl_ = nullptr;
    QLabel* personPanel_;
};

}  // namespace quarnel::gui
