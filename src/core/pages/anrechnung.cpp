#include "pages/anrechnung.h"

#include "pages/kapital.h"

namespace quarnel {

namespace {

double BeideKarten(const CaseRecord& r, Feld f, int person) {
    return r.Dbl(f, 2 * (person - 1) + 1) + r.Dbl(f, 2 * (person - 1) + 2);
}

struct Einbehalten {
    double lohnsteuer, kirchensteuer, soli;
};

Einbehalten Karten(const CaseRecord& r, int person) {
    return {BeideKarten(r, Feld::LStBrutto, person) + BeideKarten(r, Feld::LStMj, person),
            BeideKarten(r, Feld::KiStAnBrutto, person) +
                BeideKarten(r, Feld::KiStEheBrutto, person) +
                BeideKarten(r, Feld::KiStAnMj, person) + BeideKarten(r, Feld::KiStEheMj, person),
            BeideKarten(r, Feld::SoliBrutto, person) + BeideKarten(r, Feld::SoliMj, person)};
}

}  // namespace

void AnrechRechnen(CaseRecord& r) {
    const Einbehalten er = Karten(r, 1);
    r.SetzeDbl(Feld::LstEr, er.lohnsteuer);
    r.SetzeDbl(Feld::KistEr, er.kirchensteuer);
    r.SetzeDbl(Feld::SoliEr, er.soli);
    const Einbehalten sie = r.Bool(Feld::Splitting) ? Karten(r, 2) : Einbehalten{0, 0, 0};
    r.SetzeDbl(Feld::LstSie, sie.lohnsteuer);
    r.SetzeDbl(Feld::KistSie, sie.kirchensteuer);
    r.SetzeDbl(Feld::SoliSie, sie.soli);

    r.SetzeDbl(Feld::AnzKap, r.Dbl(Feld::SummeAnrechKapErtSt));
    r.SetzeDbl(Feld::AnzKoest, r.Dbl(Feld::SummeAnrechKoerpSt));
    r.SetzeDbl(Feld::AnzSoli, r.Dbl(Feld::SummeAnrechSoli));
    r.SetzeDbl(Feld::VerKoest, r.Dbl(Feld::SummeVergKoerpSt));
}

double StatistikSumme(const CaseRecord& r) {
    // The amounts lie one after the other from the first to the last; the
    // § 7 g (7) amount in between is left out.
    const std::size_t erstes = CaseRecord::Offset(Feld::P7_GebLin);
    const std::size_t letztes = CaseRecord::Offset(Feld::P4a5);
    const std::size_t ohne = CaseRecord::Offset(Feld::P7g7);
    double s = 0;
    for (std::size_t off = erstes; off <= letztes; off += 8)
        if (off != ohne) s += r.LeseDouble(off);
    return s;
}

void StatistikFlagRechnen(CaseRecord& r) {
    if (StatistikSumme(r) > 0.1) r.SetzeBool(Feld::AnlStFlag, true);
}

}  // namespace quarnel
