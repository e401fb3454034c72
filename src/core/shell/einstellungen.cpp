#include "shell/einstellungen.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "case/sicherung.h"
#include "case/zeichensatz.h"

namespace quarnel {

namespace {

constexpr std::array<Einstellungen::Verschiebung, 20> ErststartVerschiebung{{
    {9, 2},  {7, 7},  {17, 7}, {8, 7},  {18, 3}, {7, 8}, {18, 0}, {8, 6}, {18, 3}, {8, 7},
    {17, 1}, {8, 12}, {18, 4}, {7, 17}, {17, 4}, {7, 9}, {17, 2}, {8, 8}, {15, 4}, {6, 8},
}};

std::string BoolText(bool b) {
    return b ? "1" : "0";
}

std::string Zwei(int k) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", k);
    return buf;
}

int Ganz(const IniDatei& ini, const char* s, const char* k, int vorgabe) {
    long long w = ini.LiesGanzzahl(s, k, vorgabe);
    if (w < -2147483647LL - 1 || w > 2147483647LL) return vorgabe;
    return static_cast<int>(w);
}

// A number of a range: one beyond it takes the nearest end.
int Begrenzt(const IniDatei& ini, const char* s, const char* k, int vorgabe, int von, int bis) {
    return static_cast<int>(std::clamp<long long>(ini.LiesGanzzahl(s, k, vorgabe), von, bis));
}

double Begrenzt(const IniDatei& ini, const char* s, const char* k, double vorgabe, double von,
                double bis) {
    return std::clamp(ini.LiesZahl(s, k, vorgabe), von, bis);
}

// A text value: UTF-8 as it is, anything else as the Windows-1252 of older files.
std::string Text(const IniDatei& ini, const char* s, const char* k, std::string_view vorgabe) {
    const std::string t = ini.LiesText(s, k, vorgabe);
    return GueltigesUtf8(t) ? t : Cp1252ZuUtf8(t);
}

// The shift of the forms in mm, as the form-printing dialog takes it.
constexpr int GroessteVerschiebung = 100;

uint32_t Farbe(const IniDatei& ini, const char* s, const char* k, uint32_t vorgabe) {
    long long w = ini.LiesGanzzahl(s, k, vorgabe);
    if (w < 0 || w > 0xFFFFFFFFLL) return vorgabe;
    return static_cast<uint32_t>(w);
}

SchriftWahl SchriftLesen(const IniDatei& ini, const char* s, const SchriftWahl& v,
                         const char* unterstrichenSchluessel) {
    SchriftWahl f;
    f.name = ZeichenBegrenzen(Text(ini, s, "FontName", v.name), MaxSchriftName);
    f.groesse = Begrenzt(ini, s, "FontSize", v.groesse, 1, 400);
    f.fett = ini.LiesBool(s, "fett", v.fett);
    f.kursiv = ini.LiesBool(s, "italic", v.kursiv);
    f.unterstrichen = ini.LiesBool(s, unterstrichenSchluessel, v.unterstrichen);
    return f;
}

void SchriftSchreiben(IniDatei& ini, const char* s, const SchriftWahl& f,
                      const char* unterstrichenSchluessel) {
    ini.SetzeText(s, "FontName", ZeichenBegrenzen(f.name, MaxSchriftName));
    ini.Setze(s, "FontSize", std::to_string(f.groesse));
    ini.Setze(s, "fett", BoolText(f.fett));
    ini.Setze(s, "italic", BoolText(f.kursiv));
    ini.Setze(s, unterstrichenSchluessel, BoolText(f.unterstrichen));
}

}  // namespace

std::string ZeichenBegrenzen(const std::string& utf8, std::size_t n) {
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
            if (zeichen == n) return utf8.substr(0, i);
            ++zeichen;
        }
    }
    return utf8;
}

std::string FarbeZuText(uint32_t farbe) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%010X", farbe);
    return buf;
}

void ErststartWerteSetzen(Einstellungen& e) {
    e.alleRechts = 0;
    e.alleUnten = 0;
    e.formSkalierung = 95;
    e.formVerschiebung = ErststartVerschiebung;
}

Einstellungen EinstellungenAusIni(const IniDatei& ini) {
    const Einstellungen v;
    Einstellungen e;
    e.tips = ini.LiesBool("Start", "Tips", v.tips);
    e.lfdTip = Ganz(ini, "Start", "LfdTip", v.lfdTip);
    e.schriftzugFenster = ini.LiesBool("Start", "SchriftzugFenster", v.schriftzugFenster);
    e.hinterBild = ini.LiesBool("Start", "HinterBild", v.hinterBild);
    e.hintergrund = Farbe(ini, "Start", "Hintergrund", v.hintergrund);
    e.auswahlFenster = Farbe(ini, "Start", "AuswahlFenster", v.auswahlFenster);
    e.insert = ini.LiesBool("Start", "Insert", v.insert);
    e.lfdBerechnung = ini.LiesBool("Start", "LfdBerechnung", v.lfdBerechnung);
    e.deltaFontSizeTab = Begrenzt(ini, "Start", "DeltaFontSizeTab", v.deltaFontSizeTab, -8, 40);
    e.artLaufschrift = Ganz(ini, "Start", "ArtLaufschrift", v.artLaufschrift);
    e.eingangsFenster = ini.LiesBool("Start", "EingangsFenster", v.eingangsFenster);
    e.navigatorFullExpand = ini.LiesBool("Start", "NavigatorFullExpand", v.navigatorFullExpand);
    e.internetBrowser = ini.LiesBool("Start", "InternetBrowser", v.internetBrowser);

    e.links = Ganz(ini, "Form", "links", v.links);
    e.oben = Ganz(ini, "Form", "oben", v.oben);
    e.weite = Ganz(ini, "Form", "weite", v.weite);
    e.screenweite = Ganz(ini, "Form", "screenweite", v.screenweite);

    e.imFenster = ini.LiesBool("Ergebnis", "ImFenster", v.imFenster);
    e.speichernAnsi = ini.LiesBool("Ergebnis", "SpeichernAnsi", v.speichernAnsi);
    e.speichernUtf8 = ini.LiesBool("Ergebnis", "SpeichernUtf8", v.speichernUtf8);
    e.ergebAmtlBesch = ini.LiesBool("Ergebnis", "ErgebAmtlBesch", v.ergebAmtlBesch);

    e.linksRand = Begrenzt(ini, "Druck", "LinksRand", v.linksRand, 0.0, 20.0);
    e.obenRand = Begrenzt(ini, "Druck", "ObenRand", v.obenRand, 0.0, 20.0);
    e.untenRand = Begrenzt(ini, "Druck", "UntenRand", v.untenRand, 0.0, 20.0);

    e.druckSchrift = SchriftLesen(ini, "Font", v.druckSchrift, "Underline");
    e.formSchrift = SchriftLesen(ini, "FormFont", v.formSchrift, "Underline");
    e.viewerSchrift = SchriftLesen(ini, "Viewer", v.viewerSchrift, "underline");
    e.wastebereich = ini.LiesBool("Viewer", "Wastebereich", v.wastebereich);

    e.formDuplex = ini.LiesBool("FormDrk", "FormDuplex", v.formDuplex);
    e.formUnterlegte = ini.LiesBool("FormDrk", "FormUnterlegte", v.formUnterlegte);
    e.formMitVoranzeige = ini.LiesBool("FormDrk", "FormMitVoranzeige", v.formMitVoranzeige);
    constexpr int g = GroessteVerschiebung;
    e.alleRechts = Begrenzt(ini, "FormDrk", "AlleRechts", v.alleRechts, -g, g);
    e.alleUnten = Begrenzt(ini, "FormDrk", "AlleUnten", v.alleUnten, -g, g);
    for (int k = 1; k <= 20; ++k) {
        auto& s = e.formVerschiebung[static_cast<std::size_t>(k - 1)];
        s.rechts = Begrenzt(ini, "FormDrk", (Zwei(k) + "01").c_str(), 0, -g, g);
        s.unten = Begrenzt(ini, "FormDrk", (Zwei(k) + "02").c_str(), 0, -g, g);
    }
    e.formSkalierung = Begrenzt(ini, "FormDrk", "FormSkalierung", v.formSkalierung, 10, 400);

    e.letztDatenPfad = ZeichenBegrenzen(Text(ini, "App1", "LetztDatenPfad", ""), MaxDatenPfad);
    e.sicherungen = Begrenzt(ini, "App1", "Sicherungen", v.sicherungen, 0, SicherungenHoechstens);
    return e;
}

void EinstellungenInIni(const Einstellungen& e, IniDatei& ini) {
    ini.Setze("Start", "Tips", BoolText(e.tips));
    ini.Setze("Start", "LfdTip", std::to_string(e.lfdTip));
    ini.Setze("Start", "SchriftzugFenster", BoolText(e.schriftzugFenster));
    ini.Setze("Start", "HinterBild", BoolText(e.hinterBild));
    // The background colour goes out twice in a row; the second write lands on
    // the same line, as the INI format keeps one value per key.
    ini.Setze("Start", "Hintergrund", FarbeZuText(e.hintergrund));
    ini.Setze("Start", "Hintergrund", FarbeZuText(e.hintergrund));
    ini.Setze("Start", "AuswahlFenster", FarbeZuText(e.auswahlFenster));
    ini.Setze("Start", "Insert", BoolText(e.insert));
    ini.Setze("Start", "LfdBerechnung", BoolText(e.lfdBerechnung));
    ini.Setze("Start", "DeltaFontSizeTab", std::to_string(e.deltaFontSizeTab));
    ini.Setze("Start", "ArtLaufschrift", std::to_string(e.artLaufschrift));
    ini.Setze("Start", "EingangsFenster", BoolText(e.eingangsFenster));
    ini.Setze("Start", "NavigatorFullExpand", BoolText(e.navigatorFullExpand));
    ini.Setze("Start", "InternetBrowser", BoolText(e.internetBrowser));

    ini.Setze("Form", "links", std::to_string(e.links));
    ini.Setze("Form", "oben", std::to_string(e.oben));
    ini.Setze("Form", "weite", std::to_string(e.weite));
    ini.Setze("Form", "screenweite", std::to_string(e.screenweite));

    ini.Setze("Ergebnis", "ImFenster", BoolText(e.imFenster));
    ini.Setze("Ergebnis", "SpeichernAnsi", BoolText(e.speichernAnsi));
    ini.Setze("Ergebnis", "SpeichernUtf8", BoolText(e.speichernUtf8));
    ini.Setze("Ergebnis", "ErgebAmtlBesch", BoolText(e.ergebAmtlBesch));

    ini.Setze("Druck", "LinksRand", ZahlZuText(e.linksRand));
    ini.Setze("Druck", "ObenRand", ZahlZuText(e.obenRand));
    ini.Setze("Druck", "UntenRand", ZahlZuText(e.untenRand));

    SchriftSchreiben(ini, "Font", e.druckSchrift, "Underline");
    SchriftSchreiben(ini, "FormFont", e.formSchrift, "Underline");
    SchriftSchreiben(ini, "Viewer", e.viewerSchrift, "underline");
    ini.Setze("Viewer", "Wastebereich", BoolText(e.wastebereich));

    ini.Setze("FormDrk", "FormDuplex", BoolText(e.formDuplex));
    ini.Setze("FormDrk", "FormUnterlegte", BoolText(e.formUnterlegte));
    ini.Setze("FormDrk", "FormMitVoranzeige", BoolText(e.formMitVoranzeige));
    ini.Setze("FormDrk", "AlleRechts", std::to_string(e.alleRechts));
    ini.Setze("FormDrk", "AlleUnten", std::to_string(e.alleUnten));
    for (int k = 1; k <= 20; ++k) {
        const auto& s = e.formVerschiebung[static_cast<std::size_t>(k - 1)];
        ini.Setze("FormDrk", Zwei(k) + "01", std::to_string(s.rechts));
        ini.Setze("FormDrk", Zwei(k) + "02", std::to_string(s.unten));
    }
    ini.Setze("FormDrk", "FormSkalierung", std::to_string(e.formSkalierung));

    ini.SetzeText("App1", "LetztDatenPfad", ZeichenBegrenzen(e.letztDatenPfad, MaxDatenPfad));
    ini.Setze("App1", "Sicherungen", std::to_string(e.sicherungen));
}

Einstellungen EinstellungenLesen(const std::string& pfad, bool* vorhanden) {
    IniDatei ini;
    bool da = ini.Laden(pfad);
    if (vorhanden) *vorhanden = da;
    Einstellungen e = EinstellungenAusIni(ini);
    if (!da) ErststartWerteSetzen(e);
    return e;
}

bool EinstellungenSchreiben(const std::string& pfad, const Einstellungen& e) {
    IniDatei ini;
    ini.Laden(pfad);
    // A file read in part or not at all would lose the user's other lines.
    if (ini.Zustand() != IniZustand::Gelesen && ini.Zustand() != IniZustand::Fehlt) return false;
    EinstellungenInIni(e, ini);
    return ini.Speichern(pfad);
}

}  // namespace quarnel
