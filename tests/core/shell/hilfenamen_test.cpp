// Every help page and field anchor the program addresses must exist in the
// help content of the installation. All missing ones are reported at once.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "case/feldkatalog.h"
#include "shell/hilfe.h"
#include "shell/hilfenamen.h"
#include "testpfade.h"

namespace quarnel {
namespace {

TEST(Hilfenamen, ListeDerSeitenUndAnker) {
    const std::vector<std::string> seiten = ProgrammHilfeseiten();
    auto hat = [&](const std::string& s) {
        return std::find(seiten.begin(), seiten.end(), s) != seiten.end();
    };
    // Page helps of the entry pages: the shared expense pages, the one child
    // page, the two pensions pages, the what-if and quick calculation.
    for (const char* s : {"F011", "F012", "F021", "F031", "F041", "F048", "F061", "F071", "F111",
                          "F112", "F127", "F136", "F145", "F161", "F171", "F172", "F501", "F572"})
        EXPECT_TRUE(hat(s)) << s;
    for (const char* s : {"F022", "F032", "F051", "F113", "F000"}) EXPECT_FALSE(hat(s)) << s;

    const std::vector<FeldHilfe> anker = ProgrammFeldanker();
    auto hatAnker = [&](const char* seite, const char* a) {
        return std::any_of(anker.begin(), anker.end(),
                           [&](const FeldHilfe& f) { return f.seite == seite && f.anker == a; });
    };
    EXPECT_TRUE(hatAnker("F011", "F1101"));
    EXPECT_TRUE(hatAnker("F143", "F1501"));  // one page class on two pages
    EXPECT_TRUE(hatAnker("F145", "F1501"));
    EXPECT_TRUE(hatAnker("F502", "F1001"));  // the education page
    // Every numbered field of a page class with a help page has its anchor there.
    for (const FeldDef& d : Feldkatalog()) {
        if (d.nr == 0) continue;
        for (int n : HilfeNummernDerKlasse(d.seite))
            EXPECT_TRUE(hatAnker(HilfeseiteF(n).c_str(), FeldAnker(d.nr).c_str())) << d.id;
    }
}

TEST(Hilfenamen, AnkerImHtml) {
    EXPECT_TRUE(HtmlHatAnker("<p><a name=\"F1103\"></a>Text", "F1103"));
    EXPECT_TRUE(HtmlHatAnker("<h3 ID='F1103'>x</h3>", "F1103"));
    EXPECT_TRUE(HtmlHatAnker("<a\nname=F1103>x</a>", "F1103"));
    EXPECT_FALSE(HtmlHatAnker("<a name=\"F11031\">", "F1103"));
    EXPECT_FALSE(HtmlHatAnker("<a href=\"#F1103\">", "F1103"));
    EXPECT_FALSE(HtmlHatAnker("<a data-name=\"F1103\">", "F1103"));
}

// The installed help content: skipped while the help directory does not exist yet.
TEST(Hilfenamen, JederNameUndAnkerIstVorhanden) {
    const std::string hilfe = std::string(QUARNEL_DATA_DIR) + "/htmlhelp/";
    if (!std::filesystem::is_directory(hilfe)) GTEST_SKIP() << "kein Hilfeverzeichnis " << hilfe;
    const HilfeOrte orte{hilfe, {}};
    std::ostringstream fehlend;
    int anzahl = 0;
    for (const std::string& s : ProgrammHilfeseiten())
        if (!HilfeAufloesen(orte, s)) {
            fehlend << "  Seite " << s << "\n";
            ++anzahl;
        }
    std::map<std::string, std::string> inhalt;
    for (const FeldHilfe& f : ProgrammFeldanker()) {
        auto it = inhalt.find(f.seite);
        if (it == inhalt.end()) {
            std::string text;
            if (auto p = HilfeAufloesen(orte, f.seite)) {
                std::ifstream in(*p, std::ios::binary);
                text.assign(std::istreambuf_iterator<char>(in), {});
            }
            it = inhalt.emplace(f.seite, std::move(text)).first;
        }
        if (!it->second.empty() && !HtmlHatAnker(it->second, f.anker)) {
            fehlend << "  Anker " << f.seite << "#" << f.anker << "\n";
            ++anzahl;
        }
    }
    EXPECT_EQ(anzahl, 0) << "Fehlende Hilfeseiten und Feldanker:\n" << fehlend.str();
}

}  // namespace
}  // namespace quarnel
