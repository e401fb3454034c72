// quarnel-cli's outputs and reads against a hostile user: no output over a
// case, a link or a device, the old output on a full disk, the case password
// on every command that reads, control characters refused and never echoed,
// absurd what-if changes refused; and a save killed at any moment leaves a
// case and a backup that open.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "case/sicherung.h"

#include "dateihilfe.h"

using quarnel::test::Ausfuehren;
using quarnel::test::CliBefehl;
using quarnel::test::Enthaelt;
using quarnel::test::Inhalt;
using quarnel::test::Lauf;
using quarnel::test::TempVerzeichnis;
namespace fs = std::filesystem;

namespace {

// stdout and stderr together; a run that hangs ends in the timeout's code 124.
Lauf Cli(const std::vector<std::string>& args, const std::string& vorsatz = "") {
    return Ausfuehren(vorsatz + "timeout 20 " + CliBefehl(args) + " 2>&1 </dev/null");
}

bool MitFormularen() {
    return !Enthaelt(Cli({"--help"}).aus, "unbekannt") && Enthaelt(Cli({"--help"}).aus, "formulare");
}

}  // namespace

TEST(AusgabeCli, Keine_Ausgabe_ueber_Fall_Verweis_oder_Geraet) {
    TempVerzeichnis t;
    const std::string fall = t / "Fall.S01", anderer = t / "Anderer.S01";
    ASSERT_EQ(Cli({"neu", fall}).code, 0);
    ASSERT_EQ(Cli({"neu", anderer}).code, 0);
    ::symlink("Anderer.S01", (t / "verweis.pdf").c_str());
    ::mkfifo((t / "rohr.pdf").c_str(), 0600);
    const std::string vorher = Inhalt(fall), andererVorher = Inhalt(anderer);

    std::vector<std::vector<std::string>> ausgaben = {{"pruefen", fall, "--html"},
                                                      {"bescheid", fall, "--ausgabe"}};
    if (MitFormularen()) ausgaben.push_back({"formulare", fall, "--pdf"});
    for (auto befehl : ausgaben) {
        for (const std::string& ziel : {fall, anderer, t / "verweis.pdf", t / "rohr.pdf",
                                        std::string("/dev/null")}) {
            auto args = befehl;
            args.push_back(ziel);
            const Lauf l = Cli(args);
            EXPECT_NE(l.code, 0) << befehl[0] << " -> " << ziel << ": " << l.aus;
            EXPECT_NE(l.code, 124) << befehl[0] << " waited on " << ziel;
        }
        auto args = befehl;
        args.push_back(t / (befehl[0] + ".aus"));
        EXPECT_EQ(Cli(args).code, 0) << befehl[0];
    }
    EXPECT_EQ(Inhalt(fall), vorher);
    EXPECT_EQ(Inhalt(anderer), andererVorher);
    EXPECT_TRUE(fs::is_fifo(t / "rohr.pdf"));
}

TEST(AusgabeCli, Voller_Datentraeger_meldet_Fehler_und_laesst_die_alte_Ausgabe) {
    TempVerzeichnis t;
    const std::string fall = t / "Fall.S01";
    ASSERT_EQ(Cli({"neu", fall}).code, 0);
    // A file-size limit fails writes as a full disk does (the signal ignored).
    const std::string voll = "trap '' XFSZ; ulimit -f 4; ";
    std::vector<std::vector<std::string>> ausgaben = {{"pruefen", fall, "--html", t / "a.htm"},
                                                      {"bescheid", fall, "--ausgabe", t / "a.txt"}};
    if (MitFormularen()) ausgaben.push_back({"formulare", fall, "--pdf", t / "a.pdf"});
    for (const auto& args : ausgaben) {
        std::ofstream(args.back()) << "alte Ausgabe";
        const Lauf l = Cli(args, voll);
        // The check report and the notice fit into 4 KB; the forms do not.
        if (l.code == 0) {
            EXPECT_GT(fs::file_size(args.back()), 0u);
            continue;
        }
        EXPECT_EQ(l.code, 1) << args[0] << ": " << l.aus;
        EXPECT_EQ(Inhalt(args.back()), "alte Ausgabe") << args[0];
        EXPECT_FALSE(Enthaelt(l.aus, "Seiten")) << l.aus;
    }
    if (MitFormularen()) {
        EXPECT_EQ(Inhalt(t / "a.pdf"), "alte Ausgabe");
    }
}

TEST(AusgabeCli, Passwort_schuetzt_jeden_lesenden_Befehl) {
    TempVerzeichnis t;
    const std::string fall = t / "Fall.S01";
    ASSERT_EQ(Cli({"neu", fall}).code, 0);
    ASSERT_EQ(Cli({"setze", fall, "StpflVorname=Eva", "FallPasswort=geheim"}).code, 0);
    std::vector<std::vector<std::string>> befehle = {
        {"zeige", fall, "StpflVorname"},
        {"export", fall},
        {"berechne", fall},
        {"bescheid", fall},
        {"pruefen", fall},
        {"setze", fall, "KiGeld1=1"},
    };
    if (MitFormularen()) befehle.push_back({"formulare", fall, "--pdf", t / "f.pdf"});
    for (const auto& b : befehle) {
        Lauf ohne = Cli(b);
        EXPECT_EQ(ohne.code, 2) << b[0] << ": " << ohne.aus;
        EXPECT_FALSE(Enthaelt(ohne.aus, "Eva")) << b[0];
        auto falsch = b;
        falsch.insert(falsch.end(), {"--passwort", "raten"});
        EXPECT_EQ(Cli(falsch).code, 2) << b[0];
        auto richtig = b;
        richtig.insert(richtig.begin() + 1, {"--passwort", " geheim"});  // blanks as the dialog
        EXPECT_EQ(Cli(richtig).code, 0) << b[0] << ": " << Cli(richtig).aus;
    }
    EXPECT_EQ(Cli({"zeige", fall, "StpflVorname", "--passwort", "geheim"}).aus,
              "StpflVorname=Eva\n");
}

TEST(AusgabeCli, Steuerzeichen_abgewiesen_und_nie_ausgegeben) {
    TempVerzeichnis t;
    const std::string fall = t / "Fall.S01";
    ASSERT_EQ(Cli({"neu", fall}).code, 0);
    const std::string vorher = Inhalt(fall);
    const std::string esc = "\x1b]0;x\x07\x1b[31m";
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"setze", fall, "StpflVorname=Eva" + esc},
             {"setze", fall, "StpflVorname=Eva\nZwei"},
             {"setze", fall, "Stpfl" + esc + "Vorname=Eva"},
             {"zeige", fall + esc},
             {"unbekannt" + esc},
             {"berechne", fall, "--" + esc},
         }) {
        const Lauf l = Cli(args);
        EXPECT_EQ(l.code, 2) << args[0];
        EXPECT_FALSE(Enthaelt(l.aus, "\x1b")) << args[0] << " echoed an escape";
        EXPECT_FALSE(Enthaelt(l.aus, "\x07")) << args[0];
    }
    // JSON: escapes in texts and keys, NUL, nested lists and objects.
    for (const char* json : {R"({"StpflVorname": "Eva\u001b[31m"})", R"({"StpflVorname": "A\u0000B"})",
                             R"({"Stpfl\u001bVorname": "Eva"})", R"({"StpflVorname": ["Eva"]})",
                             R"({"StpflVorname": {"a": 1}})", R"([{"StpflVorname": "Eva"}])"}) {
        std::ofstream(t / "f.json", std::ios::binary) << json;
        const Lauf l = Cli({"import", t / "f.json", fall});
        EXPECT_EQ(l.code, 2) << json;
        EXPECT_FALSE(Enthaelt(l.aus, "\x1b")) << json;
    }
    EXPECT_EQ(Inhalt(fall), vorher);
}

TEST(AusgabeCli, Unsinnige_Was_waere_wenn_Aenderung_abgewiesen) {
    TempVerzeichnis t;
    const std::string fall = t / "Fall.S01";
    ASSERT_EQ(Cli({"neu", fall}).code, 0);
    ASSERT_EQ(Cli({"setze", fall, "BruttoEr=50000"}).code, 0);
    for (const char* a : {"BruttoEr=2000000000000", "BruttoEr=-2000000000000", "Vorsorge=1000000001"}) {
        const Lauf l = Cli({"berechne", fall, "--was-waere-wenn", a});
        EXPECT_EQ(l.code, 2) << a << ": " << l.aus;
        EXPECT_TRUE(Enthaelt(l.aus, "außerhalb")) << l.aus;
    }
    // Two changes of one field add up before the check.
    EXPECT_EQ(Cli({"berechne", fall, "--was-waere-wenn", "KapEr=600000000", "KapEr=600000000"}).code, 2);
    EXPECT_EQ(Cli({"berechne", fall, "--was-waere-wenn", "BruttoEr=1000000000"}).code, 0);
}

// Kills a save of the case at varying moments: the case always opens, and so
// does its newest backup.
TEST(AusgabeCli, Abgebrochenes_Speichern_mit_Sicherungen) {
    TempVerzeichnis t;
    const std::string fall = t / "Fall.S01";
    ASSERT_EQ(Cli({"neu", fall}).code, 0);
    ASSERT_EQ(Cli({"setze", fall, "KiGeld1=1"}).code, 0);
    for (int runde = 0; runde < 40; ++runde) {
        // 0 to 195 ms: before, during and after the save of a run.
        char warten[16];
        std::snprintf(warten, sizeof warten, "%.3f", 0.005 * runde);
        Ausfuehren("(" + CliBefehl({"setze", fall, "KiGeld1=" + std::to_string(runde + 2)}) +
                   " >/dev/null 2>&1 & p=$!; sleep " + std::string(warten) + "; kill -9 $p; wait $p) 2>/dev/null");
        const Lauf l = Cli({"zeige", fall, "KiGeld1"});
        ASSERT_EQ(l.code, 0) << "round " << runde << ": " << l.aus;
        const auto s = quarnel::Sicherungen(fall);
        ASSERT_FALSE(s.empty());
        const Lauf b = Cli({"zeige", s.front(), "KiGeld1"});
        ASSERT_EQ(b.code, 0) << "round " << runde << ": " << s.front() << ": " << b.aus;
    }
    // The case saves on after the kills.
    ASSERT_EQ(Cli({"setze", fall, "KiGeld1=99"}).code, 0);
    EXPECT_EQ(Cli({"zeige", fall, "KiGeld1"}).aus, "KiGeld1=99\n");
    // A kill between a backup and the rotation leaves one more; the next save drops it.
    EXPECT_LE(quarnel::Sicherungen(fall).size(), static_cast<std::size_t>(quarnel::SicherungenVorgabe));
}
