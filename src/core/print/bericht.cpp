#include "print/bericht.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>


namespace quarnel {

namespace {

constexpr std::string_view Kennung = "QRPB 1";
constexpr double PunktInMm = 25.4 / 72;

void Zahl(std::string& aus, double x) {
    char puffer[32];
    auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::fixed, 3);
    aus.append(puffer, fehler == std::errc{} ? ende : puffer);
    aus += ' ';
}

void Zeichenkette(std::string& aus, std::string_view s) {
    aus += std::to_string(s.size());
    aus += ':';
    aus += s;
}

// Reads the tagged lines back; every read checks the remaining bytes.
class Leser {
  public:
    explicit Leser(std::string_view d) : d_(d) {}
    bool Ende() const { return p_ >= d_.size(); }
    bool Zeichen(char c) {
        if (p_ < d_.size() && d_[p_] == c) {
            ++p_;
            return true;
        }
        return false;
    }
    std::optional<char> Marke() {
        if (p_ + 1 >= d_.size() || d_[p_ + 1] != ' ') return std::nullopt;
        char c = d_[p_];
        p_ += 2;
        return c;
    }
    std::optional<double> Zahl() {
        double x = 0;
        auto [ende, fehler] = std::from_chars(d_.data() + p_, d_.data() + d_.size(), x);
        if (fehler != std::errc{} || !std::isfinite(x)) return std::nullopt;
        // Kept to the written precision, so what is read writes back the same.
        x = std::round(x * 1000) / 1000;
        if (std::fabs(x) > 1e6) return std::nullopt;
        p_ = static_cast<std::size_t>(ende - d_.data());
        if (!Zeichen(' ')) return std::nullopt;
        return x;
    }
    std::optional<std::string> Kette() {
        std::size_t n = 0;
        auto [ende, fehler] = std::from_chars(d_.data() + p_, d_.data() + d_.size(), n);
        if (fehler != std::errc{}) return std::nullopt;
        p_ = static_cast<std::size_t>(ende - d_.data());
        if (!Zeichen(':') || n > d_.size() - p_) return std::nullopt;
        std::string s(d_.substr(p_, n));
        p_ += n;
        return s;
    }

  private:
    std::string_view d_;
    std::size_t p_ = 0;
};

}  // namespace

std::string BerichtAlsDaten(const Bericht& b) {
    std::string aus(Kennung);
    aus += ' ';
    Zahl(aus, b.breite);
    Zahl(aus, b.hoehe);
    aus += '\n';
    for (const Berichtsseite& s : b.seiten) {
        aus += "S\n";
        for (const Berichtselement& e : s.elemente) {
            switch (e.art) {
                case Berichtselement::Art::Schrift:
                    aus += "F ";
                    Zahl(aus, e.schrift.punkte);
                    aus += e.schrift.fett ? "1 " : "0 ";
                    aus += e.schrift.kursiv ? "1 " : "0 ";
                    Zeichenkette(aus, e.schrift.name);
                    break;
                case Berichtselement::Art::Text:
                    aus += "T ";
                    Zahl(aus, e.x);
                    Zahl(aus, e.y);
                    aus += e.rechts ? "1 " : "0 ";
                    Zeichenkette(aus, e.text);
                    break;
                case Berichtselement::Art::Linie:
                    aus += "L ";
                    Zahl(aus, e.x);
                    Zahl(aus, e.y);
                    Zahl(aus, e.x2);
                    Zahl(aus, e.y2);
                    Zahl(aus, e.staerke);
                    break;
                case Berichtselement::Art::Bild:
                    aus += "B ";
                    Zahl(aus, e.x);
                    Zahl(aus, e.y);
                    Zahl(aus, e.x2);
                    Zahl(aus, e.y2);
                    Zeichenkette(aus, e.text);
                    break;
            }
            aus += '\n';
        }
    }
    return aus;
}

std::optional<Bericht> BerichtAusDaten(std::string_view daten) {
    if (daten.substr(0, Kennung.size()) != Kennung) return std::nullopt;
    Leser l(daten.substr(Kennung.size()));
    Bericht b;
    if (!l.Zeichen(' ')) return std::nullopt;
    auto breite = l.Zahl();
    auto hoehe = l.Zahl();
    if (!breite || !hoehe || *breite < 1 || *hoehe < 1 || !l.Zeichen('\n')) return std::nullopt;
    b.breite = *breite;
    b.hoehe = *hoehe;
    while (!l.Ende()) {
        if (l.Zeichen('S')) {
            if (!l.Zeichen('\n')) return std::nullopt;
            b.seiten.emplace_back();
            continue;
        }
        if (b.seiten.empty()) return std::nullopt;
        auto marke = l.Marke();
        if (!marke) return std::nullopt;
        Berichtselement e;
        auto schalter = [&l](bool& ziel) {
            if (l.Zeichen('1')) ziel = true;
            else if (!l.Zeichen('0')) return false;
            return l.Zeichen(' ');
        };
        auto zahlen = [&l](std::initializer_list<double*> ziele) {
            for (double* z : ziele) {
                auto x = l.Zahl();
                if (!x) return false;
                *z = *x;
            }
            return true;
        };
        bool gut = false;
        switch (*marke) {
            case 'F': {
                e.art = Berichtselement::Art::Schrift;
                auto name = std::optional<std::string>();
                gut = zahlen({&e.schrift.punkte}) && e.schrift.punkte >= 1 &&
                      schalter(e.schrift.fett) && schalter(e.schrift.kursiv) &&
                      (name = l.Kette()).has_value();
                if (gut) e.schrift.name = *name;
                break;
            }
            case 'T': {
                e.art = Berichtselement::Art::Text;
                auto text = std::optional<std::string>();
                gut = zahlen({&e.x, &e.y}) && schalter(e.rechts) && (text = l.Kette()).has_value();
                if (gut) e.text = *text;
                break;
            }
            case 'L':
                e.art = Berichtselement::Art::Linie;
                gut = zahlen({&e.x, &e.y, &e.x2, &e.y2, &e.staerke}) && e.staerke >= 0;
                break;
            case 'B': {
                e.art = Berichtselement::Art::Bild;
                auto pfad = std::optional<std::string>();
                gut = zahlen({&e.x, &e.y, &e.x2, &e.y2}) && (pfad = l.Kette()).has_value();
                if (gut) e.text = *pfad;
                break;
            }
            default:
                break;
        }
        if (!gut || !l.Zeichen('\n')) return std::nullopt;
        b.seiten.back().elemente.push_back(std::move(e));
    }
    return b;
}

bool BerichtSpeichern(const std::string& pfad, const Bericht& b) {
    std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
    const std::string d = BerichtAlsDaten(b);
    f.write(d.data(), static_cast<std::streamsize>(d.size()));
    f.close();
    return static_cast<bool>(f);
}

std::optional<Bericht> BerichtLaden(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    if (!f) return std::nullopt;
    std::string d((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (f.bad()) return std::nullopt;
    return BerichtAusDaten(d);
}

// --- the fixed-pitch estimate ---------------------------------------------------------

double Rastermass::Breite(const Druckschrift& s, std::string_view t) const {
    return 0.6 * s.punkte * PunktInMm * static_cast<double>(t.size());
}
double Rastermass::Zeilenhoehe(const Druckschrift& s) const { return 1.18 * s.punkte * PunktInMm; }
double Rastermass::Oberlaenge(const Druckschrift& s) const { return 0.9 * s.punkte * PunktInMm; }

// --- the writer -------------------------------------------------------------------------

Berichtschreiber::Berichtschreiber(const Textmass& mass, Bericht& ziel) : mass_(mass), ziel_(ziel) {}

void Berichtschreiber::SetzeRaender(double links, double rechts, double oben, double unten) {
    links_ = std::max(0.0, links);
    rechts_ = std::max(0.0, rechts);
    oben_ = std::max(0.0, oben);
    unten_ = std::max(0.0, unten);
}

void Berichtschreiber::SetzeSchrift(const Druckschrift& s) {
    schrift_ = s;
    if (offen_) {
        Berichtselement e;
        e.art = Berichtselement::Art::Schrift;
        e.schrift = s;
        Aktuell().elemente.push_back(std::move(e));
    }
}

Berichtsseite& Berichtschreiber::Aktuell() {
    if (ziel_.seiten.empty()) ziel_.seiten.emplace_back();
    return ziel_.seiten.back();
}

void Berichtschreiber::Beginnen() {
    ziel_.seiten.emplace_back();
    ++seite_;
    offen_ = true;
    // Every page names its font, so any page can be played on its own.
    SetzeSchrift(schrift_);
    Home();
    if (kopf) {
        const Druckschrift s = schrift_;
        kopf(*this);
        if (!(schrift_ == s)) SetzeSchrift(s);
    }
    Home();
}

void Berichtschreiber::Beenden() {
    if (!offen_) Beginnen();
    if (fuss) fuss(*this);
    offen_ = false;
}

void Berichtschreiber::NeueSeite() {
    Beenden();
    Beginnen();
}

void Berichtschreiber::Home() { zeile_ = 0; }

void Berichtschreiber::Zeilenumbruch() { ++zeile_; }

double Berichtschreiber::RechtsCm() const { return std::max(links_, PapierBreiteCm() - rechts_); }
double Berichtschreiber::UntenCm() const { return std::max(oben_, PapierHoeheCm() - unten_); }
double Berichtschreiber::ZeilenhoeheCm() const { return mass_.Zeilenhoehe(schrift_) / 10; }
double Berichtschreiber::OberlaengeCm() const { return mass_.Oberlaenge(schrift_) / 10; }

int Berichtschreiber::ZeilenUebrig() const {
    const double h = ZeilenhoeheCm();
    if (h <= 0) return 0;
    const double frei = UntenCm() - (oben_ + zeile_ * h);
    return std::max(0, static_cast<int>(std::floor(frei / h + 1e-9)));
}

void Berichtschreiber::Text(std::string_view t) { TextBei(links_, t, false); }

void Berichtschreiber::TextBei(double xCm, std::string_view t, bool rechts) {
    TextAn(xCm, oben_ + zeile_ * ZeilenhoeheCm() + OberlaengeCm(), t, rechts);
}

double Berichtschreiber::TextBreiteCm(std::string_view t) const {
    return mass_.Breite(schrift_, t) / 10;
}

void Berichtschreiber::TextAn(double xCm, double grundlinieCm, std::string_view t, bool rechts) {
    if (t.empty()) return;
    Berichtselement e;
    e.art = Berichtselement::Art::Text;
    e.x = xCm * 10;
    e.y = grundlinieCm * 10;
    e.rechts = rechts;
    e.text = std::string(t);
    Aktuell().elemente.push_back(std::move(e));
}

void Berichtschreiber::Linie(double x1, double y1, double x2, double y2, double staerkeMm) {
    Berichtselement e;
    e.art = Berichtselement::Art::Linie;
    e.x = x1 * 10;
    e.y = y1 * 10;
    e.x2 = x2 * 10;
    e.y2 = y2 * 10;
    e.staerke = staerkeMm;
    Aktuell().elemente.push_back(std::move(e));
}

void Berichtschreiber::Bild(const std::string& pfad, double x, double y, double b, double h) {
    Berichtselement e;
    e.art = Berichtselement::Art::Bild;
    e.x = x * 10;
    e.y = y * 10;
    e.x2 = b * 10;
    e.y2 = h * 10;
    e.text = pfad;
    Aktuell().elemente.push_back(std::move(e));
}

Seitenbereich BereichBegrenzen(int von, int bis, int seiten) {
    seiten = std::max(1, seiten);
    von = std::clamp(von, 1, seiten);
    bis = std::clamp(bis, von, seiten);
    return {von, bis};
}

}  // namespace quarnel
