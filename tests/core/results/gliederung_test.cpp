// The notice as a document: rules and leaders fall away, letter-spaced
// headings close up, boxed tables keep their cells, and not one amount of
// the fixed-width lines is lost or moved to another row.
#include "results/gliederung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <regex>

#include "calc/berechnung.h"
#include "calc/deklaration.h"
#include "case/caserecord.h"
#include "case/zeichensatz.h"
#include "results/bescheid.h"

using namespace quarnel;

namespace {

struct Fall {
    const char* zeile;  // UTF-8
    Baustein::Art art;
    std::vector<std::string> zellen;  // none: the line gives nothing
};

const Fall Faelle[] = {
    {"", Baustein::Text, {}},
    {"+---------------------------+-------------+", Baustein::Text, {}},
    {"                                                             ==========", Baustein::Text, {}},
    {"F e s t s e t z u n g   u n d   A b r e c h n u n g", Baustein::Ueberschrift,
     {"Festsetzung und Abrechnung"}},
    {"                                              B E S C H E I D", Baustein::Ueberschrift,
     {"BESCHEID"}},
    {"                                           für   2 0 0 1   über", Baustein::Text,
     {"für 2001 über"}},
    {"| Festgesetzt werden        |     4.321,00 |       388,89 |       237,65 |", Baustein::Zeile,
     {"Festgesetzt werden", "4.321,00", "388,89", "237,65"}},
    {"|                           | Einkommen-  | Kirchen-    | Solidar-    |", Baustein::Zeile,
     {"", "Einkommen-", "Kirchen-", "Solidar-"}},
    {"|---------------------------|-------------|", Baustein::Text, {}},
    {" Summe der Einkünfte . . . . . . . .     45.000,00", Baustein::Zeile,
     {"Summe der Einkünfte", "45.000,00"}},
    {"| Grenzsteuersatz                                 31,42 %", Baustein::Zeile,
     {"Grenzsteuersatz", "31,42 %"}},
    {"   Einkünfte aus nichtselbständiger Arbeit", Baustein::Text,
     {"Einkünfte aus nichtselbständiger Arbeit"}},
    {" Verlustabzug      -1.200,50", Baustein::Zeile, {"Verlustabzug", "-1.200,50"}},
    {"verbleibende Versicherungsbeiträge . . 37246", Baustein::Zeile,
     {"verbleibende Versicherungsbeiträge", "37246"}},
    {"Anlage N 2", Baustein::Text, {"Anlage N 2"}},
};

// The amounts of a text, in their order.
std::vector<std::string> Betraege(const std::string& s) {
    static const std::regex betrag(R"(-?[0-9][0-9.]*,[0-9][0-9])");
    std::vector<std::string> alle;
    for (auto it = std::sregex_iterator(s.begin(), s.end(), betrag); it != std::sregex_iterator(); ++it)
        alle.push_back(it->str());
    return alle;
}

}  // namespace

TEST(Gliederung, Einzelne_Zeilen) {
    for (const Fall& f : Faelle) {
        const std::vector<Baustein> b = ZeileGliedern(Utf8ZuCp1252(f.zeile));
        if (f.zellen.empty()) {
            EXPECT_TRUE(b.empty()) << f.zeile;
            continue;
        }
        ASSERT_EQ(b.size(), 1u) << f.zeile;
        EXPECT_EQ(b[0].art, f.art) << f.zeile;
        EXPECT_EQ(b[0].zellen, f.zellen) << f.zeile;
    }
}

// The writer's pairs keep an empty taxpayer's column empty, so the spouse's
// amount stays in the spouse's column.
TEST(Gliederung, Paarzeile_behaelt_ihre_Spalten) {
    Ergebnistext t;
    BescheidSchreiber s(t);
    s.Paarzeile(1, Utf8ZuCp1252("Einkünfte"), 10, 0.0, 1234.5, 3);
    s.Betragszeile(1, "Summe", 9, 99.0, 3);
    const std::vector<Baustein> b = Gliedern(t);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[0].zellen, (std::vector<std::string>{"Einkünfte", "", "1234,50"}));
    EXPECT_EQ(b[1].zellen, (std::vector<std::string>{"Summe", "99,00"}));
}

// Headings over two lines become one row of headings; a lone line of such
// words stays text.
TEST(Gliederung, Spaltenkoepfe_ueber_zwei_Zeilen) {
    struct Kopf {
        std::vector<const char*> zeilen;  // UTF-8
        std::vector<std::string> zellen;  // none: no row of headings
    };
    const Kopf koepfe[] = {
        {{"|                           | Einkommen-  | Kirchen-    | Solidar-    |",
          "|                           | steuer   DM | steuer   DM | zuschlag DM |",
          "|                           |-----------------------------------------|",
          "| Festgesetzt werden        |    15044,00 |      869,40 |      513,37 |"},
         {"", "Einkommensteuer DM", "Kirchensteuer DM", "Solidarzuschlag DM"}},
        {{"                                Ehemann      Ehefrau", "                                     DM           DM",
          "  Bruttoarbeitslohn  . . . .      68000,00     31000,00"},
         {"", "Ehemann DM", "Ehefrau DM"}},
        {{"                                      Ehegatten", "                                             DM",
          "Summe der Einkünfte insgesamt  . . . .     96000,00"},
         {"", "Ehegatten DM"}},
        {{"Ehefrau", "Religion"}, {}},
    };
    for (const Kopf& k : koepfe) {
        Ergebnistext t;
        for (const char* z : k.zeilen) t.zeilen.push_back(Utf8ZuCp1252(z));
        const std::vector<Baustein> b = Gliedern(t);
        const auto kopf = std::find_if(b.begin(), b.end(), [](const Baustein& x) { return x.art == Baustein::Spaltenkopf; });
        if (k.zellen.empty()) {
            EXPECT_EQ(kopf, b.end()) << k.zeilen[0];
            continue;
        }
        ASSERT_NE(kopf, b.end()) << k.zeilen[0];
        EXPECT_EQ(kopf->zellen, k.zellen);
        EXPECT_EQ(b.back().art, Baustein::Zeile) << k.zeilen[0];
    }
}

// Whole notices of random cases: every amount of the lines, in order, and
// no rule or leader left in a cell.
TEST(Gliederung, Zufaellige_Bescheide_behalten_jeden_Betrag) {
    std::mt19937_64 zufall(20011231);
    std::uniform_int_distribution<std::size_t> feld(0, Feldkatalog().size() - 1);
    for (int fall = 0; fall < 20; ++fall) {
        CaseRecord satz;
        NeuerFallDatensatz(satz);
        satz.SetzeBool(Feld::Splitting, fall % 2);
        satz.SetzeBool(Feld::Grundtabelle, !(fall % 2));
        for (int i = 0; i < 200; ++i) {
            const Feld f = static_cast<Feld>(feld(zufall));
            if (Def(f).typ != FeldTyp::Double) continue;
            satz.SetzeDbl(f, std::uniform_real_distribution<double>(-2e4, 1e5)(zufall),
                          1 + static_cast<int>(zufall() % Def(f).anzahl));
        }
        CalcInput e;
        CalcResult r;
        DeklarationFuellen(satz, e, r, false);
        Berechne(e, r);
        BescheidAngaben a;
        a.datum = "31.12.2001";
        BescheidTexteSetzen(satz, a);
        Ergebnistext t;
        BescheidErstellen(satz, e, r, a, t);

        std::vector<std::string> erwartet, gefunden;
        for (const std::string& z : t.zeilen)
            for (const std::string& x : Betraege(Cp1252ZuUtf8(z))) erwartet.push_back(x);
        for (const Baustein& b : Gliedern(t))
            for (const std::string& c : b.zellen) {
                EXPECT_EQ(c.find("---"), std::string::npos) << c;
                EXPECT_EQ(c.find(" . ."), std::string::npos) << c;
                for (const std::string& x : Betraege(c)) gefunden.push_back(x);
            }
        EXPECT_EQ(gefunden, erwartet) << "Fall " << fall;
    }
}
