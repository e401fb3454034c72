#include "calc/betrag.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

using namespace quarnel;

TEST(Betrag, Volle_DM_nach_Centrundung) {
    EXPECT_EQ(AufrundenDM(1234.01), 1235);
    EXPECT_EQ(AufrundenDM(1234.004), 1234);
    EXPECT_EQ(AufrundenDM(0.004), 0);
    EXPECT_EQ(AufrundenDM(0.005), 1);
    EXPECT_EQ(AufrundenDM(-5.50), -5);  // up means toward plus infinity, losses too
    EXPECT_EQ(AufrundenDM(-5.004), -5);
    EXPECT_EQ(AbrundenDM(1234.99), 1234);
    EXPECT_EQ(AbrundenDM(1234.996), 1235);
    EXPECT_EQ(AbrundenDM(-5.50), -5);
    EXPECT_EQ(AbrundenDM(2.675 * 100), 267);  // 267.49999999999997 is 267.50
    EXPECT_EQ(AufrundenDM(150.0 / 1150 * 200), 27);
}

TEST(Betrag, Cent_und_Abschneiden_dezimal) {
    EXPECT_DOUBLE_EQ(RundenCent(12.3450), 12.35);
    EXPECT_DOUBLE_EQ(RundenCent(12.3449), 12.34);
    EXPECT_DOUBLE_EQ(RundenCent(-0.005), -0.01);
    EXPECT_DOUBLE_EQ(RundenCent(2.675), 2.68);
    EXPECT_DOUBLE_EQ(RundenCent(1.005), 1.01);
    EXPECT_DOUBLE_EQ(RundenCent(12.34495), 12.35);  // four decimals first
    EXPECT_DOUBLE_EQ(RundenCent(99999999.995), 100000000.0);
    EXPECT_DOUBLE_EQ(AbschneidenStellen(2, 1.15), 1.15);
    EXPECT_DOUBLE_EQ(AbschneidenStellen(2, 0.29), 0.29);
    EXPECT_DOUBLE_EQ(AbschneidenStellen(3, -2.71828), -2.718);
    EXPECT_DOUBLE_EQ(AbschneidenStellen(0, -7.9), -7);
    EXPECT_DOUBLE_EQ(AbschneidenStellen(6, 1.0 / 3), 0.333333);
    EXPECT_DOUBLE_EQ(DMinEuro(1000), 511.29);
    EXPECT_DOUBLE_EQ(DMinEuro(1.95583), 1.0);
    EXPECT_DOUBLE_EQ(DMinEuro(-1000), -511.29);
    EXPECT_EQ(Int(-2.9), -2);
}

TEST(Betrag, Minimum_Maximum_Quotient) {
    EXPECT_EQ(Quotient(0, 5), 0);
    EXPECT_EQ(Quotient(4, 2), 0.5);  // divisor first
    EXPECT_EQ(MinWert(3, 2), 2);
    EXPECT_EQ(MaxWert(3, 2), 3);
    EXPECT_EQ(NichtNegativ(-0.5), 0);
}

TEST(Betrag, Masken_Standardfaelle) {
    EXPECT_EQ(FormatMaske("#######,##", 1234.5), "   1234,50");
    EXPECT_EQ(FormatMaske("#######,##", -12.5), "    -12,50");
    EXPECT_EQ(FormatMaske("#######,##", -1234567.5), "*******,**");
    EXPECT_EQ(FormatMaske("#######,##", 1234567.5), "1234567,50");
    EXPECT_EQ(FormatMaske("#######,##", 0), "      0,00");
    EXPECT_EQ(FormatMaske("#######,##", -0.001), "      0,00");  // no "-0,00"
    EXPECT_EQ(FormatMaske("##,## %", 48.5), "48,50 %");
    EXPECT_EQ(FormatMaske("##,## %", 100), "**,** %");
    EXPECT_EQ(FormatMaske("@#.", 7), "07.");
    EXPECT_EQ(FormatMaske("####", 2001), "2001");
    EXPECT_EQ(FormatMaske("DM", 12), "DM");
    EXPECT_EQ(FormatMaske("", 12), "");
    EXPECT_EQ(FormatMaske("  #######,## EUR", 511.29), "      511,29 EUR");
    EXPECT_EQ(FormatMaske("## Monate", 12), "12 Monate");
}

TEST(Betrag, Masken_runden_Haelften_dezimal_weg_von_null) {
    EXPECT_EQ(FormatMaske("#,##", 0.125), "0,13");
    EXPECT_EQ(FormatMaske("#,##", 2.675), "2,68");
    EXPECT_EQ(FormatMaske("#", 2.5), "3");
    EXPECT_EQ(FormatMaske("##", -2.5), "-3");
    EXPECT_EQ(FormatMaske("#,##", 9.995), "*,**");  // 10,00 needs one place more
    EXPECT_EQ(ZahlZuGanzzahl(2.5), 3);
    EXPECT_EQ(ZahlZuGanzzahl(-2.5), -3);
    EXPECT_EQ(ZahlZuGanzzahl(32768), 0);
}

TEST(Betrag, Masken_Gruppen_Vorzeichen_Fuellzeichen) {
    EXPECT_EQ(FormatMaske("#.###.###,## DM", 1234567.89), "1.234.567,89 DM");
    EXPECT_EQ(FormatMaske("#.###.###,## DM", 123.4), "      123,40 DM");
    EXPECT_EQ(FormatMaske("#.###.###,## DM", 1234.5), "    1.234,50 DM");
    EXPECT_EQ(FormatMaske("#.###.###,## DM", -123.4), "     -123,40 DM");
    EXPECT_EQ(FormatMaske("#.###.###,## DM", -1234.5), "   -1.234,50 DM");
    EXPECT_EQ(FormatMaske("+####,##", -12.5), "-  12,50");
    EXPECT_EQ(FormatMaske("####,##-", 12.5), "  12,50 ");
    EXPECT_EQ(FormatMaske("####,##-", -12.5), "  12,50-");
    EXPECT_EQ(FormatMaske("####,##-", -123456), "****,**-");
    EXPECT_EQ(FormatMaske("*****,**", 12.5), "***12,50");
    EXPECT_EQ(FormatMaske("*****,**", -12.5), "-**12,50");
    EXPECT_EQ(FormatMaske("*.***,**", -12.5), "-**12,50");
    EXPECT_EQ(FormatMaske("$###", 12), "  12");
    EXPECT_EQ(FormatMaske("$###", 1234), "****");  // the extra position is missing
}

TEST(Betrag, Texte) {
    EXPECT_EQ(ZeichenKette('x', 200).size(), 80u);
    EXPECT_EQ(ZeichenKette('x', -3), "");
    EXPECT_EQ(Striche(3), "---");
    EXPECT_EQ(RechtsAuffuellen("ab", '.', 5), "ab...");
    EXPECT_EQ(RechtsAuffuellen("abcdef", '.', 5), "abcdef");
    EXPECT_EQ(GanzzahlText(-42), "-42");
    EXPECT_DOUBLE_EQ(TextZuZahl("  12.5"), 12.5);
    EXPECT_DOUBLE_EQ(TextZuZahl("-3.25xyz"), -3.25);
    EXPECT_DOUBLE_EQ(TextZuZahl("12,5"), 12);
    EXPECT_DOUBLE_EQ(TextZuZahl("1.5e3"), 1500);
    EXPECT_DOUBLE_EQ(TextZuZahl("1e"), 1);
    EXPECT_DOUBLE_EQ(TextZuZahl("123456789012345"), 123456789012.0);  // first 12 only
    EXPECT_EQ(TextZuZahl(""), 0);
    EXPECT_EQ(TextZuZahl("-"), 0);
    EXPECT_EQ(TextZuGanzzahl("017"), 17);
    EXPECT_EQ(TextZuGanzzahl(" 17 "), 17);
    EXPECT_EQ(TextZuGanzzahl("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(TextZuGanzzahl("99999999999"), 999999999);  // stops before the overflow
    EXPECT_EQ(AnsiZuOem("\xDF\xE4\xF6\xFC\xC4\xD6\xDC\xA7\xA6\xAD"
                        "a\xE9"),
              "\xE1\x84\x94\x81\x8E\x99\x9A\x15\xB3\xC4"
              "a\xE9");
    EXPECT_EQ(DruckerportDeutsch("HP on LPT1: on x"), "HP an LPT1: on x");
}

TEST(Betrag, Tagesnummern_und_Datumstext) {
    EXPECT_EQ(TagesNummer(1600, 1, 1), 0);
    EXPECT_EQ(TagesNummer(2001, 1, 1), ErsterTagSteuerjahr);
    EXPECT_EQ(TagesNummer(2001, 12, 31), LetzterTagSteuerjahr);
    EXPECT_EQ(TagesNummer(2000, 3, 1) - TagesNummer(2000, 2, 28), 2);
    EXPECT_EQ(TagesNummer(1900, 3, 1) - TagesNummer(1900, 2, 28), 1);
    EXPECT_EQ(TagesNummer(2001, 2, 29), KeinDatum);
    EXPECT_EQ(TagesNummer(2001, 13, 1), KeinDatum);
    EXPECT_EQ(TagesNummer(1599, 12, 31), KeinDatum);
    for (int32_t d : {0, 59, 60, 146462, ErsterTagSteuerjahr, 146521, 2000000}) {
        EXPECT_EQ(TagesNummer(JahrVon(d), MonatVon(d), TagVon(d)), d);
    }
    EXPECT_EQ(JahrVon(KeinDatum), 0);
    EXPECT_EQ(MonatVon(KeinDatum), 0);
    EXPECT_EQ(TagVon(KeinDatum), 0);
    EXPECT_EQ(DatumText(TagesNummer(2001, 3, 7)), "07.03.2001");
    EXPECT_EQ(DatumText(KeinDatum), "  .  .    ");
    DatumTeile t = DatumZerlegen("07.03.2001");
    EXPECT_EQ(t.tag * 10000 + t.monat * 100 + t.jahr % 100, 70301);
    t = DatumZerlegen(" 7. 3.");
    EXPECT_EQ(t.tag * 10000 + t.monat * 100 + t.jahr, 70300);
}

TEST(Betrag, Monate_und_Abstaende) {
    const int32_t jan5 = TagesNummer(2001, 1, 5), jan20 = TagesNummer(2001, 1, 20);
    EXPECT_EQ(MonateZwischen(jan5, jan20), 1);
    EXPECT_EQ(MonateZwischen(TagesNummer(2000, 12, 31), TagesNummer(2001, 1, 1)), 2);
    EXPECT_EQ(MonateZwischen(ErsterTagSteuerjahr, LetzterTagSteuerjahr), 12);
    EXPECT_EQ(MonateZwischen(TagesNummer(2001, 2, 28), TagesNummer(2001, 3, 1)), 2);
    EXPECT_EQ(MonateZwischen(TagesNummer(1901, 1, 31), TagesNummer(2001, 12, 1)), 1212);
    EXPECT_EQ(MonateZwischen(jan20, jan5), 0);
    EXPECT_EQ(MonateZwischen(KeinDatum, jan5), 0);

    Abstand a = AbstandZerlegen(jan5, jan5);
    EXPECT_EQ(a.tage * 10000 + a.monate * 100 + a.jahre, 10100);
    a = AbstandZerlegen(TagesNummer(1950, 6, 15), TagesNummer(2001, 6, 15));
    EXPECT_EQ(a.jahre, 51);
    a = AbstandZerlegen(jan20, jan5);
    EXPECT_EQ(a.tage + a.monate + a.jahre, 0);
    a = AbstandZerlegen(KeinDatum, jan5);
    EXPECT_EQ(a.tage + a.monate + a.jahre, 0);
}

TEST(Betrag, Schnelle_Rundung_gleicht_der_Ziffernrundung) {
    std::vector<double> werte = {0,      0.004,     0.005,       -0.005,   1234.005,   0.125,
                                 2.675,  -5.5,      -5.50001,    1234.004, 12.345,     12.34495,
                                 99.995, 1e7 + 0.5, 9999999.995, -0.0,     1e14 + 0.25};
    uint64_t z = 12345;
    for (int i = 0; i < 20000; ++i) {
        z = z * 6364136223846793005ULL + 1442695040888963407ULL;
        const int stellen = static_cast<int>((z >> 60) % 7);
        const double ganz =
            static_cast<double>((z >> 20) % 100000000) / 1000.0 * ((z & 1) ? -1 : 1);
        werte.push_back(std::round(ganz * std::pow(10, stellen)) / std::pow(10, stellen) +
                        ((z >> 8) % 3 == 0 ? 0.005 : 0));
    }
    for (double x : werte) {
        ASSERT_EQ(AbrundenDM(x), dezimal::AbrundenDM(x)) << x;
        ASSERT_EQ(AufrundenDM(x), dezimal::AufrundenDM(x)) << x;
        ASSERT_EQ(RundenCent(x), dezimal::RundenCent(x)) << x;
    }
}
