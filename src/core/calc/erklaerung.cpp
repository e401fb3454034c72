#include "calc/erklaerung.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <unordered_map>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/durchgang.h"
#include "calc/parameter.h"
#include "calc/rechenregeln.h"
#include "case/json.h"

namespace quarnel {
namespace {

using V = Verfahren;
using R = Rundung;
using regeln::Tabelle;

// The catalogue field each CalcInput field of the balances is filled from,
// with the element of a field kept per card or per column where the wife's
// entry is not the first ("Brutto[3]": her first wage-tax card; the
// taxpayer's cards are elements 1 and 2, hers 3 and 4; the columns of the
// Werbungskosten are 1 for him, 2 for her). A value the fill adds up from
// several cards or rows names the first of them.
struct Quelle {
    std::string_view eingabe, feld;
};
constexpr Quelle Quellen[] = {
    {"LStEr", "LstEr"},
    {"LStSie", "LstSie"},
    {"KiStLohnEr", "KistEr"},
    {"KiStLohnSie", "KistSie"},
    {"SoliLohnEr", "SoliEr"},
    {"SoliLohnSie", "SoliSie"},
    {"EStVzEr", "EStVzEr"},
    {"EStVzSie", "EStVzSie"},
    {"KiStVzEr", "KistVzEr"},
    {"KiStVzSie", "KistVzSie"},
    {"SoliVzEr", "SolVzEr"},
    {"SoliVzSie", "SolVzSie"},
    {"KapEStAnrechIn", "SummeAnrechKapErtSt"},
    {"KStAnrechIn", "SummeAnrechKoerpSt"},
    {"KStVerguetIn", "SummeVergKoerpSt"},
    {"SoliKapEStIn", "SummeAnrechSoli"},
    {"BehindertenPauschIn", "BehPauschInsg"},
    {"HinterblPauschIn", "HiPauschbetragInsg"},
    {"HaushaltshilfePflegeIn", "AbMoegl"},
    {"AusbildungsFbIn", "AusbildFreibetrag"},
    {"UnterhaltIn", "ErgAnsetzbar"},
    {"GewStMessEr", "GewStMessbEr"},
    {"GewStMessSie", "GewStMessbSie"},
    // incomes: the page fields the fill takes them from first
    {"LuFInEr", "LfdGewEr"},
    {"LuFInSie", "LfdGewSie"},
    {"GewInEr", "GewEinkNettoEr"},
    {"GewInSie", "GewEinkNettoSie"},
    {"GewAoEr", "GewVeraeussR4Er"},
    {"GewAoSie", "GewVeraeussR4Sie"},
    {"GewVeraeussEr", "GewVeraeussR5Er"},
    {"GewVeraeussSie", "GewVeraeussR5Sie"},
    {"SelbInEr", "SelbEinkNettoEr"},
    {"SelbInSie", "SelbEinkNettoSie"},
    {"SelbAoEr", "SelbVeraeussR4Er"},
    {"SelbAoSie", "SelbVeraeussR4Sie"},
    {"SelbVeraeussEr", "SelbVeraeussR5Er"},
    {"SelbVeraeussSie", "SelbVeraeussR5Sie"},
    {"LohnEr", "Brutto"},
    {"LohnSie", "Brutto[3]"},
    {"LohnMehrjEr", "BruttoMj"},
    {"LohnMehrjSie", "BruttoMj[3]"},
    {"AbfindungEr", "Entsch"},
    {"AbfindungSie", "Entsch[3]"},
    {"AbfindungFreiInEr", "EntschFB"},
    {"AbfindungFreiInSie", "EntschFB[3]"},
    {"VersBezInEr", "Versbez"},
    {"VersBezInSie", "Versbez[3]"},
    {"VersBezMehrjEr", "VersBezMJ"},
    {"VersBezMehrjSie", "VersBezMJ[3]"},
    {"KapInEr", "SuEinVollEr"},
    {"KapInSie", "SuEinVollSie"},
    {"WkKapInEr", "SuWkVollEr"},
    {"WkKapInSie", "SuWkVollSie"},
    {"AuslSteuerEr", "WKZ5Er"},
    {"AuslSteuerSie", "WKZ5Sie"},
    {"VuVInEr", "ObjSummeEr"},
    {"VuVInSie", "ObjSummeSie"},
    {"RenteInEr", "StpflZahlung1"},
    {"RenteInSie", "StpflZahlung3"},
    {"WkRenteInEr", "WerbKoste1"},
    {"WkRenteInSie", "WerbKoste3"},
    {"BezuegeInEr", "WbEinAusDMStp"},
    {"BezuegeInSie", "WbEinAusDMEhe"},
    {"WkBezuegeInEr", "WbWerbkStp"},
    {"WkBezuegeInSie", "WbWerbkEhe"},
    {"PrivVeraeussInEr", "SpekErgEr"},
    {"PrivVeraeussInSie", "SpekErgSie"},
    {"LeistungenInEr", "LeistErgEr"},
    {"LeistungenInSie", "LeistErgSie"},
    {"AbgeordnetenInEr", "AbgEinEr"},
    {"AbgeordnetenInSie", "AbgEinSie"},
    {"AbgeordnetenMehrjEr", "AbgMjEr"},
    {"AbgeordnetenMehrjSie", "AbgMjSie"},
    {"WerbKostEr", "SummeWkVerb"},
    {"WerbKostSie", "SummeWkVerb[2]"},
    {"WerbKostZusEr", "SummeWkFahrt"},
    {"WerbKostZusSie", "SummeWkFahrt[2]"},
    {"GebJahrEr", "StpflGebDat"},
    {"GebJahrSie", "EhegGebDat"},
    {"NachStichtagEr", "StpflGebDat"},
    {"NachStichtagSie", "EhegGebDat"},
    {"ProgEinkEr", "EinkErsProgEr"},
    {"ProgEinkSie", "EinkErsProgSie"},
    {"ProgLohnEr", "KurzarbGeld"},
    {"ProgLohnSie", "KurzarbGeld[3]"},
    {"ProgWeitereEr", "ZeitwAuslEkEr"},
    {"ProgWeitereSie", "ZeitwAuslEkSie"},
    {"LuFErmKappeEr", "SteuerAbzugEr"},
    {"LuFErmKappeSie", "SteuerAbzugSie"},
    {"HalbeinkFrei", "HalbEinkEr"},
    {"FlagEinzel", "Grundtabelle"},
    {"KonfEr", "StpflReligionLB"},
    {"KonfSie", "EhegReligionLB"},
    {"KiStMonateEr", "StpflReligionLB"},
    {"KiStMonateSie", "EhegReligionLB"},
    {"AuslEinnEr", "AuslZinsEr"},
    {"AuslEinnSie", "AuslZinsSie"},
    {"AuslWkEr", "WKZ4Er"},
    {"AuslWkSie", "WKZ4Sie"},
    {"RenteMehrjEr", "StpflNachzahlung1"},
    {"RenteMehrjSie", "StpflNachzahlung3"},
    {"FlagZusammen", "Splitting"},
    {"Bundesland", "BundeslandLb"},
    {"AnzahlKinder", "KindKiFbJahr"},
    // special expenses, burdens, home
    {"VorsorgeIn", "VorsorgeSumme"},
    {"PflegeVersEr", "ZusPflegeStpfl"},
    {"PflegeVersSie", "ZusPflegeEheg"},
    {"LohnVorwegKuerzEr", "Brutto"},
    {"LohnVorwegKuerzSie", "Brutto[3]"},
    {"LohnVorsPauschEr", "Brutto"},
    {"LohnVorsPauschSie", "Brutto[3]"},
    {"UngekuerztEr", "KeineRVPflBeamterCB"},
    {"UngekuerztSie", "KeineRVPflBeamterCB[3]"},
    {"RentenLastenIn", "ReErtragAnteilDM"},
    {"UnterhaltsleistIn", "UntAbziehbar"},
    {"KiStGezahltIn", "KiAlsSa"},
    {"HausBeschIn", "HausSaAnsatz"},
    {"SteuerberatungIn", "StBerDmAusListe"},
    {"AusbildungSaIn", "AusAlsSa"},
    {"SchulgeldIn", "SchulgeldSumme"},
    {"SpendenIn1", "KirchErg"},
    {"SpendenIn2", "WissenErg"},
    {"ParteiSpendenIn", "ParteienErg"},
    {"WaehlerSpendenIn", "WaehlerErg"},
    {"StiftungSpendenIn", "StiftSpendenErg"},
    {"StiftungStockIn", "StiftStockErg"},
    {"VerlustabzugIn", "VerlustAbStpfl"},
    {"VerlustGleicheArtIn", "VerlustGleichStpfl"},
    {"AgbAndereIn", "Saldo"},
    {"WohnAbzug", "AbzugVorjahr"},
    {"WohnAbzug2", "Schuld"},
    {"WohnAbzug3", "FgSu"},
    {"WohnAbzug4", "Abzug1DM"},
    {"WohnVorkosten", "EhZuErhaltAufw"},
    {"AnzahlKinderBaukg", "ZahlKinder"},
    // a child's allowances and Kindergeld ("KindSaetze[i].KinderFb")
    {".KinderFb", "KindKiFbJahr"},
    {".BetreuungsFb", "KindBetrFbJahr"},
    {".Kindergeld", "ErhKiGeld"},
};

// A child's values on the page of the quick computation: the fields of its
// row ("KiFb2": the allowance of the second child).
constexpr Quelle KurzKindQuellen[] = {
    {".KinderFb", "KiFb"},
    {".BetreuungsFb", "MoBetrFb"},
    {".Kindergeld", "KiGeld"},
};

// The fields of the page of the quick computation each CalcInput field is
// filled from there; a value it adds up names the first field.
constexpr Quelle KurzQuellen[] = {
    {"LohnEr", "BruttoEr"},
    {"LohnSie", "BruttoSie"},
    {"VersBezInEr", "VersBezEr"},
    {"VersBezInSie", "VersBezSie"},
    {"ProgEinkEr", "LoErsatzEr"},
    {"ProgEinkSie", "LoErsatzSie"},
    {"WerbKostEr", "BruttoWkEr"},
    {"WerbKostSie", "BruttoWkSie"},
    {"GewInEr", "GewGewEr"},
    {"GewInSie", "GewGewSie"},
    {"GewStMessEr", "GewGewStMessbEr"},
    {"GewStMessSie", "GewGewStMessbSie"},
    {"SelbInEr", "SelbTaetEr"},
    {"SelbInSie", "SelbTaetSie"},
    {"VuVInEr", "VermietEr"},
    {"VuVInSie", "VermietSie"},
    {"KapInEr", "KapEinkEr"},
    {"KapInSie", "KapEinkSie"},
    {"WkKapInEr", "KapWkEr"},
    {"WkKapInSie", "KapWkSie"},
    {"RenteInEr", "RentenEr"},
    {"RenteInSie", "RentenSie"},
    {"RenteMehrjEr", "RentenNachEr"},
    {"RenteMehrjSie", "RentenNachSie"},
    {"WkRenteInEr", "RentenWkEr"},
    {"WkRenteInSie", "RentenWkSie"},
    {"BezuegeInEr", "WiederBezEr"},
    {"BezuegeInSie", "WiederBezSie"},
    {"WkBezuegeInEr", "WiederBezWkEr"},
    {"WkBezuegeInSie", "WiederBezWkSie"},
    {"LuFInEr", "LufEr"},
    {"LuFInSie", "LufSie"},
    {"ProgWeitereEr", "AuslEr"},
    {"ProgWeitereSie", "AuslSie"},
    {"UngekuerztEr", "ReVerPflEr"},
    {"UngekuerztSie", "ReVerPflSie"},
    {"LohnVorwegKuerzEr", "BruttoEr"},
    {"LohnVorwegKuerzSie", "BruttoSie"},
    {"LohnVorsPauschEr", "BruttoEr"},
    {"LohnVorsPauschSie", "BruttoSie"},
    {"LStEr", "LoStEr"},
    {"LStSie", "LoStSie"},
    {"KiStLohnEr", "LoKistEr"},
    {"KiStLohnSie", "LoKistSie"},
    {"SoliLohnEr", "LoSoliEr"},
    {"SoliLohnSie", "LoSoliSie"},
    {"EStVzEr", "VorEkStEr"},
    {"EStVzSie", "VorEkStSie"},
    {"KiStVzEr", "VorKiStEr"},
    {"KiStVzSie", "VorKiStSie"},
    {"SoliVzEr", "VorSoliEr"},
    {"SoliVzSie", "VorSoliSie"},
    {"KiStMonateEr", "MonateRelEr"},
    {"KiStMonateSie", "MonateRelSie"},
    {"KonfEr", "MonateRelEr"},
    {"KonfSie", "MonateRelSie"},
    {"GebJahrEr", "GebDatStpfl"},
    {"GebJahrSie", "GebDatEheg"},
    {"NachStichtagEr", "GebDatStpfl"},
    {"NachStichtagSie", "GebDatEheg"},
    {"KapEStAnrechIn", "KapAnzuKapErtrag"},
    {"KStAnrechIn", "KapAnzuKoest"},
    {"KStVerguetIn", "VergKoest"},
    {"SoliKapEStIn", "KapAnzuSolidar"},
    {"VorsorgeIn", "ANSoVerEr"},
    {"RentenLastenIn", "SaLeib"},
    {"KiStGezahltIn", "SaKist"},
    {"HausBeschIn", "SaHauswBesch"},
    {"SteuerberatungIn", "SaSteuerberat"},
    {"AusbildungSaIn", "SaAusbild"},
    {"SpendenIn1", "SaSpGemein"},
    {"SpendenIn2", "SaSpWissKult"},
    {"ParteiSpendenIn", "SaSpPol"},
    {"WaehlerSpendenIn", "SaSpUnabh"},
    {"StiftungSpendenIn", "SaSpStift"},
    {"StiftungStockIn", "SaSpStiftStock"},
    {"WohnAbzug4", "Sa10e"},
    {"BehindertenPauschIn", "AbBehinderte"},
    {"HinterblPauschIn", "AbHinterbl"},
    {"HaushaltshilfePflegeIn", "AbHaushilfe"},
    {"AusbildungsFbIn", "AbAusBildFb"},
    {"AgbAndereIn", "AbSonstige"},
    {"UnterhaltIn", "AbBedPers"},
    {"FlagZusammen", "Kurz_FamilienstandLB"},
    {"FlagEinzel", "Kurz_FamilienstandLB"},
    {"Bundesland", "BundeslandLB"},
};

// An amount with at least two decimals and at most six (rates): "9334.00",
// "0.055"; with a decimal comma for the text form.
std::string Zahl(double x, bool komma = false) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.6f", x);
    std::string s = puffer;
    const auto punkt = s.find('.');
    while (s.size() > punkt + 3 && s.back() == '0') s.pop_back();
    if (komma) s[punkt] = ',';
    return s;
}

}  // namespace

std::string_view RundungText(Rundung r) {
    switch (r) {
        case R::Keine:
            return "";
        case R::CentAb:
            return "Bruchteile eines Pfennigs abgeschnitten";
        case R::DMAb:
            return "auf volle DM abgerundet";
        case R::DMAuf:
            return "auf volle DM aufgerundet";
        case R::DMAufLohn:
            return "Pfennigbeträge auf die nächste volle DM aufgerundet";
        case R::Tarifstufe:
            return "Einkommen auf die 54-DM-Stufe (108 DM bei Splitting) abgerundet";
        case R::SoliPfennig:
            return "Bruchteile eines Pfennigs entfallen (§ 4 SolZG)";
        case R::DMAbCent:
            return "auf volle DM abgerundet (nach Rundung auf Pfennige)";
        case R::DMAufZehntel:
            return "ab einem Zehntel auf volle DM aufgerundet";
        case R::DMKaufmaennisch:
            return "auf volle DM gerundet";
        case R::Stufe54:
            return "auf einen durch 54 teilbaren vollen DM-Betrag abgerundet";
        case R::TarifMitte:
            return "auf die Mitte der 54-DM-Stufe (108 DM bei Splitting)";
        case R::CentRund:
            return "auf volle Pfennige gerundet";
        case R::TarifstufeAb:
            return "auf die 54-DM-Stufe (108 DM bei Splitting) abgerundet";
    }
    return "";
}

const Rechenregel* RegelFuer(std::string_view ergebnis) {
    static const std::unordered_map<std::string_view, const Rechenregel*> nachName = [] {
        std::unordered_map<std::string_view, const Rechenregel*> m;
        for (const auto& r : Tabelle) m.emplace(r.ergebnis, &r);
        return m;
    }();
    const auto it = nachName.find(ergebnis);
    return it == nachName.end() ? nullptr : it->second;
}

std::vector<Rechenregel> AlleRegeln() {
    return {std::begin(Tabelle), std::end(Tabelle)};
}

std::string_view KatalogfeldFuer(std::string_view eingabe) {
    if (eingabe.starts_with("KindSaetze[")) eingabe = eingabe.substr(eingabe.find(']') + 1);
    static const std::unordered_map<std::string_view, std::string_view> nachName = [] {
        std::unordered_map<std::string_view, std::string_view> m;
        for (const auto& q : Quellen) m.emplace(q.eingabe, q.feld);
        return m;
    }();
    const auto it = nachName.find(eingabe);
    return it == nachName.end() ? std::string_view() : it->second;
}

void Erklaerung::KurzQuellenSetzen() {
    static const std::unordered_map<std::string_view, std::string_view> nachName = [] {
        std::unordered_map<std::string_view, std::string_view> m;
        for (const auto& q : KurzQuellen) m.emplace(q.eingabe, q.feld);
        return m;
    }();
    for (Rechenschritt& s : schritte_)
        for (Wertangabe& w : s.werte) {
            if (w.herkunft != Herkunft::Eingabe || w.quelle.empty()) continue;
            if (const auto it = nachName.find(w.name); it != nachName.end()) {
                w.quelle = std::string(it->second);
            } else if (w.name.starts_with("KindSaetze[")) {
                // a child's values: the fields of its row, named by its number
                const auto auf = w.quelle.find('[');
                const std::string_view wert = std::string_view(w.name).substr(w.name.find(']') + 1);
                for (const auto& q : KurzKindQuellen)
                    if (q.eingabe == wert && auf != std::string::npos)
                        w.quelle = std::string(q.feld) +
                                   w.quelle.substr(auf + 1, w.quelle.size() - auf - 2);
            }
        }
}

std::string PersonName(std::string_view name, int p) {
    return std::string(name) + (p == 0 ? "Er" : "Sie");
}

Wertangabe Erg(std::string_view name, double wert, double faktor) {
    return {std::string(name), wert, faktor, Herkunft::Ergebnis, {}};
}
Wertangabe Ein(std::string_view name, double wert, double faktor) {
    return {std::string(name), wert, faktor, Herkunft::Eingabe, std::string(KatalogfeldFuer(name))};
}
Wertangabe EinElement(std::string_view name, double wert, int element) {
    Wertangabe w = Ein(name, wert);
    if (element > 0 && !w.quelle.empty()) w.quelle += "[" + std::to_string(element) + "]";
    return w;
}
Wertangabe Par(std::string_view name, double wert, double faktor) {
    return {std::string(name), wert, faktor, Herkunft::Parameter, std::string(name)};
}

void Erklaerung::Schritt(std::string_view ergebnis, double wert,
                         std::initializer_list<Wertangabe> werte, int tabelle) {
    Schritt(ergebnis, std::string(ergebnis), wert, std::vector<Wertangabe>(werte), tabelle);
}

void Erklaerung::Schritt(std::string_view regel, std::string ergebnis, double wert,
                         std::vector<Wertangabe> werte, int tabelle) {
    Rechenschritt s;
    s.regel = RegelFuer(regel);
    if (!s.regel) return;
    s.ergebnis = std::move(ergebnis);
    s.wert = wert;
    s.durchgang = durchgang_;
    s.tabelle = tabelle;
    s.werte = std::move(werte);
    schritte_.push_back(std::move(s));
}

int Erklaerung::Letzter(std::string_view ergebnis, int vor) const {
    int i = vor < 0 ? static_cast<int>(schritte_.size()) : vor;
    while (--i >= 0)
        if (schritte_[i].ergebnis == ergebnis) return i;
    return -1;
}

double Nachrechnen(const Rechenschritt& s) {
    double summe = 0, vorLetztem = 0, gerundet = 0;
    for (const auto& w : s.werte) {
        vorLetztem = summe;
        summe += w.faktor * w.wert;
        gerundet += w.faktor * Runden(s.regel->rundung, w.wert, s.tabelle);
    }
    const double letzter = s.werte.empty() ? 0 : s.werte.back().wert;
    const double produkt = vorLetztem * letzter;
    auto wert = [&](std::size_t i) { return i < s.werte.size() ? s.werte[i].wert : 0.0; };
    double x = 0;
    switch (s.regel->verfahren) {
        case V::Summe:
            x = summe;
            break;
        case V::SummeMindest0:
            x = NichtNegativ(summe);
            break;
        case V::Produkt:
            x = produkt;
            break;
        case V::ProduktMindest0:
            x = NichtNegativ(produkt);
            break;
        case V::Tarif:
            x = TarifNachTabelle(summe, s.tabelle);
            break;
        case V::Soli:
            x = SoliAufSteuer(NichtNegativ(summe), s.tabelle);
            break;
        case V::Kappe:
            x = MinWert(vorLetztem, letzter);
            break;
        case V::KappeMindest0:
            x = NichtNegativ(MinWert(vorLetztem, letzter));
            break;
        case V::Mindestens:
            x = MaxWert(vorLetztem, letzter);
            break;
        case V::SummeGerundet:
            return gerundet;
        case V::HaelfteUeberGrenze:
            x = vorLetztem <= letzter ? vorLetztem
                                      : letzter + AufrundenDM((vorLetztem - letzter) / 2);
            break;
        case V::HaelfteBisHoechstbetrag:
            x = vorLetztem <= 0         ? 0
                : vorLetztem >= letzter ? letzter / 2
                                        : Int((vorLetztem + 0.9) / 2);
            break;
        case V::Steuersatz:
            x = BesondererSteuersatz(summe, s.tabelle);
            break;
        case V::Durchschnittssatz: {
            const double stufe = StufeAb(summe, s.tabelle);
            x = Stutzen(4, Quotient(stufe, TarifNachTabelle(stufe, s.tabelle)));
            break;
        }
        case V::Haerteausgleich:
            x = HaerteausgleichBetrag(wert(0), wert(1), wert(2), wert(3));
            break;
        case V::Vorsorgepauschale:
            x = VorsorgepauschaleVorStufe(wert(0), wert(1), static_cast<int>(wert(2)),
                                          static_cast<int>(wert(3)),
                                          s.werte.size() > 1 && s.werte[1].faktor != 0);
            break;
        case V::Anteil:
            x = Quotient(wert(1), wert(0)) * wert(2);
            break;
        case V::Verlustausgleich: {
            double art[2][7], va[52];
            for (int i = 0; i < 14; ++i) art[i / 7][i % 7] = wert(i);
            x = VerlustausgleichTabelle(art, wert(15) == 1, wert(14) == 1, wert(16), va)
                    ? va[48] + va[49]
                    : summe;
            break;
        }
        case V::KiStAnteil:
            x = KirchensteuerAnteilEr(wert(0), wert(1), wert(2) == 1);
            break;
        case V::Verhaeltnis:
            x = MinWert(1, Quotient(wert(1), wert(0)));
            break;
        case V::HalberSteuersatz:
            x = quarnel::HalberSteuersatz(wert(0), wert(1), s.tabelle);
            break;
        case V::Abstand:
            x = std::fabs(wert(0) - wert(1));
            break;
        case V::Gegenanteil:
            x = 1 - summe;
            break;
        case V::KirchgeldStufe:
            x = KirchgeldBetrag(static_cast<int>(wert(1)), wert(0));
            break;
        case V::MindestensSonst0: {
            double andere = 0;
            for (std::size_t i = 1; i < s.werte.size(); ++i) andere += s.werte[i].wert;
            x = wert(0) >= andere ? wert(0) : 0;
            break;
        }
        case V::NurMitLetztem:
            x = letzter != 0 ? wert(0) : 0;
            break;
        case V::EinkommenAnteil:
            x = wert(0) * Quotient(wert(1) + wert(2), wert(1));
            break;
        case V::Kappung:
            x = KirchensteuerKappung(wert(0), wert(1), wert(2), wert(3));
            break;
        case V::KapitalPauschEhegatten: {
            double wk[2] = {wert(2), wert(3)};
            KapitalPauschbetragEhegatten(wert(0), wert(1), wk[0], wk[1], wert(4));
            x = wk[s.regel->ergebnis.ends_with("Sie") ? 1 : 0];
            break;
        }
    }
    return Runden(s.regel->rundung, x, s.tabelle);
}

namespace {

// The steps of each result in the order recorded, to find the one a step used.
class Schrittverzeichnis {
  public:
    explicit Schrittverzeichnis(const Erklaerung& e) {
        const auto& schritte = e.Schritte();
        for (int i = 0; i < static_cast<int>(schritte.size()); ++i)
            nachName_[schritte[i].ergebnis].push_back(i);
    }
    // the last step of `name` before `vor` (-1: none)
    int Letzter(const std::string& name, int vor) const {
        const auto it = nachName_.find(name);
        if (it == nachName_.end()) return -1;
        const auto& liste = it->second;
        const auto pos = std::lower_bound(liste.begin(), liste.end(), vor);
        return pos == liste.begin() ? -1 : *std::prev(pos);
    }

  private:
    std::unordered_map<std::string_view, std::vector<int>> nachName_;
};

void Aufbauen(const Erklaerung& e, const Schrittverzeichnis& v, std::vector<bool>& aufgebaut,
              int index, Erklaerknoten& k) {
    const Rechenschritt& s = e.Schritte()[index];
    k.schritt = &s;
    if (aufgebaut[index]) {
        k.wiederholt = true;
        return;
    }
    aufgebaut[index] = true;
    k.kinder.reserve(s.werte.size());
    for (const auto& w : s.werte) {
        Erklaerknoten kind;
        kind.angabe = w;
        if (w.herkunft == Herkunft::Ergebnis) {
            const int i = v.Letzter(w.name, index);
            if (i >= 0) Aufbauen(e, v, aufgebaut, i, kind);
        }
        k.kinder.push_back(std::move(kind));
    }
}

// The paragraph of a parameter's row ("" for none).
std::string_view ParameterParagraph(const Wertangabe& w) {
    const param::Eintrag* zeile = param::Zeile(w.name);
    return zeile ? zeile->paragraph : std::string_view();
}

void TextZeilen(const Erklaerknoten& k, int tiefe, Knotenbenennung titel, std::string& out) {
    const std::string einzug(2 * tiefe, ' ');
    const double wert = k.schritt ? k.schritt->wert : k.angabe.wert;
    out += einzug;
    if (tiefe > 0) out += k.angabe.faktor > 0 ? "+ " : k.angabe.faktor < 0 ? "- " : "  ";
    out += titel ? titel(k) : k.schritt ? k.schritt->ergebnis : k.angabe.name;
    out += " = " + Zahl(wert, true);
    if (k.schritt) {
        out += "  [" + std::string(k.schritt->regel->text) + "; " +
               std::string(k.schritt->regel->paragraph);
        const auto r = RundungText(k.schritt->regel->rundung);
        if (!r.empty()) out += "; " + std::string(r);
        if (k.schritt->tabelle == 2 &&
            (k.schritt->regel->verfahren == V::Tarif || k.schritt->regel->verfahren == V::Soli))
            out += "; Splittingverfahren";
        out += "]";
        if (k.wiederholt) out += " (aufgeschlüsselt oben)";
    } else if (k.angabe.herkunft == Herkunft::Eingabe) {
        out += titel
                   ? "  (Eingabe)"
                   : "  (Eingabe, Feld " + (k.angabe.quelle.empty() ? "?" : k.angabe.quelle) + ")";
    } else if (k.angabe.herkunft == Herkunft::Parameter) {
        const auto paragraph = ParameterParagraph(k.angabe);
        out += titel ? "  (Parameter 2001" : "  (Parameter " + k.angabe.quelle;
        if (!paragraph.empty()) out += "; " + std::string(paragraph);
        out += ")";
    } else {
        out += "  (Ergebnis, nicht weiter aufgeschlüsselt)";
    }
    out += "\n";
    for (const auto& c : k.kinder) TextZeilen(c, tiefe + 1, titel, out);
}

void JsonKnoten(const Erklaerknoten& k, int tiefe, Knotenbenennung titel, std::string& out) {
    const std::string einzug(2 * tiefe, ' ');
    auto feld = [&](const char* name, const std::string& wert, bool zeichen) {
        out += einzug + "  " + JsonZeichenkette(name) + ": " +
               (zeichen ? JsonZeichenkette(wert) : wert) + ",\n";
    };
    out += einzug + "{\n";
    const char* herkunft[] = {"Ergebnis", "Eingabe", "Parameter"};
    const std::string& kennung = k.schritt ? k.schritt->ergebnis : k.angabe.name;
    feld("name", titel ? titel(k) : kennung, true);
    if (titel) feld("kennung", kennung, true);
    feld("wert", Zahl(k.schritt ? k.schritt->wert : k.angabe.wert), false);
    feld("faktor", Zahl(k.angabe.faktor), false);
    feld("herkunft", herkunft[static_cast<int>(k.angabe.herkunft)], true);
    if (k.schritt) {
        feld("regel", std::string(k.schritt->regel->text), true);
        feld("paragraph", std::string(k.schritt->regel->paragraph), true);
        feld("rundung", std::string(RundungText(k.schritt->regel->rundung)), true);
        feld("tabelle", k.schritt->tabelle == 2 ? "Splitting" : "Grund", true);
        if (k.wiederholt) feld("wiederholt", "true", false);
    } else if (!k.angabe.quelle.empty()) {
        feld(k.angabe.herkunft == Herkunft::Eingabe ? "katalogfeld" : "parameter", k.angabe.quelle,
             true);
        if (const auto p = ParameterParagraph(k.angabe);
            k.angabe.herkunft == Herkunft::Parameter && !p.empty())
            feld("paragraph", std::string(p), true);
    }
    out += einzug + "  \"werte\": [";
    for (std::size_t i = 0; i < k.kinder.size(); ++i) {
        out += i == 0 ? "\n" : ",\n";
        JsonKnoten(k.kinder[i], tiefe + 2, titel, out);
    }
    out += k.kinder.empty() ? "]\n" : "\n" + einzug + "  ]\n";
    out += einzug + "}";
}

}  // namespace

bool ErklaerBaum(const Erklaerung& e, std::string_view ergebnis, Erklaerknoten& baum) {
    baum = {};
    const int i = e.Letzter(ergebnis);
    if (i < 0) return false;
    baum.angabe.name = std::string(ergebnis);
    baum.angabe.wert = e.Schritte()[i].wert;
    std::vector<bool> aufgebaut(e.Schritte().size());
    Aufbauen(e, Schrittverzeichnis(e), aufgebaut, i, baum);
    return true;
}

std::vector<std::string> ErklaerteErgebnisse(const Erklaerung& e) {
    // in the order of the rule table, the results of one rule in the order computed
    std::vector<std::vector<std::string>> jeRegel(std::size(Tabelle));
    for (const auto& s : e.Schritte()) {
        auto& namen = jeRegel[static_cast<std::size_t>(s.regel - Tabelle)];
        if (std::find(namen.begin(), namen.end(), s.ergebnis) == namen.end())
            namen.push_back(s.ergebnis);
    }
    std::vector<std::string> namen;
    for (auto& liste : jeRegel)
        for (auto& name : liste)
            if (std::find(namen.begin(), namen.end(), name) == namen.end())
                namen.push_back(std::move(name));
    return namen;
}

std::string ErklaerText(const Erklaerknoten& k, Knotenbenennung titel) {
    std::string out;
    TextZeilen(k, 0, titel, out);
    return out;
}

std::string ErklaerJson(const Erklaerknoten& k, Knotenbenennung titel) {
    std::string out;
    JsonKnoten(k, 0, titel, out);
    out += "\n";
    return out;
}

}  // namespace quarnel
