#include "pages/seitentabelle.h"

#include <QMdiArea>
#include <QStatusBar>
#include <memory>

#include "pages/seiten.h"
#include "pages/seite_belastungen.h"
#include "pages/seite_wohneigentum.h"
#include "pages/seite_gewerbe.h"
#include "pages/seite_kapital.h"
#include "pages/seite_renten.h"
#include "pages/seite_sonderausgaben2.h"
#include "pages/seite_sonderausgaben.h"
#include "pages/seite_werbungskosten.h"
#include "pages/tf_www.h"
#include "print/druckausgabe.h"
#include "shell/tf_globmain.h"

namespace quarnel::gui {

namespace {

using Fabrik = TForm11* (*)(Seitenumgebung&, int seite);

// The expense page `seite` (1..8) of a person; null for a page the areas do not have.
TForm11* Werbungskostenseite(Seitenumgebung& u, int person, int seite) {
    switch (seite) {
        case 1: return new TF_WKFahrt(u, person);
        case 2: return new TForm11(u, WKBVerbSeite, person, person);
        case 3: return new TForm11(u, WKArbMSeite, person, person);
        case 4: return new TF_WKVerpfl(u, person);
        case 5: return new TF_WKDoppH(u, person);
        case 6: return new TF_WKZimmer(u, person);
        case 7: return new TForm11(u, WKReiseSeite, person, person);
        case 8: return new TForm11(u, WKSonstSeite, person, person);
        default: return nullptr;
    }
}

struct Eintrag {
    int bereich;
    int seite;  // 0: every page of the area
    Fabrik fabrik;
};

// A page that is nothing but its descriptor, of catalogue element `E`.
template <const Seitenbeschreibung& B, int E = 1>
TForm11* Beschrieben(Seitenumgebung& u, int) {
    return new TForm11(u, B, 0, E);
}

const Eintrag Seitentabelle[] = {
    // Persons and vehicles, children, wage-tax cards, the employee's expenses.
    {1, 1, [](Seitenumgebung& u, int) -> TForm11* { return new TF_ErSie(u); }},
    {1, 2, [](Seitenumgebung& u, int) -> TForm11* { return new TF_FahrZ(u); }},
    {2, 0, [](Seitenumgebung& u, int s) -> TForm11* { return new TF_Kind(u, s); }},
    {3, 0, [](Seitenumgebung& u, int s) -> TForm11* { return new TF_NSA(u, s); }},
    {4, 0, [](Seitenumgebung& u, int s) { return Werbungskostenseite(u, 1, s); }},
    {5, 0, [](Seitenumgebung& u, int s) { return Werbungskostenseite(u, 2, s); }},
    // Capital income; rental objects 1..4, business, self-employment, farming and forestry.
    {6, 1, [](Seitenumgebung& u, int) -> TForm11* { return new TF_KSO(u); }},
    {7, 0, [](Seitenumgebung& u, int s) -> TForm11* { return new TF_VuV(u, s); }},
    {8, 0, Beschrieben<GSE1Seite>},
    {9, 0, Beschrieben<GSE2Seite>},
    {10, 0, Beschrieben<LuFSeite>},
    // Pensions and other income: page 1 the annuities, pages 2..4 the tabs of one page.
    {11, 1, [](Seitenumgebung& u, int) -> TForm11* { return new TF_Rente(u); }},
    {11, 0, [](Seitenumgebung& u, int s) -> TForm11* { return new TF_SonstEk(u, s - 1); }},
    // Sonderausgaben.
    {12, 1, [](Seitenumgebung& u, int) -> TForm11* { return new TF_SAVers(u); }},
    {12, 2, Beschrieben<SaRDLSeite>},
    {12, 3, Beschrieben<SAKiZiSeite>},
    {12, 4, [](Seitenumgebung& u, int) -> TForm11* { return new TF_SAHaHi(u); }},
    {12, 5, [](Seitenumgebung& u, int) -> TForm11* { return new TF_SaAbKost(u); }},
    {12, 6, [](Seitenumgebung& u, int) -> TForm11* { return new TF_SaSpende(u); }},
    {12, 7, Beschrieben<SAVaVrSeite>},
    // Extraordinary burdens.
    {13, 1, [](Seitenumgebung& u, int) -> TForm11* { return new TF_AbBeHi(u); }},
    {13, 2, [](Seitenumgebung& u, int) -> TForm11* { return new TF_AbHiHeim(u); }},
    {13, 3, Beschrieben<ABHPflegSeite, 0>},
    {13, 4, Beschrieben<AbUntBeSeite, 0>},
    {13, 5, [](Seitenumgebung& u, int) -> TForm11* { return new TF_AbAusBi(u); }},
    {13, 6, Beschrieben<AbAndereSeite, 0>},
    // The owner-occupied home, the taxes paid, the statistics annex.
    {14, 0, [](Seitenumgebung& u, int s) { return WohneigentumSeite(u, s); }},
    {15, 0, [](Seitenumgebung& u, int) -> TForm11* { return new TF_Anrech(u); }},
    {16, 0, [](Seitenumgebung& u, int) -> TForm11* { return new TF_Stat(u); }},
    // The what-if analysis and the quick calculation.
    {17, 1, [](Seitenumgebung& u, int) -> TForm11* { return new TF_WWW(u); }},
    {17, 2, [](Seitenumgebung& u, int) -> TForm11* { return new TF_Kurz(u); }},
};

class HauptfensterUmgebung : public Seitenumgebung {
  public:
    explicit HauptfensterUmgebung(TF_GlobMain& h) : h_(h) {}
    CaseRecord& Satz() override { return h_.Fall().Satz(); }
    Meldungen& Meldungsdienst() override { return h_.Meldungsdienst(); }
    bool FallVeraendert() const override { return h_.FallVeraendert(); }
    void SetzeFallVeraendert(bool v) override { h_.SetzeFallVeraendert(v); }
    int Formularblatt() const override { return h_.Formularblatt(); }
    void SetzeFormularblatt(int b) override { h_.SetzeFormularblatt(b); }
    void SetzeHilfeseite(int s) override { h_.SetzeHilfeseite(s); }
    Listensatz& Liste() override { return h_.Fall().Liste(); }
    bool ListeLesen(int n) override { return h_.Fall().ListeLesen(n); }
    bool ListeSchreiben(int n) override { return h_.Fall().ListeSchreiben(n); }
    void Statuszeile(const QString& t) override { h_.statusBar()->showMessage(t); }
    void Zeigen(TForm11* seite) override { h_.SeiteEinfuegen(seite); }
    void SetzeKurzberechnung(bool aktiv) override { h_.SetzeKurzberechnung(aktiv); }
    int Hauptbreite() const override { return h_.Mdi()->width(); }
    int NutzbareHoehe() const override { return h_.Mdi()->height(); }
    QColor Seitenfarbe() const override {
        const uint32_t bgr = h_.Einst().hintergrund;
        return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    }
    int Reiterschrift() const override { return 9 + h_.Einst().deltaFontSizeTab; }
    bool Drucken(Druckart art, const Druckdaten& d) override {
        Druckausgabe& a = h_.Druck();
        const Druckdaten vorher = a.daten;
        if (d.liste) a.daten.liste = d.liste;
        if (d.afaListe) {
            a.daten.afaListe = d.afaListe;
            a.daten.jahr = d.jahr;
        }
        a.daten.fall = &h_.Fall().Satz();
        // The list jobs go straight to the printer; the dispatcher reports what fails.
        a.DruckAusgabe(static_cast<int>(art), 0, false, art != Druckart::Kapitalliste);
        a.daten = vorher;
        return true;
    }

  private:
    TF_GlobMain& h_;
};

}  // namespace

TForm11* SeiteErzeugen(Seitenumgebung& u, int bereich, int seite) {
    for (const Eintrag& e : Seitentabelle)
        if (e.bereich == bereich && (e.seite == 0 || e.seite == seite)) {
            TForm11* s = e.fabrik(u, seite);
            if (s) s->SetzePosition(bereich, seite);
            return s;
        }
    return nullptr;
}

void SeitenAnbinden(TF_GlobMain& h) {
    auto umgebung = std::make_shared<HauptfensterUmgebung>(h);
    h.fall.seiteErzeugen = [umgebung](int bereich, int seite) -> QWidget* {
        return SeiteErzeugen(*umgebung, bereich, seite);
    };
    h.fall.seiteSichern = [](QWidget* w, bool still) {
        auto* seite = qobject_cast<TForm11*>(w);
        return !seite || seite->EintraegeSichern(still);
    };
    // Without an open case there is no marital status either.
    h.fall.familienstand = [&h] {
        return h.Fallzustand() == 0 ? -1 : int(h.Fall().Satz().Int(Feld::ErSie_FamilienstandLB));
    };
}

std::span<const BeschriebeneSeite> AlleSeitenbeschreibungen() {
    static const BeschriebeneSeite alle[] = {
        {&TF_ErSie::Beschreibung(), 1}, {&BehindNSeite, 8}, {&KindSeite, 6}, {&AusbildSeite, 6},
        {&NSASeite, 4}, {&KurzSeite, 1}, {&FahrZSeite, 4},
        // the expense pages of both persons
        {&WKFahrtSeite, 2}, {&WKBVerbSeite, 2}, {&WKArbMSeite, 2}, {&WKVerpflSeite, 2},
        {&WKDoppHSeite, 2}, {&WKZimmerSeite, 2}, {&WKReiseSeite, 2}, {&WKSonstSeite, 2},
        // rental objects, business, self-employment, farming and forestry
        {&VuVSeite, 4}, {&GSE1Seite, 1}, {&GSE2Seite, 1}, {&LuFSeite, 1},
        // special expenses
        {&SAVersSeite, 1}, {&SaRDLSeite, 1}, {&SAKiZiSeite, 1}, {&SAVaVrSeite, 1},
        {&HausHiSeite, 1}, {&SAHaHiSeite, 1}, {&SaAbKostSeite, 1}, {&SaSpendeSeite, 1},
        // the owner-occupied home, the taxes paid, the statistics annex
        {&SaFW0Seite, 1}, {&SaFW1Seite, 1}, {&SaFW2Seite, 1}, {&SaFW3Seite, 1},
        {&AnrechSeite, 1}, {&StatSeite, 1},
        // extraordinary burdens
        {&AbBeHiSeite, 1}, {&AbHiHeimSeite, 1}, {&ABHPflegSeite, 1}, {&AbUntBeSeite, 1},
        {&AbEinkSeite, 3}, {&AbAndereSeite, 1},
        // pensions and other income, capital income
        {&RenteSeite, 1}, {&SonstEkSeite, 1}, {&KSOSeite, 1}, {&KsoListSeite, 1},
    };
    return alle;
}

}  // namespace quarnel::gui
