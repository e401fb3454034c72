#include "calc/feldnamen.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace quarnel {
namespace {

template <class T>
constexpr WertArt ArtVon() {
    if constexpr (std::is_same_v<T, double>)
        return WertArt::Zahl;
    else if constexpr (std::is_same_v<T, int32_t>)
        return WertArt::Ganzzahl;
    else
        return WertArt::Byte;
}

struct Tabelle {
    std::vector<RechenFeld> felder;
    std::unordered_map<std::string_view, std::size_t> index;
    void Fertig() {
        for (std::size_t i = 0; i < felder.size(); ++i) index.emplace(felder[i].name, i);
    }
    const RechenFeld* Suche(std::string_view n) const {
        auto it = index.find(n);
        return it == index.end() ? nullptr : &felder[it->second];
    }
};

#define QE_FELD(T, n) t.felder.push_back({#n, ArtVon<T>(), offsetof(R, n), 0});
#define QE_PAAR(T, n) \
    QE_FELD(T, n##Er) \
    QE_FELD(T, n##Sie)
#define QE_PAAR_OHNE(T, n) QE_PAAR(T, n)
#define QE_TRIPEL(T, n) \
    QE_PAAR(T, n)       \
    QE_FELD(T, n##Summe)
#define QE_TEXT(n, N) t.felder.push_back({#n, WertArt::Text, offsetof(R, n), N});
#define QE_TEXTPAAR(n, N) \
    QE_TEXT(n##Er, N)     \
    QE_TEXT(n##Sie, N)
#define QE_REIHE(T, n, N)                                                                 \
    for (int i = 0; i < N; ++i)                                                           \
        t.felder.push_back({std::string(#n) + "[" + std::to_string(i) + "]", ArtVon<T>(), \
                            offsetof(R, n) + i * sizeof(T), 0});

#define QE_PAARREIHE(T, n, N) \
    QE_REIHE(T, n##Er, N)         \
    QE_REIHE(T, n##Sie, N)

const Tabelle& EingabeTabelle() {
    static const Tabelle tab = [] {
        using R = CalcInput;
        Tabelle t;
#include "calc/calcinput_felder.inc"
        for (int i = 0; i < AnzahlKindSaetze; ++i) {
            const std::size_t basis = offsetof(R, KindSaetze) + i * sizeof(KindSatz);
            const std::string p = "KindSaetze[" + std::to_string(i) + "].";
            t.felder.push_back(
                {p + "Schluessel", WertArt::Ganzzahl, basis + offsetof(KindSatz, Schluessel), 0});
            t.felder.push_back(
                {p + "KinderFb", WertArt::Zahl, basis + offsetof(KindSatz, KinderFb), 0});
            t.felder.push_back(
                {p + "KinderFbJahr", WertArt::Zahl, basis + offsetof(KindSatz, KinderFbJahr), 0});
            t.felder.push_back(
                {p + "Kindergeld", WertArt::Zahl, basis + offsetof(KindSatz, Kindergeld), 0});
            t.felder.push_back(
                {p + "Guenstiger", WertArt::Byte, basis + offsetof(KindSatz, Guenstiger), 0});
            t.felder.push_back(
                {p + "BetreuungsFb", WertArt::Zahl, basis + offsetof(KindSatz, BetreuungsFb), 0});
            t.felder.push_back({p + "BetreuungsFbJahr", WertArt::Zahl,
                                basis + offsetof(KindSatz, BetreuungsFbJahr), 0});
        }
        t.Fertig();
        return t;
    }();
    return tab;
}

const Tabelle& ErgebnisTabelle() {
    static const Tabelle tab = [] {
        using R = CalcResult;
        Tabelle t;
#include "calc/calcresult_felder.inc"
        t.Fertig();
        return t;
    }();
    return tab;
}

#undef QE_FELD
#undef QE_PAAR
#undef QE_PAAR_OHNE
#undef QE_TRIPEL
#undef QE_TEXT
#undef QE_TEXTPAAR
#undef QE_REIHE
#undef QE_PAARREIHE

template <class R>
std::optional<double> Lesen(const R& r, const RechenFeld& f) {
    const char* p = reinterpret_cast<const char*>(&r) + f.offset;
    switch (f.art) {
        case WertArt::Zahl: {
            double d;
            std::memcpy(&d, p, sizeof d);
            return d;
        }
        case WertArt::Ganzzahl: {
            int32_t i;
            std::memcpy(&i, p, sizeof i);
            return i;
        }
        case WertArt::Byte:
            return static_cast<unsigned char>(*p);
        case WertArt::Text:
            break;
    }
    return std::nullopt;
}

std::optional<double> ZahlAusText(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    if (s.empty() || s.size() > 40) return std::nullopt;
    char puffer[48];
    std::size_t n = 0;
    for (char c : s) puffer[n++] = c == ',' ? '.' : c;
    puffer[n] = 0;
    char* ende = nullptr;
    const double d = std::strtod(puffer, &ende);
    if (ende != puffer + n || !std::isfinite(d)) return std::nullopt;
    return d;
}

template <class R>
bool Setzen(R& r, const RechenFeld& f, std::string_view text) {
    char* p = reinterpret_cast<char*>(&r) + f.offset;
    if (f.art == WertArt::Text) {
        if (text.size() > std::size_t(f.laenge)) return false;
        std::memset(p, 0, f.laenge + 1);
        std::memcpy(p, text.data(), text.size());
        return true;
    }
    const auto d = ZahlAusText(text);
    if (!d) return false;
    switch (f.art) {
        case WertArt::Zahl:
            std::memcpy(p, &*d, sizeof(double));
            return true;
        case WertArt::Ganzzahl: {
            if (*d != std::trunc(*d) || std::fabs(*d) > 2147483647.0) return false;
            const int32_t i = static_cast<int32_t>(*d);
            std::memcpy(p, &i, sizeof i);
            return true;
        }
        case WertArt::Byte:
            if (*d != std::trunc(*d) || *d < 0 || *d > 255) return false;
            *p = static_cast<char>(static_cast<unsigned char>(*d));
            return true;
        case WertArt::Text:
            break;
    }
    return false;
}

template <class R>
std::string Text(const R& r, const RechenFeld& f) {
    if (f.art == WertArt::Text) {
        const char* p = reinterpret_cast<const char*>(&r) + f.offset;
        return std::string(p, strnlen(p, f.laenge));
    }
    const double d = *Lesen(r, f);
    if (f.art != WertArt::Zahl) return std::to_string(static_cast<long long>(d));
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.6f", d);
    std::string s = puffer;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

}  // namespace

std::span<const RechenFeld> EingabeFelder() {
    return EingabeTabelle().felder;
}
std::span<const RechenFeld> ErgebnisFelder() {
    return ErgebnisTabelle().felder;
}
const RechenFeld* EingabeFeld(std::string_view name) {
    return EingabeTabelle().Suche(name);
}
const RechenFeld* ErgebnisFeld(std::string_view name) {
    return ErgebnisTabelle().Suche(name);
}

std::optional<double> Zahlenwert(const CalcInput& r, const RechenFeld& f) {
    return Lesen(r, f);
}
std::optional<double> Zahlenwert(const CalcResult& r, const RechenFeld& f) {
    return Lesen(r, f);
}
bool WertSetzen(CalcInput& r, const RechenFeld& f, std::string_view t) {
    return Setzen(r, f, t);
}
bool WertSetzen(CalcResult& r, const RechenFeld& f, std::string_view t) {
    return Setzen(r, f, t);
}
std::string WertText(const CalcInput& r, const RechenFeld& f) {
    return Text(r, f);
}
std::string WertText(const CalcResult& r, const RechenFeld& f) {
    return Text(r, f);
}

}  // namespace quarnel
