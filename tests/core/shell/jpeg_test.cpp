// The JPEG loader of the help pages: its pixels, and nothing for broken data.
#include "shell/jpeg.h"

#include <gtest/gtest.h>

#include <fstream>

#include "testpfade.h"

namespace quarnel {
namespace {

std::string Bild(const char* name) {
    return std::string(QUARNEL_TEST_CASES_DIR) + "/bilder/" + name;
}

std::vector<uint8_t> Bytes(const char* name) {
    std::ifstream f(Bild(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

// The test pictures have four quarters: red-ish top left, blue-ish top right,
// and so on; the pixel near each corner must carry that colour.
void QuartierePruefen(const RgbBild& b, bool grau) {
    auto px = [&](int x, int y, int k) { return b.pixel[3 * (y * b.breite + x) + k]; };
    const int x0 = 1, x1 = b.breite - 2, y0 = 1, y1 = b.hoehe - 2;
    if (grau) {
        EXPECT_NEAR(px(x0, y0, 0), (220 + 40 + 230) / 3, 8);
        EXPECT_EQ(px(x0, y0, 0), px(x0, y0, 2));
        return;
    }
    EXPECT_NEAR(px(x0, y0, 0), 220, 12);  // top left
    EXPECT_NEAR(px(x0, y0, 1), 40, 12);
    EXPECT_NEAR(px(x1, y0, 0), 20, 12);  // top right
    EXPECT_NEAR(px(x1, y0, 2), 30, 12);
    EXPECT_NEAR(px(x1, y1, 1), 200, 12);  // bottom right
    EXPECT_NEAR(px(x1, y1, 2), 230, 12);
}

TEST(Jpeg, BaselineProgressivGrauCmyk) {
    auto rgb = JpegLaden(Bild("rgb.jpg"));
    ASSERT_TRUE(rgb);
    EXPECT_EQ(rgb->breite, 32);
    EXPECT_EQ(rgb->hoehe, 24);
    ASSERT_EQ(rgb->pixel.size(), 32u * 24 * 3);
    QuartierePruefen(*rgb, false);
    auto prog = JpegLaden(Bild("progressiv.jpg"));
    ASSERT_TRUE(prog);
    EXPECT_EQ(prog->breite, 40);
    QuartierePruefen(*prog, false);
    auto grau = JpegLaden(Bild("grau.jpg"));
    ASSERT_TRUE(grau);
    QuartierePruefen(*grau, true);
    auto cmyk = JpegLaden(Bild("cmyk.jpg"));
    ASSERT_TRUE(cmyk);
    EXPECT_EQ(cmyk->breite, 16);
}

TEST(Jpeg, KaputteDatenGebenKeinBild) {
    const std::vector<uint8_t> gut = Bytes("rgb.jpg");
    ASSERT_GT(gut.size(), 200u);
    // Not a JPEG, empty, only the start marker, a header without data.
    for (std::vector<uint8_t> boese : {std::vector<uint8_t>{'G', 'I', 'F', '8', '9', 'a'},
                                      std::vector<uint8_t>{}, std::vector<uint8_t>{0xFF, 0xD8},
                                      std::vector<uint8_t>(gut.begin(), gut.begin() + 150)})
        EXPECT_FALSE(JpegDekodieren(boese));
    // A picture cut short still comes back whole in size (the rest is grey)
    // or not at all; it never reads past its bytes.
    if (auto teil = JpegLaden(Bild("abgeschnitten.jpg"))) {
        EXPECT_EQ(teil->pixel.size(), static_cast<size_t>(teil->breite) * teil->hoehe * 3);
    }
    // Damaged bytes anywhere after the header.
    for (std::size_t i = 160; i < gut.size(); i += 7) {
        std::vector<uint8_t> d = gut;
        d[i] ^= 0xA5;
        if (auto b = JpegDekodieren(d)) {
            EXPECT_EQ(b->pixel.size(), 32u * 24 * 3);
        }
    }
    EXPECT_FALSE(JpegLaden(Bild("fehlt.jpg")));
}

TEST(Jpeg, GrenzenFuerGroesseUndScans) {
    const std::vector<uint8_t> gut = Bytes("rgb.jpg");
    JpegGrenzen g;
    g.maxSeite = 31;
    EXPECT_FALSE(JpegDekodieren(gut, g));
    g = {};
    g.maxPixel = 32 * 24 - 1;
    EXPECT_FALSE(JpegDekodieren(gut, g));
    g = {};
    g.maxDateiBytes = gut.size() - 1;
    EXPECT_FALSE(JpegDekodieren(gut, g));
    // A huge size in the frame header is refused before any memory is taken.
    std::vector<uint8_t> riesig = gut;
    for (std::size_t i = 0; i + 8 < riesig.size(); ++i)
        if (riesig[i] == 0xFF && riesig[i + 1] == 0xC0) {  // SOF0: height, width at +5, +7
            riesig[i + 5] = riesig[i + 6] = riesig[i + 7] = riesig[i + 8] = 0xFF;
            break;
        }
    EXPECT_FALSE(JpegDekodieren(riesig));
    g = {};
    g.maxScans = 2;  // the progressive picture has more scans
    EXPECT_FALSE(JpegDekodieren(Bytes("progressiv.jpg"), g));
}

}  // namespace
}  // namespace quarnel
