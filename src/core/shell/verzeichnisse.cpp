#include "shell/verzeichnisse.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "datenpfad.h"

namespace quarnel {

namespace {

std::string MitSchraegstrich(std::string p) {
    if (!p.empty() && p.back() != '/') p += '/';
    return p;
}

bool IstVerzeichnis(const std::string& p) {
    std::error_code ec;
    return !p.empty() && std::filesystem::is_directory(p, ec);
}

std::string Umgebung(const char* name) {
    const char* w = std::getenv(name);
    return w ? std::string(w) : std::string();
}

}  // namespace

std::string Verzeichnisse::EinstellungsDatei() const {
    return einstellungen + "Quar01.ini";
}

VerzeichnisQuellen VerzeichnisQuellenDesProzesses() {
    VerzeichnisQuellen q;
    q.datenUmgebung = Umgebung("QUARNEL_DATA");
    std::error_code ec;
    const std::filesystem::path programm = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) q.installiert = DatenNebenProgramm(programm.string(), QUARNEL_DATEN_RELATIV);
    q.bauBaum = QUARNEL_DATA_DIR;
    q.entwicklung = QUARNEL_DATA_DIR;
    q.xdgConfigHome = Umgebung("XDG_CONFIG_HOME");
    q.home = Umgebung("HOME");
    return q;
}

Verzeichnisse VerzeichnisseBestimmen(const VerzeichnisQuellen& q, bool testmodus) {
    Verzeichnisse v;
    if (!q.datenUmgebung.empty())
        v.programm = q.datenUmgebung;
    else if (testmodus && IstVerzeichnis(q.entwicklung))
        v.programm = q.entwicklung;
    else if (IstVerzeichnis(q.installiert))
        v.programm = q.installiert;
    else if (IstVerzeichnis(q.bauBaum) || q.installiert.empty())
        v.programm = q.bauBaum;
    else
        v.programm = q.installiert;
    v.programm = MitSchraegstrich(v.programm);
    v.hilfe = v.programm + "htmlhelp/";
    v.formular = v.programm + "form/";
    // XDG: a relative XDG_CONFIG_HOME is invalid and ignored.
    if (!q.xdgConfigHome.empty() && q.xdgConfigHome.front() == '/')
        v.einstellungen = MitSchraegstrich(q.xdgConfigHome) + "quarnel/";
    else if (!q.home.empty())
        v.einstellungen = MitSchraegstrich(q.home) + ".config/quarnel/";
    else
        v.einstellungen = "./";
    return v;
}

std::string DatenNebenProgramm(const std::string& programmDatei, const std::string& relativ) {
    namespace fs = std::filesystem;
    if (programmDatei.empty()) return {};
    return (fs::path(programmDatei).parent_path() / relativ).lexically_normal().string();
}

bool InstallationVollstaendig(const Verzeichnisse& v) {
    std::error_code ec;
    return std::filesystem::is_regular_file(v.formular + "Quar01.prf", ec) &&
           std::filesystem::is_regular_file(v.hilfe + "std/seite0.htm", ec);
}

}  // namespace quarnel
