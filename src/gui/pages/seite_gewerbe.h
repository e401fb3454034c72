// The profit pages (business, self-employment, farming and forestry) and the
// rental objects 1..4. Each page is built from its descriptor; a class adds
// only what the descriptor cannot say: the spouse's fields only under the
// splitting table, and the page computation after every change.
#pragma once

#include "pages/seitenbau.h"

namespace quarnel::gui {

class TF_GSE1 : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_GSE1(Seitenumgebung& u, QWidget* eltern = nullptr);
    static const Seitenbeschreibung& Beschreibung();
};

class TF_GSE2 : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_GSE2(Seitenumgebung& u, QWidget* eltern = nullptr);
    static const Seitenbeschreibung& Beschreibung();
};

class TF_LuF : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_LuF(Seitenumgebung& u, QWidget* eltern = nullptr);
    static const Seitenbeschreibung& Beschreibung();
};

// One rented property (object 1..4), each in its own block of the record.
class TF_VuV : public TForm11 {
    Q_OBJECT
  public:
    TF_VuV(Seitenumgebung& u, int objekt, QWidget* eltern = nullptr);
    static const Seitenbeschreibung& Beschreibung();
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
