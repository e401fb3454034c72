// The owner-occupied home pages (the object, the new states before 1991, the
// old states before 1987, the § 10e/15b page that serves both places of the
// states from 1991 and 1987), the taxes paid and the statistics annex. Each
// page is built from its descriptor; a class adds what the descriptor cannot
// say: the page computations in core and when they run.
#pragma once

#include <QLabel>

#include "pages/seitenbau.h"

namespace quarnel::gui {

// The object; a home in the new states acquired or built before 1991 (§ 7
// FördG, § 10f) and one in the old states before 1987 (§ 14a BerlinFG, § 10f),
// both nothing but their descriptor; § 10e/15b; the taxes paid; statistics.
extern const Seitenbeschreibung SaFW0Seite, SaFW1Seite, SaFW2Seite, SaFW3Seite, AnrechSeite,
    StatSeite;

// The home's location, owner, kind, areas, dates and the separately
// determined shares. No computation: a changed entry stores and reloads.
class TF_SaFW0 : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_SaFW0(Seitenumgebung& u, QWidget* eltern = nullptr);
    void FormShow() override;
};

// § 10e/15b, further deductions, costs before moving in and the children; one
// home, whether opened from the new or the old states. Leaving a changed
// field runs the computation of its group; the controller's edit step only
// marks the case changed.
class TF_SaFW3 : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_SaFW3(Seitenumgebung& u, QWidget* eltern = nullptr);
    void FormShow() override;
    void AnzeigeRechnen() override {}
    QLabel* KinderLtAnlageLbl() const { return kinderLbl_; }

  protected:
    void FeldVerlassen(QWidget* w) override;

  private:
    QLabel* kinderLbl_;
};

// The page of the owner-occupied home area for navigator page 1..5.
TForm11* WohneigentumSeite(Seitenumgebung& u, int seite);

// Prepayments entered, taxes withheld shown (computed before the page loads);
// the spouse's fields only with joint assessment.
class TF_Anrech : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_Anrech(Seitenumgebung& u, QWidget* eltern = nullptr);
    void FormShow() override;
};

// The thirty amounts of the statistics annex; storing them sets the annex's
// flag when they add up to something.
class TF_Stat : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_Stat(Seitenumgebung& u, QWidget* eltern = nullptr);
    void FormShow() override;
    void DatenSpeichern() override;
};

}  // namespace quarnel::gui
