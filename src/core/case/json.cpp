#include "case/json.h"

#include <cstdint>
#include <cstdio>
#include <unordered_set>

namespace quarnel {
namespace {

class Leser {
  public:
    Leser(std::string_view t, const JsonGrenzen& g) : t_(t), grenzen_(g) {}

    JsonErgebnis Alles() {
        JsonErgebnis e;
        Leer();
        if (!Wert(e.wert, 0)) {
            e.fehler = fehler_;
            return e;
        }
        Leer();
        if (p_ != t_.size()) {
            Fehler("unerwartete Zeichen nach dem Ende");
            e.fehler = fehler_;
            return e;
        }
        e.ok = true;
        return e;
    }

  private:
    bool Fehler(const char* was) {
        if (fehler_.empty())
            fehler_ = std::string("JSON-Fehler an Stelle ") + std::to_string(p_) + ": " + was;
        return false;
    }
    void Leer() {
        while (p_ < t_.size() &&
               (t_[p_] == ' ' || t_[p_] == '\t' || t_[p_] == '\n' || t_[p_] == '\r'))
            ++p_;
    }
    bool Wort(std::string_view w) {
        if (t_.substr(p_, w.size()) != w) return Fehler("unbekanntes Wort");
        p_ += w.size();
        return true;
    }

    // One more value or key; false beyond the limit.
    bool Zaehlen() {
        if (++anzahl_ > grenzen_.elemente) return Fehler("zu viele Elemente");
        return true;
    }

    bool Wert(JsonWert& w, int tiefe) {
        if (tiefe >= JsonHoechsteTiefe) return Fehler("zu tief verschachtelt");
        if (p_ >= t_.size()) return Fehler("Wert fehlt");
        if (!Zaehlen()) return false;
        if ((t_[p_] == '[' || t_[p_] == '{') && tiefe >= grenzen_.tiefe)
            return Fehler(tiefe == 0 ? "Listen und Objekte sind hier nicht erlaubt"
                                     : "verschachtelte Listen und Objekte sind nicht erlaubt");
        char c = t_[p_];
        switch (c) {
            case 'n':
                w.art = JsonWert::Art::Null;
                return Wort("null");
            case 't':
                w.art = JsonWert::Art::Wahrheit;
                w.wahrheit = true;
                return Wort("true");
            case 'f':
                w.art = JsonWert::Art::Wahrheit;
                return Wort("false");
            case '"':
                w.art = JsonWert::Art::Text;
                return Zeichenkette(w.text);
            case '[':
                return Liste(w, tiefe);
            case '{':
                return Objekt(w, tiefe);
            default:
                if (c == '-' || (c >= '0' && c <= '9')) return Zahl(w);
                return Fehler("Wert erwartet");
        }
    }

    bool Ziffern() {
        std::size_t a = p_;
        while (p_ < t_.size() && t_[p_] >= '0' && t_[p_] <= '9') ++p_;
        return p_ > a;
    }

    bool Zahl(JsonWert& w) {
        std::size_t a = p_;
        if (t_[p_] == '-') ++p_;
        if (p_ < t_.size() && t_[p_] == '0') {
            ++p_;
        } else if (!Ziffern()) {
            return Fehler("Ziffer erwartet");
        }
        if (p_ < t_.size() && t_[p_] == '.') {
            ++p_;
            if (!Ziffern()) return Fehler("Ziffer nach dem Punkt erwartet");
        }
        if (p_ < t_.size() && (t_[p_] == 'e' || t_[p_] == 'E')) {
            ++p_;
            if (p_ < t_.size() && (t_[p_] == '+' || t_[p_] == '-')) ++p_;
            if (!Ziffern()) return Fehler("Ziffer im Exponenten erwartet");
        }
        w.art = JsonWert::Art::Zahl;
        w.text = std::string(t_.substr(a, p_ - a));
        return true;
    }

    int Hex4() {
        if (p_ + 4 > t_.size()) return -1;
        int v = 0;
        for (int i = 0; i < 4; ++i) {
            char c = t_[p_++];
            v <<= 4;
            if (c >= '0' && c <= '9')
                v |= c - '0';
            else if (c >= 'a' && c <= 'f')
                v |= c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                v |= c - 'A' + 10;
            else
                return -1;
        }
        return v;
    }

    static void Utf8(std::string& s, uint32_t c) {
        if (c < 0x80) {
            s += static_cast<char>(c);
        } else if (c < 0x800) {
            s += static_cast<char>(0xC0 | (c >> 6));
            s += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            s += static_cast<char>(0xE0 | (c >> 12));
            s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            s += static_cast<char>(0xF0 | (c >> 18));
            s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    // One UTF-8 sequence of the source, checked (no overlong forms, no surrogates).
    bool Utf8Folge(std::string& s) {
        auto b = [&](std::size_t i) { return static_cast<uint8_t>(t_[i]); };
        uint8_t c = b(p_);
        int n;
        uint32_t wert;
        if (c >= 0xC2 && c <= 0xDF)
            n = 1, wert = c & 0x1F;
        else if (c >= 0xE0 && c <= 0xEF)
            n = 2, wert = c & 0x0F;
        else if (c >= 0xF0 && c <= 0xF4)
            n = 3, wert = c & 0x07;
        else
            return Fehler("ungültiges UTF-8");
        if (p_ + n >= t_.size()) return Fehler("ungültiges UTF-8");
        for (int i = 1; i <= n; ++i) {
            if ((b(p_ + i) & 0xC0) != 0x80) return Fehler("ungültiges UTF-8");
            wert = (wert << 6) | (b(p_ + i) & 0x3F);
        }
        if ((n == 2 && wert < 0x800) || (n == 3 && (wert < 0x10000 || wert > 0x10FFFF)) ||
            (wert >= 0xD800 && wert <= 0xDFFF))
            return Fehler("ungültiges UTF-8");
        s.append(t_.substr(p_, n + 1));
        p_ += n + 1;
        return true;
    }

    bool Zeichenkette(std::string& s) {
        ++p_;  // the opening quote
        s.clear();
        while (true) {
            if (p_ >= t_.size()) return Fehler("Zeichenkette nicht beendet");
            char c = t_[p_];
            if (c == '"') {
                ++p_;
                return true;
            }
            if (static_cast<uint8_t>(c) < 0x20) return Fehler("Steuerzeichen in Zeichenkette");
            if (static_cast<uint8_t>(c) >= 0x80) {
                if (!Utf8Folge(s)) return false;
                continue;
            }
            if (c != '\\') {
                s += c;
                ++p_;
                continue;
            }
            if (++p_ >= t_.size()) return Fehler("Zeichenkette nicht beendet");
            char e = t_[p_++];
            switch (e) {
                case '"':
                    s += '"';
                    break;
                case '\\':
                    s += '\\';
                    break;
                case '/':
                    s += '/';
                    break;
                case 'b':
                    s += '\b';
                    break;
                case 'f':
                    s += '\f';
                    break;
                case 'n':
                    s += '\n';
                    break;
                case 'r':
                    s += '\r';
                    break;
                case 't':
                    s += '\t';
                    break;
                case 'u': {
                    int h = Hex4();
                    if (h < 0) return Fehler("ungültige \\u-Folge");
                    uint32_t cp = static_cast<uint32_t>(h);
                    if (cp >= 0xDC00 && cp <= 0xDFFF) return Fehler("ungültige \\u-Folge");
                    if (cp >= 0xD800 && cp <= 0xDBFF) {
                        if (t_.substr(p_, 2) != "\\u") return Fehler("ungültige \\u-Folge");
                        p_ += 2;
                        int l = Hex4();
                        if (l < 0xDC00 || l > 0xDFFF) return Fehler("ungültige \\u-Folge");
                        cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<uint32_t>(l) - 0xDC00);
                    }
                    Utf8(s, cp);
                    break;
                }
                default:
                    return Fehler("ungültige Escape-Folge");
            }
        }
    }

    bool Liste(JsonWert& w, int tiefe) {
        w.art = JsonWert::Art::Liste;
        ++p_;
        Leer();
        if (p_ < t_.size() && t_[p_] == ']') {
            ++p_;
            return true;
        }
        while (true) {
            Leer();
            w.liste.emplace_back();
            if (!Wert(w.liste.back(), tiefe + 1)) return false;
            Leer();
            if (p_ >= t_.size()) return Fehler("']' fehlt");
            if (t_[p_] == ']') {
                ++p_;
                return true;
            }
            if (t_[p_] != ',') return Fehler("',' oder ']' erwartet");
            ++p_;
        }
    }

    // Once the object is complete its keys no longer move: one pass over
    // views of them finds a duplicate in linear time.
    bool OhneDoppelteSchluessel(const std::vector<JsonEintrag>& eintraege) {
        if (eintraege.size() < 2) return true;
        std::unordered_set<std::string_view> gesehen;
        gesehen.reserve(eintraege.size());
        for (const JsonEintrag& e : eintraege)
            if (!gesehen.insert(e.schluessel).second) return Fehler("Schlüssel doppelt");
        return true;
    }

    bool Objekt(JsonWert& w, int tiefe) {
        w.art = JsonWert::Art::Objekt;
        ++p_;
        Leer();
        if (p_ < t_.size() && t_[p_] == '}') {
            ++p_;
            return true;
        }
        while (true) {
            Leer();
            if (p_ >= t_.size() || t_[p_] != '"') return Fehler("Schlüssel erwartet");
            std::string schluessel;
            if (!Zaehlen() || !Zeichenkette(schluessel)) return false;
            Leer();
            if (p_ >= t_.size() || t_[p_] != ':') return Fehler("':' erwartet");
            ++p_;
            Leer();
            w.objekt.push_back(JsonEintrag{std::move(schluessel), JsonWert{}});
            if (!Wert(w.objekt.back().wert, tiefe + 1)) return false;
            Leer();
            if (p_ >= t_.size()) return Fehler("'}' fehlt");
            if (t_[p_] == '}') {
                ++p_;
                return OhneDoppelteSchluessel(w.objekt);
            }
            if (t_[p_] != ',') return Fehler("',' oder '}' erwartet");
            ++p_;
        }
    }

    std::string_view t_;
    JsonGrenzen grenzen_;
    std::size_t p_ = 0;
    std::size_t anzahl_ = 0;
    std::string fehler_;
};

}  // namespace

JsonErgebnis JsonLesen(std::string_view text, const JsonGrenzen& grenzen) {
    return Leser(text, grenzen).Alles();
}

std::string JsonZeichenkette(std::string_view utf8) {
    std::string s = "\"";
    for (char c : utf8) {
        switch (c) {
            case '"':
                s += "\\\"";
                break;
            case '\\':
                s += "\\\\";
                break;
            case '\n':
                s += "\\n";
                break;
            case '\r':
                s += "\\r";
                break;
            case '\t':
                s += "\\t";
                break;
            default:
                if (static_cast<uint8_t>(c) < 0x20) {
                    char b[8];
                    std::snprintf(b, sizeof b, "\\u%04x", static_cast<unsigned>(c));
                    s += b;
                } else {
                    s += c;
                }
        }
    }
    s += '"';
    return s;
}

}  // namespace quarnel
