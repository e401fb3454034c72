// Saving keeps what the user's file is (links, mode, owner, a read-only
// mark), fails with a message that says why, never waits on a FIFO, never
// writes a report through a link, and tidies up after an interrupted save.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "case/falldatei.h"
#include "results/pruefkatalog.h"
#include "shell/ini.h"
#include "shell/interview.h"

#include "testhilfe.h"

using namespace quarnel;
using quarnel::test::TempVerzeichnis;
namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

std::string Inhalt(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Schreibe(const std::string& pfad, const std::string& inhalt) {
    std::ofstream(pfad, std::ios::binary) << inhalt;
}

struct stat Status(const std::string& pfad) {
    struct stat st {};
    EXPECT_EQ(::lstat(pfad.c_str(), &st), 0) << pfad;
    return st;
}

// A file that looks as if a save had been killed while writing it.
std::string AlteKopie(const TempVerzeichnis& t, const std::string& name, int alterSek,
                      const std::string& inhalt = "halb") {
    const std::string pfad = t / name;
    Schreibe(pfad, inhalt);
    struct timeval zeiten[2];
    ::gettimeofday(&zeiten[0], nullptr);
    zeiten[0].tv_sec -= alterSek;
    zeiten[1] = zeiten[0];
    ::utimes(pfad.c_str(), zeiten);
    return pfad;
}

}  // namespace

TEST(SicheresSpeichern, Verweis_harte_Verknuepfung_Modus_und_Besitzer_bleiben) {
    TempVerzeichnis t;
    Schreibe(t / "echt.S01", "alt");
    ASSERT_EQ(::symlink("echt.S01", (t / "Verweis.S01").c_str()), 0);
    ASSERT_EQ(Ersetzen(t / "Verweis.S01", Bytes("neu")), Speicherfehler::Keiner);
    EXPECT_TRUE(S_ISLNK(Status(t / "Verweis.S01").st_mode));  // still a link
    EXPECT_EQ(Inhalt(t / "echt.S01"), "neu");                 // and its target has the data

    // A link to a file that does not exist yet creates the target.
    ASSERT_EQ(::symlink("spaeter.S01", (t / "vor.S01").c_str()), 0);
    ASSERT_EQ(Ersetzen(t / "vor.S01", Bytes("da")), Speicherfehler::Keiner);
    EXPECT_EQ(Inhalt(t / "spaeter.S01"), "da");

    // Two names of one file stay one file.
    ASSERT_EQ(::link((t / "echt.S01").c_str(), (t / "zweit.S01").c_str()), 0);
    const ino_t knoten = Status(t / "echt.S01").st_ino;
    ASSERT_EQ(Ersetzen(t / "echt.S01", Bytes("beide")), Speicherfehler::Keiner);
    EXPECT_EQ(Status(t / "echt.S01").st_ino, knoten);
    EXPECT_EQ(Status(t / "echt.S01").st_nlink, 2u);
    EXPECT_EQ(Inhalt(t / "zweit.S01"), "beide");

    // Mode, owner and group of the replaced file.
    Schreibe(t / "fremd.S01", "alt");
    ::chmod((t / "fremd.S01").c_str(), 0640);
    const uid_t jemand = 65534;
    const gid_t gruppe = 65534;
    const bool eigentum = ::chown((t / "fremd.S01").c_str(), jemand, gruppe) == 0;
    ASSERT_EQ(Ersetzen(t / "fremd.S01", Bytes("neu")), Speicherfehler::Keiner);
    EXPECT_EQ(Status(t / "fremd.S01").st_mode & 07777, 0640u);
    if (eigentum) {
        EXPECT_EQ(Status(t / "fremd.S01").st_uid, jemand);
        EXPECT_EQ(Status(t / "fremd.S01").st_gid, gruppe);
    }
    EXPECT_EQ(Inhalt(t / "fremd.S01"), "neu");
}

TEST(SicheresSpeichern, Schreibgeschuetzt_Sonderdatei_und_langer_Name_mit_Meldung) {
    TempVerzeichnis t;
    // Read-only by its mode stays untouched, for root as well.
    Schreibe(t / "ro.S01", "alt");
    ::chmod((t / "ro.S01").c_str(), 0444);
    EXPECT_EQ(Ersetzen(t / "ro.S01", Bytes("neu")), Speicherfehler::Schreibgeschuetzt);
    EXPECT_EQ(Inhalt(t / "ro.S01"), "alt");
    EXPECT_NE(SpeicherfehlerText(Speicherfehler::Schreibgeschuetzt, "ro.S01")
                  .find("schreibgeschützt"),
              std::string::npos);

    // A directory or FIFO under the name is refused, nothing is replaced.
    fs::create_directory(t / "ordner.S01");
    EXPECT_EQ(Ersetzen(t / "ordner.S01", Bytes("x")), Speicherfehler::KeineDatei);
    ASSERT_EQ(::mkfifo((t / "rohr.S01").c_str(), 0600), 0);
    EXPECT_EQ(Ersetzen(t / "rohr.S01", Bytes("x")), Speicherfehler::KeineDatei);
    EXPECT_TRUE(S_ISFIFO(Status(t / "rohr.S01").st_mode));
    EXPECT_EQ(Ersetzen(t / "fehlt/Fall.S01", Bytes("x")), Speicherfehler::Verzeichnis);

    // A name that leaves no room for a temporary one beside it: a new file is
    // refused with a message that says so, an existing one is written in place.
    const std::string lang = t / (std::string(251, 'n') + ".S01");
    EXPECT_EQ(Ersetzen(lang, Bytes("x")), Speicherfehler::NameZuLang);
    EXPECT_NE(SpeicherfehlerText(Speicherfehler::NameZuLang, lang).find("zu lang"),
              std::string::npos);
    Schreibe(lang, "eine lange alte Fassung");
    ASSERT_TRUE(fs::exists(lang));
    ASSERT_EQ(Ersetzen(lang, Bytes("kurz")), Speicherfehler::Keiner);
    EXPECT_EQ(Inhalt(lang), "kurz");  // cut to the new length

    // "Only new" never replaces.
    Schreibart nurNeu;
    nurNeu.nurNeu = true;
    EXPECT_EQ(Ersetzen(t / "ro.S01", Bytes("x"), nurNeu), Speicherfehler::Besteht);
    EXPECT_EQ(Ersetzen(t / "frisch.S01", Bytes("x"), nurNeu), Speicherfehler::Keiner);
}

TEST(SicheresSpeichern, Berichte_nie_durch_Verweis_oder_auf_Geraete) {
    TempVerzeichnis t;
    Schreibe(t / "Fall.S01", "Fall");
    ASSERT_EQ(::symlink("Fall.S01", (t / "bericht.htm").c_str()), 0);
    EXPECT_EQ(BerichtSchreiben(t / "bericht.htm", "<html>"), Speicherfehler::KeineDatei);
    EXPECT_EQ(Inhalt(t / "Fall.S01"), "Fall");
    EXPECT_EQ(BerichtSchreiben("/dev/null", "x"), Speicherfehler::KeineDatei);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(BerichtSchreiben(t / "neu.htm", "<html>"), Speicherfehler::Keiner);
    EXPECT_EQ(Inhalt(t / "neu.htm"), "<html>");
    EXPECT_TRUE(DieselbeDatei(t / "bericht.htm", t / "Fall.S01"));
    EXPECT_FALSE(DieselbeDatei(t / "neu.htm", t / "Fall.S01"));
}

TEST(SicheresSpeichern, Fifo_unter_jedem_Dateinamen_haelt_nichts_auf) {
    TempVerzeichnis t;
    for (const char* name : {"Fall.S01", "Fall.S00", PruefkatalogName, "Quar01.ini", "Fra000.fra"})
        ASSERT_EQ(::mkfifo((t / name).c_str(), 0600), 0) << name;
    // Each of these would wait for a writer for ever if it opened the FIFO blocking.
    EXPECT_EQ(DateiPruefen(t / "Fall.S01"), Dateipruefung::NichtLesbar);
    EXPECT_FALSE(DateiLesen(t / "Fall.S00", FallDateiGroesse));
    EXPECT_FALSE(PruefkatalogLaden(t / PruefkatalogName).vorhanden);
    IniDatei ini;
    EXPECT_FALSE(ini.Laden(t / "Quar01.ini"));
    EXPECT_FALSE(FragenText(t.Text(), 0));
    Dateisperre sperre;
    EXPECT_EQ(sperre.Nehmen(t / "Fall.S01", 0), Speicherfehler::KeineDatei);
}

TEST(SicheresSpeichern, Sperre_geht_mit_dem_Speichern_auf_die_neue_Datei) {
    TempVerzeichnis t;
    Schreibe(t / "Fall.S01", "alt");
    Dateisperre erste;
    ASSERT_EQ(erste.Nehmen(t / "Fall.S01", 0), Speicherfehler::Keiner);
    // Another writer (a second open file) is refused while the first holds it.
    Dateisperre zweite;
    EXPECT_EQ(zweite.Nehmen(t / "Fall.S01", 30), Speicherfehler::Gesperrt);
    EXPECT_EQ(Ersetzen(t / "Fall.S01", Bytes("fremd")), Speicherfehler::Gesperrt);
    EXPECT_EQ(Inhalt(t / "Fall.S01"), "alt");

    Schreibart art;
    art.sperre = &erste;
    ASSERT_EQ(Ersetzen(t / "Fall.S01", Bytes("neu"), art), Speicherfehler::Keiner);
    EXPECT_TRUE(erste.AufDatei(t / "Fall.S01"));  // held on the replaced file
    EXPECT_EQ(zweite.Nehmen(t / "Fall.S01", 30), Speicherfehler::Gesperrt);
    erste.Freigeben();
    EXPECT_EQ(zweite.Nehmen(t / "Fall.S01", 0), Speicherfehler::Keiner);
}

TEST(SicheresSpeichern, Reste_abgebrochener_Speicherungen_werden_entfernt) {
    TempVerzeichnis t;
    // A copy a killed save left: the program's name and mark, the signature.
    const std::string marke = std::string(1, static_cast<char>(KopieMarke)) + "S00VER10 halb";
    const std::string kennung = std::string(KopieKennzeichen);
    auto kopie = [&](const std::string& name, const std::string& inhalt, int alterSek) {
        return AlteKopie(t, name, alterSek, inhalt);
    };
    const std::string alt = kopie(".Fall.S01" + kennung + "Ab3xYz", marke, 3600);
    const std::string frisch = kopie(".Fall.S01" + kennung + "Qw12er", marke, 0);  // may be running
    const std::string gehalten = kopie(".Anders.s01" + kennung + "Zz99zz", marke, 3600);
    // The user's own hidden files, however much they look like copies.
    struct Fremd {
        const char* name;
        std::string inhalt;
    };
    const std::vector<Fremd> fremde = {
        {".Steuer2000.S01.Backup", "\x08S00VER10 alt"},        // the name of a copy of old
        {".Fall.S01.Ab3xYz", marke},                           // the same
        {".notiz.txt~quarnel-kopie~Ab3xYz", marke},            // no case name
        {".Meins.S01~quarnel-kopie~Ab3xYz", "\x08S00VER10 x"},  // no mark inside
        {".Leer.S01~quarnel-kopie~Ab3xYz", ""},
    };
    for (const Fremd& f : fremde) kopie(f.name, f.inhalt, 3600);
    const int halter = ::open(gehalten.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(halter, LOCK_EX), 0);  // a save in another process

    ASSERT_EQ(Ersetzen(t / "Fall.S01", Bytes("neu")), Speicherfehler::Keiner);
    EXPECT_FALSE(fs::exists(alt));
    EXPECT_TRUE(fs::exists(frisch));
    EXPECT_TRUE(fs::exists(gehalten));
    for (const Fremd& f : fremde) EXPECT_TRUE(fs::exists(t / f.name)) << f.name;
    ::close(halter);
    EXPECT_EQ(VerwaisteKopienEntfernen(t.Text()), 1);
    EXPECT_FALSE(fs::exists(gehalten));
    for (const Fremd& f : fremde) EXPECT_TRUE(fs::exists(t / f.name)) << f.name;

    // A save of a case leaves no copy behind, and the saved file has its own first byte.
    std::vector<uint8_t> fall(FallDateiGroesse, 0);
    fall[0] = 8;
    std::copy(FallKennung.begin(), FallKennung.end(), fall.begin() + 1);
    const auto anzahl = [&] {
        return std::distance(fs::directory_iterator(t.Pfad()), fs::directory_iterator());
    };
    const auto vorher = anzahl();
    ASSERT_EQ(Ersetzen(t / "Fall.S01", fall), Speicherfehler::Keiner);
    EXPECT_EQ(Inhalt(t / "Fall.S01"), std::string(fall.begin(), fall.end()));
    EXPECT_EQ(anzahl(), vorher);
}
