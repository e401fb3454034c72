// Shared scaffolding of the GUI tests: scripted services, a temporary
// installation and configuration, and a helper that acts on the next modal window.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <fstream>
#include <functional>
#include <memory>

#include "shell/dienste.h"
#include "shell/meldung.h"
#include "shell/verzeichnisse.h"

namespace testumgebung {

struct FesteUhr : quarnel::Uhr {
    quarnel::Zeitpunkt Jetzt() const override { return {2001, 12, 24, 13, 5, 9}; }
};

struct MerkDesktop : quarnel::DesktopDienste {
    std::vector<std::string> geoeffnet;
    bool Oeffnen(const std::string& p) override {
        geoeffnet.push_back(p);
        return true;
    }
};

struct SkriptDialoge : quarnel::DateiDialoge {
    std::optional<std::string> antwort;
    std::vector<quarnel::DateiDialogAnfrage> anfragen;
    std::optional<std::string> Oeffnen(const quarnel::DateiDialogAnfrage& a) override {
        anfragen.push_back(a);
        return antwort;
    }
    std::optional<std::string> Speichern(const quarnel::DateiDialogAnfrage& a) override {
        anfragen.push_back(a);
        return antwort;
    }
};

// A temporary installation (with or without its data files) and a settings
// directory whose "Quar01.ini" holds `ini`.
struct Umgebung {
    QTemporaryDir wurzel;
    quarnel::Verzeichnisse pfade;

    explicit Umgebung(const std::string& ini = "[Start]\nTips=0\nEingangsFenster=0\n",
                      bool mitDaten = true) {
        const std::string w = wurzel.path().toStdString() + "/";
        pfade.programm = w + "daten/";
        pfade.hilfe = pfade.programm + "htmlhelp/";
        pfade.formular = pfade.programm + "form/";
        pfade.einstellungen = w + "konfig/";
        QDir().mkpath(QString::fromStdString(pfade.einstellungen));
        QDir().mkpath(QString::fromStdString(pfade.hilfe + "std"));
        QDir().mkpath(QString::fromStdString(pfade.formular));
        if (mitDaten) {
            Schreiben(pfade.formular + "Quar01.prf", "x");
            Schreiben(pfade.hilfe + "std/seite0.htm", "<p>Start</p>");
        }
        if (!ini.empty()) Schreiben(pfade.EinstellungsDatei(), ini);
    }
    static void Schreiben(const std::string& p, const std::string& text) {
        std::ofstream f(p, std::ios::binary);
        f << text;
    }
    std::string Ini() const {
        std::ifstream f(pfade.EinstellungsDatei(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
};

// The scripted services a main window of a test runs on.
struct Schaltdienste {
    quarnel::MeldungsSenke senke;
    SkriptDialoge dialoge;
    FesteUhr uhr;
    MerkDesktop desktop;
};

// Runs `f` on the next modal window once it is shown (checked every 10 ms).
inline void BeiModal(std::function<void(QWidget*)> f) {
    auto* t = new QTimer;
    t->setInterval(10);
    auto fn = std::make_shared<std::function<void(QWidget*)>>(std::move(f));
    QObject::connect(t, &QTimer::timeout, [t, fn] {
        if (QWidget* w = QApplication::activeModalWidget(); w && w->isVisible()) {
            t->stop();
            t->deleteLater();
            (*fn)(w);
        }
    });
    t->start();
}

inline bool EnthaeltText(const quarnel::MeldungsSenke& s, const std::string& teil) {
    for (const auto& m : s.protokoll)
        if (m.text.find(teil) != std::string::npos) return true;
    return false;
}

}  // namespace testumgebung
