// Small builders shared by the computation tests.
#pragma once

#include "calc/calcdaten.h"
#include "calc/durchgang.h"

namespace quarnel::test {

inline CalcInput Einzeln() {
    CalcInput e{};
    e.FlagEinzel = 1;
    e.Bundesland = -1;
    e.KonfEr = e.KonfSie = 9;
    e.GebJahrEr = e.GebJahrSie = 1960;
    e.UngekuerztEr = e.UngekuerztSie = 1;
    for (auto& k : e.KindSaetze) k.Schluessel = 200000;
    return e;
}

inline CalcInput Zusammen() {
    CalcInput e = Einzeln();
    e.FlagEinzel = 0;
    e.FlagZusammen = 1;
    return e;
}

inline CalcResult MitParametern(const CalcInput& e) {
    CalcResult r{};
    ParameterSetzen(e, r);
    r.FlagLuFFreibetrag = 1;
    return r;
}

}  // namespace quarnel::test
