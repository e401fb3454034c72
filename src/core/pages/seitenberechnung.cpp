#include "pages/seitenberechnung.h"

#include "pages/sonderausgaben.h"

#include "pages/einkuenfte_seiten.h"
#include "pages/fahrzeug.h"
#include "pages/kinder.h"

namespace quarnel {

void SeitenberechnungenAusfuehren(CaseRecord& r) {
    // education allowances, child allowances, disability Pauschbeträge
    KinderUndBehinderteRechnen(r);
    // vehicle costs, then the commuting costs that use them
    FahrtenRechnen(r);
    // (insert here: WerbungskostenSeitenRechnen(r) — the other expense-page totals)
    // capital, annuities, other income, business, self-employment, rental objects
    EinkuenfteSeitenRechnen(r);
    // special expenses, then taxes paid (it reads the capital credit totals)
    SonderausgabenSeitenRechnen(r);
    // (insert here: BelastungsSeitenRechnen(r) — the extraordinary burdens)
    // (insert here: WohneigentumSeitenRechnen(r) — the owner-occupied home amounts)
}

}  // namespace quarnel
