#include "shell/notiz.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "calc/betrag.h"
#include "case/zeichensatz.h"

namespace quarnel {
namespace {

constexpr std::size_t kTextAnfang = 3;
constexpr std::size_t kTextPlatz = Notizblock::EintragGroesse - kTextAnfang;  // with the zero

// Windows-1252 with CR LF from UTF-8 with any line ends.
std::string ZuTabelle(std::string_view utf8) {
    std::string ein;
    ein.reserve(utf8.size() + 16);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r') {
            ein += "\r\n";
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
        } else if (utf8[i] == '\n') {
            ein += "\r\n";
        } else {
            ein += utf8[i];
        }
    }
    return Utf8ZuCp1252(ein);
}

// Length of the UTF-8 sequence that starts with byte c.
std::size_t Sequenz(unsigned char c) {
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) return 2;
    if ((c & 0xF0) == 0xE0) return 3;
    if ((c & 0xF8) == 0xF0) return 4;
    return 1;
}

}  // namespace

std::size_t NotizBytes(std::string_view utf8) {
    return ZuTabelle(utf8).size();
}

std::string NotizKuerzen(std::string_view utf8) {
    std::size_t bytes = 0, i = 0;
    while (i < utf8.size()) {
        std::size_t laenge = Sequenz(static_cast<unsigned char>(utf8[i]));
        std::size_t kosten = 1;
        if (utf8[i] == '\r' || utf8[i] == '\n') {
            kosten = 2;
            if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') laenge = 2;
        }
        laenge = std::min(laenge, utf8.size() - i);
        if (bytes + kosten > static_cast<std::size_t>(Notizblock::MaxZeichen)) break;
        bytes += kosten;
        i += laenge;
    }
    return std::string(utf8.substr(0, i));
}

std::string NotizLesen(const Notizblock& notizen, int n) {
    if (n < 1 || n > Notizblock::Eintraege) return {};
    const char* text = reinterpret_cast<const char*>(notizen.Eintrag(n) + kTextAnfang);
    const std::string_view roh(text, strnlen(text, kTextPlatz));
    std::string aus;
    aus.reserve(roh.size());
    for (std::size_t i = 0; i < roh.size(); ++i) {
        if (roh[i] == '\r') {
            aus += '\n';
            if (i + 1 < roh.size() && roh[i + 1] == '\n') ++i;
        } else {
            aus += roh[i];
        }
    }
    return Cp1252ZuUtf8(aus);
}

NotizOeffnung NotizOeffnen(const Notizblock& notizen, int bereich, int seite) {
    NotizOeffnung o;
    o.eintrag = NotizSuchen(notizen, bereich, seite);
    const uint8_t* e = o.eintrag ? notizen.Eintrag(o.eintrag) : nullptr;
    if (e && e[0] == bereich && e[1] == seite) o.text = NotizLesen(notizen, o.eintrag);
    return o;
}

NotizErgebnis NotizSpeichern(CaseRecord& r, Notizblock& notizen, int bereich, int seite,
                             std::string_view utf8) {
    const int n = NotizSuchen(notizen, bereich, seite);
    if (utf8.empty()) {
        if (n) {
            uint8_t* e = notizen.Eintrag(n);
            if (e[0] == bereich && e[1] == seite) {
                std::memset(e, 0, Notizblock::EintragGroesse);
                e[2] = 1;
            }
        }
        SeitenmerkerLoeschen(r, SM_Notiz, bereich, seite);
        return NotizErgebnis::Freigegeben;
    }
    if (n == 0) return NotizErgebnis::KeinPlatz;
    std::string text = ZuTabelle(NotizKuerzen(utf8));
    // Invalid UTF-8 may take more bytes than counted: the limit holds anyway.
    if (text.size() > static_cast<std::size_t>(Notizblock::MaxZeichen)) {
        text.resize(Notizblock::MaxZeichen);
        if (text.back() == '\r') text.pop_back();
    }
    uint8_t* e = notizen.Eintrag(n);
    std::memset(e, 0, Notizblock::EintragGroesse);
    e[0] = static_cast<uint8_t>(bereich);
    e[1] = static_cast<uint8_t>(seite);
    e[2] = 1;
    std::memcpy(e + kTextAnfang, text.data(), text.size());
    SeitenmerkerSetzen(r, SM_Notiz, bereich, seite);
    return NotizErgebnis::Gespeichert;
}

std::string NotizBelegtText(std::string_view utf8) {
    return "Belegt: " + FormatMaske("###%", std::round(NotizBytes(utf8) / 15.0));
}

std::string NotizZeilenText(int zeilen) {
    return "Zeilen: " + FormatMaske("###", zeilen) + " von 200";
}

std::string NotizTitel(int eintrag) {
    return FormatMaske("##", eintrag) + ". Notiz ";
}

}  // namespace quarnel
