// Help names to files, the sorting of help links (hostile ones included) and
// the help viewer's history.
#include "shell/hilfe.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "testhilfe.h"

namespace quarnel {
namespace {

void Datei(const std::string& p, const std::string& text = "<p>x</p>") {
    std::filesystem::create_directories(std::filesystem::path(p).parent_path());
    std::ofstream(p, std::ios::binary) << text;
}

struct HilfeFixture : ::testing::Test {
    test::TempVerzeichnis wurzel;
    HilfeOrte orte;
    std::string h;
    void SetUp() override {
        h = wurzel / "htmlhelp/";
        orte.hilfe = h;
        orte.bericht = wurzel / "tmp";
        Datei(h + "std/seite0.htm");
        Datei(h + "std/passwort.htm");
        Datei(h + "F011.htm", "<a name=\"F1103\"></a>");
        Datei(h + "Handbuch/2001/Index.HTM");
        Datei(h + "tippsurteile/index.htm");
        Datei(h + "std/klang.wav", "RIFF");
        Datei(h + "std/lied.mid", "MThd");
        Datei(h + "std/ton.xyz", "?");
        Datei(orte.bericht + "/HTM4711.htm", "<p>Bericht</p>");
        Datei(orte.bericht + "/geheim.htm", "<p>nicht meins</p>");
        Datei(wurzel / "aussen.htm");
    }
};

TEST_F(HilfeFixture, NamenWerdenZuDateien) {
    EXPECT_EQ(HilfeRelativPfad("std\\passwort"), "std/passwort.htm");
    EXPECT_EQ(HilfeRelativPfad("tippsurteile\\index.htm"), "tippsurteile/index.htm");
    EXPECT_EQ(HilfeRelativPfad("handbuch\\2001\\INDEX.HTM"), "handbuch/2001/INDEX.HTM");
    EXPECT_EQ(HilfeAufloesen(orte, "std\\passwort"), h + "std/passwort.htm");
    // Case-insensitive fallback, level by level.
    EXPECT_EQ(HilfeAufloesen(orte, "handbuch\\2001\\index.htm"), h + "Handbuch/2001/Index.HTM");
    EXPECT_EQ(HilfeAufloesen(orte, "STD\\SEITE0"), h + "std/seite0.htm");
    EXPECT_FALSE(HilfeAufloesen(orte, "std\\fehlt"));
    EXPECT_FALSE(HilfeAufloesen(orte, "std"));  // a directory is no page
    // Climbing out, absolute names, drive letters, NUL and overlong names.
    for (const std::string& boese :
         {std::string("..\\aussen"), std::string("std\\..\\..\\aussen.htm"),
          "/" + (wurzel / "aussen.htm"), std::string("C:\\aussen.htm"),
          std::string("std\\seite0\0x", 11), std::string(3000, 'a'), std::string()})
        EXPECT_FALSE(HilfeAufloesen(orte, boese)) << boese;
}

TEST_F(HilfeFixture, PruefberichtKommtVomBerichtsort) {
    EXPECT_EQ(HilfeAufloesen(orte, "std\\HTM4711.htm"), orte.bericht + "/HTM4711.htm");
    EXPECT_EQ(HilfeAufloesen(orte, "std\\htm4711.HTM"), orte.bericht + "/HTM4711.htm");
    // Only the report: other files of that place are not help pages.
    EXPECT_FALSE(HilfeAufloesen(orte, "std\\geheim.htm"));
    // A help page of that name in the help directory, when the report is gone.
    Datei(h + "std/HTM0001.htm");
    EXPECT_EQ(HilfeAufloesen(orte, "std\\HTM0001.htm"), h + "std/HTM0001.htm");
    EXPECT_TRUE(InHilfeOrten(orte, orte.bericht + "/HTM4711.htm"));
    EXPECT_FALSE(InHilfeOrten(orte, orte.bericht + "/geheim.htm"));
    EXPECT_FALSE(InHilfeOrten(orte, h + "../aussen.htm"));
}

TEST_F(HilfeFixture, AdressenGehenAnDenDesktop) {
    const std::string seite = h + "std/seite0.htm";
    EXPECT_EQ(VerweisEinordnen("mailto:info@example.org", seite, orte).art, LinkArt::Mail);
    EXPECT_EQ(VerweisEinordnen("MAILTO:info@example.org", seite, orte).art, LinkArt::Mail);
    const Verweis web = VerweisEinordnen("http://www.example.org/a?b=1", seite, orte);
    EXPECT_EQ(web.art, LinkArt::Web);
    EXPECT_EQ(web.adresse, "http://www.example.org/a?b=1");
    EXPECT_EQ(VerweisEinordnen("HTTPS://example.org", seite, orte).art, LinkArt::Web);
    for (const char* fremd : {"javascript:alert(1)", "JavaScript:void(0)", "ftp://example.org/x",
                              "data:text/html,<b>x</b>", "vbscript:x", "http://a b.exe"})
        EXPECT_EQ(VerweisEinordnen(fremd, seite, orte).art, LinkArt::Fremdadresse) << fremd;
    // What desktop services get as an address, not as a local file.
    for (const char* adresse : {"mailto:info@example.org", "https://example.org", "MAILTO:a@b"})
        EXPECT_TRUE(AdresseMitSchema(adresse)) << adresse;
    for (const char* pfad : {"/tmp/bericht.htm", "C:\\x.htm", "bericht.htm", "/a/mailto:x", ":x",
                             "1a:b"})
        EXPECT_FALSE(AdresseMitSchema(pfad)) << pfad;
}

TEST_F(HilfeFixture, DateiverweiseNachArt) {
    const std::string seite = h + "std/seite0.htm";
    // A page with anchor, relative to the shown page; the side view's name keeps the link.
    Verweis v = VerweisEinordnen("../F011.htm#F1103", seite, orte);
    EXPECT_EQ(v.art, LinkArt::Seite);
    EXPECT_EQ(v.datei, h + "F011.htm");
    EXPECT_EQ(v.anker, "F1103");
    v = VerweisEinordnen("F011.htm#F1103", h + "F011.htm", orte);
    EXPECT_EQ(v.art, LinkArt::Seite);
    EXPECT_EQ(v.seite, "F011.htm");
    EXPECT_EQ(VerweisEinordnen("#F1103", seite, orte).art, LinkArt::Anker);
    // file: is a file link; backslashes and case do not matter.
    EXPECT_EQ(VerweisEinordnen("file:passwort.htm", seite, orte).art, LinkArt::Seite);
    EXPECT_EQ(VerweisEinordnen("..\\HANDBUCH\\2001\\index.htm", seite, orte).art, LinkArt::Seite);
    EXPECT_EQ(VerweisEinordnen("klang.wav", seite, orte).art, LinkArt::Klang);
    v = VerweisEinordnen("lied.mid?laut", seite, orte);
    EXPECT_EQ(v.art, LinkArt::Medien);
    EXPECT_EQ(v.parameter, "laut");
    EXPECT_EQ(v.endung, ".MID");
    // Unknown kinds and missing files are refused.
    EXPECT_EQ(VerweisEinordnen("ton.xyz", seite, orte).art, LinkArt::Ungueltig);
    EXPECT_EQ(VerweisEinordnen("fehlt.avi", seite, orte).art, LinkArt::Ungueltig);
    EXPECT_EQ(VerweisEinordnen("fehlt.htm", seite, orte).art, LinkArt::Ungueltig);
}

TEST_F(HilfeFixture, FeindlicheVerweiseLaufenNie) {
    const std::string seite = h + "std/seite0.htm";
    // Programs are refused wherever they lie, with their parameters.
    for (const char* prog : {"..\\..\\x.exe", "setup.EXE /s", "x.exe?-rf", "run.bat", "a.cmd",
                             "s.sh", "t.desktop", "file:///usr/bin/x.exe", "C:\\WINDOWS\\x.com"})
        EXPECT_EQ(VerweisEinordnen(prog, seite, orte).art, LinkArt::Programm) << prog;
    EXPECT_EQ(VerweisEinordnen("setup.EXE /s", seite, orte).parameter, "/s");
    // Pages outside the help places, through file: or "..".
    for (const std::string& aussen :
         {std::string("../../aussen.htm"), "file://" + (wurzel / "aussen.htm"),
          std::string("file:///etc/passwd"), std::string("/etc/passwd"),
          std::string("../../tmp/geheim.htm"), std::string("C:\\aussen.htm")})
        EXPECT_EQ(VerweisEinordnen(aussen, seite, orte).art, LinkArt::Ungueltig) << aussen;
    // Overlong and control characters.
    EXPECT_EQ(VerweisEinordnen(std::string(5000, 'a') + ".htm", seite, orte).art,
              LinkArt::Ungueltig);
    EXPECT_EQ(VerweisEinordnen("http://x\n.org", seite, orte).art, LinkArt::Ungueltig);
    EXPECT_EQ(VerweisEinordnen("", seite, orte).art, LinkArt::Ungueltig);
}

TEST_F(HilfeFixture, BerichtVerweistInDieHilfe) {
    // The report is addressed as a page of "std": its relative links go there.
    const Verweis v = VerweisEinordnen("passwort.htm", orte.bericht + "/HTM4711.htm", orte);
    EXPECT_EQ(v.art, LinkArt::Seite);
    EXPECT_EQ(v.datei, h + "std/passwort.htm");
    EXPECT_EQ(VerweisEinordnen("geheim.htm", orte.bericht + "/HTM4711.htm", orte).art,
              LinkArt::Ungueltig);
}

TEST(HilfeVerlauf, VorUndZurueck) {
    HilfeVerlauf v;
    EXPECT_FALSE(v.VorMoeglich());
    EXPECT_FALSE(v.ZurueckMoeglich());
    v.Besuchen({"a", {}, {}});
    EXPECT_FALSE(v.ZurueckMoeglich());  // just opened: both disabled
    v.Besuchen({"b", {}, {}});
    EXPECT_TRUE(v.ZurueckMoeglich());
    EXPECT_FALSE(v.VorMoeglich());
    EXPECT_EQ(v.Zurueck()->datei, "a");
    EXPECT_TRUE(v.VorMoeglich());
    EXPECT_EQ(v.Vor()->datei, "b");
    EXPECT_EQ(v.Vor(), nullptr);
    // Following a link after going back drops the pages ahead.
    v.Zurueck();
    v.Besuchen({"c", {}, {}});
    ASSERT_EQ(v.Eintraege().size(), 2u);
    EXPECT_EQ(v.Eintraege()[0].datei, "c");
    EXPECT_EQ(v.Eintraege()[1].datei, "a");
    // At most six pages, the oldest goes.
    for (const char* s : {"d", "e", "f", "g", "h"}) v.Besuchen({s, {}, {}});
    ASSERT_EQ(v.Eintraege().size(), HilfeVerlauf::Max);
    EXPECT_EQ(v.Eintraege().back().datei, "c");
}

}  // namespace
}  // namespace quarnel
