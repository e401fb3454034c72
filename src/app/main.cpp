// The desktop program: command-line letters, German Qt texts, the splash,
// the main window and the message loop.
#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QScreen>
#include <QSplashScreen>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "shell/anzeige.h"
#include "shell/kommandozeile.h"
#include "shell/meldungsbox.h"
#include "shell/programminfo.h"
#include "shell/qtdienste.h"
#include "shell/tf_globmain.h"
#include "shell/verzeichnisse.h"

namespace {

QPixmap SplashBild() {
    QPixmap p(420, 220);
    p.fill(Qt::white);
    QPainter m(&p);
    m.setPen(QColor(0, 0, 128));
    m.drawRect(0, 0, p.width() - 1, p.height() - 1);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(34);
    f.setBold(true);
    m.setFont(f);
    m.drawText(QRect(0, 40, p.width(), 60), Qt::AlignCenter,
               QString::fromUtf8(quarnel::ProgrammTitel).trimmed());
    f.setPixelSize(16);
    f.setBold(false);
    m.setFont(f);
    m.drawText(QRect(0, 110, p.width(), 60), Qt::AlignCenter,
               QStringLiteral("Ihr Programm zur Erstellung\nder Steuererklärung 2001."));
    return p;
}

// Without a display Qt would end with an abort and advice to reinstall the
// program: a German line and exit code 1 instead. Until the application
// stands, Qt's messages of its platform plugins are held back; a fatal one
// ends the program with that line.
constexpr const char* kKeineAnzeige =
    "quarnel: Keine grafische Anzeige erreichbar (DISPLAY oder WAYLAND_DISPLAY); "
    "das Programm braucht eine Bildschirmoberfläche.\n";

void StartMeldungen(QtMsgType typ, const QMessageLogContext& kontext, const QString& text) {
    if (typ == QtFatalMsg) {
        if (text.contains(QLatin1String("platform plugin")))
            std::fputs(kKeineAnzeige, stderr);
        else
            std::fprintf(stderr, "quarnel: %s\n", text.toLocal8Bit().constData());
        std::_Exit(1);
    }
    const bool plattform = kontext.category && std::strncmp(kontext.category, "qt.qpa.", 7) == 0;
    if (!plattform) std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

// A platform is named (-platform, QT_QPA_PLATFORM) or a display is there.
bool AnzeigeMoeglich(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* w = std::getenv(name);
        if (w && *w) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer start;
    start.start();
    // --help and --version answer on the terminal, without a display.
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(quarnel::ProgrammAufrufText().c_str(), stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        const quarnel::Verzeichnisse v =
            quarnel::VerzeichnisseBestimmen(quarnel::VerzeichnisQuellenDesProzesses(), false);
        std::fputs(quarnel::VersionsText("quarnel", v).c_str(), stdout);
        return 0;
    }

    if (!AnzeigeMoeglich(argc, argv)) {
        std::fputs(kKeineAnzeige, stderr);
        return 1;
    }
    // Qt takes its own options (-platform, -display ...) out of argv first.
    const QtMessageHandler vorher = qInstallMessageHandler(StartMeldungen);
    QApplication app(argc, argv);
    qInstallMessageHandler(vorher);
    // The desktop knows the program by its desktop file and shows its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.quarnel.Quarnel"));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("de.quarnel.Quarnel"),
                         QIcon(QStringLiteral(":/quarnel/de.quarnel.Quarnel.svg"))));
    std::vector<std::string> parameter;
    for (int i = 1; i < argc; ++i) parameter.emplace_back(argv[i]);
    const quarnel::Startschalter schalter = quarnel::KommandozeileAuswerten(parameter);
    const quarnel::Verzeichnisse pfade = quarnel::VerzeichnisseBestimmen(
        quarnel::VerzeichnisQuellenDesProzesses(), schalter.testmodus);
    // The message box of the first painting says the same; this line tells
    // whoever started the program from a terminal where the data were sought.
    if (!quarnel::InstallationVollstaendig(pfade))
        std::fprintf(stderr, "quarnel: Installationsdaten unvollständig in %s\n",
                     pfade.programm.c_str());
    QApplication::setApplicationName(QString::fromUtf8(quarnel::ProgrammTitel));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(12);
    QApplication::setFont(schrift);

    quarnel::gui::DialogMeldungen meldungen;
    quarnel::gui::QtDateiDialoge dateiDialoge;
    quarnel::gui::SystemUhr uhr;
    quarnel::gui::QtDesktopDienste desktop;

    quarnel::gui::TF_GlobMain hauptfenster(schalter, pfade,
                                           {&meldungen, &dateiDialoge, &uhr, &desktop});
    meldungen.SetzeEltern(&hauptfenster);
    meldungen.meldungsort = [&hauptfenster] { return hauptfenster.Meldungsort(); };
    meldungen.hilfeZeigen = [&hauptfenster](const std::string& seite) {
        hauptfenster.Hilfeanzeigen(seite);
    };
    dateiDialoge.SetzeEltern(&hauptfenster);

    if (!schalter.ohneSplash) {
        QSplashScreen splash(SplashBild());
        splash.show();
        QElapsedTimer warten;
        warten.start();
        const int dauer = schalter.testmodus ? 200 : 2000;
        while (warten.elapsed() < dauer) QApplication::processEvents(QEventLoop::AllEvents, 20);
        splash.close();
    }

    // QUARNEL_STARTZEIT=1: report the time to the shown main window and end.
    if (qEnvironmentVariableIntValue("QUARNEL_STARTZEIT") == 1) {
        QObject::connect(&hauptfenster, &quarnel::gui::TF_GlobMain::angezeigt, [&] {
            std::printf("Start bis Hauptfenster: %lld ms\n",
                        static_cast<long long>(start.elapsed()));
            std::fflush(stdout);
            std::_Exit(0);  // a timing run leaves no settings behind
        });
    }
    hauptfenster.show();
    return app.exec();
}
