// quarnel-cli pruefen: the plausibility check of a case file. Prints the
// findings (number, level, page, text) or writes the HTML report.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "befehle.h"
#include "calc/betrag.h"
#include "case/bereiche.h"
#include "case/falldatei.h"
#include "case/zeichensatz.h"
#include "results/pruefbericht.h"
#include "shell/verzeichnisse.h"

namespace quarnel::cli {

std::function<void(const CaseRecord&, Befundtabelle&)>& FormulartextPruefung() {
    static std::function<void(const CaseRecord&, Befundtabelle&)> pruefung;
    return pruefung;
}

namespace {

const char* StufenName(int stufe) {
    constexpr const char* namen[] = {"?", "Tip", "Hinweis", "Warnung", "Fehler"};
    return stufe >= 1 && stufe <= 4 ? namen[stufe] : namen[0];
}

// "BEREICH.SEITE" with an area 1..17 and a page 0..15.
bool SeiteLesen(const std::string& text, int& bereich, int& seite) {
    const auto punkt = text.find('.');
    if (punkt == std::string::npos || punkt == 0 || punkt + 1 >= text.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i != punkt && (text[i] < '0' || text[i] > '9')) return false;
    if (punkt > 2 || text.size() - punkt - 1 > 2) return false;
    bereich = std::stoi(text.substr(0, punkt));
    seite = std::stoi(text.substr(punkt + 1));
    return bereich >= 1 && bereich <= AnzahlBereiche && seite >= 0 && seite <= 15;
}

int Pruefen(const std::vector<std::string>& args) {
    std::string pfad, html;
    Pruefauftrag auftrag;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--seite" || a == "--html") {
            if (i + 1 >= args.size()) return Fehler(a + " erwartet einen Wert");
            const std::string& wert = args[++i];
            if (a == "--html") {
                html = wert;
            } else if (!SeiteLesen(wert, auftrag.bereich, auftrag.seite)) {
                return Fehler("--seite erwartet BEREICH.SEITE (z. B. 1.1): " + wert);
            } else {
                auftrag.nurAktuell = true;
            }
        } else if (!a.empty() && a[0] == '-') {
            return Fehler("unbekannte Option: " + a);
        } else if (pfad.empty()) {
            pfad = a;
        } else {
            return Fehler("pruefen erwartet genau eine Datei");
        }
    }
    if (pfad.empty()) return Fehler("Aufruf: pruefen DATEI [--seite BEREICH.SEITE] [--html DATEI.htm]");
    auto satz = std::make_unique<CaseRecord>();
    if (const int code = FallLesen(pfad, *satz); code != 0) return code;

    const Verzeichnisse v = VerzeichnisseBestimmen(VerzeichnisQuellenDesProzesses(), false);
    const Pruefkatalog katalog = PruefkatalogLaden(v.formular + PruefkatalogName);
    const Pruefbericht bericht = PruefungAusfuehren(*satz, katalog, auftrag, FormulartextPruefung());

    if (!html.empty()) {
        if (DieselbeDatei(html, pfad))
            return Fehler("Der Bericht würde den Fall überschreiben: " + html);
        if (const int code = AusgabeSichern(html, PruefberichtText(bericht)); code != 0)
            return code;
    } else {
        for (const Befundzeile& b : bericht.befunde)
            std::printf("%3d  %-8s %3d %s: %s\n", b.nummer, StufenName(b.stufe), b.seitenkennung,
                        std::string(SeitenName(b.bereich, b.seite)).c_str(),
                        Cp1252ZuUtf8(b.text).c_str());
        std::printf("Ergebnis: %d Fehler, %d Warnungen, %d Hinweise, %d Tip\n", bericht.fehler,
                    bericht.warnungen, bericht.hinweise, bericht.tips);
    }
    if (!bericht.katalogfehler.empty()) return Misserfolg(bericht.katalogfehler);
    return 0;
}

const BefehlEintrag kPruefen("pruefen", "pruefen DATEI [--seite BEREICH.SEITE] [--html DATEI.htm]",
                             "prüft die Eingaben und zeigt die Befunde oder schreibt den Bericht",
                             &Pruefen);

}  // namespace
}  // namespace quarnel::cli
