// quarnel-cli against a hostile user: fields the program owns, loose amounts,
// special files under case names, output over the input, two writers at once
// and, as an unprivileged user, read-only files and folders.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "testhilfe.h"
#include "testpfade.h"

using quarnel::test::Ausfuehren;
using quarnel::test::Lauf;
using quarnel::test::TempVerzeichnis;
using quarnel::test::Zitiert;
namespace fs = std::filesystem;

namespace {

std::string Befehl(const std::vector<std::string>& args,
                   const std::string& programm = QUARNEL_CLI_PATH) {
    std::string b = Zitiert(programm);
    for (const auto& a : args) b += " " + Zitiert(a);
    return b;
}

// The run with stdout and stderr together; a FIFO that blocked would end in
// the timeout's code 124.
Lauf Cli(const std::vector<std::string>& args, const std::string& vorsatz = "",
         const std::string& programm = QUARNEL_CLI_PATH) {
    return Ausfuehren(vorsatz + "timeout 10 " + Befehl(args, programm) + " 2>&1 </dev/null");
}

std::string Inhalt(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Enthaelt(const std::string& text, const std::string& teil) {
    return text.find(teil) != std::string::npos;
}

// Runs a command as "nobody", or says why that is not possible here.
const char* kAlsNobody = "setpriv --reuid=nobody --regid=nogroup --clear-groups ";
bool NobodyMoeglich() {
    return ::geteuid() == 0 && Ausfuehren(std::string(kAlsNobody) + "true 2>/dev/null").code == 0;
}

}  // namespace

TEST(SicherheitCli, Verweigerte_Eingaben_lassen_die_Datei_byte_gleich) {
    TempVerzeichnis t;
    const std::string fall = t / "Fall.S01";
    ASSERT_EQ(Cli({"neu", fall}).code, 0);
    ASSERT_EQ(Cli({"setze", fall, "KiGeld1=1.234,56"}).code, 0);
    const std::string vorher = Inhalt(fall);

    Lauf l = Cli({"setze", fall, "StpflVorname=Eva", "Kennung=XXXXXXXX"});
    EXPECT_EQ(l.code, 2);
    EXPECT_TRUE(Enthaelt(l.aus, "führt das Programm selbst")) << l.aus;
    EXPECT_EQ(Cli({"setze", fall, "FallFreigabe=nein"}).code, 2);
    for (const char* betrag : {"1,000.50", "12,5.3", "1.234", "1e5"})
        EXPECT_EQ(Cli({"setze", fall, std::string("KiGeld1=") + betrag}).code, 2) << betrag;
    Ausfuehren("printf '%s' '{\"StpflVorname\": \"Eva\", \"Kennung\": \"S00VER11\"}' > " +
               Zitiert(t / "k.json"));
    EXPECT_EQ(Cli({"import", t / "k.json", fall}).code, 2);
    EXPECT_EQ(Inhalt(fall), vorher);
    EXPECT_EQ(Cli({"zeige", fall, "KiGeld1"}).aus, "KiGeld1=1234,56\n");

    // No output over the case itself, none onto a device or through a link.
    EXPECT_EQ(Cli({"pruefen", fall, "--html", fall}).code, 2);
    EXPECT_EQ(Cli({"bescheid", fall, "--ausgabe", fall}).code, 2);
    ::symlink("Fall.S01", (t / "bericht.htm").c_str());
    EXPECT_NE(Cli({"pruefen", fall, "--html", t / "bericht.htm"}).code, 0);
    EXPECT_NE(Cli({"bescheid", fall, "--ausgabe", t / "bericht.htm"}).code, 0);
    EXPECT_NE(Cli({"bescheid", fall, "--ausgabe", "/dev/null"}).code, 0);
    EXPECT_EQ(Inhalt(fall), vorher);
    EXPECT_EQ(Cli({"bescheid", fall, "--ausgabe", t / "b.txt"}).code, 0);

    // The notice date is a day that exists.
    for (const char* datum : {"31.02.2001", "01.01.0000", "1a.01.2001", "00.01.2001"})
        EXPECT_EQ(Cli({"bescheid", fall, "--datum", datum}).code, 2) << datum;
    EXPECT_EQ(Cli({"bescheid", fall, "--datum", "29.02.2000", "--kurz"}).code, 0);
}

TEST(SicherheitCli, Fifo_als_Fall_oder_Vorjahresdatei_gibt_sofort_einen_Fehler) {
    TempVerzeichnis t;
    ASSERT_EQ(::mkfifo((t / "Fall.S01").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((t / "Alt.S00").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((t / "f.json").c_str(), 0600), 0);
    const std::string fall = t / "Fall.S01";
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"zeige", fall},
             {"setze", fall, "StpflVorname=X"},
             {"berechne", fall},
             {"pruefen", fall},
             {"bescheid", fall},
             {"export", fall},
             {"import", t / "f.json", t / "Neu.S01"},
             {"import", t / "f.json", fall},
             {"vorjahr", t / "Alt.S00", t / "Neu.S01"},
         }) {
        Lauf l = Cli(args);
        EXPECT_NE(l.code, 124) << args[0] << " waited on the FIFO";
        EXPECT_NE(l.code, 0) << args[0];
    }
    EXPECT_FALSE(fs::exists(t / "Neu.S01"));
}

TEST(SicherheitCli, Zwei_Schreiber_verlieren_keine_Aenderung) {
    TempVerzeichnis t;
    const std::string fall = t / "Fall.S01";
    ASSERT_EQ(Cli({"neu", fall}).code, 0);
    for (int runde = 1; runde <= 8; ++runde) {
        const std::string n = std::to_string(runde);
        // Both at once; each prints its exit code.
        Lauf l = Ausfuehren("(" + Befehl({"setze", fall, "StpflVorname=A" + n}) +
                            " 2>/dev/null; echo a$?) & (" +
                            Befehl({"setze", fall, "KiGeld1=" + n}) +
                            " 2>/dev/null; echo b$?) & wait");
        const std::string werte = Cli({"zeige", fall, "StpflVorname", "KiGeld1"}).aus;
        // A writer that reported success has its value in the file.
        if (Enthaelt(l.aus, "a0")) {
            EXPECT_TRUE(Enthaelt(werte, "StpflVorname=A" + n + "\n")) << werte;
        }
        if (Enthaelt(l.aus, "b0")) {
            EXPECT_TRUE(Enthaelt(werte, "KiGeld1=" + n + "\n")) << werte;
        }
        EXPECT_TRUE(Enthaelt(l.aus, "a0") && Enthaelt(l.aus, "b0")) << l.aus;  // both waited
    }
}

TEST(SicherheitCli, Unprivilegiert_schreibgeschuetzt_und_fremdes_Verzeichnis) {
    if (!NobodyMoeglich()) GTEST_SKIP() << "setpriv als nobody nicht verfügbar";
    TempVerzeichnis t;
    ::chmod(t.Text().c_str(), 0755);  // nobody may enter, not create
    // The build tree may lie in a private home directory that nobody cannot
    // enter: nobody runs a copy of the program from this folder.
    const std::string programm = t / "quarnel-cli";
    fs::copy_file(QUARNEL_CLI_PATH, programm);
    ::chmod(programm.c_str(), 0755);
    if (Cli({"hilfe"}, kAlsNobody, programm).code != 0)
        GTEST_SKIP() << "nobody kann das Programm hier nicht ausführen (" << programm << ")";
    auto AlsNobody = [&](const std::vector<std::string>& args) {
        return Cli(args, kAlsNobody, programm);
    };
    const std::string ro = t / "ro.S01", frei = t / "frei.S01";
    ASSERT_EQ(Cli({"neu", ro}).code, 0);
    ASSERT_EQ(Cli({"neu", frei}).code, 0);
    ASSERT_EQ(::chown(ro.c_str(), 65534, 65534), 0);
    ::chmod(ro.c_str(), 0444);
    ::chmod(frei.c_str(), 0666);
    const std::string vorher = Inhalt(ro);

    // A read-only file of one's own is not replaced.
    Lauf l = AlsNobody({"setze", ro, "StpflVorname=Eva"});
    EXPECT_EQ(l.code, 1) << l.aus;
    EXPECT_TRUE(Enthaelt(l.aus, "schreibgeschützt")) << l.aus;
    EXPECT_EQ(Inhalt(ro), vorher);

    // A writable file in a folder that takes no new file is saved in place.
    l = AlsNobody({"setze", frei, "StpflVorname=Eva"});
    EXPECT_EQ(l.code, 0) << l.aus;
    EXPECT_EQ(Cli({"zeige", frei, "StpflVorname"}).aus, "StpflVorname=Eva\n");
    EXPECT_EQ(fs::file_size(frei), 193456u);

    // A new file there: the message names the folder.
    l = AlsNobody({"neu", t / "neu.S01"});
    EXPECT_EQ(l.code, 1) << l.aus;
    EXPECT_TRUE(Enthaelt(l.aus, "Verzeichnis")) << l.aus;
    EXPECT_FALSE(Enthaelt(l.aus, "200 KB")) << l.aus;
}
