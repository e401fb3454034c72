#include "pages/einkommensteile.h"

#include "calc/betrag.h"
#include "calc/parameter.h"

namespace quarnel {

Einkommensteile Einkommen(const CaseRecord& r, const Einkommensfelder& f, int element, int n) {
    auto in = [&](const Feld(&p)[2]) { return r.Dbl(p[0], element); };
    auto summe = [&](const Feld(&p)[2]) { return r.Dbl(p[0], element) + r.Dbl(p[1], element); };
    Einkommensteile e;
    double kapital = summe(f.kapital), kapitalWk = summe(f.kapitalWk);
    double c = kapitalWk >= param::WkKapPausch ? kapital - kapitalWk
                                               : NichtNegativ(kapital - param::WkKapPausch);
    double d = IstPositiv(c) ? NichtNegativ(c - param::SparerFb) : c;
    double sparer = c - d;
    e.p1 = AbrundenDM((d + summe(f.uebrigeEk)) / 12 * n);

    double brutto = summe(f.brutto), werbk = summe(f.werbk);
    double w = werbk >= param::ArbnPausch ? brutto - werbk : brutto - param::ArbnPausch;
    e.p2 = AbrundenDM(Quotient(brutto, in(f.brutto)) * NichtNegativ(w));

    double renten = summe(f.renten), anteil = r.Dbl(f.ertragAnteil, element) / 100;
    double ertrag = anteil * renten;
    e.p3 = Quotient(renten, in(f.renten)) * NichtNegativ(ertrag - param::WkSonstPausch);
    double freiIn = AbrundenDM(NichtNegativ(in(f.renten) - anteil * in(f.renten)));
    double frei = AbrundenDM(NichtNegativ(renten - ertrag));

    e.beihilfen = summe(f.ausBeih);
    e.bz = sparer + summe(f.uebrigeBez) + e.beihilfen + frei;
    double aufwend = summe(f.bezAufwend);
    e.bn = aufwend >= param::BezuegePausch ? e.bz - aufwend
                                           : NichtNegativ(e.bz - param::BezuegePausch);
    e.q = Quotient(e.bz, Quotient(kapital, in(f.kapital)) * sparer + in(f.uebrigeBez) +
                             in(f.ausBeih) + freiIn);
    return e;
}

}  // namespace quarnel
