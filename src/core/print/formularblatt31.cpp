// Anlage N, page 1 (sheets 311, 312): the wage-tax cards of one person.
#include <algorithm>

#include "calc/betrag.h"
#include "print/formularwerte.h"

namespace quarnel {

Feldwert Blatt31Wert(const CaseRecord& r, const Feldanfrage& a) {
    const int p = a.instanz == 2 ? 2 : 1;
    // The spouse's annex prints nothing for a case taxed by the basic table.
    if (p == 2 && r.Bool(Feld::Grundtabelle)) return {};
    const int k1 = Lohnkarte(p, 1), k2 = Lohnkarte(p, 2);
    const Definitionszeile& z = *a.zeile;
    auto betrag = [&](double x) { return Feldwert{FormularBetrag(x, z), {}}; };
    auto karte1 = [&](Feld f) { return betrag(r.Dbl(f, k1)); };
    auto karte2 = [&](Feld f) { return betrag(r.Dbl(f, k2)); };
    auto beide = [&](Feld f) { return betrag(r.Dbl(f, k1) + r.Dbl(f, k2)); };
    auto text1 = [&](Feld f) { return Feldwert{r.Text(f, k1), {}}; };
    auto kreuz1 = [&](Feld f) { return Feldwert{Kreuz(r.Bool(f, k1)), {}}; };
    const bool keineRV = r.Bool(Feld::KeineRVPflBeamterCB, k1) ||
                         r.Bool(Feld::KeineRVPflVorstandCB, k1) ||
                         r.Bool(Feld::KeineRVPflEhegatteCB, k1) ||
                         TextGetrimmt(r.Text(Feld::KeineRVPflAls, k1)).size() > 2;
    auto wennKeineRV = [&](bool an) { return Feldwert{keineRV ? Kreuz(an) : std::string(), {}}; };

    switch (z.feld) {
        case 1: return {NameAnlageN(r, p), {}};
        case 2: return {r.Text(Feld::Steuernummer), {}};
        case 3: return text1(Feld::Steuerklasse);
        case 4: return karte1(Feld::Brutto);
        case 5: return karte1(Feld::LStBrutto);
        case 6: return karte1(Feld::SoliBrutto);
        case 7: return karte1(Feld::KiStAnBrutto);
        case 8: return karte1(Feld::KiStEheBrutto);
        case 9: return karte2(Feld::Brutto);
        case 10: return karte2(Feld::LStBrutto);
        case 11: return karte2(Feld::SoliBrutto);
        case 12: return karte2(Feld::KiStAnBrutto);
        case 13: return karte2(Feld::KiStEheBrutto);
        case 14: return beide(Feld::StBefrNacht630);
        case 15: return beide(Feld::Versbez);
        case 16: return beide(Feld::VersBezMJ);
        case 17: return beide(Feld::BruttoMj);
        case 18: return beide(Feld::Entsch);
        case 19: return beide(Feld::LStMj);
        case 20: return beide(Feld::KiStAnMj);
        case 21: return beide(Feld::SoliMj);
        case 22: return beide(Feld::KiStEheMj);
        case 23: return beide(Feld::LohnOhneAbzug);
        case 24: return beide(Feld::LohnDBA);
        case 25: return text1(Feld::LohnDBAStaat);
        case 26: return beide(Feld::LohnATE);
        case 27: return text1(Feld::LohnATEStaat);
        case 28: return text1(Feld::GGNach);
        case 29: return beide(Feld::GGAlo);
        case 30: return karte1(Feld::Schweizer);
        case 32: return text1(Feld::StFAufEntAls);
        case 33: return beide(Feld::StFAufEntbetrag);
        case 34: return karte1(Feld::KurzarbGeld);
        case 35: {
            constexpr Feld ersatz[] = {Feld::AndLoErs1, Feld::AndLoErs2, Feld::AndLoErs3,
                                       Feld::AndLoErs4, Feld::AndLoErs5, Feld::AndLoErs6,
                                       Feld::AndLoErs7};
            double s = 0;
            for (Feld f : ersatz) s += r.Dbl(f, k1);
            return betrag(s);
        }
        case 36: return text1(Feld::ZeitenNichtbesch);
        case 37: {
            constexpr Feld vwl[] = {Feld::Vwl1Betrag, Feld::Vwl2Betrag, Feld::Vwl3Betrag,
                                    Feld::Vwl4Betrag};
            const auto zahl = std::count_if(std::begin(vwl), std::end(vwl),
                                            [&](Feld f) { return IstPositiv(r.Dbl(f, k1)); });
            return betrag(static_cast<double>(zahl));
        }
        case 39: return kreuz1(Feld::KeineRVPflBeamterCB);
        case 40: return kreuz1(Feld::KeineRVPflVorstandCB);
        case 41: return kreuz1(Feld::KeineRVPflEhegatteCB);
        case 42: return {TextGetrimmt(r.Text(Feld::KeineRVPflAls, k1)), {}};
        case 45: return wennKeineRV(r.Bool(Feld::KeineRVPflAnwartschaftCB, k1));
        case 46: return wennKeineRV(!r.Bool(Feld::KeineRVPflAnwartschaftCB, k1));
        case 48: return wennKeineRV(r.Bool(Feld::KeineRVPflStFreieAgZuCB, k1));
        case 49: return wennKeineRV(!r.Bool(Feld::KeineRVPflStFreieAgZuCB, k1));
        case 51: return kreuz1(Feld::BeamtenRVersBezCB);
        case 52: return kreuz1(Feld::AltersruhegeldRVCB);
        default: return {};
    }
}

}  // namespace quarnel
