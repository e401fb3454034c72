#include "print/berichtspieler.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QXmlStreamReader>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "calc/betrag.h"
#include "case/falldatei.h"
#include "print/formular.h"
#include "case/zeichensatz.h"

namespace quarnel::gui {

namespace {

constexpr double Referenz = 1200;  // dpi of the text measurement

const QImage& Referenzbild() {
    static const QImage bild = [] {
        QImage i(1, 1, QImage::Format_Mono);
        const int proMeter = static_cast<int>(Referenz / 0.0254 + 0.5);
        i.setDotsPerMeterX(proMeter);
        i.setDotsPerMeterY(proMeter);
        return i;
    }();
    return bild;
}

QFontMetricsF Metrik(const Druckschrift& s) {
    return QFontMetricsF(SchriftFuer(s), &Referenzbild());
}

QString Anzeige(std::string_view cp1252) {
    return QString::fromStdString(Cp1252ZuUtf8(cp1252));
}

QPageLayout Papier(const Bericht& b) {
    return QPageLayout(QPageSize(QSizeF(b.breite, b.hoehe), QPageSize::Millimeter),
                       b.breite > b.hoehe ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void Ausgeben(QPainter& p, const Bericht& b, int von, int bis, double pxProMm,
              const std::function<bool()>& neueSeite) {
    const Seitenbereich r = BereichBegrenzen(von, bis, b.Seitenzahl());
    for (int s = r.von; s <= r.bis; ++s) {
        if (s > r.von && !neueSeite()) return;
        SeiteZeichnen(p, b, s - 1, pxProMm);
    }
}

// The form images are plain drawings (rectangles, lines, texts). Drawn here
// their texts stay texts on a printer or in a PDF file, where the SVG
// renderer would turn every glyph into a path. Only these are drawn: any
// other element is skipped with what it holds, so that an image never makes
// the program load another file.
struct Zeichnung {
    struct Element {
        enum class Art { Rechteck, Linie, Text } art;
        QRectF r;       // Rechteck; Linie from topLeft to bottomRight
        QColor fuellung, strich;
        double staerke = 0;
        QString text;
        double groesse = 0;
        bool fett = false;
        int anker = 0;  // 0 start, 1 middle, 2 end
    };
    QRectF sicht;
    QString schrift;
    std::vector<Element> elemente;
};

double Attr(const QXmlStreamAttributes& a, const char* name, double standard = 0) {
    bool ok = false;
    const double x = a.value(QLatin1String(name)).toDouble(&ok);
    return ok ? x : standard;
}

QColor Farbe(const QXmlStreamAttributes& a, const char* name, const char* standard) {
    const QString t = a.hasAttribute(QLatin1String(name)) ? a.value(QLatin1String(name)).toString()
                                                           : QString::fromLatin1(standard);
    return t == QLatin1String("none") ? QColor() : QColor(t);
}

std::shared_ptr<const Zeichnung> ZeichnungLesen(const QString& pfad) {
    // A regular file of sensible size, read as the form definitions are.
    const auto inhalt = DateiLesen(pfad.toStdString(), FormulardateiHoechstens);
    if (!inhalt) return nullptr;
    QXmlStreamReader x(QByteArray(reinterpret_cast<const char*>(inhalt->data()),
                                  static_cast<qsizetype>(inhalt->size())));
    auto z = std::make_shared<Zeichnung>();
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement) continue;
        const auto a = x.attributes();
        const auto name = x.name();
        if (name == QLatin1String("svg")) {
            const QStringList v = a.value(QLatin1String("viewBox")).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (v.size() != 4) return nullptr;
            z->sicht = QRectF(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(), v[3].toDouble());
            z->schrift = a.value(QLatin1String("font-family")).toString();
        } else if (name == QLatin1String("rect")) {
            Zeichnung::Element e{Zeichnung::Element::Art::Rechteck, QRectF(Attr(a, "x"), Attr(a, "y"), Attr(a, "width"), Attr(a, "height")),
                                 Farbe(a, "fill", "#000000"), Farbe(a, "stroke", "none"), Attr(a, "stroke-width", 1), {}, 0, false, 0};
            z->elemente.push_back(e);
        } else if (name == QLatin1String("line")) {
            Zeichnung::Element e{Zeichnung::Element::Art::Linie, QRectF(QPointF(Attr(a, "x1"), Attr(a, "y1")), QPointF(Attr(a, "x2"), Attr(a, "y2"))),
                                 QColor(), Farbe(a, "stroke", "none"), Attr(a, "stroke-width", 1), {}, 0, false, 0};
            z->elemente.push_back(e);
        } else if (name == QLatin1String("text")) {
            const QString anker = a.value(QLatin1String("text-anchor")).toString();
            Zeichnung::Element e{Zeichnung::Element::Art::Text, QRectF(Attr(a, "x"), Attr(a, "y"), 0, 0),
                                 Farbe(a, "fill", "#000000"), QColor(), 0, {}, Attr(a, "font-size", 16),
                                 a.value(QLatin1String("font-weight")) == QLatin1String("bold"),
                                 anker == QLatin1String("middle") ? 1 : anker == QLatin1String("end") ? 2 : 0};
            e.text = x.readElementText();
            z->elemente.push_back(e);
        } else {
            x.skipCurrentElement();  // not drawn, nor anything inside it
        }
    }
    if (x.hasError() || z->sicht.isEmpty()) return nullptr;
    return z;
}

// Parsed once per file and kept for the run (the form images do not change).
std::shared_ptr<const Zeichnung> ZeichnungFuer(const QString& pfad) {
    static std::map<QString, std::shared_ptr<const Zeichnung>> cache;
    auto it = cache.find(pfad);
    if (it == cache.end()) it = cache.emplace(pfad, ZeichnungLesen(pfad)).first;
    return it->second;
}

void ZeichnungMalen(QPainter& p, const Zeichnung& z, const QRectF& ziel) {
    const double sx = ziel.width() / z.sicht.width(), sy = ziel.height() / z.sicht.height();
    auto punkt = [&](QPointF q) {
        return QPointF(ziel.x() + (q.x() - z.sicht.x()) * sx, ziel.y() + (q.y() - z.sicht.y()) * sy);
    };
    const double dpi = p.device() ? p.device()->logicalDpiY() : 96;
    p.save();
    for (const Zeichnung::Element& e : z.elemente) {
        switch (e.art) {
            case Zeichnung::Element::Art::Rechteck: {
                QPen stift = e.strich.isValid() ? QPen(e.strich, std::max(0.5, e.staerke * sx)) : QPen(Qt::NoPen);
                p.setPen(stift);
                p.setBrush(e.fuellung.isValid() ? QBrush(e.fuellung) : QBrush(Qt::NoBrush));
                p.drawRect(QRectF(punkt(e.r.topLeft()), punkt(e.r.bottomRight())));
                break;
            }
            case Zeichnung::Element::Art::Linie:
                if (!e.strich.isValid()) break;
                p.setPen(QPen(e.strich, std::max(0.5, e.staerke * sx)));
                p.drawLine(punkt(e.r.topLeft()), punkt(e.r.bottomRight()));
                break;
            case Zeichnung::Element::Art::Text: {
                QFont f(z.schrift.isEmpty() ? QStringLiteral("Liberation Sans") : z.schrift);
                f.setPointSizeF(std::max(0.1, e.groesse * sy * 72 / dpi));
                f.setBold(e.fett);
                f.setKerning(false);
                f.setHintingPreference(QFont::PreferNoHinting);
                p.setFont(f);
                p.setPen(e.fuellung.isValid() ? e.fuellung : QColor(Qt::black));
                QPointF an = punkt(e.r.topLeft());
                if (e.anker > 0) {
                    const double w = QFontMetricsF(f, p.device()).horizontalAdvance(e.text);
                    an.rx() -= e.anker == 1 ? w / 2 : w;
                }
                p.drawText(an, e.text);
                break;
            }
        }
    }
    p.restore();
}

}  // namespace

QFont SchriftFuer(const Druckschrift& s) {
    QFont f(QString::fromStdString(s.name));
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSizeF(s.punkte > 0 ? s.punkte : 10);
    f.setBold(s.fett);
    f.setItalic(s.kursiv);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

double QtTextmass::Breite(const Druckschrift& s, std::string_view t) const {
    return Metrik(s).horizontalAdvance(Anzeige(t)) * 25.4 / Referenz;
}
double QtTextmass::Zeilenhoehe(const Druckschrift& s) const {
    return Metrik(s).lineSpacing() * 25.4 / Referenz;
}
double QtTextmass::Oberlaenge(const Druckschrift& s) const {
    return Metrik(s).ascent() * 25.4 / Referenz;
}

void SeiteZeichnen(QPainter& p, const Bericht& b, int index, double pxProMm, QPointF ursprung) {
    if (index < 0 || index >= b.Seitenzahl()) return;
    auto punkt = [&](double x, double y) { return ursprung + QPointF(x * pxProMm, y * pxProMm); };
    const double dpi = p.device() ? p.device()->logicalDpiY() : 96;
    p.save();
    p.setPen(Qt::black);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont schrift = SchriftFuer(Druckschrift{});
    for (const Berichtselement& e : b.seiten[static_cast<std::size_t>(index)].elemente) {
        switch (e.art) {
            case Berichtselement::Art::Schrift:
                schrift = SchriftFuer(e.schrift);
                // The point size on this device that gives the same millimetres.
                schrift.setPointSizeF(e.schrift.punkte * pxProMm * 25.4 / dpi);
                p.setFont(schrift);
                break;
            case Berichtselement::Art::Text: {
                const QString t = Anzeige(e.text);
                QPointF an = punkt(e.x, e.y);
                if (e.rechts) an.rx() -= QFontMetricsF(p.font(), p.device()).horizontalAdvance(t);
                p.drawText(an, t);
                break;
            }
            case Berichtselement::Art::Linie: {
                QPen stift(Qt::black);
                stift.setWidthF(std::max(0.5, e.staerke * pxProMm));
                p.setPen(stift);
                p.drawLine(punkt(e.x, e.y), punkt(e.x2, e.y2));
                p.setPen(Qt::black);
                break;
            }
            case Berichtselement::Art::Bild: {
                const QRectF ziel(punkt(e.x, e.y), QSizeF(e.x2 * pxProMm, e.y2 * pxProMm));
                const QString pfad = QString::fromStdString(e.text);
                if (QFileInfo(pfad).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) {
                    if (auto z = ZeichnungFuer(pfad)) ZeichnungMalen(p, *z, ziel);
                } else {
                    QImage bild;
                    if (const auto d = DateiLesen(e.text, FormulardateiHoechstens))
                        bild.loadFromData(d->data(), static_cast<int>(d->size()));
                    if (!bild.isNull()) p.drawImage(ziel, bild);
                }
                break;
            }
        }
    }
    p.restore();
}

bool SeitenAusgeben(QPrinter& drucker, const Bericht& b, int von, int bis, int skalierung) {
    drucker.setFullPage(true);
    drucker.setPageLayout(Papier(b));
    QPainter p;
    if (!p.begin(&drucker)) return false;
    const double pxProMm = drucker.resolution() / 25.4 * std::clamp(skalierung, 10, 400) / 100.0;
    Ausgeben(p, b, von, bis, pxProMm, [&] { return drucker.newPage(); });
    return p.end();
}

std::optional<QByteArray> PdfDaten(const Bericht& b, int von, int bis, int skalierung) {
    QByteArray daten;
    bool gut = false;
    {
        QBuffer puffer(&daten);
        if (!puffer.open(QIODevice::WriteOnly)) return std::nullopt;
        QPdfWriter pdf(&puffer);
        pdf.setResolution(600);
        pdf.setCreator(QStringLiteral("Quarnel 2001/2002"));
        pdf.setPageLayout(Papier(b));
        QPainter p;
        if (!p.begin(&pdf)) return std::nullopt;
        const double pxProMm = pdf.resolution() / 25.4 * std::clamp(skalierung, 10, 400) / 100.0;
        Ausgeben(p, b, von, bis, pxProMm, [&] { return pdf.newPage(); });
        gut = p.end();
    }
    if (!gut || daten.isEmpty()) return std::nullopt;
    return daten;
}

bool PdfSchreiben(const QString& pfad, const Bericht& b, int von, int bis, int skalierung) {
    // Made in memory, then written as every output file is: whole or not at all.
    const auto daten = PdfDaten(b, von, bis, skalierung);
    return daten && AusgabeSchreiben(pfad.toStdString(),
                                     {reinterpret_cast<const uint8_t*>(daten->constData()),
                                      static_cast<std::size_t>(daten->size())}) ==
                        Speicherfehler::Keiner;
}

bool DruckerVorhanden() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

std::string DruckerAnzeigename(const QPrinter& drucker) {
    QString name = drucker.printerName();
    if (name.isEmpty()) name = QPrinterInfo::defaultPrinterName();
    return DruckerportDeutsch(name.toStdString());
}

bool PdfAusgabe(const Bericht& b, const Ausgabedienste& d, int skalierung, int von, int bis) {
    if (!d.dateiDialoge) return false;
    DateiDialogAnfrage a;
    a.titel = "Als PDF speichern";
    a.filter = "PDF-Dateien|*.PDF|Alle Dateien|*.*";
    a.standardEndung = "pdf";
    a.dateiname = "Quarnel.pdf";
    std::optional<std::string> pfad = d.dateiDialoge->Speichern(a);
    if (!pfad) return false;
    if (PdfSchreiben(QString::fromStdString(*pfad), b, von, bis, skalierung)) return true;
    if (d.meldungen)
        d.meldungen->Zeige(MeldungsTyp::Fehler,
                           "Die PDF-Datei kann nicht geschrieben werden:\r" + *pfad);
    return false;
}

bool OhneDrucker(const QPrinter& drucker, const Ausgabedienste& d) {
    const bool vorhanden = d.druckerVorhanden ? d.druckerVorhanden() : DruckerVorhanden();
    return !vorhanden && drucker.outputFileName().isEmpty();
}

bool DruckerAusgabe(QPrinter& drucker, const Bericht& b, int von, int bis, int skalierung,
                    const Ausgabedienste& d) {
    if (OhneDrucker(drucker, d)) {
        if (!d.meldungen ||
            d.meldungen->Zeige(MeldungsTyp::Bestaetigung,
                               "Kein Drucker vorhanden!\rSollen die Seiten als PDF-Datei "
                               "gespeichert werden?",
                               KnopfJa | KnopfNein) != Antwort::Ja)
            return false;
        // The PDF holds the pages and the scale the user chose for the printer.
        return PdfAusgabe(b, d, skalierung, von, bis);
    }
    if (SeitenAusgeben(drucker, b, von, bis, skalierung)) return true;
    if (d.meldungen)
        d.meldungen->Zeige(MeldungsTyp::Fehler,
                           "Der Druck ist fehlgeschlagen.\rDrucker: " + DruckerAnzeigename(drucker));
    return false;
}

}  // namespace quarnel::gui
