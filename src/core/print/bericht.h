// The report: the pages of one print job, recorded once as a display list in
// millimetres, and the writer that lays text out on them line by line. The
// GUI plays any range of the pages onto a screen, a printer or a PDF file.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel {

struct Druckschrift {
    std::string name = "Courier New";  // UTF-8
    double punkte = 10;
    bool fett = false;
    bool kursiv = false;
    bool operator==(const Druckschrift&) const = default;
};

struct Berichtselement {
    enum class Art : unsigned char { Schrift, Text, Linie, Bild };
    Art art = Art::Text;
    // Text: anchor on the baseline (left end, or right end when `rechts`).
    // Linie: from (x, y) to (x2, y2). Bild: rectangle at (x, y), x2 wide, y2 high.
    double x = 0, y = 0, x2 = 0, y2 = 0;
    bool rechts = false;
    double staerke = 0.2;  // line width
    std::string text;      // Text: Windows-1252; Bild: file path
    Druckschrift schrift;  // Schrift: the font of the following texts
    bool operator==(const Berichtselement&) const = default;
};

struct Berichtsseite {
    std::vector<Berichtselement> elemente;
    bool operator==(const Berichtsseite&) const = default;
};

struct Bericht {
    double breite = 210, hoehe = 297;  // paper size
    std::vector<Berichtsseite> seiten;
    int Seitenzahl() const { return static_cast<int>(seiten.size()); }
    bool operator==(const Bericht&) const = default;
};

// The report file: a small tagged format; reading rejects anything damaged.
std::string BerichtAlsDaten(const Bericht& b);
std::optional<Bericht> BerichtAusDaten(std::string_view daten);
bool BerichtSpeichern(const std::string& pfad, const Bericht& b);
std::optional<Bericht> BerichtLaden(const std::string& pfad);

// Text measurement in millimetres, at a fixed reference resolution, so the
// layout does not depend on the device it is later played on.
class Textmass {
  public:
    virtual ~Textmass() = default;
    virtual double Breite(const Druckschrift& s, std::string_view cp1252) const = 0;
    virtual double Zeilenhoehe(const Druckschrift& s) const = 0;
    virtual double Oberlaenge(const Druckschrift& s) const = 0;  // top of the line to the baseline
};

// A fixed-pitch estimate (0.6 em per character, 1.18 em per line), for runs
// without a font engine.
class Rastermass : public Textmass {
  public:
    double Breite(const Druckschrift& s, std::string_view cp1252) const override;
    double Zeilenhoehe(const Druckschrift& s) const override;
    double Oberlaenge(const Druckschrift& s) const override;
};

// Lays out text lines on the pages of a report. Margins and positions are
// given in centimetres from the paper's edges, as the jobs describe them.
class Berichtschreiber {
  public:
    Berichtschreiber(const Textmass& mass, Bericht& ziel);

    void SetzeRaender(double links, double rechts, double oben, double unten);
    void SetzeSchrift(const Druckschrift& s);
    const Druckschrift& Schrift() const { return schrift_; }
    const Textmass& Mass() const { return mass_; }

    // Called when a page begins and before it ends (header and footer); they
    // may draw anywhere with the calls below.
    std::function<void(Berichtschreiber&)> kopf, fuss;

    // Opens the first page; Beenden closes the last one. A job that printed
    // nothing still has one (empty) page.
    void Beginnen();
    void Beenden();
    void NeueSeite();
    int Seite() const { return seite_; }  // 1-based number of the current page

    // Line by line: the current line starts at the top of the text area.
    void Home();
    void Zeilenumbruch();
    // Full lines still left between the current line and the bottom margin.
    int ZeilenUebrig() const;
    bool AmSeitenanfang() const { return zeile_ == 0; }

    // Text on the current line: at the left margin, or at xCm from the
    // paper's left edge, left- or right-aligned there.
    void Text(std::string_view cp1252);
    void TextBei(double xCm, std::string_view cp1252, bool rechts = false);
    double TextBreiteCm(std::string_view cp1252) const;
    // Free drawing in centimetres from the paper's top-left corner.
    void TextAn(double xCm, double grundlinieCm, std::string_view cp1252, bool rechts = false);
    void Linie(double x1Cm, double y1Cm, double x2Cm, double y2Cm, double staerkeMm = 0.2);
    void Bild(const std::string& pfad, double xCm, double yCm, double breiteCm, double hoeheCm);

    // The text area (cm from the paper's edges) and the line height in cm.
    double LinksCm() const { return links_; }
    double RechtsCm() const;  // the right edge of the text area
    double ObenCm() const { return oben_; }
    double UntenCm() const;   // the bottom edge of the text area
    double ZeilenhoeheCm() const;
    double OberlaengeCm() const;
    double PapierBreiteCm() const { return ziel_.breite / 10; }
    double PapierHoeheCm() const { return ziel_.hoehe / 10; }

  private:
    Berichtsseite& Aktuell();
    const Textmass& mass_;
    Bericht& ziel_;
    Druckschrift schrift_;
    double links_ = 1.5, rechts_ = 2.5, oben_ = 2, unten_ = 2;
    int seite_ = 0;
    int zeile_ = 0;  // lines advanced since Home
    bool offen_ = false;
};

// The page range to print or show, kept within 1..seiten.
struct Seitenbereich {
    int von = 1, bis = 1;
};
Seitenbereich BereichBegrenzen(int von, int bis, int seiten);

}  // namespace quarnel
