// Check rules of the persons: personal data, the children with their
// education pages, and the disability data of every person.
#include <array>

#include "pages/kinder.h"
#include "pages/personen.h"
#include "results/pruefung_regeln.h"

namespace quarnel::pruefregeln {
namespace {

constexpr int Geschieden = 3;
constexpr int VerwitwetNachTrennung = 5;
constexpr int AnzahlKinder = 6;

bool TabelleWiderspruechlich(const CaseRecord& r);

void PersoenlicheDaten(const Sicht& s, Befundtabelle& t) {
    const int stand = s.Wahl(Feld::ErSie_FamilienstandLB);
    const int32_t seit = s.Wahl(Feld::FamStandSeit);
    const bool trennungFehlt = s.Gegeben(Feld::FamStandSeit) && JahrVon(seit) == Steuerjahr &&
                               (stand == Geschieden || stand == VerwitwetNachTrennung) &&
                               s.Fehlt(Feld::StpflDTrennSeit);
    const int religion = s.Wahl(Feld::StpflReligionLB);
    const int religionEheg = s.Wahl(Feld::EhegReligionLB);
    const bool z = s.Zusammen();
    t.Setzen(11, {
        Befund(s.Fehlt(Feld::StpflGebDat), 1),
        Befund(stand > 0 && s.Fehlt(Feld::FamStandSeit), 2),
        Befund(trennungFehlt, 9),
        Befund(religion == -1, 3),
        Befund(religion <= 0 && (s.Fehlt(Feld::StpflReligionVon) || s.Fehlt(Feld::StpflReligionBis)), 4),
        Befund(s.Leer(Feld::StpflVorname) || s.Leer(Feld::StpflName), 10),
        Befund(s.Leer(Feld::StpflStrasse) || s.Leer(Feld::StpflOrt), 11),
        Befund(s.Leer(Feld::StpflTelefon), 12),
        Befund(s.Leer(Feld::StpflBeruf), 13),
        Befund(z && s.Fehlt(Feld::EhegGebDat), 6),
        Befund(z && religionEheg == -1, 7),
        Befund(z && religionEheg <= 0 &&
                   (s.Fehlt(Feld::EhegReligionVon) || s.Fehlt(Feld::EhegReligionBis)), 8),
        Befund(z && s.Leer(Feld::EhegVorname), 14),
        Befund(s.Wahl(Feld::BundeslandLb) == -1, 5),
        Befund(s.Leer(Feld::Finanzamt) || s.Leer(Feld::Steuernummer), 15),
        Befund(s.Leer(Feld::KtoNummer) || s.Leer(Feld::BLZ) || s.Leer(Feld::Geldinstitut), 16),
        Befund(s.Fehlt(Feld::DatumErklaerung), 17),
        Befund(TabelleWiderspruechlich(s.r), 18),
    });
}

// The table flags (of an older file, say) are not what the marital status gives.
bool TabelleWiderspruechlich(const CaseRecord& r) {
    switch (TabelleNachFamilienstand(r)) {
        case Steuertabelle::Splitting: return !r.Bool(Feld::Splitting) || r.Bool(Feld::Grundtabelle);
        case Steuertabelle::Grundtabelle: return r.Bool(Feld::Splitting) || !r.Bool(Feld::Grundtabelle);
        case Steuertabelle::Unveraendert: return false;
    }
    return false;
}

// The child page holds anything at all.
bool KindErfasst(const Sicht& s, int k) {
    return s.Beschrieben(Feld::Vorname, k) || s.Beschrieben(Feld::Anschrift, k) ||
           s.Beschrieben(Feld::AuslandStaat, k) || s.Gegeben(Feld::GebAm, k) ||
           s.Gegeben(Feld::InlandVom, k) || s.Gegeben(Feld::InlandBis, k) ||
           s.Gegeben(Feld::AuslandVom, k) || s.Gegeben(Feld::AuslandBis, k) ||
           s.UeberNull(Feld::StaatLB, k) || s.UeberNull(Feld::KindschaftZuEhemannLB, k) ||
           s.Positiv(Feld::ErhKiGeld, k) ||
           (s.Zusammen() && s.UeberNull(Feld::KindschaftZuEhefrauLB, k));
}

bool HatKinderfreibetrag(const Sicht& s, int k) {
    return UeberTausendstel(s.Betrag(Feld::KindKiFbJahr, k));
}

// The education rules of child k: 461, 462, 463.
std::array<int, 3> AusbildungsBefunde(const Sicht& s, int k);

// The education page's own income differs from the child page's: 464.
int AusbildEinkommenBefund(const Sicht& s, int k) {
    return Befund(HatKinderfreibetrag(s, k) && s.Gegeben(Feld::AusbildVom, k) &&
                      AusbildEinkommenAbweichend(s.r, k),
                  464);
}

std::array<int, 3> AusbildungsBefunde(const Sicht& s, int k) {
    const bool erfasst = s.Gegeben(Feld::AusbildVom, k) || s.Gegeben(Feld::AusbildBis, k) ||
                         s.Beschrieben(Feld::AuswaertsTxt, k) ||
                         s.Gegeben(Feld::AuswaertsVom, k) || s.Gegeben(Feld::AuswaertsBis, k);
    if (!HatKinderfreibetrag(s, k) || !erfasst) return {0, 0, 0};
    const bool halbeZeit =
        Anzahl({s.Gegeben(Feld::AuswaertsVom, k), s.Gegeben(Feld::AuswaertsBis, k)}) == 1;
    return {
        Befund(s.Fehlt(Feld::AusbildVom, k) || s.Fehlt(Feld::AusbildBis, k), 461),
        Befund(s.Gegeben(Feld::AuswaertsVom, k) && s.Leer(Feld::AuswaertsTxt, k), 462),
        Befund(halbeZeit || (s.Beschrieben(Feld::AuswaertsTxt, k) && s.Fehlt(Feld::AuswaertsVom, k)),
               463),
    };
}

bool BesonderheitAngekreuzt(const Sicht& s, int k) {
    constexpr Feld besonderheiten[] = {Feld::BesHeit_1, Feld::BesHeit_2, Feld::BesHeit_3,
                                       Feld::BesHeit_4, Feld::BesHeit_5, Feld::BesHeit_6,
                                       Feld::BesHeit_7, Feld::BesHeit_8};
    for (Feld f : besonderheiten)
        if (s.Haken(f, k)) return true;
    return false;
}

// Under 18 for the whole tax year: the day before the 18th birthday lies after it.
bool MinderjaehrigImGanzenJahr(const Sicht& s, int k) {
    const int32_t grenze = Altersgrenze(s.Wahl(Feld::GebAm, k), 18);
    return grenze != KeinDatum && grenze > LetzterTagSteuerjahr;
}

void Kind(const Sicht& s, Befundtabelle& t, int k) {
    const int kennung = 20 + k;
    if (!KindErfasst(s, k)) {
        t.Setzen(kennung, std::array<int, 20>{});
        return;
    }
    const int inland = Anzahl({s.Gegeben(Feld::InlandVom, k), s.Gegeben(Feld::InlandBis, k)});
    const int ausland = Anzahl({s.Gegeben(Feld::AuslandVom, k), s.Gegeben(Feld::AuslandBis, k)});
    const bool zeitraum = inland + ausland > 0;
    const bool minderjaehrig = MinderjaehrigImGanzenJahr(s, k);
    const bool besonderheit = BesonderheitAngekreuzt(s, k);
    const bool haushalt = s.Haken(Feld::KiZumHHGehoer, k);
    const bool gemeldet = s.Haken(Feld::GemeldetStpflCB, k);
    const auto ausbildung = AusbildungsBefunde(s, k);
    t.Setzen(kennung, {
        Befund(s.Leer(Feld::Vorname, k), 22),
        Befund(s.Fehlt(Feld::GebAm, k), 23),
        Befund(s.Leer(Feld::Anschrift, k), 24),
        Befund(!zeitraum, 25),
        Befund(zeitraum && inland == 1, 26),
        Befund(zeitraum && ausland == 1, 27),
        Befund(ausland > 0 && (s.Wahl(Feld::StaatLB, k) <= 0 || s.Leer(Feld::AuslandStaat, k)), 28),
        Befund(s.Wahl(Feld::KindschaftZuEhemannLB, k) <= 0, 29),
        Befund(s.Zusammen() && s.Wahl(Feld::KindschaftZuEhefrauLB, k) <= 0, 30),
        Befund(!haushalt, 31),
        Befund(s.Null(Feld::ErhKiGeld, k), 32),
        Befund(s.Einzel() && !gemeldet && !s.Haken(Feld::BeantrageZuordnungCB, k), 33),
        Befund(s.Einzel() && haushalt != gemeldet, 34),
        Befund(minderjaehrig && besonderheit, 37),
        Befund(!minderjaehrig && !besonderheit, 38),
        Befund(!minderjaehrig && besonderheit &&
                   (s.Fehlt(Feld::BesonderheitVom, k) || s.Fehlt(Feld::BesonderheitBis, k)),
               39),
        Befund(s.Haken(Feld::BesHeit_6, k) && !s.Haken(Feld::BesHeit_Ki16uBehind, k), 40),
        ausbildung[0], ausbildung[1], ausbildung[2],
    });
}

// Disability data of person y (1 Er, 2 Sie, 3..8 child 1..6): 310 + y when
// the data are begun but incomplete.
int BehinderungsBefund(const Sicht& s, int y) {
    if (y == 2 && !s.Zusammen()) return 0;
    if (y >= 3 && !IstNichtNull(s.Betrag(Feld::KindKiFbJahr, y - 2))) return 0;
    int c = Anzahl({
        s.NichtNull(Feld::GradBehinderung, y) || s.Haken(Feld::HilfLosCB, y),
        s.Gegeben(Feld::NachweisAusDat, y),
        s.Gegeben(Feld::NachWbefBis, y) || s.Haken(Feld::NachwUnbefCB, y),
        s.Haken(Feld::NachwBeigefCB, y) || s.Haken(Feld::NachwVorgelRB, y),
    });
    if (c == 0 && (s.Haken(Feld::GehbehindertCB, y) || s.Haken(Feld::AussergewCB, y))) c = 1;
    return Befund(c >= 1 && c <= 3, 310 + y);
}

}  // namespace

void PersonenRegeln(const Sicht& s, Befundtabelle& t) {
    PersoenlicheDaten(s, t);
    t.Setzen(12, {0});
    std::array<int, 8> behinderung{};
    for (int y = 1; y <= 8; ++y) behinderung[y - 1] = BehinderungsBefund(s, y);
    t.Setzen(131, behinderung);
    t.Setzen(301, {behinderung[0]});
    t.Setzen(302, {behinderung[1]});
    for (int k = 1; k <= AnzahlKinder; ++k) {
        Kind(s, t, k);
        t.Setzen(402 + k, {behinderung[k + 1]});
        const auto ausbildung = AusbildungsBefunde(s, k);
        t.Setzen(500 + k, {ausbildung[0], ausbildung[1], ausbildung[2], AusbildEinkommenBefund(s, k)});
    }
}

}  // namespace quarnel::pruefregeln
