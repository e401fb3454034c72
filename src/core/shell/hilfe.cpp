#include "shell/hilfe.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>

namespace quarnel {
namespace fs = std::filesystem;

namespace {

std::string Gross(std::string_view s) {
    std::string g(s);
    for (char& c : g) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return g;
}

bool GleichOhneGrossKlein(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

bool IstDatei(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

bool HatSteuerzeichen(std::string_view s) {
    return std::any_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

std::vector<std::string> Teile(std::string_view pfad) {
    std::vector<std::string> teile;
    std::size_t a = 0;
    while (a <= pfad.size()) {
        std::size_t e = pfad.find('/', a);
        if (e == std::string_view::npos) e = pfad.size();
        if (e > a) teile.emplace_back(pfad.substr(a, e - a));
        a = e + 1;
    }
    return teile;
}

// The check report's name: "HTM" … ".htm" in any case.
bool IstBerichtName(std::string_view name) {
    const std::string g = Gross(name);
    return g.size() > 7 && g.starts_with("HTM") && g.ends_with(".HTM");
}

std::string OhneSchraegstrich(std::string s) {
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

// Whether `pfad` (lexically normal, absolute) is `ort` or lies below it.
bool Unter(const fs::path& pfad, const std::string& ort) {
    if (ort.empty()) return false;
    std::error_code ec;
    fs::path basis = fs::weakly_canonical(fs::path(OhneSchraegstrich(ort)), ec);
    if (ec) return false;
    fs::path p = fs::weakly_canonical(pfad, ec);
    if (ec) return false;
    auto [b, q] = std::mismatch(basis.begin(), basis.end(), p.begin(), p.end());
    return b == basis.end();
}

// The upper-cased extension with its point, cut to five characters.
std::string EndungVon(const std::string& pfad) {
    const std::string name = fs::path(pfad).filename().string();
    const std::size_t punkt = name.rfind('.');
    if (punkt == std::string::npos || punkt == 0) return {};
    return Gross(name.substr(punkt, 5));
}

constexpr std::array kProgramme = {".EXE", ".COM", ".BAT", ".CMD", ".PIF", ".SCR", ".MSI",
                                   ".VBS", ".VBE", ".JS",  ".JSE", ".WSF", ".WSH", ".PS1",
                                   ".SH",  ".LNK", ".CPL", ".HTA", ".JAR", ".DESK", ".REG",
                                   ".DLL", ".APP", ".RUN", ".BIN", ".APPI", ".PY", ".PL",
                                   ".MSC", ".INF", ".URL", ".SCF"};
constexpr std::array kMedien = {".MID", ".MIDI", ".AVI",  ".MP3", ".MPG", ".MPEG", ".MP4",
                                ".OGG", ".TXT",  ".PDF",  ".JPG", ".JPEG", ".GIF", ".PNG",
                                ".BMP", ".RTF"};

template <std::size_t N>
bool EnthaeltEndung(const std::array<const char*, N>& liste, const std::string& endung) {
    return std::any_of(liste.begin(), liste.end(), [&](const char* e) { return endung == e; });
}

}  // namespace

std::optional<std::string> HilfeRelativPfad(std::string_view name) {
    if (name.empty() || name.size() > MaxHilfeLinkLaenge || HatSteuerzeichen(name)) return {};
    std::string p(name);
    std::replace(p.begin(), p.end(), '\\', '/');
    if (p.front() == '/' || (p.size() >= 2 && p[1] == ':')) return {};
    std::string ergebnis;
    for (const std::string& t : Teile(p)) {
        if (t == "..") return {};
        if (t == ".") continue;
        if (!ergebnis.empty()) ergebnis += '/';
        ergebnis += t;
    }
    if (ergebnis.empty()) return {};
    if (Gross(ergebnis).find(".HTM") == std::string::npos) ergebnis += ".htm";
    return ergebnis;
}

std::optional<std::string> DateiOhneGrossKlein(const std::string& basis, std::string_view relativ) {
    fs::path p = basis.empty() ? fs::path(".") : fs::path(basis);
    if (IstDatei(p / std::string(relativ))) return (p / std::string(relativ)).string();
    for (const std::string& teil : Teile(relativ)) {
        if (teil == "..") return {};
        std::error_code ec;
        if (fs::exists(p / teil, ec)) {
            p /= teil;
            continue;
        }
        bool gefunden = false;
        for (fs::directory_iterator it(p, ec), ende; !ec && it != ende; it.increment(ec)) {
            if (GleichOhneGrossKlein(it->path().filename().string(), teil)) {
                p = it->path();
                gefunden = true;
                break;
            }
        }
        if (!gefunden) return {};
    }
    if (!IstDatei(p)) return {};
    return p.string();
}

std::optional<std::string> HilfeAufloesen(const HilfeOrte& orte, std::string_view name) {
    const std::optional<std::string> rel = HilfeRelativPfad(name);
    if (!rel) return {};
    const std::string datei = fs::path(*rel).filename().string();
    if (!orte.bericht.empty() && IstBerichtName(datei))
        if (auto p = DateiOhneGrossKlein(orte.bericht, datei)) return p;
    return DateiOhneGrossKlein(orte.hilfe, *rel);
}

bool InHilfeOrten(const HilfeOrte& orte, const std::string& pfad) {
    const fs::path p(pfad);
    if (Unter(p, orte.hilfe)) return true;
    // In the report place only the report itself, never a neighbour of it.
    return IstBerichtName(p.filename().string()) && Unter(p.parent_path(), orte.bericht) &&
           Unter(orte.bericht, p.parent_path().string());
}

bool AdresseMitSchema(std::string_view s) {
    const auto doppelpunkt = s.find(':');
    if (doppelpunkt == std::string_view::npos || doppelpunkt < 2) return false;  // "C:\…" is a path
    auto buchstabe = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (!buchstabe(s.front())) return false;
    for (char c : s.substr(0, doppelpunkt))
        if (!buchstabe(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.')
            return false;
    return true;
}

Verweis VerweisEinordnen(std::string_view link, const std::string& gezeigt, const HilfeOrte& orte) {
    Verweis v;
    if (link.size() > MaxHilfeLinkLaenge || HatSteuerzeichen(link)) return v;
    while (!link.empty() && link.front() == ' ') link.remove_prefix(1);
    while (!link.empty() && link.back() == ' ') link.remove_suffix(1);
    if (link.empty()) return v;
    const std::string gross = Gross(link);

    // An address: a ':' after the second character, and not a file: link.
    const std::size_t doppelpunkt = link.find(':');
    if (doppelpunkt != std::string_view::npos && doppelpunkt >= 2 &&
        gross.find("FILE:") == std::string::npos) {
        v.adresse = std::string(link);
        if (gross.starts_with("MAILTO:"))
            v.art = LinkArt::Mail;
        else if (gross.starts_with("HTTP://") || gross.starts_with("HTTPS://"))
            v.art = LinkArt::Web;
        else
            v.art = LinkArt::Fremdadresse;
        if (link.find(' ') != std::string_view::npos) v.art = LinkArt::Fremdadresse;
        return v;
    }

    // A file link: "file:" goes, the parameter text is cut off.
    std::string l(link);
    if (gross.starts_with("FILE:")) {
        l.erase(0, 5);
        if (l.starts_with("//")) l.erase(0, 2);
        if (Gross(l).starts_with("LOCALHOST/")) l.erase(0, 9);
    }
    std::size_t schnitt = l.find(' ');
    if (schnitt == std::string::npos) schnitt = l.find('?');
    if (schnitt != std::string::npos) {
        v.parameter = l.substr(schnitt + 1);
        l.erase(schnitt);
    }
    if (const std::size_t raute = l.find('#'); raute != std::string::npos) {
        v.anker = l.substr(raute + 1);
        l.erase(raute);
    }
    std::replace(l.begin(), l.end(), '\\', '/');
    if (l.empty()) {
        if (!v.anker.empty()) v.art = LinkArt::Anker;
        return v;
    }
    v.seite = l;
    v.endung = EndungVon(l);
    if (EnthaeltEndung(kProgramme, v.endung)) {
        v.art = LinkArt::Programm;
        return v;
    }
    if (l.size() >= 2 && l[1] == ':') return v;  // a drive letter: no such place here

    // Expanded relative to the shown page; a link of the check report, which
    // is addressed as a page of "std", also relative to that folder.
    auto erweitern = [&](const fs::path& basis) -> std::optional<std::string> {
        const fs::path voll = (l.front() == '/' ? fs::path(l) : basis / l).lexically_normal();
        if (IstDatei(voll)) return voll.string();
        const fs::path hilfe = fs::path(OhneSchraegstrich(orte.hilfe)).lexically_normal();
        const fs::path rel = voll.lexically_relative(hilfe);
        if (!orte.hilfe.empty() && !rel.empty() && *rel.begin() != "..")
            if (auto p = DateiOhneGrossKlein(orte.hilfe, rel.string())) return p;
        return {};
    };
    const fs::path seiteOrdner = fs::path(gezeigt).parent_path();
    std::optional<std::string> datei = erweitern(seiteOrdner);
    if (!datei && !orte.bericht.empty() && IstBerichtName(fs::path(gezeigt).filename().string()))
        datei = erweitern(fs::path(orte.hilfe) / "std");
    v.datei = datei ? *datei : (l.front() == '/' ? fs::path(l) : seiteOrdner / l).lexically_normal().string();
    v.endung = EndungVon(v.datei);
    if (!datei || !InHilfeOrten(orte, *datei)) return v;  // missing or outside: refused
    if (v.endung.starts_with(".HTM"))
        v.art = LinkArt::Seite;
    else if (v.endung == ".WAV")
        v.art = LinkArt::Klang;
    else if (EnthaeltEndung(kMedien, v.endung))
        v.art = LinkArt::Medien;
    return v;
}

// --- history ------------------------------------------------------------------------------

void HilfeVerlauf::Besuchen(Eintrag e) {
    eintraege_.erase(eintraege_.begin(), eintraege_.begin() + static_cast<std::ptrdiff_t>(index_));
    eintraege_.insert(eintraege_.begin(), std::move(e));
    if (eintraege_.size() > Max) eintraege_.resize(Max);
    index_ = 0;
}

void HilfeVerlauf::TitelSetzen(std::string titel) {
    if (index_ < eintraege_.size()) eintraege_[index_].titel = std::move(titel);
}

const HilfeVerlauf::Eintrag* HilfeVerlauf::Vor() {
    if (!VorMoeglich()) return nullptr;
    return &eintraege_[--index_];
}

const HilfeVerlauf::Eintrag* HilfeVerlauf::Zurueck() {
    if (!ZurueckMoeglich()) return nullptr;
    return &eintraege_[++index_];
}

const HilfeVerlauf::Eintrag* HilfeVerlauf::Aktuell() const {
    return index_ < eintraege_.size() ? &eintraege_[index_] : nullptr;
}

}  // namespace quarnel
