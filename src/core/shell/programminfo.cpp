#include "shell/programminfo.h"

#include "programmversion.h"
#include "shell/anzeige.h"

namespace quarnel {

const char* ProgrammVersion() {
    return QUARNEL_VERSION;
}

std::string VersionsText(const std::string& programmname, const Verzeichnisse& v) {
    std::string titel = ProgrammTitel;
    while (!titel.empty() && titel.back() == ' ') titel.pop_back();
    return programmname + " (" + titel + ") " + ProgrammVersion() +
           "\nInstallationsdaten: " + v.programm + "\n" + LizenzText() + "\n";
}

const char* LizenzText() {
    return "Lizenz: GNU GPL Version 3 oder später (GPL-3.0-or-later), "
           "<https://www.gnu.org/licenses/gpl-3.0.html>.\n"
           "Dies ist freie Software: Sie dürfen sie ändern und weitergeben.\n"
           "Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.";
}

std::string ProgrammAufrufText() {
    return "Aufruf: quarnel [T] [F] [S-] [DATEI]\n"
           "        quarnel --help | --version\n"
           "\n"
           "Erstellt die Einkommensteuererklärung 2001 und prüft den Steuerbescheid.\n"
           "\n"
           "Buchstaben:\n"
           "Sie zählen irgendwo in den ersten drei Parametern, nur in Großschreibung.\n"
           "  T          Testmodus: kurzes Startbild, Knopf \"Reload\", neue Fälle mit Testwerten\n"
           "  F          öffnet beim Start die Datei Neu.S01 des Datenverzeichnisses\n"
           "  S-         ohne Startbild\n"
           "  H          ohne Wirkung\n"
           "\n"
           "Datei:\n"
           "Ein Parameter mit Schrägstrich oder Punkt nennt die Datei; seine Buchstaben zählen "
           "nicht.\n"
           "  DATEI      öffnet nach dem Start die Falldatei (.S01); eine Vorjahresdatei (.S00)\n"
           "             wird übernommen\n"
           "\n"
           "Optionen:\n"
           "  --help     zeigt diese Hilfe\n"
           "  --version  zeigt die Version und das Verzeichnis der Installationsdaten\n";
}

}  // namespace quarnel
