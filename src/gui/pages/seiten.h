// The entry pages built from the field catalogue: persons and tax table,
// disability, children, education, the education-allowance overview, the
// wage-tax cards and the quick calculation. One class per window; each adds
// to its descriptor only the behaviour a descriptor cannot express.
#pragma once

#include <QLabel>

#include "pages/seitenbau.h"

class QPushButton;

namespace quarnel::gui {

extern const Seitenbeschreibung NSASeite, BehindNSeite, KindSeite, AusbildSeite, KurzSeite;

// One wage-tax card: cards 1, 2 of the taxpayer and 3, 4 of the spouse.
class TF_NSA : public TForm11 {
    Q_OBJECT
  public:
    TF_NSA(Seitenumgebung& u, int karte, QWidget* eltern = nullptr);
    int Person() const { return instanz_ <= 2 ? 1 : 2; }
    int Karte() const { return instanz_ <= 2 ? instanz_ : instanz_ - 2; }
    void FormShow() override;
};

// The disability of person 1 (taxpayer), 2 (spouse) or 3..8 (child 1..6).
class TF_BehindN : public TForm11 {
    Q_OBJECT
  public:
    TF_BehindN(Seitenumgebung& u, int person, QWidget* eltern = nullptr);
    void FormShow() override;
    void FormClose() override;
    void AnzeigeRechnen() override;

  protected:
    void FeldVerlassen(QWidget* w) override;

  private:
    void Freigaben();
    int gemerktesBlatt_ = 0;
};

// One child with its allowances.
class TF_Kind : public TForm11 {
    Q_OBJECT
  public:
    TF_Kind(Seitenumgebung& u, int kind, QWidget* eltern = nullptr);
    void FormShow() override;
    void FormActivate() override;
    void AnzeigeRechnen() override;
    void DatenSpeichern() override;

  protected:
    void FeldVerlassen(QWidget* w) override;

  private:
    void KindschaftLBChange();
    void Blatt();
    void BehinderungOeffnen();
    void AusbildungOeffnen();
    bool rechnet_ = false;
    QLabel* kinderFbLbl_;
    QLabel* betreuFbLbl_;
    QLabel* haushaltFbLbl_;
    QLabel* behPbKind_;
    QLabel* zeitInLbl_ = nullptr;
    QPointer<QWidget> letzterKnopf_;
};

// The education allowance of one child, opened from the children page.
class TF_Ausbild : public TForm11 {
    Q_OBJECT
  public:
    TF_Ausbild(Seitenumgebung& u, int kind, QWidget* eltern = nullptr);
    void FormShow() override;
    void FormClose() override;
    void AnzeigeRechnen() override;
    void UebernahmeClick();

  protected:
    void DatumEnter(DatumFeld* d) override;
    void FeldVerlassen(QWidget*) override { AnzeigeRechnen(); }

  private:
    QLabel* zeitraumLbl_;
    QLabel* zeitInLbl_ = nullptr;
    bool rechnet_ = false;
};

// The six children's education allowances, read only.
class TF_AbAusBi : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_AbAusBi(Seitenumgebung& u, QWidget* eltern = nullptr);
    void DatenLaden() override;
    void DatenSpeichern() override {}

  private:
    QLabel* namen_[6];
    QLabel* betraege_[6];
};

// The quick calculation with its own fields.
class TF_Kurz : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_Kurz(Seitenumgebung& u, QWidget* eltern = nullptr);
    ~TF_Kurz() override;
    void FormShow() override;
    void DatenSpeichern() override;
};

}  // namespace quarnel::gui

namespace quarnel::gui {

// The persons of the case, the tax office, the bank, the annexes, and the
// choice of the basic or the splitting table.
class TF_ErSie : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_ErSie(Seitenumgebung& u, QWidget* eltern = nullptr);
    static const Seitenbeschreibung& Beschreibung();
    void DatenLaden() override;
    void DatenSpeichern() override;
    void FormShow() override;
    void FormActivate() override;
    void FormClose() override;
    bool Grundtabelle() const { return grund_; }
    bool Splitting() const { return splitting_; }

  protected:
    void DatumEnter(DatumFeld* d) override;
    void FeldVerlassen(QWidget* w) override;

  private:
    void Sichtbarkeit(bool ausAenderung);
    void Religionsdaten();
    void Entscheidung();
    void Tabellenanzeige();
    // The choice of assessment: the rule of the field on the case, its note
    // shown; the choices the table and the marital status allow.
    void VeranlagungsartRegel();
    void VeranlagungsartAnzeigen(const CaseRecord& kopie);
    void BehinderungOeffnen(int person);
    bool grund_ = true, splitting_ = false;
    QLabel* meldungLbl_;
    QLabel* behPbStpfl_;
    QLabel* behPbEheg_;
};

}  // namespace quarnel::gui
