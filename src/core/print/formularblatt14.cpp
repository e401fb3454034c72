// Main form, page 4 (sheet 14): the extraordinary burdens: disability of up
// to two persons, household help, a home, maintenance of a needy person and
// other burdens. Fields 20..22 and 34..65 use the sheet's state byte.
#include <array>
#include <vector>

#include "calc/betrag.h"
#include "print/formularwerte.h"

namespace quarnel {

namespace {

// The eight persons of the disability records: taxpayer, spouse, children 1..6.
constexpr Feld Antrag[] = {Feld::HiAntStpflCB, Feld::HiAntEhegCB, Feld::HiAntKi1CB,
                           Feld::HiAntKi2CB,   Feld::HiAntKi3CB,  Feld::HiAntKi4CB,
                           Feld::HiAntKi5CB,   Feld::HiAntKi6CB};

bool Qualifiziert(const CaseRecord& r, int person) {
    return r.Int(Feld::GradBehinderung, person) > 0 || r.Bool(Antrag[person - 1]) ||
           r.Bool(Feld::HilfLosCB, person) || r.Bool(Feld::GehbehindertCB, person) ||
           r.Bool(Feld::AussergewCB, person);
}

// The qualifying persons (1..8) in the order taxpayer, spouse, children; the
// spouse passed over under the basic table.
std::vector<int> QualifiziertePersonen(const CaseRecord& r) {
    std::vector<int> p;
    for (int person = 1; person <= 8; ++person) {
        if (person == 2 && r.Bool(Feld::Grundtabelle)) continue;
        if (Qualifiziert(r, person)) p.push_back(person);
    }
    return p;
}

// The first two qualifying persons (0 for none): the two that page 4 has room for.
std::array<int, 2> ZweiPersonen(const CaseRecord& r) {
    const std::vector<int> q = QualifiziertePersonen(r);
    return {q.size() > 0 ? q[0] : 0, q.size() > 1 ? q[1] : 0};
}

std::string Vorname(const CaseRecord& r, int person) {
    if (person == 1) return TextGetrimmt(r.Text(Feld::StpflVorname));
    if (person == 2) return TextGetrimmt(r.Text(Feld::EhegVorname));
    return TextGetrimmt(r.Text(Feld::Vorname, person - 2));
}

// The values of one person's two lines, by the position 0..7 in its block:
// first name, certificate dated, valid until, survivors' cross, disabled,
// blind / helpless, walking-impaired, degree.
Feldwert PersonWert(const CaseRecord& r, const Definitionszeile& z, int person, int stelle) {
    auto betrag = [&](double x) { return Feldwert{FormularBetrag(x, z), {}}; };
    auto kreuz = [&](bool an) { return Feldwert{Kreuz(an), {}}; };
    switch (stelle) {
        case 0: return {Vorname(r, person), {}};
        case 1: return {Datum(r.Int(Feld::NachweisAusDat, person)), {}};
        case 2: return {Datum(r.Int(Feld::NachWbefBis, person)), {}};
        case 3: return kreuz(r.Bool(Antrag[person - 1]));
        case 4: return kreuz(r.Int(Feld::GradBehinderung, person) > 0);
        case 5: return kreuz(r.Bool(Feld::HilfLosCB, person));
        case 6: return kreuz(r.Bool(Feld::GehbehindertCB, person) || r.Bool(Feld::AussergewCB, person));
        default: return betrag(r.Int(Feld::GradBehinderung, person));
    }
}


}  // namespace

bool Fortsetzungsblatt14Noetig(const CaseRecord& r) { return QualifiziertePersonen(r).size() > 2; }

std::vector<std::string> FortsetzungsblattPersonen(const CaseRecord& r) {
    const std::vector<int> q = QualifiziertePersonen(r);
    std::vector<std::string> namen;
    for (std::size_t i = 2; i < q.size(); ++i) namen.push_back(Vorname(r, q[i]));
    return namen;
}

// The continuation sheet of page 4 (sheet 15): 1 the name line of both, 2
// `Steuernummer`, then the third to eighth qualifying person in the blocks
// 21..28, 31..38, ..., 71..78 with the positions of fields 3..10 of page 4.
Feldwert Blatt15Wert(const CaseRecord& r, const Feldanfrage& a) {
    const Definitionszeile& z = *a.zeile;
    if (z.feld == 1) return {NameBeide(r), {}};
    if (z.feld == 2) return {TextGetrimmt(r.Text(Feld::Steuernummer)), {}};
    const int block = z.feld / 10 - 2, stelle = z.feld % 10 - 1;
    if (block < 0 || block > 5 || stelle < 0 || stelle > 7) return {};
    const std::vector<int> q = QualifiziertePersonen(r);
    const std::size_t i = static_cast<std::size_t>(block) + 2;
    if (i >= q.size()) return {};
    return PersonWert(r, z, q[i], stelle);
}

Feldwert Blatt14Wert(const CaseRecord& r, const Feldanfrage& a) {
    const Definitionszeile& z = *a.zeile;
    auto betrag = [&](double x) { return Feldwert{FormularBetrag(x, z), {}}; };
    auto wert = [&](Feld f, int element = 1) { return betrag(r.Dbl(f, element)); };
    // A field prints at most 80 characters (the home's address and the supported person's
    // name are stored longer).
    auto text = [&](Feld f) { return Feldwert{TextGetrimmt(r.Text(f)).substr(0, 80), {}}; };
    auto kreuz = [&](bool an) { return Feldwert{Kreuz(an), {}}; };
    uint8_t leer = 0;
    uint8_t& zustand = a.zustand ? *a.zustand : leer;

    if (z.feld >= 1 && z.feld <= 18) {
        const std::array<int, 2> p = ZweiPersonen(r);
        if (z.feld <= 2) {
            const Feld f = z.feld == 1 ? Feld::NachwBeigefCB : Feld::NachwVorgelRB;
            return kreuz((p[0] && r.Bool(f, p[0])) || (p[1] && r.Bool(f, p[1])));
        }
        const int person = p[z.feld <= 10 ? 0 : 1];
        if (person == 0) return {};
        return PersonWert(r, z, person, (z.feld - 3) % 8);
    }

    switch (z.feld) {
        case 19: return kreuz(r.Bool(Feld::PauschbetragNicht5050));
        case 20: {
            zustand = IstPositiv(r.Dbl(Feld::AbMoegl)) &&
                      (r.Bool(Feld::AbAlterCB) || r.Bool(Feld::AbKrankheitCB) ||
                       r.Bool(Feld::AbHilflosePersCB));
            return {zustand ? Zeitraum(r.Int(Feld::BeschVom), r.Int(Feld::BeschBis)) : std::string(), {}};
        }
        case 21: return zustand ? wert(Feld::AufwandDm) : Feldwert{};
        case 22: {
            Feldwert w = zustand ? text(Feld::NameHausHilfe) : Feldwert{};
            zustand = 0;
            return w;
        }
        case 23: return {AuswahlText(r, Feld::Person), {}};
        case 24: return kreuz(r.Bool(Feld::HeimZwangsGruendeCB));
        case 25: return kreuz(r.Bool(Feld::HeimDauerndePflegeCB));
        case 26: return text(Feld::HeimAnschrift);
        case 27: return {Zeitraum(r.Int(Feld::HeimVom), r.Int(Feld::HeimBis)), {}};
        case 28: return text(Feld::HeimArtDienstleist);
        case 29: return kreuz(r.Bool(Feld::NachweisBeigef));
        case 30: return kreuz(r.Bool(Feld::NachweisVorgelegen));
        case 31: return text(Feld::NamePers);
        case 32: return text(Feld::NameKraefte);
        case 34:
            zustand = IstPositiv(r.Dbl(Feld::AufwDM, 1)) ? 1 : 0;
            return text(Feld::NameP1);
        case 35: return kreuz(!r.Bool(Feld::AnspKiFbCBP1) && zustand != 0);
        case 36: return kreuz(r.Bool(Feld::AnspKiFbCBP1));
        case 37: return text(Feld::VGradP1);
        case 38: return {Datum(r.Int(Feld::GebDatP1)), {}};
        case 39: return kreuz(r.Bool(Feld::UnBerCBP1));
        case 40: return kreuz(r.Bool(Feld::KiMuKiVaCBP1));
        case 41: return kreuz(IstPositiv(r.Dbl(Feld::OeffMittGekUmP1)) || r.Bool(Feld::OeffMitCBP1));
        case 42: return wert(Feld::OeffMittGekUmP1);
        case 44: return {TextGetrimmt(r.Text(Feld::AufwArt, 1)), {}};
        case 45: return {Zeitraum(r.Int(Feld::AufwVom, 1), r.Int(Feld::AufwBis, 1)), {}};
        case 46: return wert(Feld::AufwDM);
        case 47: return wert(Feld::AbEink_BruttoIn);
        case 48: return wert(Feld::AbEink_WerbkIn);
        case 49: return wert(Feld::AbEink_AusBeihIn);
        case 50: return betrag(r.Dbl(Feld::AbEink_KapitalIn) + r.Dbl(Feld::AbEink_RentenIn) +
                               r.Dbl(Feld::AbEink_UebrigeEkIn) + r.Dbl(Feld::AbEink_UebrigeBezIn));
        case 51: return wert(Feld::AbEink_BruttoAus);
        case 52: return wert(Feld::AbEink_WerbKAus);
        case 53: return wert(Feld::AbEink_AusBeihAus);
        case 54: return betrag(r.Dbl(Feld::AbEink_KapitalAus) + r.Dbl(Feld::AbEink_RentenAus) +
                               r.Dbl(Feld::AbEink_UebrigeEkAus) + r.Dbl(Feld::AbEink_UebrigeBezAus));
        case 61: return kreuz(r.Bool(Feld::InMeinHHCBP1));
        case 62: return kreuz(r.Bool(Feld::AndHHCBP1));
        case 63: return text(Feld::LebtMitP1);
        case 64: return {TextGetrimmt(r.Text(Feld::AufwArtWeit, 1)), {}};
        case 65: {
            Feldwert w = wert(Feld::AufwDmWeit);
            zustand = 0;
            return w;
        }
        case 73: return text(Feld::AbAndere_Art1);
        case 74: return wert(Feld::Aufwand1);
        case 75: return wert(Feld::Erstattungen1);
        case 76: return text(Feld::AbAndere_Art2);
        case 77: return wert(Feld::Aufwand2);
        case 78: return wert(Feld::Erstattungen2);
        case 79: return {IstPositiv(r.Dbl(Feld::SonstigeKosten)) ? "vgl. Liste" : "", {}};
        case 80: return wert(Feld::SonstigeKosten);
        // Where the persons beyond the two of lines 3 to 6 stand.
        case 81: return {Fortsetzungsblatt14Noetig(r) ? "siehe Fortsetzungsblatt" : "", {}};
        default: return {};
    }
}

}  // namespace quarnel
