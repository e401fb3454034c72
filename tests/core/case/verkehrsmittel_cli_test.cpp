// quarnel-cli setze and import of the means-of-transport lists, whose items 5 to
// 8 are the vehicles of the vehicle page.
#include <gtest/gtest.h>

#include "testpfade.h"

#include <fstream>
#include <string>
#include <vector>

#include "case/feldkatalog.h"

#include "testhilfe.h"

using namespace quarnel;
using quarnel::test::Ausfuehren;
using quarnel::test::Lauf;
using quarnel::test::TempVerzeichnis;

namespace {

Lauf Cli(const std::vector<std::string>& args) {
    std::string befehl = QUARNEL_CLI_PATH;
    for (const auto& a : args) befehl += " '" + a + "'";
    return Ausfuehren(befehl + " 2>/dev/null");
}

// Every element of every list: "WechselVMittel1[1]", "WechselVMittel1[2]", ...
std::vector<std::string> ListenElemente() {
    std::vector<std::string> elemente;
    for (const char* id :
         {"LfdBehindVMittel1CB", "LfdBehindVMittel2CB", "LfdBehindVMittel3CB",
          "LfdBehindVMittel4CB", "WechselVMittel1", "WechselVMittel2", "WechselVMittel3",
          "WechselVMittel4", "WechselVMittel5", "WechselVMittel6", "WechselVMittel7",
          "WechselVMittel8", "WechselVMittel9", "ErstFahrtFzLB", "LetztFahrtFzLB", "InFahrzLB"}) {
        const FeldDef& d = Def(*FeldNachId(id));
        for (int i = 1; i <= d.anzahl; ++i)
            elemente.push_back(std::string(id) + "[" + std::to_string(i) + "]");
    }
    return elemente;
}

}  // namespace

TEST(VerkehrsmittelCli, Jeder_Punkt_jeder_Liste_nach_Namen) {
    TempVerzeichnis t;
    const std::string fall = t / "a.S01";
    ASSERT_EQ(Cli({"neu", fall}).code, 0);
    // four vehicles, with and without a type
    ASSERT_EQ(Cli({"setze", fall, "FahrzBez[1]=Golf", "ArtFahrzLB[1]=PKW", "FahrzBez[2]=Vespa",
                   "FahrzBez[3]=Rennrad", "ArtFahrzLB[3]=Fahrrad", "FahrzBez[4]=Transporter"})
                  .code,
              0);
    const auto elemente = ListenElemente();
    ASSERT_EQ(elemente.size(), 32u);
    const std::vector<std::string> namen = {"",     "PKW",   "Motorrad", "Mofa/Moped", "Fahrrad",
                                            "Golf", "Vespa", "Rennrad",  "Transporter"};
    for (std::size_t punkt = 0; punkt < namen.size(); ++punkt) {
        std::vector<std::string> setze = {"setze", fall}, zeige = {"zeige", fall};
        std::string erwartet;
        for (const auto& e : elemente) {
            setze.push_back(e + "=" + namen[punkt]);
            zeige.push_back(e);
            erwartet += e + "=" + std::to_string(punkt) + "\n";
        }
        ASSERT_EQ(Cli(setze).code, 0) << namen[punkt];
        EXPECT_EQ(Cli(zeige).aus, erwartet) << namen[punkt];
    }
    // a vehicle without a name but with a type by its number; a free slot
    // neither by number nor by the slot's text
    ASSERT_EQ(Cli({"setze", fall, "FahrzBez[3]=", "FahrzBez[4]=Frei"}).code, 0);
    std::vector<std::string> setze = {"setze", fall}, zeige = {"zeige", fall};
    std::string erwartet;
    for (const auto& e : elemente) {
        setze.push_back(e + "=7");
        zeige.push_back(e);
        erwartet += e + "=7\n";
    }
    ASSERT_EQ(Cli(setze).code, 0);
    EXPECT_EQ(Cli(zeige).aus, erwartet);
    for (const char* e : {"LfdBehindVMittel1CB[1]", "WechselVMittel9[2]", "InFahrzLB[2]"})
        for (const char* wert : {"8", "Frei", "9"})
            EXPECT_EQ(Cli({"setze", fall, std::string(e) + "=" + wert}).code, 2) << e << wert;
    // the vehicle page's own type list offers no vehicles
    EXPECT_EQ(Cli({"setze", fall, "ArtFahrzLB[2]=5"}).code, 2);
    EXPECT_EQ(Cli({"setze", fall, "ArtFahrzLB[2]=Golf"}).code, 2);
}

TEST(VerkehrsmittelCli, Import_mit_Fahrzeugen) {
    TempVerzeichnis t;
    const std::string fall = t / "a.S01";
    std::ofstream(t / "f.json") << R"({"FahrzBez[4]": "Transporter", "WechselVMittel3[2]": 8,)"
                                   R"( "InFahrzLB[1]": "Transporter"})";
    ASSERT_EQ(Cli({"import", t / "f.json", fall}).code, 0);
    EXPECT_EQ(Cli({"zeige", fall, "WechselVMittel3[2]", "InFahrzLB[1]"}).aus,
              "WechselVMittel3[2]=8\nInFahrzLB[1]=8\n");
    // export and import again give the same case
    const Lauf exp = Cli({"export", fall});
    std::ofstream(t / "g.json") << exp.aus;
    ASSERT_EQ(Cli({"import", t / "g.json", t / "b.S01"}).code, 0);
    EXPECT_EQ(Cli({"export", t / "b.S01"}).aus, exp.aus);
    // a vehicle that is not there is refused, and the case stays as it was
    std::ofstream(t / "h.json") << R"({"ErstFahrtFzLB[1]": 5})";
    EXPECT_EQ(Cli({"import", t / "h.json", fall}).code, 2);
    EXPECT_EQ(Cli({"zeige", fall, "ErstFahrtFzLB[1]"}).aus, "ErstFahrtFzLB[1]=-1\n");
}
