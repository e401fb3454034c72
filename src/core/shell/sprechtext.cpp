#include "shell/sprechtext.h"

namespace quarnel {

std::string Sprechtext(std::string_view s) {
    std::string t;
    bool blank = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '&' && !(i + 1 < s.size() && s[i + 1] == '&')) continue;
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            blank = !t.empty();
            continue;
        }
        if (blank) t += ' ';
        blank = false;
        t += c;
    }
    while (!t.empty() && (t.back() == ':' || t.ends_with(".."))) {
        while (!t.empty() && (t.back() == '.' || t.back() == ':')) t.pop_back();
        while (!t.empty() && t.back() == ' ') t.pop_back();
    }
    return t;
}

std::string_view PersonenZusatz(bool ehefrau) {
    return ehefrau ? " – Ehefrau" : " – Stpfl./Ehemann";
}

}  // namespace quarnel
