#include "shell/hilfenamen.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <set>
#include <utility>

#include "case/bereiche.h"
#include "case/caserecord.h"
#include "case/feldkatalog.h"
#include "shell/anzeige.h"

namespace quarnel {
namespace {

// Page class -> help numbers of the pages showing it. The expense pages of
// both persons share F041..F048; the home page class TF_SaFW3 serves two pages.
struct KlassenHilfe {
    std::string_view klasse;
    int nummer, zweite = 0;
};
const KlassenHilfe kKlassen[] = {
    {"TF_ErSie", 11},     {"TF_FahrZ", 12},     {"TF_Kind", 21},
    {"TF_NSA", 31},       {"TF_WKFahrt", 41},   {"TF_WKBVerb", 42},
    {"TF_WKArbM", 43},    {"TF_WKVerpfl", 44},  {"TF_WKDoppH", 45},
    {"TF_WKZimmer", 46},  {"TF_WKReise", 47},   {"TF_WKSonst", 48},
    {"TF_KSO", 61},       {"TF_VuV", 71},       {"TF_GSE1", 81},
    {"TF_GSE2", 91},      {"TF_LuF", 101},      {"TF_Rente", 111},
    {"TF_SonstEk", 112},  {"TF_SAVers", 121},   {"TF_SaRDL", 122},
    {"TF_SAKiZi", 123},   {"TF_SAHaHi", 124},   {"TF_SaAbKost", 125},
    {"TF_SaSpende", 126}, {"TF_SAVaVr", 127},   {"TF_AbBeHi", 131},
    {"TF_AbHiHeim", 132}, {"TF_ABHPfleg", 133}, {"TF_AbUntBe", 134},
    {"TF_AbAusBi", 135},  {"TF_AbAndere", 136}, {"TF_SaFW0", 141},
    {"TF_SaFW1", 142},    {"TF_SaFW3", 143, 145}, {"TF_SaFW2", 144},
    {"TF_Anrech", 151},   {"TF_Stat", 161},     {"TF_Kurz", 172},
    {"TF_BehindN", 501},  {"TF_Ausbild", 502},  {"TF_KsoList", 503},
    {"TF_HausHi", 562},   {"TF_AbEink", 570},
};

}  // namespace

std::vector<std::string> FesteHilfeseiten() {
    return {
        // side view
        "std\\seite0", "std\\seite1a", "std\\seite1m", "std\\seite1p",
        // menus "&Information" and "&Hilfe", tool bar
        "std\\index0.htm", "handbuch\\2001\\index.htm", "std\\aktuell", "std\\faq",
        "handbuch\\2001\\musterbriefe\\index.htm", "tippsurteile\\index.htm", "std\\index0",
        "std\\tastatur", "std\\menues", "std\\verfahren", "std\\hilfe",
        // dialogs and messages
        "std\\passwort", "std\\vorjahrdat", "std\\interview", "std\\fw_interview",
        "std\\navigator", "std\\wegfix", "std\\konfig", "std\\notiz", "std\\formdrk",
        "std\\viewer",
        // the help button of the message "not a valid data file"
        "1",
    };
}

std::vector<int> SeitenHilfeNummern() {
    std::set<int> n;
    for (int b = 1; b <= AnzahlBereiche; ++b)
        for (int s = 1; s <= 15; ++s)
            if (SeiteVorhanden(b, s)) n.insert(SeitenHilfeNummer(b, s));
    return {n.begin(), n.end()};
}

std::vector<int> UnterseitenHilfeNummern() {
    return {501, 502, 503, 541, 542, 543, 544, 545, 546, 547, 548, 549, 550, 551,
            552, 553, 560, 562, 563, 564, 565, 566, 567, 568, 570, 572};
}

std::string HilfeseiteF(int nummer) {
    return "F" + DreiStellen(nummer);
}

std::string FeldAnker(int feldNummer) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "F%04d", feldNummer);
    return buf;
}

std::vector<int> HilfeNummernDerKlasse(std::string_view seitenKlasse) {
    for (const KlassenHilfe& k : kKlassen)
        if (k.klasse == seitenKlasse)
            return k.zweite ? std::vector<int>{k.nummer, k.zweite} : std::vector<int>{k.nummer};
    return {};
}

std::vector<FeldHilfe> ProgrammFeldanker() {
    std::vector<FeldHilfe> alle;
    std::set<std::pair<int, int>> gesehen;
    for (const FeldDef& d : Feldkatalog()) {
        if (d.nr == 0) continue;
        for (int n : HilfeNummernDerKlasse(d.seite))
            if (gesehen.emplace(n, d.nr).second)
                alle.push_back({HilfeseiteF(n), FeldAnker(d.nr)});
    }
    return alle;
}

std::vector<std::string> ProgrammHilfeseiten() {
    std::vector<std::string> alle = FesteHilfeseiten();
    for (int n : SeitenHilfeNummern()) alle.push_back(HilfeseiteF(n));
    for (int n : UnterseitenHilfeNummern()) alle.push_back(HilfeseiteF(n));
    return alle;
}

bool HtmlHatAnker(std::string_view html, std::string_view anker) {
    auto klein = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    auto namensende = [&](std::size_t i) {
        return i >= html.size() || !(std::isalnum(static_cast<unsigned char>(html[i])) ||
                                     html[i] == '_' || html[i] == '-');
    };
    for (std::string_view attr : {std::string_view("name"), std::string_view("id")}) {
        for (std::size_t i = 0; i + attr.size() < html.size(); ++i) {
            // attribute name preceded by white space
            if (i == 0 || !std::isspace(static_cast<unsigned char>(html[i - 1]))) continue;
            bool gleich = true;
            for (std::size_t k = 0; k < attr.size() && gleich; ++k)
                gleich = klein(html[i + k]) == attr[k];
            if (!gleich) continue;
            std::size_t j = i + attr.size();
            while (j < html.size() && std::isspace(static_cast<unsigned char>(html[j]))) ++j;
            if (j >= html.size() || html[j] != '=') continue;
            ++j;
            while (j < html.size() && std::isspace(static_cast<unsigned char>(html[j]))) ++j;
            char quote = 0;
            if (j < html.size() && (html[j] == '"' || html[j] == '\'')) quote = html[j++];
            if (html.substr(j, anker.size()) != anker) continue;
            const std::size_t e = j + anker.size();
            if (quote ? (e < html.size() && html[e] == quote) : namensende(e)) return true;
        }
    }
    return false;
}

}  // namespace quarnel
