#include "pages/einkuenfte_seiten.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "calc/betrag.h"
#include "calc/parameter.h"
#include "pages/kapital.h"

namespace quarnel {

namespace {

bool Zusammen(const CaseRecord& r) {
    return r.Bool(Feld::Splitting);
}

}  // namespace

// --- rental objects ------------------------------------------------------------------

double AbzugRechnen(CaseRecord& r, int objekt, Feld gesamt, Feld prozent, Feld abzug) {
    const double g = r.Dbl(gesamt, objekt);
    const double p = r.Dbl(prozent, objekt);
    double d = r.Dbl(abzug, objekt);
    if (IstPositiv(p)) {
        d = AbrundenDM(p / 100 * g);
        r.SetzeDbl(abzug, d, objekt);
    }
    return NichtNegativ(g - d);
}

namespace {

struct Kostenzeile {
    Feld gesamt, prozent, abzug;
};

constexpr Kostenzeile ObjektKosten[] = {
    {Feld::ZinsGes1, Feld::ZinsProz1, Feld::ZinsAb1},
    {Feld::AfaGes1, Feld::AfaProz1, Feld::AfaDm1},
    {Feld::AfaGes2, Feld::AfaProz2, Feld::AfaDm2},
    {Feld::AfaGes3, Feld::AfaProz3, Feld::AfaDm3},
    {Feld::AfaGes4, Feld::AfaProz4, Feld::AfaDm4},
    {Feld::AfaGes6, Feld::AfaProz6, Feld::AfaDm6},
    {Feld::AfaGes7, Feld::AfaProz7, Feld::AfaDm7},
    {Feld::ErhGes0, Feld::ErhProz0, Feld::ErhAb0},
    {Feld::ErhGes1, Feld::ErhProz1, Feld::ErhAb1},
    {Feld::ErhGes2, Feld::ErhProz2, Feld::ErhAb2},
    {Feld::ErhGes3, Feld::ErhProz3, Feld::ErhAb3},
    {Feld::ErhGes4, Feld::ErhProz4, Feld::ErhAb4},
    {Feld::LfdKostGes1, Feld::LfdKostProz1, Feld::LfdKostDm1},
    {Feld::LfdKostGes2, Feld::LfdKostProz2, Feld::LfdKostDm2},
    {Feld::LfdKostGes3, Feld::LfdKostProz3, Feld::LfdKostDm3},
    {Feld::LfdKostGes4, Feld::LfdKostProz4, Feld::LfdKostDm4},
    {Feld::LfdKostGes5, Feld::LfdKostProz5, Feld::LfdKostDm5},
    {Feld::LfdKostGes6, Feld::LfdKostProz6, Feld::LfdKostDm6},
    {Feld::LfdKostGes7, Feld::LfdKostProz7, Feld::LfdKostDm7},
    {Feld::LfdKostGes8, Feld::LfdKostProz8, Feld::LfdKostDm8},
    {Feld::LfdKostGes9, Feld::LfdKostProz9, Feld::LfdKostDm9},
};

constexpr Feld ObjektEinnahmen[] = {
    Feld::MieteDM1,      Feld::MieteDM2,      Feld::MieteDM3,      Feld::MieteDM4,
    Feld::MieteDM5,      Feld::MieteAndereR1, Feld::MieteAndereR2, Feld::MieteAndereR3,
    Feld::MieteAndereR4, Feld::MieteAndereR5, Feld::AngEinDM,      Feld::UmFremd,
    Feld::UmAngeh,       Feld::MieteFrueh,    Feld::MieteGarage,   Feld::EigZuschuss,
};

// Shares of co-ownerships that join the totals; share 6 is only copied.
constexpr Feld AnteileEr[] = {Feld::AnteilEr1, Feld::AnteilEr2, Feld::AnteilEr3, Feld::AnteilEr4,
                              Feld::AnteilEr5, Feld::AnteilEr7, Feld::AnteilEr8};
constexpr Feld AnteileSie[] = {Feld::AnteilSie1, Feld::AnteilSie2, Feld::AnteilSie3,
                               Feld::AnteilSie4, Feld::AnteilSie5, Feld::AnteilSie7,
                               Feld::AnteilSie8};

}  // namespace

void ObjektRechnen(CaseRecord& r, int n) {
    double einnahmen = 0;
    for (Feld f : ObjektEinnahmen) einnahmen += r.Dbl(f, n);
    einnahmen -= r.Dbl(Feld::EigZuschussMinus, n);

    double kosten = 0;
    for (const Kostenzeile& k : ObjektKosten)
        kosten += AbzugRechnen(r, n, k.gesamt, k.prozent, k.abzug);

    const double einkuenfte = einnahmen - kosten;
    const bool zusammen = Zusammen(r);
    if (zusammen) {
        r.SetzeDbl(Feld::ObjektProzSie, 100 - r.Dbl(Feld::ObjektProzEr, n), n);
    } else {
        // The basic table has no spouse: nothing of an earlier split may remain.
        r.SetzeDbl(Feld::ObjektProzEr, 100, n);
        r.SetzeDbl(Feld::ObjektProzSie, 0, n);
    }
    const double anteilEr = AbrundenDM(einkuenfte / 100 * r.Dbl(Feld::ObjektProzEr, n));
    const double anteilSie = AbrundenDM(einkuenfte / 100 * r.Dbl(Feld::ObjektProzSie, n));

    double summeEr = anteilEr;
    for (Feld f : AnteileEr) summeEr += r.Dbl(f, n);
    double summeSie = anteilSie;
    double kopieSie = 0;
    if (zusammen) {
        for (Feld f : AnteileSie) summeSie += r.Dbl(f, n);
        kopieSie = r.Dbl(Feld::AnteilSie6, n);
    }

    r.SetzeDbl(Feld::ObjEinnahmenSumme, einnahmen, n);
    r.SetzeDbl(Feld::ObjWerbKostSumme, kosten, n);
    r.SetzeDbl(Feld::ObjEinkuenfte, einkuenfte, n);
    r.SetzeDbl(Feld::ObjAnteilEr, anteilEr, n);
    r.SetzeDbl(Feld::ObjAnteilSie, anteilSie, n);
    r.SetzeDbl(Feld::ObjSummeEr, summeEr, n);
    r.SetzeDbl(Feld::ObjSummeSie, summeSie, n);
    r.SetzeDbl(Feld::AnteilEr6Kopie, r.Dbl(Feld::AnteilEr6, n), n);
    r.SetzeDbl(Feld::AnteilSie6Kopie, kopieSie, n);
}

// --- business and self-employment -------------------------------------------------------

namespace {

// The sale-gain fields of one person on one page. Group C exists only for business.
struct Veraeusserung {
    Feld a, b, c, d, freibetrag;  // group A: full/half-income under 34(1), 34(3), allowance
    Feld e, f, g, h;              // group B: the same parts without allowance
    std::optional<Feld> k, m;     // group C (sec. 17): full and half-income part
    std::array<Feld, 5> ergebnis;
};

void VeraeusserungRechnen(CaseRecord& r, const Veraeusserung& v) {
    const double a = r.Dbl(v.a), b = r.Dbl(v.b), c = r.Dbl(v.c), d = r.Dbl(v.d);
    const double fb = r.Dbl(v.freibetrag);
    const double s = a + b + c + d;
    double fa = 0, fbb = 0, fc = 0, fd = 0;
    if (IstPositiv(fb) && IstPositiv(s)) {
        // Each part carries its share of the allowance, but never more than
        // the part itself: the allowance can use up a gain, not turn it into a loss.
        auto anteil = [&](double teil) {
            return MinWert(AufrundenDM(fb * teil / s), NichtNegativ(teil));
        };
        fa = NichtNegativ(anteil(a));
        fbb = NichtNegativ(anteil(b));
        fc = NichtNegativ(anteil(c));
        fd = NichtNegativ(anteil(d));
    }
    const double e = r.Dbl(v.e), f = r.Dbl(v.f), g = r.Dbl(v.g), h = r.Dbl(v.h);
    const double k = v.k ? r.Dbl(*v.k) : 0, m = v.m ? r.Dbl(*v.m) : 0;
    const double r2 = (b - fbb) + (d - fd) + f + h + m;
    r.SetzeDbl(v.ergebnis[0], (a - fa) + (c - fc) + e + g + k);
    r.SetzeDbl(v.ergebnis[1], r2);
    r.SetzeDbl(v.ergebnis[2], AbrundenDM(r2 / 2));
    r.SetzeDbl(v.ergebnis[3], (a - fa) + e + k + AbrundenDM(((b - fbb) + f + m) / 2));
    r.SetzeDbl(v.ergebnis[4], (c - fc) + g + AbrundenDM(((d - fd) + h) / 2));
}

void Nullen(CaseRecord& r, const std::array<Feld, 5>& felder) {
    for (Feld f : felder) r.SetzeDbl(f, 0);
}

template <std::size_t N>
double Summe(const CaseRecord& r, const Feld (&felder)[N]) {
    double s = 0;
    for (Feld f : felder) s += r.Dbl(f);
    return s;
}

}  // namespace

void GewinnRechnen(CaseRecord& r) {
    constexpr Feld gewinnEr[] = {Feld::GewEr1, Feld::GewEr2, Feld::GewEr3,
                                 Feld::GewEr4, Feld::GewEr5, Feld::OrganschaftDMEr};
    constexpr Feld gewinnSie[] = {Feld::GewSie1, Feld::GewSie2, Feld::GewSie3,
                                  Feld::GewSie4, Feld::GewSie5, Feld::OrganschaftDMSie};
    const Veraeusserung er{Feld::GSE1_VG55LjEr,
                           Feld::VG55LjHKEr,
                           Feld::GSE1_VG55LjErmEr,
                           Feld::GSE1_VG55LjErmHKEr,
                           Feld::VG55DMFbEr,
                           Feld::GSE1_VGoFbEr,
                           Feld::GSE1_VGoFbHKEr,
                           Feld::GSE1_VGoFbErmEr,
                           Feld::GSE1_VGoFbErmHKEr,
                           Feld::VG17Er,
                           Feld::VG17TeilHKEr,
                           {Feld::GewVeraeussR1Er, Feld::GewVeraeussR2Er, Feld::GewVeraeussR3Er,
                            Feld::GewVeraeussR4Er, Feld::GewVeraeussR5Er}};
    const Veraeusserung sie{Feld::GSE1_VG55LjSie,
                            Feld::VG55LjHKSie,
                            Feld::GSE1_VG55LjErmSie,
                            Feld::GSE1_VG55LjErmHKSie,
                            Feld::VG55DMFbSie,
                            Feld::GSE1_VGoFbSie,
                            Feld::GSE1_VGoFbHKSie,
                            Feld::GSE1_VGoFbErmSie,
                            Feld::GSE1_VGoFbErmHKSie,
                            Feld::VG17Sie,
                            Feld::VG17TeilHKSie,
                            {Feld::GewVeraeussR1Sie, Feld::GewVeraeussR2Sie, Feld::GewVeraeussR3Sie,
                             Feld::GewVeraeussR4Sie, Feld::GewVeraeussR5Sie}};

    r.SetzeDbl(Feld::GewEinkNettoEr, Summe(r, gewinnEr) - r.Dbl(Feld::GSE1_EinkHalbTeilEr));
    VeraeusserungRechnen(r, er);
    r.SetzeDbl(Feld::GewEinkNettoSie, 0);
    Nullen(r, sie.ergebnis);
    if (Zusammen(r)) {
        r.SetzeDbl(Feld::GewEinkNettoSie, Summe(r, gewinnSie) - r.Dbl(Feld::GSE1_EinkHalbTeilSie));
        VeraeusserungRechnen(r, sie);
    }
}

void SelbstRechnen(CaseRecord& r) {
    constexpr Feld gewinnEr[] = {Feld::FreibGewinnEr,   Feld::LtFestGewinnEr,
                                 Feld::AusBetGewinnEr,  Feld::AusWBetGewinnEr,
                                 Feld::AndSelbGewinnEr, Feld::AlleAndereGewinnEr};
    constexpr Feld gewinnSie[] = {Feld::FreibGewinnSie,   Feld::LtFestGewinnSie,
                                  Feld::AusBetGewinnSie,  Feld::AusWBetGewinnSie,
                                  Feld::AndSelbGewinnSie, Feld::AlleAndereGewinnSie};
    const Veraeusserung er{Feld::GSE2_VG55LjEr,
                           Feld::VG55LjHkEr,
                           Feld::GSE2_VG55LjErmEr,
                           Feld::GSE2_VG55LjErmHKEr,
                           Feld::VG55LjDmFbEr,
                           Feld::GSE2_VGoFbEr,
                           Feld::GSE2_VGoFbHKEr,
                           Feld::GSE2_VGoFbErmEr,
                           Feld::GSE2_VGoFbErmHKEr,
                           std::nullopt,
                           std::nullopt,
                           {Feld::SelbVeraeussR1Er, Feld::SelbVeraeussR2Er, Feld::SelbVeraeussR3Er,
                            Feld::SelbVeraeussR4Er, Feld::SelbVeraeussR5Er}};
    const Veraeusserung sie{
        Feld::GSE2_VG55LjSie,
        Feld::VG55LjHkSie,
        Feld::GSE2_VG55LjErmSie,
        Feld::GSE2_VG55LjErmHKSie,
        Feld::VG55LjDmFbSie,
        Feld::GSE2_VGoFbSie,
        Feld::GSE2_VGoFbHKSie,
        Feld::GSE2_VGoFbErmSie,
        Feld::GSE2_VGoFbErmHKSie,
        std::nullopt,
        std::nullopt,
        {Feld::SelbVeraeussR1Sie, Feld::SelbVeraeussR2Sie, Feld::SelbVeraeussR3Sie,
         Feld::SelbVeraeussR4Sie, Feld::SelbVeraeussR5Sie}};

    r.SetzeDbl(Feld::SelbEinkNettoEr, Summe(r, gewinnEr) - r.Dbl(Feld::GSE2_EinkHalbTeilEr));
    VeraeusserungRechnen(r, er);
    r.SetzeDbl(Feld::SelbEinkNettoSie, 0);
    Nullen(r, sie.ergebnis);
    if (Zusammen(r)) {
        r.SetzeDbl(Feld::SelbEinkNettoSie, Summe(r, gewinnSie) - r.Dbl(Feld::GSE2_EinkHalbTeilSie));
        VeraeusserungRechnen(r, sie);
    }
}

// --- depreciation list -------------------------------------------------------------------

namespace {

// Rows of both persons lie one after the other: person 2's row 1 follows person 1's row 25.
int AfaElement(int person, int zeile) {
    return (person - 1) * AfaZeilen + zeile;
}

void AfaZeileKopieren(CaseRecord& r, int person, int von, int nach) {
    const int q = AfaElement(person, von), z = AfaElement(person, nach);
    r.SetzeText(Feld::I_Text, r.Text(Feld::I_Text, q), z);
    r.SetzeInt(Feld::i_Datum, r.Int(Feld::i_Datum, q), z);
    r.SetzeDbl(Feld::i_preis, r.Dbl(Feld::i_preis, q), z);
    r.SetzeInt(Feld::i_Jahre, r.Int(Feld::i_Jahre, q), z);
    r.SetzeDbl(Feld::i_Afa, r.Dbl(Feld::i_Afa, q), z);
    r.SetzeDbl(Feld::i_restw, r.Dbl(Feld::i_restw, q), z);
}

void AfaZeileLeeren(CaseRecord& r, int person, int zeile) {
    const int e = AfaElement(person, zeile);
    r.SetzeText(Feld::I_Text, "", e);
    r.SetzeInt(Feld::i_Datum, KeinDatum, e);
    r.SetzeDbl(Feld::i_preis, 0, e);
    r.SetzeInt(Feld::i_Jahre, 0, e);
    r.SetzeDbl(Feld::i_Afa, 0, e);
    r.SetzeDbl(Feld::i_restw, 0, e);
}

}  // namespace

void AfaRechnen(CaseRecord& r, int person, int zeile) {
    const int e = AfaElement(person, zeile);
    const double preis = r.Dbl(Feld::i_preis, e);
    const int32_t jahre = r.Int(Feld::i_Jahre, e);
    // Without a price or a useful life nothing is written off: an old value
    // never stays in the sum.
    if (!UeberTausendstel(preis) || !std::isfinite(preis) || jahre < 1) {
        r.SetzeDbl(Feld::i_Afa, 0, e);
        r.SetzeDbl(Feld::i_restw, std::isfinite(preis) ? NichtNegativ(preis) : 0, e);
        return;
    }
    const int32_t kauf = r.Int(Feld::i_Datum, e);
    // Without a purchase date the first year is unknown: nothing is written off yet.
    if (kauf < 0 || Steuerjahr < JahrVon(kauf)) {
        r.SetzeDbl(Feld::i_Afa, 0, e);
        r.SetzeDbl(Feld::i_restw, preis, e);
        return;
    }
    double rest = preis;
    double afa = 0;
    bool halbesJahr = MonatVon(kauf) > 6;
    for (int jahr = JahrVon(kauf); jahr <= Steuerjahr; ++jahr) {
        if (rest <= 0.001) {
            afa = 0;
        } else if (halbesJahr) {
            afa = RundenCent(preis / jahre / 2);
            halbesJahr = false;
        } else {
            afa = MinWert(RundenCent(preis / jahre), rest);
        }
        rest = NichtNegativ(rest - afa);
    }
    r.SetzeDbl(Feld::i_Afa, afa, e);
    r.SetzeDbl(Feld::i_restw, rest, e);
}

double SummeZeilen(const CaseRecord& r, int person) {
    double s = 0;
    for (int z = 1; z <= AfaZeilen; ++z) s += r.Dbl(Feld::i_Afa, AfaElement(person, z));
    return s;
}

double AfaSummeRechnen(CaseRecord& r, int person) {
    for (int z = 1; z <= AfaZeilen; ++z) AfaRechnen(r, person, z);
    return SummeZeilen(r, person);
}

void AfaZeileEinfuegen(CaseRecord& r, int person, int zeile) {
    if (zeile < 1 || zeile >= AfaZeilen) return;
    for (int z = AfaZeilen; z > zeile; --z) AfaZeileKopieren(r, person, z - 1, z);
    AfaZeileLeeren(r, person, zeile);
}

void AfaZeileLoeschen(CaseRecord& r, int person, int zeile) {
    if (zeile < 1 || zeile >= AfaZeilen) return;
    for (int z = zeile; z < AfaZeilen; ++z) AfaZeileKopieren(r, person, z + 1, z);
    AfaZeileLeeren(r, person, AfaZeilen);
}

// --- annuities ----------------------------------------------------------------------------

namespace {

// Life-annuity table: up to age `bis` the share is `prozent`.
struct LebenStufe {
    int bis, prozent;
};
constexpr LebenStufe LebenJung[] = {
    {3, 73},  {5, 72},  {8, 71},  {11, 70}, {13, 69}, {15, 68}, {17, 67}, {19, 66},
    {21, 65}, {23, 64}, {25, 63}, {27, 62}, {28, 61}, {30, 60}, {31, 59}, {33, 58},
    {34, 57}, {35, 56}, {37, 55}, {38, 54}, {39, 53}, {40, 52}, {42, 51},
};
constexpr LebenStufe LebenAlt[] = {
    {81, 11}, {82, 10}, {83, 9}, {85, 8}, {87, 7}, {88, 6}, {91, 5}, {93, 4}, {96, 3},
};

// Temporary-annuity table: up to `bis` years the share is `prozent`; from
// `lebenAb` on the life table applies (-1: never).
struct ZeitStufe {
    int bis, prozent, lebenAb;
};
constexpr ZeitStufe ZeitTabelle[] = {
    {1, 0, -1},   {2, 2, -1},   {3, 4, 94},   {4, 7, 88},   {5, 9, 84},   {6, 11, 82},
    {7, 13, 79},  {8, 15, 77},  {9, 17, 75},  {10, 19, 73}, {11, 21, 71}, {12, 23, 69},
    {13, 25, 68}, {14, 26, 67}, {15, 28, 65}, {16, 29, 64}, {17, 31, 62}, {18, 32, 61},
    {19, 34, 60}, {20, 35, 59}, {21, 36, 58}, {22, 38, 56}, {23, 39, 55}, {24, 40, 54},
    {25, 41, 53}, {26, 43, 51}, {27, 44, 50}, {28, 45, 49}, {29, 46, 48}, {30, 47, 47},
    {31, 48, 46}, {32, 49, 45}, {33, 50, 44}, {35, 51, 43}, {36, 52, 41}, {37, 53, 40},
    {38, 54, 39}, {40, 55, 38}, {41, 56, 36}, {42, 57, 35}, {44, 58, 34}, {45, 59, 32},
    {47, 60, 31}, {49, 61, 29}, {51, 62, 28}, {53, 63, 26}, {54, 64, 24}, {57, 65, 22},
    {59, 66, 20}, {62, 67, 18}, {64, 68, 16}, {67, 69, 14}, {71, 70, 12}, {76, 71, 9},
    {83, 72, 6},  {108, 73, 4},
};

struct RentenZeile {
    Feld bekannt, laeuftSeit, endeAm, zahlung, nachzahlung;
    Feld anteil, stpflZahlung, stpflNachzahlung;
};
constexpr RentenZeile RentenZeilen[] = {
    {Feld::ErtAntBek1, Feld::LaeuftSeit1, Feld::EndeAm1, Feld::Zahlung1, Feld::Nachzahlung1,
     Feld::ErtAnteilRech1, Feld::StpflZahlung1, Feld::StpflNachzahlung1},
    {Feld::ErtAntBek2, Feld::LaeuftSeit2, Feld::EndeAm2, Feld::Zahlung2, Feld::Nachzahlung2,
     Feld::ErtAnteilRech2, Feld::StpflZahlung2, Feld::StpflNachzahlung2},
    {Feld::ErtAntBek3, Feld::LaeuftSeit3, Feld::EndeAm3, Feld::Zahlung3, Feld::Nachzahlung3,
     Feld::ErtAnteilRech3, Feld::StpflZahlung3, Feld::StpflNachzahlung3},
    {Feld::ErtAntBek4, Feld::LaeuftSeit4, Feld::EndeAm4, Feld::Zahlung4, Feld::Nachzahlung4,
     Feld::ErtAnteilRech4, Feld::StpflZahlung4, Feld::StpflNachzahlung4},
};

void RentenZeileLeeren(CaseRecord& r, const RentenZeile& z) {
    r.SetzeDbl(z.anteil, 0);
    r.SetzeDbl(z.stpflZahlung, 0);
    r.SetzeDbl(z.stpflNachzahlung, 0);
}

void RentenZeileRechnen(CaseRecord& r, const RentenZeile& z, int32_t geburt) {
    const auto anteil =
        ErtragsanteilBestimmen(r.Dbl(z.bekannt), geburt, r.Int(z.laeuftSeit), r.Int(z.endeAm));
    if (!anteil) {
        RentenZeileLeeren(r, z);
        return;
    }
    r.SetzeDbl(z.anteil, anteil->berechnet ? anteil->prozent : 0);
    r.SetzeDbl(z.stpflZahlung, AbrundenDM(r.Dbl(z.zahlung) / 100 * anteil->prozent));
    r.SetzeDbl(z.stpflNachzahlung, AbrundenDM(r.Dbl(z.nachzahlung) / 100 * anteil->prozent));
}

}  // namespace

std::optional<Ertragsanteil> ErtragsanteilBestimmen(double bekannt, int32_t geburt, int32_t seit,
                                                    int32_t ende) {
    if (IstPositiv(bekannt)) return Ertragsanteil{ZahlZuGanzzahl(bekannt), false};
    if (geburt < 0 || seit < 0) return std::nullopt;
    // §22 Nr. 1 Satz 3 Buchstabe a EStG: the age completed when the annuity begins
    const int alter = VollendetesAlter(geburt, seit);
    if (ende < 0) return Ertragsanteil{LeibrentenAnteil(alter), true};
    // §55(2) EStDV: the term in years, but never more than the life table gives
    const AbgekuerzteRente t = AbgekuerzteRentenAnteil(LaufzeitJahre(seit, ende));
    int prozent = t.prozent;
    if (t.lebenAbAlter >= 0 && alter >= t.lebenAbAlter) prozent = LeibrentenAnteil(alter);
    return Ertragsanteil{prozent, true};
}

int VollendetesAlter(int32_t geburt, int32_t tag) {
    if (geburt < 0 || tag < geburt) return 0;
    const int monat = MonatVon(tag), gebMonat = MonatVon(geburt);
    const bool erreicht = monat > gebMonat || (monat == gebMonat && TagVon(tag) >= TagVon(geburt));
    return JahrVon(tag) - JahrVon(geburt) - (erreicht ? 0 : 1);
}

int LaufzeitJahre(int32_t seit, int32_t ende) {
    return MonateZwischen(seit, ende) / 12;
}

int LeibrentenAnteil(int alter) {
    if (alter < 0) alter = 0;
    for (const LebenStufe& s : LebenJung)
        if (alter <= s.bis) return s.prozent;
    if (alter <= 59) return 93 - alter;
    if (alter <= 67) return 92 - alter;
    if (alter <= 79) return 91 - alter;
    for (const LebenStufe& s : LebenAlt)
        if (alter <= s.bis) return s.prozent;
    return 2;
}

AbgekuerzteRente AbgekuerzteRentenAnteil(int jahre) {
    for (const ZeitStufe& s : ZeitTabelle)
        if (jahre <= s.bis) return {s.prozent, s.lebenAb};
    return {0, 0};  // so long that the life table always applies
}

void RentenErtragRechnen(CaseRecord& r) {
    const int32_t gebEr = r.Int(Feld::StpflGebDat);
    RentenZeileRechnen(r, RentenZeilen[0], gebEr);
    RentenZeileRechnen(r, RentenZeilen[1], gebEr);
    if (Zusammen(r)) {
        const int32_t gebSie = r.Int(Feld::EhegGebDat);
        RentenZeileRechnen(r, RentenZeilen[2], gebSie);
        RentenZeileRechnen(r, RentenZeilen[3], gebSie);
    } else {
        // No spouse under the basic table: the spouse's lines keep no taxable amount.
        RentenZeileLeeren(r, RentenZeilen[2]);
        RentenZeileLeeren(r, RentenZeilen[3]);
    }
}

// --- other income ---------------------------------------------------------------------------

namespace {

// The fields of one person on the other-income page.
struct SonstPerson {
    Feld leistEin, leistWk, leistErg;
    Feld grundVerk, grundKauf, grundAfa, grundWk, grundEink, grundWeitere;
    Feld wiguVerk, wiguKauf, wiguWk, wiguEink, wiguWeitere;
    Feld wiguVerkHT, wiguKaufHT, wiguWkHT, wiguEinkHT, wiguWeitereHT;
    Feld terminDiff, terminWk, terminEink, terminWeitere;
    Feld anteile, anteileHT, vorjahr;
    Feld teil, ergebnis;
};
constexpr SonstPerson SonstEr{Feld::LeistEinEr,           Feld::LeistWKEr,
                              Feld::LeistErgEr,           Feld::VGrund_VerkPreis1,
                              Feld::VGrund_KaufPreis1,    Feld::VGrund_Afa1,
                              Feld::VGrund_WerbKost1,     Feld::VGrund_Eink1,
                              Feld::VGrund_EinkWeitere1,  Feld::VWigu_VerkPreis1,
                              Feld::VWigu_KaufPreis1,     Feld::VWigu_WerbKost1,
                              Feld::VWigu_Eink1,          Feld::VWigu_EinkWeitere1,
                              Feld::VWigu_VerkPreisHT1,   Feld::VWigu_KaufPreisHT1,
                              Feld::VWigu_WerbKostHT1,    Feld::VWigu_EinkHT1,
                              Feld::VWigu_EinkWeitereHT1, Feld::VTermin_DiffPreis1,
                              Feld::VTermin_WerbKost1,    Feld::VTermin_Eink1,
                              Feld::VTermin_EinkWeitere1, Feld::AnteileWert1,
                              Feld::AnteileWertDavonHT1,  Feld::VerGeschVorjVerluste1,
                              Feld::SpekTeilErgEr,        Feld::SpekErgEr};
constexpr SonstPerson SonstSie{Feld::LeistEinSie,          Feld::LeistWKSie,
                               Feld::LeistErgSie,          Feld::VGrund_VerkPreis2,
                               Feld::VGrund_KaufPreis2,    Feld::VGrund_Afa2,
                               Feld::VGrund_WerbKost2,     Feld::VGrund_Eink2,
                               Feld::VGrund_EinkWeitere2,  Feld::VWigu_VerkPreis2,
                               Feld::VWigu_KaufPreis2,     Feld::VWigu_WerbKost2,
                               Feld::VWigu_Eink2,          Feld::VWigu_EinkWeitere2,
                               Feld::VWigu_VerkPreisHT2,   Feld::VWigu_KaufPreisHT2,
                               Feld::VWigu_WerbKostHT2,    Feld::VWigu_EinkHT2,
                               Feld::VWigu_EinkWeitereHT2, Feld::VTermin_DiffPreis2,
                               Feld::VTermin_WerbKost2,    Feld::VTermin_Eink2,
                               Feld::VTermin_EinkWeitere2, Feld::AnteileWert2,
                               Feld::AnteileWertDavonHT2,  Feld::VerGeschVorjVerluste2,
                               Feld::SpekTeilErgSie,       Feld::SpekErgSie};

constexpr int SpekTeile = 7;

void SonstPersonRechnen(CaseRecord& r, const SonstPerson& p) {
    std::array<double, SpekTeile> teil{};

    double leist = r.Dbl(p.leistEin) - r.Dbl(p.leistWk);
    if (leist < param::LeistFreigrenze) leist = 0;
    r.SetzeDbl(p.leistErg, leist);

    const double grund =
        r.Dbl(p.grundVerk) - r.Dbl(p.grundKauf) + r.Dbl(p.grundAfa) - r.Dbl(p.grundWk);
    r.SetzeDbl(p.grundEink, grund);
    teil[0] = grund + r.Dbl(p.grundWeitere);

    const double wigu = r.Dbl(p.wiguVerk) - r.Dbl(p.wiguKauf) - r.Dbl(p.wiguWk);
    r.SetzeDbl(p.wiguEink, wigu);
    teil[1] = wigu + r.Dbl(p.wiguWeitere);

    const double wiguHT = r.Dbl(p.wiguVerkHT) - r.Dbl(p.wiguKaufHT) - r.Dbl(p.wiguWkHT);
    r.SetzeDbl(p.wiguEinkHT, wiguHT);
    teil[2] = wiguHT + r.Dbl(p.wiguWeitereHT);

    const double termin = r.Dbl(p.terminDiff) - r.Dbl(p.terminWk);
    r.SetzeDbl(p.terminEink, termin);
    teil[3] = termin + r.Dbl(p.terminWeitere);

    teil[4] = r.Dbl(p.anteile) - r.Dbl(p.anteileHT);
    teil[5] = r.Dbl(p.anteileHT);
    teil[6] = r.Dbl(p.vorjahr);
    for (int k = 0; k < SpekTeile; ++k) r.SetzeDbl(p.teil, teil[k], k + 1);

    const double summe = AbrundenDM(teil[2] / 2) + teil[0] + teil[1] + teil[3] + teil[4] + teil[6] +
                         AbrundenDM(teil[5] / 2);
    if (IstNichtNull(summe)) r.SetzeBool(Feld::PrivVeraeussFlag, true);
    r.SetzeDbl(p.ergebnis, summe < param::SpekFreigrenze ? 0 : summe);
}

}  // namespace

void SonstEkRechnen(CaseRecord& r) {
    r.SetzeBool(Feld::PrivVeraeussFlag, false);
    SonstPersonRechnen(r, SonstEr);
    if (Zusammen(r)) {
        SonstPersonRechnen(r, SonstSie);
    } else {
        for (int k = 1; k <= SpekTeile; ++k) r.SetzeDbl(Feld::SpekTeilErgSie, 0, k);
    }
}

// --- all of them -----------------------------------------------------------------------------

void EinkuenfteSeitenRechnen(CaseRecord& r) {
    KapSummenRechnen(r);
    RentenErtragRechnen(r);
    SonstEkRechnen(r);
    GewinnRechnen(r);
    SelbstRechnen(r);
    for (int n = 1; n <= 4; ++n) ObjektRechnen(r, n);
}

}  // namespace quarnel
