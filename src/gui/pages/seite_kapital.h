// Capital income: the page of the area, which only shows the sums, and the
// list of single receipts (domestic, foreign, participations) it opens,
// entry by entry. The sums are computed by the core whenever the list closes.
#pragma once

#include <QLabel>
#include <array>

#include "pages/kapital.h"
#include "pages/seitenbau.h"

class QAbstractButton;
class QPushButton;

namespace quarnel::gui {

class AuswahlBox;
class TF_KsoList;

extern const Seitenbeschreibung KSOSeite, KsoListSeite;

// "Einkünfte aus Kapitalvermögen": every field a result of the list.
class TF_KSO : public TForm11 {
    Q_OBJECT
  public:
    explicit TF_KSO(Seitenumgebung& u, QWidget* eltern = nullptr);
    void FormShow() override;
    void FormActivate() override;
    void DatenLaden() override;
    void DatenSpeichern() override {}  // nothing here is entered
    // "&Liste ....": opens the list at its tab 0, 1 or 2.
    void ListeBtnClick(int tab);
    TF_KsoList* OffeneListe() const { return liste_; }

  private:
    void Freigaben();
    QPointer<TF_KsoList> liste_;
    // The sums of both kinds of receipts and expenses taken into account.
    BetragFeld* suEin_[2];
    BetragFeld* suWk_[2];
};

// "Liste der Kapitalerträge": one entry of each list at a time.
class TF_KsoList : public TForm11 {
    Q_OBJECT
  public:
    // `tab`: the list to show first (0 domestic, 1 foreign, 2 participations).
    TF_KsoList(Seitenumgebung& u, int tab, QWidget* eltern = nullptr);

    int Aktuell(KapListe l) const { return reiter_[Nr(l)].aktuell; }
    KapListe Sichtbar() const;
    QLabel* LfdLbl(KapListe l) const { return reiter_[Nr(l)].lfd; }
    // The person boxes "Stpfl.", "Ehegatte", "beide" and the kind boxes of a list
    // (the domestic list has two: interest, dividends).
    QAbstractButton* PersonBox(KapListe l, int person) const {
        return reiter_[Nr(l)].person[person - 1];
    }
    AuswahlBox* ArtBox(KapListe l, int k = 0) const { return reiter_[Nr(l)].art[k]; }
    bool Uebernahme() const { return uebernahme_; }

    void VorBtnClick(KapListe l);
    void BackBtnClick(KapListe l);
    void LoeschBtnClick(KapListe l);
    void EinfBtnClick(KapListe l);
    void OkBtnClick();
    void DruckBtnClick();

    void DatenLaden() override;
    void DatenSpeichern() override;
    void FormShow() override;
    void FormClose() override;

  private:
    struct Reiter {
        KapListe liste;
        QString titel;
        int aktuell = 1;
        QLabel* lfd = nullptr;
        std::array<QAbstractButton*, 3> person{};
        std::array<AuswahlBox*, 2> art{};
    };
    static int Nr(KapListe l) { return static_cast<int>(l); }
    void ReiterAusbauen(Reiter& r);
    void Blaettern(KapListe l, int schritt);
    // Asks `frage`, then runs the row command on the current entry of `l`.
    void Zeilenbefehl(KapListe l, const char* frage, void (*befehl)(CaseRecord&, KapListe, int));
    // Points the bound fields of a list at its current entry.
    void EintragWaehlen(const Reiter& r);
    void Freigaben();
    void Freigabe(Feld f, bool an);
    int ersterReiter_;
    bool uebernahme_ = false;
    std::array<Reiter, 3> reiter_;
};

}  // namespace quarnel::gui
