// The HTML check report: rows, counters, summary, error marks, a faulty
// catalogue, and the all-pages report of a new case.
#include "results/pruefbericht.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "case/bereiche.h"
#include "case/feldkatalog.h"
#include "case/zeichensatz.h"
#include "pruefhilfe.h"
#include "testhilfe.h"
#include "testpfade.h"

using namespace quarnel;

namespace {

const std::string F = "<FONT FACE=\"Arial,Helvetica\" size=\"2\">";
const std::string OK = "<TR><TD BGCOLOR=\"#80FF80\">" + F +
                       "<b>OK</b></FONT></TD><TD width=\"80%\">" + F +
                       "Keine Anmerkungen</FONT></TD></TR>";

Pruefkatalog Katalog() {
    return PruefkatalogLesen(
        ";001 4\nGeburtsdatum fehlt.\n"
        ";003 4\nReligion fehlt,\n  bitte waehlen.\n"
        ";005 4\nBundesland fehlt.\n"
        ";012 1\nTelefon?\n"
        ";013 2\nBeruf?\n"
        ";311 3\nBehinderung unvollstaendig.\n"
        ";999\n");
}

std::string Text(const Pruefbericht& b) { return Cp1252ZuUtf8(PruefberichtText(b)); }

int Anzahl(const std::vector<std::string>& zeilen, const std::string& z) {
    return static_cast<int>(std::count(zeilen.begin(), zeilen.end(), z));
}

Pruefauftrag Aktuell(int bereich, int seite) {
    Pruefauftrag a;
    a.nurAktuell = true;
    a.bereich = bereich;
    a.seite = seite;
    return a;
}

}  // namespace

TEST(Pruefbericht, Aktuelle_Seite_Zeilen_und_Zusammenfassung) {
    CaseRecord r = test::NeuerSatz();
    Befundtabelle t;
    t.Setzen(11, {1, 0, 3, 12, 5});
    const Pruefbericht b = PruefberichtErstellen(r, t, Katalog(), Aktuell(1, 1));
    ASSERT_GE(b.zeilen.size(), 5u);
    EXPECT_EQ(b.zeilen[1], Utf8ZuCp1252("<h1>Prüfung - Aktuelles Register</h1>"));
    // three errors and one tip, each count right-aligned in five places
    EXPECT_EQ(b.zeilen[2], F + "Ergebnis: &nbsp;    3 Fehler&nbsp;&nbsp;&nbsp;&nbsp;    0 "
                               "Warnungen&nbsp;&nbsp;&nbsp;&nbsp;    0 Hinweise&nbsp;&nbsp;"
                               "&nbsp;&nbsp;    1 Tip</FONT><p>");
    EXPECT_EQ(b.zeilen[3], "<TABLE width=\"100%\" CELLPADDING=5 cellspacing=5>");
    EXPECT_EQ(b.zeilen[4], "<TR><TD>&nbsp;</TD></TR>");
    EXPECT_EQ(b.zeilen[5], "<TR><TD BGCOLOR=#cccccc colspan=2>" + F +
                               "<b>Allgemeine Angaben</b><br>");
    EXPECT_EQ(b.zeilen[6], "<b>Steuerpflichtiger bzw. Ehegatte</b></FONT></TD></TR>");
    // a text of two lines: the second as a line of its own after one blank
    const auto religion = std::find(b.zeilen.begin(), b.zeilen.end(),
                                    "<TR><TD width=\"15%\" BGCOLOR=#FF7979>" + F +
                                        "<b>Fehler</b></FONT></TD><TD>" + F + "Religion fehlt,");
    ASSERT_NE(religion, b.zeilen.end());
    EXPECT_EQ(*(religion + 1), " bitte waehlen.");
    EXPECT_EQ(*(religion + 2), "</FONT></TD></TR>");
    EXPECT_EQ(*(religion + 3), "<TR><TD>&nbsp;</TD></TR>");
    EXPECT_EQ(Anzahl(b.zeilen, OK), 0);
    EXPECT_EQ(b.zeilen[b.zeilen.size() - 2],
              "<TR><TD colspan=2 BGCOLOR=#cccccc>" + F + "<b>ENDE</b></FONT></TD></TR>");
    EXPECT_EQ(b.zeilen.back(), "</TABLE></body></html>");
    EXPECT_NE(b.zeilen[0].find("<meta charset=\"windows-1252\">"), std::string::npos);
    EXPECT_TRUE(b.katalogfehler.empty());
    ASSERT_EQ(b.befunde.size(), 4u);
    EXPECT_EQ(b.befunde[1].text, "Religion fehlt, bitte waehlen.");
    EXPECT_EQ(b.befunde[3].stufe, 4);
}

TEST(Pruefbericht, Fehlermarke_setzen_loeschen_und_Unterseite) {
    CaseRecord r = test::NeuerSatz();
    Befundtabelle mitFehler, ohne;
    mitFehler.Setzen(11, {1, 13});
    ohne.Setzen(11, {0, 13});  // a note only: no error
    ohne.Setzen(301, {0});
    mitFehler.Setzen(301, {311});

    PruefberichtErstellen(r, mitFehler, Katalog(), Aktuell(1, 1));
    EXPECT_TRUE(SeitenmerkerTest(r, SM_Pruefung, 1, 1));
    // a check of all pages leaves the marks as they are
    PruefberichtErstellen(r, ohne, Katalog(), Pruefauftrag{});
    EXPECT_TRUE(SeitenmerkerTest(r, SM_Pruefung, 1, 1));
    // the disability page opened from the personal data: its clean check
    // never clears the caller's mark
    Pruefauftrag unter = Aktuell(1, 1);
    unter.unterseite = Unterseite::BehinderungVonPersonen;
    unter.behinderungAufruf = 1;
    const Pruefbericht b = PruefberichtErstellen(r, ohne, Katalog(), unter);
    EXPECT_TRUE(SeitenmerkerTest(r, SM_Pruefung, 1, 1));
    EXPECT_EQ(Anzahl(b.zeilen, OK), 0);  // subordinate pages get no OK row
    EXPECT_NE(Text(b).find("<b>Steuerpflichtiger bzw. Ehegatte</b>"), std::string::npos);
    // corrected: the next check of the page itself clears it; page 0 counts as 1
    PruefberichtErstellen(r, ohne, Katalog(), Aktuell(1, 0));
    EXPECT_FALSE(SeitenmerkerTest(r, SM_Pruefung, 1, 1));
    // a warning on the subordinate page sets no error mark on its caller
    PruefberichtErstellen(r, mitFehler, Katalog(), unter);
    EXPECT_FALSE(SeitenmerkerTest(r, SM_Pruefung, 1, 1));
}

TEST(Pruefbericht, Seitenkennung_der_Unterseiten) {
    Pruefauftrag a = Aktuell(2, 3);
    EXPECT_EQ(AktuelleSeitenkennung(a), 23);
    a.unterseite = Unterseite::BehinderungVonKindern;
    EXPECT_EQ(AktuelleSeitenkennung(a), 405);
    a.unterseite = Unterseite::Ausbildung;
    EXPECT_EQ(AktuelleSeitenkennung(a), 503);
    a.unterseite = Unterseite::BehinderungVonPersonen;
    a.behinderungAufruf = 2;
    EXPECT_EQ(AktuelleSeitenkennung(a), 302);
    a.behinderungAufruf = 5;  // child 3 from the burdens page
    EXPECT_EQ(AktuelleSeitenkennung(a), 405);
    a.behinderungAufruf = 0;
    EXPECT_EQ(AktuelleSeitenkennung(a), 301);
}

TEST(Pruefbericht, Stiller_Lauf_ohne_Abschluss) {
    CaseRecord r = test::NeuerSatz();
    Befundtabelle t;
    t.Setzen(12, {0});
    Pruefauftrag a = Aktuell(1, 2);
    a.mitAbschluss = false;
    const Pruefbericht b = PruefberichtErstellen(r, t, Katalog(), a);
    EXPECT_EQ(b.zeilen.back(), OK);  // page without rules: heading and OK row
    EXPECT_EQ(Text(b).find("ENDE"), std::string::npos);
    EXPECT_EQ(Text(b).find("Ergebnis"), std::string::npos);
}

TEST(Pruefbericht, Fehlerhafter_Katalog_verliert_keinen_Befund) {
    CaseRecord r = test::NeuerSatz();
    Befundtabelle t;
    t.Setzen(11, {1, 2, 3});
    t.Setzen(12, {0});
    const Pruefkatalog kaputt = PruefkatalogLesen(";001 7\nStufe falsch\n;002 4\nText\n;003 4\nabgeschnitten");
    for (const Pruefkatalog& k : {kaputt, PruefkatalogLaden("/nicht/da.prf")}) {
        const Pruefbericht b = PruefberichtErstellen(r, t, k, Pruefauftrag{});
        const std::string html = Text(b);
        EXPECT_EQ(b.befunde.size(), 3u);
        EXPECT_EQ(b.befunde[0].text, "(kein Text)");
        EXPECT_EQ(b.befunde[2].text, "(kein Text)");
        EXPECT_NE(html.find("<b>Nr. 3</b></FONT></TD><TD>" + F + "(kein Text)\r\n</FONT></TD></TR>"),
                  std::string::npos);
        EXPECT_EQ(b.fehler, k.vorhanden ? 1 : 0);  // unusable entries count nowhere
        // the catalogue's fault is named once, before the end row
        EXPECT_FALSE(b.katalogfehler.empty());
        const auto stelle = html.find("Quar01.prf");
        EXPECT_NE(stelle, std::string::npos);
        EXPECT_EQ(html.find("Quar01.prf", stelle + 1), std::string::npos);
        EXPECT_LT(stelle, html.find("<b>ENDE</b>"));
        // every row opened is closed
        auto zaehle = [&](const std::string& s) {
            int n = 0;
            for (auto p = html.find(s); p != std::string::npos; p = html.find(s, p + 1)) ++n;
            return n;
        };
        EXPECT_EQ(zaehle("<TR>"), zaehle("</TR>"));
        EXPECT_EQ(zaehle("<TD"), zaehle("</TD>"));
    }
    EXPECT_NE(PruefberichtErstellen(r, t, kaputt, Pruefauftrag{}).katalogfehler.find("Befund 1: ungültige Stufe"),
              std::string::npos);
}

// A new case checked over all pages, with the shipped catalogue: derived by
// hand from the pages a new case marks as in use (all but the spouse's cards
// and income-related expenses), the findings of its empty personal data and
// the missing tax-advice costs.
TEST(Pruefbericht, Alle_Register_eines_neuen_Falls) {
    CaseRecord r = test::NeuerSatz();
    const Pruefkatalog k =
        PruefkatalogLaden(std::string(QUARNEL_DATA_DIR) + "/form/" + PruefkatalogName);
    const CaseRecord vorher = r;
    const Pruefbericht b = PruefungAusfuehren(r, k, Pruefauftrag{});

    std::vector<std::pair<int, int>> befunde;
    for (const Befundzeile& z : b.befunde) befunde.emplace_back(z.seitenkennung, z.nummer);
    EXPECT_EQ(befunde, (std::vector<std::pair<int, int>>{{11, 1}, {11, 3}, {11, 10}, {11, 11},
                                                         {11, 12}, {11, 13}, {11, 5}, {11, 15},
                                                         {11, 16}, {11, 17}, {124, 286}}));
    EXPECT_EQ(b.fehler, 6);
    EXPECT_EQ(b.warnungen, 1);
    EXPECT_EQ(b.hinweise, 2);
    EXPECT_EQ(b.tips, 2);
    EXPECT_TRUE(b.katalogfehler.empty());

    const std::vector<int> seiten = {
        11,  12,  21,  22,  23,  24,  25,  26,  31,  32,  41,  42,  43,  44,  45,  46, 47,
        48,  61,  71,  72,  73,  74,  81,  91,  101, 111, 112, 113, 114, 121, 122, 123, 124,
        125, 126, 127, 131, 132, 133, 134, 135, 136, 141, 142, 143, 144, 145, 151, 161};
    std::vector<std::string> koepfe;
    for (int s : seiten)
        koepfe.push_back("<b>" + Utf8ZuCp1252(SeitenName(s / 10, s % 10)) +
                         "</b></FONT></TD></TR>");
    std::vector<std::string> gefunden;
    for (const std::string& z : b.zeilen)
        if (z.rfind("<b>", 0) == 0 && z.find("</FONT></TD></TR>") != std::string::npos)
            gefunden.push_back(z);
    EXPECT_EQ(gefunden, koepfe);
    EXPECT_EQ(Anzahl(b.zeilen, OK), static_cast<int>(seiten.size()) - 2);
    // the check of all pages changes no page mark
    for (int bereich = 1; bereich <= AnzahlBereiche; ++bereich)
        for (int seite = 0; seite <= 15; ++seite)
            EXPECT_EQ(SeitenmerkerTest(r, SM_Pruefung, bereich, seite),
                      SeitenmerkerTest(vorher, SM_Pruefung, bereich, seite));
}

TEST(Pruefbericht, Speichern_als_Zeilen) {
    test::TempVerzeichnis dir;
    Pruefbericht b;
    b.zeilen = {"<html>", "\xe4"};
    ASSERT_TRUE(PruefberichtSpeichern(b, dir / "HTM1.htm"));
    std::ifstream f(dir / "HTM1.htm", std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    EXPECT_EQ(s.str(), "<html>\r\n\xe4\r\n");
    EXPECT_FALSE(PruefberichtSpeichern(b, dir / "fehlt/HTM1.htm"));
}

TEST(Pruefbericht, Betrag_jenseits_jedes_Falls_wird_mit_Feld_genannt) {
    CaseRecord r = test::NeuerSatz();
    const Pruefkatalog k =
        PruefkatalogLaden(std::string(QUARNEL_DATA_DIR) + "/form/" + PruefkatalogName);
    r.SetzeDbl(Feld::KiGeld1, 5e12);                          // the quick calculation
    r.SetzeDbl(Feld::KiGeld1, -2e12);
    r.SetzeDbl(Feld::KiGeld2, 1e12);                          // just still a real amount
    r.SetzeDbl(Feld::ObjEinnahmenSumme, 1, 3);                // not an entry field
    for (const FeldDef& d : Feldkatalog())
        if (std::string(d.seite) == "TF_Kind" && d.typ == FeldTyp::Double &&
            d.art == FeldArt::Eingabe && d.anzahl == 6) {
            r.SetzeDbl(*FeldNachId(d.id), std::nan(""), 3);  // child 3: its own page
            break;
        }
    const Pruefbericht b = PruefungAusfuehren(r, k, Pruefauftrag{});
    std::vector<std::pair<int, std::string>> gefunden;
    for (const Befundzeile& z : b.befunde)
        if (z.nummer == 600) gefunden.emplace_back(z.seitenkennung, Cp1252ZuUtf8(z.text));
    ASSERT_EQ(gefunden.size(), 2u);
    EXPECT_EQ(gefunden[0].first, 23);
    EXPECT_NE(gefunden[0].second.find("[3])“: keine Zahl"), std::string::npos) << gefunden[0].second;
    EXPECT_EQ(gefunden[1].first, 172);
    EXPECT_NE(gefunden[1].second.find("Feld „Ki.-geld (KiGeld1)“: -2.000.000.000.000 DM"),
              std::string::npos)
        << gefunden[1].second;
    EXPECT_NE(gefunden[1].second.find("mit 0 DM angesetzt"), std::string::npos);
    EXPECT_EQ(b.befunde.back().stufe, 4);
    EXPECT_TRUE(b.katalogfehler.empty());
    // The report names it too, and under the page it belongs to.
    const std::string text = Text(b);
    EXPECT_NE(text.find("<br>Feld „Ki.-geld (KiGeld1)“"), std::string::npos);
    EXPECT_NE(text.find("<b>" + std::string(SeitenName(17, 2))), std::string::npos);
}
