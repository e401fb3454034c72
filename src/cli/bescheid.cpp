// quarnel-cli bescheid: computes a case file and prints its assessment notice
// (UTF-8), or writes it as the result window saves it (Windows-1252 or, with
// --dos, the DOS code page; CR LF).
#include "results/bescheid.h"
#include "results/bescheid_veranlagung.h"

#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "befehle.h"
#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/deklaration.h"
#include "case/falldatei.h"
#include "case/feldwerte.h"
#include "case/zeichensatz.h"
#include "results/textdatei.h"

namespace quarnel::cli {
namespace {

std::string Heute() {
    const std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    localtime_r(&jetzt, &t);
    char puffer[48];
    std::snprintf(puffer, sizeof puffer, "%02d.%02d.%04d", t.tm_mday, t.tm_mon + 1,
                  t.tm_year + 1900);
    return puffer;
}

// TT.MM.JJJJ with a day that exists, checked as the date fields of the pages check it.
bool DatumGueltig(const std::string& s) {
    if (s.size() != 10 || s[2] != '.' || s[5] != '.') return false;
    const auto tag = DatumAusText(s);
    return tag && *tag != KeinDatum;
}

int BescheidAusgeben(const std::vector<std::string>& args) {
    const char* aufruf =
        "Aufruf: bescheid DATEI [--kurz] [--datum TT.MM.JJJJ] [--ausgabe DATEI.TXT [--dos]]";
    std::string pfad, ausgabe;
    BescheidAngaben angaben;
    angaben.datum = Heute();
    bool dos = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--kurz") {
            angaben.kurz = true;
        } else if (a == "--dos") {
            dos = true;
        } else if (a == "--datum" || a == "--ausgabe") {
            if (i + 1 >= args.size()) return Fehler(a + " erwartet einen Wert");
            const std::string& wert = args[++i];
            if (a == "--datum" && !DatumGueltig(wert))
                return Fehler("ungültiges Datum (TT.MM.JJJJ): " + wert);
            (a == "--datum" ? angaben.datum : ausgabe) = wert;
        } else if (!a.empty() && a[0] == '-') {
            return Fehler("unbekannte Option: " + a);
        } else if (pfad.empty()) {
            pfad = a;
        } else {
            return Fehler("bescheid erwartet genau eine Datei");
        }
    }
    if (pfad.empty()) return Fehler(aufruf);
    if (dos && ausgabe.empty()) return Fehler("--dos gilt nur mit --ausgabe");

    auto satz = std::make_unique<CaseRecord>();
    if (const int code = FallLesen(pfad, *satz); code != 0) return code;
    auto e = std::make_unique<CalcInput>();
    auto r = std::make_unique<CalcResult>();
    DeklarationFuellen(*satz, *e, *r, angaben.kurz);
    Berechne(*e, *r);
    BescheidTexteSetzen(*satz, angaben);
    Ergebnistext text;
    BescheidNachVeranlagung(*satz, *e, *r, angaben, text);

    if (!ausgabe.empty()) {
        if (DieselbeDatei(ausgabe, pfad))
            return Fehler("Der Bescheid würde den Fall überschreiben: " + ausgabe);
        return AusgabeSichern(ausgabe, ErgebnisAlsText(text.zeilen,
                                                       dos ? Textkodierung::Dos : Textkodierung::Ansi));
    }
    for (const std::string& z : text.zeilen) std::printf("%s\n", Cp1252ZuUtf8(z).c_str());
    return 0;
}

const BefehlEintrag kBescheid(
    "bescheid", "bescheid DATEI [--kurz] [--datum TT.MM.JJJJ] [--ausgabe DATEI.TXT [--dos]]",
    "berechnet den Fall und gibt den Bescheid aus (Terminal oder Textdatei); "
    "--kurz: aus den Angaben der Kurzberechnung",
    &BescheidAusgeben);

}  // namespace
}  // namespace quarnel::cli
