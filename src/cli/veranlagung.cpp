// quarnel-cli veranlagung: computes every assessment the couple of a case file
// may choose (joint, separate) in full and prints the burden of each, the
// difference to the cheapest and the recommendation. Never writes the file.
#include <cstdio>
#include <string>
#include <vector>

#include "befehle.h"
#include "case/caserecord.h"
#include "results/veranlagung.h"
#include "shell/anzeige.h"

namespace quarnel::cli {
namespace {

void Text(const VeranlagungsVergleich& v) {
    if (!v.waehlbar)
        std::printf("Keine Wahl der Veranlagungsart: der Fall wird nicht nach der "
                    "Splittingtabelle als Ehepaar besteuert.\n");
    std::printf("%-24s %18s %18s %18s %18s %18s %18s\n", "Veranlagungsart", "Einkommensteuer",
                "Soli", "Kirchensteuer", "Summe", "Saldo", "Mehrbelastung");
    for (const VeranlagungsLast& l : v.arten)
        std::printf("%-24s %18s %18s %18s %18s %18s %18s\n", VeranlagungsartText(l.art),
                    BetragDM(l.est).c_str(), BetragDM(l.soli).c_str(), BetragDM(l.kist).c_str(),
                    BetragDM(l.gesamt).c_str(), BetragDM(l.saldo).c_str(),
                    BetragDM(l.mehr).c_str());
    std::printf("Gewählt: %s\nEmpfohlen: %s\n", VeranlagungsartText(v.gespeichert),
                VeranlagungsartText(v.empfohlen));
    if (v.ersparnis > 0.001)
        std::printf("Ersparnis gegenüber der gewählten Veranlagungsart: %s\n",
                    BetragDM(v.ersparnis).c_str());
}

void Json(const VeranlagungsVergleich& v) {
    auto art = [](Veranlagungsart a) {
        return a == Veranlagungsart::Getrennt ? "getrennt" : "zusammen";
    };
    std::printf("{\n  \"waehlbar\": %s,\n  \"gewaehlt\": \"%s\",\n  \"empfohlen\": \"%s\",\n"
                "  \"ersparnis\": %.2f,\n  \"arten\": [",
                v.waehlbar ? "true" : "false", art(v.gespeichert), art(v.empfohlen), v.ersparnis);
    bool erstes = true;
    for (const VeranlagungsLast& l : v.arten) {
        std::printf("%s\n    {\"art\": \"%s\", \"einkommensteuer\": %.2f, \"soli\": %.2f, "
                    "\"kirchensteuer\": %.2f, \"summe\": %.2f, \"saldo\": %.2f, "
                    "\"mehrbelastung\": %.2f}",
                    erstes ? "" : ",", art(l.art), l.est, l.soli, l.kist, l.gesamt, l.saldo,
                    l.mehr);
        erstes = false;
    }
    std::printf("\n  ]\n}\n");
}

int Veranlagung(const std::vector<std::string>& args) {
    std::string pfad;
    bool json = false, kurz = false;
    for (const std::string& a : args) {
        if (a == "--json")
            json = true;
        else if (a == "--kurz")
            kurz = true;
        else if (!a.empty() && a[0] == '-')
            return Fehler("unbekannte Option: " + a);
        else if (pfad.empty())
            pfad = a;
        else
            return Fehler("nur eine Datei erwartet");
    }
    if (pfad.empty()) return Fehler("Aufruf: quarnel-cli veranlagung DATEI [--kurz] [--json]");
    CaseRecord fall;
    if (const int rc = FallLesen(pfad, fall)) return rc;
    const VeranlagungsVergleich v = VeranlagungVergleichen(fall, kurz);
    json ? Json(v) : Text(v);
    return 0;
}

const BefehlEintrag kVeranlagung(
    "veranlagung", "veranlagung DATEI [--kurz] [--json]",
    "vergleicht Zusammen- und getrennte Veranlagung und empfiehlt die günstigere (schreibt nicht)",
    &Veranlagung);

}  // namespace
}  // namespace quarnel::cli
