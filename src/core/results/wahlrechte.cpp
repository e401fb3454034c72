// The elections of a case computed in every variant: each variant is a fill
// of a private copy of the record, changed where the election lies, and the
// assessment the couple has chosen computed in full.
#include "results/wahlrechte.h"

#include <algorithm>
#include <functional>
#include <memory>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/deklaration.h"
#include "calc/parameter.h"
#include "results/veranlagung.h"

namespace quarnel {
namespace {

using Eingabeaenderung = std::function<void(CalcInput&)>;
using Fallaenderung = std::function<void(CaseRecord&)>;

// The joint input of the case as the fill leaves it, from a private copy;
// the filled copy to *gefuellt when asked for.
std::unique_ptr<CalcInput> Gefuellt(const CaseRecord& fall, bool kurz,
                                    std::unique_ptr<CaseRecord>* gefuellt = nullptr) {
    auto kopie = std::make_unique<CaseRecord>(fall);
    auto e = std::make_unique<CalcInput>();
    DeklarationFuellen(*kopie, *e, kurz);
    if (gefuellt) *gefuellt = std::move(kopie);
    return e;
}

// The burden of one variant: the case (changed by fall), filled, its input
// changed by eingabe, computed in the assessment the case has chosen.
WahlVariante Variante(const CaseRecord& fall, bool kurz, std::string text,
                      const Fallaenderung& aendereFall, const Eingabeaenderung& aendereEingabe) {
    auto geaendert = std::make_unique<CaseRecord>(fall);
    if (aendereFall) aendereFall(*geaendert);
    std::unique_ptr<CaseRecord> kopie;
    auto e = Gefuellt(*geaendert, kurz, &kopie);
    if (aendereEingabe) aendereEingabe(*e);
    const VeranlagungsRechnung v = VeranlagungRechnen(*e, WirksameVeranlagungsart(fall, *e),
                                                     VeranlagungsAngabenAusFall(*kopie, *e, kurz));
    WahlVariante w;
    w.text = std::move(text);
    w.est = v.last.est;
    w.soli = v.last.soli;
    w.kist = v.last.kist;
    w.gesamt = v.last.gesamt;
    w.saldo = v.last.saldo;
    return w;
}

// The recommendation: the cheapest variant by the whole burden; the variant
// the case holds wins a tie.
void Empfehlen(WahlrechtVergleich& w) {
    int best = w.gewaehlt;
    for (int i = 0; i < static_cast<int>(w.varianten.size()); ++i)
        if (w.varianten[i].gesamt < w.varianten[best].gesamt - 0.001) best = i;
    w.empfohlen = best;
    for (WahlVariante& v : w.varianten) v.mehr = v.gesamt - w.varianten[best].gesamt;
    w.ersparnis = w.varianten[w.gewaehlt].mehr;
}

void Veranlagungsarten(const CaseRecord& fall, bool kurz, std::vector<WahlrechtVergleich>& aus) {
    const VeranlagungsVergleich v = VeranlagungVergleichen(fall, kurz);
    if (!v.waehlbar) return;
    WahlrechtVergleich w;
    w.art = Wahlrecht::Veranlagungsart;
    w.titel = "Veranlagungsart der Ehegatten (§§ 26 bis 26c EStG)";
    for (const VeranlagungsLast& l : v.arten) {
        if (l.art == v.gespeichert) w.gewaehlt = static_cast<int>(w.varianten.size());
        w.varianten.push_back({std::string(VeranlagungsartText(l.art)) + " (" +
                                   VeranlagungsartParagraph(l.art) + ")",
                               l.est, l.soli, l.kist, l.gesamt, l.saldo, 0});
    }
    Empfehlen(w);
    aus.push_back(std::move(w));
}

// § 34(3) EStG: the sale gains the case taxes at half the average rate,
// against the Fünftelregelung of § 34(1) for the same gains.
void HalberSteuersatz(const CaseRecord& fall, bool kurz, std::vector<WahlrechtVergleich>& aus) {
    const auto e = Gefuellt(fall, kurz);
    const bool zusammen = e->FlagZusammen == 1;
    double gewinne = e->GewVeraeussEr + e->SelbVeraeussEr;
    if (zusammen) gewinne += e->GewVeraeussSie + e->SelbVeraeussSie;
    if (!IstPositiv(gewinne)) return;
    WahlrechtVergleich w;
    w.art = Wahlrecht::HalberSteuersatz;
    w.titel = "Veräußerungsgewinn: halber Steuersatz (§ 34 Abs. 3 EStG) oder "
              "Fünftelregelung (§ 34 Abs. 1 EStG)";
    w.hinweis = "Der halbe Steuersatz setzt das 55. Lebensjahr oder dauernde "
                "Berufsunfähigkeit voraus und wird nur einmal im Leben gewährt.";
    w.varianten.push_back(Variante(fall, kurz, "halber Steuersatz (§ 34 Abs. 3 EStG)", {}, {}));
    w.varianten.push_back(Variante(fall, kurz, "Fünftelregelung (§ 34 Abs. 1 EStG)", {},
                                   [](CalcInput& x) {
                                       for (int p = 0; p < 2; ++p) {
                                           x.GewAo(p) += x.GewVeraeuss(p);
                                           x.SelbAo(p) += x.SelbVeraeuss(p);
                                           x.GewVeraeuss(p) = x.SelbVeraeuss(p) = 0;
                                       }
                                   }));
    w.gewaehlt = 0;
    Empfehlen(w);
    aus.push_back(std::move(w));
}

// § 34c EStG: foreign tax credited (Abs. 1) or deducted in computing the
// income (Abs. 2); the case's choice "günstiger" lets the computation take
// the cheaper one.
void AuslaendischeSteuer(const CaseRecord& fall, bool kurz, std::vector<WahlrechtVergleich>& aus) {
    const auto e = Gefuellt(fall, kurz);
    const double steuer = e->AuslSteuerEr + (e->FlagZusammen == 1 ? e->AuslSteuerSie : 0);
    if (!IstPositiv(steuer)) return;
    WahlrechtVergleich w;
    w.art = Wahlrecht::AuslaendischeSteuer;
    w.titel = "Ausländische Steuern: Anrechnung oder Abzug (§ 34c EStG)";
    auto wahl = [](int32_t n) { return [n](CalcInput& x) { x.AuslSteuerWahl = n; }; };
    w.varianten.push_back(Variante(fall, kurz, "Anrechnung (§ 34c Abs. 1 EStG)", {}, wahl(1)));
    w.varianten.push_back(Variante(fall, kurz, "Abzug (§ 34c Abs. 2 EStG)", {}, wahl(2)));
    const int32_t gespeichert = fall.Int(Feld::AuslStWahl);
    if (gespeichert == 1 || gespeichert == 2) {
        w.gewaehlt = gespeichert - 1;
    } else {
        // "günstiger": the computation takes the cheaper, the credit on a tie
        w.gewaehlt = w.varianten[1].gesamt < w.varianten[0].gesamt - 0.001 ? 1 : 0;
        w.hinweis = "Gewählt ist „günstiger“: die Berechnung nimmt schon die günstigere "
                    "Methode.";
    }
    Empfehlen(w);
    aus.push_back(std::move(w));
}

// § 32(6) sentence 6 EStG as of 2001: a parent not married to the other (or
// living apart) may apply for the other parent's half of the Kinderfreibetrag
// where he or she, and not the other, meets the duty of maintenance; the
// case asks for it per child on the children page.
void Kinderfreibetraege(const CaseRecord& fall, bool kurz, std::vector<WahlrechtVergleich>& aus) {
    if (kurz || fall.Bool(Feld::Splitting)) return;
    std::unique_ptr<CaseRecord> kopie;
    Gefuellt(fall, kurz, &kopie);
    for (int kind = 1; kind <= 6; ++kind) {
        const double fb = kopie->Dbl(Feld::KindKiFbJahr, kind);
        const double max = kopie->Dbl(Feld::KindKiFbMax, kind);
        const bool beantragt = fall.Bool(Feld::BeantrageKiFbWg75CB, kind);
        // only a child of whom the parent holds half the allowance, or one
        // for whom the transfer is applied for already
        if (!(fb > 0.001) || (!beantragt && !(max < 2 * param::KinderFbMonatHalb * 12 - 0.5)))
            continue;
        WahlrechtVergleich w;
        w.art = Wahlrecht::KinderfreibetragUebertragung;
        w.kind = kind;
        w.titel = "Übertragung des Kinderfreibetrags des anderen Elternteils, " +
                  std::to_string(kind) + ". Kind (§ 32 Abs. 6 Satz 6 EStG)";
        w.hinweis = "Nur zulässig, wenn der andere Elternteil seiner Unterhaltspflicht "
                    "für 2001 nicht im Wesentlichen (zu mindestens 75 %) nachkommt.";
        auto antrag = [kind](bool an) {
            return [kind, an](CaseRecord& r) { r.SetzeBool(Feld::BeantrageKiFbWg75CB, an, kind); };
        };
        w.varianten.push_back(Variante(fall, kurz, "ohne Übertragung", antrag(false), {}));
        w.varianten.push_back(Variante(fall, kurz, "mit Übertragung", antrag(true), {}));
        w.gewaehlt = beantragt ? 1 : 0;
        Empfehlen(w);
        aus.push_back(std::move(w));
    }
}

}  // namespace

std::vector<WahlrechtVergleich> WahlrechteVergleichen(const CaseRecord& fall, bool kurz) {
    std::vector<WahlrechtVergleich> aus;
    Veranlagungsarten(fall, kurz, aus);
    HalberSteuersatz(fall, kurz, aus);
    AuslaendischeSteuer(fall, kurz, aus);
    Kinderfreibetraege(fall, kurz, aus);
    return aus;
}

std::vector<std::string> WahlrechteOffen() {
    return {
        "Zuordnung eines bei beiden Eltern gemeldeten Kindes für den Haushaltsfreibetrag "
        "(§ 32 Abs. 7 Satz 2 EStG): folgt der Zustimmung auf der Kinderseite, nicht verglichen.",
        "Aufteilung des Behinderten-Pauschbetrags eines Kindes zwischen den Eltern "
        "(§ 33b Abs. 5 EStG): wirkt bei beiden Eltern, der Fall kennt nur einen.",
    };
}

}  // namespace quarnel
