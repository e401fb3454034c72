#include "results/textdatei.h"

#include "calc/betrag.h"
#include "case/falldatei.h"

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
    const std::string text = ErgebnisAlsText(zeilen, ansi);
    switch (BerichtSchreiben(pfad, text)) {
        case Speicherfehler::Keiner:
            return TextdateiFehler::Keiner;
        case Speicherfehler::Schreibfehler:
            return TextdateiFehler::Schreibfehler;
        default:
            return TextdateiFehler::NichtErstellbar;
    }
}

}  // namespace quarnel
