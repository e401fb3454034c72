// The profit pages (business, self-employment, farming and forestry) and the
// rental objects 1..4. Each page is built from its descriptor; only the
// rental page adds what a descriptor cannot say.
#pragma once

#include "pages/seitenbau.h"

namespace quarnel::gui {

// Business, self-employment, farming and forestry: pages that are nothing
// but their descriptor (the generic page builds them).
extern const Seitenbeschreibung GSE1Seite, GSE2Seite, LuFSeite;
// The rented property's page.
extern const Seitenbeschreibung VuVSeite;

// One rented property (object 1..4), each in its own block of the record.
class TF_VuV : public TForm11 {
    Q_OBJECT
  public:
    TF_VuV(Seitenumgebung& u, int objekt, QWidget* eltern = nullptr);
    int Objekt() const { return instanz_; }
    void FormShow() override;
    void DatenSpeichern() override;
    void AnzeigeRechnen() override;

  protected:
    void FeldVerlassen(QWidget* w) override;

  private:
    void PageChanged(int index);
    void ErhJahrExit();
    void ObjektProzErExit();
    int gemerktesBlatt_ = 0;
};

}  // namespace quarnel::gui
