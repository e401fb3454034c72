// Main form, page 2 (sheet 12): the annexes enclosed, tax-free wages and
// benefits under the progression proviso, part-year residence and the
// application to be treated as fully liable.
#include "calc/betrag.h"
#include "print/formularauswahl.h"
#include "print/formularwerte.h"

namespace quarnel {

Feldwert Blatt12Wert(const CaseRecord& r, const Feldanfrage& a) {
    const bool joint = r.Bool(Feld::Splitting);
    const Definitionszeile& z = *a.zeile;
    auto kreuz = [&](Feld f) { return Feldwert{Kreuz(r.Bool(f)), {}}; };
    auto betrag = [&](double x) { return Feldwert{FormularBetrag(x, z), {}}; };
    auto wert = [&](Feld f) { return betrag(r.Dbl(f)); };
    // The spouse's counterpart counts only for a joint assessment.
    auto mitEhegatte = [&](Feld er, Feld sie) { return betrag(r.Dbl(er) + (joint ? r.Dbl(sie) : 0)); };
    auto nurEhegatte = [&](Feldwert w) { return joint ? w : Feldwert{}; };

    // The enclosed annexes: what the return prints, plus the user's own ticks.
    auto anlagen = [&r] { return AnlagenDerErklaerung(r); };
    auto an = [](bool x) { return Feldwert{Kreuz(x), {}}; };
    auto zahl = [&](int n) { return betrag(n); };

    switch (z.feld) {
        case 1: return an(anlagen().kap);
        case 2: return kreuz(Feld::AnlKapU3100);
        case 3: return an(anlagen().so);
        case 4: return kreuz(Feld::AnlSONichtGet);
        case 5: return kreuz(Feld::AnlSoU1000);
        case 6: return an(anlagen().nEr);
        case 7: return nurEhegatte(an(anlagen().nSie));
        case 8: return an(anlagen().gse);
        case 9: return an(anlagen().land);
        case 10: return an(anlagen().v);
        case 11: return zahl(anlagen().vZahl);
        case 12: return an(anlagen().aus);
        case 13: return zahl(anlagen().ausZahl);
        case 14: return an(anlagen().kinder);
        case 15: return zahl(anlagen().kinderZahl);
        case 16: return an(anlagen().fw);
        case 17: return zahl(anlagen().fwZahl);
        case 18: return kreuz(Feld::AusserOrdEkUnwiederCB);
        case 21: return wert(Feld::Besch630Er);
        case 22: return nurEhegatte(wert(Feld::Besch630Sie));
        case 23: return {Kreuz(IstPositiv(r.Dbl(Feld::GetVerAnteilAuGeBel))), {}};
        case 24: return wert(Feld::GetVerAnteilAuGeBel);
        case 25: return wert(Feld::EinkErsProgEr);
        case 26: return nurEhegatte(wert(Feld::EinkErsProgSie));
        case 33: return {Zeitraum(r.Int(Feld::ZeitwAuslEkVom), r.Int(Feld::ZeitwAuslEkBis)), {}};
        case 34: return mitEhegatte(Feld::ZeitwAuslEkEr, Feld::ZeitwAuslEkSie);
        case 35: return mitEhegatte(Feld::ZeitwAuslEkdavHalbEr, Feld::ZeitwAuslEkdavHalbSie);
        case 36: return mitEhegatte(Feld::PosSumNichtDtEkStEr, Feld::PosSumNichtDtEkStSie);
        case 41: return kreuz(Feld::AusStplAntrag);
        case 42: return kreuz(Feld::AusStplAntragEuEWR);
        case 43: return kreuz(Feld::AusStplAntragAusEuEWR);
        case 44: return kreuz(Feld::EuEwrAntrag);
        case 45: return kreuz(Feld::AuserhalbuEwrAntrag);
        default: return {};
    }
}

}  // namespace quarnel
