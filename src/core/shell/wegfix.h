// The keyword guide "Wegfix": an alphabetical index of keywords, each leading
// to the entry page where the matter is entered.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/navigation.h"

namespace quarnel {

struct WegfixEintrag {
    int bereich = 0;
    int seite = 0;
    std::string frage;      // the interview question in two digits, "00" when none
    std::string stichwort;  // UTF-8
};

// Reads an entry "AA,PP,QQ,NNNN/keyword"; nothing when it is malformed.
std::optional<WegfixEintrag> WegfixEintragLesen(std::string_view roh);

// The entries in list order (line 1 is the first).
int WegfixAnzahl();
std::string_view WegfixRoh(int zeile);
std::vector<WegfixEintrag> WegfixEintraege();

// "&Gehe zu" on line 1..WegfixAnzahl(): the page when the navigator lists
// it, otherwise the error to show (the guide stays open).
struct WegfixWahl {
    std::optional<SeitenOrt> seite;
    std::string fehler;  // UTF-8
};
WegfixWahl WegfixGeheZu(const CaseRecord& r, int zeile);

}  // namespace quarnel
