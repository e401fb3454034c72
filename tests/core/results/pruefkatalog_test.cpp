// The check catalogue: its reader and the catalogue the program ships.
#include "results/pruefkatalog.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "results/pruefung.h"
#include "testpfade.h"

using namespace quarnel;

TEST(Pruefkatalog, Kopfzeilen_Text_und_Abschluss) {
    const Pruefkatalog k = PruefkatalogLesen(
        "Vorspann ohne Semikolon\r\n"
        ";017 4\r\n"
        "  erste Zeile  \r\n"
        "\tzweite Zeile\r\n"
        "; 18 1 Rest der Kopfzeile\n"
        "Tip\n"
        ";19\n"          // short header: no level
        "ohne Stufe\n"
        ";020 3\n"
        ";017 2\n"       // repeated number: never reached
        "andere\n"
        ";021 2\n"
        "abgeschnitten\n");
    ASSERT_TRUE(k.vorhanden);
    const Katalogeintrag* e = k.Eintrag(17);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->stufe, 4);
    EXPECT_EQ(e->zeilen, (std::vector<std::string>{"erste Zeile", "zweite Zeile"}));
    ASSERT_NE(k.Eintrag(18), nullptr);
    EXPECT_EQ(k.Eintrag(18)->stufe, 1);
    EXPECT_EQ(k.Eintrag(19), nullptr);
    EXPECT_EQ(k.Mangel(19), "ungültige Stufe");
    EXPECT_EQ(k.Mangel(20), "Eintrag ohne Text");
    EXPECT_EQ(k.Eintrag(21), nullptr);  // the file ends inside the entry
    EXPECT_EQ(k.Mangel(21), "Eintrag unvollständig (Datei endet vorzeitig)");
    EXPECT_EQ(k.Mangel(22), "kein Eintrag");
    EXPECT_EQ(k.Mangel(17), "");
    // a closing header with nothing after it is no entry
    EXPECT_EQ(PruefkatalogLesen(";001 1\nText\n;999 0\n").eintraege.size(), 1u);
    EXPECT_FALSE(PruefkatalogLaden("/nicht/vorhanden/Quar01.prf").vorhanden);
    EXPECT_EQ(PruefkatalogLaden("/nicht/vorhanden/Quar01.prf").Mangel(1),
              "Prüfungsdatei nicht gefunden");
}

// The shipped catalogue holds exactly one usable entry for every finding
// number of the rules, and nothing else.
TEST(Pruefkatalog, Ausgelieferter_Katalog_deckt_jede_Regel) {
    const std::string pfad = std::string(QUARNEL_DATA_DIR) + "/form/" + PruefkatalogName;
    const Pruefkatalog k = PruefkatalogLaden(pfad);
    ASSERT_TRUE(k.vorhanden) << pfad;
    const std::vector<int> regeln = AlleBefundnummern();
    std::vector<int> eintraege;
    for (const auto& [nummer, e] : k.eintraege) {
        eintraege.push_back(nummer);
        EXPECT_TRUE(e.Brauchbar()) << nummer << ": " << k.Mangel(nummer);
        for (const std::string& z : e.zeilen) {
            EXPECT_EQ(z.find('<'), std::string::npos) << nummer;  // plain text in the HTML
            EXPECT_EQ(z.find('&'), std::string::npos) << nummer;
        }
    }
    EXPECT_EQ(eintraege, regeln);

    // each number has exactly one header line in the file
    std::FILE* f = std::fopen(pfad.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    std::map<int, int> koepfe;
    char zeile[512];
    while (std::fgets(zeile, sizeof zeile, f))
        if (zeile[0] == ';') ++koepfe[std::atoi(zeile + 1)];
    std::fclose(f);
    for (int n : regeln) EXPECT_EQ(koepfe[n], 1) << n;
}

// The rules never give a number outside the catalogue, whatever the record
// holds, and read every field with its own type.
TEST(Pruefkatalog, Zufaellige_Datensaetze_nur_bekannte_Befunde) {
    const std::vector<int> bekannt = AlleBefundnummern();
    std::mt19937 zufall(2001);
    for (int lauf = 0; lauf < 40; ++lauf) {
        CaseRecord r;
        for (auto& b : r.Bytes()) b = static_cast<uint8_t>(zufall() % 4 == 0 ? zufall() : 0);
        const Veranlagung v{lauf % 2 == 0, lauf % 2 == 1, int(zufall() % 7)};
        Befundtabelle t;
        ASSERT_NO_THROW(t = RegelnPruefen(r, v));
        for (int n : t.AlleBefunde())
            EXPECT_TRUE(std::binary_search(bekannt.begin(), bekannt.end(), n)) << n;
    }
}
