#include "case/zeichensatz.h"

#include <cstdint>

namespace quarnel {
namespace {

// Code points of 0x80..0x9F in Windows-1252; 0 = undefined there.
constexpr char32_t kHoch[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AnhaengenUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

char ZeichenCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (kHoch[i] != 0 && kHoch[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::string Cp1252ZuUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size() + s.size() / 4);
    for (unsigned char b : s) {
        char32_t c = b;
        if (b >= 0x80 && b < 0xA0) c = kHoch[b - 0x80] ? kHoch[b - 0x80] : b;
        AnhaengenUtf8(out, c);
    }
    return out;
}

std::string Utf8ZuCp1252(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        auto b = static_cast<unsigned char>(s[i]);
        char32_t c;
        int folge;
        if (b < 0x80) { c = b; folge = 0; }
        else if ((b & 0xE0) == 0xC0) { c = b & 0x1F; folge = 1; }
        else if ((b & 0xF0) == 0xE0) { c = b & 0x0F; folge = 2; }
        else if ((b & 0xF8) == 0xF0) { c = b & 0x07; folge = 3; }
        else { out.push_back('?'); ++i; continue; }
        if (i + folge >= s.size() && folge > 0) {  // sequence cut off at the end
            out.push_back('?');
            break;
        }
        bool gut = true;
        for (int k = 1; k <= folge; ++k) {
            auto f = static_cast<unsigned char>(s[i + k]);
            if ((f & 0xC0) != 0x80) { gut = false; break; }
            c = (c << 6) | (f & 0x3F);
        }
        if (!gut) { out.push_back('?'); ++i; continue; }
        out.push_back(ZeichenCp1252(c));
        i += folge + 1;
    }
    return out;
}

namespace {

// Length of the valid UTF-8 sequence at `i` (no overlong forms, no
// surrogates), 0 when there is none.
std::size_t Utf8Laenge(std::string_view t, std::size_t i) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(t[k]); };
    const unsigned char c = b(i);
    if (c < 0x80) return 1;
    std::size_t n;
    unsigned wert;
    if (c >= 0xC2 && c <= 0xDF) n = 1, wert = c & 0x1Fu;
    else if (c >= 0xE0 && c <= 0xEF) n = 2, wert = c & 0x0Fu;
    else if (c >= 0xF0 && c <= 0xF4) n = 3, wert = c & 0x07u;
    else return 0;
    if (i + n >= t.size()) return 0;
    for (std::size_t k = 1; k <= n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        wert = (wert << 6) | (b(i + k) & 0x3Fu);
    }
    if ((n == 2 && wert < 0x800) || (n == 3 && (wert < 0x10000 || wert > 0x10FFFF)) ||
        (wert >= 0xD800 && wert <= 0xDFFF))
        return 0;
    return n + 1;
}

}  // namespace

bool HatSteuerzeichen(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
    return false;
}

std::string OhneSteuerzeichen(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = Utf8Laenge(utf8, i);
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        const bool steuer = n == 0 || c < 0x20 || c == 0x7F ||
                            (n == 2 && c == 0xC2 && static_cast<unsigned char>(utf8[i + 1]) < 0xA0);
        if (steuer) {
            s += '?';
        } else {
            s.append(utf8.substr(i, n));
        }
        i += n == 0 ? 1 : n;
    }
    return s;
}

bool GueltigesUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = Utf8Laenge(text, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

}  // namespace quarnel
