#include "case/fallbefehle.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>

#include "testhilfe.h"

using namespace quarnel;
using quarnel::test::TempVerzeichnis;
namespace fs = std::filesystem;

namespace {

class Dialoge : public DateiDialoge {
  public:
    std::optional<std::string> Oeffnen(const DateiDialogAnfrage& a) override {
        anfragen.push_back(a);
        return Naechste();
    }
    std::optional<std::string> Speichern(const DateiDialogAnfrage& a) override {
        anfragen.push_back(a);
        return Naechste();
    }
    std::deque<std::optional<std::string>> antworten;
    std::vector<DateiDialogAnfrage> anfragen;

  private:
    std::optional<std::string> Naechste() {
        if (antworten.empty()) return std::nullopt;
        auto a = antworten.front();
        antworten.pop_front();
        return a;
    }
};

class Passwoerter : public PasswortAbfrage {
  public:
    std::optional<std::string> Eingabe() override {
        ++gefragt;
        if (eingaben.empty()) return std::nullopt;
        auto e = eingaben.front();
        eingaben.pop_front();
        return e;
    }
    std::deque<std::string> eingaben;
    int gefragt = 0;
};

class FehlerNachN : public Schreibkanal {
  public:
    explicit FehlerNachN(std::size_t n) : rest(n) {}
    ssize_t Schreibe(int fd, const uint8_t* d, std::size_t n) override {
        if (rest == 0) return -1;
        n = std::min(n, rest);
        rest -= n;
        return Schreibkanal::Schreibe(fd, d, n);
    }
    std::size_t rest;
};

std::vector<uint8_t> Bytes(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void Schreibe(const std::string& pfad, const std::vector<uint8_t>& b) {
    std::ofstream(pfad, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

std::vector<std::string> Texte(const MeldungsSenke& s) {
    std::vector<std::string> t;
    for (const auto& m : s.protokoll) t.push_back(m.text);
    return t;
}

// One program run: temporary files, message sink, dialogs, password prompt.
struct Lauf {
    explicit Lauf(const std::string& verzeichnis)
        : tmp(verzeichnis),
          fv(std::make_unique<Fallverwaltung>(senke, dialoge, tmp.Arbeitsdatei())) {
        fv->SetzePasswortAbfrage(&passwoerter);
        fv->Zustand().datenPfad = verzeichnis;
        fv->Zustand().programmVerzeichnis = verzeichnis;
    }
    TemporaereDateien tmp;
    MeldungsSenke senke;
    Dialoge dialoge;
    Passwoerter passwoerter;
    std::unique_ptr<Fallverwaltung> fv;
};

constexpr const char* kGeoeffnet = "Steuerfall wurde geöffnet.";
constexpr const char* kLesefehler = "Schwerer Lesefehler - Datendatei eventuell unbrauchbar";
constexpr const char* kSpeicherfehler =
    "Schwerer Fehler beim Abspeichern der Datendatei - Es werden min. 200 KB Speicher auf dem "
    "Datenlaufwerk benötigt!";

// A case with a name, a note and list 7 changed, saved as `name`.
std::vector<uint8_t> GespeicherterFall(Lauf& l, const std::string& name) {
    EXPECT_TRUE(l.fv->Neu());
    l.fv->Satz().SetzeTextUtf8(Feld::StpflVorname, "Jürgen");
    l.fv->Notizen().Eintrag(1)[0] = 4;
    l.fv->Notizen().Eintrag(1)[3] = 'x';
    EXPECT_TRUE(l.fv->ListeLesen(7));
    l.fv->Liste().SetzeZeilenText(1, "Notebook");
    l.fv->Liste().SetzeZeilenBetrag(1, 1999.99);
    EXPECT_TRUE(l.fv->ListeSchreiben(7));
    l.fv->Zustand().veraendert = true;
    l.dialoge.antworten.push_back(name);
    EXPECT_TRUE(l.fv->Speichern(true));
    return Bytes(name);
}

}  // namespace

TEST(Fallbefehle, Speichern_und_Oeffnen_byte_genau) {
    TempVerzeichnis t;
    Lauf a(t.Text());
    auto datei = GespeicherterFall(a, t / "Fall.S01");
    ASSERT_EQ(datei.size(), 193456u);
    EXPECT_EQ(a.fv->Zustand().zustand, 2);
    EXPECT_FALSE(a.fv->Zustand().veraendert);
    EXPECT_EQ(a.fv->Zustand().anzeige, "Fall.S01");
    EXPECT_EQ(a.dialoge.anfragen.back().filter, "Steuer 2001   (*.S01)|*.S01");
    EXPECT_EQ(a.dialoge.anfragen.back().standardEndung, "S01");
    EXPECT_EQ(a.dialoge.anfragen.back().dateiname, "Neu.S01");

    a.fv.reset();  // the first program ends
    Lauf b(t.Text());
    b.dialoge.antworten.push_back(t / "Fall.S01");
    ASSERT_TRUE(b.fv->Oeffnen(false));
    EXPECT_EQ(Texte(b.senke).back(), kGeoeffnet);
    EXPECT_EQ(b.fv->Satz().TextUtf8(Feld::StpflVorname), "Jürgen");
    EXPECT_EQ(b.dialoge.anfragen.back().filter,
              "Steuer 2001   (*.S01)|*.S01|Steuer 2000   (*.S00)|*.S00");
    ASSERT_TRUE(b.fv->ListeLesen(7));
    EXPECT_DOUBLE_EQ(b.fv->Liste().ZeilenBetrag(1), 1999.99);
    EXPECT_EQ(Bytes(b.tmp.Arbeitsdatei()), datei);  // the work file holds the whole case
    // Saving again without a change writes the same bytes, without a dialog.
    std::size_t dialogeVorher = b.dialoge.anfragen.size();
    ASSERT_TRUE(b.fv->Speichern(false));
    EXPECT_EQ(b.dialoge.anfragen.size(), dialogeVorher);
    EXPECT_EQ(Bytes(t / "Fall.S01"), datei);
}

TEST(Fallbefehle, Falsche_Endung_und_Signatur_vor_dem_Lesen) {
    TempVerzeichnis t;
    Lauf l(t.Text());
    ASSERT_TRUE(l.fv->Neu());
    l.fv->Satz().SetzeTextUtf8(Feld::StpflVorname, "bleibt");
    auto vorher = l.fv->Satz();
    auto arbeitVorher = Bytes(l.tmp.Arbeitsdatei());

    l.dialoge.antworten.push_back(t / "gibtsnicht.txt");  // no byte can be read from it
    EXPECT_FALSE(l.fv->Oeffnen(false));
    EXPECT_EQ(Texte(l.senke).back(),
              "Fehler: Nur Dateien mit der Endung (.S01/S00) können geöffnet werden!");

    for (std::size_t n : {0, 8}) {
        Schreibe(t / "kurz.S01", std::vector<uint8_t>(n, 'S'));
        l.dialoge.antworten.push_back(t / "kurz.S01");
        EXPECT_FALSE(l.fv->Oeffnen(false));
        EXPECT_EQ(l.senke.protokoll.back().text,
                  "Die ausgewählte Datei ist keine gültige Datendatei!");
        EXPECT_EQ(l.senke.protokoll.back().knoepfe, unsigned(KnopfOK | KnopfHilfe));
    }
    // Signature right but the file too short or too long: refused whole.
    std::vector<uint8_t> kopf = {0, 'S', '0', '0', 'V', 'E', 'R', '1', '0'};
    for (std::size_t n : {std::size_t{9}, std::size_t{193455}, std::size_t{193457}}) {
        auto b = kopf;
        b.resize(n, 0x55);
        Schreibe(t / "x.S01", b);
        l.dialoge.antworten.push_back(t / "x.S01");
        EXPECT_FALSE(l.fv->Oeffnen(false)) << n;
        EXPECT_EQ(Texte(l.senke).back(), kLesefehler) << n;
    }
    EXPECT_EQ(l.fv->Satz(), vorher);
    EXPECT_EQ(Bytes(l.tmp.Arbeitsdatei()), arbeitVorher);
    EXPECT_EQ(l.fv->Zustand().zustand, 1);
}

TEST(Fallbefehle, Abbrechendes_Speichern_laesst_alte_Datei_und_Aenderung) {
    TempVerzeichnis t;
    Lauf l(t.Text());
    auto alt = GespeicherterFall(l, t / "Fall.S01");
    l.fv->Satz().SetzeTextUtf8(Feld::StpflVorname, "Neuer Name");
    l.fv->Zustand().veraendert = true;
    for (std::size_t n : {std::size_t{0}, std::size_t{100000}, std::size_t{193455}}) {
        FehlerNachN kanal(n);
        l.fv->SetzeSchreibkanal(kanal);
        EXPECT_FALSE(l.fv->Speichern(false)) << n;
        EXPECT_EQ(Texte(l.senke).back(), kSpeicherfehler);
        EXPECT_TRUE(l.fv->Zustand().veraendert);
        EXPECT_EQ(Bytes(t / "Fall.S01"), alt);
    }
    l.fv->SetzeSchreibkanal(Schreibkanal::System());
    EXPECT_TRUE(l.fv->Speichern(false));
    EXPECT_NE(Bytes(t / "Fall.S01"), alt);
    // The case file, the run's three files and its lock, the backups' folder,
    // nothing half-written.
    EXPECT_EQ(std::distance(fs::directory_iterator(t.Text()), fs::directory_iterator()), 6);
    EXPECT_EQ(Sicherungen(t / "Fall.S01").size(), 1u);  // none of the failed saves
}

TEST(Fallbefehle, Schreibgeschuetzte_Datei_oeffnet) {
    TempVerzeichnis t;
    Lauf a(t.Text());
    auto datei = GespeicherterFall(a, t / "Fall.S01");
    ::chmod((t / "Fall.S01").c_str(), 0444);
    a.fv.reset();
    Lauf b(t.Text());
    b.dialoge.antworten.push_back(t / "Fall.S01");
    EXPECT_TRUE(b.fv->Oeffnen(false));
    EXPECT_EQ(Texte(b.senke).back(), kGeoeffnet);
    EXPECT_EQ(Bytes(t / "Fall.S01"), datei);
}

TEST(Fallbefehle, Speichern_unter_Endung_Abbruch_und_Datenpfad) {
    TempVerzeichnis t;
    Lauf l(t.Text());
    ASSERT_TRUE(l.fv->Neu());
    EXPECT_EQ(Texte(l.senke).back(), "Ein neuer Fall wurde angelegt!  Dateiname: NEU.S01");
    EXPECT_TRUE(l.senke.protokoll.back().positioniert);
    // A new case without a file: cancelling the dialog saves nothing.
    EXPECT_FALSE(l.fv->Speichern(false));
    l.dialoge.antworten.push_back(t / "Fall.txt");
    EXPECT_FALSE(l.fv->Speichern(true));
    EXPECT_EQ(Texte(l.senke).back(),
              "Fehler: Nur Dateien mit der Endung (.S01) können gespeichert werden!");
    EXPECT_FALSE(fs::exists(t / "Fall.txt"));
    l.dialoge.antworten.push_back(t / "fehlt/Fall.S01");
    EXPECT_FALSE(l.fv->Speichern(true));
    EXPECT_EQ(Texte(l.senke).back(),
              "Der Zugriff auf Laufwerk " + (t / "fehlt") + " ist nicht möglich!");

    fs::create_directory(t / "unter");
    l.dialoge.antworten.push_back(t / "unter/A.s01");
    ASSERT_TRUE(l.fv->Speichern(true));
    EXPECT_EQ(l.fv->Zustand().datenPfad, t / "unter");
    // Cancelling "save as" writes nothing, not even under the case's own name;
    // plain save writes there without a dialog.
    fs::remove(t / "unter/A.s01");
    l.fv->Zustand().veraendert = true;
    const size_t dialoge = l.dialoge.anfragen.size();
    EXPECT_FALSE(l.fv->Speichern(true));
    EXPECT_EQ(l.dialoge.anfragen.size(), dialoge + 1);
    EXPECT_FALSE(fs::exists(t / "unter/A.s01"));
    EXPECT_TRUE(l.fv->Zustand().veraendert);
    EXPECT_TRUE(l.fv->Speichern(false));
    EXPECT_EQ(l.dialoge.anfragen.size(), dialoge + 1);
    EXPECT_TRUE(fs::exists(t / "unter/A.s01"));
    EXPECT_FALSE(l.fv->Zustand().veraendert);

    // An unreachable data directory: plain save stops, save-as falls back.
    l.fv->Zustand().datenPfad = t / "weg";
    EXPECT_FALSE(l.fv->Speichern(false));
    EXPECT_EQ(Texte(l.senke).back(),
              "Der Zugriff auf Laufwerk " + (t / "weg") + " ist nicht möglich!");
    EXPECT_FALSE(l.fv->Speichern(true));  // the dialog, there, is cancelled
    EXPECT_EQ(l.dialoge.anfragen.back().verzeichnis, t.Text());
}

TEST(Fallbefehle, Geaenderter_Fall_wird_nachgefragt) {
    TempVerzeichnis t;
    Lauf l(t.Text());
    GespeicherterFall(l, t / "Fall.S01");
    l.fv->Satz().SetzeTextUtf8(Feld::StpflVorname, "geändert");
    l.fv->Zustand().veraendert = true;
    l.senke.antworten = {Antwort::Abbrechen};
    EXPECT_FALSE(l.fv->Neu());
    EXPECT_EQ(Texte(l.senke).back(),
              "Fall bereits geöffnet!\rDaten des aktuellen Falles zuerst sichern?");
    EXPECT_EQ(l.fv->Satz().TextUtf8(Feld::StpflVorname), "geändert");
    l.senke.antworten = {Antwort::Abbrechen};
    EXPECT_FALSE(l.fv->Beenden());
    // Yes saves first, then the new case is made.
    l.senke.antworten = {Antwort::Ja};
    EXPECT_TRUE(l.fv->Neu());
    EXPECT_EQ(l.fv->Zustand().zustand, 1);
    EXPECT_EQ(l.fv->Zustand().anzeige, "Neu.S01");
    Lauf b(t.Text());
    b.dialoge.antworten.push_back(t / "Fall.S01");
    ASSERT_TRUE(b.fv->Oeffnen(false));
    EXPECT_EQ(b.fv->Satz().TextUtf8(Feld::StpflVorname), "geändert");
    EXPECT_TRUE(l.fv->Beenden());  // unchanged: nothing to ask
}

TEST(Fallbefehle, Passwort_setzen_abfragen_und_abbrechen) {
    TempVerzeichnis t;
    Lauf l(t.Text());
    GespeicherterFall(l, t / "Fall.S01");
    EXPECT_FALSE(l.fv->PasswortSetzen("abc", "abd"));
    EXPECT_EQ(Texte(l.senke).back(),
              "Passwort und die Wiederholung stimmen\rnicht überein! Eingabe korrigieren");
    l.senke.antworten = {Antwort::OK, Antwort::Ja};
    EXPECT_TRUE(l.fv->PasswortSetzen(" Geheimwort12", " Geheimwort12"));
    auto n = l.senke.protokoll.size();
    EXPECT_EQ(l.senke.protokoll[n - 2].text,
              "Passwort wurde erfolgreich geändert!\r(Ihr neues Passwort wird erst aktiv, "
              "wenn\rder aktuelle Fall gespeichert wird!");
    EXPECT_EQ(l.senke.protokoll[n - 1].text, "Soll der Fall jetzt gespeichert werden?");
    EXPECT_EQ(l.fv->Satz().Text(Feld::FallPasswort), " Geheimwor");
    EXPECT_FALSE(l.fv->Zustand().veraendert);  // saved on yes

    ASSERT_TRUE(l.fv->Neu());  // lets go of Fall.S01
    Lauf b(t.Text());
    b.passwoerter.eingaben = {"Geheimwort12", "geheimwor", "  Geheimwor "};
    b.dialoge.antworten.push_back(t / "Fall.S01");
    ASSERT_TRUE(b.fv->Oeffnen(false));
    EXPECT_EQ(b.passwoerter.gefragt, 3);
    auto texte = Texte(b.senke);
    EXPECT_EQ(std::count(texte.begin(), texte.end(), "Ungültiges Passwort"), 2);
    EXPECT_EQ(Texte(b.senke).back(), kGeoeffnet);
    EXPECT_TRUE(b.fv->Satz().Bool(Feld::FallFreigabe));
    b.fv.reset();

    // Cancelled: an empty new case, and nothing of the protected file in the work file.
    Lauf c(t.Text());
    c.dialoge.antworten.push_back(t / "Fall.S01");
    EXPECT_TRUE(c.fv->Oeffnen(false));
    EXPECT_EQ(c.fv->Zustand().anzeige, "Keine Datei");
    EXPECT_EQ(c.fv->Zustand().dateiname, "");
    EXPECT_EQ(c.fv->Satz().Text(Feld::StpflVorname), "");
    auto arbeit = Bytes(c.tmp.Arbeitsdatei());
    auto geschuetzt = Bytes(t / "Fall.S01");
    EXPECT_EQ(std::search(arbeit.begin(), arbeit.end(), geschuetzt.begin() + 1188 + 1,
                          geschuetzt.begin() + 1188 + 7),
              arbeit.end());  // the first name
    ASSERT_TRUE(c.fv->ListeLesen(7));
    EXPECT_EQ(c.fv->Liste().ZeilenText(1), "Beispiele");  // the example row, not "Notebook"

    // Removing the password: an entry of blanks.
    l.senke.antworten = {Antwort::OK, Antwort::Nein};
    EXPECT_TRUE(l.fv->PasswortSetzen("  ", "  "));
    EXPECT_EQ(l.senke.protokoll[l.senke.protokoll.size() - 2].text.substr(0, 24),
              "Passwort wurde entfernt!");
    EXPECT_TRUE(l.fv->Zustand().veraendert);
}

TEST(Fallbefehle, Vorjahresfall_uebernehmen_und_sicher_speichern) {
    TempVerzeichnis t;
    std::vector<uint8_t> alt(186816, 0);
    const char kennung[] = "\x08S00VER10";
    std::copy(kennung, kennung + 9, alt.begin());
    alt[22] = 1;
    alt[1072] = 4;  // the taxpayer's first name in the old record
    std::copy_n("Hans", 4, alt.begin() + 1073);
    alt[37456 + 3] = 'N';                      // a note
    alt[37456 + 22560 + 2536 * 4 + 80] = 'L';  // a byte of list 5
    Schreibe(t / "Fall.S00", alt);

    Lauf l(t.Text());
    bool dialogGezeigt = false;
    l.fv->SetzeVorjahrDialog([&](VorjahrAuswahl& a) {
        dialogGezeigt = true;
        VorjahrVorschlag(a);
    });
    l.dialoge.antworten.push_back(t / "Fall.S00");
    ASSERT_TRUE(l.fv->Oeffnen(true));
    EXPECT_TRUE(dialogGezeigt);
    EXPECT_EQ(l.dialoge.anfragen.back().standardEndung, "S00");
    EXPECT_EQ(l.dialoge.anfragen.back().filterIndex, 2);
    EXPECT_EQ(Texte(l.senke).back(), "Daten des Vorjahres werden übernommen.");
    EXPECT_EQ(l.fv->Satz().Text(Feld::StpflVorname), "Hans");
    EXPECT_EQ(l.fv->Notizen().bytes[3], 'N');
    EXPECT_EQ(l.fv->Zustand().dateiname, t / "Fall.S01");
    EXPECT_EQ(l.fv->Zustand().zustand, 2);

    // The plain save writes Fall.S01 next to it without a dialog.
    ASSERT_TRUE(l.fv->Speichern(false));
    EXPECT_TRUE(l.dialoge.anfragen.size() == 1);
    auto neu = Bytes(t / "Fall.S01");
    ASSERT_EQ(neu.size(), 193456u);
    EXPECT_EQ(neu[64120 + 2536 * 5 + 80], 'L');
    EXPECT_EQ(Bytes(t / "Fall.S00"), alt);

    // Opened again while Fall.S01 exists: the derived name asks through the dialog.
    Lauf m(t.Text());
    m.dialoge.antworten = {t / "Fall.S00", std::nullopt};
    ASSERT_TRUE(m.fv->Oeffnen(true));
    m.fv->Satz().SetzeTextUtf8(Feld::StpflVorname, "Fremd");
    EXPECT_FALSE(m.fv->Speichern(false));
    EXPECT_EQ(m.dialoge.anfragen.back().dateiname, "Fall.S01");
    EXPECT_EQ(Bytes(t / "Fall.S01"), neu);
}

TEST(Fallbefehle, Arbeitsdatei_Fehler_werden_gemeldet) {
    TempVerzeichnis t;
    Lauf l(t.Text());
    ASSERT_TRUE(l.fv->Neu());
    l.fv->Satz().SetzeTextUtf8(Feld::StpflVorname, "bleibt");
    FehlerNachN kanal(1000);
    l.fv->SetzeSchreibkanal(kanal);
    EXPECT_FALSE(l.fv->ArbeitsdateiAnlegen());
    EXPECT_EQ(Texte(l.senke).back(),
              "Schwerer Fehler beim Anlegen der Arbeitsdatei - Es werden min. 200 KB Speicher auf "
              "dem Arbeitslaufwerk benötigt!");
    EXPECT_EQ(l.fv->Satz().TextUtf8(Feld::StpflVorname), "bleibt");
    fs::remove(l.tmp.Arbeitsdatei());
    EXPECT_FALSE(l.fv->ListeLesen(1));
    EXPECT_FALSE(l.fv->ListeSchreiben(1));
    EXPECT_EQ(l.senke.protokoll.size(), 4u);
}

TEST(Fallbefehle, Offener_Fall_ist_fuer_ein_zweites_Programm_gesperrt) {
    TempVerzeichnis t;
    Lauf a(t.Text());
    auto datei = GespeicherterFall(a, t / "Fall.S01");
    Lauf b(t.Text());
    b.dialoge.antworten.push_back(t / "Fall.S01");
    EXPECT_FALSE(b.fv->Oeffnen(false));
    EXPECT_EQ(Texte(b.senke).back(),
              "Dieser Fall ist bereits in einem anderen Programmfenster geöffnet und kann hier "
              "nicht geöffnet werden: Fall.S01");
    EXPECT_EQ(b.fv->Zustand().zustand, 0);
    // Saving over it from the second program is refused, the first one saves on.
    ASSERT_TRUE(b.fv->Neu());
    b.dialoge.antworten.push_back(t / "Fall.S01");
    EXPECT_FALSE(b.fv->Speichern(true));
    EXPECT_NE(Texte(b.senke).back().find("von einem anderen Programm bearbeitet"),
              std::string::npos);
    EXPECT_EQ(Bytes(t / "Fall.S01"), datei);
    a.fv->Satz().SetzeTextUtf8(Feld::StpflVorname, "Zweimal");
    ASSERT_TRUE(a.fv->Speichern(false));
    ASSERT_TRUE(a.fv->Speichern(false));  // the lock went to the saved file
    // Opening it again in the same program is no conflict; a new case lets go.
    a.dialoge.antworten.push_back(t / "Fall.S01");
    ASSERT_TRUE(a.fv->Oeffnen(false));
    ASSERT_TRUE(a.fv->Neu());
    b.dialoge.antworten.push_back(t / "Fall.S01");
    ASSERT_TRUE(b.fv->Oeffnen(false));
    EXPECT_EQ(b.fv->Satz().TextUtf8(Feld::StpflVorname), "Zweimal");
}

// A file named on the command line opens without the dialog, before
// "Neu.S01" of the letter "F", with the open's messages; a missing one is
// named in the error.
TEST(Fallbefehle, Datei_der_Befehlszeile_oeffnet_ohne_Dialog) {
    TempVerzeichnis t;
    Lauf l(t.Text());
    const auto gespeichert = GespeicherterFall(l, t / "Mein Fall.S01");
    GespeicherterFall(l, t / "Neu.S01");

    Lauf m(t.Text());
    m.fv->NeuS01BeimStart();
    m.fv->DateiBeimStart(t / "Mein Fall.S01");
    ASSERT_TRUE(m.fv->Oeffnen(false));
    EXPECT_TRUE(m.dialoge.anfragen.empty());
    EXPECT_EQ(Texte(m.senke).back(), kGeoeffnet);
    EXPECT_EQ(m.fv->Zustand().dateiname, t / "Mein Fall.S01");
    EXPECT_EQ(m.fv->Zustand().zustand, 2);
    EXPECT_EQ(m.fv->Satz().TextUtf8(Feld::StpflVorname), "Jürgen");
    // Both start-up opens are spent: the next open asks.
    EXPECT_FALSE(m.fv->Oeffnen(false));
    EXPECT_EQ(m.dialoge.anfragen.size(), 1u);

    Lauf n(t.Text());
    n.fv->DateiBeimStart(t / "fehlt.S01");
    EXPECT_FALSE(n.fv->Oeffnen(false));
    EXPECT_EQ(Texte(n.senke).back(), "Datei nicht gefunden: " + (t / "fehlt.S01"));
    EXPECT_TRUE(n.dialoge.anfragen.empty());
    EXPECT_EQ(n.fv->Zustand().zustand, 0);

    Schreibe(t / "brief.txt", gespeichert);
    n.fv->DateiBeimStart(t / "brief.txt");
    EXPECT_FALSE(n.fv->Oeffnen(false));
    EXPECT_EQ(Texte(n.senke).back(),
              "Fehler: Nur Dateien mit der Endung (.S01/S00) können geöffnet werden!");
}

// "Speichern unter" as an ordinary user into a folder that takes no new file:
// a writable case there is saved in place, a new name gets the folder's
// message, never the drive's.
TEST(Fallbefehle, Speichern_unter_in_fremdem_Verzeichnis) {
    if (::geteuid() != 0) GTEST_SKIP() << "braucht root, um als nobody zu laufen";
    TempVerzeichnis t;
    ::chmod(t.Text().c_str(), 0755);
    fs::create_directory(t / "arbeit");
    ::chmod((t / "arbeit").c_str(), 0777);
    Lauf a(t.Text());
    const auto vorher = GespeicherterFall(a, t / "frei.S01");
    ::chmod((t / "frei.S01").c_str(), 0666);
    ASSERT_TRUE(a.fv->Neu());  // lets go of the saved case's lock
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(10);
        Lauf l(t / "arbeit");
        if (!l.fv->Neu()) ::_exit(11);
        l.fv->Satz().SetzeTextUtf8(Feld::StpflVorname, "Eva");
        l.dialoge.antworten.push_back(t / "frei.S01");
        if (!l.fv->Speichern(true)) ::_exit(12);
        l.dialoge.antworten.push_back(t / "neu.S01");
        if (l.fv->Speichern(true)) ::_exit(13);
        const std::string text = Texte(l.senke).back();
        if (text.find("Verzeichnis") == std::string::npos || text.find("Laufwerk") != std::string::npos)
            ::_exit(14);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(Bytes(t / "frei.S01"), vorher);
    EXPECT_EQ(fs::file_size(t / "frei.S01"), 193456u);
    EXPECT_FALSE(fs::exists(t / "neu.S01"));
}

// A damaged case (torn, or overwritten with something else) opens from its
// newest backup that reads when the user says so; the next save mends it.
TEST(Fallbefehle, Unlesbarer_Fall_oeffnet_aus_der_neuesten_Sicherung) {
    TempVerzeichnis t;
    const std::string pfad = t / "Fall.S01";
    Lauf a(t.Text());
    const auto erste = GespeicherterFall(a, pfad);
    a.fv->Satz().SetzeTextUtf8(Feld::StpflVorname, "Zweite");
    ASSERT_TRUE(a.fv->Speichern(false));  // keeps the first version as a backup
    ASSERT_EQ(Sicherungen(pfad).size(), 1u);
    EXPECT_EQ(Bytes(Sicherungen(pfad)[0]), erste);
    a.fv.reset();

    struct Schaden {
        const char* was;
        std::vector<uint8_t> inhalt;
    };
    for (const Schaden& s : std::vector<Schaden>{
             {"abgeschnitten", std::vector<uint8_t>(erste.begin(), erste.begin() + 5000)},
             {"fremd", std::vector<uint8_t>(300, 'x')},
         }) {
        Schreibe(pfad, s.inhalt);
        // "No": the old message, nothing opened.
        Lauf nein(t.Text());
        nein.senke.antworten = {Antwort::Nein};
        nein.dialoge.antworten.push_back(pfad);
        EXPECT_FALSE(nein.fv->Oeffnen(false)) << s.was;
        EXPECT_NE(Texte(nein.senke).front().find("Sicherung vom"), std::string::npos) << s.was;
        nein.fv.reset();

        Lauf ja(t.Text());
        ja.dialoge.antworten.push_back(pfad);
        ASSERT_TRUE(ja.fv->Oeffnen(false)) << s.was;
        EXPECT_EQ(ja.fv->Satz().TextUtf8(Feld::StpflVorname), "Jürgen") << s.was;
        EXPECT_EQ(ja.fv->Zustand().dateiname, pfad);
        EXPECT_TRUE(ja.fv->Zustand().veraendert);  // not yet mended on the disk
        ASSERT_TRUE(ja.fv->ListeLesen(7));
        EXPECT_DOUBLE_EQ(ja.fv->Liste().ZeilenBetrag(1), 1999.99);
        ASSERT_TRUE(ja.fv->Speichern(false));
        EXPECT_EQ(Bytes(pfad), erste) << s.was;
    }
}
