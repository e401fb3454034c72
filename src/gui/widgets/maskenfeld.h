// The masked entry fields of the pages: an amount field with a picture mask
// ("iii,iii.ii", "ii,iii,iii.00", "iiii") and a range, and a date field that
// holds a day number (-1 = empty) and shows dd.mm.yyyy. Both remember their
// value on entry (Alt+Backspace restores it), validate when they are left and
// report a refused entry through `fehler` instead of accepting it.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "widgets/eingabefeld.h"

namespace quarnel::gui {

// Error codes of the entry fields: an invalid entry, the toolkit's range
// error, and the program's range error that shows the field's range hint.
inline constexpr int FehlerUngueltig = 1;
inline constexpr int FehlerBereich = 256;
inline constexpr int FehlerBereichProgramm = -32669;
inline constexpr const char* UngueltigText = "Ungültiger Eingabewert";

// A picture mask read once: digits before and after the decimal point, the
// fixed ".00" of whole-DM masks, thousands grouping.
struct Bildmaske {
    int vorkomma = 6;
    int nachkomma = 2;
    bool festeNullen = false;  // "…​.00": whole amounts shown with ",00"
    bool gruppiert = true;
    static Bildmaske Lesen(const QString& maske);
    double Hoechstwert() const;  // the largest value the mask can show
};

// The amount as the field shows it: German grouping and decimal comma.
QString BetragAnzeigen(const Bildmaske& m, double wert);
// The typed text as an amount: "459,39", "1.234,5", "-12", "" (= 0). A
// single point followed by one or two digits counts as a decimal point.
std::optional<double> BetragLesen(const QString& text);

// Base of both fields: entry value, modified flag, commit on leaving.
class MaskenFeld : public EingabeFeld {
    Q_OBJECT
  public:
    explicit MaskenFeld(QWidget* eltern = nullptr);
    // Validates the typed text and takes it as the value. On a refused entry
    // `fehler` is emitted and the field keeps its text; false is returned.
    bool Uebernehmen();
    // The text was changed since the field was entered.
    bool Modifiziert() const { return modifiziert_; }
    // The edit is taken: the field counts as unmodified again.
    void Abschliessen() { modifiziert_ = false; }
    // Back to the value on entry (Alt+Backspace).
    void Wiederherstellen();

  signals:
    void eingabeBeginnt();                   // the controller's PreEdit
    void eingabeBeendet(bool modifiziert);   // the controller's PostEdit
    void fehler(int code, const QString& text);

  protected:
    // Reads the text; an error code and its text, or nothing.
    virtual std::optional<std::pair<int, QString>> Pruefen() = 0;
    virtual void Anzeigen() = 0;  // shows the current value
    virtual void WertMerken() = 0;
    virtual void WertZuruecksetzen() = 0;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

    bool modifiziert_ = false;
    bool imFehler_ = false;   // the error message is up
    bool nachFehler_ = false;  // a refused entry waits to be mended
};

class BetragFeld : public MaskenFeld {
    Q_OBJECT
  public:
    explicit BetragFeld(QWidget* eltern = nullptr);
    void SetzeMaske(const QString& maske);
    QString Maske() const { return maske_; }
    // The range; by default the mask's, with or without sign.
    void SetzeBereich(double min, double max);
    double Min() const { return min_; }
    double Max() const { return max_; }
    double Wert() const { return wert_; }
    void SetzeWert(double w);

  protected:
    std::optional<std::pair<int, QString>> Pruefen() override;
    void Anzeigen() override;
    void WertMerken() override { eintritt_ = wert_; }
    void WertZuruecksetzen() override { wert_ = eintritt_; }

  private:
    void BereichBeschreiben();
    QString maske_;
    Bildmaske bild_;
    double min_, max_;
    double wert_ = 0, eintritt_ = 0;
};

class DatumFeld : public MaskenFeld {
    Q_OBJECT
  public:
    explicit DatumFeld(QWidget* eltern = nullptr);
    int32_t Wert() const { return wert_; }  // -1: empty
    void SetzeWert(int32_t tag);
    int32_t Von() const { return von_; }
    int32_t Bis() const { return bis_; }
    // Range and hint (the page's DatumValidationEintrag decides the bounds).
    void SetzeBereich(int32_t von, int32_t bis, const QString& hinweis);
    QString Hinweis() const { return hinweis_; }

  protected:
    std::optional<std::pair<int, QString>> Pruefen() override;
    void Anzeigen() override;
    void WertMerken() override { eintritt_ = wert_; }
    void WertZuruecksetzen() override { wert_ = eintritt_; }

  private:
    int32_t wert_ = -1, eintritt_ = -1;
    int32_t von_, bis_;
    QString hinweis_;
};

// The typed date as a day number: "1.5.2001", "01.05.01", "010501",
// "01052001"; -1 for an empty text; nothing when it is no date.
std::optional<int32_t> DatumLesen(const QString& text);

}  // namespace quarnel::gui
