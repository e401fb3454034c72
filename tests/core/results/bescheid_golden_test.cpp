// Whole notices compared byte for byte with the notices in tests/cases/bescheid,
// built from given computation records; and the saved text file of a notice.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "calc/fall.h"
#include "case/feldwerte.h"
#include "case/zeichensatz.h"
#include "results/bescheid.h"
#include "results/textdatei.h"
#include "testpfade.h"

using namespace quarnel;
namespace fs = std::filesystem;

namespace {

std::string Lesen(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Getrimmt(const std::string& s) {
    const auto a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

// Takes the [bescheid] section out of text and applies it.
void BescheidAbschnitt(std::string& text, CaseRecord& fall, BescheidAngaben& a) {
    const auto anfang = text.find("[bescheid]");
    if (anfang == std::string::npos) return;
    auto ende = text.find("\n[", anfang);
    ende = ende == std::string::npos ? text.size() : ende + 1;
    std::istringstream zeilen(text.substr(anfang, ende - anfang));
    text.erase(anfang, ende - anfang);
    std::string zeile;
    std::getline(zeilen, zeile);
    while (std::getline(zeilen, zeile)) {
        if (zeile.empty() || zeile[0] == '#') continue;
        const auto gleich = zeile.find('=');
        ASSERT_NE(gleich, std::string::npos) << zeile;
        const std::string name = Getrimmt(zeile.substr(0, gleich));
        const std::string wert = Getrimmt(zeile.substr(gleich + 1));
        if (name == "datum") {
            a.datum = wert;
        } else if (name == "amtlich" || name == "kurz") {
            (name == "amtlich" ? a.amtlich : a.kurz) = wert == "ja";
        } else if (name == "religionEr" || name == "religionSie" || name == "bundesland") {
            (name == "religionEr"    ? a.religionEr
             : name == "religionSie" ? a.religionSie
                                     : a.bundesland) = Utf8ZuCp1252(wert);
        } else {
            const FeldSuche s = FeldAufloesen(name);
            ASSERT_TRUE(s.adresse) << s.fehler;
            const auto fehler = FeldwertSetzen(fall, *s.adresse, wert);
            ASSERT_FALSE(fehler) << name << ": " << *fehler;
        }
    }
}

std::vector<std::string> Zeilen(const std::string& utf8) {
    std::vector<std::string> z;
    std::istringstream in(utf8);
    for (std::string zeile; std::getline(in, zeile);) z.push_back(Utf8ZuCp1252(zeile));
    return z;
}

}  // namespace

TEST(BescheidGolden, Jeder_Bescheid_stimmt_Byte_fuer_Byte) {
    const fs::path dir = fs::path(QUARNEL_TEST_CASES_DIR) / "bescheid";
    int anzahl = 0;
    for (const auto& eintrag : fs::directory_iterator(dir)) {
        if (eintrag.path().extension() != ".fall") continue;
        ++anzahl;
        const std::string name = eintrag.path().filename().string();
        std::string text = Lesen(eintrag.path());
        CaseRecord fall;
        NeuerFallDatensatz(fall);
        BescheidAngaben a;
        BescheidAbschnitt(text, fall, a);
        Fall f;
        FallFehler fehler;
        // texts of the records are Windows-1252, the file is UTF-8
        ASSERT_TRUE(FallLesen(Utf8ZuCp1252(text), f, fehler))
            << name << ":" << fehler.zeile << ": " << fehler.text;
        Ergebnistext ergebnis;
        BescheidErstellen(fall, f.eingabe, f.vorgabe, a, ergebnis);

        fs::path erwartet_pfad = eintrag.path();
        erwartet_pfad.replace_extension(".txt");
        const std::vector<std::string> erwartet = Zeilen(Lesen(erwartet_pfad));
        const ResultLines& z = ergebnis.zeilen;
        for (std::size_t i = 0; i < std::max(z.size(), erwartet.size()); ++i) {
            const std::string ist = i < z.size() ? z[i] : "<fehlt>";
            const std::string soll = i < erwartet.size() ? erwartet[i] : "<fehlt>";
            if (ist != soll) {
                ADD_FAILURE() << name << " Zeile " << i + 1 << "\n  erwartet: ["
                              << Cp1252ZuUtf8(soll) << "]\n  erstellt: [" << Cp1252ZuUtf8(ist)
                              << "]";
                break;
            }
        }
    }
    EXPECT_GE(anzahl, 5);
}
