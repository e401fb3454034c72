// Anlage V (sheets 711..714, 721..724): one rented object per sheet, the
// instance digit being the object (an instance outside 1..4 counts as 1).
#include <array>
#include <optional>

#include "calc/betrag.h"
#include "print/formularwerte.h"

namespace quarnel {

namespace {

constexpr int Objekte = 4;

int ObjektVon(const Feldanfrage& a) { return a.instanz >= 1 && a.instanz <= Objekte ? a.instanz : 1; }

constexpr std::array<Feld, 5> MieteDM{Feld::MieteDM1, Feld::MieteDM2, Feld::MieteDM3,
                                      Feld::MieteDM4, Feld::MieteDM5};
constexpr std::array<Feld, 5> MieteZahl{Feld::MieteZahl1, Feld::MieteZahl2, Feld::MieteZahl3,
                                        Feld::MieteZahl4, Feld::MieteZahl5};
constexpr std::array<Feld, 5> MieteQm{Feld::MieteQm1, Feld::MieteQm2, Feld::MieteQm3,
                                      Feld::MieteQm4, Feld::MieteQm5};
constexpr std::array<Feld, 5> MieteAndere{Feld::MieteAndereR1, Feld::MieteAndereR2,
                                          Feld::MieteAndereR3, Feld::MieteAndereR4,
                                          Feld::MieteAndereR5};
constexpr std::array<Feld, 7> Seite1Betraege{Feld::AngZahl, Feld::AngQm, Feld::AngEinDM,
                                             Feld::UmFremd, Feld::UmAngeh, Feld::MieteFrueh,
                                             Feld::MieteGarage};
constexpr std::array<Feld, 6> AnteilArt{Feld::AnteilArt1, Feld::AnteilArt2, Feld::AnteilArt3,
                                        Feld::AnteilArt4, Feld::AnteilArt5, Feld::AnteilArt6};
constexpr std::array<Feld, 8> AnteilEr{Feld::AnteilEr1, Feld::AnteilEr2, Feld::AnteilEr3,
                                       Feld::AnteilEr4, Feld::AnteilEr5, Feld::AnteilEr6,
                                       Feld::AnteilEr7, Feld::AnteilEr8};
constexpr std::array<Feld, 8> AnteilSie{Feld::AnteilSie1, Feld::AnteilSie2, Feld::AnteilSie3,
                                        Feld::AnteilSie4, Feld::AnteilSie5, Feld::AnteilSie6,
                                        Feld::AnteilSie7, Feld::AnteilSie8};

// A field of the run `felder` that begins at field number `erstes`.
template <std::size_t N>
const Feld* ImLauf(const std::array<Feld, N>& felder, int erstes, int feld) {
    const int i = feld - erstes;
    return i >= 0 && i < static_cast<int>(N) ? &felder[static_cast<std::size_t>(i)] : nullptr;
}

// A cost line of page 2: its total, non-deductible percentage and amount.
struct Kostenzeile {
    Feld ges, proz, ab;
};

// The depreciation rows 1..4, 6, 7 (row 5 has no entry fields).
constexpr std::array<std::optional<Kostenzeile>, 7> Afa{{
    Kostenzeile{Feld::AfaGes1, Feld::AfaProz1, Feld::AfaDm1},
    Kostenzeile{Feld::AfaGes2, Feld::AfaProz2, Feld::AfaDm2},
    Kostenzeile{Feld::AfaGes3, Feld::AfaProz3, Feld::AfaDm3},
    Kostenzeile{Feld::AfaGes4, Feld::AfaProz4, Feld::AfaDm4},
    std::nullopt,
    Kostenzeile{Feld::AfaGes6, Feld::AfaProz6, Feld::AfaDm6},
    Kostenzeile{Feld::AfaGes7, Feld::AfaProz7, Feld::AfaDm7},
}};
constexpr std::array<Feld, 7> AfaDm{Feld::AfaDm1, Feld::AfaDm2, Feld::AfaDm3, Feld::AfaDm4,
                                    Feld::AfaDm5, Feld::AfaDm6, Feld::AfaDm7};
// Fields 15..21; 19 (row 5) is never asked for, its place is a stand-in.
constexpr std::array<Feld, 7> WieVor{Feld::WieVor1, Feld::WieVor2, Feld::WieVor3, Feld::WieVor4,
                                     Feld::WieVor1, Feld::WieVor6, Feld::WieVor7};
constexpr std::array<Feld, 3> WieBlatt{Feld::WieBlatt1, Feld::WieBlatt2, Feld::WieBlatt3};
constexpr std::array<Kostenzeile, 9> LfdKosten{{
    {Feld::LfdKostGes1, Feld::LfdKostProz1, Feld::LfdKostDm1},
    {Feld::LfdKostGes2, Feld::LfdKostProz2, Feld::LfdKostDm2},
    {Feld::LfdKostGes3, Feld::LfdKostProz3, Feld::LfdKostDm3},
    {Feld::LfdKostGes4, Feld::LfdKostProz4, Feld::LfdKostDm4},
    {Feld::LfdKostGes5, Feld::LfdKostProz5, Feld::LfdKostDm5},
    {Feld::LfdKostGes6, Feld::LfdKostProz6, Feld::LfdKostDm6},
    {Feld::LfdKostGes7, Feld::LfdKostProz7, Feld::LfdKostDm7},
    {Feld::LfdKostGes8, Feld::LfdKostProz8, Feld::LfdKostDm8},
    {Feld::LfdKostGes9, Feld::LfdKostProz9, Feld::LfdKostDm9},
}};
constexpr Kostenzeile Zins{Feld::ZinsGes1, Feld::ZinsProz1, Feld::ZinsAb1};
constexpr Kostenzeile Erhaltung[] = {{Feld::ErhGes0, Feld::ErhProz0, Feld::ErhAb0},
                                     {Feld::ErhGes1, Feld::ErhProz1, Feld::ErhAb1},
                                     {Feld::ErhGes2, Feld::ErhProz2, Feld::ErhAb2},
                                     {Feld::ErhGes3, Feld::ErhProz3, Feld::ErhAb3},
                                     {Feld::ErhGes4, Feld::ErhProz4, Feld::ErhAb4}};

// The five values of a cost line: total, DM cross, percentage, amount, total - amount.
// The DM cross: nothing non-deductible by percentage, but an amount.
enum class Kostenteil { Gesamt, Kreuz, Prozent, Betrag, Rest };

struct Objektleser {
    const CaseRecord& r;
    const Definitionszeile& z;
    int o;
    double dbl(Feld f) const { return r.Dbl(f, o); }
    Feldwert betrag(double x) const { return {FormularBetrag(x, z), {}}; }
    Feldwert kreuz(bool an) const { return {Kreuz(an), {}}; }
    Feldwert text(Feld f) const { return {TextGetrimmt(r.Text(f, o)), {}}; }
    Feldwert kosten(const Kostenzeile& k, Kostenteil t) const {
        switch (t) {
            case Kostenteil::Gesamt: return betrag(dbl(k.ges));
            case Kostenteil::Kreuz: return kreuz(IstNull(dbl(k.proz)) && UeberTausendstel(dbl(k.ab)));
            case Kostenteil::Prozent: return betrag(dbl(k.proz));
            case Kostenteil::Betrag: return betrag(dbl(k.ab));
            case Kostenteil::Rest: return betrag(dbl(k.ges) - dbl(k.ab));
        }
        return {};
    }
    template <std::size_t N>
    double summe(const std::array<Feld, N>& felder) const {
        double s = 0;
        for (Feld f : felder) s += dbl(f);
        return s;
    }
};

Feldwert Seite2Afa(const Objektleser& l, int feld) {
    const int zehner = feld / 10, zeile = feld % 10 - 1;  // rows 1..7 in the units 2..8
    if (zeile < 1 || zeile > 7) return {};
    const std::size_t i = static_cast<std::size_t>(zeile - 1);
    if (zehner == 6) return l.betrag(l.dbl(AfaDm[i]));
    const auto& k = Afa[i];
    if (!k) return {};
    switch (zehner) {
        case 3: return l.kosten(*k, Kostenteil::Gesamt);
        case 4: return l.kosten(*k, Kostenteil::Kreuz);
        case 5: return l.kosten(*k, Kostenteil::Prozent);
        case 7: return l.kosten(*k, Kostenteil::Rest);
        default: return {};
    }
}

}  // namespace

Feldwert Blatt71Wert(const CaseRecord& r, const Feldanfrage& a) {
    const Definitionszeile& z = *a.zeile;
    const Objektleser l{r, z, ObjektVon(a)};
    const int f = z.feld;
    if (const Feld* x = ImLauf(MieteDM, 9, f)) return l.betrag(l.dbl(*x));
    if (const Feld* x = ImLauf(MieteZahl, 14, f)) return l.betrag(l.dbl(*x));
    if (const Feld* x = ImLauf(MieteQm, 19, f)) return l.betrag(l.dbl(*x));
    if (const Feld* x = ImLauf(MieteAndere, 24, f)) return l.betrag(l.dbl(*x));
    if (const Feld* x = ImLauf(Seite1Betraege, 32, f)) return l.betrag(l.dbl(*x));
    if (const Feld* x = ImLauf(AnteilArt, 61, f)) return l.text(*x);
    if (const Feld* x = ImLauf(AnteilEr, 71, f)) return l.betrag(l.dbl(*x));
    if (const Feld* x = ImLauf(AnteilSie, 81, f)) return l.betrag(l.dbl(*x));
    switch (f) {
        case 0: return {NameEinePerson(r), {}};
        case 1: return {NameEhegatte(r), {}};
        case 2: return {r.Text(Feld::Steuernummer), {}};
        case 3: return l.kreuz(true);
        case 4: return l.text(Feld::Objekt);
        case 5: return {Datum(r.Int(Feld::AnschaffDat, l.o)), {}};
        case 6: return {Datum(r.Int(Feld::FertigDat, l.o)), {}};
        case 7: return l.betrag(l.dbl(Feld::EigenNutzqm));
        case 30: return l.betrag(l.summe(MieteDM));
        case 31: return l.betrag(l.summe(MieteAndere));
        case 40: return l.betrag(l.dbl(Feld::EigZuschuss));
        case 41: return l.betrag(l.dbl(Feld::EigZuschussMinus));
        case 42: return l.betrag(l.dbl(Feld::EigZuschuss) - l.dbl(Feld::EigZuschussMinus));
        case 45: return l.betrag(l.dbl(Feld::ObjEinnahmenSumme));
        case 46: return l.betrag(l.dbl(Feld::ObjWerbKostSumme));
        case 47: return l.betrag(l.dbl(Feld::ObjEinkuenfte));
        case 51: return l.betrag(l.dbl(Feld::ObjAnteilEr));
        case 52: return l.betrag(l.dbl(Feld::ObjAnteilSie));
        case 53:
        case 54: {
            // The first object's sheet carries the shares of the other three.
            if (l.o != 1) return {};
            const Feld anteil = f == 53 ? Feld::ObjAnteilEr : Feld::ObjAnteilSie;
            double s = 0;
            for (int o = 2; o <= Objekte; ++o) s += r.Dbl(anteil, o);
            return l.betrag(s);
        }
        default: return {};
    }
}

Feldwert Blatt72Wert(const CaseRecord& r, const Feldanfrage& a) {
    const Definitionszeile& z = *a.zeile;
    const Objektleser l{r, z, ObjektVon(a)};
    const int f = z.feld;
    auto kostenfeld = [&](const Kostenzeile& k, int erstes, int schritt) -> std::optional<Feldwert> {
        for (int t = 0; t < 5; ++t)
            if (f == erstes + t * schritt) return l.kosten(k, static_cast<Kostenteil>(t));
        return std::nullopt;
    };
    if (f >= 131 && f <= 177 && f % 10 >= 1 && f % 10 <= 7)
        return l.kosten(LfdKosten[static_cast<std::size_t>(f % 10 + 1)],
                        static_cast<Kostenteil>(f / 10 - 13));
    if (f >= 80 && f <= 89) return l.kosten(LfdKosten[f < 85 ? 0 : 1], static_cast<Kostenteil>((f - 80) % 5));
    if (auto w = kostenfeld(Zins, 39, 10)) return *w;
    if (f >= 32 && f <= 78 && f % 10 >= 2 && f % 10 <= 8) return Seite2Afa(l, f);
    if (f >= 15 && f <= 21 && f != 19) return l.kreuz(r.Bool(WieVor[static_cast<std::size_t>(f - 15)], l.o));
    if (const Feld* x = ImLauf(WieBlatt, 22, f)) return l.kreuz(r.Bool(*x, l.o));
    const bool afa2 = UeberTausendstel(l.dbl(Feld::AfaGes2));
    switch (f) {
        case 12: return l.kreuz(r.Bool(Feld::P7linear, l.o) && IstPositiv(l.dbl(Feld::P7degProz)));
        case 13: return l.kreuz(r.Bool(Feld::P7Deg, l.o) && IstPositiv(l.dbl(Feld::P7degProz)));
        case 14: return l.betrag(l.dbl(Feld::P7degProz));
        case 90: return l.kosten(Erhaltung[0], Kostenteil::Gesamt);
        case 91: return l.kosten(Erhaltung[0], Kostenteil::Betrag);
        case 92: return l.kosten(Erhaltung[0], Kostenteil::Rest);
        case 95: return l.kosten(Erhaltung[1], Kostenteil::Gesamt);
        case 96: return l.kosten(Erhaltung[1], Kostenteil::Prozent);
        case 97: return l.kosten(Erhaltung[1], Kostenteil::Betrag);
        case 98: return l.kosten(Erhaltung[1], Kostenteil::Rest);
        case 101: return l.betrag(l.dbl(Feld::ErhAufwand));
        case 102: return l.kosten(Erhaltung[2], Kostenteil::Gesamt);
        case 111: return l.betrag(l.dbl(Feld::ErhJahr1));
        case 112: return l.betrag(l.dbl(Feld::ErhJahr2));
        case 121: return l.betrag(l.dbl(Feld::ErhJahr3));
        case 122: return l.betrag(l.dbl(Feld::ErhJahr4));
        case 181: return l.betrag(l.dbl(Feld::ObjWerbKostSumme));
        case 191: return l.betrag(l.dbl(Feld::ZuschussEr));
        case 192: return l.betrag(l.dbl(Feld::ZuschussSie));
        case 193: return afa2 ? l.kreuz(r.Bool(Feld::MittelOeffHHCb, l.o)) : Feldwert{};
        case 194: return afa2 ? l.kreuz(!r.Bool(Feld::MittelOeffHHCb, l.o)) : Feldwert{};
        case 195: return l.kreuz(r.Bool(Feld::Besch7kCB, l.o));
        default: break;
    }
    // Rows 2..4 of the maintenance costs: 103..107, 113..117, 123..127.
    if (f >= 103 && f <= 127 && f % 10 >= 3 && f % 10 <= 7)
        return l.kosten(Erhaltung[static_cast<std::size_t>(f / 10 - 8)], static_cast<Kostenteil>(f % 10 - 3));
    return {};
}

}  // namespace quarnel
