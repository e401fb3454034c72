// quarnel-cli formulare: the filled official form sheets of a case as a PDF
// file, without a display (Qt's offscreen platform draws the pages).
#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "befehle.h"
#include "calc/betrag.h"
#include "calc/deklaration.h"
#include "case/zeichensatz.h"
#include "case/falldatei.h"
#include "print/berichtspieler.h"
#include "print/formular.h"
#include "print/formularauswahl.h"
#include "results/pruefung_texte.h"
#include "shell/verzeichnisse.h"

namespace quarnel::cli {
namespace {

// "11,31,312": sheet numbers of the item table.
bool BlaetterLesen(const std::string& text, std::vector<int>& blaetter) {
    std::size_t p = 0;
    while (p <= text.size()) {
        const std::size_t e = std::min(text.find(',', p), text.size());
        const std::string teil = text.substr(p, e - p);
        if (teil.empty() || teil.find_first_not_of("0123456789") != std::string::npos) return false;
        const int blatt = std::stoi(teil.substr(0, 4));
        bool bekannt = false;
        for (const Formularposten& f : Formularposten30()) bekannt = bekannt || f.blatt == blatt;
        bekannt = bekannt || blatt == Fortsetzungsblatt14;
        // The two-digit forms of Anlage N and V stand for the first instance.
        if (!bekannt && (blatt == 31 || blatt == 32 || blatt == 71 || blatt == 72)) {
            blaetter.push_back(10 * blatt + 1);
        } else if (bekannt) {
            blaetter.push_back(blatt);
        } else {
            return false;
        }
        p = e + 1;
    }
    return !blaetter.empty();
}

int32_t Heute() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return TagesNummer(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
}

// Every printed field, page by page as the PDF holds them: a line
// "Seite n Blatt b", then "feld<TAB>index<TAB>text<TAB>second line" (UTF-8),
// and after them "gekürzt<TAB>..." for every text cut to fit its box.
void WerteAusgeben(const Formularumgebung& u, const Textmass& mass, const std::vector<int>& blaetter) {
    int seite = 0;
    for (int b : blaetter) {
        for (int s : BlattMitFortsetzung(u.fall, b)) {
            std::printf("Seite %d Blatt %d\n", ++seite, s);
            const std::optional<Definition> def = DefinitionLesen(u.formVerzeichnis, s);
            if (!def) continue;
            for (const Formularfeld& f : FormularblattWerte(u, s, *def))
                std::printf("%d\t%d\t%s\t%s\n", f.zeile.feld, f.zeile.index,
                            Cp1252ZuUtf8(f.wert.text).c_str(), Cp1252ZuUtf8(f.wert.zeile2).c_str());
        }
    }
    for (const std::string& g : GekuerzteTexte(u, mass, blaetter))
        std::printf("gek\xc3\xbcrzt\t%s\n", Cp1252ZuUtf8(g).c_str());
}

int Formulare(const std::vector<std::string>& args) {
    std::string pfad, pdf;
    std::vector<int> blaetter;
    bool amtlich = false, kalibrierung = false, werte = false, ungeschoben = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--pdf" || a == "--blatt") {
            if (i + 1 >= args.size()) return Fehler(a + " erwartet einen Wert");
            const std::string& wert = args[++i];
            if (a == "--pdf") pdf = wert;
            else if (!BlaetterLesen(wert, blaetter)) return Fehler("--blatt erwartet Blattnummern wie 11,31,312: " + wert);
        } else if (a == "--amtlich") {
            amtlich = true;
        } else if (a == "--kalibrierung") {
            kalibrierung = true;
        } else if (a == "--werte") {
            werte = true;
        } else if (a == "--ungeschoben") {
            ungeschoben = true;
        } else if (!a.empty() && a[0] == '-') {
            return Fehler("unbekannte Option: " + a);
        } else if (pfad.empty()) {
            pfad = a;
        } else {
            return Fehler("formulare erwartet genau eine Datei");
        }
    }
    if (pfad.empty() || (pdf.empty() && !werte))
        return Fehler("Aufruf: formulare DATEI --pdf AUSGABE.pdf [--blatt 11,31,...] [--amtlich] [--werte] [--ungeschoben]");
    auto satz = std::make_unique<CaseRecord>();
    if (const int code = FallLesen(pfad, *satz); code != 0) return code;
    if (DieselbeDatei(pdf, pfad)) return Fehler("Das PDF würde den Fall überschreiben: " + pdf);
    // The declaration values refresh the derived fields and the annex flags.
    auto eingabe = std::make_unique<CalcInput>();
    DeklarationFuellen(*satz, *eingabe, false);
    if (blaetter.empty()) {
        const Formularwahl wahl = AutomatischeAuswahl(*satz);
        for (int i = 0; i < AnzahlFormularposten; ++i)
            if (wahl[static_cast<std::size_t>(i)]) blaetter.push_back(Formularposten30()[static_cast<std::size_t>(i)].blatt);
    }

    // The first-run form settings: the shifts of each group, 100 %.
    Einstellungen einst;
    ErststartWerteSetzen(einst);
    einst.formSkalierung = 100;
    if (ungeschoben) {
        einst.alleRechts = einst.alleUnten = 0;
        einst.formVerschiebung = {};
    }
    const Verzeichnisse v = VerzeichnisseBestimmen(VerzeichnisQuellenDesProzesses(), false);
    Formularumgebung u;
    u.fall = satz.get();
    u.einst = &einst;
    u.formVerzeichnis = v.formular;
    u.heute = Heute();
    u.kalibrierung = kalibrierung;

    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "quarnel-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    gui::QtTextmass mass;
    if (werte) {
        WerteAusgeben(u, mass, blaetter);
        if (pdf.empty()) return 0;
    }
    Bericht bericht;
    Berichtschreiber w(mass, bericht);
    FormularblaetterSetzen(w, u, blaetter, !amtlich);
    const auto daten = gui::PdfDaten(bericht, 1, 1 << 30, einst.formSkalierung);
    if (!daten) return Misserfolg("PDF nicht erzeugt: " + pdf);
    if (const int code = AusgabeSichern(
            pdf, {reinterpret_cast<const uint8_t*>(daten->constData()), static_cast<std::size_t>(daten->size())});
        code != 0)
        return code;
    std::printf("%d Seiten: %s\n", bericht.Seitenzahl(), pdf.c_str());
    return 0;
}

// The check measures the printed texts as this command prints them: the
// first-run form settings, offscreen.
void TexteMessen(const CaseRecord& fall, Befundtabelle& t) {
    Einstellungen einst;
    ErststartWerteSetzen(einst);
    Formularumgebung u;
    u.fall = &fall;
    u.einst = &einst;
    u.formVerzeichnis = VerzeichnisseBestimmen(VerzeichnisQuellenDesProzesses(), false).formular;
    u.heute = Heute();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "quarnel-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    const gui::QtTextmass mass;
    GekuerzteTexteMelden(u, mass, t);
}

const bool textpruefung = (FormulartextPruefung() = TexteMessen, true);

const BefehlEintrag eintrag("formulare", "formulare DATEI --pdf AUS.pdf [--blatt 11,31] [--amtlich] [--werte]",
                            "die ausgefüllten amtlichen Formulare als PDF", Formulare);

}  // namespace
}  // namespace quarnel::cli
