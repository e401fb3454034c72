// quarnel-cli pruefen on the sample case: findings, one page, the report
// file, wrong calls and a missing catalogue.
#include <gtest/gtest.h>

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
