#include "shell/kommandozeile.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace quarnel;

TEST(Kommandozeile, Buchstaben_ueberall_in_den_ersten_drei_Parametern) {
    auto s = KommandozeileAuswerten({});
    EXPECT_FALSE(s.testmodus || s.autoOeffnen || s.ohneSplash);

    s = KommandozeileAuswerten({"Test"});  // a capital T anywhere counts
    EXPECT_TRUE(s.testmodus);
    EXPECT_FALSE(s.autoOeffnen);

    s = KommandozeileAuswerten({"t", "f", "s-"});  // case-sensitive
    EXPECT_FALSE(s.testmodus || s.autoOeffnen || s.ohneSplash);

    s = KommandozeileAuswerten({"S", "-"});  // joined before searching
    EXPECT_TRUE(s.ohneSplash);

    s = KommandozeileAuswerten({"x", "y", "z", "TF S-"});  // the fourth is not looked at
    EXPECT_FALSE(s.testmodus || s.autoOeffnen || s.ohneSplash);

    s = KommandozeileAuswerten({"H", "F"});
    EXPECT_TRUE(s.autoOeffnen);
    EXPECT_FALSE(s.testmodus);
}

// A file manager passes the case file as a path: it is the file to open, and
// its capitals are no letters (a path with "T" or "F" switched on test mode
// or opened Neu.S01 instead).
TEST(Kommandozeile, Datei_ist_kein_Buchstabe) {
    auto s = KommandozeileAuswerten({"/home/Tom/Steuer/Fall 2001.S01"});
    EXPECT_EQ(s.datei, "/home/Tom/Steuer/Fall 2001.S01");
    EXPECT_FALSE(s.testmodus || s.autoOeffnen || s.ohneSplash);

    // Letters beside the file still count; only the first file is taken.
    s = KommandozeileAuswerten({"S-", "/a/Erster.S01", "T", "/b/Zweiter.S01"});
    EXPECT_EQ(s.datei, "/a/Erster.S01");
    EXPECT_TRUE(s.ohneSplash);
    EXPECT_TRUE(s.testmodus);

    // A name with a point but no directory is made absolute and normal.
    s = KommandozeileAuswerten({"./unter/../Fall.S00"});
    EXPECT_EQ(s.datei, (std::filesystem::current_path() / "Fall.S00").string());
    s = KommandozeileAuswerten({"Fall.S01"});
    EXPECT_EQ(s.datei, (std::filesystem::current_path() / "Fall.S01").string());
    EXPECT_FALSE(s.autoOeffnen);

    // Without a slash or point a parameter is letters: "F" still opens Neu.S01.
    s = KommandozeileAuswerten({"F"});
    EXPECT_TRUE(s.datei.empty());
    EXPECT_TRUE(s.autoOeffnen);
}
