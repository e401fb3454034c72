#include "pages/seitenberechnung.h"

#include "pages/belastungen.h"
#include "pages/einkuenfte_seiten.h"
#include "pages/fahrzeug.h"
#include "pages/kinder.h"
#include "pages/sonderausgaben.h"
#include "pages/werbungskosten.h"
#include "pages/wohneigentum.h"

namespace quarnel {

void SeitenberechnungenAusfuehren(CaseRecord& r) {
    // education allowances, child allowances, disability Pauschbeträge
    KinderUndBehinderteRechnen(r);
    // vehicle costs, then the commuting costs that use them
    FahrtenRechnen(r);
    // the other income-related expense pages (they use the vehicles' rates)
    WerbungskostenSeitenRechnen(r);
    // capital, annuities, other income, business, self-employment, rental objects
    EinkuenfteSeitenRechnen(r);
    // special expenses, then taxes paid (it reads the capital credit totals)
    SonderausgabenSeitenRechnen(r);
    // the extraordinary burdens (the children decide which allowances count)
    BelastungsSeitenRechnen(r);
    // the owner-occupied home amounts
    WohneigentumSeitenRechnen(r);
}

}  // namespace quarnel
