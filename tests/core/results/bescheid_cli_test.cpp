// quarnel-cli bescheid on the sample case: the terminal text, the saved text
// file in both code pages, and the script that rebuilds the sample.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/betrag.h"
#include "case/zeichensatz.h"
#include "testhilfe.h"
#include "testpfade.h"

using namespace quarnel;
using quarnel::test::Ausfuehren;
using quarnel::test::Lauf;
using quarnel::test::TempVerzeichnis;

namespace {

Lauf Bescheid(const std::string& args) {
    return Ausfuehren(std::string(QUARNEL_CLI_PATH) + " bescheid " + args + " 2>/dev/null");
}

std::string Beispiel() {
    return std::string(QUARNEL_DATA_DIR) + "/beispiele/Beispiel.S01";
}

std::string Lesen(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(BescheidCli, Terminal_und_Textdatei_in_beiden_Codepages) {
    const Lauf l = Bescheid("'" + Beispiel() + "' --datum 15.03.2002");
    ASSERT_EQ(l.code, 0);
    EXPECT_EQ(l.aus.rfind(std::string(63, ' ') + "15.03.2002\n", 0), 0u);
    EXPECT_NE(l.aus.find("für   2 0 0 1   über\n"), std::string::npos);
    EXPECT_NE(l.aus.find("Thomas Mustermann\nSabine Mustermann\n"), std::string::npos);

    TempVerzeichnis dir;
    ASSERT_EQ(
        Bescheid("'" + Beispiel() + "' --datum 15.03.2002 --ausgabe '" + dir / "a.txt" + "'").code,
        0);
    ASSERT_EQ(
        Bescheid("'" + Beispiel() + "' --datum 15.03.2002 --ausgabe '" + dir / "d.txt" + "' --dos")
            .code,
        0);
    // Every terminal line, in the code page, followed by CR LF.
    std::string ansi, dos;
    std::istringstream zeilen(l.aus);
    for (std::string z; std::getline(zeilen, z);) {
        ansi += Utf8ZuCp1252(z) + "\r\n";
        dos += AnsiZuOem(Utf8ZuCp1252(z)) + "\r\n";
    }
    EXPECT_EQ(Lesen(dir / "a.txt"), ansi);
    EXPECT_EQ(Lesen(dir / "d.txt"), dos);
    EXPECT_NE(ansi.find("f\xfcr   2 0 0 1   \xfc"
                        "ber\r\n"),
              std::string::npos);
    EXPECT_NE(dos.find("f\x81r   2 0 0 1   \x81"
                       "ber\r\n"),
              std::string::npos);
}

TEST(BescheidCli, Falsche_Aufrufe) {
    EXPECT_EQ(Bescheid("").code, 2);
    EXPECT_EQ(Bescheid("'" + Beispiel() + "' --dos").code, 2);
    EXPECT_EQ(Bescheid("'" + Beispiel() + "' --datum 1.3.2002").code, 2);
    EXPECT_EQ(Bescheid("'" + Beispiel() + "' --ausgabe /kein/verzeichnis/x.txt").code, 1);
}

TEST(BescheidCli, Beispielfall_entsteht_aus_dem_Skript) {
    TempVerzeichnis dir;
    const std::string skript = std::string(QUARNEL_DATA_DIR) + "/../tools/beispiel-erstellen.sh";
    if (!std::filesystem::exists(skript)) GTEST_SKIP() << "data directory outside the source tree";
    ASSERT_EQ(Ausfuehren("'" + skript + "' '" + QUARNEL_CLI_PATH + "' '" + dir / "B.S01" +
                         "' >/dev/null 2>&1")
                  .code,
              0);
    EXPECT_EQ(Lesen(dir / "B.S01"), Lesen(Beispiel()));
}
