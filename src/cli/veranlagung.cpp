// quarnel-cli veranlagung: computes every assessment the couple of a case file
// may choose (joint, separate, special) in full and prints the burden of each, the
// difference to the cheapest and the recommendation. Never writes the file.
#include <cstdio>
#include <string>
#include <vector>

#include "befehle.h"
#include "case/caserecord.h"
#include "case/json.h"
#include "results/veranlagung.h"
#include "results/wahlrechte.h"
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
        std::printf("%-24s %18s %18s %18s %18s %18s %18s\n",
                    v.waehlbar ? VeranlagungsartText(l.art) : "Einzelveranlagung",
                    BetragDM(l.est).c_str(), BetragDM(l.soli).c_str(), BetragDM(l.kist).c_str(),
                    BetragDM(l.gesamt).c_str(), BetragDM(l.saldo).c_str(),
                    BetragDM(l.mehr).c_str());
    if (!v.waehlbar) return;
    std::printf("Gewählt: %s\nEmpfohlen: %s\n", VeranlagungsartText(v.gespeichert),
                VeranlagungsartText(v.empfohlen));
    if (v.ersparnis > 0.001)
        std::printf("Ersparnis gegenüber der gewählten Veranlagungsart: %s\n",
                    BetragDM(v.ersparnis).c_str());
}

// The other elections after the assessment's table.
void WahlrechteText(const std::vector<WahlrechtVergleich>& w) {
    for (const WahlrechtVergleich& x : w) {
        if (x.art == Wahlrecht::Veranlagungsart) continue;
        std::printf("\n%s\n", x.titel.c_str());
        for (std::size_t i = 0; i < x.varianten.size(); ++i) {
            const WahlVariante& v = x.varianten[i];
            std::printf("  %c %-44s Summe %18s  Saldo %18s  Mehr %18s\n",
                        int(i) == x.empfohlen ? '*' : ' ', v.text.c_str(),
                        BetragDM(v.gesamt).c_str(), BetragDM(v.saldo).c_str(),
                        BetragDM(v.mehr).c_str());
        }
        std::printf("  Gewählt: %s; empfohlen: %s",
                    x.varianten[x.gewaehlt].text.c_str(), x.varianten[x.empfohlen].text.c_str());
        if (x.ersparnis > 0.001) std::printf("; Ersparnis %s", BetragDM(x.ersparnis).c_str());
        std::printf("\n");
        if (!x.hinweis.empty()) std::printf("  %s\n", x.hinweis.c_str());
    }
    std::printf("\nNicht verglichen:\n");
    for (const std::string& z : WahlrechteOffen()) std::printf("  %s\n", z.c_str());
}

void Json(const VeranlagungsVergleich& v, const std::vector<WahlrechtVergleich>& w) {
    auto art = VeranlagungsartSchluessel;
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
    std::printf("\n  ],\n  \"wahlrechte\": [");
    static const char* const kArten[] = {"veranlagungsart", "halber_steuersatz",
                                         "auslaendische_steuer", "kinderfreibetrag_uebertragung"};
    erstes = true;
    for (const WahlrechtVergleich& x : w) {
        std::printf("%s\n    {\"wahlrecht\": \"%s\", \"kind\": %d, \"titel\": %s, "
                    "\"hinweis\": %s, \"gewaehlt\": %d, \"empfohlen\": %d, "
                    "\"ersparnis\": %.2f, \"varianten\": [",
                    erstes ? "" : ",", kArten[static_cast<int>(x.art)], x.kind,
                    JsonZeichenkette(x.titel).c_str(), JsonZeichenkette(x.hinweis).c_str(), x.gewaehlt,
                    x.empfohlen, x.ersparnis);
        for (std::size_t i = 0; i < x.varianten.size(); ++i) {
            const WahlVariante& l = x.varianten[i];
            std::printf("%s\n      {\"text\": %s, \"einkommensteuer\": %.2f, \"soli\": %.2f, "
                        "\"kirchensteuer\": %.2f, \"summe\": %.2f, \"saldo\": %.2f, "
                        "\"mehrbelastung\": %.2f}",
                        i ? "," : "", JsonZeichenkette(l.text).c_str(), l.est, l.soli, l.kist, l.gesamt,
                        l.saldo, l.mehr);
        }
        std::printf("\n    ]}");
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
    const std::vector<WahlrechtVergleich> w = WahlrechteVergleichen(fall, kurz);
    if (json) {
        Json(v, w);
    } else {
        Text(v);
        WahlrechteText(w);
    }
    return 0;
}

const BefehlEintrag kVeranlagung(
    "veranlagung", "veranlagung DATEI [--kurz] [--json]",
    "vergleicht Zusammen-, getrennte und besondere Veranlagung und die anderen Wahlrechte und empfiehlt das Günstigste (schreibt nicht)",
    &Veranlagung);

}  // namespace
}  // namespace quarnel::cli
