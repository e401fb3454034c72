#include "results/knotentitel.h"

#include <cctype>
#include <optional>
#include <utility>

#include "calc/parameter.h"
#include "case/feldkatalog.h"
#include "results/wieberechnet.h"
#include "shell/eingabeort.h"
#include "shell/sprechtext.h"

namespace quarnel {
namespace {


// The kinds of income of the loss offset, by their number in the result's name.
constexpr std::string_view Einkunftsarten[] = {
    "Einkünfte aus nichtselbständiger Arbeit",
    "Einkünfte aus Kapitalvermögen",
    "Einkünfte aus Vermietung und Verpachtung",
    "Einkünfte aus Gewerbebetrieb",
    "Einkünfte aus selbständiger Arbeit",
    "Einkünfte aus Land- und Forstwirtschaft",
    "Sonstige Einkünfte",
};

// Catalogue fields the computation reads that carry no caption of their own
// (the page names them by a row or a column, or they are sums a page keeps):
// what the page says of them.
struct Beschriftung {
    std::string_view feld, text;
};
constexpr Beschriftung OhneBeschriftung[] = {
    {"KindKiFbJahr", "Kinderfreibetrag für das Jahr"},
    {"KindBetrFbJahr", "Betreuungsfreibetrag für das Jahr"},
    {"ErhKiGeld", "Erhaltenes Kindergeld"},
    {"Grundtabelle", "Veranlagung nach der Grundtabelle"},
    {"Splitting", "Zusammenveranlagung (Splittingtabelle)"},
    {"WbEinAusDMStp", "Einnahmen aus wiederkehrenden Bezügen"},
    {"WbEinAusDMEhe", "Einnahmen aus wiederkehrenden Bezügen"},
    {"WbWerbkEhe", "Werbungskosten zu wiederkehrenden Bezügen"},
    {"AbgEinSie", "Steuerpflichtige Einnahmen (Abgeordnetenbezüge)"},
    {"AbgMjSie", "Vergütung mehrere Jahre (Abgeordnetenbezüge)"},
    {"SpekErgSie", "Einkünfte aus Veräußerungsgeschäften"},
    {"LeistErgSie", "Einkünfte aus Leistungen"},
    {"GewVeraeussR4Er", "Außerordentliche Einkünfte aus Gewerbebetrieb"},
    {"GewVeraeussR4Sie", "Außerordentliche Einkünfte aus Gewerbebetrieb"},
    {"GewVeraeussR5Er", "Veräußerungsgewinn aus Gewerbebetrieb"},
    {"GewVeraeussR5Sie", "Veräußerungsgewinn aus Gewerbebetrieb"},
    {"SelbVeraeussR4Er", "Außerordentliche Einkünfte aus selbständiger Arbeit"},
    {"SelbVeraeussR4Sie", "Außerordentliche Einkünfte aus selbständiger Arbeit"},
    {"SelbVeraeussR5Er", "Veräußerungsgewinn aus selbständiger Arbeit"},
    {"SelbVeraeussR5Sie", "Veräußerungsgewinn aus selbständiger Arbeit"},
    {"SuEinVollEr", "Summe der Einnahmen aus Kapitalvermögen"},
    {"SuEinVollSie", "Summe der Einnahmen aus Kapitalvermögen"},
    {"SuWkVollEr", "Summe der Werbungskosten bei Kapitalvermögen"},
    {"SuWkVollSie", "Summe der Werbungskosten bei Kapitalvermögen"},
    {"ZusPflegeStpfl", "Zusätzliche freiwillige Pflegeversicherung"},
    {"ZusPflegeEheg", "Zusätzliche freiwillige Pflegeversicherung"},
    {"VorsorgeSumme", "Summe der Vorsorgeaufwendungen"},
    {"SchulgeldSumme", "Summe des Schulgelds"},
    {"HausSaAnsatz", "Haushaltshilfe, als Sonderausgaben anzusetzen"},
};

// The caption of the taxpayer's field beside a field of the wife's column
// ("LstSie" -> "LstEr", "WbWerbkEhe" -> "WbWerbkStp"); "" for none.
std::string BeschriftungDesPartners(std::string_view feld) {
    constexpr std::pair<std::string_view, std::string_view> Endungen[] = {
        {"Sie", "Er"}, {"Eheg", "Stpfl"}, {"Ehe", "Stp"}};
    for (const auto& [sie, er] : Endungen) {
        if (!feld.ends_with(sie)) continue;
        const std::string partner =
            std::string(feld.substr(0, feld.size() - sie.size())) + std::string(er);
        if (const auto f = FeldNachId(partner)) return Sprechtext(Def(*f).beschriftung);
    }
    return {};
}

// 0 for a name of the taxpayer's column, 1 for the wife's (also before a
// running number), nothing for others.
std::optional<int> PersonDesNamens(std::string_view n) {
    while (!n.empty() && n.back() >= '0' && n.back() <= '9') n.remove_suffix(1);
    if (n.ends_with("Sie")) return 1;
    if (n.size() > 2 && n.ends_with("Er")) return 0;
    return std::nullopt;
}

bool NenntPerson(std::string_view titel) {
    return titel.find("Stpfl") != std::string_view::npos ||
           titel.find("Steuerpfl.") != std::string_view::npos ||
           titel.find("Steuerpflichtige") != std::string_view::npos ||
           titel.find("Ehemann") != std::string_view::npos ||
           titel.find("Ehefrau") != std::string_view::npos;
}

// Results recorded under the rules of others, named by what they are.
struct Ergebnisname {
    std::string_view ergebnis, titel;
};
constexpr Ergebnisname Ergebnisnamen[] = {
    {"KiStFest", "Kirchensteuer"},
    {"KiStKappungGemeinsam", "Kappung für die Monate gemeinsamer Kirchensteuerpflicht"},
    {"KiStKappungUeberhang", "Kappung für die Monate, in denen nur ein Ehegatte pflichtig ist"},
    {"EStTarifOhneAo", "Einkommensteuer nach dem Tarif ohne die außerordentlichen Einkünfte"},
    {"EStTarifFuenftel",
     "Einkommensteuer nach dem Tarif mit einem Fünftel der außerordentlichen "
     "Einkünfte"},
    {"EStTarifFuenftelGanz", "Einkommensteuer nach dem Tarif auf ein Fünftel des Einkommens"},
    {"EStTarifOhneGewinn", "Einkommensteuer nach dem Tarif ohne die Veräußerungsgewinne"},
    {"EStTarifPVOhneAo",
     "Einkommensteuer nach dem besonderen Steuersatz ohne die "
     "außerordentlichen Einkünfte"},
    {"EStTarifPVFuenftel",
     "Einkommensteuer nach dem besonderen Steuersatz mit einem Fünftel der "
     "außerordentlichen Einkünfte"},
    {"EStTarifPVFuenftelGanz",
     "Einkommensteuer nach dem besonderen Steuersatz auf ein Fünftel "
     "des Einkommens"},
    {"EStTarifPVOhneGewinn",
     "Einkommensteuer nach dem besonderen Steuersatz ohne die "
     "Veräußerungsgewinne"},
    {"SpendenAllgemein", "Spenden für steuerbegünstigte Zwecke"},
    {"KiStUeberhangEr", "Anteil des Steuerpflichtigen an der Maßstabsteuer der Monate allein"},
    {"KiStUeberhangSie", "Anteil der Ehefrau an der Maßstabsteuer der Monate allein"},
};

// The words of a rule up to its first colon, or up to a comma that only adds
// a limit or a rounding (outside brackets).
std::string RegelKurztext(std::string_view text) {
    constexpr std::string_view Zusaetze[] = {"höchstens",  "mindestens",  "auf ",          "je ",
                                             "abgerundet", "aufgerundet", "abgeschnitten", "bei ",
                                             "beide",      "zusammen"};
    int klammer = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(') ++klammer;
        if (c == ')') --klammer;
        if (klammer != 0) continue;
        if (c == ':' || c == ';') return std::string(text.substr(0, i));
        if (c != ',') continue;
        const std::string_view rest =
            text.substr(i + 1 + (i + 1 < text.size() && text[i + 1] == ' '));
        for (std::string_view z : Zusaetze)
            if (rest.starts_with(z)) return std::string(text.substr(0, i));
    }
    return std::string(text);
}

std::string GrossAnfang(std::string s) {
    if (!s.empty()) s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
    return s;
}

}  // namespace

std::string EingabeTitel(std::string_view eingabe, std::string_view katalogfeld) {
    std::string titel;
    if (katalogfeld.starts_with(WasWaereQuelle)) {
        const std::string_view feld = katalogfeld.substr(WasWaereQuelle.size());
        return "Was-wäre-wenn: " + EingabeTitel(feld, feld);
    }
    const auto ort = EingabeortFuer(katalogfeld);
    const Katalogstelle stelle = KatalogstelleAus(katalogfeld);
    const bool mitElement = stelle.feld.size() < katalogfeld.size();
    // the field itself ("Brutto" of "Brutto[3]": the card names the place)
    katalogfeld = stelle.feld;
    std::optional<Feld> feld = FeldNachId(katalogfeld);
    if (!feld) {
        const auto alle = FelderNachName(katalogfeld);
        if (!alle.empty()) feld = alle.front();
    }
    if (feld) titel = Sprechtext(Def(*feld).beschriftung);
    // a sum kept elsewhere: the caption of the page field that shows it
    if (titel.empty() && ort) titel = Sprechtext(Def(ort->feld).beschriftung);
    // a field captioned by its column alone ("Ehegatte"): the row's caption
    if (titel == "Ehefrau" || titel == "Ehegatte") titel.clear();
    // the wife's field of a row: the caption stands beside the taxpayer's
    if (titel.empty()) titel = BeschriftungDesPartners(katalogfeld);
    if (titel.empty())
        for (const auto& b : OhneBeschriftung)
            if (b.feld == katalogfeld) titel = b.text;
    if (titel.empty()) titel = "Eingabe";
    // a child's value ("KindSaetze[2].KinderFb"): the child is the element of
    // the record it came from ("KindKiFbJahr[4]": the 4th child's page); a
    // row of the quick page names its child itself ("1. Kind")
    constexpr std::string_view Kind = "KindSaetze[";
    if (eingabe.starts_with(Kind)) {
        int nr = 0;
        for (std::size_t i = Kind.size();
             i < eingabe.size() && std::isdigit(static_cast<unsigned char>(eingabe[i])); ++i)
            nr = nr * 10 + (eingabe[i] - '0');
        if (mitElement)
            nr = stelle.element - 1;
        else if (!katalogfeld.empty() && katalogfeld.back() >= '1' && katalogfeld.back() <= '9')
            nr = katalogfeld.back() - '1';
        if (titel.find(". Kind") == std::string::npos)
            titel += " – " + std::to_string(nr + 1) + ". Kind";
    } else if (const auto p = PersonDesNamens(eingabe); p && !NenntPerson(titel)) {
        titel += PersonenZusatz(*p == 1);
    }
    if (ort) {
        std::string wo = SeitenText(*ort);
        std::string reiter = Sprechtext(Def(ort->feld).reiter);
        if (!reiter.empty() && wo.find(reiter) == std::string::npos) wo += ", " + reiter;
        titel += " (" + wo + ")";
    }
    return titel;
}

std::string ParameterTitel(std::string_view name) {
    const param::Eintrag* zeile = param::Zeile(name);
    return zeile ? GrossAnfang(std::string(zeile->zweck)) : "Parameter";
}

std::string_view ParameterParagraph(std::string_view name) {
    const param::Eintrag* zeile = param::Zeile(name);
    return zeile ? zeile->paragraph : std::string_view();
}

std::string ErgebnisTitel(std::string_view ergebnis, const Rechenregel* regel) {
    if (const std::string_view t = BescheidTitel(ergebnis); !t.empty()) return std::string(t);
    const std::optional<int> person = PersonDesNamens(ergebnis);
    std::string_view basis = ergebnis;
    if (person) {
        basis.remove_suffix(*person == 0 ? 2 : 3);
        while (!basis.empty() && basis.back() >= '0' && basis.back() <= '9') basis.remove_suffix(1);
    }
    std::string titel;
    if (basis == "Einkunftsart") {
        std::string_view n = ergebnis.substr(basis.size(), 1);
        const int art = n.empty() ? 0 : n[0] - '1';
        if (art >= 0 && art < 7) titel = Einkunftsarten[art];
    }
    if (titel.empty() && person) {
        if (const std::string_view t = BescheidTitel(basis); !t.empty()) titel = t;
    }
    for (const auto& n : Ergebnisnamen)
        if (titel.empty() && (n.ergebnis == ergebnis || n.ergebnis == basis)) titel = n.titel;
    if (titel.empty()) {
        // the rule the step followed (it says how this value came about),
        // unless it only stands in for a value that does not count; else the
        // rule of that result
        const bool vertreten =
            regel && (regel->ergebnis == "EhegatteEinzeln" || regel->ergebnis == "OhneEhegatte" ||
                      regel->ergebnis == "WasWaereWenn");
        const Rechenregel* eigene = vertreten ? nullptr : regel;
        if (!eigene) eigene = RegelFuer(ergebnis);
        if (!eigene) eigene = RegelFuer(basis);
        if (!eigene) eigene = regel;
        titel = eigene ? GrossAnfang(RegelKurztext(eigene->text)) : std::string(ergebnis);
    }
    if (person && !NenntPerson(titel)) titel += PersonenZusatz(*person == 1);
    return titel;
}

std::string KnotenTitel(std::string_view name, const Rechenschritt* schritt,
                        const Wertangabe& angabe) {
    if (schritt) return ErgebnisTitel(name, schritt->regel);
    switch (angabe.herkunft) {
        case Herkunft::Eingabe:
            return EingabeTitel(angabe.name, angabe.quelle);
        case Herkunft::Parameter:
            return ParameterTitel(angabe.name);
        case Herkunft::Ergebnis:
            break;
    }
    return ErgebnisTitel(name, nullptr);
}

std::string KnotenTitel(const Erklaerknoten& k) {
    return KnotenTitel(Knotenname(k), k.schritt, k.angabe);
}

}  // namespace quarnel
