#include "widgets/maskenfeld.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>
#include <cmath>

#include "calc/betrag.h"

namespace quarnel::gui {

namespace {

bool Ziffernplatz(QChar c) {
    return c == u'i' || c == u'#' || c == u'9';
}

}  // namespace

Bildmaske Bildmaske::Lesen(const QString& maske) {
    Bildmaske b;
    b.vorkomma = 0;
    b.nachkomma = 0;
    b.gruppiert = maske.contains(u',');
    const qsizetype punkt = maske.indexOf(u'.');
    for (qsizetype k = 0; k < maske.size(); ++k) {
        if (!Ziffernplatz(maske[k])) continue;
        if (punkt >= 0 && k > punkt)
            ++b.nachkomma;
        else
            ++b.vorkomma;
    }
    b.festeNullen = punkt >= 0 && b.nachkomma == 0 && maske.mid(punkt + 1).startsWith(u'0');
    if (b.vorkomma == 0) b.vorkomma = 1;
    return b;
}

double Bildmaske::Hoechstwert() const {
    return std::pow(10.0, vorkomma) - std::pow(10.0, -nachkomma);
}

QString BetragAnzeigen(const Bildmaske& m, double wert) {
    if (!std::isfinite(wert)) wert = 0;
    const double gerundet = std::round(std::fabs(wert) * std::pow(10.0, m.nachkomma));
    QString ziffern = QString::number(gerundet, 'f', 0);
    while (ziffern.size() <= m.nachkomma) ziffern.prepend(u'0');
    QString ganz = ziffern.left(ziffern.size() - m.nachkomma);
    const QString bruch = ziffern.right(m.nachkomma);
    if (m.gruppiert)
        for (qsizetype k = ganz.size() - 3; k > 0; k -= 3) ganz.insert(k, u'.');
    QString s = ganz;
    if (m.nachkomma > 0) s += u',' + bruch;
    if (m.festeNullen) s += QStringLiteral(",00");
    if (wert < 0 && gerundet > 0) s.prepend(u'-');
    return s;
}

std::optional<double> BetragLesen(const QString& text) {
    QString s = text.trimmed();
    s.remove(u' ');
    if (s.isEmpty()) return 0.0;
    bool negativ = false;
    if (s.startsWith(u'-')) {
        negativ = true;
        s.remove(0, 1);
    } else if (s.endsWith(u'-')) {
        negativ = true;
        s.chop(1);
    }
    if (s.isEmpty()) return std::nullopt;
    for (QChar c : s)
        if (!c.isDigit() && c != u'.' && c != u',') return std::nullopt;
    if (s.count(u',') > 1) return std::nullopt;
    if (!s.contains(u',') && s.count(u'.') == 1) {
        const qsizetype nach = s.size() - s.indexOf(u'.') - 1;
        if (nach == 1 || nach == 2) s.replace(u'.', u',');
    }
    s.remove(u'.');
    s.replace(u',', u'.');
    if (s == QStringLiteral(".")) return std::nullopt;
    bool ok = false;
    const double w = s.toDouble(&ok);
    if (!ok || !std::isfinite(w)) return std::nullopt;
    return negativ ? -w : w;
}

std::optional<int32_t> DatumLesen(const QString& text) {
    const QString s = text.trimmed();
    if (s.isEmpty() || s.count(u'.') == s.size() - s.count(u' ')) return KeinDatum;
    int tag = 0, monat = 0, jahr = 0;
    bool ok1 = false, ok2 = false, ok3 = false;
    QString jahrText;
    if (s.contains(u'.')) {
        const QStringList t = s.split(u'.');
        if (t.size() != 3) return std::nullopt;
        tag = t[0].trimmed().toInt(&ok1);
        monat = t[1].trimmed().toInt(&ok2);
        jahrText = t[2].trimmed();
    } else {
        if (s.size() != 6 && s.size() != 8) return std::nullopt;
        tag = s.left(2).toInt(&ok1);
        monat = s.mid(2, 2).toInt(&ok2);
        jahrText = s.mid(4);
    }
    for (QChar c : jahrText)
        if (!c.isDigit()) return std::nullopt;
    jahr = jahrText.toInt(&ok3);
    if (!ok1 || !ok2 || !ok3) return std::nullopt;
    if (jahrText.size() == 2) jahr += jahr < 50 ? 2000 : 1900;
    else if (jahrText.size() != 4) return std::nullopt;
    if (monat < 1 || monat > 12 || tag < 1 || tag > 31 || jahr < 1600 || jahr > 9999)
        return std::nullopt;
    const int32_t d = TagesNummer(jahr, monat, tag);
    if (JahrVon(d) != jahr || MonatVon(d) != monat || TagVon(d) != tag) return std::nullopt;
    return d;
}

// --- MaskenFeld --------------------------------------------------------------------

MaskenFeld::MaskenFeld(QWidget* eltern) : EingabeFeld(eltern) {
    connect(this, &QLineEdit::textEdited, this, [this] { modifiziert_ = true; });
}

void MaskenFeld::focusInEvent(QFocusEvent* e) {
    EingabeFeld::focusInEvent(e);
    if (nachFehler_) return;  // back after a refused entry: the edit goes on
    modifiziert_ = false;
    WertMerken();
    emit eingabeBeginnt();
}

void MaskenFeld::focusOutEvent(QFocusEvent* e) {
    EingabeFeld::focusOutEvent(e);
    if (imFehler_) return;
    // A popup or a message box over the field is no leaving.
    if (e->reason() == Qt::PopupFocusReason) return;
    if (!modifiziert_) {
        emit eingabeBeendet(false);
        return;
    }
    if (Uebernehmen()) {
        emit eingabeBeendet(true);
        modifiziert_ = false;
    }
}

bool MaskenFeld::Uebernehmen() {
    if (!modifiziert_) return true;
    if (const auto f = Pruefen()) {
        imFehler_ = true;
        nachFehler_ = true;
        emit fehler(f->first, f->second);
        // The field keeps the focus and its text until the entry is mended.
        QTimer::singleShot(0, this, [this] {
            imFehler_ = false;
            if (isVisible() && isEnabled()) setFocus(Qt::OtherFocusReason);
        });
        return false;
    }
    nachFehler_ = false;
    Anzeigen();
    return true;
}

void MaskenFeld::Wiederherstellen() {
    nachFehler_ = false;
    WertZuruecksetzen();
    Anzeigen();
    modifiziert_ = false;
}

void MaskenFeld::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Backspace && (e->modifiers() & Qt::AltModifier)) {
        Wiederherstellen();
        return;
    }
    EingabeFeld::keyPressEvent(e);
}

// --- BetragFeld ------------------------------------------------------------------------

BetragFeld::BetragFeld(QWidget* eltern) : MaskenFeld(eltern) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetzeMaske(QStringLiteral("iii,iii.ii"));
}

void BetragFeld::SetzeMaske(const QString& maske) {
    maske_ = maske;
    bild_ = Bildmaske::Lesen(maske);
    max_ = bild_.Hoechstwert();
    min_ = -max_;
    setMaxLength(bild_.vorkomma + bild_.vorkomma / 3 + bild_.nachkomma + 5);
    Anzeigen();
    BereichBeschreiben();
}

void BetragFeld::SetzeBereich(double min, double max) {
    min_ = min;
    max_ = max;
    BereichBeschreiben();
}

// The range is said with the field (the status bar, where the program shows
// hints, is not read out).
void BetragFeld::BereichBeschreiben() {
    if (isReadOnly()) return;  // a shown result has no range to type in
    setAccessibleDescription(QStringLiteral("Eingabebereich ") + BetragAnzeigen(bild_, min_) +
                             QStringLiteral(" bis ") + BetragAnzeigen(bild_, max_));
}

void BetragFeld::SetzeWert(double w) {
    wert_ = std::isfinite(w) ? w : 0.0;
    eintritt_ = wert_;
    modifiziert_ = false;
    Anzeigen();
}

void BetragFeld::Anzeigen() {
    setText(BetragAnzeigen(bild_, wert_));
}

std::optional<std::pair<int, QString>> BetragFeld::Pruefen() {
    QString t = text();
    if (bild_.festeNullen && t.endsWith(QStringLiteral(",00"))) t.chop(3);
    const std::optional<double> w = BetragLesen(t);
    if (!w) return std::pair{FehlerUngueltig, QString::fromUtf8(UngueltigText)};
    const double faktor = std::pow(10.0, bild_.nachkomma);
    const double gerundet = std::round(*w * faktor) / faktor;
    if (bild_.nachkomma == 0 && std::fabs(gerundet - *w) > 1e-9)
        return std::pair{FehlerUngueltig, QString::fromUtf8(UngueltigText)};
    if (gerundet < min_ - 1e-9 || gerundet > max_ + 1e-9)
        return std::pair{FehlerBereich,
                         QStringLiteral("Eingabebereich von %1 bis %2")
                             .arg(BetragAnzeigen(bild_, min_), BetragAnzeigen(bild_, max_))};
    wert_ = gerundet;
    return std::nullopt;
}

// --- DatumFeld -------------------------------------------------------------------------

DatumFeld::DatumFeld(QWidget* eltern)
    : MaskenFeld(eltern), von_(0), bis_(TagesNummer(3999, 12, 31)) {
    setMaxLength(10);
    setInputMask(QString());
    Anzeigen();
}

void DatumFeld::SetzeWert(int32_t tag) {
    wert_ = tag < 0 ? KeinDatum : tag;
    eintritt_ = wert_;
    modifiziert_ = false;
    Anzeigen();
}

void DatumFeld::SetzeBereich(int32_t von, int32_t bis, const QString& hinweis) {
    von_ = von;
    bis_ = bis;
    hinweis_ = hinweis;
    setToolTip(hinweis);
    setStatusTip(hinweis);
    const bool offen = von <= 0 && bis >= TagesNummer(3999, 12, 31);
    setAccessibleDescription(offen ? QStringLiteral("Datum als TT.MM.JJJJ")
                                   : QStringLiteral("Eingabebereich ") +
                                         QString::fromStdString(DatumText(von)) +
                                         QStringLiteral(" bis ") +
                                         QString::fromStdString(DatumText(bis)));
}

void DatumFeld::Anzeigen() {
    setText(wert_ < 0 ? QString() : QString::fromStdString(DatumText(wert_)));
}

std::optional<std::pair<int, QString>> DatumFeld::Pruefen() {
    const std::optional<int32_t> d = DatumLesen(text());
    if (!d) return std::pair{FehlerUngueltig, QString::fromUtf8(UngueltigText)};
    if (*d != KeinDatum && (*d < von_ || *d > bis_))
        return std::pair{FehlerBereichProgramm, hinweis_};
    wert_ = *d;
    return std::nullopt;
}

}  // namespace quarnel::gui
