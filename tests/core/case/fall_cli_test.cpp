// quarnel-cli neu, setze, zeige, export, import, vorjahr as a user's script runs them.
#include <gtest/gtest.h>

#include "testpfade.h"
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "case/caserecord.h"
#include "case/feldkatalog.h"
#include "case/feldwerte.h"

#include "testhilfe.h"

using namespace quarnel;
using quarnel::test::Ausfuehren;
using quarnel::test::Lauf;
using quarnel::test::TempVerzeichnis;
using quarnel::test::Zitiert;
namespace fs = std::filesystem;

namespace {

Lauf Cli(const std::vector<std::string>& args) {
    std::string befehl = QUARNEL_CLI_PATH;
    for (const auto& a : args) befehl += " " + Zitiert(a);
    return Ausfuehren(befehl + " 2>/dev/null");
}

std::string Inhalt(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// For the first input field of every region: a value different from a new case,
// as typed, and as zeige prints it back.
struct Wert {
    std::string feld, eingabe, anzeige;
};
std::vector<Wert> WerteInJedemBereich() {
    auto neu = std::make_unique<CaseRecord>();
    NeuerFallDatensatz(*neu);
    std::vector<Wert> werte;
    for (const Region& region : Regionen()) {
        for (const FeldDef& d : Feldkatalog()) {
            if (std::string(d.bereich) != region.name || d.art != FeldArt::Eingabe) continue;
            Feldadresse a{*FeldNachId(d.id), d.anzahl};
            std::string alt = FeldwertText(*neu, a);
            Wert w{FeldadresseText(a), "", ""};
            switch (d.typ) {
                case FeldTyp::Double:
                    w.eingabe = "1.234,5";
                    w.anzeige = "1234,5";
                    break;
                case FeldTyp::Datum:
                    w.eingabe = w.anzeige = "15.06.2001";
                    break;
                case FeldTyp::Ganzzahl:
                    w.eingabe = w.anzeige = "3";
                    break;
                case FeldTyp::Auswahl:
                    w.eingabe = w.anzeige = alt == "-1" ? "0" : "-1";
                    break;
                case FeldTyp::Boolesch:
                    w.eingabe = w.anzeige = alt == "ja" ? "nein" : "ja";
                    break;
                case FeldTyp::Byte:
                    w.eingabe = w.anzeige = alt == "2" ? "3" : "2";
                    break;
                case FeldTyp::Text:
                    w.eingabe = w.anzeige = std::string("Ä-Wert").substr(0, d.breite + 1);
                    break;
            }
            werte.push_back(w);
            break;
        }
    }
    return werte;
}

}  // namespace

TEST(FallCli, Setze_zeige_export_import_mit_Werten_in_jedem_Bereich) {
    TempVerzeichnis t;
    ASSERT_EQ(Cli({"neu", t / "a.S01"}).code, 0);
    EXPECT_EQ(fs::file_size(t / "a.S01"), 193456u);
    EXPECT_EQ(Cli({"neu", t / "a.S01"}).code, 2);  // never over an existing case
    EXPECT_EQ(Cli({"export", t / "a.S01"}).aus, "{}\n");

    auto werte = WerteInJedemBereich();
    ASSERT_GE(werte.size(), 30u);
    std::vector<std::string> setze = {"setze", t / "a.S01"}, zeige = {"zeige", t / "a.S01"};
    std::string erwartet;
    for (const auto& w : werte) {
        setze.push_back(w.feld + "=" + w.eingabe);
        zeige.push_back(w.feld);
        erwartet += w.feld + "=" + w.anzeige + "\n";
    }
    ASSERT_EQ(Cli(setze).code, 0);
    EXPECT_EQ(Cli(zeige).aus, erwartet);
    EXPECT_EQ(Cli({"zeige", t / "a.S01"}).aus, erwartet);  // without names: what differs

    Lauf exp = Cli({"export", t / "a.S01"});
    ASSERT_EQ(exp.code, 0);
    std::ofstream(t / "a.json") << exp.aus;
    ASSERT_EQ(Cli({"import", t / "a.json", t / "b.S01"}).code, 0);
    EXPECT_EQ(Cli({"export", t / "b.S01"}).aus, exp.aus);
    EXPECT_EQ(Inhalt(t / "b.S01"), Inhalt(t / "a.S01"));  // notes and lists of a new case alike
}

TEST(FallCli, Fehler_lassen_die_Datei_unberuehrt) {
    TempVerzeichnis t;
    ASSERT_EQ(Cli({"neu", t / "a.S01"}).code, 0);
    ASSERT_EQ(Cli({"setze", t / "a.S01", "StpflVorname=Anna"}).code, 0);
    const std::string vorher = Inhalt(t / "a.S01");
    std::ofstream(t / "kaputt.json") << R"({"StpflVorname": "Berta", "GebDatStpfl": "30.02.2001"})";
    for (const std::vector<std::string>& aufruf : std::vector<std::vector<std::string>>{
             {"setze", t / "a.S01", "StpflVorname=Berta", "Unbekannt=1"},
             {"setze", t / "a.S01", "StpflVorname=Berta", "GebDatStpfl=1.1.01"},
             {"setze", t / "a.S01", "StpflVorname"},
             {"setze", t / "a.S01", "Vorname=Berta"},
             {"setze", t / "a.S01", "FamilienstandLB=1"},
             {"import", t / "kaputt.json", t / "a.S01"},
             {"import", t / "fehlt.json", t / "a.S01"},
             {"zeige", t / "a.S01", "GibtEsNicht"},
         }) {
        EXPECT_EQ(Cli(aufruf).code, 2) << aufruf[2];
        EXPECT_EQ(Inhalt(t / "a.S01"), vorher) << aufruf[2];
    }
    EXPECT_EQ(Cli({"zeige", t / "a.S01", "StpflVorname"}).aus, "StpflVorname=Anna\n");
    std::ofstream(t / "x.txt") << std::string(193456, 'x');
    EXPECT_EQ(Cli({"zeige", t / "x.txt"}).code, 2);
    std::ofstream(t / "x.S01") << std::string(193456, 'x');
    EXPECT_EQ(Cli({"export", t / "x.S01"}).code, 2);
    std::ofstream(t / "k.S01") << std::string("\x08S00VER10");
    EXPECT_EQ(Cli({"zeige", t / "k.S01"}).code, 2);
}

TEST(FallCli, Vorjahr_mit_Punkten) {
    TempVerzeichnis t;
    std::string alt(186816, '\0');
    alt.replace(0, 9, "\x08S00VER10");
    alt[22] = 1;
    alt[1072] = 4;
    alt.replace(1073, 4, "Hans");
    std::ofstream(t / "alt.S00", std::ios::binary) << alt;
    ASSERT_EQ(Cli({"vorjahr", t / "alt.S00", t / "keine.S01"}).code, 0);
    EXPECT_EQ(Cli({"zeige", t / "keine.S01", "StpflVorname"}).aus, "StpflVorname=\n");
    ASSERT_EQ(Cli({"vorjahr", t / "alt.S00", t / "neu.S01", "--punkte", "4,20-22"}).code, 0);
    EXPECT_EQ(fs::file_size(t / "neu.S01"), 193456u);
    EXPECT_EQ(Cli({"zeige", t / "neu.S01", "StpflVorname"}).aus, "StpflVorname=Hans\n");
    EXPECT_EQ(Cli({"vorjahr", t / "alt.S00", t / "neu.S01"}).code, 2);  // exists already
    EXPECT_EQ(Cli({"vorjahr", t / "alt.S00", t / "z.S01", "--punkte", "3"}).code, 2);  // heading
    EXPECT_EQ(Cli({"vorjahr", t / "alt.S00", t / "z.S01", "--punkte", "58"}).code, 2);
    EXPECT_EQ(Cli({"vorjahr", t / "neu.S01", t / "z.S01"}).code, 2);  // not a .S00
    std::ofstream(t / "kurz.S00") << alt.substr(0, 1000);
    EXPECT_EQ(Cli({"vorjahr", t / "kurz.S00", t / "z.S01"}).code, 2);
    EXPECT_FALSE(fs::exists(t / "z.S01"));
}
