#include "print/druckausgabe.h"

#include <QApplication>
#include <QDate>
#include <QGuiApplication>

#include "print/txglobprv.h"
#include "shell/tf_globmain.h"

namespace quarnel::gui {

namespace {

// Sets the flag for the length of a job and clears it on every way out.
struct Belegt {
    explicit Belegt(bool& f) : flag(f) { flag = true; }
    ~Belegt() { flag = false; }
    bool& flag;
};

struct Sanduhr {
    Sanduhr() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sanduhr() { Aus(); }
    void Aus() {
        if (an) QGuiApplication::restoreOverrideCursor();
        an = false;
    }
    bool an = true;
};

}  // namespace

Druckausgabe::Druckausgabe(QWidget* hauptfenster, const Einstellungen& einst,
                           std::string berichtsdatei, Ausgabedienste dienste)
    : hauptfenster_(hauptfenster),
      einst_(einst),
      datei_(std::move(berichtsdatei)),
      dienste_(dienste),
      drucker_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    vorschau = [this](const Bericht& b, const Vorschaustart& s) {
        TxGlobPRV v(hauptfenster_, b, s, drucker_.get(), dienste_);
        v.exec();
    };
}

std::optional<Bericht> Druckausgabe::Setzen(Druckart art, int blatt, bool blanko, bool direkt) {
    QtTextmass mass;
    if (art != Druckart::Formular) {
        Druckdaten d = daten;
        if (d.datum.empty()) {
            const QDate heute = QDate::currentDate();
            d.datum = KurzDatum({heute.year(), heute.month(), heute.day()});
        }
        return TextauftragSetzen(art, d, einst_, mass);
    }
    if (liste_.empty() ? !formularSeiten : !formularListe) return std::nullopt;
    if (deklarationFuellen) deklarationFuellen();
    Bericht b;
    Berichtschreiber w(mass, b);
    if (liste_.empty() ? !formularSeiten(w, blatt, blanko, direkt) : !formularListe(w, liste_, blanko))
        return std::nullopt;
    return b;
}

Druckausgabe::Ausgang Druckausgabe::DruckAusgabe(int typ, int blatt, bool blanko, bool aufDrucker) {
    return Ausfuehren(typ, blatt, blanko, aufDrucker ? Ziel::Drucker : Ziel::Vorschau);
}

Druckausgabe::Ausgang Druckausgabe::AlsPdf(int typ, int blatt, bool blanko) {
    return Ausfuehren(typ, blatt, blanko, Ziel::Pdf);
}

Druckausgabe::Ausgang Druckausgabe::FormulareVorschau(const std::vector<int>& blaetter, bool blanko) {
    return Liste(blaetter, blanko, Ziel::Vorschau);
}

Druckausgabe::Ausgang Druckausgabe::FormulareDrucken(const std::vector<int>& blaetter, bool blanko) {
    return Liste(blaetter, blanko, Ziel::Drucker);
}

Druckausgabe::Ausgang Druckausgabe::Liste(const std::vector<int>& blaetter, bool blanko, Ziel ziel) {
    if (beschaeftigt_ || blaetter.empty()) return Ausgang::Ignoriert;
    liste_ = blaetter;
    const Ausgang a = Ausfuehren(static_cast<int>(Druckart::Formular), blaetter.front(), blanko, ziel);
    liste_.clear();
    return a;
}

Druckausgabe::Ausgang Druckausgabe::Ausfuehren(int typ, int blatt, bool blanko, Ziel ziel) {
    if (beschaeftigt_) return Ausgang::Ignoriert;
    // The capital-income list is always shown as a preview first.
    if (typ == static_cast<int>(Druckart::Kapitalliste) && ziel == Ziel::Drucker) ziel = Ziel::Vorschau;
    const bool aufDrucker = ziel == Ziel::Drucker;
    Belegt belegt(beschaeftigt_);
    const auto art = static_cast<Druckart>(typ);
    Sanduhr sanduhr;
    std::optional<Bericht> gesetzt = Setzen(art, blatt, blanko, aufDrucker);
    if (!gesetzt) {
        sanduhr.Aus();
        if (dienste_.meldungen) dienste_.meldungen->Zeige(MeldungsTyp::Information, NichtVerfuegbarText);
        return Ausgang::NichtVerfuegbar;
    }
    // The pages go through the report file; preview and printer read them back.
    std::optional<Bericht> bericht;
    if (BerichtSpeichern(datei_, *gesetzt)) bericht = BerichtLaden(datei_);
    if (!bericht) {
        sanduhr.Aus();
        if (dienste_.meldungen)
            dienste_.meldungen->Zeige(MeldungsTyp::Fehler,
                                      "Die Druckdatei kann nicht geschrieben werden:\r" + datei_);
        return Ausgang::Fehler;
    }
    letzter_ = *bericht;
    Vorschaustart start = VorschauStart(art, blatt, einst_);
    if (!liste_.empty()) start.startseite = 1;  // a selection opens at its first sheet
    sanduhr.Aus();
    // A form job prints at the form scale; every other job at 100 %.
    if (ziel == Ziel::Pdf)
        return PdfAusgabe(letzter_, dienste_, start.skalierung) ? Ausgang::Gedruckt : Ausgang::Fehler;
    if (aufDrucker)
        return DruckerAusgabe(*drucker_, letzter_, 1, letzter_.Seitenzahl(), start.skalierung, dienste_)
                   ? Ausgang::Gedruckt
                   : Ausgang::Fehler;
    if (vorschau) vorschau(letzter_, start);
    return Ausgang::Vorschau;
}

}  // namespace quarnel::gui
