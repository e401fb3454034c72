// The special-expense pages of insurance contributions, annuities and
// maintenance, church tax and the loss deduction. Each page is built from its
// descriptor, which names its page computation in core.
#pragma once

#include <QLabel>

#include "pages/seitenbau.h"

namespace quarnel::gui {

class BetragFeld;

// Insurance contributions: the wage-card shares shown, the private
// insurances, the list of insurance contributions.
class TF_SAVers : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_SAVers(Seitenumgebung& u, QWidget* eltern = nullptr);
    static const Seitenbeschreibung& Beschreibung();
    void DatenLaden() override;
    // The wage-card sums (line 23 and line 22 of both cards) of person 1 or 2.
    BetragFeld* AnAnteil(int person) const { return anteil_[person - 1]; }
    BetragFeld* AnAnteilAb(int person) const { return anteilAb_[person - 1]; }

  private:
    BetragFeld* anteil_[2];
    BetragFeld* anteilAb_[2];
};

// Annuities, permanent burdens, maintenance of a divorced spouse.
class TF_SaRDL : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_SaRDL(Seitenumgebung& u, QWidget* eltern = nullptr);
    static const Seitenbeschreibung& Beschreibung();
};

// Church tax paid and refunded; interest on taxes is no longer deductible.
class TF_SAKiZi : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_SAKiZi(Seitenumgebung& u, QWidget* eltern = nullptr);
    static const Seitenbeschreibung& Beschreibung();
};

// Loss deduction and the limit of the loss carry-back.
class TF_SAVaVr : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_SAVaVr(Seitenumgebung& u, QWidget* eltern = nullptr);
    static const Seitenbeschreibung& Beschreibung();
};

}  // namespace quarnel::gui
