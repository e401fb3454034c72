// The result text as a file: the three encodings a user can choose.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "results/textdatei.h"

using namespace quarnel;

TEST(Textdatei, Ansi_und_UTF8_mit_CR_LF) {
    const ResultLines zeilen = {"Gr\xFC\xDF" "e", "", "\x80 10,00"};  // cp1252
    EXPECT_EQ(ErgebnisAlsText(zeilen, Textkodierung::Ansi),
              "Gr\xFC\xDF" "e\r\n\r\n\x80 10,00\r\n");
    EXPECT_EQ(ErgebnisAlsText(zeilen, Textkodierung::Utf8),
              "Gr\xC3\xBC\xC3\x9F" "e\r\n\r\n\xE2\x82\xAC 10,00\r\n");
    // DOS keeps the byte count, one byte a character.
    EXPECT_EQ(ErgebnisAlsText(zeilen, Textkodierung::Dos).size(),
              ErgebnisAlsText(zeilen, Textkodierung::Ansi).size());

    const std::string pfad =
        (std::filesystem::temp_directory_path() / "quarnel_textdatei_utf8.txt").string();
    ASSERT_EQ(ErgebnisSpeichern(pfad, zeilen, Textkodierung::Utf8), TextdateiFehler::Keiner);
    std::ifstream f(pfad, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    EXPECT_EQ(s.str(), ErgebnisAlsText(zeilen, Textkodierung::Utf8));
    std::filesystem::remove(pfad);
}
