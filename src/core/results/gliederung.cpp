#include "results/gliederung.h"

#include <algorithm>
#include <optional>
#include <regex>

#include "case/zeichensatz.h"
#include "results/veranlagungsteile.h"

namespace quarnel {

namespace {

std::string Getrimmt(std::string_view s) {
    const auto a = s.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    const auto b = s.find_last_not_of(' ');
    return std::string(s.substr(a, b - a + 1));
}

bool IstLinie(std::string_view s) {
    return s.find_first_not_of("-=_+|*. ") == std::string_view::npos;
}

// "F e s t s e t z u n g   u n d" -> "Festsetzung und": runs of three and
// more single characters between single blanks close up. True when a run of
// four letters or more was closed (a letter-spaced heading).
bool Zusammenziehen(std::string& s) {
    std::vector<std::string> worte;  // split at single blanks; "" marks a wider gap
    std::string w;
    for (size_t i = 0; i <= s.size(); ++i) {
        if (i == s.size() || s[i] == ' ') {
            worte.push_back(w);
            w.clear();
        } else {
            w += s[i];
        }
    }
    std::string aus;
    bool gesperrt = false;
    for (size_t i = 0; i < worte.size();) {
        size_t j = i;
        while (j < worte.size() && worte[j].size() == 1) ++j;
        if (j - i >= 3) {
            int buchstaben = 0;
            for (size_t k = i; k < j; ++k) buchstaben += std::isalpha(static_cast<unsigned char>(worte[k][0])) ? 1 : 0;
            gesperrt = gesperrt || buchstaben >= 4;
            if (!aus.empty() && aus.back() != ' ') aus += ' ';
            for (size_t k = i; k < j; ++k) aus += worte[k];
            i = j;
            continue;
        }
        if (!worte[i].empty()) {
            if (!aus.empty() && aus.back() != ' ') aus += ' ';
            aus += worte[i];
        }
        ++i;
    }
    s = aus;
    return gesperrt;
}

// Dots and blanks of a leader at the end of a caption go.
std::string OhneLeiste(std::string s) {
    while (!s.empty() && (s.back() == '.' || s.back() == ' ')) {
        // "Nr." and "DM." keep their point: a leader is " ." pairs.
        if (s.back() == '.' && s.size() >= 2 && s[s.size() - 2] != ' ' && s[s.size() - 2] != '.') break;
        s.pop_back();
    }
    return s;
}

Baustein Textbaustein(std::string t) {
    const bool gesperrt = Zusammenziehen(t);
    bool gross = t.size() >= 6;
    for (char c : t)
        if (std::islower(static_cast<unsigned char>(c))) gross = false;
    // the heading of each spouse's part of a notice of two parts, and of their sums
    const std::string u = Cp1252ZuUtf8(t);
    const bool teil = TeilBeginnt(u).has_value();
    return {gesperrt || gross || teil ? Baustein::Ueberschrift : Baustein::Text, {u}};
}

bool HatZiffer(const std::string& s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// The cells of a heading line: a boxed row with nothing over the captions
// and words, no amounts, in its columns; or a plain line of the words the
// notice heads its person columns with.
std::optional<std::vector<std::string>> Kopfzellen(const Baustein& b) {
    if (b.art == Baustein::Zeile && b.zellen.size() >= 2 && b.zellen.front().empty()) {
        if (std::any_of(b.zellen.begin(), b.zellen.end(), HatZiffer)) return std::nullopt;
        return b.zellen;
    }
    if (b.art != Baustein::Text || b.zellen.size() != 1) return std::nullopt;
    static const std::vector<std::string> spaltenworte = {"Ehemann", "Ehefrau", "Ehegatten", "DM"};
    std::vector<std::string> zellen{""};
    std::string w;
    for (size_t i = 0; i <= b.zellen[0].size(); ++i) {
        if (i < b.zellen[0].size() && b.zellen[0][i] != ' ') {
            w += b.zellen[0][i];
            continue;
        }
        if (w.empty()) continue;
        if (std::find(spaltenworte.begin(), spaltenworte.end(), w) == spaltenworte.end()) return std::nullopt;
        zellen.push_back(w);
        w.clear();
    }
    if (zellen.size() < 2) return std::nullopt;
    return zellen;
}

// "Einkommen-" over "steuer DM" -> "Einkommensteuer DM"; "Ehemann" over
// "DM" -> "Ehemann DM".
std::string KopfVerbinden(const std::string& oben, const std::string& unten) {
    if (oben.empty()) return unten;
    if (unten.empty()) return oben;
    if (oben.back() == '-') return oben.substr(0, oben.size() - 1) + unten;
    return oben + " " + unten;
}

// Runs of heading lines of the same columns become one row of headings.
std::vector<Baustein> KoepfeZusammenfassen(std::vector<Baustein> alle) {
    std::vector<Baustein> aus;
    for (size_t i = 0; i < alle.size(); ++i) {
        std::optional<std::vector<std::string>> kopf = Kopfzellen(alle[i]);
        if (!kopf) {
            aus.push_back(std::move(alle[i]));
            continue;
        }
        size_t j = i + 1;
        for (; j < alle.size(); ++j) {
            const std::optional<std::vector<std::string>> weiter = Kopfzellen(alle[j]);
            if (!weiter || weiter->size() != kopf->size()) break;
            for (size_t k = 1; k < kopf->size(); ++k) (*kopf)[k] = KopfVerbinden((*kopf)[k], (*weiter)[k]);
        }
        // A single plain line of such words is no heading of its own.
        if (j == i + 1 && alle[i].art == Baustein::Text) {
            aus.push_back(std::move(alle[i]));
            continue;
        }
        aus.push_back({Baustein::Spaltenkopf, std::move(*kopf)});
        i = j - 1;
    }
    return aus;
}

}  // namespace

std::vector<Baustein> ZeileGliedern(std::string_view zeile) {
    const std::string t = Getrimmt(zeile);
    if (t.empty() || IstLinie(t)) return {};
    // A boxed table's row: the cells between the bars.
    if (t.find('|') != std::string::npos) {
        std::vector<std::string> zellen;
        size_t a = 0;
        while (a <= t.size()) {
            size_t b = t.find('|', a);
            if (b == std::string::npos) b = t.size();
            std::string z = Getrimmt(std::string_view(t).substr(a, b - a));
            if (IstLinie(z)) z.clear();
            Zusammenziehen(z);
            zellen.push_back(Cp1252ZuUtf8(z));
            a = b + 1;
        }
        if (!zellen.empty() && zellen.front().empty() && t.front() == '|') zellen.erase(zellen.begin());
        if (!zellen.empty() && zellen.back().empty() && t.back() == '|') zellen.pop_back();
        if (std::all_of(zellen.begin(), zellen.end(), [](const std::string& z) { return z.empty(); }))
            return {};
        // One cell across the box: its caption and amount as a row of their own.
        if (zellen.size() == 1) {
            const size_t a = t.find_first_not_of("| "), b = t.find_last_not_of("| ");
            std::vector<Baustein> z = ZeileGliedern(std::string_view(t).substr(a, b - a + 1));
            if (!z.empty()) {
                z.front().art = Baustein::Zeile;
                return z;
            }
        }
        return {{Baustein::Zeile, zellen}};
    }
    // A caption with its amounts at the end of the line.
    static const std::regex betragszeile(
        R"(^(.*?[^ .].*?)[ .]*?\s+((?:-?[0-9.]*[0-9],[0-9][0-9](?: DM| %)?\s*)+)$)");
    std::smatch m;
    if (std::regex_match(t, m, betragszeile)) {
        std::vector<std::string> zellen{Cp1252ZuUtf8(OhneLeiste(m[1].str()))};
        static const std::regex betrag(R"(-?[0-9.]*[0-9],[0-9][0-9](?: DM| %)?)");
        const std::string rest = m[2].str();
        for (auto it = std::sregex_iterator(rest.begin(), rest.end(), betrag);
             it != std::sregex_iterator(); ++it)
            zellen.push_back(it->str());
        return {{Baustein::Zeile, zellen}};
    }
    // A whole number after a dot leader ("Beiträge . . 37246").
    static const std::regex zahlzeile(R"(^(.*?[^ .].*?)(?: \.)+\s+(-?[0-9.]*[0-9](?: DM| %)?)\s*$)");
    if (std::regex_match(t, m, zahlzeile))
        return {{Baustein::Zeile, {Cp1252ZuUtf8(OhneLeiste(m[1].str())), m[2].str()}}};
    return {Textbaustein(t)};
}

std::vector<Baustein> Gliedern(const Ergebnistext& text) {
    std::vector<Baustein> alle;
    for (size_t i = 0; i < text.zeilen.size(); ++i) {
        if (i < text.formen.size() && text.formen[i].betrag) {
            const Zeilenform& f = text.formen[i];
            std::string label = Getrimmt(f.label);
            Zusammenziehen(label);
            Baustein b{Baustein::Zeile, {Cp1252ZuUtf8(OhneLeiste(label))}};
            for (const std::string& x : f.betraege) b.zellen.push_back(Getrimmt(x));
            alle.push_back(std::move(b));
            continue;
        }
        for (Baustein& b : ZeileGliedern(text.zeilen[i])) alle.push_back(std::move(b));
    }
    return KoepfeZusammenfassen(std::move(alle));
}

}  // namespace quarnel
