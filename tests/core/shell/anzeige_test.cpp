#include "shell/anzeige.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "shell/verzeichnisse.h"

using namespace quarnel;

TEST(Anzeige, Saldo_und_Betrag) {
    EXPECT_EQ(SaldoText(1234.5).text, "- 1.234,50 DM");
    EXPECT_TRUE(SaldoText(1234.5).rot);
    EXPECT_EQ(SaldoText(-987654.321).text, "+ 987.654,32 DM");
    EXPECT_FALSE(SaldoText(-1).rot);
    EXPECT_EQ(SaldoText(0).text, "+ 0,00 DM");
    EXPECT_EQ(BetragDM(1234567.895), "1.234.567,90 DM");
    EXPECT_EQ(BetragDM(-0.004), "0,00 DM");
    EXPECT_EQ(BetragDM(999.999), "1.000,00 DM");
}

TEST(Anzeige, Nummern_der_Panels_und_Seiten) {
    EXPECT_EQ(FeldNummerText(1203), "#F1203");
    EXPECT_EQ(FeldNummerText(7), "#F0007");
    EXPECT_EQ(SeitenHilfeNummer(1, 1), 11);
    EXPECT_EQ(SeitenHilfeNummer(2, 4), 21);
    EXPECT_EQ(SeitenHilfeNummer(7, 3), 71);
    EXPECT_EQ(SeitenHilfeNummer(5, 3), 43);
    EXPECT_EQ(SeitenHilfeNummer(11, 1), 111);
    EXPECT_EQ(SeitenHilfeNummer(11, 3), 112);
    EXPECT_EQ(SeitenHilfeNummer(12, 7), 127);
    EXPECT_EQ(DreiStellen(43), "043");
    EXPECT_EQ(FormularblattFuer(3, 2), 311);
    EXPECT_EQ(FormularblattFuer(3, 3), 312);
    EXPECT_EQ(FormularblattFuer(7, 4), 714);
    EXPECT_EQ(FormularblattFuer(14, 5), 62);
    EXPECT_EQ(FormularblattFuer(14, 4), 61);
    EXPECT_EQ(FormularblattFuer(17, 2), 11);
}

TEST(Anzeige, Hilfedateien) {
    EXPECT_EQ(HilfeDatei("/d/htmlhelp/", "std\\seite0"), "/d/htmlhelp/std/seite0.htm");
    EXPECT_EQ(HilfeDatei("/d/htmlhelp", "std\\index0.htm"), "/d/htmlhelp/std/index0.htm");
    EXPECT_EQ(HilfeDatei("/h/", "handbuch\\2001\\Index.HTML"), "/h/handbuch/2001/Index.HTML");
}

TEST(Anzeige, Laufschrift_und_Tips) {
    EXPECT_EQ(FensterTitel(), "Quarnel 2001/2002  - ");
    EXPECT_EQ(LaufschriftSchritt("Ärger"), "rgerÄ");  // a whole character moves
    std::string t = FensterTitel();
    for (std::size_t i = 0; i < t.size(); ++i) t = LaufschriftSchritt(t);
    EXPECT_EQ(t, FensterTitel());

    EXPECT_EQ(AnzahlTips(), 8);
    for (int i = 0; i < AnzahlTips(); ++i) EXPECT_FALSE(Tip(i).empty());
    EXPECT_EQ(NaechsterTip(0).index, 0);
    EXPECT_EQ(NaechsterTip(0).naechsterLfdTip, 1);
    EXPECT_EQ(NaechsterTip(7).naechsterLfdTip, 8);
    // Past the last tip, and any value a hand-edited file may hold, start over.
    for (int lfd : {8, 100, -3}) {
        EXPECT_EQ(NaechsterTip(lfd).index, 0);
        EXPECT_EQ(NaechsterTip(lfd).naechsterLfdTip, 1);
    }
}

TEST(Anzeige, Fenstermasse) {
    Fenstermasse f = FenstermasseZumSpeichern({-5, -1, 2000}, 1280);
    EXPECT_EQ(f.links, 1);
    EXPECT_EQ(f.oben, 1);
    EXPECT_EQ(f.weite, 1279);
    f = FenstermasseZumSpeichern({10, 20, 800}, 1280);
    EXPECT_EQ(f.weite, 800);
    EXPECT_EQ(f.links, 10);

    f = StartGeometrie(1280, {10, 20, 900}, 1280, 1024, 700);
    EXPECT_EQ(f.links, 10);
    EXPECT_EQ(f.weite, 900);
    f = StartGeometrie(1024, {10, 20, 900}, 1280, 1024, 700);  // another screen: centred
    EXPECT_EQ(f.weite, 1152);
    EXPECT_EQ(f.links, 64);
    EXPECT_EQ(f.oben, 162);
}

TEST(Verzeichnisse, Testmodus_nur_mit_vorhandenem_Entwicklungsverzeichnis) {
    namespace fs = std::filesystem;
    const fs::path dev = fs::temp_directory_path() / "quarnel_dev_test";
    fs::create_directories(dev);
    VerzeichnisQuellen q;
    q.installiert = "/opt/quarnel/daten";
    q.entwicklung = dev.string();
    q.home = "/home/anna";
    Verzeichnisse v = VerzeichnisseBestimmen(q, true);
    EXPECT_EQ(v.programm, dev.string() + "/");
    EXPECT_EQ(v.hilfe, dev.string() + "/htmlhelp/");
    EXPECT_EQ(v.formular, dev.string() + "/form/");
    EXPECT_EQ(v.EinstellungsDatei(), "/home/anna/.config/quarnel/Quar01.ini");
    EXPECT_EQ(VerzeichnisseBestimmen(q, false).programm, "/opt/quarnel/daten/");

    q.entwicklung = (dev / "gibt_es_nicht").string();
    EXPECT_EQ(VerzeichnisseBestimmen(q, true).programm, "/opt/quarnel/daten/");

    q.datenUmgebung = "/tmp/daten";
    q.xdgConfigHome = "/x/conf";
    v = VerzeichnisseBestimmen(q, true);
    EXPECT_EQ(v.programm, "/tmp/daten/");
    EXPECT_EQ(v.einstellungen, "/x/conf/quarnel/");
    q.xdgConfigHome = "relativ";  // not absolute: ignored
    EXPECT_EQ(VerzeichnisseBestimmen(q, false).einstellungen, "/home/anna/.config/quarnel/");
    fs::remove_all(dev);
}

// Installed data beside the program file win over the build tree's data, so a
// copied or moved installation uses its own; from the build tree (nothing
// installed beside it) the checkout's data are taken.
TEST(Verzeichnisse, Installiert_neben_dem_Programm_vor_dem_Bauverzeichnis) {
    namespace fs = std::filesystem;
    const fs::path w = fs::temp_directory_path() / "quarnel_inst_test";
    fs::remove_all(w);
    fs::create_directories(w / "prefix/bin");
    fs::create_directories(w / "checkout/data");
    VerzeichnisQuellen q;
    q.home = "/home/anna";
    q.installiert = DatenNebenProgramm((w / "prefix/bin/quarnel").string(), "../share/quarnel");
    EXPECT_EQ(q.installiert, (w / "prefix/share/quarnel").string());
    q.bauBaum = (w / "checkout/data").string();
    q.entwicklung = q.bauBaum;
    EXPECT_EQ(VerzeichnisseBestimmen(q, false).programm, q.bauBaum + "/");  // build tree

    fs::create_directories(w / "prefix/share/quarnel");
    Verzeichnisse v = VerzeichnisseBestimmen(q, false);
    EXPECT_EQ(v.programm, q.installiert + "/");
    EXPECT_FALSE(InstallationVollstaendig(v));
    fs::create_directories(w / "prefix/share/quarnel/form");
    fs::create_directories(w / "prefix/share/quarnel/htmlhelp/std");
    std::ofstream(v.formular + "Quar01.prf") << "x";
    EXPECT_FALSE(InstallationVollstaendig(v));
    std::ofstream(v.hilfe + "std/seite0.htm") << "x";
    EXPECT_TRUE(InstallationVollstaendig(v));

    EXPECT_EQ(VerzeichnisseBestimmen(q, true).programm, q.bauBaum + "/");  // test mode
    q.datenUmgebung = "/tmp/daten";
    EXPECT_EQ(VerzeichnisseBestimmen(q, false).programm, "/tmp/daten/");  // always wins

    // Neither present: the installed place is named, where the missing data are reported.
    q.datenUmgebung.clear();
    fs::remove_all(w);
    EXPECT_EQ(VerzeichnisseBestimmen(q, false).programm, q.installiert + "/");
    EXPECT_EQ(DatenNebenProgramm("", "../share/quarnel"), "");
}
