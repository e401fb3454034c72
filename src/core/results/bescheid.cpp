// The notice from its header down to the church tax; the annexes and the
// explanations are in bescheid_anlagen.cpp.
#include "results/bescheid.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "calc/betrag.h"
#include "case/feldkatalog.h"
#include "case/zeichensatz.h"

namespace quarnel {
namespace {

constexpr int MaxBreite = 80;
constexpr const char* BetragMaske = "#######,##";

std::string Gekuerzt(std::string_view t) {
    return std::string(t.substr(0, MaxBreite));
}

std::string Getrimmt(std::string_view s) {
    const auto a = s.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    const auto b = s.find_last_not_of(' ');
    return std::string(s.substr(a, b - a + 1));
}

// The amount lines of the fixed tables, in the order of the notice.
enum V : int {
    // income of the spouses and of a single person (pairs: the taxpayer's column)
    vLuF,
    vGew,
    vSelb,
    vBrutto,
    vVersFb,
    vWkNsa,
    vEinkuenfte,
    vKapEinnahmen,
    vWkKap,
    vAuslSteuerAbzug,
    vSparerFb,
    vVuV,
    vWeitereRenten,
    vRenteMehrj,
    vZwischensumme,
    vBezuege,
    vWkSonst,
    vPrivVeraeuss,
    vLeistungen,
    vAbgeordnete,
    vSummeEk,
    vSummeEkInsgesamt,
    vSummeEkInsgesamtNachVa,
    vAltEntlEhemann,
    vAltEntlEhefrau,
    vAltEntlZusammen,
    vFreibetragLuF,
    vGesamtbetrag,
    vSummeEkVorVa,
    vSummeEkNachVa,
    vAltEntlEinzel,
    // Sonderausgaben
    vRentenLasten,
    vUnterhaltsleist,
    vKiStGezahlt,
    vSteuerZinsen,
    vHausBesch,
    vSchulgeld,
    vSteuerberatung,
    vAusbildungSa,
    vSpenden,
    vSpendenAbziehbar,
    vSaSumme,
    vVorsorgepauschale,
    vVorsorgeSumme,
    // außergewöhnliche Belastungen
    vBehinderte,
    vHaushaltshilfe,
    vHinterbliebene,
    vUnterhalt,
    vAusbildungsFb,
    vAgbAndere,
    vZumutbar,
    vAgbAbziehbar,
    vAgbSumme,
    // Einkommen to zvE
    vWohneigentum,
    vVorjahresverlust,
    vVerlustVerbleibend,
    vEinkommen,
    vKindFb,
    vHaushaltsFb,
    vHaerteausgleich,
    vAbSumme,
    vZvE,
    // income tax
    vAoEinkuenfte,
    vAoLohn,
    vAoAbgeordnete,
    vAoRente,
    vAoEntschaedigung,
    vAoVeraeuss,
    vVeraeussGewinnSteuer,
    vVeraeussGewinn,
    vTariflich,
    vAuslAnrechnung,
    vGewStAnrechnung,
    vParteiSpenden,
    vBaukindergeld,
    vErmLuF,
    vKindergeldHinzu,
    vEStFest,
    // solidarity surcharge and church tax
    vSoliBasis,
    vSoliFest,
    vKindFbZuschlag,
    vHalbeinkuenfte,
    vGewStAnzeige,
    vKiStFest,
    vKirchgeld,
    vKirchgeldVergleich,
    vKappung,
    vKappungKirchgeld,
    vAnzahl_
};

constexpr Betragsvorgabe Vorgaben[vAnzahl_] = {
    {0, "Einkünfte aus Land- und Forstwirtschaft", 5, 4, 58},
    {0, "Einkünfte aus Gewerbebetrieb", 16, 4, 58},
    {0, "Einkünfte aus Selbständiger Arbeit", 10, 4, 58},
    {2, "Bruttoarbeitslohn", 25, 4, 58},
    {2, "ab Versorgungsbezüge-Freibetrag", 11, 4, 58},
    {2, "ab Werbungskosten/AN-Pauschbetrag", 9, 4, 58},
    {22, "Einkünfte", 13, 4, 58},
    {2, "Einnahmen", 33, 4, 58},
    {2, "ab Werbungskosten", 25, 4, 58},
    {4, "darin ausl. Steuern § 34c Abs. 2", 8, 4, 58},
    {2, "ab Sparer-Freibetrag", 22, 4, 58},
    {0, "Einkünfte aus Vermietung & Verpachtung", 6, 4, 58},
    {3, "Weitere Renten", 27, 4, 58},
    {3, "Rente mehrere Jahre", 22, 4, 58},
    {2, "Zwischensumme", 29, 4, 58},
    {2, "wiederkehrende Bezüge", 21, 4, 58},
    {2, "ab Werbungskosten/Pauschbetrag", 12, 4, 58},
    {2, "Private Veräußerungsgeschäfte", 13, 4, 58},
    {2, "Leistungen", 32, 4, 58},
    {2, "Abgeordnetenbezüge", 24, 4, 58},
    {0, "Summe der Einkünfte", 25, 4, 58},
    {0, "Summe der Einkünfte insgesamt", 29, 3, 71},
    {0, "Summe der Einkünfte insgesamt (nach Verl.-ausgl.)", 9, 3, 71},
    {5, "Ehemann", 16, 5, 43},
    {5, "Ehefrau", 16, 5, 43},
    {5, "zusammen", 45, 3, 71},
    {0, "ab Freibetrag Land- und Forstwirtschaft", 19, 3, 71},
    {0, "Gesamtbetrag der Einkünfte", 32, 3, 71},
    {0, "Summe der Einkünfte vor Verl.-ausgleich", 5, 4, 58},
    {0, "Summe der Einkünfte nach Verl.-ausgleich", 4, 4, 58},
    {0, "ab Altersentlastungsbetrag", 32, 3, 71},

    {3, "Renten und dauernde Lasten", 11, 8, 58},
    {3, "Unterhalstleistungen", 17, 8, 58},
    {3, "Gezahlte Kirchensteuer", 15, 8, 58},
    {3, "Zinsen für Stundung, Auss., Nachf.", 3, 8, 58},
    {3, "Hausw. Besch.-Verhältnis", 13, 8, 58},
    {3, "Schulgeld (30%)", 22, 8, 58},
    {3, "Steuerberatung", 23, 8, 58},
    {3, "Aus- und Weiterbildungskosten", 8, 8, 58},
    {3, "Spenden", 19, 9, 48},
    {6, "davon abzugsfähig", 17, 8, 58},
    {0, "Ab Summe/Pauschbetrag", 37, 3, 71},
    {3, "Ab Vorsorgepauschale", 29, 9, 71},
    {3, "Ab Summe/ Vorsorgepauschale", 28, 3, 71},

    {3, "Körperbehinderte", 21, 8, 58},
    {3, "Haushaltsh./Heimunterbr./Pflegepb.", 3, 8, 58},
    {3, "Hinterbliebene:", 22, 8, 58},
    {3, "Unterstützung bed. Personen", 10, 8, 58},
    {3, "Ausbildungsfreibeträge", 15, 8, 58},
    {3, "Andere außergew. Bel.", 5, 9, 48},
    {3, "Zumutbare Belastung", 4, 12, 48},
    {3, "Überlastungs-/ Pauschbetrag", 10, 8, 58},
    {0, "AB SUMME", 50, 3, 71},

    {0, "Steuerbegünstigung für Wohneigentum", 23, 3, 71},
    {0, "Vorjahresverlust", 42, 3, 71},
    {2, "verbleibt nach § 10d Abs. 2 EStG", 7, 0, 51},
    {0, "Einkommen", 49, 3, 71},
    {0, "Kinder-/Betreuungsfreibetrag", 12, 8, 58},
    {0, "Haushaltsfreibetrag", 21, 8, 58},
    {0, "Härteausgleich", 26, 8, 58},
    {0, "Ab Summe", 50, 3, 71},
    {0, "Zu versteuerndes Einkommen", 32, 3, 71},

    {0, "+ Steuer auf außerordentliche Einkünfte.", 12, 9, 71},
    {2, "wg. Lohn/Vers.-bez. mehrere Jahre", 6, 0, 51},
    {2, "wg. Abgeordnetenbezüge mehrere Jahre", 3, 0, 51},
    {2, "wg. Renten mehrere Jahre", 15, 0, 51},
    {2, "wg. Entschädigungen", 20, 0, 51},
    {2, "wg. Veräußerungsgewinne", 16, 0, 51},
    {0, "+ Steuer auf außerordentliche Einkünfte (§34, 3)", 4, 9, 71},
    {2, "wg. Veräußerungsgewinne", 16, 0, 51},
    {0, "Tarifliche Einkommensteuer", 26, 9, 71},
    {0, "Anrechnung ausl. Steuern nach § 34c Abs. 1 EStG", 11, 3, 71},
    {0, "Anrechnung Gewerbesteuer nach § 35 EStG", 19, 3, 71},
    {0, "Ermäßigung für Spenden nach § 34g EStG", 20, 3, 71},
    {0, "Steuerermäßigung - Baukindergeld", 26, 3, 71},
    {0, "Steuerabzug Land- und Forstwirtschaft  § 34 e EStG", 8, 3, 71},
    {0, "Rückforderung Kindergeld", 34, 3, 71},
    {0, "Festzusetzende Einkommensteuer", 28, 3, 71},

    {0, "Einkommensteuer in Höhe von", 18, 3, 58},
    {0, "Festzusetzender Solidaritätszuschlag (5,5%)", 15, 3, 71},
    {0, " Jahresfreibeträge für Kinder", 0, 19, 58},
    {0, " Einkünfte gemäß Halbeinkünfteverfahren", 0, 9, 58},
    {0, " Gewerbesteueranrechnung              ", 0, 10, 58},
    {0, "Festzusetzende Kirchensteuer", 30, 3, 71},
    {0, "Kirchgeld zu erheben. Das Kirchgeld beträgt", 0, 5, 58},
    {0, "steuer ergibt dann einschl. Kirchgeld", 8, 3, 58},
    {0, "so ist folgende Kirchensteuer anzusetzen", 5, 3, 58},
    {0, "Dies ergibt einschließlich Kirchgeld", 9, 3, 58},
};

// The labels of the table as Windows-1252, converted at first use.
const std::string& Label(V v) {
    static const std::vector<std::string> texte = [] {
        std::vector<std::string> t;
        for (const Betragsvorgabe& b : Vorgaben) t.push_back(Utf8ZuCp1252(b.text));
        return t;
    }();
    return texte[v];
}

// Writes the table line v in one of its three variants.
enum class Nur { Immer, Positiv, NichtNull };

class Notiz {
  public:
    Notiz(BescheidSchreiber& s, const CalcInput& e, const CalcResult& r, const CaseRecord& fall,
          const BescheidAngaben& a)
        : s_(s), e_(e), r_(r), fall_(fall), a_(a) {}

    void Kopf();
    void Abrechnung();
    void EinkuenfteZusammen();
    void EinkuenfteEinzel();
    void Sonderausgaben();
    void Belastungen();
    void Einkommen();
    void Einkommensteuer();
    void SoliUndKirchensteuer();

  private:
    void B(V v, double x, Nur nur = Nur::Immer) {
        const Betragsvorgabe& b = Vorgaben[v];
        if (nur == Nur::Positiv)
            s_.BetragszeilePositiv(b.einzug, Label(v), b.leiste, x, b.luecke);
        else if (nur == Nur::NichtNull)
            s_.BetragszeileNichtNull(b.einzug, Label(v), b.leiste, x, b.luecke);
        else
            s_.Betragszeile(b.einzug, Label(v), b.leiste, x, b.luecke);
    }
    void P(V v, double er, double sie, bool nullZeigen = false) {
        const Betragsvorgabe& b = Vorgaben[v];
        s_.Paarzeile(b.einzug, Label(v), b.leiste, er, sie, b.luecke, nullZeigen);
    }
    void T(int einzug, const char* utf8) { s_.Textzeile(einzug, Ansi(utf8)); }
    void Leibrenten(bool zusammen);
    void Personenblock(int art);

    BescheidSchreiber& s_;
    const CalcInput& e_;
    const CalcResult& r_;
    const CaseRecord& fall_;
    const BescheidAngaben& a_;
};

void Notiz::Kopf() {
    if (!a_.amtlich) {
        s_.Zeile("STEUERBERECHNUNG - 2 0 0 1" + Leerzeichen(37) + a_.datum);
        s_.Zeile(Ansi("für: ") + std::string(e_.NameZeile.Sicht()));
        s_.Leerzeilen(1);
        return;
    }
    auto text = [&](Feld f) { return Getrimmt(fall_.Text(f)); };
    s_.Zeile(Leerzeichen(63) + a_.datum);
    s_.Zeile("Finanzamt " + text(Feld::Finanzamt));
    s_.Zeile("Veranlagungsbezirk");
    s_.Zeile("Steuernummer: " + text(Feld::Steuernummer));
    s_.Leerzeilen(2);
    s_.Zeile(Leerzeichen(46) + "B E S C H E I D");
    s_.Zeile(Leerzeichen(43) + Ansi("für   2 0 0 1   über"));
    s_.Zeile(Leerzeichen(34) + Ansi("Einkommensteuer, Solidaritätszuschlag"));
    s_.Zeile(Leerzeichen(45) + "und Kirchensteuer");
    s_.Leerzeilen(2);
    s_.Zeile("Herr/Frau");
    s_.Zeile(text(Feld::StpflVorname) + " " + text(Feld::StpflName));
    if (fall_.Bool(Feld::Splitting)) s_.Zeile(text(Feld::EhegVorname) + " " + text(Feld::EhegName));
    s_.Zeile(text(Feld::StpflStrasse));
    s_.Zeile(text(Feld::StpflPlz) + " " + text(Feld::StpflOrt));
    s_.Leerzeilen(5);
}

std::string Zelle(double x) {
    return FormatMaske("  #######,## ", x);
}
std::string Zeilenkopf(const char* utf8, int blanks) {
    return Ansi(utf8) + Leerzeichen(blanks);
}
std::string Zeilenrest(double a, double b, double c) {
    return "|" + Zelle(a) + "|" + Zelle(b) + "|" + Zelle(c) + "|";
}

void Notiz::Abrechnung() {
    const std::string leer13 = Leerzeichen(13);
    T(0, "F e s t s e t z u n g   u n d   A b r e c h n u n g");
    const std::string regel =
        Striche(27) + "-" + Striche(13) + "-" + Striche(13) + "-" + Striche(13);
    s_.Zeile("+" + regel + "+");
    s_.Zeile("|" + Leerzeichen(27) + "| Einkommen-  | Kirchen-    | Solidar-    |");
    s_.Zeile("|" + Leerzeichen(27) + "| steuer   DM | steuer   DM | zuschlag DM |");
    s_.Zeile("|" + Leerzeichen(27) + "|" + Striche(13) + "-" + Striche(13) + "-" + Striche(13) +
             "|");
    s_.Zeile(Zeilenkopf("| Festgesetzt werden", 8) +
             Zeilenrest(r_.EStFestzusetzen, r_.KiStFestzusetzen, r_.SoliFestzusetzen));
    // Every row condition and sign decision works on cents, so that a value
    // that prints as 0,00 never decides anything.
    if (RundenCent(e_.LStSumme + e_.KiStLohnSumme + e_.SoliLohnSumme) > 0)
        s_.Zeile(Zeilenkopf("| - Abzug vom Lohn", 10) +
                 Zeilenrest(e_.LStSumme, e_.KiStLohnSumme, e_.SoliLohnSumme));
    if (RundenCent(e_.EStVzSumme + e_.KiStVzSumme + e_.SoliVzSumme) > 0)
        s_.Zeile(Zeilenkopf("| - Vorauszahlungen", 9) +
                 Zeilenrest(e_.EStVzSumme, e_.KiStVzSumme, e_.SoliVzSumme));
    if (RundenCent(e_.KStAnrechIn) > 0)
        s_.Zeile(Zeilenkopf("| - Körperschaftsteuer", 6) + "|" + Zelle(e_.KStAnrechIn) + "|" +
                 leer13 + "|" + leer13 + "|");
    if (RundenCent(e_.KapEStAnrechIn + e_.SoliKapEStIn) > 0)
        s_.Zeile(Zeilenkopf("| - Kapitalertragsteuer", 5) + "|" + Zelle(e_.KapEStAnrechIn) + "|" +
                 leer13 + "|" + Zelle(e_.SoliKapEStIn) + "|");
    s_.Zeile("|" + regel + "|");
    const double saldo[3] = {RundenCent(r_.EStSaldo - e_.KStAnrechIn - e_.KapEStAnrechIn),
                             RundenCent(r_.KiStSaldo), RundenCent(r_.SoliSaldo)};
    if (std::any_of(saldo, saldo + 3, [](double v) { return v > 0; })) {
        auto zahlen = [](double v) { return v > 0 ? v : 0; };
        s_.Zeile(Zeilenkopf("| Sie müssen noch zahlen", 4) +
                 Zeilenrest(zahlen(saldo[0]), zahlen(saldo[1]), zahlen(saldo[2])));
    }
    if (std::any_of(saldo, saldo + 3, [](double v) { return v < 0; })) {
        auto zurueck = [](double v) { return v < 0 ? -v : 0; };
        s_.Zeile(Zeilenkopf("| Sie bekommen erstattet", 4) +
                 Zeilenrest(zurueck(saldo[0]), zurueck(saldo[1]), zurueck(saldo[2])));
    }
    s_.Zeile("|" + Striche(69) + "|");
    const double gesamt = RundenCent(r_.GesamtSaldo);
    const double gezeigt = gesamt <= 0 ? -gesamt : gesamt;
    if (gesamt <= 0)
        s_.Zeile(Zeilenkopf("| Sie bekommen erstattet", 19) +
                 FormatMaske("  #######,## DM", gezeigt) + Leerzeichen(12) + "|");
    else
        s_.Zeile(Zeilenkopf("| Sie müssen zahlen", 24) + FormatMaske("  #######,## DM", gezeigt) +
                 Leerzeichen(12) + "|");
    s_.Zeile(Zeilenkopf("| entspricht Euro", 26) +
             FormatMaske("  #######,## EUR", DMinEuro(gezeigt)) + Leerzeichen(11) + "|");
    s_.Zeile("|" + Striche(69) + "|");
    s_.Zeile(Zeilenkopf("| Durchschnittl. Steuersatz", 23) +
             FormatMaske("##,## %", r_.Durchschnittssteuersatz) + Leerzeichen(13) + "|");
    s_.Zeile(Zeilenkopf("| Grenzsteuersatz", 33) + FormatMaske("##,## %", r_.Grenzsteuersatz) +
             Leerzeichen(13) + "|");
    s_.Zeile("+" + Striche(69) + "+");

    s_.Leerzeilen(2);
    T(0, "B e s t e u e r u n g s g r u n d l a g e n");
    s_.Leerzeilen(1);
    T(0, "Berechnung des zu versteuernden Einkommens");
}

// The annuity lines: taxpayer 1 and 2, then (joint) spouse 1 and 2.
void Notiz::Leibrenten(bool zusammen) {
    for (int p = 0; p < (zusammen ? 2 : 1); ++p) {
        for (int j = 0; j < 2; ++j) {
            if (!UeberTausendstel(e_.LeibrenteZahlung(p)[j])) continue;
            const std::string label = "Ertragsanteil " +
                                      FormatMaske("### v. H. von", e_.LeibrenteProzent(p)[j]) +
                                      FormatMaske(BetragMaske, e_.LeibrenteZahlung(p)[j]);
            s_.Betragszeile(3, label, 4, e_.LeibrenteStpfl(p)[j], p == 0 ? 4 : 17);
        }
    }
}

bool EinerNichtNull(std::initializer_list<double> werte) {
    return std::any_of(werte.begin(), werte.end(), [](double x) { return CentNichtNull(x); });
}

void Notiz::EinkuenfteZusammen() {
    const CalcResult& r = r_;
    auto paarMitLeerzeile = [&](V v, double er, double sie) {
        if (!EinerNichtNull({er, sie})) return;
        P(v, er, sie);
        s_.Leerzeilen(1);
    };
    T(51, "Ehemann      Ehefrau");
    T(56, "DM           DM");
    paarMitLeerzeile(vLuF, r.EkLuFEr, r.EkLuFSie);
    paarMitLeerzeile(vGew, r.EkGewEr, r.EkGewSie);
    paarMitLeerzeile(vSelb, r.EkSelbEr, r.EkSelbSie);
    if (EinerNichtNull({r.ArbLohnEr, r.ArbLohnSie, r.WkNsaEr, r.WkNsaSie})) {
        T(0, "Einkünfte aus nichtselbständiger Arbeit");
        P(vBrutto, r.ArbLohnEr, r.ArbLohnSie);
        if (EinerNichtNull({r.VersFbEr, r.VersFbSie})) P(vVersFb, r.VersFbEr, r.VersFbSie);
        P(vWkNsa, r.WkNsaEr, r.WkNsaSie);
        P(vEinkuenfte, r.ArbLohnEr - r.VersFbEr - r.WkNsaEr,
          r.ArbLohnSie - r.VersFbSie - r.WkNsaSie, true);
        s_.Leerzeilen(1);
    }
    if (EinerNichtNull({r.KapEinnEr, r.KapEinnSie, r.WkKapEr, r.WkKapSie})) {
        T(0, "Einkünfte aus Kapitalvermögen");
        T(0, "vgl. nachfolgende Anlage");
        P(vKapEinnahmen, r.KapEinnEr, r.KapEinnSie);
        P(vWkKap, r.WkKapEr, r.WkKapSie);
        if (CentPositiv(r.AuslSteuerAbzug)) P(vAuslSteuerAbzug, e_.AuslSteuerEr, e_.AuslSteuerSie);
        P(vSparerFb, r.SparerFbEr, r.SparerFbSie);
        P(vEinkuenfte, r.KapEinnEr - r.WkKapEr - r.SparerFbEr,
          r.KapEinnSie - r.WkKapSie - r.SparerFbSie, true);
        s_.Leerzeilen(1);
    }
    paarMitLeerzeile(vVuV, r.EkVuVEr, r.EkVuVSie);
    if (EinerNichtNull({r.SonstRenteEr, r.SonstRenteSie, r.BezuegeEr, r.BezuegeSie, r.WkSonstEr,
                        r.WkSonstSie, r.PrivVeraeussEr, r.PrivVeraeussSie, r.LeistungenEr,
                        r.LeistungenSie, r.AbgeordnetenEr, r.AbgeordnetenSie})) {
        T(0, "Sonstige Einkünfte");
        if (EinerNichtNull({r.SonstRenteEr, r.SonstRenteSie})) {
            T(2, "Leibrente(n)");
            Leibrenten(true);
            if (EinerNichtNull({e_.RenteWeitereEr, e_.RenteWeitereSie}))
                P(vWeitereRenten, e_.RenteWeitereEr, e_.RenteWeitereSie);
            if (EinerNichtNull({e_.RenteMehrjEr, e_.RenteMehrjSie}))
                P(vRenteMehrj, e_.RenteMehrjEr, e_.RenteMehrjSie);
            P(vZwischensumme, r.SonstRenteEr, r.SonstRenteSie, true);
        }
        if (EinerNichtNull({r.BezuegeEr, r.BezuegeSie})) P(vBezuege, r.BezuegeEr, r.BezuegeSie);
        if (EinerNichtNull({r.SonstRenteEr, r.SonstRenteSie, r.BezuegeEr, r.BezuegeSie, r.WkSonstEr,
                            r.WkSonstSie})) {
            P(vWkSonst, r.WkSonstEr, r.WkSonstSie);
            P(vEinkuenfte, r.SonstRenteEr + r.BezuegeEr - r.WkSonstEr,
              r.SonstRenteSie + r.BezuegeSie - r.WkSonstSie, true);
        }
        if (EinerNichtNull({r.PrivVeraeussEr, r.PrivVeraeussSie}))
            P(vPrivVeraeuss, r.PrivVeraeussEr, r.PrivVeraeussSie);
        if (EinerNichtNull({r.LeistungenEr, r.LeistungenSie}))
            P(vLeistungen, r.LeistungenEr, r.LeistungenSie);
        if (EinerNichtNull({r.AbgeordnetenEr, r.AbgeordnetenSie}))
            P(vAbgeordnete, r.AbgeordnetenEr, r.AbgeordnetenSie);
        s_.Leerzeilen(1);
    }
    P(vSummeEk, r.SummeEkEr, r.SummeEkSie, true);
    if (r.FlagMindestbesteuerung) T(0, "vor Verlustausgleich, vgl. Anlage");
    s_.Leerzeilen(1);
    T(62, "Ehegatten");
    T(69, "DM");
    B(r.FlagMindestbesteuerung ? vSummeEkInsgesamtNachVa : vSummeEkInsgesamt, r.SummeEk);
    if (CentNichtNull(r.AltEntlEr + r.AltEntlSie)) {
        T(0, "ab Altersentlastungsbetrag");
        B(vAltEntlEhemann, r.AltEntlEr, Nur::NichtNull);
        B(vAltEntlEhefrau, r.AltEntlSie, Nur::NichtNull);
        B(vAltEntlZusammen, r.AltEntlEr + r.AltEntlSie, Nur::NichtNull);
    }
    if (CentPositiv(r.FreibetragLuF)) {
        s_.Leerzeilen(1);
        B(vFreibetragLuF, r.FreibetragLuF);
    }
    s_.Leerzeilen(1);
    B(vGesamtbetrag, r.GesamtbetragEk);
    s_.Leerzeilen(1);
}

void Notiz::EinkuenfteEinzel() {
    const CalcResult& r = r_;
    auto mitLeerzeile = [&](V v, double x) {
        if (!CentNichtNull(x)) return;
        B(v, x);
        s_.Leerzeilen(1);
    };
    T(56, "DM           DM");
    mitLeerzeile(vLuF, r.EkLuFEr);
    mitLeerzeile(vGew, r.EkGewEr);
    mitLeerzeile(vSelb, r.EkSelbEr);
    if (EinerNichtNull({r.ArbLohnEr, r.VersFbEr, r.WkNsaEr})) {
        T(0, "Einkünfte aus nichtselbständiger Arbeit");
        B(vBrutto, r.ArbLohnEr);
        B(vVersFb, r.VersFbEr, Nur::NichtNull);
        B(vWkNsa, r.WkNsaEr);
        B(vEinkuenfte, r.ArbLohnEr - r.VersFbEr - r.WkNsaEr);
        s_.Leerzeilen(1);
    }
    if (CentNichtNull(r.KapEinnEr)) {
        T(0, "Einkünfte aus Kapitalvermögen");
        T(0, "vgl. nachfolgende Anlage");
        B(vKapEinnahmen, r.KapEinnEr);
        B(vWkKap, r.WkKapEr);
        if (CentPositiv(r.AuslSteuerAbzug)) B(vAuslSteuerAbzug, r.AuslSteuerAbzug);
        B(vSparerFb, r.SparerFbEr);
        B(vEinkuenfte, r.KapEinnEr - r.WkKapEr - r.SparerFbEr);
        s_.Leerzeilen(1);
    }
    mitLeerzeile(vVuV, r.EkVuVEr);
    if (EinerNichtNull({r.SonstRenteEr, r.BezuegeEr, r.PrivVeraeussEr, r.WkSonstEr, r.LeistungenEr,
                        r.AbgeordnetenEr})) {
        T(0, "Sonstige Einkünfte");
        if (CentNichtNull(r.SonstRenteEr)) {
            T(2, "Leibrente(n)");
            Leibrenten(false);
            B(vWeitereRenten, e_.RenteWeitereEr, Nur::Positiv);
            B(vRenteMehrj, e_.RenteMehrjEr, Nur::Positiv);
            B(vZwischensumme, r.SonstRenteEr);
        }
        if (CentNichtNull(r.BezuegeEr)) B(vBezuege, r.BezuegeEr);
        if (EinerNichtNull({r.SonstRenteEr, r.BezuegeEr})) {
            B(vWkSonst, r.WkSonstEr);
            B(vEinkuenfte, r.SonstRenteEr + r.BezuegeEr - r.WkSonstEr);
        }
        B(vPrivVeraeuss, r.PrivVeraeussEr, Nur::NichtNull);
        B(vLeistungen, r.LeistungenEr, Nur::NichtNull);
        B(vAbgeordnete, r.AbgeordnetenEr, Nur::NichtNull);
        s_.Leerzeilen(1);
    }
    if (r.FlagMindestbesteuerung) {
        B(vSummeEkVorVa, r.SummeEkEr);
        B(vSummeEkNachVa, r.SummeEk);
        T(0, "vgl. Anlage Verlustausgleich");
    } else {
        B(vSummeEk, r.SummeEkEr);
    }
    if (CentPositiv(r.AltEntlEr)) {
        s_.Leerzeilen(1);
        B(vAltEntlEinzel, r.AltEntlEr);
    }
    if (CentPositiv(r.FreibetragLuF)) {
        s_.Leerzeilen(1);
        B(vFreibetragLuF, r.FreibetragLuF);
    }
    s_.Leerzeilen(1);
    B(vGesamtbetrag, r.GesamtbetragEk);
    s_.Leerzeilen(1);
}

std::string F7(double x) {
    return FormatMaske("#######", x);
}

void Notiz::Sonderausgaben() {
    const CalcResult& r = r_;
    T(0, "Unbeschränkt abzugsfähige Sonderausgaben");
    B(vRentenLasten, e_.RentenLastenIn, Nur::Positiv);
    B(vUnterhaltsleist, e_.UnterhaltsleistIn, Nur::Positiv);
    B(vKiStGezahlt, e_.KiStGezahltIn, Nur::Positiv);
    B(vSteuerZinsen, e_.SteuerZinsenIn, Nur::Positiv);
    B(vHausBesch, e_.HausBeschIn, Nur::Positiv);
    B(vSchulgeld, r.Schulgeld, Nur::Positiv);
    B(vSteuerberatung, e_.SteuerberatungIn, Nur::Positiv);
    B(vAusbildungSa, e_.AusbildungSaIn, Nur::Positiv);
    if (CentPositiv(r.SpendenAbziehbar)) {
        B(vSpenden, e_.SpendenIn1 + e_.SpendenIn2 + e_.ParteiSpendenIn + e_.WaehlerSpendenIn +
                        e_.StiftungSpendenIn + e_.StiftungStockIn);
        B(vSpendenAbziehbar, r.SpendenAbziehbar);
    }
    B(vSaSumme, -r.SonderausgabenUebrige);
    s_.Leerzeilen(1);
    T(0, "Beschränkt abzugsfähige Sonderausgaben");
    if (!UeberTausendstel(r.VorsAufwBasis)) {
        B(vVorsorgepauschale, -r.VorsorgeAbziehbar);
        return;
    }
    auto z = [&](const char* utf8, const std::string& rest) { s_.Textzeile(3, Ansi(utf8) + rest); };
    if (UeberTausendstel(r.PflegeZusatz + r.PflegeUeberschuss)) {
        z("Freiwillige zusätz. Pflegeversicherung  ", F7(r.PflegeZusatz + r.PflegeUeberschuss));
        z("abziehbar  . . . . . . . . . . . . . .", Leerzeichen(10) + F7(r.PflegeZusatz));
    }
    z("Versicherungsbeiträge  . . . . . . . .  ", F7(r.VorsAufwBasis));
    z("Vorwegabzug . . . . . . . . . .", F7(r.VorwegabzugVoll));
    z("Minderung §10 Abs.3 Nr.2  . . .", F7(-r.VorwegKuerzung));
    s_.Textzeile(3, Leerzeichen(31) + Striche(7));
    z("verbleibender Vorwegabzug . . .", F7(r.VorwegabzugRest) + Leerzeichen(2) +
                                             F7(-r.VorwegabzugGenutzt) + " " +
                                             F7(r.VorwegabzugGenutzt));
    s_.Textzeile(3, Leerzeichen(40) + Striche(7));
    z("verbleibende Versicherungsbeiträge . .  ", F7(r.VorsNachVorweg));
    z("noch zu berücksicht. Vorsorgeaufw.  ", Leerzeichen(4) + F7(r.VorsRest1));
    z("abziehbar  . . . . . . . . . . . .",
      Leerzeichen(6) + F7(r.Grundhoechst) + " " + F7(r.Grundhoechst));
    if (UeberTausendstel(r.VorsRest2)) {
        z("verbleiben", Leerzeichen(30) + F7(r.VorsRest2));
        z("davon abziehbar", Leerzeichen(25) + F7(r.HalbHoechst) + " " + F7(r.HalbHoechst));
    }
    s_.Textzeile(3, Leerzeichen(48) + Striche(7));
    z("abzugsfähig im Rahmen §10 Absatz 3 EStG", Leerzeichen(9) + F7(r.VorsHoechstErgebnis));
    if (r.Vorsorgepauschale > r.VorsHoechstErgebnis)
        z("mindestens jedoch Vorsorgepauschale", Leerzeichen(13) + F7(r.Vorsorgepauschale));
    B(vVorsorgeSumme, -r.VorsorgeAbziehbar);
}

void Notiz::Belastungen() {
    const CalcResult& r = r_;
    const double summe = e_.BehindertenPauschIn + e_.HaushaltshilfePflegeIn + e_.HinterblPauschIn +
                         e_.UnterhaltIn + e_.AusbildungsFbIn;
    if (CentPositiv(summe) || CentPositiv(e_.AgbAndereIn)) {
        s_.Leerzeilen(1);
        T(0, "Außergewöhnliche Belastungen:");
        B(vBehinderte, e_.BehindertenPauschIn, Nur::Positiv);
        B(vHaushaltshilfe, e_.HaushaltshilfePflegeIn, Nur::Positiv);
        B(vHinterbliebene, e_.HinterblPauschIn, Nur::Positiv);
        B(vUnterhalt, e_.UnterhaltIn, Nur::Positiv);
        B(vAusbildungsFb, e_.AusbildungsFbIn, Nur::Positiv);
        if (CentPositiv(e_.AgbAndereIn)) {
            T(0, "- unter Anrechnung einer zumutbaren Belastung:");
            B(vAgbAndere, e_.AgbAndereIn, Nur::Positiv);
            B(vZumutbar, r.ZumutbareBelastung);
            B(vAgbAbziehbar, r.AgBAbziehbar);
        }
    }
    if (CentPositiv(summe + r.AgBAbziehbar)) B(vAgbSumme, -(summe + r.AgBAbziehbar));
    s_.Leerzeilen(1);
}

void Notiz::Einkommen() {
    const CalcResult& r = r_;
    if (CentPositiv(r.WohneigentumAbzug)) {
        B(vWohneigentum, -r.WohneigentumAbzug);
        s_.Leerzeilen(1);
    }
    if (CentPositiv(e_.VerlustabzugIn)) {
        B(vVorjahresverlust, -r.VerlustabzugAbziehbar);
        if (CentPositiv(r.VerlustabzugVerbleibend))
            B(vVerlustVerbleibend, r.VerlustabzugVerbleibend);
        s_.Leerzeilen(1);
    }
    B(vEinkommen, r.Einkommen);
    const double z = r.HaushaltsFb + r.KindFbAbzugGesamt + r.Haertausgleich;
    if (CentPositiv(z)) {
        B(vKindFb, r.KindFbAbzugGesamt, Nur::Positiv);
        B(vHaushaltsFb, r.HaushaltsFb, Nur::Positiv);
        B(vHaerteausgleich, r.Haertausgleich, Nur::Positiv);
        B(vAbSumme, -(z > r.Einkommen ? NichtNegativ(r.Einkommen) : z));
        s_.Leerzeilen(1);
    }
    B(vZvE, r.ZvE);
}

void Notiz::Einkommensteuer() {
    const CalcResult& r = r_;
    s_.Leerzeilen(1);
    T(0, "BERECHNUNG DER EINKOMMENSTEUER");
    s_.Leerzeilen(1);
    if (r.FlagProgVorbehalt) T(0, "zu versteuern mit Progressionsvorbehalt gemäß § 32b EStG");
    if (e_.FlagZusammen || e_.FlagWitwenSplitting)
        s_.Betragszeile(
            0, "zu versteuern nach der Splittingtabelle" + FormatMaske(BetragMaske, r.ZvETarif), 9,
            r.EStTarif, 3);
    else
        s_.Betragszeile(
            0, "zu versteuern nach der Grundtabelle" + FormatMaske(BetragMaske, r.ZvETarif), 13,
            r.EStTarif, 3);
    if (CentNichtNull(r.EStAoEinkuenfte + r.EStVeraeussGewinn)) {
        if (CentNichtNull(r.EStAoEinkuenfte)) {
            B(vAoEinkuenfte, r.EStAoEinkuenfte, Nur::Positiv);
            if (CentPositiv(r.AoLohn)) B(vAoLohn, r.AoLohn);
            if (CentPositiv(r.AoAbgeordnete)) B(vAoAbgeordnete, r.AoAbgeordnete);
            if (CentPositiv(r.AoRente)) B(vAoRente, r.AoRente);
            if (CentPositiv(r.AoEntschaedigung)) B(vAoEntschaedigung, r.AoEntschaedigung);
            if (CentPositiv(r.AoVeraeuss)) B(vAoVeraeuss, r.AoVeraeuss);
        }
        if (CentNichtNull(r.EStVeraeussGewinn)) {
            B(vVeraeussGewinnSteuer, r.EStVeraeussGewinn, Nur::Positiv);
            if (CentPositiv(r.VeraeussGewinn)) B(vVeraeussGewinn, r.VeraeussGewinn);
        }
        s_.Leerzeilen(1);
        B(vTariflich, r.EStTariflich);
    }
    s_.Leerzeilen(1);
    if (CentPositiv(r.AuslSteuerAnrechnung)) {
        B(vAuslAnrechnung, -r.AuslSteuerAnrechnung);
        s_.Textzeile(2, Ansi("(Höchstbetrag") + FormatMaske(BetragMaske, r.AuslHoechstbetrag) +
                            Ansi(" DM für ausländische Einkünfte von") +
                            FormatMaske(BetragMaske, r.AuslEinkuenfte) + " DM)");
    }
    if (CentPositiv(r.GewStAnrechnung)) B(vGewStAnrechnung, -r.GewStAnrechnung);
    if (CentPositiv(r.ErmParteiSpenden)) B(vParteiSpenden, -r.ErmParteiSpenden);
    if (CentPositiv(r.Baukindergeld)) B(vBaukindergeld, -r.Baukindergeld);
    if (CentPositiv(r.ErmLuF)) B(vErmLuF, -r.ErmLuF);
    if (r.KindergeldHinzu > 0.01) B(vKindergeldHinzu, r.KindergeldHinzu);
    s_.Leerzeilen(1);
    B(vEStFest, r.EStFestzusetzen);
    s_.Textzeile(61, "==========");
}

// Church-tax block of the taxpayer (1), the spouse (2) or both together (3).
void Notiz::Personenblock(int art) {
    const CalcResult& r = r_;
    const int p = art == 2 ? 1 : 0;
    const bool zusammen = e_.FlagZusammen != 0;
    const bool teiljahr = art != 3 && !(zusammen && r.KiStMonateAnzEr + r.KiStMonateAnzSie == 24) &&
                          !(!zusammen && r.KiStMonateAnzEr == 12);
    s_.Leerzeilen(1);
    T(0, art == 1 ? "Steuerpflichtiger" : art == 2 ? "Ehegatte" : "Stpfl./Ehegatte");
    const std::string& religion = p == 0 ? a_.religionEr : a_.religionSie;
    const std::string land = Getrimmt(a_.bundesland);
    s_.Textzeile(
        1, "KiSt-Satz" + Leerzeichen(20) + FormatMaske("# %", r.KiStSatz(p)) + " (" + land + ")");
    s_.Textzeile(1, "Religion" + Leerzeichen(21) + religion);
    if (teiljahr) {
        std::string anteile;
        if (CentPositiv(r.KiStAnteil(p)))
            anteile = Getrimmt(FormatMaske("###,## %", r.KiStAnteil(p))) + " = ";
        if (CentPositiv(r.KiStBasisAnteil(p)))
            anteile += Getrimmt(FormatMaske(BetragMaske, r.KiStBasisAnteil(p)));
        if (!anteile.empty())
            s_.Textzeile(1, "Anteile an Bem.-grundlage" + Leerzeichen(4) + anteile);
        if (CentPositiv(r.KiStJahr(p)))
            s_.Textzeile(1, Ansi("Jährliche Kirchensteuer") + Leerzeichen(6) +
                                Getrimmt(FormatMaske(BetragMaske, r.KiStJahr(p))));
    }
    s_.Textzeile(1, "KiSt-pfl. Monate" + Leerzeichen(13) +
                        Getrimmt(FormatMaske("## Monate", r.KiStMonateAnz(p))));
    const double fest = art == 3 ? r.KiStFestEr + r.KiStFestSie : r.KiStFest(p);
    s_.Textzeile(1, "Festzusetzen" + Leerzeichen(17) + Getrimmt(FormatMaske(BetragMaske, fest)));
    if (e_.KiStAustritt(p)) {
        // The sentence does not fit one line of 80 characters: the state ends the first.
        s_.Textzeile(1, "Die Kirchensteuerpflicht endet in " + land);
        T(1, "mit Ende des auf den Austritt folgenden Monats.");
    }
}

void Notiz::SoliUndKirchensteuer() {
    const CalcResult& r = r_;
    s_.Leerzeilen(3);
    T(0, "Berechnung des Solidaritätszuschlages");
    T(0, "-------------------------------------");
    T(0, "Bemessungsgrundlage ist die festzusetzende");
    B(vSoliBasis, r.SoliBasisESt);
    B(vSoliFest, r.SoliFestzusetzen);
    s_.Textzeile(61, "==========");
    s_.Leerzeilen(3);
    T(0, "Berechnung der Kirchensteuer");
    T(0, "----------------------------");
    T(0, "Bemessungsgrundlage ist die festzusetzende Einkommensteuer");
    s_.Betragszeile(
        0, "bei einem zu versteuernden Einkommen von " + FormatMaske(BetragMaske, r.EndZvE), 7,
        r.KiStBasis, 3);
    if (CentPositiv(r.KindFbZuschlag + r.EndZvEHinzu + r.GewStAnzeige + r.EStAoEinkuenfte) ||
        r.FlagProgVorbehalt)
        T(0, "Dabei wurde(n) berücksichtigt:");
    if (CentPositiv(r.KindFbZuschlag)) B(vKindFbZuschlag, r.KindFbZuschlag);
    if (CentPositiv(r.EndZvEHinzu)) B(vHalbeinkuenfte, r.EndZvEHinzu);
    if (CentPositiv(r.GewStAnzeige)) B(vGewStAnzeige, r.GewStAnzeige);
    if (r.FlagProgVorbehalt) T(0, " Progressionsvorbehalt nach § 32b EStG");
    if (CentPositiv(r.EStAoEinkuenfte)) T(0, " Außerordentliche Einkünft § 34 EStG");

    if (e_.FlagEinzel) {
        Personenblock(1);
    } else if (e_.FlagZusammen &&
               (r.KiStMonateAnzEr != r.KiStMonateAnzSie || e_.KonfEr != e_.KonfSie)) {
        Personenblock(1);
        Personenblock(2);
    } else {
        Personenblock(3);
    }
    s_.Leerzeilen(1);
    B(vKiStFest, r.KiStFestGesamt);
    s_.Textzeile(61, "==========");
    if (CentPositiv(r.Kirchgeld)) {
        s_.Leerzeilen(1);
        T(0, "Sie wohnen in einem Bundesland, in dem die Kirche");
        T(0, "befugt ist, bei glaubensverschiedenen Ehen ein");
        B(vKirchgeld, r.Kirchgeld);
        T(0, "Die Neuberechnung der festzusetzenden Kirchen-");
        B(vKirchgeldVergleich, r.KirchgeldVergleich);
    }
    if (CentPositiv(r.KiStKappung)) {
        s_.Leerzeilen(1);
        T(0, "Wird Ihre Kirchensteuer auf Antrag gekappt,");
        B(vKappung, r.KiStKappung);
        if (CentPositiv(r.Kirchgeld)) B(vKappungKirchgeld, r.KiStKappung + r.Kirchgeld);
    }
}

// The text of entry i of a choice field, Windows-1252; "" for none.
std::string Auswahltext(Feld f, int32_t i) {
    std::string_view alle = Def(f).auswahl;
    for (int32_t k = 0; k < i && !alle.empty(); ++k) {
        const auto bar = alle.find('|');
        alle = bar == std::string_view::npos ? std::string_view() : alle.substr(bar + 1);
    }
    if (i < 0 || alle.empty()) return {};
    return Utf8ZuCp1252(alle.substr(0, alle.find('|')));
}

std::string Religionstext(const CaseRecord& fall, Feld f) {
    const int32_t code = fall.Int(f);
    if (code == 7) return "KiSt. erhebend";
    if (code == 8) return "keine KiSt. erhebend";
    return Auswahltext(f, code);
}

}  // namespace

const std::string& Ansi(const char* utf8) {
    static std::unordered_map<const char*, std::string> texte;
    auto it = texte.find(utf8);
    if (it == texte.end()) it = texte.emplace(utf8, Utf8ZuCp1252(utf8)).first;
    return it->second;
}

std::span<const Betragsvorgabe> BescheidBetragsvorgaben() {
    return Vorgaben;
}

std::string Punktleiste(int n) {
    if (n <= 0) return {};
    std::string s = n % 2 ? " " : "";
    for (int i = 0; i < n / 2; ++i) s += " .";
    return s;
}

BescheidSchreiber::BescheidSchreiber(Ergebnistext& text) : text_(text) {
    text_.Leeren();
}

void BescheidSchreiber::Zeile(std::string_view t) {
    if (blockOffen_) ++blockZeilen_;
    text_.zeilen.push_back(Gekuerzt(t));
    nummer_ = std::min(nummer_ + 1, KeepTogether::LetzteNummer);
}

void BescheidSchreiber::Leerzeilen(int n) {
    for (int i = 0; i < n; ++i) Zeile({});
}

void BescheidSchreiber::Textzeile(int einzug, std::string_view t) {
    Zeile(Leerzeichen(einzug) + Gekuerzt(t));
}

void BescheidSchreiber::Betragszeile(int einzug, std::string_view label, int leiste, double x,
                                     int luecke) {
    Zeile(Leerzeichen(einzug) + Gekuerzt(label) + Punktleiste(leiste) + Leerzeichen(luecke) +
          FormatMaske(BetragMaske, x));
    Form(label, {FormatMaske(BetragMaske, x)});
}

void BescheidSchreiber::Form(std::string_view label, std::vector<std::string> betraege) {
    text_.formen.resize(text_.zeilen.size());
    text_.formen.back() = {true, std::string(label), std::move(betraege)};
}

void BescheidSchreiber::BetragszeilePositiv(int einzug, std::string_view label, int leiste,
                                            double x, int luecke) {
    if (CentPositiv(x)) Betragszeile(einzug, label, leiste, x, luecke);
}

void BescheidSchreiber::BetragszeileNichtNull(int einzug, std::string_view label, int leiste,
                                              double x, int luecke) {
    if (CentNichtNull(x)) Betragszeile(einzug, label, leiste, x, luecke);
}

void BescheidSchreiber::Paarzeile(int einzug, std::string_view label, int leiste, double er,
                                  double sie, int luecke, bool nullZeigen) {
    auto feld = [&](double x) {
        return !nullZeigen && !CentNichtNull(x) ? Leerzeichen(10) : FormatMaske(BetragMaske, x);
    };
    Zeile(Leerzeichen(einzug) + Gekuerzt(label) + Punktleiste(leiste) + Leerzeichen(luecke) +
          feld(er) + "   " + feld(sie));
    Form(label, {feld(er), feld(sie)});
}

void BescheidSchreiber::BlockBeginn() {
    blockStart_ = nummer_;
    blockZeilen_ = 0;
    blockOffen_ = true;
}

void BescheidSchreiber::BlockEnde() {
    text_.bloecke.eintrag[blockStart_] = static_cast<uint8_t>(std::min(blockZeilen_, 255));
    blockStart_ = blockZeilen_ = 0;
    blockOffen_ = false;
}

void BescheidTexteSetzen(const CaseRecord& fall, BescheidAngaben& a) {
    if (a.kurz) {
        a.religionEr = fall.Text(Feld::MonateRelEr_Text);
        a.religionSie = fall.Text(Feld::MonateRelSie_Text);
        a.bundesland = fall.Text(Feld::BundeslandLB_Text);
        return;
    }
    a.religionEr = Religionstext(fall, Feld::StpflReligionLB);
    a.religionSie = Religionstext(fall, Feld::EhegReligionLB);
    a.bundesland = Auswahltext(Feld::BundeslandLb, fall.Int(Feld::BundeslandLb));
}

void BescheidErstellen(const CaseRecord& fall, const CalcInput& e, const CalcResult& r,
                       const BescheidAngaben& a, Ergebnistext& text) {
    BescheidSchreiber s(text);
    Notiz n(s, e, r, fall, a);
    n.Kopf();
    n.Abrechnung();
    if (e.FlagZusammen) n.EinkuenfteZusammen();
    if (e.FlagEinzel) n.EinkuenfteEinzel();
    n.Sonderausgaben();
    n.Belastungen();
    n.Einkommen();
    n.Einkommensteuer();
    n.SoliUndKirchensteuer();
    BescheidAnlagen(s, e, r);
}

}  // namespace quarnel
