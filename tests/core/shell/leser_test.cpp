// The readers of outside bytes bound what they take: the settings file (read
// what can be read, never lose a line by writing back), the JSON import
// (flat and counted while it reads) and the form files of the installation
// (regular files of sensible size only).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "case/json.h"
#include "print/formular.h"
#include "shell/einstellungen.h"
#include "shell/ini.h"

#include "dateihilfe.h"

using namespace quarnel;
using quarnel::test::Inhalt;
using quarnel::test::Schreibe;
using quarnel::test::TempVerzeichnis;
namespace fs = std::filesystem;

TEST(Einstellungsleser, Bom_grosse_Datei_und_fremde_Bytes) {
    TempVerzeichnis t;
    const std::string pfad = t / "Quar01.ini";
    // A byte-order mark hides no section and is written back.
    Schreibe(pfad, "\xEF\xBB\xBF[Start]\nTips=0\n[Eigenes]\nx=1\n");
    bool vorhanden = false;
    EXPECT_FALSE(EinstellungenLesen(pfad, &vorhanden).tips);
    EXPECT_TRUE(vorhanden);
    ASSERT_TRUE(EinstellungenSchreiben(pfad, Einstellungen{}));
    const std::string neu = Inhalt(pfad);
    EXPECT_TRUE(neu.starts_with("\xEF\xBB\xBF[Start]\nTips=1\n")) << neu.substr(0, 40);
    EXPECT_NE(neu.find("[Eigenes]\nx=1\n"), std::string::npos);

    // Over the reader's limit: the lines of its beginning are read, the file
    // is never replaced by a shorter one.
    std::string gross = "[Font]\nFontName=Mono\n[Viel]\n";
    while (gross.size() <= IniDatei::HoechsteGroesse) gross += "Zeile=" + std::string(60, 'x') + "\n";
    gross += "[Start]\nTips=0\n";
    Schreibe(pfad, gross);
    IniDatei ini;
    EXPECT_TRUE(ini.Laden(pfad));
    EXPECT_EQ(ini.Zustand(), IniZustand::Teilweise);
    const Einstellungen e = EinstellungenLesen(pfad);
    EXPECT_EQ(e.druckSchrift.name, "Mono");
    EXPECT_FALSE(EinstellungenSchreiben(pfad, e));
    EXPECT_EQ(Inhalt(pfad), gross);

    // Unreadable (a directory, a FIFO) is left alone as well; a missing file is made.
    for (const char* name : {"ordner.ini", "rohr.ini"}) {
        const std::string p = t / name;
        if (std::string(name) == "ordner.ini") fs::create_directory(p);
        else ::mkfifo(p.c_str(), 0600);
        EXPECT_FALSE(EinstellungenSchreiben(p, Einstellungen{})) << name;
        EXPECT_FALSE(fs::is_regular_file(p)) << name;
    }
    EXPECT_TRUE(EinstellungenSchreiben(t / "neu.ini", Einstellungen{}));

    // Bytes that are no UTF-8 (an older Windows file) are read as Windows-1252
    // and written back as UTF-8.
    Schreibe(pfad, "[Font]\nFontName=Schrift f\xFCr \x80\n[App1]\nLetztDatenPfad=/home/m\xFCller/\n");
    const Einstellungen alt = EinstellungenLesen(pfad);
    EXPECT_EQ(alt.druckSchrift.name, "Schrift für €");
    EXPECT_EQ(alt.letztDatenPfad, "/home/müller/");
    ASSERT_TRUE(EinstellungenSchreiben(pfad, alt));
    EXPECT_NE(Inhalt(pfad).find("FontName=Schrift für €\n"), std::string::npos);
}

TEST(Einstellungsleser, Extreme_Werte_werden_begrenzt) {
    struct Fall {
        const char* zeilen;
        int Einstellungen::*feld;
        int erwartet;
    };
    for (const Fall& f : std::vector<Fall>{
             {"[FormDrk]\nAlleRechts=2147483647\n", &Einstellungen::alleRechts, 100},
             {"[FormDrk]\nAlleUnten=-2147483648\n", &Einstellungen::alleUnten, -100},
             {"[FormDrk]\nFormSkalierung=0\n", &Einstellungen::formSkalierung, 10},
             {"[FormDrk]\nFormSkalierung=99999999\n", &Einstellungen::formSkalierung, 400},
             {"[Start]\nDeltaFontSizeTab=2147483647\n", &Einstellungen::deltaFontSizeTab, 40},
             {"[App1]\nSicherungen=-3\n", &Einstellungen::sicherungen, 0},
             {"[App1]\nSicherungen=100000\n", &Einstellungen::sicherungen, 99},
             {"[App1]\nSicherungen=2\n", &Einstellungen::sicherungen, 2},
         })
        EXPECT_EQ(EinstellungenAusIni(IniDatei::AusText(f.zeilen)).*f.feld, f.erwartet) << f.zeilen;
    const Einstellungen e = EinstellungenAusIni(
        IniDatei::AusText("[FormDrk]\n0101=2147483647\n2002=-2147483647\n[Druck]\nLinksRand=1e300\n"
                          "[Font]\nFontSize=2147483647\n"));
    EXPECT_EQ(e.formVerschiebung[0].rechts, 100);
    EXPECT_EQ(e.formVerschiebung[19].unten, -100);
    EXPECT_DOUBLE_EQ(e.linksRand, 20.0);
    EXPECT_EQ(e.druckSchrift.groesse, 400);
    EXPECT_EQ(Einstellungen{}.sicherungen, 5);
}

TEST(JsonLeser, Verschachtelung_und_Elementzahl_werden_beim_Lesen_abgewiesen) {
    const JsonGrenzen flach{1, 10};
    struct Fall {
        std::string text;
        bool ok;
    };
    for (const Fall& f : std::vector<Fall>{
             {R"({"a": 1, "b": "x", "c": null})", true},
             {R"([1, 2, 3])", true},
             {R"({"a": [1]})", false},
             {R"({"a": {"b": 1}})", false},
             {R"([[1]])", false},
             {R"({"a":1,"b":2,"c":3,"d":4,"e":5})", false},  // 11 keys and values
             {R"([1,2,3,4,5,6,7,8,9])", true},               // 10 with the list
             {R"([1,2,3,4,5,6,7,8,9,10])", false},
         })
        EXPECT_EQ(JsonLesen(f.text, flach).ok, f.ok) << f.text;
    EXPECT_FALSE(JsonLesen("[1]", JsonGrenzen{0, 10}).ok);
    EXPECT_TRUE(JsonLesen("7", JsonGrenzen{0, 10}).ok);
    EXPECT_TRUE(JsonLesen(R"({"a": [[{"b": [1]}]]})").ok);  // the default takes nesting

    // A long list is refused where its nesting starts, before anything of it is built.
    std::string lang = R"({"a": [)";
    for (int i = 0; i < 1'000'000; ++i) lang += "[0],";
    lang += "0]}";
    const JsonErgebnis e = JsonLesen(lang, flach);
    EXPECT_FALSE(e.ok);
    EXPECT_NE(e.fehler.find("Stelle 6:"), std::string::npos) << e.fehler;
    std::string zahlen = "[";
    for (int i = 0; i < 100000; ++i) zahlen += "1,";
    zahlen += "1]";
    const JsonErgebnis gezaehlt = JsonLesen(zahlen, JsonGrenzen{1, 1000});
    EXPECT_FALSE(gezaehlt.ok);
    EXPECT_NE(gezaehlt.fehler.find("zu viele"), std::string::npos) << gezaehlt.fehler;
}

TEST(Formularleser, Nur_gewoehnliche_Dateien_begrenzter_Groesse) {
    TempVerzeichnis t;
    const std::string gut = "  1   7  L  0  10.0  20.0  30\n";
    Schreibe(t / "gut.def", gut);
    ASSERT_TRUE(DefinitionLaden(t / "gut.def"));
    fs::create_directory(t / "ordner.def");
    ::mkfifo((t / "rohr.def").c_str(), 0600);
    ASSERT_EQ(::symlink("/dev/zero", (t / "null.def").c_str()), 0);
    ASSERT_EQ(::symlink("gut.def", (t / "verweis.def").c_str()), 0);
    {
        std::ofstream gross(t / "gross.def", std::ios::binary);
        const std::string zeile(1000, ';');
        for (std::size_t n = 0; n <= FormulardateiHoechstens / zeile.size(); ++n) gross << zeile;
    }
    const auto beginn = std::chrono::steady_clock::now();
    for (const char* name : {"ordner.def", "rohr.def", "null.def", "gross.def", "fehlt.def"})
        EXPECT_FALSE(DefinitionLaden(t / name)) << name;
    EXPECT_LT(std::chrono::steady_clock::now() - beginn, std::chrono::seconds(5));
    // A link to an installed regular file is fine.
    EXPECT_TRUE(DefinitionLaden(t / "verweis.def"));
}
