// quarnel-cli wie: how a figure was computed. Fills the declaration values of
// a case file, computes it by its chosen assessment with the explanation on
// and prints the tree of one result (or of all explained results) as indented
// text or as JSON; under separate or special assessment of each spouse's part.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "befehle.h"
#include "calc/erklaerung.h"
#include "case/caserecord.h"
#include "case/json.h"
#include "results/knotentitel.h"
#include "results/veranlagungsteile.h"

namespace quarnel::cli {
namespace {

constexpr const char* kAufruf = "wie DATEI [ERGEBNIS] [--teil 1|2] [--kurz] [--json]";

// The trees of one recording: of `ergebnis`, or of every explained result
// when it is empty; false with the message in `out` when the result is unknown.
bool Baeume(const Erklaerung& spur, const std::string& ergebnis, bool json, std::string& out) {
    std::vector<std::string> namen;
    if (!ergebnis.empty()) {
        if (!RegelFuer(ergebnis) && spur.Letzter(ergebnis) < 0) {
            std::string bekannt;
            for (const auto& regel : AlleRegeln())
                bekannt += (bekannt.empty() ? "" : ", ") + std::string(regel.ergebnis);
            out = "kein erklärtes Ergebnis: " + ergebnis + " (bekannt: " + bekannt + ")";
            return false;
        }
        namen.push_back(ergebnis);
    } else {
        namen = ErklaerteErgebnisse(spur);
    }
    out = json && ergebnis.empty() ? "{\n" : "";
    bool erstes = true;
    for (const std::string& name : namen) {
        Erklaerknoten baum;
        if (!ErklaerBaum(spur, name, baum)) {
            if (!ergebnis.empty()) {
                out = "in diesem Fall nicht berechnet: " + name;
                return false;
            }
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
    return true;
}

int Wie(const std::vector<std::string>& args) {
    std::string pfad, ergebnis;
    bool kurz = false, json = false;
    int teil = 0;  // 1 the taxpayer's, 2 the spouse's part; 0 every part
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--kurz")
            kurz = true;
        else if (a == "--json")
            json = true;
        else if (a == "--teil" && i + 1 < args.size() && (args[i + 1] == "1" || args[i + 1] == "2"))
            teil = args[++i][0] - '0';
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
    // the case as its chosen assessment computes it: one part, or one per spouse
    const std::vector<Erklaerteil> teile = VeranlagungErklaeren(*satz, kurz);
    if (teil > int(teile.size()))
        return Fehler("--teil 2 gilt nur bei getrennter oder besonderer Veranlagung");
    std::string out;
    if (teile.size() == 1 || teil > 0) {
        if (!Baeume(*teile[std::size_t(std::max(teil, 1) - 1)].spur, ergebnis, json, out))
            return Fehler(out);
        std::fputs(out.c_str(), stdout);
        return 0;
    }
    // both spouses' parts, each under its name
    std::string alles = json ? "{\n" : "";
    for (std::size_t p = 0; p < teile.size(); ++p) {
        if (!Baeume(*teile[p].spur, ergebnis, json, out)) return Fehler(out);
        if (json)
            alles += std::string(p ? ",\n" : "") + JsonZeichenkette(teile[p].name) + ": " + out;
        else
            alles += std::string(p ? "\n" : "") + "== " + teile[p].name + " ==\n" + out;
    }
    if (json) alles += "}\n";
    std::fputs(alles.c_str(), stdout);
    return 0;
}

const BefehlEintrag kWie("wie", kAufruf,
                         "zeigt, wie ein Ergebnis berechnet wurde: Werte, Regeln, Rundungen, "
                         "Paragraphen",
                         &Wie);

}  // namespace
}  // namespace quarnel::cli
