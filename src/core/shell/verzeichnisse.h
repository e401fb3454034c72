// Where the program finds its installation data and keeps its settings.
// The installation directory (form/ and htmlhelp/) is read-only; the settings
// file lives in the user's configuration directory.
#pragma once

#include <string>

namespace quarnel {

struct Verzeichnisse {
    std::string programm;       // installation data, with a trailing '/'
    std::string hilfe;          // programm + "htmlhelp/"
    std::string formular;       // programm + "form/"
    std::string einstellungen;  // the user's configuration directory, with a trailing '/'
    std::string EinstellungsDatei() const;
};

struct VerzeichnisQuellen {
    std::string datenUmgebung;  // $QUARNEL_DATA, may be empty
    std::string installiert;    // the installed data, relative to the program file
    std::string bauBaum;        // the checkout's data/ a build tree runs from
    std::string entwicklung;    // fixed development directory of test mode
    std::string xdgConfigHome;  // $XDG_CONFIG_HOME, may be empty
    std::string home;           // $HOME
};

// The sources of this process: environment and compiled-in paths.
VerzeichnisQuellen VerzeichnisQuellenDesProzesses();

// $QUARNEL_DATA wins; then test mode's development directory when it exists;
// then the installed data beside the program when that directory exists, so
// that a moved installation keeps working; then the build tree's data.
// With neither present the installed place is named, so that the missing
// installation is reported there.
Verzeichnisse VerzeichnisseBestimmen(const VerzeichnisQuellen& q, bool testmodus);

// The installed data directory of a program file: its directory plus the
// relative path from the binary to the data directory ("../share/quarnel").
std::string DatenNebenProgramm(const std::string& programmDatei, const std::string& relativ);

// The installation is complete when the check catalogue and the start page
// of the help are there.
bool InstallationVollstaendig(const Verzeichnisse& v);

}  // namespace quarnel
