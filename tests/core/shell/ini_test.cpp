#include "shell/ini.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace quarnel;

TEST(IniDatei, Fremde_Datei_bleibt_beim_Zurueckschreiben_byte_gleich) {
    const std::string text =
        "; Kommentar\r\n[Start]\r\nTips = 1\r\n\r\n[Unbekannt]\r\nx=\"a b\"\r\nkein Schluessel\r\n";
    IniDatei ini = IniDatei::AusText(text);
    EXPECT_EQ(ini.Text(), text);
    ini.Setze("start", "TIPS", "0");  // names compare without case; the line is replaced
    EXPECT_EQ(ini.Text(),
              "; Kommentar\r\n[Start]\r\nTIPS=0\r\n\r\n[Unbekannt]\r\nx=\"a b\"\r\nkein "
              "Schluessel\r\n");
    // Without a final line break the file stays without one.
    EXPECT_EQ(IniDatei::AusText("[A]\nb=1").Text(), "[A]\nb=1");
}

TEST(IniDatei, Neue_Schluessel_landen_am_Ende_ihrer_Sektion) {
    IniDatei ini = IniDatei::AusText("[A]\na=1\n\n[B]\nb=2\n");
    ini.Setze("A", "c", "3");
    ini.Setze("C", "d", "4");
    EXPECT_EQ(ini.Text(), "[A]\na=1\nc=3\n\n[B]\nb=2\n[C]\nd=4\n");
    IniDatei leer;
    leer.Setze("S", "k", "v");
    leer.Setze("S", "l", "w");
    EXPECT_EQ(leer.Text(), "[S]\nk=v\nl=w\n");
}

TEST(IniDatei, Werte_lesen_mit_Vorgaben) {
    IniDatei ini = IniDatei::AusText(
        "[S]\nn=  42 \nh=$0000FFFFFF\nx=0x10\nneg=-7\nkaputt=12a\nkomma=1,5\npunkt=2.25\n"
        "q=\"Courier New\"\nb=2\nleer=\n");
    EXPECT_EQ(ini.LiesGanzzahl("S", "n", 0), 42);
    EXPECT_EQ(ini.LiesGanzzahl("S", "h", 0), 0xFFFFFF);
    EXPECT_EQ(ini.LiesGanzzahl("S", "x", 0), 16);
    EXPECT_EQ(ini.LiesGanzzahl("S", "neg", 0), -7);
    EXPECT_EQ(ini.LiesGanzzahl("S", "kaputt", 5), 5);
    EXPECT_EQ(ini.LiesGanzzahl("S", "fehlt", 9), 9);
    EXPECT_EQ(ini.LiesGanzzahl("Andere", "n", 3), 3);
    EXPECT_DOUBLE_EQ(ini.LiesZahl("S", "komma", 0), 1.5);
    EXPECT_DOUBLE_EQ(ini.LiesZahl("S", "punkt", 0), 2.25);
    EXPECT_DOUBLE_EQ(ini.LiesZahl("S", "kaputt", 7.5), 7.5);
    EXPECT_EQ(ini.LiesText("S", "q", ""), "Courier New");
    EXPECT_EQ(ini.LiesText("S", "leer", "v"), "");  // present but empty is not missing
    EXPECT_TRUE(ini.LiesBool("S", "b", false));
    EXPECT_FALSE(ini.LiesBool("S", "kaputt", false));
    EXPECT_TRUE(ini.HatSektion("s"));
    EXPECT_FALSE(ini.HatSektion("T"));
}

TEST(IniDatei, Texte_kommen_so_zurueck_wie_geschrieben) {
    // Blanks at either end and a surrounding pair of quotes survive a write
    // and a read; a plain text is written without quotes.
    for (const std::string wert : {"Courier New", "/home/a \x01\t", " vorn", "\"in\"", "'x'",
                                   "\"", "\"\"", "a\r", ""}) {
        IniDatei ini;
        ini.SetzeText("S", "k", wert);
        EXPECT_EQ(IniDatei::AusText(ini.Text()).LiesText("S", "k", "?"), wert) << wert;
    }
    IniDatei ini;
    ini.SetzeText("S", "k", "Courier New");
    EXPECT_EQ(ini.Text(), "[S]\nk=Courier New\n");
}

TEST(IniDatei, Zahlen_mit_Komma_schreiben) {
    EXPECT_EQ(ZahlZuText(1.5), "1,5");
    EXPECT_EQ(ZahlZuText(2.0), "2");
    EXPECT_EQ(ZahlZuText(-0.25), "-0,25");
    EXPECT_EQ(ZahlZuText(0.1), "0,1");
}

TEST(IniDatei, Speichern_scheitert_ohne_halbe_Datei) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "quarnel_ini_test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    IniDatei ini = IniDatei::AusText("[A]\nb=1\n");
    const std::string pfad = (dir / "x.ini").string();
    ASSERT_TRUE(ini.Speichern(pfad));
    IniDatei wieder;
    ASSERT_TRUE(wieder.Laden(pfad));
    EXPECT_EQ(wieder.Text(), "[A]\nb=1\n");
    EXPECT_FALSE(ini.Speichern((dir / "fehlt" / "x.ini").string()));
    EXPECT_FALSE(fs::exists(dir / "fehlt"));
    EXPECT_FALSE(wieder.Laden((dir / "nicht_da.ini").string()));
    EXPECT_EQ(wieder.Text(), "");
    fs::remove_all(dir);
}
