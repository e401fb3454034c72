// quarnel-cli berechne: fills the declaration values of a case file, computes
// the assessment and prints the main results (or, with --json, every field of
// both computation records by name).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "befehle.h"
#include "calc/berechnung.h"
#include "calc/deklaration.h"
#include "calc/feldnamen.h"
#include "case/caserecord.h"
#include "case/falldatei.h"
#include "case/json.h"
#include "case/zeichensatz.h"

namespace quarnel::cli {
namespace {

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

int Berechnen(const std::vector<std::string>& args) {
    std::string pfad;
    bool kurz = false, json = false;
    for (const std::string& a : args) {
        if (a == "--kurz")
            kurz = true;
        else if (a == "--json")
            json = true;
        else if (!a.empty() && a[0] == '-')
            return Fehler("unbekannte Option: " + a);
        else if (pfad.empty())
            pfad = a;
        else
            return Fehler("berechne erwartet genau eine Datei");
    }
    if (pfad.empty()) return Fehler("Aufruf: berechne DATEI [--kurz] [--json]");
    auto satz = std::make_unique<CaseRecord>();
    if (const int code = FallLesen(pfad, *satz); code != 0) return code;
    auto e = std::make_unique<CalcInput>();
    auto r = std::make_unique<CalcResult>();
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
    return 0;
}

const BefehlEintrag kBerechne("berechne", "berechne DATEI [--kurz] [--json]",
                              "füllt die Erklärungswerte, berechnet und zeigt die Ergebnisse",
                              &Berechnen);

}  // namespace

int FallLesen(const std::string& pfad, CaseRecord& satz) {
    if (VolleEndung(pfad) != "S01")
        return Fehler("Fehler: Nur Dateien mit der Endung (.S01) können gelesen werden: " + pfad);
    const Dateipruefung p = DateiPruefen(pfad);
    if (p == Dateipruefung::NichtLesbar) return Fehler("Datei nicht lesbar: " + pfad);
    if (p == Dateipruefung::Ungueltig)
        return Fehler("Die ausgewählte Datei ist keine gültige Datendatei! (" + pfad + ")");
    const auto daten = DateiLesen(pfad, FallDateiGroesse);
    if (!daten || daten->size() != FallDateiGroesse)
        return Fehler("Schwerer Lesefehler - Datendatei eventuell unbrauchbar (" + pfad + ")");
    std::copy_n(daten->begin(), CaseRecord::Groesse, satz.Bytes().begin());
    return 0;
}

}  // namespace quarnel::cli
