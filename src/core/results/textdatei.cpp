#include "results/textdatei.h"

#include <cstdio>

#include "calc/betrag.h"

namespace quarnel {

std::string ErgebnisAlsText(const ResultLines& zeilen, bool ansi) {
    std::string text;
    for (const std::string& z : zeilen) {
        text += ansi ? z : AnsiZuOem(z);
        text += "\r\n";
    }
    return text;
}

TextdateiFehler ErgebnisSpeichern(const std::string& pfad, const ResultLines& zeilen, bool ansi) {
    std::FILE* f = std::fopen(pfad.c_str(), "wb");
    if (!f) return TextdateiFehler::NichtErstellbar;
    const std::string text = ErgebnisAlsText(zeilen, ansi);
    const bool geschrieben = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    const bool geschlossen = std::fclose(f) == 0;
    return geschrieben && geschlossen ? TextdateiFehler::Keiner : TextdateiFehler::Schreibfehler;
}

}  // namespace quarnel
