// The private folder of the work files and the clean-up after killed runs.
#include "case/arbeitsdateien.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "case/falldatei.h"
#include "testhilfe.h"

using namespace quarnel;
using quarnel::test::TempVerzeichnis;
namespace fs = std::filesystem;

namespace {

unsigned Modus(const std::string& p) {
    struct stat st;
    return ::lstat(p.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0u;
}

void Schreibe(const std::string& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

std::set<std::string> Namen(const fs::path& verzeichnis) {
    std::set<std::string> n;
    for (const auto& e : fs::directory_iterator(verzeichnis)) n.insert(e.path().filename());
    return n;
}

}  // namespace

// Which folder, and with which mode, for the sources a session may have.
TEST(Arbeitsdateien, Privates_Verzeichnis_nach_Quellen) {
    TempVerzeichnis t;
    const std::string lauf = t / "run", offen = t / "offen", heim = t / "heim",
                      cache = t / "cache";
    fs::create_directory(lauf);
    ::chmod(lauf.c_str(), 0700);
    fs::create_directory(offen);
    ::chmod(offen.c_str(), 0755);
    fs::create_directory(heim);
    struct Fall {
        const char* name;
        ArbeitsQuellen q;
        std::string erwartet;
    };
    const std::vector<Fall> faelle = {
        {"Laufzeitverzeichnis", {lauf, cache, heim}, lauf + "/quarnel"},
        {"Laufzeitverzeichnis für alle offen", {offen, cache, heim}, cache + "/quarnel"},
        {"Laufzeitverzeichnis relativ", {"run", "", heim}, heim + "/.cache/quarnel"},
        {"Laufzeitverzeichnis fehlt", {t / "fehlt", "", heim}, heim + "/.cache/quarnel"},
        {"Cache relativ", {"", "cache", heim}, heim + "/.cache/quarnel"},
        {"nichts", {"", "", ""}, ""},
        {"nur relatives Heim", {"", "", "heim"}, ""},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(PrivatesArbeitsverzeichnis(f.q), f.erwartet) << f.name;
        if (!f.erwartet.empty()) {
            EXPECT_EQ(Modus(f.erwartet), 0700u) << f.name;
        }
    }
    // An existing folder others may enter is closed; a link in its place, or a
    // file, is not taken.
    ::chmod((cache + "/quarnel").c_str(), 0755);
    EXPECT_EQ(PrivatesArbeitsverzeichnis({"", cache, ""}), cache + "/quarnel");
    EXPECT_EQ(Modus(cache + "/quarnel"), 0700u);
    fs::create_directory(t / "c2");
    fs::create_directory_symlink(offen, t / "c2/quarnel");
    EXPECT_EQ(PrivatesArbeitsverzeichnis({"", t / "c2", ""}), "");
    EXPECT_EQ(Modus(offen), 0755u);
    fs::create_directory(t / "c3");
    Schreibe(t / "c3/quarnel", "x");
    EXPECT_EQ(PrivatesArbeitsverzeichnis({"", t / "c3", ""}), "");
    if (::geteuid() == 0) {  // someone else's folder
        fs::create_directory(t / "c4");
        fs::create_directory(t / "c4/quarnel");
        ASSERT_EQ(::chown((t / "c4/quarnel").c_str(), 65534, 65534), 0);
        EXPECT_EQ(PrivatesArbeitsverzeichnis({"", t / "c4", ""}), "");
    }
}

// A killed run leaves its work file, print output, check report, a temporary
// copy of a save and its lock file; the next start removes exactly those,
// never the files of a run that still lives nor anything of the user.
TEST(Arbeitsdateien, Verwaiste_Dateien_beim_naechsten_Start_entfernt) {
    TempVerzeichnis t;
    const std::string v = t.Text();
    // The killed run: a child that ends without its destructors.
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        auto* tot = new TemporaereDateien(v);
        if (!tot->Angelegt()) ::_exit(1);
        Schreibe(tot->Arbeitsdatei(), "Fall");
        Schreibe(tot->Pruefbericht(), "<html>");
        const std::string name = Namensteil(tot->Arbeitsdatei());
        Schreibe(v + "/." + name + ".a1B2c3", "halbe Kopie");
        Schreibe(v + "/." + Namensteil(tot->Pruefbericht()) + ".x9Y8z7", "halber Bericht");
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const std::set<std::string> tote = Namen(t.Pfad());
    ASSERT_EQ(tote.size(), 6u);

    // What the user keeps there, named alike.
    const std::vector<std::string> fremde = {
        "QRNabcdef", "HTMabcdef.htm", ".QRNabcdef.123456", "QRNabcde.lck", "QRNab-def.lck",
        "notiz.txt", "RPPabcdefg",
    };
    for (const auto& n : fremde) Schreibe(v + "/" + n, "meins");

    // The next start: the dead run's six files go, the new run has its four.
    TemporaereDateien lebend(v);
    ASSERT_TRUE(lebend.Angelegt());
    std::set<std::string> soll(fremde.begin(), fremde.end());
    for (const std::string& p : {lebend.Arbeitsdatei(), lebend.Druckdatei(), lebend.Pruefbericht()}) {
        soll.insert(Namensteil(p));
        EXPECT_EQ(Modus(p), 0600u) << p;
    }
    soll.insert(Namensteil(lebend.Arbeitsdatei()) + ".lck");
    EXPECT_EQ(Namen(t.Pfad()), soll);

    // The live run's lock holds off a second start's clean-up, and a run that
    // ends normally leaves nothing.
    EXPECT_EQ(VerwaisteLaufDateienEntfernen(v), 0);
    {
        TemporaereDateien zweite(v);
        EXPECT_NE(zweite.Arbeitsdatei(), lebend.Arbeitsdatei());
    }
    EXPECT_EQ(Namen(t.Pfad()), soll);
}

// A lock file of someone else, or a link in the place of one, is left alone,
// and so are the files it would name.
TEST(Arbeitsdateien, Fremde_Sperrdatei_und_Verweis_bleiben) {
    TempVerzeichnis t;
    const std::string v = t.Text();
    Schreibe(t / "ziel", "nicht anfassen");
    fs::create_symlink(t / "ziel", t / "QRNzzzzzz.lck");
    Schreibe(t / "QRNzzzzzz", "Fall");
    if (::geteuid() == 0) {
        Schreibe(t / "QRNyyyyyy.lck", "");
        Schreibe(t / "QRNyyyyyy", "Fall");
        ASSERT_EQ(::chown((t / "QRNyyyyyy.lck").c_str(), 65534, 65534), 0);
    }
    const auto vorher = Namen(t.Pfad());
    EXPECT_EQ(VerwaisteLaufDateienEntfernen(v), 0);
    EXPECT_EQ(Namen(t.Pfad()), vorher);
}
