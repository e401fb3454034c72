#include "shell/einstellungen.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace quarnel;
namespace fs = std::filesystem;

namespace {

struct TempVerzeichnis {
    fs::path pfad;
    TempVerzeichnis() {
        pfad = fs::temp_directory_path() /
               ("quarnel_einst_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::remove_all(pfad);
        fs::create_directories(pfad);
    }
    ~TempVerzeichnis() { fs::remove_all(pfad); }
    std::string Datei() const { return (pfad / "Quar01.ini").string(); }
};

std::string Lesen(const std::string& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// The file a first run leaves behind: every key, in order, with the defaults
// and the first-run form shifts.
const char* const ErststartDatei =
    "[Start]\nTips=1\nLfdTip=0\nSchriftzugFenster=1\nHinterBild=1\nHintergrund=$0000FFFFFF\n"
    "AuswahlFenster=$0000808080\nInsert=1\nLfdBerechnung=1\nDeltaFontSizeTab=0\n"
    "ArtLaufschrift=0\nEingangsFenster=1\nNavigatorFullExpand=0\nInternetBrowser=0\n"
    "[Form]\nlinks=0\noben=0\nweite=0\nscreenweite=0\n"
    "[Ergebnis]\nImFenster=1\nSpeichernAnsi=1\nSpeichernUtf8=0\nErgebAmtlBesch=1\n"
    "[Druck]\nLinksRand=1,5\nObenRand=2\nUntenRand=0\n"
    "[Font]\nFontName=Courier New\nFontSize=10\nfett=0\nitalic=0\nUnderline=0\n"
    "[FormFont]\nFontName=Arial\nFontSize=11\nfett=1\nitalic=0\nUnderline=0\n"
    "[Viewer]\nFontName=Courier New\nFontSize=10\nfett=0\nitalic=0\nunderline=0\n"
    "Wastebereich=0\n"
    "[FormDrk]\nFormDuplex=0\nFormUnterlegte=1\nFormMitVoranzeige=0\nAlleRechts=0\nAlleUnten=0\n"
    "0101=9\n0102=2\n0201=7\n0202=7\n0301=17\n0302=7\n0401=8\n0402=7\n0501=18\n0502=3\n"
    "0601=7\n0602=8\n0701=18\n0702=0\n0801=8\n0802=6\n0901=18\n0902=3\n1001=8\n1002=7\n"
    "1101=17\n1102=1\n1201=8\n1202=12\n1301=18\n1302=4\n1401=7\n1402=17\n1501=17\n1502=4\n"
    "1601=7\n1602=9\n1701=17\n1702=2\n1801=8\n1802=8\n1901=15\n1902=4\n2001=6\n2002=8\n"
    "FormSkalierung=95\n"
    "[App1]\nLetztDatenPfad=\nSicherungen=5\n";

}  // namespace

TEST(Einstellungen, Erster_Start_schreibt_alle_Schluessel_in_Reihenfolge) {
    TempVerzeichnis t;
    bool vorhanden = true;
    Einstellungen e = EinstellungenLesen(t.Datei(), &vorhanden);
    EXPECT_FALSE(vorhanden);
    EXPECT_EQ(e.formSkalierung, 95);
    ASSERT_TRUE(EinstellungenSchreiben(t.Datei(), e));
    EXPECT_EQ(Lesen(t.Datei()), ErststartDatei);

    // Read back and written again: the same bytes, the same record.
    Einstellungen wieder = EinstellungenLesen(t.Datei(), &vorhanden);
    EXPECT_TRUE(vorhanden);
    EXPECT_EQ(wieder, e);
    ASSERT_TRUE(EinstellungenSchreiben(t.Datei(), wieder));
    EXPECT_EQ(Lesen(t.Datei()), ErststartDatei);
}

TEST(Einstellungen, Jeder_Wert_uebersteht_den_Rundweg) {
    TempVerzeichnis t;
    Einstellungen e;
    e.tips = false;
    e.lfdTip = 5;
    e.schriftzugFenster = false;
    e.hinterBild = false;
    e.hintergrund = 0x00C0FFEE;
    e.auswahlFenster = 0x00123456;
    e.insert = false;
    e.lfdBerechnung = false;
    e.deltaFontSizeTab = -2;
    e.artLaufschrift = 1;
    e.eingangsFenster = false;
    e.navigatorFullExpand = true;
    e.internetBrowser = true;
    e.links = 12, e.oben = 34, e.weite = 1000, e.screenweite = 1280;
    e.imFenster = false, e.speichernAnsi = false, e.ergebAmtlBesch = false;
    e.linksRand = 0.75, e.obenRand = 2.5, e.untenRand = 1.25;
    e.druckSchrift = {"Liberation Mono", 9, true, true, true};
    e.formSchrift = {"Liberation Sans", 12, false, true, false};
    e.viewerSchrift = {"DejaVu Sans Mono", 11, true, false, true};
    e.wastebereich = true;
    e.formDuplex = true, e.formUnterlegte = false, e.formMitVoranzeige = true;
    e.alleRechts = -3, e.alleUnten = 4;
    for (int k = 0; k < 20; ++k) e.formVerschiebung[k] = {k - 5, 2 * k};
    e.formSkalierung = 87;
    e.letztDatenPfad = "/home/müller/Steuer 2001/";
    ASSERT_TRUE(EinstellungenSchreiben(t.Datei(), e));
    const std::string erst = Lesen(t.Datei());
    EXPECT_NE(erst.find("Hintergrund=$0000C0FFEE\n"), std::string::npos);
    EXPECT_NE(erst.find("LinksRand=0,75\n"), std::string::npos);
    EXPECT_EQ(erst.find("Hintergrund="), erst.rfind("Hintergrund="));  // one line only
    EXPECT_EQ(EinstellungenLesen(t.Datei()), e);
    ASSERT_TRUE(EinstellungenSchreiben(t.Datei(), EinstellungenLesen(t.Datei())));
    EXPECT_EQ(Lesen(t.Datei()), erst);
}

TEST(Einstellungen, Vorhandene_Datei_ohne_FormDrk_gibt_Vorgaben_nicht_Erststartwerte) {
    IniDatei ini = IniDatei::AusText("[Start]\nTips=0\n");
    Einstellungen e = EinstellungenAusIni(ini);
    EXPECT_FALSE(e.tips);
    EXPECT_TRUE(e.eingangsFenster);
    EXPECT_EQ(e.formSkalierung, 100);
    for (const auto& v : e.formVerschiebung) {
        EXPECT_EQ(v.rechts, 0);
        EXPECT_EQ(v.unten, 0);
    }
}

TEST(Einstellungen, Fremde_Zeilen_bleiben_und_Werte_werden_ersetzt) {
    TempVerzeichnis t;
    {
        std::ofstream f(t.Datei(), std::ios::binary);
        f << "; von Hand\r\n[Start]\r\nTips=0\r\nEigenes=ja\r\n[Druck]\r\nLinksRand=1.75\r\n";
    }
    Einstellungen e = EinstellungenLesen(t.Datei());
    EXPECT_DOUBLE_EQ(e.linksRand, 1.75);  // a decimal point is read too
    EXPECT_EQ(e.formSkalierung, 100);
    e.tips = true;
    ASSERT_TRUE(EinstellungenSchreiben(t.Datei(), e));
    const std::string s = Lesen(t.Datei());
    EXPECT_EQ(s.rfind("; von Hand\r\n[Start]\r\nTips=1\r\nEigenes=ja\r\nLfdTip=0\r\n", 0), 0u);
    EXPECT_NE(s.find("LinksRand=1,75\r\n"), std::string::npos);
}

TEST(Einstellungen, Texte_werden_auf_ihre_Laenge_begrenzt) {
    const std::string vierzig(40, 'x');
    IniDatei ini = IniDatei::AusText("[Font]\nFontName=" + vierzig +
                                     "\n[Viewer]\nFontName=" + std::string(28, 'a') + "äöü\n");
    Einstellungen e = EinstellungenAusIni(ini);
    EXPECT_EQ(e.druckSchrift.name, std::string(30, 'x'));
    EXPECT_EQ(e.viewerSchrift.name, std::string(28, 'a') + "äö");  // characters, not bytes
    e.formSchrift.name = vierzig;
    IniDatei aus;
    EinstellungenInIni(e, aus);
    EXPECT_EQ(*aus.Wert("FormFont", "FontName"), std::string(30, 'x'));
}

TEST(Einstellungen, Unbrauchbare_Werte_geben_die_Vorgabe) {
    IniDatei ini = IniDatei::AusText(
        "[Start]\nHintergrund=weiss\nLfdTip=99999999999\n[Druck]\nObenRand=zwei\n");
    Einstellungen e = EinstellungenAusIni(ini);
    EXPECT_EQ(e.hintergrund, 0x00FFFFFFu);
    EXPECT_EQ(e.lfdTip, 0);
    EXPECT_DOUBLE_EQ(e.obenRand, 2.0);
    EXPECT_EQ(FarbeZuText(0x00808080), "$0000808080");
}
