#include "results/wieberechnet.h"

#include <algorithm>
#include <cmath>

#include "calc/berechnung.h"
#include "calc/deklaration.h"
#include "case/zeichensatz.h"
#include "results/knotentitel.h"
#include "results/veranlagungsteile.h"

namespace quarnel {
namespace {

// The captions of the notice's amount rows and the result each one shows;
// a pair row (taxpayer, spouse) names the taxpayer's.
struct Zeilenergebnis {
    std::string_view beschriftung, ergebnis, titel;
};
constexpr Zeilenergebnis Zeilen[] = {
    {"Summe der Einkünfte", "SummeEkEr", "Summe der Einkünfte des Steuerpflichtigen"},
    {"Summe der Einkünfte insgesamt", "SummeEk", "Summe der Einkünfte"},
    {"Summe der Einkünfte insgesamt (nach Verl.-ausgl.)", "SummeEk", ""},
    {"Summe der Einkünfte nach Verl.-ausgleich", "SummeEk", ""},
    {"Gesamtbetrag der Einkünfte", "GesamtbetragEk", "Gesamtbetrag der Einkünfte"},
    {"Einkommen", "Einkommen", "Einkommen"},
    {"Haushaltsfreibetrag", "HaushaltsFb", "Haushaltsfreibetrag"},
    {"Zu versteuerndes Einkommen", "ZvE", "Zu versteuerndes Einkommen"},
    {"Tarifliche Einkommensteuer", "EStTariflich", "Tarifliche Einkommensteuer"},
    {"Anrechnung Gewerbesteuer nach § 35 EStG", "GewStAnrechnung",
     "Anrechnung Gewerbesteuer nach § 35 EStG"},
    {"Festzusetzende Einkommensteuer", "EStFestzusetzen", "Festzusetzende Einkommensteuer"},
    {"Einkommensteuer in Höhe von", "SoliBasisESt",
     "Bemessungsgrundlage des Solidaritätszuschlags"},
    {"Festzusetzender Solidaritätszuschlag (5,5%)", "SoliFestzusetzen",
     "Festzusetzender Solidaritätszuschlag"},
    {"Festzusetzende Kirchensteuer", "KiStFestzusetzen", "Festzusetzende Kirchensteuer"},
    {"", "SummeEkSie", "Summe der Einkünfte der Ehefrau"},
    {"", "EStTarif", "Einkommensteuer nach dem Tarif"},
    {"", "EStTarifPV", "Steuer nach dem besonderen Steuersatz"},
    {"", "LStSumme", "Anzurechnende Lohnsteuer"},
    {"", "EStGezahlt", "Anzurechnende Einkommensteuer"},
    {"", "EStSaldo", "Einkommensteuer: Abschlusszahlung / Erstattung"},
    {"", "SoliGezahlt", "Anzurechnender Solidaritätszuschlag"},
    {"", "SoliSaldo", "Solidaritätszuschlag: Abschlusszahlung / Erstattung"},
    {"", "MassstabESt", "Maßstabsteuer der Kirchensteuer"},
    {"", "KiStJahrEr", "Kirchensteuer eines Jahres"},
    {"", "KiStSaldo", "Kirchensteuer: Abschlusszahlung / Erstattung"},
    {"Kirchgeld zu erheben. Das Kirchgeld beträgt", "Kirchgeld",
     "Kirchgeld in glaubensverschiedener Ehe"},
    {"steuer ergibt dann einschl. Kirchgeld", "KirchgeldVergleich",
     "Kirchensteuer einschließlich Kirchgeld"},
    {"so ist folgende Kirchensteuer anzusetzen", "KiStKappung", "Gekappte Kirchensteuer"},
    {"Dies ergibt einschließlich Kirchgeld", "KiStKappungMitKirchgeld",
     "Gekappte Kirchensteuer einschließlich Kirchgeld"},
    {"", "GesamtSaldo", "Gesamtergebnis"},
};

// Lines that are no amount rows of their own, by how they begin.
constexpr Zeilenergebnis Zeilenanfaenge[] = {
    {"zu versteuern nach der", "EStTarif", ""},
    {"bei einem zu versteuernden Einkommen von", "MassstabESt", ""},
    {"Festgesetzt werden", "EStFestzusetzen", ""},
    {"- Abzug vom Lohn", "LStSumme", ""},
};
// The total of the settlement, not its row per tax (which has three amounts).
constexpr std::string_view Gesamtzeilen[] = {"Sie bekommen erstattet", "Sie müssen zahlen"};

std::string_view Getrimmt(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '.' || s.front() == '|'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '.' || s.back() == ':')) s.remove_suffix(1);
    return s;
}

bool Gleich(double a, double b) { return std::fabs(a - b) < 0.005; }

}  // namespace

void RechnungErklaeren(const CaseRecord& fall, bool kurz, Erklaerung& spur) {
    // the fill runs the page computations on the record: on a copy
    auto kopie = std::make_unique<CaseRecord>(fall);
    auto e = std::make_unique<CalcInput>();
    auto r = std::make_unique<CalcResult>();
    DeklarationFuellen(*kopie, *e, *r, kurz);
    spur.Leeren();
    {
        ErklaerungAufzeichnen an(spur);
        Berechne(*e, *r);
    }
    if (kurz) spur.KurzQuellenSetzen();
}

std::string_view ErgebnisDerZeile(const Ergebnistext& t, std::size_t zeile) {
    if (zeile < t.formen.size() && t.formen[zeile].betrag)
        return ErgebnisDerBeschriftung(Cp1252ZuUtf8(t.formen[zeile].label));
    if (zeile >= t.zeilen.size()) return {};
    const std::string& z = t.zeilen[zeile];
    const auto spalten = std::count(z.begin(), z.end(), '|');
    return ErgebnisDerBeschriftung(Cp1252ZuUtf8(z), spalten > 2 ? 3 : 1);
}

std::string_view ErgebnisDerBeschriftung(std::string_view beschriftung, int betraege) {
    const std::string_view label = Getrimmt(beschriftung);
    if (label.empty()) return {};
    for (const auto& z : Zeilen)
        if (!z.beschriftung.empty() && Getrimmt(z.beschriftung) == label) return z.ergebnis;
    for (const auto& z : Zeilenanfaenge)
        if (label.starts_with(z.beschriftung)) return z.ergebnis;
    if (betraege == 1)
        for (std::string_view g : Gesamtzeilen)
            if (label.starts_with(g)) return "GesamtSaldo";
    return {};
}

std::string_view BescheidTitel(std::string_view name) {
    for (const auto& z : Zeilen)
        if (z.ergebnis == name && !z.titel.empty()) return z.titel;
    return {};
}

std::string ErgebnisBezeichnung(std::string_view name) {
    return ErgebnisTitel(name, nullptr);
}

bool BaumDerZeile(const Erklaerung& spur, std::string_view ergebnis, Erklaerknoten& baum) {
    if (ergebnis == "EStTarif" && spur.Letzter("EStTarifRest") >= 0)
        return ErklaerBaum(spur, "EStTarifRest", baum);
    return ErklaerBaum(spur, ergebnis, baum);
}

double Knotenwert(const Erklaerknoten& k) { return k.schritt ? k.schritt->wert : k.angabe.wert; }

std::string Knotenname(const Erklaerknoten& k) {
    return k.schritt ? k.schritt->ergebnis : k.angabe.name;
}

namespace {

// The lines of the notice check that are explained results.
struct PostenErgebnis {
    std::string_view posten, ergebnis;
};
constexpr PostenErgebnis PostenErgebnisse[] = {
    {"SummeEk", "SummeEk"},         {"GesamtbetragEk", "GesamtbetragEk"},
    {"HaushaltsFb", "HaushaltsFb"}, {"ZvE", "ZvE"},
    {"ESt", "EStFestzusetzen"},     {"Soli", "SoliFestzusetzen"},
    {"LSt", "LStSumme"},            {"Saldo", "GesamtSaldo"},
};

// Only the step the notice shows takes the office's figure: the same result
// computed again in another pass (the taxable income with the allowances for
// all children, for the surcharge) stays without.
void AmtEintragen(Vergleichsknoten& k, const AmtsBescheid& amt, const Erklaerung& spur) {
    const int p = PostenDesErgebnisses(k.name);
    const int letzter = k.schritt ? spur.Letzter(k.name) : -1;
    k.hatNachher = p >= 0 && letzter >= 0 && &spur.Schritte()[std::size_t(letzter)] == k.schritt;
    if (k.hatNachher) k.nachher = amt.wert[std::size_t(p)];
    for (auto& c : k.kinder) AmtEintragen(c, amt, spur);
}

}  // namespace

std::string_view ErgebnisDesPostens(int posten) {
    const auto alle = Posten();
    if (posten < 0 || posten >= int(alle.size())) return {};
    for (const auto& p : PostenErgebnisse)
        if (p.posten == alle[std::size_t(posten)].schluessel) return p.ergebnis;
    return {};
}

int PostenDesErgebnisses(std::string_view ergebnis) {
    for (const auto& p : PostenErgebnisse)
        if (p.ergebnis == ergebnis)
            if (auto i = PostenSuchen(p.posten)) return *i;
    return -1;
}

ErklaerVergleich BescheidErklaeren(const CaseRecord& fall, const AmtsBescheid& amt,
                                   std::string_view ergebnis) {
    ErklaerVergleich v;
    v.ergebnis = std::string(ergebnis);
    v.kopfVorher = "Eigene Berechnung";
    v.kopfNachher = "Finanzamt";
    v.teilweise = true;
    // the computation the check compares with: under getrennte or besondere
    // assessment the part whose notice the user entered
    std::vector<Erklaerteil> teile = VeranlagungErklaeren(fall, false);
    const std::size_t teil = teile.size() > 1 ? std::size_t(VergleichsTeil) : 0;
    v.spurVorher = std::move(teile[teil].spur);
    Erklaerknoten baum;
    v.gefunden = ErklaerBaum(*v.spurVorher, ergebnis, baum);
    if (!v.gefunden) return v;
    v.baum = BaeumeVergleichen(&baum, nullptr);
    AmtEintragen(v.baum, amt, *v.spurVorher);
    return v;
}

bool Vergleichsknoten::Geaendert() const {
    return hatVorher != hatNachher || !Gleich(vorher, nachher);
}

Vergleichsknoten BaeumeVergleichen(const Erklaerknoten* a, const Erklaerknoten* b) {
    Vergleichsknoten v;
    const Erklaerknoten* eins = a ? a : b;
    if (!eins) return v;
    v.name = Knotenname(*eins);
    v.angabe = eins->angabe;
    v.schritt = eins->schritt ? eins->schritt : (b ? b->schritt : nullptr);
    v.hatVorher = a != nullptr;
    v.hatNachher = b != nullptr;
    if (a) v.vorher = Knotenwert(*a);
    if (b) v.nachher = Knotenwert(*b);
    const std::size_t nb = b ? b->kinder.size() : 0;
    std::vector<bool> benutzt(nb, false);
    if (a)
        for (const Erklaerknoten& ka : a->kinder) {
            const Erklaerknoten* partner = nullptr;
            for (std::size_t j = 0; j < nb && !partner; ++j)
                if (!benutzt[j] && Knotenname(b->kinder[j]) == Knotenname(ka) &&
                    b->kinder[j].angabe.faktor == ka.angabe.faktor) {
                    benutzt[j] = true;
                    partner = &b->kinder[j];
                }
            v.kinder.push_back(BaeumeVergleichen(&ka, partner));
        }
    for (std::size_t j = 0; j < nb; ++j)
        if (!benutzt[j]) v.kinder.push_back(BaeumeVergleichen(nullptr, &b->kinder[j]));
    return v;
}

ErklaerVergleich WasWaereErklaeren(const CalcInput& gefuellt, const WasWaereWerte& aenderung,
                                   std::string_view ergebnis) {
    ErklaerVergleich v;
    v.ergebnis = std::string(ergebnis);
    auto rechnen = [&](const WasWaereWerte& deltas, Erklaerung& spur) {
        auto e = std::make_unique<CalcInput>();
        auto r = std::make_unique<CalcResult>();
        ErklaerungAufzeichnen an(spur);
        WasWaereBerechnen(gefuellt, deltas, *e, *r);
    };
    rechnen(WasWaereWerte{}, *v.spurVorher);
    rechnen(WasWaereAenderungGueltig(aenderung) ? aenderung : WasWaereWerte{}, *v.spurNachher);
    ErklaerBaeumeVergleichen(v);
    return v;
}

void ErklaerBaeumeVergleichen(ErklaerVergleich& v) {
    Erklaerknoten vorher, nachher;
    const bool a = ErklaerBaum(*v.spurVorher, v.ergebnis, vorher);
    const bool b = ErklaerBaum(*v.spurNachher, v.ergebnis, nachher);
    v.gefunden = a || b;
    v.baum = BaeumeVergleichen(a ? &vorher : nullptr, b ? &nachher : nullptr);
}

ErklaerVergleich WasWaereErklaeren(const CaseRecord& fall, const WasWaereWerte& aenderung,
                                   std::string_view ergebnis, bool kurz) {
    auto kopie = std::make_unique<CaseRecord>(fall);
    auto e = std::make_unique<CalcInput>();
    DeklarationFuellen(*kopie, *e, kurz);
    return WasWaereErklaeren(*e, aenderung, ergebnis);
}

}  // namespace quarnel
