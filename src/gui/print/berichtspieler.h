// Plays the pages of a report onto any QPainter device: the preview, a
// printer, a PDF file. Positions are millimetres from the paper's edge;
// `pxProMm` is the device's pixels per millimetre including any scale.
#pragma once

#include <QByteArray>
#include <QPainter>
#include <QString>
#include <functional>
#include <optional>

#include "print/bericht.h"
#include "shell/meldung.h"
#include "shell/dienste.h"

class QPrinter;
class QWidget;

namespace quarnel::gui {

// Text widths and line heights from the real fonts, measured at a fixed
// reference resolution of 1200 dpi.
class QtTextmass : public Textmass {
  public:
    double Breite(const Druckschrift& s, std::string_view cp1252) const override;
    double Zeilenhoehe(const Druckschrift& s) const override;
    double Oberlaenge(const Druckschrift& s) const override;
};

QFont SchriftFuer(const Druckschrift& s);

// Draws page `index` (0-based; nothing for an index out of range) with its
// top-left paper corner at `ursprung` (device pixels).
void SeiteZeichnen(QPainter& p, const Bericht& b, int index, double pxProMm,
                   QPointF ursprung = {});

// Pages von..bis (1-based, clamped) onto an open paged device; the scale in
// percent applies to both axes. False when the device would not open.
bool SeitenAusgeben(QPrinter& drucker, const Bericht& b, int von, int bis, int skalierung = 100);
// The PDF file of pages von..bis, in memory; nothing when it could not be made.
std::optional<QByteArray> PdfDaten(const Bericht& b, int von = 1, int bis = 1 << 30,
                                   int skalierung = 100);
// The scale in percent applies to both axes, as when printing. Written as
// every output file: never over a case file, a link or a device, whole or not at all.
bool PdfSchreiben(const QString& pfad, const Bericht& b, int von = 1, int bis = 1 << 30,
                  int skalierung = 100);

// The user-facing outputs, each with its messages: a PDF file chosen in the
// save dialog; printing on the current printer, which offers the PDF when no
// printer is installed. True when something was written.
struct Ausgabedienste {
    Meldungen* meldungen = nullptr;
    DateiDialoge* dateiDialoge = nullptr;
    // Whether a printer is installed (tests script it); by default asked of the system.
    std::function<bool()> druckerVorhanden = {};
};
// The PDF holds the pages von..bis (all by default) at the given scale.
bool PdfAusgabe(const Bericht& b, const Ausgabedienste& d, int skalierung = 100, int von = 1,
                int bis = 1 << 30);
bool DruckerAusgabe(QPrinter& drucker, const Bericht& b, int von, int bis, int skalierung,
                    const Ausgabedienste& d);
bool DruckerVorhanden();
// Printing would write a PDF instead: no printer installed and the printer
// writes no file of its own.
bool OhneDrucker(const QPrinter& drucker, const Ausgabedienste& d);
// The current printer's name as the dialogs show it ("... an LPT1:").
std::string DruckerAnzeigename(const QPrinter& drucker);

}  // namespace quarnel::gui
