#include "results/textdatei.h"

#include "calc/betrag.h"
#include "case/falldatei.h"
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
    const std::string text = ErgebnisAlsText(zeilen, kodierung);
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
