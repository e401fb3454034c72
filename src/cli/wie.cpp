// quarnel-cli wie: how a figure was computed. Fills the declaration values of
// a case file, computes with the explanation on and prints the tree of one
// result (or of all explained results) as indented text or as JSON.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "befehle.h"
#include "calc/berechnung.h"
#include "calc/deklaration.h"
#include "calc/erklaerung.h"
#include "case/caserecord.h"
#include "case/json.h"
#include "results/knotentitel.h"

namespace quarnel::cli {
namespace {

constexpr const char* kAufruf = "wie DATEI [ERGEBNIS] [--kurz] [--json]";

int Wie(const std::vector<std::string>& args) {
    std::string pfad, ergebnis;
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
        else if (ergebnis.empty())
            ergebnis = a;
        else
            return Fehler(std::string("Aufruf: ") + kAufruf);
    }
    if (pfad.empty()) return Fehler(std::string("Aufruf: ") + kAufruf);
    auto satz = std::make_unique<CaseRecord>();
    if (const int code = FallLesen(pfad, *satz); code != 0) return code;
    auto e = std::make_unique<CalcInput>();
    auto r = std::make_unique<CalcResult>();
    DeklarationFuellen(*satz, *e, *r, kurz);
    Erklaerung spur;
    {
        ErklaerungAufzeichnen an(spur);
        Berechne(*e, *r);
    }
    std::vector<std::string> namen;
    if (!ergebnis.empty()) {
        if (!RegelFuer(ergebnis) && spur.Letzter(ergebnis) < 0) {
            std::string bekannt;
            for (const auto& regel : AlleRegeln())
                bekannt += (bekannt.empty() ? "" : ", ") + std::string(regel.ergebnis);
            return Fehler("kein erklärtes Ergebnis: " + ergebnis + " (bekannt: " + bekannt + ")");
        }
        namen.push_back(ergebnis);
    } else {
        namen = ErklaerteErgebnisse(spur);
    }
    std::string out = json && ergebnis.empty() ? "{\n" : "";
    bool erstes = true;
    for (const std::string& name : namen) {
        Erklaerknoten baum;
        if (!ErklaerBaum(spur, name, baum)) {
            if (!ergebnis.empty()) return Fehler("in diesem Fall nicht berechnet: " + name);
            continue;
        }
        if (json && ergebnis.empty())
            out += std::string(erstes ? "" : ",\n") + JsonZeichenkette(name) + ": " +
                   ErklaerJson(baum, &KnotenTitel);
        else if (json)
            out += ErklaerJson(baum, &KnotenTitel);
        else
            out += std::string(erstes ? "" : "\n") + ErklaerText(baum, &KnotenTitel);
        erstes = false;
    }
    if (json && ergebnis.empty()) out += "}\n";
    std::fputs(out.c_str(), stdout);
    return 0;
}

const BefehlEintrag kWie("wie", kAufruf,
                         "zeigt, wie ein Ergebnis berechnet wurde: Werte, Regeln, Rundungen, "
                         "Paragraphen",
                         &Wie);

}  // namespace
}  // namespace quarnel::cli
