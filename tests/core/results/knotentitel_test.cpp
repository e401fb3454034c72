// The names a reader sees in the explanation: an entry by its page field's
// caption with the person and the page, a parameter by its row, a result by
// the notice or its rule, each person's result with the person's column.
#include "results/knotentitel.h"

#include <gtest/gtest.h>

#include "calc/erklaerung.h"
#include "results/wieberechnet.h"

using namespace quarnel;

TEST(KnotenTitel, Blaetter_und_Ergebnisse) {
    struct Fall {
        Herkunft herkunft;
        const char* name;
        const char* quelle;  // inputs: the catalogue field
        const char* titel;   // the whole name, or its beginning where it ends in "…"
    };
    const Fall faelle[] = {
        {Herkunft::Eingabe, "LStEr", "LstEr",
         "Lohnsteuer – Stpfl./Ehemann (Anrechnungsbeträge, Gezahlte Steuern)"},
        // the wife's field captioned by its column: the row's caption beside the taxpayer's
        {Herkunft::Eingabe, "LStSie", "LstSie",
         "Lohnsteuer – Ehefrau (Anrechnungsbeträge, Gezahlte Steuern)"},
        // a sum kept elsewhere, shown in a page field of its own
        {Herkunft::Eingabe, "KStAnrechIn", "SummeAnrechKoerpSt",
         "Körperschaftsteuer (Anrechnungsbeträge, Gezahlte Steuern)"},
        {Herkunft::Eingabe, "KindSaetze[1].KinderFb", "KindKiFbJahr",
         "Kinderfreibetrag für das Jahr – 2. Kind (…"},
        // the children are ordered by birth: the element names the child
        {Herkunft::Eingabe, "KindSaetze[6].KinderFb", "KindKiFbJahr[2]",
         "Kinderfreibetrag für das Jahr – 2. Kind (…"},
        // a row of the quick page: its number
        {Herkunft::Eingabe, "KindSaetze[7].BetreuungsFb", "MoBetrFb3",
         "mit Betr.-Fb. – 3. Kind (…"},
        {Herkunft::Eingabe, "LohnEr", "Brutto", "3. Bruttoarbeitslohn – Stpfl./Ehemann (…"},
        {Herkunft::Eingabe, "WhatIfDelta[6]", "Was-wäre-wenn: BruttoEr", "Was-wäre-wenn: …"},
        {Herkunft::Parameter, "ParamArbnPausch", "", "Arbeitnehmer-Pauschbetrag"},
        {Herkunft::Parameter, "ParamVersFbMax", "", "Höchster Versorgungs-Freibetrag"},
        {Herkunft::Ergebnis, "SummeEk", "", "Summe der Einkünfte"},
        {Herkunft::Ergebnis, "ArbLohnSie", "", "Arbeitslohn – Ehefrau"},
        {Herkunft::Ergebnis, "Einkunftsart2Er", "",
         "Einkünfte aus Kapitalvermögen – Stpfl./Ehemann"},
        {Herkunft::Ergebnis, "SpendenA", "",
         "Spenden für kirchliche, religiöse und gemeinnützige Zwecke"},
        {Herkunft::Ergebnis, "KiStFestSie", "", "Kirchensteuer – Ehefrau"},
        {Herkunft::Ergebnis, "Kirchgeld", "", "Kirchgeld in glaubensverschiedener Ehe"},
    };
    for (const Fall& f : faelle) {
        Wertangabe w{f.name, 0, 1, f.herkunft, f.quelle};
        const std::string titel = KnotenTitel(f.name, nullptr, w);
        std::string_view soll = f.titel;
        if (soll.ends_with("…")) {
            soll.remove_suffix(std::string_view("…").size());
            EXPECT_TRUE(titel.starts_with(soll)) << f.name << ": " << titel;
        } else {
            EXPECT_EQ(titel, soll) << f.name;
        }
    }
    // a step names its result by the rule it followed, unless that rule only
    // stands in for a value that does not count
    Rechenschritt pausch{RegelFuer("WkNsaPausch"), "WkNsaEr", 2000, 0, 1, {}};
    EXPECT_EQ(KnotenTitel("WkNsaEr", &pausch, {}), "Arbeitnehmer-Pauschbetrag – Stpfl./Ehemann");
    Rechenschritt einzeln{RegelFuer("EhegatteEinzeln"), "ArbLohnSie", 0, 0, 1, {}};
    EXPECT_EQ(KnotenTitel("ArbLohnSie", &einzeln, {}), "Arbeitslohn – Ehefrau");
    EXPECT_EQ(ParameterParagraph("ParamSoliSatz"), "§ 4 Satz 1 SolZG");
}

// The church-tax lines of the notice (as it prints them, dot leaders and
// all) open the Kirchgeld, the comparison and the Kappung, named as there.
TEST(KnotenTitel, Kirchgeldzeilen_des_Bescheids) {
    struct Zeile {
        const char* text;
        const char* ergebnis;
    };
    const Zeile zeilen[] = {
        {"Kirchgeld zu erheben. Das Kirchgeld beträgt", "Kirchgeld"},
        {"steuer ergibt dann einschl. Kirchgeld . . . .", "KirchgeldVergleich"},
        {"so ist folgende Kirchensteuer anzusetzen  . .", "KiStKappung"},
        {"Dies ergibt einschließlich Kirchgeld  . . . .", "KiStKappungMitKirchgeld"},
    };
    for (const Zeile& z : zeilen) {
        EXPECT_EQ(ErgebnisDerBeschriftung(z.text), z.ergebnis) << z.text;
        EXPECT_FALSE(BescheidTitel(z.ergebnis).empty()) << z.ergebnis;
    }
}
