#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "calc/betrag.h"
#include "print/bericht.h"
#include "print/formular.h"
#include "print/formularwerte.h"
#include "testpfade.h"

using namespace quarnel;

namespace {

// Both spouses' capital income as the capital-income list leaves it: the
// per-line sums and the totals it fills, with the record slots of the
// without-deduction totals holding stale numbers the list never writes.
CaseRecord Kapitalfall(bool gemeinsam) {
    CaseRecord r;
    r.SetzeBool(Feld::Splitting, gemeinsam);
    r.SetzeBool(Feld::Grundtabelle, !gemeinsam);
    r.SetzeText(Feld::Steuernummer, "25/123/45678");
    r.SetzeText(Feld::StpflName, "Mustermann");
    r.SetzeText(Feld::StpflVorname, "Thomas");
    r.SetzeText(Feld::EhegName, "Altname");
    r.SetzeText(Feld::EhegVorname, "Sabine");
    // Interest lines Z4 (row 1), Z7 (row 4), Z10 (row 7), Z14 (row 11).
    r.SetzeDbl(Feld::ZinsZeileEr, 1200, 1);
    r.SetzeDbl(Feld::ZinsZeileEr, 50, 11);
    r.SetzeDbl(Feld::ZinsZeileSie, 8765, 1);
    r.SetzeDbl(Feld::ZinsZeileOhneStAb, 300, 1);
    r.SetzeDbl(Feld::ZinsZeileOhneStAb, 150, 4);
    r.SetzeDbl(Feld::ZinsZeileKapErtSt, 12.5, 7);
    r.SetzeDbl(Feld::ZinsZeileZinsAb, 360, 1);
    r.SetzeDbl(Feld::ZinsenEr, 1250);
    r.SetzeDbl(Feld::ZinsenSie, 8765);
    r.SetzeDbl(Feld::ZinsenKapErtSt, 12.5);
    r.SetzeDbl(Feld::ZinsenZinsAb, 360);
    r.SetzeDbl(Feld::ZinsenOhneStAb, 9999);
    // Dividends with the imputation method Z18, Z19.
    r.SetzeDbl(Feld::DivZeileEr, 2000, 1);
    r.SetzeDbl(Feld::DivZeileEr, 500, 2);
    r.SetzeDbl(Feld::DivZeileSie, 7531, 2);
    r.SetzeDbl(Feld::DivZeileOhneStAb, 100, 1);
    r.SetzeDbl(Feld::DivZeileOhneStAb, 40, 2);
    r.SetzeDbl(Feld::DivZeileAnrechSt, 857.14, 1);
    r.SetzeDbl(Feld::AnrechEr, 2500);
    r.SetzeDbl(Feld::AnrechSie, 7531);
    r.SetzeDbl(Feld::AnrechKoeptSt, 857.14);
    r.SetzeDbl(Feld::AnrechOhneStAb, 8888);
    r.SetzeDbl(Feld::AnrechVKoeptSt, 321.43);
    // Half-income dividends Z24..Z26.
    r.SetzeDbl(Feld::HalbZeileEr, 3000, 1);
    r.SetzeDbl(Feld::HalbZeileSie, 6420, 3);
    r.SetzeDbl(Feld::HalbZeileOhneStAb, 200, 1);
    r.SetzeDbl(Feld::HalbZeileOhneStAb, 10, 2);
    r.SetzeDbl(Feld::HalbZeileOhneStAb, 5, 3);
    r.SetzeDbl(Feld::HalbZeileKapErtSt, 600, 1);
    r.SetzeDbl(Feld::HalbEinkEr, 3000);
    r.SetzeDbl(Feld::HalbEinkSie, 6420);
    r.SetzeDbl(Feld::HalbEinkKapErtSt, 600);
    r.SetzeDbl(Feld::HalbEinkOhneStAb, 7777);
    // Page 2: foreign lines, participations, credits, expenses.
    r.SetzeDbl(Feld::AuslInvEr, 400);
    r.SetzeDbl(Feld::AuslDivSie, 6190);
    r.SetzeDbl(Feld::AuslZeileOhneStAb, 70, 2);
    r.SetzeDbl(Feld::AuslZinsAnZinsAb, 21.5);
    r.SetzeText(Feld::BeteilName1, "Immo KG   ");
    r.SetzeDbl(Feld::BeteilZ3Er, 1500);
    r.SetzeDbl(Feld::BeteilZ7Sie, 6250);
    r.SetzeDbl(Feld::AnrechSolidar, 33.03);
    r.SetzeDbl(Feld::WKZ1Er, 51);
    r.SetzeDbl(Feld::WKZ7Sie, 6033);
    r.SetzeDbl(Feld::WKZ2geseinh, 20);
    return r;
}

std::string Wert(int blatt, const CaseRecord& r, int feld, int instanz = 1, int index = 0) {
    Definitionszeile z;
    z.feld = feld;
    z.n = 10;
    z.d = 2;
    z.code = 'U';
    z.index = index;
    Feldanfrage a;
    a.zeile = &z;
    a.instanz = instanz;
    return TextGetrimmt(WertroutineFuer(blatt)(r, a).text);
}

struct Erwartung {
    int blatt, feld;
    const char* text;
    int instanz = 1;
    int index = 0;
};

// All texts of the sheets as printed with the installed definition files.
std::string Gedruckt(const CaseRecord& r, std::vector<int> blaetter) {
    struct Masse : Textmass {
        double Breite(const Druckschrift&, std::string_view t) const override { return 2.0 * t.size(); }
        double Zeilenhoehe(const Druckschrift&) const override { return 5; }
        double Oberlaenge(const Druckschrift&) const override { return 4; }
    } m;
    Einstellungen e;
    Bericht b;
    Berichtschreiber w(m, b);
    Formularumgebung u;
    u.fall = &r;
    u.einst = &e;
    u.formVerzeichnis = std::string(QUARNEL_DATA_DIR) + "/form/";
    FormularblaetterSetzen(w, u, blaetter, false);
    std::string t;
    for (const auto& s : b.seiten)
        for (const auto& el : s.elemente)
            if (el.art == Berichtselement::Art::Text) t += el.text + "|";
    return t;
}


// Four rented objects of a married couple, the computed block values set
// directly; object o's amounts carry o in their thousands so that a value
// read from the wrong object shows.
CaseRecord Vermietung() {
    CaseRecord r;
    r.SetzeBool(Feld::Splitting, true);
    r.SetzeText(Feld::Steuernummer, "25/123/45678");
    r.SetzeText(Feld::StpflName, "Mustermann");
    r.SetzeText(Feld::StpflVorname, "Thomas");
    r.SetzeText(Feld::EhegVorname, "Sabine");
    for (int o = 1; o <= 4; ++o) {
        const double t = 1000.0 * o;
        r.SetzeText(Feld::Objekt, "Hauptstr. " + std::to_string(o) + ", Celle   ", o);
        r.SetzeInt(Feld::AnschaffDat, TagesNummer(1990 + o, 7, 1), o);
        r.SetzeInt(Feld::FertigDat, -1, o);
        r.SetzeDbl(Feld::ObjEinnahmenSumme, t + 12000, o);
        r.SetzeDbl(Feld::ObjAnteilEr, t + 600, o);
        r.SetzeDbl(Feld::ObjAnteilSie, t + 400, o);
        r.SetzeDbl(Feld::MieteDM1, t + 1.5, o);
    }
    r.SetzeDbl(Feld::MieteDM5, 250, 1);
    r.SetzeDbl(Feld::MieteZahl2, 3, 1);
    r.SetzeDbl(Feld::MieteAndereR2, 120, 1);
    r.SetzeDbl(Feld::MieteAndereR4, 80, 1);
    r.SetzeDbl(Feld::MieteGarage, 960, 1);
    r.SetzeDbl(Feld::EigZuschuss, 500, 1);
    r.SetzeDbl(Feld::EigZuschussMinus, 700, 1);
    r.SetzeText(Feld::AnteilArt6, "Celle, FA Celle, 17/200/300", 1);
    r.SetzeDbl(Feld::AnteilEr8, 55, 1);
    r.SetzeDbl(Feld::AnteilSie1, 66, 1);
    // Page 2 of object 1.
    r.SetzeBool(Feld::P7Deg, true, 1);
    r.SetzeDbl(Feld::P7degProz, 5, 1);
    r.SetzeBool(Feld::WieVor6, true, 1);
    r.SetzeBool(Feld::WieBlatt3, true, 1);
    r.SetzeDbl(Feld::AfaGes1, 4000, 1);
    r.SetzeDbl(Feld::AfaDm1, 400, 1);
    r.SetzeDbl(Feld::AfaGes7, 300, 1);
    r.SetzeDbl(Feld::AfaProz7, 10, 1);
    r.SetzeDbl(Feld::AfaDm7, 30, 1);
    r.SetzeDbl(Feld::ZinsGes1, 5000, 1);
    r.SetzeDbl(Feld::ZinsProz1, 20, 1);
    r.SetzeDbl(Feld::ZinsAb1, 1000, 1);
    r.SetzeDbl(Feld::LfdKostGes1, 1000, 1);
    r.SetzeDbl(Feld::LfdKostDm1, 200, 1);
    r.SetzeDbl(Feld::LfdKostGes2, 1000, 1);
    r.SetzeDbl(Feld::LfdKostProz2, 10, 1);
    r.SetzeDbl(Feld::LfdKostDm2, 200, 1);
    r.SetzeDbl(Feld::LfdKostGes9, 50, 1);
    r.SetzeDbl(Feld::LfdKostDm9, 80, 1);
    r.SetzeDbl(Feld::ErhGes0, 900, 1);
    r.SetzeDbl(Feld::ErhAb0, 100, 1);
    r.SetzeDbl(Feld::ErhAufwand, 6000, 1);
    r.SetzeDbl(Feld::ErhGes2, 2000, 1);
    r.SetzeDbl(Feld::ErhJahr3, 700, 1);
    r.SetzeDbl(Feld::ErhGes4, 1400, 1);
    r.SetzeDbl(Feld::ErhAb4, 400, 1);
    r.SetzeDbl(Feld::ObjWerbKostSumme, 9876.54, 1);
    r.SetzeDbl(Feld::ZuschussSie, 77, 1);
    return r;
}

}  // namespace

TEST(AnlageKap, ErwartungstabelleBeiderSeiten) {
    const CaseRecord r = Kapitalfall(true);
    const Erwartung tabelle[] = {
        {41, 0, "Mustermann, Thomas"}, {41, 1, "Altname, Sabine"}, {41, 2, "25/123/45678"},
        {41, 3, "X"},
        // Interest block: a line of each column, the last line, the totals.
        {41, 11, "1200,00"}, {41, 21, "50,00"}, {41, 22, "1250,00"}, {41, 31, "8765,00"},
        {41, 42, "8765,00"}, {41, 54, "150,00"}, {41, 77, "12,50"}, {41, 82, "12,50"},
        {41, 91, "360,00"}, {41, 102, "360,00"},
        // The without-deduction totals are the sums of their lines, never the record slot.
        {41, 62, "450,00"}, {41, 133, "140,00"}, {41, 194, "215,00"},
        // Imputation block, refunded corporation tax, half-income block.
        {41, 111, "2000,00"}, {41, 113, "2500,00"}, {41, 122, "7531,00"}, {41, 123, "7531,00"},
        {41, 151, "857,14"}, {41, 153, "857,14"}, {41, 161, "321,43"}, {41, 171, "3000,00"},
        {41, 174, "3000,00"}, {41, 183, "6420,00"}, {41, 184, "6420,00"}, {41, 201, "600,00"},
        {41, 204, "600,00"},
        // Between and behind the blocks nothing.
        {41, 4, ""}, {41, 23, ""}, {41, 103, ""}, {41, 114, ""}, {41, 154, ""}, {41, 175, ""},
        {41, 205, ""}, {41, 999, ""},
        // Page 2.
        {42, 11, "400,00"}, {42, 23, "6190,00"}, {42, 32, "70,00"}, {42, 31, ""}, {42, 42, "21,50"},
        {42, 51, "Immo KG"}, {42, 52, ""}, {42, 63, "1500,00"}, {42, 77, "6250,00"},
        {42, 84, "33,03"}, {42, 91, "51,00"}, {42, 107, "6033,00"}, {42, 112, "20,00"},
        {42, 14, ""}, {42, 68, ""}, {42, 85, ""}, {42, 98, ""}, {42, 118, ""}, {42, 0, "Mustermann, Thomas"},
    };
    for (const Erwartung& e : tabelle)
        EXPECT_EQ(Wert(e.blatt, r, e.feld), e.text) << "Blatt " << e.blatt << ", Feld " << e.feld;
    // Nothing is written into the record.
    EXPECT_EQ(r.Dbl(Feld::ZinsenOhneStAb), 9999);
    const CaseRecord leer;
    EXPECT_EQ(Wert(41, leer, 62), "");
    EXPECT_EQ(Wert(41, leer, 3), "X");
}

TEST(AnlageKap, EinzelveranlagungDruecktKeineEhegattenspalte) {
    // Every spouse amount of the fixture holds a digit run no other value has.
    const std::string einzeln = Gedruckt(Kapitalfall(false), {41, 42});
    for (const char* alt : {"Sabine", "8765", "7531", "6420", "6190", "6250", "6033"})
        EXPECT_EQ(einzeln.find(alt), std::string::npos) << alt << " in " << einzeln;
    EXPECT_NE(einzeln.find("1200"), std::string::npos);
    EXPECT_NE(einzeln.find("450"), std::string::npos);
    const std::string paar = Gedruckt(Kapitalfall(true), {41, 42});
    for (const char* neu : {"Altname, Sabine", "8765", "7531", "6420", "6190", "6250", "6033"})
        EXPECT_NE(paar.find(neu), std::string::npos) << neu;
}

TEST(AnlageV, ErwartungstabelleMitVierObjekten) {
    CaseRecord r = Vermietung();
    const Erwartung tabelle[] = {
        {71, 0, "Mustermann, Thomas", 1}, {71, 3, "X", 3},
        {71, 4, "Hauptstr. 1, Celle", 1}, {71, 4, "Hauptstr. 3, Celle", 3},
        {71, 5, "01.07.1992", 2}, {71, 6, "", 2},
        // The object comes from the instance; outside 1..4 it is object 1.
        {71, 45, "16000,00", 4}, {71, 45, "13000,00", 0}, {71, 45, "13000,00", 7},
        {71, 9, "1001,50", 1}, {71, 13, "250,00", 1}, {71, 15, "3,00", 1}, {71, 25, "120,00", 1},
        {71, 30, "1251,50", 1}, {71, 31, "200,00", 1}, {71, 38, "960,00", 1},
        {71, 42, "-200,00", 1},  // a subsidy less its larger part prints negative
        {71, 51, "2600,00", 2}, {71, 52, "2400,00", 2},
        // The other objects' shares only on the first object's sheet.
        {71, 53, "10800,00", 1}, {71, 54, "10200,00", 1}, {71, 53, "", 2}, {71, 54, "", 4},
        {71, 66, "Celle, FA Celle, 17/200/300", 1}, {71, 78, "55,00", 1}, {71, 81, "66,00", 1},
        {71, 8, "", 1}, {71, 89, "", 1},
        // Page 2: the degressive cross needs its percentage.
        {72, 12, "", 1}, {72, 13, "X", 1}, {72, 14, "5,00", 1}, {72, 20, "X", 1}, {72, 15, "", 1},
        {72, 24, "X", 1},
        // Depreciation rows: 1 with an amount and no percentage, 7 with both.
        {72, 32, "4000,00", 1}, {72, 42, "X", 1}, {72, 62, "400,00", 1}, {72, 72, "3600,00", 1},
        {72, 48, "", 1}, {72, 58, "10,00", 1}, {72, 78, "270,00", 1}, {72, 36, "", 1}, {72, 76, "", 1},
        {72, 66, "", 1},
        {72, 39, "5000,00", 1}, {72, 49, "", 1}, {72, 59, "20,00", 1}, {72, 79, "4000,00", 1},
        // Total 1000, percent 0, amount 200: the cross and 800; with percent 10 no cross.
        {72, 80, "1000,00", 1}, {72, 81, "X", 1}, {72, 83, "200,00", 1}, {72, 84, "800,00", 1},
        {72, 86, "", 1}, {72, 87, "10,00", 1}, {72, 89, "800,00", 1},
        {72, 137, "50,00", 1}, {72, 147, "X", 1}, {72, 177, "-30,00", 1}, {72, 138, "", 1},
        {72, 90, "900,00", 1}, {72, 91, "100,00", 1}, {72, 92, "800,00", 1},
        {72, 101, "6000,00", 1}, {72, 102, "2000,00", 1}, {72, 103, "2000,00", 1},
        {72, 107, "2000,00", 1}, {72, 121, "700,00", 1}, {72, 124, "X", 1}, {72, 127, "1000,00", 1},
        {72, 181, "9876,54", 1}, {72, 192, "77,00", 1},
        // Whether public money was used is asked only with a depreciation of row 2.
        {72, 193, "", 1}, {72, 194, "", 1},
        // Objects 2..4 hold nothing of object 1's costs.
        {72, 84, "", 2}, {72, 181, "", 3},
    };
    for (const Erwartung& e : tabelle)
        EXPECT_EQ(Wert(e.blatt, r, e.feld, e.instanz), e.text)
            << "Blatt " << e.blatt << ", Feld " << e.feld << ", Objekt " << e.instanz;
    r.SetzeDbl(Feld::AfaGes2, 1, 1);
    EXPECT_EQ(Wert(72, r, 193), "");
    EXPECT_EQ(Wert(72, r, 194), "X");
    r.SetzeBool(Feld::MittelOeffHHCb, true, 1);
    EXPECT_EQ(Wert(72, r, 193), "X");
    EXPECT_EQ(Wert(72, r, 194), "");
}

TEST(Anlagen, JedesFeldUndJedeInstanzAufLeeremUndZufaelligemFall) {
    CaseRecord zufall;
    std::mt19937 g(41);
    for (auto& b : zufall.Bytes()) b = static_cast<uint8_t>(g());
    const CaseRecord leer;
    for (const CaseRecord* fall : {static_cast<const CaseRecord*>(&zufall), &leer})
        for (int blatt : {41, 42, 51, 52, 61, 62, 71, 72, 81, 82, 91, 92})
            for (int feld = 0; feld <= 999; ++feld)
                for (int instanz = 0; instanz <= 9; ++instanz) {
                    Definitionszeile z;
                    z.feld = feld;
                    z.n = 10;
                    z.d = 2;
                    z.index = instanz;
                    Feldanfrage a;
                    a.zeile = &z;
                    a.instanz = instanz;
                    const Feldwert w = WertroutineFuer(blatt)(*fall, a);
                    EXPECT_LE(w.text.size(), 80u) << blatt << ":" << feld << ":" << instanz;
                    EXPECT_TRUE(w.zeile2.empty());
                }
}

TEST(Anlagen, EinzelveranlagungDruecktKeinenEhegattenwert) {
    // Stale spouse values of a case now taxed by the basic table.
    CaseRecord r = Vermietung();
    r.SetzeBool(Feld::Splitting, false);
    r.SetzeBool(Feld::Grundtabelle, true);
    r.SetzeText(Feld::EhegName, "Altname");
    for (int o = 1; o <= 4; ++o) r.SetzeDbl(Feld::ObjAnteilSie, 4321, o);
    r.SetzeDbl(Feld::AnteilSie8, 4321, 1);
    r.SetzeDbl(Feld::ZuschussSie, 4321, 1);
    const std::string einzeln = Gedruckt(r, {711, 721, 712, 722});
    EXPECT_EQ(einzeln.find("4321"), std::string::npos) << einzeln;
    EXPECT_EQ(einzeln.find("Sabine"), std::string::npos) << einzeln;
    EXPECT_EQ(einzeln.find("Altname"), std::string::npos) << einzeln;
    EXPECT_NE(einzeln.find("1001|50|"), std::string::npos) << einzeln;
    r.SetzeBool(Feld::Splitting, true);
    r.SetzeBool(Feld::Grundtabelle, false);
    EXPECT_NE(Gedruckt(r, {711, 721}).find("4321"), std::string::npos);
}

namespace {

// Annuities, recurring receipts and private sales of both spouses.
CaseRecord SonstigeEinkuenfte() {
    CaseRecord r;
    r.SetzeBool(Feld::Splitting, true);
    r.SetzeText(Feld::StpflName, "Mustermann");
    r.SetzeText(Feld::StpflVorname, "Thomas");
    r.SetzeText(Feld::EhegVorname, "Sabine");
    r.SetzeText(Feld::Steuernummer, "25/123/45678");
    r.SetzeInt(Feld::Rente_Art1, 1);
    r.SetzeInt(Feld::Rente_Art2, 2);
    r.SetzeInt(Feld::Art3, 6);
    r.SetzeText(Feld::Aus1, "Riester");
    r.SetzeText(Feld::Aus2, "Versorgungswerk");
    r.SetzeText(Feld::Aus3, "   ");
    r.SetzeText(Feld::Aus4, "Pension   ");  // stored with its blanks: ten characters
    r.SetzeInt(Feld::LaeuftSeit1, TagesNummer(1995, 3, 1));
    r.SetzeInt(Feld::EndeAm1, -1);
    r.SetzeInt(Feld::EndeAm3, TagesNummer(2010, 12, 31));
    r.SetzeText(Feld::EndeMitTodVon2, "Ehemann ");
    r.SetzeDbl(Feld::Zahlung1, 18000);
    r.SetzeDbl(Feld::Zahlung4, 2400);
    r.SetzeDbl(Feld::ErtAntBek1, 27);
    r.SetzeDbl(Feld::WerbKoste1, 100);
    r.SetzeDbl(Feld::WerbKoste2, 102);
    r.SetzeDbl(Feld::WerbKoste4, 40);
    r.SetzeDbl(Feld::Nachzahlung2, 350);
    r.SetzeText(Feld::WBEinAus, "Versorgungsausgleich");
    r.SetzeDbl(Feld::WbEinAusDMStp, 5000);
    r.SetzeDbl(Feld::WbEinAusDMEhe, 6000);
    r.SetzeDbl(Feld::LeistErgSie, 256);
    r.SetzeBool(Feld::LeistBegrenzCB, true);
    r.SetzeDbl(Feld::VerlustzuwGeEr, -800);
    r.SetzeText(Feld::VGrund_Bez, "ETW Celle");
    r.SetzeInt(Feld::VGrund_KaufDat, TagesNummer(1999, 2, 1));
    r.SetzeInt(Feld::VGrund_VerkaufDat, TagesNummer(2001, 6, 30));
    r.SetzeBool(Feld::VGrund_EigWohn, true);
    r.SetzeInt(Feld::VGrund_EigWohnVon, -1);
    r.SetzeDbl(Feld::VGrund_EigWohnQm, 64);
    r.SetzeDbl(Feld::VGrund_VerkPreis1, 300000);
    r.SetzeDbl(Feld::VGrund_VerkPreis2, 100000);
    r.SetzeDbl(Feld::VWigu_EinkHT1, 1200);
    r.SetzeDbl(Feld::VWigu_Eink2, 900);
    r.SetzeDbl(Feld::VTermin_Eink2, 75);
    r.SetzeDbl(Feld::AnteileWertDavonHT2, 333);
    r.SetzeBool(Feld::VerGeschBegrenz, true);
    return r;
}

}  // namespace

TEST(AnlageSO, ErwartungstabelleBeiderSeiten) {
    const CaseRecord r = SonstigeEinkuenfte();
    const Erwartung tabelle[] = {
        {81, 200, "Mustermann, Thomas"}, {81, 201, "Mustermann, Sabine"}, {81, 203, "X"},
        // The kind crosses: the index gives the annuity line, the field the kind.
        {81, 1, "X", 1, 1}, {81, 2, "", 1, 2}, {81, 6, "X", 1, 2}, {81, 23, "X", 1, 3},
        {81, 3, "", 1, 3}, {81, 21, "", 1, 1},
        // An index outside 1..4 counts as line 1.
        {81, 1, "X", 1, 0}, {81, 42, "18000,00", 1, 7},
        // "X  " in front of a short "Aus" text, by its stored length.
        {81, 26, "X  Riester", 1, 1}, {81, 27, "Versorgungswerk", 1, 2}, {81, 28, "", 1, 3},
        {81, 29, "Pension", 1, 4},
        {81, 30, "010395", 1, 1}, {81, 38, "", 1, 1}, {81, 40, "311210", 1, 3},
        {81, 35, "Ehemann", 1, 2}, {81, 45, "2400,00", 1, 4}, {81, 46, "27,00", 1, 1},
        {81, 50, "202,00"}, {81, 52, "40,00"}, {81, 55, "350,00", 1, 2},
        {81, 60, "Versorgungsausgleich"},
        // Person pairs: the index decides, outside 1..2 the taxpayer.
        {81, 61, "5000,00", 1, 1}, {81, 62, "6000,00", 1, 2}, {81, 61, "6000,00", 1, 2},
        {81, 62, "5000,00", 1, 0}, {81, 86, "256,00", 1, 2}, {81, 85, "", 1, 1},
        {81, 87, "X"}, {81, 97, "-800,00", 1, 1},
        {81, 25, ""}, {81, 99, ""}, {81, 70, ""},
        // Page 2.
        {82, 10, "ETW Celle"}, {82, 11, "01.02.1999"}, {82, 12, "30.06.2001"}, {82, 13, "X"},
        {82, 16, "64,00"}, {82, 17, ""}, {82, 14, ""},
        {82, 21, "300000,00", 1, 1}, {82, 22, "100000,00", 1, 2}, {82, 22, "300000,00", 1, 5},
        {82, 67, "1200,00", 1, 1}, {82, 68, "", 1, 2}, {82, 78, "900,00", 1, 2},
        {82, 106, "75,00", 1, 2}, {82, 114, "333,00", 1, 2}, {82, 121, "X"},
        {82, 33, ""}, {82, 81, ""}, {82, 115, ""},
    };
    for (const Erwartung& e : tabelle)
        EXPECT_EQ(Wert(e.blatt, r, e.feld, e.instanz, e.index), e.text)
            << "Blatt " << e.blatt << ", Feld " << e.feld << ", Index " << e.index;
}

TEST(AnlageSO, EinzelveranlagungDruecktKeineEhegattenspalte) {
    CaseRecord r = SonstigeEinkuenfte();
    r.SetzeBool(Feld::Splitting, false);
    r.SetzeBool(Feld::Grundtabelle, true);
    const std::string einzeln = Gedruckt(r, {81, 82});
    for (const char* alt : {"Sabine", "|6000|", "|100000|", "|256|", "|900|", "|333|", "|75|"})
        EXPECT_EQ(einzeln.find(alt), std::string::npos) << alt << " in " << einzeln;
    EXPECT_NE(einzeln.find("|5000|"), std::string::npos) << einzeln;
    EXPECT_NE(einzeln.find("X  Riester"), std::string::npos) << einzeln;
}

namespace {

// Both spouses' businesses, a business sale of the taxpayer and the
// spouse's self-employment.
CaseRecord Gewerbe() {
    CaseRecord r;
    r.SetzeBool(Feld::Splitting, true);
    r.SetzeText(Feld::StpflName, "Mustermann");
    r.SetzeText(Feld::StpflVorname, "Thomas");
    r.SetzeText(Feld::ArtGew1, "Einzelhandel  ");
    r.SetzeDbl(Feld::GewEr1, 48000);
    r.SetzeDbl(Feld::GewSie1, 7100);
    r.SetzeDbl(Feld::GewSie5, -2500);
    r.SetzeDbl(Feld::GSE1_VG55LjEr, 100000);
    r.SetzeDbl(Feld::VG55LjHKEr, 20000);
    r.SetzeDbl(Feld::GSE1_VG55LjErmEr, 30000);
    r.SetzeDbl(Feld::GSE1_VG55LjErmHKEr, 4000);
    r.SetzeDbl(Feld::GSE1_VGoFbErmHKSie, 7300);
    r.SetzeDbl(Feld::VG17Er, 900);
    r.SetzeDbl(Feld::VG17TeilHKEr, 100);
    r.SetzeBool(Feld::AnteileUeberCb, true);
    r.SetzeDbl(Feld::TierVerGew2, 66);
    r.SetzeText(Feld::FreibArt2, "Architektin");
    r.SetzeDbl(Feld::FreibGewinnSie, 7200);
    r.SetzeDbl(Feld::GSE2_VG55LjSie, 5000);
    r.SetzeDbl(Feld::VG55LjHkSie, 7400);
    r.SetzeDbl(Feld::AufEntDM, 3600);
    r.SetzeText(Feld::AufEntRestIn, "Z. 26");
    return r;
}

}  // namespace

TEST(AnlageGSE, ErwartungstabelleBeiderSeiten) {
    const CaseRecord r = Gewerbe();
    const Erwartung tabelle[] = {
        {51, 3, "X"}, {51, 11, "Einzelhandel"},
        // The person of a pair from the index: 2 the spouse, 1 and 3 the taxpayer.
        {51, 12, "48000,00", 1, 1}, {51, 12, "7100,00", 1, 2}, {51, 12, "48000,00", 1, 3},
        {51, 13, "7100,00", 1, 2}, {51, 53, "-2500,00", 1, 2}, {51, 52, "", 1, 1},
        // The sales lines add their parts.
        {51, 101, "154000,00", 1, 1}, {51, 103, "20000,00", 1, 1}, {51, 105, "34000,00", 1, 1},
        {51, 112, "7300,00", 1, 2}, {51, 116, "7300,00", 1, 2}, {51, 118, "7300,00", 1, 2},
        {51, 114, "", 1, 2}, {51, 121, "1000,00", 1, 1}, {51, 123, "100,00", 1, 1},
        {51, 161, "X"}, {51, 131, ""}, {51, 176, "66,00"}, {51, 171, ""},
        {51, 14, ""}, {51, 99, ""}, {51, 182, ""},
        {52, 12, "Architektin"}, {52, 14, "7200,00", 1, 2}, {52, 13, "", 1, 1},
        {52, 92, "12400,00", 1, 2}, {52, 94, "7400,00", 1, 2}, {52, 132, "3600,00"},
        {52, 134, "Z. 26"}, {52, 15, ""}, {52, 135, ""},
    };
    for (const Erwartung& e : tabelle)
        EXPECT_EQ(Wert(e.blatt, r, e.feld, e.instanz, e.index), e.text)
            << "Blatt " << e.blatt << ", Feld " << e.feld << ", Index " << e.index;
}

TEST(AnlageGSE, EinzelveranlagungDruecktKeineEhegattenspalte) {
    CaseRecord r = Gewerbe();
    r.SetzeBool(Feld::Grundtabelle, true);
    r.SetzeBool(Feld::Splitting, false);
    const std::string einzeln = Gedruckt(r, {51, 52});
    for (const char* alt : {"|7100|", "-2500", "|7300|", "|7200|", "|12400|", "|7400|"})
        EXPECT_EQ(einzeln.find(alt), std::string::npos) << alt << " in " << einzeln;
    EXPECT_NE(einzeln.find("|48000|"), std::string::npos) << einzeln;
}

TEST(AnlageSt, BetraegeInIhrerReihenfolge) {
    CaseRecord r;
    r.SetzeText(Feld::Finanzamt, "Celle");
    r.SetzeDbl(Feld::P7_GebLin, 1100);
    r.SetzeDbl(Feld::P7_VuVDeg, 1600);
    r.SetzeDbl(Feld::P7h, 2100);
    r.SetzeDbl(Feld::P7i, 2200);
    r.SetzeDbl(Feld::P7g1, 3100);
    r.SetzeDbl(Feld::P82, 4000);
    r.SetzeDbl(Feld::P6aRStell, 5100);
    r.SetzeDbl(Feld::P6aInsges, 5300);
    r.SetzeDbl(Feld::P4c, 9100);
    r.SetzeDbl(Feld::P4d4, 9600);
    r.SetzeDbl(Feld::P4a5, 9900);
    const Erwartung tabelle[] = {
        {91, 1, "Celle"}, {91, 3, "X"}, {91, 11, "1100,00"}, {91, 16, "1600,00"},
        {91, 21, "2100,00"}, {91, 22, "2200,00"}, {91, 31, "3100,00"}, {91, 40, "4000,00"},
        {91, 51, "5100,00"}, {91, 53, "5300,00"}, {91, 17, ""}, {91, 41, ""}, {91, 54, ""},
        {92, 1, "9100,00"}, {92, 6, "9600,00"}, {92, 9, "9900,00"}, {92, 0, ""}, {92, 10, ""},
    };
    for (const Erwartung& e : tabelle)
        EXPECT_EQ(Wert(e.blatt, r, e.feld), e.text) << "Blatt " << e.blatt << ", Feld " << e.feld;
}

TEST(AnlageFW, ErwartungstabelleUndProzentvergleiche) {
    CaseRecord r;
    r.SetzeText(Feld::Lage, "Celle, Am Hang 4 ");
    r.SetzeBool(Feld::EFHCB, true);
    r.SetzeInt(Feld::Kaufvertrag, TagesNummer(1995, 4, 12));
    r.SetzeInt(Feld::Bauantrag, -1);
    // no completion, acquisition or first-use date: the law's date conditions refuse nothing
    for (Feld f : {Feld::Baubeginn, Feld::Fertig, Feld::Anschaffung, Feld::SelbstNutzung})
        r.SetzeInt(f, -1);
    r.SetzeDbl(Feld::Wohnqm, 120);
    r.SetzeDbl(Feld::AnschGB, 80001);
    r.SetzeDbl(Feld::NachAnschGB, 3000);
    r.SetzeDbl(Feld::AnschGeb, 300000);
    r.SetzeDbl(Feld::NachAnschGeb, 20000);
    r.SetzeDbl(Feld::AbzugVorjahr, 19800);
    r.SetzeDbl(Feld::Schuld, 12000);
    r.SetzeDbl(Feld::Damnum, 1000);
    r.SetzeDbl(Feld::Erhalt, 500);
    r.SetzeInt(Feld::ZahlKinder, 2);
    const Erwartung tabelle[] = {
        {61, 3, "X"}, {61, 4, "Celle, Am Hang 4"}, {61, 11, "X"}, {61, 12, ""},
        {61, 20, "12.04.1995"}, {61, 21, ""}, {61, 29, "120,00"}, {61, 8, ""},
        {62, 1, "X"}, {62, 2, "19800,00"}, {62, 3, ""}, {62, 5, "40001,00"}, {62, 9, "1500,00"},
        // the halves of the land costs as the page computation rounds them, up to the DM
        {62, 12, "41501,00"}, {62, 13, "320000,00"}, {62, 14, "361501,00"},
        {62, 74, "13000,00"}, {62, 77, "500,00"}, {62, 78, "13500,00"}, {62, 90, "2,00"},
        {62, 7, ""}, {62, 94, ""},
    };
    for (const Erwartung& e : tabelle)
        EXPECT_EQ(Wert(e.blatt, r, e.feld), e.text) << "Blatt " << e.blatt << ", Feld " << e.feld;

    // The deduction rate: 6, 5 or a rate between them, with a tolerance, never two at once.
    struct Satz {
        double prozent;
        const char *sechs, *fuenf, *dazwischen;
    };
    for (const Satz& s : {Satz{6, "X", "", ""}, Satz{5.99999, "X", "", ""}, Satz{5.00001, "", "X", ""},
                          Satz{5.5, "", "", "5,50"}, Satz{4, "", "", ""}, Satz{0, "", "", ""}}) {
        r.SetzeDbl(Feld::AbzugProz, s.prozent);
        EXPECT_EQ(Wert(62, r, 23), s.sechs) << s.prozent;
        EXPECT_EQ(Wert(62, r, 24), s.fuenf) << s.prozent;
        EXPECT_EQ(Wert(62, r, 25), s.dazwischen) << s.prozent;
    }
    // Co-ownership: above 99.9999 sole ownership, else the share and its cross.
    struct Anteil {
        double prozent;
        const char *allein, *mit, *satz;
    };
    for (const Anteil& m : {Anteil{100, "X", "", ""}, Anteil{99.99995, "X", "", ""},
                            Anteil{50, "", "X", "50,00"}, Anteil{0, "", "X", ""}}) {
        r.SetzeDbl(Feld::MitEigentumProz, m.prozent);
        EXPECT_EQ(Wert(62, r, 81), m.allein) << m.prozent;
        EXPECT_EQ(Wert(62, r, 82), m.mit) << m.prozent;
        EXPECT_EQ(Wert(62, r, 83), m.satz) << m.prozent;
    }
}
