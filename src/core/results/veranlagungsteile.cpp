// The case's figures by its chosen assessment: the balance and the recorded
// parts, each on copies of the case.
#include "results/veranlagungsteile.h"

#include <algorithm>
#include <set>

#include "calc/berechnung.h"
#include "calc/deklaration.h"
#include "calc/durchgang.h"
#include "calc/feldnamen.h"
#include "case/zeichensatz.h"
#include "results/veranlagung.h"
#include "results/wieberechnet.h"

namespace quarnel {
namespace {

// The person slot of a name ("LohnEr" 0, "LohnSie" 1; -1 for a name of the
// couple) and the name of the same value in the other slot, where both are
// names `bekannt` knows.
struct Slot {
    int person = -1;
    std::string andere;
};
template <class Bekannt>
Slot PersonSlot(const std::string& name, const Bekannt& bekannt) {
    const std::size_t klammer = std::min(name.find('['), name.size());
    const std::string_view kopf = std::string_view(name).substr(0, klammer);
    const std::string rest = name.substr(klammer);
    Slot s;
    if (kopf.ends_with("Er"))
        s = {0, std::string(kopf.substr(0, kopf.size() - 2)) + "Sie" + rest};
    else if (kopf.ends_with("Sie"))
        s = {1, std::string(kopf.substr(0, kopf.size() - 3)) + "Er" + rest};
    if (s.person >= 0 && (!bekannt(name) || !bekannt(s.andere))) return {};
    return s;
}

bool Eingabe(const std::string& name) {
    return !KatalogfeldFuer(name).empty();
}

// The results of a recording with a value per person: its steps and the
// result record's fields.
struct Ergebnisse {
    std::set<std::string> schritte;
    explicit Ergebnisse(const Erklaerung& spur) {
        for (const Rechenschritt& s : spur.Schritte()) schritte.insert(s.ergebnis);
    }
    bool operator()(const std::string& name) const {
        return schritte.contains(name) || ErgebnisFeld(name) != nullptr;
    }
};

// The recording of a spouse's part with its values named as what they are:
// the part holds that spouse's values in the taxpayer's place, so in the
// spouse's part "LohnEr" is the spouse's "LohnSie" and "SummeEkEr" her
// "SummeEkSie" (and the empty other place the taxpayer's); an entry of the
// other place is none of this assessment and leads to no field.
void TeilUmschreiben(Erklaerung& spur, int teil) {
    const Ergebnisse ergebnisse(spur);
    auto tauschen = [&](std::string& name) {
        if (const Slot slot = PersonSlot(name, ergebnisse); slot.person >= 0) name = slot.andere;
    };
    auto tauschenRegel = [](std::string& name) {
        const Slot slot =
            PersonSlot(name, [](const std::string& n) { return RegelFuer(n) != nullptr; });
        if (slot.person >= 0) name = slot.andere;
    };
    Erklaerung neu;
    int durchgang = 0;
    for (const Rechenschritt& s : spur.Schritte()) {
        for (; durchgang < s.durchgang; ++durchgang) neu.NeuerDurchgang();
        std::string ergebnis = s.ergebnis;
        if (teil == 1) tauschen(ergebnis);
        std::vector<Wertangabe> werte = s.werte;
        for (Wertangabe& w : werte) {
            if (w.herkunft == Herkunft::Ergebnis) {
                if (teil == 1) tauschen(w.name);
                continue;
            }
            if (w.herkunft != Herkunft::Eingabe) continue;
            if (w.quelle.starts_with(WasWaereQuelle)) {
                if (teil == 1 && w.quelle.ends_with("Er"))
                    w.quelle.replace(w.quelle.size() - 2, 2, "Sie");
                else if (teil == 1 && w.quelle.ends_with("Sie"))
                    w.quelle.replace(w.quelle.size() - 3, 3, "Er");
                continue;
            }
            Slot slot = PersonSlot(w.name, Eingabe);
            if (slot.person < 0) continue;
            if (teil == 1) {
                w.name = slot.andere;
                slot.person = 1 - slot.person;
                w.quelle = std::string(KatalogfeldFuer(w.name));
            }
            if (slot.person != teil) w.quelle.clear();
        }
        // a rule of one person becomes the same rule of the other, so that the
        // spouse's "SummeEkSie" reads as hers
        std::string regel(s.regel->ergebnis);
        if (teil == 1 && ergebnis != s.ergebnis) tauschenRegel(regel);
        neu.Schritt(regel, std::move(ergebnis), s.wert, std::move(werte), s.tabelle);
    }
    spur = std::move(neu);
}

}  // namespace

double SaldoNachVeranlagung(const CaseRecord& fall, const CalcInput& e, const CalcResult& r,
                            bool kurz) {
    if (WirksameVeranlagungsart(fall, e) == Veranlagungsart::Zusammen) return r.GesamtSaldo;
    return VeranlagungRechnen(fall, kurz).last.saldo;
}

std::vector<Erklaerteil> VeranlagungErklaeren(const CaseRecord& fall, bool kurz) {
    std::vector<Erklaerteil> teile;
    auto kopie = std::make_unique<CaseRecord>(fall);
    auto g = std::make_unique<CalcInput>();
    DeklarationFuellen(*kopie, *g, kurz);
    const Veranlagungsart art = WirksameVeranlagungsart(fall, *g);
    if (art == Veranlagungsart::Zusammen) {
        // the joint computation recorded as "Wie berechnet?" always had it
        teile.push_back({"", std::make_unique<Erklaerung>()});
        RechnungErklaeren(fall, kurz, *teile.back().spur);
        return teile;
    }
    const VeranlagungsRechnung v =
        VeranlagungRechnen(*g, art, VeranlagungsAngabenAusFall(*kopie, *g, kurz));
    for (std::size_t p = 0; p < v.teile.size(); ++p) {
        teile.push_back({VeranlagungsteilName(v, p), std::make_unique<Erklaerung>()});
        // the part's input as it went into its computation, computed again
        auto e = std::make_unique<CalcInput>(*v.teile[p].e);
        auto r = std::make_unique<CalcResult>();
        ParameterSetzen(*e, *r);
        {
            ErklaerungAufzeichnen an(*teile.back().spur);
            Berechne(*e, *r);
        }
        TeilUmschreiben(*teile.back().spur, int(p));
        if (kurz) teile.back().spur->KurzQuellenSetzen();
    }
    return teile;
}

ErklaerVergleich WasWaereErklaeren(const CaseRecord& fall, const WasWaereWerte& aenderung,
                                   std::string_view ergebnis, bool kurz, int teil) {
    auto kopie = std::make_unique<CaseRecord>(fall);
    auto g = std::make_unique<CalcInput>();
    DeklarationFuellen(*kopie, *g, kurz);
    const Veranlagungsart art = WirksameVeranlagungsart(fall, *g);
    if (art == Veranlagungsart::Zusammen) return WasWaereErklaeren(*g, aenderung, ergebnis);
    const VeranlagungsAngaben a = VeranlagungsAngabenAusFall(*kopie, *g, kurz);
    ErklaerVergleich v;
    v.ergebnis = std::string(ergebnis);
    v.teil = teil == 0 ? "Steuerpflichtiger" : "Ehegatte";
    auto rechnen = [&](const WasWaereWerte& deltas, Erklaerung& spur) {
        auto ein = std::make_unique<CalcInput>();
        auto e = std::make_unique<CalcInput>();
        auto r = std::make_unique<CalcResult>();
        WasWaereWerte teilDeltas;
        WasWaereTeil(*g, deltas, art, a, teil, *ein, teilDeltas);
        {
            // only the part's own computation: the joint one above gave its input
            ErklaerungAufzeichnen an(spur);
            WasWaereBerechnen(*ein, teilDeltas, *e, *r);
        }
        TeilUmschreiben(spur, teil);
    };
    rechnen(WasWaereWerte{}, *v.spurVorher);
    rechnen(WasWaereAenderungGueltig(aenderung) ? aenderung : WasWaereWerte{}, *v.spurNachher);
    ErklaerBaeumeVergleichen(v);
    return v;
}

std::string ErgebnisImTeil(const std::vector<Erklaerteil>& teile, int teil,
                           std::string_view ergebnis) {
    if (teil != 1 || teile.size() < 2) return std::string(ergebnis);
    const Slot slot = PersonSlot(std::string(ergebnis), Ergebnisse(*teile[1].spur));
    return slot.person >= 0 ? slot.andere : std::string(ergebnis);
}

std::string TeilUeberschrift(int teil, int teile) {
    return "Teil " + std::to_string(teil + 1) + " von " + std::to_string(teile);
}

std::optional<int> TeilBeginnt(std::string_view zeile) {
    while (!zeile.empty() && zeile.front() == ' ') zeile.remove_prefix(1);
    if (zeile.starts_with(SummeBeiderUeberschrift)) return -1;
    if (!zeile.starts_with("Teil ")) return std::nullopt;
    for (int teil = 0; teil < 2; ++teil)
        if (zeile.starts_with(TeilUeberschrift(teil, 2) + ":")) return teil;
    return std::nullopt;
}

int TeilDerZeile(const Ergebnistext& t, std::size_t zeile) {
    int teil = 0;
    for (std::size_t i = 0; i <= zeile && i < t.zeilen.size(); ++i)
        if (const auto neu = TeilBeginnt(Cp1252ZuUtf8(t.zeilen[i]))) teil = *neu;
    return teil;
}

}  // namespace quarnel
