// Anlage Kinder, page 1 (sheet 21; as sheet 23 for children 5 and 6): the
// children's details, relations and special circumstances, four children
// side by side.
#include <string>

#include "print/formularwerte.h"

namespace quarnel {

namespace {

constexpr Feld Besonderheit[] = {Feld::BesHeit_1, Feld::BesHeit_2, Feld::BesHeit_3,
                                 Feld::BesHeit_4, Feld::BesHeit_5, Feld::BesHeit_6,
                                 Feld::BesHeit_7, Feld::BesHeit_8};

// The child's first name, whole: printing fits it into its column, breaking
// only between words.
Feldwert Geteilt(const std::string& s) { return {TextGetrimmt(s), {}}; }

}  // namespace

Feldwert Blatt21Wert(const CaseRecord& r, const Feldanfrage& a) {
    const Definitionszeile& z = *a.zeile;
    if (z.feld == 1) return {NameBeide(r), {}};
    if (z.feld == 2) return {TextGetrimmt(r.Text(Feld::Steuernummer)), {}};
    // The index names the child column 1..4; sheet 23 shows children 5 and 6 there.
    if (z.index < 1 || z.index > 4) return {};
    const int kind = z.index + (a.kinder56 ? 4 : 0);
    if (kind > 6) return {};
    auto text = [&](Feld f) { return Feldwert{TextGetrimmt(r.Text(f, kind)), {}}; };
    auto datum = [&](Feld f) { return Feldwert{Datum(r.Int(f, kind)), {}}; };
    auto zeitraum = [&](Feld von, Feld bis, bool kaesten) {
        return Feldwert{Zeitraum(r.Int(von, kind), r.Int(bis, kind), kaesten), {}};
    };
    auto betrag = [&](Feld f) { return Feldwert{FormularBetrag(r.Dbl(f, kind), z), {}}; };
    // The relation crosses go four per value: 35..38 value 2, 39..42 value 3, 43..46 value 4
    // for the husband, 47..58 the same for the wife.
    if (z.feld >= 35 && z.feld <= 58) {
        const Feld f = z.feld <= 46 ? Feld::KindschaftZuEhemannLB : Feld::KindschaftZuEhefrauLB;
        const int wert = 2 + ((z.feld - 35) / 4) % 3;
        return {Kreuz(r.Int(f, kind) == wert), {}};
    }
    if (z.feld >= 76 && z.feld <= 107)
        return {Kreuz(r.Bool(Besonderheit[(z.feld - 76) / 4], kind)), {}};
    switch ((z.feld - 3) / 4) {
        case 0: return Geteilt(r.Text(Feld::Vorname, kind));              // 3..6
        case 1: return text(Feld::Anschrift);                             // 7..10
        case 2: return text(Feld::AuslandStaat);                          // 11..14
        case 3: return {DatumKaesten8(r.Int(Feld::GebAm, kind)), {}};     // 15..18
        case 4: return betrag(Feld::ErhKiGeld);                           // 19..22
        case 5: return zeitraum(Feld::InlandVom, Feld::InlandBis, true);  // 23..26
        case 6: return zeitraum(Feld::AuslandVom, Feld::AuslandBis, true);  // 27..30
        default: break;
    }
    if (z.feld >= 60 && z.feld <= 75) {
        switch ((z.feld - 60) / 4) {
            case 0: return betrag(Feld::ErhUnterh);
            case 1: return datum(Feld::KindschaftWpTodAm);
            case 2: return text(Feld::KindschaftWpText);
            default: return zeitraum(Feld::KindschaftWpVom, Feld::KindschaftWpBis, false);
        }
    }
    if (z.feld >= 108 && z.feld <= 111) return datum(Feld::WehrdienstVom);
    if (z.feld >= 112 && z.feld <= 115) return datum(Feld::WehrdienstBis);
    if (z.feld >= 116 && z.feld <= 119) return zeitraum(Feld::BesonderheitVom, Feld::BesonderheitBis, true);
    if (z.feld >= 121 && z.feld <= 124) return datum(Feld::KiIstVerhSeit);
    return {};
}

}  // namespace quarnel
