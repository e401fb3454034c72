#include "shell/anzeige.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace quarnel {

namespace {

constexpr std::array<std::string_view, 8> Tips{
    "Stichworte im rechten Textfenster sind mit dem <b>Steuerhandbuch</b> verbunden. Ein Klick "
    "auf die <u>unterstrichenen</u> Worte genügt.",
    "Sofern Sie ein Eingabefeld noch nicht verlassen haben, können Sie den Ausgangswert des "
    "Feldes wiederherstellen mit <b>Alt+Backspace</b>.",
    "Im Handbuch des Programms finden Sie die Rubrik <b>Fragen und Antwort</b>. Hier haben wir "
    "die in der Vergangenheit an uns gerichtete Fragen -zusammen mit den Antworten- "
    "zusammengestellt.",
    "Im Menüpunkt <b>Konfiguration</b> können Sie festlegen, ob Ergebnisse im Ergebnisfenster "
    "(Voreinstellung) oder direkt als Druckvorschau ausgegeben werden.",
    "Lassen Sie sich die Ergebnisse als <b>Druckvorschau</b> anzeigen, so können Sie mit "
    "Ctrl+PgDn und Ctrl+PgUp zwischen den einzelnen Seiten blättern.",
    "Wichtige Funktionen können über <b>Tastenkombinationen</b> (Strg+Taste) aufgerufen "
    "werden.<br>z.B. Ctrl+B = Berechnung.",
    "Mit der <b>laufenden Ergebnisberechnung</b> zeigt die Statusleiste nach jedem "
    "Feldwechsel, ob Sie eine Erstattung erwarten (<b>+</b>) oder nachzahlen (<b>-</b>).",
    "Die in der Titel-Leiste befindliche <b>Laufschrift</b> können Sie unter "
    "<b>Konfiguration</b> - <b>Voreinstellungen</b> nach Ihren Wünschen anpassen.",
};

constexpr std::string_view Eingang =
    "<h3>Willkommen bei Quarnel 2001/2002</h3>"
    "<p>Mit diesem Programm erstellen Sie Ihre Einkommensteuererklärung für das Jahr "
    "<b>2001</b> und prüfen den Bescheid Ihres Finanzamts.</p>"
    "<p>Beginnen Sie mit <b>Datei - Neu</b> oder öffnen Sie einen gespeicherten Steuerfall. "
    "Das Interview trifft eine Vorauswahl der für Ihren Fall wichtigen Eingabebereiche; "
    "der Navigator führt Sie zu jeder Seite.</p>"
    "<p>Im rechten Fenster steht stets die Hilfe zum gerade bearbeiteten Feld. "
    "Die Taste <b>F1</b> öffnet in Meldungen mit Hilfeknopf den zugehörigen Hilfetext.</p>"
    "<p><b>Bitte beachten:</b> Das Programm ersetzt keine Steuerberatung. Alle Beträge werden "
    "in DM berechnet; prüfen Sie Ihre Eingaben vor der Abgabe der Erklärung sorgfältig.</p>"
    "<p>Ihre Steuerfälle werden nur auf Ihrem Rechner gespeichert. Vergeben Sie bei Bedarf "
    "unter <b>Datei - Passwort ändern</b> ein Passwort.</p>";

}  // namespace

std::string FensterTitel() {
    return std::string(ProgrammTitel) + " - ";
}

std::string LaufschriftSchritt(const std::string& titel) {
    if (titel.empty()) return titel;
    std::size_t laenge = 1;
    while (laenge < titel.size() && (static_cast<unsigned char>(titel[laenge]) & 0xC0) == 0x80)
        ++laenge;
    return titel.substr(laenge) + titel.substr(0, laenge);
}

std::string BetragDM(double betrag) {
    double cent = std::round(std::fabs(betrag) * 100.0);
    bool negativ = betrag < 0 && cent > 0;
    long long ganz = static_cast<long long>(cent / 100.0);
    int rest = static_cast<int>(cent - static_cast<double>(ganz) * 100.0);
    std::string ziffern = std::to_string(ganz);
    std::string mitPunkten;
    for (std::size_t i = 0; i < ziffern.size(); ++i) {
        if (i > 0 && (ziffern.size() - i) % 3 == 0) mitPunkten += '.';
        mitPunkten += ziffern[i];
    }
    char nach[4];
    std::snprintf(nach, sizeof nach, "%02d", rest);
    return (negativ ? "-" : "") + mitPunkten + "," + nach + " DM";
}

SaldoAnzeige SaldoText(double saldo) {
    if (saldo > 0) return {"- " + BetragDM(saldo), true};
    return {"+ " + BetragDM(-saldo), false};
}

std::string FeldNummerText(int hilfeNummer) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "#F%02d%02d", (hilfeNummer / 100) % 100, hilfeNummer % 100);
    return buf;
}

int SeitenHilfeNummer(int bereich, int seite) {
    switch (bereich) {
        case 2:
        case 3:
        case 7:
            return 10 * bereich + 1;
        case 5:
            return seite + 40;
        case 11:
            return 10 * bereich + (seite == 1 ? 1 : 2);
        default:
            return 10 * bereich + seite;
    }
}

std::string DreiStellen(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%03d", n);
    return buf;
}

std::string HilfeDatei(const std::string& hilfeVerzeichnis, std::string_view seite) {
    std::string name(seite);
    for (char& c : name)
        if (c == '\\') c = '/';
    std::string gross = name;
    for (char& c : gross)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (gross.find(".HTM") == std::string::npos) name += ".htm";
    std::string pfad = hilfeVerzeichnis;
    if (!pfad.empty() && pfad.back() != '/') pfad += '/';
    return pfad + name;
}

int AnzahlTips() {
    return static_cast<int>(Tips.size());
}

std::string_view Tip(int index) {
    if (index < 0 || index >= AnzahlTips()) return {};
    return Tips[static_cast<std::size_t>(index)];
}

TipWahl NaechsterTip(int lfdTip) {
    if (lfdTip < 0 || lfdTip >= AnzahlTips()) return {0, 1};
    return {lfdTip, lfdTip + 1};
}

std::string_view EingangsText() {
    return Eingang;
}

Fenstermasse FenstermasseZumSpeichern(Fenstermasse f, int bildschirmWeite) {
    if (f.oben < 0) f.oben = 1;
    if (f.links < 0) f.links = 1;
    if (f.weite > bildschirmWeite) f.weite = static_cast<int>(std::lround(bildschirmWeite * 0.999));
    return f;
}

Fenstermasse StartGeometrie(int gespeicherteScreenweite, Fenstermasse gespeichert,
                            int bildschirmWeite, int bildschirmHoehe, int hoehe) {
    if (gespeicherteScreenweite == bildschirmWeite && gespeichert.weite > 0) return gespeichert;
    Fenstermasse f;
    f.weite = static_cast<int>(std::lround(bildschirmWeite * 0.9));
    f.links = (bildschirmWeite - f.weite) / 2;
    f.oben = (bildschirmHoehe - hoehe) / 2;
    if (f.oben < 0) f.oben = 0;
    return f;
}

}  // namespace quarnel

namespace quarnel {

int FormularblattFuer(int bereich, int seite) {
    switch (bereich) {
        case 2:
            return 21;
        case 3:
            return seite <= 2 ? 311 : 312;
        case 4:
            return 321;
        case 5:
            return 322;
        case 6:
            return 41;
        case 7:
            return 710 + seite;
        case 8:
            return 51;
        case 9:
            return 52;
        case 11:
            return 81;
        case 12:
            return 13;
        case 13:
            return 14;
        case 14:
            return (seite == 3 || seite == 5) ? 62 : 61;
        case 16:
            return 91;
        default:
            return 11;
    }
}

}  // namespace quarnel
