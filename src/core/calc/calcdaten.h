// CalcInput and CalcResult: the flat records of one tax computation.
// CalcInput holds the declared values (one field per line of the return and
// person), CalcResult every intermediate and final value. Both are plain,
// trivially copyable records; their fields are listed once in
// calcinput_felder.inc and calcresult_felder.inc, which also drive the name
// table (feldnamen.h).
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace quarnel {

// A short text of at most N characters (Windows-1252 bytes), NUL-terminated.
template <int N>
struct Kurztext {
    char zeichen[N + 1] = {};
    static constexpr int Laenge = N;
    std::string_view Sicht() const { return {zeichen, strnlen(zeichen, N)}; }
    void Setzen(std::string_view s) {
        std::memset(zeichen, 0, sizeof zeichen);
        std::memcpy(zeichen, s.data(), s.size() < size_t(N) ? s.size() : size_t(N));
    }
};

// One child in the comparison of allowances against Kindergeld.
struct KindSatz {
    int32_t Schluessel = 0;       // ordering key (absent child: 200000)
    double KinderFb = 0;          // Kinderfreibetrag for the months of entitlement
    double KinderFbJahr = 0;      // Kinderfreibetrag for twelve months
    double Kindergeld = 0;        // Kindergeld received for the child
    uint8_t Guenstiger = 0;       // 1: the allowances beat the Kindergeld
    double BetreuungsFb = 0;      // Betreuungsfreibetrag for the months
    double BetreuungsFbJahr = 0;  // Betreuungsfreibetrag for twelve months
    // The element of the child's fields in the case record (the child's page,
    // the quick page's row) the fill took it from: the records are ordered by
    // birth, so their index is not the child's number. 0: none.
    uint8_t Element = 0;
};

inline constexpr int AnzahlKindSaetze = 8;

#define QE_FELD(T, n) T n{};
#define QE_PAAR(T, n)                   \
    T n##Er{};                          \
    T n##Sie{};                         \
    T& n(int p) {                       \
        return p == 0 ? n##Er : n##Sie; \
    }                                   \
    const T& n(int p) const {           \
        return p == 0 ? n##Er : n##Sie; \
    }
#define QE_PAAR_OHNE(T, n) \
    T n##Er{};             \
    T n##Sie{};
#define QE_TRIPEL(T, n)                                     \
    T n##Er{};                                              \
    T n##Sie{};                                             \
    T n##Summe{};                                           \
    T& n(int p) {                                           \
        return p == 0 ? n##Er : p == 1 ? n##Sie : n##Summe; \
    }
#define QE_TEXT(n, N) Kurztext<N> n{};
#define QE_TEXTPAAR(n, N) \
    Kurztext<N> n##Er{};  \
    Kurztext<N> n##Sie{};
#define QE_REIHE(T, n, N) T n[N]{};
#define QE_PAARREIHE(T, n, N)           \
    T n##Er[N]{};                       \
    T n##Sie[N]{};                      \
    T* n(int p) {                       \
        return p == 0 ? n##Er : n##Sie; \
    }                                   \
    const T* n(int p) const {           \
        return p == 0 ? n##Er : n##Sie; \
    }

struct CalcInput {
#include "calc/calcinput_felder.inc"
    KindSatz KindSaetze[AnzahlKindSaetze]{};
};

struct CalcResult {
#include "calc/calcresult_felder.inc"
};

#undef QE_FELD
#undef QE_PAAR
#undef QE_PAAR_OHNE
#undef QE_TRIPEL
#undef QE_TEXT
#undef QE_TEXTPAAR
#undef QE_REIHE
#undef QE_PAARREIHE

static_assert(std::is_trivially_copyable_v<CalcInput>);
static_assert(std::is_trivially_copyable_v<CalcResult>);
static_assert(std::is_standard_layout_v<CalcInput>);
static_assert(std::is_standard_layout_v<CalcResult>);

// The two records of the running program, rebuilt by every computation.
CalcInput& AktuelleEingabe();
CalcResult& AktuellesErgebnis();

}  // namespace quarnel
