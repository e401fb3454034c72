// Main form, page 3 (sheet 13): the special expenses (insurance, annuities,
// maintenance, church tax, adviser, education, school fees, donations) and
// the loss deduction.
#include <string>

#include "calc/betrag.h"
#include "print/formularwerte.h"

namespace quarnel {

namespace {

constexpr Feld Schulgeld[] = {Feld::SGGezKi1, Feld::SGGezKi2, Feld::SGGezKi3,
                              Feld::SGGezKi4, Feld::SGGezKi5, Feld::SGGezKi6};
constexpr Feld Schulname[] = {Feld::SGBezKi1, Feld::SGBezKi2, Feld::SGBezKi3,
                              Feld::SGBezKi4, Feld::SGBezKi5, Feld::SGBezKi6};

// A field of both wage cards of a person.
double BeideKarten(const CaseRecord& r, Feld f, int person) {
    return r.Dbl(f, Lohnkarte(person, 1)) + r.Dbl(f, Lohnkarte(person, 2));
}

// The employer's health-insurance subsidies that reduce the premiums paid.
double ArbeitgeberzuschussKV(const CaseRecord& r) {
    return BeideKarten(r, Feld::AgZuKV, 1) +
           (r.Bool(Feld::Splitting) ? BeideKarten(r, Feld::AgZuKV, 2) : 0);
}

// "1,3,": the numbers of the children with school fees, each with a comma.
std::string SchulgeldKinder(const CaseRecord& r) {
    std::string s;
    for (int k = 0; k < 6; ++k)
        if (IstPositiv(r.Dbl(Schulgeld[k]))) s += std::to_string(k + 1) + ",";
    return s;
}

std::string ErsteSchule(const CaseRecord& r) {
    for (Feld f : Schulname) {
        const std::string t = TextGetrimmt(r.Text(f));
        if (!t.empty()) return t;
    }
    return {};
}

}  // namespace

Feldwert Blatt13Wert(const CaseRecord& r, const Feldanfrage& a) {
    const bool joint = r.Bool(Feld::Splitting);
    const Definitionszeile& z = *a.zeile;
    auto betrag = [&](double x) { return Feldwert{FormularBetrag(x, z), {}}; };
    auto wert = [&](Feld f) { return betrag(r.Dbl(f)); };
    auto text = [&](Feld f) { return Feldwert{TextGetrimmt(r.Text(f)), {}}; };
    auto kreuz = [&](bool an) { return Feldwert{Kreuz(an), {}}; };
    auto nurEhegatte = [&](Feldwert w) { return joint ? w : Feldwert{}; };
    const bool haushaltshilfe = IstPositiv(r.Dbl(Feld::SaMoegl));
    auto wennHaushaltshilfe = [&](Feldwert w) { return haushaltshilfe ? w : Feldwert{}; };
    auto summe = [&](std::initializer_list<Feld> felder) {
        double s = 0;
        for (Feld f : felder) s += r.Dbl(f);
        return betrag(s);
    };

    switch (z.feld) {
        case 1: return betrag(BeideKarten(r, Feld::AnTeilSoVer, 1));
        case 2: return nurEhegatte(betrag(BeideKarten(r, Feld::AnTeilSoVer, 2)));
        case 3: return wert(Feld::ZusPflegeStpfl);
        case 4: return nurEhegatte(wert(Feld::ZusPflegeEheg));
        case 5: return wert(Feld::FreiwHoeher);
        case 6: return betrag(r.Dbl(Feld::KrankenGez) - ArbeitgeberzuschussKV(r));
        case 7: return wert(Feld::KrankenErst);
        case 8: return betrag(r.Dbl(Feld::KrankenErg) - ArbeitgeberzuschussKV(r));
        case 9: return wert(Feld::UnfallGez);
        case 10: return wert(Feld::UnfallErst);
        case 11: return wert(Feld::UnfallErg);
        case 12: return wert(Feld::LebenGez);
        case 13: return wert(Feld::LebenErst);
        case 14: return wert(Feld::LebenErg);
        case 15: return wert(Feld::HaftGez);
        case 16: return wert(Feld::HaftErst);
        case 17: return wert(Feld::HaftErg);
        case 20: return text(Feld::ReGrund);
        case 21: return wert(Feld::ReGezahlt);
        case 22: return summe({Feld::ReErtAntBek, Feld::ReErtAntRech});
        case 23: return text(Feld::DLGrund);
        case 24: return wert(Feld::DlGezahlt);
        case 25: return wert(Feld::UntAbziehbar);
        case 26: {
            // Church tax as paid, to the Pfennig: the wage cards (the spouse's only
            // when joint) and the further payments; the deduction rounds, not the form.
            double karten = 0;
            for (Feld f : {Feld::KiStAnBrutto, Feld::KiStEheBrutto, Feld::KiStAnMj, Feld::KiStEheMj})
                karten += BeideKarten(r, f, 1) + (joint ? BeideKarten(r, f, 2) : 0);
            return betrag(karten + r.Dbl(Feld::KiWeitere));
        }
        case 27: return wert(Feld::KiErst);
        case 29: return wennHaushaltshilfe({Zeitraum(r.Int(Feld::BeschVom), r.Int(Feld::BeschBis)), {}});
        case 32: return wennHaushaltshilfe(wert(Feld::AufwandDm));
        case 33: return wennHaushaltshilfe(wert(Feld::SteuerfreiEin));
        case 34: return wennHaushaltshilfe(betrag(r.Dbl(Feld::AufwandDm) - r.Dbl(Feld::SteuerfreiEin)));
        case 35: return wert(Feld::StBerDmAusListe);
        case 36: return text(Feld::AusStpfArtAusb);
        case 37: return text(Feld::AusStpfArtKost);
        case 38: return betrag(r.Dbl(Feld::AusStpfDM) + (joint ? r.Dbl(Feld::AusEheDM) : 0));
        case 39: return {SchulgeldKinder(r), {}};
        case 40: return {ErsteSchule(r), {}};
        case 41: {
            double s = 0;
            for (Feld f : Schulgeld) s += r.Dbl(f);
            return betrag(s);
        }
        case 45: return wert(Feld::StiftStockDM);
        case 46: return wert(Feld::StiftStockFA);
        case 47: return wert(Feld::StiftStockAnsatzDM);
        case 48: return wert(Feld::StiftStockVorjahrDM);
        case 49: return wert(Feld::StiftDM);
        case 50: return wert(Feld::StiftFA);
        case 55: return wert(Feld::WissenDM);
        case 56: return wert(Feld::WissenFA);
        case 57: return wert(Feld::WissenErg);
        case 58: return wert(Feld::KirchDM);
        case 59: return wert(Feld::KirchFA);
        case 60: return wert(Feld::KirchErg);
        case 61: return wert(Feld::ParteienDM);
        case 62: return wert(Feld::ParteienFA);
        case 63: return wert(Feld::ParteienErg);
        case 64: return wert(Feld::WaehlerDM);
        case 65: return wert(Feld::WaehlerFA);
        case 66: return wert(Feld::WaehlerErg);
        case 70: return kreuz(IstPositiv(r.Dbl(Feld::VerlustAbStpfl)));
        case 71: return nurEhegatte(kreuz(IstPositiv(r.Dbl(Feld::VerlustAbEheg))));
        case 72: return wert(Feld::Ruecktrag1);
        case 73: return wert(Feld::Ruecktrag2);
        case 74: return kreuz(r.Bool(Feld::BegrenzungAnlageVACB));
        default: return {};
    }
}

}  // namespace quarnel
