// A main window of the program over a temporary installation, on the
// scripted services, for the tests that drive pages and commands through it.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "shell/tf_globmain.h"
#include "shell/verzeichnisse.h"
#include "testumgebung.h"

namespace testumgebung {

struct Hauptfenster : Schaltdienste {
    Umgebung umg;
    std::unique_ptr<quarnel::gui::TF_GlobMain> haupt;
    std::vector<std::string> gezeigt;  // help pages shown, after HilfeMerken

    explicit Hauptfenster(const std::string& ini = "[Start]\nTips=0\nEingangsFenster=0\n")
        : umg(ini) {}

    // The installed check catalogue in place of the installation's stand-in.
    void PruefkatalogInstallieren() {
        const quarnel::Verzeichnisse installiert =
            quarnel::VerzeichnisseBestimmen(quarnel::VerzeichnisQuellenDesProzesses(), false);
        std::filesystem::copy_file(installiert.formular + "Quar01.prf",
                                   umg.pfade.formular + "Quar01.prf",
                                   std::filesystem::copy_options::overwrite_existing);
    }
    // Creates the window once the installation is as the test wants it.
    quarnel::gui::TF_GlobMain& Starten() {
        haupt = std::make_unique<quarnel::gui::TF_GlobMain>(
            quarnel::Startschalter{}, umg.pfade,
            quarnel::gui::ShellDienste{&senke, &dialoge, &uhr, &desktop});
        return *haupt;
    }
    // The window of the check tests: the real catalogue, the help pages recorded.
    quarnel::gui::TF_GlobMain& MitPruefkatalogStarten() {
        PruefkatalogInstallieren();
        Starten();
        HilfeMerken();
        return *haupt;
    }
    // Records the help pages the window asks its help viewer for.
    void HilfeMerken() {
        haupt->fall.hilfeViewer = [this](const std::string& datei, const std::string&) {
            gezeigt.push_back(datei);
        };
    }
};

}  // namespace testumgebung
