// quarnel-cli pruefen on the sample case: findings, one page, the report
// file, wrong calls and a missing catalogue.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "testhilfe.h"
#include "testpfade.h"

using quarnel::test::Ausfuehren;
using quarnel::test::Lauf;
using quarnel::test::TempVerzeichnis;

namespace {

Lauf Pruefen(const std::string& args, const std::string& umgebung = "") {
    return Ausfuehren(umgebung + std::string(QUARNEL_CLI_PATH) + " pruefen '" + QUARNEL_DATA_DIR +
                      "/beispiele/Beispiel.S01' " + args + " 2>/dev/null");
}

}  // namespace

TEST(PruefenCli, Befunde_Seite_und_Bericht) {
    const Lauf alle = Pruefen("");
    ASSERT_EQ(alle.code, 0);
    EXPECT_NE(alle.aus.find(" 24  Hinweis   21 1. Kind: "), std::string::npos);
    EXPECT_NE(alle.aus.find("286  Tip      124 "), std::string::npos);
    EXPECT_NE(alle.aus.find("\nErgebnis: "), std::string::npos);

    const Lauf kind = Pruefen("--seite 2.1");
    ASSERT_EQ(kind.code, 0);
    EXPECT_EQ(kind.aus.find("124 "), std::string::npos);
    EXPECT_NE(kind.aus.find(" 31  Hinweis   21 "), std::string::npos);

    TempVerzeichnis dir;
    ASSERT_EQ(Pruefen("--html '" + dir / "HTMtest.htm" + "'").code, 0);
    std::ifstream f(dir / "HTMtest.htm", std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    EXPECT_EQ(s.str().rfind("<html><head><meta charset=\"windows-1252\">", 0), 0u);
    EXPECT_NE(s.str().find("Alle Register"), std::string::npos);
}

TEST(PruefenCli, Falsche_Aufrufe_und_fehlender_Katalog) {
    EXPECT_EQ(Pruefen("--seite 18.1").code, 2);
    EXPECT_EQ(Pruefen("--seite 1").code, 2);
    EXPECT_EQ(Pruefen("--html").code, 2);
    EXPECT_EQ(Pruefen("--laut").code, 2);
    TempVerzeichnis leer;
    const Lauf ohne = Pruefen("--seite 1.1", "QUARNEL_DATA='" + leer.Text() + "' ");
    EXPECT_EQ(ohne.code, 1);  // every finding still listed, by its number
    EXPECT_NE(ohne.aus.find("  2  ?         11 Steuerpflichtiger bzw. Ehegatte: (kein Text)"),
              std::string::npos);
}

namespace {

// Sets the fields in a new case and checks one page: the findings' lines.
std::string Befundzeilen(const TempVerzeichnis& dir, const std::string& felder,
                         const std::string& seite) {
    const std::string fall = dir / "f.S01";
    std::remove(fall.c_str());
    const std::string cli = QUARNEL_CLI_PATH;
    if (Ausfuehren(cli + " neu '" + fall + "' && " + cli + " setze '" + fall + "' " + felder +
                   " 2>/dev/null")
            .code != 0)
        return "setze misslungen";
    return Ausfuehren(cli + " pruefen '" + fall + "' --seite " + seite + " 2>/dev/null").aus;
}

}  // namespace

// The two limits the pages cannot apply: each warning at its boundary.
TEST(PruefenCli, Nahbereich_und_Zweijahresfrist_an_der_Grenze) {
    TempVerzeichnis dir;
    const std::string wechsel = "'WechselTage1[1]=50' 'WechselVMittel1[1]=PKW' ";
    EXPECT_NE(Befundzeilen(dir, wechsel + "'WechselKM1[1]=30'", "4.1").find(" 97  Warnung   41 "),
              std::string::npos);
    EXPECT_EQ(Befundzeilen(dir, wechsel + "'WechselKM1[1]=31'", "4.1").find(" 97 "),
              std::string::npos);
    // a site within 30 km reached otherwise than at kilometre rates is no case
    EXPECT_EQ(Befundzeilen(dir, "'WechselTage1[1]=50' 'WechselKM1[1]=30'", "4.1").find(" 97 "),
              std::string::npos);

    const std::string haushalt =
        "'BeschOrt[2]=Hamburg' 'GrundDH[2]=Versetzung' 'DHBestandenBis[2]=31.12.2001' "
        "'EigHausIn[2]=Kiel' 'EigHausSeit[2]=01.01.1990' Splitting=ja Grundtabelle=nein "
        "ErSie_FamilienstandLB=1 ";
    EXPECT_NE(Befundzeilen(dir, haushalt + "'DHSeit[2]=31.12.1999'", "5.5")
                  .find("129  Warnung   55 "),
              std::string::npos);
    EXPECT_EQ(Befundzeilen(dir, haushalt + "'DHSeit[2]=01.01.2000'", "5.5").find("129 "),
              std::string::npos);
}

// A marital status that contradicts the table flags (an older file, or flags
// set by hand after the status) is reported; the status alone never is.
TEST(PruefenCli, Familienstand_gegen_Tabellenflags) {
    TempVerzeichnis dir;
    EXPECT_EQ(Befundzeilen(dir, "'ErSie_FamilienstandLB=1'", "1.1").find(" 18  "),
              std::string::npos);
    EXPECT_NE(Befundzeilen(dir, "'ErSie_FamilienstandLB=1' 'Splitting=nein' 'Grundtabelle=ja'",
                           "1.1")
                  .find(" 18  Warnung   11 "),
              std::string::npos);
}

// A text the printed return must cut is named with its form, caption and
// whole text; where the program cannot draw pages it has no measure for it.
TEST(PruefenCli, Gekuerzte_Texte_der_Formulare) {
    if (Ausfuehren(std::string(QUARNEL_CLI_PATH) + " --help").aus.find("formulare") == std::string::npos)
        GTEST_SKIP() << "ohne Formulardruck";
    TempVerzeichnis dir;
    const std::string w25(25, 'W');
    struct Fall {
        std::string felder;
        const char* erwartet;  // nullptr: no finding 613
    };
    const Fall faelle[] = {
        {"'StpflVorname=" + w25 + "' 'GradBehinderung[1]=50'", "Hauptvordruck, Seite 4, \xe2\x80\x9eVorname\xe2\x80\x9c: "},
        {"'StpflVorname=Maximiliane Josefa' 'GradBehinderung[1]=50'", nullptr},
        {"'StpflVorname=" + w25 + "'", nullptr},  // page 4 stays empty
    };
    for (const Fall& f : faelle) {
        const std::string aus = Befundzeilen(dir, f.felder, "1.1");
        SCOPED_TRACE(f.felder + "\n" + aus);
        if (!f.erwartet) {
            EXPECT_EQ(aus.find("613 "), std::string::npos);
            continue;
        }
        EXPECT_NE(aus.find("613  Hinweis   11 "), std::string::npos);
        EXPECT_NE(aus.find(std::string(f.erwartet) + w25), std::string::npos);
    }
}
