// Anlage N, page 2 (sheets 321, 322): the income-related expenses of one
// person: commuting, unions, work equipment, study, travel, meals and the
// double household.
#include "calc/betrag.h"
#include "print/formularwerte.h"

namespace quarnel {

namespace {

constexpr Feld LfdOrt[] = {Feld::LfdOrt1CB, Feld::LfdOrt2CB, Feld::LfdOrt3CB, Feld::LfdOrt4CB};
constexpr Feld LfdTage[] = {Feld::LfdTage1, Feld::LfdTage2, Feld::LfdTage3, Feld::LfdTage4};
constexpr Feld LfdEntf[] = {Feld::LfdEntf1, Feld::LfdEntf2, Feld::LfdEntf3, Feld::LfdEntf4};
constexpr Feld LfdPkw[] = {Feld::LfdPkw1, Feld::LfdPkw2, Feld::LfdPkw3, Feld::LfdPkw4};
constexpr Feld LfdMit[] = {Feld::LfdMitAnderen1, Feld::LfdMitAnderen2, Feld::LfdMitAnderen3,
                           Feld::LfdMitAnderen4};
constexpr Feld LfdBehind[] = {Feld::LfdBehind1CB, Feld::LfdBehind2CB, Feld::LfdBehind3CB,
                              Feld::LfdBehind4CB};

}  // namespace

Feldwert Blatt32Wert(const CaseRecord& r, const Feldanfrage& a) {
    const int p = a.instanz == 2 ? 2 : 1;
    // The spouse's annex prints nothing for a case taxed by the basic table.
    if (p == 2 && r.Bool(Feld::Grundtabelle)) return {};
    const Definitionszeile& z = *a.zeile;
    auto dbl = [&](Feld f) { return r.Dbl(f, p); };
    auto betrag = [&](double x) { return Feldwert{FormularBetrag(x, z), {}}; };
    auto wert = [&](Feld f) { return betrag(dbl(f)); };
    auto text = [&](Feld f) { return Feldwert{TextGetrimmt(r.Text(f, p)), {}}; };
    auto kreuz = [&](bool an) { return Feldwert{Kreuz(an), {}}; };
    auto datum = [&](Feld f) { return Feldwert{Datum(r.Int(f, p)), {}}; };
    auto hinweis = [&](bool wenn, const char* t) { return Feldwert{wenn ? t : "", {}}; };

    // The commuting rows 21..56: the row is the line's index, 1..4.
    if (z.feld >= 21 && z.feld <= 56 && z.feld % 10 >= 1 && z.feld % 10 <= 6) {
        if (z.index < 1 || z.index > 4) return {};
        const int i = z.index - 1;
        switch (z.feld % 10) {
            case 1: {
                // A list box with nothing chosen prints nothing.
                const int32_t ort = r.Int(LfdOrt[i], p);
                return {ort == 1 || ort == 2 ? std::to_string(ort) : std::string(), {}};
            }
            case 2: return wert(LfdTage[i]);
            case 3: return wert(LfdEntf[i]);
            case 4: return wert(LfdPkw[i]);
            case 5: return wert(LfdMit[i]);
            default: return kreuz(r.Bool(LfdBehind[i], p));
        }
    }
    const double arbeitszimmer = dbl(Feld::DirKostenAusListe) + dbl(Feld::AntKostenErg);
    const double reisen = dbl(Feld::SummeWkReise) + dbl(Feld::ErgWKWechsel);
    const double heimFz = dbl(Feld::ErstFahrtFzKM) + dbl(Feld::LetztFahrtFzKM);
    const double heimOef = dbl(Feld::ErstFahrtOefDM) + dbl(Feld::LetztFahrtOefDM);
    const double heimFzDm = dbl(Feld::ErstFahrtFzDm) + dbl(Feld::LetztFahrtFzDM);
    const bool eigenesHaus = !TextGetrimmt(r.Text(Feld::EigHausIn, p)).empty();
    // The household statements belong only to a person who keeps a double household.
    const bool doppelterHaushalt = IstPositiv(dbl(Feld::ErgFahrten) + dbl(Feld::ErgUnterkunft)) ||
                                   !TextGetrimmt(r.Text(Feld::BeschOrt, p)).empty() ||
                                   r.Int(Feld::DHSeit, p) >= 0;
    auto tage = [&](Feld ew, Feld fz) {
        return betrag(static_cast<double>(r.Int(ew, p)) + r.Int(fz, p));  // damaged counts never overflow
    };

    switch (z.feld) {
        case 1: return kreuz(r.Bool(Feld::PrivatPKWCB, p));
        case 2: return kreuz(r.Bool(Feld::FirmenPKWCB, p));
        case 3: return text(Feld::LetztesKennz);
        case 4: return text(Feld::ArbeitsOrt1);
        case 5: return wert(Feld::Arbeitstage1);
        case 6: return wert(Feld::Urlaubstage1);
        case 7: return text(Feld::ArbeitsOrt2);
        case 8: return wert(Feld::Arbeitstage2);
        case 9: return wert(Feld::Urlaubstage2);
        case 61: return wert(Feld::AufwOeffVerkMittel);
        case 62: return wert(Feld::FahrtArbeitgeberErsatzStFrei);
        case 63: return wert(Feld::FahrtArbeitgeberErsatzStPausch);
        case 71: return text(Feld::BezVerband);
        case 72: return wert(Feld::EntrBeitraegeListe);
        case 81: return text(Feld::ArbMittel1);
        case 82: return betrag(dbl(Feld::Kosten1) + dbl(Feld::Kosten2));
        case 83: return text(Feld::ArbMittel2);
        case 84: return hinweis(IstPositiv(dbl(Feld::Kosten4) + dbl(Feld::Kosten5)), "vgl. Liste");
        case 85: return betrag(dbl(Feld::Kosten4) + dbl(Feld::Kosten5));
        case 86: return wert(Feld::SummeWKArbM);
        case 91: return hinweis(IstPositiv(arbeitszimmer), "Arbeitszimmer");
        case 92: return betrag(arbeitszimmer);
        case 93: {
            std::string t = IstPositiv(dbl(Feld::SummeWkReise)) ? "Dienstreisen" : "";
            if (IstPositiv(dbl(Feld::ErgWKWechsel))) t += "  Einsatzwechselt\xe4tigkeit";
            return {t, {}};
        }
        case 94: return betrag(reisen);
        case 95: return hinweis(IstPositiv(dbl(Feld::SummeWkSonst)), "Sonstige Kosten lt. Liste");
        case 96: return wert(Feld::SummeWkSonst);
        case 97: return betrag(arbeitszimmer + reisen + dbl(Feld::SummeWkSonst));
        case 101: return kreuz(IstPositiv(dbl(Feld::EWErstWk) + dbl(Feld::EWErgSum)));
        case 102: return kreuz(IstPositiv(dbl(Feld::FzErstWk) + dbl(Feld::FzErgSum)));
        case 103: return tage(Feld::EWTa10, Feld::FzTa10);
        case 104: return tage(Feld::EWTa14, Feld::FzTa14);
        case 105: return tage(Feld::EWTa24, Feld::FzTa24);
        case 106: return betrag(dbl(Feld::SummeWKVerpfl) + dbl(Feld::EWErstWk) + dbl(Feld::FzErstWk));
        case 107: return betrag(dbl(Feld::EWErstWk) + dbl(Feld::FzErstWk));
        case 108: return wert(Feld::SummeWKVerpfl);
        case 111: return text(Feld::BeschOrt);
        case 112: return text(Feld::GrundDH);
        case 113: return datum(Feld::DHSeit);
        case 114: return datum(Feld::DHBestandenBis);
        case 115: return {Zeitraum(r.Int(Feld::EhegAmOrtVon, p), r.Int(Feld::EhegAmOrtBis, p)), {}};
        case 116: return kreuz(doppelterHaushalt && !eigenesHaus);
        case 117: return text(Feld::EigHausIn);
        case 118: return datum(Feld::EigHausSeit);
        case 119: return eigenesHaus || !doppelterHaushalt ? Feldwert{} : kreuz(!r.Bool(Feld::UnterKJaCB, p));
        case 120: return eigenesHaus || !doppelterHaushalt ? Feldwert{} : kreuz(r.Bool(Feld::UnterKJaCB, p));
        case 141: return kreuz(IstPositiv(heimOef));
        case 142: return kreuz(IstPositiv(heimFz));
        case 143: return betrag(heimFz);
        case 144: return betrag(Quotient(heimFz, heimFzDm));
        case 145: return betrag(heimOef + heimFzDm);
        case 151: return wert(Feld::HeimFahrtFzKM);
        case 152: return wert(Feld::HeimFahrtFzZahl);
        case 153:
        case 154: return wert(Feld::HeimFahrtFzDM);
        case 161: return wert(Feld::HeimHoehererBetrag);
        case 162: return wert(Feld::Flugkosten);
        case 163: return wert(Feld::UnterkunftDM);
        case 171: return wert(Feld::VMTa10);
        case 172: return wert(Feld::VMTa14);
        case 173: return wert(Feld::VMTa24);
        case 174: return betrag(dbl(Feld::VMDM10) + dbl(Feld::VMDM14) + dbl(Feld::VMDM24));
        case 181: return text(Feld::FeldZeile61Str);
        case 182: return wert(Feld::FeldZeile61Wert);
        case 191: return wert(Feld::AGStFreiErs);
        case 192: return wert(Feld::SummeWkDoppH);
        default: return {};
    }
}

}  // namespace quarnel
