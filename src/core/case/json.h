// A small JSON reader and writer for the case export and import. The reader
// takes any byte sequence: it either returns a value or a German error text,
// never more than the nesting limit deep, and only valid UTF-8 in strings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quarnel {

struct JsonEintrag;

struct JsonWert {
    enum class Art { Null, Wahrheit, Zahl, Text, Liste, Objekt };
    Art art = Art::Null;
    bool wahrheit = false;
    std::string text;  // a string (UTF-8), or a number exactly as written
    std::vector<JsonWert> liste;
    std::vector<JsonEintrag> objekt;  // in the order of the text
};

struct JsonEintrag {
    std::string schluessel;
    JsonWert wert;
};

struct JsonErgebnis {
    bool ok = false;
    JsonWert wert;
    std::string fehler;  // German, with the byte position
};

constexpr int JsonHoechsteTiefe = 64;

// What a reader takes, checked while it reads (before a tree grows): lists
// and objects at most `tiefe` levels deep (1: one list or object of plain
// values), and at most `elemente` values and keys in all.
struct JsonGrenzen {
    int tiefe = JsonHoechsteTiefe;
    std::size_t elemente = 1'000'000;
};

// Reads exactly one JSON value (surrounding white space allowed).
// Duplicate keys in one object are an error.
JsonErgebnis JsonLesen(std::string_view text, const JsonGrenzen& grenzen = {});

// The JSON string literal of a UTF-8 text, with quotes.
std::string JsonZeichenkette(std::string_view utf8);

}  // namespace quarnel
