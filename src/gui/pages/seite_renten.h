// The pages of the other income: the four annuities of taxpayer and spouse
// with their Ertragsanteil, and the recurring receipts, services, members'
// pay and private sales, the last in a notebook of its own.
#pragma once

#include "pages/seitenbau.h"

class QTabWidget;

namespace quarnel::gui {

extern const Seitenbeschreibung RenteSeite, SonstEkSeite;

// The annuities: two tabs of the taxpayer, two of the spouse (these only
// with joint assessment).
class TF_Rente : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_Rente(Seitenumgebung& u, QWidget* eltern = nullptr);
    void FormShow() override;

  protected:
    void DatumEnter(DatumFeld* d) override;
};

// The other income; `teil` 1..3 is the tab of Nb1 shown first (recurring
// receipts and services, members of parliament, private sales).
class TF_SonstEk : public TForm11 {
    Q_OBJECT
  public:
    TF_SonstEk(Seitenumgebung& u, int teil, QWidget* eltern = nullptr);
    void FormShow() override;
    QTabWidget* Nb1() const { return OvcNb(); }
    QTabWidget* Nb2() const { return nb2_; }

  private:
    void Nb1PageChanged(int index);
    QTabWidget* nb2_;
};

}  // namespace quarnel::gui
