#include "case/sicherung.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>

#include "case/falldatei.h"

namespace quarnel {
namespace {

// "Fall" of "Fall.S01" (any case of the extension).
std::string Stamm(const std::string& fallPfad) {
    const std::string name = Namensteil(fallPfad);
    return VolleEndung(name) == "S01" ? name.substr(0, name.size() - 4) : name;
}

bool Ziffern(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The part "JJJJMMTT-HHMMSS-NN" of a backup's name of the case with this stem.
std::optional<std::string_view> Zeitteil(std::string_view name, std::string_view stamm) {
    constexpr std::size_t laenge = 8 + 1 + 6 + 1 + 2;
    if (name.size() != stamm.size() + 1 + laenge + 4 || name.substr(0, stamm.size()) != stamm ||
        name[stamm.size()] != '.' || name.substr(name.size() - 4) != ".S01")
        return std::nullopt;
    const std::string_view z = name.substr(stamm.size() + 1, laenge);
    if (!Ziffern(z.substr(0, 8)) || z[8] != '-' || !Ziffern(z.substr(9, 6)) || z[15] != '-' ||
        !Ziffern(z.substr(16, 2)))
        return std::nullopt;
    return z;
}

}  // namespace

std::string SicherungsVerzeichnis(const std::string& fallPfad) {
    const std::string v = Verzeichnisteil(fallPfad);
    return (v.empty() ? std::string(".") : v == "/" ? std::string() : v) + "/" +
           SicherungsOrdnerName;
}

std::vector<std::string> Sicherungen(const std::string& fallPfad) {
    std::vector<std::string> namen;
    const std::string verzeichnis = SicherungsVerzeichnis(fallPfad);
    const std::string stamm = Stamm(fallPfad);
    if (DIR* d = ::opendir(verzeichnis.c_str())) {
        while (const dirent* e = ::readdir(d))
            if (Zeitteil(e->d_name, stamm)) namen.emplace_back(e->d_name);
        ::closedir(d);
    }
    // The time stamp sorts as text.
    std::sort(namen.begin(), namen.end(), std::greater<>());
    for (std::string& n : namen) n = verzeichnis + "/" + n;
    return namen;
}

std::optional<std::string> SicherungAnlegen(const std::string& fallPfad) {
    const auto alt = DateiLesen(fallPfad, FallDateiGroesse);
    if (!alt || alt->size() != FallDateiGroesse || !SignaturGueltig(*alt)) return std::nullopt;
    const std::string verzeichnis = SicherungsVerzeichnis(fallPfad);
    struct stat st;
    if (::mkdir(verzeichnis.c_str(), 0700) != 0 &&
        (errno != EEXIST || ::lstat(verzeichnis.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)))
        return std::nullopt;

    const std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    localtime_r(&jetzt, &t);
    char zeit[32];
    std::snprintf(zeit, sizeof zeit, "%04d%02d%02d-%02d%02d%02d", t.tm_year + 1900, t.tm_mon + 1,
                  t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    Schreibart art;
    art.nurNeu = true;
    art.verweisFolgen = false;
    art.modus = 0600;
    // Several saves within a second count on after the newest backup of it,
    // so that the names keep their order.
    int erste = 0;
    const std::string praefix = Stamm(fallPfad) + "." + zeit + "-";
    for (const std::string& s : Sicherungen(fallPfad)) {
        const std::string name = Namensteil(s);
        if (name.starts_with(praefix))
            erste = std::max(erste, std::stoi(name.substr(praefix.size(), 2)) + 1);
    }
    for (int n = erste; n < 100; ++n) {
        char nr[12];
        std::snprintf(nr, sizeof nr, "%02d", n);
        const std::string ziel =
            verzeichnis + "/" + Stamm(fallPfad) + "." + zeit + "-" + nr + ".S01";
        const Speicherfehler f = Ersetzen(ziel, *alt, art);
        if (f == Speicherfehler::Keiner) return ziel;
        if (f != Speicherfehler::Besteht) break;
    }
    return std::nullopt;
}

void SicherungenBegrenzen(const std::string& fallPfad, int anzahl) {
    const std::vector<std::string> alle = Sicherungen(fallPfad);
    const auto behalten = static_cast<std::size_t>(std::clamp(anzahl, 0, SicherungenHoechstens));
    for (std::size_t i = behalten; i < alle.size(); ++i) ::unlink(alle[i].c_str());
}

std::optional<std::string> NeuesteLesbareSicherung(const std::string& fallPfad) {
    for (const std::string& s : Sicherungen(fallPfad)) {
        const auto d = DateiLesen(s, FallDateiGroesse);
        if (d && d->size() == FallDateiGroesse && SignaturGueltig(*d)) return s;
    }
    return std::nullopt;
}

std::string SicherungsZeit(const std::string& sicherung) {
    const std::string name = Namensteil(sicherung);
    if (name.size() < 23) return {};
    const std::string z = name.substr(name.size() - 4 - 18, 18);
    if (!Zeitteil(name, name.substr(0, name.size() - 4 - 19))) return {};
    return z.substr(6, 2) + "." + z.substr(4, 2) + "." + z.substr(0, 4) + " " + z.substr(9, 2) +
           ":" + z.substr(11, 2) + ":" + z.substr(13, 2);
}

}  // namespace quarnel
