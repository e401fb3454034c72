// quarnel-cli tabelle: the 2001 income-tax table (basic or splitting) for a
// range of taxable incomes, step by step as the printed tables show it, with
// solidarity surcharge and church tax at 8 % and 9 %.
#include <cstdio>
#include <string>
#include <vector>

#include "befehle.h"
#include "calc/berechnung.h"
#include "calc/betrag.h"
#include "calc/durchgang.h"

namespace quarnel::cli {
namespace {

constexpr double GroessterBetrag = 1e9;
constexpr long long HoechsteZeilen = 200000;

bool ZahlLesen(const std::string& text, double& wert) {
    if (text.empty()) return false;
    std::string t = text;
    for (char& c : t)
        if (c == ',') c = '.';
    char* ende = nullptr;
    wert = std::strtod(t.c_str(), &ende);
    return ende == t.c_str() + t.size() && wert >= 0 && wert <= GroessterBetrag;
}

// Whole DM with points between the thousands, right-aligned in w characters.
std::string Ganz(double x, int w) {
    std::string ziffern = std::to_string(static_cast<long long>(x));
    std::string t;
    for (std::size_t i = 0; i < ziffern.size(); ++i) {
        if (i > 0 && (ziffern.size() - i) % 3 == 0) t += '.';
        t += ziffern[i];
    }
    return std::string(t.size() < std::size_t(w) ? w - t.size() : 0, ' ') + t;
}

int Tabelle(const std::vector<std::string>& args) {
    int f2 = 1;
    double von = 0, bis = -1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--splitting") {
            f2 = 2;
        } else if ((a == "--von" || a == "--bis") && i + 1 < args.size()) {
            double w;
            if (!ZahlLesen(args[++i], w)) return Fehler("ungültiger Betrag: " + args[i]);
            (a == "--von" ? von : bis) = w;
        } else {
            return Fehler("unbekanntes Argument: " + a);
        }
    }
    if (bis < 0) bis = von + 120000.0 * f2;
    if (bis < von) return Fehler("--bis liegt unter --von");
    const double stufe = 54.0 * f2;
    const double start = StufeAb(von, f2);
    if ((bis - start) / stufe > HoechsteZeilen) return Fehler("Bereich zu groß");

    std::printf("%s 2001\n\n",
                f2 == 2 ? "Einkommensteuer-Splittingtabelle" : "Einkommensteuer-Grundtabelle");
    std::printf("%-25s %15s %12s %12s %12s\n", "zu verst. Einkommen DM", "Einkommensteuer", "SolZ",
                "KiSt 8 %", "KiSt 9 %");
    std::printf("%s\n", std::string(80, '-').c_str());
    for (double unten = start; unten <= bis; unten += stufe) {
        const double est = TarifNachTabelle(unten, f2);
        const std::string band = Ganz(unten, 11) + " - " + Ganz(unten + stufe - 1, 11);
        std::printf("%-25s %15s %12s %12s %12s\n", band.c_str(), Ganz(est, 11).c_str(),
                    FormatMaske("#.###.###,##", SoliAufSteuer(est, f2)).c_str(),
                    FormatMaske("#.###.###,##", CentAb(est * 0.08)).c_str(),
                    FormatMaske("#.###.###,##", CentAb(est * 0.09)).c_str());
    }
    return 0;
}

const BefehlEintrag eintrag("tabelle", "tabelle [--splitting] [--von A] [--bis B]",
                            "Einkommensteuertabelle 2001 (Grund- oder Splittingtabelle)", Tabelle);

}  // namespace
}  // namespace quarnel::cli
