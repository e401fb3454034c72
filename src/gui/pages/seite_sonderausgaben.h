// The special-expense pages of insurance contributions, annuities and
// maintenance, church tax and the loss deduction. Each page is built from its
// descriptor, which names its page computation in core.
#pragma once

#include <QLabel>

#include "pages/seitenbau.h"

namespace quarnel::gui {

class BetragFeld;

// The descriptors of the area's first pages. Annuities, permanent burdens and
// maintenance, church tax, the loss deduction: pages that are nothing but
// their descriptor (the generic page builds them).
extern const Seitenbeschreibung SAVersSeite, SaRDLSeite, SAKiZiSeite, SAVaVrSeite;

// Insurance contributions: the wage-card shares shown, the private
// insurances, the list of insurance contributions.
class TF_SAVers : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_SAVers(Seitenumgebung& u, QWidget* eltern = nullptr);
    void DatenLaden() override;
    // The wage-card sums (line 23 and line 22 of both cards) of person 1 or 2.
    BetragFeld* AnAnteil(int person) const { return anteil_[person - 1]; }
    BetragFeld* AnAnteilAb(int person) const { return anteilAb_[person - 1]; }

  private:
    BetragFeld* anteil_[2];
    BetragFeld* anteilAb_[2];
};

}  // namespace quarnel::gui
