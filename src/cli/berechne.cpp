// quarnel-cli berechne: fills the declaration values of a case file, computes
// the assessment and prints the main results (or, with --json, every field of
// both computation records by name; with --was-waere-wenn, the what-if rows
// "Gemäß Eingabe" and "Nach Änderung", without touching the file).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "befehle.h"
#include "calc/berechnung.h"
#include "calc/deklaration.h"
#include "calc/feldnamen.h"
#include "case/caserecord.h"
#include "case/falldatei.h"
#include "case/feldwerte.h"
#include "case/json.h"
#include "case/zeichensatz.h"
#include "results/veranlagung.h"
#include "results/waswaere.h"

namespace quarnel::cli {
namespace {

constexpr const char* kAufruf =
    "berechne DATEI [--kurz] [--json] [--was-waere-wenn NAME=ÄNDERUNG ...]";

// An amount with decimal comma and thousands points: "-12.345,67".
std::string DM(double x) {
    if (!std::isfinite(x)) return "-";
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.2f", std::fabs(x));
    std::string s = puffer;
    const auto punkt = s.find('.');
    std::string ganz = s.substr(0, punkt), ergebnis;
    for (std::size_t i = 0; i < ganz.size(); ++i) {
        if (i > 0 && (ganz.size() - i) % 3 == 0) ergebnis += '.';
        ergebnis += ganz[i];
    }
    ergebnis += ',' + s.substr(punkt + 1);
    if (x < 0 && ergebnis != "0,00") ergebnis = "-" + ergebnis;
    return ergebnis;
}

template <class Satz>
void JsonBlock(const Satz& satz, std::span<const RechenFeld> felder) {
    bool erstes = true;
    std::printf("{");
    for (const RechenFeld& f : felder) {
        std::printf("%s\n    %s: ", erstes ? "" : ",", JsonZeichenkette(f.name).c_str());
        erstes = false;
        if (f.art == WertArt::Text) {
            std::printf("%s", JsonZeichenkette(Cp1252ZuUtf8(WertText(satz, f))).c_str());
            continue;
        }
        const auto wert = Zahlenwert(satz, f);
        if (wert && std::isfinite(*wert))
            std::printf("%s", WertText(satz, f).c_str());
        else
            std::printf("null");
    }
    std::printf("\n  }");
}

// One result line, the label padded to 30 characters (UTF-8 counted by character).
void Zeile(const std::string& text, double wert) {
    int breite = 0;
    for (unsigned char c : text) breite += (c & 0xC0) != 0x80;
    std::printf("%s%s %16s DM\n", text.c_str(),
                std::string(breite < 30 ? 30 - breite : 0, ' ').c_str(), DM(wert).c_str());
}

// A percentage with decimal comma: "25,27 %".
std::string Prozent(double x) {
    return DM(x) + " %";
}

// "NAME=ÄNDERUNG": the change is added to the what-if fields; the error text,
// or nothing.
std::optional<std::string> AenderungLesen(const std::string& a, WasWaereWerte& w) {
    const auto gleich = a.find('=');
    const auto feld = WasWaereFeldSuchen(std::string_view(a).substr(0, gleich));
    if (!feld)
        return "unbekanntes Feld der Was-Wäre-Wenn-Analyse: " + a.substr(0, gleich) +
               " (bekannt: " + WasWaereFeldnamen() + ")";
    const auto betrag = BetragAusText(std::string_view(a).substr(gleich + 1));
    if (!betrag) return "ungültige Änderung: \"" + a + "\" (erwartet ist ein Betrag wie -1.000,50)";
    w(feld->zeile, feld->person) += *betrag;
    if (!WasWaereAenderungGueltig(w))
        return "Änderung außerhalb von ±" + DM(WasWaereHoechsteAenderung) + " DM: \"" + a + "\"";
    return std::nullopt;
}

// One result row of the what-if analysis, the label padded to 14 characters.
void ErgebnisZeile(const std::string& text, const WasWaereErgebnis& e) {
    int breite = 0;
    for (unsigned char c : text) breite += (c & 0xC0) != 0x80;
    std::printf("%s%s %16s DM %16s DM %10s %13s\n", text.c_str(),
                std::string(breite < 14 ? 14 - breite : 0, ' ').c_str(),
                DM(e.zuVersteuern).c_str(), DM(e.festzusetzen).c_str(),
                Prozent(e.steuersatz).c_str(), Prozent(e.grenzsteuersatz).c_str());
}

int WasWaereZeigen(const CaseRecord& satz, const WasWaereWerte& aenderung,
                   const std::vector<std::string>& namen, bool kurz) {
    const WasWaereAnalyse a = WasWaereRechnen(satz, aenderung, kurz);
    if (!a.zusammen)
        for (const std::string& n : namen)
            if (WasWaereFeldSuchen(n)->person == 1)
                return Fehler(n + " gilt nur bei Zusammenveranlagung (Grundtabelle)");
    const bool teile = a.teileVorher.size() == 2;
    std::printf("Was-Wäre-Wenn-Analyse (%s)\n",
                teile ? VeranlagungsartText(a.art)
                      : a.zusammen ? "Splittingtabelle" : "Grundtabelle");
    std::printf("%14s %19s %19s %10s %13s\n", "", "Zu versteuern", "Festzus. EkSt.",
                "Steuersatz", "Grenzst.-satz");
    if (teile) std::printf("Beide Ehegatten:\n");
    ErgebnisZeile("Gemäß Eingabe", a.gemaessEingabe);
    ErgebnisZeile("Nach Änderung", a.nachAenderung);
    for (std::size_t p = 0; teile && p < 2; ++p) {
        std::printf("%s:\n", p == 0 ? "Steuerpflichtiger" : "Ehegatte");
        ErgebnisZeile("Gemäß Eingabe", a.teileVorher[p]);
        ErgebnisZeile("Nach Änderung", a.teileNachher[p]);
    }
    return 0;
}

int Berechnen(const std::vector<std::string>& args) {
    std::string pfad;
    bool kurz = false, json = false, wasWaere = false;
    WasWaereWerte aenderung;
    std::vector<std::string> namen;
    for (const std::string& a : args) {
        if (a == "--kurz")
            kurz = true;
        else if (a == "--json")
            json = true;
        else if (a == "--was-waere-wenn")
            wasWaere = true;
        else if (wasWaere && a.find('=') != std::string::npos && !a.starts_with("-")) {
            if (auto fehler = AenderungLesen(a, aenderung)) return Fehler(*fehler);
            namen.push_back(a.substr(0, a.find('=')));
        } else if (!a.empty() && a[0] == '-')
            return Fehler("unbekannte Option: " + a);
        else if (pfad.empty())
            pfad = a;
        else
            return Fehler("berechne erwartet genau eine Datei");
    }
    if (pfad.empty()) return Fehler(std::string("Aufruf: ") + kAufruf);
    if (json && wasWaere) return Fehler("--json und --was-waere-wenn schließen sich aus");
    auto satz = std::make_unique<CaseRecord>();
    if (const int code = FallLesen(pfad, *satz); code != 0) return code;
    auto e = std::make_unique<CalcInput>();
    auto r = std::make_unique<CalcResult>();
    if (wasWaere) return WasWaereZeigen(*satz, aenderung, namen, kurz);
    DeklarationFuellen(*satz, *e, *r, kurz);
    Berechne(*e, *r);

    if (json) {
        std::printf("{\n  \"CalcResult\": ");
        JsonBlock(*r, ErgebnisFelder());
        std::printf(",\n  \"CalcInput\": ");
        JsonBlock(*e, EingabeFelder());
        std::printf("\n}\n");
        return 0;
    }
    Zeile("Summe der Einkünfte", r->SummeEk);
    Zeile("Gesamtbetrag der Einkünfte", r->GesamtbetragEk);
    Zeile("Einkommen", r->Einkommen);
    Zeile("zu versteuerndes Einkommen", r->ZvE);
    Zeile("Einkommensteuer", r->EStFestzusetzen);
    Zeile("Solidaritätszuschlag", r->SoliFestzusetzen);
    Zeile("Kirchensteuer", r->KiStFestzusetzen);
    Zeile("Saldo Einkommensteuer", r->EStSaldo);
    Zeile("Saldo Solidaritätszuschlag", r->SoliSaldo);
    Zeile("Saldo Kirchensteuer", r->KiStSaldo);
    Zeile("Gesamtsaldo", r->GesamtSaldo);
    // a couple assessed separately or specially: each spouse's own figures
    const VeranlagungsRechnung v = VeranlagungRechnen(*satz, kurz);
    if (v.teile.size() < 2) return 0;
    std::printf("\nGewählt: %s (%s); die Werte oben sind die der Zusammenveranlagung.\n",
                VeranlagungsartText(v.art), VeranlagungsartParagraph(v.art));
    for (std::size_t p = 0; p < v.teile.size(); ++p) {
        const CalcResult& t = *v.teile[p].r;
        std::printf("%s:\n", p == 0 ? "Steuerpflichtiger" : "Ehegatte");
        Zeile("zu versteuerndes Einkommen", t.ZvE);
        Zeile("Einkommensteuer", t.EStFestzusetzen);
        Zeile("Solidaritätszuschlag", t.SoliFestzusetzen);
        Zeile("Kirchensteuer", t.KiStFestzusetzen);
        Zeile("Gesamtsaldo", t.GesamtSaldo);
    }
    std::printf("Beide Ehegatten:\n");
    Zeile("Steuerbelastung", v.last.gesamt);
    Zeile("Gesamtsaldo", v.last.saldo);
    return 0;
}

const BefehlEintrag kBerechne("berechne", kAufruf,
                              "füllt die Erklärungswerte, berechnet und zeigt die Ergebnisse; "
                              "--kurz: aus den Angaben der Kurzberechnung",
                              &Berechnen);

}  // namespace
}  // namespace quarnel::cli
