// A result text (such as the Einspruch letter) as a PDF file for quarnel-cli:
// the result print job laid out as the result window prints it, drawn on
// Qt's offscreen platform.
#include <QGuiApplication>
#include <QString>
#include <memory>

#include "bescheidpruefung_cli.h"
#include "print/berichtspieler.h"
#include "print/listendruck.h"
#include "shell/einstellungen.h"

namespace quarnel::cli {
namespace {

bool ErgebnisAlsPdf(const Ergebnistext& text, const std::string& pfad) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "quarnel-cli";
    char* argv[] = {name, nullptr};
    std::unique_ptr<QGuiApplication> app;
    if (!QGuiApplication::instance()) app = std::make_unique<QGuiApplication>(argc, argv);
    Einstellungen einst;
    ErststartWerteSetzen(einst);
    gui::QtTextmass mass;
    Druckdaten d;
    d.ergebnis = &text;
    const auto bericht = TextauftragSetzen(Druckart::Ergebnis, d, einst, mass);
    return bericht && gui::PdfSchreiben(QString::fromStdString(pfad), *bericht);
}

const bool eingetragen = [] {
    ErgebnisPdf() = &ErgebnisAlsPdf;
    return true;
}();

}  // namespace
}  // namespace quarnel::cli
