// The case password: a plain-text String[10] of the case record. Setting it
// keeps the first entry as typed (cut to 10 characters, blanks kept); asking
// for it compares both sides without surrounding blanks, case-sensitively.
#pragma once

#include <string>
#include <string_view>

namespace quarnel {

constexpr int PasswortLaenge = 10;
// The entry fields of both password dialogs take this many characters.
constexpr int PasswortEingabeLaenge = 15;

// Without leading and trailing blanks and control characters.
std::string_view PasswortGetrimmt(std::string_view s);

enum class PasswortWahl { Abweichend, Gesetzt, Entfernt };
// The outcome of the set-password dialog's "&Ende" for two entries (Windows-1252).
PasswortWahl PasswortBewerten(std::string_view eingabe1, std::string_view eingabe2);
// What is stored: the first entry cut to 10 characters, not trimmed.
std::string PasswortZumSpeichern(std::string_view eingabe1);
// The ask-password dialog's test of an entry against the stored password.
bool PasswortPasst(std::string_view eingabe, std::string_view gespeichert);

}  // namespace quarnel
