#include "shell/ini.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "case/falldatei.h"

namespace quarnel {

namespace {

std::string Getrimmt(std::string_view s) {
    std::size_t a = 0, e = s.size();
    while (a < e && (s[a] == ' ' || s[a] == '\t')) ++a;
    while (e > a && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
    return std::string(s.substr(a, e - a));
}

char Klein(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool GleichOhneFall(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Klein(a[i]) != Klein(b[i])) return false;
    return true;
}

}  // namespace

IniDatei IniDatei::AusText(std::string_view text) {
    IniDatei ini;
    ini.zeilen_.clear();
    ini.zustand_ = IniZustand::Gelesen;
    if (text.starts_with("\xEF\xBB\xBF")) {
        ini.bom_ = true;
        text.remove_prefix(3);
    }
    if (text.find("\r\n") != std::string_view::npos) ini.zeilenende_ = "\r\n";
    ini.endetMitUmbruch_ = text.empty() || text.back() == '\n';
    std::string aktuelle;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::string_view roh =
            text.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
        pos = nl == std::string_view::npos ? text.size() : nl + 1;
        if (!roh.empty() && roh.back() == '\r') roh.remove_suffix(1);
        Zeile z;
        z.text = std::string(roh);
        std::string t = Getrimmt(roh);
        if (t.size() >= 2 && t.front() == '[') {
            std::size_t zu = t.find(']');
            if (zu != std::string::npos) {
                z.istSektion = true;
                z.sektion = Getrimmt(std::string_view(t).substr(1, zu - 1));
                aktuelle = z.sektion;
            }
        } else if (!t.empty() && t.front() != ';' && t.front() != '#') {
            std::size_t gl = t.find('=');
            if (gl != std::string::npos) {
                z.schluessel = Getrimmt(std::string_view(t).substr(0, gl));
                z.sektion = aktuelle;
            }
        }
        ini.zeilen_.push_back(std::move(z));
    }
    return ini;
}

bool IniDatei::Laden(const std::string& pfad) {
    *this = IniDatei{};
    const int fd = RegulaereDateiOeffnen(pfad);
    if (fd < 0) {
        zustand_ = errno == ENOENT ? IniZustand::Fehlt : IniZustand::NichtLesbar;
        return false;
    }
    // One byte more than taken tells a file that is longer.
    std::string inhalt(HoechsteGroesse + 1, '\0');
    std::size_t gelesen = 0;
    bool fehler = false;
    while (gelesen < inhalt.size()) {
        const ssize_t n = ::read(fd, inhalt.data() + gelesen, inhalt.size() - gelesen);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            fehler = n < 0;
            break;
        }
        gelesen += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (fehler) {
        zustand_ = IniZustand::NichtLesbar;
        return false;
    }
    inhalt.resize(gelesen);
    const bool ganz = gelesen <= HoechsteGroesse;
    if (!ganz) {
        // The complete lines of the beginning; a part of a line is no line.
        const std::size_t nl = inhalt.rfind('\n', HoechsteGroesse - 1);
        inhalt.resize(nl == std::string::npos ? 0 : nl + 1);
    }
    *this = AusText(inhalt);
    zustand_ = ganz ? IniZustand::Gelesen : IniZustand::Teilweise;
    return true;
}

std::string IniDatei::Text() const {
    std::string s = bom_ ? "\xEF\xBB\xBF" : "";
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
        s += zeilen_[i].text;
        if (i + 1 < zeilen_.size() || endetMitUmbruch_) s += zeilenende_;
    }
    return s;
}

bool IniDatei::Speichern(const std::string& pfad) const {
    // Whole or not at all; a settings file that is a link keeps being one.
    const std::string t = Text();
    return AtomarSchreiben(pfad, {reinterpret_cast<const uint8_t*>(t.data()), t.size()}, true);
}

bool IniDatei::HatSektion(std::string_view sektion) const {
    for (const auto& z : zeilen_)
        if (z.istSektion && GleichOhneFall(z.sektion, sektion)) return true;
    return false;
}

std::optional<std::string> IniDatei::Wert(std::string_view sektion,
                                          std::string_view schluessel) const {
    for (const auto& z : zeilen_) {
        if (z.istSektion || z.schluessel.empty()) continue;
        if (!GleichOhneFall(z.sektion, sektion) || !GleichOhneFall(z.schluessel, schluessel))
            continue;
        std::string w = Getrimmt(std::string_view(z.text).substr(z.text.find('=') + 1));
        if (w.size() >= 2 && (w.front() == '"' || w.front() == '\'') && w.back() == w.front())
            w = w.substr(1, w.size() - 2);
        return w;
    }
    return std::nullopt;
}

void IniDatei::Setze(std::string_view sektion, std::string_view schluessel, std::string_view wert) {
    std::string neueZeile = std::string(schluessel) + "=" + std::string(wert);
    // Replace in place, or remember where the section's last key line stands.
    std::size_t einfuegen = std::string::npos;
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
        auto& z = zeilen_[i];
        if (z.istSektion) {
            if (GleichOhneFall(z.sektion, sektion)) einfuegen = i + 1;
            continue;
        }
        if (!GleichOhneFall(z.sektion, sektion)) continue;
        if (!z.schluessel.empty()) {
            if (GleichOhneFall(z.schluessel, schluessel)) {
                z.text = neueZeile;
                return;
            }
            einfuegen = i + 1;
        }
    }
    Zeile z;
    z.text = neueZeile;
    z.sektion = std::string(sektion);
    z.schluessel = std::string(schluessel);
    if (einfuegen != std::string::npos) {
        zeilen_.insert(zeilen_.begin() + static_cast<std::ptrdiff_t>(einfuegen), std::move(z));
        return;
    }
    if (!zeilen_.empty() && !endetMitUmbruch_) endetMitUmbruch_ = true;
    Zeile kopf;
    kopf.istSektion = true;
    kopf.sektion = std::string(sektion);
    kopf.text = "[" + kopf.sektion + "]";
    zeilen_.push_back(std::move(kopf));
    zeilen_.push_back(std::move(z));
}

void IniDatei::SetzeText(std::string_view sektion, std::string_view schluessel,
                         std::string_view wert) {
    auto rand = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    const bool quoten =
        !wert.empty() && (rand(wert.front()) || rand(wert.back()) ||
                          (wert.size() >= 2 && (wert.front() == '"' || wert.front() == '\'') &&
                           wert.back() == wert.front()));
    if (!quoten) return Setze(sektion, schluessel, wert);
    Setze(sektion, schluessel, "\"" + std::string(wert) + "\"");
}

std::string IniDatei::LiesText(std::string_view sektion, std::string_view schluessel,
                               std::string_view vorgabe) const {
    auto w = Wert(sektion, schluessel);
    return w ? *w : std::string(vorgabe);
}

long long IniDatei::LiesGanzzahl(std::string_view sektion, std::string_view schluessel,
                                 long long vorgabe) const {
    auto w = Wert(sektion, schluessel);
    if (!w) return vorgabe;
    auto z = GanzzahlAusText(*w);
    return z ? *z : vorgabe;
}

bool IniDatei::LiesBool(std::string_view sektion, std::string_view schluessel, bool vorgabe) const {
    return LiesGanzzahl(sektion, schluessel, vorgabe ? 1 : 0) != 0;
}

double IniDatei::LiesZahl(std::string_view sektion, std::string_view schluessel,
                          double vorgabe) const {
    auto w = Wert(sektion, schluessel);
    if (!w) return vorgabe;
    auto z = ZahlAusText(*w);
    return z ? *z : vorgabe;
}

std::optional<long long> GanzzahlAusText(std::string_view s0) {
    std::string s = Getrimmt(s0);
    if (s.empty()) return std::nullopt;
    bool negativ = false;
    std::size_t i = 0;
    if (s[0] == '-' || s[0] == '+') {
        negativ = s[0] == '-';
        i = 1;
    }
    int basis = 10;
    if (i < s.size() && s[i] == '$') {
        basis = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        basis = 16;
        i += 2;
    }
    if (i >= s.size()) return std::nullopt;
    unsigned long long wert = 0;
    for (; i < s.size(); ++i) {
        char c = s[i];
        int ziffer;
        if (c >= '0' && c <= '9')
            ziffer = c - '0';
        else if (basis == 16 && c >= 'a' && c <= 'f')
            ziffer = c - 'a' + 10;
        else if (basis == 16 && c >= 'A' && c <= 'F')
            ziffer = c - 'A' + 10;
        else
            return std::nullopt;
        wert = wert * static_cast<unsigned>(basis) + static_cast<unsigned>(ziffer);
        if (wert > 0xFFFFFFFFFFFFull) return std::nullopt;  // far beyond any setting
    }
    long long w = static_cast<long long>(wert);
    return negativ ? -w : w;
}

std::optional<double> ZahlAusText(std::string_view s0) {
    std::string s = Getrimmt(s0);
    if (s.empty()) return std::nullopt;
    for (char& c : s) {
        if (c == ',')
            c = '.';
        else if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' ||
                   c == 'E'))
            return std::nullopt;
    }
    // from_chars, unlike strtod, ignores the process locale.
    const char* anfang = s.c_str();
    if (*anfang == '+') ++anfang;
    double x = 0;
    auto [ende, fehler] = std::from_chars(anfang, s.c_str() + s.size(), x);
    if (fehler != std::errc{} || ende != s.c_str() + s.size() || !std::isfinite(x))
        return std::nullopt;
    return x;
}

std::string ZahlZuText(double x) {
    char buf[64];
    auto [ende, fehler] = std::to_chars(buf, buf + sizeof buf, x);
    std::string s = fehler == std::errc{} ? std::string(buf, ende) : std::string("0");
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

}  // namespace quarnel
