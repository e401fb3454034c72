#include "case/zeichensatz.h"

#include <gtest/gtest.h>

using namespace quarnel;

TEST(Zeichensatz, Umlaute_und_Sonderzeichen_hin_und_zurueck) {
    const std::string utf8 = "Ä Ö Ü ä ö ü ß € § „Zitat“ – Ende";
    std::string cp = Utf8ZuCp1252(utf8);
    EXPECT_EQ(cp.size(), std::string("A O U a o u s E S ,Zitat\" - Ende").size());
    EXPECT_EQ(static_cast<unsigned char>(cp[0]), 0xC4);
    EXPECT_EQ(static_cast<unsigned char>(cp[14]), 0x80);  // euro sign
    EXPECT_EQ(Cp1252ZuUtf8(cp), utf8);
}

TEST(Zeichensatz, Unbekanntes_wird_Fragezeichen) {
    EXPECT_EQ(Utf8ZuCp1252("a\xE2\x82"), "a?");        // cut-off sequence
    EXPECT_EQ(Utf8ZuCp1252("\xFF" "b"), "?b");          // invalid lead byte
    EXPECT_EQ(Utf8ZuCp1252("\xE4\xB8\xAD"), "?");       // CJK has no Windows-1252 byte
    EXPECT_EQ(Cp1252ZuUtf8("\x81"), "\xC2\x81");        // undefined byte stays its code point
}
