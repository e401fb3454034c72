// Anlage GSE (sheets 51, 52): business income (page 1) and self-employment
// income (page 2). The person of a field pair comes from the line's index.
#include "print/formularpaare.h"

namespace quarnel {

namespace {

constexpr Personenpaar Seite1Paare[] = {
    {12, Feld::GewEr1, Feld::GewSie1},
    {22, Feld::GewEr2, Feld::GewSie2},
    {32, Feld::GewEr3, Feld::GewSie3},
    {42, Feld::GewEr4, Feld::GewSie4},
    {52, Feld::GewEr5, Feld::GewSie5},
    {62, Feld::VerlustmodelleEr, Feld::VerlustmodelleSie},
    {71, Feld::GSE1_EinkHalbTeilEr, Feld::GSE1_EinkHalbTeilSie},
    {81, Feld::GewStMessbEr, Feld::GewStMessbSie},
    // Sales gains: the lines of the whole and of the reduced rate.
    {101, Feld::GSE1_VG55LjEr, Feld::GSE1_VG55LjSie},
    {101, Feld::VG55LjHKEr, Feld::VG55LjHKSie},
    {101, Feld::GSE1_VG55LjErmEr, Feld::GSE1_VG55LjErmSie},
    {101, Feld::GSE1_VG55LjErmHKEr, Feld::GSE1_VG55LjErmHKSie},
    {103, Feld::VG55LjHKEr, Feld::VG55LjHKSie},
    {105, Feld::GSE1_VG55LjErmEr, Feld::GSE1_VG55LjErmSie},
    {105, Feld::GSE1_VG55LjErmHKEr, Feld::GSE1_VG55LjErmHKSie},
    {111, Feld::GSE1_VGoFbEr, Feld::GSE1_VGoFbSie},
    {111, Feld::GSE1_VGoFbHKEr, Feld::GSE1_VGoFbHKSie},
    {111, Feld::GSE1_VGoFbErmEr, Feld::GSE1_VGoFbErmSie},
    {111, Feld::GSE1_VGoFbErmHKEr, Feld::GSE1_VGoFbErmHKSie},
    {113, Feld::GSE1_VGoFbHKEr, Feld::GSE1_VGoFbHKSie},
    {115, Feld::GSE1_VGoFbErmEr, Feld::GSE1_VGoFbErmSie},
    {115, Feld::GSE1_VGoFbErmHKEr, Feld::GSE1_VGoFbErmHKSie},
    {117, Feld::GSE1_VGoFbErmHKEr, Feld::GSE1_VGoFbErmHKSie},
    {121, Feld::VG17Er, Feld::VG17Sie},
    {121, Feld::VG17TeilHKEr, Feld::VG17TeilHKSie},
    {123, Feld::VG17TeilHKEr, Feld::VG17TeilHKSie},
    {141, Feld::GSE1_Gewinne34Er, Feld::GSE1_Gewinne34Sie},
    {152, Feld::OrganschaftDMEr, Feld::OrganschaftDMSie},
};

constexpr Personenpaar Seite2Paare[] = {
    {13, Feld::FreibGewinnEr, Feld::FreibGewinnSie},
    {23, Feld::LtFestGewinnEr, Feld::LtFestGewinnSie},
    {33, Feld::AusBetGewinnEr, Feld::AusBetGewinnSie},
    {43, Feld::AusWBetGewinnEr, Feld::AusWBetGewinnSie},
    {52, Feld::Gewinn2bDMEr, Feld::Gewinn2bDMSie},
    {63, Feld::AndSelbGewinnEr, Feld::AndSelbGewinnSie},
    {73, Feld::AlleAndereGewinnEr, Feld::AlleAndereGewinnSie},
    {81, Feld::GSE2_EinkHalbTeilEr, Feld::GSE2_EinkHalbTeilSie},
    {91, Feld::GSE2_VG55LjEr, Feld::GSE2_VG55LjSie},
    {91, Feld::VG55LjHkEr, Feld::VG55LjHkSie},
    {91, Feld::GSE2_VG55LjErmEr, Feld::GSE2_VG55LjErmSie},
    {91, Feld::GSE2_VG55LjErmHKEr, Feld::GSE2_VG55LjErmHKSie},
    {93, Feld::VG55LjHkEr, Feld::VG55LjHkSie},
    {95, Feld::GSE2_VG55LjErmEr, Feld::GSE2_VG55LjErmSie},
    {95, Feld::GSE2_VG55LjErmHKEr, Feld::GSE2_VG55LjErmHKSie},
    {101, Feld::GSE2_VGoFbEr, Feld::GSE2_VGoFbSie},
    {101, Feld::GSE2_VGoFbHKEr, Feld::GSE2_VGoFbHKSie},
    {101, Feld::GSE2_VGoFbErmEr, Feld::GSE2_VGoFbErmSie},
    {101, Feld::GSE2_VGoFbErmHKEr, Feld::GSE2_VGoFbErmHKSie},
    {103, Feld::GSE2_VGoFbHKEr, Feld::GSE2_VGoFbHKSie},
    {105, Feld::GSE2_VGoFbErmEr, Feld::GSE2_VGoFbErmSie},
    {105, Feld::GSE2_VGoFbErmHKEr, Feld::GSE2_VGoFbErmHKSie},
    {107, Feld::GSE2_VGoFbErmHKEr, Feld::GSE2_VGoFbErmHKSie},
    {121, Feld::GSE2_Gewinne34Er, Feld::GSE2_Gewinne34Sie},
};

struct Textfeld {
    int feld;
    Feld f;
};

constexpr Textfeld Seite1Texte[] = {
    {11, Feld::ArtGew1},    {21, Feld::ArtWeitere1}, {31, Feld::ArtLtFeststellung},
    {41, Feld::MitUntArt1}, {51, Feld::MitUntArt2},  {61, Feld::Verlustmodelle},
    {151, Feld::Organschaft},
};
constexpr Textfeld Seite2Texte[] = {
    {11, Feld::FreibArt1},      {12, Feld::FreibArt2},      {21, Feld::LtFestArt1},
    {22, Feld::LtFestArt2},     {31, Feld::AusBetArt1},     {32, Feld::AusBetArt2},
    {41, Feld::AusWBetArt1},    {42, Feld::AusWBetArt2},    {51, Feld::Gewinn2bArt},
    {61, Feld::AndSelbArt1},    {62, Feld::AndSelbArt2},    {71, Feld::AlleAndereArt1},
    {72, Feld::AlleAndereArt2}, {131, Feld::AufEntArt},     {134, Feld::AufEntRestIn},
};

constexpr Feld Tierhaltung[] = {Feld::TierAAVerluste1, Feld::TierUngGew1, Feld::TierVerGew1,
                                Feld::TierAAVerluste2, Feld::TierUngGew2, Feld::TierVerGew2};

std::optional<Feldwert> Text(const CaseRecord& r, std::span<const Textfeld> texte, int feld) {
    for (const Textfeld& t : texte)
        if (t.feld == feld) return Feldwert{TextGetrimmt(r.Text(t.f)), {}};
    return std::nullopt;
}

}  // namespace

Feldwert Blatt51Wert(const CaseRecord& r, const Feldanfrage& a) {
    const Definitionszeile& z = *a.zeile;
    auto betrag = [&](double x) { return Feldwert{FormularBetrag(x, z), {}}; };
    auto kreuz = [&](Feld f) { return Feldwert{Kreuz(r.Bool(f)), {}}; };
    switch (z.feld) {
        case 0: return {NameEinePerson(r), {}};
        case 1: return {NameEhegatte(r), {}};
        case 2: return {r.Text(Feld::Steuernummer), {}};
        case 3: return {Kreuz(true), {}};
        case 131: return kreuz(Feld::GSE1_MitUnterCB);
        case 161: return kreuz(Feld::AnteileUeberCb);
        case 181: return kreuz(Feld::BegrenzungAnlageGSECB);
        default: break;
    }
    if (z.feld >= 171 && z.feld <= 176) return betrag(r.Dbl(Tierhaltung[z.feld - 171]));
    if (auto t = Text(r, Seite1Texte, z.feld)) return *t;
    if (const auto x = Paarwert(r, Seite1Paare, z)) return betrag(*x);
    return {};
}

Feldwert Blatt52Wert(const CaseRecord& r, const Feldanfrage& a) {
    const Definitionszeile& z = *a.zeile;
    auto betrag = [&](double x) { return Feldwert{FormularBetrag(x, z), {}}; };
    switch (z.feld) {
        case 111: return {Kreuz(r.Bool(Feld::GSE2_MitUnterCB)), {}};
        case 132: return betrag(r.Dbl(Feld::AufEntDM));
        case 133: return betrag(r.Dbl(Feld::AufEntStFrei));
        default: break;
    }
    if (auto t = Text(r, Seite2Texte, z.feld)) return *t;
    if (const auto x = Paarwert(r, Seite2Paare, z)) return betrag(*x);
    return {};
}

}  // namespace quarnel
