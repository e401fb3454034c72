// Anlage St (sheets 91, 92): the amounts of the statistics page, in the
// order of their places in the record.
#include <array>

#include "print/formularwerte.h"

namespace quarnel {

namespace {

// Page 1: fields 11..16, 21, 22, 31..40 and 51..53.
struct Statistikfeld {
    int feld;
    Feld f;
};

constexpr Statistikfeld Seite1[] = {
    {11, Feld::P7_GebLin}, {12, Feld::P7_GebDeg}, {13, Feld::P7_WigLin},  {14, Feld::P7_WigDeg},
    {15, Feld::P7_VuVLin}, {16, Feld::P7_VuVDeg}, {21, Feld::P7h},        {22, Feld::P7i},
    {31, Feld::P7g1},      {32, Feld::P7g3},      {33, Feld::P7g7},       {34, Feld::P3u4a},
    {35, Feld::P3u4b},     {36, Feld::P2bis4},    {37, Feld::P82f},       {38, Feld::P11a},
    {39, Feld::P11b},      {40, Feld::P82},       {51, Feld::P6aRStell},  {52, Feld::P6aPens},
    {53, Feld::P6aInsges},
};

// Page 2: fields 1..9.
constexpr std::array<Feld, 9> Seite2{Feld::P4c,  Feld::P4cKasse, Feld::P4d1, Feld::P4d2, Feld::P4d3,
                                     Feld::P4d4, Feld::P6b,      Feld::P6c,  Feld::P4a5};

}  // namespace

Feldwert Blatt91Wert(const CaseRecord& r, const Feldanfrage& a) {
    const Definitionszeile& z = *a.zeile;
    switch (z.feld) {
        case 1: return {r.Text(Feld::Finanzamt), {}};
        case 2: return {r.Text(Feld::Steuernummer), {}};
        case 3: return {Kreuz(true), {}};
        default: break;
    }
    for (const Statistikfeld& s : Seite1)
        if (s.feld == z.feld) return {FormularBetrag(r.Dbl(s.f), z), {}};
    return {};
}

Feldwert Blatt92Wert(const CaseRecord& r, const Feldanfrage& a) {
    const Definitionszeile& z = *a.zeile;
    if (z.feld < 1 || z.feld > static_cast<int>(Seite2.size())) return {};
    return {FormularBetrag(r.Dbl(Seite2[static_cast<std::size_t>(z.feld - 1)]), z), {}};
}

}  // namespace quarnel
