// The whole-case share of insurance, annuities and church tax: the joint
// couple's wage-card contributions and church tax, insurance above the
// Vorsorgepauschale, a permanent burden, church tax paid later and refunded.
// Entered through the pages, or set by field as the command line does; the
// base is the plain couple (fall::Ehepaar).
#pragma once

#include <string>
#include <vector>

#include "fall.h"
#include "pages/seite_sonderausgaben.h"
#include "seitentest.h"

namespace fall {

// The share set by field.
inline std::vector<std::string> Sa1Zuweisungen() {
    return {
        // wage-tax cards 1 (taxpayer) and 3 (spouse)
        "AnTeilSoVer[1]=14350", "KiStAnBrutto[1]=960,40", "AnTeilSoVer[3]=8200",
        "KiStAnBrutto[3]=400,25",
        // insurance
        "ZusPflegeStpfl=420", "ZusPflegeEheg=300", "UnfallGez=180", "UnfallErst=20",
        "LebenGez=2400", "HaftGez=310",
        // permanent burden
        "DLGrund=Versorgungsleistung Hofübergabe", "DlGezahlt=1800",
        // church tax
        "KiWeitere=320,50", "KiErst=150,90",
    };
}

// The same share entered through the pages, as the user would.
inline void Sa1UeberSeiten(seitentest::Umgebung& u) {
    using quarnel::Feld;
    using seitentest::Eintragen;
    auto oeffnen = [&u](int bereich, int seite) { return seitentest::SeiteOeffnen(u, bereich, seite); };
    const struct {
        int karte;
        const char* sv;
        const char* kist;
    } karten[] = {{1, "14350", "960,40"}, {3, "8200", "400,25"}};
    for (const auto& k : karten) {
        quarnel::gui::TForm11* nsa = oeffnen(3, k.karte);
        QVERIFY(nsa);
        Eintragen(*nsa, Feld::AnTeilSoVer, QString::fromLatin1(k.sv));
        Eintragen(*nsa, Feld::KiStAnBrutto, QString::fromLatin1(k.kist));
        QVERIFY(nsa->close());
    }

    quarnel::gui::TForm11* vers = oeffnen(12, 1);
    QVERIFY(qobject_cast<quarnel::gui::TF_SAVers*>(vers));
    Eintragen(*vers, Feld::ZusPflegeStpfl, QStringLiteral("420"));
    Eintragen(*vers, Feld::ZusPflegeEheg, QStringLiteral("300"));
    Eintragen(*vers, Feld::UnfallGez, QStringLiteral("180"));
    Eintragen(*vers, Feld::UnfallErst, QStringLiteral("20"));
    Eintragen(*vers, Feld::LebenGez, QStringLiteral("2400"));
    Eintragen(*vers, Feld::HaftGez, QStringLiteral("310"));
    QVERIFY(vers->close());

    quarnel::gui::TForm11* rdl = oeffnen(12, 2);
    QVERIFY(rdl && rdl->objectName() == QLatin1String("TF_SaRDL"));
    Eintragen(*rdl, Feld::DLGrund, QStringLiteral("Versorgungsleistung Hofübergabe"));
    Eintragen(*rdl, Feld::DlGezahlt, QStringLiteral("1800"));
    QVERIFY(rdl->close());

    quarnel::gui::TForm11* kizi = oeffnen(12, 3);
    QVERIFY(kizi && kizi->objectName() == QLatin1String("TF_SAKiZi"));
    Eintragen(*kizi, Feld::KiWeitere, QStringLiteral("320,50"));
    Eintragen(*kizi, Feld::KiErst, QStringLiteral("150,90"));
    QVERIFY(kizi->close());
}

}  // namespace fall
