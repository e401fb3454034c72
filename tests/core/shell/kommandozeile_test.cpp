#include "shell/kommandozeile.h"

#include <gtest/gtest.h>

using namespace quarnel;

TEST(Kommandozeile, Buchstaben_ueberall_in_den_ersten_drei_Parametern) {
    auto s = KommandozeileAuswerten({});
    EXPECT_FALSE(s.testmodus || s.autoOeffnen || s.ohneSplash);

    s = KommandozeileAuswerten({"/home/user/Test"});  // a capital T in a path counts
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
