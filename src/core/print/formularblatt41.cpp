// Anlage KAP (sheets 41, 42): the per-line sums of the capital-income list.
// The field numbers follow the line tables of the list: each column of a
// block of lines has its own run of field numbers, the line within the block
// counted from the run's first number, the block's total right after its
// last line.
#include <array>
#include <optional>

#include "print/formularwerte.h"

namespace quarnel {

namespace {

// One column of a block of lines: the first field number, the record field
// of its rows (element = line) and its total. Without a total field the
// total is the sum of the column's lines: the list never fills that slot.
struct Kapitalspalte {
    int erstesFeld;
    Feld zeile;
    std::optional<Feld> summe;
};

struct Kapitalblock {
    int zeilen;
    std::array<Kapitalspalte, 5> spalten;
    int spaltenzahl;
};

// Interest lines Z4..Z14 and their totals (line 15).
constexpr Kapitalblock Zinsen{11,
                              {{{11, Feld::ZinsZeileEr, Feld::ZinsenEr},
                                {31, Feld::ZinsZeileSie, Feld::ZinsenSie},
                                {51, Feld::ZinsZeileOhneStAb, std::nullopt},
                                {71, Feld::ZinsZeileKapErtSt, Feld::ZinsenKapErtSt},
                                {91, Feld::ZinsZeileZinsAb, Feld::ZinsenZinsAb}}},
                              5};
// Dividends with the imputation method Z18, Z19 and their totals (line 20).
constexpr Kapitalblock Anrechnung{2,
                                  {{{111, Feld::DivZeileEr, Feld::AnrechEr},
                                    {121, Feld::DivZeileSie, Feld::AnrechSie},
                                    {131, Feld::DivZeileOhneStAb, std::nullopt},
                                    {141, Feld::DivZeileKapErtSt, Feld::AnrechKapErtSt},
                                    {151, Feld::DivZeileAnrechSt, Feld::AnrechKoeptSt}}},
                                  5};
// Half-income dividends Z24..Z26 and their totals (line 27).
constexpr Kapitalblock Halbeinkuenfte{3,
                                      {{{171, Feld::HalbZeileEr, Feld::HalbEinkEr},
                                        {181, Feld::HalbZeileSie, Feld::HalbEinkSie},
                                        {191, Feld::HalbZeileOhneStAb, std::nullopt},
                                        {201, Feld::HalbZeileKapErtSt, Feld::HalbEinkKapErtSt},
                                        {0, Feld::HalbZeileKapErtSt, std::nullopt}}},
                                      4};

// The amount of field `feld` in a block, nothing when the block has no such field.
std::optional<double> Blockwert(const CaseRecord& r, const Kapitalblock& b, int feld) {
    for (int c = 0; c < b.spaltenzahl; ++c) {
        const Kapitalspalte& s = b.spalten[static_cast<std::size_t>(c)];
        const int k = feld - s.erstesFeld + 1;
        if (k >= 1 && k <= b.zeilen) return r.Dbl(s.zeile, k);
        if (k != b.zeilen + 1) continue;
        if (s.summe) return r.Dbl(*s.summe);
        double summe = 0;
        for (int z = 1; z <= b.zeilen; ++z) summe += r.Dbl(s.zeile, z);
        return summe;
    }
    return std::nullopt;
}

// Page 2: the foreign lines Z33..Z35 (four columns), the participation lines
// Z40..Z46 (two columns) and the expense rows 1..7 (three columns).
constexpr std::array<std::array<Feld, 3>, 4> Ausland{{
    {Feld::AuslInvEr, Feld::AuslZinsEr, Feld::AuslDivEr},
    {Feld::AuslInvSie, Feld::AuslZinsSie, Feld::AuslDivSie},
    {Feld::AuslZeileOhneStAb, Feld::AuslZeileOhneStAb, Feld::AuslZeileOhneStAb},
    {Feld::AuslInvAnZinsAb, Feld::AuslZinsAnZinsAb, Feld::AuslDivAnZinsAb},
}};
constexpr std::array<std::array<Feld, 7>, 2> Beteiligung{{
    {Feld::BeteilZ1Er, Feld::BeteilZ2Er, Feld::BeteilZ3Er, Feld::BeteilZ4Er, Feld::BeteilZ5Er,
     Feld::BeteilZ6Er, Feld::BeteilZ7Er},
    {Feld::BeteilZ1Sie, Feld::BeteilZ2Sie, Feld::BeteilZ3Sie, Feld::BeteilZ4Sie,
     Feld::BeteilZ5Sie, Feld::BeteilZ6Sie, Feld::BeteilZ7Sie},
}};
constexpr std::array<std::array<Feld, 7>, 3> Werbungskosten{{
    {Feld::WKZ1Er, Feld::WKZ2Er, Feld::WKZ3Er, Feld::WKZ4Er, Feld::WKZ5Er, Feld::WKZ6Er,
     Feld::WKZ7Er},
    {Feld::WKZ1Sie, Feld::WKZ2Sie, Feld::WKZ3Sie, Feld::WKZ4Sie, Feld::WKZ5Sie, Feld::WKZ6Sie,
     Feld::WKZ7Sie},
    {Feld::WKZ1geseinh, Feld::WKZ2geseinh, Feld::WKZ3geseinh, Feld::WKZ4geseinh,
     Feld::WKZ5geseinh, Feld::WKZ6geseinh, Feld::WKZ7geseinh},
}};
constexpr Feld Anrechnungsbetraege[] = {Feld::AnrechKapErtr, Feld::AnrechZinsAB,
                                        Feld::AnrechKoepSt, Feld::AnrechSolidar};

// Column c and line k of a run of columns ten field numbers apart from `erstes`.
template <std::size_t Spalten, std::size_t Zeilen>
std::optional<double> Rasterwert(const CaseRecord& r,
                                 const std::array<std::array<Feld, Zeilen>, Spalten>& raster,
                                 int erstes, int feld) {
    const int c = (feld - erstes) / 10, k = (feld - erstes) % 10;
    if (feld < erstes || c >= static_cast<int>(Spalten) || k >= static_cast<int>(Zeilen))
        return std::nullopt;
    const Feld f = raster[static_cast<std::size_t>(c)][static_cast<std::size_t>(k)];
    // The without-deduction column is one field with a row per line.
    return r.Dbl(f, f == Feld::AuslZeileOhneStAb ? k + 1 : 1);
}

Feldwert Kopf(const CaseRecord& r, int feld) {
    switch (feld) {
        case 0: return {NameEinePerson(r), {}};
        case 1: return {NameEhegatte(r), {}};
        case 2: return {r.Text(Feld::Steuernummer), {}};
        case 3: return {Kreuz(true), {}};
        default: return {};
    }
}

}  // namespace

Feldwert Blatt41Wert(const CaseRecord& r, const Feldanfrage& a) {
    const Definitionszeile& z = *a.zeile;
    if (z.feld <= 3) return Kopf(r, z.feld);
    if (z.feld == 161) return {FormularBetrag(r.Dbl(Feld::AnrechVKoeptSt), z), {}};
    for (const Kapitalblock* b : {&Zinsen, &Anrechnung, &Halbeinkuenfte})
        if (const auto x = Blockwert(r, *b, z.feld)) return {FormularBetrag(*x, z), {}};
    return {};
}

Feldwert Blatt42Wert(const CaseRecord& r, const Feldanfrage& a) {
    const Definitionszeile& z = *a.zeile;
    if (z.feld <= 3) return Kopf(r, z.feld);
    if (z.feld == 51) return {TextGetrimmt(r.Text(Feld::BeteilName1)), {}};
    if (z.feld == 52) return {TextGetrimmt(r.Text(Feld::BeteilName2)), {}};
    std::optional<double> x;
    if (z.feld >= 11 && z.feld <= 43) x = Rasterwert(r, Ausland, 11, z.feld);
    else if (z.feld >= 61 && z.feld <= 77) x = Rasterwert(r, Beteiligung, 61, z.feld);
    else if (z.feld >= 81 && z.feld <= 84) x = r.Dbl(Anrechnungsbetraege[z.feld - 81]);
    else if (z.feld >= 91 && z.feld <= 117) x = Rasterwert(r, Werbungskosten, 91, z.feld);
    return x ? Feldwert{FormularBetrag(*x, z), {}} : Feldwert{};
}

}  // namespace quarnel
