// The income page computations on records of random bytes.
#include <gtest/gtest.h>

#include "pages/einkuenfte_seiten.h"
#include "pages/kapital.h"

using namespace quarnel;

// Whatever bytes a damaged case file brings, the page computations finish
// without touching anything outside the record.
TEST(Seiten, Zufaellige_Datensaetze) {
    uint32_t x = 12345;
    for (int lauf = 0; lauf < 50; ++lauf) {
        CaseRecord r;
        for (auto& b : r.Bytes()) {
            x = x * 1664525u + 1013904223u;
            b = static_cast<uint8_t>(x >> 24);
        }
        EXPECT_NO_THROW({
            EinkuenfteSeitenRechnen(r);
            AfaSummeRechnen(r, 1);
            AfaSummeRechnen(r, 2);
        });
    }
}
