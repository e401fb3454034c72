// The result text as a text file: every line followed by CR LF, in the
// Windows ANSI code page, the DOS code page (SpeichernAnsi off) or UTF-8
// (SpeichernUtf8, for today's editors).
#pragma once

#include <string>

#include "results/ergebnistext.h"

namespace quarnel {

enum class TextdateiFehler {
    Keiner,
    NichtErstellbar,  // the file could not be created: nothing was written
    Schreibfehler,    // created, but writing or closing failed
};

enum class Textkodierung { Ansi, Dos, Utf8 };

// The bytes of the file.
std::string ErgebnisAlsText(const ResultLines& zeilen, Textkodierung kodierung);
// Creates (overwrites) the file at pfad.
TextdateiFehler ErgebnisSpeichern(const std::string& pfad, const ResultLines& zeilen,
                                  Textkodierung kodierung);
// ANSI, or DOS when `ansi` is off.
inline TextdateiFehler ErgebnisSpeichern(const std::string& pfad, const ResultLines& zeilen,
                                         bool ansi) {
    return ErgebnisSpeichern(pfad, zeilen, ansi ? Textkodierung::Ansi : Textkodierung::Dos);
}

}  // namespace quarnel
