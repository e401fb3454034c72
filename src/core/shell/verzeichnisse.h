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
    std::string installiert;    // the compiled-in data directory
    std::string entwicklung;    // fixed development directory of test mode
    std::string xdgConfigHome;  // $XDG_CONFIG_HOME, may be empty
    std::string home;           // $HOME
};

// The sources of this process: environment and compiled-in paths.
VerzeichnisQuellen VerzeichnisQuellenDesProzesses();

// Test mode uses the development directory only when it exists; the
// environment override wins over both.
Verzeichnisse VerzeichnisseBestimmen(const VerzeichnisQuellen& q, bool testmodus);

}  // namespace quarnel
