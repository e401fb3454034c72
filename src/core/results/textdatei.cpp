#include "results/textdatei.h"

#include <cstdio>

#include "calc/betrag.h"
#include "case/zeichensatz.h"

namespace quarnel {

std::string ErgebnisAlsText(const ResultLines& zeilen, Textkodierung kodierung) {
    std::string text;
    for (const std::string& z : zeilen) {
        switch (kodierung) {
            case Textkodierung::Ansi:
                text += z;
                break;
            case Textkodierung::Dos:
                text += AnsiZuOem(z);
                break;
            case Textkodierung::Utf8:
                text += Cp1252ZuUtf8(z);
                break;
        }
        text += "\r\n";
    }
    return text;
}

TextdateiFehler ErgebnisSpeichern(const std::string& pfad, const ResultLines& zeilen,
                                  Textkodierung kodierung) {
    std::FILE* f = std::fopen(pfad.c_str(), "wb");
    if (!f) return TextdateiFehler::NichtErstellbar;
    const std::string text = ErgebnisAlsText(zeilen, kodierung);
    const bool geschrieben = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    const bool geschlossen = std::fclose(f) == 0;
    return geschrieben && geschlossen ? TextdateiFehler::Keiner : TextdateiFehler::Schreibfehler;
}

}  // namespace quarnel
