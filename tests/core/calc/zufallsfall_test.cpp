// Any record, however damaged, fills and computes without a crash and with
// finite results only.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

#include "calc/berechnung.h"
#include "calc/deklaration.h"
#include "calc/feldnamen.h"
#include "case/caserecord.h"

using namespace quarnel;

namespace {

// Random bytes over a new case, then every text field's length byte clamped,
// as a case read from a damaged file would hold them.
CaseRecord Zufallsfall(std::mt19937_64& zufall, bool ganzZufaellig) {
    CaseRecord r;
    NeuerFallDatensatz(r);
    std::uniform_int_distribution<int> byte(0, 255);
    if (ganzZufaellig) {
        for (auto& b : r.Bytes()) b = static_cast<uint8_t>(byte(zufall));
    } else {
        // plausible values in a few hundred fields: amounts, indices, dates
        std::uniform_int_distribution<std::size_t> feld(0, Feldkatalog().size() - 1);
        for (int i = 0; i < 400; ++i) {
            const Feld f = static_cast<Feld>(feld(zufall));
            const FeldDef& d = Def(f);
            const int e = 1 + static_cast<int>(zufall() % d.anzahl);
            switch (d.typ) {
                case FeldTyp::Double:
                    r.SetzeDbl(f, std::uniform_real_distribution<double>(-2e5, 2e5)(zufall), e);
                    break;
                case FeldTyp::Datum:
                    r.SetzeInt(f, 120000 + static_cast<int32_t>(zufall() % 30000), e);
                    break;
                case FeldTyp::Ganzzahl:
                case FeldTyp::Auswahl:
                    r.SetzeInt(f, static_cast<int32_t>(zufall() % 20) - 2, e);
                    break;
                case FeldTyp::Boolesch:
                case FeldTyp::Byte: r.SetzeBool(f, zufall() % 2, e); break;
                case FeldTyp::Text: break;
            }
        }
    }
    for (std::size_t i = 0; i < Feldkatalog().size(); ++i) {
        const Feld f = static_cast<Feld>(i);
        const FeldDef& d = Def(f);
        if (d.typ != FeldTyp::Text) continue;
        for (int e = 1; e <= d.anzahl; ++e) {
            const std::size_t off = CaseRecord::Offset(f, e);
            if (r.LeseByte(off) > d.breite) r.SchreibeByte(off, static_cast<uint8_t>(d.breite));
        }
    }
    return r;
}

void PruefeEndlich(const CalcResult& res, int fall) {
    for (const RechenFeld& f : ErgebnisFelder()) {
        if (f.art == WertArt::Text) continue;
        const auto wert = Zahlenwert(res, f);
        ASSERT_TRUE(wert.has_value()) << f.name;
        ASSERT_TRUE(std::isfinite(*wert)) << f.name << " in case " << fall;
    }
}

}  // namespace

TEST(Zufallsfall, Fuellen_und_Berechnen_bleiben_endlich) {
    std::mt19937_64 zufall(20011231);
    for (int fall = 0; fall < 300; ++fall) {
        CaseRecord r = Zufallsfall(zufall, fall % 3 == 0);
        for (bool kurz : {false, true}) {
            CalcInput e;
            CalcResult res;
            ASSERT_NO_THROW(DeklarationFuellen(r, e, res, kurz)) << fall;
            Berechne(e, res);
            PruefeEndlich(res, fall);
        }
    }
}
