// The result text as a text file: every line followed by CR LF, in the
// Windows ANSI code page or (SpeichernAnsi off) in the DOS code page.
#pragma once

#include <string>

#include "results/ergebnistext.h"

namespace quarnel {

enum class TextdateiFehler {
    Keiner,
    NichtErstellbar,  // the file could not be created: nothing was written
    Schreibfehler,    // created, but writing or closing failed
};

// The bytes of the file.
std::string ErgebnisAlsText(const ResultLines& zeilen, bool ansi);
// Creates (overwrites) the file at pfad.
TextdateiFehler ErgebnisSpeichern(const std::string& pfad, const ResultLines& zeilen, bool ansi);

}  // namespace quarnel
