// quarnel-cli amtsbescheid, vergleich, frist, einspruch on the sample case:
// storing the office's figures changes only the notice's list record, every
// other command leaves the case file byte for byte as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "testhilfe.h"
#include "testpfade.h"

using quarnel::test::Ausfuehren;
using quarnel::test::Lauf;
using quarnel::test::TempVerzeichnis;
using quarnel::test::Zitiert;

namespace {

Lauf Cli(const std::string& args, bool mitFehler = false) {
    return Ausfuehren(std::string(QUARNEL_CLI_PATH) + " " + args + (mitFehler ? " 2>&1" : " 2>/dev/null"));
}

std::string Lesen(const std::string& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

double JsonWert(const std::string& json, const std::string& name) {
    std::smatch m;
    const std::regex r("\"" + name + "\": (-?[0-9.]+)");
    EXPECT_TRUE(std::regex_search(json, m, r)) << name;
    return std::stod(m[1]);
}

// The notice's list record (list 50) in a case file.
constexpr std::size_t ListeBeginn = 66656 + 49 * 2536;

}  // namespace

TEST(BescheidpruefungCli, Setzen_Vergleichen_Frist_Einspruch_und_der_Fall_bleibt) {
    TempVerzeichnis dir;
    const std::string fall = dir / "Fall.S01";
    std::filesystem::copy_file(std::string(QUARNEL_DATA_DIR) + "/beispiele/Beispiel.S01", fall);
    const std::string f = Zitiert(fall);
    const std::string original = Lesen(fall);

    EXPECT_EQ(Cli("amtsbescheid " + f).aus, "Kein Bescheid des Finanzamts erfasst.\n");
    EXPECT_EQ(Cli("vergleich " + f).code, 1);
    EXPECT_EQ(Cli("amtsbescheid " + f + " --setze Unsinn=1").code, 2);
    EXPECT_EQ(Lesen(fall), original);

    // the first figures are the own ones; then the office's two changes
    ASSERT_EQ(Cli("amtsbescheid " + f + " --setze datum=02.05.2002 aufgabe=02.05.2002 "
                  "finanzamt=Köln-Süd angefochten=EkNsaEr,LSt aussetzung=ja vorlaeufig=1,3").code,
              0);
    const std::string json = Cli("amtsbescheid " + f + " --json").aus;
    EXPECT_NE(json.find("\"finanzamt\": \"Köln-Süd\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"vorlaeufig\": [1, 3]"), std::string::npos) << json;
    const double nsa = JsonWert(json, "EkNsaEr"), lst = JsonWert(json, "LSt");
    EXPECT_EQ(Lesen(fall).substr(0, ListeBeginn), original.substr(0, ListeBeginn));
    ASSERT_EQ(Cli("amtsbescheid " + f + " --setze EkNsaEr=" + std::to_string(static_cast<long>(nsa + 500)) +
                  " LSt=" + std::to_string(static_cast<long>(lst - 100)))
                  .code,
              0);

    // only the notice's list record changed; the file keeps its size
    const std::string mitBescheid = Lesen(fall);
    ASSERT_EQ(mitBescheid.size(), original.size());
    for (std::size_t i = 0; i < original.size(); ++i)
        if (i < ListeBeginn || i >= ListeBeginn + 2536) {
            ASSERT_EQ(mitBescheid[i], original[i]) << "Byte " << i;
        }

    const Lauf text = Cli("vergleich " + f + " --heute 10.05.2002");
    ASSERT_EQ(text.code, 0);
    EXPECT_NE(text.aus.find("Abweichungen des Finanzamts: 2"), std::string::npos) << text.aus;
    EXPECT_NE(text.aus.find("Montag, 06.05.2002"), std::string::npos);
    EXPECT_NE(text.aus.find("Noch 27 Tage"), std::string::npos);
    const Lauf j = Cli("vergleich " + f + " --json --heute 10.05.2002");
    ASSERT_EQ(j.code, 0);
    EXPECT_EQ(JsonWert(j.aus, "abweichungen"), 2);
    EXPECT_NE(j.aus.find("\"fristende\": \"06.06.2002\""), std::string::npos);
    EXPECT_GT(JsonWert(j.aus, "saldoErklaert"), 100);  // the tax of the 500 DM and the wage tax

    const Lauf frist = Cli("frist --aufgabe 26.03.2002 --land 9 --heute 01.04.2002 --json");
    EXPECT_NE(frist.aus.find("\"bekanntgabe\": \"02.04.2002\""), std::string::npos) << frist.aus;
    EXPECT_NE(frist.aus.find("\"fristende\": \"02.05.2002\""), std::string::npos);
    EXPECT_EQ(Cli("frist " + f + " --heute 10.06.2002").aus.find("abgelaufen") != std::string::npos, true);

    // the letter: refused before the announcement, then as text and PDF
    const Lauf frueh = Cli("einspruch " + f + " --datum 03.05.2002", true);
    EXPECT_EQ(frueh.code, 1);
    EXPECT_NE(frueh.aus.find("06.05.2002"), std::string::npos) << frueh.aus;
    const Lauf brief = Cli("einspruch " + f + " --datum 08.05.2002");
    ASSERT_EQ(brief.code, 0);
    EXPECT_NE(brief.aus.find("Einspruch gegen den Einkommensteuerbescheid 2001 vom 02.05.2002"),
              std::string::npos);
    EXPECT_NE(brief.aus.find("§ 361 AO"), std::string::npos);
    ASSERT_EQ(Cli("einspruch " + f + " --datum 08.05.2002 --text " + Zitiert(dir / "b.txt")).code, 0);
    EXPECT_NE(Lesen(dir / "b.txt").find("Einspruch gegen den Einkommensteuerbescheid 2001 vom 02.05.2002\r\n"),
              std::string::npos);
    const Lauf pdf = Cli("einspruch " + f + " --datum 08.05.2002 --pdf " + Zitiert(dir / "b.pdf"));
    if (pdf.code == 0) {  // built with the print output
        EXPECT_EQ(Lesen(dir / "b.pdf").rfind("%PDF", 0), 0u);
    }
    EXPECT_EQ(Cli("einspruch " + f + " --pdf " + f).code, 2);

    // nothing but the storing command wrote the case
    EXPECT_EQ(Lesen(fall), mitBescheid);
    ASSERT_EQ(Cli("amtsbescheid " + f + " --loeschen").code, 0);
    EXPECT_EQ(Cli("amtsbescheid " + f).aus, "Kein Bescheid des Finanzamts erfasst.\n");
    const std::string geloescht = Lesen(fall);
    EXPECT_EQ(geloescht.substr(0, ListeBeginn), original.substr(0, ListeBeginn));
}
