// Anlage SO (sheets 81, 82): annuities, recurring receipts, services,
// members' remuneration, and the private sales of page 2. The index of a
// definition line (column 36) names the annuity line or the person column;
// an index outside its range counts as 1.
#include <array>
#include <optional>
#include <span>

#include "print/formularpaare.h"

namespace quarnel {

namespace {

constexpr Personenpaar Seite1Paare[] = {
    {61, Feld::WbEinAusDMStp, Feld::WbEinAusDMEhe}, {63, Feld::WbUnterStp, Feld::WbUnterEhe},
    {65, Feld::WbWerbkStp, Feld::WbWerbkEhe},       {81, Feld::LeistEinEr, Feld::LeistEinSie},
    {83, Feld::LeistWKEr, Feld::LeistWKSie},        {85, Feld::LeistErgEr, Feld::LeistErgSie},
    {89, Feld::AbgEinEr, Feld::AbgEinSie},          {91, Feld::AbgEinVbezEr, Feld::AbgEinVbezSie},
    {93, Feld::AbgMjEr, Feld::AbgMjSie},            {95, Feld::AbgMjVbEr, Feld::AbgMjVbSie},
    {97, Feld::VerlustzuwGeEr, Feld::VerlustzuwGeSie},
};

constexpr Personenpaar Seite2Paare[] = {
    {21, Feld::VGrund_VerkPreis1, Feld::VGrund_VerkPreis2},
    {23, Feld::VGrund_KaufPreis1, Feld::VGrund_KaufPreis2},
    {25, Feld::VGrund_Afa1, Feld::VGrund_Afa2},
    {27, Feld::VGrund_WerbKost1, Feld::VGrund_WerbKost2},
    {29, Feld::VGrund_Eink1, Feld::VGrund_Eink2},
    {31, Feld::VGrund_EinkWeitere1, Feld::VGrund_EinkWeitere2},
    {61, Feld::VWigu_VerkPreisHT1, Feld::VWigu_VerkPreisHT2},
    {63, Feld::VWigu_KaufPreisHT1, Feld::VWigu_KaufPreisHT2},
    {65, Feld::VWigu_WerbKostHT1, Feld::VWigu_WerbKostHT2},
    {67, Feld::VWigu_EinkHT1, Feld::VWigu_EinkHT2},
    {69, Feld::VWigu_EinkWeitereHT1, Feld::VWigu_EinkWeitereHT2},
    {71, Feld::VWigu_VerkPreis1, Feld::VWigu_VerkPreis2},
    {73, Feld::VWigu_KaufPreis1, Feld::VWigu_KaufPreis2},
    {75, Feld::VWigu_WerbKost1, Feld::VWigu_WerbKost2},
    {77, Feld::VWigu_Eink1, Feld::VWigu_Eink2},
    {79, Feld::VWigu_EinkWeitere1, Feld::VWigu_EinkWeitere2},
    {101, Feld::VTermin_DiffPreis1, Feld::VTermin_DiffPreis2},
    {103, Feld::VTermin_WerbKost1, Feld::VTermin_WerbKost2},
    {105, Feld::VTermin_Eink1, Feld::VTermin_Eink2},
    {107, Feld::VTermin_EinkWeitere1, Feld::VTermin_EinkWeitere2},
    {111, Feld::AnteileWert1, Feld::AnteileWert2},
    {113, Feld::AnteileWertDavonHT1, Feld::AnteileWertDavonHT2},
};

// The annuity lines 1..4.
using Rentenlauf = std::array<Feld, 4>;
constexpr Rentenlauf Art{Feld::Rente_Art1, Feld::Rente_Art2, Feld::Art3, Feld::Art4};
constexpr Rentenlauf Aus{Feld::Aus1, Feld::Aus2, Feld::Aus3, Feld::Aus4};
constexpr Rentenlauf LaeuftSeit{Feld::LaeuftSeit1, Feld::LaeuftSeit2, Feld::LaeuftSeit3,
                                Feld::LaeuftSeit4};
constexpr Rentenlauf EndeMitTodVon{Feld::EndeMitTodVon1, Feld::EndeMitTodVon2,
                                   Feld::EndeMitTodVon3, Feld::EndeMitTodVon4};
constexpr Rentenlauf EndeAm{Feld::EndeAm1, Feld::EndeAm2, Feld::EndeAm3, Feld::EndeAm4};
constexpr Rentenlauf Zahlung{Feld::Zahlung1, Feld::Zahlung2, Feld::Zahlung3, Feld::Zahlung4};
constexpr Rentenlauf ErtAntBek{Feld::ErtAntBek1, Feld::ErtAntBek2, Feld::ErtAntBek3,
                               Feld::ErtAntBek4};
constexpr Rentenlauf Nachzahlung{Feld::Nachzahlung1, Feld::Nachzahlung2, Feld::Nachzahlung3,
                                 Feld::Nachzahlung4};

// The kind of the annuity from its text: a text stored shorter than ten
// characters is a short note ("Leibrente") and gets its cross in front.
std::string Rentenherkunft(const CaseRecord& r, Feld f) {
    const std::string gespeichert = r.Text(f);
    const std::string t = TextGetrimmt(gespeichert);
    if (t.empty()) return {};
    return gespeichert.size() < 10 ? "X  " + t : t;
}

Feldwert Kopf(const CaseRecord& r, int feld) {
    switch (feld) {
        case 200: return {NameEinePerson(r), {}};
        case 201: return {NameEhegatte(r), {}};
        case 202: return {r.Text(Feld::Steuernummer), {}};
        case 203: return {Kreuz(true), {}};
        default: return {};
    }
}

}  // namespace

Feldwert Blatt81Wert(const CaseRecord& r, const Feldanfrage& a) {
    const Definitionszeile& z = *a.zeile;
    const int f = z.feld;
    auto betrag = [&](double x) { return Feldwert{FormularBetrag(x, z), {}}; };
    if (f >= 200) return Kopf(r, f);
    if (f >= 1 && f <= 60) {
        const std::size_t l = static_cast<std::size_t>(IndexImBereich(z.index, 4) - 1);
        if (f <= 24) return {Kreuz(r.Int(Art[l]) == (f - 1) / 4 + 1), {}};
        if (f >= 26 && f <= 29) return {Rentenherkunft(r, Aus[l]), {}};
        if (f >= 30 && f <= 33) return {DatumKaesten6(r.Int(LaeuftSeit[l])), {}};
        if (f >= 34 && f <= 37) return {TextGetrimmt(r.Text(EndeMitTodVon[l])), {}};
        if (f >= 38 && f <= 41) return {DatumKaesten6(r.Int(EndeAm[l])), {}};
        if (f >= 42 && f <= 45) return betrag(r.Dbl(Zahlung[l]));
        if (f >= 46 && f <= 49) return betrag(r.Dbl(ErtAntBek[l]));
        if (f >= 54 && f <= 57) return betrag(r.Dbl(Nachzahlung[l]));
        switch (f) {
            case 50: return betrag(r.Dbl(Feld::WerbKoste1) + r.Dbl(Feld::WerbKoste2));
            case 52: return betrag(r.Dbl(Feld::WerbKoste3) + r.Dbl(Feld::WerbKoste4));
            case 60: return {TextGetrimmt(r.Text(Feld::WBEinAus)), {}};
            default: return {};
        }
    }
    if (f == 80) return {TextGetrimmt(r.Text(Feld::LeistEinAus)), {}};
    if (f == 87) return {Kreuz(r.Bool(Feld::LeistBegrenzCB)), {}};
    if (const auto x = Paarwert(r, Seite1Paare, z)) return betrag(*x);
    return {};
}

Feldwert Blatt82Wert(const CaseRecord& r, const Feldanfrage& a) {
    const Definitionszeile& z = *a.zeile;
    auto text = [&](Feld f) { return Feldwert{TextGetrimmt(r.Text(f)), {}}; };
    auto datum = [&](Feld f) { return Feldwert{Datum(r.Int(f)), {}}; };
    auto betrag = [&](double x) { return Feldwert{FormularBetrag(x, z), {}}; };
    auto kreuz = [&](Feld f) { return Feldwert{Kreuz(r.Bool(f)), {}}; };
    switch (z.feld) {
        case 10: return text(Feld::VGrund_Bez);
        case 11: return datum(Feld::VGrund_KaufDat);
        case 12: return datum(Feld::VGrund_VerkaufDat);
        case 13: return kreuz(Feld::VGrund_EigWohn);
        case 14: return datum(Feld::VGrund_EigWohnVon);
        case 15: return datum(Feld::VGrund_EigWohnBis);
        case 16: return betrag(r.Dbl(Feld::VGrund_EigWohnQm));
        case 17: return kreuz(Feld::VGrund_AndZweck);
        case 18: return datum(Feld::VGrund_AndZweckVon);
        case 19: return datum(Feld::VGrund_AndZweckBis);
        case 20: return betrag(r.Dbl(Feld::VGrund_AndZweckQm));
        case 50: return text(Feld::VWigu_Bez);
        case 51: return datum(Feld::VWigu_KaufDat);
        case 52: return datum(Feld::VWigu_VerkaufDat);
        case 90: return text(Feld::VTermin_Bez);
        case 91: return datum(Feld::VTermin_KaufDat);
        case 92: return datum(Feld::VTermin_VerkaufDat);
        case 110: return text(Feld::AnteileBez);
        case 121: return kreuz(Feld::VerGeschBegrenz);
        default: break;
    }
    if (const auto x = Paarwert(r, Seite2Paare, z)) return betrag(*x);
    return {};
}

}  // namespace quarnel
