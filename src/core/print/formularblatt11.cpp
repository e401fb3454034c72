// Main form, page 1 (sheet 11): the taxpayer, the spouse, the bank account
// and the adviser.
#include "calc/betrag.h"
#include "pages/veranlagungsart.h"
#include "print/formularwerte.h"

namespace quarnel {

namespace {

double VwlErsteKarte(const CaseRecord& r, int person) {
    constexpr Feld betrag[] = {Feld::Vwl1Betrag, Feld::Vwl2Betrag, Feld::Vwl3Betrag, Feld::Vwl4Betrag};
    double s = 0;
    for (Feld f : betrag) s += r.Dbl(f, Lohnkarte(person, 1));
    return s;
}

}  // namespace

Feldwert Blatt11Wert(const CaseRecord& r, const Feldanfrage& a) {
    const bool joint = r.Bool(Feld::Splitting);
    const int32_t famStand = r.Int(Feld::ErSie_FamilienstandLB);
    auto text = [&](Feld f) { return Feldwert{r.Text(f), {}}; };
    auto famSeit = [&](bool wenn) {
        return Feldwert{wenn ? Datum(r.Int(Feld::FamStandSeit)) : std::string(), {}};
    };
    switch (a.zeile->feld) {
        case 1:
        case 27: return {Kreuz(true), {}};
        case 2: {
            const double vwl = VwlErsteKarte(r, 1) + (joint ? VwlErsteKarte(r, 2) : 0);
            return {Kreuz(IstPositiv(vwl)), {}};
        }
        case 3: return text(Feld::Finanzamt);
        case 4: return text(Feld::Steuernummer);
        case 5: return text(Feld::BisherigesFA);
        case 6: return {Kreuz(r.Bool(Feld::RechneErstattung)), {}};
        case 7: return text(Feld::StpflTelefon);
        case 8: return text(Feld::StpflName);
        case 9: return text(Feld::StpflVorname);
        case 10: return {DatumKaesten6(r.Int(Feld::StpflGebDat)), {}};
        case 11: return {AuswahlText(r, Feld::StpflReligionLB), {}};
        case 12: return text(Feld::StpflBeruf);
        case 13: return text(Feld::StpflStrasse);
        case 14: return text(Feld::StpflPlz);
        case 15: return text(Feld::StpflOrt);
        case 16: return famSeit(famStand == 1);
        case 19: return famSeit(famStand == 2);
        case 18: return famSeit(famStand == 3);
        case 17: return famSeit(famStand == 4 || famStand == 5);
        case 20: {
            const bool wenn = famStand == 0 || famStand == 3 || famStand == 4 || famStand == 5;
            return {wenn ? Datum(r.Int(Feld::EingLebGemeinschaftSeit)) : std::string(), {}};
        }
        case 21: return text(Feld::EhegVorname);
        case 22: return text(Feld::EhegName);
        case 23: return {DatumKaesten6(r.Int(Feld::EhegGebDat)), {}};
        case 24: return {AuswahlText(r, Feld::EhegReligionLB), {}};
        case 25: return text(Feld::EhegBeruf);
        case 26: {
            const std::string s = TextGetrimmt(r.Text(Feld::EhegStrasse)), o = TextGetrimmt(r.Text(Feld::EhegOrt));
            return {s.empty() && o.empty() ? std::string() : s + "  " + o, {}};
        }
        case 30: return text(Feld::KtoNummer);
        case 31: return text(Feld::BLZ);
        case 32: return text(Feld::Geldinstitut);
        case 33: return {Kreuz(TextGetrimmt(r.Text(Feld::KtoInhaberName)).empty()), {}};
        case 34: return text(Feld::KtoInhaberName);
        case 35: return text(Feld::StBeName);
        case 36: return text(Feld::StBeVorname);
        case 37: return text(Feld::StBeStrasse);
        case 38: return text(Feld::StBePlz);
        case 39: return text(Feld::StBeOrt);
        // line 17: the couple's assessment, as chosen and admissible
        case 41:
        case 42:
        case 43: {
            Veranlagungsart art = GespeicherteVeranlagungsart(r);
            if (!VeranlagungsartZulaessig(r, art)) art = Veranlagungsart::Zusammen;
            const int feld = 41 + static_cast<int>(art);
            return {Kreuz(joint && VeranlagungWaehlbar(r) && a.zeile->feld == feld), {}};
        }
        case 40: {
            const int32_t d = r.Int(Feld::DatumErklaerung);
            return {Datum(d >= 0 ? d : a.heute), {}};
        }
        default: return {};
    }
}

}  // namespace quarnel
