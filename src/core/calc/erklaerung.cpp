#include "calc/erklaerung.h"

#include <cmath>
#include <cstdio>

#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/durchgang.h"
#include "case/json.h"

namespace quarnel {
namespace {

using V = Verfahren;
using R = Rundung;

// Every step a pass records, with its rule, its paragraph and its rounding.
constexpr Rechenregel Regeln[] = {
    {"SummeEk", "Summe der Einkünfte nach dem Verlustausgleich, beide Ehegatten", "§ 2 Abs. 3 EStG",
     V::Summe, R::Keine},
    {"SummeEkEr", "Summe der Einkünfte des Steuerpflichtigen aus den sieben Einkunftsarten",
     "§ 2 Abs. 1, 2 EStG", V::Summe, R::Keine},
    {"SummeEkSie", "Summe der Einkünfte der Ehefrau aus den sieben Einkunftsarten",
     "§ 2 Abs. 1, 2 EStG", V::Summe, R::Keine},
    {"GesamtbetragEk",
     "Summe der Einkünfte abzüglich Altersentlastungsbetrag und Freibetrag für Land- und "
     "Forstwirte",
     "§ 2 Abs. 3, §§ 13 Abs. 3, 24a EStG", V::Summe, R::Keine},
    {"Einkommen",
     "Gesamtbetrag der Einkünfte abzüglich Sonderausgaben, außergewöhnlicher Belastungen, "
     "Wohneigentumsförderung und Verlustabzug",
     "§ 2 Abs. 4 EStG", V::Summe, R::Keine},
    {"HaushaltsFb", "Haushaltsfreibetrag", "§ 32 Abs. 7 EStG", V::Summe, R::Keine},
    {"ZvE",
     "Einkommen abzüglich Freibeträge für Kinder, Haushaltsfreibetrag und Härteausgleich, "
     "mindestens 0",
     "§ 2 Abs. 5 EStG", V::SummeMindest0, R::Keine},
    {"EStTarif", "Tarifliche Einkommensteuer nach Grund- oder Splittingtabelle",
     "§ 32a Abs. 1, 5 EStG", V::Tarif, R::Tarifstufe},
    {"EStTarifPV", "Steuer nach dem besonderen Steuersatz, auf volle DM abgerundet",
     "§ 32b Abs. 2 EStG", V::Produkt, R::DMAb},
    {"EStTariflich",
     "Tarifliche Einkommensteuer: Tarif, außerordentliche Einkünfte und "
     "Veräußerungsgewinne",
     "§§ 32a, 34 EStG", V::Summe, R::Keine},
    {"GewStAnrechnung", "Steuerermäßigung: 1,8facher Gewerbesteuer-Messbetrag, aufgerundet",
     "§ 35 EStG", V::Produkt, R::DMAuf},
    {"EStFestzusetzen",
     "Festzusetzende Einkommensteuer: tarifliche Steuer abzüglich Steuerermäßigungen, zuzüglich "
     "Kindergeld bei Abzug der Freibeträge für Kinder, mindestens 0",
     "§ 2 Abs. 6 EStG", V::SummeMindest0, R::Keine},
    {"SoliBasisESt",
     "Bemessungsgrundlage des Zuschlags: Einkommensteuer mit den Freibeträgen für alle Kinder, "
     "mindestens 0",
     "§ 3 Abs. 2 SolZG", V::SummeMindest0, R::Keine},
    {"SoliFestzusetzen",
     "Solidaritätszuschlag: 5,5 % der Bemessungsgrundlage abzüglich anzurechnender und "
     "vergüteter Körperschaftsteuer, Nullzone 1.836 DM (3.672 DM), höchstens 20 % des "
     "übersteigenden Betrags",
     "§§ 3 Abs. 1 Nr. 1, 3, 4 SolZG", V::Soli, R::SoliPfennig},
    {"LStSumme", "Anzurechnende Lohnsteuer beider Ehegatten", "§ 36 Abs. 2 Nr. 2 EStG", V::Summe,
     R::DMAufLohn},
    {"EStGezahlt", "Anzurechnende Lohnsteuer und Vorauszahlungen", "§ 36 Abs. 2 EStG", V::Summe,
     R::Keine},
    {"EStSaldo", "Abschlusszahlung (+) oder Erstattung (-) der Einkommensteuer", "§ 36 Abs. 4 EStG",
     V::Summe, R::Keine},
    {"SoliGezahlt",
     "Anzurechnender Solidaritätszuschlag: Lohnsteuerabzug, Vorauszahlungen, auf die "
     "Kapitalertragsteuer",
     "§ 36 Abs. 2 EStG i. V. m. § 1 Abs. 2 SolZG", V::Summe, R::Keine},
    {"SoliSaldo", "Abschlusszahlung (+) oder Erstattung (-) des Solidaritätszuschlags",
     "§ 36 Abs. 4 EStG i. V. m. § 1 Abs. 2 SolZG", V::Summe, R::Keine},
    {"MassstabESt",
     "Maßstabsteuer der Kirchensteuer: Einkommensteuer mit den Freibeträgen für alle Kinder und "
     "dem steuerfreien Halbeinkünfte-Teil, vor der Gewerbesteueranrechnung",
     "§ 51a Abs. 2, 2a EStG", V::SummeMindest0, R::Keine},
    {"KiStJahrEr", "Kirchensteuer eines Jahres: Maßstabsteuer mal Hebesatz des Landes",
     "Kirchensteuergesetz des Landes, § 51a EStG", V::Produkt, R::CentAb},
    {"KiStFestzusetzen", "Festzusetzende Kirchensteuer beider Ehegatten",
     "Kirchensteuergesetz des Landes, § 51a EStG", V::SummeMindest0, R::Keine},
    {"KiStSaldo", "Abschlusszahlung (+) oder Erstattung (-) der Kirchensteuer",
     "Kirchensteuergesetz des Landes, § 36 Abs. 4 EStG", V::Summe, R::Keine},
    {"GesamtSaldo",
     "Gesamtergebnis: Salden der Steuern abzüglich anzurechnender Körperschaft- und "
     "Kapitalertragsteuer",
     "§ 36 Abs. 2 Nr. 2 und 3, Abs. 4 EStG", V::Summe, R::Keine},
};

// The catalogue field each CalcInput field of the balances is filled from.
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
    }
    return "";
}

const Rechenregel* RegelFuer(std::string_view ergebnis) {
    for (const auto& r : Regeln)
        if (r.ergebnis == ergebnis) return &r;
    return nullptr;
}

std::vector<Rechenregel> AlleRegeln() {
    return {std::begin(Regeln), std::end(Regeln)};
}

std::string_view KatalogfeldFuer(std::string_view eingabe) {
    for (const auto& q : Quellen)
        if (q.eingabe == eingabe) return q.feld;
    return {};
}

Wertangabe Erg(std::string_view name, double wert, double faktor) {
    return {std::string(name), wert, faktor, Herkunft::Ergebnis, {}};
}
Wertangabe Ein(std::string_view name, double wert, double faktor) {
    return {std::string(name), wert, faktor, Herkunft::Eingabe, std::string(KatalogfeldFuer(name))};
}
Wertangabe Par(std::string_view name, double wert, double faktor) {
    return {std::string(name), wert, faktor, Herkunft::Parameter, std::string(name)};
}

void Erklaerung::Schritt(std::string_view ergebnis, double wert,
                         std::initializer_list<Wertangabe> werte, int tabelle) {
    Rechenschritt s;
    s.regel = RegelFuer(ergebnis);
    s.wert = wert;
    s.durchgang = durchgang_;
    s.tabelle = tabelle;
    s.werte.assign(werte.begin(), werte.end());
    if (s.regel) schritte_.push_back(std::move(s));
}

int Erklaerung::Letzter(std::string_view ergebnis, int vor) const {
    int i = vor < 0 ? static_cast<int>(schritte_.size()) : vor;
    while (--i >= 0)
        if (schritte_[i].regel->ergebnis == ergebnis) return i;
    return -1;
}

double Nachrechnen(const Rechenschritt& s) {
    double summe = 0, vorLetztem = 0;
    for (const auto& w : s.werte) {
        vorLetztem = summe;
        summe += w.faktor * w.wert;
    }
    const double produkt = s.werte.empty() ? 0 : vorLetztem * s.werte.back().wert;
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
        case V::Tarif:
            x = TarifNachTabelle(summe, s.tabelle);
            break;
        case V::Soli:
            x = SoliAufSteuer(NichtNegativ(summe), s.tabelle);
            break;
    }
    switch (s.regel->rundung) {
        case R::Keine:
        case R::Tarifstufe:   // inside the tariff
        case R::SoliPfennig:  // inside the surcharge
            return x;
        case R::CentAb:
            return CentAb(x);
        case R::DMAb:
            return Int(Stutzen(0, x));
        case R::DMAuf:
            return AufrundenDM(x);
        case R::DMAufLohn:
            return Stutzen(0, x + 0.99);
    }
    return x;
}

namespace {

void Aufbauen(const Erklaerung& e, int index, Erklaerknoten& k) {
    const Rechenschritt& s = e.Schritte()[index];
    k.schritt = &s;
    for (const auto& w : s.werte) {
        Erklaerknoten kind;
        kind.angabe = w;
        if (w.herkunft == Herkunft::Ergebnis) {
            const int i = e.Letzter(w.name, index);
            if (i >= 0) Aufbauen(e, i, kind);
        }
        k.kinder.push_back(std::move(kind));
    }
}

void TextZeilen(const Erklaerknoten& k, int tiefe, std::string& out) {
    const std::string einzug(2 * tiefe, ' ');
    const double wert = k.schritt ? k.schritt->wert : k.angabe.wert;
    out += einzug;
    if (tiefe > 0) out += k.angabe.faktor > 0 ? "+ " : k.angabe.faktor < 0 ? "- " : "  ";
    out += k.schritt ? std::string(k.schritt->regel->ergebnis) : k.angabe.name;
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
    } else if (k.angabe.herkunft == Herkunft::Eingabe) {
        out += "  (Eingabe, Feld " + (k.angabe.quelle.empty() ? "?" : k.angabe.quelle) + ")";
    } else if (k.angabe.herkunft == Herkunft::Parameter) {
        out += "  (Parameter " + k.angabe.quelle + ")";
    } else {
        out += "  (Ergebnis, nicht weiter aufgeschlüsselt)";
    }
    out += "\n";
    for (const auto& c : k.kinder) TextZeilen(c, tiefe + 1, out);
}

void JsonKnoten(const Erklaerknoten& k, int tiefe, std::string& out) {
    const std::string einzug(2 * tiefe, ' ');
    auto feld = [&](const char* name, const std::string& wert, bool zeichen) {
        out += einzug + "  " + JsonZeichenkette(name) + ": " +
               (zeichen ? JsonZeichenkette(wert) : wert) + ",\n";
    };
    out += einzug + "{\n";
    const char* herkunft[] = {"Ergebnis", "Eingabe", "Parameter"};
    feld("name", k.schritt ? std::string(k.schritt->regel->ergebnis) : k.angabe.name, true);
    feld("wert", Zahl(k.schritt ? k.schritt->wert : k.angabe.wert), false);
    feld("faktor", Zahl(k.angabe.faktor), false);
    feld("herkunft", herkunft[static_cast<int>(k.angabe.herkunft)], true);
    if (k.schritt) {
        feld("regel", std::string(k.schritt->regel->text), true);
        feld("paragraph", std::string(k.schritt->regel->paragraph), true);
        feld("rundung", std::string(RundungText(k.schritt->regel->rundung)), true);
        feld("tabelle", k.schritt->tabelle == 2 ? "Splitting" : "Grund", true);
    } else if (!k.angabe.quelle.empty()) {
        feld(k.angabe.herkunft == Herkunft::Eingabe ? "katalogfeld" : "parameter", k.angabe.quelle,
             true);
    }
    out += einzug + "  \"werte\": [";
    for (std::size_t i = 0; i < k.kinder.size(); ++i) {
        out += i == 0 ? "\n" : ",\n";
        JsonKnoten(k.kinder[i], tiefe + 2, out);
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
    Aufbauen(e, i, baum);
    return true;
}

std::vector<std::string> ErklaerteErgebnisse(const Erklaerung& e) {
    std::vector<std::string> namen;
    for (const auto& r : Regeln)
        if (e.Letzter(r.ergebnis) >= 0) namen.emplace_back(r.ergebnis);
    return namen;
}

std::string ErklaerText(const Erklaerknoten& k) {
    std::string out;
    TextZeilen(k, 0, out);
    return out;
}

std::string ErklaerJson(const Erklaerknoten& k) {
    std::string out;
    JsonKnoten(k, 0, out);
    out += "\n";
    return out;
}

}  // namespace quarnel
